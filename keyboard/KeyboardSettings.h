#pragma once
// The settings the keyboard code reads. This is a seam: the program binds it
// to its configuration objects (CfgInt/CfgStr of the INI file); the defaults
// here are the settings' own defaults, so a test or tool that builds a plain
// KeyboardSettings gets a fresh installation's behaviour.

#include <string>

namespace orv {

class KeyboardSettings {
 public:
  virtual ~KeyboardSettings() = default;
  // "hkl" "order": layout handles in hexadecimal separated by blanks or tabs.
  virtual std::string hklOrder() const { return ""; }
  // "hkl" "skip": the layouts left out of switching (same format).
  virtual std::string hklSkip() const { return ""; }
  // "common" "only_sel_lay_switch": 1 = switches cycle through the program's
  // layout order, 0 = through the system's list.
  virtual int onlySelLaySwitch() const { return 1; }
  // "common" "autocomplete": the key that expands a note's abbreviation
  // (0 none, 1 Space, 2 Tab, 3 Enter).
  virtual int autocomplete() const { return 1; }
  // "common" "work_start_symbol_cnt": minimum word length for the analysis.
  virtual int workStartSymbolCount() const { return 3; }
  // "common" "autosw_use": automatic layout switching on.
  virtual int autoswUse() const { return 1; }
  // "common" "autosw_space_only": decide only once the word has ended.
  virtual int autoswSpaceOnly() const { return 1; }
  // "common" "autosw_prepos": retype a whole-word previous word with the word.
  virtual int autoswPrepos() const { return 1; }
  // "common" "switch_layout_ctrl": 0 off, 1 a lone left Ctrl, 2 a lone right
  // Ctrl switches the layout.
  virtual int switchLayoutCtrl() const { return 0; }
  // "common" "ac_use", "oc_use", "oc_space_only": completion and spelling.
  virtual int acUse() const { return 0; }
  virtual int ocUse() const { return 1; }
  virtual int ocSpaceOnly() const { return 1; }
  // "clipboard" "mid_btn_modifiers": the middle button opens the clipboard
  // menu (0 never, 1 alone, 2 with Alt alone).
  virtual int midBtnModifiers() const { return 1; }
  // "common" "copy_by_l_r_mouse": a right click while the left button holds
  // a selection copies it.
  virtual int copyByLRMouse() const { return 1; }
  // "translit" "active": "*" no transliteration, "?" the first layout with
  // tables (the choice is written back), else that language's tables.
  virtual std::string translitActive() const { return myTranslitActive; }
  virtual void setTranslitActive(const std::string& value) { myTranslitActive = value; }

 private:
  std::string myTranslitActive = "?";
};

}  // namespace orv
