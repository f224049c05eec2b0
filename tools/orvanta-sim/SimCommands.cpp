// orvanta-sim's commands over a fresh simulated desktop and keyboard state.

#include "tools/orvanta-sim/SimCommands.h"

#include <cstdio>
#include <memory>

#include "core/Str.h"
#include "keyboard/KeyboardState.h"
#include "language/Locale.h"
#include "platform/SimLayouts.h"
#include "platform/Text.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimKeyboard.h"
#include "tools/orvanta-sim/KeyScript.h"
#include "tools/orvanta-sim/SimMenu.h"
#include "tools/orvanta-sim/SimRun.h"

namespace orv::simtool {

namespace {

const char* kUsage =
    "usage: orvanta-sim layouts\n"
    "       orvanta-sim convert --from L --to L TEXT\n"
    "       orvanta-sim convert --next --layouts L1,L2[,L3...] TEXT\n"
    "       orvanta-sim render --layouts L1,L2[,...] --active L [--keys] SCRIPT\n"
    "       orvanta-sim type --layouts L1,L2[,L3] --active L [--dic DIR]... [--set section.key=value]...\n"
    "                        [--clipboard TEXT] [--app NAME.exe] [--translit DIR] [--trace] SCRIPT\n"
    "       orvanta-sim eval --layouts L1,L2 --lang en|ru|uk [--dic DIR]... [--sentences] [--keep-inner]\n"
    "                        [--set section.key=value]... [--misses FILE] CORPUS.txt\n"
    "       orvanta-sim menu [--set section.key=value]... [--history-file F] [--notes-file F]\n"
    "                        [--templates DIR] [--layouts L1,L2...] [--app NAME.exe]\n"
    "L is a short name (us, ru, ua, de, fr) or a layout handle in hexadecimal.\n";

struct Failure {
  int status;
  std::string message;
};

std::string hex8(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof(buf), "%08X", v);
  return buf;
}

std::string layoutText(const Str8& text, unsigned codePage) { return utf16ToUtf8(toWide(text, codePage)); }

const SimLayout* layoutArg(const std::string& name, std::string& err) {
  const SimLayout* l = findSimLayout(name.c_str());
  if (!l) err = "unknown layout '" + name + "' (known: us, ru, ua, de, fr, or their handles in hexadecimal)\n";
  return l;
}

bool layoutListArg(const std::string& list, std::vector<const SimLayout*>& out, std::string& err) {
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    const SimLayout* l = layoutArg(list.substr(start, comma - start), err);
    if (!l) return false;
    for (const SimLayout* seen : out)
      if (seen == l) {
        err = "layout '" + std::string(l->shortName) + "' is named twice in --layouts\n";
        return false;
      }
    out.push_back(l);
    start = comma + 1;
  }
  return true;
}

// A simulated desktop with these layouts installed and a keyboard state
// that has learnt them.
struct Desktop {
  sim::SimKeyboard keyboard;
  KeyboardSettings settings;
  KeyboardSeams seams;
  KeyboardState state{keyboard, settings, seams};

  explicit Desktop(const std::vector<const SimLayout*>& layouts) {
    std::vector<Hkl> handles;
    for (const SimLayout* l : layouts) handles.push_back(l->hkl);
    keyboard.setInstalled(handles.data(), int32_t(handles.size()));
    state.syncLayouts();
  }
};

int cmdLayouts(std::string& out) {
  for (int32_t i = 0; i < simLayoutCount(); ++i) {
    const SimLayout& l = simLayoutAt(i);
    MyNLS nls = localeRecord(l.hkl & 0xFFFF);
    char line[256];
    std::snprintf(line, sizeof(line), "%-3s %08X  %-6s %-26s code page %u\n", l.shortName, l.hkl,
                  nls.culture ? nls.culture : "", nls.englishDisplay ? nls.englishDisplay : l.name,
                  nls.ansiCodePage);
    out += line;
  }
  return 0;
}

int cmdConvert(const std::vector<std::string>& a, std::string& out, std::string& err) {
  std::string from, to, layouts, text;
  bool next = false, haveText = false;
  for (size_t i = 1; i < a.size(); ++i) {
    auto value = [&](std::string& dst) {
      if (i + 1 >= a.size()) return false;
      dst = a[++i];
      return true;
    };
    if (a[i] == "--next") next = true;
    else if (a[i] == "--from") { if (!value(from)) { err = "--from needs a layout\n"; return 2; } }
    else if (a[i] == "--to") { if (!value(to)) { err = "--to needs a layout\n"; return 2; } }
    else if (a[i] == "--layouts") { if (!value(layouts)) { err = "--layouts needs a list\n"; return 2; } }
    else if (!haveText && (a[i].empty() || a[i][0] != '-' || a[i] == "-")) { text = a[i]; haveText = true; }
    else { err = "unexpected argument '" + a[i] + "'\n" + kUsage; return 2; }
  }
  if (!haveText) { err = std::string("convert needs a TEXT\n") + kUsage; return 2; }
  Str16 input = utf8ToUtf16(text);
  Str16 wide;
  Str8 narrow;
  if (next) {
    if (!from.empty() || !to.empty() || layouts.empty()) {
      err = std::string("convert --next takes --layouts and no --from/--to\n") + kUsage;
      return 2;
    }
    std::vector<const SimLayout*> list;
    if (!layoutListArg(layouts, list, err)) return 2;
    if (list.size() < 2) { err = "--layouts needs at least two layouts\n"; return 2; }
    Desktop d(list);
    if (!d.state.convertToNextLayout(input, wide, narrow)) {
      err = "no layout among --layouts types every character of the text\n";
      return 1;
    }
  } else {
    if (from.empty() || to.empty() || !layouts.empty()) {
      err = std::string("convert takes --from and --to (or --next with --layouts)\n") + kUsage;
      return 2;
    }
    const SimLayout* f = layoutArg(from, err);
    if (!f) return 2;
    const SimLayout* t = layoutArg(to, err);
    if (!t) return 2;
    std::vector<const SimLayout*> list{f};
    if (t != f) list.push_back(t);
    else list.push_back(f == &simLayoutAt(0) ? &simLayoutAt(1) : &simLayoutAt(0));  // two must be installed
    Desktop d(list);
    if (!d.state.convertText(input, f->hkl, t->hkl, wide, narrow)) {
      err = "conversion failed\n";
      return 1;
    }
  }
  out += utf16ToUtf8(wide) + "\n";
  return 0;
}

// Types a script into the simulated application, one key record per press
// and release, through KeyboardState::onKeyEvent.
class ScriptTyper {
 public:
  explicit ScriptTyper(Desktop& d) : myDesktop(d), myInput(d.keyboard) {}

  bool run(const std::vector<ScriptStep>& steps, std::string& err) {
    for (const ScriptStep& s : steps) {
      if (s.kind == ScriptStep::kMenu) {
        err = "{Menu:...} needs a popup menu: use orvanta-sim type\n";
        return false;
      }
      bool ok = s.kind == ScriptStep::kChar ? typeChar(s.ch, err)
                : s.kind == ScriptStep::kKey ? typeKey(s, err)
                                             : switchLayout(s.layout, err);
      if (!ok) return false;
    }
    return true;
  }

 private:
  void send(uint32_t vk, uint32_t scan, bool up, bool extended = false) {
    KeyEventRecord r = myInput.key(vk, scan, up, extended);
    myDesktop.state.onKeyEvent(r);
  }
  void tap(uint32_t vk, uint32_t scan, bool shift, bool extended = false) {
    if (shift) send(16, 0x2A, false);
    send(vk, scan, false, extended);
    send(vk, scan, true, extended);
    if (shift) send(16, 0x2A, true);
  }
  KeybBuffer* active(std::string& err) {
    KeybBuffer* b = myDesktop.state.buffer(myDesktop.keyboard.currentLayout());
    if (!b) err = "no active layout\n";
    return b;
  }
  void tapCode(const LayoutCharMap& map, unsigned code) {
    const unsigned* vk = map.keys.get(keyScan(code));
    tap(vk ? *vk : 0, keyScan(code), keyShiftState(code) & 1);
  }

  bool typeChar(char16_t c, std::string& err) {
    // Blanks are keys of their own, the same in every layout.
    if (c == u' ' || c == u'\t' || c == u'\n') {
      if (c == u' ') tap(32, 0x39, false);
      else if (c == u'\t') tap(9, 0x0F, false);
      else tap(13, 0x1C, false);
      return true;
    }
    KeybBuffer* b = active(err);
    if (!b) return false;
    const LayoutCharMap& map = b->map;
    unsigned caps = (myDesktop.keyboard.keyState()[20] & 1) ? 2 : 0;
    // The lowest shift state that gives the character with Caps Lock as it is.
    for (int32_t i = 0; i < map.toWide.size(); ++i) {
      unsigned code = map.toWide.keyAt(i);
      if (map.toWide.valAt(i) == c && (keyShiftState(code) & 2) == caps) {
        tapCode(map, code);  // a dead key's character: the dead key alone, as on the keyboard
        return true;
      }
    }
    // A character only a dead key and a second key give.
    Str8 byte;
    if (wideToMultiByte(map.codePage, &c, 1, byte) && byte.size() == 1) {
      unsigned want = static_cast<unsigned char>(byte[0]);
      for (int32_t i = 0; i < map.deadKeys.size(); ++i) {
        unsigned dead = map.deadKeys.keyAt(i);
        if ((keyShiftState(dead) & 2) != caps) continue;
        const MapT<unsigned, unsigned>& combos = map.deadKeys.valAt(i);
        for (int32_t j = 0; j < combos.size(); ++j) {
          if (combos.valAt(j) != want) continue;
          tapCode(map, dead);
          tapCode(map, keyCode(combos.keyAt(j), keyShiftState(dead)));
          return true;
        }
      }
    }
    std::string name = "?";
    if (const SimLayout* l = findSimLayout(b->layout)) name = l->shortName;
    err.clear();  // piece by piece: "'" + std::string&& gets a false -Wrestrict from GCC 12 at -O3
    err.push_back('\'');
    err += utf16ToUtf8(std::u16string_view(&c, 1));
    err += "' cannot be typed in layout ";
    err += name;
    err += '\n';
    return false;
  }

  bool typeKey(const ScriptStep& s, std::string& err) {
    uint32_t scan = s.scan;
    if (scan == 0) {
      const SimLayout* l = myDesktop.keyboard.activeTable();
      const SimKey* k = l ? simKeyByVk(*l, s.vk) : nullptr;
      if (!k) {
        err = "no key with virtual key " + hex8(s.vk) + " in the active layout\n";
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

  // As the user does it: Alt and Shift go down, the layout changes, they come up.
  bool switchLayout(const std::string& name, std::string& err) {
    const SimLayout* l = layoutArg(name, err);
    if (!l) return false;
    send(18, 0x38, false);
    send(16, 0x2A, false);
    if (!myDesktop.keyboard.activateLayout(l->hkl)) {
      err = "layout '" + name + "' is not among --layouts\n";
      return false;
    }
    send(16, 0x2A, true);
    send(18, 0x38, true);
    return true;
  }

  Desktop& myDesktop;
  sim::SimInput myInput;
};

int cmdRender(const std::vector<std::string>& a, std::string& out, std::string& err) {
  std::string layouts, activeName, script;
  bool keys = false, haveScript = false;
  for (size_t i = 1; i < a.size(); ++i) {
    if (a[i] == "--keys") keys = true;
    else if (a[i] == "--layouts" && i + 1 < a.size()) layouts = a[++i];
    else if (a[i] == "--active" && i + 1 < a.size()) activeName = a[++i];
    else if (!haveScript && (a[i].empty() || a[i][0] != '-' || a[i] == "-")) { script = a[i]; haveScript = true; }
    else { err = "unexpected argument '" + a[i] + "'\n" + kUsage; return 2; }
  }
  if (layouts.empty() || activeName.empty() || !haveScript) {
    err = std::string("render needs --layouts, --active and a SCRIPT\n") + kUsage;
    return 2;
  }
  std::vector<const SimLayout*> list;
  if (!layoutListArg(layouts, list, err)) return 2;
  const SimLayout* activeLayout = layoutArg(activeName, err);
  if (!activeLayout) return 2;
  std::vector<ScriptStep> steps;
  if (!parseKeyScript(script, steps, err)) {
    err += "\n";
    return 2;
  }
  Desktop d(list);
  if (!d.keyboard.activateLayout(activeLayout->hkl)) {
    err = "--active layout '" + activeName + "' is not among --layouts\n";
    return 2;
  }
  ScriptTyper typer(d);
  if (!typer.run(steps, err)) return 2;
  d.state.rebuildTexts();  // up to date whatever the last key was
  for (const SimLayout* l : list) {
    KeybBuffer* b = d.state.buffer(l->hkl);
    out += std::string(l->shortName) + ": " + (b ? layoutText(b->text, b->codePage) : "") + "\n";
  }
  if (keys) {
    out += "keys:";
    for (uint32_t e : d.state.typedKeys) out += ' ' + hex8(e);
    out += "\n";
  }
  return 0;
}

}  // namespace

int runOrvantaSim(const std::vector<std::string>& args, std::string& out, std::string& err) {
  if (args.empty()) {
    err = kUsage;
    return 2;
  }
  if (args[0] == "layouts" && args.size() == 1) return cmdLayouts(out);
  if (args[0] == "convert") return cmdConvert(args, out, err);
  if (args[0] == "render") return cmdRender(args, out, err);
  if (args[0] == "type") return cmdType(args, out, err);
  if (args[0] == "eval") return cmdEval(args, out, err);
  if (args[0] == "menu") return cmdMenu(args, out, err);
  if (args[0] == "--help" || args[0] == "help") {
    out = kUsage;
    return 0;
  }
  err = "unknown command '" + args[0] + "'\n" + kUsage;
  return 2;
}

}  // namespace orv::simtool
