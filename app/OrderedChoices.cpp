#include "app/OrderedChoices.h"

namespace orv {

namespace {

char16_t asciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool sameId(const Str16& a, const Str16& b) {
  if (a.size() != b.size()) return false;
  for (int32_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

bool contains(const ArrT<Str16>& list, const Str16& id) {
  for (const Str16& x : list)
    if (sameId(x, id)) return true;
  return false;
}

}  // namespace

void OrderedChoices::load(const ArrT<Str16>& available, const ArrT<Str16>& order, const ArrT<Str16>& skip) {
  myChoices.clear();
  ArrT<Str16> placed;
  for (const Str16& id : order)
    for (const Str16& item : available)
      if (sameId(item, id) && !contains(placed, item)) {
        placed.append(item);
        break;
      }
  for (const Str16& item : available)
    if (!contains(placed, item)) placed.append(item);
  for (const Str16& item : placed) myChoices.append(Choice{item, !contains(skip, item)});
}

void OrderedChoices::setOn(int32_t i, bool on) {
  if (i >= 0 && i < myChoices.size()) myChoices[i].on = on;
}

int32_t OrderedChoices::moveUp(int32_t i) {
  if (i <= 0 || i >= myChoices.size()) return i;
  Choice c = myChoices.removeAt(i);
  myChoices.insertAt(i - 1, c);
  return i - 1;
}

int32_t OrderedChoices::moveDown(int32_t i) {
  if (i < 0 || i + 1 >= myChoices.size()) return i;
  Choice c = myChoices.removeAt(i);
  myChoices.insertAt(i + 1, c);
  return i + 1;
}

ArrT<Str16> OrderedChoices::order() const {
  ArrT<Str16> out;
  for (const Choice& c : myChoices) out.append(c.id);
  return out;
}

ArrT<Str16> OrderedChoices::skip() const {
  ArrT<Str16> out;
  for (const Choice& c : myChoices)
    if (!c.on) out.append(c.id);
  return out;
}

}  // namespace orv
