// The page around the game: canvas layout and sharp scaling, keys, sound after the first key,
// the data set fetched file by file, the hall of fame kept in IndexedDB, and the test hooks.
'use strict';
(function () {
  const canvas = document.getElementById('canvas');
  const message = document.getElementById('message');
  const fullscreenButton = document.getElementById('fullscreen');

  function showMessage(text) {
    message.textContent = text;
    message.style.display = 'flex';
  }

  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    canvas.style.display = 'none';
    fullscreenButton.style.display = 'none';
    showMessage('Tento prohlížeč neumí WebAssembly, a tak hru nespustí. ' +
                'This browser has no WebAssembly, so the game cannot run.');
    return;
  }

  // --- Picture: the largest 4:3 rectangle, whole-factor nearest neighbour, then linear. ---
  const context = canvas.getContext('2d', { alpha: false });
  const picture = document.createElement('canvas');
  const pictureContext = picture.getContext('2d', { alpha: false });
  const enlarged = document.createElement('canvas');
  const enlargedContext = enlarged.getContext('2d', { alpha: false });
  let pixels = null;

  function layout() {
    const ratio = window.devicePixelRatio || 1;
    const cssWidth = Math.min(window.innerWidth, window.innerHeight * 4 / 3);
    const width = Math.max(1, Math.round(cssWidth * ratio));
    const height = Math.max(1, Math.round(width * 3 / 4));
    canvas.width = width;
    canvas.height = height;
    canvas.style.width = width / ratio + 'px';
    canvas.style.height = height / ratio + 'px';
    canvas.style.left = (window.innerWidth - width / ratio) / 2 + 'px';
    canvas.style.top = (window.innerHeight - height / ratio) / 2 + 'px';
  }
  window.addEventListener('resize', layout);
  layout();

  function present(bytes, width, height) {
    if (window.brunivalFirstFrame === undefined) window.brunivalFirstFrame = performance.now();
    if (!pixels || pixels.width !== width || pixels.height !== height) {
      picture.width = width;
      picture.height = height;
      pixels = pictureContext.createImageData(width, height);
    }
    pixels.data.set(bytes);
    pictureContext.putImageData(pixels, 0, 0);
    const factor = Math.max(1, Math.ceil(Math.max(canvas.width / width, canvas.height / height)));
    let source = picture;
    if (factor > 1) {
      if (enlarged.width !== width * factor) {
        enlarged.width = width * factor;
        enlarged.height = height * factor;
      }
      enlargedContext.imageSmoothingEnabled = false;
      enlargedContext.drawImage(picture, 0, 0, enlarged.width, enlarged.height);
      source = enlarged;
    }
    const exact = source.width === canvas.width && source.height === canvas.height;
    context.imageSmoothingEnabled = !exact && factor > 1;
    context.imageSmoothingQuality = 'high';
    context.drawImage(source, 0, 0, canvas.width, canvas.height);
  }

  function toggleFullscreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
    } else {
      document.documentElement.requestFullscreen().catch(() => {});
    }
  }
  fullscreenButton.addEventListener('click', () => {
    fullscreenButton.blur();  // else Space and Enter would press it again
    toggleFullscreen();
  });

  // --- Keys: Windows virtual-key codes; letters by their label, else by their position. ---
  const keyCodes = {
    Backspace: 0x08, Tab: 0x09, Enter: 0x0D, NumpadEnter: 0x0D, ShiftLeft: 0x10, ShiftRight: 0x10,
    ControlLeft: 0x11, ControlRight: 0x11, AltLeft: 0x12, AltRight: 0x12, Pause: 0x13,
    CapsLock: 0x14, Escape: 0x1B, Space: 0x20, PageUp: 0x21, PageDown: 0x22, End: 0x23,
    Home: 0x24, ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27, ArrowDown: 0x28, Insert: 0x2D,
    Delete: 0x2E, NumpadMultiply: 0x6A, NumpadAdd: 0x6B, NumpadSubtract: 0x6D,
    NumpadDecimal: 0x6E, NumpadDivide: 0x6F, Semicolon: 0xBA, Equal: 0xBB, Comma: 0xBC,
    Minus: 0xBD, Period: 0xBE, Slash: 0xBF, Backquote: 0xC0, BracketLeft: 0xDB,
    Backslash: 0xDC, BracketRight: 0xDD, Quote: 0xDE,
  };
  // Left to the browser even while playing: reload, full screen, developer tools.
  const browserKeys = new Set(['F5', 'F11', 'F12']);

  function virtualKey(event) {
    if (event.key && event.key.length === 1 && /[a-z]/i.test(event.key)) {
      return event.key.toUpperCase().charCodeAt(0);
    }
    let match = /^Key([A-Z])$/.exec(event.code);
    if (match) return match[1].charCodeAt(0);
    if ((match = /^Digit([0-9])$/.exec(event.code))) return 0x30 + Number(match[1]);
    if ((match = /^Numpad([0-9])$/.exec(event.code))) return 0x60 + Number(match[1]);
    if ((match = /^F([0-9]+)$/.exec(event.code)) && Number(match[1]) <= 24) {
      return 0x6F + Number(match[1]);
    }
    return keyCodes[event.code] || 0;
  }

  const held = new Map();  // code -> virtual key given at keydown, so keyup releases the same one
  let swallowEnter = false;
  let started = false;

  function setKey(key, down) {
    if (started) Module._brunival_key(key, down ? 1 : 0);
  }

  window.addEventListener('keydown', (event) => {
    setForeground(true);
    startAudio();
    if (event.altKey && (event.code === 'Enter' || event.code === 'NumpadEnter')) {
      event.preventDefault();
      if (!event.repeat) toggleFullscreen();
      swallowEnter = true;
      return;
    }
    if (event.ctrlKey || event.metaKey || browserKeys.has(event.code)) return;
    const key = virtualKey(event);
    if (!key) return;
    event.preventDefault();
    held.set(event.code, key);
    if (!(swallowEnter && key === 0x0D)) setKey(key, true);
  });
  window.addEventListener('keyup', (event) => {
    const key = held.get(event.code) || virtualKey(event);
    held.delete(event.code);
    if (key === 0x0D) swallowEnter = false;
    if (key) {
      event.preventDefault();
      setKey(key, false);
    }
  });

  function setForeground(foreground) {
    if (!foreground) held.clear();
    if (started) Module._brunival_foreground(foreground ? 1 : 0);
  }
  window.addEventListener('blur', () => setForeground(false));
  window.addEventListener('focus', () => setForeground(true));
  window.addEventListener('pointerdown', () => { setForeground(true); startAudio(); });
  document.addEventListener('visibilitychange', () => setForeground(!document.hidden));

  // --- Sound: a browser lets a page play only after a gesture, so it starts with a key. ---
  function startAudio() {
    if (!started || window.brunivalAudioContext) return;
    const AudioContextClass = window.AudioContext || window.webkitAudioContext;
    if (!AudioContextClass) return;
    const rate = Module._brunival_sample_rate();
    const audio = new AudioContextClass({ sampleRate: rate, latencyHint: 'interactive' });
    const processor = audio.createScriptProcessor(2048, 0, 2);
    processor.onaudioprocess = (event) => {
      const output = event.outputBuffer;
      const frames = output.length;
      const pointer = Module._brunival_audio_render(frames);
      const left = output.getChannelData(0);
      const right = output.getChannelData(1);
      if (!pointer) {
        left.fill(0);
        right.fill(0);
        return;
      }
      const samples = Module.HEAPF32.subarray(pointer >> 2, (pointer >> 2) + frames * 2);
      for (let i = 0; i < frames; ++i) {
        left[i] = samples[2 * i];
        right[i] = samples[2 * i + 1];
      }
    };
    const analyser = audio.createAnalyser();
    analyser.fftSize = 2048;
    processor.connect(analyser);
    analyser.connect(audio.destination);
    window.brunivalAudioContext = audio;
    window.brunivalAudioAnalyser = analyser;
    if (audio.state !== 'running') audio.resume().catch(() => {});
  }

  // --- The data set, fetched file by file: a missing one gives the game's load-failure screen. ---
  async function fetchDataSet() {
    const FS = Module.FS;
    FS.mkdir('/game');
    const listing = await fetch('data/files.json').then((response) => response.json());
    await Promise.all(listing.map(async (name) => {
      const response = await fetch('data/' + name);
      if (!response.ok) return;
      const bytes = new Uint8Array(await response.arrayBuffer());
      const parts = name.split('/');
      for (let i = 1; i < parts.length; ++i) {
        const folder = '/game/' + parts.slice(0, i).join('/');
        if (!FS.analyzePath(folder).exists) FS.mkdir(folder);
      }
      FS.writeFile('/game/' + name, bytes);
    }));
    FS.chdir('/game');
  }

  // --- The hall of fame: a folder kept in IndexedDB; refused storage keeps nothing. ---
  function refuseStorage(reason) {
    Module.brunivalStorageAvailable = false;
    console.warn('Brunival: the browser refuses storage (' + reason +
                 '); the hall of fame shows the default tables and keeps no new records.');
  }

  function mountStore() {
    return new Promise((resolve) => {
      try {
        const FS = Module.FS;
        FS.mkdir('/persist');
        FS.mount(FS.filesystems.IDBFS, {}, '/persist');
        FS.syncfs(true, (error) => {
          if (error) refuseStorage(error.message || error);
          else Module.brunivalStorageAvailable = true;
          resolve();
        });
      } catch (error) {
        refuseStorage(error.message || error);
        resolve();
      }
    });
  }

  let persisting = false;
  let persistAgain = false;
  function persist() {
    if (persisting) {
      persistAgain = true;
      return;
    }
    persisting = true;
    Module.FS.syncfs(false, (error) => {
      persisting = false;
      if (error) console.warn('Brunival: could not keep the hall of fame: ' + error);
      if (persistAgain) {
        persistAgain = false;
        persist();
      }
    });
  }

  // --- Start-up. ---
  const query = new URLSearchParams(window.location.search);
  const programArguments = [];
  if (/^[0-9]+$/.test(query.get('seed') || '')) programArguments.push('--seed', query.get('seed'));
  // ?lang= names a catalogue; otherwise the browser's language: Czech or Slovak read Czech.
  const asked = (query.get('lang') || '').toLowerCase();
  const browser = (navigator.language || '').slice(0, 2).toLowerCase();
  const language = /^[a-z]{2,3}$/.test(asked) ? asked : (browser === 'cs' || browser === 'sk' ? 'cs' : 'en');
  programArguments.push('--lang', language);

  window.Module = {
    arguments: programArguments,
    canvas: canvas,
    brunivalStorageAvailable: false,
    brunivalPresent: present,
    brunivalPersist: persist,
    brunivalClosed: () => {
      if (window.brunivalAudioContext) window.brunivalAudioContext.suspend();
      showMessage('Konec hry. Znovu načtěte stránku pro další hru.');
    },
    preRun: [() => {
      Module.addRunDependency('brunival-files');
      Promise.all([fetchDataSet(), mountStore()]).then(
          () => Module.removeRunDependency('brunival-files'),
          (error) => {
            console.warn('Brunival: ' + error);
            Module.removeRunDependency('brunival-files');
          });
    }],
    onRuntimeInitialized: () => {
      started = true;
      window.performance.mark('brunival-started');
    },
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
  };

  window.brunivalState = () => (started ? Module.UTF8ToString(Module._brunival_state()) : null);

  const script = document.createElement('script');
  script.src = 'brunival.js';
  document.body.appendChild(script);
})();
