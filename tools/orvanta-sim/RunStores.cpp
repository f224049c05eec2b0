#include "tools/orvanta-sim/RunStores.h"

#include "clipboard/StoreFiles.h"
#include "platform/Text.h"

namespace orv::simtool {

namespace {

// The default load limit of notes.dat: max_notes1 + max_items_more.
constexpr int32_t kNotesLimit = 30;

std::string oneLine(const Str16& text) {
  std::string out;
  std::string s = utf16ToUtf8(text);
  for (size_t k = 0; k < s.size(); ++k) {
    if (s[k] == '\r') {
      out += "\\n";
      if (k + 1 < s.size() && s[k + 1] == '\n') ++k;
    } else if (s[k] == '\n') {
      out += "\\n";
    } else {
      out += s[k];
    }
  }
  return out;
}

const char* refusal(NoteResult r) {
  switch (r) {
    case NoteResult::EmptyText: return "the note's text is empty";
    case NoteResult::TextTooLong: return "the note's text is longer than 65535 UTF-16 units";
    case NoteResult::TitleTooLong: return "the note's title is too long";
    case NoteResult::ShortcutTooLong: return "the shortcut is longer than 255 UTF-16 units";
    default: return "the note was refused";
  }
}

}  // namespace

bool loadRunStores(sim::SimDesktop& d, const std::string& historyFile, const std::string& notesFile,
                   const std::vector<std::string>& notes, std::string& err) {
  if (!historyFile.empty()) loadHistoryFile(utf8ToUtf16(historyFile), d.history.capacity(), d.history);
  if (!notesFile.empty()) loadNotesFile(utf8ToUtf16(notesFile), kNotesLimit, d.notes);
  // addNote puts a note first: the command line's order is kept by adding
  // them from the last, behind the file's notes.
  ArrT<TxtNote> kept = d.notes.notes();
  d.notes.clear();
  for (size_t k = notes.size(); k-- > 0;) {
    size_t eq = notes[k].find('=');
    TxtNote n;
    n.shortcut = utf8ToUtf16(notes[k].substr(0, eq));
    n.text = utf8ToUtf16(notes[k].substr(eq + 1));
    NoteResult r = d.notes.addNote(n);
    if (r != NoteResult::Ok) {
      err = "--note " + notes[k] + ": " + refusal(r) + "\n";
      return false;
    }
  }
  d.notes.appendLoaded(kept, d.notes.size() + kept.size());
  return true;
}

bool saveRunStores(sim::SimDesktop& d, const std::string& historyFile, const std::string& notesFile,
                   std::string& err) {
  if (!historyFile.empty() && !saveHistoryFile(utf8ToUtf16(historyFile), d.history)) {
    err = "cannot write " + historyFile + "\n";
    return false;
  }
  if (!notesFile.empty() && !saveNotesFile(utf8ToUtf16(notesFile), d.notes)) {
    err = "cannot write " + notesFile + "\n";
    return false;
  }
  return true;
}

std::string historyLines(sim::SimDesktop& d) {
  std::string out;
  for (const Str16& e : d.history.entries()) out += "history: " + oneLine(e) + "\n";
  return out;
}

std::string notesLines(sim::SimDesktop& d) {
  std::string out;
  for (const TxtNote& n : d.notes.notes()) out += "note: " + oneLine(n.shortcut) + "\t" + oneLine(n.text) + "\n";
  return out;
}

}  // namespace orv::simtool
