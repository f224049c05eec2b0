#pragma once
// Interface texts by language key, from the language file of the interface
// language in the folder "\lang" below the module folder (app/LangFile.h).
//
// The file is chosen at the first look-up: "<interface_lang>.lng", else the
// file of the user's language ("<iso>.lng", then "<culture>.lng"), else
// "en.lng" read only, in which case an empty file for the user's language
// is created so that the next run collects its keys there.
//
// A key the chosen file lacks is added to the table as "?key" and the table
// is marked changed; save() (at exit) then rewrites the file with every key
// in key order, so that the file lists what a translator has to fill in.
// Such untranslated keys ("?key" added now, or a "key=?key" line left in the
// file from an earlier run) are shown with their English text when en.lng
// has one, and as "?key" only when it has none.
//
// In code, a key is named with lstr("tray_mi_exit") (or LKEY("snd_KEY") where
// only the key is kept); window texts "$apply" are keys too (localizeWindow). A test
// collects every key used this way in the sources and checks that the
// shipped en.lng and ru.lng carry it.

#include <functional>
#include <string_view>

#include "app/LangFile.h"
#include "core/SynchObject.h"
#include "platform/WindowText.h"

// Marks a literal as a language key where the key is stored, not looked up.
#define LKEY(key) key

namespace orv {

class LocalStr {
 public:
  struct Sources {
    Str16 folder;         // the language folder ("...\lang")
    Str16 interfaceLang;  // the setting "interface_lang"
    Str8 isoName;         // the user's language, ISO 639 ("ru")
    Str8 cultureName;     // and its culture name ("ru-RU")
  };
  // `sources` is asked at every load attempt.
  explicit LocalStr(std::function<Sources()> sources);
  LocalStr(const LocalStr&) = delete;
  LocalStr& operator=(const LocalStr&) = delete;

  // The text of a 16-bit key; "" for an empty key. The text is the table's
  // own and stays valid for the table's life.
  const char16_t* text(std::u16string_view key);
  // Writes the table to its file if keys were added; clears the mark.
  void saveChanges();

  bool changed();
  // Back to the unloaded state, changes dropped (tests).
  void forget();
  Str16 savePath();  // empty when the texts came from the English fallback

  // The process's table: the module folder's "\lang", "interface_lang" and
  // the user's language (app/UserLanguage.h).
  static LocalStr& process();
  static const char16_t* get(std::u16string_view key) { return process().text(key); }
  static void save() { process().saveChanges(); }

 private:
  void load();
  const LangTable* english();

  SynchObject myLock;
  std::function<Sources()> mySources;
  LangTable myTable;
  Str16 mySavePath;
  Str16 myFolder;
  bool myDirty = false;
  LangTable myEnglish;
  bool myEnglishLoaded = false;
};

// The interface text of an ASCII key written as a literal: lstr("tray_mi_exit").
const char16_t* lstr(const char* key);

// Replaces the text of the window and of all its descendants that begins
// with "$" by the text of the key after the "$" (depth first: the window,
// then its first child's tree, then the next sibling's, and so on).
void localizeWindow(WindowRef window);

}  // namespace orv
