#include "core/heap.h"

#include <cstdlib>
#include <initializer_list>
#include <malloc.h>

namespace stak {

namespace {
constexpr int kMapAndTrimBytes = 128 * 1024;
} // namespace

bool returnFreedMemoryToSystem()
{
    for (const char *asked : {"MALLOC_ARENA_MAX", "MALLOC_MMAP_THRESHOLD_",
                              "MALLOC_TRIM_THRESHOLD_", "MALLOC_TOP_PAD_", "GLIBC_TUNABLES"})
        if (std::getenv(asked))
            return false;
    // Setting either threshold stops glibc from moving both.
    return mallopt(M_MMAP_THRESHOLD, kMapAndTrimBytes) == 1 &&
           mallopt(M_TRIM_THRESHOLD, kMapAndTrimBytes) == 1 && mallopt(M_ARENA_MAX, 1) == 1;
}

} // namespace stak
