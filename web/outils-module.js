// SPDX-License-Identifier: GPL-3.0-or-later
// The tools page's module: resistances-code's verbs compiled to WebAssembly,
// loaded once the first frame is up, and its answers shown as the tool
// prints them, each colour name with a swatch beside it.
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

    return { call, run, textOf, ask, shown, answer, load, loaded: () => module !== null };
})();
