#include "hostlink/heaptuning.h"

#include <malloc.h>

void keepHeapForLinkBlocks() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 1 << 20); // larger blocks are mapped, and returned, each time
    mallopt(M_TRIM_THRESHOLD, 8 << 20);
#endif
}
