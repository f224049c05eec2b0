#pragma once
// The interface languages installed: the ".lng" files of the language
// folder, for the options window's list.

#include "core/Str.h"
#include "language/Locale.h"

namespace orv {

// The file names without ".lng", lower-cased, sorted and without repeats,
// each looked up in the locale table by culture name or ISO 639 code; the
// list ends at the first name that names no locale.
ArrT<MyNLS> installedLanguages(const Str16& langFolder);

// The locale record named by a culture name or ISO 639 code (any case), or
// a record of zeros.
MyNLS localeByName(const Str8& name);

}  // namespace orv
