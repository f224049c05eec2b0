#pragma once
// The user's language, which picks the interface language: the locale
// record of the user's default language identifier, or of 1033 (English)
// when the table has none.

#include "core/Str.h"

namespace orv {

struct UserLanguage {
  uint32_t langId = 0;
  uint32_t ansiCodePage = 0;
  Str8 isoName;      // ISO 639, "ru"
  Str8 cultureName;  // "ru-RU"
};

// The language for a language identifier (1033 when the table has none).
UserLanguage userLanguageFor(uint32_t langId);

// userLanguageFor(the user's default language), computed on first use and kept.
const UserLanguage& userLanguage();

// The start-up step: the user's language as above, and "interface_lang"
// set to its ISO 639 code when the setting is empty.
const UserLanguage& chooseInterfaceLanguage();

}  // namespace orv
