// The web page played like a player, in real time, with real key, touch and game-pad input, in
// headless Chromium and Firefox ESR with the same steps. Sound may start only after a gesture,
// as in a browser someone uses every day.
//
// Usage: node tests/web/browser_test.mjs SITE_DIR [chrome|firefox ...] [--only NAME]
// Every walk fails when the console holds an error. The native build (build/) must be there: its
// data set, and its automatic player for the day's game.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { execFileSync } from 'node:child_process';
import puppeteer from 'puppeteer-core';
import { SiteServer } from './site_server.mjs';

const MENU = 1, MODES = 2, HALL = 4, PLAY = 10, NAME_ENTRY = 12;
const args = process.argv.slice(2);
const only = args.includes('--only') ? args.splice(args.indexOf('--only'), 2)[1] : null;
const site = args.shift() || 'build-web/site';
const browsers = args.length ? args : ['chrome', 'firefox'];
const repository = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
const docs = path.join(repository, 'docs');
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

const executables = { chrome: '/usr/bin/chromium', firefox: '/usr/bin/firefox-esr' };

// One browser with its own profile; reopen() starts it again on the same profile.
class Session {
  constructor(name, server) {
    this.name = name;
    this.server = server;
    this.profile = fs.mkdtempSync(path.join(os.tmpdir(), 'brunival-' + name + '-'));
    this.errors = [];
    this.allowedErrors = [];
  }

  async open() {
    const chrome = this.name === 'chrome';
    this.browser = await puppeteer.launch({
      browser: this.name,
      executablePath: executables[this.name],
      headless: true,
      userDataDir: this.profile,
      args: chrome ? ['--no-sandbox', '--disable-gpu', '--autoplay-policy=user-gesture-required',
                      '--no-first-run', '--disable-background-networking',
                      '--disable-component-update', '--disable-sync'] : [],
      extraPrefsFirefox: { 'media.autoplay.default': 1, 'media.autoplay.block-webaudio': true },
    });
    const pages = await this.browser.pages();
    this.page = pages.length ? pages[0] : await this.browser.newPage();
    this.page.on('console', (message) => {
      if (message.type() === 'error' &&
          !this.allowedErrors.some((allowed) => message.text().includes(allowed))) {
        this.errors.push(message.text());
      }
    });
    this.page.on('pageerror', (error) => this.errors.push(String(error)));
    return this.page;
  }

  async close() {
    if (this.browser) await this.browser.close();
    this.browser = null;
  }

  async reopen() {
    await this.close();
    return this.open();
  }

  // A phone-sized screen with touch where the browser can emulate one (Chromium); elsewhere
  // ?touch=1 shows the controls.
  async phone(width, height) {
    await this.page.setViewport({ width, height, hasTouch: true, isMobile: this.name === 'chrome' });
    return this.name === 'chrome' ? '' : '&touch=1';
  }

  // The line of the daily challenge above a picture of 640x480.
  async desktop() {
    await this.page.setViewport({ width: 640, height: 508 });
  }

  async goto(query) {
    await this.page.goto(this.server.url + query);
  }

  async state() {
    const text = await this.page.evaluate(() => window.brunivalState && window.brunivalState());
    return text ? JSON.parse(text) : null;
  }

  async waitFor(condition, what, seconds = 30) {
    const deadline = Date.now() + seconds * 1000;
    let state = null;
    while (Date.now() < deadline) {
      state = await this.state();
      if (state && condition(state)) return state;
      await sleep(100);
    }
    assert.fail(`waited ${seconds} s for ${what}; last state: ${JSON.stringify(state).slice(0, 300)}`);
  }

  async openGame(query) {
    await this.goto(query);
    return this.waitFor((s) => s.ScreenState === MENU, 'the intro to end');
  }

  async press(key, times = 1, hold = 80) {
    for (let i = 0; i < times; ++i) {
      await this.page.keyboard.down(key);
      await sleep(hold);
      await this.page.keyboard.up(key);
      await sleep(120);
    }
  }

  async control(name) {
    const box = await (await this.page.$(`[data-key="${name}"]`)).boundingBox();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  }

  // A finger on a control until the returned handle's end().
  async touch(name) {
    const { x, y } = await this.control(name);
    return this.page.touchscreen.touchStart(x, y);
  }

  async tap(name, times = 1, hold = 80) {
    for (let i = 0; i < times; ++i) {
      const finger = await this.touch(name);
      await sleep(hold);
      await finger.end();
      await sleep(150);
    }
  }

  // The README's pictures come from Chromium.
  async screenshot(file) {
    if (this.name !== 'chrome') return;
    await this.page.screenshot({ path: path.join(docs, file), type: 'png' });
  }
}

// The quick automatic player's game of the day as runner-script frame lines, and its score.
const DAY = '2026-12-24';
function dailyScript() {
  const file = path.join(os.tmpdir(), `brunival-daily-${process.pid}.txt`);
  const printed = execFileSync(path.join(repository, 'build/brunival-autoplay'),
                               ['--data', path.join(repository, 'build/data'), '--profile', 'quick',
                                'daily', DAY, '1', file],
                               { encoding: 'utf8' });
  const lines = fs.readFileSync(file, 'utf8').split('\n').filter(Boolean);
  fs.rmSync(file);
  return { lines, score: Number(/^score (\d+)$/m.exec(printed)[1]) };
}

// Before the page loads: the browser's clock says noon of the day, and the page's frames are
// played only by brunivalStepFrames.
async function dayByHand(page) {
  const pinClock = (now) => {
    const RealDate = Date;
    const shift = now - RealDate.now();
    window.Date = class extends RealDate {
      constructor(...args) { super(...(args.length ? args : [RealDate.now() + shift])); }
      static now() { return RealDate.now() + shift; }
    };
    window.brunivalFramesByHand = true;
  };
  await page.evaluateOnNewDocument(`(${pinClock})(${Date.parse(DAY + 'T12:00:00Z')})`);
}

// The replay's message box says this within a few seconds.
async function saysOnPage(page, message) {
  try {
    await page.waitForFunction((text) => document.getElementById('replay').textContent === text,
                               { timeout: 5000 }, message);
  } catch (error) {
    assert.equal(await page.$eval('#replay', (box) => box.textContent), message);
  }
}

const atoms = (state) => state.Game.Board.flat().filter((cell) => cell.Kind !== 0).length;

// The menu down to a mode, through the briefing, to play, by any input: `step(name)` gives one
// press of up/down/enter/space.
async function startMode(session, mode, step) {
  await step('enter');
  const modes = await session.waitFor((s) => s.ScreenState === MODES, 'the mode choice');
  for (let i = modes.HlMenu.Selected; i < modes.HlMenu.Items.indexOf(mode) + 1; ++i) {
    await step('down');
  }
  await step('enter');
  await session.waitFor((s) => s.ScreenState === PLAY, mode);
  await sleep(1300);  // the briefing takes no key before its delay
  await step('space');
  return session.waitFor((s) => s.Game.Phase === 0 && s.Game.QueueCount > 0, 'play to begin');
}

// The controls fit beside the picture: nothing scrolls, nothing overlaps, every target is large.
async function checkTouchLayout(session, width, height) {
  const layout = await session.page.evaluate(() => {
    const box = (element) => element.getBoundingClientRect().toJSON();
    return {
      scroll: [document.documentElement.scrollWidth, document.documentElement.scrollHeight],
      canvas: box(document.getElementById('canvas')),
      controls: Array.from(document.querySelectorAll('[data-key]'), box),
      daily: box(document.getElementById('daily')),
    };
  });
  assert.deepEqual(layout.scroll, [width, height], 'the page does not scroll');
  const { canvas } = layout;
  assert.ok(canvas.left >= 0 && canvas.top >= 0 && canvas.right <= width && canvas.bottom <= height);
  assert.ok(Math.abs(canvas.width * 3 - canvas.height * 4) < 4, '4:3');
  assert.equal(layout.controls.length, 7);
  const overlap = (a, b) => Math.min(a.right, b.right) > Math.max(a.left, b.left) &&
                            Math.min(a.bottom, b.bottom) > Math.max(a.top, b.top);
  for (const control of layout.controls) {
    assert.ok(control.width >= 48 && control.height >= 48, 'a target of 48 CSS px at least');
    assert.ok(control.right <= width && control.bottom <= height, 'on the screen');
    assert.ok(!overlap(control, canvas), 'beside the picture, not over it');
    assert.ok(!overlap(control, layout.daily), 'the daily challenge beside the controls');
  }
  assert.ok(!overlap(layout.daily, canvas) && layout.daily.left >= 0 && layout.daily.top >= 0,
            'the daily challenge beside the picture');
  return canvas;
}

// The sound runs after the gestures, is heard, and pauses while another tab is in front. (Headless
// Firefox has no audio device here: its contexts never run, so only Chromium checks this.)
async function checkSoundFollowsTheTab(session) {
  const state = () => session.page.evaluate(() => brunivalAudioContext.state);
  assert.equal(await state(), 'running');
  await session.page.evaluate(() => brunivalAudioLevel());
  await sleep(1500);
  assert.ok(await session.page.evaluate(() => brunivalAudioLevel()) > 0.001, 'the music is heard');
  const other = await session.browser.newPage();
  await other.bringToFront();
  await sleep(500);
  assert.equal(await state(), 'suspended');
  await session.page.bringToFront();
  await other.close();
  await sleep(500);
  assert.equal(await state(), 'running');
}

// A still menu rests, yet a key is read at the very next animation frame.
async function checkKeyWakesTheMenu(session) {
  await sleep(1500);
  const [before, after] = await session.page.evaluate(async () => {
    const selected = () => JSON.parse(brunivalState()).HlMenu.Selected;
    const key = (type) => window.dispatchEvent(new KeyboardEvent(type, { code: 'ArrowDown' }));
    const before = selected();
    key('keydown');
    await new Promise((resolve) => requestAnimationFrame(resolve));
    const after = selected();
    key('keyup');
    return [before, after];
  });
  assert.equal(after, before + 1, 'the menu moved at the first animation frame after the key');
  await session.press('ArrowUp');
}

const walks = {
  // Landscape phone: by touch alone to "trenink a", atoms put down (Space tapped while an arrow
  // is held), Esc's quit prompt answered.
  async touchPlaysAGame(session) {
    const touch = await session.phone(844, 390);
    await session.openGame('?seed=1&lang=cs' + touch);
    const canvas = await checkTouchLayout(session, 844, 390);
    assert.ok(canvas.height >= 360, 'the picture takes the height: ' + canvas.height);
    const playing = await startMode(session, 'trenink a', (name) => session.tap(name));
    assert.equal(atoms(playing), 0);
    await sleep(2000);  // the briefing slides away and the first atom falls into the hand
    await session.tap('space');
    const arrow = await session.touch('right');
    await sleep(1000);  // the next atom falls into the hand
    await session.tap('space');  // a second finger while the first holds the arrow
    await arrow.end();
    const placed = await session.waitFor((s) => atoms(s) >= 2, 'two atoms placed');
    assert.ok(placed.Game.CursorCol > playing.Game.CursorCol, 'the held arrow moved the cursor');
    await session.screenshot('web-touch-landscape.png');
    await session.tap('esc');
    await session.waitFor((s) => s.Game.QuitPrompt !== 0, 'the quit prompt');
    await session.tap('enter');
    await session.waitFor((s) => s.ScreenState === MENU, 'the way back to the menu');
  },

  // Portrait phone: a record's name entered by touch; the tab closed 50 ms after the name is
  // finished; the record is there when the same profile opens the page again.
  async touchRecordSurvivesAClosedTab(session) {
    const touch = await session.phone(390, 844);
    await session.openGame('?seed=1&lang=cs' + touch);
    await checkTouchLayout(session, 390, 844);
    await startMode(session, 'bitva', (name) => session.tap(name));
    await session.page.keyboard.down('F1');  // the test key: points every frame it is held
    await sleep(1200);
    await session.page.keyboard.up('F1');
    const entry = await session.waitFor((s) => s.ScreenState === NAME_ENTRY, 'the column to overflow',
                                         120);
    assert.equal(entry.Game.NewRecord, 1);
    await sleep(300);
    // "AB" on the on-screen keyboard, then its finish key.
    await session.tap('space');
    await session.tap('right');
    await session.tap('space');
    await session.tap('down', 4);
    await session.tap('right', 6);
    await session.screenshot('web-touch-portrait.png');
    const finish = await session.touch('space');
    await sleep(60);
    await finish.end();
    await sleep(50);
    await session.page.close();

    await session.reopen();
    await session.desktop();
    await session.openGame('?seed=2&lang=cs');
    await session.press('ArrowDown', 2);
    await session.press('Enter');
    const hall = await session.waitFor((s) => s.ScreenState === HALL, 'the hall of fame');
    assert.ok(hall.HallNames.includes('AB'), hall.HallNames);
  },

  // The keyboard: Esc as the very first key (no gesture to the browser) and then Enter start the
  // sound; a hidden tab silences it. Atoms put down, the quit prompt drawn pixel for pixel; the
  // game offered as a replay link verifies.
  async keyboardPlaysWithSound(session) {
    await session.desktop();
    await session.goto('?seed=1&lang=cs');
    await session.waitFor((s) => s.ScreenState !== MENU, 'the intro');
    await session.press('Escape');
    await session.waitFor((s) => s.ScreenState === MENU, 'the menu');
    await checkKeyWakesTheMenu(session);
    await session.press('Enter');
    await session.waitFor((s) => s.ScreenState === MODES, 'the mode choice');
    await sleep(500);
    if (session.name === 'chrome') await checkSoundFollowsTheTab(session);
    await session.press('Escape');  // back to the menu from the mode choice
    await session.waitFor((s) => s.ScreenState === MENU, 'the menu');
    const playing = await startMode(session, 'trenink a', (name) => session.press(
        { enter: 'Enter', down: 'ArrowDown', space: ' ' }[name]));
    await sleep(2000);
    await session.press(' ');
    await session.press('ArrowRight', 2);
    await sleep(1000);  // the next atom falls into the hand
    await session.press(' ');
    const placed = await session.waitFor((s) => atoms(s) >= 2, 'two atoms placed');
    assert.equal(placed.Game.CursorCol, playing.Game.CursorCol + 2);
    await session.press('Escape');
    await session.waitFor((s) => s.Game.QuitPrompt !== 0, 'the quit prompt');
    await sleep(300);
    // The prompt darkens every even column of row 51 to black, pixel for pixel.
    const dark = await session.page.evaluate(() => {
      const row = document.getElementById('canvas').getContext('2d').getImageData(0, 51, 640, 1).data;
      let count = 0;
      for (let x = 0; x < 640; x += 2) count += row[4 * x] + row[4 * x + 1] + row[4 * x + 2] === 0;
      return count;
    });
    assert.equal(dark, 320);
    await session.press('Enter');
    await session.waitFor((s) => s.ScreenState === MENU, 'the way back to the menu');

    // The page offers the game just played as a link; opened, it replays and verifies.
    await session.page.waitForFunction(() => document.getElementById('replay-link'));
    const link = await session.page.$eval('#replay-link', (field) => field.value);
    assert.match(link, /#replay=[A-Za-z0-9_-]+$/);
    await session.page.goto(link);
    await session.page.waitForFunction(() => window.brunivalReplayResult &&
                                              window.brunivalReplayResult(), { timeout: 60000 });
    const result = await session.page.evaluate(() => window.brunivalReplayResult());
    assert.deepEqual([result.verified, result.mode], [true, 4], JSON.stringify(result));
    await session.waitFor((s) => s.ScreenState === MENU, 'the menu after the replay');
  },

  // A game pad, faked behind navigator.getGamepads, starts a game; the English page is English.
  async gamepadStartsAGame(session) {
    await session.page.evaluateOnNewDocument(() => {
      const button = () => ({ pressed: false, value: 0 });
      window.fakePad = { connected: true, mapping: 'standard', axes: [0, 0, 0, 0],
                         buttons: Array.from({ length: 17 }, button) };
      navigator.getGamepads = () => [window.fakePad, null, null, null];
    });
    await session.desktop();
    await session.openGame('?seed=1&lang=en');
    assert.deepEqual(await session.page.evaluate(() => [document.documentElement.lang,
                                                        document.title]),
                     ['en', 'Brunival – an atom puzzle game']);
    const buttons = { space: 0, enter: 9, down: 13 };
    await startMode(session, 'warm-up a', async (name) => {
      await session.page.evaluate((index) => { fakePad.buttons[index].pressed = true; }, buttons[name]);
      await sleep(100);
      await session.page.evaluate((index) => { fakePad.buttons[index].pressed = false; }, buttons[name]);
      await sleep(150);
    });
  },

  // The day's challenge, on a browser whose clock says it is that day: the automatic player's
  // frames played on the page give its score; the page offers the game to share and shows the
  // day's best and one day in a row. A fresh profile refuses a date that is no date and starts
  // as usual; the shared link's replay reaches the same score there, and the link with its score
  // edited is refused at once.
  async dailyChallengeSharedAndChecked(session) {
    const { lines, score } = dailyScript();
    await dayByHand(session.page);
    await session.desktop();
    await session.goto(`?daily=${DAY}&lang=en`);
    await session.waitFor((s) => s.ScreenState === PLAY, "the day's briefing");
    assert.equal(await session.page.$eval('#daily-link', (link) => link.getAttribute('href')),
                 '?lang=en&daily');
    for (let i = 0; i < lines.length; i += 1000) {
      await session.page.evaluate((chunk) => brunivalStepFrames(chunk), lines.slice(i, i + 1000));
    }
    const end = await session.state();
    assert.deepEqual([end.ScreenState, end.Game.Score], [MENU, score]);
    await session.page.waitForFunction(() => document.getElementById('share-text').value);
    const [share, best, streak] = await session.page.evaluate(() => [
      document.getElementById('share-text').value,
      document.getElementById('daily-best').textContent,
      document.getElementById('daily-streak').textContent]);
    assert.deepEqual([best, streak], [`Today's best: ${score}`, 'Days in a row: 1']);
    const shared = new RegExp(`^Brunival daily challenge ${DAY}: ${score} points\\. .*: ` +
                              `(http://\\S+/#daily=${DAY}&score=${score}&replay=[\\w-]+)$`);
    assert.match(share, shared);
    const link = shared.exec(share)[1];

    const fresh = new Session(session.name, session.server);
    try {
      const page = await fresh.open();
      await dayByHand(page);
      await fresh.goto('?daily=2026-02-30&lang=cs');
      const notice = await page.$eval('#notice', (box) => [box.hidden, box.textContent]);
      assert.deepEqual(notice, [false, '„2026-02-30“ není datum (RRRR-MM-DD), výzva dne se nespustí.']);
      await fresh.waitFor((s) => s.ScreenState === 0, 'the intro');

      await page.goto(link);
      await fresh.waitFor(() => true, 'the game to start');
      let result = null;
      for (let i = 0; i < 30 && !result; ++i) {
        result = await page.evaluate(() => brunivalStepFrames(Array(100).fill('frame 250')) &&
                                           brunivalReplayResult());
      }
      assert.deepEqual(result && [result.verified, result.daily, result.score, result.claimed],
                       [true, DAY, score, { daily: DAY, score }], JSON.stringify(result));
      await saysOnPage(page, `Daily challenge ${DAY}: ${score} points, checked by this browser.`);

      await page.goto(link.replace(`score=${score}`, `score=${score + 100}`));
      await page.waitForFunction((claimed) => brunivalReplayResult()?.claimed.score === claimed,
                                 {}, score + 100);
      result = await page.evaluate(() => brunivalReplayResult());
      assert.deepEqual([result.verified, result.reason], [false, 'score'], JSON.stringify(result));
      await saysOnPage(page, `The link claims ${score + 100} points on ${DAY}, but its game does not ` +
                             'reach them.');
      assert.deepEqual(fresh.errors, [], 'the fresh profile\'s console holds errors');
    } finally {
      await fresh.close().catch(() => {});
      fs.rmSync(fresh.profile, { recursive: true, force: true });
    }
  },

  // A data file missing from the site: a message that names it, in the page's language.
  async missingDataFileIsNamed(session) {
    session.server.hidden.add('/data/zvuky.dat');
    session.allowedErrors.push('404');
    try {
      await session.desktop();
      await session.goto('?lang=en');
      await session.page.waitForFunction(() => window.brunivalFailure !== undefined);
      const shown = await session.page.$eval('#message', (message) => [message.hidden,
                                                                        message.textContent]);
      assert.deepEqual(shown, [false, 'The file data/zvuky.dat could not be loaded (404 Not Found).' +
                                      ' Try reloading the page.']);
    } finally {
      session.server.hidden.clear();
    }
  },
};

// The site built again from its parts with one page file changed, as the build would.
function rebuildWithChangedFile(siteCopy, file, from, to) {
  const pages = fs.mkdtempSync(path.join(os.tmpdir(), 'brunival-page-'));
  const source = path.join(repository, 'src/platform/web');
  fs.cpSync(path.join(source, 'page'), pages, { recursive: true });
  const changed = path.join(pages, file);
  fs.writeFileSync(changed, fs.readFileSync(changed, 'utf8').replace(from, to));
  execFileSync('cmake', ['-DPAGE_DIR=' + pages, '-DSITE_DIR=' + siteCopy,
                         '-DDATA_DIR=' + path.join(repository, 'build/data'),
                         '-DICON_DIR=' + path.join(repository, 'build/packaging/icons'),
                         '-P', path.join(source, 'assemble_site.cmake')]);
  fs.rmSync(pages, { recursive: true });
}

walks.installableAndOffline = async function (session) {
  // A copy of the site on its own server, which goes away and comes back rebuilt.
  const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'brunival-site-'));
  fs.cpSync(site, copy, { recursive: true });
  const server = new SiteServer(copy);
  await server.start();
  const page = session.page;
  const version = () => page.$eval('meta[name="brunival-version"]', (meta) => meta.content);
  try {
    await session.desktop();
    await page.goto(server.url + '?seed=1&lang=en');
    await session.waitFor((s) => s.ScreenState === MENU, 'the intro to end');
    const manifest = await page.evaluate(async () => {
      const response = await fetch(document.querySelector('link[rel="manifest"]').href);
      const fields = await response.json();
      for (const icon of fields.icons) {
        const image = new Image();
        image.src = new URL(icon.src, response.url);
        await image.decode();
        icon.drawn = image.naturalWidth + 'x' + image.naturalHeight;
      }
      return fields;
    });
    assert.equal(manifest.name, 'Brunival');
    assert.ok(['fullscreen', 'standalone'].includes(manifest.display));
    assert.equal(manifest.orientation, 'landscape');
    assert.deepEqual(manifest.icons.map((icon) => [icon.sizes, icon.drawn]),
                     [['192x192', '192x192'], ['512x512', '512x512']]);

    await page.waitForFunction(() => navigator.serviceWorker.controller !== null,
                               { timeout: 30000 });
    const firstVersion = await version();
    await server.stop();
    await page.reload();
    await session.waitFor((s) => s.ScreenState === MENU, 'the menu offline');
    await startMode(session, 'warm-up a', (name) => session.press(
        { enter: 'Enter', down: 'ArrowDown', space: ' ' }[name]));

    rebuildWithChangedFile(copy, 'texts.js', 'Brunival – an atom puzzle game', 'Brunival – updated');
    await server.start();
    await page.goto(server.url + '?seed=1&lang=en');
    await session.waitFor((s) => s.ScreenState === MENU, 'the intro of the new version');
    const newVersion = await version();
    assert.notEqual(newVersion, firstVersion);
    assert.equal(await page.title(), 'Brunival – updated');
    const fetched = await page.evaluate(() => performance.getEntriesByType('resource')
        .map((entry) => new URL(entry.name)).filter((url) => url.searchParams.has('v'))
        .map((url) => url.pathname + ' ' + url.searchParams.get('v')));
    assert.ok(fetched.length >= 10, fetched);
    for (const entry of fetched) assert.ok(entry.endsWith(' ' + newVersion), entry);
  } finally {
    await server.stop().catch(() => {});
    fs.rmSync(copy, { recursive: true, force: true });
  }
};

async function main() {
  const server = new SiteServer(site);
  await server.start();
  let failures = 0;
  for (const name of browsers) {
    for (const [walk, run] of Object.entries(walks)) {
      if (only && walk !== only) continue;
      const session = new Session(name, server);
      const started = Date.now();
      try {
        await session.open();
        await run(session);
        assert.deepEqual(session.errors, [], 'the console holds errors');
        console.log(`ok   ${name} ${walk} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
      } catch (error) {
        ++failures;
        console.log(`FAIL ${name} ${walk}: ${error.stack || error}`);
      } finally {
        await session.close().catch(() => {});
        fs.rmSync(session.profile, { recursive: true, force: true });
      }
    }
  }
  await server.stop();
  process.exit(failures ? 1 : 0);
}

main();
