#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "clipboard/ClipboardMenu.h"
#include "clipboard/Templates.h"
#include "platform/FileSys.h"
#include "platform/Text.h"
#include "support/ScratchFolder.h"

#ifndef _WIN32
#include <filesystem>
#endif

namespace orv {
namespace {

using test::ScratchFolder;

// Texts are their keys and hotkeys their names, so that what the menu shows
// names where it came from; every action is logged.
class RecordingActions : public ClipboardMenuActions {
 public:
  Str16 text(const char* key) override { return utf8ToUtf16(key); }
  Str16 hotkeyText(const char* name) override { return utf8ToUtf16(std::string("key:") + name); }
  ArrT<MenuLayoutName> layouts() override { return layoutList; }
  bool translitActive() override { return translit; }
  Str16 moduleFolder() override { return folder; }
  bool pasteText(uint32_t thread, const Str16& t) override {
    log("paste " + std::to_string(thread) + " " + utf16ToUtf8(t));
    return pasteWorks;
  }
  void selectionCommand(uint32_t thread, uint8_t code, uint32_t a, uint32_t b) override {
    log("selection " + std::to_string(thread) + " " + std::to_string(code) + " " + std::to_string(a) + " " +
        std::to_string(b));
  }
  void openPolicy(const Str8& exe) override { log("policy " + std::string(view(exe))); }
  void newNote() override { log("new note"); }
  void editFragment(const Str16& t) override { log("edit fragment " + utf16ToUtf8(t)); }
  void editNote(uint32_t, const Str16& t) override { log("edit note " + utf16ToUtf8(t)); }
  void editFile(const Str16& path) override { log("edit file " + utf16ToUtf8(path)); }
  void newTemplate(const Str16& f, bool isFolder) override {
    log(std::string(isFolder ? "new folder " : "new file ") + utf16ToUtf8(f));
  }
  void saveStores() override {
    std::string saved;
    for (const TxtNote& n : notes->notes()) saved += utf16ToUtf8(n.text) + ",";
    log("save notes " + saved);
  }
  void notesMayHaveChanged() override { log("notes changed"); }
  void closeMenu() override { log("close"); }
  void repaint(XMenu& m) override { log("repaint " + utf16ToUtf8(m.caption)); }

  void log(const std::string& s) { calls.push_back(s); }
  std::vector<std::string> take() { return std::exchange(calls, {}); }

  ArrT<MenuLayoutName> layoutList;
  bool translit = false;
  bool pasteWorks = true;
  Str16 folder;
  NotesStore* notes = nullptr;
  std::vector<std::string> calls;
};

struct Fixture {
  explicit Fixture(int32_t historyEntries = 0, int32_t noteCount = 0, int32_t capacity = 100) : history(capacity) {
    for (int32_t i = historyEntries; i-- > 0;) history.addToHistory(utf8ToUtf16("h" + std::to_string(i)));
    for (int32_t i = noteCount; i-- > 0;) notes.addNote(TxtNote{utf8ToUtf16("n" + std::to_string(i)), {}, {}, 0});
    actions.folder = scratch.path();
    actions.notes = &notes;
    menu.setTarget(77, str8("app.exe"));
  }
  ~Fixture() { delete root; }
  XMenu& build(const ClipboardMenuSettings& s = {}) {
    delete root;
    root = menu.build(s, makeMenuStyle({}, 4, 255));
    return *root;
  }
  // The session's order: the query, the whole menu closed, then the chosen
  // event to a detached copy.
  void choose(XMenu& item) {
    if (item.notify(kMenuQuery)) return;
    XMenu* copy = item.detachedCopy();
    close();
    copy->notify(kMenuChosen);
    delete copy;
  }
  void close() {
    if (!root) return;
    root->notify(kMenuDeleted);
    delete root;
    root = nullptr;
  }

  ScratchFolder scratch;
  ClipboardHistory history;
  NotesStore notes;
  RecordingActions actions;
  ClipboardMenu menu{history, notes, actions};
  XMenu* root = nullptr;
};

std::string text(const Str16& s) { return utf16ToUtf8(s); }

// A menu text without the key prefix the menu's own texts share.
std::string shortText(const Str16& s) {
  const std::string t = text(s), prefix = "clipboard_menu_";
  return t.rfind(prefix, 0) == 0 ? t.substr(prefix.size()) : t;
}

// The children of a menu in one line: short captions, "#" before a header,
// "-" a separator, a sub-menu with its children in brackets, the create
// items of the templates as "+folder PATH" and "+file PATH" (the templates
// and the commands below them left out of the root).
std::string outline(const XMenu& m) {
  std::string out;
  for (const XMenu* c : m.children) {
    if (c->caption == str16(u"clipboard_menu_tmplts_title")) break;
    if (!out.empty()) out += ' ';
    const uint8_t code = c->record.size() ? uint8_t(c->record[0]) : 0;
    if (c->kind == MenuKind::Separator) out += '-';
    else if (c->kind == MenuKind::Header) out += '#' + shortText(c->caption);
    else if (code == kCodeNewFolder || code == kCodeNewFile)
      out += (code == kCodeNewFolder ? "+folder " : "+file ") + text(recordText(c->record, 1));
    else if (c->kind == MenuKind::Sub) out += shortText(c->caption) + '[' + outline(*c) + ']';
    else out += shortText(c->caption);
  }
  return out;
}

XMenu* find(const XMenu& m, std::u16string_view caption) {
  for (XMenu* c : m.children) {
    if (view(c->caption) == caption) return c;
    if (XMenu* f = find(*c, caption)) return f;
  }
  return nullptr;
}

std::string buttons(const XMenu& item) {
  std::string out;
  for (char b : item.buttons) out += std::to_string(int(b));
  return out;
}

TEST(ClipboardMenu, EverySettingCombinationPlacesTheStoresAndTheirHeadings) {
  struct Case {
    bool first, clipSub, notesSub;
    int32_t entries;
    const char* title;
    const char* outline;
  } cases[] = {
      {true, false, false, 2, "title", "h0 h1 #notes_title n0 n1 - new_note"},
      {true, false, true, 2, "title", "h0 h1 - notes_title[n0 n1 - new_note]"},
      {true, true, false, 2, "title", "title[h0 h1] #notes_title n0 n1 - new_note"},
      {false, false, false, 2, "title2", "n0 n1 - new_note #title h0 h1"},
      {false, false, true, 2, "title", "notes_title[n0 n1 - new_note] #title h0 h1"},
      {false, true, true, 2, "title", "notes_title[n0 n1 - new_note] - title[h0 h1]"},
      {true, false, false, 0, "title", "none_item #notes_title none_item - new_note"},
      {true, false, false, 5, "title", "h0 h1 h2 more_title[h3 h4] #notes_title n0 n1 n2 more_title[n3 n4] - new_note"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.first) + std::to_string(c.clipSub) + std::to_string(c.notesSub));
    Fixture f(c.entries, c.entries);
    XMenu& root = f.build({.maxItems1 = 3, .maxNotes1 = 3, .clipboardFirst = c.first, .clipboardAsSub = c.clipSub,
                           .notesAsSub = c.notesSub});
    EXPECT_EQ(shortText(root.title), c.title);
    EXPECT_EQ(outline(root), c.outline);
    EXPECT_EQ(f.menu.notesBox()->record, Str8(str8("\x07")));
    EXPECT_TRUE(f.history.menuOpen());
  }
}

TEST(ClipboardMenu, ThirtyFiveEntriesShowTenThenTwentyInTheMoreMenu) {
  Fixture f(35, 12);
  XMenu& root = f.build({.notesAsSub = true});
  std::string first, more;
  for (int32_t i = 0; i < 10; ++i) first += " h" + std::to_string(i);
  for (int32_t i = 10; i < 30; ++i) more += " h" + std::to_string(i);
  EXPECT_EQ(outline(root).rfind(first.substr(1) + " more_title[" + more.substr(1) + "] ", 0), 0u);
  XMenu* notesMore = find(*f.menu.notesBox(), u"clipboard_menu_more_title");
  ASSERT_TRUE(notesMore);
  EXPECT_EQ(notesMore->record, Str8(str8("\x07")));
  EXPECT_EQ(notesMore->count(), 2);
  XMenu* entry = find(root, u"h29");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->columnWidth, kEntryColumnWidth);
  EXPECT_TRUE(entry->entryStyle);
  EXPECT_EQ(entry->images, MenuImages::History);
}

TEST(ClipboardMenu, CommandItemsBelowTheStoresRunTheirActions) {
  Fixture f;
  for (auto [id, name] : {std::pair{0x409u, u"US"}, {0x419u, u"RU"}, {0x422u, u"UA"}})
    f.actions.layoutList.append({id, str16(name)});
  for (bool translit : {false, true}) {
    f.actions.translit = translit;
    EXPECT_EQ(find(f.build(), u"clipboard_translit_selected_mi") != nullptr, translit);
  }
  XMenu* as = find(f.build(), u"clipboard_switch_selected_sub");
  ASSERT_TRUE(as);
  EXPECT_EQ(outline(*as), "US  ->  RU US  ->  UA RU  ->  US RU  ->  UA UA  ->  US UA  ->  RU");
  const struct {
    std::u16string_view caption;
    const char* hint;
    const char* call;
  } cases[] = {
      {u"clipboard_underliner_for_selected_mi", "", "selection 77 6 0 0"},
      {u"clipboard_translit_selected_mi", "key:translit", "selection 77 9 0 0"},
      {u"clipboard_switch_selected_mi", "key:!!switch_sel", "selection 77 3 0 0"},
      {u"RU  ->  UA", "", "selection 77 4 1049 1058"},
      {u"clipboard_exe_policy", "", "policy app.exe"},
      {u"clipboard_menu_new_note", "key:!!new_note", "new note"},
      {u"clipboard_menu_tmplts_new_folder", "", "new folder templates"},
      {u"clipboard_menu_tmplts_new_file", "", "new file templates"},
  };
  for (const auto& c : cases) {
    XMenu& root = f.build();
    XMenu* item = find(root, c.caption);
    ASSERT_TRUE(item) << text(str16(c.caption));
    EXPECT_EQ(text(item->hint), c.hint);
    f.actions.take();
    f.choose(*item);
    std::vector<std::string> calls = f.actions.take();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), c.call);
  }
}

TEST(ClipboardMenu, CaptionsAreOneLineAndPreviewsKeepTheLines) {
  const std::u16string longLine(300, u'x');
  std::u16string lines;
  for (int i = 0; i < 30; ++i) lines += u"l\r\n";
  std::u16string expectedLines;
  for (int i = 0; i < 21; ++i) expectedLines += u"l\r\n";
  const std::u16string pair = std::u16string(110, u'x') + u"\U0001F600";
  const struct {
    std::u16string in, caption, preview;
  } cases[] = {
      {u"a\r\n\r\nb", u"a b", u"a\r\nb"},
      {u"  \t lead  and\ttabs ", u"lead and tabs ", u"lead  and\ttabs"},
      {u" \r\n ", u" ", u""},
      {u"", u" ", u""},
      {u"old\rmac", u"old mac", u"old\r\nmac"},
      {longLine, std::u16string(111, u'x'), longLine},
      {pair, std::u16string(110, u'x'), pair},
      {lines, u"l l l l l l l l l l l l l l l l l l l l l l l l l l l l l l ", expectedLines + u"..."},
      {std::u16string(6000, u'y'), std::u16string(111, u'y'), std::u16string(5000, u'y')},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(view(ClipboardMenu::entryCaption(str16(c.in))), c.caption) << text(str16(c.in));
    EXPECT_EQ(view(ClipboardMenu::entryPreview(str16(c.in))), c.preview) << text(str16(c.in));
  }
}

TEST(ClipboardMenu, ChoosingAnEntryPastesItAndMakesItTheNewest) {
  Fixture f(5, 2);
  f.choose(*find(f.build(), u"h3"));
  EXPECT_EQ(f.actions.calls[f.actions.calls.size() - 2], "paste 77 h3");
  EXPECT_EQ(text(f.history.at(0)), "h3");
  EXPECT_EQ(text(f.history.lastSeen()), "h3");
  EXPECT_FALSE(f.history.menuOpen());

  // A paste that could not reach the clipboard changes nothing.
  f.actions.pasteWorks = false;
  f.choose(*find(f.build(), u"n1"));
  EXPECT_EQ(text(f.history.at(0)), "h3");
  EXPECT_EQ(text(f.history.lastSeen()), "h3");
}

TEST(ClipboardMenu, AnEntryAlreadyANoteCannotBeAddedAgain) {
  Fixture f(3, 2);
  f.notes.addNote(TxtNote{str16(u"h1"), {}, {}, 0});  // notes: h1 n0 n1
  XMenu& root = f.build();
  XMenu* known = find(root, u"h1");
  XMenu* fresh = find(root, u"h2");
  EXPECT_EQ(buttons(*known), "624");
  EXPECT_EQ(buttons(*fresh), "024");
  known->notify(kMenuButton, 1);
  EXPECT_EQ(f.notes.size(), 3);
  fresh->notify(kMenuButton, 1);
  ASSERT_EQ(f.notes.size(), 4);
  EXPECT_EQ(buttons(*fresh), "624");
  EXPECT_EQ(outline(root), "h0 h1 h2 #notes_title h2 h1 n0 n1 - new_note");
  // The note items count from the top again, and the old ones paste their own.
  XMenu* box = f.menu.notesBox();
  int32_t top = box->indexOf(find(root, u"clipboard_menu_notes_title")) + 1;
  for (int32_t k = 0; k < 4; ++k) EXPECT_EQ(recordU32(box->child(top + k)->record, 1), uint32_t(k));
  f.choose(*box->child(top + 3));
  EXPECT_EQ(text(f.history.at(0)), "n1");
}

TEST(ClipboardMenu, DeletingAHistoryEntryRenumbersTheOnesBelow) {
  Fixture f(10);
  XMenu& root = f.build();
  find(root, u"h3")->notify(kMenuButton, 3);
  EXPECT_EQ(f.history.size(), 9);
  EXPECT_EQ(f.history.find(str16(u"h3")), -1);
  EXPECT_EQ(outline(root).substr(0, 26), "h0 h1 h2 h4 h5 h6 h7 h8 h9");
  for (int32_t i = 0; i < 9; ++i) EXPECT_EQ(recordU32(root.child(i)->record, 1), uint32_t(i));
  f.choose(*find(root, u"h7"));
  EXPECT_EQ(text(f.history.at(0)), "h7");
}

TEST(ClipboardMenu, EditButtonsOpenTheEditorAndStaleHistoryIndicesAreIgnored) {
  Fixture f(3, 2);
  XMenu& root = f.build();
  f.actions.take();
  find(root, u"h1")->notify(kMenuButton, 2);
  EXPECT_EQ(f.actions.take(), (std::vector<std::string>{"close", "edit fragment h1"}));
  find(root, u"n1")->notify(kMenuButton, 2);
  EXPECT_EQ(f.actions.take(), std::vector<std::string>{"edit note n1"});
  XMenu* last = find(root, u"h2");
  f.history.removeFromHistory(2);  // gone behind the menu's back
  last->notify(kMenuButton, 3);
  last->notify(kMenuButton, 1);
  EXPECT_EQ(f.history.size(), 2);
  EXPECT_EQ(f.notes.size(), 2);
  f.choose(*last);
  EXPECT_EQ(text(f.history.at(0)), "h0");
}

TEST(ClipboardMenu, ANoteMarkedDeletedIsRemovedAtCloseUnlessResetAndTheOthersStillPasteThemselves) {
  Fixture f(0, 3);
  XMenu& root = f.build();
  XMenu* kept = find(root, u"n0");
  XMenu* gone = find(root, u"n2");
  for (XMenu* n : {kept, gone}) n->notify(kMenuButton, 3);
  EXPECT_EQ(text(kept->caption), "clipboard_menu_note_deleted");
  EXPECT_EQ(kept->attrs[0], kCharItalic);
  EXPECT_EQ(buttons(*kept), "6");
  EXPECT_EQ(text(kept->buttonTips[0]), "clipboard_menu_tt_restore");
  EXPECT_FALSE(kept->draggable);
  EXPECT_NE(kept->notify(kMenuQuery), 0u);
  kept->notify(kMenuButton, 1);
  EXPECT_EQ(text(kept->caption), "n0");
  EXPECT_EQ(buttons(*kept), "402");
  EXPECT_TRUE(kept->draggable);
  EXPECT_EQ(kept->notify(kMenuQuery), 0u);
  f.actions.take();
  // The chosen event comes after the close removed the marked note.
  f.choose(*find(root, u"n1"));
  EXPECT_EQ(f.actions.take(), (std::vector<std::string>{"save notes n0,n1,", "notes changed", "paste 77 n1", "save notes n0,n1,"}));
  EXPECT_EQ(text(f.history.at(0)), "n1");
}

TEST(ClipboardMenu, AMenuReplacedBeforeItClosedStillDropsItsMarkedNotes) {
  Fixture f(0, 3);
  XMenu* older = f.menu.build({}, makeMenuStyle({}, 4, 255));
  find(*older, u"n1")->notify(kMenuButton, 3);
  XMenu& newer = f.build();
  older->notify(kMenuDeleted);
  delete older;
  EXPECT_EQ(f.notes.size(), 2);
  EXPECT_EQ(f.notes.findNoteByText(str16(u"n1")), -1);
  EXPECT_TRUE(f.history.menuOpen());
  EXPECT_EQ(f.menu.root(), &newer);
}

TEST(ClipboardMenu, DraggedNotesKeepTheirOrderAndTheDeleteMarksTheirNotes) {
  // Notes A B C: A marked deleted, C dragged above B. The drag reorders the
  // list, yet the mark still removes A and nothing else.
  Fixture f(0, 0);
  for (const char16_t* t : {u"C", u"B", u"A"}) f.notes.addNote(TxtNote{str16(t), {}, {}, 0});
  XMenu& root = f.build();
  XMenu* box = f.menu.notesBox();
  find(root, u"A")->notify(kMenuButton, 3);
  box->insert(box->indexOf(find(root, u"B")), box->detach(box->indexOf(find(root, u"C"))));
  box->notify(kMenuDragEnd);
  EXPECT_EQ(text(f.notes.notes()[0].text) + text(f.notes.notes()[1].text), "CB");
  f.close();
  ASSERT_EQ(f.notes.size(), 2);
  EXPECT_EQ(text(f.notes.notes()[0].text) + text(f.notes.notes()[1].text), "CB");
}

TEST(ClipboardMenu, ATemplateMarkedForDeletionIsStruckOutCannotBeChosenAndGoesAtClose) {
  Fixture f;
  f.scratch.folder("templates");
  for (const char* name : {"templates/keep.txt", "templates/drop.txt"}) test::writeBytes(f.scratch.file(name), "body");
  XMenu& root = f.build();
  XMenu* drop = find(root, u"drop");
  XMenu* keep = find(root, u"keep");
  for (int k = 0; k < 3; ++k) (k < 2 ? keep : drop)->notify(kMenuButton, 2);
  EXPECT_EQ(buttons(*drop), "04");
  EXPECT_EQ(drop->attrs[0], kCharStrike);
  EXPECT_EQ(buttons(*keep), "02");
  EXPECT_EQ(keep->attrs[0], 0u);
  EXPECT_EQ(text(keep->hint), "keep");
  EXPECT_EQ(keep->images, MenuImages::Templates);
  EXPECT_NE(drop->notify(kMenuQuery), 0u);
  f.actions.take();
  drop->notify(kMenuButton, 1);
  EXPECT_EQ(f.actions.take(), (std::vector<std::string>{"close", "edit file " + text(f.scratch.file(u"templates\\drop.txt"))}));
  f.choose(*keep);
  EXPECT_EQ(text(f.history.at(0)), "body");
  EXPECT_TRUE(fileExists(f.scratch.file("templates/keep.txt")));
  EXPECT_FALSE(fileExists(f.scratch.file("templates/drop.txt")));
}

TEST(ClipboardMenu, TemplateFoldersComeFirstThenTextFilesEachSortedWithoutCase) {
  Fixture f;
  EXPECT_EQ(outline(*find(f.build(), u"clipboard_menu_tmplts_title")), "+folder templates +file templates");
  f.scratch.folder("templates/b");
  f.scratch.folder("templates/A/deep");
  for (const char* name : {"z.TXT", "a.txt", "B.txt", ".txt", "notes.doc", "A/in  two   words.txt", "txt"})
    test::writeBytes(f.scratch.file(std::string("templates/") + name), "x");
  EXPECT_EQ(outline(*find(f.build(), u"clipboard_menu_tmplts_title")),
            "A[deep[+folder templates\\A\\deep +file templates\\A\\deep] in two words - +folder templates\\A "
            "+file templates\\A] b[+folder templates\\b +file templates\\b] "
            "  a B z - +folder templates +file templates");
}

#ifndef _WIN32
TEST(ClipboardMenu, ATemplateFolderLinkedToItsParentDoesNotMakeTheMenuEndless) {
  Fixture f;
  f.scratch.folder("templates/sub");
  namespace fs = std::filesystem;
  const fs::path link = text(f.scratch.file("templates/sub/loop"));
  fs::create_directory_symlink("..", link);
  const XMenu* m = find(f.build(), u"clipboard_menu_tmplts_title");
  fs::remove(link);
  int32_t depth = 0;
  for (; m->count() && m->child(0)->kind == MenuKind::Sub; m = m->child(0)) ++depth;
  EXPECT_GT(depth, 2);
  EXPECT_LT(depth, 40);
}
#endif

TEST(Templates, TheByteOrderMarkChoosesTheEncoding) {
  const std::string text = "T\xC3\xA9xt \xE2\x82\xAC";  // "Téxt €"
  const Str16 wide = utf8ToUtf16(text);
  std::string le = "\xFF\xFE", be = "\xFE\xFF";
  for (char16_t c : wide) {
    le += char(c & 0xFF), le += char(c >> 8);
    be += char(c >> 8), be += char(c & 0xFF);
  }
  auto ansiText = [](const std::string& bytes) {
    Str16 out;
    multiByteToWide(kCpAnsi, bytes.data(), int32_t(bytes.size()), out);
    return out;
  };
  const struct {
    std::string bytes;
    TextEncoding encoding;
    Str16 text;
  } cases[] = {
      {le, TextEncoding::Utf16Le, wide},
      {be, TextEncoding::Utf16Be, wide},
      {le + "\x41", TextEncoding::Utf16Le, wide},  // an odd last byte is no character
      {"\xEF\xBB\xBF" + text, TextEncoding::Utf8, wide},
      {text, TextEncoding::Utf8, wide},  // UTF-8 as editors save it today, without a mark
      {"caf\xE9", TextEncoding::Ansi, ansiText("caf\xE9")},
      {"\xFF", TextEncoding::Ansi, ansiText("\xFF")},
      {"", TextEncoding::Ansi, Str16()},
  };
  for (const auto& c : cases) {
    Str16 out;
    EXPECT_EQ(decodeTextFile(str8(c.bytes), out), c.encoding) << c.bytes;
    EXPECT_EQ(out, c.text) << c.bytes;
  }
}

TEST(Templates, CreateMakesAFolderOrAMarkedFileAndRefusesBadNames) {
  ScratchFolder dir;
  const struct {
    std::u16string name;
    bool folder;
    CreateTemplateResult result;
    std::u16string made;  // relative path, or "" for nothing
  } cases[] = {
      {u"notes", false, CreateTemplateResult::File, u"templates\\notes.txt"},
      {u"  letters \t", true, CreateTemplateResult::Folder, u"templates\\letters"},
      {u"notes", false, CreateTemplateResult::Failed, u""},  // never overwrites
      {u"letters", true, CreateTemplateResult::Failed, u""},
      {u"   ", false, CreateTemplateResult::BadName, u""},
      {u"a/b", false, CreateTemplateResult::BadName, u""},
      {u"a\\b", true, CreateTemplateResult::BadName, u""},
      {u"why?", false, CreateTemplateResult::BadName, u""},
      {u"star*", false, CreateTemplateResult::BadName, u""},
      {u"notes:hidden", false, CreateTemplateResult::BadName, u""},
      {std::u16string(100, u'n'), true, CreateTemplateResult::Folder, u"templates\\" + std::u16string(100, u'n')},
      {std::u16string(101, u'n'), true, CreateTemplateResult::BadName, u""},
  };
  for (const auto& c : cases) {
    Str16 made;
    EXPECT_EQ(createTemplate(dir.path(), str16(u"templates"), str16(c.name), c.folder, &made), c.result)
        << utf16ToUtf8(str16(c.name));
    EXPECT_EQ(made, c.made.empty() ? Str16() : dir.file(std::u16string_view(c.made)));
  }
  EXPECT_EQ(test::readBytes(dir.file("templates/notes.txt")), "\xEF\xBB\xBFtext");
  EXPECT_TRUE(isFolder(dir.file("templates/letters")));
}

}  // namespace
}  // namespace orv
