// The keyboard and full screen. Only the game's keys are taken from the browser; the others
// (Tab, F5, shortcuts) keep their usual meaning. In full screen Esc stays the game's.
'use strict';
(function () {
  const input = Brunival.input;
  const byCode = {
    ArrowUp: 0x26, ArrowDown: 0x28, ArrowLeft: 0x25, ArrowRight: 0x27, Space: 0x20,
    Enter: 0x0D, NumpadEnter: 0x0D, Escape: 0x1B, F1: 0x70,
  };

  function gameKey(event) {
    if (event.ctrlKey || event.metaKey || event.altKey) return 0;
    if (event.key === 'm' || event.key === 'M') return 0x4D;  // by its label, as on the desktop
    return byCode[event.code] || 0;
  }

  const fullscreenButton = document.getElementById('fullscreen');
  function toggleFullscreen() {
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    else document.documentElement.requestFullscreen().catch(() => {});
  }
  if (document.fullscreenEnabled) {
    fullscreenButton.hidden = false;
    fullscreenButton.title = Brunival.texts.text('fullscreen', {});
    fullscreenButton.addEventListener('click', () => {
      fullscreenButton.blur();  // else Space and Enter would press it again
      toggleFullscreen();
    });
  }
  document.addEventListener('fullscreenchange', () => {
    const lock = navigator.keyboard && navigator.keyboard.lock;
    if (!lock) return;
    if (document.fullscreenElement) navigator.keyboard.lock(['Escape']).catch(() => {});
    else navigator.keyboard.unlock();
  });

  const held = new Map();  // code -> the key given at keydown, so keyup releases the same one
  let swallowEnter = false;  // the Enter of Alt+Enter is not the game's
  window.addEventListener('keydown', (event) => {
    input.setForeground(true);
    input.gesture();
    if (event.altKey && (event.code === 'Enter' || event.code === 'NumpadEnter')) {
      event.preventDefault();
      if (!event.repeat && document.fullscreenEnabled) toggleFullscreen();
      swallowEnter = true;
      return;
    }
    const key = gameKey(event);
    if (!key) return;
    event.preventDefault();
    held.set(event.code, key);
    if (!(swallowEnter && key === 0x0D)) input.hold(event.code, key, true);
  });
  window.addEventListener('keyup', (event) => {
    const key = held.get(event.code);
    held.delete(event.code);
    if (key === 0x0D) swallowEnter = false;
    if (!key) return;
    event.preventDefault();
    input.hold(event.code, key, false);
  });

  window.addEventListener('blur', () => input.setForeground(false));
  window.addEventListener('focus', () => input.setForeground(true));
  window.addEventListener('pointerup', () => input.gesture());
  document.addEventListener('visibilitychange', () => input.setForeground(!document.hidden));
})();
