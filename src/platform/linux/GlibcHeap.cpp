#include "platform/linux/GlibcHeap.h"

#include <malloc.h>

void GlibcHeap::mapLargeBlocksApart()
{
    // Setting either threshold also ends the allocator's raising of both.
    mallopt(M_MMAP_THRESHOLD, largeBlockBytes);
    mallopt(M_TRIM_THRESHOLD, trimThresholdBytes);
}

void GlibcHeap::releaseFreePages()
{
    malloc_trim(0);
}
