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
// What counts as common comes from frequency ranks (1 = most frequent). One
// form often hides a whole family of source words ("ls" ends "однажды",
// "дважды", "надежды", "нужды" typed on the US layout), so what a form hides
// is weighed together: with frequencies falling as 1/rank, the words of ranks
// r1, r2, ... weigh as much as one word of rank 1 / (1/r1 + 1/r2 + ...), the
// combined rank below.
//  - only hidden words of a combined rank among the first kCommonSourceRank
//    can make a target form go: rarer ones are not worth losing a form for;
//  - a target form among the first kAlwaysCommonRank words is always kept;
//  - a form that would itself be switched once it is gone (its keys read as
//    a whole word of the other language: "bob" as "ищи") is kept unless it
//    ranks more than kSwitchingRankRatio times lower than what it hides, as
//    dropping it trades missed switches for wrong ones;
//  - any other form costs only a spelling mark when it is gone, and goes
//    when what it hides is more frequent than the form itself.
// The lists come from film subtitles, lower-cased, so abbreviations such as
// "DC" or "TN" show up as "dc" and "tn" with middling ranks; next to "всё"
// or "может" they are still far rarer, and go.

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
constexpr int32_t kSwitchingRankRatio = 16;

// Whether a target form of `formRank` (0: not listed) hiding source words of
// combined rank `sourceRank` is to be dropped.
bool shouldDrop(int32_t formRank, int32_t sourceRank, bool formWouldSwitch);

// Whether `form`, typed alone with `formMap`, would be switched to the layout
// of `otherMap` if its own dictionary did not know it: its keys read there as
// a whole word of `otherDic`, with nothing glued before it.
bool wouldSwitch(const Str16& form, const LayoutCharMap& formMap, const LayoutCharMap& otherMap, IDictionary& otherDic);

// Reads a list (UTF-8, one word a line), lower-cases it and keeps only words
// made of letters that `map` types (plus the apostrophe and the hyphen inside
// a word), so tokens of another alphabet in the list are left out.
FrequencyList readFrequencyList(const std::string& path, const LayoutCharMap& map);

struct Collision {
  Str16 form;       // the target form that blocks (lower case)
  Str16 blocked;    // the most common source word it hides
  Str8 sourceName;  // that word's dictionary (no std::string: ArrT needs relocatable types)
  int32_t blockedRank = 0;  // its rank in its list
  int32_t formRank = 0;  // the form's rank in the target list, 0 when not listed
  int32_t hidden = 0;    // how many listed source words it hides
  double weight = 0;     // the sum of 1/rank over them
  bool formWouldSwitch = false;  // see wouldSwitch

  // The rank of one word as frequent as all the hidden ones together.
  int32_t combinedRank() const;
};

// The letters at the end of a rendering as the analyser takes them apart:
// trailing non-letters are skipped, then the run of letters before them.
Str8 lastLetterRun(const Str8& text, unsigned codePage);

// Adds every collision of the listed `source` words typed with `sourceMap`
// and read in `targetMap` to `out`, keyed by the blocking form, with all the
// words of this source it hides. A form already in `out` from another source
// keeps the source under which it weighs more.
void findCollisions(const FrequencyList& sourceFreq, const LayoutCharMap& sourceMap, IDictionary& sourceDic,
                    const LayoutCharMap& targetMap, IDictionary& targetDic, const FrequencyList& targetFreq,
                    const std::string& sourceName, MapT<Str16, Collision>& out);

// The collisions whose form is to be dropped (shouldDrop).
MapT<Str16, Collision> selectDrops(const MapT<Str16, Collision>& collisions);

// Copies a word list (UTF-8 lines) leaving out every word whose lower-case
// form was dropped; returns the number of lines left out.
int32_t filterWordList(const std::string& in, const std::string& out, const MapT<Str16, Collision>& drops,
                       int32_t* kept);

// The command: orvanta-curate --target-words F --target-dic DIR --target-layout L --target-freq F
//   --source L:DIR:FREQ [--source ...] --out F --report F
int runCurate(int argc, const char* const* argv, FILE* out, FILE* err);

}  // namespace orv
