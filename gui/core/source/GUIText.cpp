#include "GUIText.h"

#include <cstdint>
#include <cstring>

namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xc0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at s (at most the n bytes
// left), or 0: shortest form only, no surrogates, nothing past U+10FFFF.
size_t sequenceLength(const unsigned char *s, size_t n) {
    const unsigned char lead = s[0];
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    if ((lead & 0xe0) == 0xc0)
        length = 2;
    else if ((lead & 0xf0) == 0xe0)
        length = 3;
    else if ((lead & 0xf8) == 0xf0)
        length = 4;
    if (length == 0 || length > n)
        return 0;
    constexpr uint32_t kShortest[5] = {0, 0, 0x80, 0x800, 0x10000};
    uint32_t cp = lead & (0x7fu >> length);
    for (size_t i = 1; i < length; ++i) {
        if (!isContinuation(s[i]))
            return 0;
        cp = (cp << 6) | (s[i] & 0x3f);
    }
    if (cp < kShortest[length] || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff))
        return 0;
    return length;
}

bool isUtf8(const unsigned char *s, size_t n) {
    while (n > 0) {
        const size_t length = sequenceLength(s, n);
        if (length == 0)
            return false;
        s += length;
        n -= length;
    }
    return true;
}

} // namespace

extern "C" size_t GUITextCopy(char *buffer, size_t size, const char *text, size_t length) {
    if (!buffer || size == 0)
        return 0;
    if (!text)
        length = 0;
    size_t cut = length < size - 1 ? length : size - 1;
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    if (cut < length && isUtf8(bytes, length)) {
        while (cut > 0 && isContinuation(bytes[cut]))
            --cut;
    }
    if (cut > 0)
        std::memcpy(buffer, text, cut);
    buffer[cut] = '\0';
    return cut;
}
