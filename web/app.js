// SPDX-License-Identifier: GPL-3.0-or-later
// The page's binding to the calculator model: it builds the window from the
// model's own description, sends clicks, keys and exposures to the model, and
// after each mirrors the model's whole visible state into the page. No
// calculator rule lives here. The page draws its first frame from the
// description and start-up state that the native build of the same model
// wrote into it, and hands over to its own model once that has loaded.
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
        menu: (item) => Module.ccall('resistances_menu', null, ['string'], [item]),
    };

    const views = { lists: {}, edits: {}, radios: {}, bands: {} };
    const messages = [];
    const waiting = [];  // what the user did before the model had loaded
    let lastState = null;
    let menuItem = null;
    let ready = false;

    // "Série E12 :" is read as "Série E12".
    const withoutColon = (text) => text.trim().replace(/\s*:$/, '').trim();

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
            list.tabIndex = enabled ? list.dataset.tab : -1;
            list.querySelectorAll('[role="option"]').forEach((item, row) => {
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
            views.edits[name].value = text;
        }
        for (const [name, checked] of Object.entries(controls.radios)) {
            views.radios[name].setAttribute('aria-checked', String(checked));
        }
        for (const [name, [colour, description]] of Object.entries(controls.bands)) {
            const band = views.bands[name];
            band.style.background = colour === null ? 'transparent' : colour;
            band.setAttribute('aria-label', description);
        }
        if (state.error) {
            messages.push([state.error, 'Erreur']);
        }
        messages.push(...state.messages);
        lastState = controls;
        showNextMessage();
    }

    // The model's message boxes are modal: the next one opens once the user
    // has closed the one before.
    function showNextMessage() {
        const dialog = document.getElementById('message');
        if (dialog.open || messages.length === 0) {
            return;
        }
        const [text, caption] = messages.shift();
        document.getElementById('message-caption').textContent = caption;
        document.getElementById('message-text').textContent = text;
        dialog.showModal();
    }

    function place(element, control) {
        const [left, top, width, height] = control.box;
        Object.assign(element.style, {
            left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
        });
        const [pixels, bold, colour] = control.font;
        if (pixels > 0) {
            Object.assign(element.style, {
                fontSize: `${pixels}px`, fontWeight: bold ? 'bold' : 'normal', color: colour,
            });
        }
    }

    function listKey(event, name) {
        const list = views.lists[name];
        const rows = list.children.length;
        const visible = Math.max(1, Math.floor(list.clientHeight / list.children[0].offsetHeight));
        const current = lastState.lists[name][0];
        const moves = {
            ArrowDown: current + 1, ArrowUp: Math.max(current - 1, 0), Home: 0, End: rows - 1,
            PageDown: current + visible, PageUp: current - visible,
        };
        if (!(event.key in moves)) {
            return;
        }
        event.preventDefault();
        const row = Math.min(Math.max(moves[event.key], 0), rows - 1);
        if (row !== current) {
            act(() => model.select(name, row));
        }
    }

    function makeList(control) {
        const list = document.createElement('div');
        list.setAttribute('role', 'listbox');
        control.items.forEach((text, row) => {
            const item = document.createElement('div');
            item.className = 'item';
            item.id = `${control.name}-${row}`;
            item.setAttribute('role', 'option');
            item.textContent = text;
            Object.assign(item.style, {
                height: `${control.itemHeight}px`, lineHeight: `${control.itemHeight}px`,
            });
            item.addEventListener('mousedown', (event) => {
                event.preventDefault();
                list.focus();
                act(() => model.select(control.name, row));
            });
            list.appendChild(item);
        });
        list.addEventListener('keydown', (event) => listKey(event, control.name));
        views.lists[control.name] = list;
        return list;
    }

    function makeRadio(control) {
        const radio = document.createElement('div');
        radio.setAttribute('role', 'radio');
        radio.textContent = control.caption;
        radio.addEventListener('click', () => {
            radio.focus();
            act(() => model.choose(control.name));
        });
        radio.addEventListener('keydown', (event) => {
            if (event.key === ' ') {
                event.preventDefault();
                act(() => model.choose(control.name));
            }
        });
        views.radios[control.name] = radio;
        return radio;
    }

    function makeControl(control) {
        switch (control.kind) {
            case 'group': {
                const group = document.createElement('div');
                const caption = document.createElement('span');
                caption.className = 'group-caption';
                caption.textContent = control.caption;
                group.appendChild(caption);
                group.setAttribute('role', 'group');
                group.setAttribute('aria-label', control.caption);
                return group;
            }
            case 'label': {
                const label = document.createElement('div');
                label.textContent = control.caption;
                if (control.hint) {
                    label.title = control.hint;
                }
                return label;
            }
            case 'list':
                return makeList(control);
            case 'edit': {
                const edit = document.createElement('input');
                edit.readOnly = control.readOnly;
                edit.className = 'edit';
                views.edits[control.name] = edit;
                return edit;
            }
            case 'radio':
                return makeRadio(control);
            case 'image': {
                const frame = document.createElement('div');
                const picture = document.createElement('img');
                picture.src = `${control.name}.png`;
                picture.srcset = `${control.name}.png 1x, ${control.name}@2x.png 2x`;
                picture.alt = '';
                frame.appendChild(picture);
                return frame;
            }
            case 'band': {
                const band = document.createElement('div');
                band.setAttribute('role', 'img');
                views.bands[control.name] = band;
                return band;
            }
        }
        return document.createElement('div');
    }

    // Screen readers hear the caption a sighted user reads beside each
    // control, as in the Qt window; readouts also say which band they show.
    function name(control, byName, element) {
        if (control.label !== undefined) {
            let text = withoutColon(byName[control.label].caption);
            if (control.band) {
                text += `, bande ${control.band}`;
            }
            element.setAttribute('aria-label', text);
        } else if (control.kind === 'radio') {
            element.setAttribute('aria-label', control.spoken || control.caption.trim());
        }
        for (let parent = byName[control.parent]; parent; parent = byName[parent.parent]) {
            if (parent.kind === 'group') {
                element.setAttribute('aria-description', withoutColon(parent.caption));
                break;
            }
        }
    }

    // The layout's tab order: containers in their order, each one's controls in theirs.
    function tabOrder(controls) {
        const order = [];
        const visit = (parent) => {
            controls
                .filter((control) => control.parent === parent && control.tab >= 0)
                .sort((a, b) => a.tab - b.tab)
                .forEach((control) => (control.kind === 'group' ? visit(control.name) : order.push(control.name)));
        };
        visit('Form1');
        return order;
    }

    function showMenu(x, y) {
        const menu = document.getElementById('menu');
        menu.hidden = false;
        Object.assign(menu.style, { left: `${x}px`, top: `${y}px` });
        menuItem.focus();
    }

    function hideMenu() {
        document.getElementById('menu').hidden = true;
    }

    function buildMenu(caption) {
        const menu = document.getElementById('menu');
        menuItem = document.createElement('div');
        menuItem.id = 'menu-about';
        menuItem.setAttribute('role', 'menuitem');
        menuItem.tabIndex = -1;
        menuItem.textContent = caption;
        const choose = () => {
            hideMenu();
            act(() => model.menu('proposde1'));
        };
        menuItem.addEventListener('click', choose);
        menuItem.addEventListener('keydown', (event) => {
            if (event.key === 'Enter' || event.key === ' ') {
                event.preventDefault();
                choose();
            } else if (event.key === 'Escape') {
                hideMenu();
            }
        });
        menu.appendChild(menuItem);
        const window = document.getElementById('window');
        window.addEventListener('contextmenu', (event) => {
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
                hideMenu();
            }
        });
    }

    function build(description) {
        document.title = description.caption;
        document.getElementById('caption').textContent = description.caption;
        const window = document.getElementById('window');
        const [width, height] = description.size;
        Object.assign(window.style, { width: `${width}px`, height: `${height}px` });
        const [pixels, , colour] = description.font;
        Object.assign(window.style, { fontSize: `${pixels}px`, color: colour });

        const byName = Object.fromEntries(description.controls.map((c) => [c.name, c]));
        const containers = { Form1: window };
        const elements = {};
        for (const control of description.controls) {
            const element = makeControl(control);
            element.id = control.name;
            element.classList.add('control', control.kind);
            place(element, control);
            name(control, byName, element);
            containers[control.parent].appendChild(element);
            elements[control.name] = element;
            if (control.kind === 'group') {
                containers[control.name] = element;
                if (description.controls.some((c) => c.parent === control.name && c.kind === 'radio')) {
                    element.setAttribute('role', 'radiogroup');
                }
            }
        }
        tabOrder(description.controls).forEach((controlName, position) => {
            elements[controlName].tabIndex = position + 1;
            elements[controlName].dataset.tab = position + 1;
        });
        buildMenu(description.menu[0]);
        document.getElementById('message').addEventListener('close', showNextMessage);
    }

    // The first frame, before the model has loaded.
    function show() {
        const data = JSON.parse(document.getElementById('window-data').textContent);
        build(data.description);
        mirror({ controls: data.state, messages: [], error: '' });
        requestAnimationFrame(() => performance.mark('resistances-first-frame'));
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
    }

    show();

    // The page as the user sees it, in the model's own shape: for the tests
    // that compare it with the native model.
    function mirrored() {
        const lists = {};
        for (const [listName, list] of Object.entries(views.lists)) {
            const items = [...list.children];
            lists[listName] = [
                items.findIndex((item) => item.getAttribute('aria-selected') === 'true'),
                list.getAttribute('aria-disabled') !== 'true',
            ];
        }
        const edits = Object.fromEntries(
            Object.entries(views.edits).map(([editName, edit]) => [editName, edit.value]));
        const radios = Object.fromEntries(Object.entries(views.radios).map(
            ([radioName, radio]) => [radioName, radio.getAttribute('aria-checked') === 'true']));
        const bands = Object.fromEntries(Object.entries(views.bands).map(([bandName, band]) => {
            const colour = band.style.background;
            const hex = colour === 'transparent' || colour === ''
                ? null
                : '#' + colour.match(/\d+/g).slice(0, 3)
                    .map((n) => Number(n).toString(16).padStart(2, '0')).join('');
            return [bandName, [hex, band.getAttribute('aria-label')]];
        }));
        return { lists, edits, radios, bands };
    }

    return {
        start,
        mirrored,
        select: (list, row) => act(() => model.select(list, row)),
        choose: (radio) => act(() => model.choose(radio)),
        expose: () => act(() => model.expose()),
    };
})();
