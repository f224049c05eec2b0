#include "clipboard/EditorModel.h"

#include "platform/AtomicFile.h"
#include "platform/Text.h"

#ifndef LKEY
#define LKEY(key) key
#endif

namespace orv {

namespace {

const char* const kQuitTitle = LKEY("underliner_quit_msg_title");
const char* const kSwitchTitle = LKEY("underliner_chrow_msg_title");

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

void appendUnits16LE(Str8& out, char16_t c) {
  out.append(static_cast<char>(c & 0xFF));
  out.append(static_cast<char>(c >> 8));
}

}  // namespace

Str16 noteCaption(const Str16& title, const Str16& text, int32_t maxUnits) {
  Str16 source = trimWhiteSpace(view(title));
  if (source.empty()) source = trimWhiteSpace(view(text));
  Str16 out;
  bool blank = false;
  for (int32_t i = 0; i < source.size() && out.size() < maxUnits; ++i) {
    if (isWhiteSpace(source[i])) {
      blank = true;
      continue;
    }
    if (blank) out.append(u' ');
    blank = false;
    if (out.size() < maxUnits) out.append(source[i]);
  }
  if (out.size() > maxUnits) out.isetSize(maxUnits);
  // A lone high surrogate at the cut would show as a box.
  if (!out.empty() && isHighSurrogate(out[out.size() - 1])) out.isetSize(out.size() - 1);
  if (!out.empty() && out[out.size() - 1] == u' ') out.isetSize(out.size() - 1);
  return out;
}

Str8 encodeTextFile(const Str16& text, TextEncoding encoding) {
  Str8 out;
  switch (encoding) {
    case TextEncoding::Ansi:
      wideToMultiByte(kCpAnsi, text.data(), text.size(), out);
      break;
    case TextEncoding::Utf16Le:
      appendUnits16LE(out, 0xFEFF);
      for (char16_t c : text) appendUnits16LE(out, c);
      break;
    case TextEncoding::Utf16Be:
      out.append(static_cast<char>(0xFE));
      out.append(static_cast<char>(0xFF));
      for (char16_t c : text) appendUnits16LE(out, static_cast<char16_t>((c << 8) | (c >> 8)));
      break;
    case TextEncoding::Utf8:
      appendText(out, "\xEF\xBB\xBF");
      appendText(out, utf16ToUtf8(text));
      break;
  }
  return out;
}

bool fitsAnsi(const Str16& text) {
  Str8 bytes;
  Str16 back;
  return wideToMultiByte(kCpAnsi, text.data(), text.size(), bytes) &&
         multiByteToWide(kCpAnsi, bytes.data(), bytes.size(), back) && view(back) == view(text);
}

EditorModel::EditorModel(EditorHost& host, NotesStore& notes) : myHost(host), myNotes(notes) {}

bool EditorModel::open(uint32_t noteId, const Str16& path, const Str16& text) {
  myModified = false;
  myPath.clear();
  myTitle.clear();
  myShortcut.clear();
  myNoteId = 0;
  myEncoding = TextEncoding::Ansi;
  if (!path.empty()) {
    myBinding = EditorBinding::File;
    myPath = path;
    if (!readTextFile(path, myText, &myEncoding)) {
      myText.clear();
      myHost.report(LKEY("underliner_read_failed_msg"));
      return false;
    }
    return true;
  }
  myText = text;
  if (noteId == 0) {
    myBinding = EditorBinding::Fragment;
    return true;
  }
  TxtNote note;
  int32_t row = noteId == kNewNoteRequestId ? -1 : myNotes.indexOf(noteId);
  if (row >= 0 && myNotes.at(row, note)) {
    // The store, not the request, holds the note as it is now.
    myBinding = EditorBinding::Note;
    myNoteId = noteId;
    myText = note.text;
    myTitle = note.title;
    myShortcut = note.shortcut;
    return true;
  }
  // A new note, or one deleted since the request was queued: its text lives
  // only in this window until saved.
  myBinding = EditorBinding::NewNote;
  myModified = !myText.empty();
  return true;
}

void EditorModel::edit(Str16& field, const Str16& value) {
  if (view(field) == view(value)) return;
  field = value;
  myModified = true;
}

void EditorModel::setText(const Str16& text) { edit(myText, text); }
void EditorModel::setTitle(const Str16& title) { edit(myTitle, title); }
void EditorModel::setShortcut(const Str16& shortcut) { edit(myShortcut, shortcut); }

Str16 EditorModel::windowTitle(const Str16& titleEnd) const {
  Str16 out;
  if (myModified) out.append(u'*');
  Str16 name;
  if (myBinding == EditorBinding::File) {
    int32_t from = 0;
    for (int32_t i = 0; i < myPath.size(); ++i)
      if (myPath[i] == u'\\' || myPath[i] == u'/') from = i + 1;
    name = Str16(myPath.data() + from, myPath.size() - from);
  } else if (isNote()) {
    name = noteCaption(myTitle, myText, kTitleCaptionUnits);
  }
  if (!name.empty()) {
    appendText(out, view(name));
    appendText(out, u" - ");
  }
  appendText(out, view(titleEnd));
  return out;
}

ArrT<EditorNoteRow> EditorModel::noteRows() const {
  ArrT<EditorNoteRow> rows;
  for (const TxtNote& n : myNotes.notes()) rows.append(EditorNoteRow{n.id, noteCaption(n.title, n.text, kTitleCaptionUnits)});
  return rows;
}

int32_t EditorModel::selectedRow() const {
  return myBinding == EditorBinding::Note ? myNotes.indexOf(myNoteId) : -1;
}

bool EditorModel::storesChanged() {
  bool ok = myHost.saveStores();
  myHost.refreshNoteLists();
  return ok;
}

EditorOutcome EditorModel::saveNote(bool asNew) {
  if (myText.empty()) return EditorOutcome::Nothing;
  uint32_t id = myNoteId;
  NoteResult r = NoteResult::NotFound;
  if (!asNew && myBinding == EditorBinding::Note) r = myNotes.updateNote(id, myText, myTitle, myShortcut);
  // A note deleted meanwhile (from the menu or another window) is made again.
  if (r == NoteResult::NotFound) r = myNotes.addNote(TxtNote{myText, myShortcut, myTitle, 0}, &id);
  if (r != NoteResult::Ok) {
    myHost.report(LKEY("underliner_note_failed_msg"));
    return EditorOutcome::Failed;
  }
  myBinding = EditorBinding::Note;
  myNoteId = id;
  myPath.clear();
  if (!storesChanged()) {
    // The note is in the list, but not yet in notes.dat: the window stays
    // modified, so that closing asks again.
    myHost.report(LKEY("underliner_stores_failed_msg"));
    return EditorOutcome::Failed;
  }
  myModified = false;
  return EditorOutcome::Done;
}

EditorOutcome EditorModel::writeFile() {
  if (myEncoding == TextEncoding::Ansi && !fitsAnsi(myText) &&
      myHost.ask(LKEY("underliner_ansi_loss_msg"), LKEY("underliner_menu_file_save"), kEditorOkCancel) != kEditorIdOk)
    return EditorOutcome::Nothing;
  Str8 bytes = encodeTextFile(myText, myEncoding);
  // Written beside and renamed over: a failed write leaves the old file whole.
  if (!writeFileAtomically(myPath, bytes.data(), static_cast<size_t>(bytes.size()))) {
    myHost.report(LKEY("underliner_write_failed_msg"));
    return EditorOutcome::Failed;
  }
  myModified = false;
  return EditorOutcome::Done;
}

EditorOutcome EditorModel::toClipboard() {
  if (!myText.empty() && !myHost.putOnClipboard(myText)) {
    myHost.report(LKEY("underliner_clipboard_failed_msg"));
    return EditorOutcome::Failed;
  }
  myModified = false;
  return EditorOutcome::Done;
}

EditorOutcome EditorModel::saveByBinding() {
  switch (myBinding) {
    case EditorBinding::File:
      return writeFile();
    case EditorBinding::Fragment:
      return toClipboard();
    default:
      return saveNote(false);
  }
}

EditorOutcome EditorModel::save() { return saveByBinding(); }

EditorOutcome EditorModel::saveToFile() {
  Str16 path = myBinding == EditorBinding::File ? myPath : Str16();
  TextEncoding encoding = TextEncoding::Ansi;
  if (!myHost.chooseSaveFile(path, encoding) || path.empty()) return EditorOutcome::Nothing;
  myBinding = EditorBinding::File;
  myNoteId = 0;
  myPath = path;
  myEncoding = encoding;
  return writeFile();
}

EditorOutcome EditorModel::saveAsNewNote() { return saveNote(true); }

bool EditorModel::close() {
  auto removeNote = [&](bool force) {
    if (myBinding == EditorBinding::Note && myNotes.deleteNote(myNoteId, force)) storesChanged();
  };
  if (!myModified) {
    if (isNote() && myText.empty()) removeNote(true);
    return true;
  }
  const char* question = isNote() ? LKEY("underliner_quit_msg_text_note")
                         : myBinding == EditorBinding::File ? LKEY("underliner_quit_msg_text_file")
                                                             : LKEY("underliner_quit_msg_text_scrap");
  switch (myHost.ask(question, kQuitTitle, kEditorYesNoCancel)) {
    case kEditorIdYes:
      if (isNote() && myText.empty()) {
        removeNote(true);
        return true;
      }
      return saveByBinding() == EditorOutcome::Done;
    case kEditorIdNo:
      if (isNote()) removeNote(false);
      return true;
    default:
      return false;
  }
}

EditorOutcome EditorModel::selectRow(int32_t row) {
  TxtNote target;
  if (!myNotes.at(row, target)) return EditorOutcome::Nothing;
  if (myBinding == EditorBinding::Note && target.id == myNoteId) return EditorOutcome::Nothing;
  if (myModified) {
    const char* question = isNote() ? LKEY("underliner_chrow_msg_text_note")
                           : myBinding == EditorBinding::File ? LKEY("underliner_quit_msg_text_file")
                                                               : LKEY("underliner_quit_msg_text_scrap");
    int answer = myHost.ask(question, kSwitchTitle, kEditorYesNoCancel);
    if (answer != kEditorIdYes && answer != kEditorIdNo) return EditorOutcome::Nothing;
    if (answer == kEditorIdYes && !(isNote() && myText.empty())) {
      EditorOutcome saved = saveByBinding();
      if (saved != EditorOutcome::Done) return saved;
    }
  }
  // Saving may have added a note at the top: the target is found again by id.
  int32_t at = myNotes.indexOf(target.id);
  if (at < 0 || !myNotes.at(at, target)) return EditorOutcome::Nothing;
  myBinding = EditorBinding::Note;
  myNoteId = target.id;
  myPath.clear();
  myEncoding = TextEncoding::Ansi;
  myText = target.text;
  myTitle = target.title;
  myShortcut = target.shortcut;
  myModified = false;
  return EditorOutcome::Done;
}

int32_t EditorModel::moveRow(int32_t row, bool down) {
  if (!myNotes.moveNote(row, down)) return -1;
  storesChanged();
  return down ? row + 1 : row - 1;
}

bool EditorModel::deleteRow(int32_t row) {
  TxtNote note;
  if (!myNotes.at(row, note) || !myNotes.deleteNote(note.id, true)) return false;
  storesChanged();
  return true;
}

}  // namespace orv
