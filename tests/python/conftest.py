import os
import pathlib

import pytest

import wjxmlinterfaceflowreader as wj

SOURCE = pathlib.Path(os.environ.get("WJ_SOURCE_DIR", pathlib.Path(__file__).parents[2]))
BOARD = SOURCE / "examples" / "board.xml"
XDC = SOURCE / "tests" / "data" / "interchange" / "board.xdc"


@pytest.fixture
def board():
    return wj.read(BOARD)


def reread(design, tmp_path, bind=True):
    design.save(tmp_path / "saved.xml")
    return wj.read(tmp_path / "saved.xml", bind=bind)


def snapshot(design):
    """The whole design as plain data, for comparing two designs."""
    def group(g):
        return (g.name, [(p.full_name, lsb, msb) for p, lsb, msb in g.port_refs],
                [p.full_name for p in g.differential_ports],
                {k: group(c) for k, c in g.port_groups.items()},
                getattr(g, "definition", None) or (g.type, g.voltage, g.num_phys_power_pins, g.num_phys_ground_pins))

    def port(p):
        pair = [(m[0].full_name, m[1], m[2]) if m else None for m in (p.positive, p.negative)] \
            if isinstance(p, wj.DifferentialPort) else None
        return (p.name, p.instance_port_name, p.full_name, p.type, p.num_phys_pins, p.lsb, p.msb, pair)

    def pins(listed):
        return [p.name for p in listed]

    return (design.design_name, design.last_updated_by, design.last_updated_at,
            {k: (i.refdes, i.cell_name, {pk: port(p) for pk, p in i.ports.items()},
                 {pk: port(p) for pk, p in i.differential_ports.items()},
                 {bk: group(b) for bk, b in i.bus_interfaces.items()}) for k, i in design.instances.items()},
            {k: (f.name, f.width, f.length, f.thickness, f.origin, f.rotation,
                 {pk: (p.name, p.location, p.padstack, p.size, p.shape) for pk, p in f.pins.items()})
             for k, f in design.footprints.items()},
            [(m.instance.refdes, m.footprint.name,
              [(p.full_name, bit, pin.name) for p, bit, pin in m.assignments()],
              [(p.full_name, bit, pins(listed)) for p, bit, listed in m.pin_group_assignments()],
              [(g.full_name, pins(listed)) for g, listed in m.group_assignments()]) for m in design.part_maps])
