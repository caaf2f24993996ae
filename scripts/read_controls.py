# SPDX-License-Identifier: GPL-3.0-or-later
# Reads Varnel's windows through the accessibility bus (AT-SPI) and prints each named control with its
# role; checks that the menu bar is not in English. Run by scripts/read-controls.
import sys
import pyatspi

ENGLISH_MENUS = {"File", "View", "Recitor", "Language", "Help"}
code = sys.argv[1]
desktop = pyatspi.Registry.getDesktop(0)
apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
varnel = [a for a in apps if a is not None and a.name.lower().startswith("varnel")]
if not varnel:
    print("Varnel is not on the accessibility bus; applications:", [a.name for a in apps if a])
    sys.exit(1)

named, menus, seen = [], [], 0

def walk(node, depth=0):
    global seen
    if node is None or depth > 30 or seen > 5000:
        return
    seen += 1
    role = node.getRoleName()
    if node.name.strip():
        named.append((role, node.name))
        if role in ("menu", "menu item") and node.parent is not None and node.parent.getRoleName() == "menu bar":
            menus.append(node.name)
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1)

for app in varnel:
    walk(app)
for role, name in named:
    print(f"{role:>16}  {name}")
print(f"{len(named)} named controls; menu bar: {menus}")
english = [m for m in menus if m.replace("&", "") in ENGLISH_MENUS]
if len(named) < 30:
    print("too few named controls")
    sys.exit(1)
if code != "en" and (not menus or english):
    print("the menu bar is missing or still English:", english)
    sys.exit(1)
