#pragma once
// Setting objects: each is bound to a section and key of the INI file
// (app/AppPaths.h), reads itself on first use, writes its default into the
// file when the key is missing or unreadable, and writes every change through
// at once. There is no save step. The objects are process-wide globals
// (app/Settings.h); a test can send them all back to their unread state.
//
// Numbers are read as "%d" reads them (leading digits count, "12px" is 12)
// and clamped to their range on reading, leaving a hand-written out-of-range
// value in the file until the setting is changed. Texts are read with a
// buffer of 1000 characters that doubles until the value fits.
//
// One lock guards the loading and changing of every setting; an integer
// already loaded is read without it.

#include <atomic>
#include <cstdint>

#include "core/Str.h"

namespace orv {

class CfgBase {
 public:
  CfgBase(const char16_t* section, const char16_t* key);
  CfgBase(const CfgBase&) = delete;
  CfgBase& operator=(const CfgBase&) = delete;

  const char16_t* section() const { return mySection; }
  const char16_t* key() const { return myKey; }
  // Reads the setting now if it was not read yet (as the first get does).
  virtual void load() = 0;
  // Back to the unread state with the default value (tests).
  virtual void forget() = 0;

  // Every setting object of the process, in no particular order.
  static CfgBase* first() { return theFirst; }
  CfgBase* next() const { return myNext; }

 protected:
  ~CfgBase() = default;
  const char16_t* mySection;
  const char16_t* myKey;

 private:
  CfgBase* myNext;
  static CfgBase* theFirst;
};

class CfgInt final : public CfgBase {
 public:
  CfgInt(const char16_t* section, const char16_t* key, int32_t def, int32_t min, int32_t max);

  int32_t get();
  void set(int32_t value);
  // 1 when the value is 0 or less, else 0.
  void toggle() { set(get() <= 0 ? 1 : 0); }

  int32_t defaultValue() const { return myDefault; }
  int32_t minimum() const { return myMin; }
  int32_t maximum() const { return myMax; }

  void load() override { get(); }
  void forget() override;

 private:
  int32_t clamp(int32_t v) const { return v < myMin ? myMin : (v > myMax ? myMax : v); }
  void write(int32_t v);

  std::atomic<int32_t> myValue;
  const int32_t myDefault;
  const int32_t myMin;
  const int32_t myMax;
  std::atomic<bool> myLoaded{false};
};

class CfgStr final : public CfgBase {
 public:
  CfgStr(const char16_t* section, const char16_t* key, const char16_t* def);

  // A copy of the current text (another thread may replace it meanwhile).
  Str16 get();
  // Null counts as "". Trailing blanks (U+0020) are cut before writing.
  void set(const char16_t* text);
  void set(const Str16& text) { set(text.data()); }

  const char16_t* defaultText() const { return myDefault; }

  void load() override { get(); }
  void forget() override;

 private:
  const char16_t* myDefault;
  Str16 myText;
  bool myHasText = false;
  bool myLoaded = false;
};

// "%d" as the C library reads it from the start of `text`: white space, an
// optional sign, then at least one digit; the number of the digits (held to
// the 32-bit range). False when no number starts the text.
bool parseLeadingInt(const char16_t* text, int32_t& value);

// Sends every setting object back to its unread state; the next get reads
// the INI file again (tests, after pointing the module folder elsewhere).
void forgetAllSettings();

// The "devel" key of section "common": developer mode when it is exactly
// "1". Read once, on the first call, and never written.
bool develMode();
void forgetDevelMode();  // tests

}  // namespace orv
