// German (0x04070407, KBDGR.DLL, QWERTZ). Code page 1252.
// Caps Lock acts like Shift on the letters, the digits and on ß ü + ö ä # , .
// (so Caps Lock + 1 gives !), but not on ^, the accent key, - or <.
// Dead keys: ^ (scan 0x29, plain), ´ and ` (scan 0x0D, plain and Shift).

#include "platform/SimLayouts.h"

namespace orv {
namespace {

constexpr uint8_t C = kCapsAsShift;

const SimKey kKeys[] = {
    // scan  vk    plain     shift     attr
    {0x29, 0xDC, u'^', u'\u00B0', kDeadPlain},              // ^ (dead) °
    {0x02, '1', u'1', u'!', C},
    {0x03, '2', u'2', u'"', C},
    {0x04, '3', u'3', u'\u00A7', C},                        // §
    {0x05, '4', u'4', u'$', C},
    {0x06, '5', u'5', u'%', C},
    {0x07, '6', u'6', u'&', C},
    {0x08, '7', u'7', u'/', C},
    {0x09, '8', u'8', u'(', C},
    {0x0A, '9', u'9', u')', C},
    {0x0B, '0', u'0', u'=', C},
    {0x0C, 0xDB, u'\u00DF', u'?', C},                       // ß
    {0x0D, 0xDD, u'\u00B4', u'`', kDeadPlain | kDeadShift}, // ´ ` (both dead)

    {0x10, 'Q', u'q', u'Q', C},
    {0x11, 'W', u'w', u'W', C},
    {0x12, 'E', u'e', u'E', C},
    {0x13, 'R', u'r', u'R', C},
    {0x14, 'T', u't', u'T', C},
    {0x15, 'Z', u'z', u'Z', C},
    {0x16, 'U', u'u', u'U', C},
    {0x17, 'I', u'i', u'I', C},
    {0x18, 'O', u'o', u'O', C},
    {0x19, 'P', u'p', u'P', C},
    {0x1A, 0xBA, u'\u00FC', u'\u00DC', C},                  // ü Ü
    {0x1B, 0xBB, u'+', u'*', C},

    {0x1E, 'A', u'a', u'A', C},
    {0x1F, 'S', u's', u'S', C},
    {0x20, 'D', u'd', u'D', C},
    {0x21, 'F', u'f', u'F', C},
    {0x22, 'G', u'g', u'G', C},
    {0x23, 'H', u'h', u'H', C},
    {0x24, 'J', u'j', u'J', C},
    {0x25, 'K', u'k', u'K', C},
    {0x26, 'L', u'l', u'L', C},
    {0x27, 0xC0, u'\u00F6', u'\u00D6', C},                  // ö Ö
    {0x28, 0xDE, u'\u00E4', u'\u00C4', C},                  // ä Ä
    {0x2B, 0xBF, u'#', u'\'', C},

    {0x56, 0xE2, u'<', u'>', 0},
    {0x2C, 'Y', u'y', u'Y', C},
    {0x2D, 'X', u'x', u'X', C},
    {0x2E, 'C', u'c', u'C', C},
    {0x2F, 'V', u'v', u'V', C},
    {0x30, 'B', u'b', u'B', C},
    {0x31, 'N', u'n', u'N', C},
    {0x32, 'M', u'm', u'M', C},
    {0x33, 0xBC, u',', u';', C},
    {0x34, 0xBE, u'.', u':', C},
    {0x35, 0xBD, u'-', u'_', 0},
};

// Every combination the layout defines; any other second key gives the dead
// character followed by the key's own character.
const SimDeadCombo kCombos[] = {
    {u'^', u'a', u'\u00E2'}, {u'^', u'e', u'\u00EA'}, {u'^', u'i', u'\u00EE'},
    {u'^', u'o', u'\u00F4'}, {u'^', u'u', u'\u00FB'}, {u'^', u'A', u'\u00C2'},
    {u'^', u'E', u'\u00CA'}, {u'^', u'I', u'\u00CE'}, {u'^', u'O', u'\u00D4'},
    {u'^', u'U', u'\u00DB'}, {u'^', u' ', u'^'},

    {u'\u00B4', u'a', u'\u00E1'}, {u'\u00B4', u'e', u'\u00E9'}, {u'\u00B4', u'i', u'\u00ED'},
    {u'\u00B4', u'o', u'\u00F3'}, {u'\u00B4', u'u', u'\u00FA'}, {u'\u00B4', u'y', u'\u00FD'},
    {u'\u00B4', u'A', u'\u00C1'}, {u'\u00B4', u'E', u'\u00C9'}, {u'\u00B4', u'I', u'\u00CD'},
    {u'\u00B4', u'O', u'\u00D3'}, {u'\u00B4', u'U', u'\u00DA'}, {u'\u00B4', u'Y', u'\u00DD'},
    {u'\u00B4', u' ', u'\u00B4'},

    {u'`', u'a', u'\u00E0'}, {u'`', u'e', u'\u00E8'}, {u'`', u'i', u'\u00EC'},
    {u'`', u'o', u'\u00F2'}, {u'`', u'u', u'\u00F9'}, {u'`', u'A', u'\u00C0'},
    {u'`', u'E', u'\u00C8'}, {u'`', u'I', u'\u00CC'}, {u'`', u'O', u'\u00D2'},
    {u'`', u'U', u'\u00D9'}, {u'`', u' ', u'`'},
};

}  // namespace

extern const SimLayout kSimLayoutDe = {0x04070407, "de", "German", 1252,
                                       kKeys, int32_t(sizeof(kKeys) / sizeof(kKeys[0])),
                                       kCombos, int32_t(sizeof(kCombos) / sizeof(kCombos[0]))};

}  // namespace orv
