#pragma once
// Application policies: per executable (its file name, lower-cased), the
// features the program may use there. Kept in the INI section "exe_mark"
// ("name=flags" lines, read and written whole), loaded on first use; when
// the section has no line at all (a fresh install) a few defaults apply
// (terminals and games off, some browsers without caret placement); a table
// the user emptied is kept as the single line "*=0" and stays empty. An executable without a policy gets
// every feature (flags -1) and is noted in a short list of recent
// candidates for the options window. The program's own windows always get
// every feature. One lock (the policy lock) guards the table, the recent
// list and the section's writes; no other lock is taken under it.

#include <cstdint>

#include "core/MapT.h"
#include "core/Str.h"

namespace orv {

// Policy flag bits.
constexpr int32_t kPolicyWork = 1;            // work in this application at all
constexpr int32_t kPolicyCaret = 2;           // popups at the text caret (else at the mouse)
constexpr int32_t kPolicyCompletion = 4;      // word completion
constexpr int32_t kPolicySpelling = 8;        // spelling check
constexpr int32_t kPolicyAutoSwitch = 16;     // automatic layout switching
constexpr int32_t kPolicyClipboardMenu = 32;  // clipboard menu on the middle button
constexpr int32_t kPolicyAll = 63;
// What "Do not work in this application" leaves: work, caret, clipboard menu.
constexpr int32_t kPolicyAsked = 35;

// The options window's explanation key of each bit, bit 0 first.
extern const char* const kPolicyHelpKeys[6];

using PolicyTable = MapT<Str8, int32_t>;  // lower-cased executable name -> flags

// The flags of an executable (8-bit name in the ANSI code page): 0 for an
// empty name, 63 for the program's own executable, -1 when it has no policy.
int32_t policyFlags(const char* exeName);
// Whether the application allows every feature in `mask` (and works at all).
bool policyAllows(const char* exeName, int32_t mask);
// Sets an executable's flags and rewrites the section; ignored for an empty
// name and the program's own.
void setPolicy(const char* exeName, int32_t flags);
// Called for every key and mouse event: an executable without a policy goes
// to the end of the recent list (at most 10 names, oldest first).
void notePolicyCandidate(const char* exeName);
ArrT<Str8> recentPolicyCandidates();

// The options window edits a copy and hands it back whole.
PolicyTable copyPolicies();
void replacePolicies(const PolicyTable& table);

// The program's own executable name, lower-cased ("orvanta.exe").
Str8 ownExeName();

// Whether keys typed into a window of this class are never tracked (the
// standard controls that do not hold text); any case.
bool isNeverTrackedClass(const char* className);
bool isNeverTrackedClass(std::u16string_view className);

// Tests: forget the loaded table and the recent list.
void forgetPolicies();

}  // namespace orv
