#include "app/DictionaryConfig.h"

#include "app/Settings.h"

namespace orv {

Str16 CfgDictionarySettings::dicOrder() { return cfgDicOrder.get(); }
Str16 CfgDictionarySettings::dicSkip() { return cfgDicSkip.get(); }

}  // namespace orv
