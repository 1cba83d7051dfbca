#!/usr/bin/env python3
"""Checks the main window's tree, as window_probe prints it, against the
window the seller should see: its frame, place and size, and each control's
kind, place, size, stacking order, visibility, settings and text.

  check_window.py TREE_FILE SOURCE_ADDRESS
Prints one line per fault and exits 1 if there is any.
"""
import sys

WS_DISABLED, WS_VISIBLE = 0x08000000, 0x10000000
WS_CAPTION, WS_BORDER, WS_DLGFRAME = 0x00C00000, 0x00800000, 0x00400000
WS_VSCROLL, WS_HSCROLL, WS_SYSMENU, WS_THICKFRAME = 0x00200000, 0x00100000, 0x00080000, 0x00040000
WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_TABSTOP = 0x00020000, 0x00010000, 0x00010000
WS_EX_TOPMOST, WS_EX_TOOLWINDOW, WS_EX_CLIENTEDGE = 0x8, 0x80, 0x200
BS_TYPEMASK, BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_AUTOCHECKBOX = 0xF, 0, 1, 3
SS_NOPREFIX = 0x80
ES_MULTILINE, ES_AUTOHSCROLL, ES_WANTRETURN, ES_READONLY, ES_PASSWORD = 0x4, 0x80, 0x1000, 0x800, 0x20
LBS_SORT, LBS_MULTIPLESEL, LBS_USETABSTOPS, LBS_NOINTEGRALHEIGHT, LBS_EXTENDEDSEL = 0x2, 0x8, 0x80, 0x100, 0x800

# From the top of the stack down; the timer and the common dialog have no window.
#  name, class, left, top, width, height, seen, text (None: not checked)
CONTROLS = [
    ("按钮1", "Button", 341, 432, 145, 31, True, "现在就去选购商品"),
    ("标签3", "Static", 322, 381, 180, 91, True, None),
    ("标签2", "Static", 8, 328, 312, 144, True, None),
    ("选择框1", "Button", 429, 256, 72, 24, True, "实时更新"),
    ("按钮", "Button", 425, 156, 80, 30, True, "获取关键词"),
    ("编辑框11", "Edit", 528, 304, 128, 80, True, '","item_current_price":"" }'),
    ("按钮4", "Button", 425, 218, 80, 30, True, "查看同词宝贝"),
    ("按钮3", "Button", 425, 187, 80, 30, True, "复制关键词"),
    ("列表框1", "ListBox", 8, 155, 416, 165, True, None),
    ("编辑框10", "Edit", 584, 256, 56, 32, False, None),
    ("编辑框9", "Edit", 504, 248, 72, 40, False, None),
    ("编辑框8", "Edit", 640, 200, 80, 40, False, None),
    ("编辑框7", "Edit", 584, 192, 56, 48, False, None),
    ("编辑框6", "Edit", 544, 128, 80, 56, False, None),
    ("编辑框5", "Edit", 8, 8, 504, 24, True, None),
    ("超文本浏览框1", None, 5, 34, 508, 118, True, None),
    ("标签1", "Static", 688, 0, 64, 16, False, None),
    ("编辑框2", "Edit", 752, 0, 441, 15, False, None),
    ("编辑框1", "Edit", 512, 153, 504, 80, False, None),
]


def parse(line):
    kind, *fields = line.split()
    values = dict(field.split("=", 1) for field in fields)
    return kind, values


def text_of(values):
    raw = values.get("text", "-")
    return "" if raw == "-" else bytes.fromhex(raw).decode("gbk")


def main():
    tree_file, source_address = sys.argv[1], sys.argv[2]
    lines = [parse(line) for line in open(tree_file, encoding="ascii") if line.strip()]
    faults = []

    def expect(what, actual, wanted):
        if actual != wanted:
            faults.append("%s: %r, expected %r" % (what, actual, wanted))

    if not lines or lines[0][0] != "window":
        print("no main window in the probe's output")
        return 1
    window = lines[0][1]
    screen_width, screen_height = (int(n) for n in window["screen"].split("x"))
    expect("window size", (int(window["width"]), int(window["height"])), (515, 517))
    expect("window place", (int(window["left"]), int(window["top"])),
           ((screen_width - 515) // 2, (screen_height - 517) // 2))
    style, exstyle = int(window["style"], 16), int(window["exstyle"], 16)
    expect("caption bar and dialog frame", style & WS_CAPTION, WS_CAPTION)
    expect("system menu and minimize box", style & (WS_SYSMENU | WS_MINIMIZEBOX), WS_SYSMENU | WS_MINIMIZEBOX)
    expect("no maximize box, not resizable", style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0)
    expect("not on top, a taskbar window", exstyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), 0)
    expect("window visible", window["visible"], "1")

    children = [values for kind, values in lines[1:] if kind == "child"]
    expect("number of control windows", len(children), len(CONTROLS))
    for (name, cls, left, top, width, height, seen, text), child in zip(CONTROLS, children):
        style, exstyle = int(child["style"], 16), int(child["exstyle"], 16)
        if cls is not None:
            expect(name + " kind", child["class"].lower(), cls.lower())
        expect(name + " place and size", tuple(int(child[k]) for k in ("left", "top", "width", "height")),
               (left, top, width, height))
        expect(name + " seen", child["visible"] == "1", seen)
        if text is not None:
            expect(name + " text", text_of(child), text)
        if cls == "Button" and name != "选择框1":
            expect(name + " a plain push button", style & BS_TYPEMASK, BS_PUSHBUTTON)
        if cls == "Edit":
            # EM_SETLIMITTEXT 0: the system's maximum, far above the default 30000.
            expect(name + " no limit of its own", int(child["limit"]) & 0xFFFFFFFF > 30000, True)
            expect(name + " ordinary input", style & (ES_READONLY | ES_PASSWORD), 0)
            expect(name + " no scroll bars", style & (WS_VSCROLL | WS_HSCROLL), 0)
        if cls == "Static":
            expect(name + " shows & as itself", style & SS_NOPREFIX, SS_NOPREFIX)
            expect(name + " border", bool(style & WS_BORDER), name == "标签3")

    by_name = {entry[0]: child for entry, child in zip(CONTROLS, children)}
    if len(children) == len(CONTROLS):
        box = by_name["选择框1"]
        expect("选择框1 automatic check box", int(box["style"], 16) & BS_TYPEMASK, BS_AUTOCHECKBOX)
        expect("选择框1 unchecked", box["check"], "0")
        for name in ("编辑框1", "编辑框6"):
            style = int(by_name[name]["style"], 16)
            expect(name + " multi-line, Enter a line break, wraps",
                   style & (ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL), ES_MULTILINE | ES_WANTRETURN)
        for name in ("编辑框1", "编辑框2"):
            style, exstyle = int(by_name[name]["style"], 16), int(by_name[name]["exstyle"], 16)
            expect(name + " disabled", bool(style & WS_DISABLED), True)
            # The edit control takes WS_BORDER over and draws the line itself,
            # so only the missing sunken edge shows from outside.
            expect(name + " not sunken", bool(exstyle & WS_EX_CLIENTEDGE), False)
        field = by_name["编辑框5"]
        expect("编辑框5 sunken border", bool(int(field["exstyle"], 16) & WS_EX_CLIENTEDGE), True)
        expect("编辑框5 text", text_of(field), source_address)
        expect("编辑框5 scrolls as typed", bool(int(field["style"], 16) & ES_AUTOHSCROLL), True)
        lst = by_name["列表框1"]
        style = int(lst["style"], 16)
        expect("列表框1 unsorted single selection", style & (LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL), 0)
        expect("列表框1 tab stops, exact height", style & (LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT),
               LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT)
        expect("列表框1 flat border", bool(style & WS_BORDER), True)
        expect("列表框1 item height", int(lst["itemheight"]), int(window["defaultitemheight"]) + 1)
        expect("列表框1 nothing selected", lst["selection"], "-1")

    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
