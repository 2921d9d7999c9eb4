/* Stand-in for GBDK-2020's gb/metasprites.h: the item type and its macros as GBDK declares them. */
#ifndef STANDIN_METASPRITES_H
#define STANDIN_METASPRITES_H
#include <stdint.h>
typedef struct metasprite_t {
  int8_t dy, dx;
  uint8_t dtile;
  uint8_t props;
} metasprite_t;
#define metasprite_end -128
#define METASPR_ITEM(dy, dx, dt, a) {(dy), (dx), (dt), (a)}
#define METASPR_TERM {metasprite_end}
#endif
