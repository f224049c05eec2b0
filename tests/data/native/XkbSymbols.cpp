#include "data/native/XkbSymbols.h"

#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

namespace orv::test {

namespace {

const char* const kRoot = "/usr/share/X11/xkb";
const char* const kKeysymHeader = "/usr/include/X11/keysymdef.h";

bool readFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

// xkb files comment with // to the line's end.
std::string withoutComments(const std::string& text) {
  std::string out;
  bool inString = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') inString = !inString;
    if (!inString && text[i] == '/' && i + 1 < text.size() && text[i + 1] == '/') {
      while (i < text.size() && text[i] != '\n') ++i;
    }
    if (i < text.size()) out += text[i];
  }
  return out;
}

// The text between the brace at `open` and its match.
std::string braced(const std::string& text, size_t open) {
  int depth = 0;
  for (size_t i = open; i < text.size(); ++i) {
    if (text[i] == '{') ++depth;
    if (text[i] == '}' && --depth == 0) return text.substr(open + 1, i - open - 1);
  }
  return text.substr(open + 1);
}

std::string trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r\n"), b = s.find_last_not_of(" \t\r\n");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// The symbols of group 1 in a key statement's body.
std::vector<std::string> levelsOf(const std::string& body) {
  size_t at = body.find("symbols[Group1]");
  at = at == std::string::npos ? 0 : body.find('=', at);
  for (size_t open = body.find('[', at); open != std::string::npos; open = body.find('[', open + 1)) {
    size_t close = body.find(']', open);
    std::string inner = body.substr(open + 1, close - open - 1);
    if (trim(inner).rfind("Group", 0) == 0) continue;  // type[Group1]=...
    std::vector<std::string> out;
    std::stringstream s(inner);
    for (std::string item; std::getline(s, item, ',');) out.push_back(trim(item));
    return out;
  }
  return {};
}

}  // namespace

bool XkbSymbols::available(std::string& missing) {
  for (std::string p : {std::string(kRoot) + "/symbols/us", std::string(kRoot) + "/keycodes/evdev",
                        std::string(kKeysymHeader)}) {
    std::ifstream f(p);
    if (!f) {
      missing = p;
      return false;
    }
  }
  return true;
}

void XkbSymbols::loadNames() {
  if (!myKeysyms.empty()) return;
  std::string text;
  readFile(kKeysymHeader, text);
  std::regex def(R"(#define XK_(\w+)\s+0x[0-9a-fA-F]+\s*/\*\s*\(?U\+([0-9A-Fa-f]+))");
  for (std::sregex_iterator it(text.begin(), text.end(), def), end; it != end; ++it)
    myKeysyms.emplace((*it)[1].str(), char32_t(std::stoul((*it)[2].str(), nullptr, 16)));
  std::string codes, aliases;
  readFile(std::string(kRoot) + "/keycodes/evdev", codes);
  readFile(std::string(kRoot) + "/keycodes/aliases", aliases);
  codes = withoutComments(codes);
  std::regex code(R"(<(\w+)>\s*=\s*(\d+)\s*;)");
  for (std::sregex_iterator it(codes.begin(), codes.end(), code), end; it != end; ++it)
    myKeycodes[(*it)[1].str()] = unsigned(std::stoul((*it)[2].str()));
  std::string all = codes + withoutComments(aliases);
  std::regex alias(R"(alias\s+<(\w+)>\s*=\s*<(\w+)>)");
  for (std::sregex_iterator it(all.begin(), all.end(), alias), end; it != end; ++it)
    if (myKeycodes.count((*it)[2].str())) myKeycodes[(*it)[1].str()] = myKeycodes[(*it)[2].str()];
}

bool XkbSymbols::keysym(const std::string& name, char32_t& c, bool& dead) {
  // A dead key stands for the spacing form of its accent, the character
  // Windows reports for it.
  static const std::map<std::string, char32_t> kDead = {{"dead_grave", U'`'},       {"dead_acute", U'\u00B4'},
                                                        {"dead_circumflex", U'^'},  {"dead_tilde", U'~'},
                                                        {"dead_diaeresis", U'\u00A8'}};
  dead = false;
  c = 0;
  if (name.empty() || name == "NoSymbol" || name == "VoidSymbol") return true;
  if (auto it = kDead.find(name); it != kDead.end()) return dead = true, c = it->second, true;
  if (name.size() > 1 && name[0] == 'U' && name.find_first_not_of("0123456789ABCDEFabcdef", 1) == std::string::npos)
    return c = char32_t(std::stoul(name.substr(1), nullptr, 16)), true;
  if (name.rfind("0x", 0) == 0) {
    unsigned long v = std::stoul(name, nullptr, 16);
    if (v < 0x1000000) return false;
    return c = char32_t(v - 0x1000000), true;
  }
  auto it = myKeysyms.find(name);
  if (it == myKeysyms.end()) return false;
  c = it->second;
  return true;
}

void XkbSymbols::readSection(const std::string& file, const std::string& section, std::map<std::string, XkbKey>& keys,
                             std::string& unknown, int depth) {
  std::string text;
  if (depth > 8 || !readFile(std::string(kRoot) + "/symbols/" + file, text)) {
    unknown += " [no " + file + "]";
    return;
  }
  text = withoutComments(text);
  std::smatch m;
  std::regex header(section.empty() ? std::string(R"(default[^{};]*xkb_symbols\s+"[^"]*"\s*\{)")
                                    : R"(xkb_symbols\s+")" + section + R"("\s*\{)");
  if (!std::regex_search(text, m, header) && !(section.empty() &&
                                               std::regex_search(text, m, std::regex(R"(xkb_symbols\s+"[^"]*"\s*\{)")))) {
    unknown += " [no " + file + "(" + section + ")]";
    return;
  }
  std::string body = braced(text, size_t(m.position(0) + m.length(0) - 1));
  std::regex statement(R"re(include\s+"([^"]+)"|key\s+<(\w+)>\s*\{)re");
  for (std::sregex_iterator it(body.begin(), body.end(), statement), end; it != end; ++it) {
    if ((*it)[1].matched) {
      std::stringstream parts((*it)[1].str());
      for (std::string part; std::getline(parts, part, '+');) {
        size_t paren = part.find('(');
        std::string f = part.substr(0, paren);
        std::string s = paren == std::string::npos ? "" : part.substr(paren + 1, part.find(')') - paren - 1);
        readSection(f, s, keys, unknown, depth + 1);
      }
      continue;
    }
    std::vector<std::string> levels = levelsOf(braced(body, size_t(it->position(0) + it->length(0) - 1)));
    XkbKey& k = keys[(*it)[2].str()];
    for (size_t level = 0; level < 2 && level < levels.size(); ++level) {
      char32_t c;
      bool dead;
      if (!keysym(levels[level], c, dead)) {
        unknown += " " + levels[level];
        continue;
      }
      (level == 0 ? k.plain : k.shift) = c;
      (level == 0 ? k.plainDead : k.shiftDead) = dead;
    }
  }
}

std::map<unsigned, XkbKey> XkbSymbols::layout(const std::string& file, const std::string& section,
                                              std::string& unknown) {
  loadNames();
  // As the rules of a pc105 keyboard compose it: "pc" under the layout.
  std::map<std::string, XkbKey> byName;
  readSection("pc", "", byName, unknown, 0);
  readSection(file, section, byName, unknown, 0);
  std::map<unsigned, XkbKey> out;
  for (const auto& [name, key] : byName)
    if (auto it = myKeycodes.find(name); it != myKeycodes.end() && it->second >= 8) out[it->second - 8] = key;
  return out;
}

}  // namespace orv::test
