#pragma once
// What the type and eval commands share: the settings of one run (defaults
// of the INI file, overridden with --set), the dictionaries (--dic folders or
// the shipped ones) and a simulated desktop with the whole pipeline.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/SynchObject.h"
#include "keyboard/sim/SimDesktop.h"
#include "language/DictionarySet.h"
#include "platform/SimLayouts.h"

namespace orv::simtool {

class RunSettings : public KeyboardSettings {
 public:
  // "section.key=value" for a setting of the INI file ("common",
  // "clipboard", "hkl", "translit"), or "hotkey.NAME=code". False with a
  // message for an unknown key or a value that is no number; numbers are
  // held to the setting's range. "translit.active" is a text, kept through setTranslitActive.
  bool set(const std::string& assignment, std::string& err);
  int get(const char* key) const;
  const std::map<std::string, int>& hotkeys() const { return myHotkeys; }

  std::string hklOrder() const override { return myHklOrder; }
  int onlySelLaySwitch() const override { return get("only_sel_lay_switch"); }
  int autocomplete() const override { return get("autocomplete"); }
  int workStartSymbolCount() const override { return get("work_start_symbol_cnt"); }
  int autoswUse() const override { return get("autosw_use"); }
  int autoswSpaceOnly() const override { return get("autosw_space_only"); }
  int autoswPrepos() const override { return get("autosw_prepos"); }
  int switchLayoutCtrl() const override { return get("switch_layout_ctrl"); }
  int acUse() const override { return get("ac_use"); }
  int ocUse() const override { return get("oc_use"); }
  int ocSpaceOnly() const override { return get("oc_space_only"); }
  int midBtnModifiers() const override { return get("mid_btn_modifiers"); }
  int copyByLRMouse() const override { return get("copy_by_l_r_mouse"); }

 private:
  std::map<std::string, int> myValues;  // "common" keys set for this run
  std::map<std::string, int> myHotkeys;
  std::string myHklOrder;
};

// The dictionaries of a run: each --dic folder (which must exist), or the
// shipped ones when none is given.
class RunDictionaries {
 public:
  RunDictionaries();
  bool load(const std::vector<std::string>& folders, std::string& err);
  int check(const Str8& word, int32_t codePage) { return mySet.checkInSet(word, codePage); }
  int checkLanguage(const Str8& word, int32_t codePage, const Str8& language) {
    return mySet.checkInLanguage(word, codePage, language);
  }
  DictionarySet& set() { return mySet; }

 private:
  SynchObject myLock;
  DictionarySet mySet;
};

// Where the shipped program folder (with its "dic" folder) is.
std::string shippedFolder();
// The shipped transliteration tables: the program folder's "Translit", or
// their sources in the tree when the program folder has none yet.
std::string shippedTranslitFolder();

bool parseLayoutList(const std::string& list, std::vector<const SimLayout*>& out, std::string& err);

// A desktop for a run: layouts installed, `active` activated, hotkeys and
// dictionaries bound.
std::unique_ptr<sim::SimDesktop> makeDesktop(const std::vector<const SimLayout*>& layouts, const SimLayout* active,
                                             RunSettings& settings, RunDictionaries& dics);

int cmdType(const std::vector<std::string>& args, std::string& out, std::string& err);
int cmdEval(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace orv::simtool
