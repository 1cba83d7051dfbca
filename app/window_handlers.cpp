#include "app/window_handlers.h"

#include "actions/refresh.h"
#include "app/addresses.h"
#include "app/controls.h"
#include "app/program_state.h"
#include "app/shell.h"
#include "app/workers.h"
#include "fetch/fetch_page.h"

namespace velloran {

void onWindowCreated() {
    applyRefreshSetting();
    state.sourceAddress = readFieldText(ControlId::编辑框5);
    writeFieldText(ControlId::编辑框1, fetchPage(state.sourceAddress));
    openInBrowser(makeText(favouritesPageAddress));
    openInBrowser(makeText(shopPageAddress));
    startHarvest();
}

void onWindowDestroying() {
    if (state.workerThread && !state.workerThread->finished) state.workerThread->stop();
}

void onAddressEdited() { state.sourceAddress = readFieldText(ControlId::编辑框5); }

}  // namespace velloran
