// The home page's drawing: result pages as grids of item cards, and the welcome before any search.
// The page-list logic and the functions the program calls are in pages.js.
(function () {
  'use strict';

  const PAGE_SIZE = 40;  // cards drawn at a time; the rest on "显示更多"
  const SVG_NS = 'http://www.w3.org/2000/svg';
  const pagesBox = document.getElementById('pages');
  const welcome = document.getElementById('welcome');
  const elements = new Map();  // page id -> its <section>

  function el(tag, className, text) {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // --- seller credit: hearts, diamonds, crowns, golden crowns -----------------------------------
  const CREDIT_SHAPES = {
    heart: { colour: '#f2405b', d: 'M8 14 C3 10 1 7.5 1 5 A3.5 3.5 0 0 1 8 3.5 A3.5 3.5 0 0 1 15 5 C15 7.5 13 10 8 14 Z' },
    diamond: { colour: '#3b8cf0', d: 'M4 2 H12 L15 6 L8 14 L1 6 Z' },
    crown: { colour: '#3a64d8', d: 'M1 5 L4.5 8 L8 2 L11.5 8 L15 5 L13.5 13 H2.5 Z' },
    goldencrown: { colour: '#f0a818', d: 'M1 5 L4.5 8 L8 2 L11.5 8 L15 5 L13.5 13 H2.5 Z' },
  };

  function creditIcons(credit) {
    const box = el('span', 'credit');
    box.title = '卖家信用：' + credit.text;
    const shape = CREDIT_SHAPES[credit.kind] || CREDIT_SHAPES.heart;
    for (let i = 0; i < credit.count; i++) {
      const svg = document.createElementNS(SVG_NS, 'svg');
      svg.setAttribute('viewBox', '0 0 16 16');
      const path = document.createElementNS(SVG_NS, 'path');
      path.setAttribute('d', shape.d);
      path.setAttribute('fill', shape.colour);
      svg.appendChild(path);
      box.appendChild(svg);
    }
    return box;
  }

  // --- one card ---------------------------------------------------------------------------------
  function card(item) {
    const c = el('article', 'card');
    const pic = el('div', 'pic');
    const img = el('img');
    img.src = item.picture;
    img.alt = item.title;
    img.loading = 'lazy';
    pic.appendChild(img);
    if (item.hot) pic.appendChild(el('span', 'hot', '热卖'));
    c.appendChild(pic);

    const info = el('div', 'info');
    const priceRow = el('div', 'price-row');
    const price = el('span', 'price');
    price.appendChild(el('small', '', '¥'));
    price.appendChild(document.createTextNode(item.price));
    priceRow.appendChild(price);
    priceRow.appendChild(el('span', 'sales', item.sales + '人付款'));
    info.appendChild(priceRow);
    info.appendChild(el('h3', 'title', item.title));
    const seller = el('div', 'seller');
    seller.appendChild(el('span', 'shop', item.shop));
    seller.appendChild(el('span', 'loc', item.location));
    info.appendChild(seller);
    const foot = el('div', 'foot');
    foot.appendChild(creditIcons(item.credit));
    const badges = el('span', 'badges');
    for (const s of item.services) badges.appendChild(el('span', s === '淘宝商城' ? 'badge mall' : 'badge', s === '淘宝商城' ? '商城' : s));
    foot.appendChild(badges);
    info.appendChild(foot);
    c.appendChild(info);
    return c;
  }

  // --- the query a page answers -------------------------------------------------------------------
  function summary(page) {
    const head = el('header', 'summary');
    const chips = el('div', 'chips');
    const s = page.answer && page.answer.summary;
    const chip = (label, value, strong) => {
      const c = el('span', strong ? 'chip strong' : 'chip');
      c.appendChild(el('i', '', label));
      c.appendChild(document.createTextNode(value));
      chips.appendChild(c);
    };
    if (s) {
      if (s.bestSellers) chip('', '热卖宝贝', true);
      else if (s.keyword) chip('关键字', s.keyword, true);
      chip('类目', s.category);
      chip('价格', s.price);
      chip('所在地', s.area);
      chip('排序', s.sort);
      chip('信用', s.credit);
      if (s.services.length) chip('服务', s.services.join('、'));
    }
    head.appendChild(chips);
    const q = el('div', 'query');
    q.appendChild(el('span', '', '查询 '));
    q.appendChild(el('code', '', page.query));
    head.appendChild(q);
    return head;
  }

  function showMore(grid, items, from, section) {
    const end = Math.min(items.length, from + PAGE_SIZE);
    for (let i = from; i < end; i++) grid.appendChild(card(items[i]));
    const old = section.querySelector('.more');
    if (old) old.remove();
    if (end < items.length) {
      const more = el('button', 'more', '显示更多宝贝（还有 ' + (items.length - end) + ' 件）');
      more.addEventListener('click', () => showMore(grid, items, end, section));
      section.appendChild(more);
    }
  }

  function fillSection(section, page) {
    section.textContent = '';
    if (page.state === 'loading') {
      section.appendChild(summary(page));
      section.appendChild(el('div', 'notice loading', '正在为您搜索宝贝…'));
      return;
    }
    if (page.state === 'failed') {
      section.appendChild(summary(page));
      section.appendChild(el('div', 'notice failed', '搜索没有成功（' + page.error + '），请稍后再搜一次。'));
      return;
    }
    const answer = page.answer;
    section.appendChild(summary(page));
    if (!answer.ok) {
      section.appendChild(el('div', 'notice failed', answer.message));
      return;
    }
    const count = el('div', 'count');
    count.appendChild(document.createTextNode('共找到 '));
    count.appendChild(el('b', '', String(answer.total)));
    count.appendChild(document.createTextNode(' 件宝贝'));
    section.appendChild(count);
    if (answer.total === 0) {
      section.appendChild(el('div', 'notice empty', answer.message));
      return;
    }
    const grid = el('div', 'grid');
    section.appendChild(grid);
    showMore(grid, answer.items, 0, section);
  }

  const view = {
    add(page) {
      const section = el('section', 'results');
      section.hidden = true;
      elements.set(page.id, section);
      fillSection(section, page);
      pagesBox.appendChild(section);
    },
    show(page) {
      welcome.hidden = page !== null;
      for (const [id, section] of elements) section.hidden = !page || id !== page.id;
      window.scrollTo(0, 0);
    },
    fill(page) {
      const section = elements.get(page.id);
      if (section) fillSection(section, page);
    },
    remove(page) {
      const section = elements.get(page.id);
      if (section) section.remove();
      elements.delete(page.id);
    },
  };

  // Answers come back as JSON, refused queries included (with status 400).
  function search(query) {
    return fetch('/qrwk/api/search', {
      method: 'POST',
      headers: { 'Content-Type': 'text/plain; charset=utf-8' },
      body: query,
    }).then((response) => {
      const type = response.headers.get('Content-Type') || '';
      if (!type.startsWith('application/json')) throw new Error('服务器回答 ' + response.status);
      return response.json();
    });
  }

  const functions = VelmoroPages.createPageFunctions(view, search);
  window.SoItem = functions.SoItem;
  window.ShowPage = functions.ShowPage;
  window.DelPage = functions.DelPage;

  // A few best sellers on the welcome page.
  fetch('/qrwk/api/search?k=%E7%83%AD%E5%8D%96&s=commissionNum_desc')
    .then((r) => r.json())
    .then((answer) => {
      const row = document.getElementById('teaser-row');
      for (const item of answer.items.slice(0, 5)) {
        const t = el('figure', 'teaser-item');
        const img = el('img');
        img.src = item.picture;
        img.alt = item.title;
        t.appendChild(img);
        t.appendChild(el('figcaption', '', '¥' + item.price));
        row.appendChild(t);
      }
      document.getElementById('teaser').hidden = answer.items.length === 0;
    })
    .catch(() => {});
})();
