#pragma once
// The file port: whole-file reads and writes, folders and the program's own
// location, with 16-bit (UTF-16) paths. Windows: _wfopen, FindFirstFileW,
// CreateDirectoryW, GetModuleFileNameW, GetTempPathW. Linux shell: the C
// library with the path in UTF-8, where "\" in a path is read as "/" so that
// the program's own "\lang\en.lng" style paths work unchanged.

#include <cstdint>

#include "core/Str.h"
#include "platform/FileSystem.h"  // createFolder, tempFolder

namespace orv {

// Reads the whole file as raw bytes. False when it cannot be opened (a
// folder, a missing file); an empty file gives true and no bytes.
bool readFileBytes(const Str16& path, Str8& out);

// Creates or replaces the file with exactly these bytes.
bool writeFileBytes(const Str16& path, const char* bytes, int32_t len);
inline bool writeFileBytes(const Str16& path, const Str8& bytes) {
  return writeFileBytes(path, bytes.data(), bytes.size());
}

// Names kept by the settings and language code for the file-system port's
// own questions.
inline bool fileExists(const Str16& path) { return isPlainFile(path); }  // exists and is no folder
inline bool folderExists(const Str16& path) { return isFolder(path); }
inline bool deleteFile(const Str16& path) { return isPlainFile(path) && removeFile(path); }

// The names (not paths) of the files in `folder` whose names end in `suffix`
// compared without regard to ASCII case (".wav"); folders are skipped. Order
// is the file system's.
ArrT<Str16> listFiles(const Str16& folder, std::u16string_view suffix);

// The full path of the running executable.
Str16 executablePath();

}  // namespace orv
