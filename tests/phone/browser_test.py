#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The phone view in a real browser at a phone's size: Pantrex started with --phone, the page opened
# in headless Chromium, an item ticked, a product added by search, a tick from a second phone shown,
# the network cut and restored with a tick made meanwhile, the ticked items removed; the list
# file's bytes checked after each.
# Usage: browser_test.py PANTREX [SCREENSHOT.png]
import json
import os
import shutil
import subprocess
import sys
import tempfile
import urllib.request

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait


def record(fields, length):
    data = bytearray(length)
    for offset, value in fields:
        data[offset:offset + len(value)] = value
    return bytes(data)


def shopping(item, cost, quantity, category):
    return record([(0, item.ljust(40).encode()), (40, cost.ljust(6).encode()), (46, quantity.ljust(3).encode()),
                   (49, category.ljust(25).encode())], 149)


def product(name, price, category):
    return record([(0, name.ljust(40).encode()), (40, price.ljust(6).encode()), (46, b' '), (47, b' '),
                   (121, category.ljust(25).encode())], 146)


def main():
    pantrex = sys.argv[1]
    screenshot = sys.argv[2] if len(sys.argv) > 2 else None
    folder = tempfile.mkdtemp(prefix='pantrex-phone-')
    items = [shopping('Milk', ' 2.18', '2', 'Dairy'), shopping('Bread', ' 2.49', '1', 'Bakery'),
             shopping('Apples', ' 3.2', '4', 'Fruit')]
    listfile = os.path.join(folder, 'grocery.lst')
    with open(listfile, 'wb') as f:
        f.write(b''.join(items))
    with open(os.path.join(folder, 'grocery.dat'), 'wb') as f:
        f.write(product('Bagels', '1.20', 'Bakery') + product('Butter', '2.50', 'Dairy'))
    env = dict(os.environ, QT_QPA_PLATFORM='offscreen')
    program = subprocess.Popen([pantrex, '--data-dir', folder, '--phone', '127.0.0.1:0'], env=env,
                               stdout=subprocess.PIPE, text=True)
    options = webdriver.ChromeOptions()
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--window-size=390,844'):
        options.add_argument(argument)
    browser = None
    try:
        line = program.stdout.readline().strip()
        assert line.startswith('Phone view: http://127.0.0.1:'), line
        address = line[len('Phone view: '):]
        browser = webdriver.Chrome(options=options)
        # A phone's screen: 390 by 844 CSS pixels, whatever the smallest window the browser allows.
        browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                {'width': 390, 'height': 844, 'deviceScaleFactor': 1, 'mobile': True})
        wait = WebDriverWait(browser, 10)
        browser.get(address)

        def progress():
            return browser.find_element(By.ID, 'progress').text

        def box(text):
            for label in browser.find_elements(By.CSS_SELECTOR, '.item label'):
                if label.text.split('\n')[0].endswith(' ' + text):
                    return browser.find_element(By.ID, label.get_attribute('for'))
            raise AssertionError('no item ' + text)

        def on_disk():
            with open(listfile, 'rb') as f:
                return f.read()

        wait.until(lambda _: progress() == '0 of 3 in the trolley')
        box('Bread').click()
        wait.until(lambda _: progress() == '1 of 3 in the trolley')
        wait.until(lambda _: os.path.exists(listfile + '.ticks'))

        browser.find_element(By.ID, 'search').send_keys('bag')
        wait.until(lambda _: browser.find_elements(By.CSS_SELECTOR, '#results button'))
        browser.find_element(By.CSS_SELECTOR, '#results button').click()
        wait.until(lambda _: on_disk() == b''.join(items) + shopping('Bagels', ' 1.2', '1', 'Bakery'))
        wait.until(lambda _: progress() == '1 of 4 in the trolley')

        # A second phone ticks the apples: the page learns of it over its socket, untouched.
        state = json.load(urllib.request.urlopen(address + 'state'))
        apples = [i for c in state['categories'] for i in c['items'] if i['text'] == 'Apples'][0]
        body = json.dumps({'record': apples['record'], 'key': apples['key'], 'ticked': True}).encode()
        urllib.request.urlopen(urllib.request.Request(address + 'tick', body, {'Origin': address[:address.index('/', 7)]}))
        wait.until(lambda _: progress() == '2 of 4 in the trolley')

        browser.set_network_conditions(offline=True, latency=0, download_throughput=0, upload_throughput=0)
        box('Milk').click()
        wait.until(lambda _: browser.find_element(By.ID, 'offline').is_displayed())
        assert progress() == '3 of 4 in the trolley', progress()
        browser.set_network_conditions(offline=False, latency=0, download_throughput=-1, upload_throughput=-1)
        wait.until(lambda _: not browser.find_element(By.ID, 'offline').is_displayed())
        wait.until(lambda _: os.path.getsize(listfile + '.ticks') == 3 * 157)
        if screenshot:
            browser.save_screenshot(screenshot)

        browser.find_element(By.ID, 'removeticked').click()
        wait.until(lambda _: browser.switch_to.alert)
        browser.switch_to.alert.accept()
        wait.until(lambda _: on_disk() == shopping('Bagels', ' 1.2', '1', 'Bakery'))
        wait.until(lambda _: progress() == '0 of 1 in the trolley')
        assert not os.path.exists(listfile + '.ticks')
        print('browser_test: ticked, added, saw a second phone, kept a tick offline, removed the ticked')
    finally:
        if browser:
            browser.quit()
        program.terminate()
        program.wait(10)
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == '__main__':
    main()
