#!/usr/bin/env python3
"""The program in a real X server under the Polish locale: it starts with a
task file, shows the task's sheets under the file's name, and quits cleanly
when the window is closed as a window manager's close button closes it; also
when told to use Wayland, which cannot start here.

    OknoWSerwerzeX.py PROGRAM TASK_FILE

Starts its own Xvfb on a free display and stops it at the end."""
import os
import shutil
import subprocess
import sys
import time

try:
    from Xlib import X, Xatom, display, protocol
    from Xlib.error import XError
except ImportError:
    sys.exit("python3-xlib is missing: tools/deps.sh installs it")

program, zadanie = sys.argv[1], sys.argv[2]
nazwa = os.path.basename(zadanie)


def wolny_ekran():
    for n in range(60, 100):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return n
    sys.exit("no free X display number")


def czekaj(warunek, sekundy, opis):
    koniec = time.monotonic() + sekundy
    while time.monotonic() < koniec:
        wynik = warunek()
        if wynik:
            return wynik
        time.sleep(0.2)
    raise SystemExit(f"timed out waiting for {opis}")


def okno_zadania(d):
    """The mapped top-level window whose title names the task file."""
    utf8 = d.intern_atom("UTF8_STRING")
    tytul = d.intern_atom("_NET_WM_NAME")
    for w in d.screen().root.query_tree().children:
        try:
            if w.get_attributes().map_state != X.IsViewable:
                continue
            p = w.get_full_property(tytul, utf8)
            if p and nazwa in p.value.decode("utf-8", "replace"):
                return w
        except XError:
            continue
    return None


def piksele_wykresow(w):
    """Pixels of the diagrams' maroon RGB(128, 0, 0) in the window."""
    g = w.get_geometry()
    dane = w.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF).data
    return sum(1 for i in range(0, len(dane) - 3, 4) if dane[i:i + 3] == b"\x00\x00\x80")


n = wolny_ekran()
try:
    serwer = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
except FileNotFoundError:
    sys.exit("Xvfb is missing: tools/deps.sh installs it")
proces = None
# The window keeps its place and settings per user: in a folder of this run's own, never the user's.
ustawienia = f"/tmp/quarvi_x_ustawienia_{os.getpid()}"
try:
    czekaj(lambda: os.path.exists(f"/tmp/.X11-unix/X{n}"), 10, "the X server")
    d = display.Display(f":{n}")
    # Asked for xcb; then asked for Wayland, which has no plugin or compositor here: the window opens on xcb.
    for platforma in ({"QT_QPA_PLATFORM": "xcb"}, {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "wayland-0"}):
        # As its users run it: under the Polish locale, whose decimal point is a comma.
        srodowisko = dict(os.environ, DISPLAY=f":{n}", LANG="pl_PL.UTF-8", LC_ALL="pl_PL.UTF-8",
                          XDG_CONFIG_HOME=ustawienia, **platforma)
        if "WAYLAND_DISPLAY" not in platforma:
            srodowisko.pop("WAYLAND_DISPLAY", None)
        proces = subprocess.Popen([program, zadanie], env=srodowisko)
        w = czekaj(lambda: proces.poll() is None and okno_zadania(d), 60, f"a window titled with {nazwa}")
        # Drawn: the moment and shear diagrams of the first sheet are on the screen.
        czekaj(lambda: piksele_wykresow(w) > 500, 30, "the sheets to be drawn")

        zamknij = d.intern_atom("WM_DELETE_WINDOW")
        w.send_event(protocol.event.ClientMessage(window=w, client_type=d.intern_atom("WM_PROTOCOLS"),
                                                  data=(32, [zamknij, X.CurrentTime, 0, 0, 0])),
                     event_mask=X.NoEventMask)
        d.flush()
        try:
            kod = proces.wait(timeout=30)
        except subprocess.TimeoutExpired:
            raise SystemExit("the program did not quit after its window was closed")
        if kod != 0:
            raise SystemExit(f"the program quit with {kod} ({platforma})")
        print(f"{nazwa} ({platforma['QT_QPA_PLATFORM']}): shown, drawn and closed cleanly")
finally:
    if proces and proces.poll() is None:
        proces.kill()
    serwer.terminate()
    serwer.wait()
    shutil.rmtree(ustawienia, ignore_errors=True)
