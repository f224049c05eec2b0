// Windows shell of the text port: the system's own functions.

#include <windows.h>

#include "platform/Text.h"

namespace orv {

unsigned ansiCodePage() { return GetACP(); }
unsigned oemCodePage() { return GetOEMCP(); }

bool isCodePageValid(unsigned codePage) {
  return codePage == CP_ACP || codePage == CP_OEMCP || IsValidCodePage(codePage);
}

bool multiByteToWide(unsigned codePage, const char* bytes, int32_t len, Str16& out) {
  out.clear();
  out.data();
  if (len < 0 || !isCodePageValid(codePage)) return false;
  if (len == 0) return true;
  int n = MultiByteToWideChar(codePage, 0, bytes, len, nullptr, 0);
  if (n <= 0) return false;
  out.isetSize(n);
  MultiByteToWideChar(codePage, 0, bytes, len, reinterpret_cast<wchar_t*>(out.data()), n);
  return true;
}

bool wideToMultiByte(unsigned codePage, const char16_t* text, int32_t len, Str8& out) {
  out.clear();
  out.data();
  if (len < 0 || !isCodePageValid(codePage)) return false;
  if (len == 0) return true;
  const wchar_t* w = reinterpret_cast<const wchar_t*>(text);
  int n = WideCharToMultiByte(codePage, 0, w, len, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return false;
  out.isetSize(n);
  WideCharToMultiByte(codePage, 0, w, len, out.data(), n, nullptr, nullptr);
  return true;
}

char16_t charLowerW(char16_t c) {
  wchar_t b[2] = {static_cast<wchar_t>(c), 0};
  CharLowerBuffW(b, 1);
  return static_cast<char16_t>(b[0]);
}

char16_t charUpperW(char16_t c) {
  wchar_t b[2] = {static_cast<wchar_t>(c), 0};
  CharUpperBuffW(b, 1);
  return static_cast<char16_t>(b[0]);
}

bool isCharAlphaW(char16_t c) { return IsCharAlphaW(static_cast<wchar_t>(c)) != 0; }
bool isCharUpperW(char16_t c) { return IsCharUpperW(static_cast<wchar_t>(c)) != 0; }
bool isCharLowerW(char16_t c) { return IsCharLowerW(static_cast<wchar_t>(c)) != 0; }

void charUpperBuffA(char* text, int32_t len) { CharUpperBuffA(text, static_cast<DWORD>(len)); }
void charLowerBuffA(char* text, int32_t len) { CharLowerBuffA(text, static_cast<DWORD>(len)); }

}  // namespace orv
