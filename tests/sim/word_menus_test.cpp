// The completion and spelling popups of the typed word in the simulated
// desktop: what they offer, what choosing does, and the last-typed store.
#include <string>
#include <vector>

#include "keyboard/WordMenus.h"
#include "language/Dictionary.h"
#include "sim/SimHarness.h"
#include "support/ScratchFolder.h"
#include "support/ShippedDictionaries.h"
#include "tools/orvanta-sim/SimRun.h"
#include "tools/orvanta-sim/TypeMenu.h"

namespace orv {
namespace {

using namespace test;

// English dictionaries of one code page in a scratch folder.
struct Dictionaries {
  ScratchFolder dir;
  SynchObject lock;
  DictionarySet set{dir.path(), lock};
  LastWords last;
  void add(const char* folder, const std::vector<std::string>& words) {
    auto* dic = new Dictionary(dir.folder(folder), 1252);
    for (const std::string& w : words) dic->addWord(str8(w.c_str()));
    set.appendOwned(dic);
  }
  // The word menu's line after typing, empty: none shown.
  std::string menuAfter(const char* typed, int minLetters = 3) {
    SimSettings settings;
    settings.minLetters = minLetters;
    settings.completions = 1;
    settings.spelling = settings.autoSwitch = 0;
    sim::SimDesktop d({kUs, kRu}, settings);
    d.dictionary = [this](const Str8& w, int32_t cp) { return set.checkInSet(w, cp); };
    simtool::TypeMenu menu(d, ClipboardMenuSettings(), LangTable(), Str16());
    menu.enableWordMenus(set, last);
    typeInto(d, typed);
    d.idle();
    return menu.lines().empty() ? "" : menu.lines().back();
  }
};

// Two English dictionaries of one code page: the completions of both are
// offered, a word in both once.
TEST(WordMenus, CompletionsOfferLongerWordsOnceEachNeverTheTypedWord) {
  struct Case {
    const char* typed;
    int minLetters;
    const char* menu;  // the completion menu's line, empty: none shown
  };
  const Case cases[] = {
      {"ca", 3, ""},
      // cart: only the check of car+t finds it; Carla: from the cased index
      // with its capitals; cart from both dictionaries: one item; car itself
      // (a dictionary word) only as the header.
      {"car", 3, "menu: ?autocomplete_menu_title: car | Carla | carbon | carpet | cart | - | ?mi_disable_this_exe | ?mi_enable_this_exe"},
      {"ca", 2, "menu: ?autocomplete_menu_title: Carla | car | carbon | carpet | cart | - | ?mi_disable_this_exe | ?mi_enable_this_exe"},
  };
  Dictionaries dics;
  dics.add("en_US", {"car", "cart", "Carla", "carpet"});
  dics.add("en_GB", {"cart", "carbon"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(dics.menuAfter(c.typed, c.minLetters), c.menu);
  }
}

// Hundreds of completions would run past the screen's bottom: a level
// shows kWordsPerLevel words, the rest go on behind "More", and the items
// after the words stay on the root.
TEST(WordMenus, WordsBeyondOneLevelGoOnInAMoreSubMenu) {
  std::vector<std::string> words;
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b : {'a', 'b'}) words.push_back(std::string("dog") + a + b);
  Dictionaries dics;
  dics.add("en_US", words);
  const std::string shown = dics.menuAfter("dog");
  const std::string tail = " | ?clipboard_menu_more_title | - | ?mi_disable_this_exe | ?mi_enable_this_exe";
  ASSERT_GT(shown.size(), tail.size());
  EXPECT_EQ(shown.substr(shown.size() - tail.size()), tail) << shown;
  int listed = 0;
  for (size_t at = shown.find(" dog"); at != std::string::npos; at = shown.find(" dog", at + 1)) ++listed;
  EXPECT_EQ(listed, kWordsPerLevel) << shown;
}

// A misspelt word ended by Space offers the right word; choosing it keeps
// the typed capital and puts the word into the last-typed store on disk.
TEST(WordMenus, AChosenSpellingSuggestionReplacesTheWordWithItsCapitalsAndIsRemembered) {
  SKIP_WITHOUT_SHIPPED_DICTIONARIES();
  const struct {
    std::vector<std::string> keys;   // the arguments after the settings
    std::vector<std::string> lines;  // each found whole in the output, in order
    bool noMenuAfter = false;        // no menu after the last of them
  } cases[] = {
      {{"Recieve "}, {"menu: Spelling: receive | relieve | - | Add word | - | Do not work in this application | "
                      "work and do not ask"}},
      {{"so Recieve {Menu:1}"}, {"text: so Receive ", "lastwords: en-US: receive"}},
      // The popup came up by itself: Enter ends the line in the application
      // and picks nothing, until the user moves into the menu with Down.
      {{"so Recieve {Enter}"}, {"text: so Recieve \n"}},
      {{"so Recieve {Down}{Enter}"}, {"text: so Receive "}},
      {{"Recieve {Menu:4}"}, {"menu action: add word Recieve (en)"}},  // the word as typed
      // Not working in the application: asked once, and spelling stops there
      // (the policies stay with the process, so another application).
      {{"--app", "asked.exe", "Recieve {Menu:6}wrnog "}, {"menu action: set policy asked.exe 35"}, true},
      // The beginning of a word is no misspelling.
      {{"hous"}, {}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys.back());
    std::vector<std::string> args = {"type", "--set", "common.oc_use=1", "--set", "common.oc_space_only=0", "--lastwords"};
    args.insert(args.end(), c.keys.begin(), c.keys.end());
    std::string out, err;
    ASSERT_EQ(simtool::cmdType(args, out, err), 0) << err;
    out.insert(0, "\n");  // every line then starts after a line break
    size_t at = 0;
    for (const std::string& line : c.lines) {
      at = out.find("\n" + line + "\n", at);
      ASSERT_NE(at, std::string::npos) << line << out;
    }
    if (c.noMenuAfter) { EXPECT_EQ(out.find("menu:", at + 1), std::string::npos) << out; }
  }
}

}  // namespace
}  // namespace orv
