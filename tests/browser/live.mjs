// The phones' page in a real browser, driven step by step by the test that started the program:
//   node live.mjs URL [SCREENSHOT_DIR]
// It prints one line per step and reads its orders on stdin:
//   "rows <json>"         the ranking rows shown: [[id, name, total], ...]
//   "expect ID TOTAL"  →  waits for that row's total to change to TOTAL without a reload, "updated MS"
//   "search LETTERS NAME" → « Ma place »: types the letters, waits for the name, "found TEXT"
//   "card ID"          →  opens the player's card, "card POINTS" (the chart's points)
//   "enter TABLE CODE N S E O" → « Saisir ma table »: sends the table's four scores with its code,
//                         "sent MESSAGE" (the page's answer)
//   "validated"        →  waits for the page to tell the table's scores validated, "validated MESSAGE"
//   "quit"
import puppeteer from 'puppeteer-core';
import readline from 'node:readline';

const [url, shots] = process.argv.slice(2);
const say = (line) => process.stdout.write(line + '\n');
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage'],
});
let failed = false;
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
  const problems = [];
  page.on('console', (m) => { if (m.type() === 'error') problems.push(m.text()); });
  page.on('pageerror', (e) => problems.push(String(e)));
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('#vue-general tr[data-id]', { timeout: 10000 });
  await page.waitForFunction(() => /direct/i.test(document.querySelector('#etat')?.textContent || ''), { timeout: 10000 });
  // Marks this document: a reload would lose it.
  await page.evaluate(() => { window.stillTheSamePage = true; });
  const rows = await page.$$eval('#vue-general tr[data-id]', (trs) =>
    trs.map((tr) => [tr.dataset.id, tr.querySelector('.nom').textContent.trim(), tr.querySelector('.total').textContent.trim()]));
  say('rows ' + JSON.stringify(rows));
  if (shots) await page.screenshot({ path: `${shots}/general.png` });

  const orders = readline.createInterface({ input: process.stdin });
  for await (const order of orders) {
    const [verb, ...args] = order.trim().split(' ');
    if (verb === 'expect') {
      const [id, total] = args;
      const start = Date.now();
      await page.waitForFunction((id, total) => {
        const cell = document.querySelector(`#vue-general tr[data-id="${id}"] .total`);
        return cell && cell.textContent.trim() === total;
      }, { timeout: 5000, polling: 20 }, id, total);
      const same = await page.evaluate(() => window.stillTheSamePage === true);
      if (!same) throw new Error('the page was reloaded');
      say(`updated ${Date.now() - start}`);
      if (shots) await page.screenshot({ path: `${shots}/general-updated.png` });
    } else if (verb === 'search') {
      const [letters, ...name] = args;
      await page.click('#onglet-place');
      await page.type('#recherche', letters, { delay: 30 });
      await page.waitForFunction((n) => (document.querySelector('#resultats')?.textContent || '').includes(n),
        { timeout: 5000 }, name.join(' '));
      say('found ' + (await page.$eval('#resultats', (e) => e.textContent.replace(/\s+/g, ' ').trim())));
      if (shots) await page.screenshot({ path: `${shots}/place.png` });
    } else if (verb === 'card') {
      await page.click('#onglet-general');
      await page.click(`#vue-general tr[data-id="${args[0]}"] .nom`);
      await page.waitForSelector('#fiche svg', { visible: true, timeout: 5000 });
      const points = await page.$$eval('#fiche svg circle, #fiche svg polyline', (els) =>
        els.map((e) => e.getAttribute('points') || `${e.getAttribute('cx')},${e.getAttribute('cy')}`));
      say('card ' + JSON.stringify(points));
      if (shots) await page.screenshot({ path: `${shots}/card.png` });
    } else if (verb === 'enter') {
      const [table, code, ...scores] = args;
      await page.click('#onglet-saisie');
      await page.type('#saisie-table', table);
      await page.click('#saisie-afficher');
      await page.waitForSelector('#saisie-feuille:not([hidden]) .score', { timeout: 5000 });
      const boxes = await page.$$('#saisie-sieges .score');
      for (let i = 0; i < 4; ++i) await boxes[i].type(scores[i]);
      await page.type('#saisie-code', code.toLowerCase());
      await page.waitForFunction(() => !document.querySelector('#saisie-envoyer').disabled, { timeout: 5000 });
      if (shots) await page.screenshot({ path: `${shots}/entry.png` });
      await page.click('#saisie-envoyer');
      await page.waitForFunction(() => /Reçu|refus|n’|n'/.test(document.querySelector('#saisie-message')?.textContent || ''),
        { timeout: 5000 });
      // The code travels in the request's body only.
      if (page.url().toUpperCase().includes(code.toUpperCase())) throw new Error('the code is in the address');
      say('sent ' + (await page.$eval('#saisie-message', (e) => e.textContent.trim())));
      if (shots) await page.screenshot({ path: `${shots}/entry-sent.png` });
    } else if (verb === 'validated') {
      await page.waitForFunction(() => document.querySelector('#saisie-message')?.classList.contains('valide'),
        { timeout: 10000 });
      say('validated ' + (await page.$eval('#saisie-message', (e) => e.textContent.trim())));
      if (shots) await page.screenshot({ path: `${shots}/entry-validated.png` });
      await page.click('#onglet-general');
    } else if (verb === 'quit') {
      break;
    }
  }
  if (problems.length) throw new Error('the page reported: ' + problems.join(' | '));
} catch (error) {
  failed = true;
  say('error ' + String(error.message || error).replace(/\n/g, ' '));
} finally {
  await browser.close();
}
process.exit(failed ? 1 : 0);
