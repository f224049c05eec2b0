#include "app/ProgramWords.h"

#include "app/DictionaryConfig.h"
#include "app/LocalStr.h"
#include "keyboard/KeyboardState.h"
#include "language/Locale.h"

namespace orv {

namespace {
CfgDictionarySettings g_dicSettings;
}  // namespace

ProgramWords::ProgramWords(const Str16& moduleFolder, SynchObject& applicationLock)
    : myFolder(moduleFolder), myApplicationLock(applicationLock), myDictionaries(moduleFolder, applicationLock) {
  myDictionaries.bindSettings(&g_dicSettings);
  myDictionaries.bindStrings(this);
  myDictionaries.bindLayouts(this);
}

void ProgramWords::loadImpossibilities() { myImpossibilities.loadImpossibilities(myFolder); }

void ProgramWords::loadDictionaries() {
  SynchObject::Guard g(myApplicationLock);
  myDictionaries.syncWithConfiguration();
}

void ProgramWords::layoutsChanged(KeyboardState& state) {
  std::vector<Layout> layouts;
  for (Hkl h : state.layoutOrder()) {
    const KeybBuffer* b = state.buffer(h);
    Layout l;
    const char* language = localeRecord(static_cast<uint32_t>(h) & 0xFFFF).language;
    l.language = str8(language ? language : "");
    l.codePage = static_cast<int32_t>(b->map.codePage);
    for (int32_t i = 0; i < b->map.fromWide.size(); ++i) l.chars.insert(static_cast<char16_t>(b->map.fromWide.keyAt(i)));
    layouts.push_back(std::move(l));
  }
  {
    SynchObject::Guard g(myLayoutsLock);
    myLayouts = std::move(layouts);
  }
  loadDictionaries();
}

int32_t ProgramWords::layoutCount() {
  SynchObject::Guard g(myLayoutsLock);
  return static_cast<int32_t>(myLayouts.size());
}

Str8 ProgramWords::layoutLanguage(int32_t i) {
  SynchObject::Guard g(myLayoutsLock);
  return i >= 0 && i < int32_t(myLayouts.size()) ? myLayouts[i].language : Str8();
}

int32_t ProgramWords::layoutCodePage(int32_t i) {
  SynchObject::Guard g(myLayoutsLock);
  return i >= 0 && i < int32_t(myLayouts.size()) ? myLayouts[i].codePage : 0;
}

bool ProgramWords::layoutCanType(int32_t i, const Str16& word) {
  SynchObject::Guard g(myLayoutsLock);
  if (i < 0 || i >= int32_t(myLayouts.size())) return false;
  for (char16_t c : word)
    if (!myLayouts[i].chars.count(c)) return false;
  return true;
}

Str16 ProgramWords::text(const char* key) { return str16(lstr(key)); }

}  // namespace orv
