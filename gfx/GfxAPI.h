// Graphics layer: one in-memory XRGB8888 back buffer, bitmap surfaces, tiled
// blits, text, dotted lines and boxes. The only code that knows about pixels.
#pragma once

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Left, right, top, bottom; right and bottom exclusive. Shared with the toolkit.
typedef struct GUIRect {
    int32_t iLeft;
    int32_t iRight;
    int32_t iTop;
    int32_t iBottom;
} GUIRect;

// A loaded bitmap, converted to the back buffer's pixel format (0x00RRGGBB),
// rows top-down, iBmpWidth pixels per row.
typedef struct GfxSurface {
    uint32_t *pPixels;
    int32_t iBmpWidth;
    int32_t iBmpHeight;
    // Optional monochrome mask (one byte per pixel, 0 or 1); no drawing reads it.
    uint8_t *pMask;
    int32_t iMaskWidth;
    int32_t iMaskHeight;
} GfxSurface;

typedef struct GfxFont GfxFont;

// Called by GfxAPIDisplay with a rectangle of the back buffer to show.
typedef void (*GfxDisplayHook)(const GUIRect *rect, void *user);

// Colours arrive as 0x00BBGGRR.
enum { GFX_WHITE = 0xffffff, GFX_BLACK = 0, GFX_BOX_COLOUR = 0x404040 };

extern void *hGfxWindow;
extern uint32_t *pGfxBackBuffer; // iGfxWidth * iGfxHeight pixels, 0x00RRGGBB
extern int32_t iGfxWidth;
extern int32_t iGfxHeight;

// window may be null: the back buffer then lives in memory only. A second call
// replaces the back buffer.
void GfxAPIInit(void *window, int32_t width, int32_t height);
void GfxAPIUninit(void);
void GfxAPISetDisplayHook(GfxDisplayHook hook, void *user);
void GfxAPIDisplay(GUIRect *rect);

// Returns null, after one line on standard error, for a missing or malformed file.
GfxSurface *GfxAPILoadNewSurface(const char *path, const char *maskPath);
void GfxAPIDeleteSurface(GfxSurface *surface);
// How many loads have failed so far, and the file name of failure number
// index (from 0; null for the older ones no longer kept), so that a caller
// can tell the user what is missing.
int32_t GfxAPIGetFailedLoadCount(void);
const char *GfxAPIGetFailedLoad(int32_t index);
void GfxAPIBlit(GfxSurface *surface, GUIRect *rect, uint32_t srcX, uint32_t srcY);

GfxFont *GfxAPICreateFont(const char *face, int32_t height);
void GfxAPIText(const char *text, GUIRect *rect, int32_t offX, int32_t offY, GfxFont *font,
                uint32_t colour);
int32_t GfxAPITextGetWidth(const char *text, GfxFont *font);
// True when the length bytes of text are well-formed UTF-8; text is drawn as
// UTF-8 then, and as Windows-1252 otherwise.
bool GfxAPIIsUtf8(const char *text, size_t length);
int32_t GfxAPITextGetHeight(const char *text, GfxFont *font);

void GfxAPIHLine(int32_t x1, int32_t x2, int32_t y, uint32_t colour);
void GfxAPIVLine(int32_t x, int32_t y1, int32_t y2, uint32_t colour);
void GfxAPIBox(GUIRect *rect, uint32_t colour);

#ifdef __cplusplus
}
#endif
