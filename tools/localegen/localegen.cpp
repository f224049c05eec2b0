// Generates language/LocaleTable.inc from the system's own locale data.
// Built for Windows and run under Wine by scripts/gen-locale-table; the
// output is committed, so the program never needs this tool at build time.
//
// The culture names and identifiers below are the table's own: a few are the
// older Windows names of locales that newer systems renamed (sr-Cyrl-SP,
// sr-Latn-SP, wee-DE, wen-DE, qut-GT). For those the table keeps its own
// culture name and language code and takes every other field from the system.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Row {
  const char* culture;
  unsigned lcid;
};

const Row kRows[] = {
    {"af", 0x36},        {"af-ZA", 0x436},      {"sq", 0x1C},          {"sq-AL", 0x41C},
    {"gsw-FR", 0x484},   {"ar", 0x01},          {"ar-DZ", 0x1401},     {"ar-BH", 0x3C01},
    {"ar-EG", 0x0C01},   {"ar-IQ", 0x0801},     {"ar-JO", 0x2C01},     {"ar-KW", 0x3401},
    {"ar-LB", 0x3001},   {"ar-LY", 0x1001},     {"ar-MA", 0x1801},     {"ar-OM", 0x2001},
    {"ar-QA", 0x4001},   {"ar-SA", 0x0401},     {"ar-SY", 0x2801},     {"ar-TN", 0x1C01},
    {"ar-AE", 0x3801},   {"ar-YE", 0x2401},     {"az", 0x2C},          {"az-Cyrl-AZ", 0x82C},
    {"az-Latn-AZ", 0x42C}, {"ba-RU", 0x46D},    {"eu", 0x2D},          {"eu-ES", 0x42D},
    {"be", 0x23},        {"be-BY", 0x423},      {"bs-Cyrl-BA", 0x201A}, {"bs-Latn-BA", 0x141A},
    {"br-FR", 0x47E},    {"bg", 0x02},          {"bg-BG", 0x402},      {"ca", 0x03},
    {"ca-ES", 0x403},    {"zh-HK", 0xC04},      {"zh-MO", 0x1404},     {"zh-CN", 0x804},
    {"zh-Hans", 0x04},   {"zh-SG", 0x1004},     {"zh-TW", 0x404},      {"zh-Hant", 0x7C04},
    {"co-FR", 0x483},    {"hr", 0x1A},          {"hr-HR", 0x41A},      {"hr-BA", 0x101A},
    {"cs", 0x05},        {"cs-CZ", 0x405},      {"da", 0x06},          {"da-DK", 0x406},
    {"prs-AF", 0x48C},   {"nl", 0x13},          {"nl-BE", 0x813},      {"nl-NL", 0x413},
    {"en", 0x09},        {"en-AU", 0xC09},      {"en-BZ", 0x2809},     {"en-CA", 0x1009},
    {"en-029", 0x2409},  {"en-IN", 0x4009},     {"en-IE", 0x1809},     {"en-JM", 0x2009},
    {"en-MY", 0x4409},   {"en-NZ", 0x1409},     {"en-PH", 0x3409},     {"en-SG", 0x4809},
    {"en-ZA", 0x1C09},   {"en-TT", 0x2C09},     {"en-GB", 0x809},      {"en-US", 0x409},
    {"en-ZW", 0x3009},   {"et", 0x25},          {"et-EE", 0x425},      {"fo", 0x38},
    {"fo-FO", 0x438},    {"fil-PH", 0x464},     {"fi", 0x0B},          {"fi-FI", 0x40B},
    {"fr", 0x0C},        {"fr-BE", 0x80C},      {"fr-CA", 0xC0C},      {"fr-FR", 0x40C},
    {"fr-LU", 0x140C},   {"fr-MC", 0x180C},     {"fr-CH", 0x100C},     {"fy-NL", 0x462},
    {"gl", 0x56},        {"gl-ES", 0x456},      {"de", 0x07},          {"de-AT", 0xC07},
    {"de-DE", 0x407},    {"de-LI", 0x1407},     {"de-LU", 0x1007},     {"de-CH", 0x807},
    {"el", 0x08},        {"el-GR", 0x408},      {"kl-GL", 0x46F},      {"ha-Latn-NG", 0x468},
    {"he", 0x0D},        {"he-IL", 0x40D},      {"hu", 0x0E},          {"hu-HU", 0x40E},
    {"is", 0x0F},        {"is-IS", 0x40F},      {"ig-NG", 0x470},      {"id", 0x21},
    {"id-ID", 0x421},    {"iu-Latn-CA", 0x85D}, {"ga-IE", 0x83C},      {"xh-ZA", 0x434},
    {"zu-ZA", 0x435},    {"it", 0x10},          {"it-IT", 0x410},      {"it-CH", 0x810},
    {"ja", 0x11},        {"ja-JP", 0x411},      {"kk", 0x3F},          {"kk-KZ", 0x43F},
    {"qut-GT", 0x486},   {"rw-RW", 0x487},      {"sw", 0x41},          {"sw-KE", 0x441},
    {"ko", 0x12},        {"ko-KR", 0x412},      {"ky", 0x40},          {"ky-KG", 0x440},
    {"lv", 0x26},        {"lv-LV", 0x426},      {"lt", 0x27},          {"lt-LT", 0x427},
    {"wee-DE", 0x82E},   {"lb-LU", 0x46E},      {"mk", 0x2F},          {"mk-MK", 0x42F},
    {"ms", 0x3E},        {"ms-BN", 0x83E},      {"ms-MY", 0x43E},      {"arn-CL", 0x47A},
    {"moh-CA", 0x47C},   {"mn", 0x50},          {"mn-MN", 0x450},      {"no", 0x14},
    {"nb-NO", 0x414},    {"nn-NO", 0x814},      {"oc-FR", 0x482},      {"fa", 0x29},
    {"fa-IR", 0x429},    {"pl", 0x15},          {"pl-PL", 0x415},      {"pt", 0x16},
    {"pt-BR", 0x416},    {"pt-PT", 0x816},      {"quz-BO", 0x46B},     {"quz-EC", 0x86B},
    {"quz-PE", 0xC6B},   {"ro", 0x18},          {"ro-RO", 0x418},      {"rm-CH", 0x417},
    {"ru", 0x19},        {"ru-RU", 0x419},      {"smn-FI", 0x243B},    {"smj-NO", 0x103B},
    {"smj-SE", 0x143B},  {"se-FI", 0xC3B},      {"se-NO", 0x43B},      {"se-SE", 0x83B},
    {"sms-FI", 0x203B},  {"sma-NO", 0x183B},    {"sma-SE", 0x1C3B},    {"sr", 0x7C1A},
    {"sr-Cyrl-BA", 0x1C1A}, {"sr-Cyrl-SP", 0xC1A}, {"sr-Latn-BA", 0x181A}, {"sr-Latn-SP", 0x81A},
    {"nso-ZA", 0x46C},   {"tn-ZA", 0x432},      {"sk", 0x1B},          {"sk-SK", 0x41B},
    {"sl", 0x24},        {"sl-SI", 0x424},      {"es", 0x0A},          {"es-AR", 0x2C0A},
    {"es-BO", 0x400A},   {"es-CL", 0x340A},     {"es-CO", 0x240A},     {"es-CR", 0x140A},
    {"es-DO", 0x1C0A},   {"es-EC", 0x300A},     {"es-SV", 0x440A},     {"es-GT", 0x100A},
    {"es-HN", 0x480A},   {"es-MX", 0x80A},      {"es-NI", 0x4C0A},     {"es-PA", 0x180A},
    {"es-PY", 0x3C0A},   {"es-PE", 0x280A},     {"es-PR", 0x500A},     {"es-ES", 0xC0A},
    {"es-US", 0x540A},   {"es-UY", 0x380A},     {"es-VE", 0x200A},     {"sv", 0x1D},
    {"sv-FI", 0x81D},    {"sv-SE", 0x41D},      {"tg-Cyrl-TJ", 0x428}, {"tzm-Latn-DZ", 0x85F},
    {"tt", 0x44},        {"tt-RU", 0x444},      {"th", 0x1E},          {"th-TH", 0x41E},
    {"tr", 0x1F},        {"tr-TR", 0x41F},      {"tk-TM", 0x442},      {"ug-CN", 0x480},
    {"uk", 0x22},        {"uk-UA", 0x422},      {"wen-DE", 0x42E},     {"ur", 0x20},
    {"ur-PK", 0x420},    {"uz", 0x43},          {"uz-Cyrl-UZ", 0x843}, {"uz-Latn-UZ", 0x443},
    {"vi", 0x2A},        {"vi-VN", 0x42A},      {"cy-GB", 0x452},      {"wo-SN", 0x488},
    {"sah-RU", 0x485},   {"yo-NG", 0x46A},
};

#ifndef LOCALE_SENGLISHDISPLAYNAME
#define LOCALE_SENGLISHDISPLAYNAME 0x72
#endif
#ifndef LOCALE_SNATIVEDISPLAYNAME
#define LOCALE_SNATIVEDISPLAYNAME 0x73
#endif

// Neutral locales are asked by name: asked by identifier, the system answers
// for the default specific locale ("Russian (Russia)" instead of "Russian").
bool isNeutral(unsigned lcid) { return lcid < 0x400 || lcid == 0x7C04 || lcid == 0x7C1A; }

std::wstring info(const Row& r, LCTYPE type) {
  wchar_t buf[256] = {};
  if (isNeutral(r.lcid)) {
    wchar_t name[32] = {};
    MultiByteToWideChar(CP_ACP, 0, r.culture, -1, name, 32);
    if (!GetLocaleInfoEx(name, type, buf, 256)) return L"";
  } else if (!GetLocaleInfoW(r.lcid, type, buf, 256)) {
    return L"";
  }
  return buf;
}

unsigned number(const Row& r, LCTYPE type) {
  std::wstring v = info(r, type);
  unsigned n = v.empty() ? 0 : unsigned(_wtoi(v.c_str()));
  // Newer systems list Kazakh as Unicode-only (ANSI page 0, OEM page 1). Its Cyrillic
  // letters all fit in 1251, the page Windows used for it before; keeping it
  // lets a Kazakh layout take part in conversion like any Cyrillic one.
  if (n <= 1 && std::strncmp(r.culture, "kk", 2) == 0)
    n = (type == LOCALE_IDEFAULTANSICODEPAGE) ? 1251 : 866;
  return n;
}

// Serbia and Montenegro's locales left the system's data when the country
// split; these rows are the values Windows published for them.
struct Legacy {
  unsigned lcid;
  const char* line;
};
const Legacy kLegacy[] = {
    {0xC1A, "1251, 855, \"sr\", \"sr-Cyrl-SP\", \"SCG\", \"SRB\", "
            "\"Serbian (Cyrillic, Serbia and Montenegro (Former))\", \"Serbian (Cyrillic)\", "
            "u\"\\x0441\" u\"\\x0440\" u\"\\x043F\" u\"\\x0441\" u\"\\x043A\" u\"\\x0438\" u\" "
            "(\\x0421\" u\"\\x0440\" u\"\\x0431\" u\"\\x0438\" u\"\\x0458\" u\"\\x0430\" u\" "
            "\\x0438\" u\" \\x0426\" u\"\\x0440\" u\"\\x043D\" u\"\\x0430\" u\" "
            "\\x0413\" u\"\\x043E\" u\"\\x0440\" u\"\\x0430\" u\")\""},
    {0x81A, "1250, 852, \"sr\", \"sr-Latn-SP\", \"SCG\", \"SRL\", "
            "\"Serbian (Latin, Serbia and Montenegro (Former))\", \"Serbian (Latin)\", "
            "u\"srpski (Srbija i Crna Gora)\""},
};

// The English fields are 8-bit ASCII text: a modifier apostrophe becomes a
// plain one, anything else outside ASCII a question mark.
std::string ascii(const std::wstring& w) {
  std::string out;
  for (wchar_t c : w) {
    if (c == 0x02BC || c == 0x2019) {
      out += '\'';
    } else if (c < 0x20 || c > 0x7E) {
      out += '?';
    } else {
      if (c == '"' || c == '\\') out += '\\';
      out += char(c);
    }
  }
  return out;
}

std::string wide(const std::wstring& w) {
  std::string out;
  for (size_t i = 0; i < w.size() && i < 49; ++i) {
    wchar_t c = w[i];
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
      out += char(c);
    } else {
      char e[12];
      std::snprintf(e, sizeof e, "\\x%04X\" u\"", unsigned(c));
      out += e;
    }
  }
  return out;
}

}  // namespace

int main() {
  std::printf("// Generated by tools/localegen from the system's locale data; see docs/locales.md.\n");
  std::printf("// Columns: identifier, ANSI and OEM code pages, language code, culture name,\n");
  std::printf("// region (ISO 3166 alpha-3), Windows abbreviation, English display name,\n");
  std::printf("// English language name, native display name.\n");
  int missing = 0;
  for (const Row& r : kRows) {
    unsigned lcid = r.lcid;
    std::string culture = r.culture;
    std::string lang = culture.substr(0, culture.find('-'));
    const Legacy* legacy = nullptr;
    for (const Legacy& l : kLegacy)
      if (l.lcid == lcid) legacy = &l;
    if (legacy) {
      std::printf("{0x%X, %s},\n", lcid, legacy->line);
      continue;
    }
    std::wstring display = info(r, LOCALE_SENGLISHDISPLAYNAME);
    if (display.empty()) {
      ++missing;
      std::fprintf(stderr, "no locale data for %s 0x%X\n", r.culture, lcid);
    }
    std::printf("{0x%X, %u, %u, \"%s\", \"%s\", \"%s\", \"%s\", \"%s\", \"%s\", u\"%s\"},\n", lcid,
                number(r, LOCALE_IDEFAULTANSICODEPAGE), number(r, LOCALE_IDEFAULTCODEPAGE), lang.c_str(),
                culture.c_str(), ascii(info(r, LOCALE_SISO3166CTRYNAME2)).c_str(),
                ascii(info(r, LOCALE_SABBREVLANGNAME)).c_str(), ascii(display).c_str(),
                ascii(info(r, LOCALE_SENGLISHLANGUAGENAME)).c_str(),
                wide(info(r, LOCALE_SNATIVEDISPLAYNAME)).c_str());
  }
  std::fprintf(stderr, "%d rows, %d without data\n", int(sizeof kRows / sizeof kRows[0]), missing);
  return 0;
}
