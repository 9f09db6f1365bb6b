// SPDX-License-Identifier: GPL-3.0-or-later
// The tools page's module: resistances-code's verbs compiled to WebAssembly,
// loaded once the first frame is up, and its answers shown as the tool
// gives them to the page, a line a block, each colour name with a swatch
// beside it, a complaint under the field it is about.
'use strict';

const tools = (() => {
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

    // Bytes in the module's memory for the length of one call: a file may be
    // larger than the stack, and UTF-16 holds zero bytes a string would end at.
    function withBytes(bytes, use) {
        const at = module._malloc(Math.max(bytes.length, 1));
        module.HEAPU8.set(bytes, at);
        try {
            return use(at);
        } finally {
            module._free(at);
        }
    }

    // A command's words, and the stock or bill it reads: its name and bytes.
    function run(words, name, bytes) {
        return withBytes(bytes, (at) => JSON.parse(module.ccall('tools_run', 'string',
            ['string', 'string', 'number', 'number'], [words.join('\n'), name, at, bytes.length])));
    }

    // A picked file's text, as the tool reads it; null where it cannot.
    function textOf(bytes) {
        return withBytes(bytes, (at) => JSON.parse(module.ccall('tools_text_of', 'string',
            ['number', 'number'], [at, bytes.length])));
    }

    function ask(question) {
        if (module === null) {
            waiting.push(question);
            return;
        }
        question();
    }

    // Each colour name of a text with a swatch beside it.
    function coloured(place, text) {
        const names = Object.keys(swatches).join('|');
        let last = 0;
        for (const found of names ? text.matchAll(new RegExp(`\\b(${names})\\b`, 'g')) : []) {
            place.append(text.slice(last, found.index));
            const colour = document.createElement('span');
            const swatch = document.createElement('span');
            colour.className = 'colour';
            swatch.className = 'swatch';
            swatch.dataset.colour = found[0].toLowerCase();
            swatch.style.backgroundColor = swatches[found[0]];
            swatch.setAttribute('aria-hidden', 'true');
            colour.append(swatch, found[0]);
            place.append(colour);
            last = found.index + found[0].length;
        }
        place.append(text.slice(last));
    }

    // One line of an answer, a block: its indent kept for the lines it
    // wraps onto; the tool's own spaces stay in the text, unseen.
    function lineOf(text, headline) {
        const line = document.createElement('span');
        const indent = text.length - text.trimStart().length;
        line.className = headline ? 'line headline' : 'line';
        line.style.setProperty('--indent', `${indent}ch`);
        if (indent > 0) {
            const spaces = document.createElement('span');
            spaces.className = 'indent';
            spaces.textContent = text.slice(0, indent);
            line.append(spaces);
        }
        coloured(line, text.slice(indent));
        return line;
    }

    // One answer: its text as the tool gives the page, or, for a complaint,
    // as a form says it; the ranked answers (or else the first line) set apart.
    function shown(answer) {
        const block = document.createElement('p');
        block.className = answer.err ? 'text problem' : 'text';
        block.dataset.arguments = JSON.stringify(answer.arguments);
        block.dataset.status = answer.status;
        const text = answer.err || answer.out;
        const lines = text.split('\n');
        const ranked = lines.some((line) => /^\d+\. /.test(line));
        lines.forEach((line, index) => {
            if (index > 0) {
                block.append('\n');
            }
            if (line !== '') {
                block.append(lineOf(line, ranked ? /^\d+\. /.test(line) : index === 0));
            }
        });
        return block;
    }

    // The page's move after an answer: to the first field a complaint is
    // about, or to the answer itself; focused, its top in view.
    function bringIntoView(place) {
        place.focus({ preventScroll: true });
        place.scrollIntoView({ block: 'start' });
    }

    // A form's answers. A complaint about one of the words goes under the
    // field it came from (`fields`, one per word), one about none of them
    // under `empty`, a field the question needed and found empty; each said
    // there only; the rest in the answer below the form.
    function answer(form, answers, fields = [], empty = undefined) {
        for (const said of form.querySelectorAll('.problem-of-field')) {
            const field = document.getElementById(said.dataset.field);
            field.removeAttribute('aria-invalid');
            field.setAttribute('aria-describedby', (field.getAttribute('aria-describedby') || '')
                .split(' ').filter((id) => id && id !== said.id).join(' '));
            if (!field.getAttribute('aria-describedby')) {
                field.removeAttribute('aria-describedby');
            }
            said.remove();
        }
        const place = form.parentElement.querySelector(':scope > .answer');
        const seen = new Set();
        const general = [];
        let first = null;
        for (const one of answers) {
            const key = one.err || one.out;
            if (seen.has(key)) {
                continue;  // the same complaint from two ways of asking, said once
            }
            seen.add(key);
            const field = one.status !== 2 ? undefined
                : one.word >= 0 ? fields[one.word] : empty;
            if (!field) {
                general.push(one);
                continue;
            }
            const said = shown(one);
            said.classList.add('problem-of-field');
            said.id = `${field.id}-probleme`;
            said.dataset.field = field.id;
            field.setAttribute('aria-invalid', 'true');
            field.setAttribute('aria-describedby',
                `${field.getAttribute('aria-describedby') || ''} ${said.id}`.trim());
            (field.nextElementSibling?.classList.contains('aide') ? field.nextElementSibling : field)
                .after(said);
            first = first || field;
        }
        place.replaceChildren(...general.map(shown));
        if (first) {
            first.closest('details')?.setAttribute('open', '');
            bringIntoView(first);
        } else if (general.length > 0) {
            bringIntoView(place);
        }
    }

    // The module once it has loaded; what was asked before then runs now.
    function load(onReady) {
        // The module loads once the first frame is up: that frame needs nothing of it.
        requestAnimationFrame(() => setTimeout(() => {
            window.Module = {
                instantiateWasm(imports, receive) {
                    instantiate(imports).then((made) => receive(made.instance));
                    return {};
                },
                onRuntimeInitialized() {
                    module = window.Module;
                    swatches = call('tools_colours');
                    onReady();
                    waiting.splice(0).forEach((question) => question());
                },
            };
            for (const script of ['tools-wasm.js', 'tools.js']) {
                document.body.append(Object.assign(document.createElement('script'),
                    { src: script, async: false }));
            }
        }));
    }

    return { call, run, textOf, ask, shown, answer, bringIntoView, load,
        loaded: () => module !== null };
})();
