// The command line that puts a block file into the current drawing of a CAD program, sent in one
// piece through its automation interface.
#pragma once
#include <string>
#include <string_view>

namespace cad {

// The block name a file gets: its base name, with every character a block name cannot hold
// (< > / \ " : ; ? * | , = ` and control characters) replaced by "_".
std::u16string blockNameOf(std::u16string_view dwgPath);

// Two cancels end whatever command runs; then one AutoLISP expression, ended by a carriage
// return: a drawing that already defines a block of that name inserts its own definition,
// otherwise the file is inserted as name=path (written with "/"). Scale 1 and rotation 0 are set
// first, so the block follows the mouse at its size until the user picks the point.
std::u16string insertCommand(std::u16string_view dwgPath);

}  // namespace cad
