// Linux shell of the profile port: an INI engine that reads and writes files
// the way the Windows profile functions do (Wine's profile code is the
// reference the Wine test tier checks it against):
//  - the file is decoded by its mark: EF BB BF UTF-8, FF FE UTF-16LE,
//    FE FF UTF-16BE, anything else the ANSI code page; it is written back in
//    the same encoding (a new file is ANSI) with CR LF line ends;
//  - lines split at runs of CR and LF and are trimmed of white space (TAB to
//    CR, ^Z and blank); "[name]" (up to the last "]") opens a section, any
//    other line is a key up to the first "=" and its value after it, or a key
//    without value; lines before the first section form an unnamed head;
//  - blank lines are not kept; comments (";...") are kept as keys without
//    value and never returned;
//  - look-ups compare names case-insensitively after trimming the name asked
//    for, and look only in the first section of that name.
// The file is read at every call and written whole after every change; one
// lock makes each call's read-change-write whole, as the system's does.

#include <string>
#include <vector>

#include "core/SynchObject.h"
#include "platform/FileSys.h"
#include "platform/Profile.h"
#include "platform/Text.h"

namespace orv {

namespace {

SynchObject g_profileLock;

enum class Encoding { Ansi, Utf8, Utf16Le, Utf16Be };

struct Entry {
  std::u16string name;
  bool hasValue = false;
  std::u16string value;
};

struct Section {
  std::u16string name;
  std::vector<Entry> entries;
};

struct Document {
  Encoding encoding = Encoding::Ansi;
  std::vector<Section> sections;  // sections[0]: the unnamed head
  bool changed = false;
};

bool isIniSpace(char16_t c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20; }

std::u16string_view trimmed(std::u16string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && isIniSpace(s[b])) ++b;
  while (e > b && isIniSpace(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::u16string_view leftTrimmed(std::u16string_view s) {
  size_t b = 0;
  while (b < s.size() && isIniSpace(s[b])) ++b;
  return s.substr(b);
}

// Text stored in the file never holds U+0000: a string ends there.
std::u16string cString(std::u16string_view s) {
  size_t z = s.find(u'\0');
  return std::u16string(z == std::u16string_view::npos ? s : s.substr(0, z));
}

bool sameNoCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && charLowerW(a[i]) != charLowerW(b[i])) return false;
  return true;
}

std::u16string decode(const Str8& bytes, Encoding& enc) {
  const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes.data());
  int32_t n = bytes.size();
  Str16 text;
  if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
    enc = Encoding::Utf8;
    multiByteToWide(kCpUtf8, bytes.data() + 3, n - 3, text);
  } else if (n >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF))) {
    enc = b[0] == 0xFF ? Encoding::Utf16Le : Encoding::Utf16Be;
    for (int32_t i = 2; i + 1 < n; i += 2)
      text.append(enc == Encoding::Utf16Le ? char16_t(b[i] | b[i + 1] << 8) : char16_t(b[i] << 8 | b[i + 1]));
  } else {
    enc = Encoding::Ansi;
    multiByteToWide(kCpAnsi, bytes.data(), n, text);
  }
  return std::u16string(view(text));
}

void parse(std::u16string_view text, Document& doc) {
  doc.sections.assign(1, Section());
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    while (end < text.size() && text[end] != u'\n' && text[end] != u'\r') ++end;
    std::u16string_view line = trimmed(text.substr(pos, end - pos));
    pos = end;
    while (pos < text.size() && (text[pos] == u'\n' || text[pos] == u'\r')) ++pos;
    if (line.empty()) continue;
    if (line[0] == u'[') {
      size_t close = line.rfind(u']');
      if (close != std::u16string_view::npos && close > 0) {
        Section s;
        s.name = cString(trimmed(line.substr(1, close - 1)));
        doc.sections.push_back(std::move(s));
        continue;
      }
    }
    Entry e;
    size_t eq = line.find(u'=');
    if (eq != std::u16string_view::npos) {
      e.name = cString(trimmed(line.substr(0, eq)));
      e.hasValue = true;
      e.value = cString(leftTrimmed(line.substr(eq + 1)));
    } else {
      e.name = cString(line);
    }
    // Runs of nameless lines collapse into one, as in the system's parser.
    std::vector<Entry>& entries = doc.sections.back().entries;
    if (!e.name.empty() || entries.empty() || !entries.back().name.empty()) entries.push_back(std::move(e));
  }
}

// Opens the document. False when the path exists but cannot be read as a
// file; a missing file gives an empty ANSI document.
bool load(const Str16& path, Document& doc) {
  doc = Document();
  doc.sections.assign(1, Section());
  if (folderExists(path)) return false;
  Str8 bytes;
  if (!readFileBytes(path, bytes)) return !fileExists(path);
  if (bytes.size() == 0) return true;
  parse(decode(bytes, doc.encoding), doc);
  return true;
}

bool save(const Str16& path, const Document& doc) {
  if (!doc.changed) return true;
  std::u16string text;
  for (const Section& s : doc.sections) {
    if (!s.name.empty()) text += u"[" + s.name + u"]\r\n";
    for (const Entry& e : s.entries) {
      text += e.name;
      if (e.hasValue) text += u"=" + e.value;
      text += u"\r\n";
    }
  }
  Str8 bytes;
  switch (doc.encoding) {
    case Encoding::Ansi:
      wideToMultiByte(kCpAnsi, text.data(), int32_t(text.size()), bytes);
      break;
    case Encoding::Utf8:
      bytes.append("\xEF\xBB\xBF", 3);
      {
        Str8 body;
        wideToMultiByte(kCpUtf8, text.data(), int32_t(text.size()), body);
        bytes.append(body);
      }
      break;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: {
      bool le = doc.encoding == Encoding::Utf16Le;
      text.insert(text.begin(), char16_t(0xFEFF));
      for (char16_t c : text) {
        char lo = char(c & 0xFF), hi = char(c >> 8);
        bytes.append(le ? lo : hi);
        bytes.append(le ? hi : lo);
      }
      break;
    }
  }
  return writeFileBytes(path, bytes);
}

// The first section whose name equals `name` (trimmed), or null.
Section* findSection(Document& doc, std::u16string_view name) {
  std::u16string_view want = trimmed(name);
  for (Section& s : doc.sections)
    if (sameNoCase(s.name, want)) return &s;
  return nullptr;
}

Entry* findKey(Section& s, std::u16string_view key) {
  std::u16string_view want = trimmed(key);
  for (Entry& e : s.entries)
    if (sameNoCase(e.name, want)) return &e;
  return nullptr;
}

// The entry for section/key, created at the end of the section (or of a new
// section at the end of the file) when missing or when `always` is set. New
// names keep the text asked for less its leading white space.
Entry& findOrCreate(Document& doc, std::u16string_view section, std::u16string_view key, bool always) {
  Section* s = findSection(doc, section);
  if (!s) {
    doc.sections.push_back(Section());
    s = &doc.sections.back();
    s->name = cString(leftTrimmed(section));
  } else if (!always) {
    if (Entry* e = findKey(*s, key)) return *e;
  }
  s->entries.push_back(Entry());
  s->entries.back().name = cString(leftTrimmed(key));
  return s->entries.back();
}

void setValue(Document& doc, std::u16string_view section, std::u16string_view key, std::u16string_view value,
              bool always) {
  Entry& e = findOrCreate(doc, section, key, always);
  std::u16string v = cString(leftTrimmed(value));
  if (e.hasValue && e.value == v) return;
  e.hasValue = true;
  e.value = v;
  doc.changed = true;
}

bool deleteSection(const Str16& path, std::u16string_view name) {
  Document doc;
  if (!load(path, doc)) return false;
  for (size_t i = 0; i < doc.sections.size(); ++i) {
    if (sameNoCase(doc.sections[i].name, name)) {
      doc.sections.erase(doc.sections.begin() + long(i));
      doc.changed = true;
      save(path, doc);
      break;
    }
  }
  return true;
}

// lstrcpyn: at most size - 1 characters and the terminator.
size_t copyCut(char16_t* dst, std::u16string_view src, size_t size) {
  size_t n = src.size() < size - 1 ? src.size() : size - 1;
  for (size_t i = 0; i < n; ++i) dst[i] = src[i];
  dst[n] = 0;
  return n;
}

// A value handed out by getProfileString loses one pair of enclosing quotes.
// When the buffer cuts the value, the character before the cut goes instead
// of the closing quote, as the system does it.
size_t copyEntry(char16_t* buf, std::u16string_view value, size_t size) {
  bool quoted = false;
  if (!value.empty() && (value[0] == u'\'' || value[0] == u'"') && value.size() > 1 &&
      value.back() == value[0]) {
    quoted = true;
    value.remove_prefix(1);
  }
  size_t n = copyCut(buf, value, size);
  if (quoted && size >= value.size() && n > 0) buf[--n] = 0;
  return n;
}

std::u16string_view orEmpty(const char16_t* s) { return s ? std::u16string_view(s) : std::u16string_view(); }

std::u16string fromAnsi(const char* s) {
  Str16 w;
  multiByteToWide(kCpAnsi, s, int32_t(std::char_traits<char>::length(s)), w);
  return std::u16string(view(w));
}

Str16 pathFromAnsi(const Str8& path) { return toWide(path, kCpAnsi); }

uint32_t getSectionW(const char16_t* section, char16_t* buf, uint32_t size, const Str16& path) {
  Document doc;
  if (!load(path, doc)) {
    buf[0] = 0;
    return 0;
  }
  for (const Section& s : doc.sections) {
    if (!sameNoCase(s.name, section)) continue;
    uint32_t left = size;
    char16_t* p = buf;
    for (const Entry& e : s.entries) {
      if (left <= 2) break;
      if (e.name.empty() && !e.hasValue) continue;
      if (!e.name.empty() && e.name[0] == u';') continue;
      size_t n = copyCut(p, e.name, left - 1);
      left -= uint32_t(n + 1);
      p += n + 1;
      if (left < 2) break;
      if (e.hasValue) {
        p[-1] = u'=';
        n = copyCut(p, e.value, left - 1);
        left -= uint32_t(n + 1);
        p += n + 1;
      }
    }
    *p = 0;
    if (left <= 1) {
      p[-1] = 0;
      return size - 2;
    }
    return size - left;
  }
  buf[0] = buf[1] = 0;
  return 0;
}

}  // namespace

uint32_t getProfileString(const char16_t* section, const char16_t* key, const char16_t* def, char16_t* buf,
                          uint32_t size, const Str16& path) {
  if (!buf || !size || !section || !key) return 0;
  SynchObject::Guard guard(g_profileLock);
  std::u16string_view d = orEmpty(def);
  // Trailing blanks of the default go (all but the first of an all-blank one).
  size_t keep = d.size();
  while (keep > 1 && d[keep - 1] == u' ') --keep;
  d = d.substr(0, keep);
  Document doc;
  if (!load(path, doc)) return uint32_t(copyCut(buf, d, size));
  const Entry* e = nullptr;
  if (Section* s = findSection(doc, section)) e = findKey(*s, key);
  return uint32_t(copyEntry(buf, e && e->hasValue ? std::u16string_view(e->value) : d, size));
}

bool writeProfileString(const char16_t* section, const char16_t* key, const char16_t* value, const Str16& path) {
  SynchObject::Guard guard(g_profileLock);
  if (!section && !key && !value) return false;
  if (!key) return section ? deleteSection(path, section) : false;
  Document doc;
  if (!load(path, doc) || !section) return false;
  if (!value) {
    for (Section& s : doc.sections) {
      if (!sameNoCase(s.name, section)) continue;
      for (size_t i = 0; i < s.entries.size(); ++i) {
        if (sameNoCase(s.entries[i].name, key)) {
          s.entries.erase(s.entries.begin() + long(i));
          doc.changed = true;
          return save(path, doc);
        }
      }
    }
    return true;
  }
  setValue(doc, section, key, value, false);
  return save(path, doc);
}

bool writeProfileStringA(const char* section, const char* key, const char* value, const Str8& path) {
  std::u16string s = section ? fromAnsi(section) : u"", k = key ? fromAnsi(key) : u"",
                 v = value ? fromAnsi(value) : u"";
  return writeProfileString(section ? s.c_str() : nullptr, key ? k.c_str() : nullptr, value ? v.c_str() : nullptr,
                            pathFromAnsi(path));
}

uint32_t getProfileSectionA(const char* section, char* buf, uint32_t size, const Str8& path) {
  SynchObject::Guard guard(g_profileLock);
  if (!section || !buf) return 0;
  if (size < 2) {
    if (size == 1) buf[0] = 0;
    return 0;
  }
  std::vector<char16_t> wide(size_t(size) * 2);
  uint32_t got = getSectionW(fromAnsi(section).c_str(), wide.data(), size * 2, pathFromAnsi(path));
  if (!got) {
    buf[0] = buf[1] = 0;
    return 0;
  }
  if (got == size * 2 - 2) ++got;  // the list was cut: count its last zero too
  Str8 bytes;
  wideToMultiByte(kCpAnsi, wide.data(), int32_t(got + 1), bytes);
  uint32_t n = uint32_t(bytes.size());
  for (uint32_t i = 0; i < n && i < size; ++i) buf[i] = bytes[int32_t(i)];
  if (n >= size) {
    buf[size - 2] = buf[size - 1] = 0;
    return size - 2;
  }
  return n - 1;
}

bool writeProfileSectionA(const char* section, const char* data, const Str8& path) {
  SynchObject::Guard guard(g_profileLock);
  if (!section && !data) return false;
  Str16 wpath = pathFromAnsi(path);
  std::u16string name = section ? fromAnsi(section) : u"";
  if (!data) return deleteSection(wpath, name);
  Document doc;
  if (!load(wpath, doc)) return false;
  for (Section& s : doc.sections) {
    if (sameNoCase(s.name, name) && !s.entries.empty()) {
      s.entries.clear();
      doc.changed = true;
    }
  }
  for (const char* p = data; *p; p += std::char_traits<char>::length(p) + 1) {
    std::u16string line = fromAnsi(p);
    size_t eq = line.find(u'=');
    if (eq == std::u16string::npos) continue;
    setValue(doc, name, std::u16string_view(line).substr(0, eq), std::u16string_view(line).substr(eq + 1), true);
  }
  return save(wpath, doc);
}

}  // namespace orv
