#include "base/LargeBlocks.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

void keepLargeBlocksApart()
{
#ifdef M_MMAP_THRESHOLD
    // Setting the limit at all is what keeps the library from raising it.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}
