#include "app/Cfg.h"

#include <cstdio>

#include "app/AppPaths.h"
#include "core/SynchObject.h"
#include "platform/Profile.h"

namespace orv {

namespace {

SynchObject g_settingsLock;

void writeSetting(const char16_t* section, const char16_t* key, const char16_t* value) {
  writeProfileString(section, key, value, iniPath16());  // failures leave the value in memory only
}

Str16 formatInt(int32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d", static_cast<int>(v));
  Str16 out;
  for (const char* p = buf; *p; ++p) out.append(char16_t(*p));
  return out;
}

bool isCSpace(char16_t c) { return c == u' ' || (c >= 0x09 && c <= 0x0D); }

}  // namespace

CfgBase* CfgBase::theFirst = nullptr;

CfgBase::CfgBase(const char16_t* section, const char16_t* key) : mySection(section), myKey(key) {
  myNext = theFirst;
  theFirst = this;
}

bool parseLeadingInt(const char16_t* text, int32_t& value) {
  const char16_t* p = text;
  while (isCSpace(*p)) ++p;
  bool negative = false;
  if (*p == u'+' || *p == u'-') negative = *p++ == u'-';
  if (*p < u'0' || *p > u'9') return false;
  int64_t v = 0;
  for (; *p >= u'0' && *p <= u'9'; ++p)
    if (v <= INT64_C(0x80000000)) v = v * 10 + (*p - u'0');
  if (negative) v = -v;
  value = v > INT32_MAX ? INT32_MAX : (v < INT32_MIN ? INT32_MIN : static_cast<int32_t>(v));
  return true;
}

CfgInt::CfgInt(const char16_t* section, const char16_t* key, int32_t def, int32_t min, int32_t max)
    : CfgBase(section, key), myValue(def), myDefault(def), myMin(min), myMax(max) {}

void CfgInt::write(int32_t v) { writeSetting(mySection, myKey, formatInt(v).data()); }

int32_t CfgInt::get() {
  if (myLoaded.load(std::memory_order_acquire)) return myValue.load(std::memory_order_relaxed);
  SynchObject::Guard g(g_settingsLock);
  if (!myLoaded.load(std::memory_order_relaxed)) {
    char16_t buf[100];
    uint32_t n = getProfileString(mySection, myKey, u"", buf, 100, iniPath16());
    int32_t v;
    if (n > 0 && parseLeadingInt(buf, v))
      myValue.store(clamp(v), std::memory_order_relaxed);
    else
      write(myValue.load(std::memory_order_relaxed));
    myLoaded.store(true, std::memory_order_release);
  }
  return myValue.load(std::memory_order_relaxed);
}

void CfgInt::set(int32_t value) {
  value = clamp(value);
  SynchObject::Guard g(g_settingsLock);
  if (myLoaded.load(std::memory_order_relaxed) && myValue.load(std::memory_order_relaxed) == value) return;
  myValue.store(value, std::memory_order_relaxed);
  myLoaded.store(true, std::memory_order_release);
  write(value);
}

void CfgInt::forget() {
  SynchObject::Guard g(g_settingsLock);
  myValue.store(myDefault);
  myLoaded.store(false);
}

CfgStr::CfgStr(const char16_t* section, const char16_t* key, const char16_t* def)
    : CfgBase(section, key), myDefault(def) {}

Str16 CfgStr::get() {
  SynchObject::Guard g(g_settingsLock);
  if (myLoaded && myHasText) return myText;
  myLoaded = true;
  Str16 path = iniPath16();
  Str16 buf;
  uint32_t size = 1000, n;
  for (;;) {
    buf.isetSize(int32_t(size));
    n = getProfileString(mySection, myKey, u"", buf.data(), size, path);
    if (n < size - 1 || size >= 0x4000000) break;
    size *= 2;
  }
  if (n == 0) {
    myText.clear();
    appendText(myText, myDefault ? myDefault : u"");
    myText.data();
    writeSetting(mySection, myKey, myText.data());
  } else {
    myText = Str16(buf.data(), int32_t(n));
  }
  myHasText = true;
  return myText;
}

void CfgStr::set(const char16_t* text) {
  Str16 v;
  appendText(v, text ? text : u"");
  v.data();
  SynchObject::Guard g(g_settingsLock);
  if (myLoaded && myHasText && v == myText) return;
  int32_t len = v.size();
  while (len > 0 && v[len - 1] == u' ') --len;
  v.isetSize(len);
  myText = v;
  myHasText = true;
  myLoaded = true;
  writeSetting(mySection, myKey, myText.data());
}

void CfgStr::forget() {
  SynchObject::Guard g(g_settingsLock);
  myText.clear();
  myHasText = false;
  myLoaded = false;
}

void forgetAllSettings() {
  for (CfgBase* c = CfgBase::first(); c; c = c->next()) c->forget();
  forgetDevelMode();
}

namespace {
int g_devel = -1;  // -1 not read yet
}

bool develMode() {
  SynchObject::Guard g(g_settingsLock);
  if (g_devel < 0) {
    char16_t buf[100];
    getProfileString(u"common", u"devel", u"", buf, 100, iniPath16());
    g_devel = buf[0] == u'1' && buf[1] == 0 ? 1 : 0;
  }
  return g_devel == 1;
}

void forgetDevelMode() {
  SynchObject::Guard g(g_settingsLock);
  g_devel = -1;
}

}  // namespace orv
