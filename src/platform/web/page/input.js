// The game's keys as the keyboard, the touch controls and game pads hold them: a key is down
// while any of them holds it, so a finger lifted does not release a key still held on the pad.
'use strict';
Brunival.input = (function () {
  // The runner's key names and the virtual-key codes the game reads.
  const keys = { up: 0x26, down: 0x28, left: 0x25, right: 0x27, space: 0x20, enter: 0x0D,
                 esc: 0x1B };
  const holders = new Map();  // virtual key -> the set of who holds it
  let game = null;

  function tell(key) {
    if (game) game._brunival_key(key, holders.has(key) ? 1 : 0);
  }

  function hold(who, key, down) {
    const set = holders.get(key);
    if (down) {
      if (set) set.add(who);
      else { holders.set(key, new Set([who])); tell(key); }
    } else if (set && set.delete(who) && set.size === 0) {
      holders.delete(key);
      tell(key);
    }
  }

  function releaseAll() {
    const held = Array.from(holders.keys());
    holders.clear();
    held.forEach(tell);
  }

  function setForeground(foreground) {
    if (!foreground) releaseAll();
    if (game) game._brunival_foreground(foreground ? 1 : 0);
  }

  // Every user gesture: sound may start only after one.
  const gestureListeners = [];
  function gesture() {
    gestureListeners.forEach((listener) => listener());
  }

  return {
    keys,
    hold,
    setForeground,
    gesture,
    onGesture: (listener) => gestureListeners.push(listener),
    attach: (module) => { game = module; },
  };
})();
