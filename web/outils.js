// SPDX-License-Identifier: GPL-3.0-or-later
// The tools page's binding. Each form becomes the words of a resistances-code
// command; the same C++ as the tool, compiled to WebAssembly, answers, and
// the page shows its text as it is, each colour name with a swatch beside
// it. No rule and no wording of an answer lives here.
'use strict';

const toolsPage = (() => {
    const waiting = [];  // what was asked before the module had loaded
    let module = null;
    let swatches = {};

    // The module's WebAssembly is carried gzipped in base64 inside a script,
    // so that a page opened from a file needs no fetch.
    async function instantiate(imports) {
        const bytes = Uint8Array.from(atob(toolsWasm), (c) => c.charCodeAt(0));
        const inflated = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
        const binary = await new Response(inflated).arrayBuffer();
        return WebAssembly.instantiate(binary, imports);
    }

    function call(name, ...words) {
        return JSON.parse(module.ccall(name, 'string', words.map(() => 'string'), words));
    }

    function ask(question) {
        if (module === null) {
            waiting.push(question);
            return;
        }
        question();
    }

    // One answer: its text as the tool prints it, on the standard output or,
    // for a complaint, the error stream.
    function shown(answer) {
        const block = document.createElement('p');
        block.className = answer.err ? 'text problem' : 'text';
        block.dataset.arguments = JSON.stringify(answer.arguments);
        block.dataset.status = answer.status;
        const text = answer.err || answer.out;
        const names = Object.keys(swatches).join('|');
        let last = 0;
        for (const found of text.matchAll(new RegExp(`\\b(${names})\\b`, 'g'))) {
            block.append(text.slice(last, found.index));
            const colour = document.createElement('span');
            const swatch = document.createElement('span');
            colour.className = 'colour';
            swatch.className = 'swatch';
            swatch.style.background = swatches[found[0]];
            swatch.setAttribute('aria-hidden', 'true');
            colour.append(swatch, found[0]);
            block.append(colour);
            last = found.index + found[0].length;
        }
        block.append(text.slice(last));
        return block;
    }

    function answer(form, answers) {
        const place = form.parentElement.querySelector(':scope > .answer');
        place.replaceChildren(...answers.map(shown));
    }

    const value = (id) => document.getElementById(id).value.trim();
    const words = (id) => value(id).split(/\s+/).filter((word) => word !== '');
    const chosen = (name) => document.querySelector(`input[name="${name}"]:checked`).value;
    // An option only where its field is filled in and shown: what belongs to
    // another way of asking stays out of the question.
    const option = (name, id) => (value(id) === '' || document.getElementById(id).closest('[hidden]')
        ? [] : [name, value(id)]);
    const options = (form, names) => names.flatMap((name) => option(`--${name}`, `${form}-${name}`));

    // Where the parts come from: a series, or the stock pasted or picked.
    const stocks = {};
    function source(form) {
        const from = chosen(`${form}-source`);
        if (from === 'serie') {
            return { words: ['--serie', value(`${form}-serie`),
                ...(['combiner', 'etiquettes'].includes(form) ? [...option('--de', `${form}-de`),
                    ...option('--a', `${form}-a`)] : [])],
            name: '', text: '' };
        }
        const name = stocks[form] || 'collé';
        return { words: [from === 'nomenclature' ? '--nomenclature' : '--stock', name], name,
            text: document.getElementById(`${form}-stock`).value };
    }

    function run(form, command, from = { words: [], name: '', text: '' }) {
        const all = [...command, ...from.words];
        answer(document.getElementById(form),
            call('tools_run', all.join('\n'), from.name, from.text));
    }

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
            const read = call('tools_bands', chosen.join(','));
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
            document.querySelector('#lecteur .answer').replaceChildren(...said.map(shown));
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
            if (module === null) {
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

    function labels() {
        const sized = value('etiquettes-taille') !== '';
        const from = source('etiquettes');
        const said = call('tools_run', ['etiquettes', ...from.words, '--page', value('etiquettes-page'),
            ...(sized ? option('--taille', 'etiquettes-taille') : option('--grille', 'etiquettes-grille')),
            ...option('--marges', 'etiquettes-marges')].join('\n'), from.name, from.text);
        // The notes of a bill of materials, or the complaint; the sheet itself is a picture.
        answer(document.getElementById('etiquettes'), said.filter((one) => one.err));
        if (said[0].status === 0) {
            sheet.show(said[0].out);
        } else {
            sheet.hide();
        }
    }

    const questions = {
        lire: () => {
            answer(document.getElementById('lire'), call('tools_in_hand', value('en-main')));
            reader.paint(call('tools_bands_of', value('en-main')));
        },
        verifier: () => run('verifier',
            ['verifier', ...words('verifier-couleurs'), ...option('--mesure', 'verifier-mesure')]),
        combiner: () => run('combiner', ['combiner', ...words('combiner-valeur'),
            '--parties', value('combiner-parties'), '--nombre', value('combiner-nombre'),
            ...options('combiner', ['tension', 'courant', 'marge', 'puissance'])],
        source('combiner')),
        diviseur: () => {
            const sorte = chosen('diviseur-sorte');
            const asked = {
                diviseur: [...words('diviseur-entree'), ...words('diviseur-sortie')],
                reference: ['--reference', value('diviseur-reference'), ...words('diviseur-sortie')],
                ajustable: ['--ajustable', value('diviseur-reference'), ...words('diviseur-sortie')],
                gain: ['--gain', value('diviseur-gain')],
                rapport: ['--rapport', value('diviseur-rapport')],
            }[sorte];
            run('diviseur', ['diviseur', ...asked, '--parties', value('diviseur-parties'),
                ...option('--total-min', 'diviseur-total-min'),
                ...option('--total-max', 'diviseur-total-max'),
                ...option('--tolerance', 'diviseur-tolerance'),
                '--nombre', value('diviseur-nombre'),
                ...options('diviseur', ['charge', 'tolerance-entree', 'fixe-r1', 'fixe-r2',
                    'courant-broche', 'courant-broche-max', 'tolerance-reference',
                    'courant-max', 'courant-min', 'marge', 'puissance'])], source('diviseur'));
        },
        led: () => run('led', ['led', ...words('led-alimentation'), ...words('led-tension'),
            ...words('led-courant'), '--leds', value('led-leds'),
            ...options('led', ['tolerance', 'tolerance-entree', 'marge', 'puissance'])],
        source('led')),
        etiquettes: labels,
    };

    function bind() {
        for (const [id, question] of Object.entries(questions)) {
            document.getElementById(id).addEventListener('submit', (event) => {
                event.preventDefault();
                ask(question);
            });
        }
        // Only the fields of the way of asking, and of the source, chosen.
        const showChosen = () => {
            const sorte = chosen('diviseur-sorte');
            for (const part of document.querySelectorAll('#diviseur [data-for]')) {
                part.hidden = !part.dataset.for.split(' ').includes(sorte);
            }
            for (const form of ['combiner', 'diviseur', 'led', 'etiquettes']) {
                const stock = chosen(`${form}-source`) !== 'serie';
                document.querySelector(`#${form} .from-serie`).hidden = stock;
                document.querySelector(`#${form} .from-stock`).hidden = !stock;
            }
        };
        document.addEventListener('change', showChosen);
        showChosen();
        for (const form of ['combiner', 'diviseur', 'led', 'etiquettes']) {
            document.getElementById(`${form}-fichier`).addEventListener('change', async (event) => {
                const [file] = event.target.files;
                if (file) {
                    document.getElementById(`${form}-stock`).value = await file.text();
                    stocks[form] = file.name;
                }
            });
            document.getElementById(`${form}-stock`).addEventListener('input', () => {
                delete stocks[form];
            });
        }
    }

    function start(loaded) {
        module = loaded;
        swatches = call('tools_colours');
        // Every series the tool knows, the one shown until now still chosen.
        const series = call('tools_series');
        for (const select of document.querySelectorAll('select.series')) {
            const chosen = select.value;
            select.replaceChildren(...series.map((name) => new Option(name, name, false,
                name === chosen)));
        }
        reader.start();
        waiting.splice(0).forEach((question) => question());
        performance.mark('resistances-model-ready');
        window.resistancesReady = true;
        if ('serviceWorker' in navigator && location.protocol !== 'file:') {
            navigator.serviceWorker.register('sw.js');
        }
    }

    bind();
    // The module loads once the first frame is up: that frame needs nothing of it.
    requestAnimationFrame(() => setTimeout(() => {
        window.Module = {
            instantiateWasm(imports, receive) {
                instantiate(imports).then((made) => receive(made.instance));
                return {};
            },
            onRuntimeInitialized() {
                start(window.Module);
            },
        };
        for (const script of ['tools-wasm.js', 'tools.js']) {
            document.body.append(Object.assign(document.createElement('script'),
                { src: script, async: false }));
        }
    }));
    return { call };
})();
