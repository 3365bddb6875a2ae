// The browser edition as a player meets it: Debian's Chromium, driven by
// playwright-core, plays the site served on localhost.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { chromium } from 'playwright-core';
import { serve } from '../../web/serve.mjs';

const SITE = process.env.ZEMBAL_SITE || new URL('../../build/web/site', import.meta.url).pathname;
const CHROMIUM_FLAGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const CLASSIC_FIELD = [0xc0, 0xc0, 0xc0];
const DESERT_FIELD = [0xe6, 0xcf, 0x9a];

let server;
let browser;
let address;

before(async () => {
  server = await serve(SITE);
  address = `http://localhost:${server.address().port}/`;
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: CHROMIUM_FLAGS });
});
after(async () => {
  await browser.close();
  server.close();
});

// A test's body run on a page of its own, which must raise no uncaught error.
const onPage = (run, options = {}) => async () => {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 }, ...options });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(address);
  await page.waitForSelector('html[data-ready]');
  await run(page, context);
  assert.deepEqual(errors, []);
  await context.close();
};
const reload = async (page) => {
  await page.reload();
  await page.waitForSelector('html[data-ready]');
};
const dialog = (page, name) => page.getByRole('dialog', { name, exact: true });
const box = (page) => page.getByRole('alertdialog', { name: 'Zembal' });
// The RGB of a field pixel, and how many pixels of the field have a colour.
const pixel = (page, x, y) => page.evaluate(([px, py]) => [...document.getElementById('field')
  .getContext('2d').getImageData(px, py, 1, 1).data.slice(0, 3)], [x, y]);
// A box of the field is [x, y, width, height].
const countColour = (page, rgb, box) => page.evaluate(([c, b]) => {
  const data = document.getElementById('field').getContext('2d').getImageData(...b).data;
  let n = 0;
  for (let i = 0; i < data.length; i += 4) if (data[i] === c[0] && data[i + 1] === c[1] && data[i + 2] === c[2]) n += 1;
  return n;
}, [rgb, box]);
const stored = (page, path) => page.evaluate((p) => localStorage.getItem(`zembal-file:${p}`), path);
async function pickFile(page, bytes) {
  const chooser = page.waitForEvent('filechooser');
  await page.getByRole('menuitem', { name: 'Game' }).click();
  await page.getByRole('menuitem', { name: 'Open a File...' }).click();
  await (await chooser).setFiles({ name: 'game.zmb', mimeType: 'application/octet-stream', buffer: Buffer.from(bytes, 'latin1') });
}
// A saved game's text without its clock readings, which the time of saving sets.
const withoutClocks = (text) => text.split('\r\n').filter((l) => !/^(SLVTM|LEVTM|SPSTM|SAVTM):/.test(l)).join('\n');
// ... and without the balls' places, which an opened game's first ticks move.
const walls = (text) => withoutClocks(text).split('\n')
  .filter((l) => !/^(X|Y|XOLD|YOLD|R|C|ROLD|COLD|DRCT):/.test(l));
async function saveToSlot(page, description) {
  await page.keyboard.press('Control+s');
  const save = dialog(page, 'Zembal: Save Game');
  await save.getByLabel('Description:').fill(description);
  await save.getByRole('button', { name: 'Save', exact: true }).click();
  await save.waitFor({ state: 'hidden' });
}

describe('the browser edition', () => {
  test('the browser decodes each of the four sounds', onPage(async (page) => {
    const sounds = ['click', 'level-start', 'level-done', 'life-lost'];
    assert.deepEqual(await page.evaluate((names) => Promise.all(names.map((n) => fetch(`sounds/${n}.wav`)
      .then((r) => r.arrayBuffer()).then((d) => new OfflineAudioContext(1, 1, 44100).decodeAudioData(d))
      .then(() => n, () => `${n} does not decode`))), sounds), sounds);
  }));

  test('the keys alone move a cell cursor, turn the bars and launch them from its cell', onPage(async (page) => {
    // The cell's corners that are white, as the cursor's ring makes all four
    // (a ball's white half covers two at most).
    const ring = async (row, col) => (await Promise.all([[0, 0], [13, 0], [0, 13], [13, 13]]
      .map(([x, y]) => pixel(page, col * 14 + x, row * 14 + y)))).filter((p) => p.join() === '255,255,255').length;
    await page.keyboard.press('ArrowUp');  // shows it in the middle of the 20 x 30 field
    await page.keyboard.press('ArrowLeft');
    assert.ok((await ring(10, 14)) === 4 && (await ring(10, 15)) < 4);
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('r');
    // The ball's own cell launches nothing: another row then does.
    const created = page.getByRole('status').getByText(/You created bars|You released/);
    let row = 10;
    for (const [key, to] of [['ArrowUp', 4], ['ArrowDown', 15]]) {
      while (row !== to) { await page.keyboard.press(key); row += to < row ? -1 : 1; }
      await page.keyboard.press(row === 4 ? 'Enter' : ' ');
      await created.waitFor({ timeout: 1000 }).catch(() => {});
      if (await created.count()) break;
    }
    await page.waitForTimeout(150).then(() => page.keyboard.press('p'));
    const bars = [[255, 0, 0], [0, 0, 255]].map((rgb) => countColour(page, rgb, [0, row * 14, 420, 14]));
    assert.ok((await Promise.all(bars)).reduce((a, b) => a + b) > 20);
    assert.equal(await ring(row, 15), 4);
    await page.getByRole('img', { name: /The field/ }).hover({ position: { x: 50, y: 50 } });
    assert.ok((await ring(row, 15)) < 4);
  }));

  test('P, F2 and the toolbar pause and resume the game', onPage(async (page) => {
    const toolbar = page.getByRole('toolbar');
    for (const [pause, resume] of [['p', 'P'], ['F2', 'F2'], ['button', 'button']]) {
      if (pause === 'button') await toolbar.getByRole('button', { name: 'Pause', exact: true }).click();
      else await page.keyboard.press(pause);
      await page.getByText('The game is paused').waitFor();
      await assert.doesNotReject(toolbar.getByRole('button', { name: 'Play', exact: true }).waitFor());
      if (resume === 'button') await toolbar.getByRole('button', { name: 'Play', exact: true }).click();
      else await page.keyboard.press(resume);
      await page.getByText(/Time left: \d+/).waitFor();
    }
  }));

  test('Display Options by F3 changes the theme of the field', onPage(async (page) => {
    assert.deepEqual(await pixel(page, 3, 3), CLASSIC_FIELD);
    await page.keyboard.press('F3');
    const options = dialog(page, 'Zembal: Display Options');
    assert.equal(await page.getByText('The game is paused').count(), 1);
    await options.getByLabel('Theme:').selectOption('Desert');
    await options.getByRole('button', { name: 'OK' }).click();
    await options.waitFor({ state: 'hidden' });
    assert.deepEqual(await pixel(page, 3, 3), DESERT_FIELD);
    await reload(page);
    assert.deepEqual(await pixel(page, 3, 3), DESERT_FIELD, 'the settings keep the theme');
  }));

  test('Game Options by F4 asks first, and restarts at the new size only on Yes', onPage(async (page) => {
    await page.keyboard.press('F4');
    const options = dialog(page, 'Zembal: Game Options');
    await options.getByLabel('Size:').selectOption('15 * 20');
    await options.getByRole('button', { name: 'OK' }).click();
    assert.equal(await box(page).locator('#box-text').innerText(), 'The current game must be stopped\nContinue ?');
    await box(page).getByRole('button', { name: 'No' }).click();
    assert.ok(await options.isVisible(), 'refused, the dialog stays open');
    await options.getByRole('button', { name: 'OK' }).click();
    await box(page).getByRole('button', { name: 'Yes' }).click();
    await options.waitFor({ state: 'hidden' });
    assert.deepEqual(await page.evaluate(() => [field.width, field.height]), [20 * 14, 15 * 14]);
  }));

  // (The Wall of Fame, from the menu, is read after a game over below.)
  test('Help and About open by key and menu under their titles', onPage(async (page) => {
    const cases = [
      [() => page.keyboard.press('F1'), 'Zembal: Help', 'OK'],
      [async () => { await page.getByRole('menuitem', { name: 'Help' }).first().click(); await page.getByRole('menuitem', { name: 'About' }).click(); }, 'About Zembal', 'OK'],
    ];
    for (const [open, title, button] of cases) {
      await open();
      await dialog(page, title).getByRole('button', { name: button }).click();
      await dialog(page, title).waitFor({ state: 'hidden' });
    }
  }));

  test('a damaged or hostile file and storage that refuses a save are told and harm neither game nor save', onPage(async (page) => {
    await page.keyboard.press('p');
    await saveToSlot(page, 'before');
    const kept = await stored(page, '/zembal/games/1.zmb');
    for (const bytes of ['<HEAD>\r\nROWS:99999\r\n', '\x00\xff'.repeat(700000), '']) {
      await pickFile(page, bytes);
      await box(page).getByRole('button', { name: 'Yes' }).click();
      assert.equal(await box(page).locator('#box-text').innerText(), 'Can not open game');
      await box(page).getByRole('button', { name: 'OK' }).click();
    }
    await saveToSlot(page, 'after');
    assert.equal(withoutClocks(await stored(page, '/zembal/games/2.zmb')), withoutClocks(kept));
    await page.evaluate(() => { Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); }; });
    await page.keyboard.press('Control+s');
    const save = dialog(page, 'Zembal: Save Game');
    await save.getByLabel(/Each saved game/).selectOption('1');
    await save.getByRole('button', { name: 'Save', exact: true }).click();
    await dialog(page, 'Zembal: Warning').getByRole('button', { name: 'Rewrite it' }).click();
    assert.equal(await box(page).locator('#box-text').innerText(), 'Can not save game');
    await box(page).getByRole('button', { name: 'OK' }).click();
    assert.equal(await stored(page, '/zembal/games/1.zmb'), kept);
  }));

  test('after one visit the game starts without a network', onPage(async (page, context) => {
    await page.evaluate(() => navigator.serviceWorker.ready);
    await reload(page);  // the service worker now controls the page and keeps what it loads
    await context.setOffline(true);
    await reload(page);
    await page.getByText(/Time left: \d+/).waitFor();
  }));

  test('a phone-sized page fits without sideways scrolling and a tap launches bars', onPage(async (page) => {
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360));
    const box360 = await page.locator('#field').boundingBox();
    assert.ok(box360.width <= 360);
    // A tap on the ball's cell costs the one life of level 1: the game over
    // is answered, and the next game is tapped elsewhere.
    const created = page.getByRole('status').getByText('You created bars');
    for (const [x, y] of [[0.5, 0.5], [0.2, 0.2], [0.8, 0.3]]) {
      await page.locator('#field').tap({ position: { x: box360.width * x, y: box360.height * y } });
      if (await created.waitFor({ timeout: 1500 }).then(() => true, () => false)) break;
      const over = dialog(page, 'Zembal: The game is over');
      if (await over.isVisible()) await over.getByRole('button', { name: 'Cancel' }).tap();
      if (await box(page).isVisible()) await box(page).getByRole('button', { name: 'OK' }).tap();
    }
    await created.waitFor();
  }, { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true }));
});

// A game the Windows edition saved (tests/win's slot tests keep it so): level
// 1, its ball walled into a pocket, one cell short of the goal, which a click
// on the three free cells of column STRIP_COL reaches; its score enters the
// Wall of Fame.
const WINDOWS_SAVED = readFileSync(new URL('../data/windows-saved.zmb', import.meta.url), 'latin1');
const STRIP_COL = 28;
const savedNumber = (key) => Number(WINDOWS_SAVED.match(new RegExp(`^${key}:(-?\\d+)`, 'm'))[1]);
async function openWindowsGame(page) {
  // Held at the file's own reading, the game's clocks and balls stand still.
  await page.evaluate(async (ms) => { while (!(await zembalPage.holdClock(ms))) await new Promise((r) => setTimeout(r, 10)); }, savedNumber('SAVTM'));
  await pickFile(page, WINDOWS_SAVED);
  await box(page).getByRole('button', { name: 'Yes' }).click();
  await box(page).waitFor({ state: 'hidden' });
}
async function clickField(page, x, y) {
  const canvas = page.locator('#field');
  const scale = (await canvas.boundingBox()).width / (await canvas.evaluate((c) => c.width));
  await canvas.click({ position: { x: x * scale, y: y * scale } });
}

describe('games saved by the Windows edition', () => {
  test('open, save to a slot whose download is the same bytes, open that after a reload and win its level', onPage(async (page) => {
    await openWindowsGame(page);
    await saveToSlot(page, 'from Windows');
    await page.getByRole('menuitem', { name: 'Game' }).click();
    await page.getByRole('menuitem', { name: 'Download a Saved Game...' }).click();
    const downloading = page.waitForEvent('download');
    await dialog(page, 'Zembal: Download saved game').getByRole('button', { name: 'Download' }).click();
    const chunks = [];
    for await (const chunk of await (await downloading).createReadStream()) chunks.push(chunk);
    assert.equal(Buffer.concat(chunks).toString('latin1'), WINDOWS_SAVED);
    await reload(page);
    await page.keyboard.press('p');  // kept paused through the question and the dialog
    await page.keyboard.press('Control+o');
    await box(page).getByRole('button', { name: 'Yes' }).click();
    const open = dialog(page, 'Zembal: Open saved game ');
    assert.match(await open.getByRole('row').nth(1).innerText(), /from Windows/);
    await open.getByRole('button', { name: 'Open' }).click();
    await open.waitFor({ state: 'hidden' });
    await page.keyboard.press('p');
    await saveToSlot(page, 'again');
    // The opened game runs: its balls may have gone a few ticks further.
    assert.deepEqual(walls(await stored(page, '/zembal/games/2.zmb')), walls(WINDOWS_SAVED));
    // The strip's cells win its level.
    await clickField(page, STRIP_COL * 14 + 7, 2 * 14 + 7);
    const next = dialog(page, 'Zembal');
    await next.getByText('You are going to next level.').waitFor();
    await next.getByRole('button', { name: 'OK' }).click();
    assert.match(await page.locator('#info').innerText(), /Level: 2:/);
  }, { acceptDownloads: true }));

  test('the name its game over puts on the Wall of Fame is there after a reload', onPage(async (page) => {
    await openWindowsGame(page);
    // A click on the ball's own cell costs the level's one life.
    await clickField(page, savedNumber('X') - savedNumber('LEFT'), savedNumber('Y') - savedNumber('TOP'));
    const over = dialog(page, 'Zembal: The game is over');
    await over.getByLabel('Enter your name:').fill('Walt');
    await over.getByRole('button', { name: 'OK' }).click();
    await reload(page);
    await page.getByRole('menuitem', { name: 'Game' }).click();
    await page.getByRole('menuitem', { name: 'The Wall of Fame' }).click();
    assert.deepEqual((await dialog(page, 'Zembal: The Wall Of Fame').getByRole('row').nth(1).innerText()).split('\t'), ['1:', 'Walt', '12', '1']);
  }));
});
