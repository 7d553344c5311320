"""Every function and property the module binds, given None or an object of
another class for each argument in turn: TypeError naming Python classes
only, never a crash."""
import ast
import re

import pytest

import wjxmlinterfaceflowreader as wj

CPP_NAMES = re.compile(r"IWJ|Handle|DesignState|KeyedView|std::|::|C\+\+")
# Arguments that take any object by design: a mapping's key and default, a group's type.
TAKE_ANYTHING = {"ModelMapping.get:key", "ModelMapping.get:default", "ModelMapping.__contains__:arg0",
                 "ModelMapping.__getitem__:arg0", "PortGroup.type.fset:arg1"}


def bound_functions():
    """(name, function) of every function, method, getter and setter the module binds."""
    owners = [("", wj)] + [(name + ".", cls) for name, cls in vars(wj).items()
                           if isinstance(cls, type) and not issubclass(cls, BaseException)]
    for prefix, owner in owners:
        for name, member in vars(owner).items():
            if isinstance(member, property):
                yield from ((f"{prefix}{name}.{part}", getattr(member, part)) for part in ("fget", "fset")
                            if getattr(member, part))
            elif callable(member) and not isinstance(member, type) and (member.__doc__ or "").startswith(name + "("):
                yield prefix + name, member


def parameters(function):
    """(name, class name, default text or None) of each parameter, from pybind11's signature line, and the
    number of them given by position."""
    line = function.__doc__.splitlines()[0]
    found, positional = [], None
    for text in line[line.index("(") + 1:line.rindex(") ->")].split(", "):
        if text == "*":
            positional = len(found)
        elif text:
            name, _, rest = text.partition(": ")
            annotation, _, default = rest.partition(" = ")
            found.append((name, annotation.rpartition(".")[2], default or None))
    return found, len(found) if positional is None else positional


CASES = [(name, function, index, bad) for name, function in bound_functions() if not name.endswith("__init__")
         for index in range(len(parameters(function)[0])) for bad in ("None", "another class")]


def samples(board, tmp_path):
    """A right argument of each class, and of each parameter that takes an object, by name."""
    u1 = board.instances["U1"]
    fp = board.footprints["FP_BGA56"]
    by_class = {"Design": board, "Instance": u1, "Port": u1.find_port("TDO"),
                "DifferentialPort": u1.find_differential_port("DQS0"), "BusInterface": u1.bus_interfaces["U1_DDR"],
                "PortGroup": u1.find_port_group("FPGA_BGA56.DDR.LANE0"), "Footprint": fp, "Pin": fp.find_pin("A1"),
                "PartMap": board.find_part_map(u1), "ModelMapping": u1.ports, "str": "x", "int": 1, "bool": False}
    by_name = {"pin": "A1", "pin1": "A1", "pin2": "A2", "pins": ["A1"], "footprint": "BGA56_P0.8",
               "group": by_class["PortGroup"], "arg0": "U1_TDO", "arg1": "bus", "key": "U1_TDO", "path": str(tmp_path / "x.xml")}
    return by_class, by_name


@pytest.mark.parametrize("name, function, index, bad", CASES, ids=[f"{c[0]}:{c[2]}:{c[3]}" for c in CASES])
def test_none_or_another_class_raises_type_error_naming_python_classes(board, tmp_path, name, function, index, bad):
    by_class, by_name = samples(board, tmp_path)
    # (name, the class it takes, default text or None); a repr's self is annotated as any object.
    found, positional = parameters(function)
    listed = [(p, name.split(".")[0] if p == "self" else kind, default) for p, kind, default in found]
    arguments = [ast.literal_eval(default) if default else by_class[kind] if kind in by_class else by_name[p]
                 for p, kind, default in listed]
    parameter, kind, default = listed[index]
    arguments[index] = None if bad == "None" else by_class["Port" if kind == "Instance" else "Instance"]
    anything = f"{name}:{parameter}" in TAKE_ANYTHING or (default == "None" and bad == "None")
    try:
        result = function(*arguments[:positional], **{p: a for (p, _, _), a in zip(listed[positional:],
                                                                               arguments[positional:])})
    except TypeError as error:
        assert not CPP_NAMES.search(str(error)), str(error)
        return
    except Exception as error:
        assert anything and not CPP_NAMES.search(str(error)), repr(error)
        return
    assert anything or (name.endswith("__eq__") and result is NotImplemented), f"{name} took {bad} as {parameter}"
