// The dictionaries page: the dictionary folders in the order they are
// asked, each checked when it is used; a field that adds a word to the
// dictionary of its language; and the selected dictionary's word list
// written to a text file.

#include <windows.h>

#include "app/SettingFormats.h"
#include "app/Settings.h"
#include "app/win32/Program.h"
#include "app/win32/options/Controls.h"
#include "app/win32/options/OptionsPanel.h"
#include "app/win32/options/OrderedCheckList.h"
#include "language/Dictionary.h"
#include "language/DictionarySet.h"
#include "platform/FileSystem.h"

namespace orv::win {

namespace {

constexpr int kList = 200;
constexpr int kUp = 201;
constexpr int kDown = 202;
constexpr int kExport = 203;
constexpr int kWordLabel = 204;
constexpr int kWord = 205;
constexpr int kAddWord = 206;
constexpr int kStatus = 207;

class OptPanDics final : public IOptionsPanel {
 public:
  const char* name() const override { return "OptPanDics"; }
  const char* titleKey() const override { return "dics_pan_title"; }

  void create(HWND page) override {
    myPage = page;
    myList.create(page, kList, kUp, kDown);
    createControl({.parent = page, .className = L"BUTTON", .text = L"$dics_pan_gen_words_list",
                   .style = BS_PUSHBUTTON | WS_TABSTOP, .id = kExport});
    createControl({.parent = page, .text = L"$dics_pan_add_word_lbl", .style = SS_LEFT | SS_CENTERIMAGE,
                   .id = kWordLabel});
    createControl({.parent = page, .className = L"EDIT", .style = ES_AUTOHSCROLL | WS_TABSTOP,
                   .exStyle = WS_EX_CLIENTEDGE, .id = kWord});
    createControl({.parent = page, .className = L"BUTTON", .text = L"$dics_pan_add_word_btn",
                   .style = BS_PUSHBUTTON | WS_TABSTOP, .id = kAddWord});
    createControl({.parent = page, .style = SS_LEFT | SS_NOPREFIX, .id = kStatus});
  }

  void load() override {
    DictionarySet* set = programDictionaries();
    ArrT<Str16> folders;
    MapT<Str16, Str16> labels;
    if (set) {
      ArrT<FolderEntry> entries;
      if (listFolder(set->dicFolder(), entries))
        for (const FolderEntry& e : entries) {
          if (!e.isFolder) continue;
          folders.append(e.name);
          // Switched-off dictionaries are not loaded: the title comes from
          // the folder.
          Str16 title = readDictionaryTitle(joinPath(set->dicFolder(), view(e.name)));
          if (title.size() && title != e.name) {
            title.append(u" (", 2);
            title.append(e.name);
            title.append(u')');
            labels.put(e.name, title);
          }
        }
    }
    OrderedChoices choices;
    choices.load(folders, parseNameList(cfgDicOrder.get()), parseNameList(cfgDicSkip.get()));
    myList.fill(choices, labels);
    SetDlgItemTextW(myPage, kStatus, L"");
  }

  // Dictionaries switched off are dropped from memory, new ones loaded and
  // the set put in the new order by the dictionary set itself.
  void apply() override {
    const OrderedChoices& c = myList.choices();
    cfgDicOrder.set(formatNameList(c.order()));
    cfgDicSkip.set(formatNameList(c.skip()));
    keyboardReloadDictionaries();
  }

  void layout(int width, int height) override {
    PanelMetrics m = panelMetrics();
    int w = width - 2 * m.gap;
    int bottom = m.rowHeight + m.gap / 2 + 2 * m.lineHeight;
    int listHeight = height - 2 * m.gap - m.gap - bottom;
    if (listHeight < 5 * m.rowHeight) listHeight = 5 * m.rowHeight;
    int buttons = myList.buttonsWidth();
    int exportWidth = buttonWidth(kExport);
    if (exportWidth < buttons) exportWidth = buttons;
    myList.layout(m.gap, m.gap, w, listHeight, exportWidth);
    moveControl(myPage, kExport, m.gap + w - exportWidth, m.gap + listHeight - m.rowHeight, exportWidth,
                m.rowHeight);
    int y = m.gap + listHeight + m.gap;
    int label = controlTextWidth(GetDlgItem(myPage, kWordLabel));
    int add = buttonWidth(kAddWord);
    moveControl(myPage, kWordLabel, m.gap, y, label, m.rowHeight);
    moveControl(myPage, kWord, m.gap + label + m.gap, y, w - label - add - 2 * m.gap, m.rowHeight);
    moveControl(myPage, kAddWord, m.gap + w - add, y, add, m.rowHeight);
    y += m.rowHeight + m.gap / 2;
    moveControl(myPage, kStatus, m.gap + label + m.gap, y, w - label - m.gap, 2 * m.lineHeight);
  }

  SIZE minimumSize() const override {
    PanelMetrics m = panelMetrics();
    int buttons = myList.buttonsWidth();
    int exportWidth = buttonWidth(kExport);
    int side = buttons > exportWidth ? buttons : exportWidth;
    int list = 26 * m.charWidth + m.gap + side;
    int word = controlTextWidth(GetDlgItem(myPage, kWordLabel)) + m.gap + 16 * m.charWidth + m.gap +
               buttonWidth(kAddWord);
    int w = (list > word ? list : word) + 2 * m.gap;
    // The list leaves room for its two buttons and the export button.
    int listHeight = 4 * m.rowHeight + 2 * m.gap;
    int h = m.gap + listHeight + m.gap + m.rowHeight + m.gap / 2 + 2 * m.lineHeight + m.gap;
    return SIZE{w, h};
  }

  bool onMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT&) override {
    if (myList.onMessage(message, wp, lp)) return true;
    if (message != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
    if (LOWORD(wp) == kAddWord) {
      addWord();
      return true;
    }
    if (LOWORD(wp) == kExport) {
      exportSelected();
      return true;
    }
    return false;
  }

 private:
  int buttonWidth(int id) const {
    PanelMetrics m = panelMetrics();
    int w = controlTextWidth(GetDlgItem(myPage, id)) + 4 * m.charWidth;
    return w > 10 * m.charWidth ? w : 10 * m.charWidth;
  }

  // Adding a word is stored at once, as the spelling popups' "Add word" is:
  // it does not wait for Apply.
  void addWord() {
    DictionarySet* set = programDictionaries();
    wchar_t text[256] = {};
    GetDlgItemTextW(myPage, kWord, text, 256);
    Str16 typed;
    for (const wchar_t* p = text; *p; ++p) typed.append(static_cast<char16_t>(*p));
    if (!set) {
      MessageBeep(MB_ICONEXCLAMATION);
      return;
    }
    Str16 status = set->addUserWord(typed);
    SetDlgItemTextW(myPage, kStatus, wide(status));
    Str16 success = languageText("dics_pan_add_word_success");
    bool added = status.size() >= success.size() && success.size() > 0 &&
                 Str16(status.data(), success.size()) == success;
    if (added) SetDlgItemTextW(myPage, kWord, L"");
    SetFocus(GetDlgItem(myPage, kWord));
  }

  void exportSelected() {
    DictionarySet* set = programDictionaries();
    Str16 name = myList.selectedId();
    if (!set || name.size() == 0) {
      MessageBeep(MB_ICONEXCLAMATION);
      return;
    }
    // A dictionary switched off is not loaded: the set says it is not found.
    set->exportWordList(name);
  }

  HWND myPage = nullptr;
  OrderedCheckList myList;
};

OptionsPanelRegistration g_registration(kPageDics, []() -> IOptionsPanel* { return new OptPanDics; });

}  // namespace

}  // namespace orv::win
