#pragma once
// The message-box port: a modal box with a text, a caption, buttons and an
// icon. The Win32 shell shows MessageBoxW; the simulated desktop shows
// nothing, records the box and answers as its test arranged
// (platform/sim/SimMessageBox.h).

#include "core/Str.h"

namespace orv {

// Style bits and answers, with the values of the Win32 constants.
constexpr unsigned kMbOk = 0x0;
constexpr unsigned kMbOkCancel = 0x1;
constexpr unsigned kMbIconError = 0x10;
constexpr unsigned kMbIconQuestion = 0x20;
constexpr unsigned kMbIconExclamation = 0x30;
constexpr unsigned kMbIconInformation = 0x40;
constexpr unsigned kMbSetForeground = 0x10000;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// Shows the box without an owner window; an empty caption gives the system's
// default caption. Returns the button chosen.
int messageBox(const Str16& text, const Str16& caption, unsigned style);

}  // namespace orv
