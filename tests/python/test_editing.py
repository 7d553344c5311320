import re

import pytest

import wjxmlinterfaceflowreader as wj
from conftest import XDC, reread, snapshot


def build_board():
    d = wj.new(design_name="b", last_updated_by="me", last_updated_at="2026-12-06")
    u = d.add_instance("MCU", "U7")
    clk = u.add_port("CLK", type="input")
    bus = u.add_port("ADDR", type="output", pins=4, lsb=0, msb=3, instance_port_name="A")
    u.add_port("VDD", type="power", pins=2)
    u.add_port("GND", type="ground", pins=2)
    p, n = u.add_port("RX_P"), u.add_port("RX_N")
    pair = u.add_differential_port("RX")
    pair.set_positive(p)
    pair.set_negative(n, 0, 0)
    usb = u.add_bus_interface("USB", "USB 2.0")
    usb.add_port_ref(clk)
    lane = usb.add_port_group("LANE", type="bus", voltage="3.3V", power_pins=1, ground_pins=2)
    lane.add_port_ref(bus, 0, 1)
    lane.add_port_group("INNER", type="voltageDefn")
    fp = d.add_footprint("QFN8", width="3", length="3", thickness="0.8", origin="0,0", rotation="90")
    pins = [fp.add_pin(str(i), location=f"{i},0", padstack="SMD", size="0.3", shape="rect") for i in range(1, 9)]
    pm = d.add_part_map(fp, u)
    pm.map(clk, pins[0])
    for bit in range(4):
        pm.map(bus, str(bit + 2), bit)
    pm.map(u.find_port("VDD"), pins[6:8])
    pm.map_group(usb, ["1", "2"])
    return d


def test_a_design_built_from_scratch_reads_back_equal(tmp_path):
    built = build_board()
    assert snapshot(reread(built, tmp_path)) == snapshot(built)
    assert len(built.part_maps[0].assignments()) == 5


# (object locator by id, attribute, new value)
SETTERS = [(lambda d: d, a, "x") for a in ("design_name", "last_updated_by", "last_updated_at")] + \
    [(lambda d: d.instances["U1"], a, "X9") for a in ("refdes", "cell_name")] + \
    [(lambda d: d.instances["U1"].ports["U1_TDO"], a, v) for a, v in (
        ("name", "TDO2"), ("instance_port_name", "T"), ("type", "power"), ("num_phys_pins", 3),
        ("lsb", 2), ("msb", 5))] + \
    [(lambda d: d.instances["U1"].bus_interfaces["U1_DDR"].port_groups["U1_DDR_LANE0"], a, v) for a, v in (
        ("name", "L0"), ("voltage", "1.35V"), ("type", "voltageDefn"), ("type", None),
        ("num_phys_power_pins", 2), ("num_phys_ground_pins", 3))] + \
    [(lambda d: d.instances["U1"].bus_interfaces["U1_DDR"], a, "D4") for a in ("name", "definition")] + \
    [(lambda d: d.footprints["FP_BGA56"], a, "7.5") for a in (
        "name", "width", "length", "thickness", "origin", "rotation")] + \
    [(lambda d: d.footprints["FP_BGA56"].pins["BGA56_A1"], a, "Q1") for a in (
        "name", "location", "padstack", "size", "shape")]


@pytest.mark.parametrize("locate, attribute, value", SETTERS)
def test_every_setter_writes_through_on_a_bound_design_and_is_refused_on_an_unbound_one(
        board, tmp_path, locate, attribute, value):
    unbound = reread(board, tmp_path, bind=False)
    with pytest.raises(ValueError, match="bind=True"):
        setattr(locate(unbound), attribute, value)
    setattr(locate(board), attribute, value)
    assert getattr(locate(board), attribute) == value
    assert getattr(locate(reread(board, tmp_path)), attribute) == value


# Every edit other than a setter: (edit of a design, its U1, U1's part map)
EDITS = [
    lambda d, u, m: d.add_instance("C", "U5"),
    lambda d, u, m: d.remove_instance(u),
    lambda d, u, m: d.add_footprint("F"),
    lambda d, u, m: d.remove_footprint("BGA56_P0.8"),
    lambda d, u, m: d.add_part_map(d.footprints["FP_HDR2X5"], u),
    lambda d, u, m: wj.import_constraints(d, XDC, refdes="U1"),
    lambda d, u, m: u.add_port("P"),
    lambda d, u, m: u.remove_port(u.find_port("TDO")),
    lambda d, u, m: u.add_differential_port("P"),
    lambda d, u, m: u.add_bus_interface("B"),
    lambda d, u, m: u.find_differential_port("DQS0").set_negative(u.find_port("TDO")),
    lambda d, u, m: u.bus_interfaces["U1_DDR"].add_port_ref(u.find_port("TDO")),
    lambda d, u, m: u.bus_interfaces["U1_DDR"].add_port_group("G"),
    lambda d, u, m: d.footprints["FP_BGA56"].add_pin("Z1"),
    lambda d, u, m: m.map(u.find_port("TDO"), "H3"),
    lambda d, u, m: m.unmap(u.find_port("CLK_IN")),
    lambda d, u, m: m.swap("A1", "A2"),
    lambda d, u, m: m.map_group(u.bus_interfaces["U1_DDR"], ["H3"]),
    lambda d, u, m: m.unmap_group(u.find_port_group("FPGA_BGA56.DDR.LANE0")),
]


@pytest.mark.parametrize("edit", EDITS)
def test_an_unbound_design_refuses_edits_its_save_would_drop(tmp_path, board, edit):
    unbound = reread(board, tmp_path, bind=False)
    before = snapshot(unbound)
    u1 = unbound.instances["U1"]
    with pytest.raises(ValueError, match="bind=True"):
        edit(unbound, u1, unbound.find_part_map(u1))
    assert not unbound.bound and snapshot(unbound) == before
    edit(board, board.instances["U1"], board.find_part_map(board.instances["U1"]))


@pytest.mark.parametrize("call, error", [
    (lambda d, u: u.add_port("P", type="sideways"), ValueError),
    (lambda d, u: u.add_port("P", lsb=-2), ValueError),
    (lambda d, u: u.add_port("P", pins=-1), ValueError),
    (lambda d, u: u.add_port("P\0"), ValueError),
    (lambda d, u: setattr(u.find_port("TDO"), "msb", -5), ValueError),
    (lambda d, u: setattr(u.find_port_group("FPGA_BGA56.DDR.LANE0"), "type", "wide"), ValueError),
    (lambda d, u: u.find_differential_port("DQS0").set_positive(wj.new().add_instance("C", "X").add_port("P")),
     ValueError),
    (lambda d, u: u.find_differential_port("DQS0").set_positive(u.find_differential_port("DQS1")), ValueError),
    (lambda d, u: d.instances["J1"].bus_interfaces.values()[0].add_port_ref(u.find_port("TDO")), ValueError),
    (lambda d, u: d.add_part_map(wj.new().add_footprint("F"), u), ValueError),
    (lambda d, u: d.remove_footprint("no such footprint"), LookupError),
    (lambda d, u: d.remove_footprint(42), TypeError),
    (lambda d, u: u.add_port(None), TypeError),
])
def test_wrong_edits_raise_and_change_nothing(board, call, error):
    before = snapshot(board)
    with pytest.raises(error):
        call(board, board.instances["U1"])
    assert snapshot(board) == before


def test_a_save_after_edits_stamps_who_and_when_unless_the_host_did(board, tmp_path):
    assert reread(board, tmp_path).last_updated_at == "2024-05-14T09:30:00"  # nothing edited
    board.instances["U1"].find_port("TDO").type = "inout"
    saved = reread(board, tmp_path)
    assert re.fullmatch(r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ", saved.last_updated_at)
    assert "Python" in saved.last_updated_by
    board.design_name, board.last_updated_by = "renamed", "me"
    assert reread(board, tmp_path).last_updated_by == "me"
