#pragma once
// The profile (INI file) port: the Windows profile functions that the
// settings use. On Windows these are GetPrivateProfileStringW,
// WritePrivateProfileStringW, WritePrivateProfileStringA,
// GetPrivateProfileSectionA and WritePrivateProfileSectionA themselves; the
// Linux shell carries an INI engine of its own that gives the same answers and
// writes the same bytes for everything the program does with them:
//  - section and key names match case-insensitively, white space around a
//    name in the file or in the call is ignored, and the first match wins;
//  - a value read loses its surrounding white space and one pair of matching
//    quotes ('...' or "...");
//  - a missing file is created by the first write that changes something; an
//    ANSI file stays ANSI, a UTF-8 or UTF-16 file keeps its byte-order mark;
//  - a whole section is read as "key=value\0...\0\0" and replaced whole.
// Paths are the caller's: 16-bit for the W functions, 8-bit in the ANSI code
// page for the A functions. The Linux shell reads "\" in a path as "/".

#include <cstdint>

#include "core/Str.h"

namespace orv {

// GetPrivateProfileStringW with a section and a key (never null here): copies
// the value, or `def` (trailing blanks removed) when the key is missing, into
// `buf` of `size` characters, cut to size - 1 and zero-terminated. Returns the
// number of characters copied, without the terminator.
uint32_t getProfileString(const char16_t* section, const char16_t* key, const char16_t* def, char16_t* buf,
                          uint32_t size, const Str16& path);

// WritePrivateProfileStringW: sets the key (value null: deletes the key; key
// null: deletes the section). False when the file cannot be written.
bool writeProfileString(const char16_t* section, const char16_t* key, const char16_t* value, const Str16& path);

// WritePrivateProfileStringA: the same with 8-bit (ANSI) texts.
bool writeProfileStringA(const char* section, const char* key, const char* value, const Str8& path);

// GetPrivateProfileSectionA: the section's lines as zero-terminated strings
// ("key=value", or the bare text of a line without "="), ended by an empty
// string. Returns the number of bytes written without the final zero; when
// the buffer was too small the result is size - 2.
uint32_t getProfileSectionA(const char* section, char* buf, uint32_t size, const Str8& path);

// WritePrivateProfileSectionA: removes every key of the section and writes
// the "key=value" strings of `data` (ended by an empty string) in their
// order; strings without "=" are dropped. data null deletes the section.
bool writeProfileSectionA(const char* section, const char* data, const Str8& path);

}  // namespace orv
