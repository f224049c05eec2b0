// The analysis driver and the switch decision: the last word taken apart in
// every layout, and a switch when exactly one other layout gives a known word
// (layouts whose languages share a code page are told apart by language).

#include <vector>

#include "app/Policies.h"
#include "keyboard/KeyboardEngine.h"
#include "language/Locale.h"
#include "platform/Text.h"

namespace orv {

namespace {

// After the word has ended only a whole word counts; while it is typed, the
// beginning of one does too.
bool counts(const Analizer& a, int status) { return a.trailing.size() > 0 ? status == 1 : status != 0; }

// Whether the dictionaries of the layout's own language (by language, not by
// code page) know its rendering.
bool ownLanguageKnows(KeyboardHost& host, const Analizer& a) {
  const char* language = localeRecord(a.layout & 0xFFFF).language;
  if (!language || !*language) return false;
  return counts(a, host.checkInLanguage(a.word, static_cast<int32_t>(a.codePage), str8(language)));
}

// What a switch to the layout would paste, as text: the previous word too
// when the preposition rule takes it along.
Str16 retypedText(const Analizer& a, bool prepos) {
  Str8 text;
  if (prepos && a.prevStatus == 1 && a.prevWord.size() > 0) {
    text = a.prevWord;
    for (int32_t k = 0; k < a.spaces; ++k) text.append(' ');
  }
  text.append(a.word);
  text.append(a.trailing);
  return toWide(text, a.codePage);
}

// Two or more layouts give a known word. Layouts that render the same text
// are one candidate (a code page shared by two languages finds the word in
// both): it stands for the layout whose own language knows the word, else
// the first in analysis order, and for the current layout when that is one
// of them (a switch would change nothing the user sees). Candidates with
// different texts are a real tie unless exactly one of them is known in its
// own language. A real tie (different words, each known in its own
// language: "было" in Russian, "біло" in Ukrainian) goes to the layout the
// user has been writing in most recently when that is one of them and the
// current layout is none of them; otherwise it stays a tie.
Analizer* resolveTie(KeyboardHost& host, const std::vector<Analizer*>& candidates, const Analizer* current,
                     bool prepos, Hkl recent) {
  struct Group {
    Str16 text;
    Analizer* pick;
    bool ownKnows;
    Analizer* recent;  // the member that is the recent layout
  };
  std::vector<Group> groups;
  for (Analizer* a : candidates) {
    Str16 text = retypedText(*a, prepos);
    bool own = ownLanguageKnows(host, *a);
    Analizer* isRecent = recent != 0 && a->layout == recent ? a : nullptr;
    Group* g = nullptr;
    for (Group& x : groups)
      if (x.text == text) g = &x;
    if (!g) {
      groups.push_back({text, a, own, isRecent});
      continue;
    }
    if (g->pick != current && (a == current || (own && !g->ownKnows))) g->pick = a;
    g->ownKnows = g->ownKnows || own;
    if (isRecent) g->recent = isRecent;
  }
  if (groups.size() == 1) return groups[0].pick;
  Analizer* preferred = nullptr;
  Analizer* remembered = nullptr;
  int known = 0;
  bool currentTied = false;
  for (const Group& g : groups) {
    currentTied = currentTied || g.pick == current;
    if (!g.ownKnows) continue;
    ++known;
    if (!preferred) preferred = g.pick;
    if (g.recent) remembered = g.recent;
  }
  if (known <= 1) return preferred;
  return remembered && !currentTied ? remembered : nullptr;
}

}  // namespace

Analizer* KeyboardEngine::analizer(const KeybBuffer* buffer) {
  auto it = myAnalizers.find(buffer);
  return it == myAnalizers.end() ? nullptr : it->second.get();
}

void KeyboardEngine::bufferCreated(KeybBuffer& buffer) {
  myAnalizers[&buffer] = std::make_unique<Analizer>(buffer.layout, &buffer, &myHost);
  translitBufferCreated(buffer);
}

void KeyboardEngine::bufferDestroyed(KeybBuffer& buffer) {
  if (myWide.current && myWide.current->buffer == &buffer) myWide.current = nullptr;
  if (myPlan.target == &buffer) myPlan = SwitchPlan();
  myAnalizers.erase(&buffer);
  translitBufferDestroyed(buffer);
}

int KeyboardEngine::currentWordLength(KeyboardState& state) {
  Analizer* a = state.current ? analizer(state.current) : nullptr;
  return a ? a->word.size() : 0;
}

void KeyboardEngine::analyseWord(KeyboardState& state, const KeyEventRecord& record) {
  state.analysisThread = record.thread;
  // A decision waits for the next key-up. Keys pressed before it (a fast
  // typist's next letter while Space is still down) are retyped with it
  // (carryOutSwitch), so they neither cancel it nor decide anew.
  bool waiting = state.pendingSwitch != nullptr && myPlan.target == state.pendingSwitch;
  if (!waiting) state.pendingSwitch = nullptr;
  myWide = AnalysisWide();
  myWide.wordTerminated = 1;
  myWide.allOdd = 1;
  myWide.shortest = -1;
  myWide.current = state.current ? analizer(state.current) : nullptr;
  if (!myWide.current) return;
  EventOutcome& o = state.outcome;
  for (KeybBuffer* b : state.analysisOrder) {
    Analizer* a = analizer(b);
    if (!a) continue;
    a->extractWord(state.typedKeys.data(), state.typedKeys.size(), myWide, myHost, o.oddEnding, o.wordKnown,
                   kTooLongWord);
    int32_t len = a->word.size();
    if (len > myWide.longest) myWide.longest = len;
    if (myWide.shortest < 0 || len < myWide.shortest) myWide.shortest = len;
    if (len >= kTooLongWord || a->trailing.size() >= kTooLongWord) myWide.tooLong = 1;
  }
  if (myWide.shortest < 0) myWide.shortest = 0;
  if (myWide.tooLong) return;
  Analizer& cur = *myWide.current;
  o.wordFound = cur.status == 1;
  if (myWide.allOdd || myWide.longest < state.settings().workStartSymbolCount()) return;
  // A whole word ended by one character is only remembered as typed.
  if (o.wordFound && cur.trailing.size() == 1) {
    myHost.lastTypedWord(cur.layout, cur.wordCopy);
    noteRecentLayout(cur, true);
    return;
  }
  if (cur.word.size() == 0) return;
  int32_t rect[4];
  bool noCaret = true;
  caretRectangle(record, rect, noCaret);
  if (!waiting) {
    decideByDictionary();
    // The retype is fixed now, while the target's reading is this text.
    if (state.pendingSwitch) {
      if (Analizer* target = analizer(state.pendingSwitch)) {
        myPlan = planSwitch(*target);
        state.pendingKeys = myPlan.keys;
      } else {
        state.pendingSwitch = nullptr;
      }
    }
  }
  // Completion or spelling while the word is typed; the spelling check of
  // the whole word once it has ended and stays as it is.
  const KeyboardSettings& s = state.settings();
  const char* exe = state.exeName.c_str();
  myMenuByKeyboard = false;  // a popup of its own: Enter stays the application's
  if (!myWide.wordTerminated) {
    if (s.acUse() == 1 && myHost.policyAllows(exe, kPolicyCompletion) &&
        myHost.showCompletion(cur.layout, cur.wordCopy, rect, noCaret))
      return;
    if (!o.wordFound && s.ocUse() == 1 && s.ocSpaceOnly() == 0 && myHost.policyAllows(exe, kPolicySpelling))
      myHost.spellingSuggestions(cur.layout, cur.wordCopy, rect, noCaret);
  } else if (!state.pendingSwitch) {
    myHost.wordEndSpellingCheck(cur.layout, cur.wordCopy, rect, noCaret);
  }
}

void KeyboardEngine::caretRectangle(const KeyEventRecord& r, int32_t rect[4], bool& noCaret) {
  rect[0] = rect[1] = rect[2] = rect[3] = 0;
  noCaret = true;
  if (!myHost.policyAllows(myState->exeName.c_str(), kPolicyCaret)) return;
  const int32_t* c = r.caretRect;
  noCaret = c[3] == 0 && c[2] == 0;
  for (int k = 0; k < 4; ++k) rect[k] = c[k];
  if (myHost.isWindow(r.focus)) {
    int32_t x = 0, y = 0;
    myHost.clientOrigin(r.focus, x, y);
    int32_t h = c[3] - c[1];
    rect[0] = c[0] + x + h;
    rect[1] = c[1] + y;
    rect[2] = c[2] + x + h;
    rect[3] = c[3] + y;
  }
}

void KeyboardEngine::decideByDictionary() {
  KeyboardState& state = *myState;
  const KeyboardSettings& s = state.settings();
  if (state.outcome.wordFound || state.switchedInWord || s.autoswUse() == 0) return;
  if (s.autoswSpaceOnly() == 1 && !myWide.wordTerminated) return;
  if (!myHost.policyAllows(state.exeName.c_str(), kPolicyAutoSwitch)) return;
  auto isCandidate = [](const Analizer* a) {
    if (!a || a->status == 0) return false;
    if (a->delimiter != kDelimNone && a->delimiter != kClassSpace) return false;  // glued to other characters
    return counts(*a, a->status);
  };
  Analizer* candidate = nullptr;
  bool tie = false;
  for (KeybBuffer* b : state.analysisOrder) {
    Analizer* a = analizer(b);
    if (!isCandidate(a)) continue;
    if (candidate) {
      tie = true;
      break;
    }
    candidate = a;
  }
  if (tie) {
    std::vector<Analizer*> all;
    for (KeybBuffer* b : state.analysisOrder)
      if (Analizer* a = analizer(b); isCandidate(a)) all.push_back(a);
    candidate = resolveTie(myHost, all, myWide.current, s.autoswPrepos() == 1, myRecent);
  }
  if (candidate && candidate != myWide.current) {
    state.pendingSwitch = candidate->buffer;
    state.outcome.switchDone = 1;
    noteRecentLayout(*candidate, false);
  }
}

void KeyboardEngine::noteRecentLayout(const Analizer& a, bool ownWordOnly) {
  if (ownWordOnly && !ownLanguageKnows(myHost, a)) return;
  myRecent = a.layout;
}

}  // namespace orv
