#include "view/PictureMemory.h"

#include <malloc.h>

void keepPictureMemoryForReuse()
{
#ifdef M_MMAP_THRESHOLD
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
}
