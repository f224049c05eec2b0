// Windows shell of the profile port: the system's own profile functions.

#include <windows.h>

#include "platform/Profile.h"

namespace orv {

namespace {
const wchar_t* w(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }
}  // namespace

uint32_t getProfileString(const char16_t* section, const char16_t* key, const char16_t* def, char16_t* buf,
                          uint32_t size, const Str16& path) {
  return GetPrivateProfileStringW(w(section), w(key), w(def), reinterpret_cast<wchar_t*>(buf), size,
                                  w(path.data()));
}

bool writeProfileString(const char16_t* section, const char16_t* key, const char16_t* value, const Str16& path) {
  return WritePrivateProfileStringW(w(section), w(key), w(value), w(path.data())) != FALSE;
}

bool writeProfileStringA(const char* section, const char* key, const char* value, const Str8& path) {
  return WritePrivateProfileStringA(section, key, value, path.data()) != FALSE;
}

uint32_t getProfileSectionA(const char* section, char* buf, uint32_t size, const Str8& path) {
  return GetPrivateProfileSectionA(section, buf, size, path.data());
}

bool writeProfileSectionA(const char* section, const char* data, const Str8& path) {
  return WritePrivateProfileSectionA(section, data, path.data()) != FALSE;
}

}  // namespace orv
