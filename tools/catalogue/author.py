#!/usr/bin/env python3
"""Authoring the catalogue's figures.

    author.py check DESIGN...          build and check the designs, change nothing
    author.py apply DESIGN...          check, then write their rows into the table
    author.py preview DESIGN... -o F   draw the designs into an SVG page
    author.py tally                    the table's corner counts and lengths
    author.py stage DESIGN...          stage in git only the rows these designs wrote

A design file holds one design per entry of a range of raw values; see
README.md.
"""

import argparse
import ast
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import checks  # noqa: E402
import families  # noqa: E402
import geometry  # noqa: E402
import palette  # noqa: E402
import shapes  # noqa: E402
import table  # noqa: E402


class Design:
    def __init__(self, raw, name, shape=None, mirror_of=None, start=0, note=""):
        self.raw = raw
        self.name = name
        self.shape = shape
        self.mirror_of = mirror_of
        self.start = start
        self.note = note
        self.outline = None
        self.recipe = None


def load(path):
    """The designs of one file, by raw value."""
    designs = {}
    errors = []

    def entry(raw, name, shape, note=""):
        if raw in designs:
            errors.append((raw, "designed twice in %s" % path))
        designs[raw] = Design(raw, name, shape=shape, note=note)

    def mirror(raw, name, of, start=0):
        if raw in designs:
            errors.append((raw, "designed twice in %s" % path))
        designs[raw] = Design(raw, name, mirror_of=of, start=start)

    namespace = {"entry": entry, "mirror": mirror, "__file__": path}
    for module in (shapes, families):
        namespace.update({k: v for k, v in vars(module).items() if not k.startswith("_")})
    namespace.update({"SQRT2": palette.SQRT2, "PHI": palette.PHI, "math": math})
    with open(path, encoding="utf-8") as f:
        tree = ast.parse(f.read(), path)
    # Statement by statement, so that one broken design is reported with its
    # line and the others are still built.
    for statement in tree.body:
        module = ast.Module(body=[statement], type_ignores=[])
        try:
            exec(compile(module, path, "exec"), namespace)
        except shapes.DesignError as e:
            raw, name = _designed(statement)
            errors.append((raw or 0, "%s:%d: %s%s" % (os.path.basename(path), statement.lineno,
                                                      "%s: " % name if name else "", e)))
    return designs, errors


def _designed(statement):
    """The raw value and name a statement designs, as far as it is an
    entry(...) call that spells them out."""
    call = getattr(statement, "value", None)
    if not isinstance(call, ast.Call):
        return None, None
    values = [a.value if isinstance(a, ast.Constant) else None for a in call.args[:2]]
    values += [None] * (2 - len(values))
    raw, name = values
    return (raw if isinstance(raw, int) else None), (name if isinstance(name, str) else None)


def build(paths):
    """The table as it would be with the designs applied, and a report."""
    report = checks.Report()
    lines, rows = table.read_rows(table.TABLE)
    designs = {}
    for path in paths:
        loaded, errors = load(path)
        for raw, text in errors:
            report.error(raw, text)
        for raw, design in loaded.items():
            if raw in designs:
                report.error(raw, "designed in more than one file")
            designs[raw] = design

    for raw, design in sorted(designs.items()):
        row = rows.get(raw)
        if row is None:
            report.error(raw, "no such entry")
            continue
        if row.name != design.name:
            report.error(raw, "is named %r in the table, not %r" % (row.name, design.name))
        if raw in checks.GIVEN:
            report.error(raw, "its values are fixed by the catalogue; it takes no design")
        if design.shape is not None:
            try:
                dividends, lengths = design.shape.outline()
            except shapes.DesignError as e:
                report.error(raw, str(e))
                continue
            design.outline = table.Outline(dividends, lengths)
            design.recipe = design.shape.recipe or "polygon({%s}, {%s})" % (
                ", ".join(str(x) for x in dividends), ", ".join(palette.literal(x) for x in lengths))
        else:
            design.recipe = "mirrorOf(%d%s)" % (design.mirror_of, ", %d" % design.start if design.start else "")

    # The table with every design in place, Right entries derived afresh.
    for raw, design in designs.items():
        if raw in rows and design.recipe:
            rows[raw].set_recipe(design.recipe)
    outlines = table.evaluate(rows)
    for raw, design in designs.items():
        if design.shape is not None and design.outline is not None:
            made = outlines[raw]
            if made.dividends != design.outline.dividends or made.lengths != design.outline.lengths:
                report.error(raw, "its recipe %s does not build the designed outline" % design.recipe)

    partners = {}
    for first, second in checks.chiral_pairs(rows):
        for a, b in ((first, second), (second, first)):
            if rows[b].kind == "mirrorOf" and int(rows[b].args.split(",")[0]) == a:
                args = [int(x) for x in rows[b].args.split(",")]
                partners[a] = (rows[b], outlines[b], args[1] if len(args) > 1 else 0)
    chiral = {r for pair in checks.chiral_pairs(rows) for r in pair}

    checked = set()
    for raw, design in sorted(designs.items()):
        source = raw if design.shape is not None else design.mirror_of
        if source in checked or source not in rows:
            continue
        checked.add(source)
        if source in chiral and source not in partners:
            report.error(source, "is chiral, but no entry is derived from it as its mirror image")
            continue
        checks.check_entry(report, rows[source], outlines[source], partners.get(source))
        if source in partners:
            image_row = partners[source][0]
            checked.add(image_row.raw)
    designed = set(designs) | {p[0].raw for s, p in partners.items() if s in designs}
    checks.check_table(report, rows, outlines, designed)
    return rows, outlines, designs, report


def print_report(report, designs):
    def named(raw):
        # A design that failed to build has no entry to take the name from;
        # its message carries the name instead.
        return "%4d %s" % (raw, designs[raw].name) if raw in designs else "%4d" % raw

    for raw, text in sorted(report.errors):
        print("error   %s: %s" % (named(raw), text))
    for raw, text in sorted(report.warnings):
        print("warning %s: %s" % (named(raw), text))


def method_counts(designs):
    counts = {}
    for design in designs.values():
        method = design.shape.method if design.shape is not None else "mirror image"
        counts[method] = counts.get(method, 0) + 1
    return counts


def command_check(args):
    rows, outlines, designs, report = build(args.designs)
    print_report(report, designs)
    print("%d designs, %d errors, %d warnings" % (len(designs), len(report.errors), len(report.warnings)))
    for method, count in sorted(method_counts(designs).items(), key=lambda x: -x[1]):
        print("  %-24s %d" % (method, count))
    if args.tally:
        print("\n".join(checks.tally(rows, outlines)))
    return 1 if report.errors else 0


def command_apply(args):
    # Checked and written under the lock, so that two people applying at once
    # neither lose each other's rows nor miss each other's figures.
    with table.locked():
        rows, outlines, designs, report = build(args.designs)
        print_report(report, designs)
        if report.errors:
            print("not applied: %d errors" % len(report.errors))
            return 1
        replacements = {raw: design.recipe for raw, design in designs.items()}
        table.rewrite(replacements, table.TABLE, lock=False)
    print("applied %d rows to %s" % (len(replacements), os.path.relpath(table.TABLE)))
    return 0


def command_stage(args):
    """Stages the table's committed text with only these designs' rows
    replaced, so that a commit carries one's own rows and none of the rows
    that others have applied to the working file meanwhile."""
    import subprocess
    rows, outlines, designs, report = build(args.designs)
    if report.errors:
        print_report(report, designs)
        print("not staged: %d errors" % len(report.errors))
        return 1
    path = os.path.relpath(table.TABLE, table.ROOT)
    staged = subprocess.run(["git", "show", ":" + path], cwd=table.ROOT, check=True, capture_output=True).stdout
    lines = staged.decode("utf-8").splitlines(keepends=True)
    numbers = {}
    for number, line in enumerate(lines):
        match = table.ROW.match(line)
        if match:
            numbers[int(match["raw"])] = (number, table.Row(number, match))
    for raw, design in designs.items():
        number, row = numbers[raw]
        lines[number] = row.text(design.recipe)
    blob = subprocess.run(["git", "hash-object", "-w", "--stdin"], cwd=table.ROOT, check=True, capture_output=True,
                          input="".join(lines).encode("utf-8")).stdout.decode().strip()
    mode = subprocess.run(["git", "ls-files", "-s", path], cwd=table.ROOT, check=True,
                          capture_output=True).stdout.decode().split()[0]
    subprocess.run(["git", "update-index", "--cacheinfo", "%s,%s,%s" % (mode, blob, path)], cwd=table.ROOT,
                   check=True)
    print("staged %d rows of %s" % (len(designs), path))
    return 0


def command_tally(args):
    lines, rows = table.read_rows(table.TABLE)
    result = checks.tally(rows, table.evaluate(rows))
    print("\n".join(result))
    return 0 if checks.HAS_ITS_SHAPE in result else 1


def command_preview(args):
    import preview
    rows, outlines, designs, report = build(args.designs)
    print_report(report, designs)
    raws = sorted(set(designs) | {int(r.args.split(",")[0]) for r in rows.values()
                                  if r.kind == "mirrorOf" and int(r.args.split(",")[0]) in designs}
                  | {r.raw for r in rows.values() if r.kind == "mirrorOf" and int(r.args.split(",")[0]) in designs})
    if args.only:
        wanted = set()
        for part in args.only.split(","):
            first, _, last = part.partition("-")
            wanted.update(range(int(first), int(last or first) + 1))
        raws = [r for r in raws if r in wanted]
    with open(args.output, "w", encoding="utf-8") as f:
        f.write(preview.page(rows, outlines, raws, notes={r: d.note for r, d in designs.items()}))
    print("wrote %s" % args.output)
    return 0


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("check", help="build and check designs")
    p.add_argument("designs", nargs="+")
    p.add_argument("--tally", action="store_true", help="also show the table's shape with them in place")
    p.set_defaults(run=command_check)
    p = sub.add_parser("apply", help="check designs and write them into the table")
    p.add_argument("designs", nargs="+")
    p.set_defaults(run=command_apply)
    p = sub.add_parser("preview", help="draw designs into an SVG page")
    p.add_argument("designs", nargs="+")
    p.add_argument("-o", "--output", required=True)
    p.add_argument("--only", help="raw values to draw, such as 12,40-60")
    p.set_defaults(run=command_preview)
    p = sub.add_parser("stage", help="stage in git only the rows these designs wrote")
    p.add_argument("designs", nargs="+")
    p.set_defaults(run=command_stage)
    p = sub.add_parser("tally", help="the table's corner counts and lengths")
    p.set_defaults(run=command_tally)
    for p in sub.choices.values():
        p.add_argument("--table", help="another copy of CatalogueEntry.cpp, to try things out on")
    args = parser.parse_args(argv)
    if args.table:
        table.TABLE = os.path.abspath(args.table)
    return args.run(args)


if __name__ == "__main__":
    sys.exit(main())
