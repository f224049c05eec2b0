// Finding a help page and turning its simple HTML into readable text.

#include "app/HelpPages.h"

#include <cstdint>
#include <algorithm>
#include <cstring>

namespace orv {

namespace {

bool plainName(std::string_view s) {
  if (s.empty() || s == "." || s == "..") return false;
  for (char c : s)
    if (c == '\\' || c == '/' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
  return s.find("..") == std::string_view::npos;
}

Str16 pagePath(std::u16string_view folder, std::string_view language, std::string_view page) {
  Str16 path;
  appendText(path, folder);
  appendText(path, u"\\html\\");
  Str16 lang = utf8ToUtf16(language), file = utf8ToUtf16(page);
  appendText(path, view(lang));
  appendText(path, u"\\");
  appendText(path, view(file));
  return path;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The text of an entity after '&' up to ';' (without both); false when it
// is none this reader knows, and the '&' then stands for itself.
bool decodeEntity(std::string_view name, std::string& out) {
  static const struct {
    const char* name;
    uint32_t cp;
  } kNamed[] = {{"amp", '&'},     {"lt", '<'},       {"gt", '>'},       {"quot", '"'},    {"apos", '\''},
                {"nbsp", 0xA0},   {"mdash", 0x2014}, {"ndash", 0x2013}, {"laquo", 0xAB},  {"raquo", 0xBB},
                {"hellip", 0x2026}, {"copy", 0xA9},  {"bull", 0x2022},  {"rarr", 0x2192}, {"larr", 0x2190}};
  if (name.size() > 1 && name[0] == '#') {
    uint32_t cp = 0;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    size_t i = hex ? 2 : 1;
    if (i >= name.size() || name.size() > 10) return false;
    for (; i < name.size(); ++i) {
      char c = lower(name[i]);
      uint32_t d;
      if (c >= '0' && c <= '9') d = static_cast<uint32_t>(c - '0');
      else if (hex && c >= 'a' && c <= 'f') d = static_cast<uint32_t>(c - 'a' + 10);
      else return false;
      cp = cp * (hex ? 16 : 10) + d;
      if (cp > 0x10FFFF) return false;
    }
    appendUtf8(out, cp == 0 ? 0xFFFD : cp);  // no NUL inside the page's text
    return true;
  }
  for (const auto& e : kNamed)
    if (name == e.name) {
      appendUtf8(out, e.cp);
      return true;
    }
  return false;
}

// Builds the text: words separated by single spaces, and line breaks asked
// for by the block elements, never more than one blank line in a row.
class TextBuilder {
 public:
  void word(std::string_view w) {
    if (w.empty()) return;
    if (myPendingSpace && !myOut.empty() && myOut.back() != '\n' && myOut.back() != ' ') myOut += ' ';
    myPendingSpace = false;
    myOut.append(w);
  }
  void space() { myPendingSpace = true; }
  // Ends the current line; `blank` leaves an empty line after it.
  void breakLine(bool blank) {
    myPendingSpace = false;
    while (!myOut.empty() && myOut.back() == ' ') myOut.pop_back();
    if (myOut.empty()) return;
    if (myOut.back() != '\n') myOut += '\n';
    if (blank && !(myOut.size() >= 2 && myOut[myOut.size() - 2] == '\n')) myOut += '\n';
  }
  size_t mark() const { return myOut.size(); }
  std::string& out() { return myOut; }

 private:
  std::string myOut;
  bool myPendingSpace = false;
};

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// The tag's name, lower case, without '/', and whether it closes.
std::string tagName(std::string_view tag, bool& closing) {
  size_t i = 0;
  closing = false;
  if (i < tag.size() && tag[i] == '/') {
    closing = true;
    ++i;
  }
  std::string name;
  while (i < tag.size() && !isSpace(tag[i]) && tag[i] != '/' && tag[i] != '>') name += lower(tag[i++]);
  return name;
}

bool oneOf(const std::string& name, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (name == n) return true;
  return false;
}

}  // namespace

Str16 helpPagePath(std::u16string_view moduleFolder, std::string_view language, std::string_view page,
                   const std::function<bool(const Str16&)>& exists) {
  if (!plainName(page)) return Str16();
  if (plainName(language)) {
    Str16 own = pagePath(moduleFolder, language, page);
    if (exists(own)) return own;
  }
  Str16 english = pagePath(moduleFolder, "en", page);
  return exists(english) ? english : Str16();
}

HelpText htmlToHelpText(std::string_view html) {
  HelpText result;
  std::vector<std::pair<size_t, size_t>> headingBytes;  // byte ranges in the text
  TextBuilder text;
  std::string word;
  int skipDepth = 0;  // inside <head>, <script>, <style>
  bool inTitle = false, inPre = false;
  std::string titleText;
  size_t headingStart = 0;
  int listDepth = 0;
  auto flushWord = [&] {
    if (word.empty()) return;
    if (inTitle) {
      if (!titleText.empty()) titleText += ' ';
      titleText += word;
    } else if (!skipDepth) {
      text.word(word);
    }
    word.clear();
  };
  size_t i = 0;
  while (i < html.size()) {
    char c = html[i];
    if (c == '<') {
      if (html.compare(i, 4, "<!--") == 0) {
        size_t end = html.find("-->", i + 4);
        i = end == std::string_view::npos ? html.size() : end + 3;
        continue;
      }
      size_t end = html.find('>', i + 1);
      if (end == std::string_view::npos) break;  // a cut-off tag ends the page
      bool closing;
      std::string name = tagName(html.substr(i + 1, end - i - 1), closing);
      i = end + 1;
      if (name.empty() || name[0] == '!' || name[0] == '?') continue;
      const bool inlineTag = oneOf(name, {"b", "i", "em", "strong", "a", "span", "code", "kbd", "u", "small", "tt"});
      if (!inlineTag) flushWord();
      // <title> lives in <head>: the head is skipped but its title kept.
      if (oneOf(name, {"head", "script", "style"})) {
        skipDepth += closing ? (skipDepth > 0 ? -1 : 0) : 1;
        continue;
      }
      if (name == "title") {
        inTitle = !closing;
        continue;
      }
      if (name[0] == 'h' && name.size() == 2 && name[1] >= '1' && name[1] <= '6') {
        if (!closing) {
          text.breakLine(true);
          headingStart = text.mark();
        } else {
          text.breakLine(false);
          // The line's own text, without its line feed.
          if (text.mark() > headingStart + 1) {
            headingBytes.push_back({headingStart, text.mark() - 1});
            result.headings.push_back({0, 0, name[1] - '0'});
          }
          text.breakLine(true);
        }
        continue;
      }
      if (name == "li") {
        if (!closing) {
          text.breakLine(false);
          text.out().append(static_cast<size_t>(2 * (listDepth > 1 ? listDepth - 1 : 0)), ' ');
          text.word("\xE2\x80\xA2");  // a bullet
          text.space();
        }
        continue;
      }
      if (name == "ul" || name == "ol") {
        listDepth += closing ? (listDepth > 0 ? -1 : 0) : 1;
        text.breakLine(listDepth == 0 || !closing);
        continue;
      }
      if (name == "br") {
        text.breakLine(false);
        continue;
      }
      if (name == "pre") {
        inPre = !closing;
        text.breakLine(true);
        continue;
      }
      if (oneOf(name, {"p", "div", "table", "blockquote", "dl", "hr", "body", "html"})) {
        text.breakLine(true);
        continue;
      }
      if (oneOf(name, {"tr", "dt", "dd"})) {
        text.breakLine(false);
        continue;
      }
      if (oneOf(name, {"td", "th"})) {
        if (closing) text.word("  ");
        continue;
      }
      continue;  // inline and unknown tags: their text goes on
    }
    if (c == '&') {
      size_t semi = html.find(';', i + 1);
      if (semi != std::string_view::npos && semi - i <= 12) {
        std::string decoded;
        if (decodeEntity(html.substr(i + 1, semi - i - 1), decoded)) {
          if (decoded == "\xC2\xA0") {
            word += ' ';
          } else {
            word += decoded;
          }
          i = semi + 1;
          continue;
        }
      }
      word += c;
      ++i;
      continue;
    }
    if (isSpace(c)) {
      flushWord();
      if (inPre && c == '\n' && !skipDepth && !inTitle) text.breakLine(false);
      else text.space();
      ++i;
      continue;
    }
    word += c;
    ++i;
  }
  flushWord();
  text.breakLine(false);
  std::string out = std::move(text.out());
  while (!out.empty() && out.back() == '\n') out.pop_back();
  if (!out.empty()) out += '\n';
  // Byte offsets to UTF-16 positions: one unit per character, two above
  // U+FFFF (a four-byte sequence).
  std::vector<size_t> units(out.size() + 1, 0);
  for (size_t i = 0, u = 0; i <= out.size(); ++i) {
    units[i] = u;
    if (i == out.size()) break;
    const unsigned char c = static_cast<unsigned char>(out[i]);
    if ((c & 0xC0) != 0x80) u += c >= 0xF0 ? 2 : 1;
  }
  for (size_t h = 0; h < headingBytes.size(); ++h) {
    result.headings[h].begin = units[std::min(headingBytes[h].first, out.size())];
    result.headings[h].end = units[std::min(headingBytes[h].second, out.size())];
  }
  result.text = std::move(out);
  result.title = std::move(titleText);
  return result;
}

}  // namespace orv
