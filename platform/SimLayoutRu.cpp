// Russian (0x04190419, KBDRU.DLL, the "ЙЦУКЕН" layout). Code page 1251.
// Every Cyrillic letter follows Caps Lock, Ё included; digits and the
// punctuation keys do not. Shift gives Russian punctuation on the digit row
// (" № ; : ?). The keys at scan 0x2B and 0x56 both give \ and /.

#include "platform/SimLayouts.h"

namespace orv {
namespace {

constexpr uint8_t C = kCapsAsShift;

const SimKey kKeys[] = {
    // scan  vk    plain     shift     attr
    {0x29, 0xC0, u'\u0451', u'\u0401', C},  // ё Ё
    {0x02, '1', u'1', u'!', 0},
    {0x03, '2', u'2', u'"', 0},
    {0x04, '3', u'3', u'\u2116', 0},        // №
    {0x05, '4', u'4', u';', 0},
    {0x06, '5', u'5', u'%', 0},
    {0x07, '6', u'6', u':', 0},
    {0x08, '7', u'7', u'?', 0},
    {0x09, '8', u'8', u'*', 0},
    {0x0A, '9', u'9', u'(', 0},
    {0x0B, '0', u'0', u')', 0},
    {0x0C, 0xBD, u'-', u'_', 0},
    {0x0D, 0xBB, u'=', u'+', 0},

    {0x10, 'Q', u'\u0439', u'\u0419', C},   // й
    {0x11, 'W', u'\u0446', u'\u0426', C},   // ц
    {0x12, 'E', u'\u0443', u'\u0423', C},   // у
    {0x13, 'R', u'\u043A', u'\u041A', C},   // к
    {0x14, 'T', u'\u0435', u'\u0415', C},   // е
    {0x15, 'Y', u'\u043D', u'\u041D', C},   // н
    {0x16, 'U', u'\u0433', u'\u0413', C},   // г
    {0x17, 'I', u'\u0448', u'\u0428', C},   // ш
    {0x18, 'O', u'\u0449', u'\u0429', C},   // щ
    {0x19, 'P', u'\u0437', u'\u0417', C},   // з
    {0x1A, 0xDB, u'\u0445', u'\u0425', C},  // х
    {0x1B, 0xDD, u'\u044A', u'\u042A', C},  // ъ

    {0x1E, 'A', u'\u0444', u'\u0424', C},   // ф
    {0x1F, 'S', u'\u044B', u'\u042B', C},   // ы
    {0x20, 'D', u'\u0432', u'\u0412', C},   // в
    {0x21, 'F', u'\u0430', u'\u0410', C},   // а
    {0x22, 'G', u'\u043F', u'\u041F', C},   // п
    {0x23, 'H', u'\u0440', u'\u0420', C},   // р
    {0x24, 'J', u'\u043E', u'\u041E', C},   // о
    {0x25, 'K', u'\u043B', u'\u041B', C},   // л
    {0x26, 'L', u'\u0434', u'\u0414', C},   // д
    {0x27, 0xBA, u'\u0436', u'\u0416', C},  // ж
    {0x28, 0xDE, u'\u044D', u'\u042D', C},  // э
    {0x2B, 0xDC, u'\\', u'/', 0},

    {0x56, 0xE2, u'\\', u'/', 0},
    {0x2C, 'Z', u'\u044F', u'\u042F', C},   // я
    {0x2D, 'X', u'\u0447', u'\u0427', C},   // ч
    {0x2E, 'C', u'\u0441', u'\u0421', C},   // с
    {0x2F, 'V', u'\u043C', u'\u041C', C},   // м
    {0x30, 'B', u'\u0438', u'\u0418', C},   // и
    {0x31, 'N', u'\u0442', u'\u0422', C},   // т
    {0x32, 'M', u'\u044C', u'\u042C', C},   // ь
    {0x33, 0xBC, u'\u0431', u'\u0411', C},  // б
    {0x34, 0xBE, u'\u044E', u'\u042E', C},  // ю
    {0x35, 0xBF, u'.', u',', 0},
};

}  // namespace

extern const SimLayout kSimLayoutRu = {
    0x04190419, "ru", "Russian", 1251, kKeys, int32_t(sizeof(kKeys) / sizeof(kKeys[0])), nullptr, 0};

}  // namespace orv
