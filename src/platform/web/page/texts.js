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
      dailyLink: 'Výzva dne',
      dailyLinkTitle: 'Výzva dne {date}: dnes pro všechny stejná hra',
      dailyBest: 'Dnešní nejlepší: {score}',
      dailyStreak: 'Dnů v řadě: {days}',
      dailyBadDate: '„{date}“ není datum (RRRR-MM-DD), výzva dne se nespustí.',
      dailyShare: 'Brunival, výzva dne {date}: {score} bodů. Přehrajte a ověřte si to: {link}',
      dailyChecked: 'Výzva dne {date}: {score} bodů, ověřeno tímto prohlížečem.',
      dailyNotDaily: 'Odkaz uvádí výzvu dne {date}, ale jeho záznam výzvou dne není.',
      dailyOtherDate: 'Odkaz uvádí výzvu dne {date}, ale jeho záznam je výzvou dne {played}.',
      dailyUnfinished: 'Odkaz uvádí výzvu dne {date}, ale jeho hra nebyla dohrána.',
      dailyScoreDiffers: 'Odkaz tvrdí {claimed} bodů za {date}, ale jeho hra jich nedosáhne.',
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
      dailyLink: 'Today\'s challenge',
      dailyLinkTitle: 'The daily challenge of {date}: the same game for everyone today',
      dailyBest: 'Today\'s best: {score}',
      dailyStreak: 'Days in a row: {days}',
      dailyBadDate: '"{date}" is not a date (YYYY-MM-DD), so no daily challenge starts.',
      dailyShare: 'Brunival daily challenge {date}: {score} points. Watch it and check it: {link}',
      dailyChecked: 'Daily challenge {date}: {score} points, checked by this browser.',
      dailyNotDaily: 'The link names the challenge of {date}, but its replay is no daily challenge.',
      dailyOtherDate: 'The link names the challenge of {date}, but its replay is the one of {played}.',
      dailyUnfinished: 'The link names the challenge of {date}, but its game was not played to the end.',
      dailyScoreDiffers: 'The link claims {claimed} points on {date}, but its game does not reach them.',
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
