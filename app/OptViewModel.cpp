#include "app/OptViewModel.h"

#include "app/Settings.h"
#include "clipboard/MenuStyle.h"

namespace orv {

namespace {
int32_t clampTo(const CfgInt& setting, int32_t v) {
  return v < setting.minimum() ? setting.minimum() : (v > setting.maximum() ? setting.maximum() : v);
}
}  // namespace

void OptViewModel::load() {
  myFontName = cfgMenuFontName.get();
  mySizeIndex = cfgMenuFontSizeIdx.get();
  myTransparency = cfgTransparency.get();
}

void OptViewModel::apply() const {
  cfgMenuFontName.set(myFontName);
  cfgMenuFontSizeIdx.set(mySizeIndex);
  cfgTransparency.set(myTransparency);
}

void OptViewModel::setSizeIndex(int32_t index) { mySizeIndex = clampTo(cfgMenuFontSizeIdx, index); }
void OptViewModel::setTransparency(int32_t alpha) { myTransparency = clampTo(cfgTransparency, alpha); }

int32_t OptViewModel::sizeCount() { return static_cast<int32_t>(sizeof kMenuFontSizes / sizeof kMenuFontSizes[0]); }

int32_t OptViewModel::pointSize(int32_t index) {
  return kMenuFontSizes[index < 0 ? 0 : (index >= sizeCount() ? sizeCount() - 1 : index)];
}

}  // namespace orv
