#include "app/PoliciesEdit.h"

#include "core/KeyOrder.h"
#include "platform/Text.h"

namespace orv {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void removeName(ArrT<Str8>& list, const Str8& name) {
  for (int32_t i = list.size() - 1; i >= 0; --i)
    if (list[i] == name) list.remove(i);
}

}  // namespace

Str8 normalisedExeName(std::string_view name) {
  size_t b = 0, e = name.size();
  while (b < e && isBlank(name[b])) ++b;
  while (e > b && isBlank(name[e - 1])) --e;
  Str8 s = str8(name.substr(b, e - b));
  charLowerBuffA(s.data(), s.size());
  return s;
}

void PoliciesEdit::load(const PolicyTable& table, const ArrT<Str8>& recent) {
  myEdited = false;
  myRows.clear();
  myRecent.clear();
  for (int32_t i = 0; i < table.size(); ++i)
    if (table.keyAt(i).size() > 0) myRows.append(Row{table.keyAt(i), table.valAt(i)});
  for (const Str8& name : recent)
    if (find(std::string_view(name.data(), name.size())) < 0 && name.size() > 0) {
      removeName(myRecent, name);
      myRecent.append(name);
    }
}

void PoliciesEdit::follow(const PolicyTable& table, const ArrT<Str8>& recent) {
  if (!myEdited) {
    load(table, recent);
    return;
  }
  load(this->table(), recent);
  myEdited = true;
}

PolicyTable PoliciesEdit::table() const {
  PolicyTable t;
  for (const Row& r : myRows) t.put(r.name, r.flags);
  return t;
}

int32_t PoliciesEdit::find(std::string_view name) const {
  Str8 n = normalisedExeName(name);
  for (int32_t i = 0; i < myRows.size(); ++i)
    if (myRows[i].name == n) return i;
  return -1;
}

void PoliciesEdit::toggleFlag(int32_t row, int32_t bit) {
  if (row < 0 || row >= myRows.size() || bit < 0 || bit > 5) return;
  myRows[row].flags ^= 1 << bit;
  myEdited = true;
}

int32_t PoliciesEdit::add(std::string_view name) {
  Str8 n = normalisedExeName(name);
  if (n.size() == 0) return -1;
  removeName(myRecent, n);
  int32_t at = find(std::string_view(n.data(), n.size()));
  if (at >= 0) return at;
  myEdited = true;
  // Sorted like the table, so that a new row sits where it will after Apply.
  at = 0;
  while (at < myRows.size() && compareKeys(myRows[at].name, n) < 0) ++at;
  myRows.insertAt(at, Row{n, kPolicyAll});
  return at;
}

void PoliciesEdit::remove(int32_t row) {
  if (row < 0 || row >= myRows.size()) return;
  myRows.remove(row);
  myEdited = true;
}

}  // namespace orv
