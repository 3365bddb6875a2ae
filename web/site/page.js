// The page around the game: it starts the WebAssembly game, times its ticks
// by the animation frames, shows its picture, texts, boxes and dialogs,
// keeps its files in the browser's storage and passes the player's clicks,
// taps, keys, menu items and toolbar buttons on to it.
'use strict';

(() => {
  const $ = (id) => document.getElementById(id);
  // The game's commands, numbered as web_main.cpp numbers them.
  const COMMANDS = ['restart', 'pause', 'display-options', 'game-options', 'wall-of-fame', 'open',
    'save', 'download', 'exit', 'about', 'help', 'zoom-1', 'zoom-2', 'zoom-3', 'orientation'];
  const SOUNDS = ['click', 'level-start', 'level-done', 'life-lost'];
  const LONG_PRESS_MS = 500;

  let game = null;      // the WebAssembly module
  let busy = false;     // a call into the game is running or waiting for the player
  let ended = false;
  let lastFrame = null;
  let picture = { width: 0, height: 0 };
  let scale = 1;        // CSS pixels per picture pixel
  const frameTimes = [];

  // --- The browser's storage: blocked or full storage refuses, play goes on.
  const storage = {
    get(key) { try { return window.localStorage.getItem(key); } catch (e) { return null; } },
    set(key, value) {
      try { window.localStorage.setItem(key, value); return true; } catch (e) { return false; }
    },
    remove(key) { try { window.localStorage.removeItem(key); } catch (e) { /* nothing kept */ } },
    keys() { try { return Object.keys(window.localStorage); } catch (e) { return []; } },
  };
  const FILE_KEY = 'zembal-file:';
  const DATE_KEY = 'zembal-date:';
  // Bytes as a string of one character per byte, as the storage keeps text.
  const bytesToText = (bytes) => {
    let text = '';
    for (let i = 0; i < bytes.length; i += 8192) {
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
    }
    return text;
  };
  const textToBytes = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0) & 0xff);

  // --- Sounds: Web Audio once the player has clicked or pressed a key.
  const audio = { context: null, buffers: [], playing: null };
  function wakeAudio() {
    if (audio.context || !window.AudioContext) return;
    audio.context = new AudioContext();
    SOUNDS.forEach((name, i) => {
      fetch(`sounds/${name}.wav`).then((r) => r.arrayBuffer())
        .then((data) => audio.context.decodeAudioData(data))
        .then((buffer) => { audio.buffers[i] = buffer; }, () => {});
    });
  }
  function playSound(index) {
    const buffer = audio.buffers[index];
    if (!audio.context || !buffer) return;
    // As on Windows, a new sound cuts the one still playing.
    if (audio.playing) { try { audio.playing.stop(); } catch (e) { /* ended */ } }
    const source = audio.context.createBufferSource();
    source.buffer = buffer;
    source.connect(audio.context.destination);
    source.start();
    audio.playing = source;
  }

  // --- Dialogs and boxes.
  const waiting = new Map();   // dialog id -> the resolver of its wait
  function answer(dialog, value) {
    const resolve = waiting.get(dialog.id);
    if (resolve) { waiting.delete(dialog.id); resolve(value); }
  }
  function setUpDialog(dialog) {
    dialog.addEventListener('cancel', (event) => { event.preventDefault(); answer(dialog, 2); });
    dialog.addEventListener('click', (event) => {
      const button = event.target.closest('button[data-answer]');
      if (button && !button.hidden && !button.disabled) answer(dialog, Number(button.dataset.answer));
    });
    dialog.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' && !(event.target instanceof HTMLButtonElement) &&
          !(event.target instanceof HTMLSelectElement)) {
        event.preventDefault();
        const button = [...dialog.querySelectorAll('button[data-default]')].find((b) => !b.hidden);
        if (button) button.click();
      } else if (event.altKey && event.key.length === 1) {
        const target = [...dialog.querySelectorAll('[data-key]')]
          .find((c) => c.dataset.key === event.key.toLowerCase() && !c.hidden);
        if (target) { event.preventDefault(); target.focus(); target.click(); }
      } else if (!event.altKey && !event.ctrlKey && dialog.id === 'box' && event.key.length === 1) {
        const target = [...dialog.querySelectorAll('button[data-answer]')]
          .find((b) => !b.hidden && b.textContent.toLowerCase().startsWith(event.key.toLowerCase()));
        if (target) { event.preventDefault(); target.click(); }
      }
    });
  }

  const page = {
    text(heap, pointer) {
      let end = pointer;
      while (heap[end] !== 0) end += 1;
      return bytesToText(heap.subarray(pointer, end));
    },
    putBytes(heap, text, pointer, size) {
      if (size <= 0) return;
      const bytes = textToBytes(text).subarray(0, size - 1);
      heap.set(bytes, pointer);
      heap[pointer + bytes.length] = 0;
    },
    drawField(bytes, width, height) {
      const canvas = $('field');
      if (picture.width !== width || picture.height !== height) {
        canvas.width = width;
        canvas.height = height;
        picture = { width, height };
        // Laid out once the game's call has returned.
        setTimeout(layout, 0);
      }
      const pixels = new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, width * height * 4);
      canvas.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0);
    },
    showInformation(lines) {
      lines.split('\n').forEach((line, i) => {
        const [left, middle] = line.split('\t');
        if ($(`info-${i}-0`).textContent !== left) $(`info-${i}-0`).textContent = left;
        if ($(`info-${i}-1`).textContent !== middle) $(`info-${i}-1`).textContent = middle;
      });
    },
    showStatus(text) { $('message').textContent = text; },
    showPaused(paused) {
      $('tool-play').hidden = !paused;
      $('tool-pause').hidden = paused;
    },
    showOrientation(across) {
      $('field').classList.toggle('across', across);
      $('orientation-sign').textContent = across ? '\u2194' : '\u2195';
    },
    playSound,
    endProgram() { ended = true; $('ended').hidden = false; },
    showBox(kind, text) {
      const box = $('box');
      $('box-text').textContent = text;
      $('box-icon').className = `box-icon ${['information', 'question', 'fatal'][kind] || ''}`;
      $('box-ok').hidden = kind === 1;
      $('box-yes').hidden = kind !== 1;
      $('box-no').hidden = kind !== 1;
      box.showModal();
      (kind === 1 ? $('box-yes') : $('box-ok')).focus();
      return new Promise((resolve) => waiting.set('box', resolve)).then((value) => {
        box.close();
        return kind === 1 && value === 1 ? 1 : 0;
      });
    },
    openDialog(id) {
      const dialog = $(id);
      dialog.showModal();
      const first = dialog.querySelector('.body input:not([disabled]), .body select') ||
        dialog.querySelector('button[data-default]');
      if (first) first.focus();
    },
    waitDialog(id) { return new Promise((resolve) => waiting.set(id, resolve)); },
    closeDialog(id) { $(id).close(); },
    control: (id) => $(id),
    setText(id, text) {
      const element = $(id);
      if (element instanceof HTMLInputElement) element.value = text;
      else element.textContent = text;
    },
    getText(id) { return $(id).value; },
    setList(id, entries, selected) {
      const list = $(id);
      list.replaceChildren(...entries.map((entry) => new Option(entry)));
      list.selectedIndex = selected;
    },
    storeFile(path, bytes, date) {
      if (!storage.set(FILE_KEY + path, bytesToText(bytes))) return false;
      storage.set(DATE_KEY + path, date);
      return true;
    },
    forgetFile(path) { storage.remove(FILE_KEY + path); storage.remove(DATE_KEY + path); },
    fileDate(path) { return storage.get(FILE_KEY + path) === null ? null : storage.get(DATE_KEY + path); },
    download(name, bytes) {
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
      link.download = name;
      document.body.append(link);
      link.click();
      link.remove();
      setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    },
    frameTimes,
    isBusy: () => busy,
    // Tests only: the game's time stands still at a clock reading in ms.
    holdClock: (ms) => call('zembalHoldClock', ['number'], [ms]),
  };
  window.zembalPage = page;

  // --- Calls into the game, one at a time: a call that waits for the player
  // keeps the others out until it returns.
  function call(name, types = [], args = []) {
    if (busy || ended || !game) return Promise.resolve(false);
    busy = true;
    let result;
    try {
      result = game.ccall(name, null, types, args, { async: true });
    } catch (error) {
      busy = false;
      return Promise.reject(error);
    }
    return Promise.resolve(result).then(() => { busy = false; return true; },
      (error) => { busy = false; throw error; });
  }
  function command(name) {
    const index = COMMANDS.indexOf(name);
    if (index >= 0) return call('zembalCommand', ['number'], [index]);
    return Promise.resolve(false);
  }

  // --- Layout: the largest zoom up to the one asked for that fits the
  // page; narrower than the field at zoom 1, the field is scaled down.
  function layout() {
    if (!game || !picture.width || busy) return;
    const wanted = game.ccall('zembalZoomWanted', 'number', [], []);
    const view = $('view');
    const availableWidth = document.documentElement.clientWidth - 4;
    const used = $('menubar').offsetHeight + $('toolbar').offsetHeight +
      $('statusbar').offsetHeight + $('info').offsetHeight + 16;
    const availableHeight = window.innerHeight - used;
    let zoom = Math.max(1, Math.min(3, wanted));
    while (zoom > 1 && (picture.width * zoom > availableWidth || picture.height * zoom > availableHeight)) {
      zoom -= 1;
    }
    scale = picture.width * zoom > availableWidth ? availableWidth / picture.width : zoom;
    const canvas = $('field');
    // Whole zooms show each pixel as a block; shrunk to a phone, smoothing
    // keeps the thin grid lines from vanishing.
    canvas.style.imageRendering = scale < 1 ? 'auto' : '';
    canvas.style.width = `${picture.width * scale}px`;
    canvas.style.height = `${picture.height * scale}px`;
    view.style.setProperty('--field-width', `${picture.width * scale}px`);
    document.querySelectorAll('[data-command^="zoom-"]').forEach((item) => {
      item.setAttribute('aria-checked', String(item.dataset.command === `zoom-${zoom}`));
    });
  }

  function showBars(toolbar, statusBar) {
    $('toolbar').hidden = !toolbar;
    $('statusbar').hidden = !statusBar;
    document.querySelector('[data-command="toolbar"]').setAttribute('aria-checked', String(toolbar));
    document.querySelector('[data-command="status-bar"]').setAttribute('aria-checked', String(statusBar));
    layout();
  }

  // --- Menus.
  const menubar = $('menubar');
  const tops = [...menubar.querySelectorAll(':scope > li > button')];
  function closeMenus() {
    menubar.querySelectorAll('[aria-expanded="true"]').forEach((e) => e.setAttribute('aria-expanded', 'false'));
  }
  function openMenu(button, focusFirst) {
    closeMenus();
    button.setAttribute('aria-expanded', 'true');
    button.focus();
    if (focusFirst) {
      const first = button.nextElementSibling.querySelector(':scope > li[role^="menuitem"]');
      if (first) first.focus();
    }
  }
  function runItem(item) {
    if (item.classList.contains('submenu')) {
      item.setAttribute('aria-expanded', 'true');
      const first = item.querySelector('ul > li[role^="menuitem"]');
      if (first) first.focus();
      return;
    }
    closeMenus();
    const name = item.dataset.command;
    if (name.startsWith('web:')) {
      window.open(name.slice(4), '_blank', 'noopener');
    } else {
      act(name);
    }
  }
  tops.forEach((button, i) => {
    button.addEventListener('click', () => {
      if (button.getAttribute('aria-expanded') === 'true') closeMenus();
      else openMenu(button, false);
    });
    button.addEventListener('mouseenter', () => {
      if (menubar.querySelector('[aria-expanded="true"]') && button.getAttribute('aria-expanded') !== 'true') {
        openMenu(button, false);
      }
    });
    button.addEventListener('keydown', (event) => {
      if (event.key === 'ArrowDown' || event.key === 'Enter' || event.key === ' ') {
        event.preventDefault(); openMenu(button, true);
      } else if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
        event.preventDefault();
        const next = tops[(i + (event.key === 'ArrowRight' ? 1 : tops.length - 1)) % tops.length];
        if (button.getAttribute('aria-expanded') === 'true') openMenu(next, false); else next.focus();
      } else if (event.key === 'Escape') { closeMenus(); $('field').focus(); }
    });
  });
  menubar.addEventListener('click', (event) => {
    const item = event.target.closest('li[role^="menuitem"]');
    if (item) { event.stopPropagation(); runItem(item); }
  });
  menubar.addEventListener('mouseover', (event) => {
    const item = event.target.closest('li[role^="menuitem"]');
    if (!item) return;
    item.parentElement.querySelectorAll(':scope > li.submenu').forEach((s) => {
      if (s !== item) s.setAttribute('aria-expanded', 'false');
    });
    if (item.classList.contains('submenu')) item.setAttribute('aria-expanded', 'true');
  });
  menubar.addEventListener('keydown', (event) => {
    const item = event.target.closest('li[role^="menuitem"]');
    if (!item) return;
    const list = item.parentElement;
    const items = [...list.querySelectorAll(':scope > li[role^="menuitem"]')];
    const at = items.indexOf(item);
    const top = item.closest('li.top').querySelector('button');
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      event.preventDefault();
      items[(at + (event.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
    } else if (event.key === 'Enter' || event.key === ' ' ||
        (event.key === 'ArrowRight' && item.classList.contains('submenu'))) {
      event.preventDefault(); runItem(item);
    } else if (event.key === 'Escape' || event.key === 'ArrowLeft') {
      event.preventDefault();
      const parent = list.closest('li.submenu');
      if (parent) { parent.setAttribute('aria-expanded', 'false'); parent.focus(); } else if (event.key === 'Escape') { closeMenus(); top.focus(); } else { const i = tops.indexOf(top); openMenu(tops[(i + tops.length - 1) % tops.length], true); }
    } else if (event.key === 'ArrowRight') {
      event.preventDefault(); const i = tops.indexOf(top); openMenu(tops[(i + 1) % tops.length], true);
    } else if (event.key.length === 1) {
      const match = items.find((c) => c.dataset.key === event.key.toLowerCase());
      if (match) { event.preventDefault(); runItem(match); }
    }
  });
  document.addEventListener('pointerdown', (event) => {
    wakeAudio();
    if (!menubar.contains(event.target)) closeMenus();
  });

  // --- What the menu items, buttons and keys do.
  function act(name) {
    switch (name) {
      case 'toolbar':
      case 'status-bar': {
        const toolbar = name === 'toolbar' ? $('toolbar').hidden : !$('toolbar').hidden;
        const statusBar = name === 'status-bar' ? $('statusbar').hidden : !$('statusbar').hidden;
        if (!busy && game) game.ccall('zembalShowBars', null, ['number', 'number'], [toolbar, statusBar]);
        showBars(toolbar, statusBar);
        return Promise.resolve(true);
      }
      case 'open-file':
        if (!busy) $('picker').click();
        return Promise.resolve(true);
      case 'exit':
        return command('exit').then(() => page.endProgram());
      default:
        return command(name).then((done) => { if (name.startsWith('zoom-')) layout(); return done; });
    }
  }
  document.querySelectorAll('#toolbar button').forEach((button) => {
    button.addEventListener('click', () => act(button.dataset.command));
  });
  $('picker').addEventListener('change', async () => {
    const file = $('picker').files[0];
    $('picker').value = '';
    if (!file || busy || !game) return;
    // Anything longer than a saved game can be is refused by its size alone.
    const bytes = new Uint8Array(await file.slice(0, (1 << 20) + 1).arrayBuffer());
    game.FS.writeFile('/zembal/picked.zmb', bytes);
    call('zembalOpenPickedFile');
  });

  const KEYS = { F1: 'help', F2: 'pause', F3: 'display-options', F4: 'game-options' };
  const CONTROL_KEYS = { s: 'save', o: 'open', 1: 'zoom-1', 2: 'zoom-2', 3: 'zoom-3' };
  // Play without a mouse, numbered as the game's keys of play: the arrows
  // move the cell cursor, Space or Enter launch, R turns the bars. A focused
  // button or menu keeps its own keys.
  const PLAY_KEYS = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, ' ': 4, Enter: 4, r: 5, R: 5 };
  let cursorShown = false;
  function playKey(event) {
    if (event.ctrlKey || event.altKey || event.metaKey) return false;
    if (event.target instanceof HTMLButtonElement || menubar.contains(event.target)) return false;
    const key = PLAY_KEYS[event.key];
    if (key === undefined) return false;
    event.preventDefault();
    cursorShown = true;
    call('zembalPlayKey', ['number'], [key]);
    return true;
  }
  document.addEventListener('keydown', (event) => {
    wakeAudio();
    if (document.querySelector('dialog[open]') || ended || playKey(event)) return;
    let name = null;
    if (event.ctrlKey && !event.altKey) name = CONTROL_KEYS[event.key.toLowerCase()];
    else if (!event.ctrlKey && !event.altKey && !event.metaKey) {
      name = KEYS[event.key] || ((event.key === 'p' || event.key === 'P') &&
        !menubar.contains(event.target) ? 'pause' : null);
    } else if (event.altKey && !event.ctrlKey) {
      const top = tops.find((b) => b.dataset.key === event.key.toLowerCase());
      if (top) { event.preventDefault(); openMenu(top, true); return; }
    }
    if (name) { event.preventDefault(); act(name); }
  });

  // --- The field: a click or a tap launches bars; a right click, a long
  // press or the toolbar's button switches their orientation.
  const field = $('field');
  let press = null;
  function fieldPoint(event) {
    const box = field.getBoundingClientRect();
    return [Math.floor((event.clientX - box.left) / scale), Math.floor((event.clientY - box.top) / scale)];
  }
  field.addEventListener('contextmenu', (event) => event.preventDefault());
  field.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    field.focus();
    if (event.pointerType === 'mouse') {
      if (event.button === 0) call('zembalClick', ['number', 'number'], fieldPoint(event));
      else if (event.button === 2) command('orientation');
      return;
    }
    const point = fieldPoint(event);
    press = { id: event.pointerId, point, timer: setTimeout(() => { press = null; command('orientation'); }, LONG_PRESS_MS) };
  });
  const endPress = (event) => {
    if (!press || press.id !== event.pointerId) return;
    clearTimeout(press.timer);
    const { point } = press;
    press = null;
    if (event.type === 'pointerup') call('zembalClick', ['number', 'number'], point);
  };
  // A moving mouse hides the cell cursor.
  field.addEventListener('pointermove', (event) => {
    if (cursorShown && event.pointerType === 'mouse') {
      call('zembalPointer', ['number', 'number'], fieldPoint(event)).then((done) => {
        if (done) cursorShown = false;
      });
    }
  });
  field.addEventListener('pointerup', endPress);
  field.addEventListener('pointercancel', endPress);
  field.tabIndex = 0;

  // --- Time: the game's ticks follow the animation frames' elapsed time.
  function onFrame(now) {
    window.requestAnimationFrame(onFrame);
    if (lastFrame === null || busy || ended) { lastFrame = now; return; }
    const elapsed = now - lastFrame;
    lastFrame = now;
    const started = performance.now();
    call('zembalFrame', ['number'], [elapsed]).then(() => {
      frameTimes.push(performance.now() - started);
      if (frameTimes.length > 10000) frameTimes.shift();
    });
  }
  function showClock() {
    const now = new Date();
    $('clock').textContent = [now.getHours(), now.getMinutes(), now.getSeconds()]
      .map((n) => String(n).padStart(2, '0')).join(':');
  }
  // Hidden, the page stops the game and keeps the settings, since browsers
  // do not promise to tell a page it is being left.
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') call('zembalPageHidden');
    lastFrame = null;
  });
  window.addEventListener('pagehide', () => call('zembalPageHidden'));
  window.addEventListener('resize', layout);

  // --- The start: the stored files back in place, then the game.
  function restoreFiles(module) {
    module.FS.mkdirTree('/zembal/games');
    for (const key of storage.keys()) {
      if (!key.startsWith(FILE_KEY)) continue;
      const path = key.slice(FILE_KEY.length);
      if (!/^\/zembal\/(ts_zembal\.ini|games\/(10|[1-9])\.zmb)$/.test(path)) continue;
      module.FS.writeFile(path, textToBytes(storage.get(key) || ''));
    }
  }
  document.querySelectorAll('dialog').forEach(setUpDialog);
  showClock();
  setInterval(showClock, 1000);
  window.createZembal().then((module) => {
    game = module;
    restoreFiles(module);
    return call('zembalStart');
  }).then(() => {
    const bars = game.ccall('zembalBarsWanted', 'number', [], []);
    showBars((bars & 1) !== 0, (bars & 2) !== 0);
    layout();
    document.documentElement.dataset.ready = 'true';
    window.requestAnimationFrame(onFrame);
  });
  if ('serviceWorker' in navigator && window.location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
})();
