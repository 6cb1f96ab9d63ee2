#!/usr/bin/python3
"""Figures for the web build: the site's size, navigation to the first drawn frame in headless
Chromium (median of 5), the renderer's CPU while the page idles in the menu, and one whole play
frame in WebAssembly (Node.js runner) against the native runner, measured in the same sitting.

Usage (from the repository, after ./scripts/web.sh --build-only): bench/web/page_figures.py"""
import functools
import glob
import gzip
import http.server
import os
import shutil
import statistics
import subprocess
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

SITE = 'build-web/site'


def site_size():
    files = [f for f in glob.glob(SITE + '/**', recursive=True) if os.path.isfile(f)]
    raw = sum(os.path.getsize(f) for f in files)
    packed = sum(len(gzip.compress(open(f, 'rb').read(), 9)) for f in files)
    print('site: %d files, %.2f MB raw, %.2f MB gzip -9' % (len(files), raw / 1e6, packed / 1e6))


def cpu_seconds(pids):
    total = 0
    for pid in pids:
        try:
            fields = open('/proc/%d/stat' % pid).read().rsplit(')', 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except OSError:
            pass
    return total / os.sysconf('SC_CLK_TCK')


def renderer_pids():
    pids = []
    for entry in os.listdir('/proc'):
        if entry.isdigit():
            try:
                command = open('/proc/%s/cmdline' % entry, 'rb').read()
            except OSError:
                continue
            if b'chromium' in command and b'--type=renderer' in command:
                pids.append(int(entry))
    return pids


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def page_figures():
    handler = functools.partial(QuietHandler, directory=SITE)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = 'http://127.0.0.1:%d/?seed=1' % server.server_address[1]
    firsts = []
    for _ in range(5):
        with tempfile.TemporaryDirectory() as profile:
            driver = start_browser(profile)
            driver.get(url)
            while driver.execute_script('return window.brunivalFirstFrame') is None:
                time.sleep(0.02)
            firsts.append(driver.execute_script('return window.brunivalFirstFrame'))
            if len(firsts) == 5:
                idle_cpu(driver)
            driver.quit()
    print('navigation to first frame (fresh profile each): median %.0f ms of %s' % (
        statistics.median(firsts), ', '.join('%.0f' % f for f in firsts)))
    server.shutdown()


def start_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                 '--disable-background-networking', '--disable-component-update',
                 '--disable-sync', '--user-data-dir=' + profile):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
        'width': 1280, 'height': 960, 'deviceScaleFactor': 1, 'mobile': False})
    return driver


def idle_cpu(driver):
    time.sleep(9)  # the intro ends at 7.7 s
    pids = renderer_pids()
    before = cpu_seconds(pids)
    time.sleep(20)
    print('renderer CPU idling in the menu (1280x960 viewport, factor 2): %.1f s in 20 s' % (
        cpu_seconds(pids) - before))


def runner_seconds(command, frames, directory):
    script = ('frames 390 20\nframe 20 enter\nframe 20\nframe 20 down\nframe 20\nframe 20 down\n'
              'frame 20\nframe 20 down\nframe 20\nframe 20 enter\nframe 20\nframes 60 20\n'
              'frame 20 space\nframe 20\n'
              'frames 80 20\nframes %d 16\n' % frames).encode()
    start = time.monotonic()
    subprocess.run(command + ['--seed', '1'], input=script, cwd=directory, check=True,
                   stdout=subprocess.DEVNULL)
    return time.monotonic() - start


def play_frame():
    """"trenink a" never ends by itself: the cost of 3000 more play frames, per frame."""
    with tempfile.TemporaryDirectory() as directory:
        for name in os.listdir('build/data'):
            source = os.path.join('build/data', name)
            (shutil.copytree if os.path.isdir(source) else shutil.copy)(source,
                                                                        os.path.join(directory, name))
        for label, command in (('native', [os.path.abspath('build/brunival-headless')]),
                               ('wasm', ['node', os.path.abspath('build-web/brunival-headless.js')])):
            per_frame = min(
                (runner_seconds(command, 3000, directory) - runner_seconds(command, 0, directory))
                / 3000 for _ in range(3))
            print('%s runner, one play frame (with the mixer advanced): %.1f us' % (
                label, per_frame * 1e6))


if __name__ == '__main__':
    site_size()
    play_frame()
    page_figures()
