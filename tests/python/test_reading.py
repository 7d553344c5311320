import re

import pytest

import wjxmlinterfaceflowreader as wj


def test_read_gives_the_design_with_collections_in_id_order(board):
    assert (board.design_name, board.last_updated_by, board.bound) == ("fpga_ddr_board", "board.team", True)
    assert list(board.instances) == ["J1", "U1"] and list(board.footprints) == ["FP_BGA56", "FP_HDR2X5"]
    u1 = board.instances["U1"]
    assert list(u1.ports) == sorted(u1.ports) and len(u1.ports) == 20 and "U1_TDO" in u1.ports
    assert [m.instance.refdes for m in board.part_maps] == ["U1", "J1"]
    assert u1.ports.get("nothing") is None and "nothing" not in u1.ports
    with pytest.raises(KeyError) as raised:
        u1.ports["nothing"]
    assert raised.value.args == ('no id "nothing" in the ports of instance "U1"',)
    assert dict(u1.ports.items()) == {k: u1.ports[k] for k in u1.ports.keys()}


def test_lookups_and_navigation(board):
    u1 = board.find_instance("u1")  # a refdes in any letter case
    data = u1.find_port("d")  # by local name, ignoring case
    assert (data.name, data.full_name, data.type, data.lsb, data.msb, data.instance) == \
        ("DATA", "FPGA_BGA56.D", "inout", 0, 7, u1)
    pair = u1.find_differential_port("DQS0")
    assert isinstance(pair, wj.DifferentialPort) and pair.positive == (u1.find_port("DQS0_P"), -1, -1)
    lane = u1.find_port_group("FPGA_BGA56.DDR.LANE0")
    assert (lane.full_name, lane.type, lane.voltage, lane.bus_interface.definition) == \
        ("FPGA_BGA56.DDR.LANE0", "bus", "1.5V", "DDR3 SDRAM x16")
    assert lane.differential_ports == [pair] and lane.port_refs[0] == (u1.find_port("DQ"), 0, 7)
    pin = board.find_footprint("BGA56_P0.8").find_pin("a1")
    assert (pin.name, pin.footprint.name, board.find_part_map(u1).pin_for(u1.find_port("CLK_IN"))) == \
        ("A1", "BGA56_P0.8", pin)


# Lookups that find nothing: (lookup on the board and U1, the message)
MISSES = [
    (lambda d, u: d.find_instance("U9"), 'no instance "U9" in the design'),
    (lambda d, u: d.find_footprint("bga56_p0.8"), 'no footprint "bga56_p0.8" in the design'),
    (lambda d, u: d.remove_footprint("BGA"), 'no footprint "BGA" in the design'),
    (lambda d, u: d.find_part_map(d.add_instance("C", "U5")), 'no part map of instance "U5" in the design'),
    (lambda d, u: u.find_port("nothing"), 'no port "nothing" on instance "U1"'),
    (lambda d, u: u.find_differential_port("TDO"), 'no differential port "TDO" on instance "U1"'),
    (lambda d, u: u.find_port_group("FPGA_BGA56.DDR.LANE9"), 'no port group "FPGA_BGA56.DDR.LANE9" on instance "U1"'),
    (lambda d, u: u.bus_interfaces["U1_DDR"].find_port_group("LANE9"), 'no port group "LANE9" below "FPGA_BGA56.DDR"'),
    (lambda d, u: d.footprints["FP_BGA56"].find_pin("Z9"), 'no pin "Z9" on footprint "BGA56_P0.8"'),
    (lambda d, u: d.find_part_map(u).swap("A1", "Z9"), 'no pin "Z9" on footprint "BGA56_P0.8"'),
]


@pytest.mark.parametrize("lookup, message", MISSES)
def test_a_lookup_that_finds_nothing_raises_lookup_error_naming_what_and_where(board, lookup, message):
    with pytest.raises(LookupError) as raised:
        lookup(board, board.instances["U1"])
    assert isinstance(raised.value, wj.NotFoundError) and str(raised.value) == message


@pytest.mark.parametrize("content", [
    "not xml at all",
    "<InterfaceExchangeSchema xmlns='http://www.wjxmlflow.org/mxa/tvn'>\n  <Unknown/>\n</InterfaceExchangeSchema>",
])
def test_unreadable_files_raise_read_error_with_the_place(tmp_path, content):
    path = tmp_path / "bad.xml"
    path.write_text(content)
    with pytest.raises(wj.ReadError) as raised:
        wj.read(path)
    assert re.match(re.escape(str(path)) + r":\d+:\d+: ", str(raised.value))


def test_errors_are_the_documented_classes(tmp_path, board):
    assert issubclass(wj.ReadError, Exception) and issubclass(wj.StaleObjectError, ReferenceError)
    with pytest.raises(wj.ReadError):
        wj.read(tmp_path / "missing.xml")
    with pytest.raises(OSError):
        board.save(tmp_path / "no" / "such" / "folder.xml")
    with pytest.raises(ValueError):
        board.design_name = "a\0b"
