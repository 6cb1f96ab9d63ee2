// Replays on the page: one opens from a file dropped on the page or from a link whose fragment
// carries it (#replay= and the file in base64url); after each game the page offers such a link.
// window.brunivalReplayResult() gives {verified, mode, level, score} once an opened replay has
// played to its end (null before).
(function () {
  'use strict';
  const { text } = Brunival.texts;

  // The program's main has run once page.js reports a state.
  let started = false;
  function ready() {
    if (!started && window.brunivalState) {
      const state = window.brunivalState();
      started = state !== null && state !== 'null';
    }
    return started;
  }

  function whenReady(action) {
    if (ready()) action();
    else setTimeout(() => whenReady(action), 100);
  }

  function fromBase64Url(text) {
    const base64 = text.replace(/-/g, '+').replace(/_/g, '/');
    const binary = atob(base64 + '='.repeat((4 - base64.length % 4) % 4));
    return Uint8Array.from(binary, (c) => c.charCodeAt(0));
  }

  function toBase64Url(bytes) {
    let binary = '';
    for (const byte of bytes) binary += String.fromCharCode(byte);
    return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  }

  function say(text) {
    const box = document.getElementById('replay');
    box.textContent = text;
    box.style.display = text ? 'block' : 'none';
  }

  function openReplay(bytes) {
    const pointer = Module._brunival_replay_buffer(bytes.length);
    Module.HEAPU8.set(bytes, pointer);
    const problem = Module.UTF8ToString(Module._brunival_open_replay());
    if (problem) {
      console.warn('Brunival: ' + problem);
      say(text('replayRefused', { reason: problem }));
    } else {
      say('');
    }
    document.getElementById('canvas').focus();
  }

  function openLink() {
    const match = /^#replay=([A-Za-z0-9_-]+)$/.exec(window.location.hash);
    if (!match) return;
    let bytes;
    try {
      bytes = fromBase64Url(match[1]);
    } catch (error) {
      say(text('replayDamaged', {}));
      return;
    }
    whenReady(() => openReplay(bytes));
  }

  // The link to the latest game, to copy.
  function offerLink() {
    const size = Module._brunival_latest_game_size();
    const pointer = Module._brunival_latest_game();
    const bytes = Module.HEAPU8.slice(pointer, pointer + size);
    const link = window.location.origin + window.location.pathname + '#replay=' + toBase64Url(bytes);
    const box = document.getElementById('replay');
    box.textContent = '';
    const field = document.createElement('input');
    field.id = 'replay-link';
    field.readOnly = true;
    field.value = link;
    field.tabIndex = -1;
    const copy = document.createElement('button');
    copy.type = 'button';
    copy.tabIndex = -1;
    copy.textContent = text('replayLink', {});
    copy.title = text('copy', {});
    copy.addEventListener('click', () => {
      field.select();
      if (navigator.clipboard) navigator.clipboard.writeText(link).catch(() => {});
      document.getElementById('canvas').focus();
    });
    box.append(field, copy);
    box.style.display = 'block';
  }

  window.brunivalReplayResult = () =>
    ready() ? JSON.parse(Module.UTF8ToString(Module._brunival_replay_result())) : null;

  window.addEventListener('dragover', (event) => event.preventDefault());
  window.addEventListener('drop', (event) => {
    event.preventDefault();
    const file = event.dataTransfer.files[0];
    if (file) file.arrayBuffer().then((buffer) => whenReady(() => openReplay(new Uint8Array(buffer))));
  });
  window.addEventListener('hashchange', openLink);
  window.addEventListener('DOMContentLoaded', () => {
    openLink();
    let gamesSeen = 0;
    setInterval(() => {
      if (!ready() || Module._brunival_games_finished() === gamesSeen) return;
      gamesSeen = Module._brunival_games_finished();
      offerLink();
    }, 1000);
  });
})();
