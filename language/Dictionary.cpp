#include "language/Dictionary.h"

#include <cstring>

#include "language/Locale.h"
#include "language/Suggest.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace orv {

namespace {

constexpr int32_t kWordBuf = DubIndex::kMaxWordLen + 1;

Str16 fileIn(const Str16& folder, std::u16string_view name) { return joinPath(folder, name); }

}  // namespace

Str16 Dictionary::lastComponent(const Str16& path) {
  int32_t end = path.size();
  while (end > 0 && (path[end - 1] == u'\\' || path[end - 1] == u'/')) --end;
  int32_t begin = end;
  while (begin > 0 && path[begin - 1] != u'\\' && path[begin - 1] != u'/') --begin;
  return Str16(path.data() + begin, end - begin);
}

Str8 Dictionary::languageOf(const Str16& name) {
  Str8 lang = toNarrow(name, kCpAnsi);
  for (int32_t i = lang.size() - 1; i >= 1; --i) {
    if (lang[i] == '-' || lang[i] == '_') {
      lang.isetSize(i);
      break;
    }
  }
  asciiLowerInPlace(lang);
  return lang;
}

Dictionary::Dictionary(const Str16& folder, int32_t codePage) : myFolder(folder), myCodePage(codePage) {
  Str16 name = getName();
  myLanguage = languageOf(name);
  if (!isFolder(myFolder)) createFolder(myFolder);
  Str16 plainFile = name, casedFile = name;
  appendText(plainFile, u".ldic");
  appendText(casedFile, u".udic");
  myPlain = new DubIndex(fileIn(myFolder, view(plainFile)), kPlainNodeWidth);
  myCased = new DubIndex(fileIn(myFolder, view(casedFile)), kCasedNodeWidth);
  readCharsetAndEquality();
  setCodePage(myCodePage);
}

Dictionary::~Dictionary() {
  delete myPlain;
  delete myCased;
}

void Dictionary::setCodePage(int32_t codePage) {
  myCodePage = codePage;
  myCase = &codePageCase(static_cast<unsigned>(codePage));
  myPlain->setCodePage(static_cast<unsigned>(codePage));
  myCased->setCodePage(static_cast<unsigned>(codePage));
}

void Dictionary::readCharsetAndEquality() {
  // Without a charset file the given code page holds and the equality file
  // still applies; only a charset name we do not know makes its letters
  // meaningless, and then the equality file is skipped too.
  if (FILE* f = openFile(fileIn(myFolder, u"charset"), "rb")) {
    char name[101] = {};
    size_t n = std::fread(name, 1, 100, f);
    std::fclose(f);
    int32_t cp = charsetToCodePage(Str8(name, static_cast<int32_t>(std::strlen(name) < n ? std::strlen(name) : n)));
    if (cp == 0) return;
    myCodePage = cp;
  }

  FILE* f = openFile(fileIn(myFolder, u"equality"), "rb");
  if (!f) return;
  char line[100];
  while (std::fgets(line, sizeof line, f)) {
    char a[2] = {}, b[2] = {};
    if (std::sscanf(line, "%1s%1s", a, b) == 2 && a[0] && b[0])
      myEquality[static_cast<unsigned char>(a[0])] = static_cast<unsigned char>(b[0]);
  }
  std::fclose(f);
}

Str16 Dictionary::getName() const { return lastComponent(myFolder); }

Str16 readDictionaryTitle(const Str16& folder) {
  Str16 title;
  if (FILE* f = openFile(fileIn(folder, u"title"), "rb")) {
    unsigned char raw[2000];
    size_t n = std::fread(raw, 1, sizeof raw, f) / 2;
    std::fclose(f);
    for (size_t i = (n > 1 ? 1 : 0); i < n; ++i) {
      char16_t u = static_cast<char16_t>(raw[2 * i] | (raw[2 * i + 1] << 8));
      if (u == 0) break;
      title.append(u);
    }
  }
  if (title.size() == 1 && title[0] == 0xFEFF) title.clear();
  return title;
}

Str16 Dictionary::getTitle() {
  if (myTitle.size() > 0) return myTitle;
  Str16 title = readDictionaryTitle(myFolder);
  // A missing, empty or mark-only title file shows the folder's name.
  if (title.size() == 0) title = getName();
  myTitle = title;
  return myTitle;
}

Str8 Dictionary::normalise(const char* word, int32_t len) const {
  Str8 out(word, len);
  for (int32_t i = 0; i < len; ++i) {
    unsigned char r = myEquality[static_cast<unsigned char>(out[i])];
    if (r) out[i] = static_cast<char>(r);
  }
  return out;
}

Str8 Dictionary::storedForm(const Str8& word) const {
  Str8 norm = normalise(word.data(), word.size());
  return lowerForm(*myCase, norm.data(), norm.size());
}

void Dictionary::addWord(const Str8& word) {
  Str8 norm = normalise(word.data(), word.size());
  Str8 lower = lowerForm(*myCase, norm.data(), norm.size());
  bool allLower;
  if (myCase->singleByte) {
    allLower = true;
    for (int32_t i = 0; i < norm.size() && allLower; ++i)
      allLower = !myCase->changedByLower[static_cast<unsigned char>(norm[i])];
  } else {
    Str16 w = toWide(norm, static_cast<unsigned>(myCodePage)), l(w);
    charLowerBuffW(l.data(), l.size());
    allLower = w == l;
  }
  if (allLower) {
    myPlain->addWord(norm);
    return;
  }
  myCased->addWord(lower);
  // Written even for a word already stored: new capitals replace the old.
  if (myCased->hasWord(lower)) myCased->setCaseMask(lower, capitalMask(*myCase, norm.data(), norm.size()));
}

bool Dictionary::save() {
  bool ok = myPlain->saveToFile(myPlain->path()) == 1;
  ok = (myCased->saveToFile(myCased->path()) == 1) && ok;
  Str8 charset = codePageToCharset(myCodePage);
  ok = writeFileAtomically(fileIn(myFolder, u"charset"), charset.data(), static_cast<size_t>(charset.size())) && ok;
  return ok;
}

void Dictionary::writeWordList(FILE* stream, const char* lineEnd) {
  myCased->writeWordList(stream, lineEnd);
  myPlain->writeWordList(stream, lineEnd);
}

// isWord and checkWord run for every word the user types. For single-byte
// code pages they work in stack buffers; a word of 100 bytes or more cannot
// be stored, so it is unknown at once.
struct Dictionary::Prepared {
  char normBuf[kWordBuf], lowerBuf[kWordBuf];
  Str8 normStr, lowerStr;
  const char* norm = nullptr;
  const char* lower = nullptr;
  int32_t len = 0, lowerLen = 0;
};

bool Dictionary::prepare(const Str8& word, Prepared& p) const {
  const int32_t len = word.size();
  if (len == 0) return false;
  p.len = len;
  if (myCase->singleByte) {
    if (len > DubIndex::kMaxWordLen) return false;
    for (int32_t i = 0; i < len; ++i) {
      unsigned char b = static_cast<unsigned char>(word[i]);
      unsigned char r = myEquality[b] ? myEquality[b] : b;
      p.normBuf[i] = static_cast<char>(r);
      p.lowerBuf[i] = static_cast<char>(myCase->lower[r]);
    }
    p.norm = p.normBuf;
    p.lower = p.lowerBuf;
    p.lowerLen = len;
  } else {
    p.normStr = normalise(word.data(), len);
    p.lowerStr = lowerForm(*myCase, p.normStr.data(), p.normStr.size());
    p.norm = p.normStr.data();
    p.lower = p.lowerStr.data();
    p.lowerLen = p.lowerStr.size();
  }
  return true;
}

// The cased index's answer for a prepared word: the node when it holds the
// lower-case form with exactly the typed capitals (a node that ends no word
// has mask 0, so the typed word must then be all lower case), else kNone.
int32_t Dictionary::casedMatch(const Prepared& p) const {
  if (myCased->empty() || p.lowerLen != p.len) return DubIndex::kNone;
  int32_t n = myCased->findT(p.lower, p.lowerLen);
  if (n == DubIndex::kNone) return n;
  bool match = myCased->nodeIsEnd(n) ? myCased->caseMatches(n, p.lower, p.norm, p.len)
                                     : std::memcmp(p.lower, p.norm, static_cast<size_t>(p.len)) == 0;
  return match ? n : DubIndex::kNone;
}

bool Dictionary::isWord(const Str8& word) {
  Prepared p;
  if (!prepare(word, p)) return false;
  if (!myPlain->empty()) {
    int32_t n = myPlain->findT(p.lower, p.lowerLen);
    if (n != DubIndex::kNone && myPlain->nodeIsEnd(n)) return true;
  }
  int32_t n = casedMatch(p);
  return n != DubIndex::kNone && myCased->nodeIsEnd(n);
}

int Dictionary::checkWord(const Str8& word) {
  Prepared p;
  if (!prepare(word, p)) return 0;
  if (!myPlain->empty()) {
    int32_t n = myPlain->findT(p.lower, p.lowerLen);
    if (n != DubIndex::kNone) return myPlain->nodeIsEnd(n) ? 1 : 2;
  }
  int32_t n = casedMatch(p);
  if (n == DubIndex::kNone) return 0;
  return myCased->nodeIsEnd(n) ? 1 : 2;
}

SetT<Str8> Dictionary::getSuggestions(const Str8& word) {
  SetT<Str8> result;
  Str8 norm = normalise(word.data(), word.size());
  Str8 lower = lowerForm(*myCase, norm.data(), norm.size());
  char buf[kSuggestBufferBytes];
  for (int pass = 0; pass < 2; ++pass) {
    const DubIndex& index = pass == 0 ? *myPlain : *myCased;
    int32_t used = suggest(index, lower.data(), lower.size(), buf, sizeof buf);
    for (int32_t at = 0; at < used;) {
      int32_t l = static_cast<int32_t>(std::strlen(buf + at));
      if (l == 0) break;
      result.add(pass == 0 ? Str8(buf + at, l) : index.restoreCase(buf + at, l));
      at += l + 1;
    }
  }
  return result;
}

SetT<char> Dictionary::getCharList() {
  SetT<char> all = myPlain->getCharList();
  const SetT<char>& cased = myCased->charList();
  for (int32_t i = 0; i < cased.size(); ++i) all.add(cased.at(i));
  return all;
}

SetT<Str8> Dictionary::getCompletions(const Str8& prefix, int32_t max) {
  Str8 norm = normalise(prefix.data(), prefix.size());
  Str8 lower = lowerForm(*myCase, norm.data(), norm.size());
  SetT<Str8> plain = myPlain->collectWords(lower, max);
  SetT<Str8> cased = myCased->collectWords(lower, max);
  SetT<Str8> result;
  for (int32_t i = 0; result.size() < max; ++i) {
    if (i >= plain.size() && i >= cased.size()) break;
    if (i < plain.size()) result.add(plain.at(i));
    if (result.size() >= max) break;
    if (i < cased.size()) result.add(myCased->restoreCase(cased.at(i)));
    if (result.size() >= max || i + 1 >= max) break;
  }
  return result;
}

}  // namespace orv
