#include "text/byte_text.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace velloran {

namespace {

std::int32_t clampedCount(std::int32_t count, std::int32_t available) {
    return count < available ? count : available;
}

bool isLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

}  // namespace

Text makeText(const char* bytes) { return bytes ? Text(bytes) : Text(); }

std::int32_t textLength(const Text& text) { return static_cast<std::int32_t>(text.size()); }

Text leftText(const Text& text, std::int32_t count) {
    if (count <= 0) return Text();
    return text.substr(0, static_cast<std::size_t>(clampedCount(count, textLength(text))));
}

Text rightText(const Text& text, std::int32_t count) {
    if (count <= 0) return Text();
    const std::int32_t taken = clampedCount(count, textLength(text));
    return text.substr(static_cast<std::size_t>(textLength(text) - taken));
}

Text midText(const Text& text, std::int32_t start, std::int32_t count) {
    const std::int32_t length = textLength(text);
    if (start < 1 || start > length || count <= 0) return Text();
    return text.substr(static_cast<std::size_t>(start - 1),
                       static_cast<std::size_t>(clampedCount(count, length - start + 1)));
}

// A match counts only where a character begins, counting from the first
// byte with every byte of 0x80 or above opening a two-byte character.
// Candidates come from a skipping search; whether one sits on a boundary is
// settled locally: the byte after any byte below 0x80 always begins a
// character, so only the run of high bytes just before the candidate
// matters. `boundary` is a position known to begin a character, and neither
// scan goes behind it, so the whole search reads each byte a bounded number
// of times.
std::int32_t findText(const Text& subject, const Text& sought) {
    const std::size_t n = subject.size();
    const std::size_t m = sought.size();
    if (m == 0) return n >= 1 ? 1 : -1;
    if (m > n) return -1;

    const char* const begin = subject.data();
    const char* const end = begin + n;
    const std::boyer_moore_horspool_searcher searcher(sought.begin(), sought.end());
    const char* boundary = begin;
    const char* from = begin;
    while (true) {
        const char* candidate = std::search(from, end, searcher);
        if (candidate == end) return -1;
        const char* runStart = candidate;
        while (runStart > boundary && isLeadByte(runStart[-1])) --runStart;
        if (((candidate - runStart) & 1) == 0) {
            return static_cast<std::int32_t>(candidate - begin) + 1;
        }
        // The candidate is the second byte of a character, so the next
        // byte begins one.
        boundary = candidate + 1;
        from = candidate + 1;
    }
}

std::int32_t compareText(const Text& a, const Text& b) {
    const std::size_t common = std::min(a.size(), b.size());
    const int order = common ? std::memcmp(a.data(), b.data(), common) : 0;
    if (order != 0) return order < 0 ? -1 : 1;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

Text concatText(std::initializer_list<const Text*> parts) {
    std::size_t total = 0;
    for (const Text* part : parts) total += part->size();
    Text joined;
    joined.reserve(total);
    for (const Text* part : parts) joined += *part;
    return joined;
}

Text bytesToText(const unsigned char* bytes, std::size_t count) {
    if (!bytes || count == 0) return Text();
    const void* nul = std::memchr(bytes, 0, count);
    const std::size_t kept = nul ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - bytes) : count;
    return Text(reinterpret_cast<const char*>(bytes), kept);
}

}  // namespace velloran
