// The result pages of the shop's home page, and the three functions the Velmoro search program calls
// on the page: SoItem(query, pageNumber), ShowPage(index) and DelPage(index).
//
// The program keeps one tab per result page and relies on these rules:
// - page indexes are the tab indexes: pages are only appended, and removing page i moves every later
//   page down by one;
// - SoItem answers at once with the index of the page that shows the search (a new page at the end,
//   or the existing page of the same query) and shows it; the results fill in when they arrive;
// - ShowPage shows a page; the program calls it when the shopper picks a tab;
// - DelPage removes a page, shows the one to look at next and answers its index (-1 when no page is
//   left); the program removes the tab and selects that index without calling ShowPage.
//
// No DOM here: the page's drawing is a `view` and the network a `search` function handed in, so that
// this logic runs (and is tested) anywhere.
(function (global) {
  'use strict';

  // After removing the page at `removed`, the page that took its place, else the new last page.
  function nextAfterRemoval(removed, countAfter) {
    if (countAfter <= 0) return -1;
    return Math.min(removed, countAfter - 1);
  }

  // An index as the program passes it (a number); anything else is no index.
  function toIndex(value) {
    const n = typeof value === 'string' && value.trim() !== '' ? Number(value) : value;
    return Number.isInteger(n) ? n : -1;
  }

  class PageList {
    constructor() {
      this.pages = [];
      this.shown = -1;
    }
    get count() { return this.pages.length; }
    has(index) { return index >= 0 && index < this.pages.length; }
    contains(page) { return this.pages.includes(page); }
    indexOfQuery(query) { return this.pages.findIndex((p) => p.query === query); }
    append(page) {
      this.pages.push(page);
      return this.pages.length - 1;
    }
    show(index) {
      if (!this.has(index)) return false;
      this.shown = index;
      return true;
    }
    // Removes the page and answers the index shown next (-1: none).
    remove(index) {
      this.pages.splice(index, 1);
      this.shown = nextAfterRemoval(index, this.pages.length);
      return this.shown;
    }
  }

  // view: {add(page), show(page or null for the welcome), fill(page), remove(page)}
  // search: query => Promise of the search answer (rejects when there is none)
  function createPageFunctions(view, search) {
    const list = new PageList();
    let serial = 0;

    function load(page) {
      page.state = 'loading';
      search(page.query).then(
        (answer) => {
          if (!list.contains(page)) return;  // closed while the answer was on its way
          page.state = 'done';
          page.answer = answer;
          view.fill(page);
        },
        (error) => {
          if (!list.contains(page)) return;
          page.state = 'failed';
          page.error = String((error && error.message) || error);
          view.fill(page);
        });
    }

    function showAt(index) {
      list.show(index);
      view.show(list.pages[index]);
    }

    function SoItem(query, pageNumber) {
      query = query === undefined || query === null ? '' : String(query);
      const same = list.indexOfQuery(query);
      if (same >= 0) {
        if (list.pages[same].state === 'failed') {
          load(list.pages[same]);
          view.fill(list.pages[same]);
        }
        showAt(same);
        return same;
      }
      const number = toIndex(pageNumber);
      const page = { id: ++serial, query, pageNumber: number > 0 ? number : 1, state: 'loading', answer: null, error: '' };
      const index = list.append(page);
      view.add(page);
      showAt(index);
      load(page);
      return index;
    }

    function ShowPage(index) {
      const i = toIndex(index);
      if (list.has(i)) showAt(i);
    }

    function DelPage(index) {
      const i = toIndex(index);
      if (!list.has(i)) return list.shown;  // nothing to remove: stay where we are
      view.remove(list.pages[i]);
      const next = list.remove(i);
      view.show(next >= 0 ? list.pages[next] : null);
      return next;
    }

    return { SoItem, ShowPage, DelPage, list };
  }

  const api = { PageList, createPageFunctions, nextAfterRemoval, toIndex };
  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  else global.VelmoroPages = api;
})(typeof window !== 'undefined' ? window : globalThis);
