#include "tests/support/gbk.h"

#include <iconv.h>

#include <cstdlib>
#include <cstdio>

namespace velloran::testing {

namespace {

std::string convert(const char* to, const char* from, const char* data, std::size_t size) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) std::abort();
    std::string out(size * 4 + 4, '\0');
    char* in = const_cast<char*>(data);
    std::size_t inLeft = size;
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(converter, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        std::fprintf(stderr, "iconv %s -> %s failed\n", from, to);
        std::abort();
    }
    iconv_close(converter);
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

Text gbk(const std::string& text) {
    const std::string converted = convert("GBK", "UTF-8", text.data(), text.size());
    return Text(converted.data(), converted.size());
}

std::string utf8(const Text& text) { return convert("UTF-8", "GBK", text.data(), text.size()); }

std::string printable(const Text& text) {
    std::string out;
    for (char c : utf8(text)) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

}  // namespace velloran::testing
