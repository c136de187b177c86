// The fitting room: pick a category, click a garment to put it on the figure. The server decides what
// a new garment takes off (a dress replaces top and bottom) and draws the figure.
(function () {
  'use strict';

  const figure = document.getElementById('figure');
  const wornList = document.getElementById('worn');
  const undress = document.getElementById('undress');
  const rack = document.getElementById('rack');
  const nav = document.getElementById('categories');
  let worn = [];  // the outfit's items, as the server resolved it

  function el(tag, className, text) {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function wearQuery(ids) { return ids.length ? '?wear=' + ids.join(',') : ''; }

  function dress(ids) {
    fetch('api/outfit' + wearQuery(ids))
      .then((r) => r.json())
      .then((outfit) => {
        worn = outfit.items;
        figure.src = 'fit.svg' + wearQuery(worn.map((i) => i.id));
        drawWorn();
      })
      .catch(() => {});
  }

  function drawWorn() {
    wornList.textContent = '';
    undress.hidden = worn.length === 0;
    if (worn.length === 0) {
      wornList.appendChild(el('li', 'none', '还没有试穿衣服，从右边挑一件吧。'));
    }
    for (const item of worn) {
      const li = el('li');
      li.appendChild(el('span', '', item.colour + ' · ' + item.title));
      const off = el('button', 'link', '脱下');
      off.addEventListener('click', () => dress(worn.filter((w) => w.id !== item.id).map((w) => w.id)));
      li.appendChild(off);
      wornList.appendChild(li);
    }
    for (const hanger of rack.children) {
      hanger.classList.toggle('worn', worn.some((w) => String(w.id) === hanger.dataset.id));
    }
  }

  function showCategory(category, button) {
    for (const b of nav.children) b.classList.toggle('on', b === button);
    fetch('api/search?k=&cid=' + encodeURIComponent(category.id) + '&s=commissionNum_desc')
      .then((r) => r.json())
      .then((answer) => {
        rack.textContent = '';
        for (const item of answer.items) {
          const hanger = el('button', 'hanger');
          hanger.dataset.id = item.id;
          hanger.title = item.title;
          const img = el('img');
          img.src = item.picture;
          img.alt = item.title;
          img.loading = 'lazy';
          hanger.appendChild(img);
          const label = el('span');
          label.appendChild(el('b', '', '¥' + item.price + ' '));
          label.appendChild(document.createTextNode(item.colour));
          hanger.appendChild(label);
          hanger.addEventListener('click', () => dress(worn.map((w) => w.id).concat(item.id)));
          rack.appendChild(hanger);
        }
        drawWorn();
      })
      .catch(() => { rack.textContent = '衣架暂时空着，请稍后再来。'; });
  }

  undress.addEventListener('click', () => dress([]));

  fetch('api/categories')
    .then((r) => r.json())
    .then((categories) => {
      for (const category of categories) {
        const b = el('button', '', category.caption);
        b.addEventListener('click', () => showCategory(category, b));
        nav.appendChild(b);
      }
      if (nav.firstChild) showCategory(categories[0], nav.firstChild);
    })
    .catch(() => {});
})();
