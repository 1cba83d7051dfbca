"""One run of the tool: the sample marketplace (or none), the tool itself, and
what can be seen of them from outside: the server's request log, the
addresses handed to the default browser, the exit status."""
import os
import signal
import subprocess
import sys

import observe

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(HERE, "..", "marketplace", "serve.py")


def read_lines(path):
    try:
        with open(path, encoding="utf-8") as file:
            return [line.rstrip("\n") for line in file]
    except FileNotFoundError:
        return []


class Session:
    started = 0

    def __init__(self, tool, port, workdir, captured, server_args=None):
        self.tool = tool
        self.port = port
        self.workdir = workdir
        self.captured = captured
        self.server_args = server_args
        Session.started += 1
        self.number = Session.started
        self.requests = os.path.join(workdir, "requests-%d.log" % self.number)
        self.server = None
        self.app = None
        self.exit_status = None

    def __enter__(self):
        if self.server_args is not None:
            self.server = subprocess.Popen(
                [sys.executable, SERVER, "--port", str(self.port), "--log", self.requests] + self.server_args,
                stderr=subprocess.PIPE, text=True)
            # serve.py says so once it listens.
            self.server.stderr.readline()
        open(self.captured, "w").close()
        self.output = open(os.path.join(self.workdir, "tool-%d.log" % self.number), "w")
        self.app = subprocess.Popen([self.tool], cwd=self.workdir, stdout=self.output, stderr=subprocess.STDOUT)
        return self

    def __exit__(self, *unused):
        for process in (self.app, self.server):
            if process is not None and process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.output.close()
        return False

    # What the server saw ------------------------------------------------------

    def requested_paths(self):
        return [line.split(" ", 1)[1] for line in read_lines(self.requests) if line.startswith("GET ")]

    def item_pages_requested(self):
        """Item numbers in the order their pages were asked for."""
        return [int(path[len("/item/"):-len(".htm")]) for path in self.requested_paths()
                if path.startswith("/item/") and path.endswith(".htm")]

    def opened_addresses(self):
        return read_lines(self.captured)

    # The tool -------------------------------------------------------------------

    def accessible(self):
        return observe.application(self.app.pid)

    def main_window(self, timeout=60):
        return observe.wait_for("the main window", lambda: observe.visible_windows("Velloran"), timeout)[0]

    def wait_for_exit(self, timeout=30):
        self.exit_status = self.app.wait(timeout=timeout)
        return self.exit_status
