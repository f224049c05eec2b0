// The clipboard history, the notes, and their files clipboard.dat and
// notes.dat: what the loaders make of damaged and odd files, and what the
// savers write.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "clipboard/StoreFiles.h"
#include "platform/FileSystem.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

using test::readBytes;
using test::ScratchFolder;

std::vector<std::u16string> listOf(const ArrT<Str16>& list) {
  std::vector<std::u16string> out;
  for (const Str16& e : list) out.emplace_back(view(e));
  return out;
}

// shortcut|title|text
std::u16string fields(const TxtNote& n) {
  return std::u16string(view(n.shortcut)).append(u"|").append(view(n.title)).append(u"|").append(view(n.text));
}

// Adds notes so that the list holds them in the order given.
void fill(NotesStore& s, const std::vector<std::pair<std::u16string, std::u16string>>& shortcutAndText) {
  for (auto it = shortcutAndText.rbegin(); it != shortcutAndText.rend(); ++it) {
    TxtNote n;
    n.shortcut = str16(it->first);
    n.text = str16(it->second);
    ASSERT_EQ(s.addNote(n), NoteResult::Ok);
  }
}

std::vector<std::u16string> texts(const NotesStore& s) {
  std::vector<std::u16string> out;
  for (const TxtNote& n : s.notes()) out.emplace_back(view(n.text));
  return out;
}

const std::string kHistoryMagic("cd\0\1", 4);
const std::string kNotesMagic("nd\0\2", 4);

std::string units(std::u16string_view s) {
  std::string out;
  for (char16_t c : s) {
    out += char(c & 0xFF);
    out += char(c >> 8);
  }
  return out;
}
std::string len16(size_t n) { return std::string{char(n & 0xFF), char(n >> 8)}; }
std::string entry(std::u16string_view s) { return len16(s.size()) + units(s); }
std::string note(std::u16string_view shortcut, std::u16string_view title, std::u16string_view text) {
  return std::string(1, char(shortcut.size())) + units(shortcut) + entry(title) + entry(text);
}

std::vector<std::u16string> decodedHistory(const std::string& file, int32_t limit) {
  ArrT<Str16> list;
  decodeHistory(file.data(), file.size(), limit, list);
  return listOf(list);
}

std::vector<std::u16string> decodedNotes(const std::string& file, int32_t limit) {
  ArrT<TxtNote> list;
  decodeNotes(file.data(), file.size(), limit, list);
  std::vector<std::u16string> out;
  for (const TxtNote& n : list) out.push_back(fields(n));
  return out;
}

// What a run of clipboard checks leaves: each step offers the text found on
// the clipboard ("\x01" opens the menu, "\x02" closes it, "+x" is a paste of
// "x" from the menu that puts the user's clipboard back afterwards) and
// counts the saves the caller makes for the changes reported.
TEST(ClipboardHistory, CapturesFollowTheLastSeenText) {
  const std::u16string longest(ClipboardHistory::kMaxEntryUnits, u'x');
  const std::u16string tooLong(ClipboardHistory::kMaxEntryUnits + 1, u'y');  // for clipboard.dat
  const struct {
    const char* name;
    int32_t capacity;
    std::vector<std::u16string> clipboard, history;
    int saves;
  } cases[] = {
      {"a b a moves a back to the top", 30, {u"a", u"b", u"a"}, {u"a", u"b"}, 3},
      {"the same text twice is taken once", 30, {u"a", u"a"}, {u"a"}, 1},
      {"an empty text adds nothing but is seen", 30, {u"a", u"", u"b", u""}, {u"b", u"a"}, 2},
      {"seen again after an empty clipboard, already on top", 30, {u"a", u"", u"a"}, {u"a"}, 1},
      {"case matters", 30, {u"Ab", u"ab"}, {u"ab", u"Ab"}, 2},
      {"the oldest falls out", 2, {u"a", u"b", u"c"}, {u"c", u"b"}, 3},
      {"the text seen last stays below a paste from the menu", 30, {u"a", u"+x", u"a"}, {u"x", u"a"}, 2},
      {"copies while the menu is open wait for the next check", 30, {u"a", u"\x01", u"b", u"\x02", u"b"}, {u"b", u"a"}, 2},
      {"a text too long for the file is never stored", 30, {tooLong, u"+" + tooLong}, {}, 0},
      {"the longest text is", 30, {u"+" + longest}, {longest}, 1},
  };
  for (const auto& c : cases) {
    ClipboardHistory h(c.capacity);
    int saves = 0;
    for (const std::u16string& t : c.clipboard) {
      if (t == u"\x01" || t == u"\x02")
        h.setMenuOpen(t == u"\x01");
      else if (t[0] == u'+')
        saves += h.addToHistory(str16(t.substr(1)));
      else
        saves += h.offerCapture(str16(t));
    }
    EXPECT_EQ(listOf(h.entries()), c.history) << c.name;
    EXPECT_EQ(saves, c.saves) << c.name;
  }
}

TEST(ClipboardHistory, RemovalClearingAndALoweredCapacityKeepTheNewest) {
  ClipboardHistory h(5);
  for (const char16_t* t : {u"a", u"b", u"c", u"d"}) h.addToHistory(str16(t));
  EXPECT_FALSE(h.removeFromHistory(4));
  EXPECT_FALSE(h.removeFromHistory(-1));
  EXPECT_TRUE(h.removeFromHistory(1));  // "c"
  {
    SynchObject::Guard g(h.lock());
    EXPECT_TRUE(h.addToHistory(h.entriesLocked()[2]));  // the menu pastes an entry of the list itself
  }
  EXPECT_EQ(listOf(h.entries()), (std::vector<std::u16string>{u"a", u"d", u"b"}));
  h.setCapacity(2);
  EXPECT_TRUE(h.addToHistory(str16(u"a")));  // already on top, but the list is cut to the new capacity
  EXPECT_EQ(listOf(h.entries()), (std::vector<std::u16string>{u"a", u"d"}));
  EXPECT_TRUE(h.clearHistory());
  EXPECT_FALSE(h.clearHistory());
}

TEST(ClipboardHistory, LoadedTextsAreAppendedOnceUpToTheLimit) {
  ClipboardHistory h;
  h.addToHistory(str16(u"b"));
  ArrT<Str16> loaded;
  for (const char16_t* t : {u"a", u"", u"b", u"a", u"c", u"d"}) loaded.append(str16(t));
  h.appendLoaded(loaded, 3);
  EXPECT_EQ(listOf(h.entries()), (std::vector<std::u16string>{u"b", u"a", u"c"}));
}

TEST(NotesStore, TheFirstShortcutInListOrderThatEndsTheTypedTextWins) {
  NotesStore s;
  fill(s, {{u"", u"no shortcut"}, {u"Ab", u"capital"}, {u"ab", u"AB note"}, {u"b", u"B note"}, {u"c", u"C note"},
           {u"bc", u"BC note"}});
  const std::pair<std::u16string_view, std::u16string_view> cases[] = {  // typed, expanded ("-": none)
      {u"xab", u"AB note"}, {u"ab", u"AB note"}, {u"b", u"B note"}, {u"xAb", u"capital"}, {u"xbc", u"C note"},
      {u"aB", u"-"},        {u"a", u"-"},        {u"", u"-"},       {u"abx", u"-"},
  };
  for (auto [typed, expanded] : cases) {
    TxtNote found;
    EXPECT_EQ(s.findShortcut(typed, found) ? view(found.text) : u"-", expanded) << utf16ToUtf8(typed);
  }
}

TEST(NotesStore, AddAndUpdateTrimAndRefuseWhatTheFileCannotHoldAndOnlyAnEmptiedNoteGoesUnforced) {
  const std::u16string maxShortcut(NotesStore::kMaxShortcutUnits, u's');
  const Str16 tooLong = str16(std::u16string(NotesStore::kMaxTextUnits + 1, u'x'));
  const Str16 longShortcut = str16(maxShortcut + u's'), padded = str16(u"  \t" + maxShortcut + u" \u00A0\r\n");
  struct Case {
    const char* name;
    Str16 text, title, shortcut;
    NoteResult add, update;
    std::u16string stored;  // the fields once added or updated
  } cases[] = {
      {"title and shortcut trimmed", str16(u"text"), str16(u"  Title words  "), str16(u" \u3000mfg\t"), NoteResult::Ok,
       NoteResult::Ok, u"mfg|Title words|text"},
      {"too long a text", tooLong, Str16(), Str16(), NoteResult::TextTooLong, NoteResult::TextTooLong, u""},
      {"too long a title", str16(u"t"), tooLong, Str16(), NoteResult::TitleTooLong, NoteResult::TitleTooLong, u""},
      {"too long a shortcut", str16(u"t"), Str16(), longShortcut, NoteResult::ShortcutTooLong,
       NoteResult::ShortcutTooLong, u""},
      {"white space around the longest shortcut", str16(u"t"), Str16(), padded, NoteResult::Ok, NoteResult::Ok,
       maxShortcut + u"||t"},
      {"an empty text", Str16(), Str16(), Str16(), NoteResult::EmptyText, NoteResult::Ok, u"||"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NotesStore fresh;
    uint32_t id = 0;
    EXPECT_EQ(fresh.addNote(TxtNote{c.text, c.shortcut, c.title, 0}, &id), c.add);
    TxtNote added;
    EXPECT_EQ(fresh.at(0, added), c.add == NoteResult::Ok);
    EXPECT_EQ(fields(added), c.add == NoteResult::Ok ? c.stored : u"||");
    EXPECT_EQ(added.id, id);
    NotesStore one;
    fill(one, {{u"k", u"kept"}});
    TxtNote after;
    one.at(0, after);
    EXPECT_EQ(one.updateNote(after.id, c.text, c.title, c.shortcut), c.update);
    one.at(0, after);
    EXPECT_EQ(fields(after), c.update == NoteResult::Ok ? c.stored : u"k||kept");
    // The editor deletes without force when it closes: only an emptied note goes.
    EXPECT_EQ(one.deleteNote(after.id, false), after.text.empty());
    EXPECT_EQ(one.updateNote(after.id + 1000000, str16(u"x"), Str16(), Str16()), NoteResult::NotFound);
    EXPECT_FALSE(one.deleteNote(after.id + 1000000, true));
  }
}

TEST(NotesStore, IdsAreNewForEveryNoteAndKeptByMovesAndFindNoteByTextIsExact) {
  NotesStore s;
  fill(s, {{u"", u"hello"}, {u"", u"Hello"}, {u"", u"hello"}});
  TxtNote a, b;
  s.at(0, a);
  s.at(1, b);
  EXPECT_NE(a.id, 0u);
  EXPECT_NE(a.id, b.id);
  EXPECT_TRUE(s.moveNote(0, true));  // Hello hello hello
  EXPECT_EQ(s.indexOf(a.id), 1);
  EXPECT_EQ(s.indexOf(b.id), 0);
  EXPECT_EQ(s.findNoteByText(str16(u"hello")), 1);
  EXPECT_EQ(s.findNoteByText(str16(u"Hello")), 0);
  EXPECT_EQ(s.findNoteByText(str16(u"hell")), -1);
}

TEST(NotesStore, MovesRemovalsAndReordersIgnoreIndicesOutOfRange) {
  const std::vector<std::u16string> five = {u"0", u"1", u"2", u"3", u"4"};
  struct Case {
    const char* name;
    int op;  // 0 move up, 1 move down, 2 remove, 3 reorder
    std::vector<int32_t> indices;
    std::vector<std::u16string> result;
  } cases[] = {
      {"up", 0, {2}, {u"0", u"2", u"1", u"3", u"4"}},
      {"down", 1, {2}, {u"0", u"1", u"3", u"2", u"4"}},
      {"up at the top", 0, {0}, five},
      {"down at the end", 1, {4}, five},
      {"out of range", 1, {7}, five},
      {"remove a set in any order", 2, {1, 4, 3, 1, 9, -1}, {u"0", u"2"}},
      {"reorder", 3, {3, 1}, {u"3", u"1", u"0", u"2", u"4"}},
      {"reorder skips repeats and strangers", 3, {4, 4, -2, 8, 0}, {u"4", u"0", u"1", u"2", u"3"}},
  };
  for (const Case& c : cases) {
    NotesStore s;
    fill(s, {{u"", u"0"}, {u"", u"1"}, {u"", u"2"}, {u"", u"3"}, {u"", u"4"}});
    ArrT<int32_t> idx;
    for (int32_t i : c.indices) idx.append(i);
    if (c.op <= 1) s.moveNote(idx[0], c.op == 1);
    if (c.op == 2) {
      EXPECT_EQ(s.removeNotes(idx), 3) << c.name;
    }
    if (c.op == 3) s.reorderNotes(idx);
    EXPECT_EQ(texts(s), c.result) << c.name;
  }
}

// The editor adds and deletes while the key-event thread looks up shortcuts
// and the menu reorders: every call sees a whole list. (Without the store's
// lock most runs fail or crash; with it none may.)
TEST(NotesStore, CallsFromSeveralThreadsSeeWholeLists) {
  constexpr int kRounds = 20000;
  NotesStore s;
  fill(s, {{u"kept", u"always there"}});
  std::thread editor([&s] {
    for (int i = 0; i < kRounds; ++i) {
      uint32_t id = 0;
      s.addNote(TxtNote{str16(u"temporary"), str16(u"tmp"), Str16(), 0}, &id);
      s.moveNote(0, true);
      s.deleteNote(id, true);
    }
  });
  std::thread menu([&s] {
    ArrT<int32_t> secondFirst;
    secondFirst.append(1);
    for (int i = 0; i < kRounds; ++i) s.reorderNotes(secondFirst);
  });
  int found = 0;
  for (int i = 0; i < kRounds; ++i) {
    TxtNote n;
    if (s.findShortcut(u"xkept", n) && view(n.text) == u"always there") ++found;
    for (const TxtNote& each : s.notes()) EXPECT_FALSE(each.text.empty());
  }
  editor.join();
  menu.join();
  EXPECT_EQ(found, kRounds);
  EXPECT_EQ(s.size(), 1);
}

TEST(StoreFiles, HistoryLoadKeepsEachWholeEntryOnceWithinTheLimit) {
  const std::string ab = kHistoryMagic + entry(u"a") + entry(u"bc");
  struct Case {
    const char* name;
    std::string file;
    int32_t limit;
    std::vector<std::u16string> entries;
  } cases[] = {
      {"two entries", ab, 30, {u"a", u"bc"}},
      {"exactly six bytes", kHistoryMagic + len16(0), 30, {}},
      {"shorter than the magic", kHistoryMagic.substr(0, 3), 30, {}},
      {"another magic", std::string("cd\0\2", 4) + entry(u"a"), 30, {}},
      {"the notes' magic", kNotesMagic + entry(u"a"), 30, {}},
      {"a last entry cut short", ab + len16(3) + units(u"de"), 30, {u"a", u"bc"}},
      {"a last length cut short", ab + "\x01", 30, {u"a", u"bc"}},
      {"duplicates and empty entries once", ab + entry(u"") + entry(u"a") + entry(u"bc") + entry(u"d"), 30,
       {u"a", u"bc", u"d"}},
      {"a lowered limit", ab, 1, {u"a"}},
      {"repeats do not count towards the limit", kHistoryMagic + entry(u"a") + entry(u"a") + entry(u"b") + entry(u"c"),
       2, {u"a", u"b"}},
      {"any code unit, a lone surrogate and a zero included", kHistoryMagic + entry(std::u16string(u"x\0\xD800y", 4)), 30,
       {std::u16string(u"x\0\xD800y", 4)}},
  };
  for (const Case& c : cases) EXPECT_EQ(decodedHistory(c.file, c.limit), c.entries) << c.name;
}

TEST(StoreFiles, NotesLoadKeepsWholeNotesWithATextWithinTheLimit) {
  const std::string two = kNotesMagic + note(u"mfg", u"", u"Mit freundlichen Grüßen") + note(u"", u"T", u"text");
  const std::vector<std::u16string> both = {u"mfg||Mit freundlichen Grüßen", u"|T|text"};
  struct Case {
    const char* name;
    std::string file;
    int32_t limit;
    std::vector<std::u16string> notes;
  } cases[] = {
      {"two notes", two, 30, both},
      {"title and shortcut trimmed", kNotesMagic + note(u" s\t", u"  a title ", u" text "), 30, {u"s|a title| text "}},
      {"a note without a text skipped", kNotesMagic + note(u"x", u"t", u"") + note(u"", u"", u"y"), 30, {u"||y"}},
      {"a last note without its text", two + note(u"s", u"title", u""), 30, both},
      {"a last note cut inside its text", two + note(u"s", u"", u"abc").substr(0, 9), 30, both},
      {"a last note cut inside its shortcut", two + std::string("\x05", 1) + units(u"ab"), 30, both},
      {"a lowered limit", two, 1, {both[0]}},
      {"exactly six bytes", kNotesMagic + std::string("\0\0", 2), 30, {}},
      {"the history's magic", kHistoryMagic + note(u"", u"", u"x"), 30, {}},
      {"duplicates are kept", kNotesMagic + note(u"", u"", u"x") + note(u"", u"", u"x"), 30, {u"||x", u"||x"}},
  };
  for (const Case& c : cases) EXPECT_EQ(decodedNotes(c.file, c.limit), c.notes) << c.name;
}

TEST(StoreFiles, WritersLeaveOutWhatDoesNotFitItsField) {
  const std::u16string longest(65535, u'L'), shortcut(255, u's');
  const Str16 tooLong = str16(std::u16string(65536, u'x'));

  ArrT<Str16> entries;
  for (const Str16& e : {str16(u"a"), tooLong, str16(longest), str16(u"b")}) entries.append(e);
  Str8 image = encodeHistory(entries);
  EXPECT_EQ(decodedHistory(std::string(view(image)), 30), (std::vector<std::u16string>{u"a", longest, u"b"}));

  ArrT<TxtNote> notes;
  notes.append(TxtNote{str16(u"first"), Str16(), Str16(), 0});
  notes.append(TxtNote{tooLong, Str16(), Str16(), 0});
  notes.append(TxtNote{str16(u"t"), Str16(), tooLong, 0});
  notes.append(TxtNote{str16(u"t"), str16(shortcut + u's'), Str16(), 0});
  notes.append(TxtNote{Str16(), str16(u"s"), Str16(), 0});
  notes.append(TxtNote{str16(longest), str16(shortcut), str16(longest), 0});
  Str8 nimage = encodeNotes(notes);
  EXPECT_EQ(decodedNotes(std::string(view(nimage)), 30),
            (std::vector<std::u16string>{u"||first", shortcut + u'|' + longest + u'|' + longest}));
}

TEST(StoreFiles, SaveAndLoadTheStoresOfAFolderAndAFailedSaveKeepsTheOldFile) {
  ScratchFolder dir;
  ClipboardHistory history;
  NotesStore notes;
  for (const char16_t* t : {u"old", u"mid", u"new"}) history.addToHistory(str16(t));
  notes.addNote(TxtNote{str16(u"two\r\nlines"), str16(u"mfg"), str16(u"Greeting"), 0});
  ASSERT_TRUE(saveStores(dir.path(), history, notes));
  const std::string historyFile = kHistoryMagic + entry(u"new") + entry(u"mid") + entry(u"old");
  EXPECT_EQ(readBytes(dir.file(u"clipboard.dat")), historyFile);
  EXPECT_EQ(readBytes(dir.file(u"notes.dat")), kNotesMagic + note(u"mfg", u"Greeting", u"two\r\nlines"));

  ClipboardHistory h2;
  NotesStore n2;
  loadStores(dir.path(), StoreLimits{2, 30}, h2, n2);
  EXPECT_EQ(h2.size(), 2);
  TxtNote loaded;
  ASSERT_TRUE(n2.at(0, loaded));
  EXPECT_EQ(view(loaded.shortcut), u"mfg");
  EXPECT_NE(loaded.id, 0u);

  ClipboardHistory none;
  NotesStore noNotes;
  loadStores(dir.file(u"missing"), StoreLimits{}, none, noNotes);
  EXPECT_EQ(none.size() + noNotes.size(), 0);

  // The temporary file of clipboard.dat cannot be made (a folder has its
  // name); notes.dat is written all the same.
  history.addToHistory(str16(u"newer"));
  notes.addNote(TxtNote{str16(u"note"), Str16(), Str16(), 0});
  createFolder(dir.file(u"clipboard.dat.tmp"));
  EXPECT_FALSE(saveStores(dir.path(), history, notes));
  EXPECT_EQ(readBytes(dir.file(u"clipboard.dat")), historyFile);
  EXPECT_EQ(readBytes(dir.file(u"notes.dat")),
            kNotesMagic + note(u"", u"", u"note") + note(u"mfg", u"Greeting", u"two\r\nlines"));
  EXPECT_FALSE(saveStores(dir.file(u"gone"), history, notes));  // no folder at all
}

}  // namespace
}  // namespace orv
