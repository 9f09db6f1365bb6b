#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sheets of labels as SVG: XML, labels at the pitch asked for, the texts of the
PDF; bills of materials as exporters write them, with their labels and notes.
Usage: label_sheets.py RESISTANCES_CODE BILLS_FOLDER"""
import pty
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

TOOL, BILLS = sys.argv[1], Path(sys.argv[2])
SVG = '{http://www.w3.org/2000/svg}'
failures = []


def check(condition, message):
    failures.extend([] if condition else [message])


def run(*arguments, stdin=b''):
    done = subprocess.run([TOOL, 'etiquettes', *arguments], input=stdin, capture_output=True,
                          check=False)
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
    return ([texts[0], texts[1], texts[-1]] == [value, caption, parts]
            and all(texts[-2].endswith('  ' + detail) for detail in details))


for name, (expected, notes) in expected_bills().items():
    status, svg, err = run('--nomenclature', str(BILLS / name))
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
