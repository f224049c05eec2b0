#include "app/UserLanguage.h"

#include "app/Settings.h"
#include "core/SynchObject.h"
#include "language/Locale.h"
#include "platform/Text.h"
#include "platform/UserLocale.h"

namespace orv {

namespace {
SynchObject g_lock;
}

UserLanguage userLanguageFor(uint32_t langId) {
  MyNLS rec = localeRecord(langId);
  if (rec.lcid == 0) rec = localeRecord(1033);
  UserLanguage user;
  user.ansiCodePage = rec.ansiCodePage ? rec.ansiCodePage : 1252;
  user.isoName = str8(rec.language ? rec.language : "en");
  user.cultureName = str8(rec.culture ? rec.culture : "en-US");
  user.langId = rec.lcid ? rec.lcid : 1033;
  return user;
}

const UserLanguage& userLanguage() {
  static UserLanguage user;
  SynchObject::Guard g(g_lock);
  if (user.langId == 0) user = userLanguageFor(userDefaultLangId());
  return user;
}

const UserLanguage& chooseInterfaceLanguage() {
  const UserLanguage& user = userLanguage();
  if (cfgInterfaceLang.get().empty()) cfgInterfaceLang.set(toWide(user.isoName, kCpAnsi));
  return user;
}

}  // namespace orv
