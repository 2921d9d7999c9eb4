/* Stand-in for GBDK-2020's gb/cgb.h: the palette colour type and RGB() as GBDK declares them. */
#ifndef STANDIN_CGB_H
#define STANDIN_CGB_H
#include <stdint.h>
typedef uint16_t palette_color_t;
#define RGB(r, g, b) ((uint16_t)((((b) & 0x1f) << 10) | ((uint16_t)(((g) & 0x1f) << 5)) | (((r) & 0x1f) << 0)))
#endif
