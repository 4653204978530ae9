// Bounded copies of text into the toolkit's fixed buffers.
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// Copies at most size - 1 of the length bytes of text into buffer and
// terminates it; returns the bytes copied. A UTF-8 text is cut between two
// characters, so that what is kept is still UTF-8 and draws as such; any
// other text (Windows-1252, one byte a character) is cut at the byte.
size_t GUITextCopy(char *buffer, size_t size, const char *text, size_t length);
// The same for a zero-terminated text; null copies as "".
size_t GUITextCopyString(char *buffer, size_t size, const char *text);

// Nonzero for the second and later bytes of a UTF-8 character.
int GUITextIsContinuationByte(char c);

#ifdef __cplusplus
}
#endif
