// Interface texts the frame shows, by language key, until the localised
// string table is wired in: the English texts, and "?key" for a key this
// list lacks (as the table shows a missing key).

#include <cstring>

#include "app/win32/Program.h"

namespace orv::win {

const wchar_t* uiText(const char* key) {
  static const struct {
    const char* key;
    const wchar_t* text;
  } kTexts[] = {
      {"tray_mi_options", L"Options..."},
      {"tray_mi_auto_sw_lay", L"Switch layout automatically"},
      {"tray_mi_oc", L"Check spelling"},
      {"tray_mi_underliner", L"Notes editor"},
      {"tray_mi_updater", L"Check for updates..."},
      {"tray_mi_exit", L"Exit"},
  };
  for (const auto& t : kTexts)
    if (std::strcmp(t.key, key) == 0) return t.text;
  return L"?";
}

}  // namespace orv::win
