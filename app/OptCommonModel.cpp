#include "app/OptCommonModel.h"

#include <cstring>

#include "app/Settings.h"

namespace orv {

namespace {

bool sameNoCase(const char* a, const Str8& b) {
  if (!a || std::strlen(a) != size_t(b.size())) return false;
  for (int32_t i = 0; i < b.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

}  // namespace

void OptCommonModel::load(const ArrT<MyNLS>& languages, const Str16& current) {
  myLanguages = languages;
  myCurrentCode = str8(utf16ToUtf8(current));
  myCurrent = -1;
  // A culture name names its own entry; a bare code the first of its language.
  for (int32_t i = 0; i < myLanguages.size() && myCurrent < 0; ++i)
    if (sameNoCase(myLanguages[i].culture, myCurrentCode)) myCurrent = i;
  for (int32_t i = 0; i < myLanguages.size() && myCurrent < 0; ++i)
    if (sameNoCase(myLanguages[i].language, myCurrentCode)) myCurrent = i;
  myShown = myCurrent;
  myAsked = -1;
}

bool OptCommonModel::pick(int32_t index) {
  myAsked = -1;
  if (index < 0 || index >= myLanguages.size() || index == myShown) return false;
  // Another file of the language in use (en-US beside en) writes the same code.
  if (index == myCurrent || sameNoCase(myLanguages[index].language, myCurrentCode) ||
      (myCurrent >= 0 && std::strcmp(myLanguages[index].language, myLanguages[myCurrent].language) == 0)) {
    myShown = index;
    return false;
  }
  myAsked = index;
  return true;
}

void OptCommonModel::answer(bool yes) {
  if (yes && myAsked >= 0) myShown = myAsked;
  myAsked = -1;
}

bool OptCommonModel::apply() {
  if (myShown < 0 || myShown == myCurrent) return false;
  const char* code = myLanguages[myShown].language;
  if (sameNoCase(code, myCurrentCode)) return false;
  cfgInterfaceLang.set(utf8ToUtf16(code));
  myCurrentCode = str8(code);
  myCurrent = myShown;
  return true;
}

}  // namespace orv
