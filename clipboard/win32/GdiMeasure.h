#pragma once
// The menu's TextMeasure on Windows: GDI fonts made from font texts
// ("Tahoma,10,1") once per distinct text and kept for the process, widths
// and line heights measured in a memory DC. The menu thread alone uses it
// (composition, layout and painting all run there).

#include <windows.h>

#include "clipboard/MenuStyle.h"
#include "core/Str.h"

namespace orv::win {

class GdiMeasure final : public TextMeasure {
 public:
  GdiMeasure();
  ~GdiMeasure() override;
  GdiMeasure(const GdiMeasure&) = delete;
  GdiMeasure& operator=(const GdiMeasure&) = delete;

  int32_t charWidth(const Str16& font, char16_t c) override;
  int32_t lineHeight(const Str16& font) override;
  // The font of a font text; a text that does not parse gives Tahoma 10.
  HFONT font(const Str16& fontText);
  // The screen's vertical resolution (96 at 100 %, 144 at 150 %).
  int32_t dpi() const { return myDpi; }

 private:
  struct Entry {
    Str16 text;
    HFONT font;
    int32_t height;
    int32_t widths[128];  // ASCII widths, measured on first use (-1 unknown)
  };
  Entry& entry(const Str16& fontText);

  HDC myDc = nullptr;
  int32_t myDpi = 96;
  ArrT<Entry*> myFonts;
};

}  // namespace orv::win
