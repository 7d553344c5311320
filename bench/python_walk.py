"""Times, from Python, reading a design of 100 000 ports and walking every
port of it, reading the name, type, lsb and msb of each:
python3 python_walk.py FOLDER [RUNS]

The design (20 instances of 5 000 ports, each port mapped to a pin of the
instance's footprint) is built through the module once and kept in FOLDER.
The walk should take less than the read. Prints the medians of RUNS runs
(default 3), wall-clock and processor time."""
import pathlib
import statistics
import sys
import time

import wjxmlinterfaceflowreader as wj

INSTANCES, PORTS = 20, 5000
TYPES = ("input", "output", "inout", "power", "ground")


def build(path):
    design = wj.new(design_name="python_walk", last_updated_by="bench", last_updated_at="2026-12-07")
    for i in range(INSTANCES):
        instance = design.add_instance(f"CELL{i}", f"U{i}")
        footprint = design.add_footprint(f"FP{i}")
        part_map = design.add_part_map(footprint, instance)
        for j in range(PORTS):
            bus = j % 8 == 0
            port = instance.add_port(f"P{j}", type=TYPES[j % 5], pins=8 if bus else 1,
                                     lsb=0 if bus else -1, msb=7 if bus else -1)
            # A bus needs a pin for each bit: its bit 0 stands for it here.
            part_map.map(port, footprint.add_pin(f"{j}", location=f"{j},0"), bit=0 if bus else -1)
    design.save(path)


def timed(action):
    wall, cpu = time.perf_counter(), time.process_time()
    result = action()
    return result, time.perf_counter() - wall, time.process_time() - cpu


def walk(design):
    ports = 0
    for instance in design.instances.values():
        for collection in (instance.ports, instance.differential_ports):
            for port in collection.values():
                port.name, port.type, port.lsb, port.msb
                ports += 1
    return ports


def main(folder, runs):
    path = pathlib.Path(folder) / f"python_{INSTANCES * PORTS}_ports.xml"
    if not path.exists():
        path.parent.mkdir(parents=True, exist_ok=True)
        _, wall, cpu = timed(lambda: build(path))
        print(f"built {path} through the module in {wall:.1f} s (cpu {cpu:.1f} s)")
    reads, walks = [], []
    for _ in range(runs):
        design, *read_times = timed(lambda: wj.read(path))
        ports, *walk_times = timed(lambda: walk(design))
        reads.append(read_times)
        walks.append(walk_times)
        del design
    read_wall, read_cpu = (statistics.median(t[i] for t in reads) for i in (0, 1))
    walk_wall, walk_cpu = (statistics.median(t[i] for t in walks) for i in (0, 1))
    print(f"{path}: {ports} ports, medians of {runs} runs")
    print(f"  read (bound)            {read_wall:7.3f} s  (cpu {read_cpu:.3f} s)")
    print(f"  walk name/type/lsb/msb  {walk_wall:7.3f} s  (cpu {walk_cpu:.3f} s)")
    ratio, cpu_ratio = walk_wall / read_wall, walk_cpu / read_cpu
    verdict = "ok" if ratio < 1 and cpu_ratio < 1 else "TOO SLOW"
    print(f"  walk / read             {ratio:7.2f}    (cpu {cpu_ratio:.2f})  {verdict} (< 1)")


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 3)
