#!/usr/bin/python3
"""Reads a template back with readers of its own and prints what it holds as
JSON, for the template tests: a DXF with ezdxf, an SVG with the standard
library's XML parser. Nothing here comes from the program that wrote it."""
import json
import math
import re
import sys
import xml.etree.ElementTree as ElementTree


def dxf_facts(path):
    import ezdxf
    from ezdxf.lldxf.encoding import decode_dxf_unicode

    document = ezdxf.readfile(path)
    facts = {"units": document.header.get("$INSUNITS"), "layers": [layer.dxf.name for layer in document.layers],
             "arcs": [], "lines": [], "texts": []}
    for entity in document.modelspace():
        kind = entity.dxftype()
        if kind == "ARC":
            facts["arcs"].append({"layer": entity.dxf.layer, "x": entity.dxf.center.x, "y": entity.dxf.center.y,
                                  "radius": entity.dxf.radius, "start": entity.dxf.start_angle,
                                  "end": entity.dxf.end_angle})
        elif kind == "LINE":
            facts["lines"].append({"layer": entity.dxf.layer, "x1": entity.dxf.start.x, "y1": entity.dxf.start.y,
                                   "x2": entity.dxf.end.x, "y2": entity.dxf.end.y})
        elif kind == "TEXT":
            facts["texts"].append({"layer": entity.dxf.layer, "text": decode_dxf_unicode(entity.dxf.text)})
    return facts


def svg_arc_centre(x1, y1, radius, large, sweep, x2, y2):
    """The centre of an SVG elliptical arc with equal radii (SVG 1.1, F.6.5)."""
    dx, dy = (x1 - x2) / 2, (y1 - y2) / 2
    root = math.sqrt(max(0.0, (radius * radius - dx * dx - dy * dy) / (dx * dx + dy * dy)))
    if large == sweep:
        root = -root
    return (x1 + x2) / 2 + root * dy, (y1 + y2) / 2 - root * dx


def svg_facts(path):
    namespace = {"svg": "http://www.w3.org/2000/svg"}
    root = ElementTree.parse(path).getroot()
    facts = {"width": root.get("width"), "height": root.get("height"), "viewBox": root.get("viewBox"),
             "arcs": [], "lines": [], "texts": []}
    for group in root.findall("svg:g", namespace):
        layer = group.get("id")
        for element in group.findall("svg:path", namespace):
            numbers = [float(n) for n in re.findall(r"-?[0-9.]+", element.get("d"))]
            x1, y1, rx, ry, rotation, large, sweep, x2, y2 = numbers
            cx, cy = svg_arc_centre(x1, y1, rx, int(large), int(sweep), x2, y2)
            facts["arcs"].append({"layer": layer, "x": cx, "y": cy, "radius": rx, "x1": x1, "y1": y1, "x2": x2,
                                  "y2": y2, "large": int(large), "sweep": int(sweep)})
        for element in group.findall("svg:line", namespace):
            facts["lines"].append({"layer": layer, **{key: float(element.get(key)) for key in ("x1", "y1", "x2", "y2")}})
        for element in group.findall("svg:text", namespace):
            facts["texts"].append({"layer": layer, "text": element.text})
    return facts


if __name__ == "__main__":
    reader = {"dxf": dxf_facts, "svg": svg_facts}[sys.argv[1]]
    json.dump(reader(sys.argv[2]), sys.stdout, ensure_ascii=False)
