# SPDX-License-Identifier: GPL-3.0-or-later
# Reads Varnel's windows through the accessibility bus (AT-SPI) and prints each named control with its
# role; checks that the menu bar is not in English. Run by scripts/read-controls.
# With a second code, first switches the running Varnel to that language through View > Interface
# Language, pressing the entry as a screen reader does; with a file after it, writes every control's
# place, whether it is showing, role, name and description there, one a line, for
# scripts/check-language-switch to compare.
import sys
import time
import pyatspi

ENGLISH_MENUS = {"File", "View", "Recitor", "Language", "Help"}
NATIVE = {"en": "English", "ar": "العربية", "ur": "اردو", "id": "Indonesia", "tr": "Türkçe", "bn": "বাংলা",
          "fr": "Français"}
code = sys.argv[1]
switch_to = sys.argv[2] if len(sys.argv) > 2 else None
dump = sys.argv[3] if len(sys.argv) > 3 else None
desktop = pyatspi.Registry.getDesktop(0)
apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
varnel = [a for a in apps if a is not None and a.name.lower().startswith("varnel")]
if not varnel:
    print("Varnel is not on the accessibility bus; applications:", [a.name for a in apps if a])
    sys.exit(1)


def nodes(node, depth=0, path=""):
    if node is None or depth > 30:
        return
    yield node, path
    for i in range(node.childCount):
        yield from nodes(node.getChildAtIndex(i), depth + 1, f"{path}/{i}")


if switch_to:
    entry = None
    for app in varnel:
        for node, _ in nodes(app):
            parent = node.parent
            if (node.getRoleName() in ("menu item", "radio menu item", "check menu item")
                    and node.name.replace("&", "") == NATIVE[switch_to]
                    and parent is not None and parent.childCount == 9):
                entry = node
    if entry is None:
        print("no entry for", switch_to, "in View > Interface Language")
        sys.exit(1)
    entry.queryAction().doAction(0)
    time.sleep(3)

named, menus, lines = [], [], []
for app in varnel:
    for node, path in nodes(app):
        role = node.getRoleName()
        states = node.getState()
        shown = "showing" if states.contains(pyatspi.STATE_SHOWING) else "hidden"
        lines.append(f"{path}\t{shown}\t{role}\t{node.name}\t{node.description}")
        if node.name.strip():
            named.append((role, node.name))
            if role in ("menu", "menu item") and node.parent is not None and node.parent.getRoleName() == "menu bar":
                menus.append(node.name)
if dump:
    with open(dump, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
for role, name in named:
    print(f"{role:>16}  {name}")
print(f"{len(named)} named controls; menu bar: {menus}")
spoken = switch_to or code
english = [m for m in menus if m.replace("&", "") in ENGLISH_MENUS]
if len(named) < 30:
    print("too few named controls")
    sys.exit(1)
if spoken != "en" and (not menus or english):
    print("the menu bar is missing or still English:", english)
    sys.exit(1)
