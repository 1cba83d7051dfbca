#include "actions/refresh.h"

#include "app/controls.h"
#include "app/workers.h"

namespace velloran {

void toggleRefresh() { applyRefreshSetting(); }

void applyRefreshSetting() { writeTimerPeriod(checkBoxChecked() ? refreshPeriod : 0); }

void onRefreshTimer() { startHarvest(); }

}  // namespace velloran
