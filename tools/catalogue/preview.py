"""An SVG page of designed figures, each drawn twice: as the table walks it
(vertex 0 at the origin, side 0 along +x, as the catalogue sheet shows it) and
turned as its icon is (the axis point towards the heading). The axis point is
marked red, vertex 0 blue."""

import math

import geometry

SCALE = 28.0
GAP = 20.0
WIDTH = 1800.0


def _bounds(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return min(xs), min(ys), max(xs), max(ys)


def _escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def _polygon(points, ox, oy, box, extra=""):
    minx, miny, maxx, maxy = box
    coords = " ".join("%.2f,%.2f" % (ox + (x - minx) * SCALE, oy + (maxy - y) * SCALE) for x, y in points)
    return '<polygon points="%s" fill="#cfe0f0" stroke="#1f4e79" stroke-width="1" %s/>\n' % (coords, extra)


def _dot(point, ox, oy, box, colour):
    minx, miny, maxx, maxy = box
    return '<circle cx="%.2f" cy="%.2f" r="2.5" fill="%s"/>\n' % (
        ox + (point[0] - minx) * SCALE, oy + (maxy - point[1]) * SCALE, colour)


def page(rows, outlines, raws, notes=None):
    notes = notes or {}
    cells = []
    for raw in raws:
        row, outline = rows[raw], outlines[raw]
        d, l = outline.dividends, outline.lengths
        vertices = geometry.walk(d, l)
        axis = row.axis or geometry.first_mirror_axis(d)
        angle = geometry.image_angle(vertices, axis, row.heading)
        cx = sum(x for x, _ in vertices) / len(vertices)
        cy = sum(y for _, y in vertices) / len(vertices)
        turned = [(cx + (x - cx) * math.cos(angle) - (y - cy) * math.sin(angle),
                   cy + (x - cx) * math.sin(angle) + (y - cy) * math.cos(angle)) for x, y in vertices]
        point = geometry.axis_point(vertices, axis)
        turned_point = (cx + (point[0] - cx) * math.cos(angle) - (point[1] - cy) * math.sin(angle),
                        cy + (point[0] - cx) * math.sin(angle) + (point[1] - cy) * math.cos(angle))
        b1, b2 = _bounds(vertices), _bounds(turned)
        w = (b1[2] - b1[0] + b2[2] - b2[0]) * SCALE + GAP
        h = max(b1[3] - b1[1], b2[3] - b2[1]) * SCALE
        label = "%d %s" % (raw, row.name)
        detail = "%d corners, axis %s(%d), %s" % (len(d), axis[0], axis[1], row.heading)
        note = notes.get(raw, "")
        text_width = max(len(label), len(detail), len(note)) * 6.2
        cells.append((raw, vertices, turned, point, turned_point, b1, b2, max(w, text_width), h + 46, label, detail,
                      note))
    out = []
    x = y = GAP
    row_height = 0.0
    placed = []
    for cell in cells:
        w, h = cell[7], cell[8]
        if x > GAP and x + w > WIDTH - GAP:
            x = GAP
            y += row_height + GAP
            row_height = 0.0
        placed.append((cell, x, y))
        x += w + GAP
        row_height = max(row_height, h)
    height = y + row_height + GAP
    out.append('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d">\n' % (WIDTH, height))
    out.append('<rect width="100%" height="100%" fill="white"/>\n')
    for cell, x, y in placed:
        raw, vertices, turned, point, turned_point, b1, b2, w, h, label, detail, note = cell
        out.append(_polygon(vertices, x, y, b1))
        out.append(_dot(vertices[0], x, y, b1, "#2060ff"))
        out.append(_dot(point, x, y, b1, "#e02020"))
        x2 = x + (b1[2] - b1[0]) * SCALE + GAP
        out.append(_polygon(turned, x2, y, b2, 'fill-opacity="0.6"'))
        out.append(_dot(turned_point, x2, y, b2, "#e02020"))
        base = y + max(b1[3] - b1[1], b2[3] - b2[1]) * SCALE
        for i, text in enumerate((label, detail, note)):
            out.append('<text x="%.1f" y="%.1f" font-family="sans-serif" font-size="10">%s</text>\n'
                       % (x, base + 13 + 12 * i, _escape(text)))
    out.append("</svg>\n")
    return "".join(out)
