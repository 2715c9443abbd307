#!/usr/bin/env python3
"""The dump's schema against real dumps, and the README against both.

   CheckDumpSchema.py VHMISSION SCHEMA DEMO_GAME README

- The schema is a valid JSON Schema, every demo mission's dump follows it,
  and it refuses values the files cannot hold.
- The README shows the shipped schema.
- The README's example script, run as a modder would, gives the units of one
  side to another and writes a mission that loads.
"""
import copy
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

from jsonschema import Draft202012Validator

VHMISSION, SCHEMA, DEMO, README = sys.argv[1:5]
failures = []


def fail(message):
    failures.append(message)
    print("FAILED:", message)


def dump(path):
    out = subprocess.run([VHMISSION, "dump", path], check=True, capture_output=True).stdout
    return json.loads(out)


with open(SCHEMA, encoding="utf-8") as f:
    schema = json.load(f)
Draft202012Validator.check_schema(schema)
validator = Draft202012Validator(schema)

demo = {}
for name in ("miss001.dat", "miss002.dat", "miss003.dat"):
    doc = dump(os.path.join(DEMO, "MIS", name))
    demo[name] = doc
    for error in validator.iter_errors(doc):
        fail(f"{name}: {'/'.join(map(str, error.absolute_path))}: {error.message}")


def loads(doc):
    """Whether vhmission load takes the document."""
    with tempfile.TemporaryDirectory() as work:
        ran = subprocess.run([VHMISSION, "load", "-", os.path.join(work, "m.dat")], input=json.dumps(doc).encode(),
                             capture_output=True)
        return ran.returncode == 0


# The schema and load agree on what the files can hold: rare but valid
# forms pass both, what the files cannot hold neither.
first = demo["miss001.dat"]
edge = copy.deepcopy(first)
edge["shops"].append(None)
edge["shops"][0]["type"], edge["shops"][0]["typeName"] = 255, ""
edge["aiPoints"].append({"x": None, "y": None, "ai1231": 0, "ai0A": 1, "ai48": 2, "ai4A": 3, "ai4E": 65535})
edge["dfLayers"][5] = [{"x": 63, "y": 63, "terrain": -1, "obj": -2, "vehicle": 255, "owner": None, "ownerMask": 3}]
edge["cells"][0][0].update(vehicle=5, owner=None)
for error in validator.iter_errors(edge):
    fail(f"the schema refuses a valid form: {'/'.join(map(str, error.absolute_path))}: {error.message}")
if not loads(edge):
    fail("load refuses the valid forms")
for field, change in (
    ("produce 0", lambda d: d["shops"][0]["produce"].__setitem__(0, 0)),
    ("owner 7", lambda d: d["cells"][0][0].__setitem__("owner", 7)),
    ("a line break", lambda d: d.__setitem__("missionName", "a\nb")),
    ("a bar in a player name", lambda d: d["players"][0].__setitem__("name", "A|B")),
    ("a DOS umlaut", lambda d: d["shops"][0].__setitem__("name", "\u201e")),
    ("an owner mask that is a side", lambda d: d["dfLayers"][5].append(
        {"x": 1, "y": 1, "terrain": -1, "obj": -2, "vehicle": 255, "owner": None, "ownerMask": 4})),
    ("an unknown field", lambda d: d.__setitem__("colour", 1)),
    ("schema version 2", lambda d: d.__setitem__("schemaVersion", 2)),
):
    bad = copy.deepcopy(edge)
    change(bad)
    if validator.is_valid(bad):
        fail(f"the schema accepts {field}")
    if loads(bad):
        fail(f"load accepts {field}")

with open(README, encoding="utf-8") as f:
    readme = f.read()

shown = re.search(r"<summary>vhmission-dump\.schema\.json</summary>\s*```json\n(.*?)```", readme, re.S)
if not shown:
    fail("the README does not show the schema")
elif json.loads(shown.group(1)) != schema:
    fail("the README shows another schema than src/cli/vhmission-dump.schema.json")

example = re.search(r"<!-- example: turn_units\.py -->\s*```python\n(.*?)```", readme, re.S)
if not example:
    fail("the README has no example script")
else:
    with tempfile.TemporaryDirectory() as work:
        script = os.path.join(work, "turn_units.py")
        with open(script, "w", encoding="utf-8") as f:
            f.write(example.group(1))
        for sub in ("MIS", "GER"):
            os.mkdir(os.path.join(work, sub))
        shutil.copy(os.path.join(DEMO, "MIS", "miss001.dat"), os.path.join(work, "MIS"))
        shutil.copy(os.path.join(DEMO, "GER", "miss001.txt"), os.path.join(work, "GER"))
        before = demo["miss001.dat"]
        owners = [c["owner"] for row in before["cells"] for c in row if c["vehicle"] != 255]
        if 0 not in owners or 1 not in owners:
            fail("miss001 lacks units of player 1 or 2 to turn over")
        out = os.path.join(work, "MIS", "miss101.dat")
        env = dict(os.environ, VHMISSION=VHMISSION)
        ran = subprocess.run([sys.executable, script, os.path.join(work, "MIS", "miss001.dat"), "0", "1", out],
                             env=env, capture_output=True, text=True)
        if ran.returncode != 0:
            fail(f"the example script failed: {ran.stdout}{ran.stderr}")
        else:
            after = dump(out)
            turned = [c["owner"] for row in after["cells"] for c in row if c["vehicle"] != 255]
            expected = [1 if o == 0 else o for o in owners]
            if turned != expected:
                fail(f"the example script gave owners {turned}, not {expected}")
            for key in ("shops", "vehicleContents", "aiPoints", "missHeader", "mapRecords", "players"):
                if after[key] != before[key]:
                    fail(f"the example script changed {key}")

if failures:
    sys.exit(1)
print("dumps follow the schema; the README shows it and its example works")
