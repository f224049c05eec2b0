// Linux shell of the resource port: a table of named byte strings.

#include <map>
#include <string>

#include "core/SynchObject.h"
#include "platform/Resource.h"
#include "platform/sim/SimResource.h"

namespace orv {

namespace {
SynchObject g_lock;
std::map<std::string, std::string>& table() {
  static std::map<std::string, std::string> t;
  return t;
}
}  // namespace

bool loadDataResource(const char* name, Str8& out) {
  out.clear();
  out.data();
  SynchObject::Guard g(g_lock);
  auto it = table().find(name);
  if (it == table().end()) return false;
  appendText(out, it->second);
  return true;
}

namespace sim {
void setResource(const char* name, const Str8& bytes) {
  SynchObject::Guard g(g_lock);
  table()[name] = std::string(view(bytes));
}
void removeResource(const char* name) {
  SynchObject::Guard g(g_lock);
  table().erase(name);
}
void clearResources() {
  SynchObject::Guard g(g_lock);
  table().clear();
}
}  // namespace sim

}  // namespace orv
