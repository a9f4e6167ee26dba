// Shared behaviour of the program folder's documents: answers kept hidden
// until the reader asks for them.
//
//   <button type="button" class="reveal">看答案</button>
//   <div class="answer" hidden>……</div>
//
// A reveal button shows or hides the first element of class "answer" after
// it among its siblings. A button of class "reveal-all" shows every answer of
// the page at once.
(function () {
    'use strict';

    function answerAfter(button) {
        for (let e = button.nextElementSibling; e; e = e.nextElementSibling) {
            if (e.classList.contains('answer'))
                return e;
        }
        return null;
    }

    function label(button, shown) {
        if (!button.dataset.show)
            button.dataset.show = button.textContent;
        button.textContent = shown ? (button.dataset.hide || '收起答案') : button.dataset.show;
    }

    document.addEventListener('click', function (event) {
        const target = event.target instanceof Element ? event.target : null;
        if (!target)
            return;
        const button = target.closest('button.reveal');
        if (button) {
            const answer = answerAfter(button);
            if (!answer)
                return;
            answer.hidden = !answer.hidden;
            label(button, !answer.hidden);
            return;
        }
        if (target.closest('button.reveal-all')) {
            for (const b of document.querySelectorAll('button.reveal')) {
                const answer = answerAfter(b);
                if (answer && answer.hidden) {
                    answer.hidden = false;
                    label(b, true);
                }
            }
        }
    });
})();
