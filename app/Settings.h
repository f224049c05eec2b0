#pragma once
// The settings of the INI file, one object per key (app/Cfg.h). The section
// and key are the file's; the comment gives the meaning and the range.

#include "app/Cfg.h"

namespace orv {

// [common]
extern CfgInt cfgWindowsAutostart;  // "windows_autostart" 1 (0 to 1): keep a start-up shortcut to the program
extern CfgInt cfgSwitchLayoutCtrl;  // "switch_layout_ctrl" 0 (0 to 2): 0 off, 1 a lone left Ctrl, 2 a lone right Ctrl switches the layout
extern CfgInt cfgOcUse;  // "oc_use" 1 (0 to 1): spelling check on
extern CfgInt cfgOcSpaceOnly;  // "oc_space_only" 1 (0 to 1): check spelling only when a word ends with a space
extern CfgInt cfgAutoswUse;  // "autosw_use" 1 (0 to 1): automatic layout switching on
extern CfgInt cfgAutoswSpaceOnly;  // "autosw_space_only" 1 (0 to 1): switch automatically only when a word ends with a space
extern CfgInt cfgAutoswPrepos;  // "autosw_prepos" 1 (0 to 1): also switch on short prepositions
extern CfgInt cfgAcUse;  // "ac_use" 0 (0 to 1): word completion on
extern CfgInt cfgWorkStartSymbolCnt;  // "work_start_symbol_cnt" 3 (2 to 4): least word length for analysis, completion and suggestions
extern CfgInt cfgCopyByLRMouse;  // "copy_by_l_r_mouse" 1 (0 to 1): copy the selection with a right click while the left button is held
extern CfgInt cfgTransparency;  // "transparency" 255 (100 to 255): opacity of the popup menu
extern CfgInt cfgSoundOn;  // "sound_on" 0 (0 to 1): sounds on
extern CfgInt cfgOnlySelLaySwitch;  // "only_sel_lay_switch" 1 (0 to 1): switch only between the layouts selected in the options
extern CfgInt cfgMenuFontSizeIdx;  // "menu_font_size_idx" 4 (0 to 8): index into the popup menu's font sizes
extern CfgStr cfgMenuFontName;  // "menu_font_name" "Tahoma": popup menu font
extern CfgStr cfgCustomColors;  // "custom_colors" "": the colour dialog's custom colours (formatCustomColors)
extern CfgStr cfgInterfaceLang;  // "interface_lang" "": interface language code; empty: the user's language, filled in at start-up
extern CfgInt cfgAutocomplete;  // "autocomplete" 1 (0 to 3): key that expands a note's abbreviation: 0 none, 1 Space, 2 Tab, 3 Enter
extern CfgInt cfgDefFontSize;  // "def_font_size" 12 (8 to 24): size of the default dialog font
extern CfgStr cfgDefFontName;  // "def_font_name" "Tahoma": face of the default dialog font
// [translit]
extern CfgStr cfgTranslitActive;  // "active" "?": active transliteration table: "?" automatic, "*" off, else a language code
// [clipboard]
extern CfgInt cfgMidBtnModifiers;  // "mid_btn_modifiers" 1 (0 to 2): middle button opens the clipboard menu: 0 never, 1 alone, 2 with Alt
extern CfgInt cfgMaxItems1;  // "max_items1" 10 (1 to 90): clipboard fragments shown directly in the menu
extern CfgInt cfgMaxNotes1;  // "max_notes1" 10 (1 to 90): notes shown directly in the menu
extern CfgInt cfgMaxItemsMore;  // "max_items_more" 20 (1 to 90): fragments shown in the "..." submenu
extern CfgInt cfgMenuClpbrdFirst;  // "menu_clpbrd_first" 1 (0 to 1): clipboard fragments above the notes
extern CfgInt cfgMenuClpbrdAsSub;  // "menu_clpbrd_as_sub" 0 (0 to 1): clipboard fragments as a submenu
extern CfgInt cfgMenuNotesAsSub;  // "menu_notes_as_sub" 1 (0 to 1): notes as a submenu
// [hkl]
extern CfgStr cfgHklOrder;  // "order" "": keyboard layouts in the user's order (parseHexList)
extern CfgStr cfgHklSkip;  // "skip" "": keyboard layouts left out of switching (parseHexList)
// [dic]
extern CfgStr cfgDicOrder;  // "order" "": dictionary folders in the user's order (parseNameList)
extern CfgStr cfgDicSkip;  // "skip" "": dictionary folders switched off (parseNameList)
// [underliner]
extern CfgStr cfgUnderlinerFontName;  // "fontName" "Tahoma": notes editor font
extern CfgInt cfgUnderlinerFontSize;  // "fontSize" 12 (8 to 28): notes editor font size
extern CfgInt cfgUnderlinerFontAttr;  // "fontAttr" 0 (0 to 3): notes editor font style bits
extern CfgInt cfgUnderlinerBackColor;  // "backColor" 16762723 (0 to 16777215): notes editor background, a COLORREF (0x00BBGGRR)
extern CfgInt cfgUnderlinerInitialWidthEx;  // "initialWidthEx" 400 (300 to 5000): notes editor window width
extern CfgInt cfgUnderlinerInitialHeightEx;  // "initialHeightEx" 300 (200 to 5000): notes editor window height
extern CfgInt cfgUnderlinerInitialSplitL;  // "initialSplitL" 111 (30 to 1000): position of the editor's left splitter
extern CfgInt cfgUnderlinerInitialSplit1;  // "initialSplit1" 700 (100 to 900): position of the editor's second splitter
extern CfgInt cfgUnderlinerUnderline;  // "underline" 1 (0 to 1): underline misspelt words in the editor
// [updater]
extern CfgStr cfgUpdaterDomain;  // "domain" "localhost:8089": host of the update server (a local placeholder, see docs/settings.md)
extern CfgInt cfgUpdaterAutoUpdate;  // "autoUpdate" 1 (0 to 1): check for updates periodically
extern CfgInt cfgUpdaterProxyType;  // "proxyType" 1 (0 to 2): 0 no proxy, 1 the system's settings, 2 the proxy below
extern CfgStr cfgUpdaterProxy;  // "proxy" "": proxy address, a colon and the port
extern CfgInt cfgUpdaterProxyAuthReq;  // "proxyAuthReq" 0 (0 to 1): the proxy needs a user name and password
extern CfgStr cfgUpdaterProxyUsername;  // "proxyUsername" "": proxy user name
extern CfgStr cfgUpdaterProxyPassword;  // "proxyPassword" "": proxy password, stored as typed

// How many setting objects the table above has.
constexpr int kSettingCount = 48;

}  // namespace orv
