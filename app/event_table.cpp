#include "app/event_table.h"

#include "actions/keyword_actions.h"
#include "actions/refresh.h"
#include "app/window_handlers.h"
#include "app/workers.h"
#include "harvest/title_harvest.h"

namespace velloran {

namespace {

using C = ControlId;
using E = EventKind;

const EventBinding bindings[] = {
    {true, C::编辑框1, E::created, onWindowCreated},
    {true, C::编辑框1, E::willBeDestroyed, onWindowDestroying},
    {false, C::编辑框5, E::textChanged, onAddressEdited},
    {false, C::按钮, E::clicked, startHarvest},
    {false, C::按钮1, E::clicked, openShopPage},
    {false, C::按钮3, E::clicked, copyKeyword},
    {false, C::按钮4, E::clicked, searchKeyword},
    {false, C::选择框1, E::clicked, toggleRefresh},
    {false, C::时钟1, E::periodic, onRefreshTimer},
    {false, C::超文本浏览框1, E::titleChanged, onTitleChanged},
};

void dispatch(bool fromWindow, ControlId source, EventKind event) {
    for (const EventBinding& binding : bindings) {
        if (binding.fromWindow == fromWindow && binding.event == event && (fromWindow || binding.source == source)) {
            binding.handler();
            return;
        }
    }
}

}  // namespace

void raiseEvent(ControlId source, EventKind event) { dispatch(false, source, event); }

void raiseWindowEvent(EventKind event) { dispatch(true, ControlId::编辑框1, event); }

}  // namespace velloran
