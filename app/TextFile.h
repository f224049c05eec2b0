#pragma once
// Text files as the program reads and writes them on Windows with the C
// library's text mode, on both builds: reading turns CR LF into LF and stops
// at the first ^Z; lines come as fgets gives them with a buffer of `bufSize`
// bytes (a line longer than bufSize - 1 bytes comes in pieces, each piece
// keeps the "\n" that ended it); writing turns LF into CR LF.

#include "core/Str.h"

namespace orv {

bool readTextLines(const Str16& path, int32_t bufSize, ArrT<Str8>& lines);
bool writeTextFile(const Str16& path, const Str8& text);

// Removes white space (blank, TAB, CR, LF, VT, FF) at both ends.
Str8 trimmedText(const Str8& s);

}  // namespace orv
