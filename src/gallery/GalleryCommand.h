// The numbers the main window shares with its senders: the gallery command message and its codes,
// the window's one-shot timers, and the messages handed to the hosts.
#pragma once
#include <cstdint>

namespace gallery {

inline constexpr uint32_t kGalleryCommandMessage = 1124;  // WM_USER + 100; code in lParam
inline constexpr uint32_t kListModeMessage = 1025;        // WM_USER + 1 to the thumbnail list

enum class GalleryCommand : int64_t {
  Show = 0,
  SetArxHost = 1,
  Quit = 2,
  Rebuild = 3,
  EnableUpdate = 4,
  ShowBlockDetails = 5,
  Hide = 6,
  HideIfHosted = 7,
  QuitForDraftwell = 8,
  ShowForDraftwell = 9,
  ShowUserBlockDetails = 10,
  DeleteUserBlock = 11,
  ClearDetails = 12,
  OpenLandscape = 13,
  LeaveLandscape = 14,
  OpenLandscapeQuietly = 15,
  Nothing = 16,
  OpenSecurity = 17,
};

enum class GalleryTimer : int32_t {
  Reload = 1001,          // 300 ms after an update that downloaded something
  SelectRoot = 1002,      // 500 ms after every full rebuild
  StartupRefresh = 1003,  // 300 ms after initialisation
  OpenLandscape = 1005,   // "园林景观"
  OpenSecurity = 1006,    // "弱电安防"
  // Right after a selection showed an empty category: the prompt's update may rebuild the tree,
  // which must not happen inside the tree's own selection notification.
  EmptyLibraryPrompt = 1007,
  // Right after a click on "添加图块": the file dialog runs its own message loop, in which a timer
  // or a host's command may rebuild the tree, which must not happen inside the tree's click.
  AddUserBlocks = 1008,
  Search = 1009,  // a short pause after the last change of the search field's text
};

inline constexpr uint32_t kArxHandOffMessage = 1032;        // WM_USER + 8, (0, 100)
inline constexpr uint64_t kArxHandOffWParam = 0;
inline constexpr int64_t kArxHandOffLParam = 100;
inline constexpr uint32_t kDraftwellHandOffMessage = 1128;  // WM_USER + 104, (gallery window, 10 or 9)
inline constexpr int64_t kDraftwellHandOffWithLd = 10;
inline constexpr int64_t kDraftwellHandOffPlain = 9;

}  // namespace gallery
