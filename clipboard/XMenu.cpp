#include "clipboard/XMenu.h"

namespace orv {

XMenu::XMenu(MenuKind k, const Str16& text) : kind(k) { setCaption(text); }

XMenu::~XMenu() {
  for (int32_t i = 0; i < children.size(); ++i) delete children[i];
}

XMenu* XMenu::add(XMenu* c) { return insert(children.size(), c); }

XMenu* XMenu::insert(int32_t pos, XMenu* c) {
  FATAL_CHECK("XMenu::insert()" && c && !c->parent && pos >= 0 && pos <= children.size());
  c->parent = this;
  children.insertAt(pos, c);
  return c;
}

XMenu* XMenu::detach(int32_t pos) {
  if (pos < 0 || pos >= children.size()) return nullptr;
  XMenu* c = children.removeAt(pos);
  if (hovered == c) hovered = nullptr;
  if (openChild == c) openChild = nullptr;
  c->parent = nullptr;
  return c;
}

void XMenu::erase(XMenu* c) { delete detach(indexOf(c)); }

int32_t XMenu::indexOf(const XMenu* c) const {
  for (int32_t i = 0; i < children.size(); ++i)
    if (children[i] == c) return i;
  return -1;
}

XMenu* XMenu::root() {
  XMenu* m = this;
  while (m->parent) m = m->parent;
  return m;
}

void XMenu::setCaption(const Str16& text, uint32_t attr) {
  caption = text;
  attrs.isetSize(text.size());
  for (int32_t i = 0; i < text.size(); ++i) attrs[i] = attr;
}

void XMenu::setCaptionAttr(uint32_t bits, bool on) {
  for (int32_t i = 0; i < attrs.size(); ++i) attrs[i] = on ? (attrs[i] | bits) : (attrs[i] & ~bits);
}

void XMenu::addButton(int32_t image, const Str16& tooltip) {
  buttons.append(static_cast<char>(image));
  buttonTips.append(tooltip);
}

void XMenu::clearButtons() {
  buttons.isetSize(0);
  buttonTips.isetSize(0);
}

XMenu* XMenu::detachedCopy() const {
  XMenu* c = new XMenu(kind);
  c->caption = caption;
  c->attrs = attrs;
  c->hint = hint;
  c->record = record;
  c->handler = handler;
  c->isCopy = true;
  return c;
}

uint32_t XMenu::notify(uint32_t eventKind, uint32_t param, uint8_t mouseUsed) {
  if (!handler) return 0;
  MenuEvent e;
  e.kind = eventKind;
  e.param = param;
  e.item = this;
  e.mouseUsed = mouseUsed;
  handler->onMenuEvent(e);
  return e.result;
}

}  // namespace orv
