// 时钟1 as a GLib timeout on the window's thread.
#pragma once

#include <glib.h>

#include <cstdint>
#include <functional>

namespace velloran::gtk {

class RepeatingTimer {
public:
    explicit RepeatingTimer(std::function<void()> onTick) : tick(std::move(onTick)) {}
    ~RepeatingTimer() { stop(); }

    // 0 stops it; a positive period starts a fresh count.
    void start(std::int32_t periodMs);
    void stop();

private:
    static gboolean elapsed(gpointer self);

    std::function<void()> tick;
    guint source = 0;
};

}  // namespace velloran::gtk
