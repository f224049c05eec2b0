#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "clipboard/EditorModel.h"
#include "platform/Text.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

// The world around the window, answering as each test arranges.
struct FakeHost : EditorHost {
  int answer = kEditorIdCancel;  // to every question
  std::vector<std::string> asked, reported;  // asked: "caption: text"
  std::vector<std::string> clipboard;
  bool clipboardWorks = true, storesWork = true;
  bool dialogOk = true;
  Str16 dialogPath;
  std::optional<TextEncoding> dialogEncoding;  // what the user picks in the list; none: untouched
  std::optional<TextEncoding> dialogOffered;  // none: the dialog was not shown
  int storeSaves = 0, refreshes = 0;

  int ask(const char* textKey, const char* captionKey, unsigned) override {
    asked.push_back(std::string(captionKey) + ": " + textKey);
    return answer;
  }
  void report(const char* textKey) override { reported.push_back(textKey); }
  bool chooseSaveFile(Str16& path, TextEncoding& encoding) override {
    dialogOffered = encoding;
    if (!dialogOk) return false;
    path = dialogPath;
    if (dialogEncoding) encoding = *dialogEncoding;
    return true;
  }
  bool putOnClipboard(const Str16& text) override {
    if (clipboardWorks) clipboard.push_back(utf16ToUtf8(text));
    return clipboardWorks;
  }
  bool saveStores() override {
    ++storeSaves;
    return storesWork;
  }
  void refreshNoteLists() override { ++refreshes; }
};

Str16 u(const char* utf8) { return utf8ToUtf16(utf8); }

std::vector<std::string> texts(const NotesStore& notes) {
  std::vector<std::string> out;
  for (const TxtNote& n : notes.notes()) out.push_back(utf16ToUtf8(n.text));
  return out;
}

enum class Kind { Note, NewNote, File, Fragment };

// A window of each kind: the note "alpha" in the store, a new note, the file
// "old" in a scratch folder, the fragment "frag".
struct Window {
  ScratchFolder dir;
  NotesStore notes;
  FakeHost host;
  EditorModel model{host, notes};
  Str16 path = dir.file(std::string("sub/f.txt"));

  explicit Window(Kind kind) {
    uint32_t id = 0;
    notes.addNote(TxtNote{u("alpha"), {}, {}, 0}, &id);
    dir.folder("sub");
    writeBytes(path, "old");
    switch (kind) {
      case Kind::Note: model.open(id, {}, u("stale request text")); break;
      case Kind::NewNote: model.open(kNewNoteRequestId, {}, {}); break;
      case Kind::File: model.open(0, path, {}); break;
      case Kind::Fragment: model.open(0, {}, u("frag")); break;
    }
  }
};

TEST(EditorModel, ClosingAsksByBindingAndKeepsWhatTheAnswerSays) {
  const int kYes = kEditorIdYes, kNo = kEditorIdNo, kCancel = kEditorIdCancel;
  struct Row {
    const char* name;
    Kind kind;
    const char* edit;  // null: untouched
    int answer;
    const char* question;  // null: none asked
    bool closes;
    std::vector<std::string> notesAfter;
    std::vector<std::string> clipboard;
    std::string fileAfter;
    bool clipboardWorks = true, storesWork = true, folderGone = false;
    const char* reported = nullptr;
  };
  const char* scrap = "underliner_quit_msg_title: underliner_quit_msg_text_scrap";
  const char* note = "underliner_quit_msg_title: underliner_quit_msg_text_note";
  const char* file = "underliner_quit_msg_title: underliner_quit_msg_text_file";
  const Row rows[] = {
      {"edited fragment, yes: to the clipboard", Kind::Fragment, "frag!", kYes, scrap, true, {"alpha"}, {"frag!"}, "old"},
      {"edited fragment, no", Kind::Fragment, "frag!", kNo, scrap, true, {"alpha"}, {}, "old"},
      {"edited fragment, cancel: stays", Kind::Fragment, "frag!", kCancel, scrap, false, {"alpha"}, {}, "old"},
      {"untouched fragment", Kind::Fragment, nullptr, kYes, nullptr, true, {"alpha"}, {}, "old"},
      {"new note closed without typing leaves no note", Kind::NewNote, nullptr, kYes, nullptr, true, {"alpha"}, {}, "old"},
      {"new note typed and erased, yes", Kind::NewNote, "", kYes, note, true, {"alpha"}, {}, "old"},
      {"new note typed, yes: saved", Kind::NewNote, "hello", kYes, note, true, {"hello", "alpha"}, {}, "old"},
      {"new note typed, no", Kind::NewNote, "hello", kNo, note, true, {"alpha"}, {}, "old"},
      {"note edited, yes: updated", Kind::Note, "beta", kYes, note, true, {"beta"}, {}, "old"},
      {"note edited, no: kept as stored", Kind::Note, "beta", kNo, note, true, {"alpha"}, {}, "old"},
      {"note emptied, yes: removed", Kind::Note, "", kYes, note, true, {}, {}, "old"},
      {"note emptied, cancel: stays", Kind::Note, "", kCancel, note, false, {"alpha"}, {}, "old"},
      {"file edited, yes: written", Kind::File, "new", kYes, file, true, {"alpha"}, {}, "new"},
      {"file edited, no: left", Kind::File, "new", kNo, file, true, {"alpha"}, {}, "old"},
      {"clipboard refuses: stays open, says so", Kind::Fragment, "frag!", kYes, scrap, false, {"alpha"}, {}, "old",
       false, true, false, "underliner_clipboard_failed_msg"},
      {"notes.dat cannot be written: stays open, says so", Kind::NewNote, "hello", kYes, note, false,
       {"hello", "alpha"}, {}, "old", true, false, false, "underliner_stores_failed_msg"},
      {"file cannot be written: stays open, says so", Kind::File, "new", kYes, file, false, {"alpha"}, {}, "",
       true, true, true, "underliner_write_failed_msg"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Window w(r.kind);
    w.host.clipboardWorks = r.clipboardWorks;
    w.host.storesWork = r.storesWork;
    if (r.folderGone) test::removeTree(w.dir.file(std::string("sub")));
    if (r.edit && !*r.edit) w.model.setText(u("typed, then erased"));
    if (r.edit) w.model.setText(u(r.edit));
    w.host.answer = r.answer;
    EXPECT_EQ(w.model.close(), r.closes);
    EXPECT_EQ(w.host.asked, r.question ? std::vector<std::string>{r.question} : std::vector<std::string>{});
    EXPECT_EQ(texts(w.notes), r.notesAfter);
    EXPECT_EQ(w.host.clipboard, r.clipboard);
    EXPECT_EQ(readBytes(w.path), r.fileAfter);
    EXPECT_EQ(w.host.reported, r.reported ? std::vector<std::string>{r.reported} : std::vector<std::string>{});
    if (!r.closes && r.edit) {
      EXPECT_EQ(utf16ToUtf8(w.model.text()), r.edit);
    }
  }
}

// Which encoding a file is read as is the decoder's rule (the template tests).
TEST(EditorModel, FilesAreWrittenInTheirEncodingOrTheOneChosen) {
  enum class Via { Save, SaveToFileUntouched, SaveToFileChosen };
  struct Row {
    const char* name;
    std::string before, edit;
    Via via;
    TextEncoding chosen;
    int answer;  // to the ANSI question; 0: not asked
    std::string after;
  };
  const auto le = TextEncoding::Utf16Le, be = TextEncoding::Utf16Be, ansi = TextEncoding::Ansi;
  const std::string smile = "\xF0\x9F\x98\x80";  // beyond every ANSI code page
  // Not in the Western ANSI code page, and one code unit: Windows writes one
  // '?' for it (a surrogate pair would give two).
  const std::string zhe = "\xD0\x96";
  const Row rows[] = {
      {"UTF-16 LE back as LE", std::string("\xFF\xFEh\0i\0", 6), "hi!", Via::Save, ansi, 0,
       std::string("\xFF\xFEh\0i\0!\0", 8)},
      {"UTF-16 BE back as BE", std::string("\xFE\xFF\0h\0i", 6), "hi!", Via::Save, ansi, 0,
       std::string("\xFE\xFF\0h\0i\0!", 8)},
      {"UTF-16 BE through the dialog untouched: ANSI", std::string("\xFE\xFF\0h\0i", 6), "hi!",
       Via::SaveToFileUntouched, ansi, 0, "hi!"},
      {"UTF-8 back with its mark", "\xEF\xBB\xBFh\xC3\xA9", "h\xC3\xA9!", Via::Save, ansi, 0, "\xEF\xBB\xBFh\xC3\xA9!"},
      {"ANSI back as ANSI", "caf\xE9", "caf\xC3\xA9!", Via::Save, ansi, 0, "caf\xE9!"},
      {"ANSI to BE by the dialog", "hi", "hi!", Via::SaveToFileChosen, be, 0, std::string("\xFE\xFF\0h\0i\0!", 8)},
      {"ANSI to LE by the dialog, beyond the BMP", "hi", "hi" + smile, Via::SaveToFileChosen, le, 0,
       std::string("\xFF\xFEh\0i\0\x3D\xD8\x00\xDE", 10)},
      {"ANSI that cannot hold the text: cancel keeps the file", "hi", "hi" + zhe, Via::Save, ansi,
       kEditorIdCancel, "hi"},
      {"ANSI that cannot hold the text: OK writes '?'", "hi", "hi" + zhe, Via::Save, ansi, kEditorIdOk, "hi?"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Window w(Kind::File);
    writeBytes(w.path, r.before);
    ASSERT_TRUE(w.model.open(0, w.path, {}));
    w.model.setText(u(r.edit.c_str()));
    w.host.answer = r.answer;
    w.host.dialogPath = w.path;
    if (r.via == Via::SaveToFileChosen) w.host.dialogEncoding = r.chosen;
    const EditorOutcome outcome = r.via == Via::Save ? w.model.save() : w.model.saveToFile();
    EXPECT_EQ(w.host.dialogOffered, r.via == Via::Save ? std::nullopt : std::optional(ansi));
    EXPECT_EQ(readBytes(w.path), r.after);
    EXPECT_EQ(w.host.asked, r.answer ? std::vector<std::string>{"underliner_menu_file_save: underliner_ansi_loss_msg"}
                                     : std::vector<std::string>{});
    const bool written = !r.answer || r.answer == kEditorIdOk;
    EXPECT_EQ(outcome, written ? EditorOutcome::Done : EditorOutcome::Nothing);
    EXPECT_EQ(w.model.modified(), !written);
  }
}

TEST(EditorModel, WindowTitleNamesTheFileOrTheNoteCaptionCutAt50) {
  const std::string fifty(50, 'x');
  struct Row {
    const char* name;
    Kind kind;
    const char* title;
    std::string text;
    std::string expected;
  };
  const Row rows[] = {
      {"caption longer than 50: its first 50", Kind::NewNote, "", fifty + "yz", "*" + fifty + " - End"},
      {"title before text, white space collapsed", Kind::NewNote, "  My \t\r\n note  ", "body", "*My note - End"},
      {"blank title: the text", Kind::NewNote, " ", "first\r\nline", "*first line - End"},
      {"cut never splits a surrogate pair", Kind::NewNote, "", std::string(49, 'a') + "\xF0\x9F\x98\x80",
       "*" + std::string(49, 'a') + " - End"},
      {"cut at a space drops it", Kind::NewNote, "", std::string(49, 'a') + " b", "*" + std::string(49, 'a') + " - End"},
      {"untouched note", Kind::Note, nullptr, "", "alpha - End"},
      {"file: its name", Kind::File, nullptr, "", "f.txt - End"},
      {"modified fragment", Kind::Fragment, nullptr, "x", "*End"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Window w(r.kind);
    if (r.title) w.model.setTitle(u(r.title));
    if (!r.text.empty()) w.model.setText(u(r.text.c_str()));
    EXPECT_EQ(utf16ToUtf8(w.model.windowTitle(u("End"))), r.expected);
  }
}

TEST(EditorModel, SwitchingNotesAsksWhenModifiedAndBindsToTheSelectedNote) {
  using enum EditorOutcome;
  struct Row {
    const char* name;
    Kind kind;
    const char* edit;
    int answer;
    const char* question;
    EditorOutcome outcome;
    std::vector<std::string> notesAfter;  // the store holds "alpha" and then "target" at the top
    std::vector<std::string> clipboard;
  };
  const char* chrow = "underliner_chrow_msg_title: underliner_chrow_msg_text_note";
  const Row rows[] = {
      {"untouched: no question", Kind::Note, nullptr, kEditorIdCancel, nullptr, Done, {"target", "alpha"}, {}},
      {"edited, yes: saved first", Kind::Note, "beta", kEditorIdYes, chrow, Done, {"target", "beta"}, {}},
      {"edited, no: dropped", Kind::Note, "beta", kEditorIdNo, chrow, Done, {"target", "alpha"}, {}},
      {"edited, cancel: stays", Kind::Note, "beta", kEditorIdCancel, chrow, Nothing, {"target", "alpha"}, {}},
      {"new note, yes: saved at the top, the target still found", Kind::NewNote, "fresh", kEditorIdYes, chrow,
       Done, {"fresh", "target", "alpha"}, {}},
      {"fragment, yes: to the clipboard", Kind::Fragment, "frag!", kEditorIdYes,
       "underliner_chrow_msg_title: underliner_quit_msg_text_scrap", Done, {"target", "alpha"}, {"frag!"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Window w(r.kind);
    uint32_t target = 0;
    w.notes.addNote(TxtNote{u("target"), u("tg"), u("Target"), 0}, &target);
    if (r.edit) w.model.setText(u(r.edit));
    w.host.answer = r.answer;
    EXPECT_EQ(w.model.selectRow(w.notes.indexOf(target)), r.outcome);
    EXPECT_EQ(w.host.asked, r.question ? std::vector<std::string>{r.question} : std::vector<std::string>{});
    EXPECT_EQ(texts(w.notes), r.notesAfter);
    EXPECT_EQ(w.host.clipboard, r.clipboard);
    const bool switched = r.outcome == Done;
    EXPECT_EQ(w.model.noteId() == target, switched);
    EXPECT_EQ(w.model.selectedRow() == w.notes.indexOf(target), switched);
    EXPECT_EQ(utf16ToUtf8(w.model.text()) + "|" + utf16ToUtf8(w.model.title()) + "|" + utf16ToUtf8(w.model.shortcut()),
              switched ? "target|Target|tg" : std::string(r.edit) + "||");
    EXPECT_EQ(w.model.modified(), !switched);
  }
}

TEST(EditorModel, SaveCommandsByBinding) {
  using enum EditorOutcome;
  enum class Cmd { Save, SaveAsNewNote, SaveToFileCancelled };
  struct Row {
    const char* name;
    Kind kind;
    std::string edit;
    Cmd cmd;
    EditorOutcome outcome;
    std::vector<std::string> notesAfter;
    EditorBinding bindingAfter;
    const char* reported = nullptr;
  };
  const Row rows[] = {
      {"note: updated in place", Kind::Note, "beta", Cmd::Save, Done, {"beta"}, EditorBinding::Note},
      {"new note: added and bound", Kind::NewNote, "hi", Cmd::Save, Done, {"hi", "alpha"}, EditorBinding::Note},
      {"empty note: nothing saved", Kind::NewNote, "", Cmd::Save, Nothing, {"alpha"}, EditorBinding::NewNote},
      {"as a new note from a note: the old one kept", Kind::Note, "beta", Cmd::SaveAsNewNote, Done,
       {"beta", "alpha"}, EditorBinding::Note},
      {"as a new note from a fragment: bound to it", Kind::Fragment, "frag!", Cmd::SaveAsNewNote, Done,
       {"frag!", "alpha"}, EditorBinding::Note},
      {"too long for a note: refused, said, kept", Kind::NewNote, std::string(NotesStore::kMaxTextUnits + 1, 'x'),
       Cmd::Save, Failed, {"alpha"}, EditorBinding::NewNote, "underliner_note_failed_msg"},
      {"save dialog cancelled: nothing changes", Kind::Note, "beta", Cmd::SaveToFileCancelled, Nothing, {"alpha"},
       EditorBinding::Note},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Window w(r.kind);
    w.model.setText(u(r.edit.c_str()));
    w.host.dialogOk = false;
    EditorOutcome o = r.cmd == Cmd::Save            ? w.model.save()
                      : r.cmd == Cmd::SaveAsNewNote ? w.model.saveAsNewNote()
                                                    : w.model.saveToFile();
    EXPECT_EQ(o, r.outcome);
    EXPECT_EQ(texts(w.notes), r.notesAfter);
    EXPECT_EQ(w.model.binding(), r.bindingAfter);
    EXPECT_EQ(w.model.modified(), o != Done && !r.edit.empty());
    EXPECT_EQ(w.host.reported, r.reported ? std::vector<std::string>{r.reported} : std::vector<std::string>{});
    EXPECT_EQ(w.model.selectedRow(), r.bindingAfter == EditorBinding::Note ? 0 : -1);
    EXPECT_EQ(w.host.refreshes > 0, o == Done);
  }
}

// A note still stored is opened as stored: the window titles show it.
TEST(EditorModel, OpeningKeepsAVanishedNotesTextAndReportsAMissingFile) {
  Window w(Kind::Fragment);
  uint32_t id = w.notes.notes()[0].id;
  w.notes.deleteNote(id, true);
  w.model.open(id, {}, u("only here"));
  EXPECT_EQ(w.model.binding(), EditorBinding::NewNote);
  EXPECT_TRUE(w.model.modified());
  EXPECT_FALSE(w.model.open(0, w.dir.file(std::string("missing.txt")), {}));
  EXPECT_EQ(w.host.reported, std::vector<std::string>{"underliner_read_failed_msg"});
  EXPECT_TRUE(w.model.text().empty());
}

TEST(EditorModel, MoveUpAndDownKeepTheNoteSelected) {
  struct Row {
    int32_t row;
    bool down;
    int32_t now;
    std::vector<std::string> order;
  };
  const Row rows[] = {{0, true, 1, {"b", "a", "alpha"}},
                      {2, false, 1, {"a", "alpha", "b"}},
                      {2, true, -1, {"a", "b", "alpha"}},
                      {0, false, -1, {"a", "b", "alpha"}}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.row * 2 + r.down);
    Window w(Kind::NewNote);
    for (const char* t : {"b", "a"}) w.notes.addNote(TxtNote{u(t), {}, {}, 0});
    w.model.selectRow(r.row);
    EXPECT_EQ(w.model.moveRow(r.row, r.down), r.now);
    EXPECT_EQ(texts(w.notes), r.order);
    EXPECT_EQ(w.model.selectedRow(), r.now < 0 ? r.row : r.now);
    EXPECT_EQ(w.host.storeSaves > 0, r.now >= 0);
  }
}

}  // namespace
}  // namespace orv
