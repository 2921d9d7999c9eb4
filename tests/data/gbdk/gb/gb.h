/* Stand-in for GBDK-2020's gb/gb.h: only what the exported C needs, so that
   the host compiler can build it in a test. */
#ifndef STANDIN_GB_H
#define STANDIN_GB_H
#include <stdint.h>
#endif
