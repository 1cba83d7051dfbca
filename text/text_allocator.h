// Memory for texts and text lists. Running out of it is not recoverable in
// this program: the allocator reports it through fatalError and never returns
// a null block, so no caller has to check.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velloran {

// Gives a block of `bytes` bytes, or ends the process with the
// out-of-memory report naming `bytes`.
void* allocateTextMemory(std::size_t bytes);
void releaseTextMemory(void* block) noexcept;

template <class T>
struct TextAllocator {
    using value_type = T;

    TextAllocator() noexcept = default;
    template <class U>
    TextAllocator(const TextAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) { return static_cast<T*>(allocateTextMemory(n * sizeof(T))); }
    void deallocate(T* p, std::size_t) noexcept { releaseTextMemory(p); }

    template <class U>
    bool operator==(const TextAllocator<U>&) const noexcept { return true; }
    template <class U>
    bool operator!=(const TextAllocator<U>&) const noexcept { return false; }
};

}  // namespace velloran
