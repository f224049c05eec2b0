#pragma once
// The text port: code page conversion of whole strings and the Windows case
// and letter rules. On Windows these are MultiByteToWideChar,
// WideCharToMultiByte, CharLowerW, CharUpperW, IsCharAlphaW, IsCharUpperW and
// CharUpperBuffA; the Linux shell gives the same results from iconv and the C
// library's Unicode tables. Where the two ever differ, Windows is right.

#include <cstdint>

#include "core/Str.h"

namespace orv {

constexpr unsigned kCpAnsi = 0;   // CP_ACP
constexpr unsigned kCpOem = 1;    // CP_OEMCP
constexpr unsigned kCpUtf8 = 65001;

// The process's ANSI and OEM code pages.
unsigned ansiCodePage();
unsigned oemCodePage();

// Whether the code page can be converted at all.
bool isCodePageValid(unsigned codePage);

// Whole-string conversions. False (and an empty result) when the code page is
// unknown. Bytes a single-byte page leaves undefined become the code unit of
// the same value; characters a page cannot hold become '?'.
bool multiByteToWide(unsigned codePage, const char* bytes, int32_t len, Str16& out);
bool wideToMultiByte(unsigned codePage, const char16_t* text, int32_t len, Str8& out);

Str16 toWide(const Str8& s, unsigned codePage);
Str8 toNarrow(const Str16& s, unsigned codePage);

char16_t charLowerW(char16_t c);
char16_t charUpperW(char16_t c);
void charLowerBuffW(char16_t* text, int32_t len);
void charUpperBuffW(char16_t* text, int32_t len);
bool isCharAlphaW(char16_t c);
bool isCharUpperW(char16_t c);
bool isCharLowerW(char16_t c);

// Upper-cases 8-bit text in the ANSI code page in place, byte for byte.
void charUpperBuffA(char* text, int32_t len);
void charLowerBuffA(char* text, int32_t len);

}  // namespace orv
