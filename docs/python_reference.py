"""Writes the HTML reference of the Python module with pydoc into a folder,
and fails, naming them, when a public class, function, method or property of
the module has no docstring of its own (pybind11's signature line alone does
not count): python3 python_reference.py OUT_DIR"""
import inspect
import os
import pydoc
import sys

import wjxmlinterfaceflowreader as module


def described(member):
    lines = [line for line in (inspect.getdoc(member) or "").splitlines() if line.strip()]
    # pybind11 puts "name(args) -> result" first; a docstring is what follows.
    if lines and "(" in lines[0] and lines[0].split("(")[0].strip().isidentifier():
        lines = lines[1:]
    return bool(lines)


def undocumented(owner, prefix):
    missing = []
    for name, member in vars(owner).items():
        if name.startswith("_") and name != "__init__":
            continue
        if not (inspect.isclass(member) or callable(member) or isinstance(member, property)):
            continue
        if name == "__init__" and not described(member):
            continue  # a class's own docstring describes how to make one
        if not described(member):
            missing.append(prefix + name)
        if inspect.isclass(member):
            missing += undocumented(member, prefix + name + ".")
    return missing


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    missing = undocumented(module, "")
    if missing:
        print("undocumented in the Python module: " + ", ".join(missing), file=sys.stderr)
        return 1
    os.chdir(out)
    pydoc.writedoc(module)
    print(f"Python reference: {os.path.join(out, module.__name__ + '.html')}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
