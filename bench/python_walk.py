"""Times, from Python, reading a design and walking every port of it, reading
the name, type, lsb and msb of each: python3 python_walk.py DESIGN.xml [RUNS]

The walk should take less than the read. Prints the medians of RUNS runs
(default 3), wall-clock and processor time."""
import statistics
import sys
import time

import wjxmlinterfaceflowreader as wj


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


def main(path, runs):
    reads, walks = [], []
    for _ in range(runs):
        design, *read_times = timed(lambda: wj.read(path))
        ports, *walk_times = timed(lambda: walk(design))
        reads.append(read_times)
        walks.append(walk_times)
        del design
    read_wall, read_cpu = (statistics.median(t[i] for t in reads) for i in (0, 1))
    walk_wall, walk_cpu = (statistics.median(t[i] for t in walks) for i in (0, 1))
    ratio = walk_wall / read_wall
    print(f"{path}: {ports} ports, medians of {runs} runs")
    print(f"  read (bound)          {read_wall:8.3f} s  (cpu {read_cpu:.3f} s)")
    print(f"  walk name/type/lsb/msb {walk_wall:8.3f} s  (cpu {walk_cpu:.3f} s)")
    print(f"  walk / read            {ratio:8.2f}  {'ok' if ratio < 1 else 'TOO SLOW'} (< 1)")


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 3)
