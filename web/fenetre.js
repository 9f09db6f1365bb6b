// SPDX-License-Identifier: GPL-3.0-or-later
// The page's binding to the calculator model. The window's markup comes built,
// in the state the model shows when first exposed; this binds it: clicks,
// keys and exposures go to the WebAssembly model, and after each the page
// mirrors the model's whole visible state. No calculator rule lives here.
'use strict';

var Module = {
    onRuntimeInitialized() {
        resistancesPage.start();
    },
};

const resistancesPage = (() => {
    const model = {
        state: () => JSON.parse(Module.ccall('resistances_state', 'string', [], [])),
        expose: () => Module.ccall('resistances_expose', null, [], []),
        select: (list, row) =>
            Module.ccall('resistances_select', null, ['string', 'number'], [list, row]),
        choose: (radio) => Module.ccall('resistances_choose', null, ['string'], [radio]),
        type: (edit, text) =>
            Module.ccall('resistances_type', null, ['string', 'string'], [edit, text]),
        menu: (item) => Module.ccall('resistances_menu', null, ['string'], [item]),
    };

    const byId = (elements) => Object.fromEntries([...elements].map((e) => [e.id, e]));
    const views = {
        lists: byId(document.querySelectorAll('[role="listbox"]')),
        edits: byId(document.querySelectorAll('input.edit')),
        radios: byId(document.querySelectorAll('[role="radio"]')),
        bands: byId(document.querySelectorAll('.band')),
    };
    const menu = document.getElementById('menu');
    const menuItem = document.getElementById('menu-about');
    const dialog = document.getElementById('message');
    const messages = [];
    const waiting = [];  // what the user did before the model had loaded
    let ready = false;

    function act(action) {
        if (!ready) {
            waiting.push(action);
            return;
        }
        action();
        mirror(model.state());
    }

    function mirror(state) {
        const controls = state.controls;
        for (const [name, [index, enabled]] of Object.entries(controls.lists)) {
            const list = views.lists[name];
            list.setAttribute('aria-disabled', String(!enabled));
            list.tabIndex = enabled ? 0 : -1;
            [...list.children].forEach((item, row) => {
                item.setAttribute('aria-selected', String(row === index));
            });
            if (index >= 0) {
                const item = list.children[index];
                list.setAttribute('aria-activedescendant', item.id);
                if (item.offsetTop < list.scrollTop ||
                    item.offsetTop + item.offsetHeight > list.scrollTop + list.clientHeight) {
                    list.scrollTop = item.offsetTop;
                }
            } else {
                list.removeAttribute('aria-activedescendant');
            }
        }
        for (const [name, text] of Object.entries(controls.edits)) {
            // Only a changed text is set, so the caret stays where the user types.
            if (views.edits[name].value !== text) {
                views.edits[name].value = text;
            }
        }
        for (const [name, checked] of Object.entries(controls.radios)) {
            views.radios[name].setAttribute('aria-checked', String(checked));
        }
        for (const [name, [colour, description]] of Object.entries(controls.bands)) {
            const band = views.bands[name];
            band.style.background = colour === null ? '' : colour;
            band.setAttribute('aria-label', description);
        }
        if (state.error) {
            messages.push([state.error, 'Erreur']);
        }
        messages.push(...state.messages);
        showNextMessage();
    }

    // The model's message boxes are modal: the next one opens once the user
    // has closed the one before.
    function showNextMessage() {
        if (dialog.open || messages.length === 0) {
            return;
        }
        const [text, caption] = messages.shift();
        document.getElementById('message-caption').textContent = caption;
        document.getElementById('message-text').textContent = text;
        dialog.showModal();
    }

    function selectedRow(list) {
        return [...list.children].findIndex((item) => item.getAttribute('aria-selected') === 'true');
    }

    // The arrow keys, Home, End and the page keys choose in a list as a click does.
    function listKey(event, list) {
        const rows = list.children.length;
        const page = Math.max(1, Math.floor(list.clientHeight / list.children[0].offsetHeight));
        const current = selectedRow(list);
        const moves = {
            ArrowDown: current + 1, ArrowUp: current - 1, Home: 0, End: rows - 1,
            PageDown: current + page, PageUp: current - page,
        };
        if (!(event.key in moves)) {
            return;
        }
        event.preventDefault();
        const row = Math.min(Math.max(moves[event.key], 0), rows - 1);
        if (row !== current) {
            act(() => model.select(list.id, row));
        }
    }

    function bindLists() {
        for (const list of Object.values(views.lists)) {
            [...list.children].forEach((item, row) => {
                item.addEventListener('mousedown', (event) => {
                    event.preventDefault();
                    list.focus();
                    act(() => model.select(list.id, row));
                });
            });
            list.addEventListener('keydown', (event) => listKey(event, list));
        }
    }

    function bindRadios() {
        for (const radio of Object.values(views.radios)) {
            radio.addEventListener('click', () => {
                radio.focus();
                act(() => model.choose(radio.id));
            });
            radio.addEventListener('keydown', (event) => {
                if (event.key === ' ') {
                    event.preventDefault();
                    act(() => model.choose(radio.id));
                }
            });
        }
    }

    // What the user types in a field that takes it reaches the model whole, as
    // the Qt window reports an edit; the model keeps it until it next sets
    // the text.
    function bindEdits() {
        for (const edit of Object.values(views.edits)) {
            if (!edit.readOnly) {
                edit.addEventListener('input', () => act(() => model.type(edit.id, edit.value)));
            }
        }
    }

    function showMenu(x, y) {
        menu.hidden = false;
        Object.assign(menu.style, { left: `${x}px`, top: `${y}px` });
        menuItem.focus();
    }

    // The popup menu: a right click, the context-menu key or Shift+F10.
    function bindMenu() {
        const choose = () => {
            menu.hidden = true;
            act(() => model.menu('proposde1'));
        };
        menuItem.addEventListener('click', choose);
        menuItem.addEventListener('keydown', (event) => {
            if (event.key === 'Enter' || event.key === ' ') {
                event.preventDefault();
                choose();
            } else if (event.key === 'Escape') {
                menu.hidden = true;
            }
        });
        document.getElementById('window').addEventListener('contextmenu', (event) => {
            event.preventDefault();
            showMenu(event.clientX, event.clientY);
        });
        document.addEventListener('keydown', (event) => {
            if (event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey)) {
                event.preventDefault();
                const focused = document.activeElement.getBoundingClientRect();
                showMenu(focused.left + 4, focused.bottom);
            }
        });
        document.addEventListener('mousedown', (event) => {
            if (!menu.contains(event.target)) {
                menu.hidden = true;
            }
        });
        dialog.addEventListener('close', showNextMessage);
    }

    // The model has loaded: it is shown the window as the Qt window is by the
    // window system, then gets what the user did meanwhile. A page shown
    // again and a resize are exposures of the whole window too.
    function start() {
        ready = true;
        act(() => model.expose());
        waiting.splice(0).forEach(act);
        document.addEventListener('visibilitychange', () => {
            if (document.visibilityState === 'visible') {
                act(() => model.expose());
            }
        });
        window.addEventListener('resize', () => act(() => model.expose()));
        performance.mark('resistances-model-ready');
        window.resistancesReady = true;
        // A served page keeps itself for the next visit offline.
        if ('serviceWorker' in navigator && location.protocol !== 'file:') {
            navigator.serviceWorker.register('sw.js');
        }
    }

    // The page as the user sees it, in the model's own shape: for the tests
    // that compare it with the native model.
    function mirrored() {
        const entries = (views, read) =>
            Object.fromEntries(Object.entries(views).map(([name, view]) => [name, read(view)]));
        const hex = (colour) => colour === ''
            ? null
            : '#' + colour.match(/\d+/g).slice(0, 3)
                .map((n) => Number(n).toString(16).padStart(2, '0')).join('');
        return {
            lists: entries(views.lists,
                (list) => [selectedRow(list), list.getAttribute('aria-disabled') !== 'true']),
            edits: entries(views.edits, (edit) => edit.value),
            radios: entries(views.radios, (radio) => radio.getAttribute('aria-checked') === 'true'),
            bands: entries(views.bands,
                (band) => [hex(band.style.background), band.getAttribute('aria-label')]),
        };
    }

    bindLists();
    bindRadios();
    bindEdits();
    // The model, with its WebAssembly inside (a page opened from a file may
    // fetch nothing), loads once the first frame is up: that frame needs
    // nothing of it.
    requestAnimationFrame(() => setTimeout(() => {
        document.body.append(Object.assign(document.createElement('script'), { src: 'model.js' }));
    }));
    bindMenu();
    return {
        start,
        mirrored,
        select: (list, row) => act(() => model.select(list, row)),
        choose: (radio) => act(() => model.choose(radio)),
        type: (edit, text) => {
            views.edits[edit].value = text;
            act(() => model.type(edit, text));
        },
        expose: () => act(() => model.expose()),
    };
})();
