#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "clipboard/Notes.h"

namespace orv {
namespace {

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

// shortcut|title|text
std::u16string fields(const TxtNote& n) {
  return std::u16string(view(n.shortcut)).append(u"|").append(view(n.title)).append(u"|").append(view(n.text));
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

}  // namespace
}  // namespace orv
