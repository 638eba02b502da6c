# SPDX-License-Identifier: GPL-3.0-or-later
"""A tournament played by keys while listening as a screen reader does.

Listens on the AT-SPI bus for what a screen reader speaks (the focused control,
notifications, meters), presses Enter on whatever the keyboard lands on, and
checks that every battle message, every match's result and both sides' hit
points reached it as text and values a reader can speak.

Usage (inside session.sh): battle_reader.py HOST LANG SETUP NAMEFILE
"""
import fcntl
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

host, lang, setup, name_file = (os.path.abspath(a) for a in sys.argv[1:5])
lang = os.path.basename(lang)
MENU = {"ja": "メニュー", "en": "Menu"}[lang]
MESSAGE_WINDOW = {"ja": "戦闘メッセージ", "en": "Battle message"}[lang]
RESULTS = {"ja": ["勝利！", "敗北", "COM戦終了"], "en": ["Victory!", "Defeat", "The other matches are over."]}[lang]

spoken = []    # (what, text) in the order a reader gets them
messages = []  # every text the message window showed
meters = {}    # name -> last (value, maximum)
result_labels = []
focus_count = 0
menu_back = False


def name_of(obj):
    try:
        return obj.name or ""
    except Exception:  # a window already gone
        return ""


def role_of(obj):
    try:
        return obj.getRole()
    except Exception:
        return None


def window_of(obj):
    """The top-level window an object is in: the application's child."""
    try:
        while obj is not None and role_of(obj.parent) != pyatspi.ROLE_APPLICATION:
            obj = obj.parent
    except Exception:
        return None
    return obj


def on_event(event):
    global focus_count, menu_back
    source = event.source
    role = role_of(source)
    if event.type.startswith("object:state-changed:focused") and event.detail1:
        focus_count += 1
        spoken.append(("focus", name_of(source)))
        if role == pyatspi.ROLE_PUSH_BUTTON and name_of(window_of(source)) == MESSAGE_WINDOW:
            messages.append(name_of(source))
    elif event.type.startswith("object:state-changed:showing") and event.detail1 \
            and role == pyatspi.ROLE_NOTIFICATION:
        spoken.append(("notice", name_of(source)))
    elif event.type.startswith("object:property-change:accessible-name") \
            and role == pyatspi.ROLE_PUSH_BUTTON and name_of(window_of(source)) == MESSAGE_WINDOW:
        messages.append(name_of(source))
    elif event.type.startswith("object:property-change:accessible-value") \
            and role == pyatspi.ROLE_PROGRESS_BAR:
        try:
            value = source.queryValue()
            meters[name_of(source)] = (int(value.currentValue), int(value.maximumValue))
        except Exception:  # the battle already closed
            pass
    elif event.type.startswith("window:activate"):
        if name_of(source) == MENU and result_labels:
            menu_back = True
        for child in walk(source):
            if role_of(child) == pyatspi.ROLE_LABEL and name_of(child) in RESULTS:
                result_labels.append(name_of(child))


def walk(obj, depth=0):
    if depth > 4:
        return
    try:
        children = list(obj)
    except Exception:
        return
    for child in children:
        yield child
        yield from walk(child, depth + 1)


for kind in ("object:state-changed:focused", "object:state-changed:showing",
             "object:property-change:accessible-name", "object:property-change:accessible-value",
             "window:activate"):
    pyatspi.Registry.registerEventListener(on_event, kind)

work = tempfile.mkdtemp()
shutil.copy(name_file, work)
args = [host, "--windows", "--lang", lang]
game = subprocess.Popen(args, cwd=work, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                        env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
fcntl.fcntl(game.stdout, fcntl.F_SETFL, os.O_NONBLOCK)
context = GLib.MainContext.default()


def pump(seconds, until=lambda: False):
    end = time.time() + seconds
    while time.time() < end and not until():
        while context.iteration(False):
            pass
        time.sleep(0.02)


# Up to the first match by script; the host's event loop then runs while the
# keys play the tournament.
with open(setup, encoding="utf-8") as f:
    game.stdin.write(f.read() + "\nwait 600000\n")
game.stdin.flush()
pump(90, lambda: focus_count > 0)
deadline = time.time() + 240
while not menu_back and time.time() < deadline:
    seen = focus_count
    subprocess.run(["xdotool", "key", "Return"], check=True)
    pump(4, lambda: focus_count > seen or menu_back)
    pump(0.3)
game.kill()
game.wait()
shutil.rmtree(work, ignore_errors=True)

failures = []
texts = [t for _, t in spoken]
said = " ".join(texts)
if not menu_back:
    failures.append("the tournament did not end on the menu")
for message in sorted(set(m for m in messages if m)):
    if not any(message in t for t in texts):
        failures.append("never spoken: " + message)
for result in RESULTS:
    if result not in said:
        failures.append("result never spoken: " + result)
hits = [t for kind, t in spoken if kind == "notice" and re.search(r"\d+/\d+", t)]
if len(hits) < 4:
    failures.append("hit points were announced %d times" % len(hits))
for name, (value, maximum) in meters.items():
    if not re.search(re.escape(name) + r" %d/%d" % (value, maximum), said):
        failures.append("meter %s at %d/%d was never announced" % (name, value, maximum))
if not re.search(r"HP 0/\d+", said):
    failures.append("no side's hit points were read out at 0")

for kind, text in spoken:
    print("%-6s %s" % (kind, text))
print("%d messages, %d hit-point announcements, meters %s" % (len(set(messages)), len(hits), meters))
for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
