#!/usr/bin/python3
"""A round of The Tallyrun played through AT-SPI alone, as a screen reader user plays it.

atspi_round.sh runs this inside a private D-Bus session with an X display and the AT-SPI bus.
It starts the game with a settings folder of its own and runs the checks below in order,
printing "ok - NAME" or "FAIL - NAME: why". Exit status 0 when every check passed, else 1.
Every wait is a poll with a deadline.
"""

import argparse
import ast
import ctypes
import fractions
import os
import re
import subprocess
import sys
import time
import traceback

try:
    import pyatspi
    from gi.repository import Atspi, GLib
except ImportError as error:
    print("FAIL - AT-SPI client: /usr/bin/python3 cannot import pyatspi (package "
          "python3-pyatspi, which tools/setup.sh installs): %s" % error)
    sys.exit(1)

APP_NAME = "The Tallyrun"
CALL_TIMEOUT_MS = 20000  # one AT-SPI call on a loaded machine or a sanitizer build
DEADLINE = 60.0  # seconds for the game to show what a step changed
SEARCH_DEADLINE = 600.0  # the whole search, which the sanitizers slow down a great deal

# The private store: sounds off, seconds shown, a 30-second round at the fastest clock the game
# loads (950 ms a tick). The round is stopped after its first tick, so its length only bounds
# how long STOP may take to arrive. Any six small numbers reach every target up to 199 (the
# terminal solver says so for all of them), so the solver always has answers to read.
LOWEST, HIGHEST = 101, 199
SETTINGS = """[General]
TimeAllowed=0
NoSounds=1
ShowSeconds=1
TimerInterval=950
LowestTarget=%d
HighestTarget=%d
""" % (LOWEST, HIGHEST)

# Roles of the controls a player uses; each must say what it is.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_LIST, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PROGRESS_BAR,
    pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_SLIDER,
}


class Failure(Exception):
    pass


def expect(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, deadline=DEADLINE):
    """Polls probe() until it returns something true and returns that; fails after deadline."""
    end = time.monotonic() + deadline
    last_error = None
    while True:
        try:
            result = probe()
            if result:
                return result
        except GLib.GError as error:  # an object that went away while it was read
            last_error = error
        if time.monotonic() > end:
            raise Failure("timed out after %.0f s waiting for %s%s" % (
                deadline, what, " (last error: %s)" % last_error if last_error else ""))
        time.sleep(0.05)


# ---- reading the tree

def children(acc):
    return [c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c is not None]


def walk(acc, into_lists=False):
    """acc and its descendants; the items of lists are left out unless asked for."""
    yield acc
    if not into_lists and acc.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE):
        return
    for child in children(acc):
        yield from walk(child, into_lists)


def has(acc, state):
    return acc.getState().contains(state)


def showing(acc):
    return has(acc, pyatspi.STATE_SHOWING)


def enabled(acc):
    return has(acc, pyatspi.STATE_ENABLED) and has(acc, pyatspi.STATE_SENSITIVE)


def find(root, role, name=None, only_showing=True, into_lists=False):
    return [a for a in walk(root, into_lists) if a.getRole() == role
            and (name is None or a.name == name) and (not only_showing or showing(a))]


def one(root, role, name, only_showing=True):
    found = find(root, role, name, only_showing)
    return found[0] if len(found) == 1 else None


def need(root, role, name, only_showing=True):
    """The one control of that role and name (polled: the game may still be building it)."""
    return wait_for("%s %r" % (Atspi.role_get_name(role), name),
                    lambda: one(root, role, name, only_showing))


def text_of(acc):
    text = acc.queryText()
    return text.getText(0, text.characterCount)


def value_of(acc):
    return acc.queryValue().currentValue


def labelled_by(acc):
    return [r.getTarget(i).name for r in acc.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(r.getNTargets())]


def says_what_it_is(acc):
    """A name with a letter or a digit in it ("<<" or "×" alone say nothing); a combo box
    is named by its value and says what it is through its label."""
    if acc.getRole() == pyatspi.ROLE_COMBO_BOX:
        return bool(labelled_by(acc))
    return re.search(r"\w", acc.name or "") is not None


def unnamed_controls(window):
    return ["%s %r" % (a.getRoleName(), a.name) for a in walk(window)
            if a.getRole() in CONTROL_ROLES and showing(a) and not says_what_it_is(a)]


def window_named(app, name):
    return next((w for w in children(app) if w.name == name and showing(w)), None)


# ---- acting

def press(acc, unanswered=False):
    """Runs the control's "Press" action. Qt runs a menu command inside the call: one that
    opens a modal window answers only when that window closes, one that ends the game never.
    Such a call (unanswered) is given half a second, and the caller polls for what it did."""
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    expect("Press" in names, "%s %r has no Press action (%s)" % (acc.getRoleName(), acc.name,
                                                                  names))
    if not unanswered:
        action.doAction(names.index("Press"))
        return
    Atspi.set_timeout(500, 0)
    try:
        action.doAction(names.index("Press"))
    except GLib.GError:
        pass
    finally:
        Atspi.set_timeout(CALL_TIMEOUT_MS, 0)


def activate(window):
    """Gives `window` the keyboard and makes it the active window, as a window manager does
    when a window opens or when the window above it closes."""
    wait_for("the window %r to be active" % window.name,
             lambda: give_focus(window) and has(window, pyatspi.STATE_ACTIVE))


def press_escape():
    pyatspi.Registry.generateKeyboardEvent(0xFF1B, None, pyatspi.KEY_SYM)


def give_focus(window):
    """Gives the X input focus to the top-level window where the accessible `window` lies, as
    a window manager would (the display has none); true when there was one. Nothing else of
    the test goes through X."""
    box = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x = ctypes.CDLL("libX11.so.6")
    ulong, uint, c_int, ref = ctypes.c_ulong, ctypes.c_uint, ctypes.c_int, ctypes.byref
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XQueryTree.argtypes = [ctypes.c_void_p, ulong] + [ctypes.c_void_p] * 4
    x.XGetGeometry.argtypes = [ctypes.c_void_p, ulong] + [ctypes.c_void_p] * 7
    x.XSetInputFocus.argtypes = [ctypes.c_void_p, ulong, c_int, ulong]
    x.XFree.argtypes = x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x.XSync.argtypes = [ctypes.c_void_p, c_int]
    x.XSetErrorHandler.restype = ctypes.c_void_p
    x.XSetErrorHandler.argtypes = [ctypes.c_void_p]
    # A window that goes away meanwhile is an error that Xlib would end the test for.
    ignore = ctypes.CFUNCTYPE(c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda *_: 0)
    display = x.XOpenDisplay(None)
    expect(display, "cannot open the X display %r" % os.environ.get("DISPLAY"))
    previous = x.XSetErrorHandler(ctypes.cast(ignore, ctypes.c_void_p))
    try:
        root, parent, kids, count = ulong(), ulong(), ctypes.POINTER(ulong)(), uint()
        x.XQueryTree(display, x.XDefaultRootWindow(display), ref(root), ref(parent), ref(kids),
                     ref(count))
        windows = [kids[i] for i in range(count.value)]
        if kids:
            x.XFree(kids)
        for candidate in windows:
            left, top, width, height = c_int(), c_int(), uint(), uint()
            x.XGetGeometry(display, candidate, ref(root), ref(left), ref(top), ref(width),
                           ref(height), ref(uint()), ref(uint()))
            if (left.value, top.value, width.value, height.value) == (box.x, box.y, box.width,
                                                                      box.height):
                x.XSetInputFocus(display, candidate, 2, 0)  # RevertToParent, CurrentTime
                x.XSync(display, 0)
                return True
        return False
    finally:
        x.XCloseDisplay(display)
        x.XSetErrorHandler(previous)


# ---- the round


class Round:
    def __init__(self, game, work):
        self.work = work
        self.game_log = os.path.join(work, "game.log")
        self.settings_file = os.path.join(work, "settings", "K.V.R.", "Figurello.conf")
        os.makedirs(os.path.dirname(self.settings_file), exist_ok=True)
        with open(self.settings_file, "w") as f:
            f.write(SETTINGS)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   TALLYRUN_SETTINGS_DIR=os.path.join(work, "settings"),
                   TALLYRUN_DATA_DIR=os.path.join(work, "data"))
        with open(self.game_log, "w") as log:
            self.process = subprocess.Popen([game], env=env, stdout=log, stderr=log)
        self.app = self.frame = self.settings = None
        self.numbers = []
        self.target = None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    # Each step is one named check; later steps build on the earlier ones.

    def the_game_is_on_the_bus(self):
        def app():
            if self.process.poll() is not None:
                raise Failure("the game exited with %s" % self.process.returncode)
            desktop = pyatspi.Registry.getDesktop(0)
            return next((a for a in children(desktop) if a.name == APP_NAME), None)
        self.app = wait_for("the application %r" % APP_NAME, app)
        self.frame = wait_for("its main window", lambda: window_named(self.app, APP_NAME))
        expect(self.frame.getRole() == pyatspi.ROLE_FRAME, "the main window is a %s"
               % self.frame.getRoleName())
        activate(self.frame)

    def every_main_window_control_says_what_it_is(self):
        wait_for("24 face-down buttons", lambda: len(self.face_down()) == 24)
        missing = unnamed_controls(self.frame)
        expect(not missing, "controls without a name that says what they are: %s" % missing)
        for name in ("Exit", "Setting", "Manual setup", "About"):
            need(self.frame, pyatspi.ROLE_MENU_ITEM, name)

    def face_down(self):
        return [b for b in find(self.frame, pyatspi.ROLE_PUSH_BUTTON)
                if b.name.startswith("Face-down number ")]

    def the_deal_is_read(self):
        names = [b.name for b in self.face_down()]
        expect(names == ["Face-down number %d" % i for i in range(1, 25)],
               "face-down buttons: %s" % names)
        for button in self.face_down():
            expect(enabled(button), "%r is disabled" % button.name)
        first = self.face_down()[0]
        wait_for("the focus on %r" % first.name, lambda: has(first, pyatspi.STATE_FOCUSED))
        start = need(self.frame, pyatspi.ROLE_PUSH_BUTTON, "START")
        expect(not enabled(start), "START is enabled before six numbers are picked")
        for i in range(6):
            slot = need(self.frame, pyatspi.ROLE_LABEL, "Chosen number %d" % (i + 1))
            expect(text_of(slot) == "", "slot %d reads %r before a pick" % (i + 1,
                                                                             text_of(slot)))
        target = need(self.frame, pyatspi.ROLE_LABEL, "Target")
        expect(text_of(target) == "", "the target reads %r before START" % text_of(target))
        value = need(self.frame, pyatspi.ROLE_PROGRESS_BAR, "Round clock").queryValue()
        reading = (value.currentValue, value.minimumValue, value.maximumValue)
        expect(reading == (0, 0, 60), "the clock reads %s (value, least, most)" % (reading,))

    def six_picks_fill_the_slots(self):
        for i in range(1, 7):
            button = need(self.frame, pyatspi.ROLE_PUSH_BUTTON, "Face-down number %d" % i)
            press(button)
            wait_for("%r to be used and hidden" % button.name,
                     lambda: button.name == "Face-down number %d, used" % i
                     and not showing(button))
            if i < 6:
                following = need(self.frame, pyatspi.ROLE_PUSH_BUTTON,
                                 "Face-down number %d" % (i + 1))
                wait_for("the focus to move on to %r" % following.name,
                         lambda: has(following, pyatspi.STATE_FOCUSED))
        slots = [need(self.frame, pyatspi.ROLE_LABEL, "Chosen number %d" % i)
                 for i in range(1, 7)]
        texts = wait_for("six numbers in the slots",
                         lambda: all(text_of(s) for s in slots) and [text_of(s) for s in slots])
        expect(all(t.isdigit() for t in texts), "the slots read %s" % texts)
        self.numbers = [int(t) for t in texts]
        # The first row is dealt the small numbers, 1 to 10 once each.
        expect(self.numbers == sorted(set(self.numbers), reverse=True)
               and self.numbers[0] <= 10,
               "the slots do not hold six small numbers, largest first: %s" % self.numbers)
        start = need(self.frame, pyatspi.ROLE_PUSH_BUTTON, "START")
        wait_for("START enabled and focused", lambda: enabled(start)
                 and has(start, pyatspi.STATE_FOCUSED))

    def start_rolls_the_target_and_the_clock_runs(self):
        press(need(self.frame, pyatspi.ROLE_PUSH_BUTTON, "START"))
        stop = need(self.frame, pyatspi.ROLE_PUSH_BUTTON, "STOP")
        clock = need(self.frame, pyatspi.ROLE_PROGRESS_BAR, "Round clock")
        # The clock starts once the roll has ended, so the target stands from its first tick.
        wait_for("the clock's first tick", lambda: value_of(clock) >= 1)
        text = text_of(need(self.frame, pyatspi.ROLE_LABEL, "Target"))
        expect(text.isdigit() and LOWEST <= int(text) <= HIGHEST, "the target reads %r" % text)
        self.target = int(text)
        wait_for("STOP focused", lambda: has(stop, pyatspi.STATE_FOCUSED))

    def stop_ends_the_round(self):
        clock = need(self.frame, pyatspi.ROLE_PROGRESS_BAR, "Round clock")
        press(need(self.frame, pyatspi.ROLE_PUSH_BUTTON, "STOP"))
        need(self.frame, pyatspi.ROLE_PUSH_BUTTON, "PLAY AGAIN")
        stopped_at = value_of(clock)
        expect(1 <= stopped_at < 30, "the clock stopped at %s of a 30-second round" % stopped_at)
        for name in ("Show Answer(s)", "Validate"):
            button = need(self.frame, pyatspi.ROLE_PUSH_BUTTON, name)
            expect(enabled(button), "%r is disabled after STOP" % name)
        expect(text_of(need(self.frame, pyatspi.ROLE_LABEL, "Target")) == str(self.target),
               "the target changed when the round stopped")

    def the_checker_takes_a_calculation(self):
        press(need(self.frame, pyatspi.ROLE_PUSH_BUTTON, "Validate"))
        checker = wait_for("the checker window",
                           lambda: window_named(self.app, "validate my answer:"))
        expect(checker.getRole() == pyatspi.ROLE_DIALOG, "the checker is a %s"
               % checker.getRoleName())
        missing = unnamed_controls(checker)
        expect(not missing, "checker controls without a name that says what they are: %s"
               % missing)
        target = need(checker, pyatspi.ROLE_LABEL, "Target")
        expect(text_of(target) == "Target = %d" % self.target, "the checker's target reads %r"
               % text_of(target))
        display = need(checker, pyatspi.ROLE_LABEL, "Calculation")
        expect(text_of(display) == "", "the display reads %r at the start" % text_of(display))
        numbers = [k for k in find(checker, pyatspi.ROLE_PUSH_BUTTON) if k.name.isdigit()]
        expect([int(k.name) for k in numbers] == self.numbers,
               "the number keys read %s" % [k.name for k in numbers])
        key = {name: need(checker, pyatspi.ROLE_PUSH_BUTTON, name)
               for name in ("Open bracket", "Close bracket", "Plus", "Minus", "Times",
                            "Divided by", "Equals", "Back", "Reset")}
        for name in ("Close bracket", "Equals", "Back"):
            expect(not enabled(key[name]), "%r is enabled at the start" % name)

        a, b = numbers[0], numbers[1]
        for button in (a, key["Plus"], b):
            press(button)
        line = "%s+%s" % (a.name, b.name)
        wait_for("the display to read %r" % line, lambda: text_of(display) == line)
        wait_for("the used keys disabled and Equals enabled",
                 lambda: not enabled(a) and not enabled(b) and enabled(key["Equals"]))
        press(key["Equals"])
        # Two small numbers miss any target: the sum opens the next line.
        total = int(a.name) + int(b.name)
        shown = "%s = %d\n%d" % (line, total, total)
        wait_for("the display to read %r" % shown, lambda: text_of(display) == shown)
        press(key["Back"])
        wait_for("Back to undo the evaluation", lambda: text_of(display) == line)
        press(key["Reset"])
        wait_for("Reset to empty the display", lambda: text_of(display) == ""
                 and enabled(a) and not enabled(key["Back"]))

        # The window has no close button; Escape closes it, as it does for a sighted player.
        activate(checker)
        press_escape()
        wait_for("the checker to close", lambda: window_named(self.app, "validate my answer:")
                 is None)

    def the_solver_lists_the_answers(self):
        press(need(self.frame, pyatspi.ROLE_PUSH_BUTTON, "Show Answer(s)"))
        report = need(self.frame, pyatspi.ROLE_LABEL, "Search report")
        text = wait_for("the search report", lambda: text_of(report).startswith("Searched ")
                        and text_of(report), SEARCH_DEADLINE)
        found = re.fullmatch(r"Searched (\d+) combinations: \n(\d+) answers found\.", text)
        expect(found, "the report reads %r" % text)
        finished = need(self.frame, pyatspi.ROLE_PUSH_BUTTON, "Search Finished")
        expect(not enabled(finished), "'Search Finished' is enabled")
        answers = need(self.frame, pyatspi.ROLE_LIST, "Answers")
        missing = unnamed_controls(self.frame)
        expect(not missing, "controls without a name that says what they are: %s" % missing)
        expect(answers.childCount == int(found.group(2)) > 0, "the list holds %d answers, the "
               "report says %s" % (answers.childCount, found.group(2)))
        for i in range(min(3, answers.childCount)):
            item = answers.getChildAtIndex(i)
            expect(item.getRole() == pyatspi.ROLE_LIST_ITEM, "answer %d is a %s"
                   % (i, item.getRoleName()))
            expect(evaluate(item.name, self.numbers) == self.target,
                   "answer %r does not make %d from %s" % (item.name, self.target, self.numbers))

    def a_message_box_is_read_and_dismissed(self):
        press(need(self.frame, pyatspi.ROLE_MENU_ITEM, "Setting"), unanswered=True)
        settings = wait_for("the settings window", lambda: window_named(self.app, "Settings"))
        self.settings = settings
        missing = unnamed_controls(settings)
        expect(not missing, "settings controls without a name that says what they are: %s"
               % missing)
        lowest = need(settings, pyatspi.ROLE_TEXT, "Lowest Value:")
        highest = need(settings, pyatspi.ROLE_TEXT, "Highest Value:")
        expect((text_of(lowest), text_of(highest)) == (str(LOWEST), str(HIGHEST)),
               "the target range reads %s..%s" % (text_of(lowest), text_of(highest)))
        lowest.queryEditableText().setTextContents("500")
        highest.queryEditableText().setTextContents("200")
        press(need(settings, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        box = wait_for("the message box", lambda: window_named(self.app, "Invalid values."))
        expect(box.getRole() == pyatspi.ROLE_ALERT, "the message box is a %s"
               % box.getRoleName())
        said = [a.name for a in find(box, pyatspi.ROLE_LABEL)]
        expect("The Lowest value must be less than the Highest value." in said,
               "the message box says %s" % said)
        press(need(box, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        wait_for("the message box to close",
                 lambda: window_named(self.app, "Invalid values.") is None)
        wait_for("the highest target refilled with 999", lambda: text_of(highest) == "999")
        activate(settings)

    def the_settings_tabs_and_round_length(self):
        settings = self.settings
        tabs = need(settings, pyatspi.ROLE_PAGE_TAB_LIST, None)
        names = [t.name for t in children(tabs)]
        expect(names == ["Difficulty", "Timing"], "the tabs are %s" % names)
        difficulty, timing = children(tabs)
        expect(has(difficulty, pyatspi.STATE_SELECTED) and not has(timing,
                                                                    pyatspi.STATE_SELECTED),
               "Difficulty is not the selected tab at the start")
        expect(one(settings, pyatspi.ROLE_COMBO_BOX, None) is None,
               "the Timing page shows on the Difficulty tab")
        press(timing)
        wait_for("the Timing tab selected", lambda: has(timing, pyatspi.STATE_SELECTED)
                 and not has(difficulty, pyatspi.STATE_SELECTED))
        length = wait_for("the round length on show",
                          lambda: one(settings, pyatspi.ROLE_COMBO_BOX, None))
        expect(labelled_by(length) == ["Time allowed:"], "the round length is labelled %s"
               % labelled_by(length))
        expect(one(settings, pyatspi.ROLE_TEXT, "Lowest Value:") is None,
               "the Difficulty page still shows on the Timing tab")
        for name in ("Show Figurello Seconds ", "Turn off sounds:"):
            box = need(settings, pyatspi.ROLE_CHECK_BOX, name)
            expect(has(box, pyatspi.STATE_CHECKED), "%r is not checked" % name)
        preview = need(settings, pyatspi.ROLE_PROGRESS_BAR, "Round length preview")
        expect(value_of(preview) == 30, "the preview shows %s" % value_of(preview))
        missing = unnamed_controls(settings)
        expect(not missing, "Timing controls without a name that says what they are: %s"
               % missing)

        entries = find(length, pyatspi.ROLE_LIST, only_showing=False)
        expect(entries, "the round length has no list")
        items = [entries[0].getChildAtIndex(i) for i in range(entries[0].childCount)]
        expect([i.name for i in items] == ["30", "35", "40", "45", "50", "55", "60"],
               "the round lengths are %s" % [i.name for i in items])
        # A closed combo box moves to the next entry on the Down key, as Orca's user does it.
        edit = need(length, pyatspi.ROLE_TEXT, "Time allowed, seconds")
        edit.queryComponent().grabFocus()
        wait_for("the focus in the round length", lambda: has(edit, pyatspi.STATE_FOCUSED))
        pyatspi.Registry.generateKeyboardEvent(0xFF54, None, pyatspi.KEY_SYM)  # Down
        wait_for("35 seconds chosen", lambda: value_of(preview) == 35)
        press(need(settings, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        wait_for("the settings window to close",
                 lambda: window_named(self.app, "Settings") is None)
        with open(self.settings_file) as f:
            stored = f.read()
        expect(re.search(r"^TimeAllowed=1$", stored, re.M),
               "the store does not hold the 35-second round:\n%s" % stored)

    def play_again_deals_anew(self):
        press(need(self.frame, pyatspi.ROLE_PUSH_BUTTON, "PLAY AGAIN"))
        wait_for("24 face-down buttons again", lambda: len(self.face_down()) == 24)
        clock = need(self.frame, pyatspi.ROLE_PROGRESS_BAR, "Round clock")
        wait_for("the clock back at 0", lambda: value_of(clock) == 0)
        for i in range(1, 7):
            slot = need(self.frame, pyatspi.ROLE_LABEL, "Chosen number %d" % i)
            expect(text_of(slot) == "", "slot %d still reads %r" % (i, text_of(slot)))
        expect(text_of(need(self.frame, pyatspi.ROLE_LABEL, "Target")) == "",
               "the target is still shown")

    def exit_ends_the_game(self):
        press(need(self.frame, pyatspi.ROLE_MENU_ITEM, "Exit"), unanswered=True)
        wait_for("the game to end", lambda: self.process.poll() is not None)
        expect(self.process.returncode == 0,
               "the game ended with exit status %s" % self.process.returncode)


def evaluate(answer, numbers):
    """The value of an answer such as "((75-25)x3)/6", checked to use only the round's numbers,
    each at most once, with exact divisions."""
    tree = ast.parse(answer.replace("x", "*"), mode="eval").body
    left = list(numbers)

    def value(node):
        if isinstance(node, ast.Constant) and isinstance(node.value, int):
            expect(node.value in left, "%r uses %d more often than it was dealt" % (answer,
                                                                                     node.value))
            left.remove(node.value)
            return fractions.Fraction(node.value)
        expect(isinstance(node, ast.BinOp), "%r is not an answer" % answer)
        a, b = value(node.left), value(node.right)
        operations = {ast.Add: lambda: a + b, ast.Sub: lambda: a - b, ast.Mult: lambda: a * b,
                      ast.Div: lambda: a / b}
        expect(type(node.op) in operations, "%r has an unknown operator" % answer)
        result = operations[type(node.op)]()
        expect(result.denominator == 1 and result >= 0, "%r has a step of %s" % (answer,
                                                                                 result))
        return result

    return int(value(tree))


STEPS = [
    ("the game is on the accessibility bus", Round.the_game_is_on_the_bus),
    ("every control of the main window says what it is",
     Round.every_main_window_control_says_what_it_is),
    ("the deal, the slots, the target and the clock are read", Round.the_deal_is_read),
    ("six face-down numbers picked by their action fill the slots",
     Round.six_picks_fill_the_slots),
    ("START rolls a target and the clock reports its ticks",
     Round.start_rolls_the_target_and_the_clock_runs),
    ("STOP ends the round while the clock runs", Round.stop_ends_the_round),
    ("the checker evaluates a calculation entered by its keys",
     Round.the_checker_takes_a_calculation),
    ("the solver's report and first answers are read", Round.the_solver_lists_the_answers),
    ("a message box is read and dismissed", Round.a_message_box_is_read_and_dismissed),
    ("the settings tabs switch pages and the round length is stored",
     Round.the_settings_tabs_and_round_length),
    ("PLAY AGAIN deals anew", Round.play_again_deals_anew),
    ("Exit ends the game", Round.exit_ends_the_game),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--game", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    Atspi.set_timeout(CALL_TIMEOUT_MS, 0)

    started = time.monotonic()
    game = Round(args.game, args.work)
    failed = False
    try:
        for name, step in STEPS:
            begun = time.monotonic()
            try:
                step(game)
            except Failure as error:
                print("FAIL - %s: %s" % (name, error))
                failed = True
            except Exception:
                print("FAIL - %s: %s" % (name, traceback.format_exc()))
                failed = True
            else:
                print("ok - %s (%.1f s)" % (name, time.monotonic() - begun))
            sys.stdout.flush()
            if failed:
                break
    finally:
        game.stop()
    print("%s in %.1f s" % ("FAILED" if failed else "passed", time.monotonic() - started))
    if failed:
        with open(game.game_log) as log:
            print("---- the game's output\n" + log.read()[-4000:])
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
