#pragma once

namespace stak {

// A night-long party must not make the program bigger. glibc's allocator
// keeps freed memory for later by default: once a large block (a screen copy
// for the frolic, a sound) has been freed, it serves blocks up to that size
// from its heap rather than mapping them on their own, and returns the heap's
// free top to the system only when twice that size lies there; each thread
// gets a heap of its own besides. What the program freed then stays with it,
// and the resident memory climbs at every new high-water mark.
//
// This keeps the thresholds fixed where they start: blocks of 128 kB and more
// are mapped on their own and unmapped when freed, the heap is trimmed when
// 128 kB lie free at its top, and every thread shares one heap. Nothing is
// changed, and false returned, when the user set the allocator up through
// MALLOC_ARENA_MAX, MALLOC_MMAP_THRESHOLD_, MALLOC_TRIM_THRESHOLD_,
// MALLOC_TOP_PAD_ or GLIBC_TUNABLES. Call it first thing, before any thread.
bool returnFreedMemoryToSystem();

} // namespace stak
