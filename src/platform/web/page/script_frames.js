// A test hook: window.brunivalStepFrames(lines) plays the frame lines of a runner script
// ("frame LAG [KEY ...]", "frames N LAG [KEY ...]") on the page, each with exactly its keys held
// and its lag on the page's clock, through the page's own frame and timer; it returns the frames
// played. From the first call on the animation frame no longer ticks; with
// window.brunivalFramesByHand set before the page loads it never does, so a script plays from
// the game's very first frame, as in the runner.
'use strict';
(function () {
  const { input } = Brunival;
  const codes = { ...input.keys, f1: 0x70, m: 0x4D };
  const longestLag = 250;  // the page's clock never moves further in one frame
  let held = [];

  function keyCode(name) {
    if (/^[0-9]+$/.test(name) && name >= 1 && name <= 255) return Number(name);
    if (!(name in codes)) throw new Error('no such key: ' + name);
    return codes[name];
  }

  function holdExactly(keys) {
    for (const key of held) if (!keys.includes(key)) input.hold('script', key, false);
    for (const key of keys) input.hold('script', key, true);
    held = keys;
  }

  window.brunivalStepFrames = (lines) => {
    let played = 0;
    for (const line of lines) {
      const words = line.trim().split(/\s+/);
      if (!words[0] || words[0].startsWith('#')) continue;
      const count = words[0] === 'frames' ? Number(words.splice(1, 1)[0]) : 1;
      const lag = Number(words[1]);
      if (!['frame', 'frames'].includes(words[0]) || !Number.isInteger(count) ||
          !Number.isInteger(lag) || lag < 1 || lag > longestLag) {
        throw new Error('not a frame the page can play: ' + line);
      }
      holdExactly(words.slice(2).map(keyCode));
      for (let i = 0; i < count; ++i) Module._brunival_test_frame(lag);
      played += count;
    }
    return played;
  };
})();
