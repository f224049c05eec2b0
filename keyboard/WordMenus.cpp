#include "keyboard/WordMenus.h"

#include <cstdlib>
#include <string>

#include "core/MapT.h"
#include "keyboard/KeyboardEngine.h"
#include "language/Locale.h"
#include "platform/Text.h"

namespace orv {

namespace {

int compareWide(const Str16& a, const Str16& b) {
  return compareKeys(static_cast<const ArrT<char16_t>&>(a), static_cast<const ArrT<char16_t>&>(b));
}

// A typed word to look at: its code page and its bytes.
struct TypedKey {
  int32_t codePage = 0;
  Str8 word;
  bool operator<(const TypedKey& o) const {
    if (codePage != o.codePage) return codePage < o.codePage;
    return compareKeys(static_cast<const ArrT<char>&>(word), static_cast<const ArrT<char>&>(o.word)) < 0;
  }
};
struct TypedVal {
  int32_t storeCodePage = 0;  // the last-typed store's code page
  int32_t eraseCount = 0;
  Str8 typed;                 // the word with its capitals
  Str8 trailing;
};

// A candidate's key: the menu order is that of these strings, one after
// the other, in the wide-string order; equal keys are one item.
struct CandidateKey {
  Str16 first, candidate, last;
  bool operator<(const CandidateKey& o) const {
    if (int c = compareWide(first, o.first)) return c < 0;
    if (int c = compareWide(candidate, o.candidate)) return c < 0;
    return compareWide(last, o.last) < 0;
  }
};
struct CandidateVal {
  int32_t codePage = 0;
  Str8 language;
  const TypedVal* typed = nullptr;  // lives as long as the typed-word table
};

using TypedTable = MapT<TypedKey, TypedVal>;
using CandidateTable = MapT<CandidateKey, CandidateVal>;

Str16 lowerWide(const Str8& word, int32_t codePage) {
  Str16 w = toWide(word, static_cast<unsigned>(codePage));
  charLowerBuffW(w.data(), w.size());
  return w;
}

void appendField(Str8& out, std::string_view field) {
  appendText(out, std::to_string(field.size()));
  out.append(':');
  appendText(out, field);
}

bool readField(const Str8& in, int32_t& at, std::string& field) {
  int32_t colon = at;
  while (colon < in.size() && in[colon] != ':') ++colon;
  if (colon == at || colon >= in.size()) return false;
  std::string digits(in.data() + at, static_cast<size_t>(colon - at));
  char* end = nullptr;
  unsigned long n = std::strtoul(digits.c_str(), &end, 10);
  if (*end != 0 || n > static_cast<unsigned long>(in.size() - colon - 1)) return false;
  field.assign(in.data() + colon + 1, n);
  at = colon + 1 + static_cast<int32_t>(n);
  return true;
}

}  // namespace

Str8 WordChoice::toRecord() const {
  Str8 out;
  out.append(command);
  appendField(out, view(language));
  appendField(out, view(typed));
  appendField(out, std::to_string(codePage));
  appendField(out, std::to_string(eraseCount));
  appendField(out, view(trailing));
  appendField(out, std::to_string(thread));
  appendField(out, view(exeName));
  return out;
}

bool WordChoice::fromRecord(const Str8& record, WordChoice& out) {
  if (record.size() < 1) return false;
  out = WordChoice();
  out.command = record[0];
  int32_t at = 1;
  std::string f[7];
  for (std::string& field : f)
    if (!readField(record, at, field)) return false;
  if (at != record.size()) return false;
  out.language = str8(f[0]);
  out.typed = str8(f[1]);
  out.codePage = std::atoi(f[2].c_str());
  out.eraseCount = std::atoi(f[3].c_str());
  out.trailing = str8(f[4]);
  out.thread = static_cast<uint32_t>(std::strtoul(f[5].c_str(), nullptr, 10));
  out.exeName = str8(f[6]);
  return out.eraseCount >= 0;
}

WordMenus::WordMenus(KeyboardEngine& engine, DictionarySet& dictionaries, LastWords& lastWords, WordMenuHost& host)
    : myEngine(engine), myDics(dictionaries), myLast(lastWords), myHost(host) {}

XMenu* WordMenus::item(MenuKind kind, const Str16& caption, const WordChoice* choice) {
  XMenu* m = new XMenu(kind, caption);
  m->style = style;
  if (choice) {
    m->handler = this;
    m->record = choice->toRecord();
  }
  return m;
}

void WordMenus::addPolicyItems(XMenu& root, uint32_t thread, const char* exeName) {
  if (myHost.hasPolicy(exeName)) return;
  WordChoice c;
  c.thread = thread;
  c.exeName = str8(exeName);
  root.add(item(MenuKind::Separator, {}, nullptr));
  c.command = WordChoice::kDisable;
  root.add(item(MenuKind::Item, myHost.text("mi_disable_this_exe"), &c));
  c.command = WordChoice::kEnable;
  root.add(item(MenuKind::Item, myHost.text("mi_enable_this_exe"), &c));
}

XMenu* WordMenus::addWord(XMenu* level, int32_t& onLevel, const Str16& caption, const WordChoice& choice,
                          const Str16& moreTitle) {
  if (onLevel == kWordsPerLevel) {
    XMenu* more = item(MenuKind::Sub, myHost.text("clipboard_menu_more_title"), nullptr);
    more->title = moreTitle;
    level->add(more);
    level = more;
    onLevel = 0;
  }
  level->add(item(MenuKind::Item, caption, &choice));
  ++onLevel;
  return level;
}

XMenu* WordMenus::collectCompletions(uint32_t thread, const char* exeName) {
  KeyboardState& state = myEngine.state();
  const int32_t min = state.settings().workStartSymbolCount();
  TypedTable typed;
  for (int32_t i = state.analysisOrder.size() - 1; i >= 0; --i) {
    Analizer* a = myEngine.analizer(state.analysisOrder[i]);
    if (!a || a->trailing.size() > 0 || a->word.size() < min) continue;
    typed.put({static_cast<int32_t>(a->codePage), a->word},
              {static_cast<int32_t>(a->codePage), a->wordKeys, a->wordCopy, {}});
  }
  CandidateTable fromDics, fromLast;
  for (int32_t e = 0; e < typed.size(); ++e) {
    const TypedKey& key = typed.keyAt(e);
    const TypedVal* val = &typed.valAt(e);
    const Str16 lowerTyped = lowerWide(key.word, key.codePage);
    auto put = [&](CandidateTable& table, const Str8& result, const Str8& language) {
      // Every result is longer than the typed word: the completion walk
      // never gives its own prefix, and word+c is checked on its own.
      table.put({lowerTyped, toWide(result, static_cast<unsigned>(key.codePage)), {}}, {key.codePage, language, val});
    };
    {
      SynchObject::Guard guard(myDics.lock());
      for (int32_t d = myDics.size() - 1; d >= 0; --d) {
        IDictionary& dic = *myDics.at(d);
        if (dic.getCodePage() != key.codePage) continue;
        const Str8 language = dic.getLanguage();
        SetT<char> letters = dic.getCharList();
        Str8 longer = key.word;
        longer.append(' ');
        for (int32_t l = 0; l < letters.size(); ++l) {
          longer[longer.size() - 1] = letters.at(l);
          // The walk gives words that go on beyond word+c; word+c itself
          // only its own check finds.
          SetT<Str8> found = dic.getCompletions(longer, kCompletionQuery);
          for (int32_t k = 0; k < found.size(); ++k) put(fromDics, found.at(k), language);
          if (dic.isWord(longer)) put(fromDics, longer, language);
        }
      }
    }
    for (const LastWords::Completion& c : myLast.completions(key.word, val->storeCodePage, kCompletionQuery))
      put(fromLast, c.word, c.language);
  }
  if (fromDics.size() == 0 && fromLast.size() == 0) return nullptr;

  XMenu* root = item(MenuKind::Sub, {}, nullptr);
  root->title = myHost.text("autocomplete_menu_title");
  KeyboardState& s = myEngine.state();
  if (s.outcome.wordFound && s.current) {
    if (Analizer* cur = myEngine.analizer(s.current))
      root->add(item(MenuKind::Header, toWide(cur->wordCopy, cur->codePage), nullptr));
  }
  auto fill = [&](XMenu& menu, CandidateTable& table) {
    XMenu* level = &menu;
    int32_t onLevel = 0;
    for (int32_t i = 0; i < table.size(); ++i) {
      const CandidateVal& v = table.valAt(i);
      WordChoice c;
      c.language = v.language;
      c.typed = v.typed->typed;
      c.codePage = v.codePage;
      c.eraseCount = v.typed->eraseCount;
      c.thread = thread;
      c.exeName = str8(exeName);
      level = addWord(level, onLevel, table.keyAt(i).candidate, c, menu.title);
    }
  };
  fill(*root, fromDics);
  if (fromLast.size() > 0) {
    XMenu* sub = item(MenuKind::Sub, myHost.text("last_typed_menu_title"), nullptr);
    sub->title = sub->caption;
    fill(*sub, fromLast);
    root->add(sub);
  }
  addPolicyItems(*root, thread, exeName);
  return root;
}

XMenu* WordMenus::collectSuggestions(uint32_t thread, const char* exeName) {
  KeyboardState& state = myEngine.state();
  const int32_t min = state.settings().workStartSymbolCount();
  TypedTable typed;
  for (int32_t i = state.analysisOrder.size() - 1; i >= 0; --i) {
    KeybBuffer* b = state.analysisOrder[i];
    Analizer* a = myEngine.analizer(b);
    if (!a || b != state.current || a->word.size() < min) continue;
    const Str8& shape = a->shape;
    if (!(shape.size() == 0 || shape == str8("ps") || shape == str8("p") || shape == str8("s"))) continue;
    typed.put({static_cast<int32_t>(a->codePage), a->word},
              {static_cast<int32_t>(a->codePage), a->wordKeys, a->wordCopy, a->trailing});
  }
  CandidateTable table;
  for (int32_t e = 0; e < typed.size(); ++e) {
    const TypedKey& key = typed.keyAt(e);
    const TypedVal* val = &typed.valAt(e);
    const unsigned cp = static_cast<unsigned>(key.codePage);
    const Str16 typedWide = toWide(val->typed, cp), wordWide = toWide(key.word, cp);
    SynchObject::Guard guard(myDics.lock());
    for (int32_t d = myDics.size() - 1; d >= 0; --d) {
      IDictionary& dic = *myDics.at(d);
      if (dic.getCodePage() != key.codePage) continue;
      SetT<Str8> found = dic.getSuggestions(key.word);
      for (int32_t k = 0; k < found.size(); ++k) {
        Str16 wide = toWide(found.at(k), cp);
        if (wide == wordWide) continue;  // an exchange of two equal letters gives the word back
        table.put({typedWide, wide, wordWide}, {key.codePage, dic.getLanguage(), val});
      }
    }
  }
  if (table.size() == 0) return nullptr;

  XMenu* root = item(MenuKind::Sub, {}, nullptr);
  root->title = myHost.text("ortho_menu_title");
  WordChoice c;
  c.thread = thread;
  c.exeName = str8(exeName);
  XMenu* level = root;
  int32_t onLevel = 0;
  for (int32_t i = 0; i < table.size(); ++i) {
    const CandidateVal& v = table.valAt(i);
    c.language = v.language;
    c.typed = v.typed->typed;
    c.codePage = v.codePage;
    c.eraseCount = v.typed->eraseCount;
    c.trailing = v.typed->trailing;
    level = addWord(level, onLevel, table.keyAt(i).candidate, c, root->title);
  }
  // "Add word" takes the typed word into the dictionaries of the layout's
  // language (one typed word: the current layout's).
  c.command = WordChoice::kAddWord;
  const char* language = state.current ? localeRecord(state.current->layout & 0xFFFF).language : nullptr;
  c.language = str8(language ? language : "");
  root->add(item(MenuKind::Separator, {}, nullptr));
  root->add(item(MenuKind::Item, myHost.text("mi_add_word"), &c));
  addPolicyItems(*root, thread, exeName);
  return root;
}

XMenu* WordMenus::spellingWhileTyping(uint32_t thread, const char* exeName) {
  KeyboardState& state = myEngine.state();
  Analizer* cur = state.current ? myEngine.analizer(state.current) : nullptr;
  if (!cur || cur->status != 0) return nullptr;
  return collectSuggestions(thread, exeName);
}

XMenu* WordMenus::spellingAtWordEnd(uint32_t thread, const char* exeName) {
  KeyboardState& state = myEngine.state();
  Analizer* cur = state.current ? myEngine.analizer(state.current) : nullptr;
  if (!cur || cur->status == 1 || state.settings().ocUse() != 1) return nullptr;
  if (!myHost.spellingAllowed(exeName)) return nullptr;
  return collectSuggestions(thread, exeName);
}

void WordMenus::rememberTypedWord(Hkl layout, const Str8& word) { myLast.remember(layout & 0xFFFF, word); }

bool WordMenus::itemChosen(const WordChoice& choice, const Str16& chosen) {
  SynchObject::Guard guard(myEngine.state().lock());
  KeyboardState& state = myEngine.state();
  Hkl layout = 0;
  auto speaks = [&](const KeybBuffer* b) {
    const char* l = localeRecord(b->layout & 0xFFFF).language;
    return l && choice.language == str8(l);
  };
  if (state.current && speaks(state.current)) layout = state.current->layout;
  for (int32_t i = 0; layout == 0 && i < state.analysisOrder.size(); ++i)
    if (speaks(state.analysisOrder[i])) layout = state.analysisOrder[i]->layout;
  if (layout == 0) return false;
  const unsigned ansi = localeRecord(layout & 0xFFFF).ansiCodePage;

  Str16 word(chosen);
  bool hasCapital = false;
  for (char16_t ch : word) hasCapital = hasCapital || isCharUpperW(ch);
  if (hasCapital) {
    myLast.remember(layout & 0xFFFF, toNarrow(word, ansi));
  } else {
    Str16 typed = toWide(choice.typed, static_cast<unsigned>(choice.codePage));
    for (int32_t i = 0; i < word.size() && i < typed.size(); ++i)
      if (isCharUpperW(typed[i])) charUpperBuffW(word.data() + i, 1);
    Str16 lower(chosen);
    charLowerBuffW(lower.data(), lower.size());
    myLast.remember(layout & 0xFFFF, toNarrow(lower, ansi));
  }
  Str16 text(word);
  text.append(toWide(choice.trailing, static_cast<unsigned>(choice.codePage)));
  const bool otherLayout = !state.current || state.current->layout != layout;
  return myEngine.replaceTypedText(choice.thread, static_cast<uint32_t>(choice.eraseCount), text,
                                   otherLayout ? layout : 0);
}

void WordMenus::onMenuEvent(MenuEvent& event) {
  if (event.kind != kMenuChosen || !event.item) return;
  WordChoice choice;
  if (!WordChoice::fromRecord(event.item->record, choice)) return;
  const std::string exe(view(choice.exeName));
  switch (choice.command) {
    case WordChoice::kWord: itemChosen(choice, event.item->caption); break;
    case WordChoice::kDisable: myHost.answerPolicy(exe.c_str(), false); break;
    case WordChoice::kEnable: myHost.answerPolicy(exe.c_str(), true); break;
    case WordChoice::kAddWord: {
      AskAddWordRequest request;
      request.typed = toWide(choice.typed, static_cast<unsigned>(choice.codePage));
      request.word = choice.typed;
      request.language = choice.language;
      myHost.askAddWord(request);
      break;
    }
    default: break;
  }
}

}  // namespace orv
