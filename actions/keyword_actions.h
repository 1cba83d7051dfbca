// What the user does with the harvested keywords.
#pragma once

#include "text/byte_text.h"

namespace velloran {

void copyKeyword();    // 按钮3
void searchKeyword();  // 按钮4
void openShopPage();   // 按钮1

// The marketplace search for `keyword`. Bytes that would end or change the
// query (space, quote, #, %, &, +, <, >, control bytes) go percent-encoded;
// every other byte, GBK included, goes as it is.
Text searchAddressFor(const Text& keyword);

}  // namespace velloran
