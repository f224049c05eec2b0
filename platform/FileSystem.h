#pragma once
// The file-system port: files and folders named by UTF-16 paths. The Win32
// shell uses the wide functions (_wfopen, MoveFileExW, FindFirstFileW); the
// Linux shell converts paths to UTF-8 and uses POSIX calls.

#include <cstdio>
#include <string_view>

#include "core/Str.h"

namespace orv {

// The separator this build puts between path components ('\' on Windows).
char16_t pathSeparator();

// folder + separator + name; no separator is doubled.
Str16 joinPath(const Str16& folder, std::u16string_view name);

// fopen with a UTF-16 path; `mode` as for fopen ("rb", "wb", ...).
FILE* openFile(const Str16& path, const char* mode);

// Writes buffered data through to the disk; false when that failed.
bool flushFile(FILE* f);

bool pathExists(const Str16& path);
bool isFolder(const Str16& path);
bool isPlainFile(const Str16& path);

// Creates one folder; true when it was created.
bool createFolder(const Str16& path);

bool removeFile(const Str16& path);
// Removes an empty folder.
bool removeFolder(const Str16& path);

// Renames `from` to `to`, replacing `to` in one step when it exists.
bool replaceFile(const Str16& from, const Str16& to);

// Renames `from` to `to`; fails when `to` exists.
bool renameFile(const Str16& from, const Str16& to);

struct FolderEntry {
  Str16 name;
  bool isFolder = false;
};

// The entries of a folder without "." and ".."; false when it cannot be read.
bool listFolder(const Str16& folder, ArrT<FolderEntry>& out);

// The user's temporary folder (GetTempPathW; $TMPDIR or /tmp), no trailing separator.
Str16 tempFolder();

}  // namespace orv
