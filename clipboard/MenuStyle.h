#pragma once
// The popup menu's look: fonts, colours and margins, built once from the
// settings as the master style and copied into every menu when it is made.
// Fonts are named by a font text "name,points,attributes" ("Tahoma,10,1":
// attribute bit 0 bold, bit 1 italic); the view turns a text into a GDI font
// (cached per distinct text), the layout measures through TextMeasure, so
// that cutting captions, equal columns and placement are computed the same
// way natively (with a fixed-width stand-in) and on Windows.

#include <cstdint>

#include "core/Str.h"

namespace orv {

// Colours are COLORREF values, 0x00BBGGRR.
constexpr uint32_t kMenuFrameColour = 0xFF970E;    // title bar, frame, hot item background, header
constexpr uint32_t kMenuDarkFrameColour = 0xCF770E;
constexpr uint32_t kMenuLightText = 0xFFFFFF;      // title text, hot item text, header text
constexpr uint32_t kMenuItemBackground = 0xFFFFFF;
constexpr uint32_t kMenuEntryBackground = 0xFFF4E9;  // clipboard, note and template entries
constexpr uint32_t kMenuItemText = 0x000000;
constexpr uint32_t kMenuSeparatorColour = 0xEADFD8;

// The point sizes that "menu_font_size_idx" (0 to 8) chooses from.
constexpr int32_t kMenuFontSizes[9] = {8, 9, 10, 11, 12, 14, 16, 18, 20};

struct MenuMargins {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Items, headers and entries: four fonts by character attribute (0 regular,
// 1 bold, 2 italic, 3 bold italic).
struct MenuItemStyle {
  Str16 fonts[4];
  uint32_t background = kMenuItemBackground;
  uint32_t text = kMenuItemText;
  uint32_t hotBackground = kMenuFrameColour;
  uint32_t hotText = kMenuLightText;
  uint32_t separator = kMenuSeparatorColour;
  MenuMargins margins;  // around the caption block of one item
};

// A menu window: the frame around the items and the title band on top.
struct MenuFrameStyle {
  Str16 titleFont;
  uint32_t frame = kMenuFrameColour;
  uint32_t darkFrame = kMenuDarkFrameColour;
  uint32_t titleText = kMenuLightText;
  uint32_t background = kMenuItemBackground;
  MenuMargins margins;       // the frame: top holds the title band
  int32_t titleMarginX = 0;  // around the title text
  int32_t titleMarginY = 0;
};

struct MenuStyle {
  MenuFrameStyle frame;
  MenuItemStyle item;
  MenuItemStyle header;
  // 100 to 255; below 250 the windows are layered with this alpha.
  int32_t transparency = 255;
  // The square images of the item buttons and of the close button, in
  // pixels: 16 and 12 at 96 dots per inch, larger on scaled screens.
  int32_t buttonSize = 16;
  int32_t closeSize = 12;
};

// Scales the image sizes for a screen of `dpi` dots per inch (the fonts
// scale by themselves: their heights are in points).
void scaleMenuImages(MenuStyle& style, int32_t dpi);

// The master style from "menu_font_name" (empty means "Tahoma"),
// "menu_font_size_idx" (clamped to 0..8) and "transparency" (100..255).
MenuStyle makeMenuStyle(const Str16& fontName, int32_t sizeIndex, int32_t transparency);
// The same style for the clipboard, note and template entries (their own
// background colour).
MenuItemStyle entryItemStyle(const MenuItemStyle& item);
// Whether windows of this style are layered.
inline bool menuIsLayered(const MenuStyle& s) { return s.transparency < 250; }

// The measuring port: widths and heights in pixels of text in a font text.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int32_t charWidth(const Str16& font, char16_t c) = 0;
  virtual int32_t lineHeight(const Str16& font) = 0;
};

// A fixed-width stand-in for tests and tools: every character is as wide as
// the font's point size less 3 (at least 4) pixels, bold ones one more; a
// line is the point size plus 6 pixels high.
class FixedMeasure : public TextMeasure {
 public:
  int32_t charWidth(const Str16& font, char16_t c) override;
  int32_t lineHeight(const Str16& font) override;

 private:
  struct Parsed {
    int32_t points = 10, attributes = 0;
  };
  const Parsed& parsed(const Str16& font);
  Str16 myFont;
  Parsed myParsed;
};

// Parses a font text; false when it is not "name,points,attributes".
bool parseMenuFont(const Str16& font, Str16& name, int32_t& points, int32_t& attributes);

}  // namespace orv
