// SPDX-License-Identifier: GPL-3.0-or-later
// The tools page's band reader: a resistor read by tapping its bands.
'use strict';

// The resistor read by tapping its bands. The module says what each band
// may be and reads the code; the address keeps the colours chosen, so
// that Back steps back and an answer can be sent.
const reader = (() => {
    const bands = document.querySelector('#lecteur .bands');
    const palette = document.getElementById('palette');
    const count = document.getElementById('bagues-nombre');
    let chosen = ['', '', '', ''];
    let places = [];
    let open = -1;  // the band whose palette shows
    let active = 0;  // the colour the keyboard is on

    // The colours of an address such as #bagues=jaune,violet,rouge,or;
    // nothing for any other, a mangled one included.
    const fromAddress = () => {
        const found = /^#bagues=([a-zA-Z,]*)$/.exec(location.hash);
        return found ? found[1].split(',') : null;
    };

    function draw() {
        const read = tools.call('tools_bands', chosen.join(','));
        places = read.places;
        chosen = places.map((place) => place.chosen || '');
        count.value = String(places.length);
        bands.replaceChildren(...places.map((place, index) => {
            const band = document.createElement('button');
            band.type = 'button';
            band.className = 'band';
            band.setAttribute('aria-label', place.label);
            band.setAttribute('aria-haspopup', 'listbox');
            band.setAttribute('aria-controls', 'palette');
            band.setAttribute('aria-expanded', String(index === open));
            band.dataset.colour = place.chosen || '';
            const stripe = document.createElement('span');
            stripe.className = place.chosen ? 'stripe' : 'stripe unchosen';
            const paint = place.colours.find((colour) => colour.name === place.chosen);
            if (paint) {
                stripe.style.background = paint.paint;
            }
            band.append(stripe);
            band.addEventListener('click', () => (open === index ? close() : show(index)));
            return band;
        }));
        const said = read.answer ? [read.answer] : [{ arguments: [], status: 0, out: read.missing, err: '' }];
        document.querySelector('#lecteur .answer').replaceChildren(...said.map(tools.shown));
        drawPalette();
    }

    function drawPalette() {
        palette.hidden = open < 0;
        if (open < 0) {
            palette.replaceChildren();
            palette.removeAttribute('aria-activedescendant');
            return;
        }
        const place = places[open];
        palette.setAttribute('aria-label', place.label);
        palette.replaceChildren(...place.colours.map((colour, index) => {
            const option = document.createElement('div');
            option.id = `couleur-${colour.name}`;
            option.setAttribute('role', 'option');
            option.setAttribute('aria-selected', String(colour.name === place.chosen));
            option.className = index === active ? 'active' : '';
            option.dataset.colour = colour.name;
            const swatch = document.createElement('span');
            swatch.className = 'swatch';
            swatch.style.background = colour.paint;
            swatch.setAttribute('aria-hidden', 'true');
            option.append(swatch, colour.name);
            option.addEventListener('click', () => choose(open, colour.name));
            return option;
        }));
        palette.setAttribute('aria-activedescendant', `couleur-${place.colours[active].name}`);
    }

    function remember() {
        history.pushState(null, '', `#bagues=${chosen.join(',')}`);
    }

    function show(index) {
        open = index;
        const at = places[index].colours.findIndex((colour) => colour.name === places[index].chosen);
        active = Math.max(at, 0);
        draw();
        palette.focus();
    }

    function close() {
        const band = open;
        open = -1;
        draw();
        if (band >= 0) {
            bands.children[band].focus();
        }
    }

    // A colour chosen: the next band's palette opens, until the last.
    function choose(index, name) {
        chosen[index] = name;
        remember();
        if (index + 1 < chosen.length) {
            show(index + 1);
        } else {
            close();
        }
    }

    palette.addEventListener('keydown', (event) => {
        const last = places[open].colours.length - 1;
        const moves = { ArrowRight: active + 1, ArrowDown: active + 1, ArrowLeft: active - 1,
            ArrowUp: active - 1, Home: 0, End: last };
        if (event.key in moves) {
            active = Math.min(Math.max(moves[event.key], 0), last);
            drawPalette();
        } else if (event.key === 'Enter' || event.key === ' ') {
            choose(open, places[open].colours[active].name);
        } else if (event.key === 'Escape') {
            close();
        } else {
            return;
        }
        event.preventDefault();
    });
    count.addEventListener('change', () => {
        chosen = Array.from({ length: Number(count.value) }, (_, i) => chosen[i] || '');
        open = -1;
        remember();
        draw();
    });
    window.addEventListener('popstate', () => {
        if (!tools.loaded()) {
            return;  // the address is read once the module is up
        }
        chosen = fromAddress() || ['', '', '', ''];
        open = -1;
        draw();
    });
    return {
        start() {
            chosen = fromAddress() || chosen;
            draw();
        },
        // The bands of what was typed in the field, when it has some.
        paint(names) {
            if (names.length > 0) {
                chosen = names;
                open = -1;
                remember();
                draw();
            }
        },
    };
})();
