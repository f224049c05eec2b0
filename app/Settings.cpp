#include "app/Settings.h"

namespace orv {

CfgInt cfgWindowsAutostart(u"common", u"windows_autostart", 1, 0, 1);
CfgInt cfgSwitchLayoutCtrl(u"common", u"switch_layout_ctrl", 0, 0, 2);
CfgInt cfgOcUse(u"common", u"oc_use", 1, 0, 1);
CfgInt cfgOcSpaceOnly(u"common", u"oc_space_only", 1, 0, 1);
CfgInt cfgAutoswUse(u"common", u"autosw_use", 1, 0, 1);
CfgInt cfgAutoswSpaceOnly(u"common", u"autosw_space_only", 1, 0, 1);
CfgInt cfgAutoswPrepos(u"common", u"autosw_prepos", 1, 0, 1);
CfgInt cfgAcUse(u"common", u"ac_use", 0, 0, 1);
CfgInt cfgWorkStartSymbolCnt(u"common", u"work_start_symbol_cnt", 3, 2, 4);
CfgInt cfgCopyByLRMouse(u"common", u"copy_by_l_r_mouse", 1, 0, 1);
CfgInt cfgTransparency(u"common", u"transparency", 255, 100, 255);
CfgInt cfgSoundOn(u"common", u"sound_on", 0, 0, 1);
CfgInt cfgOnlySelLaySwitch(u"common", u"only_sel_lay_switch", 1, 0, 1);
CfgInt cfgMenuFontSizeIdx(u"common", u"menu_font_size_idx", 4, 0, 8);
CfgStr cfgMenuFontName(u"common", u"menu_font_name", u"Tahoma");
CfgStr cfgCustomColors(u"common", u"custom_colors", u"");
CfgStr cfgInterfaceLang(u"common", u"interface_lang", u"");
CfgInt cfgAutocomplete(u"common", u"autocomplete", 1, 0, 3);
CfgInt cfgDefFontSize(u"common", u"def_font_size", 12, 8, 24);
CfgStr cfgDefFontName(u"common", u"def_font_name", u"Tahoma");
CfgStr cfgTranslitActive(u"translit", u"active", u"?");
CfgInt cfgMidBtnModifiers(u"clipboard", u"mid_btn_modifiers", 1, 0, 2);
CfgInt cfgMaxItems1(u"clipboard", u"max_items1", 10, 1, 90);
CfgInt cfgMaxNotes1(u"clipboard", u"max_notes1", 10, 1, 90);
CfgInt cfgMaxItemsMore(u"clipboard", u"max_items_more", 20, 1, 90);
CfgInt cfgMenuClpbrdFirst(u"clipboard", u"menu_clpbrd_first", 1, 0, 1);
CfgInt cfgMenuClpbrdAsSub(u"clipboard", u"menu_clpbrd_as_sub", 0, 0, 1);
CfgInt cfgMenuNotesAsSub(u"clipboard", u"menu_notes_as_sub", 1, 0, 1);
CfgStr cfgHklOrder(u"hkl", u"order", u"");
CfgStr cfgHklSkip(u"hkl", u"skip", u"");
CfgStr cfgDicOrder(u"dic", u"order", u"");
CfgStr cfgDicSkip(u"dic", u"skip", u"");
CfgStr cfgUnderlinerFontName(u"underliner", u"fontName", u"Tahoma");
CfgInt cfgUnderlinerFontSize(u"underliner", u"fontSize", 12, 8, 28);
CfgInt cfgUnderlinerFontAttr(u"underliner", u"fontAttr", 0, 0, 3);
CfgInt cfgUnderlinerBackColor(u"underliner", u"backColor", 16762723, 0, 16777215);
CfgInt cfgUnderlinerInitialWidthEx(u"underliner", u"initialWidthEx", 400, 300, 5000);
CfgInt cfgUnderlinerInitialHeightEx(u"underliner", u"initialHeightEx", 300, 200, 5000);
CfgInt cfgUnderlinerInitialSplitL(u"underliner", u"initialSplitL", 111, 30, 1000);
CfgInt cfgUnderlinerInitialSplit1(u"underliner", u"initialSplit1", 700, 100, 900);
CfgInt cfgUnderlinerUnderline(u"underliner", u"underline", 1, 0, 1);
CfgStr cfgUpdaterDomain(u"updater", u"domain", u"localhost:8089");
CfgInt cfgUpdaterAutoUpdate(u"updater", u"autoUpdate", 1, 0, 1);
CfgInt cfgUpdaterProxyType(u"updater", u"proxyType", 1, 0, 2);
CfgStr cfgUpdaterProxy(u"updater", u"proxy", u"");
CfgInt cfgUpdaterProxyAuthReq(u"updater", u"proxyAuthReq", 0, 0, 1);
CfgStr cfgUpdaterProxyUsername(u"updater", u"proxyUsername", u"");
CfgStr cfgUpdaterProxyPassword(u"updater", u"proxyPassword", u"");

}  // namespace orv
