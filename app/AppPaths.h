#pragma once
// Where the program keeps its files: the module folder (the executable's
// folder, without a trailing separator) and the INI file "\Orvanta.ini" in
// it, in a 16-bit form for the setting objects and an 8-bit (ANSI) form for
// the sections read whole.

#include <string_view>

#include "core/Str.h"

namespace orv {

// The folder of the running executable unless one was set.
Str16 moduleFolder();
// Points the program (and every setting object) at another folder; tests use
// it to work in a fresh folder. Call before other threads read settings.
void setModuleFolder(const Str16& folder);

// moduleFolder() followed by `tail`, which begins with "\" ("\lang\en.lng").
Str16 modulePath(std::u16string_view tail);

Str16 iniPath16();
Str8 iniPath8();

}  // namespace orv
