// How the main window and its controls look: plain data that every host
// builds its window from. The program's own layout is app/window_layout.cpp.
#pragma once

#include <cstdint>

namespace velloran {

// The window's controls, in stacking order from the top.
enum class ControlId : std::int32_t {
    按钮1,
    标签3,
    标签2,
    时钟1,
    选择框1,
    按钮,
    编辑框11,
    按钮4,
    按钮3,
    列表框1,
    编辑框10,
    编辑框9,
    编辑框8,
    编辑框7,
    编辑框6,
    通用对话框1,
    编辑框5,
    超文本浏览框1,
    标签1,
    编辑框2,
    编辑框1,
};
inline constexpr int controlCount = 21;

enum class ControlKind : std::int32_t {
    pushButton,
    label,
    timer,          // non-visual
    checkBox,
    editField,
    listBox,
    commonDialog,   // non-visual
    browserView,
};

struct ControlLayout {
    ControlId id;
    const char* name;     // the control's layout name, UTF-8, for diagnostics
    ControlKind kind;
    int left, top, width, height;  // client-area pixels
    bool seen;            // shown when the window is shown
    bool enabled;
    bool multiLine;       // edit fields: keeps line breaks, wraps, no scroll bars
    bool flatBorder;      // one-pixel border instead of the sunken one
    int fontHeight;       // pixels; 0 for the default GUI font
    const char* initialText;  // GBK bytes
};

struct WindowLayout {
    const char* caption;  // GBK bytes
    int outerWidth, outerHeight;  // including frame and caption bar
    const ControlLayout* controls;  // controlCount entries, in ControlId order
};

}  // namespace velloran
