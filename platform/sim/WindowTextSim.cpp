// Linux shell of the window-text port: a tree of windows held in a table.

#include <map>
#include <string>
#include <vector>

#include "core/SynchObject.h"
#include "platform/WindowText.h"
#include "platform/sim/SimWindowTree.h"

namespace orv {

namespace {

struct SimWindow {
  WindowRef parent = 0;
  std::u16string text;
  std::vector<WindowRef> children;
  int sets = 0;
};

SynchObject g_lock;
WindowRef g_next = 0x1000;

std::map<WindowRef, SimWindow>& windows() {
  static std::map<WindowRef, SimWindow> table;
  return table;
}

SimWindow* find(WindowRef w) {
  auto it = windows().find(w);
  return it == windows().end() ? nullptr : &it->second;
}

}  // namespace

Str16 windowText(WindowRef window) {
  SynchObject::Guard g(g_lock);
  SimWindow* w = find(window);
  Str16 out;
  out.data();
  if (w) appendText(out, w->text);
  return out;
}

bool setWindowText(WindowRef window, const char16_t* text) {
  SynchObject::Guard g(g_lock);
  SimWindow* w = find(window);
  if (!w) return false;
  w->text = text ? text : u"";
  ++w->sets;
  return true;
}

WindowRef firstChildWindow(WindowRef window) {
  SynchObject::Guard g(g_lock);
  SimWindow* w = find(window);
  return w && !w->children.empty() ? w->children.front() : 0;
}

WindowRef nextSiblingWindow(WindowRef window) {
  SynchObject::Guard g(g_lock);
  SimWindow* w = find(window);
  if (!w || !w->parent) return 0;
  const std::vector<WindowRef>& sib = find(w->parent)->children;
  for (size_t i = 0; i + 1 < sib.size(); ++i)
    if (sib[i] == window) return sib[i + 1];
  return 0;
}

namespace sim {

WindowRef createTextWindow(WindowRef parent, const char16_t* text) {
  SynchObject::Guard g(g_lock);
  SimWindow* p = parent ? find(parent) : nullptr;
  if (parent && !p) return 0;
  WindowRef id = g_next += 4;
  SimWindow w;
  w.parent = parent;
  w.text = text ? text : u"";
  windows()[id] = w;
  if (p) find(parent)->children.push_back(id);
  return id;
}

void destroyTextWindow(WindowRef window) {
  SynchObject::Guard g(g_lock);
  SimWindow* w = find(window);
  if (!w) return;
  std::vector<WindowRef> kids = w->children;
  for (WindowRef k : kids) destroyTextWindow(k);
  if (SimWindow* p = find(w->parent)) {
    std::vector<WindowRef>& sib = p->children;
    for (size_t i = 0; i < sib.size(); ++i)
      if (sib[i] == window) {
        sib.erase(sib.begin() + long(i));
        break;
      }
  }
  windows().erase(window);
}

int textSetCount(WindowRef window) {
  SynchObject::Guard g(g_lock);
  SimWindow* w = find(window);
  return w ? w->sets : 0;
}

}  // namespace sim
}  // namespace orv
