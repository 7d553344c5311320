#!/usr/bin/env python3
"""Imports the pin constraints of public boards, as Debian's source packages ship them, with
ifx import --package --footprint-file against KiCad's libraries, and checks that the instance gets
every ball of the device at the footprint's pad positions, that ifx render --package gives every
unmapped ball its function (written beside it on edge packages), that a typo ball is refused with
the closest names and that a placement on a ground ball is refused.

Usage: public-boards.py IFX KICAD_LIBRARIES WORK_FOLDER
The source packages are fetched with apt-get into WORK_FOLDER, through a list of Debian's source
archives of its own: the machine's apt configuration is left as it is."""

import os
import re
import subprocess
import sys
import tarfile
import time
import xml.etree.ElementTree as ElementTree

# Source package, file in its upstream tarball, KiCad symbol and footprint as LIBRARY:NAME, refdes.
BOARDS = [
    ("fpga-icestorm", "examples/icestick/icestick.pcf", "FPGA_Lattice:ICE40HX1K-TQ144",
     "Package_QFP:TQFP-144_20x20mm_P0.5mm", "U1"),
    ("fpga-icestorm", "examples/icezum/icezum.pcf", "FPGA_Lattice:ICE40HX1K-TQ144",
     "Package_QFP:TQFP-144_20x20mm_P0.5mm", "U1"),
    ("fpga-icestorm", "examples/icebreaker/icebreaker.pcf", "FPGA_Lattice:ICE40UP5K-SG48ITR",
     "Package_DFN_QFN:QFN-48-1EP_7x7mm_P0.5mm_EP5.6x5.6mm", "U3"),
    ("fpga-icestorm", "examples/up5k_rgb/rgb.pcf", "FPGA_Lattice:ICE40UP5K-SG48ITR",
     "Package_DFN_QFN:QFN-48-1EP_7x7mm_P0.5mm_EP5.6x5.6mm", "U1"),
    ("nextpnr", "ice40/examples/blinky/blinky.pcf", "FPGA_Lattice:ICE40HX1K-TQ144",
     "Package_QFP:TQFP-144_20x20mm_P0.5mm", "U1"),
    ("nextpnr", "ice40/icebreaker.pcf", "FPGA_Lattice:ICE40UP5K-SG48ITR",
     "Package_DFN_QFN:QFN-48-1EP_7x7mm_P0.5mm_EP5.6x5.6mm", "U3"),
    ("nextpnr", "fpga_interchange/examples/tests/counter/arty35t.xdc", "FPGA_Xilinx_Artix7:XC7A35T-CSG324",
     "Package_BGA:Xilinx_CSG324", "IC1"),
    ("nextpnr", "fpga_interchange/examples/tests/counter/arty100t.xdc", "FPGA_Xilinx_Artix7:XC7A100T-CSG324",
     "Package_BGA:Xilinx_CSG324", "IC1"),
    ("nextpnr", "fpga_interchange/examples/tests/ram/basys3.xdc", "FPGA_Xilinx_Artix7:XC7A35T-CPG236",
     "Package_BGA:Xilinx_CPG236", "U1"),
    ("nextpnr", "fpga_interchange/examples/tests/obuftds/basys3.xdc", "FPGA_Xilinx_Artix7:XC7A35T-CPG236",
     "Package_BGA:Xilinx_CPG236", "U1"),
    ("nextpnr", "fpga_interchange/examples/tests/wire/nexys_video.xdc", "FPGA_Xilinx_Artix7:XC7A200T-SBG484",
     "Package_BGA:Xilinx_SBG484", "U1"),
    ("yosys", "examples/basys3/example.xdc", "FPGA_Xilinx_Artix7:XC7A35T-CPG236", "Package_BGA:Xilinx_CPG236",
     "U1"),
]

# The pin of a placement: the last word of a set_io line, the word after PACKAGE_PIN.
PLACED_PIN = {".pcf": re.compile(r"^\s*set_io\b.*\s(\S+)\s*(?:#.*)?$", re.M),
              ".xdc": re.compile(r"\bPACKAGE_PIN\s+(\S+)")}
STRING = r'"((?:[^"\\]|\\.)*)"'


def fetch(work, package):
    """The upstream tarball of the source package, fetched once."""
    sources = os.path.join(work, "sources")

    def tarball():
        return next((os.path.join(sources, name) for name in os.listdir(sources)
                     if name.startswith(package + "_") and ".orig.tar" in name), None)

    if tarball():
        return tarball()
    apt = os.path.join(work, "apt")
    options = ["-o", "Dir::Etc::SourceList=" + os.path.join(apt, "sources.list"), "-o", "Dir::Etc::SourceParts=-",
               "-o", "Dir::State::Lists=" + os.path.join(apt, "lists"), "-o", "Dir::Cache=" + apt,
               "-o", "APT::Sandbox::User=root", "-qq"]
    if not os.path.exists(os.path.join(apt, "updated")):
        os.makedirs(os.path.join(apt, "lists", "partial"), exist_ok=True)
        release = re.search(r"^VERSION_CODENAME=(\S+)", open("/etc/os-release").read(), re.M).group(1)
        with open(os.path.join(apt, "sources.list"), "w") as out:
            out.write("deb-src http://deb.debian.org/debian %s main\n" % release)
        subprocess.run(["apt-get"] + options + ["update"], check=True)
        open(os.path.join(apt, "updated"), "w").close()
    subprocess.run(["apt-get"] + options + ["source", "--download-only", package], cwd=sources, check=True)
    if not tarball():
        sys.exit("%s: apt-get source fetched no upstream tarball" % package)
    return tarball()


def extract(tarball, path, folder):
    with tarfile.open(tarball) as archive:
        member = next(m for m in archive.getmembers() if m.name.split("/", 1)[-1] == path)
        target = os.path.join(folder, os.path.basename(path))
        with open(target, "wb") as out:
            out.write(archive.extractfile(member).read())
    return target


def symbol_pins(libraries, symbol):
    """{number: name} of the symbol's pins, of all units, those of the symbol it extends when it does."""
    library, name = symbol.split(":")
    text = open(os.path.join(libraries, "symbols", library + ".kicad_sym"), encoding="utf-8").read()
    start = text.index('\n  (symbol "%s"' % name)
    end = text.find('\n  (symbol "', start + 1)
    block = text[start:end if end != -1 else len(text)]
    parent = re.search(r'\(extends ' + STRING + r'\)', block)
    if parent:
        return symbol_pins(libraries, library + ":" + parent.group(1))
    pins = re.findall(r'\(pin \w+ \w+ [\s\S]*?\(name ' + STRING + r'[\s\S]*?\(number ' + STRING, block)
    return {number: pin for pin, number in pins}


def footprint_pads(libraries, footprint):
    """(file, {name: [(x, y)]}) of the footprint's named pads."""
    library, name = footprint.split(":")
    path = os.path.join(libraries, "footprints", library + ".pretty", name + ".kicad_mod")
    pads = {}
    for pad, x, y in re.findall(r'\(pad ' + STRING + r' \w+ \w+ \(at (\S+) ([^\s)]+)', open(path).read()):
        if pad:
            pads.setdefault(pad, []).append((float(x), float(y)))
    return path, pads


def design_pins(design):
    """{name: (x, y)} of the pins of the design's one footprint."""
    root = ElementTree.parse(design).getroot()
    pins = {}
    for pin in root.iter():
        at = pin.find("{*}Location") if pin.tag.endswith("}Pin") else None
        if at is not None:
            x, y = at.text.split(",")
            pins[pin.find("{*}Name").text] = (float(x), float(y))
    return pins


def run_import(ifx, design, constraints, board):
    if os.path.exists(design):
        os.remove(design)
    started = time.monotonic()
    done = subprocess.run([ifx, "import", design, constraints, "--refdes", board["refdes"], "--package",
                           board["symbol"], "--footprint-file", board["footprint"]], capture_output=True, text=True)
    return done, time.monotonic() - started


def edited(constraints, suffix, pin_for):
    """A copy of the file with the pin of its first placement replaced by pin_for(pin); (copy, line, old pin)."""
    text = open(constraints).read()
    match = PLACED_PIN[os.path.splitext(constraints)[1]].search(text)
    copy = constraints + suffix + os.path.splitext(constraints)[1]
    with open(copy, "w") as out:
        out.write(text[:match.start(1)] + pin_for(match.group(1)) + text[match.end(1):])
    return copy, text.count("\n", 0, match.start(1)) + 1, match.group(1)


def check(ifx, libraries, work, entry):
    package, path, symbol, footprint, refdes = entry
    folder = os.path.join(work, "boards", package, os.path.dirname(path))
    os.makedirs(folder, exist_ok=True)
    constraints = extract(fetch(work, package), path, folder)
    footprint_file, pads = footprint_pads(libraries, footprint)
    symbol_file = os.path.join(libraries, "symbols", symbol.split(":")[0] + ".kicad_sym")
    board = {"refdes": refdes, "symbol": symbol_file + ":" + symbol.split(":")[1], "footprint": footprint_file}
    balls = symbol_pins(libraries, symbol)
    problems = []
    design = os.path.splitext(constraints)[0] + ".xml"
    edges = "Package_BGA" not in footprint
    done, seconds = run_import(ifx, design, constraints, board)
    if done.returncode != 0 or "error" in done.stderr:
        return ["import failed: " + done.stderr.strip()], seconds, "no"
    read = re.search(r": (\d+) placements and", done.stderr).group(1)
    pins = design_pins(design)
    if set(pins) != set(balls) | set(pads):
        problems.append("pins %d, symbol %d, footprint %d; missing: %s" % (
            len(pins), len(balls), len(pads), " ".join(sorted((set(balls) | set(pads)) - set(pins))[:10])))
    moved = [pad for pad, at in pads.items() if pad in pins and (pins[pad][0], -pins[pad][1]) not in at]
    if moved:
        problems.append("%d pins off their pads, as %s at %s" % (len(moved), moved[0], pins[moved[0]]))
    drawn = subprocess.run([ifx, "render", design, "--svg", "-o", design + "-render", "--package", board["symbol"]],
                           capture_output=True, text=True)
    svg = open(os.path.join(design + "-render", refdes + ".svg")).read() if drawn.returncode == 0 else ""
    if drawn.returncode != 0 or 'class="pin unmapped"' in svg or ('class="function"' in svg) != edges:
        problems.append("the render does not give every unmapped ball its function: " + drawn.stderr.strip())

    typo, line, pin = edited(constraints, "-typo", lambda pin: pin + "X")
    done, _ = run_import(ifx, design, typo, board)
    where = "%s:%d: " % (typo, line)
    if done.returncode != 1 or where not in done.stderr or not re.search(
            r"lacks \(closest: [^)]*\b%s\b" % re.escape(pin), done.stderr):
        problems.append("the typo %sX for %s was not refused at %s with the closest names: %s" % (
            pin, pin, where, done.stderr.strip()))
    ground = sorted(number for number, name in balls.items() if re.fullmatch(r"GND|VSS", name))[0]
    wrong, line, _ = edited(constraints, "-ground", lambda pin: ground)
    done, _ = run_import(ifx, design, wrong, board)
    if done.returncode != 1 or "%s:%d: " % (wrong, line) not in done.stderr or "a ground ball" not in done.stderr:
        problems.append("the placement on the ground ball %s was not refused: %s" % (ground, done.stderr.strip()))
    return problems, seconds, "%s placements, %d balls, %d pads" % (read, len(balls), len(pads))


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    ifx, libraries, work = (os.path.abspath(argument) for argument in sys.argv[1:])
    os.makedirs(os.path.join(work, "sources"), exist_ok=True)
    failed = 0
    for entry in BOARDS:
        problems, seconds, counts = check(ifx, libraries, work, entry)
        print("%s: %s %s, %s, import %.2f s%s" % (
            "FAIL" if problems else "ok", entry[0], entry[1], counts, seconds,
            "".join("\n  " + problem for problem in problems)))
        failed += bool(problems)
    print("%d passed, %d failed" % (len(BOARDS) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
