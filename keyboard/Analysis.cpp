// The analysis driver and the switch decision: the last word taken apart in
// every layout, and a switch when exactly one other layout gives a known word.

#include "app/Policies.h"
#include "keyboard/KeyboardEngine.h"

namespace orv {

Analizer* KeyboardEngine::analizer(const KeybBuffer* buffer) {
  auto it = myAnalizers.find(buffer);
  return it == myAnalizers.end() ? nullptr : it->second.get();
}

void KeyboardEngine::bufferCreated(KeybBuffer& buffer) {
  myAnalizers[&buffer] = std::make_unique<Analizer>(buffer.layout, &buffer, &myHost);
}

void KeyboardEngine::bufferDestroyed(KeybBuffer& buffer) {
  if (myWide.current && myWide.current->buffer == &buffer) myWide.current = nullptr;
  if (myPlan.target == &buffer) myPlan = SwitchPlan();
  myAnalizers.erase(&buffer);
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
  Analizer* candidate = nullptr;
  for (KeybBuffer* b : state.analysisOrder) {
    Analizer* a = analizer(b);
    if (!a || a->status == 0) continue;
    if (a->delimiter != kDelimNone && a->delimiter != kClassSpace) continue;
    if (a->trailing.size() > 0 && a->status != 1) continue;
    if (candidate) return;  // the tie-break is strict
    candidate = a;
  }
  if (candidate && candidate != myWide.current) {
    state.pendingSwitch = candidate->buffer;
    state.outcome.switchDone = 1;
  }
}

}  // namespace orv
