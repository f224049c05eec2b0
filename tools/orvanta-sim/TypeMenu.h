#pragma once
// The popup menu of an `orvanta-sim type` run: the program's menu thread in
// the simulated desktop. The clipboard menu is composed as the program
// composes it and shown in a menu session with the recording view; every
// menu that opens is written as a line "menu: TITLE: CAPTION | CAPTION ...",
// and what the menu asks of the program runs in the desktop (a paste, the
// selection commands) or is written as "menu action: ..." (the editor, the
// options window, the templates dialog).

#include <memory>
#include <string>
#include <vector>

#include "app/LangFile.h"
#include "clipboard/ClipboardMenu.h"
#include "clipboard/MenuSession.h"
#include "clipboard/RecordingMenuView.h"
#include "keyboard/WordMenus.h"
#include "keyboard/sim/SimDesktop.h"

namespace orv::simtool {

class TypeMenu : public sim::SimDesktop::Menu, public ClipboardMenuActions, public WordMenuHost {
 public:
  // `texts`: the English interface texts; `moduleFolder`: where the
  // templates folder would be. Installs itself as the desktop's menu.
  TypeMenu(sim::SimDesktop& d, const ClipboardMenuSettings& settings, LangTable texts, Str16 moduleFolder);
  ~TypeMenu() override;

  // The completion and spelling popups over these dictionaries and this
  // last-typed store (both outlive the menu).
  void enableWordMenus(DictionarySet& dictionaries, LastWords& lastWords);

  // {Menu:N}: chooses the N-th item (1-based, separators and headers
  // counted as they are shown) of the newest open menu; a sub-menu item opens
  // its sub-menu. {Menu:Esc} is n = 0: closes the menu. False with a message
  // when no menu is open or the item cannot be chosen.
  bool step(int32_t n, std::string& err);
  // The lines written so far, in order.
  const std::vector<std::string>& lines() const { return myLines; }
  // One menu's line.
  static std::string menuLine(const XMenu& menu);

  // SimDesktop::Menu (the receiver's side; the work is posted to the menu
  // thread as the program posts it).
  bool isOpen() override { return mySession.shownRoot() != nullptr; }
  void offerKey(uint32_t vk) override;
  void close() override;
  bool isMenuWindow(uint32_t hwnd) override { return mySession.isMenuWindow(hwnd); }
  void showClipboardMenu(uint32_t thread, const char* exeName, bool hasPoint, int32_t x, int32_t y) override;
  void showWordMenu(XMenu* root, const int32_t rect[4], bool noCaret) override;

  // WordMenuHost (text() is the one above). The policy written shows as
  // "menu action: set policy EXE FLAGS", the add-word question as
  // "menu action: add word WORD (LANGUAGE)".
  bool hasPolicy(const char* exeName) override;
  void answerPolicy(const char* exeName, bool work) override;
  bool spellingAllowed(const char* exeName) override;
  void askAddWord(const AskAddWordRequest& request) override;

  // ClipboardMenuActions
  Str16 text(const char* key) override;
  Str16 hotkeyText(const char* name) override;
  ArrT<MenuLayoutName> layouts() override;
  bool translitActive() override;
  Str16 moduleFolder() override { return myFolder; }
  bool pasteText(uint32_t thread, const Str16& text) override;
  void selectionCommand(uint32_t thread, uint8_t code, uint32_t a, uint32_t b) override;
  void openPolicy(const Str8& exeName) override;
  void newNote() override { action("new note"); }
  void editFragment(const Str16& text) override;
  void editNote(uint32_t id, const Str16& text) override;
  void editFile(const Str16& path) override;
  void newTemplate(const Str16& folder, bool isFolder) override;
  void saveStores() override;
  void notesMayHaveChanged() override {}
  void closeMenu() override { mySession.close(); }
  void repaint(XMenu& menu) override { mySession.refresh(menu); }

 private:
  // One line: a line break in a text shows as \n.
  void action(const std::string& what);
  // Writes a line for each menu window made since the last look.
  void noteOpened();

  sim::SimDesktop& myDesktop;
  ClipboardMenuSettings mySettings;
  LangTable myTexts;
  Str16 myFolder;
  FixedMeasure myMeasure;
  RecordingMenuView myView;
  MenuSession mySession{myView, myMeasure};
  ClipboardMenu myMenu;
  int32_t mySeen = 0;  // windows made that have a line
  std::vector<std::string> myLines;
  std::unique_ptr<WordMenus> myWords;
};

}  // namespace orv::simtool
