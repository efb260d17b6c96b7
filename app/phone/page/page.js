// SPDX-License-Identifier: MIT
// The phone view's page: the open shopping list, kept in the browser's storage so that it works on
// in the store without the home network; ticks made meanwhile are sent when the connection is back.
'use strict';

const storeKey = 'pantrex-phone';
const saved = JSON.parse(localStorage.getItem(storeKey) || '{}');
let list = saved.list || null;
let pending = saved.pending || []; // ticks not yet taken by the desktop: {record, key, ticked}
let online = true;
let socket = null;
let searchTimer = 0;

const $ = (id) => document.getElementById(id);

function keep() {
  localStorage.setItem(storeKey, JSON.stringify({list, pending}));
}

function say(text) {
  $('message').textContent = text || '';
}

function setOnline(now) {
  online = now;
  $('offline').hidden = now;
}

function isTicked(item) {
  const change = pending.find((p) => p.key === item.key && p.record === item.record);
  return change ? change.ticked : item.ticked;
}

function itemRow(item) {
  const row = document.createElement('div');
  row.className = 'item';
  const box = document.createElement('input');
  box.type = 'checkbox';
  box.id = 'item' + item.record;
  box.checked = isTicked(item);
  const label = document.createElement('label');
  label.htmlFor = box.id;
  const text = document.createElement('span');
  text.className = 'text';
  text.textContent = item.quantity + ' ' + item.text;
  const cost = document.createElement('span');
  cost.className = 'cost';
  cost.textContent = item.cost;
  label.append(text, cost);
  row.classList.toggle('ticked', box.checked);
  row.classList.toggle('pending', pending.some((p) => p.key === item.key && p.record === item.record));
  box.addEventListener('change', () => tick(item, box.checked));
  row.append(box, label);
  return row;
}

function show() {
  if (!list)
    return;
  $('caption').textContent = list.caption;
  document.title = list.caption;
  const items = $('items');
  items.replaceChildren();
  let ticked = 0;
  for (const category of list.categories) {
    const group = document.createElement('fieldset');
    const legend = document.createElement('legend');
    legend.textContent = category.name || '\u2014';
    group.append(legend);
    for (const item of category.items) {
      if (isTicked(item))
        ticked += 1;
      group.append(itemRow(item));
    }
    items.append(group);
  }
  $('progress').textContent = ticked + ' of ' + list.count + ' in the trolley';
}

async function post(what, body) {
  // The desktop takes changes only from its own page: the request names where it comes from.
  const response = await fetch(what, {
    method: 'POST', headers: {'Content-Type': 'application/json'}, body: JSON.stringify(body),
    referrerPolicy: 'same-origin', cache: 'no-store',
  });
  let answer = {};
  try {
    answer = await response.json();
  } catch (e) {
    answer = {};
  }
  return {status: response.status, answer};
}

async function refresh() {
  try {
    const response = await fetch('state', {cache: 'no-store'});
    if (!response.ok)
      throw new Error(String(response.status));
    list = await response.json();
    setOnline(true);
    // A pending tick for an item that is gone is dropped.
    pending = pending.filter((p) => list.categories.some((c) => c.items.some((i) => i.key === p.key)));
    keep();
    show();
    connect();
  } catch (e) {
    setOnline(false);
    show();
  }
}

let sending = false;

async function sendPending() {
  if (sending)
    return;
  sending = true;
  try {
    await sendEach();
  } finally {
    sending = false;
  }
}

async function sendEach() {
  while (pending.length > 0) {
    const change = pending[0];
    let result;
    try {
      result = await post('tick', change);
    } catch (e) {
      setOnline(false);
      return;
    }
    if (result.status === 409 && !change.retried) {
      change.retried = true; // the list was read again at home: once more against it
      continue;
    }
    if (result.status === 429 || result.status === 503) {
      // Too many at once, or the desktop is busy with a question: the tick waits its turn.
      await new Promise((resolve) => setTimeout(resolve, result.status === 429 ? 1000 : 2000));
      continue;
    }
    pending.shift();
    keep();
    if (result.answer.message)
      say(result.answer.message);
  }
}

async function tick(item, ticked) {
  pending = pending.filter((p) => !(p.key === item.key && p.record === item.record));
  pending.push({record: item.record, key: item.key, ticked});
  keep();
  show();
  if (online) {
    await sendPending();
    await refresh();
  }
}

async function change(what, body) {
  say('');
  try {
    const result = await post(what, body);
    if (result.answer.message)
      say(result.answer.message);
    await refresh();
  } catch (e) {
    setOnline(false);
    say('Not connected: try again when the phone is back on the home network.');
  }
}

async function search() {
  const text = $('search').value.trim();
  const results = $('results');
  if (!text) {
    results.replaceChildren();
    return;
  }
  try {
    const response = await fetch('search?q=' + encodeURIComponent(text), {cache: 'no-store'});
    const found = await response.json();
    if ($('search').value.trim() !== text)
      return;
    results.replaceChildren(...found.products.map((product) => {
      const entry = document.createElement('li');
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = product.name;
      button.addEventListener('click', () => {
        $('search').value = '';
        results.replaceChildren();
        change('add', product);
      });
      entry.append(button);
      return entry;
    }));
  } catch (e) {
    setOnline(false);
  }
}

function connect() {
  if (socket || !list || !list.socket)
    return;
  socket = new WebSocket(list.socket);
  socket.addEventListener('message', () => refresh());
  socket.addEventListener('open', () => sendPending().then(refresh));
  socket.addEventListener('close', () => {
    socket = null;
    setOnline(false);
    setTimeout(refresh, 3000);
  });
}

$('search').addEventListener('input', () => {
  clearTimeout(searchTimer);
  searchTimer = setTimeout(search, 120);
});
$('removeticked').addEventListener('click', () => {
  if (confirm('Remove the ticked items from the shopping list?'))
    change('remove-ticked', {});
});
window.addEventListener('online', () => sendPending().then(refresh));
// Out of range the page keeps trying, quietly, so that it is back as soon as the network is.
setInterval(() => {
  if (!online || pending.length > 0)
    sendPending().then(refresh);
}, 4000);
window.addEventListener('offline', () => setOnline(false));
show();
refresh();
