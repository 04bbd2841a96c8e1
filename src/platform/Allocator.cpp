#include "platform/Allocator.h"

#include <malloc.h>

void KeepMemoryCompact() {
#ifdef __GLIBC__
    // Large blocks come from the system and go back to it when freed. Left to itself the
    // allocator raises this threshold to the largest block freed so far, and from then on
    // carves such blocks from heaps that keep the space: at rest after each round of a long
    // show the memory swung by 10-20 MB and crept upwards.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    // Without a bound every busy streaming thread may get a heap of its own (up to eight a
    // core), each holding on to what its thread freed.
    mallopt(M_ARENA_MAX, 4);
#endif
}
