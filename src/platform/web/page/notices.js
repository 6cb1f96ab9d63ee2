// The page's messages: one that replaces the game (loading, failure, the end) and a short notice
// over it that fades by itself (a save that failed).
'use strict';
Brunival.notices = (function () {
  const message = document.getElementById('message');
  const notice = document.getElementById('notice');
  let noticeTimer = 0;

  function show(text) {
    message.textContent = text;
    message.hidden = false;
  }

  function hide() {
    message.hidden = true;
  }

  function fail(text) {
    document.getElementById('canvas').hidden = true;
    show(text);
    window.brunivalFailure = text;
  }

  function flash(text) {
    notice.textContent = text;
    notice.hidden = false;
    clearTimeout(noticeTimer);
    noticeTimer = setTimeout(() => { notice.hidden = true; }, 6000);
  }

  return { show, hide, fail, flash };
})();
