"""The end-to-end suite of the GTK build: the real tool under Xvfb against the
sample marketplace on 127.0.0.1, looked at only from outside.

  suite.py TOOL PORT WORKDIR CAPTURED

TOOL was built with the source address http://127.0.0.1:PORT/; CAPTURED is
the file the desktop's default browser handler appends each address to.
"""
import os
import signal
import subprocess
import sys
import time
import traceback

import observe
from session import SERVER, Session

FAVOURITES = "http://favorite.taobao.com/popup/add_collection.htm?id=velloran&itemtype=0"
SHOP = "http://velloran.taobao.com/"
SEARCH = "http://s.taobao.com/search?initiative_id=staobaoz_20140802&js=1&stats_click=search_radio_all%253A1&q="

# Client-area places of the controls that are seen: (role, name, left, top, width, height).
SEEN_CONTROLS = [
    ("push button", "现在就去选购商品", 341, 432, 145, 31),
    ("push button", "获取关键词", 425, 156, 80, 30),
    ("push button", "查看同词宝贝", 425, 218, 80, 30),
    ("push button", "复制关键词", 425, 187, 80, 30),
    ("check box", "实时更新", 429, 256, 72, 24),
]
CLIENT_WIDTH, CLIENT_HEIGHT = 509, 488
HIDDEN_FIELD_TEXTS = ['{"item_url":"http://', '","item_pic":"http:', '"item_current_price":"" } ',
                      '"","item_title":"', '","item_current_price']
RECORD_END_MARKER = '","item_current_price":"" }'

results = []


def case(name, body, *arguments):
    """Runs one case; an assertion or any error fails it and the suite goes on."""
    started = time.monotonic()
    try:
        body(*arguments)
    except Exception:
        results.append(False)
        print("FAIL  %s (%.1fs)" % (name, time.monotonic() - started))
        print("      " + traceback.format_exc().strip().replace("\n", "\n      "))
    else:
        results.append(True)
        print("ok    %s (%.1fs)" % (name, time.monotonic() - started))
    sys.stdout.flush()


def expect_equal(seen, wanted, what):
    if seen != wanted:
        raise AssertionError("%s: wanted %r, saw %r" % (what, wanted, seen))


def expected_keywords(server_args):
    out = subprocess.run([sys.executable, SERVER, "--print-keywords"] + server_args,
                         capture_output=True, text=True, check=True).stdout
    return out.split("\n")[:-1] if out else []


def wait_for_keywords(run, wanted):
    return observe.wait_for("the keywords %r" % wanted,
                            lambda: observe.list_items(run.accessible()) == wanted, timeout=60)


def close_message_box(run, title):
    box, _ = observe.wait_for("the box " + title, lambda: observe.message_box(run.accessible(), title))
    observe.click_middle(observe.find(box, "push button"))
    observe.wait_for("the box to close", lambda: observe.message_box(run.accessible(), title) is None)


# The cases ---------------------------------------------------------------------

def source_fetched_before_window(run):
    observe.wait_for("the source page request", lambda: "/" in run.requested_paths())
    # The server holds its answer back for 6 s; the window must not be up
    # for the first half of that.
    seen = time.monotonic()
    while time.monotonic() - seen < 3:
        expect_equal(observe.visible_windows("Velloran"), [], "windows seen while the page downloads")
        time.sleep(0.2)
    run.main_window()
    expect_equal(run.requested_paths().count("/"), 1, "source page requests")


def window_frame(run):
    window = run.main_window()
    left, top, width, height = observe.window_geometry(window)
    expect_equal((width, height), (CLIENT_WIDTH, CLIENT_HEIGHT), "client area size")
    screen_width, screen_height = observe.screen_size()
    expect_equal((left, top), ((screen_width - width) // 2, (screen_height - height) // 2), "window place")
    hints = observe.size_hints(window)
    for bound in ("minimum", "maximum"):
        if "program specified %s size: %d by %d" % (bound, width, height) not in hints:
            raise AssertionError("the window can be resized: %s" % hints)


def label_starting_with(app, start):
    return next((node for node in observe.descendants(app)
                 if observe.matches(node, "label", None, None) and node.get_name().startswith(start)), None)


def controls_in_place(run, port):
    app = run.accessible()
    address = "http://127.0.0.1:%d/" % port
    checks = [(observe.find(app, role, name=name), name, (left, top, width, height))
              for role, name, left, top, width, height in SEEN_CONTROLS]
    checks.append((observe.find(app, "text", text=address), "编辑框5", (8, 8, 504, 24)))
    checks.append((observe.find(app, "table").get_parent(), "列表框1", (8, 155, 416, 165)))
    checks.append((label_starting_with(app, "主页："), "标签2", (8, 328, 312, 144)))
    checks.append((label_starting_with(app, "欢迎光临"), "标签3", (322, 381, 180, 91)))
    for accessible, name, place in checks:
        if accessible is None:
            raise AssertionError("no control " + name)
        expect_equal(observe.extents(accessible, relative_to_window=True), place, name + " place")
    expect_equal(observe.is_checked(observe.find(app, "check box", name="实时更新")), False, "实时更新 checked")
    outside = observe.find(app, "text", text=RECORD_END_MARKER)
    if observe.extents(outside, relative_to_window=True)[0] < CLIENT_WIDTH:
        raise AssertionError("编辑框11 lies inside the client area")
    for marker in HIDDEN_FIELD_TEXTS:
        field = observe.find(app, "text", text=marker)
        if field is None or observe.is_showing(field):
            raise AssertionError("the field holding %r is not a hidden field" % marker)


def promotional_pages_opened(run):
    opened = observe.wait_for("two opened addresses", lambda: len(run.opened_addresses()) >= 2 and
                              run.opened_addresses())
    # Two handler processes are started one after the other; either may write first.
    expect_equal(sorted(opened), sorted([FAVOURITES, SHOP]), "addresses opened at start")


def keywords_harvested(run, keywords):
    wait_for_keywords(run, keywords)
    # Link 1 is loaded by the worker and again by the first title's step.
    observe.wait_for("the walk to end", lambda: len(run.item_pages_requested()) >= 9)
    expect_equal(run.item_pages_requested(), [1, 1, 2, 3, 4, 5, 6, 7, 8], "item pages walked")


def redirected_error_status_source(run, keywords):
    # The body counts whatever the status; the redirect is followed.
    wait_for_keywords(run, keywords)
    expect_equal([path for path in run.requested_paths() if not path.startswith("/item/")], ["/", "/index.htm"],
                 "source page requests")


def walk_past_untitled_and_dead_pages(run, keywords):
    # An untitled page goes by its address and a dead link by an error page;
    # neither carries a suffix, and the walk goes on after each.
    wait_for_keywords(run, keywords)
    observe.wait_for("the walk to end", lambda: 8 in run.item_pages_requested())
    expect_equal(run.item_pages_requested(), [1, 1, 2, 3, 4, 5, 7, 8], "item pages walked")


def copy_keyword(run, keywords):
    app = run.accessible()
    observe.click_middle(observe.list_cell(app, keywords[2]))
    observe.click_middle(observe.find(app, "push button", name="复制关键词"))
    box, labels = observe.wait_for("the box 信息：", lambda: observe.message_box(run.accessible(), "信息："))
    if "复制OK" not in labels:
        raise AssertionError("the box says %r" % labels)
    expect_equal(observe.clipboard_text(), keywords[2], "clipboard")
    close_message_box(run, "信息：")
    # The text stays on offer once the box is gone.
    expect_equal(observe.clipboard_text(), keywords[2], "clipboard after the box")


def search_keyword(run, keywords):
    before = len(run.opened_addresses())
    observe.click_middle(observe.list_cell(run.accessible(), keywords[4]))
    observe.click_middle(observe.find(run.accessible(), "push button", name="查看同词宝贝"))
    observe.wait_for("the search address", lambda: len(run.opened_addresses()) > before)
    expect_equal(run.opened_addresses()[before:], [SEARCH + keywords[4]], "address opened")


def open_shop(run):
    before = len(run.opened_addresses())
    observe.click_middle(observe.find(run.accessible(), "push button", name="现在就去选购商品"))
    observe.wait_for("the shop address", lambda: len(run.opened_addresses()) > before)
    expect_equal(run.opened_addresses()[before:], [SHOP], "address opened")


def harvest_again_under_message_box(run, keywords):
    walked = len(run.item_pages_requested())
    app = run.accessible()
    observe.click_middle(observe.find(app, "push button", name="获取关键词"))
    observe.click_middle(observe.find(app, "push button", name="复制关键词"))
    observe.wait_for("the box 信息：", lambda: observe.message_box(run.accessible(), "信息："))
    # With the box open, its loop serves the new worker and the view's titles.
    observe.wait_for("the second walk", lambda: len(run.item_pages_requested()) >= walked + 9)
    wait_for_keywords(run, keywords)
    if observe.message_box(run.accessible(), "信息：") is None:
        raise AssertionError("the box closed by itself")
    close_message_box(run, "信息：")
    expect_equal(run.item_pages_requested()[walked:], [1, 1, 2, 3, 4, 5, 6, 7, 8], "item pages walked again")
    expect_equal(run.requested_paths().count("/"), 1, "source page requests")


def escape_closes(run):
    observe.press_key(run.main_window(), "Escape")
    expect_equal(run.wait_for_exit(), 0, "exit status")
    expect_equal(observe.visible_windows("Velloran"), [], "windows left")


def escape_from_the_browser_view(run):
    # The view has the key first; a page that does not want Esc passes it on.
    observe.click_middle(observe.find(run.accessible(), "document web"))
    escape_closes(run)


def close_during_harvest(run):
    observe.click_middle(observe.find(run.accessible(), "push button", name="获取关键词"))
    escape_closes(run)


def no_display(tool, workdir):
    environment = dict(os.environ, DISPLAY=":%d" % (os.getpid() % 1000 + 5000))
    result = subprocess.run([tool], cwd=workdir, env=environment, capture_output=True, timeout=60)
    expect_equal(result.returncode, 255, "exit status")
    report = result.stderr.decode("utf-8", "replace")
    for line in ("运行时出错!", "错误信息：载入启动窗口失败"):
        if line not in report:
            raise AssertionError("the fatal error report lacks %r: %r" % (line, report))


def unreachable_source(run):
    run.main_window()
    promotional_pages_opened(run)
    # The harvest clears the list and finds nothing to add.
    observe.wait_for("an empty list", lambda: observe.list_items(run.accessible()) == [])
    time.sleep(3)
    expect_equal(observe.list_items(run.accessible()), [], "keywords")
    if observe.message_box(run.accessible(), "错误") is not None:
        raise AssertionError("a box came up for an unreachable server")


def nothing_kept_by_the_browser(home):
    kept = [os.path.join(folder, name) for folder, _, names in os.walk(home) for name in names + [""]
            if "webkitgtk" in os.path.join(folder, name)]
    expect_equal(kept, [], "WebKit data under the home folder")


def window_thread_cases(tool):
    """The cross-thread calls on a bare main context, one case per line of its report."""
    test = os.path.join(os.path.dirname(tool), "velloran_gtk_window_thread_test")
    try:
        report = subprocess.run([test], capture_output=True, text=True, timeout=120).stdout.splitlines()
    except subprocess.TimeoutExpired as timeout:
        report = (timeout.stdout or b"").decode().splitlines() + ["FAIL the next call (it hung)"]
    for line in report:
        verdict, _, name = line.partition(" ")
        case(name, lambda passed=verdict == "ok": expect_equal(passed, True, "verdict"))


def main():
    # Stopped from outside: leave through the sessions, which stop what they started.
    signal.signal(signal.SIGTERM, lambda *unused: sys.exit(143))
    tool, port, workdir, captured = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
    try:
        window_thread_cases(tool)
        keywords = expected_keywords([])
        with Session(tool, port, workdir, captured, ["--root-delay", "6"]) as run:
            case("the source page is fetched once, before the window appears", source_fetched_before_window, run)
            case("the window: client area 509x488, centred, fixed size", window_frame, run)
            case("controls at their layout places; hidden fields hidden, 编辑框11 outside",
                 controls_in_place, run, port)
            case("both promotional addresses are opened at start", promotional_pages_opened, run)
            case("eight keywords appear in order from eight item pages", keywords_harvested, run, keywords)
            case("复制关键词 puts the selected keyword on the clipboard and shows 复制OK", copy_keyword, run, keywords)
            case("查看同词宝贝 opens the search address with the keyword", search_keyword, run, keywords)
            case("现在就去选购商品 opens the shop address", open_shop, run)
            case("获取关键词 starts a new harvest, served while a message box is open",
                 harvest_again_under_message_box, run, keywords)
            case("Esc closes the window with exit status 0", escape_closes, run)

        plain = ["--plain-title", "3"]
        with Session(tool, port, workdir, captured, plain) as run:
            case("a page without a suffix adds no keyword", keywords_harvested, run, expected_keywords(plain))
            case("Esc in the browser view closes the window with exit status 0", escape_from_the_browser_view, run)

        moved = ["--redirect-source", "--source-status", "404"]
        with Session(tool, port, workdir, captured, moved) as run:
            case("a source page behind a redirect, sent with status 404, is harvested",
                 redirected_error_status_source, run, keywords)

        odd = ["--untitled", "4", "--dead-link", "6"]
        with Session(tool, port, workdir, captured, odd) as run:
            case("an untitled page and a dead link add no keyword and do not stop the walk",
                 walk_past_untitled_and_dead_pages, run, expected_keywords(odd))

        with Session(tool, port, workdir, captured, []) as run:
            run.main_window()
            case("closing while a harvest runs ends with exit status 0", close_during_harvest, run)

        with Session(tool, port, workdir, captured, None) as run:
            case("an unreachable source leaves the list empty and still opens both addresses",
                 unreachable_source, run)
            case("Esc closes the window with exit status 0 (no server)", escape_closes, run)

        case("a window that cannot be made is a fatal error: its report, exit status 255", no_display, tool,
             workdir)
        case("the browser view keeps nothing under the home folder", nothing_kept_by_the_browser,
             os.environ["HOME"])
    except Exception:
        traceback.print_exc()
        results.append(False)
    passed = results.count(True)
    print("%d passed, %d failed" % (passed, len(results) - passed))
    return 0 if all(results) and results else 1


if __name__ == "__main__":
    sys.exit(main())
