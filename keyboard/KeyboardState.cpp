// The keyboard state: resets, rendering, the buffers of the installed
// layouts and the conversions between them. Key events: KeyEvents.cpp.

#include "keyboard/KeyboardState.h"

#include "keyboard/LayoutOrder.h"
#include "keyboard/TextConversion.h"

namespace orv {

KeyboardState::KeyboardState(KeyboardPort& port, KeyboardSettings& settings, KeyboardSeams& seams)
    : myPort(port), mySettings(settings), mySeams(seams) {}

KeyboardState::~KeyboardState() {
  for (int32_t i = 0; i < buffers.size(); ++i) delete buffers.valAt(i);
}

KeybBuffer* KeyboardState::buffer(Hkl layout) {
  KeybBuffer** b = buffers.get(layout);
  return b ? *b : nullptr;
}

void KeyboardState::dropDeadKey() {
  deadCombos = nullptr;
  deadOwnChar = 0;
}

void KeyboardState::resetWord() {
  if (mySeams.isMenuOpen()) mySeams.closeMenu();
  if (current && current->text.size() > 0) outcome.wordDiscarded = 1;
  outcome.resetDone = 1;
  pendingSwitch = nullptr;
  switchedInWord = 0;
  dropDeadKey();
  typedKeys.clear();
  for (int32_t i = 0; i < buffers.size(); ++i) buffers.valAt(i)->restart();
  mySeams.forgetLastSwitch();
  tracking = 0;
  mySeams.textReset();
}

void KeyboardState::resetAndTrack() {
  resetWord();
  tracking = 1;
}

void KeyboardState::renderTexts() {
  for (int32_t i = 0; i < buffers.size(); ++i) buffers.valAt(i)->render(typedKeys.data(), typedKeys.size());
}

void KeyboardState::rebuildTexts() {
  renderTexts();
  for (int32_t i = 0; i < buffers.size(); ++i) {
    KeybBuffer* b = buffers.valAt(i);
    if (b->text.size() > b->lastRenderedSize) outcome.textGrew = 1;
    b->lastRenderedSize = b->text.size();
  }
}

bool KeyboardState::syncLayouts() {
  ArrT<Hkl> installed = systemLayoutList(myPort);
  for (int32_t i = 0; i < buffers.size(); ++i) buffers.valAt(i)->seen = 0;
  for (Hkl h : installed)
    if (KeybBuffer* b = buffer(h)) b->seen = 1;

  bool changed = false;
  for (Hkl h : installed) {
    if (buffer(h)) continue;
    if (!changed) resetAndTrack();
    changed = true;
    KeybBuffer* b = new KeybBuffer;
    b->layout = h;
    b->map = buildLayoutCharMap(myPort, h);
    b->codePage = b->map.codePage;
    b->seen = 1;
    buffers.put(h, b);
    mySeams.bufferCreated(*b);
  }
  for (int32_t i = buffers.size() - 1; i >= 0; --i) {
    KeybBuffer* b = buffers.valAt(i);
    if (b->seen) continue;
    if (!changed) resetAndTrack();
    changed = true;
    if (current == b) current = nullptr;
    if (pendingSwitch == b) pendingSwitch = nullptr;
    mySeams.bufferDestroyed(*b);
    buffers.removeAt(i);
    delete b;
  }
  mySystemList = installed;
  installedCount = installed.size();
  if (changed) {
    rebuildAnalysisOrder();
    mySeams.layoutsChanged(*this);
  }
  return installed.size() >= 2;
}

ArrT<Hkl> KeyboardState::layoutOrder() {
  ArrT<Hkl> withBuffers;
  for (Hkl h : mySystemList)
    if (buffer(h)) withBuffers.append(h);
  return programLayoutOrder(withBuffers, mySettings.hklOrder());
}

void KeyboardState::layoutOrderChanged() {
  rebuildAnalysisOrder();
  mySeams.layoutsChanged(*this);
}

void KeyboardState::rebuildAnalysisOrder() {
  analysisOrder.clear();
  for (Hkl h : layoutOrder()) analysisOrder.append(buffer(h));
}

bool KeyboardState::convertText(const Str16& text, Hkl from, Hkl to, Str16& wide, Str8& narrow) {
  SynchObject::Guard guard(myLock);
  KeybBuffer* a = buffer(from);
  KeybBuffer* b = buffer(to);
  if (!a || !b || installedCount < 2) return false;
  convertWithMaps(text, a->map, b->map, wide, narrow);
  return true;
}

bool KeyboardState::convertToNextLayout(const Str16& text, Str16& wide, Str8& narrow) {
  SynchObject::Guard guard(myLock);
  ArrT<const LayoutCharMap*> maps;
  for (Hkl h : layoutOrder()) maps.append(&buffer(h)->map);
  return convertToNextWithMaps(text, maps, wide, narrow);
}

}  // namespace orv
