// The locks between threads: the receiver's key handling (keyboard lock),
// the menu thread's clipboard restore (the same lock) and the dictionary
// set's look-ups from the receiver and another thread (application lock).
// Each guarded stretch is marked; a stretch entered while another thread is
// inside it is an overlap, which only a missing lock lets happen.
#include <atomic>
#include <thread>

#include "language/Dictionary.h"
#include "language/DictionarySet.h"
#include "sim/SimHarness.h"
#include "support/ScratchFolder.h"

namespace orv {
namespace {

using test::kRu;
using test::kUs;

class Stretch {
 public:
  template <class F>
  auto run(int me, F&& f) {
    if (myOwner.exchange(me) != 0) ++myOverlaps;
    for (int i = 0; i < 3; ++i) std::this_thread::yield();
    auto result = f();
    if (myOwner.exchange(0) != me) ++myOverlaps;
    return result;
  }
  int overlaps() const { return myOverlaps.load(); }

 private:
  std::atomic<int> myOwner{0};
  std::atomic<int> myOverlaps{0};
};

Stretch g_dictionaryStretch;

struct MarkedDictionary : Dictionary {
  using Dictionary::Dictionary;
  int checkWord(const Str8& word) override {
    return g_dictionaryStretch.run(std::this_thread::get_id() == mainThread ? 1 : 2,
                                   [&] { return Dictionary::checkWord(word); });
  }
  std::thread::id mainThread = std::this_thread::get_id();
};

TEST(Threads, KeyHandlingClipboardRestoreAndLookupsNeverOverlap) {
  test::ScratchFolder dir;
  SynchObject applicationLock;
  DictionarySet set(dir.path(), applicationLock);
  auto* ru = new MarkedDictionary(dir.folder("dic/ru_RU"), 1251);
  ru->addWord(toNarrow(str16(u"привет"), 1251));
  set.appendOwned(ru);

  KeyboardSettings settings;
  sim::SimDesktop d({kUs, kRu}, settings);
  Stretch keyboardStretch;
  d.dictionary = [&](const Str8& w, int32_t cp) {
    return keyboardStretch.run(1, [&] { return set.checkInSet(w, cp); });
  };

  std::atomic<bool> typing{true};
  int wrongAnswers = 0;
  std::thread menuThread([&] {
    const Str8 word = toNarrow(str16(u"привет"), 1251);
    while (typing.load()) {
      {
        SynchObject::Guard guard(d.state.lock());
        keyboardStretch.run(2, [&] {
          d.engine.restoreClipboard(0);  // a loan long overtaken: nothing to do
          return 0;
        });
      }
      if (set.checkInSet(word, 1251) != 1) ++wrongAnswers;
    }
  });
  const uint32_t keys[][2] = {{'G', 0x22}, {'H', 0x23}, {'B', 0x30}, {'D', 0x20}, {'T', 0x14}, {'N', 0x31}, {32, 0x39}};
  const int words = 60;
  for (int i = 0; i < words; ++i) {
    d.userSwitchLayout(kUs);
    for (const auto& k : keys) {
      d.userKey(k[0], k[1], false);
      d.userKey(k[0], k[1], true);
    }
    d.idle();
  }
  typing = false;
  menuThread.join();

  EXPECT_EQ(keyboardStretch.overlaps(), 0);
  EXPECT_EQ(g_dictionaryStretch.overlaps(), 0);
  EXPECT_EQ(wrongAnswers, 0);
  std::string expected;
  for (int i = 0; i < words; ++i) expected += "привет ";
  EXPECT_EQ(d.appTextUtf8(), expected);
}

}  // namespace
}  // namespace orv
