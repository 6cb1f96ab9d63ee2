// Game pads, read once per animation frame: the d-pad or the left stick moves, A is Space, Start
// is Enter, B or Back is Esc, as on the desktop. Pads come and go at any time.
'use strict';
Brunival.gamepads = (function () {
  const input = Brunival.input;
  const keys = input.keys;
  // Buttons of the browser's standard mapping.
  const buttons = [[0, keys.space], [1, keys.esc], [8, keys.esc], [9, keys.enter],
                   [12, keys.up], [13, keys.down], [14, keys.left], [15, keys.right]];
  const deadZone = 0.5;
  const all = Object.values(keys);
  let connected = false;

  function poll() {
    if (!navigator.getGamepads) return;
    const down = new Set();
    connected = false;
    for (const pad of navigator.getGamepads()) {
      if (!pad || !pad.connected) continue;
      connected = true;
      for (const [index, key] of buttons) {
        if (pad.buttons[index] && pad.buttons[index].pressed) down.add(key);
      }
      const [x = 0, y = 0] = pad.axes;
      if (x < -deadZone) down.add(keys.left);
      if (x > deadZone) down.add(keys.right);
      if (y < -deadZone) down.add(keys.up);
      if (y > deadZone) down.add(keys.down);
    }
    for (const key of all) input.hold('pad', key, down.has(key));
  }

  // A resting game reads pads only a few times a second while none is connected; the press that
  // shows the browser a new pad is read at once.
  window.addEventListener('gamepadconnected', poll);

  return { poll, connected: () => connected };
})();
