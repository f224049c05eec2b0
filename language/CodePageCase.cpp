#include "language/CodePageCase.h"

#include "core/SynchObject.h"
#include "platform/Text.h"

namespace orv {

namespace {
SynchObject g_casesLock;
ArrT<CodePageCase*>* g_cases = nullptr;  // never freed: they live as long as the process
}  // namespace

const CodePageCase& codePageCase(unsigned cp) {
  if (cp == kCpAnsi) cp = ansiCodePage();
  if (cp == kCpOem) cp = oemCodePage();
  SynchObject::Guard g(g_casesLock);
  if (!g_cases) g_cases = new ArrT<CodePageCase*>;
  for (int32_t i = 0; i < g_cases->size(); ++i)
    if (g_cases->at(i)->codePage == cp) return *g_cases->at(i);
  CodePageCase* c = new CodePageCase;
  c->build(cp);
  g_cases->append(c);
  return *c;
}

void CodePageCase::build(unsigned cp) {
  codePage = cp;
  singleByte = isCodePageValid(cp);
  for (int b = 0; b < 256; ++b) {
    char c = static_cast<char>(b);
    lower[b] = upper[b] = static_cast<unsigned char>(b);
    changedByLower[b] = false;
    if (b == 0) continue;
    Str16 w;
    if (!multiByteToWide(cp, &c, 1, w) || w.size() != 1) {
      singleByte = false;
      continue;
    }
    Str8 back;
    wideToMultiByte(cp, w.data(), 1, back);
    if (back.size() != 1 || back[0] != c) singleByte = false;
    char16_t lo = charLowerW(w[0]);
    char16_t up = charUpperW(w[0]);
    changedByLower[b] = lo != w[0];
    Str8 n;
    wideToMultiByte(cp, &lo, 1, n);
    lower[b] = n.size() == 1 ? static_cast<unsigned char>(n[0]) : '?';
    wideToMultiByte(cp, &up, 1, n);
    if (n.size() == 1 && (n[0] != '?' || up == u'?')) upper[b] = static_cast<unsigned char>(n[0]);
  }
}

Str8 lowerForm(const CodePageCase& cc, const char* word, int32_t len) {
  Str8 out;
  if (cc.singleByte) {
    out.isetSize(len);
    for (int32_t i = 0; i < len; ++i) out[i] = static_cast<char>(cc.lower[static_cast<unsigned char>(word[i])]);
    return out;
  }
  Str16 w;
  multiByteToWide(cc.codePage, word, len, w);
  charLowerBuffW(w.data(), w.size());
  wideToMultiByte(cc.codePage, w.data(), w.size(), out);
  return out;
}

uint32_t capitalMask(const CodePageCase& cc, const char* word, int32_t len) {
  uint32_t mask = 0;
  if (cc.singleByte) {
    for (int32_t i = 0; i < len && i < 32; ++i)
      if (cc.changedByLower[static_cast<unsigned char>(word[i])]) mask |= 1u << i;
    return mask;
  }
  Str16 w;
  multiByteToWide(cc.codePage, word, len, w);
  for (int32_t i = 0; i < w.size() && i < 32; ++i)
    if (charLowerW(w[i]) != w[i]) mask |= 1u << i;
  return mask;
}

}  // namespace orv
