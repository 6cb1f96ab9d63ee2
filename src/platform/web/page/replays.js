// Replays on the page: one opens from a file dropped on the page or from a link whose fragment
// carries it (#replay= and the file in base64url); after each game the page offers such a link
// (a day's game: a text to share, daily.js). window.brunivalReplayResult() gives {verified, mode,
// level, score, daily} once an opened replay has played to its end (null before); for a link that
// names a day's score also what it claimed, and a refused claim's reason as soon as it is known.
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

  let opened = null;  // what the replay being watched claims
  let claim = null;   // what its link claims of it
  let verdictShown = false;

  // What the replay file at `pointer` claims (daily.js), or null.
  function claimsAt(pointer, size) {
    return JSON.parse(Module.UTF8ToString(Module._brunival_replay_claims(pointer, size)));
  }

  function say(text) {
    const box = document.getElementById('replay');
    box.textContent = text;
    box.hidden = !text;
  }

  function openReplay(bytes, linkClaim = null) {
    const pointer = Module._brunival_replay_buffer(bytes.length);
    Module.HEAPU8.set(bytes, pointer);
    const claims = claimsAt(pointer, bytes.length);
    const problem = Module.UTF8ToString(Module._brunival_open_replay());
    opened = problem ? null : claims;
    claim = problem ? null : linkClaim;
    verdictShown = false;
    if (problem) {
      console.warn('Brunival: ' + problem);
      say(text('replayRefused', { reason: problem }));
    } else {
      say('');
      showVerdict();
    }
    document.getElementById('canvas').focus();
  }

  function result() {
    if (!ready()) return null;
    const reached = JSON.parse(Module.UTF8ToString(Module._brunival_replay_result()));
    if (reached) reached.daily = opened ? opened.daily : null;
    if (!claim) return reached;
    const verdict = Brunival.daily.judge(claim, opened, reached);
    if (!verdict) return null;
    return Object.assign({ mode: null, level: null, score: null, daily: opened && opened.daily },
                         reached, { verified: verdict.verified, reason: verdict.reason, claimed: claim,
                                    message: verdict.message });
  }

  // A link's claim judged: said as soon as it is known, instead of the score it claims.
  function showVerdict() {
    if (!claim || verdictShown) return;
    const verdict = result();
    if (!verdict) return;
    verdictShown = true;
    say(verdict.message);
  }

  function openLink() {
    const fields = new URLSearchParams(window.location.hash.slice(1));
    const replay = fields.get('replay');
    if (replay === null) return;
    let bytes;
    try {
      if (!/^[A-Za-z0-9_-]+$/.test(replay)) throw new Error('not base64url');
      bytes = fromBase64Url(replay);
    } catch (error) {
      say(text('replayDamaged', {}));
      return;
    }
    whenReady(() => openReplay(bytes, Brunival.daily.linkClaim(fields)));
  }

  // The latest game: a day's game to share, any other as a link to copy.
  function offerLatestGame() {
    const size = Module._brunival_latest_game_size();
    const pointer = Module._brunival_latest_game();
    const replay = toBase64Url(Module.HEAPU8.slice(pointer, pointer + size));
    if (Brunival.daily.gameFinished(claimsAt(pointer, size), replay)) return;
    const link = window.location.origin + window.location.pathname + '#replay=' + replay;
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
    box.hidden = false;
  }

  window.brunivalReplayResult = result;

  window.addEventListener('dragover', (event) => event.preventDefault());
  window.addEventListener('drop', (event) => {
    event.preventDefault();
    const file = event.dataTransfer.files[0];
    if (file) file.arrayBuffer().then((buffer) => whenReady(() => openReplay(new Uint8Array(buffer))));
  });
  window.addEventListener('hashchange', openLink);
  window.addEventListener('DOMContentLoaded', () => {
    openLink();
    let gamesSeen = -1;
    setInterval(() => {
      if (!ready()) return;
      showVerdict();
      const finished = Module._brunival_games_finished();
      if (finished === gamesSeen) return;
      if (finished > 0) offerLatestGame();
      else Brunival.daily.showRecord();
      gamesSeen = finished;
    }, 1000);
  });
})();
