#include "view/PictureMemory.h"

#include <malloc.h>

void keepPictureMemoryForReuse()
{
#ifdef M_MMAP_THRESHOLD
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    // One heap for every thread: pictures decoded on the pool and freed on
    // the main thread are reused from one place, instead of each thread's
    // heap keeping its own.
    mallopt(M_ARENA_MAX, 1);
#endif
}
