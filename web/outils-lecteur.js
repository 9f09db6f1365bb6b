// SPDX-License-Identifier: GPL-3.0-or-later
// The tools page's band reader: a resistor or an inductor read by tapping
// its bands.
'use strict';

// The resistor read by tapping its bands. The module says what each band
// may be and reads the code; the address keeps the colours chosen, so
// that Back steps back and an answer can be sent.
const reader = (() => {
    const bands = document.querySelector('#lecteur .bands');
    const palette = document.getElementById('palette');
    const paletteBox = palette.parentElement;
    const reading = document.querySelector('#lecteur .answer');
    // The reader as the page's module first gives it, four bands to choose,
    // written into the page: drawn from the first frame, before the module
    // has loaded.
    const first = JSON.parse(document.getElementById('lecteur-depart').textContent);
    const count = document.getElementById('bagues-nombre');
    const body = document.querySelector('#lecteur .resistor');
    let kind = 'resistance';  // or 'inductance'
    let chosen = ['', '', '', ''];
    let places = [];
    let open = -1;  // the band whose palette shows
    let active = 0;  // the colour the keyboard is on

    // The colours of an address such as #bagues=jaune,violet,rouge,or, or
    // #inductance=... for an inductor's, which sets the kind read; nothing
    // for any other, a mangled one included.
    const fromAddress = () => {
        const found = /^#(bagues|inductance)=([a-zA-Z,]*)$/.exec(location.hash);
        if (!found) {
            return null;
        }
        kind = found[1] === 'inductance' ? 'inductance' : 'resistance';
        return found[2].split(',');
    };

    // What the module reads of the colours chosen; until it has loaded, its
    // first state with the colours chosen since, and a reading to come.
    function read() {
        if (tools.loaded()) {
            const part = kind === 'inductance' ? 'inductance;' : '';
            return tools.call('tools_bands', part + chosen.join(','));
        }
        const waiting = chosen.length === first.places.length ? chosen : first.places.map(() => '');
        return { places: first.places.map((place, index) => ({ ...place,
            chosen: place.colours.some((colour) => colour.name === waiting[index])
                ? waiting[index] : null })), missing: reading.dataset.loading, answer: null };
    }

    function draw() {
        const state = read();
        places = state.places;
        chosen = places.map((place) => place.chosen || '');
        count.value = String(places.length);
        // An inductor has 4 bands, or the military 5, on a body of its own.
        for (const option of count.options) {
            option.disabled = kind === 'inductance' && !['4', '5'].includes(option.value);
        }
        body.classList.toggle('inductor', kind === 'inductance');
        document.querySelector(`input[name="lecteur-sorte"][value="${kind}"]`).checked = true;
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
                stripe.style.backgroundColor = paint.paint;
                stripe.dataset.colour = paint.name;
            }
            band.append(stripe);
            band.addEventListener('click', () => (open === index ? close() : show(index)));
            return band;
        }));
        const said = state.answer ? [state.answer]
            : [{ arguments: [], status: 0, out: state.missing, err: '' }];
        reading.replaceChildren(...said.map(tools.shown));
        reading.classList.toggle('loading', !tools.loaded());
        drawPalette();
        window.dispatchEvent(new CustomEvent('bagues',
            { detail: kind === 'resistance' && chosen.every((name) => name) }));
    }

    function drawPalette() {
        paletteBox.hidden = open < 0;
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
            swatch.dataset.colour = colour.name;
            swatch.style.backgroundColor = colour.paint;
            swatch.setAttribute('aria-hidden', 'true');
            option.append(swatch, colour.name);
            option.addEventListener('click', () => choose(open, colour.name));
            return option;
        }));
        palette.setAttribute('aria-activedescendant', `couleur-${place.colours[active].name}`);
    }

    function remember() {
        const name = kind === 'inductance' ? 'inductance' : 'bagues';
        history.pushState(null, '', `#${name}=${chosen.join(',')}`);
    }

    // A band's palette, under the reading, which stays in view above it.
    function show(index) {
        open = index;
        const at = places[index].colours.findIndex((colour) => colour.name === places[index].chosen);
        active = Math.max(at, 0);
        draw();
        palette.focus({ preventScroll: true });
        paletteBox.scrollIntoView({ block: 'nearest' });
    }

    // The palette closed: back onto its band, or, after a tap elsewhere,
    // leaving the focus where the tap put it.
    function close(refocus = true) {
        const band = open;
        open = -1;
        draw();
        if (band >= 0 && refocus) {
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
    document.getElementById('palette-fermer').addEventListener('click', () => close());
    // A tap or click outside the palette and the bands closes it; so does
    // Escape, wherever the focus is.
    document.addEventListener('pointerdown', (event) => {
        if (open >= 0 && !paletteBox.contains(event.target) && !bands.contains(event.target)) {
            close(false);
        }
    });
    document.addEventListener('keydown', (event) => {
        if (open >= 0 && event.key === 'Escape' && !palette.contains(event.target)) {
            close();
        }
    });
    for (const choice of document.querySelectorAll('input[name="lecteur-sorte"]')) {
        choice.addEventListener('change', () => {
            kind = choice.value;
            chosen = ['', '', '', ''];
            open = -1;
            remember();
            draw();
        });
    }
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
        const colours = fromAddress();
        if (!colours) {
            kind = 'resistance';
        }
        chosen = colours || ['', '', '', ''];
        open = -1;
        draw();
    });
    // Drawn at once, from the page's first state; again once the module has loaded.
    chosen = fromAddress() || chosen;
    draw();
    requestAnimationFrame(() => performance.mark('resistances-reader-ready'));
    return {
        start() {
            chosen = fromAddress() || chosen;
            draw();
        },
        // The colours of a resistor's code wholly chosen, for another form.
        colours: () => (kind === 'resistance' && chosen.every((name) => name) ? [...chosen] : []),
        // The bands of what was typed in the field, when it has some.
        paint(names) {
            if (names.length > 0) {
                kind = 'resistance';
                chosen = names;
                open = -1;
                remember();
                draw();
            }
        },
    };
})();
