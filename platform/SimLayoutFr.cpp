// French (0x040C040C, KBDFR.DLL, AZERTY). Code page 1252.
// The digit row gives & é " ' ( - è _ ç à plain and the digits with Shift;
// Caps Lock acts like Shift on every key except ² and < (so Caps Lock + é
// gives 2, and Caps Lock on the ^ key gives the dead ¨). Dead keys: ^ and ¨
// on scan 0x1A; ~ and ` exist only with AltGr (AltGr+2, AltGr+7) and are
// kept in the combinations for completeness.

#include "platform/SimLayouts.h"

namespace orv {
namespace {

constexpr uint8_t C = kCapsAsShift;

const SimKey kKeys[] = {
    // scan  vk    plain     shift     attr
    {0x29, 0xDE, u'\u00B2', 0, 0},                              // ² (nothing with Shift)
    {0x02, '1', u'&', u'1', C},
    {0x03, '2', u'\u00E9', u'2', C},                            // é
    {0x04, '3', u'"', u'3', C},
    {0x05, '4', u'\'', u'4', C},
    {0x06, '5', u'(', u'5', C},
    {0x07, '6', u'-', u'6', C},
    {0x08, '7', u'\u00E8', u'7', C},                            // è
    {0x09, '8', u'_', u'8', C},
    {0x0A, '9', u'\u00E7', u'9', C},                            // ç
    {0x0B, '0', u'\u00E0', u'0', C},                            // à
    {0x0C, 0xDB, u')', u'\u00B0', C},                           // °
    {0x0D, 0xBB, u'=', u'+', C},

    {0x10, 'A', u'a', u'A', C},
    {0x11, 'Z', u'z', u'Z', C},
    {0x12, 'E', u'e', u'E', C},
    {0x13, 'R', u'r', u'R', C},
    {0x14, 'T', u't', u'T', C},
    {0x15, 'Y', u'y', u'Y', C},
    {0x16, 'U', u'u', u'U', C},
    {0x17, 'I', u'i', u'I', C},
    {0x18, 'O', u'o', u'O', C},
    {0x19, 'P', u'p', u'P', C},
    {0x1A, 0xDD, u'^', u'\u00A8', C | kDeadPlain | kDeadShift}, // ^ ¨ (both dead)
    {0x1B, 0xBA, u'$', u'\u00A3', C},                           // £

    {0x1E, 'Q', u'q', u'Q', C},
    {0x1F, 'S', u's', u'S', C},
    {0x20, 'D', u'd', u'D', C},
    {0x21, 'F', u'f', u'F', C},
    {0x22, 'G', u'g', u'G', C},
    {0x23, 'H', u'h', u'H', C},
    {0x24, 'J', u'j', u'J', C},
    {0x25, 'K', u'k', u'K', C},
    {0x26, 'L', u'l', u'L', C},
    {0x27, 'M', u'm', u'M', C},
    {0x28, 0xC0, u'\u00F9', u'%', C},                           // ù
    {0x2B, 0xDC, u'*', u'\u00B5', C},                           // µ

    {0x56, 0xE2, u'<', u'>', 0},
    {0x2C, 'W', u'w', u'W', C},
    {0x2D, 'X', u'x', u'X', C},
    {0x2E, 'C', u'c', u'C', C},
    {0x2F, 'V', u'v', u'V', C},
    {0x30, 'B', u'b', u'B', C},
    {0x31, 'N', u'n', u'N', C},
    {0x32, 0xBC, u',', u'?', C},
    {0x33, 0xBE, u';', u'.', C},
    {0x34, 0xBF, u':', u'/', C},
    {0x35, 0xDF, u'!', u'\u00A7', C},                           // §
};

const SimDeadCombo kCombos[] = {
    {u'^', u'a', u'\u00E2'}, {u'^', u'e', u'\u00EA'}, {u'^', u'i', u'\u00EE'},
    {u'^', u'o', u'\u00F4'}, {u'^', u'u', u'\u00FB'}, {u'^', u'A', u'\u00C2'},
    {u'^', u'E', u'\u00CA'}, {u'^', u'I', u'\u00CE'}, {u'^', u'O', u'\u00D4'},
    {u'^', u'U', u'\u00DB'}, {u'^', u' ', u'^'},

    {u'\u00A8', u'a', u'\u00E4'}, {u'\u00A8', u'e', u'\u00EB'}, {u'\u00A8', u'i', u'\u00EF'},
    {u'\u00A8', u'o', u'\u00F6'}, {u'\u00A8', u'u', u'\u00FC'}, {u'\u00A8', u'y', u'\u00FF'},
    {u'\u00A8', u'A', u'\u00C4'}, {u'\u00A8', u'E', u'\u00CB'}, {u'\u00A8', u'I', u'\u00CF'},
    {u'\u00A8', u'O', u'\u00D6'}, {u'\u00A8', u'U', u'\u00DC'}, {u'\u00A8', u' ', u'\u00A8'},

    {u'~', u'a', u'\u00E3'}, {u'~', u'A', u'\u00C3'}, {u'~', u'n', u'\u00F1'},
    {u'~', u'N', u'\u00D1'}, {u'~', u'o', u'\u00F5'}, {u'~', u'O', u'\u00D5'},
    {u'~', u' ', u'~'},

    {u'`', u'a', u'\u00E0'}, {u'`', u'e', u'\u00E8'}, {u'`', u'i', u'\u00EC'},
    {u'`', u'o', u'\u00F2'}, {u'`', u'u', u'\u00F9'}, {u'`', u'A', u'\u00C0'},
    {u'`', u'E', u'\u00C8'}, {u'`', u'I', u'\u00CC'}, {u'`', u'O', u'\u00D2'},
    {u'`', u'U', u'\u00D9'}, {u'`', u' ', u'`'},
};

}  // namespace

extern const SimLayout kSimLayoutFr = {0x040C040C, "fr", "French", 1252,
                                       kKeys, int32_t(sizeof(kKeys) / sizeof(kKeys[0])),
                                       kCombos, int32_t(sizeof(kCombos) / sizeof(kCombos[0]))};

}  // namespace orv
