#pragma once
// The program's help pages: files "<module folder>\html\<language>\<page>"
// written in simple HTML, shown as plain text by the program's own viewer
// (there is no browser engine to rely on everywhere the program runs).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Str.h"

namespace orv {

// The path of a help page: under the language's folder, else under "en";
// empty when neither holds it or the page or language is not a plain name
// (no separators, no "..": a help page never reaches outside its folder).
Str16 helpPagePath(std::u16string_view moduleFolder, std::string_view language, std::string_view page,
                   const std::function<bool(const Str16&)>& exists);

// Readable text of a simple HTML page (UTF-8 in and out, lines end in
// "\n"): headings on lines of their own, paragraphs apart, list items as
// bullets, entities decoded, head, scripts and styles left out; where the
// headings are (in UTF-16 units of the text, as a text control counts them)
// so that a viewer can set them off; the page's <title>.
struct HelpText {
  struct Heading {
    size_t begin, end;  // [begin, end) without the line feed
    int level;          // 1 for <h1>
  };
  std::string text;
  std::string title;
  std::vector<Heading> headings;
};
HelpText htmlToHelpText(std::string_view html);

}  // namespace orv
