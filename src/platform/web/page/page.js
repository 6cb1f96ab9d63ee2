// Start-up: the program's arguments from the address, the code and data fetched side by side,
// then the game is handed to the parts of the page that feed it (keys, touch, pads, sound,
// storage). The test hooks live here too.
'use strict';
(function () {
  const { text, language, query } = Brunival.texts;
  const { notices, loading, storage, sound, input, gamepads, picture } = Brunival;

  function fail(error) {
    if (window.brunivalFailure !== undefined) return;
    console.warn('Brunival: ' + (error && error.message || error));
    notices.fail(error && error.forPlayer ? error.message
                                          : text('failed', { reason: error && error.message || error }));
  }

  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    notices.fail(text('noWebAssembly', {}));
    return;
  }

  const programArguments = ['--lang', language, ...Brunival.daily.programArguments];
  if (/^[0-9]+$/.test(query.get('seed') || '')) programArguments.push('--seed', query.get('seed'));

  const code = loading.fetchFile('brunival.wasm');
  const dataSet = loading.fetchDataSet();
  code.catch(fail);
  dataSet.catch(fail);

  // The service worker that keeps the site for offline play, registered once the game runs so
  // that its downloads do not slow the first start.
  function keepForOffline() {
    if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
    navigator.serviceWorker.register('sw.js').catch((error) => {
      console.warn('Brunival: no offline copy: ' + error.message);
    });
  }

  let started = false;
  const Module = {
    arguments: programArguments,
    canvas: document.getElementById('canvas'),
    brunivalStorageAvailable: false,
    brunivalPresent: picture.present,
    brunivalStoreWritten: storage.written,
    brunivalPadsConnected: gamepads.connected,
    brunivalClosed: () => {
      sound.stop();
      notices.show(text('closed', {}));
    },
    instantiateWasm: (imports, receive) => {
      code.then((bytes) => WebAssembly.instantiate(bytes, imports))
          .then((result) => receive(result.instance, result.module), fail);
      return {};
    },
    preRun: [() => {
      Module.addRunDependency('brunival-files');
      Promise.all([dataSet, storage.mount(Module)]).then(([files]) => {
        loading.writeDataSet(Module.FS, files);
        Module.brunivalStorageAvailable = storage.available();
        Module.removeRunDependency('brunival-files');
      }, fail);
    }],
    onRuntimeInitialized: () => {
      started = true;
      input.attach(Module);
      sound.attach(Module);
      notices.hide();
      window.performance.mark('brunival-started');
      keepForOffline();
    },
    preMainLoop: gamepads.poll,
    onAbort: (reason) => fail(new Error(String(reason))),
    print: (line) => console.log(line),
    printErr: (line) => console.warn(line),
  };
  window.Module = Module;

  window.brunivalState = () => (started ? Module.UTF8ToString(Module._brunival_state()) : null);

  loading.loadScript('brunival.js').catch(fail);
})();
