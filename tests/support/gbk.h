// GBK <-> UTF-8 for tests, through iconv, so tests can spell texts in Chinese.
#pragma once

#include <string>

#include "text/byte_text.h"

namespace velloran::testing {

Text gbk(const std::string& utf8);
std::string utf8(const Text& gbkText);
// The text with CR and LF shown as \r and \n, converted to UTF-8.
std::string printable(const Text& gbkText);

}  // namespace velloran::testing
