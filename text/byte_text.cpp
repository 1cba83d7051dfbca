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

namespace {

// How often a byte turns up in a web page, roughly: markup and Latin text
// highest, rare punctuation lowest.
int commonness(unsigned char byte) {
    if (byte == ' ' || byte == '"' || byte == '<' || byte == '>' || byte == '/' || byte == '=' || byte == '\n') return 9;
    if (byte >= 'a' && byte <= 'z') return 8;
    if (byte >= 0x80) return 7;
    if ((byte >= '0' && byte <= '9') || byte == '.' || byte == ',' || byte == ':' || byte == ';' || byte == '-' ||
        byte == '\'' || byte == '&') {
        return 6;
    }
    if (byte >= 'A' && byte <= 'Z') return 5;
    return 3;
}

// The first occurrence of the sought bytes in [from, end), or end. memchr
// for the sought text's rarest-looking byte is the fastest route while that
// byte is rare in the subject; once it keeps stopping on false starts, a
// skipping search takes over for the rest of the subject.
class Finder {
public:
    Finder(const char* subject, const Text& pattern)
        : subjectBegin(subject), sought(pattern.data()), m(pattern.size()), skipping(pattern.begin(), pattern.end()) {
        for (std::size_t i = 1; i < m; ++i) {
            if (commonness(static_cast<unsigned char>(sought[i])) < commonness(static_cast<unsigned char>(sought[rare]))) {
                rare = i;
            }
        }
    }

    const char* next(const char* from, const char* end) {
        while (!useSkipping) {
            if (static_cast<std::size_t>(end - from) < m) return end;
            const void* hit = std::memchr(from + rare, static_cast<unsigned char>(sought[rare]),
                                          static_cast<std::size_t>(end - from) - m + 1);
            if (!hit) return end;
            const char* candidate = static_cast<const char*>(hit) - rare;
            if (std::memcmp(candidate, sought, m) == 0) return candidate;
            from = candidate + 1;
            ++falseStarts;
            useSkipping = falseStarts > 16 && falseStarts * 64 > static_cast<std::size_t>(from - subjectBegin);
        }
        return std::search(from, end, skipping);
    }

private:
    const char* subjectBegin;
    const char* sought;
    std::size_t m;
    std::size_t rare = 0;  // index of the byte memchr looks for
    std::boyer_moore_horspool_searcher<Text::const_iterator> skipping;
    std::size_t falseStarts = 0;
    bool useSkipping = false;
};

}  // namespace

// A match counts only where a character begins, counting from the first
// byte with every byte of 0x80 or above opening a two-byte character.
// Candidates come from a fast byte search; whether one sits on a boundary is
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
    Finder finder(begin, sought);
    const char* boundary = begin;
    const char* from = begin;
    while (true) {
        const char* candidate = finder.next(from, end);
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
