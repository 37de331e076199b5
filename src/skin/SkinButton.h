// Windows side. CSkinButton: the owner-drawn push button of every window. It paints one frame of
// its five-frame skin strip for the state (or, in the text styles, coloured text on white) and
// tracks the mouse for the hover look. Clicks stay ordinary button clicks for the owner.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "skin/SkinButtonLook.h"
#include "skin/SkinPicture.h"
#include "win/Window.h"

namespace skin {

class CSkinButton : public win::Window {
public:
  CSkinButton() = default;
  ~CSkinButton() override;

  // Takes over a button of a dialog template and makes it owner-drawn.
  bool attach(HWND button);
  // Creates the button as a child window, owner-drawn from its creation on.
  bool createIn(HWND parent, int id, const std::u16string& caption, const RECT& rect);

  // One frame of the strip: width / 5 by the strip's height (0 x 0 without a picture).
  SIZE frameSize() const;
  // Shows the button at (x, y) with the given size, or one frame's size when size is 0 x 0.
  void place(int x, int y, SIZE size = SIZE{0, 0});

  // Set by the owning dialog after attaching, before the button is first shown.
  void setPicture(std::unique_ptr<SkinPicture> picture) { m_pImage = std::move(picture); }
  void setStyle(int32_t style) { m_nSkinStyle = style; }
  const SkinPicture* picture() const { return m_pImage.get(); }
  int32_t style() const { return m_nSkinStyle; }

protected:
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMouseMove(UINT keys, POINT point) override;
  bool OnMouseLeave() override;
  bool OnEraseBackground(HDC dc) override;

private:
  void makeOwnerDrawn();
  void drawCaption(HDC dc, RECT box, const ButtonLook& look) const;

  std::unique_ptr<SkinPicture> m_pImage;
  int32_t m_nSkinStyle = kPictureStyle;
  bool m_bHover = false;
};

}  // namespace skin
