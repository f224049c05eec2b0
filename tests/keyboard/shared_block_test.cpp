// The shared block is read by the 32-bit hook library in every process and
// by the program: every offset is fixed, on every build.

#include <gtest/gtest.h>

#include <cstddef>

#include "hook/SharedBlock.h"

namespace orv {
namespace {

constexpr size_t kKey = offsetof(HookShared, key);
constexpr size_t kMouse = offsetof(HookShared, mouse);

// The record and block sizes are asserted where they are declared, the
// offsets the hook library reads in hook/win32/HookDll.cpp; these are the rest.
static_assert(offsetof(HookShared, module) == 0);
static_assert(offsetof(HookShared, keyboardHook) == 4);
static_assert(offsetof(HookShared, mouseHook) == 8);
static_assert(offsetof(HookShared, getMessageHook) == 12);
static_assert(offsetof(HookShared, busy) == 16);
static_assert(offsetof(HookShared, unhooking) == 28);
static_assert(offsetof(HookShared, resetCount) == 32);
static_assert(offsetof(HookShared, operation) == 1172);
static_assert(offsetof(HookShared, rightShift) == 1177);
static_assert(offsetof(HookShared, leftCtrl) == 1178);
static_assert(offsetof(HookShared, rightCtrl) == 1179);
static_assert(offsetof(HookShared, programProcess) == 1180);
static_assert(offsetof(HookShared, capture) == 1448);
static_assert(offsetof(HookShared, pasteLayout) == 1452);

static_assert(kKey + offsetof(KeyEventRecord, thread) == 36);
static_assert(kKey + offsetof(KeyEventRecord, sequenceDone) == 40);
static_assert(kKey + offsetof(KeyEventRecord, vk) == 44);
static_assert(kKey + offsetof(KeyEventRecord, keyFlags) == 48);
static_assert(kKey + offsetof(KeyEventRecord, process) == 52);
static_assert(kKey + offsetof(KeyEventRecord, exeName) == 56);
static_assert(kKey + offsetof(KeyEventRecord, layout) == 184);
static_assert(kKey + offsetof(KeyEventRecord, action) == 188);
static_assert(kKey + offsetof(KeyEventRecord, keyState) == 192);
static_assert(kKey + offsetof(KeyEventRecord, caretRect) == 448);
static_assert(kKey + offsetof(KeyEventRecord, caretPos) == 464);
static_assert(kKey + offsetof(KeyEventRecord, modifiers) == 472);
static_assert(kKey + offsetof(KeyEventRecord, capsLock) == 476);
static_assert(kKey + offsetof(KeyEventRecord, focus) == 480);
static_assert(kKey + offsetof(KeyEventRecord, focusClass) == 484);

static_assert(kMouse + offsetof(MouseEventRecord, pt) == 612);
static_assert(kMouse + offsetof(MouseEventRecord, window) == 620);
static_assert(kMouse + offsetof(MouseEventRecord, hitTest) == 624);
static_assert(kMouse + offsetof(MouseEventRecord, extraInfo) == 628);
static_assert(kMouse + offsetof(MouseEventRecord, message) == 632);
static_assert(kMouse + offsetof(MouseEventRecord, thread) == 636);
static_assert(kMouse + offsetof(MouseEventRecord, process) == 640);
static_assert(kMouse + offsetof(MouseEventRecord, exeName) == 644);
static_assert(kMouse + offsetof(MouseEventRecord, layout) == 772);
static_assert(kMouse + offsetof(MouseEventRecord, modifiers) == 776);
static_assert(kMouse + offsetof(MouseEventRecord, keyState) == 780);
static_assert(kMouse + offsetof(MouseEventRecord, focus) == 1036);
static_assert(kMouse + offsetof(MouseEventRecord, focusClass) == 1040);

}  // namespace
}  // namespace orv
