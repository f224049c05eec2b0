#include "core/SynchObject.h"
#include "platform/MessageBox.h"
#include "platform/sim/SimMessageBox.h"

namespace orv {

namespace {
SynchObject g_boxLock;
int g_answer = kIdOk;
ArrT<sim::ShownMessageBox>* g_shown = nullptr;
std::function<void(const sim::ShownMessageBox&)>* g_probe = nullptr;
}  // namespace

int messageBox(const Str16& text, const Str16& caption, unsigned style) {
  sim::ShownMessageBox box;
  box.text = text;
  box.caption = caption;
  box.style = style;
  int answer;
  std::function<void(const sim::ShownMessageBox&)> probe;
  {
    SynchObject::Guard g(g_boxLock);
    if (!g_shown) g_shown = new ArrT<sim::ShownMessageBox>;
    g_shown->append(box);
    answer = g_answer;
    if (g_probe) probe = *g_probe;
  }
  if (probe) probe(box);
  return answer;
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

void setMessageBoxProbe(std::function<void(const ShownMessageBox&)> probe) {
  SynchObject::Guard g(g_boxLock);
  if (!g_probe) g_probe = new std::function<void(const ShownMessageBox&)>;
  *g_probe = std::move(probe);
}

void clearMessageBoxes() {
  SynchObject::Guard g(g_boxLock);
  if (g_shown) g_shown->clear();
}

}  // namespace sim
}  // namespace orv
