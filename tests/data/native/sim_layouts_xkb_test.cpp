// Every simulated layout, key by key, against Debian's X keyboard
// descriptions (xkb-data), which were made independently of our tables.
// Where a Windows layout and its xkb counterpart differ on purpose, the
// difference is named below with its reason; any other difference fails.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "platform/SimLayouts.h"
#include "platform/Text.h"
#include "data/native/XkbSymbols.h"

namespace orv {
namespace {

// The typing keys of the main block: digit row, three letter rows, the key
// left of 1, the key above Enter and the extra ISO key.
bool mainBlock(unsigned scan) {
  return (scan >= 0x02 && scan <= 0x0D) || (scan >= 0x10 && scan <= 0x1B) || (scan >= 0x1E && scan <= 0x29) ||
         (scan >= 0x2B && scan <= 0x35) || scan == 0x56;
}

struct Source {
  const char* layout;
  const char* file;
  const char* section;
};

// Keys where the Windows layout and the xkb description differ by design.
struct Known {
  const char* layout;
  unsigned scan;
  const char* reason;
};

const Known kKnown[] = {
    {"us", 0x56, "X's pc105 keyboard gives < > on the extra ISO key; KBDUS repeats \\ |"},
    {"ru", 0x56, "xkb ru gives / |; KBDRU repeats \\ / of the key above Enter"},
    {"ua", 0x29, "xkb ua(winkeys) puts the apostrophe here as Ukrainian (Enhanced) does; KBDUR keeps ё Ё"},
    {"ua", 0x2B, "xkb ua(winkeys) puts ґ Ґ here as Ukrainian (Enhanced) does; KBDUR gives \\ / (ґ only with AltGr)"},
    {"ua", 0x56, "xkb ua gives / |; KBDUR repeats \\ / of the key above Enter"},
    {"fr", 0x29, "xkb fr gives ~ with Shift on the ² key; KBDFR gives nothing"},
};

std::string hex(char32_t c) {
  std::ostringstream s;
  s << "U+" << std::hex << std::uppercase << unsigned(c);
  return s.str();
}

std::string describe(char32_t plain, bool plainDead, char32_t shift, bool shiftDead) {
  return hex(plain) + (plainDead ? " dead" : "") + " / " + hex(shift) + (shiftDead ? " dead" : "");
}

bool isCasePair(char32_t lower, char32_t upper) {
  if (lower == 0 || lower == upper || lower > 0xFFFF) return false;
  char16_t u = char16_t(lower);
  charUpperBuffW(&u, 1);
  return u == upper;
}

TEST(SimLayoutsAgainstXkb, EveryKeyMatchesOrIsAKnownDifference) {
  std::string missing;
  if (!test::XkbSymbols::available(missing))
    GTEST_SKIP() << "NOT CHECKED: " << missing << " is missing (Debian packages xkb-data and x11proto-dev; "
                 << "scripts/setup installs them), so the simulated layouts are not compared with xkb";
  const Source sources[] = {
      {"us", "us", ""}, {"ru", "ru", "winkeys"}, {"ua", "ua", "winkeys"}, {"de", "de", ""}, {"fr", "fr", ""}};
  test::XkbSymbols xkb;
  for (const Source& src : sources) {
    SCOPED_TRACE(src.layout);
    const SimLayout* layout = findSimLayout(src.layout);
    ASSERT_NE(layout, nullptr);
    std::string unknown;
    std::map<unsigned, test::XkbKey> keys = xkb.layout(src.file, src.section, unknown);
    ASSERT_GT(keys.size(), 40u) << "xkb " << src.file << "(" << src.section << ") read badly:" << unknown;
    std::set<unsigned> differing;
    std::set<unsigned> scans;
    for (int32_t i = 0; i < layout->keyCount; ++i) scans.insert(layout->keys[i].scan);
    for (const auto& [scan, key] : keys)
      if (mainBlock(scan) && key.plain) scans.insert(scan);
    for (unsigned scan : scans) {
      const SimKey* sim = nullptr;
      for (int32_t i = 0; i < layout->keyCount; ++i)
        if (layout->keys[i].scan == scan) sim = &layout->keys[i];
      auto x = keys.find(scan);
      std::string ours = sim ? describe(sim->plain, sim->attr & kDeadPlain, sim->shift, sim->attr & kDeadShift)
                             : "no key";
      std::string theirs = x != keys.end() ? describe(x->second.plain, x->second.plainDead, x->second.shift,
                                                      x->second.shiftDead)
                                           : "no key";
      bool capsDiffers = sim && x != keys.end() && isCasePair(x->second.plain, x->second.shift) &&
                         !(sim->attr & kCapsAsShift);
      if (ours == theirs && !capsDiffers) continue;
      differing.insert(scan);
      bool known = false;
      for (const Known& k : kKnown) known = known || (k.scan == scan && std::string(k.layout) == src.layout);
      EXPECT_TRUE(known) << "scan 0x" << std::hex << scan << ": table " << ours << ", xkb " << theirs
                         << (capsDiffers ? " (a letter that ignores Caps Lock)" : "");
    }
    for (const Known& k : kKnown) {
      if (std::string(k.layout) != src.layout) continue;
      EXPECT_TRUE(differing.count(k.scan)) << "the listed difference at scan 0x" << std::hex << k.scan
                                           << " is gone: " << k.reason;
    }
  }
}

}  // namespace
}  // namespace orv
