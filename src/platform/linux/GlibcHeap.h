#pragma once

// The C library's allocator, told to keep the process small between breaks.
//
// By default it maps a large block on its own, but once such a block has been freed it
// raises its thresholds to that block's size for the rest of the run: from the first break
// on, every full-screen image (screen grabs, backdrops, the toolkit's reply buffers) is
// carved out of the heap instead, and the freed pages stay with the process. Fixed
// thresholds keep large blocks in mappings of their own, returned to the system when freed.
class GlibcHeap
{
public:
    // Blocks of this size or more get a mapping of their own. Below a full-screen image,
    // above anything drawn every frame.
    static constexpr int largeBlockBytes = 1 << 20;
    // Free memory at the top of the heap beyond this goes back to the system at once (the
    // allocator's own default, which its raised thresholds would otherwise replace).
    static constexpr int trimThresholdBytes = 128 << 10;

    // Call once, early.
    static void mapLargeBlocksApart();
    // Gives every whole free page of every heap back to the system, not only those at the
    // top; for moments when much was freed at once.
    static void releaseFreePages();
};
