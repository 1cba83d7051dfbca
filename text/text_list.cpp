#include "text/text_list.h"

#include "text/fatal_error.h"
#include "text/literals.h"

namespace velloran {

void listAppend(TextList& list, const Text& text) { list.push_back(text); }

std::int32_t listCount(const TextList& list) { return static_cast<std::int32_t>(list.size()); }

const Text& listAt(const TextList& list, std::int32_t n) {
    if (n < 1) fatalError(4, makeText(literals::indexBelowOne));
    if (n > listCount(list)) fatalError(1, makeText(literals::indexOutOfRange));
    return list[static_cast<std::size_t>(n - 1)];
}

}  // namespace velloran
