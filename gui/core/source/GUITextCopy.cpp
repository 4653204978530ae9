// Bounded copy of a text into a fixed record buffer.
#include "GUITextCopy.h"

#include <cstring>

namespace {

bool isContinuationByte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Length of the UTF-8 sequence that lead starts, 0 if lead cannot start one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool isValidUtf8(const char *text) {
    const auto *p = reinterpret_cast<const unsigned char *>(text);
    while (*p) {
        const std::size_t n = sequenceLength(*p);
        if (n == 0)
            return false;
        for (std::size_t i = 1; i < n; ++i)
            if (!isContinuationByte(p[i]))
                return false;
        p += n;
    }
    return true;
}

} // namespace

void GUICopyText(char *dest, std::size_t size, const char *src) {
    if (size == 0)
        return;
    if (!src)
        src = "";
    std::size_t length = std::strlen(src);
    if (length >= size) {
        length = size - 1;
        if (isValidUtf8(src))
            while (length > 0 && isContinuationByte(static_cast<unsigned char>(src[length])))
                --length;
    }
    std::memcpy(dest, src, length);
    dest[length] = '\0';
}
