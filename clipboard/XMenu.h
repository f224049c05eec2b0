#pragma once
// XMenu: one node of a popup menu tree, a root menu, a sub-menu or an item.
// A node owns its children and deletes them with itself. Trees are built on
// any thread and handed whole to the menu session (MenuSession.h), which
// lays them out, shows them through its view and feeds them the user's
// mouse, keyboard and timer events; the data here is what both the layout
// and the painting read.

#include <cstdint>

#include "clipboard/MenuStyle.h"
#include "core/Str.h"

namespace orv {

class XMenu;

enum class MenuKind : uint32_t { Item = 0, Sub = 1, Separator = 2, Header = 3, Special = 4 };

// What a menu tells the handler of an item (or of a menu).
enum MenuEventKind : uint32_t {
  kMenuChosen = 0,      // sent after the whole menu closed, to a detached copy of the item
  kMenuQuery = 1,       // may this item be chosen? a non-zero result forbids it
  kMenuDeleted = 2,     // the root is being deleted (once per tree)
  kMenuButton = 3,      // a button was clicked; param = button number 1 to 3
  kMenuTick = 4,        // the root's timer ticked while no window has the capture
  kMenuDragEnd = 5,     // a drag ended in this menu (sent to the menu)
  kMenuWindowGone = 6,  // a menu window was destroyed
};

struct MenuEvent {
  uint32_t kind = 0;
  uint32_t param = 0;
  XMenu* item = nullptr;
  uint8_t mouseUsed = 0;
  uint32_t result = 0;
};

class MenuHandler {
 public:
  virtual ~MenuHandler() = default;
  virtual void onMenuEvent(MenuEvent& event) = 0;
};

// Character attributes: bits 0-1 the font, bit 3 strike-through, bits 8-31
// (when not all zero) the character's own colour shifted left by 8.
constexpr uint32_t kCharBold = 1;
constexpr uint32_t kCharItalic = 2;
constexpr uint32_t kCharStrike = 8;
inline uint32_t charColourAttr(uint32_t colour) { return colour << 8; }

// The image list an item's buttons index (the view holds the bitmaps).
enum class MenuImages : int32_t { None = -1, History = 0, Notes = 1, Templates = 2 };

// The width a caption column starts at for clipboard, note and template
// entries; the layout widens every such item to its widest sibling.
constexpr int32_t kEntryColumnWidth = 200;
// Without a column, captions are measured against this width.
constexpr int32_t kNoColumnWidth = 1111;

class XMenu {
 public:
  explicit XMenu(MenuKind kind = MenuKind::Item, const Str16& caption = {});
  virtual ~XMenu();
  XMenu(const XMenu&) = delete;
  XMenu& operator=(const XMenu&) = delete;

  // --- the tree (a node added or inserted belongs to this one) ---
  XMenu* add(XMenu* child);
  XMenu* insert(int32_t pos, XMenu* child);
  // Takes the child out without deleting it; null for a bad position.
  XMenu* detach(int32_t pos);
  // Deletes a child (and its children).
  void erase(XMenu* child);
  int32_t count() const { return children.size(); }
  XMenu* child(int32_t i) const { return children[i]; }
  int32_t indexOf(const XMenu* child) const;  // -1 when not a child
  XMenu* root();
  bool isMenu() const { return kind == MenuKind::Sub; }
  bool isPlainItem() const { return kind == MenuKind::Item || kind == MenuKind::Special; }
  // May be hovered or selected (not a separator or header).
  bool isSelectable() const { return kind != MenuKind::Separator && kind != MenuKind::Header; }

  // The caption with one attribute word per character (all `attr`).
  void setCaption(const Str16& text, uint32_t attr = 0);
  // Sets or clears attribute bits on every caption character.
  void setCaptionAttr(uint32_t bits, bool on);
  // Button k (0-based) shows image `image` (and image + 1 while the pointer
  // is over it), with a tooltip.
  void addButton(int32_t image, const Str16& tooltip);
  void clearButtons();
  int32_t buttonCount() const { return buttons.size(); }

  // A detached copy for the chosen event: the command record, handler,
  // caption and hint, no parent, no children, the copy flag set.
  XMenu* detachedCopy() const;

  // Sends an event to the handler (none: nothing happens); returns its result.
  uint32_t notify(uint32_t eventKind, uint32_t param = 0, uint8_t mouseUsed = 0);

  // --- fields, read by the layout, the session and the view ---
  uintptr_t window = 0;   // the view's window (HWND), 0 while not shown
  uintptr_t tooltip = 0;  // the view's tooltip window
  int32_t columnWidth = 0;
  MenuKind kind;
  int32_t titleWidth = 0, titleHeight = 0;
  int32_t width = 0, height = 0;  // the menu window's client size once laid out
  XMenu* hovered = nullptr;
  XMenu* openChild = nullptr;
  bool openFirstSub = false;
  bool selectFirst = false;
  MenuStyle style;                // copied from the master style when made
  bool entryStyle = false;        // drawn with the entry background (clipboard, notes, templates)
  uint32_t hoverStart = 0, leaveTime = 0;  // tick counts, 0 = none
  MenuImages images = MenuImages::None;
  MenuHandler* handler = nullptr;  // not owned; outlives the tree
  bool draggable = false;
  bool isCopy = false;
  XMenu* parent = nullptr;
  ArrT<XMenu*> children;
  Str16 caption;
  Str16 hint;
  ArrT<uint32_t> attrs;
  Str8 record;  // the command record, opaque here
  Str8 buttons;
  ArrT<Str16> buttonTips;
  Str16 title;  // a menu's title band text (empty: no title band)

  // Layout results, in the client coordinates of the parent menu's window
  // (items) and in screen coordinates (a shown menu's window).
  // itemWidth is the row (the menu's content width); captionWidth the
  // caption column as laid out (entries: their common column).
  int32_t itemTop = 0, itemHeight = 0, itemWidth = 0;
  int32_t captionWidth = 0;
  // The client area's top-left corner on the screen.
  int32_t screenX = 0, screenY = 0;
  int32_t windowWidth = 0, windowHeight = 0;  // client size incl. frame margins and title
};

// Layout of one menu (not its sub-menus): measures every child, equalises
// the entry caption columns, sets the item positions and the menu's size.
void layoutMenu(XMenu& menu, TextMeasure& measure);
// The caption as drawn: cut with "..." to fit `width` pixels when too long.
// `keep` receives how many caption characters are drawn before the "...".
Str16 fitCaption(const XMenu& item, TextMeasure& measure, int32_t width, int32_t& keep);

struct MenuRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Where a root menu of the laid-out size goes for an anchor rectangle inside
// the work area; with `remember` and a remembered position, there.
void placeRoot(XMenu& menu, const MenuRect& anchor, const MenuRect& work, bool remember,
               const int32_t* rememberedXY);
// Where a sub-menu goes beside its item in the shown parent.
void placeSub(XMenu& sub, const MenuRect& work);

// Hit-testing a point in a shown menu's client coordinates.
enum class MenuArea : int32_t { None = 0, Item = 1, TitleBar = 2, Close = 3 };
struct MenuHit {
  MenuArea area = MenuArea::None;
  XMenu* item = nullptr;
  int32_t button = 0;  // 1 to 3 over a button, 0 the body
};
MenuHit hitTest(const XMenu& menu, int32_t x, int32_t y);
// The rectangles the view paints and the hit-test uses (client coordinates).
MenuRect itemRect(const XMenu& menu, const XMenu& item);
MenuRect buttonRect(const XMenu& menu, const XMenu& item, int32_t button);  // 1-based
MenuRect closeButtonRect(const XMenu& menu);
// The title bar: the band above the items, the whole width of the window.
MenuRect titleRect(const XMenu& menu);
// Where the title text, an item's caption, its right-aligned hint (drawn
// right-aligned in this rectangle) and a sub-menu item's arrow go.
MenuRect titleTextRect(const XMenu& menu);
MenuRect captionRect(const XMenu& menu, const XMenu& item);
MenuRect hintRect(const XMenu& menu, const XMenu& item);
MenuRect arrowRect(const XMenu& menu, const XMenu& item);
// The height of the band above the items (title and close button).
int32_t menuTopBand(const XMenu& menu);
// Commands (plain items without a caption column) show their hint as
// right-aligned text in the row; every other item as its tooltip.
inline bool hintInRow(const XMenu& item) { return item.columnWidth == 0 && item.isPlainItem(); }

}  // namespace orv
