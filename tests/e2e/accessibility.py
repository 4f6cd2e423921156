#!/usr/bin/python3
"""Every topic window used the way a screen-reader user uses it: through AT-SPI only.

The real program runs under its own Xvfb and session bus with Qt's accessibility bridge on. The
test finds each window by its title, fills its boxes by their accessible names, presses the
calculate button by its name, and reads the results and the working behind them by their
descriptions; each result the
calculation changed must also have been announced (its name- or text-changed event). It answers the fault
box (an alert captioned "Numora") and the quadratic window's message the same way.

    accessibility.py NUMORA CASES.json
"""
import json
import os
import subprocess
import sys
import tempfile
import time

MENU = "Numora - برمجة : Kadiro "

# Errors that mean an object went away while it was being asked (a box closing, a window being
# replaced); set once the accessibility library is loaded.
VANISHED = ()

# The description, name and kind (box or not) of each object whose name or text the program said
# had changed, as a screen reader hears it; the events arrive while wait_for lets the event loop
# run.
HEARD = []


def plain(text):
    """A working as it reads, without the marks that keep each number left to right."""
    return (text or "").replace("\u2066", "").replace("\u2067", "").replace("\u2069", "") \
        .replace("\u200e", "")


def holds(key, description, name, is_box):
    """Whether a result field holds what the key names: the first words of its working
    ("المساحة" in "المساحة = 3.14 × نق²"), its whole description, or, for a box, its name. The
    working is the last line of a description; a note or an out-of-date warning comes before."""
    working = description.split("\n")[-1]
    return working == key or working.startswith(key + " = ") or (is_box and name == key)


def pump(seconds):
    from gi.repository import GLib
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not context.iteration(False):
            time.sleep(0.01)


def start_session():
    read_end, write_end = os.pipe()
    # Never resetting: a reset when the last client leaves refuses connections for a moment.
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0",
                             "1280x1024x24", "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        os.environ["DISPLAY"] = ":" + display.readline().strip()
    bus = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True,
                         check=True).stdout
    for line in bus.splitlines():
        if line.startswith(("DBUS_SESSION_BUS_ADDRESS=", "DBUS_SESSION_BUS_PID=")):
            key, value = line.rstrip(";").split("=", 1)
            os.environ[key] = value.strip("'")
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    return [xvfb, launcher]


def wait_for(what, predicate, timeout=15.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            found = predicate()
        except VANISHED:  # asked while it went away: ask again
            found = None
        if found is not None:
            return found
        pump(0.1)
    raise AssertionError("timed out waiting for " + what)


def wait_for_registry(pyatspi):
    """The registry answers before the program starts, so that the program's bridge finds it."""
    def answering():
        try:
            return pyatspi.Registry.getDesktop(0).childCount >= 0 or None
        except Exception:  # the bus or the registry is still starting
            return None
    wait_for("the accessibility registry", answering, timeout=30)


def main():
    numora, cases_file = sys.argv[1], sys.argv[2]
    with open(cases_file, encoding="utf-8") as f:
        cases = json.load(f)
    processes = start_session()
    import pyatspi  # imported once the session bus is known
    from gi.repository import GLib
    global VANISHED
    VANISHED = (GLib.Error,)
    wait_for_registry(pyatspi)

    def heard(event):
        try:
            source = event.source
            HEARD.append((plain(source.description), source.name,
                          source.getRole() == pyatspi.ROLE_TEXT))
        except VANISHED:
            pass
    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name",
                                           "object:text-changed")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    log = tempfile.TemporaryFile(mode="w+", encoding="utf-8", errors="replace")
    app_process = subprocess.Popen([numora], env=env, stderr=log)
    try:
        run_cases(pyatspi, cases, app_process)
    except BaseException:
        # What the program said, and whether it is still running, decides where to look next.
        status = app_process.poll()
        print("numora " + ("is running" if status is None else "ended with %d" % status))
        log.seek(0)
        sys.stdout.write("".join(log.readlines()[-40:]))
        raise
    finally:
        app_process.kill()
        for process in processes:
            process.kill()
        pid = os.environ.get("DBUS_SESSION_BUS_PID")
        if pid:
            subprocess.run(["kill", pid], check=False)


def run_cases(pyatspi, cases, app_process):
    desktop = pyatspi.Registry.getDesktop(0)

    def menu_window():
        if app_process.poll() is not None:
            raise AssertionError("numora ended while waiting for the main menu")
        return window(MENU)

    def application():
        for app in desktop:
            if app is not None and app.name == "Numora":
                return app
        return None

    def showing(acc):
        return acc.getState().contains(pyatspi.STATE_SHOWING)

    def window(title):
        app = application()
        if app is None:
            return None
        for index in range(app.childCount):
            child = app.getChildAtIndex(index)
            if child is not None and child.name == title and showing(child):
                return child
        return None

    def alert():
        app = application()
        if app is None:
            return None
        for index in range(app.childCount):
            child = app.getChildAtIndex(index)
            if child is not None and child.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG) \
                    and showing(child):
                return child
        return None

    def find(root, predicate):
        return pyatspi.findDescendant(root, predicate, True)

    def press(root, name):
        button = find(root, lambda a: a is not None and a.getRole() == pyatspi.ROLE_PUSH_BUTTON
                      and a.name == name)
        assert button is not None, "no button named %r in %r" % (name, root.name)
        action = button.queryAction()
        action.doAction(0)

    def type_into(root, name, text):
        box = find(root, lambda a: a is not None and a.getRole() == pyatspi.ROLE_TEXT
                   and a.name == name)
        assert box is not None, "no box named %r in %r" % (name, root.name)
        box.queryEditableText().setTextContents(text)
        return box

    def field(root, key):
        found = find(root, lambda a: a is not None and holds(
            key, plain(a.description), a.name, a.getRole() == pyatspi.ROLE_TEXT))
        assert found is not None, "no result %r in %r" % (key, root.name)
        return found

    def result(root, key):
        found = field(root, key)
        if found.getRole() == pyatspi.ROLE_TEXT:
            text = found.queryText()
            return text.getText(0, text.characterCount)
        return found.name

    def option(root, name):
        found = find(root, lambda a: a is not None and a.getRole() == pyatspi.ROLE_RADIO_BUTTON
                     and a.name == name)
        assert found is not None, "no option named %r" % name
        found.queryAction().doAction(0)

    # The splash window alone takes 7.7 s; a loaded machine running a sanitized build needs more.
    try:
        menu = wait_for("the main menu", menu_window, timeout=90)
    except AssertionError:
        print("applications seen: %r" % [app.name for app in desktop if app is not None])
        raise
    failures = 0
    for case in cases:
        title = case["title"]
        try:
            press(menu, case["menu"])
            topic = wait_for(title, lambda: window(title))
            shown_before = {entry[0]: result(topic, entry[0]) for entry in case.get("results", [])}
            for name, text in case.get("inputs", []):
                type_into(topic, name, text)
            for name in case.get("options", []):
                option(topic, name)
            del HEARD[:]
            for button in case.get("press", []):
                press(topic, button)
            if "alert" in case:
                box = wait_for("an alert", alert)
                assert box.name == "Numora", "alert captioned %r" % box.name
                text = find(box, lambda a: a is not None and a.getRole() == pyatspi.ROLE_LABEL
                            and case["alert"] in a.name)
                assert text is not None, "alert without %r: %r" % (case["alert"], [
                    (a.getRoleName(), a.name) for a in pyatspi.findAllDescendants(box, lambda a: True)])
                press(box, "حسنًا")  # Qt's own "OK", in Arabic
                wait_for("the alert to close", lambda: None if alert() else True)
            for description, expected, *_ in case.get("results", []):
                try:
                    wait_for(description, lambda: True if result(topic, description) == expected
                             else None, timeout=5)
                except AssertionError:
                    raise AssertionError("%s: %s is %r, expected %r" % (
                        title, description, result(topic, description), expected))
            # The working behind each result, as its description reads it out.
            for entry in case.get("results", []):
                if len(entry) > 2:
                    heard = plain(field(topic, entry[0]).description).split("\n")[-1]
                    assert heard == entry[2], "%s: the working of %s is %r, expected %r" % (
                        title, entry[0], heard, entry[2])
            # The solution panel reads out the steps and the exact answers, a line at a time.
            if "solution" in case:
                def solution_lines():
                    panel = find(topic, lambda a: a is not None and a.name == "خطوات الحل")
                    if panel is None:
                        return None
                    text = panel.queryText()
                    # A step's rows ("= ...") joined back into its line.
                    return plain(text.getText(0, text.characterCount)).replace(
                        "\n= ", " = ").split("\n")
                try:
                    wait_for("the solution", lambda: True if all(
                        line in (solution_lines() or []) for line in case["solution"]) else None,
                        timeout=5)
                except AssertionError:
                    raise AssertionError("%s: the solution reads %r, expected the lines %r" % (
                        title, solution_lines(), case["solution"]))
            # A box read only in part says so, in its description, first.
            for name, note in case.get("notes", []):
                box = find(topic, lambda a: a is not None and a.getRole() == pyatspi.ROLE_TEXT
                           and a.name == name)
                heard = plain(box.description).split("\n")[0]
                assert heard == note, "%s: box %s says %r, expected %r" % (title, name, heard, note)
            # Editing a box afterwards puts the results out of date.
            for name, text in case.get("then_type", []):
                type_into(topic, name, text)
            for key in case.get("out_of_date", []):
                wait_for("the result %s out of date" % key, lambda: True if plain(
                    field(topic, key).description).startswith("تغيرت المدخلات بعد هذا الحساب")
                    else None, timeout=5)
            # A screen reader is told of each result that the calculation changed.
            for description, expected, *_ in case.get("results", []):
                if shown_before[description] != expected:
                    wait_for("the change event of " + description,
                             lambda: True if any(holds(description, *h) for h in HEARD) else None,
                             timeout=5)
            press(topic, "الرئيسية")
            menu = wait_for("the main menu", lambda: window(MENU))
            print("ok   " + case["name"])
        except AssertionError as error:
            failures += 1
            print("FAIL " + case["name"] + ": " + str(error))
            menu = window(MENU) or menu
    passed = len(cases) - failures
    print("%d passed, %d failed" % (passed, failures))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
