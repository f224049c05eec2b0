#pragma once
// The records of the hook library's shared block ("shdata" section of the
// hook library, shared by every process that maps it). The hooks write them
// inside the application's thread; the receiver copies the key and mouse
// records whole under the keyboard lock and never works on the block itself.
//
// Every field is fixed-width and little-endian so that the 32-bit product,
// the 64-bit Wine test build and the native build agree on every offset.
// Window, hook and module handles are stored in 32 bits: user handles are
// 32-bit values on every Windows build, and the 32-bit hook library is the
// only writer of the real block.

#include <cstddef>
#include <cstdint>

namespace orv {

// One key event as the keyboard hook saw it (576 bytes).
struct KeyEventRecord {
  uint32_t thread;        // application thread that received the key
  uint32_t sequenceDone;  // 1: the closing sentinel key of a synthetic sequence
  uint32_t vk;            // virtual key (the hook's wParam)
  uint32_t keyFlags;      // the hook's lParam: repeat count, scan code, bit 30 previous state, bit 31 up
  uint32_t process;
  char exeName[128];      // lower-case file name of the executable, zero-terminated, may be empty
  uint32_t layout;        // HKL of the application thread
  uint32_t action;        // 1 for HC_ACTION, 0 for HC_NOREMOVE
  uint8_t keyState[256];  // GetKeyboardState of the application thread
  int32_t caretRect[4];   // left, top, right, bottom
  int32_t caretPos[2];    // x, y
  uint32_t modifiers;     // bit 0 Shift, bit 1 Ctrl, bit 2 Alt
  uint32_t capsLock;      // 1 when Caps Lock is toggled on
  uint32_t focus;         // focus window of the application
  char focusClass[128];   // its class name, zero-terminated
};

// One mouse button event as the mouse hook saw it (556 bytes).
struct MouseEventRecord {
  int32_t pt[2];          // cursor position, x then y
  uint32_t window;        // window under the cursor
  uint32_t hitTest;
  uint32_t extraInfo;
  uint32_t message;       // the mouse message
  uint32_t thread;
  uint32_t process;
  char exeName[128];      // as in the key record
  uint32_t layout;
  uint32_t modifiers;     // bit 0 Shift, bit 1 Ctrl, bit 2 Alt
  uint8_t keyState[256];
  uint32_t focus;
  char focusClass[128];   // written only when there is a focus window
};

// Operations a synthetic key sequence can belong to (HookShared::operation).
enum SequenceOperation : uint32_t {
  kOpRetype = 0,
  kOpConvertNext = 1,
  kOpConvertBetween = 2,
  kOpTransliterate = 3,
  kOpCopyOnly = 4,
  kOpCopyForSpelling = 5,
};

// The whole shared block (1460 bytes).
struct HookShared {
  uint32_t module;          // module handle given to hookAll
  uint32_t keyboardHook;    // WH_KEYBOARD hook, 0 when not installed
  uint32_t mouseHook;       // WH_MOUSE hook
  uint32_t getMessageHook;  // WH_GETMESSAGE hook
  uint32_t busy;            // 1 while the keyboard hook removes a message itself
  uint32_t unused20;
  uint32_t receiver;        // receiver window; getDLLxEXE returns this field's address
  uint32_t unhooking;       // 1 from unhookAll until the next hookAll
  uint32_t resetCount;      // bumped by every reset of the typed text; not read by the library
  KeyEventRecord key;
  MouseEventRecord mouse;
  uint32_t sequenceActive;  // 1 while a synthetic key sequence runs
  uint32_t operation;       // SequenceOperation of the running sequence
  uint8_t leftShift, rightShift, leftCtrl, rightCtrl;  // held when the sequence started
  uint32_t programProcess;  // the program's process id; not read by the library
  uint32_t unused1184;
  uint8_t swallowUp[256];   // 1 = swallow the next key-up of this virtual key
  uint8_t cursorNotHand;    // at a middle-button press: not the standard hand cursor
  uint8_t unused1445[3];
  uint32_t capture;         // GetCapture() at the reported event
  uint32_t pasteLayout;     // layout activated around the paste sequence, 0 for none
  uint32_t eraseCount;      // characters erased before pasting
};

// The program clears this many bytes from `receiver` to the end of
// `eraseCount` when it installs the hooks.
constexpr size_t kSharedClearBytes = 1436;

static_assert(sizeof(KeyEventRecord) == 576, "key record size");
static_assert(sizeof(MouseEventRecord) == 556, "mouse record size");
static_assert(sizeof(HookShared) == 1460, "shared block size");
static_assert(sizeof(HookShared) - offsetof(HookShared, receiver) == kSharedClearBytes, "cleared span");

}  // namespace orv
