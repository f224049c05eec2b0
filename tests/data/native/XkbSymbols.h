#pragma once
// A reader for the X keyboard descriptions of Debian's xkb-data (the
// "symbols" files and the evdev key codes) and the keysym names of
// X11/keysymdef.h, so that tests can hold the simulated layouts against a
// description made independently of them. It follows "include" statements
// and reads the first two levels (plain, Shift) of group 1 only.

#include <map>
#include <string>

namespace orv::test {

struct XkbKey {
  char32_t plain = 0, shift = 0;  // Unicode; 0 for NoSymbol
  bool plainDead = false, shiftDead = false;
};

class XkbSymbols {
 public:
  // Where xkb-data and keysymdef.h are; false (with the missing path in
  // `missing`) when either is absent.
  static bool available(std::string& missing);

  // The keys of a layout on a pc105 keyboard (the "pc" symbols under the
  // layout's), by PC scan code (set 1), e.g. ("ru", "winkeys"). Empty
  // section: the file's default one. Keys whose keysym has no
  // Unicode meaning are left out; `unknown` collects those keysym names.
  std::map<unsigned, XkbKey> layout(const std::string& file, const std::string& section, std::string& unknown);

 private:
  void readSection(const std::string& file, const std::string& section, std::map<std::string, XkbKey>& keys,
                   std::string& unknown, int depth);
  bool keysym(const std::string& name, char32_t& c, bool& dead);
  void loadNames();

  std::map<std::string, char32_t> myKeysyms;  // keysym name -> Unicode
  std::map<std::string, unsigned> myKeycodes; // <NAME> -> evdev key code
};

}  // namespace orv::test
