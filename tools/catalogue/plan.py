"""Reading a plan file: the corner counts planned for entries not yet
designed (see plan-0561-1121.py)."""

import os


def read(path):
    """raw value -> (corners, equal-sided, name) of a plan file."""
    namespace = {"__file__": os.path.abspath(path), "__name__": "plan_file"}
    with open(path, encoding="utf-8") as f:
        exec(compile(f.read(), path, "exec"), namespace)
    return namespace["load"]()
