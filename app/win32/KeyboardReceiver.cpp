// The keys the receiver gets go to the keyboard state (typed keys, word
// buffers per layout, layout tracking). Until the hotkey table exists, the
// frame's own hotkeys (Ctrl+Alt+D on/off, Ctrl+Alt+F10 exit) answer the
// hotkey seam; a key in a password field counts as one in a never-tracked
// window, so its text is dropped.

#include "app/Policies.h"
#include "app/Settings.h"
#include "app/Sounds.h"
#include "app/win32/Program.h"
#include "hook/HookLogic.h"
#include "hook/ReceiverKeys.h"
#include "keyboard/KeyboardState.h"

namespace orv::win {

namespace {

class ProgramKeyboardSettings final : public KeyboardSettings {
 public:
  std::string hklOrder() const override { return utf16ToUtf8(cfgHklOrder.get()); }
  int onlySelLaySwitch() const override { return cfgOnlySelLaySwitch.get(); }
  int autocomplete() const override { return cfgAutocomplete.get(); }
  int workStartSymbolCount() const override { return cfgWorkStartSymbolCnt.get(); }
};

class ProgramSeams final : public KeyboardSeams {
 public:
  bool isNeverTrackedClass(const char* focusClass) override {
    return password || orv::isNeverTrackedClass(focusClass);
  }
  bool offerHotkey(KeyboardState&, const KeyEventRecord& r) override {
    HotkeyMatch m = matchFrameHotkey(r);
    if (!m.matched) return false;
    hook::setSwallowUp(*shared, static_cast<uint8_t>(r.vk));
    hotkey = m;
    return true;
  }
  bool isSwitchedOff() override { return g_program.switchedOff != 0; }
  void playSound(int index) override { orv::playSound(index); }
  void textReset() override {
    if (shared) ++shared->resetCount;
  }

  // The event being handled.
  bool password = false;
  HookShared* shared = nullptr;
  HotkeyMatch hotkey;
};

class KeyboardReceiver final : public KeyReceiver {
 public:
  KeyboardReceiver() : myState(keyboardPort(), mySettings, mySeams) {}

  KeyOutcome onKey(const KeyEventRecord& k, bool password, HookShared& shared) override {
    mySeams.password = password;
    mySeams.shared = &shared;
    mySeams.hotkey = HotkeyMatch();
    KeyOutcome out;
    out.result = myState.onKeyEvent(k);
    if (k.sequenceDone) out.kind = KeyOutcome::Sentinel;
    else if (mySeams.hotkey.matched) out.kind = KeyOutcome::Hotkey;
    else if (password) out.kind = KeyOutcome::Password;
    out.command = mySeams.hotkey.command;
    return out;
  }
  void resetAndTrack() override { myState.resetAndTrack(); }
  void syncLayouts() override { myState.syncLayouts(); }

  void start(HookShared* shared) {
    mySeams.shared = shared;
    myState.syncLayouts();
  }

 private:
  ProgramKeyboardSettings mySettings;
  ProgramSeams mySeams;
  KeyboardState myState;
};

KeyboardReceiver* g_keyboard = nullptr;

}  // namespace

KeyReceiver* startKeyboard() {
  if (!g_keyboard) g_keyboard = new KeyboardReceiver();  // lives as long as the process
  g_keyboard->start(g_program.shared);
  return g_keyboard;
}

}  // namespace orv::win
