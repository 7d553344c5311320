"""Lists the parts of a design and their first pins, maps a new port to a
free pin and saves the design: python3 board_pins.py IN.xml OUT.xml"""
import sys

import wjxmlinterfaceflowreader as wj

design = wj.read(sys.argv[1])  # bound: every edit goes into the saved file
print(f"{design.design_name}, last updated by {design.last_updated_by}")
for instance in design.instances.values():
    part_map = design.find_part_map(instance)
    print(f"{instance.refdes} ({instance.cell_name}) on {part_map.footprint.name}: {len(instance.ports)} ports")
    for port, bit, pin in part_map.assignments()[:3]:
        print(f"  {port.full_name}{'' if bit is None else f'<{bit}>'} -> pin {pin.name} at {pin.location}")

fpga = design.find_instance("U1")
spare = fpga.add_port("SPARE_IO", type="inout")
design.find_part_map(fpga).map(spare, "H7")
design.save(sys.argv[2])
print(f"{spare.full_name} mapped to pin H7, saved as {sys.argv[2]}")
