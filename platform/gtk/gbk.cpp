#include "platform/gtk/gbk.h"

#include <glib.h>

#include <cerrno>
#include <cstring>

namespace velloran::gtk {

namespace {

// Code page 936 is Windows' GBK; glibc knows it by this name.
constexpr const char* gbkCharset = "CP936";
constexpr const char* replacementCharacter = "\xEF\xBF\xBD";

// Converts with iconv, replacing each byte that is not a character of
// `from` with `replacement` and going on after it.
std::string convertTolerantly(const char* bytes, std::size_t count, const char* to, const char* from,
                              const char* replacement) {
    std::string result;
    GIConv converter = g_iconv_open(to, from);
    if (converter == reinterpret_cast<GIConv>(-1)) return result;
    char buffer[4096];
    gchar* in = const_cast<gchar*>(bytes);
    gsize inLeft = count;
    while (inLeft > 0) {
        gchar* out = buffer;
        gsize outLeft = sizeof buffer;
        gsize done = g_iconv(converter, &in, &inLeft, &out, &outLeft);
        result.append(buffer, sizeof buffer - outLeft);
        if (done != static_cast<gsize>(-1)) break;
        if (errno == E2BIG) continue;
        // An invalid or cut-off sequence: stand in for one byte and resync.
        result.append(replacement);
        ++in;
        --inLeft;
        g_iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    gchar* out = buffer;
    gsize outLeft = sizeof buffer;
    g_iconv(converter, nullptr, nullptr, &out, &outLeft);
    result.append(buffer, sizeof buffer - outLeft);
    g_iconv_close(converter);
    return result;
}

}  // namespace

std::string utf8FromGbk(const Text& gbk) {
    return convertTolerantly(gbk.data(), gbk.size(), "UTF-8", gbkCharset, replacementCharacter);
}

Text gbkFromUtf8(const char* utf8) {
    if (utf8 == nullptr || *utf8 == '\0') return Text();
    gchar* valid = g_utf8_make_valid(utf8, -1);
    gsize written = 0;
    gchar* gbk = g_convert_with_fallback(valid, -1, gbkCharset, "UTF-8", "?", nullptr, &written, nullptr);
    g_free(valid);
    if (gbk == nullptr) return Text();
    Text result = makeText(gbk);
    g_free(gbk);
    return result;
}

}  // namespace velloran::gtk
