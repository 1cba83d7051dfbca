// The program's texts are GBK bytes; GTK, WebKit and the desktop speak UTF-8.
#pragma once

#include <string>

#include "text/byte_text.h"

namespace velloran::gtk {

// GBK to UTF-8. A byte that is no GBK character shows as U+FFFD, so any
// bytes (a page of another encoding) can be shown.
std::string utf8FromGbk(const Text& gbk);

// UTF-8 to GBK. A character that GBK cannot hold becomes '?'.
Text gbkFromUtf8(const char* utf8);

}  // namespace velloran::gtk
