#include <windows.h>

#include "platform/MessageBox.h"

namespace orv {

int messageBox(const Str16& text, const Str16& caption, unsigned style) {
  const wchar_t* c = caption.size() ? reinterpret_cast<const wchar_t*>(caption.data()) : nullptr;
  return MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.data()), c, style);
}

}  // namespace orv
