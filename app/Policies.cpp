#include "app/Policies.h"

#include <cstdio>
#include <cstring>

#include "app/IniSection.h"
#include "app/LocalStr.h"
#include "core/SetT.h"
#include "core/SynchObject.h"
#include "platform/FileSys.h"
#include "platform/Text.h"

namespace orv {

const char* const kPolicyHelpKeys[6] = {
    LKEY("policy_qhelp_enable"), LKEY("policy_qhelp_caret"),       LKEY("policy_qhelp_ac"),
    LKEY("policy_qhelp_oc"),     LKEY("policy_qhelp_auto_switch"), LKEY("policy_qhelp_clipbrd_menu"),
};

namespace {

SynchObject g_policyLock;
PolicyTable g_table;
bool g_loaded = false;
ArrT<Str8> g_recent;

// The line that stands alone in a section the user emptied on purpose, so
// that the next start does not bring the defaults back: "*" is no file name.
constexpr const char* kClearedMark = "*";

constexpr int32_t kRecentMax = 10;

const struct {
  const char* exe;
  int32_t flags;
} kDefaults[] = {
    {"hl.exe", 0},        {"ra.exe", 0},           {"putty.exe", 0},     {"opera.exe", 61},
    {"mozilla.exe", 61},  {"explorer.exe", 63},    {"iexplore.exe", 63},
};

const char* const kNeverTracked[] = {
    "button",           "listbox",           "static",            "combobox",          "scrollbar",
    "SysHeader32",      "ToolbarWindow32",   "ReBarWindow32",     "tooltips_class32",  "msctls_statusbar32",
    "msctls_trackbar32", "msctls_updown32",  "msctls_progress32", "msctls_hotkey32",   "SysListView32",
    "SysTreeView32",    "SysTabControl32",   "SysAnimate32",      "SysMonthCal32",     "SysDateTimePick32",
    "SysIPAddress32",   "SysPager",          "NativeFontCtl",
};

Str8 lowered(const char* name) {
  Str8 s = str8(name ? name : "");
  charLowerBuffA(s.data(), s.size());
  return s;
}

// A section without any line (a fresh install) gets the defaults.
void loadLocked() {
  g_table.clear();
  ArrT<IniLine> lines = readIniSection("exe_mark");
  for (const IniLine& line : lines) {
    Str8 name = lowered(line.name.data());
    if (name.empty() || name == str8(kClearedMark)) continue;
    g_table.put(name, iniNumber(line.value));
  }
  if (lines.empty())
    for (const auto& d : kDefaults) g_table.put(str8(d.exe), d.flags);
  g_loaded = true;
}

void ensureLoadedLocked() {
  if (!g_loaded) loadLocked();
}

void writeLocked() {
  ArrT<IniLine> lines;
  for (const auto& e : g_table.items()) {
    if (e.key.empty()) continue;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", static_cast<int>(e.val));
    lines.append(IniLine{e.key, str8(buf), true});
  }
  if (lines.empty()) lines.append(IniLine{str8(kClearedMark), str8("0"), true});
  writeIniSection("exe_mark", lines);  // failures are ignored
}

}  // namespace

Str8 ownExeName() {
  static Str8 own = [] {
    Str16 path = executablePath();
    int32_t cut = path.size();
    while (cut > 0 && path[cut - 1] != u'\\' && path[cut - 1] != u'/') --cut;
    Str8 name = toNarrow(Str16(path.data() + cut, path.size() - cut), kCpAnsi);
    charLowerBuffA(name.data(), name.size());
    return name;
  }();
  return own;
}

int32_t policyFlags(const char* exeName) {
  if (!exeName || !*exeName) return 0;
  Str8 name = lowered(exeName);
  if (name == ownExeName()) return kPolicyAll;
  SynchObject::Guard g(g_policyLock);
  ensureLoadedLocked();
  const int32_t* flags = g_table.get(name);
  return flags ? *flags : -1;
}

bool policyAllows(const char* exeName, int32_t mask) {
  if (!exeName || !*exeName) return false;
  int32_t flags = policyFlags(exeName);
  return (flags & kPolicyWork) && (flags & mask) == mask;
}

void setPolicy(const char* exeName, int32_t flags) {
  if (!exeName || !*exeName) return;
  Str8 name = lowered(exeName);
  if (name == ownExeName()) return;
  SynchObject::Guard g(g_policyLock);
  ensureLoadedLocked();  // so that writing the section keeps the policies already there
  g_table.put(name, flags);
  writeLocked();
}

void notePolicyCandidate(const char* exeName) {
  if (!exeName || !*exeName) return;
  Str8 name = lowered(exeName);
  if (name == ownExeName()) return;
  SynchObject::Guard g(g_policyLock);
  ensureLoadedLocked();
  if (g_table.contains(name)) return;
  for (int32_t i = 0; i < g_recent.size(); ++i)
    if (g_recent[i] == name) {
      g_recent.remove(i);
      break;
    }
  g_recent.append(name);
  if (g_recent.size() > kRecentMax) g_recent.remove(0);
}

ArrT<Str8> recentPolicyCandidates() {
  SynchObject::Guard g(g_policyLock);
  return g_recent;
}

PolicyTable copyPolicies() {
  SynchObject::Guard g(g_policyLock);
  ensureLoadedLocked();
  return g_table;
}

void replacePolicies(const PolicyTable& table) {
  SynchObject::Guard g(g_policyLock);
  g_table = table;
  g_table.remove(str8(kClearedMark));
  g_loaded = true;
  writeLocked();
}

bool isNeverTrackedClass(const char* className) {
  static SetT<Str8> classes;
  static bool filled = false;
  Str8 name = str8(className ? className : "");
  asciiLowerInPlace(name);
  SynchObject::Guard g(g_policyLock);
  if (!filled) {
    for (const char* c : kNeverTracked) {
      Str8 n = str8(c);
      asciiLowerInPlace(n);
      classes.add(n);
    }
    filled = true;
  }
  return classes.contains(name);
}

bool isNeverTrackedClass(std::u16string_view className) {
  Str8 name;
  for (char16_t c : className) {
    if (c == 0 || c > 0x7F) return false;  // every class of the set is ASCII
    name.append(char(c));
  }
  return isNeverTrackedClass(name.data());
}

void forgetPolicies() {
  SynchObject::Guard g(g_policyLock);
  g_table.clear();
  g_loaded = false;
  g_recent.clear();
}

}  // namespace orv
