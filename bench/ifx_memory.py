"""Peak memory of ifx's commands on the generated designs, against the peak
of reading the same design:
python3 ifx_memory.py IFX FOLDER [SIZE ...]

For each size (default 100000 and 1000000) whose design FOLDER/design_SIZE.xml
exists, each command runs as a child process of its own and its peak resident
size (ru_maxrss) is taken. `ifx validate` only reads the design, so it is the
baseline; show, pinmap and render should stay within 1.3 times it, and diff,
which reads two designs (the design and a copy of it), within 1.3 times it too.
Prints a markdown table."""
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

GOAL = 1.3


def run_peak(command):
    """Runs command with its output thrown away; its peak resident size in KiB."""
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    errors = child.stderr.read()
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = os.waitstatus_to_exitcode(status)
    child.stderr.close()
    # diff exits 1 when the designs differ; show, pinmap and render exit 0.
    if child.returncode not in (0, 1):
        raise RuntimeError(f"{' '.join(command)} failed ({child.returncode}): "
                           f"{errors.decode(errors='replace')[:400]}")
    return usage.ru_maxrss


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    ifx, folder = sys.argv[1], pathlib.Path(sys.argv[2])
    sizes = [int(size) for size in sys.argv[3:]] or [100000, 1000000]
    print("\nifx's commands: peak resident size against `ifx validate` of the same design "
          f"(<= {GOAL:.1f}); diff compares the design with a copy of it.\n")
    print("| size | validate | show | pinmap | render | diff | worst / validate |")
    print("|---:|---:|---:|---:|---:|---:|---:|")
    for size in sizes:
        design = folder / f"design_{size}.xml"
        if not design.exists():
            continue
        with tempfile.TemporaryDirectory() as scratch:
            copy = pathlib.Path(scratch) / "copy.xml"
            shutil.copyfile(design, copy)
            page = pathlib.Path(scratch) / "pinout.html"
            read = run_peak([ifx, "validate", str(design)])
            peaks = [run_peak([ifx, "show", str(design)]),
                     run_peak([ifx, "pinmap", str(design)]),
                     run_peak([ifx, "render", str(design), "-o", str(page)]),
                     run_peak([ifx, "diff", str(design), str(copy)])]
        worst = max(peaks) / read
        verdict = "ok" if worst <= GOAL else "OVER"
        cells = " | ".join(f"{peak / 1024:.1f} MB" for peak in [read] + peaks)
        print(f"| {size} | {cells} | {worst:.2f} {verdict} |")


if __name__ == "__main__":
    main()
