#include "tools/orvanta-sim/DesktopTyper.h"

#include "platform/SimLayouts.h"
#include "platform/Text.h"

namespace orv::simtool {

bool DesktopTyper::runScript(const std::string& utf8, std::string& err) {
  std::vector<ScriptStep> steps;
  if (!parseKeyScript(utf8, steps, err)) return false;
  return run(steps, err);
}

bool DesktopTyper::run(const std::vector<ScriptStep>& steps, std::string& err) {
  for (const ScriptStep& s : steps) {
    bool ok = s.kind == ScriptStep::kChar   ? typeChar(s.ch, err)
              : s.kind == ScriptStep::kKey  ? typeKey(s, err)
              : s.kind == ScriptStep::kMenu ? menu(s.menuItem, err)
                                            : switchLayout(s.layout, err);
    if (!ok) return false;
    if (settle) myDesktop.idle();
  }
  return true;
}

bool DesktopTyper::menu(int32_t n, std::string& err) {
  if (menuStep) return menuStep(n, err);
  err = "no popup menu in this run\n";
  return false;
}

void DesktopTyper::tap(uint32_t vk, uint32_t scan, bool shift, bool extended) {
  if (shift) send(16, 0x2A, false);
  send(vk, scan, false, extended);
  send(vk, scan, true, extended);
  if (shift) send(16, 0x2A, true);
}

bool DesktopTyper::typeChar(char16_t c, std::string& err) {
  if (c == u' ') return tap(32, 0x39, false), true;
  if (c == u'\t') return tap(9, 0x0F, false), true;
  if (c == u'\n') return tap(13, 0x1C, false), true;
  const SimLayout* l = myDesktop.keyboard.activeTable();
  if (!l) {
    err = "no active layout\n";
    return false;
  }
  if (typeCharAs(c, *l)) return true;
  // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on
  // "literal" + std::string&& and on assigning a one-character literal.
  err.clear();
  err.push_back('\'');
  err += utf16ToUtf8(std::u16string_view(&c, 1));
  err += "' cannot be typed in layout ";
  err += l->shortName;
  err += '\n';
  return false;
}

bool DesktopTyper::typeCharAs(char16_t c, const SimLayout& l) {
  if (c == u' ') return tap(32, 0x39, false), true;
  bool caps = myDesktop.keyboard.keyState()[20] & 1;
  for (int32_t i = 0; i < l.keyCount; ++i) {
    const SimKey& k = l.keys[i];
    for (unsigned shift = 0; shift < 2; ++shift) {
      bool dead = false;
      if (simKeyChar(k, shift | (caps ? 2u : 0u), &dead) == c && !dead) {
        tap(k.vk, k.scan, shift != 0);
        return true;
      }
    }
  }
  return false;
}

bool DesktopTyper::typeKey(const ScriptStep& s, std::string& err) {
  uint32_t scan = s.scan;
  if (scan == 0) {
    const SimLayout* l = myDesktop.keyboard.activeTable();
    const SimKey* k = l ? simKeyByVk(*l, s.vk) : nullptr;
    if (!k) {
      err = "no key with this virtual key in the active layout\n";
      return false;
    }
    scan = k->scan;
  }
  if (s.edge != ScriptStep::kTap) {
    send(s.vk, scan, s.edge == ScriptStep::kRelease, s.extended);
    return true;
  }
  if (s.modifiers & 2) send(17, 0x1D, false);
  if (s.modifiers & 4) send(18, 0x38, false);
  if (s.modifiers & 1) send(16, 0x2A, false);
  tap(s.vk, scan, false, s.extended);
  if (s.modifiers & 1) send(16, 0x2A, true);
  if (s.modifiers & 4) send(18, 0x38, true);
  if (s.modifiers & 2) send(17, 0x1D, true);
  return true;
}

bool DesktopTyper::switchLayout(const std::string& name, std::string& err) {
  const SimLayout* l = findSimLayout(name.c_str());
  if (!l || !myDesktop.userSwitchLayout(l->hkl)) {
    err = "layout '" + name + "' is not installed\n";
    return false;
  }
  return true;
}

}  // namespace orv::simtool
