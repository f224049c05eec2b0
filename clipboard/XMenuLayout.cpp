#include "clipboard/XMenu.h"

namespace orv {

namespace {

constexpr int32_t kSeparatorWidth = 1;
constexpr int32_t kSeparatorHeight = 10;
constexpr int32_t kButtonGap = 3;   // before each button
constexpr int32_t kHintGap = 16;    // between a caption and its right-aligned hint
constexpr int32_t kTitleCloseRoom = 16;
// A root opens this far below its anchor (or above it).
constexpr int32_t kAnchorGap = 4;
// A sub-menu overlaps its parent by this much.
constexpr int32_t kSubOverlap = 4;

const Str16 kEllipsis = str16(u"...");

const MenuItemStyle& styleOf(const XMenu& menu, const XMenu& item) {
  return item.kind == MenuKind::Header ? menu.style.header : menu.style.item;
}

// The style an item is measured with: its menu's, or its own when loose.
const MenuItemStyle& ownStyle(const XMenu& item) {
  return styleOf(item.parent ? *item.parent : item, item);
}

int32_t textWidth(TextMeasure& m, const Str16& font, const Str16& text) {
  int32_t w = 0;
  for (int32_t i = 0; i < text.size(); ++i) w += m.charWidth(font, text[i]);
  return w;
}

// Cuts the caption to `width` pixels; returns the drawn width.
int32_t fit(const XMenu& item, const MenuItemStyle& st, TextMeasure& m, int32_t width,
            int32_t& keep) {
  int32_t n = item.caption.size();
  ArrT<int32_t> w;
  int32_t total = 0;
  for (int32_t i = 0; i < n; ++i) {
    uint32_t a = i < item.attrs.size() ? item.attrs[i] : 0;
    w.append(m.charWidth(st.fonts[a & 3], item.caption[i]));
    total += w[i];
  }
  keep = n;
  if (total <= width) return total;
  int32_t dots = textWidth(m, st.fonts[0], kEllipsis);
  while (keep > 0 && total + dots > width) total -= w[--keep];
  return total + dots;
}

int32_t textHeight(const XMenu& item, const MenuItemStyle& st, TextMeasure& m) {
  uint32_t used = 1;  // the regular font sets the height of an empty caption
  for (int32_t i = 0; i < item.attrs.size(); ++i) used |= 1u << (item.attrs[i] & 3);
  int32_t h = 0;
  for (int32_t f = 0; f < 4; ++f)
    if (used & (1u << f)) {
      int32_t lh = m.lineHeight(st.fonts[f]);
      if (lh > h) h = lh;
    }
  return h;
}

int32_t buttonsWidth(const XMenu& menu, const XMenu& item) {
  return item.buttonCount() * (kButtonGap + menu.style.buttonSize);
}

int32_t hintWidth(const XMenu& item, const MenuItemStyle& st, TextMeasure& m) {
  if (!hintInRow(item) || !item.hint.size()) return 0;
  return kHintGap + textWidth(m, st.fonts[0], item.hint);
}

int32_t arrowWidth(const XMenu& item) { return item.isMenu() ? item.itemHeight : 0; }

int32_t clampLow(int32_t v, int32_t low) { return v < low ? low : v; }

}  // namespace

int32_t menuTopBand(const XMenu& menu) {
  int32_t top = menu.style.frame.margins.top;
  return menu.titleHeight > top ? menu.titleHeight : top;
}

Str16 fitCaption(const XMenu& item, TextMeasure& measure, int32_t width, int32_t& keep) {
  fit(item, ownStyle(item), measure, width, keep);
  Str16 out(item.caption.data(), keep);
  if (keep < item.caption.size()) out.append(kEllipsis);
  return out;
}

void layoutMenu(XMenu& menu, TextMeasure& measure) {
  const MenuFrameStyle& fr = menu.style.frame;
  menu.titleWidth = menu.titleHeight = 0;
  if (menu.title.size()) {
    menu.titleWidth = textWidth(measure, fr.titleFont, menu.title) + 2 * fr.titleMarginX + kTitleCloseRoom;
    menu.titleHeight = measure.lineHeight(fr.titleFont) + 2 * fr.titleMarginY;
  }

  // Entries share one caption column: the widest of their columns and
  // measured captions, so that their buttons line up.
  int32_t column = 0;
  for (XMenu* c : menu.children) {
    if (c->columnWidth <= 0 || c->kind == MenuKind::Separator) continue;
    int32_t keep = 0;
    int32_t w = fit(*c, styleOf(menu, *c), measure, c->columnWidth, keep);
    if (c->columnWidth > column) column = c->columnWidth;
    if (w > column) column = w;
  }

  int32_t content = menu.titleWidth, y = menuTopBand(menu);
  for (XMenu* c : menu.children) {
    c->itemTop = y;
    if (c->kind == MenuKind::Separator) {
      c->itemHeight = kSeparatorHeight;
      c->captionWidth = 0;
      if (kSeparatorWidth > content) content = kSeparatorWidth;
      y += c->itemHeight;
      continue;
    }
    const MenuItemStyle& st = styleOf(menu, *c);
    int32_t keep = 0;
    if (c->columnWidth > 0) {
      c->columnWidth = column;
      c->captionWidth = column;
    } else {
      c->captionWidth = fit(*c, st, measure, kNoColumnWidth, keep);
    }
    int32_t inner = textHeight(*c, st, measure);
    if (c->buttonCount() && menu.style.buttonSize > inner) inner = menu.style.buttonSize;
    c->itemHeight = inner + st.margins.top + st.margins.bottom;
    int32_t w = st.margins.left + c->captionWidth + hintWidth(*c, st, measure) + buttonsWidth(menu, *c) +
                arrowWidth(*c) + st.margins.right;
    if (w > content) content = w;
    y += c->itemHeight;
  }
  for (XMenu* c : menu.children) c->itemWidth = content;

  menu.width = content;
  menu.height = y - menuTopBand(menu);
  menu.windowWidth = fr.margins.left + content + fr.margins.right;
  menu.windowHeight = y + fr.margins.bottom;
}

void placeRoot(XMenu& menu, const MenuRect& anchor, const MenuRect& work, bool remember,
               const int32_t* rememberedXY) {
  int32_t w = menu.windowWidth, h = menu.windowHeight;
  int32_t x = anchor.left, y = anchor.bottom + kAnchorGap;
  if (remember && rememberedXY) {
    x = rememberedXY[0];
    y = rememberedXY[1];
  }
  if (y + h > work.bottom) {
    if (remember)
      y = work.bottom - h;
    else
      y = anchor.top - h - kAnchorGap;
  }
  if (x + w > work.right) x = work.right - w;
  menu.screenX = clampLow(x, work.left);
  menu.screenY = clampLow(y, work.top);
}

void placeSub(XMenu& sub, const MenuRect& work) {
  const XMenu* parent = sub.parent;
  int32_t w = sub.windowWidth, h = sub.windowHeight;
  int32_t px = parent ? parent->screenX : 0, py = parent ? parent->screenY : 0;
  int32_t pw = parent ? parent->windowWidth : 0;
  int32_t x = px + pw - kSubOverlap, y = py + sub.itemTop;
  if (y + h > work.bottom) y = clampLow(y - (h - sub.itemHeight), work.top);
  if (x + w > work.right) x = clampLow(px - w + kSubOverlap, work.left);
  sub.screenX = x;
  sub.screenY = clampLow(y, work.top);
}

MenuRect titleRect(const XMenu& menu) { return {0, 0, menu.windowWidth, menuTopBand(menu)}; }

MenuRect closeButtonRect(const XMenu& menu) {
  const MenuMargins& m = menu.style.frame.margins;
  int32_t band = menuTopBand(menu);
  // Centred in the left margin when it is wide enough, else in a square of
  // the band's height at the left end.
  const int32_t size = menu.style.closeSize;
  int32_t x = (m.left >= size ? m.left : band) - size;
  x = clampLow(x / 2, 0);
  int32_t y = clampLow((band - size) / 2, 0);
  return {x, y, x + size, y + size};
}

MenuRect titleTextRect(const XMenu& menu) {
  const MenuFrameStyle& fr = menu.style.frame;
  int32_t left = fr.margins.left + kTitleCloseRoom;
  MenuRect close = closeButtonRect(menu);
  if (close.right > left) left = close.right;
  return {left + fr.titleMarginX, 0, menu.windowWidth - fr.margins.right - fr.titleMarginX,
          menuTopBand(menu)};
}

MenuRect itemRect(const XMenu& menu, const XMenu& item) {
  int32_t left = menu.style.frame.margins.left;
  return {left, item.itemTop, left + menu.width, item.itemTop + item.itemHeight};
}

MenuRect captionRect(const XMenu& menu, const XMenu& item) {
  MenuRect r = itemRect(menu, item);
  const MenuItemStyle& st = styleOf(menu, item);
  r.left += st.margins.left;
  r.right = r.left + item.captionWidth;
  r.top += st.margins.top;
  r.bottom -= st.margins.bottom;
  return r;
}

MenuRect buttonRect(const XMenu& menu, const XMenu& item, int32_t button) {
  MenuRect c = captionRect(menu, item);
  const int32_t size = menu.style.buttonSize;
  int32_t x = c.right + kButtonGap + (button - 1) * (kButtonGap + size);
  int32_t y = item.itemTop + (item.itemHeight - size) / 2;
  return {x, y, x + size, y + size};
}

MenuRect hintRect(const XMenu& menu, const XMenu& item) {
  MenuRect c = captionRect(menu, item);
  MenuRect r = itemRect(menu, item);
  int32_t right = r.right - styleOf(menu, item).margins.right - arrowWidth(item);
  return {c.right + buttonsWidth(menu, item) + kHintGap, c.top, right, c.bottom};
}

MenuRect arrowRect(const XMenu& menu, const XMenu& item) {
  MenuRect r = itemRect(menu, item);
  return {r.right - arrowWidth(item), r.top, r.right, r.bottom};
}

MenuHit hitTest(const XMenu& menu, int32_t x, int32_t y) {
  MenuHit hit;
  auto inside = [&](const MenuRect& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
  if (!inside({0, 0, menu.windowWidth, menu.windowHeight})) return hit;
  if (inside(closeButtonRect(menu))) {
    hit.area = MenuArea::Close;
    return hit;
  }
  if (inside(titleRect(menu))) {
    hit.area = MenuArea::TitleBar;
    return hit;
  }
  for (XMenu* c : menu.children) {
    if (!inside(itemRect(menu, *c))) continue;
    hit.area = MenuArea::Item;
    hit.item = c;
    for (int32_t b = 1; b <= c->buttonCount(); ++b)
      if (inside(buttonRect(menu, *c, b))) hit.button = b;
    break;
  }
  return hit;
}

}  // namespace orv
