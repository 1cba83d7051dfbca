#include "text/text_allocator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "text/byte_text.h"
#include "text/fatal_error.h"
#include "text/literals.h"

namespace velloran {

namespace {

// "分配 %d 字节内存失败!" with the count in place of %d. Built in a fixed
// buffer: memory has just run out.
void reportOutOfMemory(std::size_t bytes) {
    const char* format = literals::allocationFailedFormat;
    const char* placeholder = std::strstr(format, "%d");
    char message[128];
    std::snprintf(message, sizeof message, "%.*s%llu%s", static_cast<int>(placeholder - format), format,
                  static_cast<unsigned long long>(bytes), placeholder + 2);
    fatalError(0, makeText(message));
}

}  // namespace

void* allocateTextMemory(std::size_t bytes) {
    void* block = std::malloc(bytes ? bytes : 1);
    if (!block) reportOutOfMemory(bytes);
    return block;
}

void releaseTextMemory(void* block) noexcept { std::free(block); }

}  // namespace velloran
