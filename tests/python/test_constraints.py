import pytest

import wjxmlinterfaceflowreader as wj
from conftest import XDC


def placements(design, refdes):
    part_map = design.find_part_map(design.find_instance(refdes))
    return sorted((port.name, bit, pin.name) for port, bit, pin in part_map.assignments())


@pytest.mark.parametrize("fmt", ["xdc", "qsf", "lpf", "pcf", "csv"])
def test_placements_survive_export_and_import_in_every_format(tmp_path, fmt):
    design = wj.new(design_name="board")
    summary = wj.import_constraints(design, XDC, refdes="U1")
    assert summary["placements"] > 0 and summary["commented_out"] == 2 and "sw" in summary["made_ports"]
    path = tmp_path / f"pins.{fmt}"
    path.write_text(wj.export_constraints(design, refdes="U1", format=fmt))
    again = wj.new(design_name="again")
    wj.import_constraints(again, path, refdes="U1")
    assert placements(again, "u1") == placements(design, "U1")


def test_standards_and_pairs_are_counted():
    summary = wj.import_constraints(wj.new(design_name="board"), XDC, refdes="U1", pairs=False)
    assert (summary["standards"], summary["pairs_made"]) == (12, 2)  # both pairs have differential standards


def test_a_bad_constraint_file_raises_and_changes_nothing(tmp_path):
    bad = tmp_path / "bad.xdc"
    bad.write_text("set_property PACKAGE_PIN [get_ports x]\n")
    design = wj.new(design_name="board")
    with pytest.raises(ValueError, match="bad.xdc:1"):
        wj.import_constraints(design, bad, refdes="U1")
    assert len(design.instances) == 0
    with pytest.raises(ValueError):
        wj.export_constraints(design, refdes="U9", format="xdc")
    with pytest.raises(ValueError):
        wj.export_constraints(design, refdes="U1", format="vhd")
