// A skinned dialog for the Wine scenario: it paints the common skin with a close button, the
// captioned OK and cancel pictures, an image button, a link and a tab button, and reports on
// standard output what it shows, so that a script driving the real mouse can check it:
//   origin X Y                 the client area's top-left on the screen (again after a move)
//   button NAME X Y            the centre of a button on the screen
//   skin-mismatches N          skin pixels that differ from the portable paint of the same bitmaps
//   frame NAME F               the strip frame a picture button shows (-1: none matches)
//   look NAME normal|hover|pressed   the caption colour a text button shows
//   closed RESULT              the dialog ended
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "skin/SkinButton.h"
#include "skin/SkinColours.h"
#include "skin/SkinImagePainter.h"
#include "skin/SkinnedDialog.h"
#include "win/Gdi.h"
#include "win/ImageBitmap.h"

namespace {

using skin::CSkinButton;

void report(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

base::Image capture(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  win::WindowDC dc(window);
  win::MemoryDC memory(dc);
  win::Bitmap bitmap(CreateCompatibleBitmap(dc, r.right, r.bottom));
  {
    win::SelectGuard selected(memory, bitmap.get());
    BitBlt(memory, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
  }
  return win::imageFromBitmap(bitmap.get());
}

bool sameColour(uint32_t a, uint32_t b) { return ((a ^ b) & 0xFFFFFF) == 0; }

int shownFrame(const CSkinButton& button) {
  if (!button.picture()) return -1;
  base::Image shown = capture(button.handle());
  base::Image strip = win::imageFromBitmap(button.picture()->bitmap());
  for (int frame = 0; frame < skin::kSkinFrames; ++frame) {
    bool all = shown.width > 0;
    for (int y = 0; all && y < shown.height; ++y)
      for (int x = 0; all && x < shown.width; ++x)
        all = sameColour(shown.at(x, y), strip.at(frame * shown.width + x, y));
    if (all) return frame;
  }
  return -1;
}

// Which of the text styles' three caption colours the button shows most.
std::string textLook(const CSkinButton& button) {
  const std::pair<const char*, uint32_t> looks[] = {{"normal", skin::lookOf(button.style(), {}).captionColour},
                                                    {"hover", base::rgb(0, 0, 245)},
                                                    {"pressed", base::rgb(100, 200, 245)}};
  base::Image shown = capture(button.handle());
  std::string best = "none";
  size_t most = 0;
  for (const auto& [name, colour] : looks) {
    size_t count = 0;
    for (uint32_t pixel : shown.pixels) count += sameColour(pixel, colour) ? 1 : 0;
    if (count > most) {
      most = count;
      best = name;
    }
  }
  return best;
}

skin::SkinArt* artFromResources() {
  static base::Image images[5];
  static skin::SkinArt art;
  const int ids[5] = {147, 144, 146, 145, 136};
  for (int i = 0; i < 5; ++i) images[i] = win::imageFromBitmap(skin::loadBitmapResource(ids[i]).get());
  art = {&images[0], &images[1], &images[2], &images[3], &images[4]};
  return &art;
}

class SkinDemo : public skin::SkinnedDialog {
public:
  SkinDemo() : SkinnedDialog(900, skin::SkinnedWindow::EmptyLibraryPrompt) {}

protected:
  bool OnInitDialog() override {
    SkinnedDialog::OnInitDialog();
    setPosition(nullptr, 0, 0, 347, 183, SWP_NOMOVE | SWP_NOZORDER);
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const RECT client = clientRect();
    setPosition(nullptr, desktop.right / 2 - client.right / 2, desktop.bottom / 2 - client.bottom / 2, 0, 0,
                SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
    const int h = client.bottom;
    skinCloseButton(close_, 1020);
    skinButton(ok_, IDOK, u"BT_DEFAULT_OK.bmp", skin::kCaptionedPictureStyle, 77, h - 32, SIZE{73, 19});
    skinButton(cancel_, IDCANCEL, u"BT_DEFAULT.bmp", skin::kCaptionedPictureStyle, 200, h - 32, SIZE{73, 19});
    skinButton(update_, 1002, u"update.bmp", skin::kPictureStyle, 200, 5);
    link_.attach(item(1006));
    link_.setStyle(skin::kLinkTextStyle);
    link_.place(32, 60, SIZE{80, 15});
    tab_.attach(item(1000));
    tab_.setStyle(skin::kTabTextStyle);
    tab_.place(32, 90, SIZE{60, 20});
    setTimer(1, 100);
    return false;
  }

  HBRUSH OnCtlColor(HDC dc, HWND control, int kind) override {
    return kind == CTLCOLOR_STATIC ? blackOnWhite(dc) : nullptr;
  }

  bool OnCommand(int id, int notifyCode, HWND control) override {
    if (id == 1020) {
      OnCancel();
      return true;
    }
    return false;
  }

  bool OnTimer(UINT_PTR id) override {
    if (!checked_) {
      checked_ = true;
      reportButtons();
      report("skin-mismatches " + std::to_string(skinMismatches()));
    }
    POINT origin{0, 0};
    ClientToScreen(handle(), &origin);
    change("origin", std::to_string(origin.x) + " " + std::to_string(origin.y));
    change("frame close", std::to_string(shownFrame(close_)));
    change("frame update", std::to_string(shownFrame(update_)));
    change("frame ok", std::to_string(shownFrame(ok_)));
    change("look link", textLook(link_));
    change("look tab", textLook(tab_));
    return true;
  }

private:
  void change(const std::string& what, const std::string& value) {
    std::string& last = last_[what];
    if (last == value) return;
    last = value;
    report(what + " " + value);
  }

  void reportButtons() {
    const std::pair<const char*, CSkinButton*> buttons[] = {
        {"close", &close_}, {"ok", &ok_}, {"cancel", &cancel_}, {"update", &update_}, {"link", &link_}, {"tab", &tab_}};
    for (const auto& [name, button] : buttons) {
      RECT r = button->windowRect();
      report(std::string("button ") + name + " " + std::to_string((r.left + r.right) / 2) + " " +
             std::to_string((r.top + r.bottom) / 2));
    }
  }

  // Every skin pixel outside the buttons, the static text and the title's box must be what the
  // portable painter makes of the same bitmaps.
  int skinMismatches() {
    base::Image shown = capture(handle());
    base::Image expected(shown.width, shown.height, base::kBlack);
    skin::paintSkin(expected, *artFromResources(), skin::SkinnedWindow::EmptyLibraryPrompt);
    const skin::SkinBox title = skin::titleOf(skin::SkinnedWindow::EmptyLibraryPrompt).box;
    std::vector<RECT> skipped{RECT{title.x, title.y, title.right(), title.bottom()}};
    for (HWND child = GetWindow(handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT r{};
      GetWindowRect(child, &r);
      MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&r), 2);
      if (IsWindowVisible(child)) skipped.push_back(r);
    }
    int mismatches = 0;
    for (int y = 0; y < shown.height; ++y)
      for (int x = 0; x < shown.width; ++x) {
        const POINT p{x, y};
        bool covered = false;
        for (const RECT& r : skipped) covered = covered || PtInRect(&r, p);
        if (!covered && !sameColour(shown.at(x, y), expected.at(x, y)) && mismatches++ < 5)
          report("mismatch " + std::to_string(x) + " " + std::to_string(y));
      }
    return mismatches;
  }

  CSkinButton close_, ok_, cancel_, update_, link_, tab_;
  std::map<std::string, std::string> last_;
  bool checked_ = false;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  SkinDemo demo;
  INT_PTR result = demo.doModal();
  report("closed " + std::to_string(result));
  return 0;
}
