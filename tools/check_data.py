#!/usr/bin/env python3
"""Checks that a Quillroute data set hangs together.

    tools/check_data.py [DIR] [--large]

DIR holds program/ and shared/ as written by tools/gen_data.py (default
data/sample). The files are read the way the program reads them (sectioned files,
"|"-terminated fields, first price line wins) and the check answers:

- every file is Windows-1252 text with CR LF line ends;
- every cable and connector record has its fields, numbers where numbers belong,
  connector codes that are 32-bit integers and name one part number each;
- the frequency lists offer 800 and 2200 MHz; waveguide bands lie above cut-off;
- every standard jumper names a catalogue cable and two of its connector codes;
- every orderable part (cable, connector, attachment charge, standard jumper at
  each standard length) has a price line;
- every picture the program can ask for exists;
- the typical request (Jumper, 10 ft, 800-2200 MHz, foam, standard grade,
  RVX4-50K, 7-16 DIN Male at both ends) ends on a standard jumper with a price.

--large relaxes what a synthetic load-test set does not promise (prices of its
synthetic jumpers). Exit status 0 when everything holds, 1 otherwise.
"""

import argparse
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from gen_data import metric_code  # noqa: E402  the generator names the lengths

REPO = Path(__file__).resolve().parent.parent
FEET_PER_METER = 3.2808
CURRENCY_CODES = (
    "CAD DEM EUR JPY GBP BRL CNY ZAR HKD INR KRW PHP SGD TWD ATS BEF CHF DKK ESP FIM "
    "FRF GRD IEP ITL NLG NOK PTE SEK AED SAR MXP AUD IDR NZD ARS").split()
COMMENT_STARTS = set(" #;[^`{~")
FIXED_PICTURES = ["topjumper.gif", "bottomjumper.gif", "mainfeeder.gif", "vl.gif",
                  "noconnectors.gif", "sw.gif", "logo.gif", "group.gif", "splash.gif"]

problems = []


def fail(message):
    problems.append(message)


# ---------------------------------------------------------------------------
# Reading, as the program reads

def read_text(path):
    data = path.read_bytes()
    stripped = data.replace(b"\r\n", b"")
    if b"\n" in stripped or b"\r" in stripped:
        fail(f"{path}: a line does not end with CR LF")
    if data and not data.endswith(b"\r\n"):
        fail(f"{path}: the last line has no CR LF")
    try:
        text = data.decode("cp1252")
    except UnicodeDecodeError as e:
        fail(f"{path}: not Windows-1252 text ({e})")
        text = data.decode("cp1252", errors="replace")
    return text.split("\r\n")[:-1] if text.endswith("\r\n") else text.split("\r\n")


def sections(lines):
    """[(name, lines)] in first-appearance order; a repeated name's lines are dropped."""
    out, names, current = [], set(), None
    for line in lines:
        if line == "":
            continue
        if line.startswith("[") and line.endswith("]"):
            name = line[1:-1]
            if name.upper() in names:
                current = None
            else:
                names.add(name.upper())
                current = []
                out.append((name, current))
        elif current is not None:
            current.append(line)
    return out


def line_name(line):
    return line.split("=", 1)[0] if "=" in line else ""


def value_of(lines, name):
    for line in lines:
        if "=" in line and line_name(line).upper() == name.upper():
            return line.split("=", 1)[1]
    return ""


def field_at(text, n, delimiter="|"):
    parts = text.split(delimiter)
    if len(parts) - 1 < n:  # only fields that a delimiter follows exist
        return ""
    return parts[n - 1].strip(" \t\r\n\x00")


def is_number(text):
    try:
        float(text)
        return "inf" not in text.lower() and "nan" not in text.lower()
    except ValueError:
        return False


def general_format(value):
    """Numbers as the frequency lists show them (800, 1.5)."""
    text = repr(float(value))
    return text[:-2] if text.endswith(".0") else text


def attenuation(cable, f1, f2):
    fm = (f1 + f2) / 2.0
    if cable["type"].upper() == "EW":
        y = math.log(fm / cable["k1"] - 1.0)
        return (cable["k2"] / 1000.0) * math.exp((0.09557 * y - 0.13127) * y)
    return cable["k1"] * math.sqrt(fm) + cable["k2"] * fm


def average_power(cable, f1, f2):
    return min(cable["pc"] / attenuation(cable, f1, f2), cable["maxp"])


# ---------------------------------------------------------------------------
# The data set

def load_catalogue(path):
    cables = []
    secs = sections(read_text(path))
    if len(secs) < 2:
        fail(f"{path}: no cable section")
    for name, lines in secs[1:]:
        record = value_of(lines, "TLine")
        items = record.split("|")
        if len(items) < 16 or items[15] != "":
            fail(f"{path} [{name}]: cable record needs 15 '|'-terminated fields: {record}")
            continue
        for pos in (1, 2, 6, 7, 14, 15):
            if items[pos - 1] != "" and not is_number(items[pos - 1]):
                fail(f"{path} [{name}]: field {pos} is not a number: {items[pos - 1]!r}")
        num = lambda pos: float(items[pos - 1] or "0")  # noqa: E731
        cable = {
            "section": name, "low": num(1), "high": num(2), "model": items[2],
            "pn": items[3], "type": items[4], "k1": num(6), "k2": num(7),
            "diameter": items[7], "grade": items[8], "attach_pn": items[9],
            "first": items[10], "plated": items[11], "standard": items[12],
            "pc": num(14), "maxp": num(15), "connectors": [],
        }
        if cable["type"].upper() not in ("AIR", "FOAM", "EW"):
            fail(f"{path} [{name}]: cable type {cable['type']!r}")
        if cable["grade"] not in ("S", "P", "R"):
            fail(f"{path} [{name}]: grade {cable['grade']!r}")
        keys = set()
        for line in lines[1:]:
            key = line_name(line)
            if key == "" or key.upper() in keys:
                fail(f"{path} [{name}]: connector key {key!r} missing or repeated")
            keys.add(key.upper())
            items = value_of(lines, key).split("|")
            if len(items) < 9 or items[8] != "":
                fail(f"{path} [{name}]: connector record needs 8 fields: {line}")
                continue
            try:
                code = int(items[0] or "0")
            except ValueError:
                fail(f"{path} [{name}]: connector code {items[0]!r} is not an integer")
                continue
            if not -2 ** 31 <= code < 2 ** 31:
                fail(f"{path} [{name}]: connector code {code} is not 32-bit")
            con = {"code": code, "pn": items[1], "name": items[2], "special": items[3],
                   "mates": items[4], "inner": items[5], "grade": items[6],
                   "attach": items[7]}
            if con["grade"].upper() not in ("P", "S") or con["attach"].upper() not in ("S", "R"):
                fail(f"{path} [{name}]: connector grade/attachment {line}")
            cable["connectors"].append(con)
        cables.append(cable)
    return cables


def check_catalogue(cables):
    pns = {}
    code_pn = {}
    for cable in cables:
        if cable["pn"] in pns:
            fail(f"cable part number {cable['pn']} appears twice")
        pns[cable["pn"]] = cable
        if cable["low"] >= cable["high"]:
            fail(f"{cable['pn']}: frequency range {cable['low']}-{cable['high']}")
        if cable["first"] and not cable["plated"]:
            fail(f"{cable['pn']}: Vellisk allowed but no plated grade to go with it")
        combos = set()
        for con in cable["connectors"]:
            code_pn.setdefault(con["code"], set()).add(con["pn"])
            key = (con["name"], con["special"], con["inner"], con["attach"].upper())
            if key in combos:
                fail(f"{cable['pn']}: two connectors share {key}; only the first can be chosen")
            combos.add(key)
            if con["attach"].upper() == "S" and not cable["first"]:
                fail(f"{cable['pn']}: Vellisk connector {con['pn']} on a cable without "
                     "the first-attachment flag")
        offered = {(c["attach"].upper(), c["grade"].upper()) for c in cable["connectors"]}
        wanted = []
        if cable["first"]:
            wanted.append(("S", "P"))
        if cable["plated"]:
            wanted.append(("R", "P"))
        if cable["standard"]:
            wanted.append(("R", "S"))
        for w in wanted:
            if w not in offered:
                fail(f"{cable['pn']}: no connector for attachment {w[0]} grade {w[1]}")
        if cable["type"].upper() == "EW":
            if cable["low"] <= cable["k1"]:
                fail(f"{cable['pn']}: band starts at or below its cut-off")
            for f in (cable["low"], (cable["low"] + cable["high"]) / 2, cable["high"]):
                a = attenuation(cable, f, f)
                if not 0.7 <= a <= 2.5:
                    fail(f"{cable['pn']}: {a:.2f} dB/100 ft at {f:g} MHz")
        else:
            if attenuation(cable, 900, 900) <= 0:
                fail(f"{cable['pn']}: no attenuation")
    for code, names in code_pn.items():
        if len(names) > 1:
            fail(f"connector code {code} names several part numbers: {sorted(names)}")
    lows = {general_format(c["low"]) for c in cables}
    highs = {general_format(c["high"]) for c in cables}
    if "800" not in lows:
        fail("no cable starts at 800 MHz: the beginning list has no 800")
    if "2200" not in highs:
        fail("no cable ends at 2200 MHz: the ending list has no 2200")
    return pns


def load_prices(path):
    prices = {}
    for line in read_text(path):
        if line == "" or line[0] in COMMENT_STARTS:
            continue
        pn = field_at(line, 3)
        if pn and pn not in prices:
            prices[pn] = (field_at(line, 5), field_at(line, 6))
    return prices


def check_price(prices, pn, what):
    if pn not in prices:
        fail(f"no price line for {what} {pn}")
        return None
    text = prices[pn][1]
    if not is_number(text) or float(text) <= 0:
        fail(f"price of {pn} is {text!r}")
        return None
    return float(text)


def standard_lengths(feet, meters):
    """(length code, feet, meters) as the program lists them."""
    out = []
    for entry in feet.split(","):
        if not is_number(entry):
            break
        out.append((entry, entry, f"{float(entry) / FEET_PER_METER:.2f}"))
    for entry in meters.split(","):
        if not is_number(entry):
            break
        out.append((metric_code(entry), f"{float(entry) * FEET_PER_METER:.2f}", entry))
    return out


def load_jumpers(path):
    return sections(read_text(path))


def check_jumpers(secs, pns, prices, large):
    by_upper = {pn.upper(): c for pn, c in pns.items()}
    seen_cables = set()
    unpriced = 0
    count = 0
    for name, lines in secs[1:]:
        cable_pn = field_at(value_of(lines, "TLine"), 1).upper()
        cable = by_upper.get(cable_pn)
        if cable is None:
            fail(f"jumpers [{name}]: cable {cable_pn} is not in the catalogue")
            continue
        if cable_pn in seen_cables:
            fail(f"jumpers [{name}]: a second section for {cable_pn} is never searched")
        seen_cables.add(cable_pn)
        codes = {c["code"] for c in cable["connectors"]}
        keys, pairs = set(), set()
        for line in lines[1:]:
            key = line_name(line)
            if key.upper() in keys:
                fail(f"jumpers [{name}]: key {key} repeated")
            keys.add(key.upper())
            value = line.split("=", 1)[1] if "=" in line else ""
            try:
                a, b = int(field_at(value, 1)), int(field_at(value, 2))
            except ValueError:
                fail(f"jumpers [{name}]: codes of {line}")
                continue
            for code in (a, b):
                if code not in codes:
                    fail(f"jumpers [{name}]: code {code} is not a connector of {cable_pn}")
            pair = frozenset((a, b))
            if pair in pairs:
                fail(f"jumpers [{name}]: pair {a}/{b} listed twice; the second never matches")
            pairs.add(pair)
            items = line.split("|")
            if len(items) < 8:
                fail(f"jumpers [{name}]: too few fields in {line}")
                continue
            base, feet, meters = items[4], items[6], items[7]
            lengths = standard_lengths(feet, meters)
            if len(lengths) != len(feet.split(",")) + len(meters.split(",")):
                fail(f"jumpers [{name}]: a length list has a non-number: {line}")
            count += 1
            for code, _, _ in lengths:
                if base + code not in prices:
                    if large:
                        unpriced += 1
                    else:
                        fail(f"no price line for standard jumper {base + code}")
                else:
                    check_price(prices, base + code, "standard jumper")
    return count, unpriced


def gif_size(path):
    head = path.read_bytes()[:10]
    if head[:6] not in (b"GIF87a", b"GIF89a"):
        return None
    return int.from_bytes(head[6:8], "little"), int.from_bytes(head[8:10], "little")


def check_pictures(program, cables, large):
    images_dir = program / "images"
    lines = read_text(program / "dat" / "images.dat")
    entries = {}
    total = 0
    for line in lines:
        if field_at(line, 4) == "":
            fail(f"images.dat: entry without a file name: {line!r}")
            continue
        key = (field_at(line, 1).upper(), field_at(line, 2) != "", field_at(line, 3) != "")
        entries.setdefault(key, field_at(line, 4))
    wanted = set()
    for cable in cables:
        for con in cable["connectors"]:
            wanted.add((con["name"].upper(), "RIGHT ANGLE" in con["special"].upper(),
                        con["attach"].upper() == "S"))
    for key in sorted(wanted):
        if key not in entries:
            fail(f"images.dat: no picture for {key[0]} right angle={key[1]} Vellisk={key[2]}")
    files = set(entries.values()) | set(FIXED_PICTURES)
    files |= {c["model"] + ".gif" for c in cables}
    for name in sorted(files):
        path = images_dir / name
        if not path.is_file():
            fail(f"picture {path} is missing")
            continue
        if gif_size(path) is None:
            fail(f"picture {path} is not a GIF")
    for path in images_dir.glob("*.gif"):
        total += path.stat().st_size
    if not large and total > 1024 * 1024:
        fail(f"pictures take {total} bytes, more than 1 MB")
    return len(files), total


def check_rates(path):
    rates = {}
    for line in read_text(path):
        rates.setdefault(field_at(line, 1), field_at(line, 2))
    for code in CURRENCY_CODES:
        if code not in rates:
            fail(f"xcngrate.dat: no rate for {code}")
        elif not is_number(rates[code]) or float(rates[code]) <= 0:
            fail(f"xcngrate.dat: rate of {code} is {rates[code]!r}")
    return rates


# ---------------------------------------------------------------------------
# A request walked through the way the wizard walks it

def sorted_unique(texts):
    out = []
    for t in sorted(texts, key=lambda s: s.upper()):
        if t not in out:
            out.append(t)
    return out


def pick(items, remembered):
    if remembered in items:
        return remembered
    return items[0] if items else None


def walk_request(cables, jumper_secs, prices, *, model, grade, cable_type, f1, f2,
                 top, bottom, length, vellisk=True):
    """Answers (cable, top connector, bottom connector, result text, part number)."""
    band = [c for c in cables if c["low"] <= f1 and c["high"] >= f2
            and c["type"].upper() == cable_type]
    graded = [c for c in band if c["grade"].upper() == grade]
    cable = next((c for c in graded if c["model"] == model and c["grade"] == grade), None)
    if cable is None:
        return None, None, None, f"no {grade} cable of model {model} for {f1}-{f2} MHz", None
    attach = "S" if vellisk and cable["first"] else "R"
    con_grade = "P" if attach == "S" or cable["plated"] else "S"
    chosen = []
    for wanted in (top, bottom):
        names = sorted_unique(c["name"] for c in cable["connectors"]
                              if c["grade"].upper() == con_grade and c["attach"].upper() == attach)
        name = pick(names, wanted)
        specials = sorted_unique(c["special"] or "(none)" for c in cable["connectors"]
                                 if c["name"] == name and c["attach"].upper() == attach)
        special = pick(specials, "(none)")
        special = "" if special == "(none)" else special
        inners = sorted_unique(c["inner"] or "(N/A)" for c in cable["connectors"]
                               if c["name"] == name and c["special"] == special
                               and c["attach"].upper() == attach)
        inner = pick(inners, "(N/A)")
        inner = "" if inner == "(N/A)" else inner
        con = next((c for c in cable["connectors"] if (c["name"], c["special"], c["inner"],
                    c["attach"]) == (name, special, inner, attach)), None)
        chosen.append(con)
    top_con, bottom_con = chosen
    if top_con is None or bottom_con is None:
        return cable, top_con, bottom_con, "a connector end found no connector", None
    for name, lines in jumper_secs[1:]:
        if field_at(value_of(lines, "TLine"), 1).upper() != cable["pn"].upper():
            continue
        for line in lines[1:]:
            value = line.split("=", 1)[1] if "=" in line else ""
            a, b = int(field_at(value, 1)), int(field_at(value, 2))
            if (a, b) in ((top_con["code"], bottom_con["code"]),
                          (bottom_con["code"], top_con["code"])):
                items = line.split("|")
                base, feet, meters = items[4], items[6], items[7]
                lengths = standard_lengths(feet, meters)
                if any(f == length for _, f, _ in lengths):
                    pn = base + length
                    return cable, top_con, bottom_con, \
                        f"standard jumper {pn} (feet {feet}, meters {meters})", pn
                want = float(length)
                shorter = max((float(f) for _, f, _ in lengths
                               if want - 4 < float(f) < want), default=None)
                longer = min((float(f) for _, f, _ in lengths
                              if want < float(f) < want + 4), default=None)
                if shorter is None and longer is None:
                    return cable, top_con, bottom_con, \
                        f"no standard length near {length} ft: {base}{length} assembled", None
                return cable, top_con, bottom_con, \
                    f"standard lengths offered: shorter {shorter}, longer {longer}", None
        break
    return cable, top_con, bottom_con, "no standard jumper: component parts list", None


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("root", nargs="?", type=Path, default=REPO / "data" / "sample")
    parser.add_argument("--large", action="store_true",
                        help="a synthetic load-test set: synthetic jumpers need no prices")
    args = parser.parse_args(argv)
    program, shared = args.root / "program", args.root / "shared"

    if (program / "update.ini").exists():
        fail("program/update.ini must not be part of the data set")
    cables = load_catalogue(program / "dat" / "tlineconnectors.dat")
    pns = check_catalogue(cables)
    prices = load_prices(shared / "M_lom.dat")
    for cable in cables:
        check_price(prices, cable["pn"], "cable")
        if cable["attach_pn"]:
            check_price(prices, cable["attach_pn"], "attachment charge")
        for con in cable["connectors"]:
            check_price(prices, con["pn"], "connector")
    jumper_secs = load_jumpers(program / "dat" / "jumpers.dat")
    jumper_count, unpriced = check_jumpers(jumper_secs, pns, prices, args.large)
    picture_count, picture_bytes = check_pictures(program, cables, args.large)
    check_rates(program / "xcngrate.dat")

    print(f"{len(cables)} cables, {sum(len(c['connectors']) for c in cables)} connectors, "
          f"{jumper_count} standard jumpers ({unpriced} synthetic ones unpriced), "
          f"{len(prices)} priced part numbers, {picture_count} pictures "
          f"({picture_bytes} bytes)")

    # The typical request, and the two length cases of the 3,6,10 jumper.
    requests = [
        ("typical", dict(top="7-16 DIN Male", bottom="7-16 DIN Male", length="10")),
        ("7 ft", dict(top="7-16 DIN Male", bottom="N Male", length="7")),
        ("20 ft", dict(top="7-16 DIN Male", bottom="N Male", length="20")),
    ]
    for label, extra in requests:
        cable, top, bottom, result, pn = walk_request(
            cables, jumper_secs, prices, model="RVX4-50K", grade="S", cable_type="FOAM",
            f1=800, f2=2200, **extra)
        print(f"{label}: {cable['pn'] if cable else '-'}, "
              f"{top['pn'] if top else '-'} / {bottom['pn'] if bottom else '-'}: {result}")
        if label == "typical":
            if pn is None:
                fail("the typical request does not end on a standard jumper at 10 ft")
            else:
                price = check_price(prices, pn, "standard jumper")
                print(f"  price line: {pn} {prices[pn][0]!r} {price}")
                a = attenuation(cable, 800, 2200)
                print(f"  attenuation {a:.2f} dB/100 ft, average power "
                      f"{average_power(cable, 800, 2200):.2f} kW "
                      f"(at 900 MHz {average_power(cable, 900, 900):.2f} kW)")
        elif label == "7 ft" and "shorter 6.0, longer 10.0" not in result:
            fail(f"7 ft on the 3,6,10 jumper should offer 6 and 10: {result}")
        elif label == "20 ft" and "assembled" not in result:
            fail(f"20 ft on the 3,6,10 jumper should be assembled: {result}")

    if problems:
        for p in problems[:200]:
            print("PROBLEM:", p)
        if len(problems) > 200:
            print(f"... and {len(problems) - 200} more")
        return 1
    print("OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
