#include "clipboard/win32/GdiMeasure.h"

#include <string>

namespace orv::win {

GdiMeasure::GdiMeasure() {
  HDC screen = GetDC(nullptr);
  if (screen) {
    myDpi = GetDeviceCaps(screen, LOGPIXELSY);
    myDc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
  }
  if (myDpi <= 0) myDpi = 96;
}

GdiMeasure::~GdiMeasure() {
  for (int32_t i = 0; i < myFonts.size(); ++i) {
    DeleteObject(myFonts[i]->font);
    delete myFonts[i];
  }
  if (myDc) DeleteDC(myDc);
}

GdiMeasure::Entry& GdiMeasure::entry(const Str16& fontText) {
  for (int32_t i = 0; i < myFonts.size(); ++i)
    if (view(myFonts[i]->text) == view(fontText)) return *myFonts[i];
  Str16 name;
  int32_t points = 10, attributes = 0;
  if (!parseMenuFont(fontText, name, points, attributes) || name.size() == 0 || points <= 0 || points > 200) {
    name = str16(u"Tahoma");
    points = 10;
    attributes = 0;
  }
  std::wstring face(name.data(), name.data() + (name.size() < LF_FACESIZE ? name.size() : LF_FACESIZE - 1));
  HFONT f = CreateFontW(-MulDiv(points, myDpi, 72), 0, 0, 0, (attributes & 1) ? FW_BOLD : FW_NORMAL,
                        (attributes & 2) ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  if (!f) f = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  Entry* e = new Entry{fontText, f, 0, {}};
  for (int32_t& w : e->widths) w = -1;
  TEXTMETRICW tm = {};
  if (myDc) {
    HGDIOBJ old = SelectObject(myDc, f);
    GetTextMetricsW(myDc, &tm);
    SelectObject(myDc, old);
  }
  e->height = tm.tmHeight > 0 ? tm.tmHeight : points + 6;
  myFonts.append(e);
  return *e;
}

HFONT GdiMeasure::font(const Str16& fontText) { return entry(fontText).font; }

int32_t GdiMeasure::charWidth(const Str16& fontText, char16_t c) {
  Entry& e = entry(fontText);
  if (c < 128 && e.widths[c] >= 0) return e.widths[c];
  SIZE size = {0, 0};
  if (myDc) {
    HGDIOBJ old = SelectObject(myDc, e.font);
    wchar_t ch = static_cast<wchar_t>(c);
    GetTextExtentPoint32W(myDc, &ch, 1, &size);
    SelectObject(myDc, old);
  }
  if (c < 128) e.widths[c] = size.cx;
  return size.cx;
}

int32_t GdiMeasure::lineHeight(const Str16& fontText) { return entry(fontText).height; }

}  // namespace orv::win
