#include "core/SynchObject.h"
#include "platform/MessageBox.h"
#include "platform/sim/SimMessageBox.h"

namespace orv {

namespace {
SynchObject g_boxLock;
int g_answer = kIdOk;
ArrT<sim::ShownMessageBox>* g_shown = nullptr;
}  // namespace

int messageBox(const Str16& text, const Str16& caption, unsigned style) {
  SynchObject::Guard g(g_boxLock);
  if (!g_shown) g_shown = new ArrT<sim::ShownMessageBox>;
  sim::ShownMessageBox box;
  box.text = text;
  box.caption = caption;
  box.style = style;
  g_shown->append(box);
  return g_answer;
}

namespace sim {

void setMessageBoxAnswer(int answer) {
  SynchObject::Guard g(g_boxLock);
  g_answer = answer;
}

ArrT<ShownMessageBox> shownMessageBoxes() {
  SynchObject::Guard g(g_boxLock);
  return g_shown ? *g_shown : ArrT<ShownMessageBox>();
}

void clearMessageBoxes() {
  SynchObject::Guard g(g_boxLock);
  if (g_shown) g_shown->clear();
}

}  // namespace sim
}  // namespace orv
