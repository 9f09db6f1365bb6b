// SPDX-License-Identifier: GPL-3.0-or-later
// The tools page's forms. Each becomes the words of a resistances-code
// command: its own words, then the options its fields fill, each field naming
// its option (data-option); the same C++ as the tool, compiled to
// WebAssembly, answers. No rule and no wording of an answer lives here.
'use strict';

const toolsPage = (() => {
    const value = (id) => document.getElementById(id).value.trim();
    const words = (id) => value(id).split(/\s+/).filter((word) => word !== '');
    const chosen = (name) => document.querySelector(`input[name="${name}"]:checked`).value;

    // The options the fields fill, in the page's order: a field counts where
    // it is filled in and shown (what belongs to another way of asking stays
    // out of the question), and not where the field it gives way to
    // (data-unless) is filled in.
    const optionsIn = (fields) => fields
        .filter((field) => (field.type === 'checkbox' ? field.checked : field.value.trim() !== '')
            && !field.closest('[hidden]')
            && !(field.dataset.unless && value(field.dataset.unless) !== ''))
        .flatMap((field) => (field.type === 'checkbox' ? [field.dataset.option]
            : [field.dataset.option, field.value.trim()]));
    // A form's own options, without those of the series its parts come from.
    const optionsOf = (form) => optionsIn([...document.getElementById(form)
        .querySelectorAll('[data-option]')].filter((field) => !field.closest('.from-serie')));

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
        const bytes = unread[form] || new TextEncoder().encode(
            document.getElementById(`${form}-stock`).value);
        return { words: [from === 'nomenclature' ? '--nomenclature' : '--stock', name], name,
            bytes };
    }

    // The command's words, its options, then where its parts come from (a
    // sheet of labels says first what it labels).
    function said(form, command) {
        const source = sourceOf(form);
        const words = form === 'etiquettes' ? [...command, ...source.words, ...optionsOf(form)]
            : [...command, ...optionsOf(form), ...source.words];
        return tools.run(words, source.name, source.bytes);
    }
    const run = (form, command) => tools.answer(document.getElementById(form), said(form, command));

    function labels(test = false) {
        const answers = said('etiquettes', ['etiquettes', ...(test ? ['--essai'] : [])]);
        // The notes of a bill of materials, or the complaint; the sheet itself is a picture.
        tools.answer(document.getElementById('etiquettes'), answers.filter((one) => one.err));
        if (answers[0].status === 0) {
            sheet.show(answers[0].out);
        } else {
            sheet.hide();
        }
    }

    const questions = {
        lire: () => {
            tools.answer(document.getElementById('lire'),
                tools.call('tools_in_hand', value('en-main')));
            reader.paint(tools.call('tools_bands_of', value('en-main')));
        },
        verifier: () => run('verifier', ['verifier', ...words('verifier-couleurs')]),
        combiner: () => run('combiner', ['combiner', ...words('combiner-valeur')]),
        diviseur: () => {
            const sorte = chosen('diviseur-sorte');
            run('diviseur', ['diviseur', ...{
                diviseur: [...words('diviseur-entree'), ...words('diviseur-sortie')],
                reference: ['--reference', value('diviseur-reference'), ...words('diviseur-sortie')],
                ajustable: ['--ajustable', value('diviseur-reference'), ...words('diviseur-sortie')],
                gain: ['--gain', value('diviseur-gain')],
                rapport: ['--rapport', value('diviseur-rapport')],
            }[sorte]]);
        },
        led: () => run('led', ['led', ...words('led-alimentation'), ...words('led-tension'),
            ...words('led-courant')]),
        etiquettes: labels,
    };

    function bind() {
        for (const [id, question] of Object.entries(questions)) {
            document.getElementById(id).addEventListener('submit', (event) => {
                event.preventDefault();
                tools.ask(question);
            });
        }
        // Only the fields of the way of asking, and of the source, chosen.
        const showChosen = () => {
            const sorte = chosen('diviseur-sorte');
            for (const part of document.querySelectorAll('#diviseur [data-for]')) {
                part.hidden = !part.dataset.for.split(' ').includes(sorte);
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
        document.getElementById('etiquettes-essai').addEventListener('click', () => {
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
