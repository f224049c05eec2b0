#include "clipboard/ClipboardMenu.h"

#include "clipboard/Templates.h"

// Language keys are named where they are used (the language-file check
// collects them); this layer cannot see the application's LocalStr.
#ifndef LKEY
#define LKEY(key) key
#endif

namespace orv {

namespace {

// A note's record: the code, its index, the deleted mark, then the note's id,
// by which the note is found again whatever happened to the list meanwhile.
constexpr int32_t kNoteMarkAt = 5;
constexpr int32_t kNoteIdAt = 6;

// History buttons (history image list).
constexpr int32_t kImgAddNote = 0, kImgHistEdit = 2, kImgHistDelete = 4, kImgInNotes = 6;
// Note buttons (notes image list).
constexpr int32_t kImgNoteEdit = 0, kImgNoteDelete = 2, kImgDrag = 4, kImgNoteRestore = 6;

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Cuts at `units` without splitting a surrogate pair.
void cutAt(Str16& s, int32_t units) {
  if (s.size() <= units) return;
  if (units > 0 && isHighSurrogate(s[units - 1])) --units;
  s.isetSize(units);
}

uint8_t code(const Str8& record) { return record.size() ? static_cast<uint8_t>(record[0]) : 0; }

Str8 record1(uint8_t c) {
  Str8 r;
  r.append(static_cast<char>(c));
  return r;
}

bool noteMarked(const XMenu& item) {
  return code(item.record) == kCodeNote && item.record.size() > kNoteMarkAt && item.record[kNoteMarkAt] != 0;
}

bool templateMarked(const XMenu& item) {
  return code(item.record) == kCodeTemplate && item.record.size() > 1 && item.record[1] != 0;
}

void setRecordU32(Str8& record, int32_t at, uint32_t v) {
  for (int32_t k = 0; k < 4 && at + k < record.size(); ++k) record[at + k] = static_cast<char>(v >> (8 * k));
}

Str16 noteCaptionSource(const TxtNote& n) { return n.title.size() ? n.title : n.text; }

}  // namespace

void appendRecordU32(Str8& record, uint32_t v) {
  for (int32_t k = 0; k < 4; ++k) record.append(static_cast<char>(v >> (8 * k)));
}

uint32_t recordU32(const Str8& record, int32_t at) {
  if (at < 0 || at + 4 > record.size()) return 0;
  uint32_t v = 0;
  for (int32_t k = 0; k < 4; ++k) v |= static_cast<uint32_t>(static_cast<uint8_t>(record[at + k])) << (8 * k);
  return v;
}

void appendRecordText(Str8& record, const Str16& text) {
  for (int32_t i = 0; i < text.size(); ++i) {
    record.append(static_cast<char>(text[i] & 0xFF));
    record.append(static_cast<char>(text[i] >> 8));
  }
  record.append('\0');
  record.append('\0');
}

Str16 recordText(const Str8& record, int32_t at) {
  Str16 out;
  for (int32_t i = at; i >= 0 && i + 1 < record.size(); i += 2) {
    char16_t c = static_cast<char16_t>(static_cast<uint8_t>(record[i]) | (static_cast<uint8_t>(record[i + 1]) << 8));
    if (!c) break;
    out.append(c);
  }
  return out;
}

// Both rules write into a buffer sized once: a menu holds hundreds of
// entries, each of up to thousands of characters.
Str16 ClipboardMenu::entryCaption(const Str16& text) {
  Str16 out;
  out.isetSize(kCaptionUnits + 2);
  char16_t* o = out.data();
  int32_t n = 0;
  bool blank = false;
  // One unit past the limit tells whether the cut would split a pair.
  for (int32_t i = 0; i < text.size() && n <= kCaptionUnits; ++i) {
    if (isBlank(text[i])) {
      blank = n > 0;
      continue;
    }
    if (blank) o[n++] = u' ';
    blank = false;
    if (n <= kCaptionUnits) o[n++] = text[i];
  }
  if (blank && n <= kCaptionUnits) o[n++] = u' ';
  out.isetSize(n);
  cutAt(out, kCaptionUnits);
  if (out.empty()) out.append(u' ');
  return out;
}

Str16 ClipboardMenu::entryPreview(const Str16& text) {
  Str16 out;
  out.isetSize(text.size() < kPreviewUnits ? 2 * text.size() + 8 : kPreviewUnits + 8);
  char16_t* o = out.data();
  int32_t n = 0, breaks = 0;
  for (int32_t i = 0; i < text.size() && n <= kPreviewUnits; ++i) {
    char16_t c = text[i];
    // CR LF is one break; a CR alone (old Mac texts) is a break as well.
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    if (c != u'\r' && c != u'\n') {
      o[n++] = c;
      continue;
    }
    if (n == 0 || o[n - 1] == u'\n') continue;
    o[n++] = u'\r';
    o[n++] = u'\n';
    if (++breaks == kPreviewBreaks) {
      for (int k = 0; k < 3; ++k) o[n++] = u'.';
      break;
    }
  }
  out.isetSize(n);
  if (breaks < kPreviewBreaks) cutAt(out, kPreviewUnits);
  return trimWhiteSpace(view(out));
}

void ClipboardMenu::setTarget(uint32_t thread, const Str8& exeName) {
  myThread = thread;
  myExe = exeName;
}

XMenu* ClipboardMenu::newNode(MenuKind kind, const Str16& caption) {
  XMenu* m = new XMenu(kind, caption);
  m->style = myStyle;
  m->handler = this;
  return m;
}

XMenu* ClipboardMenu::historyItem(int32_t index, const Str16& text) {
  XMenu* it = newNode(MenuKind::Item, entryCaption(text));
  it->hint = entryPreview(text);
  it->record = record1(kCodeHistory);
  appendRecordU32(it->record, static_cast<uint32_t>(index));
  it->images = MenuImages::History;
  it->columnWidth = kEntryColumnWidth;
  it->entryStyle = true;
  it->addButton(myNotes.findNoteByText(text) >= 0 ? kImgInNotes : kImgAddNote, myTips[kTipAddNote]);
  it->addButton(kImgHistEdit, myTips[kTipEdit]);
  it->addButton(kImgHistDelete, myTips[kTipDelete]);
  return it;
}

XMenu* ClipboardMenu::noteItem(int32_t index, const TxtNote& note) {
  XMenu* it = newNode(MenuKind::Item, {});
  it->hint = entryPreview(note.text);
  it->record = record1(kCodeNote);
  appendRecordU32(it->record, static_cast<uint32_t>(index));
  it->record.append('\0');
  appendRecordU32(it->record, note.id);
  it->images = MenuImages::Notes;
  it->columnWidth = kEntryColumnWidth;
  it->entryStyle = true;
  setNoteLook(*it, &note);
  return it;
}

// A note item as new (`note` given) or marked deleted (null).
void ClipboardMenu::setNoteLook(XMenu& it, const TxtNote* note) {
  it.clearButtons();
  if (it.record.size() > kNoteMarkAt) it.record[kNoteMarkAt] = note ? 0 : 1;
  it.draggable = note != nullptr;
  if (!note) {
    it.setCaption(myTips[kTipDeleted], kCharItalic);
    it.addButton(kImgNoteRestore, myTips[kTipRestore]);
    return;
  }
  it.setCaption(entryCaption(noteCaptionSource(*note)));
  it.addButton(kImgDrag, myTips[kTipMove]);
  it.addButton(kImgNoteEdit, myTips[kTipEdit]);
  it.addButton(kImgNoteDelete, myTips[kTipDelete]);
}

void ClipboardMenu::addSection(bool clipboard, bool first, const ClipboardMenuSettings& s) {
  const bool asSub = clipboard ? s.clipboardAsSub : s.notesAsSub;
  const char* titleKey = clipboard ? LKEY("clipboard_menu_title") : LKEY("clipboard_menu_notes_title");
  XMenu* box = myRoot;
  XMenu* header = nullptr;
  if (asSub) {
    if (!first) myRoot->add(newNode(MenuKind::Separator, {}));
    box = myRoot->add(newNode(MenuKind::Sub, myActions.text(titleKey)));
  } else if (!first) {
    header = myRoot->add(newNode(MenuKind::Header, myActions.text(titleKey)));
  }
  XMenu* more = nullptr;
  const int32_t firstLimit = clipboard ? s.maxItems1 : s.maxNotes1;
  auto place = [&](int32_t i, XMenu* item) {
    if (i < firstLimit) {
      box->add(item);
      return;
    }
    if (!more) {
      more = box->add(newNode(MenuKind::Sub, myActions.text(LKEY("clipboard_menu_more_title"))));
      more->style = box->style;
      if (!clipboard) more->record = record1(kCodeNotesBox);
    }
    more->add(item);
  };
  XMenu* empty = nullptr;
  const int32_t shown = firstLimit + (s.maxItemsMore > 0 ? s.maxItemsMore : 0);
  if (clipboard) {
    myClipBox = box;
    myClipHeader = header;
    ArrT<Str16> entries = myHistory.entries();
    if (entries.empty()) empty = box->add(newNode(MenuKind::Item, myActions.text(LKEY("clipboard_menu_none_item"))));
    for (int32_t i = 0; i < entries.size() && i < shown; ++i) place(i, historyItem(i, entries[i]));
    myClipMore = more;
  } else {
    myNotesBox = box;
    myNotesHeader = header;
    box->record = record1(kCodeNotesBox);
    ArrT<TxtNote> notes = myNotes.notes();
    if (notes.empty()) empty = box->add(newNode(MenuKind::Item, myActions.text(LKEY("clipboard_menu_none_item"))));
    for (int32_t i = 0; i < notes.size() && i < shown; ++i) place(i, noteItem(i, notes[i]));
    myNotesMore = more;
    myNotesEmpty = empty;
    box->add(newNode(MenuKind::Separator, {}));
    XMenu* n = box->add(newNode(MenuKind::Item, myActions.text(LKEY("clipboard_menu_new_note"))));
    n->record = record1(kCodeNewNote);
    n->hint = myActions.hotkeyText("!!new_note");
  }
}

XMenu* ClipboardMenu::build(const ClipboardMenuSettings& settings, const MenuStyle& style) {
  myStyle = style;
  // The texts every entry repeats, asked for once.
  const char* const tipKeys[kTipCount] = {
      LKEY("clipboard_menu_tt_add2notes"), LKEY("clipboard_menu_tt_underliner"), LKEY("clipboard_menu_tt_delete"),
      LKEY("clipboard_menu_tt_move"),      LKEY("clipboard_menu_tt_restore"),    LKEY("clipboard_menu_note_deleted")};
  for (int32_t k = 0; k < kTipCount; ++k) myTips[k] = myActions.text(tipKeys[k]);
  myRoot = myClipBox = myClipMore = myNotesBox = myNotesMore = nullptr;
  myClipHeader = myNotesHeader = myTemplates = myNotesEmpty = nullptr;
  myRoot = newNode(MenuKind::Sub, {});
  myRoot->title = myActions.text(settings.clipboardFirst || settings.notesAsSub ? LKEY("clipboard_menu_title")
                                                                               : LKEY("clipboard_menu_title2"));
  addSection(settings.clipboardFirst, true, settings);
  addSection(!settings.clipboardFirst, false, settings);

  myTemplates = myRoot->add(newNode(MenuKind::Sub, myActions.text(LKEY("clipboard_menu_tmplts_title"))));
  fillTemplatesMenu(*myTemplates, myActions.moduleFolder(), str16(u"templates"), myActions, this);

  myRoot->add(newNode(MenuKind::Separator, {}));
  myRoot->add(newNode(MenuKind::Item, myActions.text(LKEY("clipboard_underliner_for_selected_mi"))))->record =
      record1(kCodeSpelling);
  if (myActions.translitActive()) {
    XMenu* t = myRoot->add(newNode(MenuKind::Item, myActions.text(LKEY("clipboard_translit_selected_mi"))));
    t->record = record1(kCodeTranslit);
    t->hint = myActions.hotkeyText("translit");
  }
  XMenu* toggle = myRoot->add(newNode(MenuKind::Item, myActions.text(LKEY("clipboard_switch_selected_mi"))));
  toggle->record = record1(kCodeToggleSel);
  toggle->hint = myActions.hotkeyText("!!switch_sel");
  XMenu* as = myRoot->add(newNode(MenuKind::Sub, myActions.text(LKEY("clipboard_switch_selected_sub"))));
  ArrT<MenuLayoutName> layouts = myActions.layouts();
  for (const MenuLayoutName& a : layouts)
    for (const MenuLayoutName& b : layouts) {
      if (a.layout == b.layout) continue;
      Str16 caption = a.name;
      appendText(caption, u"  ->  ");
      appendText(caption, view(b.name));
      XMenu* pair = as->add(newNode(MenuKind::Item, caption));
      pair->record = record1(kCodeToggleAs);
      appendRecordU32(pair->record, a.layout);
      appendRecordU32(pair->record, b.layout);
    }

  myRoot->add(newNode(MenuKind::Separator, {}));
  XMenu* policy = myRoot->add(newNode(MenuKind::Item, myActions.text(LKEY("clipboard_exe_policy"))));
  policy->record = record1(kCodePolicy);
  const int32_t n = myExe.size() > 0xFFFF ? 0xFFFF : myExe.size();
  policy->record.append(static_cast<char>(n & 0xFF));
  policy->record.append(static_cast<char>(n >> 8));
  policy->record.append(myExe.data(), n);
  policy->record.append('\0');

  myHistory.setMenuOpen(true);
  return myRoot;
}

ArrT<XMenu*> ClipboardMenu::noteItems() const {
  ArrT<XMenu*> out;
  for (XMenu* box : {myNotesBox, myNotesMore}) {
    if (!box) continue;
    for (XMenu* c : box->children)
      if (code(c->record) == kCodeNote) out.append(c);
  }
  return out;
}

ArrT<XMenu*> ClipboardMenu::historyItems() const {
  ArrT<XMenu*> out;
  for (XMenu* box : {myClipBox, myClipMore}) {
    if (!box) continue;
    for (XMenu* c : box->children)
      if (code(c->record) == kCodeHistory) out.append(c);
  }
  return out;
}

void ClipboardMenu::renumberNotes() {
  for (XMenu* it : noteItems()) {
    int32_t i = myNotes.indexOf(recordU32(it->record, kNoteIdAt));
    if (i >= 0) setRecordU32(it->record, 1, static_cast<uint32_t>(i));
  }
}

void ClipboardMenu::onMenuEvent(MenuEvent& e) {
  if (!e.item) return;
  switch (e.kind) {
    case kMenuChosen: chosen(*e.item); break;
    case kMenuQuery: e.result = noteMarked(*e.item) || templateMarked(*e.item) ? 1 : 0; break;
    case kMenuButton: button(*e.item, e.param); break;
    case kMenuDragEnd:
      if (code(e.item->record) == kCodeNotesBox) dragEnded();
      break;
    case kMenuDeleted:
      // A root replaced by a newer menu before it closed is acted on too.
      if (!e.item->parent && e.item->handler == this) closed(*e.item);
      break;
    default: break;
  }
}

void ClipboardMenu::paste(const Str16& text) {
  if (text.empty() || !myActions.pasteText(myThread, text)) return;
  myHistory.setLastSeen(text);
  if (myHistory.addToHistory(text)) myActions.saveStores();
}

void ClipboardMenu::chosen(const XMenu& item) {
  const Str8& r = item.record;
  switch (code(r)) {
    case kCodeHistory: {
      myHistory.setMenuOpen(false);
      uint32_t i = recordU32(r, 1);
      if (r.size() >= 5 && i < static_cast<uint32_t>(myHistory.size())) paste(myHistory.at(static_cast<int32_t>(i)));
      break;
    }
    case kCodeNote: {
      myHistory.setMenuOpen(false);
      TxtNote n;
      if (!noteMarked(item) && myNotes.at(myNotes.indexOf(recordU32(r, kNoteIdAt)), n)) paste(n.text);
      break;
    }
    case kCodeToggleSel:
    case kCodeSpelling:
    case kCodeTranslit: myActions.selectionCommand(myThread, code(r), 0, 0); break;
    case kCodeToggleAs:
      if (r.size() >= 9) myActions.selectionCommand(myThread, kCodeToggleAs, recordU32(r, 1), recordU32(r, 5));
      break;
    case kCodePolicy: {
      if (r.size() < 3) break;
      int32_t n = static_cast<uint8_t>(r[1]) | (static_cast<uint8_t>(r[2]) << 8);
      if (3 + n > r.size()) n = r.size() - 3;
      myActions.openPolicy(Str8(r.data() + 3, n));
      break;
    }
    case kCodeNewNote: myActions.newNote(); break;
    case kCodeNewFolder:
    case kCodeNewFile: myActions.newTemplate(recordText(r, 1), code(r) == kCodeNewFolder); break;
    case kCodeTemplate: {
      if (templateMarked(item)) break;
      Str16 text;
      Str16 path = myActions.moduleFolder();
      path.append(u'\\');
      appendText(path, view(recordText(r, 2)));
      if (readTextFile(path, text)) paste(text);
      break;
    }
    default: break;
  }
}

void ClipboardMenu::button(XMenu& item, uint32_t number) {
  switch (code(item.record)) {
    case kCodeHistory: historyButton(item, number); break;
    case kCodeNote: noteButton(item, number); break;
    case kCodeTemplate: templateButton(item, number); break;
    default: break;
  }
}

void ClipboardMenu::addHistoryToNotes(XMenu& item, const Str16& text) {
  if (!myNotesBox || myNotes.findNoteByText(text) >= 0) return;
  TxtNote note;
  note.text = text;
  if (myNotes.addNote(note, &note.id) != NoteResult::Ok) return;
  int32_t top = myNotesHeader ? myNotesBox->indexOf(myNotesHeader) + 1 : 0;
  if (myNotesEmpty) {
    myNotesEmpty->parent->erase(myNotesEmpty);
    myNotesEmpty = nullptr;
  }
  myNotesBox->insert(top, noteItem(0, note));
  renumberNotes();
  if (item.buttons.size()) item.buttons[0] = static_cast<char>(kImgInNotes);
  myActions.repaint(*myNotesBox);
  if (item.parent && item.parent != myNotesBox) myActions.repaint(*item.parent);
}

void ClipboardMenu::historyButton(XMenu& item, uint32_t number) {
  const int32_t index = static_cast<int32_t>(recordU32(item.record, 1));
  const Str16 text = myHistory.at(index);
  if (text.empty()) return;  // the index points nowhere any more
  if (number == 1) {
    addHistoryToNotes(item, text);
  } else if (number == 2) {
    myActions.closeMenu();  // the tree may be gone from here on
    myActions.editFragment(text);
  } else if (number == 3) {
    if (!myHistory.removeFromHistory(index)) return;
    for (XMenu* it : historyItems()) {
      int32_t i = static_cast<int32_t>(recordU32(it->record, 1));
      if (i > index) setRecordU32(it->record, 1, static_cast<uint32_t>(i - 1));
    }
    XMenu* menu = item.parent;
    if (!menu) return;
    menu->erase(&item);
    myActions.repaint(*menu);
  }
}

void ClipboardMenu::noteButton(XMenu& item, uint32_t number) {
  TxtNote note;
  if (!myNotes.at(myNotes.indexOf(recordU32(item.record, kNoteIdAt)), note)) return;
  const bool marked = noteMarked(item);
  if ((marked && number == 1) || (!marked && number == 3)) {
    setNoteLook(item, marked ? &note : nullptr);
    if (item.parent) myActions.repaint(*item.parent);
  } else if (!marked && number == 2) {
    myActions.editNote(note.id, note.text);
  }
}

void ClipboardMenu::templateButton(XMenu& item, uint32_t number) {
  if (number == 1) {
    Str16 path = myActions.moduleFolder();
    path.append(u'\\');
    appendText(path, view(recordText(item.record, 2)));
    myActions.closeMenu();
    myActions.editFile(path);
  } else if (number == 2 && item.record.size() > 1) {
    const bool mark = item.record[1] == 0;
    item.record[1] = mark ? 1 : 0;
    if (item.buttons.size() > 1) item.buttons[1] = static_cast<char>(mark ? 4 : 2);
    item.setCaptionAttr(kCharStrike, mark);
    if (item.parent) myActions.repaint(*item.parent);
  }
}

void ClipboardMenu::dragEnded() {
  ArrT<int32_t> order;
  for (XMenu* it : noteItems()) {
    if (noteMarked(*it)) continue;
    int32_t i = myNotes.indexOf(recordU32(it->record, kNoteIdAt));
    if (i >= 0) order.append(i);
  }
  myNotes.reorderNotes(order);
  renumberNotes();
}

namespace {

void markedNotes(const XMenu& menu, const NotesStore& notes, ArrT<int32_t>& out) {
  for (const XMenu* c : menu.children) {
    if (noteMarked(*c)) {
      int32_t i = notes.indexOf(recordU32(c->record, kNoteIdAt));
      if (i >= 0) out.append(i);
    }
    markedNotes(*c, notes, out);
  }
}

}  // namespace

void ClipboardMenu::closed(XMenu& root) {
  ArrT<int32_t> gone;
  markedNotes(root, myNotes, gone);
  myNotes.removeNotes(gone);
  deleteMarkedTemplates(root, myActions.moduleFolder());
  myActions.saveStores();
  if (&root == myRoot) {
    myHistory.setMenuOpen(false);
    myRoot = myClipBox = myClipMore = myNotesBox = myNotesMore = nullptr;
    myClipHeader = myNotesHeader = myTemplates = myNotesEmpty = nullptr;
  }
  myActions.notesMayHaveChanged();
}

}  // namespace orv
