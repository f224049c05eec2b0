#include "tools/orvanta-sim/SimMenu.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/LangFile.h"
#include "clipboard/ClipboardMenu.h"
#include "clipboard/StoreFiles.h"
#include "keyboard/KeyboardEngine.h"
#include "language/Locale.h"
#include "tools/orvanta-sim/SimRun.h"

namespace orv::simtool {

namespace {

// What the menu asks of the program, answered from the run's desktop and
// the shipped English texts; nothing is chosen here, so the actions do nothing.
class ToolActions : public ClipboardMenuActions {
 public:
  ToolActions(sim::SimDesktop& d, const LangTable& texts, const Str16& folder, bool translit,
              std::vector<const SimLayout*> layouts)
      : myDesktop(d), myTexts(texts), myFolder(folder), myTranslit(translit), myLayouts(std::move(layouts)) {}

  Str16 text(const char* key) override {
    const Str16* t = myTexts.get(utf8ToUtf16(key));
    return t ? *t : utf8ToUtf16(std::string("?") + key);
  }
  Str16 hotkeyText(const char* name) override { return orv::hotkeyText(myDesktop.engine.hotkeyCode(name, 0)); }
  ArrT<MenuLayoutName> layouts() override {
    ArrT<MenuLayoutName> out;
    for (const SimLayout* l : myLayouts) {
      MyNLS nls = localeRecord(l->hkl & 0xFFFF);
      out.append({l->hkl, utf8ToUtf16(nls.englishLanguage ? nls.englishLanguage : l->shortName)});
    }
    return out;
  }
  bool translitActive() override { return myTranslit; }
  Str16 moduleFolder() override { return myFolder; }

 private:
  sim::SimDesktop& myDesktop;
  const LangTable& myTexts;
  Str16 myFolder;
  bool myTranslit;
  std::vector<const SimLayout*> myLayouts;
};

std::string quoted(const Str16& text) {
  std::string s = utf16ToUtf8(text), out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof(buf), "\\x%02X", static_cast<unsigned char>(c));
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

const char* kindName(const XMenu& m) {
  switch (m.kind) {
    case MenuKind::Sub: return "sub";
    case MenuKind::Separator: return "separator";
    case MenuKind::Header: return "header";
    default: return "item";
  }
}

const char* imagesName(MenuImages images) {
  switch (images) {
    case MenuImages::History: return "history:";
    case MenuImages::Notes: return "notes:";
    case MenuImages::Templates: return "templates:";
    default: return "";
  }
}

// The module folder of the run: a fresh temporary folder whose "templates"
// is a link to the --templates folder. Removed with the object.
class RunFolder {
 public:
  bool make(const std::string& templates, std::string& err) {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvanta-sim-menu-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
      err = "cannot make a temporary folder\n";
      return false;
    }
    myPath = pattern;
    if (templates.empty()) return true;
    std::error_code ec;
    std::filesystem::path target = std::filesystem::absolute(templates, ec);
    if (ec || !std::filesystem::is_directory(target)) {
      err = "--templates '" + templates + "' is not a folder\n";
      return false;
    }
    std::filesystem::create_directory_symlink(target, std::filesystem::path(myPath) / "templates", ec);
    if (ec) err = "cannot link the templates folder: " + ec.message() + "\n";
    return !ec;
  }
  ~RunFolder() {
    std::error_code ec;
    if (!myPath.empty()) std::filesystem::remove_all(myPath, ec);  // the link, not what it points at
  }
  const std::string& path() const { return myPath; }

 private:
  std::string myPath;
};

std::string englishFile() {
  std::string shipped = shippedFolder() + "/lang/en.lng";
  return access(shipped.c_str(), R_OK) == 0 ? shipped : std::string(ORV_LANG_SOURCE_DIR) + "/en.lng";
}

}  // namespace

std::string menuTree(const XMenu& m, int32_t level) {
  std::string line(static_cast<size_t>(level) * 2, ' ');
  line += kindName(m);
  if (m.kind != MenuKind::Separator) line += ' ' + quoted(level == 0 && m.title.size() ? m.title : m.caption);
  if (m.hint.size()) line += " hint=" + quoted(m.hint);
  if (m.buttons.size()) {
    line += " buttons=";
    line += imagesName(m.images);
    for (int32_t i = 0; i < m.buttons.size(); ++i) line += (i ? "," : "") + std::to_string(int(m.buttons[i]));
  }
  if (m.record.size()) line += " code=" + std::to_string(static_cast<uint8_t>(m.record[0]));
  line += '\n';
  for (const XMenu* c : m.children) line += menuTree(*c, level + 1);
  return line;
}

int cmdMenu(const std::vector<std::string>& a, std::string& out, std::string& err) {
  const char* usage =
      "usage: orvanta-sim menu [--set section.key=value]... [--history-file F] [--notes-file F]\n"
      "                        [--templates DIR] [--layouts L1,L2...] [--app NAME.exe]\n";
  std::string layouts = "us,ru", historyFile, notesFile, templates, app = "notepad.exe";
  RunSettings settings;
  for (size_t i = 1; i < a.size(); ++i) {
    auto value = [&](std::string& dst) {
      if (i + 1 >= a.size()) return false;
      dst = a[++i];
      return true;
    };
    std::string v;
    bool ok = true;
    if (a[i] == "--set") {
      if (!value(v)) ok = false;
      else if (!settings.set(v, err)) return 2;
    } else if (a[i] == "--history-file") ok = value(historyFile);
    else if (a[i] == "--notes-file") ok = value(notesFile);
    else if (a[i] == "--templates") ok = value(templates);
    else if (a[i] == "--layouts") ok = value(layouts);
    else if (a[i] == "--app") ok = value(app);
    else {
      err = "unexpected argument '" + a[i] + "'\n" + usage;
      return 2;
    }
    if (!ok) {
      err = a[i] + " needs a value\n" + usage;
      return 2;
    }
  }
  std::vector<const SimLayout*> list;
  if (!parseLayoutList(layouts, list, err)) return 2;
  RunFolder folder;
  if (!folder.make(templates, err)) return 2;
  LangTable texts;
  if (!loadLangFile(utf8ToUtf16(englishFile()), texts)) {
    err = "cannot read " + englishFile() + "\n";
    return 2;
  }

  std::vector<Hkl> handles;
  for (const SimLayout* l : list) handles.push_back(l->hkl);
  sim::SimDesktop d(handles, settings);
  for (const auto& [name, code] : settings.hotkeys()) d.engine.setHotkeyCode(name.c_str(), code);
  d.engine.loadTranslit(utf8ToUtf16(shippedTranslitFolder()));

  ClipboardMenuSettings s;
  s.maxItems1 = settings.get("max_items1");
  s.maxItemsMore = settings.get("max_items_more");
  s.maxNotes1 = settings.get("max_notes1");
  s.clipboardFirst = settings.get("menu_clpbrd_first") == 1;
  s.clipboardAsSub = settings.get("menu_clpbrd_as_sub") == 1;
  s.notesAsSub = settings.get("menu_notes_as_sub") == 1;
  d.history.setCapacity(s.maxItems1 + s.maxItemsMore);
  if (!historyFile.empty()) loadHistoryFile(utf8ToUtf16(historyFile), d.history.capacity(), d.history);
  if (!notesFile.empty()) loadNotesFile(utf8ToUtf16(notesFile), s.maxNotes1 + s.maxItemsMore, d.notes);

  ToolActions actions(d, texts, utf8ToUtf16(folder.path()), d.engine.activeTranslit() != nullptr, list);
  ClipboardMenu menu(d.history, d.notes, actions);
  menu.setTarget(0, str8(app));
  std::unique_ptr<XMenu> root(menu.build(s, makeMenuStyle({}, 4, 255)));
  out += menuTree(*root);
  return 0;
}

}  // namespace orv::simtool
