#include "clipboard/Templates.h"

#include <algorithm>
#include <vector>

#include "clipboard/ClipboardMenu.h"
#include "clipboard/Notes.h"
#include "platform/FileSys.h"
#include "platform/Text.h"

#ifndef LKEY
#define LKEY(key) key
#endif

namespace orv {

namespace {

constexpr int32_t kImgEdit = 0, kImgDelete = 2;
// A link or junction that points back up would make the walk endless: no
// folder deeper than kMaxDepth is listed, and no more than kMaxFolders in all.
constexpr int32_t kMaxDepth = 16;
constexpr int32_t kMaxFolders = 1000;
constexpr int32_t kMaxNameUnits = 100;

Str16 under(const Str16& folder, const Str16& name) {
  Str16 p = folder;
  p.append(u'\\');
  appendText(p, view(name));
  return p;
}

Str16 upper(const Str16& s) {
  Str16 u = s;
  charUpperBuffW(u.data(), u.size());
  return u;
}

// Names compared without regard to case, code unit by code unit; equal ones
// (only possible on case-sensitive file systems) by their own code units.
void sortNames(std::vector<Str16>& names) {
  std::sort(names.begin(), names.end(), [](const Str16& a, const Str16& b) {
    Str16 ua = upper(a), ub = upper(b);
    if (view(ua) != view(ub)) return view(ua) < view(ub);
    return view(a) < view(b);
  });
}

bool endsWithTxt(const Str16& name) {
  if (name.size() < 4) return false;
  Str16 tail = upper(Str16(name.data() + name.size() - 4, 4));
  return view(tail) == u".TXT";
}

// Whether bytes are UTF-8 with at least one character beyond ASCII: an ANSI
// text practically never is, while editors today save UTF-8 without a mark.
bool looksLikeUtf8(const Str8& b) {
  bool wide = false;
  for (int32_t i = 0; i < b.size();) {
    uint8_t c = static_cast<uint8_t>(b[i]);
    int32_t n = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (n < 0 || (n == 1 && c < 0xC2) || i + n >= b.size()) return false;
    for (int32_t k = 1; k <= n; ++k)
      if ((static_cast<uint8_t>(b[i + k]) & 0xC0) != 0x80) return false;
    wide = wide || n > 0;
    i += n + 1;
  }
  return wide;
}

void fillFolder(XMenu& menu, const Str16& moduleFolder, const Str16& relFolder, ClipboardMenuActions& actions,
                MenuHandler* handler, int32_t depth, int32_t& budget) {
  ArrT<FolderEntry> entries;
  if (depth < kMaxDepth && budget-- > 0 && listFolder(under(moduleFolder, relFolder), entries)) {
    std::vector<Str16> folders, files;
    for (const FolderEntry& e : entries) (e.isFolder ? folders : files).push_back(e.name);
    sortNames(folders);
    sortNames(files);
    for (const Str16& name : folders) {
      XMenu* sub = menu.add(new XMenu(MenuKind::Sub, name));
      sub->style = menu.style;
      sub->handler = handler;
      fillFolder(*sub, moduleFolder, under(relFolder, name), actions, handler, depth + 1, budget);
    }
    bool any = false;
    for (const Str16& name : files) {
      if (!endsWithTxt(name)) continue;
      Str16 bare(name.data(), name.size() - 4);
      XMenu* it = menu.add(new XMenu(MenuKind::Item, ClipboardMenu::entryCaption(bare)));
      it->style = menu.style;
      it->handler = handler;
      it->hint = bare;
      it->images = MenuImages::Templates;
      it->columnWidth = kEntryColumnWidth;
      it->entryStyle = true;
      it->addButton(kImgEdit, actions.text(LKEY("clipboard_menu_tt_underliner")));
      it->addButton(kImgDelete, actions.text(LKEY("clipboard_menu_tt_delete")));
      it->record.append(static_cast<char>(kCodeTemplate));
      it->record.append('\0');
      appendRecordText(it->record, under(relFolder, name));
      any = true;
    }
    if (any) menu.add(new XMenu(MenuKind::Separator))->style = menu.style;
  }
  const std::pair<const char*, ClipboardMenuCode> creates[] = {
      {LKEY("clipboard_menu_tmplts_new_folder"), kCodeNewFolder},
      {LKEY("clipboard_menu_tmplts_new_file"), kCodeNewFile},
  };
  for (const auto& [key, c] : creates) {
    XMenu* it = menu.add(new XMenu(MenuKind::Item, actions.text(key)));
    it->style = menu.style;
    it->handler = handler;
    it->record.append(static_cast<char>(c));
    appendRecordText(it->record, relFolder);
  }
}

void deleteMarked(const XMenu& menu, const Str16& moduleFolder) {
  for (const XMenu* c : menu.children) {
    const Str8& r = c->record;
    if (r.size() >= 3 && r[0] == kCodeTemplate && r[1] != 0) deleteFile(under(moduleFolder, recordText(r, 2)));
    deleteMarked(*c, moduleFolder);
  }
}

bool badNameChar(char16_t c) {
  // "/", "\", "?" and "*" cannot name a template; ":" would write an
  // alternate stream of another file, the rest Windows refuses in names.
  return c < 0x20 || c == u'/' || c == u'\\' || c == u'?' || c == u'*' || c == u':' || c == u'"' || c == u'<' ||
         c == u'>' || c == u'|';
}

}  // namespace

TextEncoding decodeTextFile(const Str8& b, Str16& out) {
  out.clear();
  auto u8 = [&](int32_t i) { return static_cast<uint8_t>(b[i]); };
  if (b.size() >= 2 && ((u8(0) == 0xFF && u8(1) == 0xFE) || (u8(0) == 0xFE && u8(1) == 0xFF))) {
    const bool little = u8(0) == 0xFF;
    for (int32_t i = 2; i + 1 < b.size(); i += 2)
      out.append(static_cast<char16_t>(little ? u8(i) | (u8(i + 1) << 8) : (u8(i) << 8) | u8(i + 1)));
    return little ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
  }
  if (b.size() >= 3 && u8(0) == 0xEF && u8(1) == 0xBB && u8(2) == 0xBF) {
    out = utf8ToUtf16(std::string_view(b.data() + 3, static_cast<size_t>(b.size() - 3)));
    return TextEncoding::Utf8;
  }
  if (looksLikeUtf8(b)) {
    out = utf8ToUtf16(view(b));
    return TextEncoding::Utf8;
  }
  multiByteToWide(kCpAnsi, b.data(), b.size(), out);
  return TextEncoding::Ansi;
}

bool readTextFile(const Str16& path, Str16& out, TextEncoding* encoding) {
  Str8 bytes;
  out.clear();
  if (!readFileBytes(path, bytes)) return false;
  TextEncoding e = decodeTextFile(bytes, out);
  if (encoding) *encoding = e;
  return true;
}

void fillTemplatesMenu(XMenu& menu, const Str16& moduleFolder, const Str16& relFolder, ClipboardMenuActions& actions,
                       MenuHandler* handler) {
  int32_t budget = kMaxFolders;
  fillFolder(menu, moduleFolder, relFolder, actions, handler, 0, budget);
}

void deleteMarkedTemplates(const XMenu& root, const Str16& moduleFolder) { deleteMarked(root, moduleFolder); }

CreateTemplateResult createTemplate(const Str16& moduleFolder, const Str16& relFolder, const Str16& name,
                                    bool isFolder, Str16* createdPath) {
  createFolder(under(moduleFolder, str16(u"templates")));
  Str16 n = trimWhiteSpace(view(name));
  if (n.empty() || n.size() > kMaxNameUnits) return CreateTemplateResult::BadName;
  for (char16_t c : n)
    if (badNameChar(c)) return CreateTemplateResult::BadName;
  Str16 path = under(under(moduleFolder, relFolder), n);
  if (isFolder) {
    if (!createFolder(path)) return CreateTemplateResult::Failed;
    if (createdPath) *createdPath = path;
    return CreateTemplateResult::Folder;
  }
  appendText(path, u".txt");
  // An existing template is never overwritten by a new one of the same name.
  if (pathExists(path) || !writeFileBytes(path, str8("\xEF\xBB\xBFtext"))) return CreateTemplateResult::Failed;
  if (createdPath) *createdPath = path;
  return CreateTemplateResult::File;
}

}  // namespace orv
