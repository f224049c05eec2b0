// The engine's transliteration tables: one Translit per layout buffer, made
// and dropped with it, and the active set.

#include "keyboard/KeyboardEngine.h"

namespace orv {

void KeyboardEngine::translitBufferCreated(KeybBuffer& buffer) {
  auto t = std::make_unique<Translit>(buffer.layout);
  if (myTranslitLoaded) t->load(myTranslitFolder);
  myTranslits[&buffer] = std::move(t);
}

void KeyboardEngine::translitBufferDestroyed(KeybBuffer& buffer) {
  myTranslits.erase(&buffer);
  // The active layout went away: another one takes over at the next use
  // (not now: the layout list is being changed), without touching the
  // user's setting.
  if (myActiveTranslit == &buffer) {
    myActiveTranslit = nullptr;
    myTranslitReselect = true;
  }
}

void KeyboardEngine::loadTranslit(const Str16& folder) {
  myTranslitFolder = folder;
  myTranslitLoaded = true;
  for (auto& [buffer, t] : myTranslits) t->load(folder);
  selectActiveTranslit(true);
}

void KeyboardEngine::selectActiveTranslit(bool writeSetting) {
  myActiveTranslit = nullptr;
  myTranslitReselect = false;
  if (!myState) return;
  ArrT<const KeybBuffer*> buffers;
  ArrT<const Translit*> sets;
  for (Hkl h : myState->layoutOrder()) {
    const KeybBuffer* b = myState->buffer(h);
    if (const Translit* t = translit(b)) {
      buffers.append(b);
      sets.append(t);
    }
  }
  std::string setting = myState->settings().translitActive();
  Str8 writeBack;
  int32_t chosen = orv::selectActiveTranslit(sets, str8(setting), writeBack);
  if (writeSetting && view(writeBack) != setting) myState->settings().setTranslitActive(std::string(view(writeBack)));
  if (chosen >= 0) myActiveTranslit = buffers[chosen];
}

const Translit* KeyboardEngine::translit(const KeybBuffer* buffer) const {
  auto it = myTranslits.find(buffer);
  return it == myTranslits.end() ? nullptr : it->second.get();
}

const Translit* KeyboardEngine::activeTranslit(KeybBuffer** buffer) {
  if (myTranslitReselect) selectActiveTranslit(false);
  if (buffer) *buffer = const_cast<KeybBuffer*>(myActiveTranslit);
  return myActiveTranslit ? translit(myActiveTranslit) : nullptr;
}

bool KeyboardEngine::transliterate(const Str16& text, Str16& wide, Str8& narrow) {
  KeybBuffer* buffer = nullptr;
  const Translit* t = activeTranslit(&buffer);
  return t && t->convert(text, buffer->map.letters, wide, narrow);
}

}  // namespace orv
