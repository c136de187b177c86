// The result-page logic of the home page (pageserver/web/pages.js), as the program uses it: indexes
// equal the program's tab indexes, SoItem answers at once, DelPage answers the index to select next.
// Run by CTest with node: node pages_test.js <path of pages.js>
'use strict';
const assert = require('assert');
const { createPageFunctions, nextAfterRemoval } = require(process.argv[2]);

// A view that records what the page shows, and a search whose answers the test releases by hand.
function harness() {
  const shown = [];
  const filled = [];
  const pending = [];
  const view = {
    add() {},
    show(page) { shown.push(page ? page.query : 'welcome'); },
    fill(page) { filled.push([page.query, page.state]); },
    remove() {},
  };
  const search = (query) => new Promise((resolve, reject) => pending.push({ query, resolve, reject }));
  const f = createPageFunctions(view, search);
  return { f, shown, filled, pending };
}

// The program's side: tabs mirrored from the answers, as the search window does it.
function host(f) {
  const tabs = [];
  let selected = -1;
  return {
    tabs,
    get selected() { return selected; },
    search(query) {
      const b = f.SoItem(query, 1);
      if (b === tabs.length) tabs.push(query);
      if (b >= 0 && b < tabs.length) selected = b;
      return b;
    },
    close(index) {
      const next = f.DelPage(index);
      tabs.splice(index, 1);
      selected = next >= 0 && next < tabs.length ? next : -1;
      return next;
    },
  };
}

const tests = {
  'a new search appends a page and answers its index at once'() {
    const { f, shown, pending } = harness();
    assert.strictEqual(f.SoItem('k=a', 1), 0);
    assert.strictEqual(f.SoItem('k=b', 1), 1);
    assert.strictEqual(f.list.count, 2);
    assert.deepStrictEqual(shown, ['k=a', 'k=b'], 'each new page is shown at once');
    assert.strictEqual(pending.length, 2, 'both searches went out');
  },

  async 'answers fill their own page when they arrive, in any order'() {
    const { f, filled, pending } = harness();
    f.SoItem('k=a', 1);
    f.SoItem('k=b', 1);
    pending[1].resolve({ ok: true, total: 0, items: [] });
    pending[0].reject(new Error('offline'));
    await new Promise((r) => setImmediate(r));
    assert.deepStrictEqual(filled, [['k=b', 'done'], ['k=a', 'failed']]);
    assert.strictEqual(f.list.pages[0].error, 'offline');
  },

  'the same query again shows its page instead of adding one'() {
    const { f, shown } = harness();
    f.SoItem('k=a', 1);
    f.SoItem('k=b', 1);
    assert.strictEqual(f.SoItem('k=a', 1), 0);
    assert.strictEqual(f.list.count, 2);
    assert.strictEqual(shown[shown.length - 1], 'k=a');
  },

  'ShowPage shows a page and ignores indexes that are not pages'() {
    const { f, shown } = harness();
    f.SoItem('k=a', 1);
    f.SoItem('k=b', 1);
    f.ShowPage(0);
    for (const bad of [-1, 2, 1.5, NaN, 'x', null, undefined]) f.ShowPage(bad);
    assert.deepStrictEqual(shown, ['k=a', 'k=b', 'k=a']);
    assert.strictEqual(f.list.shown, 0);
  },

  'DelPage answers the page that takes the place, else the new last, else -1'() {
    assert.strictEqual(nextAfterRemoval(0, 2), 0);
    assert.strictEqual(nextAfterRemoval(1, 2), 1);
    assert.strictEqual(nextAfterRemoval(2, 2), 1);
    assert.strictEqual(nextAfterRemoval(0, 0), -1);
    const { f, shown } = harness();
    ['k=a', 'k=b', 'k=c'].forEach((q) => f.SoItem(q, 1));
    assert.strictEqual(f.DelPage(1), 1);  // k=c moved down into place 1
    assert.strictEqual(shown[shown.length - 1], 'k=c', 'the page answered is already shown');
    assert.strictEqual(f.DelPage(1), 0);  // the last one: its left neighbour
    assert.strictEqual(f.DelPage(0), -1);
    assert.strictEqual(shown[shown.length - 1], 'welcome');
  },

  'DelPage of an index that is no page removes nothing'() {
    const { f } = harness();
    f.SoItem('k=a', 1);
    assert.strictEqual(f.DelPage(3), 0);
    assert.strictEqual(f.DelPage(-1), 0);
    assert.strictEqual(f.list.count, 1);
  },

  async 'an answer for a page closed meanwhile is dropped'() {
    const { f, filled, pending } = harness();
    f.SoItem('k=a', 1);
    f.DelPage(0);
    pending[0].resolve({ ok: true, total: 0, items: [] });
    await new Promise((r) => setImmediate(r));
    assert.deepStrictEqual(filled, []);
    assert.strictEqual(f.SoItem('k=b', 1), 0, 'the next search starts again at page 0');
  },

  'the program\'s tabs stay equal to the pages through random searches and closes'() {
    let seed = 7;
    const random = (n) => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % n; };
    const { f } = harness();
    const h = host(f);
    for (let step = 0; step < 2000; step++) {
      if (h.tabs.length === 0 || random(3) > 0) {
        h.search('k=' + random(12));
      } else {
        const index = random(h.tabs.length);
        f.ShowPage(index);  // a close box first selects its tab
        h.close(index);
      }
      assert.deepStrictEqual(f.list.pages.map((p) => p.query), h.tabs, 'step ' + step);
      assert.strictEqual(f.list.shown, h.selected, 'step ' + step);
    }
  },
};

(async () => {
  let failed = 0;
  for (const [name, test] of Object.entries(tests)) {
    try {
      await test();
      console.log('ok   ' + name);
    } catch (e) {
      failed++;
      console.log('FAIL ' + name + '\n' + e.stack);
    }
  }
  process.exit(failed ? 1 : 0);
})();
