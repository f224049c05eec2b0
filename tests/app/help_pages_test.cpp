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
    const char* language;
    const char* page;
    const char* expected;
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

TEST(HelpPages, SimpleHtmlBecomesReadableText) {
  const struct {
    const char* html;
    const char* text;
  } cases[] = {
      {"<p>One  two\nthree</p><p>Four</p>", "One two three\n\nFour\n"},
      {"<h1>Title</h1><p>Body</p>", "Title\n=====\n\nBody\n"},
      {"<h3>Sub</h3>text", "Sub\n---\n\ntext\n"},
      {"<ul><li>a <b>bold</b> item</li><li>b</li></ul>after", "\xE2\x80\xA2 a bold item\n\xE2\x80\xA2 b\n\nafter\n"},
      {"<head><title>T</title><style>p{}</style></head><body>x<script>y()</script></body>", "x\n"},
      {"a &lt;b&gt; &amp; &#1046;&#x416; &unknown; &", "a <b> & \xD0\x96\xD0\x96 &unknown; &\n"},
      {"line<br>next<!-- hidden <p> -->", "line\nnext\n"},
      {"<pre>a  b\nc</pre>", "a b\nc\n"},
      {"cut <p", "cut\n"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(htmlToText(c.html), c.text) << c.html;
  std::string title;
  htmlToText("<html><head><title>Clipboard  menu</title></head></html>", &title);
  EXPECT_EQ(title, "Clipboard menu");
}

}  // namespace
}  // namespace orv
