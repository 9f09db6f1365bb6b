// SPDX-License-Identifier: GPL-3.0-or-later
// The tools page's forms. Each becomes the words of a resistances-code
// command: its own words, then the options its fields fill, each field naming
// its option (data-option); the same C++ as the tool, compiled to
// WebAssembly, answers. No rule and no wording of an answer lives here.
'use strict';

const toolsPage = (() => {
    const value = (id) => document.getElementById(id).value.trim();
    const field = (id) => document.getElementById(id);
    // A field's words, each with the field it came from, so that a complaint
    // about one is said under its field; `one` sends the field's text as a
    // single word, even empty.
    const words = (id) => value(id).split(/\s+/).filter((word) => word !== '')
        .map((word) => [word, field(id)]);
    const one = (id) => [[value(id), field(id)]];
    const verb = (...names) => names.map((name) => [name, null]);
    const chosen = (name) => document.querySelector(`input[name="${name}"]:checked`).value;

    // The options the fields fill, in the page's order: a field counts where
    // it is filled in and shown (what belongs to another way of asking stays
    // out of the question), and not where the field it gives way to
    // (data-unless) is filled in.
    const optionsIn = (fields) => fields
        .filter((input) => (input.type === 'checkbox' ? input.checked : input.value.trim() !== '')
            && !input.closest('[hidden]')
            && !(input.dataset.unless && value(input.dataset.unless) !== ''))
        .flatMap((input) => (input.type === 'checkbox' ? [[input.dataset.option, input]]
            : [[input.dataset.option, input], [input.value.trim(), input]]));
    // A form's own options, without those of the series its parts come from.
    const optionsOf = (form) => optionsIn([...field(form).querySelectorAll('[data-option]')]
        .filter((input) => !input.closest('.from-serie')));

    // Where the parts come from: the series and its bounds, or a stock or a
    // bill pasted or picked, with the name it goes by and its text; nothing
    // for a form that has no parts.
    const pasted = {};
    const unread = {};  // a picked file the tool cannot read, sent as it is for the tool to say so
    function sourceOf(form) {
        const source = document.querySelector(`input[name="${form}-source"]:checked`);
        if (!source) {
            return { words: [], name: '', bytes: new Uint8Array() };
        }
        const from = source.value;
        if (from === 'serie') {
            const fields = document.querySelectorAll(`#${form} .from-serie [data-option]`);
            return { words: optionsIn([...fields]), name: '', bytes: new Uint8Array() };
        }
        const name = pasted[form] || 'collé';
        const text = field(`${form}-stock`);
        const bytes = unread[form] || new TextEncoder().encode(text.value);
        return { words: [[from === 'nomenclature' ? '--nomenclature' : '--stock', text],
            [name, text]], name, bytes };
    }

    // The command's words, its options, then where its parts come from (a
    // sheet of labels says first what it labels); the answers, and the field
    // of each word.
    function said(form, command) {
        const source = sourceOf(form);
        const asked = form === 'etiquettes' ? [...command, ...source.words, ...optionsOf(form)]
            : [...command, ...optionsOf(form), ...source.words];
        return { answers: tools.run(asked.map(([word]) => word), source.name, source.bytes),
            fields: asked.map(([, input]) => input) };
    }
    // A complaint about no word in particular goes under the first of the
    // fields the question needs (`needed`) left empty, if any.
    function run(form, command, needed = []) {
        const { answers, fields } = said(form, command);
        const empty = needed.map(field)
            .find((input) => input.value.trim() === '' && !input.closest('[hidden]'));
        tools.answer(field(form), answers, fields, empty);
    }

    function labels(test = false) {
        const { answers, fields } = said('etiquettes', verb('etiquettes', ...(test ? ['--essai'] : [])));
        // The notes of a bill of materials, or the complaint; the sheet itself is a picture.
        tools.answer(field('etiquettes'), answers.filter((answer) => answer.err), fields);
        if (answers[0].status === 0) {
            sheet.show(answers[0].out);
            if (!answers[0].err) {
                tools.bringIntoView(document.querySelector('#etiquettes ~ .sheet'));
            }
        } else {
            sheet.hide();
        }
    }

    const questions = {
        lire: () => {
            const typed = words('en-main');
            tools.answer(field('lire'), tools.call('tools_in_hand', value('en-main')),
                [null, ...typed.map(([, input]) => input)]);
            reader.paint(tools.call('tools_bands_of', value('en-main')));
        },
        verifier: () => run('verifier', [...verb('verifier'), ...words('verifier-couleurs')],
            ['verifier-couleurs', 'verifier-mesure']),
        combiner: () => run('combiner', [...verb('combiner'), ...words('combiner-valeur')],
            ['combiner-valeur']),
        diviseur: () => {
            const sorte = value('diviseur-sorte');
            run('diviseur', [...verb('diviseur'), ...{
                diviseur: [...words('diviseur-entree'), ...words('diviseur-sortie')],
                reference: [...verb('--reference'), ...one('diviseur-reference'),
                    ...words('diviseur-sortie')],
                ajustable: [...verb('--ajustable'), ...one('diviseur-reference'),
                    ...words('diviseur-sortie')],
                gain: [...verb('--gain'), ...one('diviseur-gain')],
                rapport: [...verb('--rapport'), ...one('diviseur-rapport')],
            }[sorte]], ['diviseur-entree', 'diviseur-reference', 'diviseur-sortie']);
        },
        led: () => run('led', [...verb('led'), ...words('led-alimentation'),
            ...words('led-tension'), ...words('led-courant')],
            ['led-alimentation', 'led-tension', 'led-courant']),
        // A capacitor's marking is one text, read whole by the tool; an
        // inductor's bands are words.
        composant: () => {
            const sorte = value('composant-sorte');
            run('composant', [...verb(sorte), ...(sorte === 'condensateur'
                ? one('composant-marquage') : words('composant-marquage'))],
            ['composant-marquage']);
        },
        etiquettes: labels,
    };

    // A section folded away on a phone, or open again; a link to it opens it.
    function fold(button, open) {
        button.setAttribute('aria-expanded', String(open));
        button.textContent = open ? 'Replier' : 'Déplier';
        field(button.getAttribute('aria-controls')).hidden = !open;
    }

    function bind() {
        for (const [id, question] of Object.entries(questions)) {
            document.getElementById(id).addEventListener('submit', (event) => {
                event.preventDefault();
                tools.ask(question);
            });
        }
        for (const button of document.querySelectorAll('.plier')) {
            button.addEventListener('click', () => fold(button,
                button.getAttribute('aria-expanded') !== 'true'));
        }
        // On a phone, the sections after the reader start folded, but the
        // one the address names.
        if (matchMedia('(max-width: 47.99rem)').matches) {
            for (const button of [...document.querySelectorAll('.plier')].slice(1)) {
                fold(button, location.hash === `#${button.closest('section').id}`);
            }
        }
        for (const link of document.querySelectorAll('#sommaire a')) {
            link.addEventListener('click', () => {
                const section = document.querySelector(link.getAttribute('href'));
                fold(section.querySelector('.plier'), true);
            });
        }
        // A regulator's usual reference, there to change: in the field,
        // where it is empty or still holds the other kind's.
        const sortes = field('diviseur-sorte');
        const references = [...sortes.querySelectorAll('[data-reference]')]
            .map((option) => option.dataset.reference);
        sortes.addEventListener('change', () => {
            const usual = sortes.selectedOptions[0].dataset.reference;
            const reference = field('diviseur-reference');
            if (usual && (reference.value.trim() === ''
                    || references.includes(reference.value.trim()))) {
                reference.value = usual;
            }
        });
        // The labels' bounds of each kind of part, there to change: in the
        // fields where they still hold another kind's.
        const composants = field('etiquettes-composant');
        composants.addEventListener('change', () => {
            const kinds = [...composants.options];
            const chosenKind = composants.selectedOptions[0];
            for (const bound of ['de', 'a']) {
                const input = field(`etiquettes-${bound}`);
                if (kinds.some((kind) => kind.dataset[bound] === input.value.trim())) {
                    input.value = chosenKind.dataset[bound];
                }
            }
        });
        // Vérifier offers the reader's colours once a code is wholly chosen.
        window.addEventListener('bagues', (event) => {
            field('verifier-lecteur').hidden = !event.detail;
        });
        field('verifier-lecteur').addEventListener('click', () => {
            field('verifier-couleurs').value = reader.colours().join(' ');
            field('verifier-mesure').focus();
        });
        // Only the fields of the way of asking, and of the source, chosen.
        const showChosen = () => {
            const sorte = value('diviseur-sorte');
            for (const part of document.querySelectorAll('#diviseur [data-for]')) {
                part.hidden = !part.dataset.for.split(' ').includes(sorte);
            }
            const composant = value('composant-sorte');
            for (const part of document.querySelectorAll('#composant [data-for]')) {
                part.hidden = part.dataset.for !== composant;
            }
            const planche = chosen('etiquettes-sorte');
            for (const part of document.querySelectorAll('#etiquettes [data-for]')) {
                part.hidden = !part.dataset.for.split(' ').includes(planche);
            }
            for (const form of ['combiner', 'diviseur', 'led', 'etiquettes']) {
                const stock = chosen(`${form}-source`) !== 'serie';
                document.querySelector(`#${form} .from-serie`).hidden = stock;
                document.querySelector(`#${form} .from-stock`).hidden = !stock;
            }
        };
        document.addEventListener('change', showChosen);
        field('etiquettes-essai').addEventListener('click', () => {
            tools.ask(() => labels(true));
        });
        showChosen();
        for (const form of ['combiner', 'diviseur', 'led', 'etiquettes']) {
            document.getElementById(`${form}-fichier`).addEventListener('change', async (event) => {
                const [file] = event.target.files;
                if (file) {
                    // Its text as the tool reads it (a bill may be UTF-16 or
                    // Windows-1252), to be read and changed here.
                    const bytes = new Uint8Array(await file.arrayBuffer());
                    tools.ask(() => {
                        const text = tools.textOf(bytes);
                        document.getElementById(`${form}-stock`).value = text ?? '';
                        pasted[form] = file.name;
                        if (text === null) {
                            unread[form] = bytes;
                        } else {
                            delete unread[form];
                        }
                    });
                }
            });
            document.getElementById(`${form}-stock`).addEventListener('input', () => {
                delete pasted[form];
                delete unread[form];
            });
        }
    }

    function ready() {
        // Every series the tool knows, the one shown until now still chosen.
        for (const select of document.querySelectorAll('select.sheets')) {
            const shown = select.value;
            select.replaceChildren(...tools.call('tools_sheets').map(([code, line]) =>
                new Option(line, code, false, code === shown)));
        }
        const series = tools.call('tools_series');
        for (const select of document.querySelectorAll('select.series')) {
            const shown = select.value;
            select.replaceChildren(...series.map((name) => new Option(name, name, false,
                name === shown)));
        }
        reader.start();
        performance.mark('resistances-model-ready');
        window.resistancesReady = true;
        if ('serviceWorker' in navigator && location.protocol !== 'file:') {
            navigator.serviceWorker.register('sw.js');
        }
    }

    bind();
    tools.load(ready);
    return { call: tools.call, run: tools.run };
})();
