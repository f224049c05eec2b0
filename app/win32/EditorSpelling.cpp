// The notes editor's spelling popup: a right-click on an underlined word
// offers the dictionaries' suggestions, which replace the word, and the two
// "Add word" items (as typed, and in lower case), which ask to add it to the
// first dictionary whose code page can hold it.

#include "app/win32/Program.h"

#include <vector>

#include "app/LocalStr.h"
#include "clipboard/Underline.h"
#include "language/DictionarySet.h"
#include "language/IDictionary.h"

namespace orv::win {

namespace {

constexpr int kMaxSuggestions = 12;
constexpr UINT kAddWordId = 1001;
constexpr UINT kAddWordLowId = 1002;

// The word in a dictionary's code page; false when a character has no form
// there.
bool toCodePage(const Str16& word, int32_t codePage, Str8& out) {
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(word.data());
  BOOL lost = FALSE;
  int n = WideCharToMultiByte(static_cast<UINT>(codePage), 0, wide, word.size(), nullptr, 0, nullptr, &lost);
  if (n <= 0 || lost) return false;
  std::vector<char> buf(n);
  WideCharToMultiByte(static_cast<UINT>(codePage), 0, wide, word.size(), buf.data(), n, nullptr, &lost);
  out.clear();
  out.append(buf.data(), n);
  return !lost;
}

Str16 fromCodePage(const Str8& word, int32_t codePage) {
  int n = MultiByteToWideChar(static_cast<UINT>(codePage), 0, word.data(), word.size(), nullptr, 0);
  std::vector<wchar_t> buf(n > 0 ? n : 1);
  if (n > 0) MultiByteToWideChar(static_cast<UINT>(codePage), 0, word.data(), word.size(), buf.data(), n);
  Str16 out;
  out.append(reinterpret_cast<const char16_t*>(buf.data()), n > 0 ? n : 0);
  return out;
}

ArrT<Str16> suggestionsFor(DictionarySet& set, const Str16& word) {
  ArrT<Str16> out;
  for (int32_t i = 0; i < set.size() && out.size() < kMaxSuggestions; ++i) {
    IDictionary* dic = set.at(i);
    Str8 narrow;
    if (!toCodePage(word, dic->getCodePage(), narrow)) continue;
    SetT<Str8> found = dic->getSuggestions(narrow);
    for (const Str8& s : found.items()) {
      if (out.size() >= kMaxSuggestions) break;
      Str16 wide = fromCodePage(s, dic->getCodePage());
      bool seen = false;
      for (int32_t k = 0; k < out.size() && !seen; ++k) seen = out[k] == wide;
      if (!seen) out.append(wide);
    }
  }
  return out;
}

// askAddWord for the first dictionary that can hold the word.
bool addWord(DictionarySet& set, const Str16& word) {
  for (int32_t i = 0; i < set.size(); ++i) {
    AskAddWordRequest request;
    if (!toCodePage(word, set.at(i)->getCodePage(), request.word)) continue;
    request.typed = word;
    request.position = i;
    set.askAddWord(request);
    return true;
  }
  return false;
}

}  // namespace

bool showEditorSpellingPopup(HWND field, POINT screen, const ArrT<TextRun>& misspelt, bool& dictionaryChanged) {
  dictionaryChanged = false;
  DictionarySet* set = programDictionaries();
  if (!set) return false;
  POINT client = screen;
  ScreenToClient(field, &client);
  LRESULT hit = SendMessageW(field, EM_CHARFROMPOS, 0, MAKELPARAM(client.x, client.y));
  int32_t pos = LOWORD(hit);
  // EM_CHARFROMPOS gives 16 bits of the index: the high word of the line
  // index helps beyond that.
  if (GetWindowTextLengthW(field) > 0xFFFF) {
    int line = HIWORD(hit);
    int32_t lineStart = static_cast<int32_t>(SendMessageW(field, EM_LINEINDEX, line, 0));
    pos = lineStart + static_cast<int32_t>((LOWORD(hit) - (lineStart & 0xFFFF)) & 0xFFFF);
  }
  const TextRun* run = nullptr;
  for (const TextRun& r : misspelt)
    if (pos >= r.start && pos < r.start + r.length) run = &r;
  if (!run) return false;
  int n = GetWindowTextLengthW(field);
  std::vector<wchar_t> text(n + 1);
  GetWindowTextW(field, text.data(), n + 1);
  if (run->start + run->length > n) return false;
  Str16 word;
  word.append(reinterpret_cast<const char16_t*>(text.data() + run->start), run->length);
  ArrT<Str16> suggestions = suggestionsFor(*set, word);
  trace("editor spelling popup: %d suggestions\n", static_cast<int>(suggestions.size()));

  HMENU menu = CreatePopupMenu();
  for (int32_t i = 0; i < suggestions.size(); ++i) {
    Str16 item = suggestions[i];
    item.append(u'\0');
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(i + 1), reinterpret_cast<const wchar_t*>(item.data()));
  }
  if (suggestions.size()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kAddWordId, reinterpret_cast<const wchar_t*>(lstr("underliner_mi_add_word")));
  AppendMenuW(menu, MF_STRING, kAddWordLowId, reinterpret_cast<const wchar_t*>(lstr("underliner_mi_add_word_low")));
  UINT chosen = TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, GetParent(field), nullptr);
  DestroyMenu(menu);
  if (chosen >= 1 && static_cast<int32_t>(chosen) <= suggestions.size()) {
    Str16 item = suggestions[static_cast<int32_t>(chosen) - 1];
    item.append(u'\0');
    SendMessageW(field, EM_SETSEL, run->start, run->start + run->length);
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(item.data()));
  } else if (chosen == kAddWordId || chosen == kAddWordLowId) {
    if (chosen == kAddWordLowId) CharLowerBuffW(reinterpret_cast<wchar_t*>(word.data()), word.size());
    dictionaryChanged = addWord(*set, word);
  }
  return true;
}

}  // namespace orv::win
