// Connects a page shown in one of the program's panes to the program.
// Runs in its own script world: it shares the page's elements and events but
// none of the page's own scripts.
//
// To the program: document click, mouse-down and mouse-up events, each with
// the clicked element and a snapshot of every named element of the page.
// From the program: lists of edits, applied in order; an edit whose element
// is missing is skipped.
(function () {
    'use strict';
    if (window.quorvelBridgeLoaded)
        return;
    window.quorvelBridgeLoaded = true;

    let bridge = null;

    // The first element whose name or id equals key, in document order.
    function findElement(key) {
        if (!key)
            return null;
        const quoted = CSS.escape(key);
        return document.querySelector('[name="' + quoted + '"], [id="' + quoted + '"]');
    }

    function snapshot() {
        const elements = [];
        for (const e of document.querySelectorAll('[name], [id]')) {
            elements.push({
                name: e.getAttribute('name') || '',
                id: e.id || '',
                type: (e.getAttribute('type') || e.tagName).toLowerCase(),
                value: (typeof e.value === 'string') ? e.value : '',
                tag: e.getAttribute('tag') || '',
                checked: !!e.checked,
            });
        }
        return elements;
    }

    // The boxes a child types answers into, in page order.
    function answerBoxes() {
        return [...document.querySelectorAll(
            'input.text[name^="answer"], input.text[name^="Qanswer"]')]
            .filter((e) => e.type !== 'hidden' && !e.readOnly && !e.disabled);
    }

    // A page with answer boxes takes the keyboard into its first box, so a
    // child who starts typing writes an answer, not a search in the tree.
    function focusFirstBox() {
        const first = answerBoxes()[0];
        if (!first)
            return;
        first.focus({preventScroll: true});
        if (bridge)
            bridge.requestFocus();
    }

    function applyEdit(edit) {
        if (edit.op === 'setBody') {
            if (document.body)
                document.body.innerHTML = edit.text;
            // Every new page starts at its top.
            window.scrollTo(0, 0);
            focusFirstBox();
            return;
        }
        // What only a printer sees: the sheet's header first in the body, the
        // answer key last (the style sheet hides both on screen).
        if (edit.op === 'printHeader' || edit.op === 'printKey') {
            const id = edit.op === 'printHeader' ? 'print-head' : 'print-key';
            let box = document.getElementById(id);
            if (!box) {
                box = document.createElement('div');
                box.id = id;
                box.className = edit.op === 'printHeader' ? 'sheet-head' : 'answer-key';
                if (edit.op === 'printHeader')
                    document.body.prepend(box);
                else
                    document.body.append(box);
            }
            box.innerHTML = edit.text;
            return;
        }
        if (edit.op === 'lockAnswers') {
            for (const box of document.querySelectorAll('input.text'))
                box.readOnly = true;
            return;
        }
        const element = findElement(edit.target);
        if (!element)
            return;
        switch (edit.op) {
        case 'insertTextAfter': element.insertAdjacentText('afterend', edit.text); break;
        case 'insertHtmlAfter': element.insertAdjacentHTML('afterend', edit.text); break;
        case 'setInnerHtml': element.innerHTML = edit.text; break;
        case 'setValue': element.value = edit.text; break;
        case 'setChecked': element.checked = !!edit.flag; break;
        case 'setTag': element.setAttribute('tag', edit.text); break;
        case 'scrollTo': element.scrollIntoView({block: 'nearest'}); break;
        }
    }

    function applyEdits(edits) {
        for (const edit of edits) {
            try {
                applyEdit(edit);
            } catch (e) {
                // A malformed edit must not stop the ones after it.
            }
        }
        bridge.editsApplied();
    }

    function send(kind, event) {
        // Only what the child really did: a page script's own synthetic
        // clicks must not answer or grade a page.
        if (!bridge || !event.isTrusted)
            return;
        const target = event.target instanceof Element ? event.target : null;
        bridge.documentEvent(kind,
                             target ? (target.getAttribute('name') || '') : '',
                             target ? (target.id || '') : '',
                             snapshot());
    }

    // Buttons never submit a form or leave the page.
    document.addEventListener('submit', (event) => event.preventDefault(), true);
    document.addEventListener('click', (event) => send('click', event));
    document.addEventListener('mousedown', (event) => send('mousedown', event));
    document.addEventListener('mouseup', (event) => send('mouseup', event));

    // Enter in an answer box moves to the next one, and from the last to the
    // submit button: a whole page without the mouse.
    document.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || !event.isTrusted)
            return;
        const boxes = answerBoxes();
        const at = boxes.indexOf(event.target);
        if (at < 0)
            return;
        event.preventDefault();
        const next = boxes[at + 1] || document.querySelector('[name="finish"]');
        if (next)
            next.focus();
    }, true);

    new QWebChannel(qt.webChannelTransport, (channel) => {
        bridge = channel.objects.pageBridge;
        bridge.editsReady.connect(applyEdits);
        bridge.documentReady();
        focusFirstBox(); // a page opened from a file
        window.scrollTo(0, 0);
    });
})();
