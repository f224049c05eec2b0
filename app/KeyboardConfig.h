#pragma once
// The keyboard code's settings bound to the INI file's setting objects
// (app/Settings.h): what the program hands to KeyboardState.

#include "keyboard/KeyboardSettings.h"

namespace orv {

class CfgKeyboardSettings : public KeyboardSettings {
 public:
  std::string hklOrder() const override;
  std::string hklSkip() const override;
  int onlySelLaySwitch() const override;
  int autocomplete() const override;
  int workStartSymbolCount() const override;
  int autoswUse() const override;
  int autoswSpaceOnly() const override;
  int autoswPrepos() const override;
  int switchLayoutCtrl() const override;
  int acUse() const override;
  int ocUse() const override;
  int ocSpaceOnly() const override;
  int midBtnModifiers() const override;
  int copyByLRMouse() const override;
  std::string translitActive() const override;
  void setTranslitActive(const std::string& value) override;
};

}  // namespace orv
