// A plain-socket HTTP/1.0 client over the update's source interface, so that downloads can be
// checked natively against the local test server. Native builds only.
#pragma once
#include <cstdint>
#include <memory>

#include "update/HttpSource.h"

namespace update_tests {

// receiveTimeoutMs bounds every wait for the server once connected.
std::unique_ptr<update::HttpSource> openSocketSession(uint32_t receiveTimeoutMs);

}  // namespace update_tests
