#include "platform/gtk/repeating_timer.h"

namespace velloran::gtk {

void RepeatingTimer::start(std::int32_t periodMs) {
    stop();
    if (periodMs > 0) source = g_timeout_add(static_cast<guint>(periodMs), elapsed, this);
}

void RepeatingTimer::stop() {
    if (source != 0) g_source_remove(source);
    source = 0;
}

gboolean RepeatingTimer::elapsed(gpointer self) {
    static_cast<RepeatingTimer*>(self)->tick();
    return G_SOURCE_CONTINUE;
}

}  // namespace velloran::gtk
