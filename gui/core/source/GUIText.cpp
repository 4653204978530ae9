#include "GUIText.h"

#include <cstring>

#include "GfxAPI.h"

extern "C" int GUITextIsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xc0) == 0x80;
}

extern "C" size_t GUITextCopy(char *buffer, size_t size, const char *text, size_t length) {
    if (!buffer || size == 0)
        return 0;
    if (!text)
        length = 0;
    size_t cut = length < size - 1 ? length : size - 1;
    if (cut < length && GfxAPIIsUtf8(text, length)) {
        while (cut > 0 && GUITextIsContinuationByte(text[cut]))
            --cut;
    }
    if (cut > 0)
        std::memcpy(buffer, text, cut);
    buffer[cut] = '\0';
    return cut;
}

extern "C" size_t GUITextCopyString(char *buffer, size_t size, const char *text) {
    return GUITextCopy(buffer, size, text, text ? std::strlen(text) : 0);
}
