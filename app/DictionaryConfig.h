#pragma once
// The dictionary set's settings bound to the INI file's "dic" section
// ("order" and "skip"), what the program hands to DictionarySet.

#include "language/DictionarySeams.h"

namespace orv {

class CfgDictionarySettings : public IDictionarySettings {
 public:
  Str16 dicOrder() override;
  Str16 dicSkip() override;
};

}  // namespace orv
