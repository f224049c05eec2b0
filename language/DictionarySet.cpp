#include "language/DictionarySet.h"

#include "core/MapT.h"
#include "language/Dictionary.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"

namespace orv {

namespace {

char16_t asciiLower16(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

bool sameNameIgnoringAsciiCase(const Str16& a, const Str16& b) {
  if (a.size() != b.size()) return false;
  for (int32_t i = 0; i < a.size(); ++i)
    if (asciiLower16(a[i]) != asciiLower16(b[i])) return false;
  return true;
}

int32_t indexIgnoringCase(const ArrT<Str16>& list, const Str16& name) {
  for (int32_t i = 0; i < list.size(); ++i)
    if (sameNameIgnoringAsciiCase(list[i], name)) return i;
  return -1;
}

void removeAllIgnoringCase(ArrT<Str16>& list, const Str16& name) {
  for (int32_t i = list.size() - 1; i >= 0; --i)
    if (sameNameIgnoringAsciiCase(list[i], name)) list.remove(i);
}

ArrT<Str16> splitWords(const Str16& text) {
  ArrT<Str16> out;
  Str16 cur;
  for (int32_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == u' ') {
      if (cur.size()) out.append(cur);
      cur.clear();
    } else {
      cur.append(text[i]);
    }
  }
  return out;
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x3000 || c == 0xA0; }

Str16 concat(const Str16& a, std::u16string_view b, const Str16& c) {
  Str16 out(a);
  appendText(out, b);
  out.append(c);
  return out;
}

}  // namespace

DictionarySet::DictionarySet(const Str16& programFolder, SynchObject& applicationLock)
    : myDicFolder(joinPath(programFolder, u"dic")), myLock(applicationLock) {}

DictionarySet::~DictionarySet() {
  for (int32_t i = 0; i < myDics.size(); ++i) delete myDics[i];
}

bool DictionarySet::isKnown(const Str8& word, int32_t codePage) {
  SynchObject::Guard g(myLock);
  for (int32_t i = 0; i < myDics.size(); ++i)
    if (myDics[i]->getCodePage() == codePage && myDics[i]->isWord(word)) return true;
  return false;
}

int DictionarySet::checkInSet(const Str8& word, int32_t codePage) { return check(word, codePage, nullptr); }

int DictionarySet::checkInLanguage(const Str8& word, int32_t codePage, const Str8& language) {
  return language.size() ? check(word, codePage, &language) : 0;
}

int DictionarySet::check(const Str8& word, int32_t codePage, const Str8* language) {
  SynchObject::Guard g(myLock);
  int best = 0;
  for (int32_t i = 0; i < myDics.size(); ++i) {
    if (myDics[i]->getCodePage() != codePage) continue;
    if (language && myDics[i]->getLanguage() != *language) continue;
    int r = myDics[i]->checkWord(word);
    if (r == 1) return 1;
    if (r == 2) best = 2;
  }
  return best;
}

int32_t DictionarySet::indexOfName(const Str16& name) const {
  for (int32_t i = 0; i < myDics.size(); ++i)
    if (myDics[i]->getName() == name) return i;
  return -1;
}

IDictionary* DictionarySet::findByName(const Str16& name) const {
  int32_t i = indexOfName(name);
  return i < 0 ? nullptr : myDics[i];
}

void DictionarySet::removeByName(const Str16& name) {
  for (int32_t i = myDics.size() - 1; i >= 0; --i) {
    if (sameNameIgnoringAsciiCase(myDics[i]->getName(), name)) {
      delete myDics[i];
      myDics.remove(i);
    }
  }
}

IDictionary* DictionarySet::append(const Str16& path, int32_t codePage) {
  return insertAt(myDics.size(), path, codePage);
}

IDictionary* DictionarySet::insertAt(int32_t position, const Str16& path, int32_t codePage) {
  IDictionary* d = new Dictionary(path, codePage);
  myDics.insertAt(position, d);
  return d;
}

IDictionary* DictionarySet::firstOfLanguage(const Str8& language) const {
  for (int32_t i = 0; i < myDics.size(); ++i)
    if (myDics[i]->getLanguage() == language) return myDics[i];
  return nullptr;
}

void DictionarySet::syncWithConfiguration() {
  ArrT<Str16> folders;
  ArrT<FolderEntry> entries;
  if (listFolder(myDicFolder, entries))
    for (int32_t i = 0; i < entries.size(); ++i)
      if (entries[i].isFolder) folders.append(entries[i].name);
  ArrT<Str16> order = mySettings ? splitWords(mySettings->dicOrder()) : ArrT<Str16>();
  ArrT<Str16> skip = mySettings ? splitWords(mySettings->dicSkip()) : ArrT<Str16>();

  for (int32_t i = 0; i < order.size(); ++i) {
    int32_t f = indexIgnoringCase(folders, order[i]);
    if (f >= 0) folders[f] = order[i];
  }
  for (int32_t i = 0; i < skip.size(); ++i) {
    removeAllIgnoringCase(order, skip[i]);
    removeAllIgnoringCase(folders, skip[i]);
  }
  for (int32_t i = order.size() - 1; i >= 0; --i)
    if (indexIgnoringCase(folders, order[i]) < 0) order.remove(i);
  for (int32_t i = 0; i < order.size(); ++i) removeAllIgnoringCase(folders, order[i]);
  for (int32_t i = 0; i < folders.size(); ++i) order.append(folders[i]);

  for (int32_t i = myDics.size() - 1; i >= 0; --i) {
    if (i >= myDics.size()) continue;  // a removal took several dictionaries
    if (indexIgnoringCase(order, myDics[i]->getName()) < 0) removeByName(myDics[i]->getName());
  }

  for (int32_t i = 0; i < order.size(); ++i) {
    int32_t at = indexOfName(order[i]);
    if (at < 0) {
      insertAt(i < myDics.size() ? i : myDics.size(), joinPath(myDicFolder, view(order[i])), 0);
    } else if (at > i) {  // (below i only when "order" names a folder twice)
      IDictionary* d = myDics[at];
      myDics.remove(at);
      myDics.insertAt(i < myDics.size() ? i : myDics.size(), d);
    }
  }
}

Str16 DictionarySet::addUserWord(const Str16& text) {
  IInterfaceStrings& strings = myStrings ? *myStrings : myEnglish;
  int32_t b = 0, e = text.size();
  while (b < e && isBlank(text[b])) ++b;
  while (e > b && isBlank(text[e - 1])) --e;
  if (b == e) return Str16();
  Str16 word(text.data() + b, e - b);
  for (int32_t i = 0; i < word.size(); ++i) {
    char16_t c = word[i];
    bool asciiLetter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (c < 0x80 && !asciiLetter) return strings.text("dics_pan_add_word_bad_ch");
  }

  SynchObject::Guard g(myLock);
  MapT<Str8, int32_t> languages;  // language code -> code page, first layout wins
  int32_t layouts = myLayouts ? myLayouts->layoutCount() : 0;
  for (int32_t i = 0; i < layouts; ++i) {
    if (!myLayouts->layoutCanType(i, word)) continue;
    Str8 lang = myLayouts->layoutLanguage(i);
    if (!languages.contains(lang)) languages.put(lang, myLayouts->layoutCodePage(i));
  }
  if (languages.empty()) return strings.text("dics_pan_add_word_bad_cp");
  const Str8& language = languages.keyAt(0);
  int32_t codePage = languages.valAt(0);
  Str8 narrow = toNarrow(word, static_cast<unsigned>(codePage));
  if (isKnown(narrow, codePage)) return concat(strings.text("dics_pan_add_word_exists"), u"\r\n", word);
  if (IDictionary* d = firstOfLanguage(language)) {
    d->addWord(narrow);
    d->save();
  }
  return concat(strings.text("dics_pan_add_word_success"), u"\r\n", word);
}

void DictionarySet::exportWordList(const Str16& name) {
  IInterfaceStrings& strings = myStrings ? *myStrings : myEnglish;
  // The lock covers the writing only: the receiver needs it for every
  // analysis, and a box may stay open for as long as the user likes.
  enum { NotFound, Failed, Written } outcome = NotFound;
  Str16 path = joinPath(joinPath(myDicFolder, view(name)), u"list.txt");
  {
    SynchObject::Guard g(myLock);
    if (IDictionary* d = findByName(name)) {
      AtomicFile out(path);
      bool ok = out.stream() != nullptr;
      if (ok) {
        d->writeWordList(out.stream(), "\r\n");
        ok = out.commit();
      }
      outcome = ok ? Written : Failed;
    }
  }
  switch (outcome) {
    case NotFound:
      messageBox(strings.text("dics_pan_gwl_dic_not_found"), Str16(), kMbOk | kMbIconExclamation);
      return;
    case Failed: {
      Str16 text = str16(u"Can't write file \n");
      text.append(path);
      messageBox(text, Str16(), kMbOk | kMbIconError);
      return;
    }
    case Written:
      messageBox(concat(strings.text("dics_pan_gen_words_done"), u"\r\n", path), Str16(), kMbOk | kMbIconInformation);
      return;
  }
}

void DictionarySet::askAddWord(const AskAddWordRequest& request) {
  IInterfaceStrings& strings = myStrings ? *myStrings : myEnglish;
  Str16 pattern = strings.text("mb_ask_add_word_to_dic"), question;
  for (int32_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'@')
      question.append(request.typed);
    else
      question.append(pattern[i]);
  }
  int answer = messageBox(question, strings.text("mb_ask_add_word_to_dic_title"),
                          kMbOkCancel | kMbIconQuestion | kMbSetForeground);
  if (answer != kIdOk) return;
  SynchObject::Guard g(myLock);
  IDictionary* target = nullptr;
  if (request.language.size() == 0) {
    if (request.position >= 0 && request.position < myDics.size()) target = myDics[request.position];
  } else {
    target = firstOfLanguage(request.language);
  }
  if (!target) return;
  target->addWord(request.word);
  target->save();
}

}  // namespace orv
