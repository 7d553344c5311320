import pytest

import wjxmlinterfaceflowreader as wj
from conftest import BOARD, reread


@pytest.fixture
def u1(board):
    return board.instances["U1"]


@pytest.fixture
def pm(board, u1):
    return board.find_part_map(u1)


def test_map_by_pin_name_list_and_bit_then_unmap(board, u1, pm, tmp_path):
    spare = u1.add_port("SPARE", type="inout", pins=2, lsb=0, msb=1)
    fp = pm.footprint
    pm.map(spare, "h3", 0)  # pin names ignore case
    pm.map(spare, fp.find_pin("H4"), 1)
    assert (pm.pin_for(spare, 0).name, pm.pin_for(spare, 1).name, pm.pin_for(spare)) == ("H3", "H4", None)
    assert [(p, bit, pin.name) for p, bit, pin in pm.assignments() if p == spare] == [(spare, 0, "H3"), (spare, 1, "H4")]
    saved = reread(board, tmp_path)
    assert saved.find_part_map(saved.instances["U1"]).pin_for(saved.instances["U1"].find_port("SPARE"), 1).name == "H4"
    pm.unmap(spare, 0)
    assert pm.pin_for(spare, 0) is None and pm.pin_for(spare, 1) == fp.find_pin("H4")
    pm.unmap(spare)
    assert not [row for row in pm.assignments() if row[0] == spare]
    tdi = u1.find_port("TDI")
    pm.map(tdi, ["H5", fp.find_pin("H6")])
    assert [p.name for p in pm.pins_for(tdi)] == ["H5", "H6"]
    assert (tdi, None, pm.pins_for(tdi)) in pm.pin_group_assignments()


def test_group_mapping(u1, pm):
    lane = u1.find_port_group("FPGA_BGA56.DDR.LANE0")
    pm.map_group(lane, ["H3", "H4"])
    assert [p.name for p in pm.pins_for_group(lane)] == ["H3", "H4"]
    assert (lane, pm.pins_for_group(lane)) in pm.group_assignments()
    pm.unmap_group(lane)
    assert pm.pins_for_group(lane) == [] and pm.pins_for(u1.find_port("TDO")) == []


# Calls that cannot do what they ask: (call on board, U1, its part map; error)
WRONG = [
    (lambda d, u, m: m.map(u.find_port("TDO"), "Z99"), ValueError),
    (lambda d, u, m: m.map(u.find_port("TDO"), ["H3", "Z99"]), ValueError),
    (lambda d, u, m: m.map(u.find_port("DQ"), "H3", 16), ValueError),
    (lambda d, u, m: m.map(u.find_port("DQ"), "H3", -2), ValueError),
    (lambda d, u, m: m.map(u.find_port("TDO"), "H3", 0), ValueError),
    (lambda d, u, m: m.map(d.instances["J1"].find_port("SDA"), "H3"), ValueError),
    (lambda d, u, m: m.map(u.find_port("TDO"), d.footprints["FP_HDR2X5"].find_pin("1")), ValueError),
    (lambda d, u, m: m.map(wj.read(BOARD).instances["U1"].find_port("TDO"), "H3"), ValueError),
    (lambda d, u, m: m.map(u.find_differential_port("DQS0"), "H3"), ValueError),
    (lambda d, u, m: m.map(u.find_port("TDO"), 3.5), TypeError),
    (lambda d, u, m: m.map("TDO", "H3"), TypeError),
    (lambda d, u, m: m.map_group(u.find_port_group("FPGA_BGA56.DDR.LANE0"), "H3"), TypeError),
    (lambda d, u, m: m.map((p := u.add_port("NEW")), (u.remove_port(p) or "H3" for _ in "x")), wj.StaleObjectError),
    (lambda d, u, m: m.unmap(u.find_port("RST_N"), 0), ValueError),
    (lambda d, u, m: m.unmap(u.add_port("NEW")), ValueError),
    (lambda d, u, m: m.pin_for(u.find_port("DQ"), 99), ValueError),
    (lambda d, u, m: m.map_group(d.instances["J1"].bus_interfaces.values()[0], ["H3"]), ValueError),
    (lambda d, u, m: m.unmap_group(u.find_port_group("FPGA_BGA56.DDR").add_port_group("NEW")), ValueError),
]


@pytest.mark.parametrize("call, error", WRONG)
def test_mapping_calls_that_cannot_do_what_they_ask_raise(board, u1, pm, call, error):
    before = (pm.assignments(), pm.pin_group_assignments(), pm.group_assignments())
    with pytest.raises(error):
        call(board, u1, pm)
    assert (pm.assignments(), pm.pin_group_assignments(), pm.group_assignments()) == before


def test_map_refuses_an_occupied_pin_unless_forced_and_swap_exchanges_pins(u1, pm):
    clock, reset = u1.find_port("CLK_IN"), u1.find_port("RST_N")
    with pytest.raises(ValueError, match="pin A1 is mapped to U1.CLK_IN"):
        pm.map(reset, "A1")
    assert pm.pin_for(reset).name == "A2"
    pm.map(reset, "A1", force=True)
    assert (pm.pin_for(clock).name, pm.pin_for(reset).name) == ("A1", "A1")
    pm.swap("A1", pm.footprint.find_pin("H3"))
    assert (pm.pin_for(clock).name, pm.pin_for(reset).name) == ("H3", "H3")
    with pytest.raises(ValueError, match="nothing is mapped"):
        pm.swap("A1", "A2")
