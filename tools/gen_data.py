#!/usr/bin/env python3
"""Writes Quillroute's bundled sample data set, or a large synthetic one.

    tools/gen_data.py                  data files of data/sample/ (pictures only
                                       when one is missing)
    tools/gen_data.py --pictures       the same, and redraw every picture
    tools/gen_data.py --out DIR        write the sample set somewhere else
    tools/gen_data.py --large DIR [--cables 5000] [--connectors 20]
                      [--price-lines 200000] [--jumpers-mb 20]

Layout written (DIR is data/sample by default):

    DIR/program/dat/tlineconnectors.dat   cables and the connectors that fit them
    DIR/program/dat/jumpers.dat           standard jumpers by cable part number
    DIR/program/dat/images.dat            connector pictures
    DIR/program/images/*.gif              every picture the program loads
    DIR/program/xcngrate.dat              exchange rates (value of one unit in USD)
    DIR/shared/M_lom.dat                  the price list of the shared data folder

All text files are Windows-1252 with CR LF line ends. Nothing depends on the date,
the machine or a random seed that changes: two runs give identical bytes. Only the
Python standard library is used; the pictures are drawn with ImageMagick "convert".
"""

import argparse
import math
import random
import shutil
import subprocess
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
DEFAULT_OUT = REPO / "data" / "sample"

FEET_PER_METER = 3.2808

# The order in which the program holds converted prices.
CURRENCY_CODES = [
    "CAD", "DEM", "EUR", "JPY", "GBP", "BRL", "CNY", "ZAR", "HKD", "INR", "KRW",
    "PHP", "SGD", "TWD", "ATS", "BEF", "CHF", "DKK", "ESP", "FIM", "FRF", "GRD",
    "IEP", "ITL", "NLG", "NOK", "PTE", "SEK", "AED", "SAR", "MXP", "AUD", "IDR",
    "NZD", "ARS",
]

EUR_IN_USD = 1.0850
# The legacy euro-zone currencies follow the euro through their fixed conversion rates.
EURO_LEGACY = {
    "DEM": 1.95583, "ATS": 13.7603, "BEF": 40.3399, "ESP": 166.386, "FIM": 5.94573,
    "FRF": 6.55957, "GRD": 340.750, "IEP": 0.787564, "ITL": 1936.27, "NLG": 2.20371,
    "PTE": 200.482,
}
RATES_IN_USD = {
    "CAD": 0.7385, "EUR": EUR_IN_USD, "JPY": 0.006812, "GBP": 1.2705, "BRL": 0.2015,
    "CNY": 0.13845, "ZAR": 0.05436, "HKD": 0.12795, "INR": 0.012035, "KRW": 0.000752,
    "PHP": 0.017920, "SGD": 0.7412, "TWD": 0.03105, "CHF": 1.1235, "DKK": 0.14545,
    "NOK": 0.09415, "SEK": 0.09560, "AED": 0.27229, "SAR": 0.26665, "MXP": 0.05835,
    "AUD": 0.6608, "IDR": 0.0000641, "NZD": 0.6115, "ARS": 0.001125,
}
for _code, _per_euro in EURO_LEGACY.items():
    RATES_IN_USD[_code] = EUR_IN_USD / _per_euro


# ---------------------------------------------------------------------------
# Text helpers

def num(value):
    """A number as plain decimal text: no exponent, no trailing zeros."""
    if float(value).is_integer():
        return str(int(value))
    return f"{value:.10f}".rstrip("0").rstrip(".")


def money(value):
    return f"{value:.2f}"


def metric_code(entry):
    """The length code of a meter entry: 2 -> 2M, 1.5 -> 1M5, 0.5 -> M5."""
    if "." not in entry:
        return entry + "M"
    whole, fraction = entry.split(".", 1)
    whole = whole.strip()
    try:
        if int(whole) == 0:
            whole = ""
    except ValueError:
        pass
    return whole + "M" + fraction


def write_lines(path, lines):
    """Windows-1252, CR LF after every line, the last one included."""
    path.parent.mkdir(parents=True, exist_ok=True)
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    path.write_bytes(data)
    return len(data)


# ---------------------------------------------------------------------------
# RF figures (the program's own formulas, used here to choose the constants)

def attenuation(cable_type, k1, k2, f1, f2):
    fm = (f1 + f2) / 2.0
    if cable_type.upper() == "EW":
        y = math.log(fm / k1 - 1.0)
        return (k2 / 1000.0) * math.exp((0.09557 * y - 0.13127) * y)
    return k1 * math.sqrt(fm) + k2 * fm


# ---------------------------------------------------------------------------
# Catalogue records

class Connector:
    def __init__(self, code, pn, name, special, mates, inner, grade, attach,
                 price, description):
        self.code = code
        self.pn = pn
        self.name = name
        self.special = special
        self.mates = mates
        self.inner = inner
        self.grade = grade
        self.attach = attach
        self.price = price
        self.description = description

    def record(self):
        return "|".join([str(self.code), self.pn, self.name, self.special, self.mates,
                         self.inner, self.grade, self.attach]) + "|"


class Cable:
    def __init__(self, low, high, model, pn, cable_type, k1, k2, diameter, grade,
                 attach_pn, first, plated, standard, power_constant, max_power,
                 price, description):
        self.low = low
        self.high = high
        self.model = model
        self.pn = pn
        self.type = cable_type
        self.k1 = k1
        self.k2 = k2
        self.diameter = diameter
        self.grade = grade
        self.attach_pn = attach_pn
        self.first = first
        self.plated = plated
        self.standard = standard
        self.power_constant = power_constant
        self.max_power = max_power
        self.price = price
        self.description = description
        self.connectors = []

    def record(self):
        return "|".join([num(self.low), num(self.high), self.model, self.pn, self.type,
                         num(self.k1), num(self.k2), self.diameter, self.grade,
                         self.attach_pn, self.first, self.plated, self.standard,
                         num(self.power_constant), num(self.max_power)]) + "|"

    def find(self, name, special, inner, attach):
        for c in self.connectors:
            if (c.name, c.special, c.inner, c.attach) == (name, special, inner, attach):
                return c
        raise KeyError((self.pn, name, special, inner, attach))


class Jumper:
    def __init__(self, top, bottom, base, feet, meters, reversed_order=False):
        self.top = top
        self.bottom = bottom
        self.base = base
        self.feet = feet
        self.meters = meters
        self.reversed_order = reversed_order

    def lengths(self):
        """(length code, length in feet, length text) of every standard length."""
        out = [(f, float(f), f + " ft") for f in self.feet.split(",")]
        out += [(metric_code(m), float(m) * FEET_PER_METER, m + " m")
                for m in self.meters.split(",")]
        return out


# ---------------------------------------------------------------------------
# The sample catalogue

# Foam-dielectric sizes: (diameter, model digit, k1, k2, power constant,
# maximum power kW, upper frequency MHz, cable price per foot, attachment charge)
FOAM_SIZES = [
    ("1/4", "1", 0.165, 0.00035, 1.0, 10, 13400, 0.98, 12.50),
    ("3/8", "2", 0.083, 0.00018, 1.6, 16, 10200, 1.64, 14.00),
    ("1/2", "4", 0.0643, 0.00019, 2.3, 40, 8800, 2.62, 16.50),
    ("7/8", "5", 0.0348, 0.00015, 3.4, 91, 5000, 5.15, 22.00),
    ("1-1/4", "6", 0.0240, 0.00014, 4.1, 155, 3300, 8.40, 28.00),
    ("1-5/8", "7", 0.0190, 0.00014, 4.6, 210, 2500, 11.95, 34.00),
    ("2-1/4", "8", 0.0162, 0.00012, 5.2, 310, 2000, 17.80, 42.00),
]
# Air-dielectric sizes: about 7 % lower k1 than foam of the same size, k2 near 0.0001.
AIR_SIZES = [
    ("1/2", "4", 0.0598, 0.00011, 2.6, 45, 10000, 3.10, 18.00),
    ("7/8", "5", 0.0324, 0.00010, 3.8, 100, 5200, 6.20, 24.00),
    ("1-1/4", "6", 0.0223, 0.00010, 4.6, 170, 3600, 10.10, None),
    ("1-5/8", "7", 0.0177, 0.00009, 5.1, 230, 2700, 13.90, None),
    ("2-1/4", "8", 0.0149, 0.00009, 5.8, 340, 2200, 21.50, None),
]

GRADE_WORDS = {"S": "standard jacket", "P": "premium low-PIM jacket",
               "R": "flame-retardant jacket"}

# Coaxial connector families: key -> (name, mates-to name, base price).
FAMILIES = {
    "DM": ("7-16 DIN Male", "7-16 DIN Female", 38.0),
    "DF": ("7-16 DIN Female", "7-16 DIN Male", 41.0),
    "NM": ("N Male", "N Female", 24.0),
    "NF": ("N Female", "N Male", 26.0),
    "QM": ("4.3-10 Male", "4.3-10 Female", 35.0),
    "QF": ("4.3-10 Female", "4.3-10 Male", 37.0),
    "SM": ("SMA Male", "SMA Female", 19.0),
    "E1": ("EIA 1-5/8 Flange", "EIA 1-5/8 Flange", 96.0),
    "E3": ("EIA 3-1/8 Flange", "EIA 3-1/8 Flange", 148.0),
}
FOAM_FAMILIES = {
    "1/4": ["DM", "DF", "NM", "NF", "QM", "SM"],
    "3/8": ["DM", "DF", "NM", "NF", "QM", "QF"],
    "1/2": ["DM", "DF", "NM", "NF", "QM", "QF"],
    "7/8": ["DM", "DF", "NM", "NF", "QM"],
    "1-1/4": ["DM", "DF", "NM", "NF"],
    "1-5/8": ["DM", "DF", "NF", "E1"],
    "2-1/4": ["DM", "DF", "E3"],
}
AIR_FAMILIES = {
    "1/2": ["DM", "DF", "NM", "NF"],
    "7/8": ["DM", "DF", "NM", "NF"],
    "1-1/4": ["DM", "DF", "NF"],
    "1-5/8": ["DM", "DF", "E1"],
    "2-1/4": ["DM", "E3"],
}
# Families offered with the Vellisk attachment, and those made in right-angle form.
VELLISK_FAMILIES = {"DM", "DF", "NM", "NF", "QM", "QF"}
VELLISK_RA_FAMILIES = {"DM", "NM"}
RA_FAMILIES = {"DM", "NM", "QM"}
LOW_PIM_SIZES = {"1/2", "7/8"}
SIZE_FACTOR = {"1/4": 0.80, "3/8": 0.90, "1/2": 1.00, "7/8": 1.35, "1-1/4": 1.80,
               "1-5/8": 2.25, "2-1/4": 3.10}

# Foam grades per size: grade -> (first-attachment, plated, standard, attachment
# charge on, lowest MHz, highest MHz or None for the size's own limit).
FOAM_GRADES = {
    "1/4": {"S": (1, 1, 1, 1, 1, None), "P": (1, 1, 0, 1, 30, 6000),
            "R": (0, 1, 1, 0, 800, 6000)},
    "3/8": {"S": (1, 1, 1, 1, 1, None), "P": (1, 1, 0, 1, 30, 6000),
            "R": (1, 1, 1, 1, 800, 6000)},
    "1/2": {"S": (1, 1, 1, 1, 1, None), "P": (1, 1, 0, 1, 30, 6000),
            "R": (1, 1, 1, 1, 800, 6000)},
    "7/8": {"S": (1, 1, 1, 1, 1, None), "P": (1, 1, 0, 1, 30, None),
            "R": (0, 1, 1, 0, 800, None)},
    "1-1/4": {"S": (0, 1, 1, 1, 1, None), "P": (0, 1, 0, 1, 30, None)},
    "1-5/8": {"S": (0, 1, 1, 1, 1, None), "P": (0, 1, 0, 1, 30, None)},
    "2-1/4": {"S": (0, 0, 1, 1, 1, None)},
}
AIR_GRADES = {
    "1/2": {"S": (0, 1, 1)},
    "7/8": {"S": (0, 1, 1)},
    "1-1/4": {"S": (0, 1, 1)},
    "1-5/8": {"S": (0, 1, 1), "P": (0, 1, 0)},
    "2-1/4": {"S": (0, 0, 1)},
}
GRADE_PRICE = {"S": 1.00, "P": 1.12, "R": 1.20}

# Elliptical waveguides: (model, part number, grade, low MHz, high MHz, cut-off MHz,
# wanted dB/100 ft at mid band, plated, standard, attachment charge part number,
# price per foot, outline text, flanges, power constant, maximum power kW).
EW_CABLES = [
    ("EWQ20", "EWQ20", "S", 1700, 2300, 1300, 1.00, 1, 0, "ATC-EW", 28.50, "2.80 x 1.71",
     "430", 4.0, 60),
    ("EWQ37", "EWQ37", "S", 3400, 4200, 2350, 1.55, 1, 0, "", 24.10, "1.97 x 1.12",
     "229", 2.8, 35),
    ("EWQ63", "EWQ63", "S", 5925, 7125, 3650, 1.35, 0, 1, "ATC-EW", 19.75, "1.32 x 0.79",
     "137", 1.9, 20),
    ("EWQ63", "EWQ63P", "P", 5925, 7125, 3650, 1.35, 1, 0, "", 22.40, "1.32 x 0.79",
     "137", 1.9, 20),
    ("EWQ77", "EWQ77", "S", 7125, 8500, 4600, 1.75, 0, 1, "", 18.60, "1.10 x 0.66",
     "112", 1.5, 15),
]
FLANGE_PRICE = {"430": 210.0, "229": 168.0, "137": 139.0, "112": 131.0}

ATTACH_DESCRIPTION = "Factory connector attachment charge, {} cable"


def coax_connectors(kind, size, digit, fams, first, plated, standard, type_word):
    """Every connector of one coaxial size, in catalogue order. The same size and
    kind always gives the same part numbers and codes, whatever the cable grade."""
    prefix = "F" if kind == "FOAM" else "A"
    type_offset = 410000 if kind == "FOAM" else 520000
    out = []
    for fam_index, fam in enumerate(fams):
        name, mates, base_price = FAMILIES[fam]
        size_price = base_price * SIZE_FACTOR[size] * (1.08 if kind == "AIR" else 1.0)
        flange = fam in ("E1", "E3")
        variants = []
        if first and plated and fam in VELLISK_FAMILIES:
            variants.append((1, "-PV", "", "", "P", "S", 1.18))
            if fam in VELLISK_RA_FAMILIES:
                variants.append((2, "RA-PV", "RIGHT ANGLE", "", "P", "S", 1.45))
        if plated:
            inner = "Crimp" if fam == "SM" else "Captivated"
            variants.append((3, "-PC", "", inner, "P", "R", 1.00))
            if fam in RA_FAMILIES:
                special = "Right Angle" if (size == "3/8" and fam == "NM") else "RIGHT ANGLE"
                variants.append((4, "RA-PC", special, inner, "P", "R", 1.26))
            if fam == "DM" and size in LOW_PIM_SIZES and kind == "FOAM":
                variants.append((5, "-PL", "Low PIM", "", "P", "R", 1.22))
        if standard:
            variants.append((6, "-SS", "", "Solder", "S", "R", 0.80))
        for variant, suffix, special, inner, grade, attach, factor in variants:
            pn = f"{prefix}{digit}{fam}{suffix}"
            code = type_offset + int(digit) * 1000 + fam_index * 10 + variant
            words = [f"{name} connector for {size} in. {type_word} cable"]
            if attach == "S":
                words.append("Vellisk attachment")
            if "RIGHT ANGLE" in special.upper():
                words.append("90\u00b0 right angle")
            elif special:
                words.append(special.lower())
            words.append("plated" if grade == "P" else "standard")
            if inner and not flange:
                words.append(inner.lower() + " inner contact")
            out.append(Connector(code, pn, name, special, mates, inner, grade, attach,
                                 round(size_price * factor, 2), ", ".join(words)))
    return out


def ew_connectors(flange, plated, pdr):
    """Waveguide connectors: a grooved and a flat flange (and for the 6 GHz band a
    PDR/UDR pair), Regular attachment only."""
    grade = "P" if plated else "S"
    factor = 1.0 if plated else 0.85
    base = FLANGE_PRICE[flange]
    base_code = 2100000000 + int(flange) * 1000 + (0 if plated else 500)
    items = [
        (1, f"CPR{flange}G Flange", f"CPR{flange}F Flange", "", "G", 1.00),
        (2, f"CPR{flange}G Flange", f"CPR{flange}F Flange", "Pressure Window", "GW", 1.35),
        (3, f"CPR{flange}F Flange", f"CPR{flange}G Flange", "", "F", 0.95),
    ]
    if pdr:
        items.append((4, "PDR70 Flange", "UDR70 Flange", "", "PDR", 1.10))
    out = []
    for n, name, mates, special, tag, f in items:
        pn = f"W{flange}{tag}-{grade}"
        desc = f"{name} connector for elliptical waveguide, " + \
            ("pressure window, " if special else "") + ("plated" if plated else "standard")
        out.append(Connector(base_code + n, pn, name, special, mates, "", grade, "R",
                             round(base * f * factor, 2), desc))
    return out


def build_sample():
    """The sample catalogue: (cables, attachment charges {pn: (desc, price)},
    jumpers {cable pn: [Jumper]}, jumper section order)."""
    cables = []
    charges = {}
    flag = lambda on: "Y" if on else ""  # noqa: E731
    for size, digit, k1, k2, pc, maxp, top, ppf, charge in FOAM_SIZES:
        model = f"RVX{digit}-50K"
        for grade, (first, plated, standard, has_charge, low, high) in FOAM_GRADES[size].items():
            pn = {"S": model, "P": f"RVX{digit}P-50K", "R": f"RVX{digit}R-50K"}[grade]
            attach_pn = f"ATC-F{digit}" if has_charge else ""
            if attach_pn:
                charges[attach_pn] = (ATTACH_DESCRIPTION.format(f"{size} in. foam"), charge)
            cable = Cable(low, high or top, model, pn, "FOAM", k1, k2, size, grade,
                          attach_pn, flag(first), flag(plated), flag(standard), pc, maxp,
                          round(ppf * GRADE_PRICE[grade], 2),
                          f"{model} {size} in. foam coaxial cable, {GRADE_WORDS[grade]}")
            cable.connectors = coax_connectors("FOAM", size, digit, FOAM_FAMILIES[size],
                                               first, plated, standard, "foam")
            cables.append(cable)
    for size, digit, k1, k2, pc, maxp, top, ppf, charge in AIR_SIZES:
        model = f"HXA{digit}-50"
        for grade, (first, plated, standard) in AIR_GRADES[size].items():
            pn = model if grade == "S" else f"HXA{digit}{grade}-50"
            attach_pn = f"ATC-A{digit}" if charge else ""
            if attach_pn:
                charges[attach_pn] = (ATTACH_DESCRIPTION.format(f"{size} in. air"), charge)
            cable = Cable(1, top, model, pn, "AIR", k1, k2, size, grade, attach_pn,
                          flag(first), flag(plated), flag(standard), pc, maxp,
                          round(ppf * GRADE_PRICE[grade], 2),
                          f"{model} {size} in. air-dielectric coaxial cable, "
                          f"{GRADE_WORDS[grade]}")
            cable.connectors = coax_connectors("AIR", size, digit, AIR_FAMILIES[size],
                                               first, plated, standard, "air")
            cables.append(cable)
    for (model, pn, grade, low, high, cutoff, want, plated, standard, attach_pn, ppf,
         outline, flange, pc, maxp) in EW_CABLES:
        shape = attenuation("EW", cutoff, 1000.0, low, high)
        k2 = round(want / shape * 1000.0)
        if attach_pn:
            charges[attach_pn] = (ATTACH_DESCRIPTION.format("elliptical waveguide"), 85.00)
        cable = Cable(low, high, model, pn, "EW", cutoff, k2, outline, grade, attach_pn,
                      "", flag(plated), flag(standard), pc, maxp, ppf,
                      f"{model} elliptical waveguide {num(low / 1000)}-{num(high / 1000)} GHz"
                      + (", premium" if grade == "P" else ""))
        cable.connectors = ew_connectors(flange, plated, flange == "137")
        cables.append(cable)

    by_pn = {c.pn: c for c in cables}

    def vel(cable, fam, ra=False):
        name = FAMILIES[fam][0]
        return cable.find(name, "RIGHT ANGLE" if ra else "", "", "S")

    def reg(cable, fam):
        name = FAMILIES[fam][0]
        return cable.find(name, "", "Captivated" if fam != "SM" else "Crimp", "R")

    jumpers = {}
    c = by_pn["RVX4-50K"]
    jumpers["RVX4-50K"] = [
        Jumper(vel(c, "DM"), vel(c, "DM"), "J4V-DMDM-", "3,6,10,15", "1,1.5,2,3"),
        # 7 ft offers 6 and 10; 20 ft has no standard length within 4 ft (the meter
        # lengths, 3.28 and 4.92 ft, stay out of both windows).
        Jumper(vel(c, "DM"), vel(c, "NM"), "J4V-DMNM-", "3,6,10", "1,1.5", True),
        Jumper(vel(c, "DM", True), vel(c, "DM"), "J4V-DRDM-", "3,4,6,8,10,12,15",
               "0.5,1,1.5,2,2.25,3"),
        Jumper(vel(c, "NM"), vel(c, "NM"), "J4V-NMNM-", "3,6,10,15,20", "1,2,3,5"),
        Jumper(vel(c, "QM"), vel(c, "QM"), "J4V-QMQM-", "3,6,10,15", "1,1.5,2,3"),
        Jumper(vel(c, "DF"), vel(c, "DM"), "J4V-DFDM-", "3,6,10", "1,2,3"),
        Jumper(vel(c, "NF"), vel(c, "DM"), "J4V-NFDM-", "6,10,15", "2,3", True),
        Jumper(vel(c, "QM"), vel(c, "DM"), "J4V-QMDM-", "3,6,10,15", "1,2,3", True),
        Jumper(reg(c, "DM"), reg(c, "DM"), "J4-DMDM-", "6,10,15,20,25", "2,3,5"),
    ]
    c = by_pn["RVX4P-50K"]
    jumpers["RVX4P-50K"] = [
        Jumper(vel(c, "DM"), vel(c, "DM"), "J4PV-DMDM-", "3,6,10,15", "1,2,3"),
        Jumper(vel(c, "QM"), vel(c, "DM"), "J4PV-QMDM-", "3,6,10", "1,2,3"),
    ]
    c = by_pn["RVX4R-50K"]
    jumpers["RVX4R-50K"] = [
        Jumper(vel(c, "DM"), vel(c, "DM"), "J4RV-DMDM-", "6,10,15", "2,3"),
    ]
    c = by_pn["RVX2-50K"]
    jumpers["RVX2-50K"] = [
        Jumper(vel(c, "DM"), vel(c, "DM"), "J2V-DMDM-", "3,6,10,15", "1,2,3"),
        Jumper(vel(c, "NM"), vel(c, "NM"), "J2V-NMNM-", "2,3,6,10", "0.5,1,2,3"),
        Jumper(vel(c, "NM", True), vel(c, "NM"), "J2V-NRNM-", "3,6,10", "1,2"),
        Jumper(vel(c, "DM"), vel(c, "NM"), "J2V-DMNM-", "3,6,10,15", "1,2,3"),
    ]
    c = by_pn["RVX1-50K"]
    jumpers["RVX1-50K"] = [
        Jumper(vel(c, "NM"), vel(c, "NM"), "J1V-NMNM-", "1,2,3,4,6,10", "0.5,1,2"),
        Jumper(reg(c, "SM"), reg(c, "NM"), "J1-SMNM-", "1,2,3,6", "0.5,1,2"),
        Jumper(vel(c, "QM"), vel(c, "DM"), "J1V-QMDM-", "2,3,6,10", "1,2,3", True),
    ]
    c = by_pn["RVX5-50K"]
    jumpers["RVX5-50K"] = [
        Jumper(vel(c, "DM"), vel(c, "DM"), "J5V-DMDM-", "6,10,15,20,25,30", "2,3,5,10"),
        Jumper(reg(c, "DM"), reg(c, "DF"), "J5-DMDF-", "10,20,30", "3,5,10"),
    ]
    return cables, charges, jumpers


def jumper_price(cable, jumper, length_ft, charges):
    charge = charges.get(cable.attach_pn, ("", 0.0))[1]
    labour = 14.0 + 2 * 0.75 * charge
    return round(jumper.top.price + jumper.bottom.price + labour
                 + length_ft * cable.price * 1.08, 2)


def jumper_description(cable, jumper, length):
    def end(c):
        words = c.name
        if "RIGHT ANGLE" in c.special.upper():
            words += " RA"
        return words + (" (Vellisk)" if c.attach == "S" else "")
    return (f"Jumper {length}, {cable.pn} {cable.diameter} in. {cable.type.lower()}, "
            f"{end(jumper.top)} / {end(jumper.bottom)}")


# ---------------------------------------------------------------------------
# File contents

def catalogue_lines(cables, header=True):
    lines = []
    if header:
        lines += [
            "[HEADER]",
            "Title=Orlenk transmission lines and connectors",
            "Layout=TLine=low MHz|high MHz|model|part number|type|k1|k2|diameter|grade|"
            "attachment charge|first attachment|plated|standard|power constant|max kW|",
            "Connectors=name=code|part number|connector|special|mates to|inner|grade|"
            "attachment|",
            "",
        ]
    for cable in cables:
        lines.append(f"[{cable.pn}]")
        lines.append("TLine=" + cable.record())
        for i, con in enumerate(cable.connectors, 1):
            lines.append(f"C{i}=" + con.record())
        lines.append("")
    return lines


def jumper_line(key, cable, jumper):
    a, b = jumper.top, jumper.bottom
    if jumper.reversed_order:
        a, b = b, a
    return (f"{key}={a.code}|{b.code}|{a.pn}|{b.pn}|{jumper.base}|{cable.pn}|"
            f"{jumper.feet}|{jumper.meters}|")


def jumper_section_lines(cables, jumpers):
    by_pn = {c.pn: c for c in cables}
    lines = []
    for pn, items in jumpers.items():
        cable = by_pn[pn]
        lines.append(f"[{pn}]")
        # One cable line is written in lower case: it names the cable all the same.
        shown = pn.lower() if pn == "RVX4R-50K" else pn
        lines.append(f"TLine={shown}|{cable.diameter}|{cable.type}|")
        for i, jumper in enumerate(items, 1):
            lines.append(jumper_line(f"J{i}", cable, jumper))
        lines.append("")
    return lines


def jumpers_header():
    return [
        "[STANDARD JUMPERS]",
        "Title=Orlenk standard jumper assemblies",
        "Layout=J=code A|code B|part A|part B|base part number|cable|feet|meters|",
        "",
    ]


def connector_picture_name(name, ra, vellisk):
    slug = "".join(ch for ch in name.lower() if ch.isalnum())
    return slug + ("_ra" if ra else "") + ("_v" if vellisk else "") + ".gif"


# A few names are written in another letter case: the look-up ignores it.
IMAGE_NAME_SPELLING = {"N Male": "n male", "7-16 DIN Female": "7-16 din female",
                       "CPR229G Flange": "cpr229g flange"}


def picture_combinations(cables):
    """(name, right angle, Vellisk) for every connector the catalogue offers, in
    first-appearance order."""
    seen = {}
    for cable in cables:
        for con in cable.connectors:
            key = (con.name, "RIGHT ANGLE" in con.special.upper(), con.attach.upper() == "S")
            seen.setdefault(key, None)
    return list(seen)


def images_lines(combos):
    lines = []
    for name, ra, vellisk in sorted(combos, key=lambda k: (k[0].upper(), k[1], k[2])):
        shown = IMAGE_NAME_SPELLING.get(name, name)
        lines.append(f"{shown}|{'RA' if ra else ''}|{'V' if vellisk else ''}|"
                     f"{connector_picture_name(name, ra, vellisk)}|")
    return lines


def price_lines(cables, charges, jumpers):
    """Price lines of every orderable part, grouped by kind."""
    lines = []
    seen = set()

    def add(group, pn, unit, description, price):
        if pn in seen:
            return
        seen.add(pn)
        lines.append(f"C|{group}|{pn}|{unit}|{description}|{money(price)}|")

    lines.append("; cables, US dollars per foot")
    for cable in cables:
        add(cable.type, cable.pn, "FT", cable.description, cable.price)
    lines.append("; connectors, each")
    for cable in cables:
        for con in cable.connectors:
            add("CONN", con.pn, "EA", con.description, con.price)
    lines.append("; factory attachment charges, per connector")
    for pn in sorted(charges):
        add("ATC", pn, "EA", charges[pn][0], charges[pn][1])
    lines.append("; standard jumpers, each")
    by_pn = {c.pn: c for c in cables}
    for pn, items in jumpers.items():
        cable = by_pn[pn]
        for jumper in items:
            for code, feet, length in jumper.lengths():
                add("JMPR", jumper.base + code, "EA",
                    jumper_description(cable, jumper, length),
                    jumper_price(cable, jumper, feet, charges))
    return lines


def price_list(cables, charges, jumpers):
    lines = [
        "# Orlenk list prices in US dollars",
        "# C|line|part number|unit|description|price|",
        "",
    ]
    lines += price_lines(cables, charges, jumpers)
    return lines


def rate_lines():
    return [f"{code}|{num(round(RATES_IN_USD[code], 10))}|" for code in CURRENCY_CODES]


# ---------------------------------------------------------------------------
# Pictures

FONT = "DejaVu-Sans"
FONT_BOLD = "DejaVu-Sans-Bold"
FAMILY_COLOURS = {
    "7-16": "#b8860b", "4.3-10": "#4682b4", "N": "#708090", "SMA": "#daa520",
    "EIA": "#8b4513", "CPR": "#556b2f", "PDR": "#6b8e23",
}
SHORT_LABEL = {
    "7-16 DIN Male": "7-16 M", "7-16 DIN Female": "7-16 F", "N Male": "N M",
    "N Female": "N F", "4.3-10 Male": "4.3-10 M", "4.3-10 Female": "4.3-10 F",
    "SMA Male": "SMA M", "EIA 1-5/8 Flange": "EIA 1-5/8", "EIA 3-1/8 Flange": "EIA 3-1/8",
    "PDR70 Flange": "PDR70",
}


def have_convert():
    return shutil.which("convert") is not None


def convert(path, width, height, ops, background="white"):
    args = ["convert", "-size", f"{width}x{height}", f"xc:{background}", "-font", FONT]
    args += ops
    args += ["+dither", "-colors", "64", str(path)]
    subprocess.run(args, check=True)


def draw(*commands):
    out = []
    for c in commands:
        out += ["-draw", c]
    return out


def text(x, y, words, size=11, colour="black", font=FONT, gravity="NorthWest"):
    return ["-gravity", gravity, "-font", font, "-pointsize", str(size), "-fill", colour,
            "-stroke", "none", "-annotate", f"+{x}+{y}", words, "-gravity", "NorthWest"]


def style(fill, stroke="black", width=1):
    return ["-fill", fill, "-stroke", stroke, "-strokewidth", str(width)]


def family_colour(name):
    for prefix, colour in FAMILY_COLOURS.items():
        if name.startswith(prefix):
            return colour
    return "#808080"


def connector_ops(name, ra, vellisk):
    colour = family_colour(name)
    label = SHORT_LABEL.get(name, name.replace(" Flange", ""))
    male = "Male" in name
    ops = []
    if "Flange" in name and name.startswith(("CPR", "PDR")):
        # Waveguide: an elliptical tube into a square flange plate with bolt holes.
        ops += style("#3a3a3a") + draw("rectangle 4,40 40,60")
        ops += style("#c87533") + draw("ellipse 40,50 14,9 0,360")
        ops += style(colour) + draw("rectangle 50,22 70,78")
        ops += style("white") + draw("circle 60,28 60,31", "circle 60,72 60,75")
        ops += style("#222222") + draw("ellipse 60,50 5,14 0,360")
        if name.startswith("PDR"):
            ops += style("none", "#222222", 2) + draw("line 72,30 72,70")
        ops += text(0, 6, label, 12, "black", FONT_BOLD, "South")
        return ops
    if name.startswith("EIA"):
        ops += style("#3a3a3a") + draw("rectangle 2,42 34,58")
        ops += style("#a0a0a0") + draw("rectangle 34,36 56,64")
        ops += style(colour) + draw("rectangle 56,18 70,82")
        ops += style("white") + draw("circle 63,24 63,26", "circle 63,76 63,78")
        ops += style("#c87533") + draw("rectangle 70,46 86,54")
        ops += text(0, 6, label, 11, "black", FONT_BOLD, "South")
        return ops
    if not ra:
        ops += style("#3a3a3a") + draw("rectangle 2,43 30,57")
        ops += style("#b0b0b0") + draw("rectangle 30,35 54,65")
        ops += style(colour) + draw("polygon 54,30 62,26 74,26 80,30 80,70 74,74 62,74 54,70")
        if male:
            ops += style("#d0d0d0") + draw("rectangle 80,38 92,62")
            ops += style("#c87533") + draw("rectangle 92,47 98,53")
        else:
            ops += style("#d0d0d0") + draw("rectangle 80,36 96,64")
            ops += style("#222222") + draw("rectangle 88,46 96,54")
        ops += text(0, 8, label, 12, "black", FONT_BOLD, "South")
    else:
        ops += style("#3a3a3a") + draw("rectangle 36,68 50,99")
        ops += style("#b0b0b0") + draw("rectangle 28,36 58,68")
        ops += style(colour) + draw("polygon 58,32 64,28 74,28 80,32 80,72 74,76 64,76 58,72")
        if male:
            ops += style("#d0d0d0") + draw("rectangle 80,40 90,64")
            ops += style("#c87533") + draw("rectangle 90,49 96,55")
        else:
            ops += style("#d0d0d0") + draw("rectangle 80,38 95,66")
            ops += style("#222222") + draw("rectangle 87,48 95,56")
        ops += text(0, 6, label + " RA", 11, "black", FONT_BOLD, "North")
    if vellisk:
        x, y = (14, 16) if not ra else (84, 86)
        ops += style("#1e8449", "white", 1) + draw(f"circle {x},{y} {x},{y - 12}")
        ops += text(x - 5, y - 8, "V", 14, "white", FONT_BOLD)
    return ops


def cable_ops(cable):
    ops = []
    if cable.type == "EW":
        ops += style("#1a1a1a") + draw("ellipse 60,36 44,27 0,360")
        ops += style("#c87533", "#8a4b1f") + draw("ellipse 60,36 38,22 0,360")
        ops += style("#f5f5f5", "#8a4b1f") + draw("ellipse 60,36 33,18 0,360")
    else:
        sizes = {"1/4": 16, "3/8": 20, "1/2": 24, "7/8": 28, "1-1/4": 31, "1-5/8": 33,
                 "2-1/4": 35}
        r = sizes.get(cable.diameter, 30)
        ops += style("#1a1a1a") + draw(f"circle 60,38 60,{38 - r}")
        ops += style("#c87533", "#8a4b1f") + draw(f"circle 60,38 60,{38 - r + 3}")
        if cable.type == "AIR":
            ops += style("#e8e8e8", "#8a4b1f") + draw(f"circle 60,38 60,{38 - r + 6}")
            spoke = r - 7
            ops += style("none", "#7a7a7a", 2) + draw(
                f"line {60 - spoke},38 {60 + spoke},38", f"line 60,{38 - spoke} 60,{38 + spoke}")
        else:
            ops += style("#fffbe6", "#8a4b1f") + draw(f"circle 60,38 60,{38 - r + 6}")
        inner = max(3, r // 4)
        ops += style("#c87533", "#8a4b1f") + draw(f"circle 60,38 60,{38 - inner}")
    ops += text(0, 3, cable.model, 12, "black", FONT_BOLD, "South")
    return ops


def tower(x, top, bottom):
    """A lattice tower whose legs meet under its top."""
    legs = [f"line {x - 14},{bottom} {x - 3},{top}", f"line {x + 14},{bottom} {x + 3},{top}"]
    braces = []
    y = bottom
    while y - 18 > top + 6:
        half = 3 + 11 * (y - top) / (bottom - top)
        half_up = 3 + 11 * (y - 18 - top) / (bottom - top)
        braces.append(f"line {x - half:.0f},{y} {x + half_up:.0f},{y - 18}")
        braces.append(f"line {x + half:.0f},{y} {x - half_up:.0f},{y - 18}")
        y -= 18
    return style("none", "#555555", 2) + draw(*legs) + style("none", "#777777", 1) + draw(*braces)


def page_pictures():
    """(file, width, height, ops, background) of the fixed pictures."""
    pics = []
    # Top jumper: antenna panel on the tower top, short jumper down to the feeder.
    ops = tower(34, 8, 108)
    ops += style("#dcdcdc", "#333333") + draw("rectangle 52,6 62,44")
    ops += style("none", "#333333", 2) + draw("line 38,14 52,14", "line 38,36 52,36")
    ops += style("none", "#222222", 4) + draw("line 46,66 46,108")
    ops += style("none", "#d35400", 4) + draw("bezier 57,44 57,58 46,52 46,66")
    ops += style("none", "#d35400", 2) + draw("circle 52,55 52,37")
    ops += text(4, 30, "Top", 13, "black", FONT_BOLD, "NorthEast")
    ops += text(4, 48, "Jumper", 13, "black", FONT_BOLD, "NorthEast")
    pics.append(("topjumper.gif", 150, 110, ops, "#eaf2fb"))
    # Bottom jumper: the feeder comes down to the shelter, jumper into the equipment.
    ops = style("#b0b7c0", "#333333") + draw("rectangle 96,36 144,104")
    ops += style("#5d6d7e", "#333333") + draw("rectangle 102,44 138,52", "rectangle 102,58 138,66")
    ops += style("none", "#222222", 4) + draw("line 16,0 16,84", "line 16,84 62,84")
    ops += style("none", "#d35400", 4) + draw("bezier 62,84 84,84 78,62 102,62")
    ops += style("none", "#d35400", 2) + draw("circle 80,73 80,53")
    ops += text(4, 6, "Bottom Jumper", 12, "black", FONT_BOLD, "NorthEast")
    pics.append(("bottomjumper.gif", 150, 110, ops, "#eaf2fb"))
    # Main feeder: the long run from the antenna down the tower to the shelter.
    ops = tower(34, 8, 108)
    ops += style("#dcdcdc", "#333333") + draw("rectangle 52,6 62,44")
    ops += style("none", "#333333", 2) + draw("line 38,14 52,14", "line 38,36 52,36")
    ops += style("#b0b7c0", "#333333") + draw("rectangle 104,62 146,108")
    ops += style("none", "#d35400", 5) + draw("line 57,44 57,86", "line 57,86 64,92",
                                             "line 64,92 104,92")
    ops += text(4, 6, "Main Feeder", 12, "black", FONT_BOLD, "NorthEast")
    pics.append(("mainfeeder.gif", 150, 110, ops, "#eaf2fb"))
    # The Vellisk attachment emblem.
    ops = style("#1e8449", "#145a32", 2) + draw("roundrectangle 2,2 57,37 8,8")
    ops += text(0, 0, "VL", 20, "white", FONT_BOLD, "Center")
    pics.append(("vl.gif", 60, 40, ops, "white"))
    # An end without a connector: a bare cut cable end.
    ops = style("#3a3a3a") + draw("rectangle 6,42 62,58")
    ops += style("#c87533", "#8a4b1f") + draw("ellipse 62,50 6,8 0,360")
    ops += style("none", "#c0392b", 4) + draw("line 70,30 94,70", "line 94,30 70,70")
    ops += text(0, 8, "No connector", 11, "black", FONT_BOLD, "South")
    pics.append(("noconnectors.gif", 100, 100, ops, "white"))
    # About box: the maker's logo.
    ops = style("#1f4e79", "#1f4e79") + draw("circle 86,70 86,14")
    ops += style("#eaf2fb", "#eaf2fb") + draw("circle 86,70 86,30")
    ops += style("#d35400", "#d35400") + draw("circle 86,70 86,50")
    ops += style("none", "#1f4e79", 6) + draw("line 86,14 86,126")
    ops += text(0, 10, "ORLENK", 22, "#1f4e79", FONT_BOLD, "South")
    pics.append(("logo.gif", 172, 161, ops, "white"))
    # About box, second picture: the program on a screen.
    ops = style("#2c3e50", "#1b2631", 2) + draw("roundrectangle 16,14 156,108 6,6")
    ops += style("#eaf2fb", "#eaf2fb") + draw("rectangle 24,22 148,100")
    wave = [(x, round(62 - 26 * math.sin((x - 30) / 17))) for x in range(30, 146, 4)]
    ops += style("none", "#d35400", 4) + draw(
        *(f"line {a[0]},{a[1]} {b[0]},{b[1]}" for a, b in zip(wave, wave[1:])))
    ops += style("#2c3e50", "#1b2631") + draw("rectangle 74,108 98,124", "rectangle 54,124 118,132")
    ops += text(0, 8, "Quillroute", 18, "#1f4e79", FONT_BOLD, "South")
    pics.append(("sw.gif", 172, 161, ops, "white"))
    # About box, hidden picture: the team.
    ops = []
    for i, (x, y) in enumerate([(40, 80), (80, 70), (120, 70), (160, 80), (100, 110)]):
        shade = ["#1f4e79", "#d35400", "#1e8449", "#7d3c98", "#b7950b"][i]
        ops += style("#f0c8a0", "#5a3d2b") + draw(f"circle {x},{y - 28} {x},{y - 42}")
        ops += style(shade, "#222222") + draw(f"roundrectangle {x - 18},{y - 12} {x + 18},{y + 40} 8,8")
    ops += text(0, 10, "The Quillroute team", 14, "#1f4e79", FONT_BOLD, "South")
    pics.append(("group.gif", 201, 201, ops, "#fdfefe"))
    # Splash window.
    ops = style("#1f4e79", "#1f4e79") + draw("rectangle 0,0 407,60")
    ops += text(18, 14, "Orlenk", 26, "white", FONT_BOLD)
    ops += text(18, 72, "Quillroute", 40, "#1f4e79", FONT_BOLD)
    ops += text(20, 124, "RF cable assembly quoter", 16, "#34495e")
    ops += style("#3a3a3a") + draw("rectangle 20,180 300,196")
    ops += style("#b0b0b0") + draw("rectangle 300,172 328,204")
    ops += style("#b8860b") + draw("polygon 328,168 336,164 352,164 360,168 360,208 352,212 336,212 328,208")
    ops += style("#d0d0d0") + draw("rectangle 360,178 376,198")
    ops += text(0, 8, "Loading catalogue...", 11, "#5d6d7e", FONT, "SouthEast")
    pics.append(("splash.gif", 408, 244, ops, "#eaf2fb"))
    return pics


def draw_pictures(images_dir, cables, combos, force):
    """Draws the pictures that are missing, or all of them when force is set.
    Answers the number drawn."""
    images_dir.mkdir(parents=True, exist_ok=True)
    jobs = []
    for name, width, height, ops, background in page_pictures():
        jobs.append((images_dir / name, width, height, ops, background))
    models = {}
    for cable in cables:
        models.setdefault(cable.model, cable)
    for model, cable in models.items():
        jobs.append((images_dir / f"{model}.gif", 120, 90, cable_ops(cable), "white"))
    for name, ra, vellisk in combos:
        jobs.append((images_dir / connector_picture_name(name, ra, vellisk), 100, 100,
                     connector_ops(name, ra, vellisk), "white"))
    todo = [j for j in jobs if force or not j[0].exists()]
    if todo and not have_convert():
        sys.stderr.write(f"warning: ImageMagick 'convert' not found; {len(todo)} "
                         "pictures not drawn\n")
        return 0
    for path, width, height, ops, background in todo:
        convert(path, width, height, ops, background)
    return len(todo)


# ---------------------------------------------------------------------------
# Sample set

def write_sample(out, pictures):
    cables, charges, jumpers = build_sample()
    program = out / "program"
    dat = program / "dat"
    write_lines(dat / "tlineconnectors.dat", catalogue_lines(cables))
    write_lines(dat / "jumpers.dat", jumpers_header() + jumper_section_lines(cables, jumpers))
    combos = picture_combinations(cables)
    write_lines(dat / "images.dat", images_lines(combos))
    write_lines(program / "xcngrate.dat", rate_lines())
    write_lines(out / "shared" / "M_lom.dat", price_list(cables, charges, jumpers))
    drawn = draw_pictures(program / "images", cables, combos, pictures)
    print(f"wrote {out}: {len(cables)} cables, "
          f"{sum(len(c.connectors) for c in cables)} connector lines, "
          f"{sum(len(v) for v in jumpers.values())} standard jumpers, "
          f"{drawn} pictures drawn")


# ---------------------------------------------------------------------------
# Large synthetic set

COAX_LOWS = [1, 5, 10, 30, 50, 100, 150, 300, 400, 450, 600, 700, 800, 806, 824, 850,
             880, 900, 1400, 1700]
COAX_HIGHS = [960, 1000, 1500, 2000, 2200, 2500, 2690, 2700, 3000, 3300, 3500, 3800,
              4200, 5000, 5200, 5900, 6000, 7200, 8800, 10200, 13400]


def synthetic_templates(rng, sample_cables, connectors_per_cable):
    """Per cable type and group: the connectors that the group's cables carry, taken
    from the sample connectors (so the sample picture list covers them), and the
    cable flags that go with them."""
    pools = {"FOAM": [], "AIR": [], "EW": []}
    for cable in sample_cables:
        pool = pools[cable.type]
        for con in cable.connectors:
            key = (con.name, con.special, con.inner, con.attach)
            if all((t.name, t.special, t.inner, t.attach) != key for t in pool):
                pool.append(con)
    groups = {}
    for t_index, kind in enumerate(["FOAM", "AIR", "EW"]):
        for g in range(100):
            # A third of the foam groups are made without the Vellisk attachment.
            pool = [t for t in pools[kind] if g % 3 or t.attach != "S"]
            rng.shuffle(pool)
            # A regular plated connector first: every group offers "Regular" and
            # "Plated", which the Vellisk attachment needs as well.
            first_regular = next(t for t in pool if (t.attach, t.grade) == ("R", "P"))
            pool.remove(first_regular)
            pool.insert(0, first_regular)
            made = []
            for j in range(connectors_per_cable):
                t = pool[j % len(pool)]
                round_no = j // len(pool)
                # Past the end of the pool the same connector comes again with
                # another inner attachment, so that every line stays selectable.
                inner = t.inner if round_no == 0 else f"{t.inner or 'Option'} {round_no + 1}"
                code = 3000000 + t_index * 100000 + g * 1000 + j
                pn = f"L{kind[0]}{g:02d}-{j:02d}{t.pn[-3:]}"
                made.append(Connector(code, pn, t.name, t.special, t.mates, inner,
                                      t.grade, t.attach,
                                      round(t.price * rng.uniform(0.9, 1.1), 2),
                                      t.description))
            kinds = {(c.attach, c.grade) for c in made}
            flags = ("Y" if ("S", "P") in kinds else "", "Y" if ("R", "P") in kinds else "",
                     "Y" if ("R", "S") in kinds else "")
            groups[(kind, g)] = (made, flags)
    return groups


def synthetic_cables(rng, count, sample_cables, connectors_per_cable):
    templates = {}
    for cable in sample_cables:
        templates.setdefault(cable.type, []).append(cable)
    groups = synthetic_templates(rng, sample_cables, connectors_per_cable)
    cables = []
    for i in range(count):
        kind = rng.choices(["FOAM", "AIR", "EW"], weights=[6, 3, 1])[0]
        t = rng.choice(templates[kind])
        grade = rng.choice("SPR")
        pn = f"{t.model}L{i:05d}{grade}"
        if kind == "EW":
            cutoff = rng.randrange(1000, 6000, 50)
            low = int(cutoff * rng.uniform(1.25, 1.45))
            high = int(low * rng.uniform(1.12, 1.3))
            k1 = cutoff
            k2 = round(rng.uniform(0.9, 2.0) / attenuation("EW", cutoff, 1000.0, low, high)
                       * 1000.0)
        else:
            low = rng.choice(COAX_LOWS)
            high = rng.choice([h for h in COAX_HIGHS if h > low])
            k1 = round(t.k1 * rng.uniform(0.95, 1.05), 5)
            k2 = round(t.k2 * rng.uniform(0.9, 1.1), 6)
        connectors, (first, plated, standard) = groups[(kind, i % 100)]
        cable = Cable(low, high, t.model, pn, kind, k1, k2, t.diameter, grade,
                      t.attach_pn if rng.random() < 0.7 else "", first, plated, standard,
                      t.power_constant, t.max_power,
                      round(t.price * rng.uniform(0.9, 1.2), 2),
                      f"{t.model} {t.diameter} in. {kind.lower()} transmission line, "
                      f"{GRADE_WORDS[grade]} (series L{i:05d})")
        cable.connectors = connectors
        cables.append(cable)
    return cables


def write_large(out, cable_count, connectors_per_cable, price_line_count, jumpers_mb):
    rng = random.Random(20240611)
    sample, charges, jumpers = build_sample()
    extra = synthetic_cables(rng, max(0, cable_count - len(sample)), sample,
                             connectors_per_cable)
    program = out / "program"
    dat = program / "dat"

    # Catalogue: the sample cables first, so that the remembered model and the
    # default choices still land on them, then the synthetic ones.
    cat_lines = catalogue_lines(sample)
    for n, cable in enumerate(extra, 1):
        cat_lines.append(f"[S{n:05d}]")
        cat_lines.append("TLine=" + cable.record())
        cat_lines += [f"C{i}=" + con.record() for i, con in enumerate(cable.connectors, 1)]
        cat_lines.append("")
    write_lines(dat / "tlineconnectors.dat", cat_lines)

    # Jumpers: synthetic sections until the wanted size, then the sample sections,
    # so that a search for a sample cable reads past all of them.
    target = int(jumpers_mb * 1024 * 1024)
    tail = jumper_section_lines(sample, jumpers)
    size = sum(len(x) + 2 for x in jumpers_header() + tail)
    j_lines = jumpers_header()
    feet_lists = ["3,6,10,15", "3,6,10", "6,10,15,20", "2,4,6,8,10,12"]
    meter_lists = ["1,1.5,2,3", "1,2,3", "2,3,5", "0.5,1,2"]
    for n, cable in enumerate(extra, 1):
        if size >= target:
            break
        section = [f"[J{n:05d}]", f"TLine={cable.pn}|{cable.diameter}|{cable.type}|"]
        cons = cable.connectors
        k = 0
        for a in range(len(cons)):
            for b in range(a, len(cons)):
                k += 1
                base = f"JL{n:05d}-{a:02d}{b:02d}-"
                section.append(f"J{k}={cons[a].code}|{cons[b].code}|{cons[a].pn}|"
                               f"{cons[b].pn}|{base}|{cable.pn}|{feet_lists[k % 4]}|"
                               f"{meter_lists[k % 4]}|")
        section.append("")
        size += sum(len(x) + 2 for x in section)
        j_lines += section
    j_lines += tail
    jumpers_size = write_lines(dat / "jumpers.dat", j_lines)

    # Price list: filler first, then the synthetic parts, the sample parts last, so
    # that every look-up of a sample part scans nearly the whole list.
    real = []
    seen = set()
    for cable in extra:
        real.append(f"C|{cable.type}|{cable.pn}|FT|{cable.description}|{money(cable.price)}|")
        for con in cable.connectors:
            if con.pn not in seen:
                seen.add(con.pn)
                real.append(f"C|CONN|{con.pn}|EA|{con.description}|{money(con.price)}|")
    real += price_lines(sample, charges, jumpers)
    head = ["# Orlenk list prices in US dollars (synthetic load-test list)", ""]
    filler_count = max(0, price_line_count - len(real) - len(head))
    filler = []
    for n in range(filler_count):
        if n % 5000 == 4999:
            filler.append("; filler block")
            continue
        filler.append(f"C|MISC|ZX{n:07d}-{n % 97:02d}|EA|Catalogue item {n} "
                      f"(hardware, clamps and kits)|{money(1 + (n * 7919) % 250000 / 100)}|")
    write_lines(out / "shared" / "M_lom.dat", head + filler + real)

    combos = picture_combinations(sample)
    write_lines(dat / "images.dat", images_lines(combos))
    write_lines(program / "xcngrate.dat", rate_lines())
    # The synthetic cables reuse the sample models and connector names, so the
    # sample pictures serve them all.
    source = DEFAULT_OUT / "program" / "images"
    target_images = program / "images"
    if source.is_dir() and source.resolve() != target_images.resolve():
        target_images.mkdir(parents=True, exist_ok=True)
        for gif in sorted(source.glob("*.gif")):
            shutil.copyfile(gif, target_images / gif.name)
    else:
        draw_pictures(target_images, sample, combos, False)
    print(f"wrote {out}: {len(sample) + len(extra)} cables, "
          f"{sum(len(c.connectors) for c in sample + extra)} connector lines, "
          f"{len(head) + len(filler) + len(real)} price-list lines, "
          f"jumpers.dat {jumpers_size / 1048576:.1f} MB")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", type=Path, default=DEFAULT_OUT,
                        help="folder of the sample set (default data/sample)")
    parser.add_argument("--pictures", action="store_true",
                        help="redraw every picture, not only the missing ones")
    parser.add_argument("--large", type=Path, metavar="OUTDIR",
                        help="write a large synthetic set into OUTDIR instead")
    parser.add_argument("--cables", type=int, default=5000,
                        help="--large: cables in the catalogue (default 5000)")
    parser.add_argument("--connectors", type=int, default=20,
                        help="--large: connectors per synthetic cable (default 20)")
    parser.add_argument("--price-lines", type=int, default=200000,
                        help="--large: lines of the price list at least (default 200000)")
    parser.add_argument("--jumpers-mb", type=float, default=20,
                        help="--large: approximate size of jumpers.dat in MB (default 20)")
    args = parser.parse_args(argv)
    if args.large:
        write_large(args.large, args.cables, args.connectors, args.price_lines,
                    args.jumpers_mb)
    else:
        write_sample(args.out, args.pictures)
    return 0


if __name__ == "__main__":
    sys.exit(main())
