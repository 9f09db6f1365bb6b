#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sheets of labels as SVG: XML, labels at the pitch asked for, the texts of the
PDF; bills of materials as exporters write them, with their labels and notes.
Usage: label_sheets.py RESISTANCES_CODE BILLS_FOLDER"""
import pty
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

TOOL, BILLS = sys.argv[1], Path(sys.argv[2])
SVG = '{http://www.w3.org/2000/svg}'
failures = []


def check(condition, message):
    failures.extend([] if condition else [message])


def run(*arguments, stdin=b'', outlines=True):
    done = subprocess.run([TOOL, 'etiquettes', *(['--contours'] if outlines else []), *arguments],
                          input=stdin, capture_output=True, check=False)
    return done.returncode, done.stdout, done.stderr.decode()


def plain(text):
    return ''.join(text.split())  # poppler may drop a space: "1Ω"


def labels_of(svg, width):
    """Each label's outline corner and texts, in the order drawn."""
    labels = []
    for page, group in enumerate(ElementTree.fromstring(svg).iter(SVG + 'g')):
        for shape in group:
            size = {key: float(shape.get(key, 0)) for key in ('x', 'y', 'width', 'height')}
            if shape.get('fill') == 'none' and abs(size['width'] - width) < 0.5:
                labels.append({'page': page, 'texts': [], **size})
            elif shape.tag == SVG + 'text' and labels:
                labels[-1]['texts'].append(shape.text)
    return labels


def pdf_text(arguments):
    status, pdf, err = run(*arguments, '--format', 'pdf')
    check(status == 0 and pdf.startswith(b'%PDF-'), f'{arguments} as PDF: {err}')
    return subprocess.run(['pdftotext', '-', '-'], input=pdf, capture_output=True,
                          check=True).stdout.decode()


# Sticker sheets: asked by the size of a label, or by columns and rows.
E24 = ['--serie', 'E24', '--de', '1', '--a', '1M']
for asked, across, down, count in ((['--taille', '48x17', '--marges', '10', '--page', 'Letter'],
                                    48, 17, 145),
                                   (['--grille', '4x10', '--marges', '5'], 50, 28.7, 145)):
    status, svg, err = run(*E24, *asked)
    check(status == 0 and err == '', f'{asked}: {status} {err}')
    labels = labels_of(svg, across)
    check(len(labels) == count, f'{asked}: {len(labels)} labels')
    for key, size, extent in (('x', across, 'width'), ('y', down, 'height')):
        places = sorted({round(label[key], 2) for label in labels})
        steps = [b - a for a, b in zip(places, places[1:])] + [l[extent] for l in labels]
        check(all(abs(step - size) <= 0.1 for step in steps), f'{asked}: {key} steps {steps}')
    texts = plain(pdf_text([*E24, *asked]))
    check(all(plain(t) in texts for l in labels for t in l['texts']), f'{asked}: PDF texts')

def rendered(arguments, dpi, outlines=True):
    """The first page as PDF rendered in grey by poppler: a function from a
    point in millimetres to its grey, 0 black to 255 white."""
    status, pdf, err = run(*arguments, '--format', 'pdf', outlines=outlines)
    check(status == 0, f'{arguments}: {err}')
    pgm = subprocess.run(['pdftoppm', '-gray', '-r', str(dpi), '-singlefile', '-'],
                         input=pdf, capture_output=True, check=True).stdout
    _, width, height, _, pixels = pgm.split(maxsplit=4)
    width, height = int(width), int(height)

    def grey(x, y):
        column, row = int(x / 25.4 * dpi), int(y / 25.4 * dpi)
        inside = 0 <= column < width and 0 <= row < height
        return pixels[row * width + column] if inside else 255
    return grey


# Every named sheet: each label where its template puts it, within 0.1 mm, in
# the SVG and in the PDF (its outline's ink at the edge, paper on both sides).
def length(text):
    for unit, millimetres in (('mm', 1), ('in', 25.4)):
        if text.endswith(unit):
            return float(text[:-len(unit)]) * millimetres
    return float(text or 0) * 25.4 / 72


templates = (Path(__file__).parent / 'sticker_sheets.txt').read_text(encoding='utf-8').split('\n')
templates = [line for line in templates if line and not line.startswith('#')]
for head, rectangle, layout in zip(templates[::3], templates[1::3], templates[2::3]):
    code = head.split()[0]
    text = lambda element, name: re.search(f' {name}="([^"]*)"', element).group(1)
    attribute = lambda element, name: length(text(element, name))
    width, height = attribute(rectangle, 'width'), attribute(rectangle, 'height')
    columns, rows = int(text(layout, 'nx')), int(text(layout, 'ny'))
    corners = [(attribute(layout, 'x0') + c * attribute(layout, 'dx'),
                attribute(layout, 'y0') + r * attribute(layout, 'dy'))
               for r in range(rows) for c in range(columns)]
    sheet = ['--planche', code, '--serie', 'E96', '--de', '1', '--a', '10M']
    status, svg, err = run(*sheet)
    drawn = [(label['x'], label['y']) for label in labels_of(svg, width) if label['page'] == 0]
    check(status == 0 and len(drawn) == len(corners) and all(
        abs(x - ex) <= 0.1 and abs(y - ey) <= 0.1 for (x, y), (ex, ey) in zip(drawn, corners)),
        f'{code}: SVG labels at {drawn[:3]}..., template {corners[:3]}...')
    grey = rendered(sheet, 600)
    for x, y in corners:
        for edge, across in (((x, y + height / 2), (1, 0)), ((x + width / 2, y), (0, 1))):
            at = lambda d: grey(edge[0] + across[0] * d, edge[1] + across[1] * d)
            inked = min(at(d) for d in (-0.04, 0, 0.04)) < 160
            paper = all(at(d) > 200 for d in (-0.16, 0.16, 0.5, 1))
            check(inked and paper, f'{code}: PDF outline not within 0.1 mm of {edge}')

# A printer's offset moves every label; a test page holds one of each.
status, svg, err = run('--planche', 'L7160', '--serie', 'E12', '--decalage', '1x-0,5')
moved = [(label['x'], label['y']) for label in labels_of(svg, 63.5) if label['page'] == 0]
status, svg, err = run('--planche', 'L7160', '--essai')
tried = labels_of(svg, 63.5)
check(moved[:2] == [(8.21, 14.65), (74.25, 14.65)] and len(tried) == 21
      and {label['page'] for label in tried} == {0}, f'offset {moved[:2]}, test page {len(tried)}')

# A full-bleed sheet prints nothing within 4 mm of the paper's edges, nor
# within 1.5 mm of each label's (give or take the pixel a glyph's edge
# spreads into).
grey = rendered(['--planche', '3474', '--serie', 'E96', '--de', '1', '--a', '10M'], 300,
                outlines=False)
step = 25.4 / 300
inked = [(x * step, y * step) for x in range(2480) for y in range(3508)
         if grey(x * step, y * step) < 250 and (
             min(x * step, y * step, 210 - x * step, 297 - y * step) < 4 - step
             or min(abs(x * step - 70 * round(x * step / 70)),
                    abs(y * step - 37 * round(y * step / 37))) < 1.5 - step)]
check(not inked, f'ink in the safe margins at {inked[:5]}')

# Bills of materials as each exporter writes them: the labels (value, first
# caption, references and count, package and power) and the notes, from the
# table in expected.txt.
def expected_bills():
    bills, name = {}, None
    for line in (BILLS / 'expected.txt').read_text(encoding='utf-8').splitlines():
        if line.startswith('== '):
            name = line[3:]
            bills[name] = ([], [])
        elif line.startswith('! '):
            bills[name][1].append(line[2:])
        elif line and not line.startswith('#'):
            bills[name][0].append(line.split(' | '))
    return bills


def matches(label, expected):
    """The label's value, first caption and references; the end of its line
    of markings where the bill names a package or a power."""
    texts = label['texts']
    value, caption, parts, *details = expected
    return ([texts[0], texts[-1]] == [value, parts] and texts[1].startswith(caption)
            and all(texts[-2].endswith('  ' + detail) for detail in details))


# "== FILE --sorte condensateur": the bill's capacitors.
for name, (expected, notes) in expected_bills().items():
    name, *asked = name.split(' ')
    status, svg, err = run('--nomenclature', str(BILLS / name), *asked)
    labels = labels_of(svg, 70) if status == 0 else []
    check(len(labels) == len(expected) and all(map(matches, labels, expected)),
          f'{name}: {[label["texts"] for label in labels]}')
    check(err.splitlines() == [f'resistances-code : {BILLS / note}' for note in notes],
          f'{name}: {err!r}')

# A PDF is refused on a terminal.
main, terminal = pty.openpty()
done = subprocess.run([TOOL, 'etiquettes', '--format', 'pdf'], stdout=terminal,
                      stderr=subprocess.PIPE, check=False, timeout=60)
check(done.returncode == 2 and b'terminal' in done.stderr, f'PDF on a terminal: {done.stderr}')

# Bytes in no encoding a spreadsheet saves: refused with the file's name.
status, svg, err = run('--nomenclature', '-', stdin=b'Designator,Value\nR1,10k\x81\n')
check(status == 2 and svg == b'' and '« - »' in err and 'ni en UTF-8, ni en UTF-16, ni en '
      'Windows-1252' in err, f'no encoding: {err}')

# Nothing to label: refused, with why.
status, svg, err = run('--nomenclature', '-', stdin=b'Designator,Comment\nC1,100n\nU1,NE555\n')
check(status == 2 and svg == b'' and 'aucune résistance lisible' in err, f'no resistor: {err}')

print(*(f'FAILED: {failure}' for failure in failures), f'label sheets: {len(failures)} failures',
      sep='\n')
sys.exit(1 if failures else 0)
