#pragma once
// What the dictionary set needs from modules that are built elsewhere: the
// "dic" settings (configuration), the interface texts (localised strings)
// and the installed keyboard layouts (layout maps). Each is a narrow
// interface; the program binds the real modules, tests bind their own.

#include "core/Str.h"

namespace orv {

// Section "dic" of the configuration: "order" and "skip", folder names
// separated by single spaces.
class IDictionarySettings {
 public:
  virtual ~IDictionarySettings() = default;
  virtual Str16 dicOrder() = 0;
  virtual Str16 dicSkip() = 0;
};

// Interface texts by language key.
class IInterfaceStrings {
 public:
  virtual ~IInterfaceStrings() = default;
  virtual Str16 text(const char* key) = 0;
};

// The English texts of the keys the dictionary set uses (the fallback until
// the localised strings are bound).
class EnglishDictionaryStrings : public IInterfaceStrings {
 public:
  Str16 text(const char* key) override;
};

// The installed keyboard layouts, as the add-word flow asks about them.
class ILayoutCatalog {
 public:
  virtual ~ILayoutCatalog() = default;
  virtual int32_t layoutCount() = 0;
  // The two-letter language code and the ANSI code page of layout i.
  virtual Str8 layoutLanguage(int32_t i) = 0;
  virtual int32_t layoutCodePage(int32_t i) = 0;
  // Whether every character of `word` occurs in layout i's character map.
  virtual bool layoutCanType(int32_t i, const Str16& word) = 0;
};

}  // namespace orv
