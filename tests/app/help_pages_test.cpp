#include "app/HelpPages.h"

#include <gtest/gtest.h>

#include <set>

namespace orv {
namespace {

TEST(HelpPages, PageIsFoundInTheLanguageElseInEnglishAndNeverOutsideTheFolder) {
  const std::set<std::string> files = {"C:\\P\\html\\ru\\common.html", "C:\\P\\html\\en\\common.html",
                                       "C:\\P\\html\\en\\notes.html", "C:\\P\\html\\en\\..\\secret.html"};
  auto exists = [&](const Str16& path) { return files.count(utf16ToUtf8(path)) > 0; };
  const struct {
    const char *language, *page, *expected;
  } cases[] = {
      {"ru", "common.html", "C:\\P\\html\\ru\\common.html"},
      {"ru", "notes.html", "C:\\P\\html\\en\\notes.html"},
      {"de", "common.html", "C:\\P\\html\\en\\common.html"},
      {"", "notes.html", "C:\\P\\html\\en\\notes.html"},
      {"..\\en", "notes.html", "C:\\P\\html\\en\\notes.html"},
      {"ru", "missing.html", ""},
      {"en", "..\\secret.html", ""},
      {"en", "", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(utf16ToUtf8(helpPagePath(u"C:\\P", c.language, c.page, exists)), c.expected)
        << c.language << " " << c.page;
}

TEST(HelpPages, SimpleHtmlBecomesReadableTextWithItsHeadingsMarked) {
  const struct {
    const char *html, *text, *headings;  // headings: "level:text|..."
  } cases[] = {
      {"<p>One  two\nthree</p><p>Four</p>", "One two three\n\nFour\n", ""},
      {"<h1>Title</h1><p>Body</p><h3>Sub <i>part</i></h3>text", "Title\n\nBody\n\nSub part\n\ntext\n",
       "1:Title|3:Sub part|"},
      {"<h2>\xD0\x96 \xF0\x9F\x98\x80 end</h2>", "\xD0\x96 \xF0\x9F\x98\x80 end\n", "2:\xD0\x96 \xF0\x9F\x98\x80 end|"},
      {"<h2></h2>x", "x\n", ""},
      {"<ul><li>a <b>bold</b> item</li><li>b</li></ul>after", "\xE2\x80\xA2 a bold item\n\xE2\x80\xA2 b\n\nafter\n", ""},
      {"<head><title>T</title><style>p{}</style></head><body>x<script>y()</script></body>", "x\n", ""},
      {"a &lt;b&gt; &amp; &#1046;&#x416; &unknown; &", "a <b> & \xD0\x96\xD0\x96 &unknown; &\n", ""},
      {"line<br>next<!-- hidden <p> -->", "line\nnext\n", ""},
      {"<pre>a  b\nc</pre>", "a b\nc\n", ""},
      {"cut <p", "cut\n", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    HelpText h = htmlToHelpText(c.html);
    EXPECT_EQ(h.text, c.text) << c.html;
    // The heading ranges are in UTF-16 units: read them back from the text so.
    Str16 units = utf8ToUtf16(h.text);
    std::string headings;
    for (const auto& r : h.headings)
      headings += std::to_string(r.level) + ":" +
                  utf16ToUtf8(std::u16string_view(units.data() + r.begin, r.end - r.begin)) + "|";
    EXPECT_EQ(headings, c.headings) << c.html;
  }
  EXPECT_EQ(htmlToHelpText("<html><head><title>Clipboard  menu</title></head></html>").title, "Clipboard menu");
}

}  // namespace
}  // namespace orv
