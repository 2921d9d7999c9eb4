// Exported by Pixolan for GBDK-2020. Draw frame n of an animation with
// move_metasprite_ex(hero_<animation>_frames[n], first_tile, 0, first_sprite, x, y);
// (x, y) is where the canvas centre goes, in OAM coordinates; objects are 8x8 (SPRITES_8x8).
#ifndef HERO_GBDK_H
#define HERO_GBDK_H

#include <stdint.h>
#include <gb/gb.h>
#include <gb/cgb.h>
#include <gb/metasprites.h>

#define hero_TILE_COUNT 3
#define hero_PALETTE_COUNT 1
#define hero_ANIMATION_COUNT 2

extern const uint8_t hero_tiles[hero_TILE_COUNT * 16];
extern const palette_color_t hero_palettes[hero_PALETTE_COUNT * 4];
extern const metasprite_t* const* const hero_animations[hero_ANIMATION_COUNT + 1];
extern const uint8_t hero_frame_counts[hero_ANIMATION_COUNT + 1];

#define hero_Walk_Left_FRAME_COUNT 2
extern const metasprite_t* const hero_Walk_Left_frames[3];
extern const metasprite_t hero_Walk_Left_frame0[];
extern const metasprite_t hero_Walk_Left_frame1[];

#define hero_Idle_FRAME_COUNT 0
extern const metasprite_t* const hero_Idle_frames[1];

#endif
