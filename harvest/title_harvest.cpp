#include "harvest/title_harvest.h"

#include "app/browser_view.h"
#include "app/controls.h"
#include "app/program_state.h"
#include "text/literals.h"

namespace velloran {

namespace {

// The title less the suffix's length, when it holds one of the marketplace's
// suffixes anywhere (the item-page suffix tried first). Only a title that
// ends with the suffix gives exactly the words in front of it.
bool cutKeyword(const Text& title, Text& keyword) {
    for (const char* suffix : {literals::marketTitleSuffix, literals::searchTitleSuffix}) {
        const Text sought = makeText(suffix);
        if (findText(title, sought) != -1) {
            keyword = leftText(title, textLength(title) - textLength(sought));
            return true;
        }
    }
    return false;
}

}  // namespace

void onTitleChanged() {
    if (state.titleCount >= titleLimit) return;
    const Text title = pageTitle();
    if (compareText(title, state.lastTitle) != 0) {
        state.lastTitle = title;
        ++state.titleCount;
        Text keyword;
        if (cutKeyword(title, keyword)) addListItem(keyword);
    }
    // Every state change is done before the load: the view may report the
    // next title from inside it.
    loadLink(++state.pageStep);
}

void loadLink(std::int32_t n) {
    if (n > chainLength) return;
    loadAddress(itemLinkAt(n));
}

}  // namespace velloran
