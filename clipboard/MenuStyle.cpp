#include "clipboard/MenuStyle.h"

#include <cstring>
#include <string>

namespace orv {

namespace {

Str16 fontText(const Str16& name, int32_t points, int32_t attributes) {
  Str16 t = name;
  std::string tail = "," + std::to_string(points) + "," + std::to_string(attributes);
  for (char c : tail) t.append(static_cast<char16_t>(c));
  return t;
}

void setFonts(MenuItemStyle& s, const Str16& name, int32_t points) {
  for (int32_t a = 0; a < 4; ++a) s.fonts[a] = fontText(name, points, a);
}

}  // namespace

MenuStyle makeMenuStyle(const Str16& fontName, int32_t sizeIndex, int32_t transparency) {
  Str16 name = fontName.size() ? fontName : str16(u"Tahoma");
  if (sizeIndex < 0) sizeIndex = 0;
  if (sizeIndex > 8) sizeIndex = 8;
  int32_t points = kMenuFontSizes[sizeIndex];
  MenuStyle s;
  s.frame.titleFont = fontText(name, points, 1);
  s.frame.margins = {4, points + 12, 4, 4};
  s.frame.titleMarginX = 6;
  s.frame.titleMarginY = 3;
  setFonts(s.item, name, points);
  s.item.margins = {8, 3, 8, 3};
  setFonts(s.header, name, points);
  s.header.fonts[0] = s.header.fonts[1];  // headers read bold
  s.header.background = kMenuFrameColour;
  s.header.text = kMenuLightText;
  s.header.hotBackground = kMenuFrameColour;
  s.header.hotText = kMenuLightText;
  s.header.margins = {8, 2, 8, 2};
  s.transparency = transparency < 100 ? 100 : transparency > 255 ? 255 : transparency;
  return s;
}

void scaleMenuImages(MenuStyle& style, int32_t dpi) {
  if (dpi < 96) dpi = 96;
  if (dpi > 480) dpi = 480;
  style.buttonSize = (16 * dpi + 48) / 96;
  style.closeSize = (12 * dpi + 48) / 96;
}

MenuItemStyle entryItemStyle(const MenuItemStyle& item) {
  MenuItemStyle s = item;
  s.background = kMenuEntryBackground;
  return s;
}

bool parseMenuFont(const Str16& font, Str16& name, int32_t& points, int32_t& attributes) {
  int32_t c1 = -1, c2 = -1;
  for (int32_t i = font.size() - 1; i >= 0; --i) {
    if (font[i] != u',') continue;
    if (c2 < 0)
      c2 = i;
    else {
      c1 = i;
      break;
    }
  }
  if (c1 <= 0 || c2 <= c1 + 1 || c2 + 1 >= font.size()) return false;
  auto number = [&](int32_t from, int32_t to, int32_t& out) {
    out = 0;
    for (int32_t i = from; i < to; ++i) {
      if (font[i] < u'0' || font[i] > u'9' || out > 100000) return false;
      out = out * 10 + (font[i] - u'0');
    }
    return true;
  };
  if (!number(c1 + 1, c2, points) || !number(c2 + 1, font.size(), attributes)) return false;
  name = Str16(font.data(), c1);
  return true;
}

const FixedMeasure::Parsed& FixedMeasure::parsed(const Str16& font) {
  // Layout asks for every character in a handful of fonts: parse each font
  // text once.
  if (!(font.size() == myFont.size() &&
        (font.size() == 0 || std::memcmp(font.data(), myFont.data(), font.size() * sizeof(char16_t)) == 0))) {
    myFont = font;
    Str16 name;
    myParsed = Parsed{};
    if (!parseMenuFont(font, name, myParsed.points, myParsed.attributes)) myParsed = Parsed{};
  }
  return myParsed;
}

int32_t FixedMeasure::charWidth(const Str16& font, char16_t) {
  const Parsed& p = parsed(font);
  int32_t w = p.points - 3 < 4 ? 4 : p.points - 3;
  return w + (p.attributes & 1);
}

int32_t FixedMeasure::lineHeight(const Str16& font) { return parsed(font).points + 6; }

}  // namespace orv
