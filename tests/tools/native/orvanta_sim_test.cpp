// orvanta-sim's commands, called as the tool's main calls them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/orvanta-sim/KeyScript.h"
#include "tools/orvanta-sim/SimCommands.h"

namespace orv::simtool {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome run(std::vector<std::string> args) {
  Outcome r;
  r.status = runOrvantaSim(args, r.out, r.err);
  return r;
}

// The conversions themselves are the keyboard tests'; these check the options.
TEST(OrvantaSim, ConvertBetweenTwoLayoutsNamedByLanguageOrHandle) {
  EXPECT_EQ(run({"convert", "--from", "us", "--to", "ru", "ghbdtn"}).out, "привет\n");
  EXPECT_EQ(run({"convert", "--from", "04090409", "--to", "0x04070407", "y"}).out, "z\n");
}

TEST(OrvantaSim, ConvertToTheNextLayout) {
  Outcome r = run({"convert", "--next", "--layouts", "us,ru", "ghbdtn, vbh"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "приветб мир\n");
  r = run({"convert", "--next", "--layouts", "us,ru", "hello \xE4\xB8\xAD"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no layout"), std::string::npos);
}

TEST(OrvantaSim, BadInputExitsWithStatus2) {
  EXPECT_EQ(run({}).status, 2);
  EXPECT_EQ(run({"frobnicate"}).status, 2);
  Outcome r = run({"convert", "--from", "xx", "--to", "ru", "a"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("unknown layout 'xx'"), std::string::npos);
  EXPECT_EQ(run({"convert", "--from", "us", "ghbdtn"}).status, 2);
  EXPECT_EQ(run({"convert", "--next", "--layouts", "us", "a"}).status, 2);
  EXPECT_EQ(run({"convert", "--next", "--layouts", "us,us", "a"}).status, 2);
  EXPECT_EQ(run({"render", "--layouts", "us,ru", "--active", "de", "a"}).status, 2);
  r = run({"render", "--layouts", "us,ru", "--active", "us", "a{Nope}"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("{Nope}"), std::string::npos);
  r = run({"render", "--layouts", "us,ru", "--active", "us", "aж"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("cannot be typed"), std::string::npos);
  EXPECT_EQ(run({"render", "--layouts", "us,ru", "--active", "us", "a{Layout:de}b"}).status, 2);
}

TEST(OrvantaSim, LayoutsListsHandleLanguageAndCodePage) {
  Outcome r = run({"layouts"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("ru  04190419  ru-RU"), std::string::npos);
  EXPECT_NE(r.out.find("code page 1251"), std::string::npos);
  EXPECT_NE(r.out.find("fr  040C040C"), std::string::npos);
}

TEST(OrvantaSim, RenderTypesTheScriptInEveryLayout) {
  Outcome r = run({"render", "--layouts", "us,ru", "--active", "us", "--keys", "ghbdtn vbh"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "us: ghbdtn vbh\nru: привет мир\n"
            "keys: 00670022 00680023 00620030 00640020 00740014 006E0031 00200000 0076002F 00620030 00680023\n");
  // German dead keys as the issue names them.
  r = run({"render", "--layouts", "de,us", "--active", "de", "^a ^x ^{Space}"});
  EXPECT_EQ(r.out, "de: â ^x ^\nus: `a `x ` \n");
  // Typed in Russian, read in US; Caps Lock and Shift.
  r = run({"render", "--layouts", "us,ru", "--active", "ru", "Пр{Caps}ИВ"});
  EXPECT_EQ(r.out, "us: GhBD\nru: ПрИВ\n");
  // A user's layout switch starts a new text.
  r = run({"render", "--layouts", "us,ru", "--active", "us", "abc{Layout:ru}ф"});
  EXPECT_EQ(r.out, "us: a\nru: ф\n");
}

TEST(KeyScript, ParsesNamedKeysChordsPressesLayoutsAndBraces) {
  std::vector<ScriptStep> s;
  std::string err;
  ASSERT_TRUE(parseKeyScript("a{Shift+Pause}{ctrl+alt+d}{Layout:ru}{{}{}}ё{F12}", s, err)) << err;
  ASSERT_EQ(s.size(), 8u);
  EXPECT_EQ(s[0].ch, u'a');
  EXPECT_EQ(s[1].vk, 19u);
  EXPECT_EQ(s[1].modifiers, 1u);
  EXPECT_EQ(s[2].vk, unsigned('D'));
  EXPECT_EQ(s[2].modifiers, 6u);
  EXPECT_EQ(s[3].kind, ScriptStep::kLayout);
  EXPECT_EQ(s[3].layout, "ru");
  EXPECT_EQ(s[4].ch, u'{');
  EXPECT_EQ(s[5].ch, u'}');
  EXPECT_EQ(s[6].ch, u'\u0451');
  EXPECT_EQ(s[7].vk, 123u);
  ASSERT_TRUE(parseKeyScript("{Press:Space}{release:v}", s, err)) << err;
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0].edge, ScriptStep::kPress);
  EXPECT_EQ(s[0].scan, 0x39u);
  EXPECT_EQ(s[1].edge, ScriptStep::kRelease);
  EXPECT_EQ(s[1].vk, unsigned('V'));
  EXPECT_FALSE(parseKeyScript("{Press:Ctrl+A}", s, err));
  EXPECT_FALSE(parseKeyScript("{Release:}", s, err));
  EXPECT_FALSE(parseKeyScript("{Space", s, err));
  EXPECT_FALSE(parseKeyScript("{}", s, err));
  EXPECT_FALSE(parseKeyScript("{Meta+A}", s, err));
  EXPECT_FALSE(parseKeyScript("{D}", s, err));  // a bare letter needs no braces
  EXPECT_FALSE(parseKeyScript("\xFF", s, err));
  EXPECT_FALSE(parseKeyScript("\xF0\x9F\x98\x80", s, err));  // outside the BMP
}

}  // namespace
}  // namespace orv::simtool
