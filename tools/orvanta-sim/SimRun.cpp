// orvanta-sim type: the whole pipeline on a fresh simulated desktop.

#include "tools/orvanta-sim/SimRun.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "app/AppPaths.h"
#include "app/Cfg.h"
#include "app/Policies.h"
#include "app/Settings.h"
#include "core/Trace.h"
#include "language/Dictionary.h"
#include "language/LastWords.h"
#include "language/Locale.h"
#include "platform/FileSystem.h"
#include "tools/orvanta-sim/DesktopTyper.h"
#include "tools/orvanta-sim/RunStores.h"
#include "tools/orvanta-sim/TypeMenu.h"

namespace orv::simtool {

namespace {

// The settings of section "common" that the keyboard code reads; their
// defaults and ranges are the INI file's.
CfgInt* findIntSetting(const std::string& section, const std::string& key) {
  static const std::pair<const char*, CfgInt*> kTable[] = {
      {"autosw_use", &cfgAutoswUse},
      {"autosw_space_only", &cfgAutoswSpaceOnly},
      {"autosw_prepos", &cfgAutoswPrepos},
      {"switch_layout_ctrl", &cfgSwitchLayoutCtrl},
      {"work_start_symbol_cnt", &cfgWorkStartSymbolCnt},
      {"only_sel_lay_switch", &cfgOnlySelLaySwitch},
      {"autocomplete", &cfgAutocomplete},
      {"ac_use", &cfgAcUse},
      {"oc_use", &cfgOcUse},
      {"oc_space_only", &cfgOcSpaceOnly},
      {"sound_on", &cfgSoundOn},
      {"copy_by_l_r_mouse", &cfgCopyByLRMouse},
  };
  // The clipboard menu's settings (orvanta-sim menu).
  static const std::pair<const char*, CfgInt*> kClipboard[] = {
      {"max_items1", &cfgMaxItems1},
      {"max_items_more", &cfgMaxItemsMore},
      {"max_notes1", &cfgMaxNotes1},
      {"menu_clpbrd_first", &cfgMenuClpbrdFirst},
      {"menu_clpbrd_as_sub", &cfgMenuClpbrdAsSub},
      {"menu_notes_as_sub", &cfgMenuNotesAsSub},
      {"mid_btn_modifiers", &cfgMidBtnModifiers},
  };
  if (section == "clipboard") {
    for (const auto& [name, cfg] : kClipboard)
      if (key == name) return cfg;
    return nullptr;
  }
  if (section != "common") return nullptr;
  for (const auto& [name, cfg] : kTable)
    if (key == name) return cfg;
  return nullptr;
}

bool isDirectory(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

const char* const kSoundKeys[4] = {"snd_KEY", "snd_WORD_FOUND", "snd_NOT_FOUND", "snd_SWITCH"};

}  // namespace

bool RunSettings::set(const std::string& a, std::string& err) {
  size_t dot = a.find('.'), eq = a.find('=');
  if (dot == std::string::npos || eq == std::string::npos || dot > eq) {
    err = "--set needs section.key=value, not '" + a + "'\n";
    return false;
  }
  std::string section = a.substr(0, dot), key = a.substr(dot + 1, eq - dot - 1), value = a.substr(eq + 1);
  if (section == "hkl" && key == "order") {
    myHklOrder = value;
    return true;
  }
  if (section == "translit" && key == "active") {
    setTranslitActive(value);
    return true;
  }
  int32_t n = 0;
  if (!parseLeadingInt(utf8ToUtf16(value).data(), n)) {
    err = "--set " + section + "." + key + ": '" + value + "' is not a number\n";
    return false;
  }
  if (section == "hotkey") {
    myHotkeys[key] = n;
    return true;
  }
  CfgInt* c = findIntSetting(section, key);
  if (!c) {
    err = "--set: unknown setting '" + section + "." + key + "'\n";
    return false;
  }
  myValues[key] = n < c->minimum() ? c->minimum() : n > c->maximum() ? c->maximum() : n;
  return true;
}

int RunSettings::get(const char* key) const {
  auto it = myValues.find(key);
  if (it != myValues.end()) return it->second;
  if (std::string(key) == "sound_on") return 1;  // sounds are visible here
  CfgInt* c = findIntSetting("common", key);
  if (!c) c = findIntSetting("clipboard", key);
  return c ? c->defaultValue() : 0;
}

RunDictionaries::RunDictionaries() : mySet(utf8ToUtf16(shippedFolder()), myLock) {}

bool RunDictionaries::load(const std::vector<std::string>& folders, std::string& err) {
  std::vector<std::string> list = folders;
  if (list.empty()) {
    std::string dic = shippedFolder() + "/dic";
    for (const char* name : {"en_US", "ru_RU", "uk_UA"})
      if (isDirectory(dic + "/" + name)) list.push_back(dic + "/" + name);
    if (list.empty()) {
      err = "no shipped dictionaries in " + dic + " (run scripts/dictionaries, or give --dic)\n";
      return false;
    }
  }
  for (const std::string& f : list) {
    if (!isDirectory(f)) {
      err = "--dic '" + f + "' is not a folder\n";
      return false;
    }
    mySet.appendOwned(new Dictionary(utf8ToUtf16(f), 1252));
  }
  return true;
}

std::string shippedFolder() {
  if (const char* env = std::getenv("ORVANTA_DIST")) return env;
  return ORV_DIST_DIR;
}

std::string shippedTranslitFolder() {
  std::string folder = shippedFolder() + "/Translit";
  return isDirectory(folder) ? folder : ORV_TRANSLIT_SOURCE_DIR;
}

bool parseLayoutList(const std::string& list, std::vector<const SimLayout*>& out, std::string& err) {
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    std::string name = list.substr(start, comma - start);
    const SimLayout* l = findSimLayout(name.c_str());
    if (!l) {
      err = "unknown layout '" + name + "' (known: us, ru, ua, de, fr)\n";
      return false;
    }
    for (const SimLayout* seen : out)
      if (seen == l) {
        err = "layout '" + name + "' is named twice\n";
        return false;
      }
    out.push_back(l);
    start = comma + 1;
  }
  return true;
}

std::unique_ptr<sim::SimDesktop> makeDesktop(const std::vector<const SimLayout*>& layouts, const SimLayout* active,
                                             RunSettings& settings, RunDictionaries& dics) {
  std::vector<Hkl> handles;
  for (const SimLayout* l : layouts) handles.push_back(l->hkl);
  auto d = std::make_unique<sim::SimDesktop>(handles, settings);
  d->keyboard.activateLayout(active->hkl);
  d->dictionary = [&dics](const Str8& w, int32_t cp) { return dics.check(w, cp); };
  d->languageDictionary = [&dics](const Str8& w, int32_t cp, const Str8& lang) { return dics.checkLanguage(w, cp, lang); };
  d->soundOn = settings.get("sound_on") == 1;
  for (const auto& [name, code] : settings.hotkeys()) d->engine.setHotkeyCode(name.c_str(), code);
  return d;
}

namespace {

// The last-typed store as saved in the module folder, read back: a line
// "lastwords: CULTURE: WORD WORD ..." per store dictionary.
std::string lastWordsLines(const Str16& moduleFolder) {
  std::string out;
  LastWords store;
  store.load(moduleFolder);
  const Str16 folder = joinPath(moduleFolder, u"lastwords");
  for (const Str16& name : store.names()) {
    Dictionary dic(joinPath(folder, view(name)), LastWords::codePageOfCulture(name));
    char* text = nullptr;
    size_t size = 0;
    FILE* f = open_memstream(&text, &size);
    if (!f) continue;
    dic.writeWordList(f, " ");
    std::fclose(f);
    std::string words(text, size);
    std::free(text);
    while (!words.empty() && words.back() == ' ') words.pop_back();
    out += "lastwords: " + utf16ToUtf8(name) + ": " +
           utf16ToUtf8(toWide(str8(words), static_cast<unsigned>(dic.getCodePage()))) + "\n";
  }
  return out;
}

// The run's module folder and what the run wrote there.
void removeTree(const Str16& folder) {
  ArrT<FolderEntry> entries;
  if (listFolder(folder, entries))
    for (const FolderEntry& e : entries) {
      Str16 path = joinPath(folder, view(e.name));
      if (e.isFolder) removeTree(path);
      else removeFile(path);
    }
  removeFolder(folder);
}

}  // namespace

int cmdType(const std::vector<std::string>& a, std::string& out, std::string& err) {
  const char* usage =
      "usage: orvanta-sim type [--layouts L1,L2[,L3]] [--active L] [--dic DIR]... [--set section.key=value]...\n"
      "                        [--clipboard TEXT] [--app NAME.exe] [--translit DIR] [--trace]\n"
      "                        [--history-file F] [--notes-file F] [--note SHORTCUT=TEXT]... [--history] [--notes]\n"
      "                        [--lastwords]\n"
      "                        SCRIPT\n";
  std::string layouts = "us,ru", activeName, script, clip, app = "notepad.exe", historyFile, notesFile;
  std::string translit = shippedTranslitFolder();
  std::vector<std::string> dics, notes;
  bool haveScript = false, haveClip = false, trace = false, showHistory = false, showNotes = false;
  bool showLastWords = false;
  RunSettings settings;
  for (size_t i = 1; i < a.size(); ++i) {
    auto value = [&](std::string& dst) {
      if (i + 1 >= a.size()) return false;
      dst = a[++i];
      return true;
    };
    std::string v;
    bool ok = true;
    if (a[i] == "--layouts") ok = value(layouts);
    else if (a[i] == "--active") ok = value(activeName);
    else if (a[i] == "--dic") ok = value(v), dics.push_back(v);
    else if (a[i] == "--set") {
      if (!value(v)) ok = false;
      else if (!settings.set(v, err)) return 2;
    } else if (a[i] == "--clipboard") ok = value(clip), haveClip = true;
    else if (a[i] == "--app") ok = value(app);
    else if (a[i] == "--translit") {
      ok = value(translit);
      if (ok && !isDirectory(translit)) {
        err = "--translit '" + translit + "' is not a folder\n";
        return 2;
      }
    }
    else if (a[i] == "--trace") trace = true;
    else if (a[i] == "--history-file") ok = value(historyFile);
    else if (a[i] == "--notes-file") ok = value(notesFile);
    else if (a[i] == "--note") {
      ok = value(v);
      if (ok && v.find('=') == std::string::npos) {
        err = "--note needs SHORTCUT=TEXT\n";
        return 2;
      }
      notes.push_back(v);
    } else if (a[i] == "--history") showHistory = true;
    else if (a[i] == "--notes") showNotes = true;
    else if (a[i] == "--lastwords") showLastWords = true;
    else if (!haveScript && (a[i].empty() || a[i][0] != '-')) script = a[i], haveScript = true;
    else {
      err = "unexpected argument '" + a[i] + "'\n" + usage;
      return 2;
    }
    if (!ok) {
      err = a[i] + " needs a value\n" + usage;
      return 2;
    }
  }
  if (!haveScript) {
    err = std::string("type needs a SCRIPT\n") + usage;
    return 2;
  }
  if (app.empty() || app.size() >= 128) {
    err = "--app needs an executable name shorter than 128 characters\n";
    return 2;
  }
  std::vector<const SimLayout*> list;
  if (!parseLayoutList(layouts, list, err)) return 2;
  if (list.size() < 2) {
    err = "--layouts needs at least two layouts\n";
    return 2;
  }
  if (activeName.empty()) activeName = list[0]->shortName;
  const SimLayout* active = findSimLayout(activeName.c_str());
  if (!active || std::find(list.begin(), list.end(), active) == list.end()) {
    err = "--active layout '" + activeName + "' is not among --layouts\n";
    return 2;
  }
  std::vector<ScriptStep> steps;
  if (!parseKeyScript(script, steps, err)) {
    err += "\n";
    return 2;
  }
  std::vector<std::string> traced;
  TraceSink previous = setTraceSink(
      [](const std::string& text, void* ctx) {
        std::string line = text;
        while (!line.empty() && line.back() == '\n') line.pop_back();
        static_cast<std::vector<std::string>*>(ctx)->push_back(line);
      },
      &traced);
  RunDictionaries dictionaries;
  bool loaded = dictionaries.load(dics, err);
  setTraceSink(previous);
  if (!loaded) return 2;
  auto d = makeDesktop(list, active, settings, dictionaries);
  {
    SynchObject::Guard guard(d->state.lock());
    d->engine.loadTranslit(utf8ToUtf16(translit));
  }
  if (trace) d->trace = traced;
  // The application policies as a fresh installation has them (the built-in
  // defaults), read from an empty module folder of this run.
  char folder[] = "/tmp/orvanta-sim-XXXXXX";
  if (mkdtemp(folder)) {
    setModuleFolder(utf8ToUtf16(folder));
    d->policy = [](const char* exe, int32_t mask) { return orv::policyAllows(exe, mask); };
  }
  std::string exe;
  for (char c : app) exe += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
  d->app().exeName = exe.c_str();
  d->tracing = trace;
  if (haveClip) {
    Str16 t = utf8ToUtf16(clip);
    d->clipboardPort.putText(t.data(), t.size());
  }
  if (!loadRunStores(*d, historyFile, notesFile, notes, err)) return 2;
  ClipboardMenuSettings menuSettings;
  menuSettings.maxItems1 = settings.get("max_items1");
  menuSettings.maxItemsMore = settings.get("max_items_more");
  menuSettings.maxNotes1 = settings.get("max_notes1");
  menuSettings.clipboardFirst = settings.get("menu_clpbrd_first") == 1;
  menuSettings.clipboardAsSub = settings.get("menu_clpbrd_as_sub") == 1;
  menuSettings.notesAsSub = settings.get("menu_notes_as_sub") == 1;
  LangTable texts;
  std::string english = shippedFolder() + "/lang/en.lng";
  if (access(english.c_str(), R_OK) != 0) english = std::string(ORV_LANG_SOURCE_DIR) + "/en.lng";
  if (!loadLangFile(utf8ToUtf16(english), texts)) {
    err = "cannot read " + english + "\n";
    return 2;
  }
  // The store's dictionaries report their files as the shipped ones do
  // while loading; that is no part of the run's output. The folder and
  // what the run wrote there go when the run ends, however it ends.
  struct RunFolder {
    Str16 path;
    TraceSink outer;
    ~RunFolder() {
      removeTree(path);
      setTraceSink(outer);
    }
  } runFolder{utf8ToUtf16(folder), setTraceSink([](const std::string&, void*) {}, nullptr)};
  LastWords lastWords;
  lastWords.load(utf8ToUtf16(folder));
  TypeMenu menu(*d, menuSettings, std::move(texts), utf8ToUtf16(folder));
  menu.enableWordMenus(dictionaries.set(), lastWords);
  DesktopTyper typer(*d);
  typer.menuStep = [&menu](int32_t n, std::string& e) { return menu.step(n, e); };
  if (!typer.run(steps, err)) return 2;
  d->idle();
  if (!saveRunStores(*d, historyFile, notesFile, err)) return 2;
  for (const std::string& line : d->trace) out += "trace: " + line + "\n";
  const SimLayout* now = findSimLayout(d->activeLayout());
  for (const std::string& line : menu.lines()) out += line + "\n";
  out += "text: " + d->appTextUtf8() + "\n";
  out += std::string("layout: ") + (now ? now->shortName : "?") + "\n";
  out += "clipboard: " + utf16ToUtf8(d->clipboardText()) + "\n";
  std::string sounds;
  for (int s : d->sounds) sounds += (sounds.empty() ? "" : " ") + std::string(kSoundKeys[s]);
  out += "sounds: " + (sounds.empty() ? std::string("-") : sounds) + "\n";
  if (showHistory) out += historyLines(*d);
  if (showNotes) out += notesLines(*d);
  if (showLastWords) out += lastWordsLines(utf8ToUtf16(folder));
  return 0;
}

}  // namespace orv::simtool
