#pragma once
// What the general, clipboard, notes, transliteration, appearance and
// updater pages share: making their kinds of controls, and placing them as
// rows from the top left, each control as wide as its localised text, so
// that one description of the rows both lays the page out and tells its
// least size.

#include <windows.h>

#include "core/Str.h"

namespace orv::win {

HWND addCheck(HWND page, int id, const wchar_t* text);
// The first radio button of a group starts it (WS_GROUP).
HWND addRadio(HWND page, int id, const wchar_t* text, bool first);
HWND addLabel(HWND page, int id, const wchar_t* text);
HWND addButton(HWND page, int id, const wchar_t* text);
HWND addEdit(HWND page, int id, DWORD style = 0);
HWND addDropList(HWND page, int id, DWORD style = 0);
// A number edit with its up-down arrows (id + 1) for [min, max].
HWND addNumber(HWND page, int id, int min, int max);

// A text of the language file (LocalStr::get) as the Win32 calls take it.
inline const wchar_t* wtext(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
void setNumber(HWND page, int id, int value);
// False, `value` untouched, when the field holds no number.
bool getNumber(HWND page, int id, int& value);
Str16 controlText(HWND page, int id);
void setControlText(HWND page, int id, const Str16& text);
void enableControl(HWND page, int id, bool on);

class RowFlow {
 public:
  // `place` false only measures (minimumSize()).
  RowFlow(HWND page, bool place);

  // A check box or radio button as wide as its text.
  void check(int id, int indent = 0);
  void label(int id, int indent = 0);
  void button(int id, int indent = 0);
  // A label and, on the same row, a field starting at `fieldX` (from
  // labelColumn(), so that consecutive rows line up) `fieldChars` average
  // characters wide; a number field's arrows follow it.
  void labelled(int labelId, int fieldId, int fieldX, int fieldChars, bool number = false, int indent = 0);
  // A check box or radio with a field right after its text.
  void checkThenField(int checkId, int fieldId, int fieldChars, int indent = 0);
  // A field of `width` x `height` pixels on a row of its own (with rows
  // beside it, such as a trackbar's value label `sideId`).
  void wide(int id, int width, int height, int indent = 0, int sideId = 0);
  void gap();

  // Where a field after the widest of these labels begins.
  int labelColumn(std::initializer_list<int> labelIds, int indent = 0) const;
  int indentWidth(int indent) const;
  SIZE extent() const;

 private:
  void put(int id, int x, int y, int width, int height);
  int checkWidth(int id) const;

  HWND myPage;
  bool myPlace;
  int myMargin;
  int myY;
  int myRight = 0;
};

}  // namespace orv::win
