#include "tools/orvanta-sim/KeyScript.h"

#include <cctype>

#include "core/Str.h"

namespace orv::simtool {

namespace {

struct NamedKey {
  const char* name;
  uint32_t vk;
  uint32_t scan;
  bool extended;
};

const NamedKey kNamedKeys[] = {
    {"Space", 32, 0x39, false},   {"Backspace", 8, 0x0E, false}, {"Enter", 13, 0x1C, false},
    {"Tab", 9, 0x0F, false},      {"Esc", 27, 0x01, false},      {"Left", 37, 0x4B, true},
    {"Right", 39, 0x4D, true},    {"Up", 38, 0x48, true},        {"Down", 40, 0x50, true},
    {"Home", 36, 0x47, true},     {"End", 35, 0x4F, true},       {"PgUp", 33, 0x49, true},
    {"PgDn", 34, 0x51, true},     {"Ins", 45, 0x52, true},       {"Del", 46, 0x53, true},
    {"F1", 112, 0x3B, false},     {"F2", 113, 0x3C, false},      {"F3", 114, 0x3D, false},
    {"F4", 115, 0x3E, false},     {"F5", 116, 0x3F, false},      {"F6", 117, 0x40, false},
    {"F7", 118, 0x41, false},     {"F8", 119, 0x42, false},      {"F9", 120, 0x43, false},
    {"F10", 121, 0x44, false},    {"F11", 122, 0x57, false},     {"F12", 123, 0x58, false},
    {"Pause", 19, 0x45, false},   {"LCtrl", 17, 0x1D, false},    {"RCtrl", 17, 0x1D, true},
    {"LShift", 16, 0x2A, false},  {"RShift", 16, 0x36, false},   {"LAlt", 18, 0x38, false},
    {"RAlt", 18, 0x38, true},     {"Caps", 20, 0x3A, false},
};

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

const NamedKey* findNamedKey(std::string_view name) {
  for (const NamedKey& k : kNamedKeys)
    if (equalsNoCase(name, k.name)) return &k;
  return nullptr;
}

bool parseBraced(std::string_view body, ScriptStep& step, std::string& error) {
  if (body.size() > 7 && equalsNoCase(body.substr(0, 7), "Layout:")) {
    step.kind = ScriptStep::kLayout;
    step.layout = std::string(body.substr(7));
    return true;
  }
  if (body.size() > 5 && equalsNoCase(body.substr(0, 5), "Menu:")) {
    step.kind = ScriptStep::kMenu;
    std::string_view what = body.substr(5);
    if (equalsNoCase(what, "Esc")) return true;
    int32_t n = 0;
    for (char c : what) {
      if (c < '0' || c > '9' || n > 9999) {
        error = "{" + std::string(body) + "}: Menu: takes an item number from 1 or Esc";
        return false;
      }
      n = n * 10 + (c - '0');
    }
    if (n == 0) {
      error = "{" + std::string(body) + "}: Menu: takes an item number from 1 or Esc";
      return false;
    }
    step.menuItem = n;
    return true;
  }
  step.kind = ScriptStep::kKey;
  if (equalsNoCase(body, "SelectAll")) {  // Ctrl+A, as an edit control selects everything
    step.vk = 'A';
    step.modifiers = 2;
    return true;
  }
  std::string_view rest = body;
  for (auto [prefix, edge] : {std::pair{std::string_view("Press:"), ScriptStep::kPress},
                              std::pair{std::string_view("Release:"), ScriptStep::kRelease}}) {
    if (rest.size() <= prefix.size() || !equalsNoCase(rest.substr(0, prefix.size()), prefix)) continue;
    rest = rest.substr(prefix.size());
    step.edge = edge;
    if (const NamedKey* k = findNamedKey(rest)) {
      step.vk = k->vk;
      step.scan = k->scan;
      step.extended = k->extended;
      return true;
    }
    if (rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0]))) {
      step.vk = static_cast<uint32_t>(std::toupper(static_cast<unsigned char>(rest[0])));
      return true;
    }
    error = "{" + std::string(body) + "}: a named key or one letter or digit, without modifiers";
    return false;
  }
  for (;;) {
    size_t plus = rest.find('+');
    if (plus == std::string_view::npos || plus + 1 == rest.size()) break;  // "+" alone names no modifier
    std::string_view mod = rest.substr(0, plus);
    if (equalsNoCase(mod, "Shift")) step.modifiers |= 1;
    else if (equalsNoCase(mod, "Ctrl")) step.modifiers |= 2;
    else if (equalsNoCase(mod, "Alt")) step.modifiers |= 4;
    else {
      error = "unknown modifier '" + std::string(mod) + "' in {" + std::string(body) + "}";
      return false;
    }
    rest = rest.substr(plus + 1);
  }
  if (const NamedKey* k = findNamedKey(rest)) {
    step.vk = k->vk;
    step.scan = k->scan;
    step.extended = k->extended;
    return true;
  }
  if (rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0])) && step.modifiers) {
    step.vk = static_cast<uint32_t>(std::toupper(static_cast<unsigned char>(rest[0])));
    return true;
  }
  error = "unknown key {" + std::string(body) + "}";
  return false;
}

}  // namespace

bool parseKeyScript(std::string_view utf8, std::vector<ScriptStep>& out, std::string& error) {
  out.clear();
  size_t i = 0;
  while (i < utf8.size()) {
    if (utf8[i] == '{') {
      ScriptStep step;
      std::string_view three = utf8.substr(i, 3);
      if (three == "{{}" || three == "{}}") {  // the brace characters themselves
        step.ch = static_cast<char16_t>(three[1]);
        out.push_back(step);
        i += 3;
        continue;
      }
      size_t close = utf8.find('}', i + 1);
      if (close == std::string_view::npos || close == i + 1) {
        error = close == std::string_view::npos ? "unclosed '{' at byte " + std::to_string(i)
                                                : "empty {} at byte " + std::to_string(i);
        return false;
      }
      if (!parseBraced(utf8.substr(i + 1, close - i - 1), step, error)) return false;
      out.push_back(step);
      i = close + 1;
      continue;
    }
    // One UTF-8 character (a character outside the BMP is refused: no
    // layout types it).
    size_t len = 1;
    unsigned char b = static_cast<unsigned char>(utf8[i]);
    if (b >= 0xF0) len = 4;
    else if (b >= 0xE0) len = 3;
    else if (b >= 0xC0) len = 2;
    Str16 u = utf8ToUtf16(utf8.substr(i, len));
    if (u.size() != 1 || u[0] == 0xFFFD) {
      error = "not a typable character at byte " + std::to_string(i);
      return false;
    }
    ScriptStep step;
    step.kind = ScriptStep::kChar;
    step.ch = u[0];
    out.push_back(step);
    i += len;
  }
  return true;
}

}  // namespace orv::simtool
