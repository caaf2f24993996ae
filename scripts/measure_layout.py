# SPDX-License-Identifier: GPL-3.0-or-later
# Measures Varnel's window through the accessibility bus (AT-SPI), as a screen reader sees it: the
# window's, the aya picture's and the text panel's extents, and whether each practice control is in the
# window. Prints one line of figures; exits 1 when a figure misses its mark. Run by scripts/measure-layout.
import sys
import pyatspi

screen_w, screen_h, least_share = int(sys.argv[1]), int(sys.argv[2]), float(sys.argv[3])
# A combo box is named by its current text on this bus ("seconds" for the pause unit).
PRACTICE = ["Repeat", "Pause (seconds)", "Loop Sura", "Stack Ayas", "Single Aya Mode", "Play a range of ayas",
            "From aya", "To aya", "seconds", "Speed", "Times", "Test me", "Heart", "Play Aya",
            "Stop Playing", "Previous Aya", "Next Aya", "Aya"]
desktop = pyatspi.Registry.getDesktop(0)
apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
varnel = [a for a in apps if a is not None and a.name.lower().startswith("varnel")]
if not varnel:
    print("Varnel is not on the accessibility bus")
    sys.exit(1)
found = {}

def walk(node, depth=0):
    if node is None or depth > 40:
        return
    if node.name and node.name not in found:
        found[node.name] = node
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1)

frames = []
for app in varnel:
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.getRoleName() == "frame" and "Lumora" in child.name:
            frames.append(child)
            walk(child)
if not frames:
    print("no main window")
    sys.exit(1)

def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height

wx, wy, ww, wh = extents(frames[0])
px, py, pw, ph = extents(found["Aya picture; drag it to your heart"])
tx, ty, tw, th = extents(found["Translation and transliteration"])
text_showing = found["Translation and transliteration"].getState().contains(pyatspi.STATE_SHOWING)
share = (pw * ph + tw * th) / float(ww * wh)
missing = [name for name in PRACTICE if name not in found]
fits = wx >= 0 and wy >= 0 and wx + ww <= screen_w and wy + wh <= screen_h
inside = all(x >= wx and y >= wy and x + w <= wx + ww and y + h <= wy + wh
             for x, y, w, h in [(px, py, pw, ph), (tx, ty, tw, th)])
print(f"{screen_w}x{screen_h}: window {ww}x{wh} at {wx},{wy}; picture {pw}x{ph}; text panel {tw}x{th}; "
      f"share {share:.0%}; text showing {text_showing}; missing {missing}")
ok = fits and inside and share >= least_share and text_showing and th >= 70 and not missing
sys.exit(0 if ok else 1)
