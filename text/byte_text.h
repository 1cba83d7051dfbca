// Byte texts: GBK bytes with 1-based byte positions. The empty text stands
// for the null text as well; nothing in the program tells the two apart.
// Every operation returns a new text and leaves its arguments alone; odd
// positions and counts give the empty text or are clamped, never an error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "text/text_allocator.h"

namespace velloran {

using Text = std::basic_string<char, std::char_traits<char>, TextAllocator<char>>;

// Builds a text from a literal or raw buffer; bytes from the first NUL on are
// not part of it, since a text cannot hold NUL.
Text makeText(const char* bytes);

std::int32_t textLength(const Text& text);
Text leftText(const Text& text, std::int32_t count);
Text rightText(const Text& text, std::int32_t count);
Text midText(const Text& text, std::int32_t start, std::int32_t count);

// Position of the first occurrence of `sought` that starts on a character
// boundary (every byte of 0x80 or above opens a two-byte character), or -1.
std::int32_t findText(const Text& subject, const Text& sought);

// -1, 0 or 1, comparing bytes as unsigned values; a proper prefix is smaller.
std::int32_t compareText(const Text& a, const Text& b);

Text concatText(std::initializer_list<const Text*> parts);
template <class... Texts>
Text concatText(const Text& first, const Texts&... rest) {
    return concatText({&first, &rest...});
}

// The bytes up to the first NUL; an absent or empty array gives the null text.
Text bytesToText(const unsigned char* bytes, std::size_t count);

}  // namespace velloran
