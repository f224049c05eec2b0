// The clipboard menu from the request to a laid-out tree: composing it from
// a full history (90 + 90 entries, the largest settings), 200 notes and a
// templates folder of 100 files in 10 sub-folders, then laying out every
// menu of the tree with the fixed-width measure. Target: within 5 ms. The
// same with the default settings (10 + 20 entries, 10 notes shown) for scale.
//
// Every text is 1,000 characters in lines of 50, so that each caption is cut
// and each preview stops at its line limit.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <string>

#include "clipboard/ClipboardMenu.h"
#include "platform/FileSys.h"

namespace {

using namespace orv;

constexpr int32_t kMaxSetting = 90;
constexpr int32_t kNotes = 200;
constexpr int32_t kTemplateFolders = 10;
constexpr int32_t kTemplatesPerFolder = 10;

Str16 text(int32_t number) {
  std::u16string s;
  for (int32_t line = 0; line < 20; ++line) s += std::u16string(48, u'\u0436') + u"\r\n";
  s += view(utf8ToUtf16(std::to_string(number)));
  return str16(s);
}

class QuietActions : public ClipboardMenuActions {
 public:
  explicit QuietActions(const Str16& folder) : myFolder(folder) {}
  Str16 text(const char* key) override { return utf8ToUtf16(key); }
  Str16 hotkeyText(const char*) override { return str16(u"Ctrl + Alt + N"); }
  ArrT<MenuLayoutName> layouts() override {
    ArrT<MenuLayoutName> out;
    out.append({0x409, str16(u"English")});
    out.append({0x419, str16(u"Russian")});
    out.append({0x422, str16(u"Ukrainian")});
    return out;
  }
  bool translitActive() override { return true; }
  Str16 moduleFolder() override { return myFolder; }
  bool pasteText(uint32_t, const Str16&) override { return true; }

 private:
  Str16 myFolder;
};

struct Stores {
  Str16 folder;
  ClipboardHistory history{2 * kMaxSetting};
  NotesStore notes;
  Stores() {
    folder = joinPath(tempFolder(), view(utf8ToUtf16("orv-menu-bench-" + std::to_string(getpid()))));
    createFolder(folder);
    Str16 templates = joinPath(folder, u"templates");
    createFolder(templates);
    for (int32_t f = 0; f < kTemplateFolders; ++f) {
      Str16 sub = joinPath(templates, view(utf8ToUtf16("folder " + std::to_string(f))));
      createFolder(sub);
      for (int32_t t = 0; t < kTemplatesPerFolder; ++t)
        writeFileBytes(joinPath(sub, view(utf8ToUtf16("template " + std::to_string(t) + ".txt"))), str8("text"));
    }
    for (int32_t i = 0; i < 2 * kMaxSetting; ++i) history.addToHistory(text(i));
    for (int32_t i = 0; i < kNotes; ++i) notes.addNote(TxtNote{text(1000 + i), {}, {}, 0});
  }
  ~Stores() {
    Str16 templates = joinPath(folder, u"templates");
    for (int32_t f = 0; f < kTemplateFolders; ++f) {
      Str16 sub = joinPath(templates, view(utf8ToUtf16("folder " + std::to_string(f))));
      for (int32_t t = 0; t < kTemplatesPerFolder; ++t)
        removeFile(joinPath(sub, view(utf8ToUtf16("template " + std::to_string(t) + ".txt"))));
      removeFolder(sub);
    }
    removeFolder(templates);
    removeFolder(folder);
  }
};

void layoutAll(XMenu& menu, TextMeasure& measure) {
  layoutMenu(menu, measure);
  for (XMenu* c : menu.children)
    if (c->isMenu()) layoutAll(*c, measure);
}

Stores& stores() {
  static Stores s;
  return s;
}

// Argument 1: every count at its largest (90); 0: the settings' defaults.
ClipboardMenuSettings settingsOf(const benchmark::State& state) {
  ClipboardMenuSettings settings;
  if (state.range(0)) settings.maxItems1 = settings.maxItemsMore = settings.maxNotes1 = kMaxSetting;
  settings.notesAsSub = true;
  return settings;
}

void BM_ComposeAndLayOutTheClipboardMenu(benchmark::State& state) {
  QuietActions actions(stores().folder);
  ClipboardMenu menu(stores().history, stores().notes, actions);
  const MenuStyle style = makeMenuStyle({}, 4, 255);
  FixedMeasure measure;
  for (auto _ : state) {
    XMenu* root = menu.build(settingsOf(state), style);
    layoutAll(*root, measure);
    benchmark::DoNotOptimize(root->width);
    delete root;
  }
}
BENCHMARK(BM_ComposeAndLayOutTheClipboardMenu)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The composition alone (the layout's share is the difference).
void BM_ComposeTheClipboardMenu(benchmark::State& state) {
  QuietActions actions(stores().folder);
  ClipboardMenu menu(stores().history, stores().notes, actions);
  const MenuStyle style = makeMenuStyle({}, 4, 255);
  for (auto _ : state) delete menu.build(settingsOf(state), style);
}
BENCHMARK(BM_ComposeTheClipboardMenu)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
