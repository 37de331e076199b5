// Probes that read the gallery's tree and thumbnail list from outside its process: what is
// selected and expanded, how many thumbnails there are, and where an item is on the screen (so a
// scenario can click it with the real mouse). Pointers for the controls' messages live in memory
// allocated inside the gallery's process.
#pragma once
#include <string>
#include <vector>

namespace standin {

// The probe's exit code, or -1 when the arguments name none of these probes.
int runControlProbe(const std::vector<std::u16string>& arguments);

}  // namespace standin
