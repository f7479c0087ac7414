/* libpicora: in-place bitmap transforms behind a plain C interface.
 *
 * The caller's bitmap crosses the boundary as a PicoraBitmap: an opaque context pointer and the
 * few operations the library needs. Every transform copies the bitmap into a private 24-bit
 * picture through a BMP transfer block (4-byte signed little-endian length, then the BMP bytes),
 * works on that copy and loads the result back into the caller's bitmap as a 24-bit BMP. The
 * caller owns and frees its bitmap; the library keeps no state between calls.
 *
 * Colours are Windows colour values 0x00BBGGRR: red in the low byte, then green, then blue.
 *
 * Failures: the p... exports return nothing, as their callers expect. When they refuse (null
 * bitmap, missing operation, malformed BMP, refused load, too large), they leave the caller's
 * bitmap untouched and record a status that picoraLastError() returns on the same thread. The
 * picora... variants do the same work and return that status directly. No call aborts, and no
 * C++ exception ever leaves the library. Callbacks must not throw or longjmp either.
 *
 * On x86-64 Linux there is a single calling convention, so the Windows one of the original
 * exports needs no marking here.
 */
#ifndef PICORA_H
#define PICORA_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(PICORA_BUILDING_LIBRARY)
#define PICORA_EXPORT __attribute__((visibility("default")))
#else
#define PICORA_EXPORT
#endif

/* Status codes. */
#define PICORA_OK 0
#define PICORA_ERROR_NULL_BITMAP 1  /* bitmap pointer or one of its needed operations is null */
#define PICORA_ERROR_SAVE_FAILED 2  /* the bitmap's save operation reported failure */
#define PICORA_ERROR_BAD_BMP 3      /* the saved BMP is malformed, truncated or unsupported */
#define PICORA_ERROR_LOAD_FAILED 4  /* the bitmap refused the result */
#define PICORA_ERROR_TOO_LARGE 5    /* wider or taller than PICORA_MAX_SIDE, or too many pixels */
#define PICORA_ERROR_NO_MEMORY 6    /* a working copy could not be allocated */
#define PICORA_ERROR_BAD_ARGUMENT 7 /* unknown gradient style or empty gradient rectangle */
#define PICORA_ERROR_ROW_ACCESS 8   /* set size or row access failed during the rotation */
#define PICORA_ERROR_INTERNAL 9     /* an unexpected fault inside the library */

/* Largest width or height, and largest pixel count, the library accepts. */
#define PICORA_MAX_SIDE 32768
#define PICORA_MAX_PIXELS (64L * 1024L * 1024L)

/* Where the bitmap writes its BMP bytes: call write as often as needed, in order. write returns
 * nonzero when it took the bytes. */
typedef struct PicoraByteSink
{
    void *opaque;
    int (*write)(void *opaque, const void *data, size_t size);
} PicoraByteSink;

/* The caller's bitmap. Operations return nonzero for success unless stated otherwise. */
typedef struct PicoraBitmap
{
    void *context;

    /* Saves the bitmap as a Windows BMP file image into sink (any BMP the caller's toolkit
     * writes: 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed or bit fields). */
    int (*saveBmp)(void *context, const PicoraByteSink *sink);
    /* Replaces the bitmap by the picture in the given BMP file image (the library always hands
     * a 24-bit uncompressed BMP). */
    int (*loadBmp)(void *context, const uint8_t *data, size_t size);
    /* Current size in pixels. */
    int32_t (*width)(void *context);
    int32_t (*height)(void *context);
    /* Makes the bitmap width x height pixels at 24 bits per pixel; the content is undefined
     * until written. Used by pCircumgyrate90 only. */
    int (*setSize)(void *context, int32_t width, int32_t height);
    /* Row access at 24 bits per pixel, valid after setSize: the bytes of row y (top row 0),
     * width x 3 bytes in blue, green, red order, or null when y is out of range. */
    uint8_t *(*scanLine)(void *context, int32_t y);
    /* Row access at 32 bits per pixel: copies row y (top row 0) of the current picture into
     * dest as count pixels of 4 bytes each (blue, green, red, unused). count equals width. */
    int (*readRow32)(void *context, int32_t y, uint8_t *dest, int32_t count);
} PicoraBitmap;

/* The exports. pGradientFill paints onto target, a PicoraBitmap as above (only saveBmp,
 * loadBmp, width and height are used): the rectangle (x1, y1)-(x2, y2), right and bottom
 * exclusive, is filled with gradient style 1..13 from colour a to colour b, clipped to the
 * target; the target comes back as 24 bits per pixel. Other styles paint nothing. */
PICORA_EXPORT void pHorizontalExchange(const PicoraBitmap *bitmap);
PICORA_EXPORT void pVerticalExchange(const PicoraBitmap *bitmap);
PICORA_EXPORT void pCircumgyrate90(const PicoraBitmap *bitmap);
PICORA_EXPORT void pReverseColor(const PicoraBitmap *bitmap);
PICORA_EXPORT void pThinColor(const PicoraBitmap *bitmap, int32_t foreColor, int32_t backColor);
PICORA_EXPORT void pGradientFill(const PicoraBitmap *target, int32_t style, int32_t colorA,
                                 int32_t colorB, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

/* Status of the latest export called on this thread (PICORA_OK after success). */
PICORA_EXPORT int picoraLastError(void);

/* The same operations returning their status. They also set picoraLastError(). */
PICORA_EXPORT int picoraHorizontalExchange(const PicoraBitmap *bitmap);
PICORA_EXPORT int picoraVerticalExchange(const PicoraBitmap *bitmap);
PICORA_EXPORT int picoraCircumgyrate90(const PicoraBitmap *bitmap);
PICORA_EXPORT int picoraReverseColor(const PicoraBitmap *bitmap);
PICORA_EXPORT int picoraThinColor(const PicoraBitmap *bitmap, int32_t foreColor, int32_t backColor);
PICORA_EXPORT int picoraGradientFill(const PicoraBitmap *target, int32_t style, int32_t colorA,
                                     int32_t colorB, int32_t x1, int32_t y1, int32_t x2,
                                     int32_t y2);

#ifdef __cplusplus
}
#endif

#endif /* PICORA_H */
