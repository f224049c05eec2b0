// Switch and retype: the retyped word goes through the clipboard and the
// hook library's paste sequence; the last replacement can be undone and
// redone; the layout can be switched on a command or a lone Ctrl.

#include "hook/HookLogic.h"
#include "keyboard/KeyboardEngine.h"
#include "keyboard/LayoutOrder.h"
#include "platform/Text.h"

namespace orv {

KeyboardEngine::KeyboardEngine(HookShared& shared, Clipboard& clipboard, KeyboardHost& host)
    : myShared(shared), myClipboard(clipboard), myHost(host) {
  resetHotkeys();
}

KeyboardEngine::~KeyboardEngine() = default;

bool KeyboardEngine::worksIn(const char* exeName) { return myHost.policyAllows(exeName, 1); }

// Somebody copied since the last paste (a text, an image or files): that is
// the user's clipboard now, and what was kept before is stale. During a
// selection copy the change is the application's copy of ours.
bool KeyboardEngine::userCopiedSince() {
  if (!myBorrowed || myCopyPending || myClipboard.holdsOwnText(myLent) != Clipboard::Holds::Other) return false;
  myClipboard.dropSaved();
  myBorrowed = false;
  return true;
}

bool KeyboardEngine::putOnClipboard(const Str16& text) {
  userCopiedSince();
  myCopyPending = false;
  if (!myBorrowed) myClipboard.saveClipboard(false);
  myBorrowed = true;
  ++myLoan;
  myLoanTick = myClipboard.tickCount();
  myLent = text;
  if (myClipboard.setClipboardData(true, text)) return true;
  giveBackClipboard();
  return false;
}

// Only an overdue loan opens the clipboard here: a paste still running in
// the application must find it free.
void KeyboardEngine::checkClipboardLoan() {
  if (!myBorrowed || myClipboard.tickCount() - myLoanTick < kLoanDeadlineMs) return;
  if (myCopyPending) {  // the copy never came back: what is there is ours
    restoreClipboard(myLoan);
    return;
  }
  switch (myClipboard.holdsOwnText(myLent)) {
    case Clipboard::Holds::Ours: giveBackClipboard(); break;
    case Clipboard::Holds::Other: userCopiedSince(); break;
    case Clipboard::Holds::Busy: break;  // the next tick decides
  }
}

void KeyboardEngine::restoreClipboard(uint32_t loan) {
  if (!myBorrowed || loan != myLoan || userCopiedSince()) return;
  giveBackClipboard();
}

void KeyboardEngine::giveBackClipboard() {
  if (!myBorrowed) return;
  myClipboard.restoreClipboard();
  myBorrowed = false;
  myCopyPending = false;
}

void KeyboardEngine::borrowClipboardForCopy() {
  bool ours = myBorrowed && !userCopiedSince();
  if (ours) {
    myClipboard.setClipboardData(true, Str16());  // keeps the user's content kept earlier
  } else {
    myClipboard.saveClipboard(true);
    myBorrowed = true;
  }
  ++myLoan;
  myLoanTick = myClipboard.tickCount();
  myLent.clear();
  myCopyPending = true;
}

void KeyboardEngine::startRetype(uint32_t thread, uint32_t eraseCount, Hkl layout) {
  myShared.operation = kOpRetype;
  myShared.sequenceActive = 1;
  if (layout != 0) {
    myState->expectedLayout = layout;
    myHost.playSound(kSndSwitch);
  }
  myShared.pasteLayout = layout;
  myShared.eraseCount = eraseCount;
  myHost.postThreadCommand(thread, hook::kCmdPaste, 0);
}

void KeyboardEngine::completeSequence(KeyboardState&, const KeyEventRecord& record) {
  for (int k = 0; k < 256; ++k) myKeyStateAfter[k] = record.keyState[k];
  uint32_t code = 0;
  switch (myShared.operation) {
    case kOpRetype: code = 1; break;
    case kOpConvertNext: code = 4; break;
    case kOpConvertBetween: code = 5; break;
    case kOpTransliterate: code = 6; break;
    case kOpCopyForSpelling: code = 7; break;
    default: return;  // kOpCopyOnly: nothing follows
  }
  myHost.postThreadCommand(record.thread, hook::kCmdEcho, code);
}

void KeyboardEngine::onEcho(uint32_t code) {
  switch (code) {
    case 1: myHost.postThreadCommand(myShared.key.thread, hook::kCmdEcho, 2); break;
    case 2: myHost.postThreadCommand(myShared.key.thread, hook::kCmdEcho, 3); break;
    case 3: myHost.postRestoreClipboard(myLoan); break;
    case 4: mySelection.exec1(); break;
    case 5: mySelection.exec2(); break;
    case 6: mySelection.execTranslit(); break;
    case 7: mySelection.execEditorCopy(); break;
    default: break;
  }
}

void KeyboardEngine::carryOutSwitch(KeyboardState& state, KeybBuffer* target) {
  SwitchPlan plan = myPlan;
  myPlan = SwitchPlan();
  if (plan.target != target) {  // not decided by analyseWord: take the target's reading as it is
    if (Analizer* a = analizer(target)) runSwitchKL(*a);
    return;
  }
  int32_t count = state.typedKeys.size();
  if (count < plan.keys) return;  // the decided text no longer stands
  // Keys typed after the decision, before this key-up, show in the old
  // layout: they are erased and retyped in the target's with the word.
  state.renderTexts();
  for (int32_t k = plan.keys; k < count; ++k)
    if ((state.typedKeys[k] >> 16) != 0) ++plan.eraseCount;
  // A dead key that decided showed nothing; the next key may have brought
  // its own character out.
  if (plan.keys > 0 && !plan.lastKeyShown && (state.typedKeys[plan.keys - 1] >> 16) != 0) ++plan.eraseCount;
  const Str8& t = target->text;
  int32_t from = t.size();
  while (from > 0 && target->positions[from - 1] >= plan.keys) --from;
  plan.text.append(t.data() + from, t.size() - from);
  retype(plan);
}

SwitchPlan KeyboardEngine::planSwitch(Analizer& target) {
  SwitchPlan plan;
  plan.target = target.buffer;
  plan.layout = target.layout;
  plan.codePage = target.codePage;
  plan.keys = myState->typedKeys.size();
  plan.lastKeyShown = plan.keys > 0 && (myState->typedKeys[plan.keys - 1] >> 16) != 0;
  plan.eraseCount = static_cast<uint32_t>(target.wordKeys);
  plan.text = target.word;
  plan.text.append(target.trailing);
  // The whole preposition before the word goes with it.
  if (myState->settings().autoswPrepos() == 1 && target.prevStatus == 1 && target.prevWord.size() > 0) {
    plan.eraseCount += static_cast<uint32_t>(target.prevKeys);
    Str8 joined = target.prevWord;
    for (int32_t k = 0; k < target.spaces; ++k) joined.append(' ');
    joined.append(plan.text);
    plan.text = joined;
  }
  return plan;
}

void KeyboardEngine::runSwitchKL(Analizer& target) { retype(planSwitch(target)); }

void KeyboardEngine::retype(const SwitchPlan& plan) {
  KeyboardState& state = *myState;
  Str16 wide = toWide(plan.text, plan.codePage);
  myRedo = SwitchRecord{wide, plan.layout, plan.codePage, plan.eraseCount};
  forgetLastSwitch();
  if (!putOnClipboard(wide)) {
    myHost.debugLog("Analizer:runSwitchKL EEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEE\n");
    return;
  }
  // Undo puts back what the application shows now: the end of the typed
  // keys read in the layout seen last.
  SwitchRecord undo;
  if (KeybBuffer* cur = state.buffer(state.lastLayout)) {
    state.renderTexts();
    const Str8& shown = cur->text;
    int32_t from = shown.size() > static_cast<int32_t>(plan.eraseCount) ? shown.size() - int32_t(plan.eraseCount) : 0;
    Str8 tail(shown.data() + from, shown.size() - from);
    Analizer* curA = analizer(cur);
    undo.codePage = curA ? curA->codePage : cur->codePage;
    undo.text = toWide(tail, undo.codePage);
    undo.layout = cur->layout;
  }
  undo.eraseCount = static_cast<uint32_t>(wide.size());
  myUndo = undo;
  startRetype(state.analysisThread, plan.eraseCount, plan.layout);
  state.outcome.switchDone = 1;
}

void KeyboardEngine::forgetLastSwitch() { myUndo.text.clear(); }

void KeyboardEngine::switchBack() {
  KeyboardState& state = *myState;
  state.pendingSwitch = nullptr;  // this retype replaces a decision still waiting for its key-up
  state.current = state.buffer(state.lastLayout);
  state.rebuildTexts();
  bool anyText = false;
  for (int32_t i = 0; i < state.buffers.size(); ++i)
    if (state.buffers.valAt(i)->text.size() > 0) anyText = true;
  if (!anyText) {
    mySelection.convertSelection(myShared.key.thread);
    return;
  }
  if (!state.current) return;
  // Undo and redo alternate: replay the other record.
  if (myUndo.text.size() > 0) {
    SwitchRecord replay = myUndo;
    std::swap(myUndo, myRedo);
    if (putOnClipboard(replay.text)) {
      startRetype(state.analysisThread, replay.eraseCount, replay.layout);
      state.outcome.switchDone = 1;
    }
    return;
  }
  // Nothing to replay: convert the last word to the previous layout.
  Hkl target = state.previousLayout;
  if (target == 0) {
    for (Hkl h : systemLayoutList(state.port()))
      if (h != state.lastLayout) {
        target = h;
        break;
      }
  }
  KeybBuffer* tb = state.buffer(target);
  if (target == state.lastLayout || !tb) return;
  myWide = AnalysisWide();
  myWide.wordTerminated = 1;
  myWide.allOdd = 1;
  myWide.current = analizer(state.current);
  uint32_t odd = 0, known = 0;
  for (KeybBuffer* b : state.analysisOrder)
    if (Analizer* a = analizer(b)) a->extractWord(state.typedKeys.data(), state.typedKeys.size(), myWide, myHost, odd, known);
  Analizer* ta = analizer(tb);
  if (!ta || ta->wordKeys == 0) return;  // nothing typed to convert
  if (state.analysisThread == 0) state.analysisThread = myShared.key.thread;
  runSwitchKL(*ta);
}

void KeyboardEngine::switchToNextLayout() {
  KeyboardState& state = *myState;
  ArrT<Hkl> list = state.settings().onlySelLaySwitch() == 1
                       ? withoutSkipped(state.layoutOrder(), state.settings().hklSkip())
                       : systemLayoutList(state.port());
  if (list.size() < 2) return;
  Hkl next = 0;
  for (int32_t i = 0; i < list.size(); ++i)
    if (list[i] == myShared.key.layout) {
      next = list[(i + 1) % list.size()];
      break;
    }
  state.expectedLayout = next;
  myHost.postThreadCommand(myShared.key.thread, hook::kCmdActivateLayout, next);
  myHost.playSound(kSndSwitch);
}

bool KeyboardEngine::fastSwitch(const KeyEventRecord& r, bool enabled) {
  KeyboardState& state = *myState;
  if (!enabled || mySwitchedOff) return false;
  if ((r.keyFlags & 0x1FFFFFFEu) == 0) return false;
  if (r.keyState[1] >= 128 || r.keyState[2] >= 128 || r.keyState[4] >= 128) return false;
  const ArrT<RawKbd>& h = state.history;
  if (h.size() < 2) return false;
  const RawKbd& up = h[h.size() - 1];
  const RawKbd& down = h[h.size() - 2];
  if (up.down || up.vk != 17 || up.count != 0 || !down.down) return false;
  if (up.thread != down.thread || up.focus != down.focus) return false;
  int setting = state.settings().switchLayoutCtrl();
  if (!((setting == 1 && down.vk == 162) || (setting == 2 && down.vk == 163))) return false;
  switchToNextLayout();
  return true;
}

}  // namespace orv
