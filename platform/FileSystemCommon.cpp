#include "platform/FileSystem.h"

namespace orv {

Str16 joinPath(const Str16& folder, std::u16string_view name) {
  Str16 out(folder);
  if (out.size() > 0 && out.last() != u'/' && out.last() != u'\\') out.append(pathSeparator());
  appendText(out, name);
  return out;
}

}  // namespace orv
