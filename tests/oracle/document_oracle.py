#!/usr/bin/env python3
"""Reads the generated plan documents back with independent tools.

python-docx opens every document and checks tables, sections, header and settings;
LibreOffice converts them to PDF in one call, and pdfinfo/pdftotext show which pages are
landscape; validate-docx checks every part against the OOXML schemas.
Usage: document_oracle.py GENERATOR OUTDIR [VALIDATE-DOCX]
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

import docx
from docx.enum.section import WD_ORIENT
from docx.shared import Inches

W = "{http://schemas.openxmlformats.org/wordprocessingml/2006/main}"

# Rows of Forms 3, 4, 5 and the checklist for each sample plan.
EXPECTED_ROWS = {
    "empty": (1, 2, 5, 8),
    "one": (3, 3, 16, 14),
    "typical": (11, 42, 38, 28),
    "three": (7, 11, 27, 21),
    "largest": (21, 1002, 1105, 518),
    "hostile": (5, 302, 71, 40),
    "huge": (5, 12, 27, 20),
    "wildland-fire": (9, 12, 38, 27),
    "controlled": (11, 42, 38, 28),
}
UNREVIEWED = {"en": "Contains example answers not yet reviewed for this site",
              "es": "Contiene respuestas de ejemplo aún no revisadas para este lugar"}
# The controlled plan: an approval page before Form 1, a record sheet per CCP after the
# checklist, in a section of their own.
APPROVAL_TITLE = {"en": "Plan Approval and Revisions", "es": "Aprobación y Revisiones del Plan"}
SHEET_TITLE = {"en": "Record Sheet: CCP #", "es": "Hoja de Registro: PCC #"}
DRAFT = {"en": "DRAFT, not approved", "es": "BORRADOR, no aprobado"}
# LibreOffice needs minutes for a table row hundreds of pages long, and ~25 s for each
# hundred-page document: python-docx alone reads these.
NOT_FOR_LIBREOFFICE = {"huge-en", "huge-es", "largest-en", "largest-es", "hostile-es"}

TITLES = {
    "en": ["HACCP Step 1 - Activity Description", "HACCP Step 2 - Potential Hazard Identification",
           "HACCP Step 3 - Flow Diagram", "HACCP Step 4 - Hazard Analysis",
           "HACCP Step 5 - HACCP Plan", "HACCP Checklist: "],
    "es": ["HACCP Paso 1 - Descripción de la Actividad",
           "HACCP Paso 2 - Identificación de Riesgos Potenciales",
           "HACCP Paso 3 - Diagrama de Flujo", "HACCP Paso 4 - Hoja para Análisis de Riesgos",
           "HACCP Paso 5 - Formulario del Plan HACCP", "Lista de verificación: "],
}

RECORD_TITLE = {"en": "CCP Decision Record", "es": "Registro de Decisiones PCC"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def bold_text(cell):
    return "".join(r.text for p in cell.paragraphs for r in p.runs if r.bold)


def check_docx(path, plan, lang):
    name = os.path.basename(path)
    d = docx.Document(path)
    tables = d.tables
    controlled = plan == "controlled"
    if controlled:
        approval = tables.pop(0)
        title = approval.rows[0].cells[0].text
        check(title == APPROVAL_TITLE[lang], f"{name}: approval page title {title!r}")
        sheets = tables[6:]
        tables = tables[:6]
        check(len(sheets) == 3, f"{name}: {len(sheets)} record sheets")
        for k, sheet in enumerate(sheets):
            title = sheet.rows[0].cells[0].text
            check(title == SHEET_TITLE[lang] + str(k + 1), f"{name}: sheet title {title!r}")
            check(len(sheet.rows) == 23 and len(sheet.columns) == 6,
                  f"{name}: sheet {len(sheet.rows)} rows, {len(sheet.columns)} columns")
        marks = [p.text for p in d.sections[0].header.paragraphs]
        check(marks[1:] == [DRAFT[lang]], f"{name}: header {marks!r}")
    # A plan that recorded its CCP decisions has their record after Form 4.
    if len(tables) == 7:
        record = tables.pop(4)
        title = record.rows[0].cells[0].text
        check(title == RECORD_TITLE[lang], f"{name}: decision record title {title!r}")
        check(len(record.columns) == 8 and len(record.rows) >= 2,
              f"{name}: decision record {len(record.columns)} columns")
    check(len(tables) == 6, f"{name}: {len(tables)} tables")
    if len(tables) != 6:
        return
    for k, title in enumerate(TITLES[lang]):
        text = tables[k].rows[0].cells[0].text
        check(text.startswith(title), f"{name}: table {k + 1} title {text[:60]!r}")
    rows = tuple(len(tables[k].rows) for k in (2, 3, 4, 5))
    check(rows == EXPECTED_ROWS[plan], f"{name}: rows of forms 3-5 and checklist {rows}")
    # Form 1: merged title, bold label words, activity spanning rows 3-6.
    f1 = tables[0]
    check(len(f1.rows) == 9, f"{name}: form 1 has {len(f1.rows)} rows")
    label = "Facility" if lang == "en" else "Instalación"
    check(bold_text(f1.cell(1, 0)) == label, f"{name}: form 1 bold {bold_text(f1.cell(1, 0))!r}")
    check(f1.cell(2, 1)._tc is f1.cell(5, 1)._tc, f"{name}: activity not merged over rows 3-6")
    check(len(f1.columns) == 2 and f1.rows[0].cells[0]._tc is f1.rows[0].cells[1]._tc,
          f"{name}: form 1 title not merged")
    # Form 3: the hand between tasks.
    syms = tables[2]._tbl.xml.count('w:char="F048"')
    check(syms == max(rows[0] - 3, 0) // 2, f"{name}: {syms} arrows in form 3")
    # Form 4 headings.
    if len(tables[3].rows) >= 2:
        heading = tables[3].rows[1].cells[5].text
        want = "CCP?" if lang == "en" else "¿Punto de Control Crítico?"
        check(heading == want, f"{name}: form 4 heading {heading!r}")
    # Sections: Forms 1-3 portrait Letter, Form 4 landscape with half-inch sides.
    sections = d.sections
    check(len(sections) == 4 + controlled, f"{name}: {len(sections)} sections")
    if len(sections) == 4 + controlled:
        s1, s2, s3, s4 = sections[:4]
        check(s1.orientation == WD_ORIENT.PORTRAIT and s1.page_width == Inches(8.5),
              f"{name}: first section not US Letter portrait")
        check(s2.orientation == WD_ORIENT.LANDSCAPE and s2.page_width > s2.page_height,
              f"{name}: form 4 section not landscape")
        check(s2.left_margin == Inches(0.5) and s2.right_margin == Inches(0.5),
              f"{name}: form 4 margins")
        for s in (s3, s4):
            check(s.orientation == WD_ORIENT.PORTRAIT and s.left_margin == Inches(1),
                  f"{name}: form 5 / checklist section")
    header = sections[0].header.paragraphs[0].text
    # Control characters of the title become breaks in the header: compare the words.
    check(header.split() == d.core_properties.title.split(), f"{name}: header {header[:40]!r}")
    # A starter plan, its examples not yet reviewed, says so under the title.
    notes = [p.text for p in sections[0].header.paragraphs[1:]]
    want = ([UNREVIEWED[lang]] if plan == "wildland-fire" else
            [DRAFT[lang]] if plan == "controlled" else [])
    check(notes == want, f"{name}: header notes {notes!r}")
    footer = sections[0].footer.paragraphs[0].text
    check(footer.startswith("Orvella 2.0 "), f"{name}: footer {footer!r}")
    settings = d.settings.element
    check(settings.find(W + "zoom").get(W + "val") == "fullPage", f"{name}: zoom")
    return d


def check_hostile(d, name):
    f1 = d.tables[0]
    activity = f1.cell(2, 1).text
    check('<w:t>&amp; "quoted"' in activity, f"{name}: specials lost {activity[:80]!r}")
    facility = f1.cell(1, 0).text
    check("form feed" in facility and "\x0c" not in facility, f"{name}: {facility!r}")
    check("😀" in f1.cell(1, 1).text, f"{name}: emoji lost")


def check_huge(d, name):
    description = d.tables[0].cell(8, 0).text
    check(len(description) >= 1 << 20, f"{name}: description {len(description)} chars")


def pdf_pages(pdf):
    info = subprocess.run(["pdfinfo", "-f", "1", "-l", "100000", pdf], capture_output=True,
                          text=True, check=True).stdout
    sizes = [(float(w), float(h)) for w, h in
             re.findall(r"Page\s+\d+ size:\s+([\d.]+) x ([\d.]+)", info)]
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True,
                          check=True).stdout.split("\f")
    return sizes, text


def check_pdf(pdf, lang):
    name = os.path.basename(pdf)
    sizes, texts = pdf_pages(pdf)
    check(len(sizes) >= 6, f"{name}: {len(sizes)} pages")
    if name.startswith("controlled"):
        check(APPROVAL_TITLE[lang] in texts[0], f"{name}: approval page is not page 1")
        sheets = [i for i, t in enumerate(texts) if SHEET_TITLE[lang] in t]
        check(len(sheets) == 3 and sheets[-1] == len(texts) - 1 - (texts[-1].strip() == ""),
              f"{name}: record sheets on pages {sheets} of {len(texts)}")
    form4 = TITLES[lang][3]
    form5 = TITLES[lang][4]
    on4 = [i for i, t in enumerate(texts) if form4 in t]
    record = [i for i, t in enumerate(texts) if RECORD_TITLE[lang] in t and i not in on4]
    on5 = [i for i, t in enumerate(texts) if form5 in t]
    # The worksheet's title and headings, and Form 5's title, head every page of their form.
    landscape = [i for i, (w, h) in enumerate(sizes) if w > h]
    check(on4 and on4 + record == landscape,
          f"{name}: form 4 title on {on4}, decision record on {record}, landscape pages {landscape}")
    check(all("Probable?" in texts[i] for i in on4), f"{name}: form 4 headings missing")
    check(on5 and on5 == list(range(on5[0], on5[-1] + 1)) and landscape
          and on5[0] == landscape[-1] + 1, f"{name}: form 5 title on pages {on5}")
    if on4:
        check(all(sizes[i][0] < sizes[i][1] for i in range(on4[0])),
              f"{name}: pages before form 4 not portrait")
    check("Orvella 2.0" in texts[0], f"{name}: no footer on page 1")


def check_schemas(validator, documents):
    """Every part against the ECMA-376 schemas: the element order Word insists on."""
    if not validator or not os.path.exists(validator):
        print(f"SKIPPED schema check: no validate-docx at {validator or '(not given)'}")
        return
    if not shutil.which("xmllint") or not shutil.which("unzip"):
        print("SKIPPED schema check: xmllint (libxml2-utils) or unzip is not installed")
        return
    result = subprocess.run([validator] + documents, capture_output=True, text=True)
    for line in result.stdout.splitlines():
        if line.startswith("FAIL"):
            failures.append(f"schema: {line}")
    if result.returncode != 0 and not any(f.startswith("schema:") for f in failures):
        failures.append(f"schema: validate-docx exited {result.returncode}: {result.stdout[-200:]}")
    print(f"schema check: {result.stdout.strip().splitlines()[-1] if result.stdout else '?'}")


def main():
    generator, outdir = sys.argv[1], sys.argv[2]
    validator = sys.argv[3] if len(sys.argv) > 3 else None
    shutil.rmtree(outdir, ignore_errors=True)
    os.makedirs(outdir)
    subprocess.run([generator, outdir], check=True)
    documents = sorted(f for f in os.listdir(outdir) if f.endswith(".docx"))
    check(len(documents) == 2 * len(EXPECTED_ROWS), f"documents: {documents}")
    for f in documents:
        plan, lang = f[:-5].rsplit("-", 1)
        try:
            d = check_docx(os.path.join(outdir, f), plan, lang)
            if d is not None and plan == "hostile":
                check_hostile(d, f)
            if d is not None and plan == "huge":
                check_huge(d, f)
        except Exception as e:  # a document python-docx cannot open
            failures.append(f"{f}: python-docx: {e!r}")

    check_schemas(validator, [os.path.join(outdir, f) for f in documents])

    for_lo = [os.path.join(outdir, f) for f in documents if f[:-5] not in NOT_FOR_LIBREOFFICE]
    pdfdir = os.path.join(outdir, "pdf")
    with tempfile.TemporaryDirectory(prefix="orvella-lo-") as profile:
        # soffice exits 0 even when it could not load a file: look for each PDF.
        # Its own process group, so that a hung conversion can be ended whole.
        lo = subprocess.Popen(["soffice", f"-env:UserInstallation=file://{profile}",
                               "--headless", "--convert-to", "pdf", "--outdir", pdfdir] + for_lo,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              start_new_session=True)
        try:
            lo.wait(timeout=240)
        except subprocess.TimeoutExpired:
            os.killpg(lo.pid, signal.SIGKILL)
            lo.wait()
            failures.append("LibreOffice did not finish within 240 s")
    for path in for_lo:
        pdf = os.path.join(pdfdir, os.path.basename(path)[:-5] + ".pdf")
        if not os.path.exists(pdf):
            failures.append(f"{os.path.basename(path)}: LibreOffice wrote no PDF")
            continue
        check_pdf(pdf, os.path.basename(path)[:-5].rsplit("-", 1)[1])

    for f in failures:
        print("FAIL", f)
    print(f"{len(documents)} documents, {len(for_lo)} converted, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
