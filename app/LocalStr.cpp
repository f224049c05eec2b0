#include "app/LocalStr.h"

#include "app/AppPaths.h"
#include "app/Settings.h"
#include "app/TextFile.h"
#include "app/UserLanguage.h"
#include "core/Trace.h"
#include "platform/FileSys.h"
#include "platform/Text.h"

namespace orv {

namespace {

Str16 fileIn(const Str16& folder, std::u16string_view name) {
  Str16 p = folder;
  p.append(u'\\');
  appendText(p, name);
  appendText(p, u".lng");
  return p;
}

std::string printable(const Str16& path) { return utf16ToUtf8(path); }

bool isPlaceholder(const Str16& key, const Str16& text) {
  return text.size() == key.size() + 1 && text[0] == u'?' && std::u16string_view(text.data() + 1, key.size()) == view(key);
}

}  // namespace

LocalStr::LocalStr(std::function<Sources()> sources) : mySources(std::move(sources)) {}

void LocalStr::load() {
  Sources src = mySources();
  myFolder = src.folder;
  mySavePath.clear();
  Str16 fallback;
  Str16 chosen = fileIn(src.folder, view(src.interfaceLang));
  if (fileExists(chosen)) {
    mySavePath = chosen;
  } else {
    chosen = fallback = fileIn(src.folder, view(toWide(src.isoName, kCpAnsi)));
    traceLine("LocalStr::load 1 [%s]\n", printable(chosen).c_str());
    if (fileExists(chosen)) {
      mySavePath = chosen;
    } else {
      chosen = fileIn(src.folder, view(toWide(src.cultureName, kCpAnsi)));
      traceLine("LocalStr::load 2 [%s]\n", printable(chosen).c_str());
      if (fileExists(chosen)) {
        mySavePath = chosen;
      } else {
        chosen = fileIn(src.folder, u"en");
        traceLine("LocalStr::load 3 [%s]\n", printable(chosen).c_str());
      }
    }
  }
  if (mySavePath.empty() && fallback.size() && !fileExists(fallback)) writeFileBytes(fallback, "", 0);
  loadLangFile(chosen, myTable);
}

const LangTable* LocalStr::english() {
  if (mySavePath.empty()) return nullptr;  // the table is the English file itself
  if (!myEnglishLoaded) {
    myEnglishLoaded = true;
    loadLangFile(fileIn(myFolder, u"en"), myEnglish);
  }
  return &myEnglish;
}

const char16_t* LocalStr::text(std::u16string_view key) {
  if (key.empty()) return u"";
  SynchObject::Guard g(myLock);
  if (myTable.empty()) load();
  Str16 k(key.data(), int32_t(key.size()));
  const Str16* found = myTable.get(k);
  if (found && !isPlaceholder(k, *found)) return found->data();
  if (!found) {
    myDirty = true;
    Str16 placeholder;
    placeholder.append(u'?');
    placeholder.append(k);
    myTable.put(k, placeholder);
    found = myTable.get(k);
  }
  if (const LangTable* en = english()) {
    const Str16* e = en->get(k);
    if (e && !isPlaceholder(k, *e)) return e->data();
  }
  return found->data();
}

void LocalStr::saveChanges() {
  SynchObject::Guard g(myLock);
  if (!myDirty) return;
  myDirty = false;
  if (!mySavePath.empty()) writeTextFile(mySavePath, formatLangFile(myTable));
}

bool LocalStr::changed() {
  SynchObject::Guard g(myLock);
  return myDirty;
}

void LocalStr::forget() {
  SynchObject::Guard g(myLock);
  myTable.clear();
  myEnglish.clear();
  myEnglishLoaded = false;
  mySavePath.clear();
  myDirty = false;
}

Str16 LocalStr::savePath() {
  SynchObject::Guard g(myLock);
  return mySavePath;
}

LocalStr& LocalStr::process() {
  static LocalStr table([] {
    Sources s;
    s.folder = modulePath(u"\\lang");
    s.interfaceLang = cfgInterfaceLang.get();
    const UserLanguage& user = userLanguage();
    s.isoName = user.isoName;
    s.cultureName = user.cultureName;
    return s;
  });
  return table;
}

const char16_t* lstr(const char* key) {
  Str16 k;
  for (const char* p = key; p && *p; ++p) k.append(char16_t(static_cast<unsigned char>(*p)));
  return LocalStr::get(view(k));
}

void localizeWindow(WindowRef window) {
  if (!window) return;
  Str16 t = windowText(window);
  if (t.size() && t[0] == u'$') setWindowText(window, LocalStr::get(std::u16string_view(t.data() + 1, t.size() - 1)));
  for (WindowRef c = firstChildWindow(window); c; c = nextSiblingWindow(c)) localizeWindow(c);
}

}  // namespace orv
