// Linux shell of the text port: iconv for code pages, the C library's
// C.UTF-8 tables for case and letters.

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <cstring>

#include "core/SynchObject.h"
#include "platform/Text.h"
#include "platform/sim/SimText.h"

namespace orv {

namespace {

struct PageInfo {
  unsigned cp;
  const char* iconvName;
  bool singleByte;
  unsigned oem;  // the OEM page Windows pairs with this page as ANSI page
};

const PageInfo kPages[] = {
    {437, "CP437", true, 437},          {720, "CP720", true, 720},
    {737, "CP737", true, 737},          {775, "CP775", true, 775},
    {850, "CP850", true, 850},          {852, "CP852", true, 852},
    {855, "CP855", true, 855},          {857, "CP857", true, 857},
    {858, "CP858", true, 858},          {860, "CP860", true, 860},
    {861, "CP861", true, 861},          {862, "CP862", true, 862},
    {863, "CP863", true, 863},          {864, "CP864", true, 864},
    {865, "CP865", true, 865},          {866, "CP866", true, 866},
    {869, "CP869", true, 869},          {874, "CP874", true, 874},
    {932, "CP932", false, 932},         {936, "CP936", false, 936},
    {949, "CP949", false, 949},         {950, "CP950", false, 950},
    {1250, "CP1250", true, 852},        {1251, "CP1251", true, 866},
    {1252, "CP1252", true, 437},        {1253, "CP1253", true, 737},
    {1254, "CP1254", true, 857},        {1255, "CP1255", true, 862},
    {1256, "CP1256", true, 720},        {1257, "CP1257", true, 775},
    {1258, "CP1258", true, 1258},       {1361, "JOHAB", false, 1361},
    {20866, "KOI8-R", true, 866},       {21866, "KOI8-U", true, 866},
    {20932, "EUC-JP", false, 932},      {20936, "GB2312", false, 936},
    {28591, "ISO-8859-1", true, 850},   {28592, "ISO-8859-2", true, 852},
    {28593, "ISO-8859-3", true, 850},   {28594, "ISO-8859-4", true, 775},
    {28595, "ISO-8859-5", true, 866},   {28596, "ISO-8859-6", true, 720},
    {28597, "ISO-8859-7", true, 737},   {28598, "ISO-8859-8", true, 862},
    {28599, "ISO-8859-9", true, 857},   {28603, "ISO-8859-13", true, 775},
    {28605, "ISO-8859-15", true, 850},  {51932, "EUC-JP", false, 932},
    {51936, "GB2312", false, 936},      {51949, "EUC-KR", false, 949},
    {54936, "GB18030", false, 936},     {65001, "UTF-8", false, 65001},
};

unsigned g_ansi = 1252;

const PageInfo* pageInfo(unsigned cp) {
  if (cp == kCpAnsi) cp = g_ansi;
  if (cp == kCpOem) cp = oemCodePage();
  for (const PageInfo& p : kPages)
    if (p.cp == cp) return &p;
  return nullptr;
}

// A single-byte page as two tables: byte -> code unit and code unit -> byte
// (0 where the page has no byte for it, except U+0000 itself).
struct SbcsTable {
  unsigned cp = 0;
  char16_t toWide[256];
  unsigned char fromWide[65536];
};

SynchObject g_tablesLock;
// Never freed: the tables live as long as the process. The list itself is
// never destroyed either, so they stay reachable (no leak report at exit).
ArrT<SbcsTable*>& g_tables = *new ArrT<SbcsTable*>;

char16_t convertOneByte(iconv_t cd, unsigned char b) {
  char in[1] = {static_cast<char>(b)};
  char out[8];
  char* ip = in;
  char* op = out;
  size_t il = 1, ol = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  size_t r = iconv(cd, &ip, &il, &op, &ol);
  iconv(cd, nullptr, nullptr, &op, &ol);  // flush a page that composes (1258)
  if (r == static_cast<size_t>(-1) || op - out != 2) return b;
  char16_t c;
  std::memcpy(&c, out, 2);
  return c;
}

const SbcsTable* sbcsTable(const PageInfo& p) {
  SynchObject::Guard g(g_tablesLock);
  for (int32_t i = 0; i < g_tables.size(); ++i)
    if (g_tables[i]->cp == p.cp) return g_tables[i];
  iconv_t cd = iconv_open("UTF-16LE", p.iconvName);
  if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
  SbcsTable* t = new SbcsTable;
  t->cp = p.cp;
  std::memset(t->fromWide, 0, sizeof t->fromWide);
  for (int b = 0; b < 256; ++b) t->toWide[b] = convertOneByte(cd, static_cast<unsigned char>(b));
  iconv_close(cd);
  // Lower bytes win when two bytes give one character, as Windows's tables do.
  for (int b = 255; b >= 1; --b) t->fromWide[t->toWide[b]] = static_cast<unsigned char>(b);
  g_tables.append(t);
  return t;
}

bool iconvWhole(const char* to, const char* from, const char* in, size_t inLen, ArrT<char>& out,
                bool toWideDir) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out.clear();
  char buf[4096];
  char* ip = const_cast<char*>(in);
  size_t il = inLen;
  while (il > 0) {
    char* op = buf;
    size_t ol = sizeof buf;
    size_t r = iconv(cd, &ip, &il, &op, &ol);
    out.append(buf, static_cast<int32_t>(op - buf));
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      // An invalid or unmappable unit: put the replacement and step over it.
      if (toWideDir) {
        const char rep[2] = {static_cast<char>(0xFD), static_cast<char>(0xFF)};
        out.append(rep, 2);
        ++ip;
        --il;
      } else {
        out.append('?');
        size_t step = 2;
        if (il >= 4) {
          unsigned short u;
          std::memcpy(&u, ip, 2);
          if (u >= 0xD800 && u < 0xDC00) step = 4;
        }
        if (step > il) step = il;
        ip += step;
        il -= step;
      }
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  char* op = buf;
  size_t ol = sizeof buf;
  iconv(cd, nullptr, nullptr, &op, &ol);
  out.append(buf, static_cast<int32_t>(op - buf));
  iconv_close(cd);
  return true;
}

locale_t utf8Locale() {
  static locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return loc;
}

}  // namespace

namespace sim {
void setAnsiCodePage(unsigned codePage) { g_ansi = codePage; }
}  // namespace sim

unsigned ansiCodePage() { return g_ansi; }

unsigned oemCodePage() {
  for (const PageInfo& p : kPages)
    if (p.cp == g_ansi) return p.oem;
  return 437;
}

bool isCodePageValid(unsigned codePage) { return pageInfo(codePage) != nullptr; }

bool multiByteToWide(unsigned codePage, const char* bytes, int32_t len, Str16& out) {
  out.clear();
  out.data();
  const PageInfo* p = pageInfo(codePage);
  if (!p || len < 0) return false;
  if (p->singleByte) {
    const SbcsTable* t = sbcsTable(*p);
    if (!t) return false;
    for (int32_t i = 0; i < len; ++i) out.append(t->toWide[static_cast<unsigned char>(bytes[i])]);
    return true;
  }
  ArrT<char> raw;
  if (!iconvWhole("UTF-16LE", p->iconvName, bytes, static_cast<size_t>(len), raw, true)) return false;
  out.append(reinterpret_cast<const char16_t*>(raw.data()), raw.size() / 2);
  return true;
}

bool wideToMultiByte(unsigned codePage, const char16_t* text, int32_t len, Str8& out) {
  out.clear();
  out.data();
  const PageInfo* p = pageInfo(codePage);
  if (!p || len < 0) return false;
  if (p->singleByte) {
    const SbcsTable* t = sbcsTable(*p);
    if (!t) return false;
    for (int32_t i = 0; i < len; ++i) {
      char16_t c = text[i];
      if (c >= 0xD800 && c < 0xDC00 && i + 1 < len && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) ++i;
      unsigned char b = (c == 0) ? 0 : t->fromWide[c];
      out.append(c != 0 && b == 0 ? '?' : static_cast<char>(b));
    }
    return true;
  }
  return iconvWhole(p->iconvName, "UTF-16LE", reinterpret_cast<const char*>(text),
                    static_cast<size_t>(len) * 2, out, false);
}

char16_t charLowerW(char16_t c) {
  if (c >= 0xD800 && c < 0xE000) return c;
  wint_t r = towlower_l(c, utf8Locale());
  return r > 0xFFFF ? c : static_cast<char16_t>(r);
}

char16_t charUpperW(char16_t c) {
  if (c >= 0xD800 && c < 0xE000) return c;
  wint_t r = towupper_l(c, utf8Locale());
  return r > 0xFFFF ? c : static_cast<char16_t>(r);
}

bool isCharAlphaW(char16_t c) { return c < 0xD800 || c >= 0xE000 ? iswalpha_l(c, utf8Locale()) != 0 : false; }
bool isCharUpperW(char16_t c) { return c < 0xD800 || c >= 0xE000 ? iswupper_l(c, utf8Locale()) != 0 : false; }
bool isCharLowerW(char16_t c) { return c < 0xD800 || c >= 0xE000 ? iswlower_l(c, utf8Locale()) != 0 : false; }

namespace {
void caseBuffA(char* text, int32_t len, bool upper) {
  Str16 w;
  multiByteToWide(kCpAnsi, text, len, w);
  if (upper)
    charUpperBuffW(w.data(), w.size());
  else
    charLowerBuffW(w.data(), w.size());
  Str8 n;
  wideToMultiByte(kCpAnsi, w.data(), w.size(), n);
  if (n.size() == len) std::memcpy(text, n.data(), static_cast<size_t>(len));
}
}  // namespace

void charUpperBuffA(char* text, int32_t len) { caseBuffA(text, len, true); }
void charLowerBuffA(char* text, int32_t len) { caseBuffA(text, len, false); }

}  // namespace orv
