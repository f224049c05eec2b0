#pragma once
// The interface language choice of the options window's general page. The
// list shows the installed languages; picking another one asks whether to
// restart. No puts the list back to the language it showed, Yes keeps the
// pick, and only Apply writes it ("interface_lang", the record's ISO 639
// code). The texts are never reloaded during a run: a written change takes
// effect when the program starts anew.

#include "core/Str.h"
#include "language/Locale.h"

namespace orv {

class OptCommonModel {
 public:
  // `languages` as installedLanguages() lists them; `current` the value of
  // "interface_lang" (a code or culture name, any case).
  void load(const ArrT<MyNLS>& languages, const Str16& current);

  const ArrT<MyNLS>& languages() const { return myLanguages; }
  // The entry the list shows: the language in use until a pick was kept;
  // -1 when the language in use is not installed.
  int32_t shown() const { return myShown; }
  int32_t current() const { return myCurrent; }

  // The user picked entry `index`: true when the restart question is to be
  // asked (another language than the list showed, and not the one in use,
  // to which the list goes back without asking).
  bool pick(int32_t index);
  // The answer to the question for the last pick.
  void answer(bool yes);

  // Writes a pick that differs from the language in use; true when it did
  // (the program must start anew to show it).
  bool apply();

 private:
  ArrT<MyNLS> myLanguages;
  Str8 myCurrentCode;
  int32_t myCurrent = -1;
  int32_t myShown = -1;
  int32_t myAsked = -1;
};

}  // namespace orv
