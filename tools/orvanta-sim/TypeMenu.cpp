#include "tools/orvanta-sim/TypeMenu.h"

#include <utility>

#include "app/Policies.h"
#include "keyboard/KeyboardEngine.h"
#include "platform/SimLayouts.h"
#include "platform/Text.h"

namespace orv::simtool {

TypeMenu::TypeMenu(sim::SimDesktop& d, const ClipboardMenuSettings& settings, LangTable texts, Str16 moduleFolder)
    : myDesktop(d),
      mySettings(settings),
      myTexts(std::move(texts)),
      myFolder(std::move(moduleFolder)),
      myMenu(d.history, d.notes, *this) {
  myView.setSession(&mySession);
  myDesktop.menu = this;
}

TypeMenu::~TypeMenu() {
  myDesktop.menu = nullptr;
  myDesktop.wordMenus = nullptr;
  mySession.close();
}

std::string TypeMenu::menuLine(const XMenu& menu) {
  std::string line = "menu: " + utf16ToUtf8(menu.title.size() > 0 ? menu.title : menu.caption) + ":";
  for (int32_t i = 0; i < menu.count(); ++i) {
    const XMenu& item = *menu.child(i);
    line += i == 0 ? " " : " | ";
    line += item.kind == MenuKind::Separator ? std::string("-") : utf16ToUtf8(item.caption);
  }
  return line;
}

void TypeMenu::noteOpened() {
  const int32_t made = myView.created - mySeen;
  mySeen = myView.created;
  const int32_t shown = myView.shown.size();
  for (int32_t i = made < shown ? shown - made : 0; i < shown; ++i) myLines.push_back(menuLine(*myView.shown[i]));
}

void TypeMenu::showClipboardMenu(uint32_t thread, const char* exeName, bool hasPoint, int32_t x, int32_t y) {
  Str8 exe = str8(exeName);
  myDesktop.postToMenuThread([this, thread, exe, hasPoint, x, y]() {
    myMenu.setTarget(thread, exe);
    XMenu* root = myMenu.build(mySettings, makeMenuStyle({}, 4, 255));
    MenuRect at{x, y, x, y};
    if (!hasPoint) {
      myView.cursorPos(at.left, at.top);
      at.right = at.left;
      at.bottom = at.top;
    }
    mySession.show(root, at, false, true);
    noteOpened();
  });
}

void TypeMenu::enableWordMenus(DictionarySet& dictionaries, LastWords& lastWords) {
  myWords = std::make_unique<WordMenus>(myDesktop.engine, dictionaries, lastWords, *this);
  myWords->style = makeMenuStyle({}, 4, 255);
  myDesktop.wordMenus = myWords.get();
}

void TypeMenu::showWordMenu(XMenu* root, const int32_t rect[4], bool noCaret) {
  MenuRect at{rect[0], rect[1], rect[2], rect[3]};
  myDesktop.postToMenuThread([this, root, at, noCaret]() mutable {
    if (noCaret) {
      myView.cursorPos(at.left, at.top);
      at.right = at.left;
      at.bottom = at.top;
    }
    mySession.show(root, at, false, true);
    noteOpened();
  });
}

bool TypeMenu::hasPolicy(const char* exeName) { return orv::policyFlags(exeName) != -1; }

void TypeMenu::answerPolicy(const char* exeName, bool work) {
  const int32_t flags = work ? kPolicyAll : kPolicyAsked;
  orv::setPolicy(exeName, flags);
  action("set policy " + std::string(exeName) + " " + std::to_string(flags));
}

bool TypeMenu::spellingAllowed(const char* exeName) { return myDesktop.policyAllows(exeName, kPolicySpelling); }

void TypeMenu::askAddWord(const AskAddWordRequest& request) {
  action("add word " + utf16ToUtf8(request.typed) + " (" + std::string(view(request.language)) + ")");
}

void TypeMenu::offerKey(uint32_t vk) {
  myDesktop.postToMenuThread([this, vk]() {
    mySession.offerKey(vk, myDesktop.clipboardPort.tickCount());
    noteOpened();
  });
}

void TypeMenu::close() {
  myDesktop.postToMenuThread([this]() { mySession.close(); });
}

bool TypeMenu::step(int32_t n, std::string& err) {
  if (!isOpen() || myView.shown.size() == 0) {
    err = "no menu is open for {Menu:...}\n";
    return false;
  }
  if (n == 0) {
    mySession.close();
    return true;
  }
  XMenu& menu = *myView.shown.last();
  if (n > menu.count()) {
    err = "the menu has no item " + std::to_string(n) + "\n";
    return false;
  }
  XMenu& item = *menu.child(n - 1);
  if (!item.isSelectable()) {
    err = "item " + std::to_string(n) + " of the menu cannot be chosen\n";
    return false;
  }
  if (item.isMenu()) {
    mySession.openSub(item);
    noteOpened();
  } else {
    mySession.choose(item);
  }
  return true;
}

Str16 TypeMenu::text(const char* key) {
  const Str16* t = myTexts.get(utf8ToUtf16(key));
  return t ? *t : utf8ToUtf16(std::string("?") + key);
}

Str16 TypeMenu::hotkeyText(const char* name) {
  SynchObject::Guard guard(myDesktop.state.lock());
  return orv::hotkeyText(myDesktop.engine.hotkeyCode(name, 0));
}

ArrT<MenuLayoutName> TypeMenu::layouts() {
  ArrT<MenuLayoutName> out;
  for (Hkl h : myDesktop.keyboard.installed()) {
    const SimLayout* l = findSimLayout(h);
    out.append({h, utf8ToUtf16(l ? l->name : "?")});
  }
  return out;
}

bool TypeMenu::translitActive() {
  SynchObject::Guard guard(myDesktop.state.lock());
  return myDesktop.engine.activeTranslit() != nullptr;
}

bool TypeMenu::pasteText(uint32_t thread, const Str16& text) {
  SynchObject::Guard guard(myDesktop.state.lock());
  return myDesktop.engine.pasteChosenText(thread, text);
}

void TypeMenu::selectionCommand(uint32_t thread, uint8_t code, uint32_t a, uint32_t b) {
  SynchObject::Guard guard(myDesktop.state.lock());
  SelectionConverter& selection = myDesktop.engine.selection();
  switch (code) {
    case kCodeToggleSel: selection.convertSelection(thread); break;
    case kCodeToggleAs: selection.convertSelectionAs(thread, a, b); break;
    case kCodeTranslit: selection.transliterateSelection(thread); break;
    case kCodeSpelling: selection.copyForEditor(thread); break;
    default: break;
  }
}

void TypeMenu::action(const std::string& what) {
  std::string line = "menu action: ";
  for (char c : what) {
    if (c == '\n') line += "\\n";
    else if (c != '\r') line += c;
  }
  myLines.push_back(line);
}

void TypeMenu::openPolicy(const Str8& exeName) { action("policy " + std::string(view(exeName))); }

void TypeMenu::editFragment(const Str16& text) { action("edit fragment " + utf16ToUtf8(text)); }

void TypeMenu::editNote(uint32_t id, const Str16& text) {
  action("edit note " + std::to_string(id) + " " + utf16ToUtf8(text));
}

void TypeMenu::editFile(const Str16& path) { action("edit file " + utf16ToUtf8(path)); }

void TypeMenu::newTemplate(const Str16& folder, bool isFolder) {
  action(std::string(isFolder ? "new template folder in " : "new template file in ") + utf16ToUtf8(folder));
}

void TypeMenu::saveStores() {
  if (myDesktop.storesChanged) myDesktop.storesChanged();
}

}  // namespace orv::simtool
