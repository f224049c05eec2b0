// clipboard.dat and notes.dat: what the loaders make of damaged and odd
// files, and what the savers write.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard/StoreFiles.h"
#include "platform/FileSystem.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

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
  std::vector<std::u16string> out;
  for (const Str16& e : list) out.emplace_back(view(e));
  return out;
}

// shortcut|title|text per note
std::vector<std::u16string> decodedNotes(const std::string& file, int32_t limit) {
  ArrT<TxtNote> list;
  decodeNotes(file.data(), file.size(), limit, list);
  std::vector<std::u16string> out;
  for (const TxtNote& n : list)
    out.push_back(std::u16string(view(n.shortcut)).append(u"|").append(view(n.title)).append(u"|").append(view(n.text)));
  return out;
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
  struct Case {
    const char* name;
    std::string file;
    int32_t limit;
    std::vector<std::u16string> notes;
  } cases[] = {
      {"two notes", two, 30, {u"mfg||Mit freundlichen Grüßen", u"|T|text"}},
      {"title and shortcut trimmed", kNotesMagic + note(u" s\t", u"  a title ", u" text "), 30, {u"s|a title| text "}},
      {"a note without a text skipped", kNotesMagic + note(u"x", u"t", u"") + note(u"", u"", u"y"), 30, {u"||y"}},
      {"a last note without its text", two + note(u"s", u"title", u""), 30,
       {u"mfg||Mit freundlichen Grüßen", u"|T|text"}},
      {"a last note cut inside its text", two + note(u"s", u"", u"abc").substr(0, 9), 30,
       {u"mfg||Mit freundlichen Grüßen", u"|T|text"}},
      {"a last note cut inside its shortcut", two + std::string("\x05", 1) + units(u"ab"), 30,
       {u"mfg||Mit freundlichen Grüßen", u"|T|text"}},
      {"a lowered limit", two, 1, {u"mfg||Mit freundlichen Grüßen"}},
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
