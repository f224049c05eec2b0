#pragma once
// The notes editor's state and decisions, apart from its window: what a
// window is bound to (a note, a new note, a file or a loose fragment), its
// title, what saving and closing do and which question they ask first,
// switching and moving notes, and the encodings of the files it reads and
// writes. The window owns the controls and forwards the user's edits and
// commands; everything that shows something or leaves the process (message
// boxes, the save dialog, the clipboard, the stores' files) goes through
// EditorHost, so the rules run and are tested without a window.
//
// The editor never drops a text the user typed without asking: every save
// that fails says so (EditorHost::report) and leaves the window open and
// modified.
//
// Threads: one model per window, used only on the editor thread. The notes
// store takes its own lock.

#include <cstdint>

#include "clipboard/Notes.h"
#include "clipboard/Templates.h"
#include "core/Str.h"

namespace orv {

enum class EditorBinding {
  Note,      // an existing note (its id; a note deleted meanwhile is made again by saving)
  NewNote,   // a note not yet saved
  File,      // a text file (its path and encoding)
  Fragment,  // a text without a home: a history entry, a selection to check
};

// The note id of an open request: 0 no note, kNewNoteRequestId a new note,
// anything else an existing note's id.
constexpr uint32_t kNewNoteRequestId = 0xFFFFFFFFu;

// Answers of EditorHost::ask, with the values of the Win32 constants.
constexpr int kEditorIdOk = 1;
constexpr int kEditorIdCancel = 2;
constexpr int kEditorIdYes = 6;
constexpr int kEditorIdNo = 7;
constexpr unsigned kEditorYesNoCancel = 0x3 | 0x20;  // MB_YESNOCANCEL | MB_ICONQUESTION
constexpr unsigned kEditorOkCancel = 0x1 | 0x30;     // MB_OKCANCEL | MB_ICONEXCLAMATION

// What the model needs of the world around its window.
class EditorHost {
 public:
  virtual ~EditorHost() = default;
  // A modal question; `textKey` and `captionKey` are language keys. Returns
  // kEditorIdYes, kEditorIdNo, kEditorIdOk or kEditorIdCancel.
  virtual int ask(const char* textKey, const char* captionKey, unsigned style) = 0;
  // Tells the user that something failed (a box with OK); `textKey` is a
  // language key.
  virtual void report(const char* textKey) = 0;
  // The save dialog. `path` comes in as the current file (empty for none) and
  // `encoding` as the list's first choice; false when the user cancelled.
  virtual bool chooseSaveFile(Str16& path, TextEncoding& encoding) = 0;
  // Puts the text on the clipboard; false when it could not.
  virtual bool putOnClipboard(const Str16& text) = 0;
  // Writes the clipboard history and the notes to their files after a change
  // of the notes; false when that failed.
  virtual bool saveStores() = 0;
  // Every open editor window rebuilds its note list.
  virtual void refreshNoteLists() = 0;
};

// A row of the note list.
struct EditorNoteRow {
  uint32_t id = 0;
  Str16 caption;
};

// The caption of a note: its title, or its text when the title is blank,
// trimmed, every run of white space made one space, cut to `maxUnits` code
// units (never between the halves of a surrogate pair).
Str16 noteCaption(const Str16& title, const Str16& text, int32_t maxUnits);

// The bytes of a text file in an encoding: ANSI without a mark (in the ANSI
// code page), UTF-16 LE with FF FE, UTF-16 BE with FE FF, UTF-8 with EF BB BF.
Str8 encodeTextFile(const Str16& text, TextEncoding encoding);
// Whether the text survives the ANSI code page unchanged.
bool fitsAnsi(const Str16& text);

// What a command did.
enum class EditorOutcome {
  Done,       // saved, written, put on the clipboard, switched, closed
  Nothing,    // nothing to do (an empty note), or the user cancelled
  Failed,     // tried and failed; the user was told and the text is kept
};

class EditorModel {
 public:
  // Window titles and list captions cut notes to this many code units.
  static constexpr int32_t kTitleCaptionUnits = 50;

  explicit EditorModel(EditorHost& host, NotesStore& notes = theNotes());

  // Binds a new window to a request of openEditor's queue: a note id
  // (kNewNoteRequestId, 0 or an id), a file path and a text. A path reads the
  // file (its encoding remembered); a file that cannot be read opens empty,
  // and the user is told. False only then. The modified flag starts clear.
  bool open(uint32_t noteId, const Str16& path, const Str16& text);

  // The user's edits, from the window's fields. An edit that leaves the field
  // as it was (the window setting its own control) changes nothing.
  void setText(const Str16& text);
  void setTitle(const Str16& title);
  void setShortcut(const Str16& shortcut);

  EditorBinding binding() const { return myBinding; }
  bool isNote() const { return myBinding == EditorBinding::Note || myBinding == EditorBinding::NewNote; }
  uint32_t noteId() const { return myNoteId; }  // 0 unless bound to a saved note
  const Str16& filePath() const { return myPath; }
  TextEncoding encoding() const { return myEncoding; }
  bool modified() const { return myModified; }
  const Str16& text() const { return myText; }
  const Str16& title() const { return myTitle; }
  const Str16& shortcut() const { return myShortcut; }

  // "*" when modified, then the file's name or the note's caption and " - ",
  // then `titleEnd` (the text of "underliner_title_end").
  Str16 windowTitle(const Str16& titleEnd) const;

  // The note list, in the store's order, and the row of the bound note (-1
  // when it has none).
  ArrT<EditorNoteRow> noteRows() const;
  int32_t selectedRow() const;

  // "Save": a note is saved (nothing for an empty text); a file is written in
  // its encoding; a fragment goes to the clipboard.
  EditorOutcome save();
  // "Save to file ...": the save dialog, then the window becomes a file
  // window with the chosen path and encoding and writes it.
  EditorOutcome saveToFile();
  // "Save as a new note": a new note of the text (nothing for an empty
  // text), which the window is then bound to.
  EditorOutcome saveAsNewNote();
  // Whether the window may close, after the quit question when modified;
  // removes the empty note a window leaves behind.
  bool close();
  // The user selected the row of another note: after the question when the
  // text is modified, the window is bound to it (Done) or stays (Nothing,
  // Failed). The window then sets its fields from text(), title() and
  // shortcut().
  EditorOutcome selectRow(int32_t row);
  // Move Up / Move Down of a row; returns the row it is now at (the window
  // selects it), -1 when it did not move.
  int32_t moveRow(int32_t row, bool down);
  // Deletes the note of a row; true when it was removed.
  bool deleteRow(int32_t row);

 private:
  EditorOutcome saveNote(bool asNew);
  EditorOutcome writeFile();
  EditorOutcome toClipboard();
  // What "Save" and "Yes" do for the current binding.
  EditorOutcome saveByBinding();
  bool storesChanged();
  void edit(Str16& field, const Str16& value);

  EditorHost& myHost;
  NotesStore& myNotes;
  EditorBinding myBinding = EditorBinding::Fragment;
  uint32_t myNoteId = 0;
  Str16 myPath;
  TextEncoding myEncoding = TextEncoding::Ansi;
  bool myModified = false;
  Str16 myText, myTitle, myShortcut;
};

}  // namespace orv
