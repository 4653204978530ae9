// Bounded copy of a text into a fixed record buffer.
#pragma once

#include <cstddef>

// Copies src into dest of size bytes, always terminated; null src gives the
// empty text. A cut text that is valid UTF-8 is cut before the character that
// no longer fits, so no half character is left at its end.
void GUICopyText(char *dest, std::size_t size, const char *src);
