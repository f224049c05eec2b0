#pragma once
// Sections of the INI file read and written whole ("hotkey", "exe_mark"):
// 8-bit lines "name=value" through GetPrivateProfileSectionA and
// WritePrivateProfileSectionA with the 8-bit INI path. The owners of the two
// sections guard them with their own locks.

#include "core/Str.h"

namespace orv {

struct IniLine {
  Str8 name;      // the text before the first "=" (the whole line without one)
  Str8 value;     // the text after it
  bool hasValue;  // whether the line had a "="
};

// The section's lines in file order. The buffer starts at 10000 bytes and is
// doubled while the returned length reaches its size less 2.
ArrT<IniLine> readIniSection(const char* section);

// Replaces the section with these lines, in this order; lines with an empty
// name are left out. False when the file could not be written.
bool writeIniSection(const char* section, const ArrT<IniLine>& lines);

// The value as strtol reads it in base 10 (text that is no number gives 0).
int32_t iniNumber(const Str8& text);

}  // namespace orv
