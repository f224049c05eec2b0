#pragma once
// dictool: builds a dictionary folder from a UTF-8 word list, checks words
// against one, lists completions and suggestions, dumps and measures it.
// All text in and out is UTF-8. Exit status: 0 done, 1 a file could not be
// written, 2 bad arguments or unreadable input.

#include <cstdio>

namespace orv {

int runDicTool(int argc, const char* const* argv, FILE* in, FILE* out, FILE* err);

}  // namespace orv
