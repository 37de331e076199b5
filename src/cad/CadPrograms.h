// The CAD programs a stand-alone gallery can put a block into: each registers a running
// application object under its automation name, which another program finds and drives.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace cad {

// AutoCAD, ZWCAD, GstarCAD and BricsCAD, by the names their application objects run under.
inline constexpr std::array<std::u16string_view, 4> kProgramIds = {
    u"AutoCAD.Application", u"ZWCAD.Application", u"GCAD.Application", u"BricscadApp.AcadApplication"};

// True for one of those names, plain or with the version suffix the machine registers beside it
// ("AutoCAD.Application.24.3"): the plain name points only at the version installed last. Case is
// ignored, as the registry ignores it.
bool isCadProgramId(std::u16string_view name);

// Where each running program's main window stands among the top-level windows, 0 being the top;
// nullopt when it could not be told. The one highest up wins; one whose place is unknown only
// when no other is known. nullopt for an empty list.
std::optional<size_t> frontmostProgram(const std::vector<std::optional<uint32_t>>& windowDepths);

}  // namespace cad
