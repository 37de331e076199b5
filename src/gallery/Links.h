// The two pages the gallery opens in the user's browser.
#pragma once
#include <string>

namespace gallery {

// A block's more-info link comes from the network: only a web page is opened, never a program or a
// file. True for links starting with "http://" or "https://" in any case.
bool isWebLink(const std::u16string& link);

// "/help.html" on the update server's host: the scheme and host of libraryBaseUrl, with its port.
std::u16string helpPageUrl(const std::u16string& libraryBaseUrl);

}  // namespace gallery
