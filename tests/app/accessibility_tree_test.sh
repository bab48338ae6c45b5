#!/usr/bin/env bash
# What a screen reader gets: starts the program on a desktop of its own (Xvfb, openbox) with a
# private session bus and the accessibility bus, as a desktop with a screen reader on runs it, and
# reads the accessibility tree over AT-SPI as a screen reader user goes through the program: the
# language question, the welcome window and the settings of a first start, the main window with
# the pictures of its start page and of a search, and the settings dialog. Fails listing every
# control and every picture that has no name, and every page picture read by its file name.
#   accessibility_tree_test.sh <build folder>
set -euo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../tools/common.sh"
tmp="$(mktemp -d)"
pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait "${pids[@]}" 2>/dev/null || true
    kill $GLIMMORA_DESKTOP_PIDS 2>/dev/null || true
    rm -rf "$tmp"
}
glimmora_start_xvfb
trap cleanup EXIT

# A session bus that starts no services: no portal or keyring comes up behind the test's back.
cat >"$tmp/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>unix:path=$tmp/bus</listen>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow receive_sender="*"/><allow own="*"/></policy>
</busconfig>
EOF
dbus-daemon --config-file="$tmp/bus.conf" --nofork >/dev/null 2>&1 &
pids+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$tmp/bus"
export HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/.local/share" XDG_CONFIG_HOME="$tmp/home/.config"
export XDG_RUNTIME_DIR="$tmp/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do [ -S "$tmp/bus" ] && break; sleep 0.1; done
# The program finds the accessibility bus as on a desktop, through the session bus (given the
# address in AT_SPI_BUS_ADDRESS, Qt 6.4 connects but never shows its windows); the launcher
# leaves the test's display alone.
env -u DISPLAY /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
address=""
for _ in $(seq 100); do
    address="$(dbus-send --session --reply-timeout=2000 --print-reply=literal \
        --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ')" &&
        [ -n "$address" ] && break
    sleep 0.1
done
[ -n "$address" ] || { echo "the accessibility bus did not start" >&2; exit 1; }
# Qt takes the bus as a screen reader's; the browser's side is the program's own business.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QTWEBENGINE_DISABLE_SANDBOX=1
unset QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY

# check language|main: reads the running program's windows over AT-SPI, from the language
# question, or from the welcome window on to the settings dialog; prints what each held and every
# fault.
check() {
    local status=0
    AT_SPI_BUS_ADDRESS="$address" timeout 150 /usr/bin/python3 - "$1" "$build" <<'EOF' || status=$?
import sys, time
import pyatspi

what, build = sys.argv[1], sys.argv[2]
# AT-SPI 2.52 and later name a push button "button".
BUTTONS = {"push button", "button"}
CONTROLS = BUTTONS | {"toggle button", "check box", "radio button", "combo box", "text",
            "entry", "password text", "spin button", "slider", "tree", "tree table", "list",
            "table", "page tab", "page tab list", "menu", "menu item", "check menu item",
            "radio menu item", "link", "document web", "document frame"}
PICTURES = {"image", "icon", "animation"}

def nodes(root):
    """Every visible node under root, with the path of roles that leads to it."""
    stack = [(root, "")]
    while stack:
        node, path = stack.pop()
        try:
            if not node.getState().contains(pyatspi.STATE_VISIBLE):
                continue
            role = node.getRoleName()
            children = [node.getChildAtIndex(i) for i in range(node.childCount)]
        except Exception:
            continue  # gone while being read
        here = path + "/" + role
        yield node, role, here
        stack.extend((c, here) for c in reversed(children) if c is not None)

def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Glimmora":
            return app
    return None

def windows(app, role):
    return [w for w in app if w is not None and w.getRoleName() == role and
            w.getState().contains(pyatspi.STATE_VISIBLE)]

def ready(app):
    """The windows to check once they are there, else None."""
    if what == "language":
        found = [d for d in windows(app, "dialog") if any(
            r == "combo box" for _, r, _ in nodes(d))]
        return found or None
    main = [w for w in app if w is not None and w.getState().contains(pyatspi.STATE_VISIBLE)
            and any(r == "document web" for _, r, _ in nodes(w))]
    return main or None

def wait(condition, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        app = application()
        found = condition(app) if app is not None else None
        if found:
            return found
        time.sleep(0.5)
    return None

faults = []
counts = []

def check(stage, window):
    """Notes every unnamed control and picture of the window, and what the stage holds."""
    held = {"controls": 0, "pictures": 0}
    for node, role, path in nodes(window):
        kind = "controls" if role in CONTROLS else "pictures" if role in PICTURES else None
        if kind is None:
            continue
        held[kind] += 1
        if not (node.name or "").strip():
            faults.append(f"  {stage}: {role} without a name at {path}")
    counts.append(f"{stage}: {held['controls']} controls, {held['pictures']} pictures")

def page_pictures(window):
    return [n.name for n, r, p in nodes(window) if r == "image" and "/document web/" in p]

def check_page_names(stage, window):
    """The program speaks English here: a picture that has an English name is read by it."""
    for name in page_pictures(window):
        if english.get(name.lower(), name) != name:
            faults.append(f"  {stage}: picture read as its file name {name!r}, "
                          f"not as {english[name.lower()]!r}")

def press(button):
    """Presses like a screen reader user; a dialog runs modal inside the press, whose answer
    thus comes only once the dialog is closed."""
    from gi.repository import Atspi
    Atspi.set_timeout(1000, -1)
    try:
        button.queryAction().doAction(0)
    except Exception:
        pass
    Atspi.set_timeout(25000, -1)

if what == "main":
    # A first start goes through the welcome window and the settings; a button of each leads on.
    for stage in ("welcome window", "settings at first start"):
        dialogs = wait(lambda app: windows(app, "dialog"), 100)
        if not dialogs:
            sys.exit(f"the program did not show its {stage} in time")
        check(stage, dialogs[0])
        press([n for n, r, _ in nodes(dialogs[0]) if r in BUTTONS][0])
        if not wait(lambda app: not dialogs[0].getState().contains(pyatspi.STATE_VISIBLE), 20):
            sys.exit(f"the {stage} did not close on its first button")
found = wait(ready, 100)
if not found:
    sys.exit(f"the program did not show its {what} window in time")
window = found[0]
if what == "language":
    check("language question", window)
else:
    english = {}
    with open(f"{build}/GlimmoraData/keywords.en", encoding="utf-8") as table:
        for line in table:
            fields = line.rstrip("\n").split("\t")
            if len(fields) > 1 and fields[1]:
                english[fields[0].lower()] = fields[1]
    # The page's tree comes once the page is read, and grows as its pictures load.
    if not wait(lambda app: len(page_pictures(window)) >= 10, 30):
        faults.append(f"  start page: screen readers see {len(page_pictures(window))} pictures")
    time.sleep(1)
    check("main window with its start page", window)
    check_page_names("start page", window)
    # The info picture opens the welcome window again: a button that keys and readers can press.
    if not any(r in BUTTONS and n.name == "Info" and
               n.getState().contains(pyatspi.STATE_FOCUSABLE) for n, r, _ in nodes(window)):
        faults.append("  main window: Info is no button that the keyboard reaches")
    start_page = page_pictures(window)

    # A typed word shows the found pictures, and the field its clear button.
    fields = [n for n, r, _ in nodes(window) if r == "text"]
    if not fields:
        sys.exit("no search field in the main window")
    fields[0].queryEditableText().setTextContents("cat")
    if not wait(lambda app: page_pictures(window) not in ([], start_page), 30):
        faults.append("  found pictures: screen readers see no page of them")
    time.sleep(1)
    check("main window with found pictures", window)
    check_page_names("found pictures", window)

    buttons = [n for n, r, _ in nodes(window) if r in BUTTONS and n.name == "Settings"]
    if not buttons:
        sys.exit("no button named Settings in the main window")
    press(buttons[0])
    dialog = wait(lambda app: windows(app, "dialog"), 20)
    if not dialog:
        shown = [f"{w.getRoleName()} {w.name!r}" for w in application() or [] if w is not None]
        sys.exit(f"the Settings button opened no dialog; the program shows {shown}")
    check("settings dialog", dialog[0])

print("\n".join(counts + [f"{len(faults)} faults"] + faults))
sys.exit(1 if faults else 0)
EOF
    [ "$status" -ne 124 ] || echo "reading the $1 windows timed out" >&2
    return "$status"
}

start() {
    "$build/glimmora" >"$tmp/log" 2>&1 &
    program=$!
}
stop() {
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
}
status=0
data="$XDG_DATA_HOME/Orvandeck/Glimmora"

# First start: the language question.
start
check language || status=1
stop

# A language chosen: the welcome window and the settings, then the main window and its start page.
rm -rf "$HOME" && mkdir -p "$data"
printf '3.5' >"$data/Glimmora.cho"
printf '[Glimmora]\r\nxpos=40\r\nypos=50\r\nwidth=750\r\nheight=490\r\nversion=3.5\r\nchosenMailDef=0\r\n' \
    >"$data/glimmora.ini"
start
check main || status=1
stop
[ "$status" -eq 0 ] || { echo "--- program output" >&2; tail -20 "$tmp/log" >&2; }
exit $status
