#pragma once
// Types key scripts (KeyScript.h) into the simulated desktop's application
// as a user would: each character with the key (and Shift) that gives it in
// the application's active layout, named keys and chords as presses and
// releases, layout switches with Alt+Shift. Every key goes through the hook
// library to the program, and everything the program starts runs to its end
// (timers included) before the next step.

#include <functional>
#include <string>
#include <vector>

#include "keyboard/sim/SimDesktop.h"
#include "platform/SimLayouts.h"
#include "tools/orvanta-sim/KeyScript.h"

namespace orv::simtool {

class DesktopTyper {
 public:
  explicit DesktopTyper(sim::SimDesktop& d) : myDesktop(d) {}
  // False with a message when a step cannot be typed.
  bool run(const std::vector<ScriptStep>& steps, std::string& err);
  bool runScript(const std::string& utf8, std::string& err);
  bool typeChar(char16_t c, std::string& err);
  // Presses the keys that give `c` in layout `from`, whatever layout is
  // active (false when `from` cannot type it).
  bool typeCharAs(char16_t c, const SimLayout& from);
  // Stops after the keys (no idle): a test can interleave its own steps.
  bool settle = true;
  // Carries out {Menu:N} and {Menu:Esc} (n = 0); without it they fail.
  std::function<bool(int32_t n, std::string& err)> menuStep;

 private:
  bool typeKey(const ScriptStep& s, std::string& err);
  bool switchLayout(const std::string& name, std::string& err);
  bool menu(int32_t n, std::string& err);
  void tap(uint32_t vk, uint32_t scan, bool shift, bool extended = false);
  void send(uint32_t vk, uint32_t scan, bool up, bool extended = false) { myDesktop.userKey(vk, scan, up, extended); }

  sim::SimDesktop& myDesktop;
};

}  // namespace orv::simtool
