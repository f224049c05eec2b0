#include "core/Tokenizer.h"

namespace orv {

Tokenizer::Tokenizer(const char16_t* text, int32_t len, const char16_t* separators)
    : myText(text), myLen(len), mySeps(separators ? separators : kDefaultSeparators) {
  skipSeparators();
}

bool Tokenizer::isSeparator(char16_t c) const {
  for (const char16_t* s = mySeps; *s; ++s)
    if (*s == c) return true;
  return false;
}

void Tokenizer::skipSeparators() {
  while (myPos < myLen && isSeparator(myText[myPos])) ++myPos;
}

bool Tokenizer::next(Str16& token) {
  token.clear();
  token.data();
  if (myPos >= myLen) return false;
  int32_t start = myPos;
  while (myPos < myLen && !isSeparator(myText[myPos])) ++myPos;
  token.append(myText + start, myPos - start);
  skipSeparators();
  return true;
}

Str16 Tokenizer::rest() const { return Str16(myText + myPos, myLen - myPos); }

}  // namespace orv
