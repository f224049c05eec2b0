// The few settings of section "common" the frame reads, through the profile
// functions on the INI file beside the executable: read on first use, the
// default written when the key is missing or unreadable, changes written at
// once. (The configuration objects of the settings module replace this.)

#include <cwchar>
#include <cwctype>

#include "app/win32/Program.h"

namespace orv::win {

namespace {
const wchar_t* kSection = L"common";
int32_t clampTo(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : (v > hi ? hi : v); }
}  // namespace

int32_t settingInt(const wchar_t* key, int32_t def, int32_t min, int32_t max) {
  wchar_t buf[100];
  GetPrivateProfileStringW(kSection, key, L"", buf, 100, g_program.iniPath);
  int value = 0;
  if (buf[0] && std::swscanf(buf, L"%d", &value) == 1) return clampTo(value, min, max);
  wchar_t text[16];
  std::swprintf(text, 16, L"%d", def);
  WritePrivateProfileStringW(kSection, key, text, g_program.iniPath);
  return def;
}

void setSettingInt(const wchar_t* key, int32_t value, int32_t min, int32_t max) {
  wchar_t text[16];
  std::swprintf(text, 16, L"%d", clampTo(value, min, max));
  WritePrivateProfileStringW(kSection, key, text, g_program.iniPath);
}

void settingStr(const wchar_t* key, const wchar_t* def, wchar_t* out, DWORD size) {
  DWORD n = GetPrivateProfileStringW(kSection, key, L"", out, size, g_program.iniPath);
  if (n == 0) {
    lstrcpynW(out, def, static_cast<int>(size));
    WritePrivateProfileStringW(kSection, key, def, g_program.iniPath);
  }
}

void setSettingStr(const wchar_t* key, const wchar_t* value) {
  WritePrivateProfileStringW(kSection, key, value, g_program.iniPath);
}

}  // namespace orv::win
