/* Prints what an exported C file holds, one value per word, for the test to
   compare with the decoded assembler export. PREFIX names the export. */
#include <stdio.h>
#include EXPORT_HEADER

#define JOIN2(a, b) a##b
#define JOIN(a, b) JOIN2(a, b)
#define NAME(suffix) JOIN(PREFIX, suffix)

int main(void) {
  int i, a, f;
  printf("tiles %d\n", NAME(_TILE_COUNT));
  for (i = 0; i < NAME(_TILE_COUNT) * 16; ++i) printf("%d\n", NAME(_tiles)[i]);
  printf("palettes %d\n", NAME(_PALETTE_COUNT));
  for (i = 0; i < NAME(_PALETTE_COUNT) * 4; ++i) printf("%d\n", NAME(_palettes)[i]);
  printf("animations %d\n", NAME(_ANIMATION_COUNT));
  for (a = 0; a < NAME(_ANIMATION_COUNT); ++a) {
    printf("frames %d\n", NAME(_frame_counts)[a]);
    for (f = 0; f < NAME(_frame_counts)[a]; ++f) {
      const metasprite_t* item = NAME(_animations)[a][f];
      for (; item->dy != metasprite_end; ++item) printf("item %d %d %d %d\n", item->dy, item->dx, item->dtile, item->props);
      printf("end\n");
    }
  }
  return 0;
}
