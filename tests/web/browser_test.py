#!/usr/bin/python3
"""The web page in headless Chromium, played like a player with real key events, in real time.

Usage: browser_test.py SITE_DIR [unittest options]. Every test checks that the console holds no
error."""
import functools
import http.server
import json
import math
import sys
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

SITE = sys.argv.pop(1) if len(sys.argv) > 1 else 'build-web/site'
MENU, MODES, PLAY, HALL, NAME_ENTRY = 1, 2, 10, 4, 12


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        handler = functools.partial(QuietHandler, directory=SITE)
        cls.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.url = 'http://127.0.0.1:%d/' % cls.server.server_address[1]

    @classmethod
    def tearDownClass(cls):
        cls.server.shutdown()

    def setUp(self):
        self.profile = tempfile.TemporaryDirectory()
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        for flag in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
                     '--no-first-run', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync',
                     '--user-data-dir=' + self.profile.name):
            options.add_argument(flag)
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        self.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        # A 640x480 viewport at one device pixel per pixel: the canvas holds the picture exactly.
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': 640, 'height': 480, 'deviceScaleFactor': 1, 'mobile': False})

    def tearDown(self):
        errors = [entry['message'] for entry in self.driver.get_log('browser')
                  if entry['level'] == 'SEVERE']
        self.driver.quit()
        self.profile.cleanup()
        self.assertEqual(errors, [], 'the console holds errors')

    def state(self):
        text = self.driver.execute_script('return window.brunivalState && brunivalState()')
        return json.loads(text) if text else None

    def wait_for(self, condition, seconds=20, what='the game'):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            state = self.state()
            if state and condition(state):
                return state
            time.sleep(0.1)
        self.fail('waited %d s for %s; last state: %s' % (
            seconds, what, json.dumps(state)[:300] if state else None))

    def press(self, key, times=1, hold=0.08):
        for _ in range(times):
            ActionChains(self.driver).key_down(key).pause(hold).key_up(key).pause(0.12).perform()

    def open_page(self, query='?seed=1&lang=cs'):
        self.driver.get(self.url + query)
        return self.wait_for(lambda s: s['ScreenState'] == MENU, what='the intro to end')

    def choose_mode(self, name):
        self.press(Keys.ENTER)
        modes = self.wait_for(lambda s: s['ScreenState'] == MODES, what='the mode choice')
        self.press(Keys.DOWN, modes['HlMenu']['Items'].index(name) + 1 - modes['HlMenu']['Selected'])
        self.press(Keys.ENTER)
        self.wait_for(lambda s: s['ScreenState'] == PLAY, what=name)
        time.sleep(1.3)  # the briefing takes no key before its delay
        self.press(Keys.SPACE)
        return self.wait_for(lambda s: s['Game']['Phase'] == 0 and s['Game']['QueueCount'] > 0,
                             what='play to begin')

    def pixels(self, x, y, width, height):
        return self.driver.execute_script(
            'return Array.from(document.getElementById("canvas").getContext("2d")'
            '.getImageData(arguments[0], arguments[1], arguments[2], arguments[3]).data)',
            x, y, width, height)

    def test_a_player_places_atoms_and_leaves_through_the_quit_prompt(self):
        self.open_page()
        self.assertEqual(self.pixels(0, 0, 1, 1)[3], 255)
        self.assertTrue(self.driver.execute_script('return window.scrollY === 0'))
        playing = self.choose_mode('trenink a')
        self.assertEqual(sum(cell['Kind'] != 0 for column in playing['Game']['Board']
                             for cell in column), 0)
        time.sleep(2)  # the briefing slides away and the first atom falls into the hand
        self.press(Keys.SPACE)
        self.press(Keys.RIGHT, 2)
        time.sleep(1)  # the next atom falls into the hand
        self.press(Keys.SPACE)
        placed = self.wait_for(lambda s: sum(cell['Kind'] != 0 for column in s['Game']['Board']
                                             for cell in column) >= 2, what='two atoms placed')
        self.assertEqual(placed['Game']['CursorCol'], playing['Game']['CursorCol'] + 2)
        self.assertEqual(self.driver.execute_script('return window.scrollY'), 0,
                         'the game keys never scroll the page')

        self.press(Keys.ESCAPE)
        self.wait_for(lambda s: s['Game']['QuitPrompt'] != 0, what='the quit prompt')
        time.sleep(0.3)
        # The prompt darkens every even column of row 51 to black, pixel for pixel.
        row = self.pixels(0, 51, 640, 1)
        self.assertEqual(sum(row[4 * x:4 * x + 3] == [0, 0, 0] for x in range(0, 640, 2)), 320)
        self.press(Keys.ENTER)
        self.wait_for(lambda s: s['ScreenState'] == MENU, what='the way back to the menu')

    def test_a_record_survives_a_reload(self):
        self.open_page()
        self.choose_mode('bitva')
        ActionChains(self.driver).key_down(Keys.F1).pause(1.2).key_up(Keys.F1).perform()
        entry = self.wait_for(lambda s: s['ScreenState'] == NAME_ENTRY, seconds=120,
                              what='the column to overflow')
        self.assertEqual(entry['Game']['NewRecord'], 1)
        time.sleep(0.3)
        # "AB" on the on-screen keyboard, then its finish key.
        self.press(Keys.SPACE)
        self.press(Keys.RIGHT, hold=0.05)
        time.sleep(0.2)
        self.press(Keys.SPACE)
        for key, times in ((Keys.DOWN, 4), (Keys.RIGHT, 6)):
            for _ in range(times):
                self.press(key, hold=0.05)
                time.sleep(0.2)
        self.press(Keys.SPACE)
        hall = self.wait_for(lambda s: s['ScreenState'] == HALL, what='the hall of fame')
        self.assertIn('AB', hall['HallNames'])
        time.sleep(2)  # the page keeps the store within a second of its write

        self.open_page('?seed=2&lang=cs')
        self.press(Keys.DOWN, 2)
        self.press(Keys.ENTER)
        again = self.wait_for(lambda s: s['ScreenState'] == HALL, what='the hall of fame')
        self.assertEqual(again['HallNames'], hall['HallNames'])
        self.assertEqual(again['HallScores'], hall['HallScores'])

    def test_a_game_offered_as_a_link_replays_and_verifies(self):
        self.open_page()
        self.choose_mode('trenink a')
        time.sleep(1.5)
        self.press(Keys.SPACE)
        self.press(Keys.ESCAPE)
        self.wait_for(lambda s: s['Game']['QuitPrompt'] != 0, what='the quit prompt')
        self.press(Keys.ENTER)
        self.wait_for(lambda s: s['ScreenState'] == MENU, what='the way back to the menu')
        link = None
        for _ in range(50):
            link = self.driver.execute_script(
                'const f = document.getElementById("replay-link"); return f && f.value')
            if link:
                break
            time.sleep(0.1)
        self.assertRegex(link or '', r'#replay=[A-Za-z0-9_-]+$', 'no link offered after the game')
        self.driver.get(link)
        for _ in range(600):
            result = self.driver.execute_script('return brunivalReplayResult()')
            if result:
                break
            time.sleep(0.1)
        self.assertEqual((result or {}).get('verified'), True, result)
        self.assertEqual(result['mode'], 4)
        self.wait_for(lambda s: s['ScreenState'] == MENU, what='the menu after the replay')

    def test_sound_plays_after_the_first_key(self):
        menu = self.open_page('?seed=1')
        self.assertEqual(menu['HlMenu']['Items'][2], 'hi-scores', "the browser's language (English)")
        self.assertFalse(self.driver.execute_script('return !!window.brunivalAudioContext'))
        self.press(Keys.DOWN)
        time.sleep(1.5)
        self.assertEqual(self.driver.execute_script('return brunivalAudioContext.state'), 'running')
        loudest = 0.0
        for _ in range(20):
            samples = self.driver.execute_script(
                'const a = window.brunivalAudioAnalyser; const s = new Float32Array(a.fftSize);'
                'a.getFloatTimeDomainData(s); return Array.from(s);')
            loudest = max(loudest, math.sqrt(sum(v * v for v in samples) / len(samples)))
            time.sleep(0.1)
        self.assertGreater(loudest, 0.001, 'the menu music is heard')


if __name__ == '__main__':
    unittest.main()
