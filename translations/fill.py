#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Fills translations/varnel_CODE.ts from translations/CODE.txt: blocks of an English source line and its
# translation line, separated by blank lines. Entries not in the file stay unfinished for lupdate.
import sys
import xml.etree.ElementTree as ET

def read_pairs(path):
    pairs = {}
    blocks = open(path, encoding="utf-8").read().split("\n\n")
    for block in blocks:
        lines = [l for l in block.split("\n") if l and not l.startswith("#")]
        if len(lines) == 2:
            pairs[lines[0].replace("\\n", "\n")] = lines[1].replace("\\n", "\n")
    return pairs

for code in sys.argv[1:]:
    ts = f"translations/varnel_{code}.ts"
    pairs = read_pairs(f"translations/{code}.txt")
    tree = ET.parse(ts)
    done = 0
    for message in tree.iter("message"):
        source = message.find("source").text
        translation = message.find("translation")
        if source not in pairs:
            continue
        if message.get("numerus") == "yes":
            forms = translation.findall("numerusform")
            given = pairs[source].split(" ¦ ")
            if len(given) != len(forms):
                sys.exit(f"{ts}: {source!r} needs {len(forms)} plural forms, has {len(given)}")
            for form, text in zip(forms, given):
                form.text = text
        else:
            translation.text = pairs[source]
        translation.attrib.pop("type", None)
        done += 1
    tree.write(ts, encoding="utf-8", xml_declaration=True)
    print(f"{ts}: {done} of {sum(1 for _ in tree.iter('message'))} translated")
