#include "language/LastWords.h"

#include "language/Locale.h"
#include "platform/FileSystem.h"

namespace orv {

int32_t LastWords::codePageOfCulture(const Str16& culture) {
  std::string name = utf16ToUtf8(culture);
  const MyNLS* table = localeTable();
  for (int32_t i = 0; i < localeTableSize(); ++i)
    if (table[i].culture && name == table[i].culture) return static_cast<int32_t>(table[i].ansiCodePage);
  return 0;
}

void LastWords::load(const Str16& programFolder) {
  SynchObject::Guard guard(myLock);
  myDics.clear();
  myFolder = joinPath(programFolder, u"lastwords");
  if (!isFolder(myFolder)) createFolder(myFolder);
  ArrT<FolderEntry> entries;
  if (!listFolder(myFolder, entries)) return;
  for (int32_t i = 0; i < entries.size(); ++i) {
    if (!entries[i].isFolder) continue;
    const Str16& name = entries[i].name;
    myDics.push_back(std::make_unique<Dictionary>(joinPath(myFolder, view(name)), codePageOfCulture(name)));
  }
}

bool LastWords::remember(uint32_t languageId, const Str8& word) {
  if (word.size() == 0) return false;
  MyNLS record = localeRecord(languageId & 0xFFFF);
  if (!record.culture || !*record.culture) return false;
  Str16 name = utf8ToUtf16(record.culture);
  Dictionary* target = nullptr;
  bool created = false;
  {
    SynchObject::Guard guard(myLock);
    for (auto& d : myDics)
      if (d->getName() == name) target = d.get();
    if (!target) {
      if (myFolder.size() == 0) return false;  // never loaded: nowhere to keep it
      myDics.push_back(std::make_unique<Dictionary>(joinPath(myFolder, view(name)),
                                                    static_cast<int32_t>(record.ansiCodePage)));
      target = myDics.back().get();
      created = true;
    }
    target->addWord(word);
  }
  if (mySaver && (!created || mySaver->onWindowThread())) {
    mySaver->postSave(target);
  } else {
    SynchObject::Guard saving(mySaveLock);
    save(target);
  }
  return true;
}

bool LastWords::save(Dictionary* dictionary) {
  SynchObject::Guard guard(myLock);
  for (auto& d : myDics)
    if (d.get() == dictionary) return d->save();
  return false;
}

std::vector<LastWords::Completion> LastWords::completions(const Str8& word, int32_t codePage, int32_t max) {
  std::vector<Completion> out;
  SynchObject::Guard guard(myLock);
  for (size_t i = myDics.size(); i-- > 0;) {
    Dictionary& d = *myDics[i];
    if (d.getCodePage() != codePage) continue;
    SetT<Str8> found = d.getCompletions(word, max);
    for (int32_t k = 0; k < found.size(); ++k) out.push_back({found.at(k), d.getLanguage()});
  }
  return out;
}

int32_t LastWords::size() {
  SynchObject::Guard guard(myLock);
  return static_cast<int32_t>(myDics.size());
}

std::vector<Str16> LastWords::names() {
  SynchObject::Guard guard(myLock);
  std::vector<Str16> out;
  for (auto& d : myDics) out.push_back(d->getName());
  return out;
}

}  // namespace orv
