"""Looking at the running tool from outside: its accessible tree over AT-SPI,
its X windows, real mouse and key input through XTEST, and the clipboard."""
import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def wait_for(what, probe, timeout=45.0, interval=0.25):
    """Polls `probe` until it gives something true; raises with `what` on time-out."""
    deadline = time.monotonic() + timeout
    last = None
    while time.monotonic() < deadline:
        try:
            last = probe()
        except Exception as error:  # the tree changes under us while we read it
            last = error
        if last and not isinstance(last, Exception):
            return last
        time.sleep(interval)
    raise AssertionError("timed out waiting for %s (last seen: %r)" % (what, last))


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, timeout=30).stdout


# X windows ------------------------------------------------------------------

def visible_windows(title):
    """Ids of the mapped top-level windows named exactly `title`."""
    out = run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % title)
    return [int(line) for line in out.split()]


def window_geometry(window):
    """(left, top, width, height) of a window on the screen."""
    info = {}
    for line in run("xwininfo", "-id", str(window)).splitlines():
        key, _, value = line.strip().partition(":")
        info[key] = value.strip()
    return (int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"]),
            int(info["Width"]), int(info["Height"]))


def size_hints(window):
    return run("xprop", "-id", str(window), "WM_NORMAL_HINTS")


def screen_size():
    for line in run("xwininfo", "-root").splitlines():
        if "Width:" in line:
            width = int(line.split(":")[1])
        if "Height:" in line:
            height = int(line.split(":")[1])
    return width, height


def click(x, y):
    run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")


def click_middle(accessible):
    x, y, width, height = extents(accessible)
    click(x + width // 2, y + height // 2)


def press_key(window, key):
    run("xdotool", "windowfocus", "--sync", str(window))
    run("xdotool", "key", key)


def clipboard_text():
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-target", "UTF8_STRING"],
                            capture_output=True, timeout=30)
    return result.stdout.decode("utf-8") if result.returncode == 0 else None


# The accessible tree -----------------------------------------------------------

def application(pid):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is not None and app.get_process_id() == pid:
            app.clear_cache()
            return app
    return None


def descendants(accessible):
    """Every accessible below this one; parts that go away while we walk
    (the browser view replaces its page's tree as it loads) are passed over."""
    try:
        children = [accessible.get_child_at_index(index) for index in range(accessible.get_child_count())]
    except GLib.Error:
        return
    for child in children:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def matches(node, role, name, text):
    try:
        return (node.get_role_name() == role and (name is None or node.get_name() == name)
                and (text is None or text_of(node) == text))
    except GLib.Error:
        return False


def find(root, role, name=None, text=None):
    """The first accessible under `root` with this role and, if given, name or text."""
    return next((node for node in descendants(root) if matches(node, role, name, text)), None)


def text_of(accessible):
    count = Atspi.Text.get_character_count(accessible)
    return Atspi.Text.get_text(accessible, 0, count)


def extents(accessible, relative_to_window=False):
    kind = Atspi.CoordType.WINDOW if relative_to_window else Atspi.CoordType.SCREEN
    box = Atspi.Component.get_extents(accessible, kind)
    return box.x, box.y, box.width, box.height


def is_showing(accessible):
    return accessible.get_state_set().contains(Atspi.StateType.SHOWING)


def is_checked(accessible):
    return accessible.get_state_set().contains(Atspi.StateType.CHECKED)


def list_items(app):
    """The texts of 列表框1's rows, top to bottom."""
    table = find(app, "table")
    if table is None:
        return None
    return [cell.get_name() for cell in descendants(table) if matches(cell, "table cell", None, None)]


def list_cell(app, text):
    table = find(app, "table")
    return find(table, "table cell", name=text) if table is not None else None


def message_box(app, title):
    """The open message box titled `title` and the texts of its labels, or None."""
    for index in range(app.get_child_count()):
        window = app.get_child_at_index(index)
        if window is not None and window.get_role_name() == "alert" and window.get_name() == title:
            labels = [text_of(node) for node in descendants(window) if matches(node, "label", None, None)]
            return window, labels
    return None
