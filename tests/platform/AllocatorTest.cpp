#include "platform/Allocator.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <malloc.h>

#ifdef __GLIBC__
namespace {
// Keeps the compiler from taking an allocation and its release away.
void* volatile kept = nullptr;
} // namespace

// A large block freed once must not teach the allocator to keep the next one of its size in a
// heap: a block that size, allocated again, is still the system's and goes back when freed.
TEST(Allocator, LargeBlocksGoBackToTheSystemEvenAfterOneWasFreed) {
    KeepMemoryCompact();
    constexpr size_t kBig = 4u << 20;
    kept = std::malloc(kBig);
    static_cast<char*>(kept)[0] = 1;
    std::free(kept);

    const size_t mappedBefore = mallinfo2().hblkhd;
    kept = std::malloc(kBig);
    static_cast<char*>(kept)[0] = 1;
    const size_t mappedWith = mallinfo2().hblkhd;
    std::free(kept);
    EXPECT_GE(mappedWith - mappedBefore, kBig);
    EXPECT_LT(mallinfo2().hblkhd, mappedWith);
}
#endif
