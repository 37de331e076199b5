// Settings an installer leaves for every user of the machine: on Windows, text values below
// HKEY_LOCAL_MACHINE. Natively there is no such store, so nothing is ever found there.
#pragma once
#include <string>

namespace base {

// The text value `name` of the machine key `key` ("Software\\Blockery"); empty when the key or the
// value is absent. Any other failure to read it (a value of another type, access denied) is
// written to the failure log and also gives empty.
std::u16string machineSetting(const std::u16string& key, const std::u16string& name);

}  // namespace base
