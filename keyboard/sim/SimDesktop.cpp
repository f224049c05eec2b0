// The simulated desktop: application, hook library, receiver and menu thread.

#include "keyboard/sim/SimDesktop.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "clipboard/Capture.h"
#include "hook/HookLogic.h"
#include "keyboard/MouseEvents.h"
#include "platform/SimLayouts.h"
#include "platform/Text.h"

namespace orv::sim {

namespace {

std::string hex(uint32_t v) {
  char b[16];
  std::snprintf(b, sizeof(b), "%X", v);
  return b;
}

const char* const kSoundKeys[4] = {"snd_KEY", "snd_WORD_FOUND", "snd_NOT_FOUND", "snd_SWITCH"};

}  // namespace

SimDesktop::SimDesktop(const std::vector<Hkl>& layouts, KeyboardSettings& settings)
    : state(keyboard, settings, engine), myInput(keyboard) {
  engine.attach(state);
  engine.bindNotes(&notes);
  engine.bindHistory(&history);
  keyboard.setInstalled(layouts.data(), int32_t(layouts.size()));
  if (!layouts.empty()) keyboard.activateLayout(layouts[0]);
  shared.receiver = 0x4001;  // the receiver window exists: the hooks report
  state.syncLayouts();
}

SimDesktop::~SimDesktop() = default;

Str16 SimDesktop::clipboardText() {
  Str16 t;
  clipboard.readClipboardText(t);
  return t;
}

std::string SimDesktop::appTextUtf8() const { return utf16ToUtf8(myText); }

void SimDesktop::setAppText(const Str16& text) {
  myText = text;
  myCaret = myAnchor = text.size();
}

void SimDesktop::select(int32_t start, int32_t end) {
  myAnchor = std::clamp(start, 0, myText.size());
  myCaret = std::clamp(end, 0, myText.size());
}

Str16 SimDesktop::selectedText() const {
  int32_t lo = std::min(myCaret, myAnchor), hi = std::max(myCaret, myAnchor);
  Str16 t;
  t.append(myText.data() + lo, hi - lo);
  return t;
}

int SimDesktop::checkInSet(const Str8& word, int32_t codePage) { return dictionary ? dictionary(word, codePage) : 0; }

void SimDesktop::postThreadCommand(uint32_t thread, uint32_t command, uint32_t lParam) {
  note("post " + std::to_string(command) + " " + hex(lParam) + (thread == app().thread ? "" : " (other thread)"));
  if (thread != app().thread) return;  // no such thread: PostThreadMessage fails
  myQueue.push_back(Item{Item::ThreadCommand, command, lParam});
}

void SimDesktop::postRestoreClipboard(uint32_t loan) {
  note("restore clipboard in 333 ms");
  myTimers.push_back(Timer{clipboardPort.tickCount() + 333, loan});
}

void SimDesktop::playSound(int index) {
  if (!soundOn || index < 0 || index > 3) return;
  sounds.push_back(index);
  note(std::string("sound ") + kSoundKeys[index]);
}

void SimDesktop::debugLog(const char* line) {
  std::string s(line);
  if (!s.empty() && s.back() == '\n') s.pop_back();
  note("log " + s);
}

void SimDesktop::userKey(uint32_t vk, uint32_t scan, bool up, bool extended, bool run) {
  myQueue.push_back(Item{Item::Key, vk, scan, up, extended});
  if (run) pump();
}

void SimDesktop::userClick(int32_t caret, uint32_t window) {
  pump();
  for (uint32_t message : {513u, 514u}) {  // WM_LBUTTONDOWN, WM_LBUTTONUP
    MouseEventRecord m = myInput.mouse(message, window);
    if (shared.receiver == 0 || shared.unhooking || !hook::isReportedMouseMessage(message)) continue;
    shared.mouse = m;
    MouseOutcome r;
    {
      SynchObject::Guard guard(state.lock());
      r = onMouseEvent(state, shared.mouse);
    }
    note(std::string("mouse ") + hex(message) + (r.reset ? " reset" : "") + (r.result & 1 ? " swallowed" : ""));
    if (message == 513 && !(r.result & 1) && m.window == myInput.app().focus) select(caret, caret);
  }
  pump();
}

bool SimDesktop::userMouse(uint32_t message, int32_t x, int32_t y, uint32_t window, bool handCursor,
                           const std::vector<uint8_t>& held) {
  pump();
  uint8_t* ks = keyboard.keyState();
  for (uint8_t vk : held) ks[vk] |= 0x80;
  MouseEventRecord m = myInput.mouse(message, window);
  for (uint8_t vk : held) ks[vk] &= 0x7F;
  m.pt[0] = x;
  m.pt[1] = y;
  bool swallowed = false;
  if (shared.receiver != 0 && !shared.unhooking && hook::isReportedMouseMessage(message)) {
    if (message == 519) shared.cursorNotHand = handCursor ? 0 : 1;  // WM_MBUTTONDOWN
    shared.mouse = m;
    MouseOutcome r;
    {
      SynchObject::Guard guard(state.lock());
      r = onMouseEvent(state, shared.mouse);
    }
    swallowed = r.result & 1;
    note(std::string("mouse ") + hex(message) + (r.reset ? " reset" : "") + (swallowed ? " swallowed" : ""));
  }
  pump();
  return swallowed;
}

void SimDesktop::showClipboardMenu(uint32_t thread, const char* exeName, bool hasPoint, int32_t x, int32_t y) {
  std::string line = "menu " + hex(thread) + " " + exeName;
  line += hasPoint ? " at " + std::to_string(x) + "," + std::to_string(y) : " at the pointer";
  note(line);
  menuRequests.push_back(line);
  if (menu) menu->showClipboardMenu(thread, exeName, hasPoint, x, y);
}

bool SimDesktop::userSwitchLayout(Hkl layout) {
  userKey(18, 0x38, false);
  userKey(16, 0x2A, false);
  bool ok = keyboard.activateLayout(layout);
  userKey(16, 0x2A, true);
  userKey(18, 0x38, true);
  return ok;
}

void SimDesktop::pump() {
  while (step()) {
  }
}

bool SimDesktop::step() {
  if (myQueue.empty()) return false;
  Item item = myQueue.front();
  myQueue.pop_front();
  runItem(item);
  return true;
}

void SimDesktop::advance(uint32_t ms) {
  uint32_t end = clipboardPort.tickCount() + ms;
  for (;;) {
    pump();
    auto it = std::min_element(myTimers.begin(), myTimers.end(),
                               [](const Timer& a, const Timer& b) { return a.due < b.due; });
    if (it == myTimers.end() || it->due > end) break;
    if (it->due > clipboardPort.tickCount()) clipboardPort.advance(it->due - clipboardPort.tickCount());
    uint32_t loan = it->loan;
    myTimers.erase(it);
    SynchObject::Guard guard(state.lock());
    bool was = engine.clipboardBorrowed();
    engine.restoreClipboard(loan);
    if (was && !engine.clipboardBorrowed()) {
      note("clipboard restored");
      ++clipboardRestores;
    } else {
      note("clipboard restore overtaken by a newer retype");
    }
  }
  if (end > clipboardPort.tickCount()) clipboardPort.advance(end - clipboardPort.tickCount());
  // The receiver's timer tick.
  SynchObject::Guard guard(state.lock());
  engine.checkClipboardLoan();
}

void SimDesktop::idle() {
  pump();
  while (!myTimers.empty()) advance(333);
}

void SimDesktop::runItem(const Item& item) {
  switch (item.kind) {
    case Item::Key: hookKey(item.a, item.b, item.up, item.extended); break;
    case Item::ThreadCommand: threadCommand(item.a, item.b); break;
    case Item::Echo: {
      note("echo " + std::to_string(item.a));
      SynchObject::Guard guard(state.lock());
      engine.onEcho(item.a);
      break;
    }
    case Item::LayoutReport: note("layout activated " + hex(item.a)); break;
    case Item::MenuCall: {
      std::function<void()> call = std::move(myMenuCalls.front());
      myMenuCalls.pop_front();
      call();
      break;
    }
    case Item::ClipboardCheck:
      if (checkClipboard(clipboard, history)) {
        note("history takes the clipboard");
        ++historyChanges;
        if (storesChanged) storesChanged();
      }
      break;
  }
}

// The keyboard hook inside the application's thread (HC_ACTION).
void SimDesktop::hookKey(uint32_t vk, uint32_t scan, bool up, bool extended) {
  KeyEventRecord r = myInput.key(vk, scan, up, extended);
  switch (hook::decideKey(shared, hook::kHcAction, vk, r.keyFlags)) {
    case hook::KeyVerdict::PassOn:
      appKey(vk, up);
      return;
    case hook::KeyVerdict::Swallow:
      note(std::string("hook swallows ") + (up ? "up " : "down ") + hex(vk));
      return;
    case hook::KeyVerdict::Report:
      break;
  }
  shared.key = r;
  shared.key.sequenceDone = 0;
  uint8_t ks[256];
  keyboard.getKeyState(ks);
  if (hook::finishSequence(shared, vk, r.keyFlags, ks)) {
    keyboard.setKeyState(ks);
    note("sentinel ends the sequence");
  }
  KeyEventRecord copy = shared.key;
  if (!copy.sequenceDone) note(std::string("key ") + (up ? "up " : "down ") + hex(vk));
  uint32_t result;
  {
    SynchObject::Guard guard(state.lock());
    auto t0 = std::chrono::steady_clock::now();
    result = state.onKeyEvent(copy);
    if (keyTimes && hook::isRealKey(r.keyFlags))
      keyTimes->push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
  }
  if (result) note("swallowed");
  if (tracing && !up && !copy.sequenceDone) traceAnalysis();
  if (hook::afterKeyReport(hook::kHcAction, vk, result) == hook::AfterReport::PassOn) appKey(vk, up);
}

// One line per layout with the word the last analysis saw and its status,
// and the decision when there was one.
void SimDesktop::traceAnalysis() {
  if (state.outcome.textGrew == 0 && state.outcome.backspaceTyped == 0) return;
  std::string line = "analysis";
  for (KeybBuffer* b : state.analysisOrder) {
    Analizer* a = engine.analizer(b);
    if (!a) continue;
    const SimLayout* l = findSimLayout(b->layout);
    line += std::string(" ") + (l ? l->shortName : "?") + " '" + utf16ToUtf8(toWide(a->word, a->codePage)) + "' " +
            std::to_string(a->status);
  }
  note(line);
  if (state.pendingSwitch) {
    const SimLayout* l = findSimLayout(state.pendingSwitch->layout);
    note(std::string("decision: switch to ") + (l ? l->shortName : "?") + " at the key-up");
  }
}

// The edit control.
void SimDesktop::appKey(uint32_t vk, bool up) {
  myAppKeys.push_back(std::string(up ? "up " : "down ") + hex(vk));
  if (up) return;
  const uint8_t* ks = keyboard.keyState();
  bool ctrl = ks[17] & 0x80, alt = ks[18] & 0x80;
  int32_t lo = std::min(myCaret, myAnchor), hi = std::max(myCaret, myAnchor);
  auto eraseSelection = [&]() {
    if (lo == hi) return false;
    myText.remove(lo, hi - lo);
    myCaret = myAnchor = lo;
    return true;
  };
  // Cut: the selection is copied as Ctrl+C copies it, then erased.
  if (ctrl && !alt && vk == 'X') {
    if (lo != hi) {
      clipboard.setClipboardData(true, selectedText());
      eraseSelection();
    }
    return;
  }
  if (ctrl && !alt) {
    if (vk == 'V') {
      Str16 t;
      clipboard.readClipboardText(t);
      eraseSelection();
      insertText(t.data(), t.size());
    } else if (vk == 'C' && lo != hi) {
      Str16 t;
      for (int32_t k = lo; k < hi; ++k) t.append(myText[k]);
      clipboardPort.userCopy(t.data(), t.size());  // a user's copy: no private marks
    } else if (vk == 'A') {
      myAnchor = 0;
      myCaret = myText.size();
    }
    return;
  }
  if (alt) return;
  switch (vk) {
    case 8:
      if (!eraseSelection() && myCaret > 0) {
        myText.remove(myCaret - 1, 1);
        myAnchor = --myCaret;
      }
      return;
    case 46:
      if (!eraseSelection() && myCaret < myText.size()) myText.remove(myCaret, 1);
      return;
    case 37: case 39: case 36: case 35:
      if (ks[16] & 0x80) {  // Shift moves the caret and keeps the anchor: the selection grows or shrinks
        myCaret = vk == 37 ? std::max(0, myCaret - 1)
                  : vk == 39 ? std::min(myText.size(), myCaret + 1)
                  : vk == 36 ? 0 : myText.size();
        return;
      }
      if (vk == 37) myCaret = myAnchor = std::max(0, lo - (lo == hi ? 1 : 0));
      else if (vk == 39) myCaret = myAnchor = std::min(myText.size(), hi + (lo == hi ? 1 : 0));
      else myCaret = myAnchor = vk == 36 ? 0 : myText.size();
      return;
    case 32: { char16_t c = u' '; eraseSelection(); insertText(&c, 1); return; }
    case 13: { char16_t c = u'\n'; eraseSelection(); insertText(&c, 1); return; }
    case 9: { char16_t c = u'\t'; eraseSelection(); insertText(&c, 1); return; }
    case 27: return;  // an edit control ignores Escape's character
    default: break;
  }
  char16_t out[2];
  bool dead = false;
  int32_t n = keyboard.typeKey(vk, out, &dead);
  if (n > 0) {
    eraseSelection();
    insertText(out, n);
  }
}

void SimDesktop::insertText(const char16_t* s, int32_t n) {
  for (int32_t k = 0; k < n; ++k) myText.insertAt(myCaret + k, s[k]);
  myCaret += n;
  myAnchor = myCaret;
}

namespace {

// The steps of a synthetic sequence, carried out in the application.
class Steps : public hook::StepSink {
 public:
  Steps(std::function<void(const hook::SeqStep&)> f) : myF(std::move(f)) {}
  void step(const hook::SeqStep& s) override { myF(s); }

 private:
  std::function<void(const hook::SeqStep&)> myF;
};

}  // namespace

// The get-message hook carrying out a thread command in the application.
void SimDesktop::threadCommand(uint32_t command, uint32_t lParam) {
  if (shared.receiver == 0 || shared.unhooking) return;
  note("command " + std::to_string(command) + " " + hex(lParam));
  uint8_t* ks = keyboard.keyState();
  auto run = [&](const hook::SeqStep& s) {
    switch (s.kind) {
      case hook::SeqStep::RecordModifiers:
        hook::recordModifiers(shared, int16_t(ks[160] & 0x80 ? -1 : 0), int16_t(ks[161] & 0x80 ? -1 : 0),
                              int16_t(ks[162] & 0x80 ? -1 : 0), int16_t(ks[163] & 0x80 ? -1 : 0));
        break;
      case hook::SeqStep::ReleaseModifiers:
        for (uint8_t m : hook::kReleasedModifiers) synthKey(m, true);
        break;
      case hook::SeqStep::ActivateLayout: keyboard.activateLayout(shared.pasteLayout); break;
      case hook::SeqStep::Key: synthKey(s.vk, s.up); break;
      case hook::SeqStep::Sentinel: synthKey(hook::kSentinelVk, true); break;
    }
  };
  Steps steps(run);
  switch (command) {
    case hook::kCmdActivateLayout: {
      Hkl target = lParam;
      if (target == 0) {  // HKL_PREV
        const ArrT<Hkl>& list = keyboard.installed();
        for (int32_t i = 0; i < list.size(); ++i)
          if (list[i] == keyboard.currentLayout()) target = list[(i + list.size() - 1) % list.size()];
      }
      keyboard.activateLayout(target);
      myQueue.push_back(Item{Item::LayoutReport, target, 0});
      break;
    }
    case hook::kCmdRecordModifiers:
      if (lParam == 0) run(hook::SeqStep{hook::SeqStep::RecordModifiers, 0, false});
      break;
    case hook::kCmdEcho:
      if (!echoesLost) myQueue.push_back(Item{Item::Echo, lParam, 0});
      break;
    case hook::kCmdPaste: hook::pasteSequence(shared.pasteLayout, shared.eraseCount, steps); break;
    case hook::kCmdCopy: hook::copySequence(steps); break;
    case hook::kCmdCapsOff:
    case hook::kCmdNumOff:
    case hook::kCmdScrollOff: {
      uint32_t vk = command == hook::kCmdCapsOff ? 20 : command == hook::kCmdNumOff ? 144 : 145;
      if (ks[vk] & 1) {
        synthKey(vk, false);
        synthKey(vk, true);
      }
      break;
    }
    default: break;
  }
}

void SimDesktop::lastTypedWord(Hkl layout, const Str8& word) {
  lastTyped.push_back(std::string(view(word)));
  if (wordMenus) wordMenus->rememberTypedWord(layout, word);
}

bool SimDesktop::showCompletion(Hkl, const Str8&, const int32_t rect[4], bool noCaret) {
  if (!wordMenus || !menu) return false;
  XMenu* root = wordMenus->collectCompletions(state.analysisThread, state.exeName.c_str());
  if (!root) return false;
  menu->showWordMenu(root, rect, noCaret);
  return true;
}

void SimDesktop::spellingSuggestions(Hkl, const Str8&, const int32_t rect[4], bool noCaret) {
  if (!wordMenus || !menu) return;
  if (XMenu* root = wordMenus->spellingWhileTyping(state.analysisThread, state.exeName.c_str()))
    menu->showWordMenu(root, rect, noCaret);
}

void SimDesktop::wordEndSpellingCheck(Hkl, const Str8&, const int32_t rect[4], bool noCaret) {
  if (!wordMenus || !menu) return;
  if (XMenu* root = wordMenus->spellingAtWordEnd(state.analysisThread, state.exeName.c_str()))
    menu->showWordMenu(root, rect, noCaret);
}

}  // namespace orv::sim
