#!/usr/bin/env python3
"""The plan document written with python-docx: what a user without Orvella would script.

Reads an Orvella plan file and builds the same five forms and the checklist (tables, merges,
fonts, sections), in English. Usage: python_docx_forms.py PLAN.xml OUT.docx
"""
import sys

import docx
from docx.enum.section import WD_ORIENT
from docx.enum.text import WD_ALIGN_PARAGRAPH
from docx.oxml import OxmlElement
from docx.oxml.ns import qn
from docx.shared import Inches, Pt, RGBColor

CENTER, LEFT = WD_ALIGN_PARAGRAPH.CENTER, WD_ALIGN_PARAGRAPH.LEFT


def read_plan(path):
    """The plan file: a tag per line; a tag followed by text lines holds a value."""
    lines = open(path, encoding="cp1252", newline="").read().split("\r\n")
    root, stack, i = {}, [], 1
    node = root
    while i < len(lines):
        line = lines[i]
        if line.startswith("</"):
            node = stack.pop() if stack else root
            i += 1
        elif line.startswith("<"):
            tag = line[1:-1]
            if i + 1 < len(lines) and lines[i + 1].startswith("<"):
                child = {}
                node.setdefault(tag, []).append(child)
                stack.append(node)
                node = child
                i += 1
            else:
                j = i + 1
                while j < len(lines) and lines[j] != f"</{tag}>":
                    j += 1
                node[tag] = "\n".join(lines[i + 1:j])
                i = j + 1
        else:
            i += 1
    return root.get("HACCP", [root])[0]


def shade(cell, fill="333300"):
    shd = OxmlElement("w:shd")
    shd.set(qn("w:val"), "clear")
    shd.set(qn("w:fill"), fill)
    cell._tc.get_or_add_tcPr().append(shd)


def write(cell, text, size=12, bold=False, align=LEFT, color=None):
    cell.text = ""
    p = cell.paragraphs[0]
    p.alignment = align
    run = p.add_run(text)
    run.font.name, run.font.size, run.font.bold = "Arial", Pt(size), bold
    if color:
        run.font.color.rgb = RGBColor.from_string(color)
    return run


def label_value(cell, label, value, size=12, label_size=None):
    cell.text = ""
    p = cell.paragraphs[0]
    r = p.add_run(label)
    r.font.name, r.font.bold, r.font.size = "Arial", True, Pt(label_size or size)
    r = p.add_run("\n" + value)
    r.font.name, r.font.size = "Arial", Pt(size)


def title(table, text):
    cell = table.cell(0, 0).merge(table.cell(0, len(table.columns) - 1))
    write(cell, text, 14, True, CENTER)
    shade(cell)


def spacer(d, page_break):
    p = d.add_paragraph()
    r = p.add_run("\u00a0")
    r.font.size = Pt(1)
    if page_break:
        r.add_break(docx.enum.text.WD_BREAK.PAGE)


def new_section(d, orientation, sides):
    """A section on a new page, turned to `orientation`, with `sides` inches left and right."""
    s = d.add_section()
    if s.orientation != orientation:
        s.orientation = orientation
        s.page_width, s.page_height = s.page_height, s.page_width
    s.left_margin = s.right_margin = Inches(sides)
    return s


def main():
    plan = read_plan(sys.argv[1])
    get = lambda k: plan.get(k, "")
    tasks = plan.get("Task", [])
    ccps = plan.get("CCP", [])
    d = docx.Document()
    d.sections[0].header.paragraphs[0].text = get("Title")
    d.sections[0].footer.paragraphs[0].text = "Orvella 2.0"

    t = d.add_table(rows=9, cols=2)
    t.style = "Table Grid"
    title(t, "HACCP Step 1 - Activity Description")
    for (r, c), (lab, key) in {(1, 0): ("Facility: ", "Facility"), (1, 1): ("Site: ", "Site"),
                               (2, 0): ("Project Coordinator: ", "ProjectCoordinator"),
                               (3, 0): ("Site Manager: ", "SiteManager"),
                               (5, 0): ("Phone: ", "Phone"),
                               (2, 1): ("Project Description: ", "Activity")}.items():
        label_value(t.cell(r, c), lab, get(key), 12, 10)
    label_value(t.cell(4, 0), "Address: ", get("AddressLine1") + "\n" + get("AddressLine2"), 12, 10)
    t.cell(2, 1).merge(t.cell(5, 1))
    t.cell(6, 0).merge(t.cell(6, 1))
    write(t.cell(7, 0).merge(t.cell(7, 1)),
          "Project Description\n(Who, What, Where, When, How & Why)", 10, True, CENTER)
    write(t.cell(8, 0).merge(t.cell(8, 1)), get("ProjectDescription"))
    t.rows[8].height = Pt(350)
    spacer(d, True)

    t = d.add_table(rows=6, cols=1)
    t.style = "Table Grid"
    title(t, "HACCP Step 2 - Potential Hazard Identification")
    groups = {"Vertebrate": 1, "Invertebrate": 2, "Plant": 3, "Other Biologic": 4}
    texts = ["", "Vertebrates:", "Invertebrates:", "Plants:", "Other Biologics:", "Others:"]
    for h in plan.get("Hazard", []):
        texts[groups.get(h.get("HazType"), 5)] += "\n\t" + h.get("Entity", "")
    for r in range(1, 6):
        write(t.cell(r, 0), texts[r])
        t.rows[r].height = Pt(100)
    spacer(d, True)

    t = d.add_table(rows=max(1, 2 * len(tasks)), cols=2)
    t.style = "Table Grid"
    title(t, "HACCP Step 3 - Flow Diagram")
    for k, task in enumerate(tasks):
        write(t.cell(2 * k + 1, 0) if 2 * k + 1 < len(t.rows) else t.add_row().cells[0],
              task.get("Name", ""), 12, True, CENTER)
        write(t.cell(2 * k + 1, 1), task.get("Description", ""))
        if k + 1 < len(tasks):
            cell = t.cell(2 * k + 2, 0).merge(t.cell(2 * k + 2, 1))
            sym = OxmlElement("w:sym")
            sym.set(qn("w:font"), "Wingdings")
            sym.set(qn("w:char"), "F048")
            cell.paragraphs[0].add_run()._r.append(sym)
    spacer(d, False)

    new_section(d, WD_ORIENT.LANDSCAPE, 0.5)
    t = d.add_table(rows=2, cols=6)
    t.style = "Table Grid"
    title(t, "HACCP Step 4 - Hazard Analysis")
    for c, h in enumerate(["Task", "Hazard", "Probable?", "Justification", "Control Measures",
                           "CCP?"]):
        write(t.cell(1, c), h, 12, True, CENTER)
    for task in tasks:
        first = None
        for hz in task.get("TaskHazard", []):
            cells = t.add_row().cells
            write(cells[0], task.get("Name", "") + "\n" + task.get("Description", ""), 12, False,
                  CENTER)
            write(cells[1], hz.get("Type", "") + ": " + hz.get("Entity", ""))
            write(cells[2], hz.get("Probable", ""), align=CENTER)
            write(cells[3], hz.get("Justification", ""))
            write(cells[4], hz.get("ControlMeasures", ""))
            ccp = hz.get("CCP") == "True"
            write(cells[5], "Yes" if ccp else "No", 12, ccp, CENTER)
            if first is None:
                first = cells[0]
            else:
                cells[0].text = ""
                first = first.merge(cells[0])
    spacer(d, False)

    new_section(d, WD_ORIENT.PORTRAIT, 1)
    t = d.add_table(rows=1, cols=1)
    t.style = "Table Grid"
    title(t, "HACCP Step 5 - HACCP Plan")
    fields = [("Significant Hazards: ", "SigHaz"), ("Control Measures: ", "Control"),
              ("Limits for Control Measures: ", "Limits"), ("Monitoring: What? ", "What"),
              ("Monitoring: How? ", "How"), ("Monitoring: Frequency? ", "Frequency"),
              ("Monitoring: Who? ", "Who"), ("Evaluation & Corrective Actions: ", "Correction")]
    for i, ccp in enumerate(ccps, 1):
        write(t.add_row().cells[0], f"Critical Control Point #{i}: \n" + ccp.get("Name", ""), 16,
              True, LEFT, "FF0000")
        for lab, key in fields:
            label_value(t.add_row().cells[0], lab, ccp.get(key, ""))
        write(t.add_row().cells[0], "Supporting Documentation: " + ccp.get("Documents", ""))
        shade(t.add_row().cells[0])
    t.add_row()
    t2 = d.add_table(rows=3, cols=2)
    t2.style = "Table Grid"
    label_value(t2.cell(0, 0), "Facility: ", get("Facility"), 14)
    label_value(t2.cell(0, 1), "Activity: ", get("Activity"), 14)
    label_value(t2.cell(1, 0), "Address: ", get("AddressLine1") + "\n" + get("AddressLine2"), 14)
    t2.cell(0, 1).merge(t2.cell(1, 1))
    write(t2.cell(2, 0), "Signature: ", 14, True)
    write(t2.cell(2, 1), "Date: ", 14, True)
    spacer(d, False)

    new_section(d, WD_ORIENT.PORTRAIT, 1)
    t = d.add_table(rows=7, cols=3)
    write(t.cell(0, 0).merge(t.cell(0, 2)), "HACCP Checklist: \n" + get("Activity"), 16, True)
    for r, (lab, key) in enumerate([("Facility", "Facility"), ("Site", "Site"),
                                    ("Coordinator", "ProjectCoordinator"),
                                    ("Manager", "SiteManager")], 1):
        write(t.cell(r, 0).merge(t.cell(r, 1)), lab, 14, True)
        write(t.cell(r, 2), get(key), 14)
    write(t.cell(5, 0).merge(t.cell(5, 1)), "Address", 14, True)
    write(t.cell(5, 2), get("AddressLine1") + ", " + get("AddressLine2"), 14)
    items = [("Hazards were contained", "Hazards: ", "SigHaz"),
             ("Control measures were implemented", "Control Measures: ", "Control"),
             ("Control limits were maintained", "Control Limits: ", "Limits"),
             ("Corrective actions were (performed if necessary)", "Corrective Actions: ",
              "Correction")]
    for task in tasks:
        cells = t.add_row().cells
        write(cells[0], "o", 14)
        mine = [c for c in ccps if c.get("TaskNumber", "").strip() == task.get("Number", "").strip()]
        write(cells[1].merge(cells[2]), task.get("Name", "") + ": " + task.get("Description", "") +
              ("\nCRITICAL CONTROL POINT" if mine else ""), 14, True)
        for ccp in mine:
            for line, lab, key in items:
                cells = t.add_row().cells
                write(cells[0], "o", 14, align=WD_ALIGN_PARAGRAPH.RIGHT)
                write(cells[1].merge(cells[2]), line + "\n" + lab + ccp.get(key, ""), 14)
            t.add_row()
    t.add_row()
    d.add_paragraph()
    d.save(sys.argv[2])


if __name__ == "__main__":
    main()
