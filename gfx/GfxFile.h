// Reading a file of the disc without trusting what stands at its name: a pipe,
// a device or a folder in a file's place is refused at once instead of
// blocking the open or feeding a read without end. Shared by the bitmap
// loader and the toolkit's script reader.
#pragma once

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GfxFile {
    int iFd;
    uint64_t nSize; // the file's size when it was opened
} GfxFile;

// Opens a regular file for reading. On failure the file is left closed and
// *reason (when given) says why in a few words.
bool GfxFileOpen(GfxFile *file, const char *path, const char **reason);
// Reads exactly size bytes from the current position; false when the file
// ends sooner (it shrank) or a read fails.
bool GfxFileRead(GfxFile *file, void *buffer, size_t size);
void GfxFileClose(GfxFile *file);

#ifdef __cplusplus
}
#endif
