#pragma once
// The options window's pages. Each page is an IOptionsPanel: it builds its
// controls in a page window the form gives it, fills them from the current
// settings (load), and writes them back only when the user applies. Until
// then a change lives in the controls (or the panel's own copy), so Cancel
// and closing the window drop it.
//
// Panels that hold decisions worth testing keep them in a plain class under
// app/ (built natively); the panel only moves values between that class and
// its controls.

#include <windows.h>

namespace orv::win {

class IOptionsPanel {
 public:
  virtual ~IOptionsPanel() = default;
  // The panel's class name ("OptPanExeFiles").
  virtual const char* name() const = 0;
  // Fill the controls from the current settings and stores.
  virtual void load() = 0;
  // Write the controls' values to the settings and the stores they belong to.
  virtual void apply() = 0;
  // The options window was activated (every panel, visible or not).
  virtual void activate() {}
  // The file name of the page's help ("common.html"), "" for none.
  virtual const char* helpPage() const { return ""; }

  // The page list's text: a language key ("common_pan_title").
  virtual const char* titleKey() const = 0;
  // Builds the controls as children of `page` (created hidden by the form,
  // of the class "orvanta_options_page"). Control texts beginning with "$"
  // are language keys: the form localises the whole window once every panel
  // is built. Called once, on the main thread, before the first load().
  virtual void create(HWND page) = 0;
  // The page was sized to `width` x `height` client pixels.
  virtual void layout(int width, int height) = 0;
  // The least client size the page needs; the form's minimum size holds
  // the largest panel.
  virtual SIZE minimumSize() const = 0;
  // The page became the visible one (a panel sharing values with another
  // page refreshes its controls here).
  virtual void shown() {}
  // A message to the page window (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM,
  // WM_CTLCOLORSTATIC, ...): true when handled, with `result` set.
  virtual bool onMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) {
    (void)message, (void)wp, (void)lp, (void)result;
    return false;
  }
};

// The pages, in this order; each panel's file registers its factory at its
// page with a static OptionsPanelRegistration (the program's sources are
// linked whole, so every registration runs before the entry point).
enum OptionsPage : int {
  kPageWelcome,    // OptPanWelcome
  kPageCommon,     // OptPanCommon
  kPageExeFiles,   // OptPanExeFiles
  kPageHotkeys,    // OptPanHotkeys
  kPageClipboard,  // OptPanClipboard
  kPageNotes,      // OptPanNotes
  kPageDics,       // OptPanDics
  kPageKLs,        // OptPanKLs
  kPageTranslit,   // OptPanTranslit
  kPageSound,      // OptPanSound
  kPageView,       // OptPanView
  kPageUpdater,    // OptPanUpdater
  kPageAbout,      // OptPanAbout
  kPageCount
};
using OptionsPanelFactory = IOptionsPanel* (*)();
struct OptionsPanelRegistration {
  OptionsPanelRegistration(OptionsPage page, OptionsPanelFactory make);
};

// The control ids the main window sets when the tray toggles a setting.
constexpr int kCommonAutoSwitchCheck = 100;  // "autosw_use"
constexpr int kCommonSpellingCheck = 105;    // "oc_use"

// --- the form (OptionsForm.cpp) ---
// Start-up: the window of the class "orvanta_main_window_class" and its
// panels, hidden; g_program.optionsWindow.
void createOptionsForm();
void destroyOptionsForm();
// From any thread: select the named panel's page (null keeps the current
// one) and bring the window to the front. Off the main thread it posts
// command 102 and the main thread does it.
void showOptions(const char* panelName);
bool optionsVisible();
// The page window of a panel, null when there is none (for the tray's
// toggles, which set a check box of the general page).
HWND optionsPanelPage(const char* panelName);
IOptionsPanel* optionsPanel(const char* panelName);
// The language changed: OK starts the program anew once it has applied.
void requestRestart();
// The options window, to own message boxes of the panels.
HWND optionsWindow();

// --- "!!tuner" (OptPanExeFiles.cpp) ---
// From any thread: the policies page with the application added (all six
// flags when new) and selected; an empty name only beeps.
void openPoliciesFor(const char* exeName);

}  // namespace orv::win
