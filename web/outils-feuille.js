// SPDX-License-Identifier: GPL-3.0-or-later
// The tools page's sheet of labels, as the tool draws it.
'use strict';

// The sheet of labels: the tool's SVG, one picture a page at its true
// size for the printer, and the whole document to download.
const sheet = (() => {
    const place = document.querySelector('#etiquettes ~ .sheet');
    const pages = document.getElementById('feuille');
    const download = document.getElementById('telecharger');
    const printed = document.createElement('style');
    document.head.append(printed);
    let link = '';

    function show(svgText) {
        const drawn = new DOMParser().parseFromString(svgText, 'image/svg+xml').documentElement;
        const width = parseFloat(drawn.getAttribute('width'));
        const [height] = [...drawn.querySelectorAll('g.page > rect')]
            .map((rect) => parseFloat(rect.getAttribute('height')));
        pages.replaceChildren(...[...drawn.querySelectorAll('g.page')].map((group) => {
            const page = document.createElementNS(drawn.namespaceURI, 'svg');
            page.setAttribute('viewBox', `0 0 ${width} ${height}`);
            page.setAttribute('width', `${width}mm`);
            page.setAttribute('height', `${height}mm`);
            page.setAttribute('font-family', drawn.getAttribute('font-family'));
            const copy = document.importNode(group, true);
            copy.removeAttribute('transform');
            page.append(copy);
            return page;
        }));
        printed.textContent = `@page { size: ${width}mm ${height}mm; margin: 0; }
            @media print { #feuille svg { width: ${width}mm; height: ${height}mm; } }`;
        URL.revokeObjectURL(link);
        link = URL.createObjectURL(new Blob([svgText], { type: 'image/svg+xml' }));
        download.href = link;
        place.hidden = false;
    }

    function hide() {
        place.hidden = true;
        pages.replaceChildren();
    }

    document.getElementById('imprimer').addEventListener('click', () => window.print());
    return { show, hide };
})();
