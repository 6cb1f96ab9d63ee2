// The daily challenge on the page: ?daily (today, UTC) or ?daily=YYYY-MM-DD starts that day's
// game. Beside the picture: a link to today's challenge, today's best and the days played in a
// row, read from the game's record of days. After a day's game, a text to share: the date, the
// score and a link to its replay (#daily=DATE&score=N&replay=...), which the page that opens it
// checks by playing the replay.
'use strict';
Brunival.daily = (function () {
  const { text, query } = Brunival.texts;

  function isDate(value) {
    const match = /^(\d{4})-(\d{2})-(\d{2})$/.exec(value);
    if (!match) return false;
    const [year, month, day] = match.slice(1).map(Number);
    const leap = year % 4 === 0 && (year % 100 !== 0 || year % 400 === 0);
    const days = [31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31][month - 1];
    return year >= 1 && day >= 1 && day <= days;
  }

  const today = new Date().toISOString().slice(0, 10);
  const asked = query.has('daily') ? query.get('daily') || today : null;
  const programArguments = asked !== null && isDate(asked) ? ['--daily', asked] : [];
  if (asked !== null && !isDate(asked)) Brunival.notices.flash(text('dailyBadDate', { date: asked }));

  const link = document.getElementById('daily-link');
  const others = new URLSearchParams(query);
  others.delete('daily');
  others.delete('seed');
  link.href = '?' + (others.toString() ? others.toString() + '&' : '') + 'daily';
  link.textContent = text('dailyLink', {});
  link.title = text('dailyLinkTitle', { date: today });

  function showRecord() {
    const answer = Module._brunival_daily_record(Number(today.replace(/-/g, '')));
    const record = JSON.parse(Module.UTF8ToString(answer)) || { best: null, streak: 0 };
    document.getElementById('daily-best').textContent =
        text('dailyBest', { score: record.best === null ? '–' : record.best });
    document.getElementById('daily-streak').textContent = text('dailyStreak', { days: record.streak });
  }

  // A game finished (`claims` of its replay, `replay` the file in base64url): a day's game that
  // reached its result is offered to share. Returns whether it was.
  function gameFinished(claims, replay) {
    showRecord();
    if (!claims || !claims.daily || !claims.result) return false;
    const address = window.location.origin + window.location.pathname + '#daily=' + claims.daily +
                    '&score=' + claims.score + '&replay=' + replay;
    const field = document.getElementById('share-text');
    field.value = text('dailyShare', { date: claims.daily, score: claims.score, link: address });
    document.getElementById('share').hidden = false;
    return true;
  }

  document.getElementById('share-copy').textContent = text('copy', {});
  document.getElementById('share-copy').addEventListener('click', (event) => {
    const field = document.getElementById('share-text');
    field.select();
    if (navigator.clipboard) navigator.clipboard.writeText(field.value).catch(() => {});
    event.currentTarget.blur();  // else Space and Enter would press it again
    document.getElementById('canvas').focus();
  });

  // What a link says of its replay (#daily=DATE&score=N), or null when it names no day.
  function linkClaim(fields) {
    if (!fields.has('daily') && !fields.has('score')) return null;
    return { daily: fields.get('daily') || '', score: Number(fields.get('score')) };
  }

  // Whether a link's claim holds for the replay it carries (`opened`: what the file claims;
  // `result`: what this browser reached, null before the end): {verified, reason, message}, or
  // null while only the end can tell. What the file claims can refuse the link at once: a file
  // that claims another day or score either reaches it, or is refused itself.
  function judge(claim, opened, result) {
    const refuse = (reason, key, values) => ({
      verified: false, reason, message: text(key, { date: claim.daily, claimed: claim.score, ...values }),
    });
    if (!opened || !opened.daily) return refuse('not-daily', 'dailyNotDaily');
    if (opened.daily !== claim.daily) return refuse('other-date', 'dailyOtherDate', { played: opened.daily });
    if (!opened.result) return refuse('unfinished', 'dailyUnfinished');
    if (opened.score !== claim.score) return refuse('score', 'dailyScoreDiffers');
    if (!result) return null;
    if (!result.verified || result.score !== claim.score) return refuse('score', 'dailyScoreDiffers');
    return { verified: true, reason: '',
             message: text('dailyChecked', { date: claim.daily, score: result.score }) };
  }

  return { programArguments, showRecord, gameFinished, linkClaim, judge };
})();
