#!/usr/bin/python3
"""Figures for the web build: the site's size, navigation to the first drawn frame in headless
Chromium (median of 5), the CPU of every browser process while the page idles in the menu (beside a blank page and
one that only runs requestAnimationFrame), and one whole play
frame in WebAssembly (Node.js runner) against the native runner, measured in the same sitting.

Usage (from the repository, after ./scripts/web.sh --build-only):
    bench/web/page_figures.py [--idle-only] [--rounds N] [SITE ...]
With several sites (an older build beside the current one) the idle figures cover each; with
--rounds the idle pages are measured N times in turn."""
import argparse
import functools
import glob
import gzip
import http.server
import os
import shutil
import statistics
import subprocess
import sys
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


def browser_pids(driver):
    """Every process the browser started: chromedriver's descendants."""
    parents = {}
    for entry in os.listdir('/proc'):
        if entry.isdigit():
            try:
                fields = open('/proc/%s/stat' % entry).read().rsplit(')', 1)[1].split()
            except OSError:
                continue
            parents.setdefault(int(fields[1]), []).append(int(entry))
    found, queue = [], [driver.service.process.pid]
    while queue:
        children = parents.get(queue.pop(), [])
        found += children
        queue += children
    return found


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


# A page that does nothing but ask for every animation frame: the floor of any animated page.
FLOOR_PAGE = ('<!doctype html><body style="background:black">'
              '<script>function tick() { requestAnimationFrame(tick); } tick();</script>')
# The same reading game pads every frame, as a page that takes them must: the browser then polls
# for pads all the time. Served from localhost like the game, since pads need a secure context.
FLOOR_WITH_PADS_PAGE = FLOOR_PAGE.replace('{ requestAnimationFrame(tick); }',
                                          '{ navigator.getGamepads(); requestAnimationFrame(tick); }')


def serve(directory):
    handler = functools.partial(QuietHandler, directory=directory)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, 'http://127.0.0.1:%d/' % server.server_address[1]


def page_figures(sites):
    server, url = serve(sites[0])
    url += '?seed=1'
    firsts, cached = [], []
    for _ in range(5):
        with tempfile.TemporaryDirectory() as profile:
            driver = start_browser(profile)
            firsts.append(first_frame(driver, url))
            wait_for_offline_copy(driver)
            cached.append(first_frame(driver, url))
            driver.quit()
    print('navigation to first frame from the network (fresh profile each): median %.0f ms of %s'
          % (statistics.median(firsts), ', '.join('%.0f' % f for f in firsts)))
    print('navigation to first frame from the offline copy: median %.0f ms of %s' % (
        statistics.median(cached), ', '.join('%.0f' % f for f in cached)))
    server.shutdown()


def first_frame(driver, url):
    driver.get(url)
    while driver.execute_script('return window.brunivalFirstFrame') is None:
        time.sleep(0.02)
    return driver.execute_script('return window.brunivalFirstFrame')


def wait_for_offline_copy(driver):
    for _ in range(300):
        if driver.execute_script('return !!(navigator.serviceWorker && '
                                 'navigator.serviceWorker.controller)'):
            return
        time.sleep(0.1)


def start_browser(profile, width=1280, height=960):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                 '--disable-background-networking', '--disable-component-update',
                 '--disable-sync', '--window-size=%d,%d' % (width, height),
                 '--user-data-dir=' + profile):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


def idle_cpu(sites, rounds=1):
    """Every browser process's CPU over 6 s, 1400x1000 window: a blank page, the floor, and each
    site idling in its menu, in one sitting. With several rounds the pages take turns, so that
    a busy moment of the shared machine does not fall on one page alone; the median is given."""
    floors = tempfile.TemporaryDirectory()
    for name, page in (('floor.html', FLOOR_PAGE), ('floor-pads.html', FLOOR_WITH_PADS_PAGE)):
        with open(os.path.join(floors.name, name), 'w') as out:
            out.write(page)
    servers = [serve(floors.name)]
    pages = [('blank page', 'about:blank', 1),
             ('requestAnimationFrame only', servers[0][1] + 'floor.html', 1),
             ('requestAnimationFrame and game pads', servers[0][1] + 'floor-pads.html', 1)]
    for site in sites:
        servers.append(serve(site))
        pages.append(('menu of ' + site, servers[-1][1] + '?seed=1', 9))  # the intro ends at 7.7 s
    figures = {label: [] for label, _, _ in pages}
    for _ in range(rounds):
        for label, url, settle in pages:
            with tempfile.TemporaryDirectory() as profile:
                driver = start_browser(profile, 1400, 1000)
                driver.get(url)
                time.sleep(settle)
                pids = browser_pids(driver)
                before = cpu_seconds(pids)
                time.sleep(6)
                figures[label].append((cpu_seconds(pids) - before) / 6 * 100)
                driver.quit()
    for label, values in figures.items():
        print('idle, all browser processes, %s: %.1f %% of a core (%s)' % (
            label, statistics.median(values), ', '.join('%.1f' % v for v in values)))
    for server, _ in servers:
        server.shutdown()
    floors.cleanup()


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
    parser = argparse.ArgumentParser()
    parser.add_argument('--idle-only', action='store_true')
    parser.add_argument('--rounds', type=int, default=1)
    parser.add_argument('sites', nargs='*', default=[SITE])
    options = parser.parse_args()
    if not options.idle_only:
        site_size()
        play_frame()
        page_figures(options.sites)
    idle_cpu(options.sites, options.rounds)
