// Exported by Pixolan for GBDK-2020.
#include "hero.h"

const uint8_t hero_tiles[hero_TILE_COUNT * 16] = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x80, 0x7f, 0xc0, 0x3f, 0xe0, 0x1f, 0xf0, 0x0f, 0xf8, 0x07, 0xfc, 0x03, 0xfe, 0x01, 0xff, 0x00,
    0xff, 0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

const palette_color_t hero_palettes[hero_PALETTE_COUNT * 4] = {
    RGB(31, 0, 31), RGB(0, 0, 0), RGB(31, 31, 31), RGB(31, 0, 0),
};

// Walk Left
const metasprite_t hero_Walk_Left_frame0[] = {
    METASPR_ITEM(-8, -12, 0, 0x00),
    METASPR_ITEM(0, 8, 1, 0x00),
    METASPR_ITEM(0, 8, 1, 0x20),
    METASPR_TERM
};
const metasprite_t hero_Walk_Left_frame1[] = {
    METASPR_ITEM(-3, 4, 1, 0x40),
    METASPR_ITEM(0, 8, 1, 0x00),
    METASPR_ITEM(0, 8, 2, 0x00),
    METASPR_TERM
};
const metasprite_t* const hero_Walk_Left_frames[] = {
    hero_Walk_Left_frame0,
    hero_Walk_Left_frame1,
    0
};

// Idle
const metasprite_t* const hero_Idle_frames[] = {
    0
};

const metasprite_t* const* const hero_animations[hero_ANIMATION_COUNT + 1] = {
    hero_Walk_Left_frames,
    hero_Idle_frames,
    0
};
const uint8_t hero_frame_counts[hero_ANIMATION_COUNT + 1] = {
    2,
    0,
    0
};
