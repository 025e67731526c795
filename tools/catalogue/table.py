"""The catalogue table in src/figures/catalogue/CatalogueEntry.cpp, read and
rewritten one line per entry.

The table stays the source of truth: this module reads every row, evaluates
its recipe the way the program does, and replaces whole rows, nothing else.
Rewrites hold an exclusive lock, because several people apply their ranges to
the same file.
"""

import contextlib
import fcntl
import math
import os
import re
import tempfile

import geometry

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
TABLE = os.path.join(ROOT, "src", "figures", "catalogue", "CatalogueEntry.cpp")
LOCK = os.path.join(HERE, ".lock")

ROW = re.compile(r'^(?P<indent>\s*)\{(?P<raw>\d+), "(?P<name>[^"]*)", (?P<heading>\w+), (?P<scale>\w+), '
                 r'(?P<axis>setupAxis|vertex\(\d+\)|edge\(\d+\)), "(?P<recipe>[^"]*)"\},\s*$')
CALL = re.compile(r"^(?P<kind>\w+)\((?P<args>.*)\)$")


class Row:
    def __init__(self, line_number, match):
        self.line_number = line_number
        self.indent = match["indent"]
        self.raw = int(match["raw"])
        self.name = match["name"]
        self.heading = match["heading"]
        self.scaleable = match["scale"] == "scaleable"
        axis = match["axis"]
        if axis == "setupAxis":
            self.axis = None
        else:
            kind, index = re.match(r"(\w+)\((\d+)\)", axis).groups()
            self.axis = (kind, int(index))
        self.set_recipe(match["recipe"])

    def set_recipe(self, recipe):
        call = CALL.match(recipe)
        if call is None:
            raise ValueError("row %d: cannot read the recipe %s" % (self.raw, recipe))
        self.recipe = recipe
        self.kind = call["kind"]
        self.args = call["args"]

    def text(self, recipe):
        axis = "setupAxis" if self.axis is None else "%s(%d)" % self.axis
        return '%s{%d, "%s", %s, %s, %s, "%s"},\n' % (
            self.indent, self.raw, self.name, self.heading,
            "scaleable" if self.scaleable else "fixedSize", axis, recipe)


def read_rows(path=None):
    with open(path or TABLE, encoding="utf-8") as f:
        lines = f.readlines()
    rows = {}
    for number, line in enumerate(lines):
        match = ROW.match(line)
        if match:
            row = Row(number, match)
            rows[row.raw] = row
    return lines, rows


def _numbers(text, kind):
    return [kind(x) for x in re.findall(r"[-0-9.e+]+", text)]


def _repeated_pair(a, b, times, length):
    return [a, b] * times, [length] * (2 * times)


def _star_pair(k, p, q):
    m = k * q // math.gcd(k, q)
    a = p * m // q
    return a, (k - 1) * m // k - a


def _start(values, start):
    return values[start:] + values[:start]


class Outline:
    """An entry's corners and sides as the program builds them."""

    def __init__(self, dividends, lengths):
        self.dividends = list(dividends)
        self.lengths = [float(x) for x in lengths]


def evaluate(rows):
    """Every row's outline, Right entries after their Left entries."""
    result = {}
    mirrors = []
    for raw, row in rows.items():
        kind, args = row.kind, row.args
        if kind == "polygon":
            d, l = re.match(r"\{([^}]*)\},\s*\{([^}]*)\}", args).groups()
            result[raw] = Outline(_numbers(d, int), _numbers(l, float))
        elif kind == "regular":
            n, length = args.split(",")
            result[raw] = Outline([1] * int(n), [float(length)] * int(n))
        elif kind == "rhombus":
            p, q, length = args.split(",")
            a, b = 2 * int(p), int(q) - 2 * int(p)
            g = math.gcd(a, b)
            result[raw] = Outline(*_repeated_pair(a // g, b // g, 2, float(length)))
        elif kind in ("star", "reducedStar"):
            k, p, q, length = args.split(",")
            a, b = _star_pair(int(k), int(p), int(q))
            if kind == "reducedStar":
                g = math.gcd(a, b)
                a, b = a // g, b // g
            result[raw] = Outline(*_repeated_pair(a, b, int(k), float(length)))
        elif kind == "sector":
            parts = [x.strip() for x in args.split(",")]
            k, j, s, c = int(parts[0]), int(parts[1]), float(parts[2]), float(parts[3])
            start = int(parts[4]) if len(parts) > 4 else 0
            d = [1, j, 1, k - 3] + [2, k - 3] * (j - 1)
            l = [s, c, c] + [s] * (2 * j - 1)
            result[raw] = Outline(_start(d, start), _start(l, start))
        elif kind == "mirrorOf":
            parts = [int(x) for x in args.split(",")]
            mirrors.append((raw, parts[0], parts[1] if len(parts) > 1 else 0))
        else:
            raise ValueError("row %d: unknown recipe %s" % (raw, row.recipe))
    for raw, source, start in mirrors:
        left = result[source]
        result[raw] = Outline(*geometry.mirrored_outline(left.dividends, left.lengths, start))
    return result


@contextlib.contextmanager
def locked():
    """Holds the table's lock for a read-modify-write."""
    with open(LOCK, "a") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        try:
            yield
        finally:
            fcntl.flock(lock, fcntl.LOCK_UN)


def rewrite(replacements, path=None, lock=True):
    """Replaces the rows named in replacements (raw value -> recipe text),
    reading the file afresh under the lock so that nobody's rows are lost.
    lock=False when the caller already holds it."""
    with locked() if lock else contextlib.nullcontext():
        path = path or TABLE
        lines, rows = read_rows(path)
        for raw, recipe in replacements.items():
            row = rows[raw]
            lines[row.line_number] = row.text(recipe)
        directory = os.path.dirname(path)
        fd, temporary = tempfile.mkstemp(dir=directory, prefix=".CatalogueEntry.", suffix=".tmp")
        try:
            with os.fdopen(fd, "w", encoding="utf-8") as f:
                f.writelines(lines)
            os.chmod(temporary, os.stat(path).st_mode & 0o777)
            os.replace(temporary, path)
        except BaseException:
            with contextlib.suppress(FileNotFoundError):
                os.unlink(temporary)
            raise
