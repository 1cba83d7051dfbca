#include "bench/page_text.h"

#include <string>

#include "tests/support/app_run.h"

namespace velloran::bench {

Text channelPage(std::size_t bytes) {
    // Markup, Chinese text and JSON-ish data, as a channel page mixes them.
    const Text filler = concatText(
        makeText("<div class=\"item_box\"><a data-spm=\"a_1z\" href=\"//list.example/cat?id=1623\">"),
        Text("\xC5\xAE\xD7\xB0\xC1\xAC\xD2\xC2\xC8\xB9\xB4\xBA\xBC\xBE\xD0\xC2\xBF\xEE"),  // 女装连衣裙春季新款
        makeText("</a><span data-x=\"{&quot;p&quot;:12}\">"),
        Text("\xA3\xA4\x31\x32\x38\xD4\xAA"), makeText("</span></div>\n"));
    Text records;
    for (int i = 1; i <= 8; ++i) records += testing::itemRecord("item.example/item.htm?id=5" + std::to_string(i));
    Text page;
    page.reserve(bytes + records.size());
    while (page.size() + records.size() < bytes) page += filler;
    page += records;
    return page;
}

}  // namespace velloran::bench
