#include "app/KeyboardConfig.h"

#include "app/Settings.h"

namespace orv {

std::string CfgKeyboardSettings::hklOrder() const { return utf16ToUtf8(cfgHklOrder.get()); }
std::string CfgKeyboardSettings::hklSkip() const { return utf16ToUtf8(cfgHklSkip.get()); }
int CfgKeyboardSettings::onlySelLaySwitch() const { return cfgOnlySelLaySwitch.get(); }
int CfgKeyboardSettings::autocomplete() const { return cfgAutocomplete.get(); }
int CfgKeyboardSettings::workStartSymbolCount() const { return cfgWorkStartSymbolCnt.get(); }
int CfgKeyboardSettings::autoswUse() const { return cfgAutoswUse.get(); }
int CfgKeyboardSettings::autoswSpaceOnly() const { return cfgAutoswSpaceOnly.get(); }
int CfgKeyboardSettings::autoswPrepos() const { return cfgAutoswPrepos.get(); }
int CfgKeyboardSettings::switchLayoutCtrl() const { return cfgSwitchLayoutCtrl.get(); }
int CfgKeyboardSettings::acUse() const { return cfgAcUse.get(); }
int CfgKeyboardSettings::ocUse() const { return cfgOcUse.get(); }
int CfgKeyboardSettings::ocSpaceOnly() const { return cfgOcSpaceOnly.get(); }
int CfgKeyboardSettings::midBtnModifiers() const { return cfgMidBtnModifiers.get(); }
int CfgKeyboardSettings::copyByLRMouse() const { return cfgCopyByLRMouse.get(); }
std::string CfgKeyboardSettings::translitActive() const { return utf16ToUtf8(cfgTranslitActive.get()); }
void CfgKeyboardSettings::setTranslitActive(const std::string& value) { cfgTranslitActive.set(utf8ToUtf16(value)); }

}  // namespace orv
