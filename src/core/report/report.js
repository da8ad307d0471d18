// Sorting and filtering of the items table, and the full text of repeated messages when an
// item's diagnostics open. The page reads the same without it, unsorted.
(function () {
  'use strict';
  var table = document.getElementById('item-table');
  if (!table) return;
  var heads = table.tHead.rows[0].cells;
  var entries = [];
  for (var i = 0; i < table.tBodies.length; i++) {
    entries.push({ body: table.tBodies[i], index: i, text: null });
  }

  // The sort key of column `c` of an entry: the cell's data-v in columns that sort by number,
  // otherwise its text.
  function key(entry, c, numeric) {
    var cell = entry.body.rows[0].cells[c];
    if (!numeric) return cell.textContent;
    var v = cell.getAttribute('data-v');
    return v === null || v === '' ? NaN : Number(v);
  }

  var collator = new Intl.Collator(document.documentElement.lang || undefined, { numeric: true, sensitivity: 'base' });
  var sorted = -1;
  var descending = false;

  function sortBy(c) {
    var numeric = heads[c].getAttribute('data-sort') === 'num';
    descending = sorted === c ? !descending : heads[c].getAttribute('data-first') === 'desc';
    sorted = c;
    var keyed = entries.map(function (e) { return { e: e, k: key(e, c, numeric) }; });
    var sign = descending ? -1 : 1;
    keyed.sort(function (a, b) {
      var d;
      if (numeric) {
        var an = isNaN(a.k), bn = isNaN(b.k);
        // Items without a value stay at the end in either direction.
        if (an || bn) d = an === bn ? 0 : (an ? 1 : -1);
        else d = sign * (a.k - b.k);
      } else {
        d = sign * collator.compare(a.k, b.k);
      }
      return d !== 0 ? d : a.e.index - b.e.index;
    });
    // Reordered while out of the document: one change for the page instead of one per item.
    var parent = table.parentNode, next = table.nextSibling;
    parent.removeChild(table);
    keyed.forEach(function (x) { table.appendChild(x.e.body); });
    parent.insertBefore(table, next);
    for (var h = 0; h < heads.length; h++) {
      if (h === c) heads[h].setAttribute('aria-sort', descending ? 'descending' : 'ascending');
      else heads[h].removeAttribute('aria-sort');
    }
  }

  Array.prototype.forEach.call(heads, function (th, c) {
    var button = document.createElement('button');
    button.type = 'button';
    button.title = table.getAttribute('data-sort-hint') || '';
    while (th.firstChild) button.appendChild(th.firstChild);
    th.appendChild(button);
    button.addEventListener('click', function () { sortBy(c); });
  });

  // Filter: every word typed must occur in the item's row (path, status, exit code, time,
  // count) or among its diagnostic codes; letter case is ignored.
  var tools = document.getElementById('item-tools');
  var input = document.getElementById('item-filter');
  var shown = document.getElementById('item-shown');
  function haystack(entry) {
    if (entry.text === null) {
      entry.text = (entry.body.rows[0].textContent + ' ' + (entry.body.getAttribute('data-codes') || '')).toLowerCase();
    }
    return entry.text;
  }
  function grouped(n) {
    return String(n).replace(/\B(?=(\d{3})+(?!\d))/g, shown.getAttribute('data-separator') || '');
  }
  function applyFilter() {
    var words = input.value.toLowerCase().split(/\s+/).filter(function (w) { return w !== ''; });
    var count = 0;
    entries.forEach(function (e) {
      var text = words.length ? haystack(e) : '';
      var match = words.every(function (w) { return text.indexOf(w) >= 0; });
      e.body.hidden = !match;
      if (match) count++;
    });
    shown.textContent = (shown.getAttribute('data-text') || '%1 / %2')
      .replace('%1', grouped(count)).replace('%2', grouped(entries.length));
  }
  if (tools && input && shown) {
    var pending = 0;
    input.addEventListener('input', function () {
      clearTimeout(pending);
      pending = setTimeout(applyFilter, entries.length > 2000 ? 150 : 0);
    });
    tools.hidden = false;
    applyFilter();
  }

  // An item's diagnostics come as the text of a <noscript> (see the page's header); opening the
  // item builds the list from it. A message that occurs more than once is written once, in the
  // page's list of messages, and put in for each diagnostic here (without scripts the page's
  // style shows it).
  var messages = document.getElementById('messages');
  var parser = document.createElement('template');
  table.addEventListener('toggle', function (event) {
    var details = event.target;
    if (!details.open || details.getAttribute('data-filled')) return;
    details.setAttribute('data-filled', '1');
    var source = details.querySelector('noscript');
    if (!source) return;
    parser.innerHTML = source.textContent;
    var items = parser.content.querySelectorAll('li[class^="m"]');
    for (var k = 0; k < items.length; k++) {
      var message = messages && messages.content.children[Number(items[k].className.slice(1))];
      if (!message) continue;
      items[k].appendChild(document.createTextNode(message.textContent));
      items[k].className = '';
    }
    details.appendChild(parser.content);
  }, true);
})();
