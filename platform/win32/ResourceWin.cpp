// Windows shell of the resource port.

#include <windows.h>

#include "platform/Resource.h"

namespace orv {

bool loadDataResource(const char* name, Str8& out) {
  out.clear();
  out.data();
  HRSRC res = FindResourceA(nullptr, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!res) return false;
  HGLOBAL mem = LoadResource(nullptr, res);
  DWORD size = SizeofResource(nullptr, res);
  const void* data = mem ? LockResource(mem) : nullptr;
  if (!data) return false;
  out.append(static_cast<const char*>(data), static_cast<int32_t>(size));
  return true;
}

}  // namespace orv
