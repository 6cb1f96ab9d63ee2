// The hall of fame: a folder kept in IndexedDB. The game tells the page each time it writes the
// store, and the page carries it to IndexedDB at once; again when the page is hidden or left.
// Refused storage keeps nothing, and says so only in the console.
'use strict';
Brunival.storage = (function () {
  let FS = null;
  let available = false;
  let saving = false;
  let saveAgain = false;
  let askedToPersist = false;

  function mount(module) {
    FS = module.FS;
    return new Promise((resolve) => {
      try {
        FS.mkdir('/persist');
        FS.mount(FS.filesystems.IDBFS, {}, '/persist');
        FS.syncfs(true, (error) => {
          if (error) refuse(error.message || error);
          else available = true;
          resolve();
        });
      } catch (error) {
        refuse(error.message || error);
        resolve();
      }
    });
  }

  function refuse(reason) {
    available = false;
    console.warn('Brunival: the browser refuses storage (' + reason +
                 '); the hall of fame shows the default tables and keeps no new records.');
  }

  function failed(reason) {
    console.warn('Brunival: could not keep the hall of fame: ' + reason);
    Brunival.notices.flash(Brunival.texts.text('saveFailed', {}));
  }

  function save() {
    if (!available) return;
    if (saving) {
      saveAgain = true;
      return;
    }
    saving = true;
    FS.syncfs(false, (error) => {
      saving = false;
      if (error) failed(error.message || error);
      if (saveAgain) {
        saveAgain = false;
        save();
      }
    });
  }

  // Called by the game after each write of the store.
  function written(ok) {
    if (!ok) {
      failed('the store file could not be written');
      return;
    }
    save();
    if (!askedToPersist && navigator.storage && navigator.storage.persist) {
      askedToPersist = true;
      navigator.storage.persist().catch(() => {});
    }
  }

  window.addEventListener('pagehide', save);
  document.addEventListener('visibilitychange', () => { if (document.hidden) save(); });

  return { mount, written, available: () => available };
})();
