// Drives HTML5 menu pages made by the real binary in a browser, Debian's Chromium or
// Firefox ESR, served on 127.0.0.1, picked by mouse and keyboard.
// Usage: node run.mjs ENGINE QUILLNAV_BINARY PROJECTS_DIR [WORK_DIR]
//   ENGINE chromium or firefox runs every check in that browser; prepare only writes
//   the pages into WORK_DIR, which both browsers' runs then read (CTest prepares once
//   and runs the two browsers at the same time). A run without WORK_DIR writes its
//   pages into a temporary folder of its own. Checks only read the prepared pages.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, existsSync, lstatSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, realpathSync, rmSync, statSync,
  writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { basename, join, relative } from 'node:path';
import puppeteer from 'puppeteer-core';
import { HtmlValidate } from 'html-validate';
import { AxePuppeteer } from '@axe-core/puppeteer';

const [engine, binary, projects, workArg] = process.argv.slice(2);
const engines = { // Firefox is driven over WebDriver BiDi, Chromium over CDP
  chromium: { name: 'Chromium', path: process.env.CHROMIUM || '/usr/bin/chromium', browser: 'chrome' },
  firefox: { name: 'Firefox', path: process.env.FIREFOX || '/usr/bin/firefox-esr', browser: 'firefox' },
};
if (engine !== 'prepare' && !engines[engine]) throw new Error(`Unknown engine "${engine}": chromium, firefox or prepare`);
if (engine === 'prepare' && !workArg) throw new Error('prepare needs the folder to write the pages into');
const work = workArg || mkdtempSync(join(tmpdir(), 'quillnav-browser-'));
const out = join(work, 'pages'), site = join(work, 'site'), ready = join(work, 'ready');

// The accessibility audit: every link target with every navigation kind, saved, previewed, beside the next case.
const axeCases = ['same', 'new', 'frame'].flatMap((target, linkTarget) => ['text', 'graphic', 'change'].map((kind, k) => ({
  linkTarget, navigation: k >> 1, buttonKind: k & 1, graphicUrl: 'go.png', frameName: 'content', menuName: `${target}-${kind}` })));

// Every page the checks open, made by the program once for both browsers.
function prepare() {
  rmSync(work, { recursive: true, force: true });
  mkdirSync(out, { recursive: true });
  const quillnav = (...args) => execFileSync(binary, args, { stdio: ['ignore', 'pipe', 'inherit'] });
  for (const name of ['same-window', 'new-window', 'frame'])
    quillnav('--generate', join(projects, `${name}.qnv`), '--dialect', 'html5', '-o', join(out, `${name}.html`));
  quillnav('--write-preview', out, join(projects, 'frame.qnv')); // the project says html5
  // Two menus with different targets on one page, each with its copy of the head script.
  const part = (name, tag) => readFileSync(join(out, `${name}.html`), 'utf8').split(`<${tag}>`)[1].split(`</${tag}>`)[0];
  const two = (first, second, name) => writeFileSync(join(out, `${name}.html`), readFileSync(join(out, `${first}.html`),
    'utf8').replace('</head>', `<script>${part(second, 'script')}</script>\r\n</head>`).replace('</body>', `${part(second, 'body')}</body>`));
  two('new-window', 'same-window', 'two');
  for (const options of axeCases) {
    const name = options.menuName, project = join(out, `${name}.qnv`);
    writeFileSync(project, JSON.stringify({ ...JSON.parse(readFileSync(join(projects, 'frame.qnv'))), options }));
    quillnav('--generate', project, '--dialect', 'html5', '-o', join(out, `${name}.html`));
    mkdirSync(join(out, name)), quillnav('--write-preview', join(out, name), project);
  }
  axeCases.forEach(({ menuName }, i) => two(menuName, axeCases[(i + 1) % 9].menuName, `${menuName}-two`));
  assert.throws(() => quillnav('--generate', join(projects, 'frame.qnv'), '--dialect', 'xhtml'), { status: 2 });
  assert.match(quillnav('--generate', join(projects, 'frame.qnv'), '--dialect', 'classic').toString(), /^<HTML>/);

  // The sample site with the menu published into its pages.
  cpSync(join(projects, '..', 'site', 'in'), site, { recursive: true, verbatimSymlinks: true }); // links stay links
  quillnav('--publish', join(projects, '..', 'site', 'nav.qnv'), '--site', site);
  writeFileSync(ready, '');
}
if (engine === 'prepare' || !workArg) prepare();
if (engine === 'prepare') process.exit(0);
if (!existsSync(ready)) throw new Error(`No pages in ${work}: run "node run.mjs prepare" with that folder first`);
const { name: engineName, path: executable, browser: product } = engines[engine];
if (!existsSync(executable)) throw new Error(`${engineName} not found at ${executable}: install it (scripts/deps.sh)`);

// Pages of real sites (tests/data/pages), served without a charset so that the
// browser sniffs their encoding as the import does.
const pagesDir = join(projects, '..', 'pages');
const server = createServer((req, res) => {
  const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
  if (name.startsWith('/pages/')) {
    res.setHeader('Content-Type', 'text/html');
    res.end(readFileSync(join(pagesDir, basename(name))));
    return;
  }
  const file = join(out, name);
  res.setHeader('Content-Type', 'text/html; charset=utf-8');
  res.end(existsSync(file) ? readFileSync(file) : '<!DOCTYPE html><title>target</title>');
});
await new Promise((ready) => server.listen(0, '127.0.0.1', ready));
const base = `http://127.0.0.1:${server.address().port}/`;
// Firefox gets a fresh profile and HOME of its own, removed when the run ends.
const launched = Date.now();
const home = engine === 'firefox' ? mkdtempSync(join(tmpdir(), 'quillnav-firefox-')) : null;
if (home) process.on('exit', () => rmSync(home, { recursive: true, force: true }));
const browser = await puppeteer.launch({ browser: product, executablePath: executable, headless: true,
  ...(home ? { userDataDir: join(home, 'profile'), env: { ...process.env, HOME: home } }
    : { args: ['--no-sandbox', '--disable-gpu'] }) });
console.log(`${await browser.version()} started in ${((Date.now() - launched) / 1000).toFixed(1)} s`);
let failures = 0, passes = 0;
const only = process.env.CHECKS && new RegExp(process.env.CHECKS); // CHECKS=regexp runs the checks it matches
async function check(name, body) {
  if (only && !only.test(name)) return;
  const page = await browser.newPage(), start = Date.now();
  const took = () => `(${((Date.now() - start) / 1000).toFixed(1)} s)`;
  try { await body(page); ++passes; console.log(`PASS ${name} ${took()}`); }
  catch (e) { ++failures; console.log(`FAIL ${name} ${took()}\n${e.stack}`); }
  finally { await page.close().catch(() => {}); }
}
const settle = (ms = 300) => new Promise((r) => setTimeout(r, ms));
const path = (page) => new URL(page.url()).pathname + new URL(page.url()).search;
// Firefox brings a page back from its back/forward cache with a navigation that, over
// WebDriver BiDi, starts and never ends: puppeteer's goBack() waits for ever, and on that
// page waitForNavigation() misses the next navigation and page.url() keeps the page left.
// goBack and leave wait on the page's own location instead, in both browsers.
const here = (page) => page.evaluate(() => document.readyState === 'complete' && location.href).catch(() => false);
async function leave(page, action) {
  const from = await here(page);
  await action();
  for (const start = Date.now(); ; await settle(50)) {
    const at = await here(page);
    if (at && at !== from) return;
    if (Date.now() - start > 10000) throw new Error(`Still at ${from}`);
  }
}
const goBack = (page) => leave(page, () => page.evaluate(() => history.back()));
// A new window's page, or null when none opens within the wait.
const nextWindow = (wait = 1500) => new Promise((resolve) => {
  const seen = async (target) => {
    if (target.type() !== 'page') return;
    clearTimeout(timer); browser.off('targetcreated', seen);
    const page = await target.page();
    await page.waitForFunction(() => location.href !== 'about:blank', { timeout: 5000 }).catch(() => {});
    resolve(page);
  };
  const timer = setTimeout(() => { browser.off('targetcreated', seen); resolve(null); }, wait);
  browser.on('targetcreated', seen);
});

await check('same window: button by mouse, Enter by keyboard, hostile texts stay text, styles apply', async (page) => {
  await page.goto(base + 'same-window.html');
  assert.equal(await page.evaluate(() => window.pwned), undefined);
  assert.deepEqual(await page.$$eval('option', (o) => o.map((x) => [x.textContent, x.disabled])), [
    ['Choose a page', true], ['Home', false], ['-'.repeat(36), true], ['--- Widgets <new>', false],
    ['<img src=x onerror="window.pwned=1">', false], ['Script address', false], ['About', true]]);
  assert.equal(await page.$eval('button', (b) => b.textContent), '</button><script>window.pwned=5</script>');
  assert.equal(await page.$eval('select', (s) => s.labels[0].textContent), 'nav"><script>window.pwned=4</script>');
  await page.click('button'); // the not-linked default: nothing happens
  await settle();
  assert.equal(path(page), '/same-window.html');
  await page.select('select', 'java\tscript:window.pwned=3');
  await page.click('button');
  await settle();
  assert.equal(path(page), '/same-window.html');
  assert.equal(await page.evaluate(() => window.pwned), undefined);
  await page.select('select', 'a.html?x=1&y="2"');
  await Promise.all([page.waitForNavigation(), page.click('button')]);
  assert.equal(path(page), '/a.html?x=1&y=%222%22');
  await goBack(page);
  await page.focus('select');
  for (let i = 0; i < 2; ++i) await page.keyboard.press('ArrowDown'); // over the separator
  await settle();
  assert.equal(await page.evaluate(() => location.pathname), '/same-window.html'); // page.url() is behind in Firefox
  await page.evaluate(() => { window.kept = true; }); // survives only in the back/forward cache
  await leave(page, () => page.keyboard.press('Enter'));
  assert.equal(await page.evaluate(() => location.pathname), '/b.html');
  await goBack(page); // from the back/forward cache the default entry shows again
  assert.deepEqual(await page.$eval('select', (s) => [s.selectedIndex, window.kept]), [0, true]);
  const css = (sel, props) => page.$eval(sel, (e, props) => {
    const s = getComputedStyle(e); return props.map((p) => s.getPropertyValue(p)); }, props);
  assert.deepEqual(await css('select', ['font-size', 'font-family', 'font-weight', 'font-style', 'width', 'color',
    'background-color']), ['17px', '"DejaVu Serif"', '700', 'italic', '180px', 'rgb(17, 34, 51)', 'rgb(255, 238, 221)']);
  assert.deepEqual(await css('button', ['text-decoration-line', 'width', 'color', 'background-color',
    'border-top-style', 'border-top-width', 'border-top-color', 'border-right-color']),
  ['underline', '90px', 'rgb(255, 0, 0)', 'rgb(0, 255, 0)', 'solid', '3px', 'rgb(0, 0, 255)', 'rgb(0, 0, 128)']);
  assert.ok(await page.$eval('label', (l) => l.getBoundingClientRect().width <= 1));
});

await check('new window on change: arrows browse, Enter and a pick open without opener', async (page) => {
  await page.goto(base + 'two.html'); // the new-window menu first, then the same-window one
  assert.equal(await page.$('form[data-quillnav=change] button'), null);
  await page.focus('select');
  let opened = nextWindow(800);
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown'); // onto the separator's neighbour; nothing opens
  assert.equal(await opened, null);
  assert.equal(await page.$eval('select', (s) => s.value), 'c.html');
  opened = nextWindow();
  await page.keyboard.press('Enter');
  let win = await opened;
  assert.ok(win, 'Enter opens a window');
  assert.equal(path(win), '/c.html');
  assert.equal(await win.evaluate(() => window.opener), null);
  await win.close();
  opened = nextWindow();
  await page.select('select', 'b.html');
  win = await opened;
  assert.equal(path(win), '/b.html');
  assert.equal(await win.evaluate(() => window.opener), null);
  await win.close();
  await page.select('form[data-quillnav=button] select', 'b.html'); // the other menu keeps its target
  await Promise.all([page.waitForNavigation(), page.click('button')]);
  assert.equal(path(page), '/b.html');
});

await check('frame: the named iframe of the preview gets the pages, by mouse and keyboard', async (page) => {
  await page.goto(base + 'quillnav_preview_frameset.html');
  // Found by their elements: puppeteer learns no frame names over WebDriver BiDi.
  const frame = async (name) => (await page.$(`iframe[name="${name}"]`)).contentFrame();
  const menu = await frame('main');
  await menu.waitForSelector('select');
  await menu.click('button'); // the not-linked first entry: nothing
  await settle();
  assert.equal(new URL((await frame('content frame')).url()).pathname, '/quillnav_preview_frame2.html');
  await menu.select('select', 'a.html');
  await menu.click('button');
  await page.waitForFunction(() => frames['content frame'].location.pathname === '/a.html');
  await menu.focus('select');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => frames['content frame'].location.pathname === '/b.html');
  assert.equal(path(page), '/quillnav_preview_frameset.html');
});

for (const { menuName: name } of axeCases) {
  await check(`axe-core finds no WCAG 2.1 A or AA fault: ${name}`, async (page) => {
    for (const file of [name, `${name}-two`, `${name}/quillnav_preview_frameset`]) { // axe enters the frames
      await page.goto(`${base}${file}.html`); // what axe cannot decide (a shared label, say) fails too
      // Legacy mode: axe.run in the page, reaching the (same-origin) frames itself. The default
      // mode fails in Firefox: puppeteer over WebDriver BiDi drops an object's second reference
      // in what evaluate() returns, and the frames' partial results lose shared parts.
      const { violations, incomplete } = await new AxePuppeteer(page).withTags(['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'])
        .setLegacyMode().analyze();
      assert.deepEqual([...violations, ...incomplete].map((v) => `${file}: ${v.id} at ${v.nodes.map((n) => n.target.join(' > '))}`), []);
    }
  });
}

// The browser's view of each page's list (the texts it shows, the values it
// submits, hidden and disabled entries, the selection) against the project
// the import makes of it (NAME.qnv): the browser is the truth.
const indent = '--- ', separatorText = '-'.repeat(20);
const visibleSpaces = /^[\u00a0\u3000][\u00a0\u3000 ]*/;
for (const [file, list] of JSON.parse(readFileSync(join(pagesDir, 'pages.json')))) {
  await check(`${engineName} shows ${file} as it is imported`, async (page) => {
    await page.goto(`${base}pages/${file}`);
    const project = JSON.parse(readFileSync(join(pagesDir, file.replace(/\.html$/, '.qnv'))));
    const select = (await page.$$('select'))[list - 1];
    const entries = await select.evaluate((s) => [...s.querySelectorAll('option, optgroup, hr')].map((e) => ({
      kind: e.localName, label: e.label, value: e.value, text: e.text, selected: e.selected,
      hidden: e.hidden || !!e.closest('optgroup[hidden]'), disabled: e.matches(':disabled'),
      inGroup: e.parentElement.localName === 'optgroup' })));
    // What the browser shows for each option: the names Chromium's accessibility tree gives
    // them (read over CDP). Firefox has no accessibility tree over WebDriver BiDi; its list
    // draws each option's label, else its text (HTMLOptionElement::GetRenderedLabel).
    const shown = [];
    if (engine === 'chromium') {
      const tree = await page.accessibility.snapshot({ root: select, interestingOnly: false });
      (function walk(node) { if (node.role === 'option' || node.role === 'menuitem') shown.push(node.name);
        for (const child of node.children || []) walk(child); })(tree);
    } else shown.push(...await select.evaluate((s) => [...s.options].map((o) => o.label || o.text)));
    const options = entries.filter((e) => e.kind === 'option');
    assert.equal(shown.length, options.length, `options in the accessibility tree: ${JSON.stringify(shown)}`);
    options.forEach((e, i) => { e.shown = shown[i]; });
    const visible = entries.filter((e) => !e.hidden);
    const items = project.items.map((x) => Array.isArray(x) ? { text: x[0], linked: x[1], url: x[2], selected: x[3] } : x);
    assert.deepEqual(items.length, visible.length, JSON.stringify(visible.map((e) => e.shown ?? e.label ?? e.kind)));
    visible.forEach((e, i) => {
      const item = items[i], where = `${file}, entry ${i + 1} (${JSON.stringify(e.shown ?? e.label ?? e.kind)})`;
      if (e.kind === 'hr') return assert.equal(item.text, separatorText, where);
      const label = e.kind === 'optgroup' ? e.label : e.shown;
      const linked = e.kind === 'option' && !e.disabled && !['', '#', 'nolink'].includes(e.value.trim().toLowerCase());
      if (item.text === separatorText) { // a dash run that links nowhere (a value-less one submits its dashes)
        assert.ok(!linked || e.value === e.text, where);
        return assert.match(label, /^[-=_\u2013\u2014\u2500 ]+$/, where);
      }
      const indented = e.inGroup || visibleSpaces.test(label);
      assert.equal(item.text, (indented ? indent : '') + label.replace(visibleSpaces, '').replaceAll('\u00a0', ' ').trimEnd(), where);
      assert.equal(item.linked, linked ? 'Yes' : 'No', where);
      if (linked) assert.equal(item.url, e.value, where);
      if (item.selected === 'Yes') assert.ok(e.selected, `${where}: the browser selects it`);
    });
    if (!items.some((x) => x.selected === 'Yes')) { // the browser's choice is the first entry, a caption or hidden
      const chosen = entries.find((e) => e.selected);
      assert.ok(!chosen || chosen.hidden || chosen === visible[0], `${file}: the browser selects ${chosen?.shown}`);
    }
  });
}

if (engine === 'chromium') await check('html-validate finds nothing', async () => { // the files, once: no browser
  const validator = new HtmlValidate({ extends: ['html-validate:recommended'],
    // Styles come from the user's records; a menu navigating on change has no button by design.
    rules: { 'no-inline-style': 'off', 'wcag/h32': 'off' } });
  for (const name of readdirSync(out, { recursive: true }).filter((n) => n.endsWith('.html'))) {
    const report = await validator.validateFile(join(out, name));
    assert.ok(report.valid, `${name}:\n` + report.results.flatMap((r) => r.messages)
      .map((m) => `  ${m.line}:${m.column} ${m.ruleId} ${m.message}`).join('\n'));
  }
});

// The published site at a server's root, as a plain web server serves it: a folder is its
// index.html, and a folder named without its '/' is redirected to it. `type`: the pages' Content-Type.
async function serveSite(type) {
  const server = createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    let file = join(site, name);
    if (existsSync(file) && statSync(file).isDirectory()) {
      if (!name.endsWith('/')) { res.writeHead(301, { Location: `${name}/` }); res.end(); return; }
      file = join(file, 'index.html');
    }
    res.setHeader('Content-Type', name.endsWith('.js') ? 'text/javascript' : type);
    if (existsSync(file)) res.end(readFileSync(file)); else { res.statusCode = 404; res.end(); }
  });
  await new Promise((ready) => server.listen(0, '127.0.0.1', ready));
  return { server, root: `http://127.0.0.1:${server.address().port}` };
}

// The published site served at the server's root, as root-relative links and
// <base href="/"> take it.
const { server: siteServer, root: siteAddress } = await serveSite('text/html; charset=utf-8');
const siteRoot = `${siteAddress}/`;
// Where each entry of the sample menu leads, from any page (the web address aside).
const entryPaths = { Home: '/index.html', About: '/about.html', 'Blog \u20ac': '/blog/',
  '--- A post \u65e5\u672c': '/blog/2026/post.html?from=menu', Root: '/about.html', 'Tag x': '/tags/x/' };
const everyPick = (file, own, root = siteRoot) => async (page) => {
  await page.goto(root + file);
  const entries = await page.$$eval('select option', (o) => o.filter((x) => !x.disabled && x.value)
    .map((x) => [x.text, x.value, x.selected]));
  assert.deepEqual(entries.filter(([text]) => text !== 'Elsewhere').map(([text]) => text), Object.keys(entryPaths));
  assert.equal(entries.find(([, , selected]) => selected)?.[0], own, `${file}: the page's own entry is selected`);
  for (const [text, value] of entries) {
    if (text === 'Elsewhere') continue; // on the web
    await page.goto(root + file);
    await page.select('select', value);
    const [response] = await Promise.all([page.waitForNavigation(), page.click('button')]);
    assert.equal(response?.status(), 200, `${file}: ${text} (${value})`);
    assert.equal(path(page), entryPaths[text], `${file}: ${text} (${value})`);
  }
};
await check('published site: every pick on a page with <base href="/"> lands on its page',
  everyPick('blog/2026/rooted.html', undefined));
await check('published site: every pick on a page with <base href="../"> in its body lands on its page',
  everyPick('blog/2026/up.html', undefined));
await check('published site: a folder linked without its slash selects its entry; every pick lands',
  everyPick('tags/x', 'Tag x'));
await check('published site: the page an alias leads to is published for its own folder; every pick lands',
  async (page) => {
    const real = relative(site, realpathSync(join(site, 'latest.html')));
    assert.equal(real, join('blog', '2026', 'post.html'));
    assert.ok(lstatSync(join(site, 'latest.html')).isSymbolicLink(), 'the alias is still a link');
    await everyPick(real, '--- A post \u65e5\u672c')(page);
  });
// Pages that declare windows-1251 past the first 1,024 bytes or in an XML declaration, published
// and served without a charset, as a plain web server does: Chromium reads them in windows-1251,
// shows the menu's texts, and every entry of the menu leads to its page.
await check('published site: a late-declared windows-1251 page shows its menu, and every pick lands', async (page) => {
  const { server: plain, root } = await serveSite('text/html'); // no charset: the page's own declaration decides
  try {
    for (const [file, title] of [['ru/xml.html', '\u041a\u043e\u043d\u0442\u0430\u043a\u0442\u044b'], ['ru/late.html', '\u041e \u043d\u0430\u0441']]) {
      await page.goto(`${root}/${file}`);
      assert.deepEqual([await page.evaluate(() => document.characterSet), await page.title()], ['windows-1251', title], file);
    }
    const project = JSON.parse(readFileSync(join(projects, '..', 'site', 'nav.qnv')));
    assert.deepEqual(await page.$$eval('select option', (o) => o.map((x) => x.text)), project.items.map((item) => item.text));
    await everyPick('ru/late.html', undefined, `${root}/`)(page);
  } finally {
    plain.close();
  }
});
siteServer.close();

await browser.close();
server.close();
if (!workArg) rmSync(work, { recursive: true, force: true });
console.log(`${engineName}: ${passes} passed, ${failures} failed`);
process.exit(failures ? 1 : 0);
