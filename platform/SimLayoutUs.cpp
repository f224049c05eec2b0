// US (0x04090409, KBDUS.DLL). Code page 1252. Letters follow Caps Lock;
// digits and punctuation do not. The key between Left Shift and Z (scan 0x56,
// VK_OEM_102, absent on most US keyboards) repeats \ and |.

#include "platform/SimLayouts.h"

namespace orv {
namespace {

constexpr uint8_t C = kCapsAsShift;

const SimKey kKeys[] = {
    // scan  vk    plain  shift  attr
    {0x29, 0xC0, u'`', u'~', 0},
    {0x02, '1', u'1', u'!', 0},
    {0x03, '2', u'2', u'@', 0},
    {0x04, '3', u'3', u'#', 0},
    {0x05, '4', u'4', u'$', 0},
    {0x06, '5', u'5', u'%', 0},
    {0x07, '6', u'6', u'^', 0},
    {0x08, '7', u'7', u'&', 0},
    {0x09, '8', u'8', u'*', 0},
    {0x0A, '9', u'9', u'(', 0},
    {0x0B, '0', u'0', u')', 0},
    {0x0C, 0xBD, u'-', u'_', 0},
    {0x0D, 0xBB, u'=', u'+', 0},

    {0x10, 'Q', u'q', u'Q', C},
    {0x11, 'W', u'w', u'W', C},
    {0x12, 'E', u'e', u'E', C},
    {0x13, 'R', u'r', u'R', C},
    {0x14, 'T', u't', u'T', C},
    {0x15, 'Y', u'y', u'Y', C},
    {0x16, 'U', u'u', u'U', C},
    {0x17, 'I', u'i', u'I', C},
    {0x18, 'O', u'o', u'O', C},
    {0x19, 'P', u'p', u'P', C},
    {0x1A, 0xDB, u'[', u'{', 0},
    {0x1B, 0xDD, u']', u'}', 0},

    {0x1E, 'A', u'a', u'A', C},
    {0x1F, 'S', u's', u'S', C},
    {0x20, 'D', u'd', u'D', C},
    {0x21, 'F', u'f', u'F', C},
    {0x22, 'G', u'g', u'G', C},
    {0x23, 'H', u'h', u'H', C},
    {0x24, 'J', u'j', u'J', C},
    {0x25, 'K', u'k', u'K', C},
    {0x26, 'L', u'l', u'L', C},
    {0x27, 0xBA, u';', u':', 0},
    {0x28, 0xDE, u'\'', u'"', 0},
    {0x2B, 0xDC, u'\\', u'|', 0},

    {0x56, 0xE2, u'\\', u'|', 0},
    {0x2C, 'Z', u'z', u'Z', C},
    {0x2D, 'X', u'x', u'X', C},
    {0x2E, 'C', u'c', u'C', C},
    {0x2F, 'V', u'v', u'V', C},
    {0x30, 'B', u'b', u'B', C},
    {0x31, 'N', u'n', u'N', C},
    {0x32, 'M', u'm', u'M', C},
    {0x33, 0xBC, u',', u'<', 0},
    {0x34, 0xBE, u'.', u'>', 0},
    {0x35, 0xBF, u'/', u'?', 0},
};

}  // namespace

extern const SimLayout kSimLayoutUs = {
    0x04090409, "us", "US", 1252, kKeys, int32_t(sizeof(kKeys) / sizeof(kKeys[0])), nullptr, 0};

}  // namespace orv
