// The page's language and its own messages (the game draws its texts itself). ?lang= names the
// game's catalogue; otherwise the browser's language: Czech or Slovak read Czech.
'use strict';
window.Brunival = window.Brunival || {};
Brunival.texts = (function () {
  const messages = {
    cs: {
      title: 'Brunival – logická hra s atomy',
      loading: 'Načítání… {done} z {total} souborů',
      noWebAssembly: 'Tento prohlížeč neumí WebAssembly, a tak hru nespustí.',
      missingFile: 'Soubor {name} se nepodařilo načíst ({reason}). Zkuste stránku načíst znovu.',
      failed: 'Hru se nepodařilo spustit ({reason}). Zkuste stránku načíst znovu.',
      closed: 'Konec hry. Znovu načtěte stránku pro další hru.',
      saveFailed: 'Síň slávy se nepodařilo uložit.',
      replayRefused: 'Záznam nelze přehrát: {reason}',
      replayDamaged: 'Záznam v odkazu je poškozen.',
      replayLink: 'Odkaz na záznam hry',
      copy: 'Kopírovat',
      fullscreen: 'Celá obrazovka (Alt+Enter)',
      keys: { up: 'Nahoru', down: 'Dolů', left: 'Vlevo', right: 'Vpravo', space: 'Položit',
              enter: 'OK', esc: 'Zpět' },
    },
    en: {
      title: 'Brunival – an atom puzzle game',
      loading: 'Loading… {done} of {total} files',
      noWebAssembly: 'This browser has no WebAssembly, so the game cannot run.',
      missingFile: 'The file {name} could not be loaded ({reason}). Try reloading the page.',
      failed: 'The game could not start ({reason}). Try reloading the page.',
      closed: 'The game is over. Reload the page to play again.',
      saveFailed: 'The hall of fame could not be saved.',
      replayRefused: 'The replay cannot be played: {reason}',
      replayDamaged: 'The replay in the link is damaged.',
      replayLink: 'Link to this game\'s replay',
      copy: 'Copy',
      fullscreen: 'Full screen (Alt+Enter)',
      keys: { up: 'Up', down: 'Down', left: 'Left', right: 'Right', space: 'Put',
              enter: 'OK', esc: 'Back' },
    },
  };

  const query = new URLSearchParams(window.location.search);
  const asked = (query.get('lang') || '').toLowerCase();
  const browser = (navigator.language || '').slice(0, 2).toLowerCase();
  const language = /^[a-z]{2,3}$/.test(asked) ? asked
                 : (browser === 'cs' || browser === 'sk' ? 'cs' : 'en');
  // A catalogue of another language still gets the page's messages in English.
  const page = messages[language] || messages.en;

  function text(key, values) {
    return page[key].replace(/\{(\w+)\}/g, (_, name) => String(values[name]));
  }

  document.documentElement.lang = language;
  document.title = page.title;
  return { language, text, keyLabels: page.keys, query };
})();
