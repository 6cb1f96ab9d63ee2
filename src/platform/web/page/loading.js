// The code and the data set, fetched at once and side by side, with a progress line. A file that
// cannot be fetched stops the start with a message that names it.
'use strict';
Brunival.loading = (function () {
  const { text } = Brunival.texts;
  // Every file is asked for by the site's version: no cache can hand over one of another.
  const version = document.querySelector('meta[name="brunival-version"]').content;
  let done = 0;
  let total = 3;  // brunival.js, brunival.wasm and the data set's listing, then every data file

  function progress() {
    if (window.brunivalFailure === undefined) Brunival.notices.show(text('loading', { done, total }));
  }

  function failure(name, reason) {
    const error = new Error(text('missingFile', { name, reason }));
    error.forPlayer = true;
    return error;
  }

  async function fetchFile(name) {
    let response;
    try {
      response = await fetch(name + '?v=' + version);
    } catch (error) {
      throw failure(name, error.message);
    }
    if (!response.ok) throw failure(name, response.status + ' ' + response.statusText);
    const bytes = new Uint8Array(await response.arrayBuffer());
    ++done;
    progress();
    return bytes;
  }

  // Resolves to [name, bytes] pairs, the names relative to the data folder.
  async function fetchDataSet() {
    const listing = JSON.parse(new TextDecoder().decode(await fetchFile('data/files.json')));
    total += listing.length;
    progress();
    return Promise.all(listing.map(async (name) => [name, await fetchFile('data/' + name)]));
  }

  function loadScript(name) {
    return new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = name + '?v=' + version;
      script.onload = () => { ++done; progress(); resolve(); };
      script.onerror = () => reject(failure(name, 'script'));
      document.body.appendChild(script);
    });
  }

  function writeDataSet(FS, files) {
    FS.mkdir('/game');
    for (const [name, bytes] of files) {
      const parts = name.split('/');
      for (let i = 1; i < parts.length; ++i) {
        const folder = '/game/' + parts.slice(0, i).join('/');
        if (!FS.analyzePath(folder).exists) FS.mkdir(folder);
      }
      FS.writeFile('/game/' + name, bytes);
    }
    FS.chdir('/game');
  }

  progress();
  return { fetchFile, fetchDataSet, loadScript, writeDataSet };
})();
