// The marketplace addresses the program opens or fetches (ASCII).
#pragma once

namespace velloran {

// The women's channel home page, the initial text of 编辑框5; a build can
// point it elsewhere (VELLORAN_SOURCE_ADDRESS).
extern const char* const sourcePageAddress;
// The shop's add-to-favourites page and its front page, opened at every start.
extern const char* const favouritesPageAddress;
extern const char* const shopPageAddress;
// The marketplace search; the keyword is appended to it.
extern const char* const searchAddressPrefix;

}  // namespace velloran
