// Sound: the Web Audio context pulls the game's mixer. A browser lets it run only after a user
// gesture, and which events count differs between browsers, so every gesture resumes it while
// it is not running. A hidden tab is silent.
'use strict';
Brunival.sound = (function () {
  let game = null;
  let audio = null;
  let measuring = false;
  let loudest = 0;

  function render(event) {
    const output = event.outputBuffer;
    const frames = output.length;
    const left = output.getChannelData(0);
    const right = output.getChannelData(1);
    const pointer = game._brunival_audio_render(frames);
    if (!pointer) {
      left.fill(0);
      right.fill(0);
      return;
    }
    const samples = game.HEAPF32.subarray(pointer >> 2, (pointer >> 2) + frames * 2);
    let sum = 0;
    for (let i = 0; i < frames; ++i) {
      left[i] = samples[2 * i];
      right[i] = samples[2 * i + 1];
    }
    if (measuring) {
      for (let i = 0; i < frames * 2; ++i) sum += samples[i] * samples[i];
      loudest = Math.max(loudest, Math.sqrt(sum / (frames * 2)));
    }
  }

  function start() {
    if (!game || document.hidden) return;
    if (!audio) {
      const AudioContextClass = window.AudioContext || window.webkitAudioContext;
      if (!AudioContextClass) return;
      audio = new AudioContextClass({ sampleRate: game._brunival_sample_rate(),
                                      latencyHint: 'interactive' });
      const processor = audio.createScriptProcessor(2048, 0, 2);
      processor.onaudioprocess = render;
      processor.connect(audio.destination);
      window.brunivalAudioContext = audio;
    }
    if (audio.state !== 'running') audio.resume().catch(() => {});
  }

  document.addEventListener('visibilitychange', () => {
    if (!audio) return;
    if (document.hidden) audio.suspend().catch(() => {});
    else start();
  });
  Brunival.input.onGesture(start);

  // For tests: the loudest block since the last reading (RMS). Only reading turns measuring on.
  window.brunivalAudioLevel = () => {
    measuring = true;
    const level = loudest;
    loudest = 0;
    return level;
  };

  return {
    attach: (module) => { game = module; },
    stop: () => { if (audio) audio.suspend().catch(() => {}); },
  };
})();
