#pragma once
// The appearance page's values: the popup menu's font, its size and the
// menus' opacity, held as copies from load() until apply() writes them, so
// that Cancel (no apply) leaves the settings as they were.

#include "core/Str.h"

namespace orv {

class OptViewModel {
 public:
  void load();
  void apply() const;

  const Str16& fontName() const { return myFontName; }
  int32_t sizeIndex() const { return mySizeIndex; }
  int32_t transparency() const { return myTransparency; }
  // Each held to the setting's range ("menu_font_size_idx", "transparency").
  void setFontName(const Str16& name) { myFontName = name; }
  void setSizeIndex(int32_t index);
  void setTransparency(int32_t alpha);

  // The point size the menu uses for a size index.
  static int32_t pointSize(int32_t index);
  static int32_t sizeCount();

 private:
  Str16 myFontName;
  int32_t mySizeIndex = 0;
  int32_t myTransparency = 255;
};

}  // namespace orv
