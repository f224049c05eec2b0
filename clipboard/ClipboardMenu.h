#pragma once
// The clipboard menu: what it holds (the history, the notes, the templates
// folder, the commands on the selection and the application's policy) and
// what each of its entries and buttons does. It composes XMenu trees; the
// menu session shows them. Everything it needs from the rest of the program
// (pasting, the selection commands, the notes editor, the options window,
// saving the stores) goes through ClipboardMenuActions, so that the same
// composition and handling runs in the program, in tests and in orvanta-sim.

#include <cstdint>

#include "clipboard/History.h"
#include "clipboard/Notes.h"
#include "clipboard/XMenu.h"
#include "core/Str.h"

namespace orv {

// Command codes, the first byte of an entry's command record.
enum ClipboardMenuCode : uint8_t {
  kCodeHistory = 1,    // u32 history index
  kCodeNote = 2,       // u32 note index, u8 deleted mark, u32 note id
  kCodeToggleSel = 3,
  kCodeToggleAs = 4,   // u32 layout a, u32 layout b
  kCodePolicy = 5,     // u16 length n, the executable's name (n bytes) and a zero
  kCodeSpelling = 6,
  kCodeNotesBox = 7,   // the notes container
  kCodeTranslit = 9,
  kCodeNewNote = 10,
  kCodeNewFolder = 11,  // the templates folder (16-bit, zero-terminated)
  kCodeNewFile = 12,
  kCodeTemplate = 13,   // u8 deleted mark, the file's relative path (16-bit, zero-terminated)
};

// Command record fields, little-endian (shared with the templates folder).
void appendRecordU32(Str8& record, uint32_t value);
uint32_t recordU32(const Str8& record, int32_t at);  // 0 when the record is too short
// A 16-bit text and its terminating zero; reading stops at the zero or the end.
void appendRecordText(Str8& record, const Str16& text);
Str16 recordText(const Str8& record, int32_t at);

// The settings the composition reads ("clipboard" section, clamped by Cfg).
struct ClipboardMenuSettings {
  int32_t maxItems1 = 10;
  int32_t maxItemsMore = 20;
  int32_t maxNotes1 = 10;
  bool clipboardFirst = true;
  bool clipboardAsSub = false;
  bool notesAsSub = false;
};

struct MenuLayoutName {
  uint32_t layout = 0;
  Str16 name;  // display name
};

class ClipboardMenuActions {
 public:
  virtual ~ClipboardMenuActions() = default;
  // A language key's text ("clipboard_menu_title").
  virtual Str16 text(const char* key) = 0;
  // A hotkey's display text ("translit", "!!switch_sel", "!!new_note"); empty: none.
  virtual Str16 hotkeyText(const char* name) = 0;
  virtual ArrT<MenuLayoutName> layouts() = 0;
  virtual bool translitActive() = 0;
  // The module folder, without the trailing "\" (templates live below it).
  virtual Str16 moduleFolder() = 0;

  // What the menu asks of the program; a stand-in overrides what it needs
  // (by default nothing happens and a paste fails).
  // Puts the text on the clipboard and pastes it into the menu's target
  // thread (the typed-word buffers reset first); false when the clipboard
  // could not be opened.
  virtual bool pasteText(uint32_t /*thread*/, const Str16& /*text*/) { return false; }
  // The selection commands of the target thread: 3 toggle, 4 from a to b,
  // 9 transliterate, 6 check spelling (copy for the editor).
  virtual void selectionCommand(uint32_t /*thread*/, uint8_t /*code*/, uint32_t /*a*/, uint32_t /*b*/) {}
  virtual void openPolicy(const Str8& /*exeName*/) {}
  virtual void newNote() {}
  // The notes editor on a loose fragment, a note, a template file.
  virtual void editFragment(const Str16& /*text*/) {}
  virtual void editNote(uint32_t /*id*/, const Str16& /*text*/) {}
  virtual void editFile(const Str16& /*path*/) {}
  // The dialog that creates a template folder or file in `folder`.
  virtual void newTemplate(const Str16& /*folder*/, bool /*isFolder*/) {}
  virtual void saveStores() {}
  virtual void notesMayHaveChanged() {}
  // The open menu: close it, repaint one menu's window.
  virtual void closeMenu() {}
  virtual void repaint(XMenu& /*menu*/) {}
};

class ClipboardMenu : public MenuHandler {
 public:
  ClipboardMenu(ClipboardHistory& history, NotesStore& notes, ClipboardMenuActions& actions)
      : myHistory(history), myNotes(notes), myActions(actions) {}

  // The target of the next menu: the application's thread and executable.
  void setTarget(uint32_t thread, const Str8& exeName);
  // Composes the clipboard menu (the caller shows it); sets the history's
  // menu-open flag. The tree's items point at this handler.
  XMenu* build(const ClipboardMenuSettings& settings, const MenuStyle& style);

  void onMenuEvent(MenuEvent& event) override;

  // The containers of the open menu (null when absent).
  XMenu* root() const { return myRoot; }
  XMenu* clipboardBox() const { return myClipBox; }
  XMenu* notesBox() const { return myNotesBox; }
  XMenu* templatesMenu() const { return myTemplates; }

  // The caption and preview rules of the entries.
  static Str16 entryCaption(const Str16& text);
  static Str16 entryPreview(const Str16& text);

  // The longest caption and preview (in code units, "..." not counted).
  static constexpr int32_t kCaptionUnits = 111;
  static constexpr int32_t kPreviewUnits = 5000;
  static constexpr int32_t kPreviewBreaks = 21;

 private:
  void addSection(bool clipboard, bool first, const ClipboardMenuSettings& settings);
  XMenu* newNode(MenuKind kind, const Str16& caption);
  XMenu* historyItem(int32_t index, const Str16& text);
  XMenu* noteItem(int32_t index, const TxtNote& note);
  void setNoteLook(XMenu& item, const TxtNote* note);
  // The note items of the notes container and its "..." in display order.
  ArrT<XMenu*> noteItems() const;
  ArrT<XMenu*> historyItems() const;
  // Each note item's index follows its note (by id) after the store changed.
  void renumberNotes();
  void chosen(const XMenu& item);
  void button(XMenu& item, uint32_t number);
  void historyButton(XMenu& item, uint32_t number);
  void noteButton(XMenu& item, uint32_t number);
  void templateButton(XMenu& item, uint32_t number);
  void addHistoryToNotes(XMenu& item, const Str16& text);
  void dragEnded();
  void closed(XMenu& root);
  // Pastes, then makes the text the newest history entry.
  void paste(const Str16& text);

  MenuStyle myStyle;
  enum { kTipAddNote, kTipEdit, kTipDelete, kTipMove, kTipRestore, kTipDeleted, kTipCount };
  Str16 myTips[kTipCount];
  ClipboardHistory& myHistory;
  NotesStore& myNotes;
  ClipboardMenuActions& myActions;
  uint32_t myThread = 0;
  Str8 myExe;
  XMenu* myRoot = nullptr;
  XMenu* myClipBox = nullptr;
  XMenu* myClipMore = nullptr;
  XMenu* myNotesBox = nullptr;
  XMenu* myNotesMore = nullptr;
  XMenu* myClipHeader = nullptr;
  XMenu* myNotesHeader = nullptr;
  XMenu* myTemplates = nullptr;
  XMenu* myNotesEmpty = nullptr;  // the notes' "- empty -" item
};

}  // namespace orv
