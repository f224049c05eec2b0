#pragma once
// A list the user puts in order and switches items of on and off: the
// dictionaries and keyboard layouts pages. The items are what is there now
// (folders, installed layouts); the stored order and the items switched
// off are lists of ids that may name items that are gone, and compare
// ignoring the case of ASCII letters (folder names, hexadecimal handles).

#include "core/Str.h"

namespace orv {

class OrderedChoices {
 public:
  struct Choice {
    Str16 id;
    bool on = true;
  };

  // The items named by `order` first, in that order, then the others in
  // their given order; those named by `skip` are off.
  void load(const ArrT<Str16>& available, const ArrT<Str16>& order, const ArrT<Str16>& skip);

  int32_t size() const { return myChoices.size(); }
  const Choice& at(int32_t i) const { return myChoices[i]; }
  void setOn(int32_t i, bool on);
  // The item's new position (unchanged at either end).
  int32_t moveUp(int32_t i);
  int32_t moveDown(int32_t i);

  // Every item in the list's order, and the items that are off.
  ArrT<Str16> order() const;
  ArrT<Str16> skip() const;

 private:
  ArrT<Choice> myChoices;
};

}  // namespace orv
