#pragma once
// Curation of a dictionary for wrong-layout detection.
//
// A common word of a source language, typed with its own layout's keys while
// the target layout is active, reads as some text in the target layout. When
// the last run of letters of that text is a whole word of the target
// dictionary, the analyser sees a known word in the current layout and never
// switches. If that target form is rare and the source word is common, the
// form is dropped from the shipped target dictionary. When both are common
// nothing is dropped: no switch is then the right answer.
//
// What counts as common comes from frequency ranks (1 = most frequent):
//  - only a source word among the first kCommonSourceRank words can make a
//    target form go: a rarer word is not worth losing a dictionary form for;
//  - a target form among the first kAlwaysCommonRank words is always kept;
//  - otherwise it is kept while it ranks at most kRankRatio times lower than
//    the source word (comparable frequency: "руку" next to "here", "рук"
//    next to "her"). The lists come from film subtitles, lower-cased, so
//    abbreviations such as "DC" or "TN" show up as "dc" and "tn" with middling
//    ranks; next to "всё" or "может" they are still far rarer, and go.

#include <string>
#include <vector>

#include "core/MapT.h"
#include "core/SetT.h"
#include "core/Str.h"
#include "keyboard/LayoutCharMap.h"
#include "language/IDictionary.h"

namespace orv {

// A frequency list: lower-cased words of one alphabet, most frequent first.
struct FrequencyList {
  ArrT<Str16> words;
  MapT<Str16, int32_t> rank;  // 1 for the most frequent word
};

constexpr int32_t kCommonSourceRank = 3000;
constexpr int32_t kAlwaysCommonRank = 1000;
constexpr int32_t kRankRatio = 16;

// Whether a target form of `formRank` (0: not listed) hiding a source word of
// `sourceRank` is to be dropped.
bool shouldDrop(int32_t formRank, int32_t sourceRank);

// Reads a list (UTF-8, one word a line), lower-cases it and keeps only words
// made of letters that `map` types (plus the apostrophe and the hyphen inside
// a word), so tokens of another alphabet in the list are left out.
FrequencyList readFrequencyList(const std::string& path, const LayoutCharMap& map);

struct Collision {
  Str16 form;     // the target form that blocks (lower case)
  Str16 blocked;  // the common source word it blocks
  Str8 sourceName;  // held in an ArrT, so no std::string (it is not relocatable)
};

// The letters at the end of a rendering as the analyser takes them apart:
// trailing non-letters are skipped, then the run of letters before them.
Str8 lastLetterRun(const Str8& text, unsigned codePage);

// Every collision of `source` words typed with `sourceMap` and read in
// `targetMap`, keyed by the blocking form. A form common in `targetFreq` is
// never a collision.
void findCollisions(const FrequencyList& sourceFreq, const LayoutCharMap& sourceMap, IDictionary& sourceDic,
                    const LayoutCharMap& targetMap, IDictionary& targetDic, const FrequencyList& targetFreq,
                    const std::string& sourceName, MapT<Str16, Collision>& out);

// Copies a word list (UTF-8 lines) leaving out every word whose lower-case
// form was dropped; returns the number of lines left out.
int32_t filterWordList(const std::string& in, const std::string& out, const MapT<Str16, Collision>& drops,
                       int32_t* kept);

// The command: orvanta-curate --target-words F --target-dic DIR --target-layout L --target-freq F
//   --source L:DIR:FREQ [--source ...] --out F --report F
int runCurate(int argc, const char* const* argv, FILE* out, FILE* err);

}  // namespace orv
