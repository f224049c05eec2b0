#pragma once
// What the whole-flow tests share: a simulated desktop that answers from a
// small word set, and the user's keys given as a DesktopTyper script.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "keyboard/sim/SimDesktop.h"
#include "platform/Text.h"
#include "support/WordSet.h"
#include "tools/orvanta-sim/DesktopTyper.h"

namespace orv::test {

constexpr Hkl kUs = 0x04090409, kRu = 0x04190419, kUa = 0x04220422, kDe = 0x04070407;

// The settings the flows vary; each starts at the program's default.
struct SimSettings : KeyboardSettings {
  int spaceOnly = KeyboardSettings::autoswSpaceOnly(), prepos = KeyboardSettings::autoswPrepos();
  int ctrl = KeyboardSettings::switchLayoutCtrl(), minLetters = KeyboardSettings::workStartSymbolCount();
  int middleButton = KeyboardSettings::midBtnModifiers(), copyByMouse = KeyboardSettings::copyByLRMouse();
  int completeKey = KeyboardSettings::autocomplete(), completions = KeyboardSettings::acUse();
  int spelling = KeyboardSettings::ocUse(), autoSwitch = KeyboardSettings::autoswUse();
  int autoswSpaceOnly() const override { return spaceOnly; }
  int autoswPrepos() const override { return prepos; }
  int switchLayoutCtrl() const override { return ctrl; }
  int workStartSymbolCount() const override { return minLetters; }
  int midBtnModifiers() const override { return middleButton; }
  int copyByLRMouse() const override { return copyByMouse; }
  int autocomplete() const override { return completeKey; }
  int acUse() const override { return completions; }
  int ocUse() const override { return spelling; }
  int autoswUse() const override { return autoSwitch; }
};

// settle = false stops as soon as the keys are in, before the queued work runs.
inline void typeInto(sim::SimDesktop& d, const std::string& script, bool settle = true) {
  simtool::DesktopTyper t(d);
  t.settle = settle;
  std::string err;
  ASSERT_TRUE(t.runScript(script, err)) << err;
}

// The desktop looks words up in `words`, which must outlive it.
inline std::unique_ptr<sim::SimDesktop> desktopWith(const std::vector<Hkl>& layouts, KeyboardSettings& settings,
                                                    const WordSet& words) {
  auto d = std::make_unique<sim::SimDesktop>(layouts, settings);
  d->dictionary = [&words](const Str8& w, int32_t cp) { return words.check(w, cp); };
  return d;
}

inline std::string clipboardUtf8(sim::SimDesktop& d) { return utf16ToUtf8(d.clipboardText()); }

// A one-pixel bitmap (CF_DIB): clipboard content that is no text.
inline void putImage(sim::SimDesktop& d) {
  static const std::string image("\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x20\0\0\0\0\0\xff\x80\x00\x00", 24);
  ASSERT_TRUE(d.clipboardPort.open());
  d.clipboardPort.empty();
  d.clipboardPort.setData(8, image.data(), static_cast<int32_t>(image.size()));
  d.clipboardPort.close();
}

}  // namespace orv::test
