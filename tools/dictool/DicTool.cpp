#include "tools/dictool/DicTool.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/KeyOrder.h"
#include "core/Trace.h"
#include "language/Dictionary.h"
#include "language/Locale.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace orv {

namespace {

const char kUsage[] =
    "usage: dictool build [--charset NAME] [--title TEXT] [--equality FILE] WORDLIST DIR\n"
    "       dictool check DIR WORD...   (or - to read words from standard input)\n"
    "       dictool complete [--max N] DIR PREFIX\n"
    "       dictool suggest DIR WORD\n"
    "       dictool dump DIR\n"
    "       dictool stats DIR\n";

struct Io {
  FILE* in;
  FILE* out;
  FILE* err;
};

int usage(const Io& io, const std::string& problem) {
  std::fprintf(io.err, "dictool: %s\n%s", problem.c_str(), kUsage);
  return 2;
}

// Only the index's own complaints (a damaged file) are worth showing.
void traceToStderr(const std::string& line, void* context) {
  if (line.rfind("DubIndex: ", 0) == 0) std::fputs(line.c_str(), static_cast<FILE*>(context));
}

Str16 pathArg(const char* utf8) { return utf8ToUtf16(utf8); }

// UTF-8 text to the code page; false when the page cannot hold it exactly.
bool encode(std::string_view utf8, int32_t codePage, Str8& out) {
  Str16 wide = utf8ToUtf16(utf8);
  out = toNarrow(wide, static_cast<unsigned>(codePage));
  return toWide(out, static_cast<unsigned>(codePage)) == wide;
}

std::string decode(const char* bytes, int32_t len, int32_t codePage) {
  Str16 w;
  multiByteToWide(static_cast<unsigned>(codePage), bytes, len, w);
  return utf16ToUtf8(w);
}
std::string decode(const Str8& s, int32_t codePage) { return decode(s.data(), s.size(), codePage); }

bool readLine(FILE* f, std::string& line) {
  line.clear();
  int c;
  while ((c = std::fgetc(f)) != EOF) {
    if (c == '\n') return true;
    line += static_cast<char>(c);
  }
  return !line.empty();
}

std::string trimmed(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  std::string t = s.substr(b, e - b);
  if (t.rfind("\xEF\xBB\xBF", 0) == 0) t.erase(0, 3);  // a byte-order mark on the first line
  return t;
}

// An existing dictionary folder, opened without creating anything.
Dictionary* openExisting(const Io& io, const char* dir) {
  Str16 folder = pathArg(dir);
  if (!isFolder(folder)) {
    std::fprintf(io.err, "dictool: %s is not a dictionary folder\n", dir);
    return nullptr;
  }
  return new Dictionary(folder, 0);
}

bool writeTitle(const Str16& folder, const std::string& utf8) {
  std::string bytes = "\xFF\xFE";
  Str16 t = utf8ToUtf16(utf8);
  for (int32_t i = 0; i < t.size() && i < 999; ++i) {
    bytes += static_cast<char>(t[i] & 0xFF);
    bytes += static_cast<char>(t[i] >> 8);
  }
  return writeFileAtomically(joinPath(folder, u"title"), bytes.data(), bytes.size());
}

// The equality file from UTF-8 lines "X Y" (one letter each): 0 written,
// 1 the file could not be written, 2 the source could not be read.
int writeEquality(const Io& io, const Str16& folder, const char* source, int32_t codePage) {
  FILE* f = openFile(pathArg(source), "rb");
  if (!f) {
    std::fprintf(io.err, "dictool: cannot read %s\n", source);
    return 2;
  }
  std::string line, bytes;
  while (readLine(f, line)) {
    std::string t = trimmed(line);
    size_t sp = t.find_first_of(" \t");
    if (t.empty() || sp == std::string::npos) continue;
    Str8 a, b;
    std::string second = trimmed(t.substr(sp + 1));
    if (!encode(t.substr(0, sp), codePage, a) || !encode(second, codePage, b) || a.size() != 1 || b.size() != 1) {
      std::fprintf(io.err, "dictool: equality line \"%s\" is not two letters of the code page; ignored\n", t.c_str());
      continue;
    }
    bytes += a[0];
    bytes += ' ';
    bytes += b[0];
    bytes += '\n';
  }
  std::fclose(f);
  if (writeFileAtomically(joinPath(folder, u"equality"), bytes.data(), bytes.size())) return 0;
  std::fprintf(io.err, "dictool: cannot write the files in %s\n", utf16ToUtf8(folder).c_str());
  return 1;
}

int cmdBuild(const Io& io, int argc, const char* const* argv) {
  std::string charset = "windows-1252";
  const char* title = nullptr;
  const char* equality = nullptr;
  std::vector<const char*> pos;
  for (int i = 0; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--charset" && i + 1 < argc) {
      charset = argv[++i];
    } else if (a == "--title" && i + 1 < argc) {
      title = argv[++i];
    } else if (a == "--equality" && i + 1 < argc) {
      equality = argv[++i];
    } else if (a.rfind("--", 0) == 0) {
      return usage(io, "unknown option " + a);
    } else {
      pos.push_back(argv[i]);
    }
  }
  if (pos.size() != 2) return usage(io, "build takes a word list and a folder");
  int32_t codePage = charsetToCodePage(charset.c_str());
  if (codePage == 0 || !isCodePageValid(static_cast<unsigned>(codePage)))
    return usage(io, "unknown charset " + charset);
  FILE* list = std::strcmp(pos[0], "-") == 0 ? io.in : openFile(pathArg(pos[0]), "rb");
  if (!list) {
    std::fprintf(io.err, "dictool: cannot read %s\n", pos[0]);
    return 2;
  }
  Str16 folder = pathArg(pos[1]);
  if (!isFolder(folder) && !createFolder(folder)) {
    if (list != io.in) std::fclose(list);
    std::fprintf(io.err, "dictool: cannot create the folder %s\n", pos[1]);
    return 1;
  }
  Str8 cs = codePageToCharset(codePage);
  bool ok = writeFileAtomically(joinPath(folder, u"charset"), cs.data(), static_cast<size_t>(cs.size()));
  if (equality) {
    if (int rc = writeEquality(io, folder, equality, codePage)) {
      if (list != io.in) std::fclose(list);
      return rc;
    }
  }
  if (title) ok = writeTitle(folder, title) && ok;

  Dictionary dic(folder, codePage);
  // Words are inserted in the order of the form they are stored under, so
  // each insertion lands at the end of its index and moves nothing.
  struct Entry {
    Str8 key, word;
  };
  std::vector<Entry> words;
  long read = 0, unencodable = 0, tooLong = 0;
  std::string line;
  while (readLine(list, line)) {
    std::string w = trimmed(line);
    if (w.empty()) continue;
    ++read;
    Entry e;
    if (!encode(w, codePage, e.word) || std::memchr(e.word.data(), 0, static_cast<size_t>(e.word.size()))) {
      ++unencodable;
      continue;
    }
    if (e.word.size() > DubIndex::kMaxWordLen) {
      ++tooLong;
      continue;
    }
    e.key = dic.storedForm(e.word);
    words.push_back(std::move(e));
  }
  if (list != io.in) std::fclose(list);
  std::stable_sort(words.begin(), words.end(),
                   [](const Entry& a, const Entry& b) { return compareKeys(a.key, b.key) < 0; });
  for (const Entry& e : words) dic.addWord(e.word);
  ok = dic.save() && ok;

  long plain = 0, cased = 0;
  auto count = [](const char*, int32_t, void* n) { ++*static_cast<long*>(n); };
  dic.plainIndex().forEachWord(count, &plain);
  dic.casedIndex().forEachWord(count, &cased);
  std::fprintf(io.out, "read %ld words: %ld plain, %ld cased; skipped %ld the code page cannot hold, %ld of 100 bytes or more\n",
               read, plain, cased, unencodable, tooLong);
  if (!ok) {
    std::fprintf(io.err, "dictool: cannot write the files in %s\n", pos[1]);
    return 1;
  }
  return 0;
}

void checkOne(const Io& io, Dictionary& dic, const std::string& word) {
  Str8 w;
  int check = 0, is = 0;
  if (encode(word, dic.getCodePage(), w)) {
    check = dic.checkWord(w);
    is = dic.isWord(w) ? 1 : 0;
  }
  std::fprintf(io.out, "%s\t%d\t%d\n", word.c_str(), check, is);
}

int cmdCheck(const Io& io, int argc, const char* const* argv) {
  if (argc < 2) return usage(io, "check takes a folder and words");
  Dictionary* dic = openExisting(io, argv[0]);
  if (!dic) return 2;
  if (argc == 2 && std::strcmp(argv[1], "-") == 0) {
    std::string line;
    while (readLine(io.in, line)) {
      std::string w = trimmed(line);
      if (!w.empty()) checkOne(io, *dic, w);
    }
  } else {
    for (int i = 1; i < argc; ++i) checkOne(io, *dic, argv[i]);
  }
  delete dic;
  return 0;
}

int printSet(const Io& io, Dictionary& dic, const SetT<Str8>& words) {
  for (int32_t i = 0; i < words.size(); ++i) std::fprintf(io.out, "%s\n", decode(words.at(i), dic.getCodePage()).c_str());
  return 0;
}

int cmdComplete(const Io& io, int argc, const char* const* argv) {
  int32_t max = 20;
  if (argc >= 2 && std::strcmp(argv[0], "--max") == 0) {
    char* end = nullptr;
    long v = std::strtol(argv[1], &end, 10);
    if (!end || *end || v <= 0 || v > 100000) return usage(io, "--max takes a positive number");
    max = static_cast<int32_t>(v);
    argc -= 2;
    argv += 2;
  }
  if (argc != 2) return usage(io, "complete takes a folder and a prefix");
  Dictionary* dic = openExisting(io, argv[0]);
  if (!dic) return 2;
  Str8 prefix;
  if (encode(argv[1], dic->getCodePage(), prefix)) printSet(io, *dic, dic->getCompletions(prefix, max));
  delete dic;
  return 0;
}

int cmdSuggest(const Io& io, int argc, const char* const* argv) {
  if (argc != 2) return usage(io, "suggest takes a folder and a word");
  Dictionary* dic = openExisting(io, argv[0]);
  if (!dic) return 2;
  Str8 word;
  if (encode(argv[1], dic->getCodePage(), word)) printSet(io, *dic, dic->getSuggestions(word));
  delete dic;
  return 0;
}

struct DumpCtx {
  FILE* out;
  int32_t codePage;
};

int cmdDump(const Io& io, int argc, const char* const* argv) {
  if (argc != 1) return usage(io, "dump takes a folder");
  Dictionary* dic = openExisting(io, argv[0]);
  if (!dic) return 2;
  DumpCtx ctx{io.out, dic->getCodePage()};
  auto print = [](const char* w, int32_t len, void* c) {
    DumpCtx* x = static_cast<DumpCtx*>(c);
    std::string s = decode(w, len, x->codePage);
    std::fwrite(s.data(), 1, s.size(), x->out);
    std::fputc('\n', x->out);
  };
  dic->casedIndex().forEachWord(print, &ctx);
  dic->plainIndex().forEachWord(print, &ctx);
  delete dic;
  return 0;
}

int cmdStats(const Io& io, int argc, const char* const* argv) {
  if (argc != 1) return usage(io, "stats takes a folder");
  Dictionary* dic = openExisting(io, argv[0]);
  if (!dic) return 2;
  auto count = [](const char*, int32_t, void* n) { ++*static_cast<long*>(n); };
  long plain = 0, cased = 0;
  dic->plainIndex().forEachWord(count, &plain);
  dic->casedIndex().forEachWord(count, &cased);
  SetT<char> letters = dic->getCharList();
  Str8 chars(letters.items().data(), letters.size());
  std::fprintf(io.out, "charset: %s\n", codePageToCharset(dic->getCodePage()).data());
  std::fprintf(io.out, "title: %s\n", utf16ToUtf8(dic->getTitle()).c_str());
  std::fprintf(io.out, "words: %ld (plain %ld, cased %ld)\n", plain + cased, plain, cased);
  std::fprintf(io.out, "nodes: %d (plain %d, cased %d)\n", dic->plainIndex().nodeCount() + dic->casedIndex().nodeCount(),
               dic->plainIndex().nodeCount(), dic->casedIndex().nodeCount());
  std::fprintf(io.out, "bytes: %d (plain %d, cased %d)\n", dic->plainIndex().byteSize() + dic->casedIndex().byteSize(),
               dic->plainIndex().byteSize(), dic->casedIndex().byteSize());
  std::fprintf(io.out, "charList: %d letters: %s\n", letters.size(), decode(chars, dic->getCodePage()).c_str());
  delete dic;
  return 0;
}

}  // namespace

int runDicTool(int argc, const char* const* argv, FILE* in, FILE* out, FILE* err) {
  Io io{in, out, err};
  if (argc < 1) return usage(io, "no command");
  TraceSink previous = setTraceSink(&traceToStderr, err);
  std::string cmd = argv[0];
  int rc;
  if (cmd == "build")
    rc = cmdBuild(io, argc - 1, argv + 1);
  else if (cmd == "check")
    rc = cmdCheck(io, argc - 1, argv + 1);
  else if (cmd == "complete")
    rc = cmdComplete(io, argc - 1, argv + 1);
  else if (cmd == "suggest")
    rc = cmdSuggest(io, argc - 1, argv + 1);
  else if (cmd == "dump")
    rc = cmdDump(io, argc - 1, argv + 1);
  else if (cmd == "stats")
    rc = cmdStats(io, argc - 1, argv + 1);
  else
    rc = usage(io, "unknown command " + cmd);
  std::fflush(out);
  setTraceSink(previous);
  return rc;
}

}  // namespace orv
