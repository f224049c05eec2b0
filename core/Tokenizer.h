#pragma once
// Splits 16-bit text at separator characters. The cursor always stands on the
// first character of the next token (or at the end).
#include "core/Str.h"

namespace orv {

class Tokenizer {
 public:
  static constexpr const char16_t* kDefaultSeparators = u" \t\n\r\f";

  Tokenizer(const char16_t* text, int32_t len, const char16_t* separators = kDefaultSeparators);
  explicit Tokenizer(const Str16& text, const char16_t* separators = kDefaultSeparators)
      : Tokenizer(text.data(), text.size(), separators) {}

  // False when no token is left; otherwise `token` receives it.
  bool next(Str16& token);
  // The untouched rest of the text from the cursor.
  Str16 rest() const;
  int32_t position() const { return myPos; }

 private:
  bool isSeparator(char16_t c) const;
  void skipSeparators();

  const char16_t* myText;
  int32_t myLen;
  int32_t myPos = 0;
  const char16_t* mySeps;
};

}  // namespace orv
