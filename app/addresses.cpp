#include "app/addresses.h"

#ifndef VELLORAN_SOURCE_ADDRESS
#define VELLORAN_SOURCE_ADDRESS "http://nvzhuang.taobao.com/"
#endif

namespace velloran {

const char* const sourcePageAddress = VELLORAN_SOURCE_ADDRESS;
const char* const favouritesPageAddress = "http://favorite.taobao.com/popup/add_collection.htm?id=velloran&itemtype=0";
const char* const shopPageAddress = "http://velloran.taobao.com/";
const char* const searchAddressPrefix =
    "http://s.taobao.com/search?initiative_id=staobaoz_20140802&js=1&stats_click=search_radio_all%253A1&q=";

}  // namespace velloran
