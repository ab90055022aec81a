#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Voruvar developers
"""Measures how many single-digit errors in the reference pages the page tests catch.

Copies the built documents to a scratch folder, then, one cell at a time, changes one digit
of a derived numeric table cell (a value converted or calculated from another value on the
page), runs the page test programs against the copy and counts the errors they catch.
Not part of the test suite: run it by hand after building the documents and page tests.

    tests/documents/seed-errors.py --build build/testing [--sample 400] [--seed 1] [--jobs 2]
"""

import argparse
import concurrent.futures
import html
import os
import queue
import random
import re
import shutil
import subprocess
import sys
import tempfile

# Derived columns per document: (caption fragment, column heading starts) where "*" takes
# every column but the row names. A derived value is one computed from another value on the
# page or from a definition: unit conversions, matrices, D - P, drill mm from inches.
DERIVED = {
    "AP.DOX": [("Conversion matrix, part 1", "*"), ("Conversion matrix, part 2", "*"),
               ("Area units in square metres", ["Square feet"]), ("Acre and hectare", ["Area (ft²)"]),
               ("Wire and conductor", ["Area (mm²)"])],
    "Cn.DOX": [("Area, population", ["Area (million mi²)"]),
               ("Highest and lowest", ["Height (ft)", "Elevation (ft)"])],
    "DD.DOX": [("unit conversions", "*"),
               ("Metals", ["Density (kg/m³)", "Density (lb/ft³)", "Density (lb/in³)"]),
               ("Liquids", ["Density (kg/m³)", "Density (lb/ft³)", "Density (lb/gal"]),
               ("Gases", ["Density (lb/ft³)", "Relative to air"]),
               ("Plastics", ["Density (kg/m³)", "Density (lb/ft³)"]),
               ("Woods", ["Density (kg/m³)", "Density (lb/ft³)"]),
               ("Building materials", ["Density (kg/m³)", "Density (lb/ft³)"]),
               ("Density of water", ["Temperature (°F)", "Density (g/cm³)", "Density (lb/ft³)",
                                     "Density (lb/gal"])],
    "DN.DOX": [("#1 to #80", ["Diameter (mm)"]), ("#81 to #97", ["Diameter (mm)"])],
    "DS.DOX": [("A to Z", ["Diameter (mm)"]), ("order of size", ["Diameter (in)", "Diameter (mm)"])],
    "DT.DOX": [("Bulk weights", ["Loose (tons/yd³)", "Loose (kg/m³)", "Packed or wet (tons/yd³)",
                                 "Packed or wet (kg/m³)"]),
               ("bushel weights", ["Weight (kg", "Bulk density"])],
    "FBM.DOX": [("Motor speeds", ["Synchronous"])],
    "LC.DOX": [("metric columns", "*"), ("mil, inch and foot", "*"), ("nautical mile columns", "*"),
               ("Other length units", ["In metres"])],
    "LN.DOX": [("Full-stop", ["Exact value"]), ("Refractive index", ["Critical angle"])],
    "MA.DOX": [("metric columns", "*"), ("ounce and pound", "*"), ("slug and ton", "*"),
               ("tonne, carat and grain", "*"), ("The three tons", ["Pounds", "Kilograms"])],
    "MB.DOX": [("coarse threads", ["D − P"]), ("Fine threads", ["D − P"])],
    "MC.DOX": [("Densities of water", ["Density (lb/ft³)"]), ("equivalent of heat", ["In foot"]),
               ("Materials in US", "*")],
    "MCS.DOX": [("Element timing", "*")],
    "MU.DOX": [("Work and energy", "*"), ("Force", "*"), ("Power", "*"), ("Stress", "*"), ("Torque", "*")],
    "NM.DOX": [("1/64 steps", ["Decimal", "Millimetres"]), ("Powers of 2", ["2ⁿ"])],
    "OH.DOX": [("Worked examples", ["Series", "Parallel", "Current"])],
    "PL.DOX": [("names and angles", ["Sum", "Each", "Exterior", "Diagonals"]), ("area constants", "*"),
               ("Across flats", ["F, decimal", "Hexagon", "Octagon"])],
    "PA.DOX": [("RMS, peak", ["Peak", "Average"]), ("Power factor", ["Phase angle", "tan"])],
    "DA.DOX": [("time constants", ["Charged", "Left"]), ("Table 8", ["Copper (Ω/km)"]), ("Battery banks", ["Energy"])],
    "CP.DOX": [("metric columns", "*"), ("psi and kgf", "*"), ("mercury and water", "*"),
               ("against altitude", ["Altitude (m)", "Pressure"]), ("Vacuum scales", "*")],
    "PM.DOX": [("430.250", ["200 V", "208 V", "460 V", "575 V"]), ("430.248", ["200 V", "208 V", "230 V"]),
               ("Induction motor speeds", ["Synchronous"]), ("Water horsepower", "*")],
    "RCC.DOX": [("E24, E12", ["E12", "E6"]), ("EIA-96", "*")],
    "SDC.DOX": [("Machine-screw", ["Major diameter", "Drill (in)", "Drill (mm)", "Thread (%)"]),
                ("Fractional sizes", ["Major diameter", "Drill (in)", "Drill (mm)", "Thread (%)"]),
                ("Clearance", ["Close fit (in)", "Free fit (in)"]), ("Taper pipe", ["Tap only (in)", "Ream and tap (in)"])],
    "SND.DOX": [("dry air", ["Temperature (°F)", "Speed"]), ("gases, liquids", ["Speed (ft/s)"]), ("Adding two", ["Add"]),
                ("exposure", ["OSHA", "NIOSH"])],
    "SA.DOX": [("Speed conversion", "*"), ("Rotational", ["Angular", "Frequency"]), ("cutting speeds", ["HSS (m/min)", "Carbide (m/min)"]),
               ("Spindle speed", "*")],
    "CT.DOX": [("reference points", ["Fahrenheit", "Kelvin", "Rankine"]), ("Celsius to Fahrenheit", ["Fahrenheit", "Kelvin", "Rankine"]),
               ("Fahrenheit to Celsius", ["Celsius", "Kelvin"]), ("Pt100", ["Temperature (°F)", "Pt100"]),
               ("Melting points", ["Melting point (°F)"])],
    "TC.DOX": [("Time conversion", "*"), ("Lengths of the year", ["Hours", "Seconds"]), ("Decimal hours", ["Minutes"]),
               ("Period against", ["Period"])],
    "TP.DOX": [("Torque conversion", "*"), ("Inch bolts", ["Stress area", "Grade"]), ("Metric bolts", ["Stress area", "Class"])],
    "TX.DOX": [("Internal hexalobular", ["Driver tip A (in)"])],
    "AG.DOX": [("Sine, cosine", ["Angle (rad)", "sin", "cos", "tan"]), ("Bolt circles", "*"), ("Conduit offsets", "*")],
    "VCS.DOX": [("Colours of the visible", ["Frequency"]), ("Luminous efficiency", ["Frequency", "Luminous efficacy"]),
                ("spectral lines", ["Frequency"])],
    "VT.DOX": [("metric columns", "*"), ("cubic inch, foot", "*"), ("US liquid", "*"), ("imperial gallon", "*"),
               ("Capacity of pipes", ["Inside diameter (mm)", "Capacity"]), ("Horizontal cylindrical", ["Volume"])],
    "WEH.DOX": [("joule and kilowatt-hour", "*"), ("heat unit columns", "*"), ("therm, foot", "*"), ("Power conversion", "*"),
                ("Specific heat", ["Specific heat (Btu"]), ("Latent heat", ["Latent heat (Btu"])],
}

TABLE = re.compile(r"<table\b.*?</table>", re.S)
CAPTION = re.compile(r'<th class="caption"[^>]*>(.*?)</th>', re.S)
HEADER_ROW = re.compile(r"<tr>((?:(?!<tr>).)*?)</tr>\s*</thead>", re.S)
HEADER_CELL = re.compile(r"<th\b[^>]*>(.*?)</th>", re.S)
BODY = re.compile(r"<tbody>(.*?)</tbody>", re.S)
ROW = re.compile(r"<tr>(.*?)</tr>", re.S)
CELL = re.compile(r"<td\b[^>]*>(.*?)</td>", re.S)
TAG = re.compile(r"<[^>]*>")
# A cell that is only a number, a range of numbers or a value with a degree or percent sign.
NUMERIC = re.compile(r"^[≈~±]?\s*[−\-+]?[0-9][0-9.,\s\u2009\u202f]*(\s*×\s*10[⁻⁰¹²³⁴⁵⁶⁷⁸⁹]+)?"
                     r"(\s*[–−\-]\s*[−\-]?[0-9][0-9.,\s\u2009\u202f]*(\s*×\s*10[⁻⁰¹²³⁴⁵⁶⁷⁸⁹]+)?)?\s*[°%]?$")


def plain(fragment):
    text = re.sub(r"<sup>\s*exact\s*</sup>", "", fragment)
    return html.unescape(TAG.sub("", text)).strip()


def derived_cells(page_html, columns_of):
    """Yields (start, end, caption, column, row) of each derived numeric cell's content."""
    for table in TABLE.finditer(page_html):
        body = table.group(0)
        caption_match = CAPTION.search(body)
        caption = plain(caption_match.group(1)) if caption_match else ""
        header_match = HEADER_ROW.search(body)
        if not header_match:
            continue
        header = [plain(h) for h in HEADER_CELL.findall(header_match.group(1))]
        wanted = set()
        for fragment, columns in columns_of:
            if fragment not in caption:
                continue
            for c, heading in enumerate(header):
                if c == 0:
                    continue
                if columns == "*" or any(heading.startswith(start) for start in columns):
                    wanted.add(c)
        if not wanted:
            continue
        body_match = BODY.search(body)
        base = table.start() + body_match.start(1)
        for row in ROW.finditer(body_match.group(1)):
            cells = list(CELL.finditer(row.group(1)))
            row_name = plain(cells[0].group(1)) if cells else ""
            for c, cell in enumerate(cells):
                if c in wanted and NUMERIC.match(plain(cell.group(1))):
                    start = base + row.start(1) + cell.start(1)
                    yield start, base + row.start(1) + cell.end(1), caption, header[c], row_name


def digit_positions(page_html, start, end):
    """Offsets of the ASCII digits in the text of a cell (not inside its tags)."""
    positions = []
    inside_tag = False
    for i in range(start, end):
        ch = page_html[i]
        if ch == "<":
            inside_tag = True
        elif ch == ">":
            inside_tag = False
        elif not inside_tag and ch.isascii() and ch.isdigit():
            positions.append(i)
    return positions


def run_tests(tests, bin_dir):
    env = dict(os.environ, VORUVAR_BIN_DIR=bin_dir, QT_QPA_PLATFORM="offscreen")
    for test in tests:
        result = subprocess.run([test, "-silent"], env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, timeout=120)
        if result.returncode != 0:
            return os.path.basename(test)
    return None


def seed_one(job, tests, source_dir, scratch):
    """Changes one digit in a scratch copy of the documents and runs the tests on it; restores
    the copy afterwards. Returns the test that failed, or None."""
    file_name, position, new_digit = job
    work = scratch.get()
    try:
        path = os.path.join(work, file_name)
        with open(os.path.join(source_dir, file_name), encoding="utf-8") as f:
            text = f.read()
        with open(path, "w", encoding="utf-8") as f:
            f.write(text[:position] + new_digit + text[position + 1:])
        try:
            return run_tests(tests, work)
        finally:
            shutil.copy(os.path.join(source_dir, file_name), path)
    finally:
        scratch.put(work)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default="build/testing", help="build folder (holds bin/ and tests/)")
    parser.add_argument("--tests", nargs="*", help="test programs (default: every tests/test_pages_*)")
    parser.add_argument("--pages", nargs="*", help="documents to seed (default: all with derived columns)")
    parser.add_argument("--sample", type=int, default=0, help="seed this many cells at random (0: all)")
    parser.add_argument("--seed", type=int, default=1, help="random seed for cells and digits")
    parser.add_argument("--jobs", type=int, default=1, help="parallel runs (at most 2 on a shared machine)")
    parser.add_argument("--show", type=int, default=20, help="list this many errors that were not caught")
    args = parser.parse_args()

    bin_dir = os.path.join(args.build, "bin")
    test_dir = os.path.join(args.build, "tests")
    tests = args.tests or sorted(os.path.join(test_dir, t) for t in os.listdir(test_dir)
                                 if t.startswith("test_pages_") and os.access(os.path.join(test_dir, t), os.X_OK))
    # The whole-table checks catch most errors; running them first ends most runs early.
    tests.sort(key=lambda t: not t.endswith("test_pages_tables"))
    tests = [os.path.abspath(t) for t in tests]
    if run_tests(tests, os.path.abspath(bin_dir)):
        sys.exit("the page tests fail on the unchanged documents; fix them first")

    rng = random.Random(args.seed)
    jobs = []
    for file_name in sorted(args.pages or DERIVED):
        path = os.path.join(bin_dir, file_name)
        if not os.path.exists(path) or file_name not in DERIVED:
            print(f"skipping {file_name}: not built or no derived columns listed", file=sys.stderr)
            continue
        with open(path, encoding="utf-8") as f:
            page_html = f.read()
        for start, end, caption, column, row in derived_cells(page_html, DERIVED[file_name]):
            positions = digit_positions(page_html, start, end)
            if not positions:
                continue
            position = rng.choice(positions)
            new_digit = rng.choice([d for d in "0123456789" if d != page_html[position]])
            before = plain(page_html[start:end])
            after = plain(page_html[start:position] + new_digit + page_html[position + 1:end])
            jobs.append(((file_name, position, new_digit), f"{file_name} [{caption}] {row} / {column}: "
                                                          f"{before} -> {after}"))
    if args.sample and args.sample < len(jobs):
        jobs = rng.sample(jobs, args.sample)

    caught = {}
    missed = []
    workers = max(1, args.jobs)
    scratch = queue.Queue()
    holders = [tempfile.TemporaryDirectory(prefix="voruvar-seed-") for _ in range(workers)]
    for holder in holders:
        for name in os.listdir(bin_dir):
            if name.endswith(".DOX"):
                shutil.copy(os.path.join(bin_dir, name), holder.name)
        scratch.put(holder.name)
    with concurrent.futures.ThreadPoolExecutor(max_workers=workers) as pool:
        futures = {pool.submit(seed_one, job, tests, os.path.abspath(bin_dir), scratch): (job, label)
                   for job, label in jobs}
        for future in concurrent.futures.as_completed(futures):
            job, label = futures[future]
            page = job[0]
            total, hits = caught.get(page, (0, 0))
            failed_by = future.result()
            caught[page] = (total + 1, hits + (1 if failed_by else 0))
            if not failed_by:
                missed.append(label)

    total = sum(t for t, _ in caught.values())
    hits = sum(h for _, h in caught.values())
    for page in sorted(caught):
        t, h = caught[page]
        print(f"{page:10} {h:5} of {t:5} caught ({100 * h / t:5.1f} %)")
    print(f"{'all':10} {hits:5} of {total:5} caught ({100 * hits / max(total, 1):5.1f} %)")
    for label in sorted(missed)[: args.show]:
        print("  not caught:", label)


if __name__ == "__main__":
    main()
