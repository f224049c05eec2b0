#pragma once
// The spelling-suggestion generator over one index: every stored word one
// edit away from a word (a letter substituted, two neighbours exchanged, a
// letter inserted, and for words of 4 letters or more a letter deleted).

#include <cstdint>

#include "language/DubIndex.h"

namespace orv {

constexpr int32_t kSuggestBufferBytes = 10000;

// Writes the candidates into `buffer` as consecutive zero-terminated strings
// and returns the bytes written. Candidates that do not fit are dropped.
// Words of 100 bytes or more get none. Letters are tried in the index's
// character-list order; a candidate found by several edits appears each time.
int32_t suggest(const DubIndex& index, const char* word, int32_t len, char* buffer, int32_t bufferSize);

}  // namespace orv
