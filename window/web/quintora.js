// The page's side of Quintora 2. It loads the WebAssembly module, which holds
// the window's whole behaviour, and only moves texts between the page's
// boxes and the module, and draws what the module decides.
//
// It runs from the page's head, before the stylesheet and the body: the
// module compiles while the rest of the page is read, and the boxes are
// wired once it has been.
'use strict';
(() => {
  let module = null;
  let form, fields, equals, message, lastField = null;
  let pending = new Uint8Array(0);
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  let measure = null; // a canvas's context, made when first needed
  const phone = matchMedia(document.documentElement.dataset.phone); // the phone layout's
  const bytes = (at, length) => new Uint8Array(module.memory.buffer, at, length);
  const text = (at, length) => decoder.decode(bytes(at, length));

  function fits(box, value) {
    const style = getComputedStyle(box);
    measure ??= document.createElement('canvas').getContext('2d');
    measure.font = style.font;
    const room = box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    return measure.measureText(value).width <= room;
  }

  // On the desktop layout a marked or greyed box with the keyboard focus
  // shows why under it, as if hovered; a phone has its reason lines.
  function showReason(box) {
    const tip = document.getElementById('focus-reason');
    const reason = box && !phone.matches &&
      (box.dataset.tint === 'mark' || box.hasAttribute('data-out-of-date')) ? box.title : '';
    tip.hidden = !reason;
    if (!reason) return;
    const placed = box.closest('.selector') || box;
    tip.textContent = reason;
    tip.style.left = `${placed.offsetLeft}px`;
    tip.style.top = `${placed.offsetTop + placed.offsetHeight}px`;
  }

  // On a phone a result too long for its row takes the whole row.
  function widen(box) {
    box.classList.remove('wide');
    if (phone.matches && box.value && !fits(box, box.value)) box.classList.add('wide');
  }

  // What the module asks of the page.
  const page = {
    textLength(field) {
      pending = encoder.encode(fields[field].value);
      return pending.length;
    },
    copyText(field, to) { bytes(to, pending.length).set(pending); },
    setText(field, at, length) {
      const box = fields[field];
      box.value = text(at, length);
      box.setSelectionRange(0, 0); // shown from its first character
      box.scrollLeft = 0;
      widen(box);
    },
    fits(field, at, length) { return fits(fields[field], text(at, length)) ? 1 : 0; },
    setLook(field, tintAt, tintLength, outOfDate, at, length) {
      const box = fields[field];
      // The page comes with its start-up looks: only a change is written.
      const tint = text(tintAt, tintLength);
      if (box.dataset.tint !== tint && !(tint === 'plain' && !box.dataset.tint)) box.dataset.tint = tint;
      box.toggleAttribute('data-out-of-date', outOfDate === 1);
      const tip = text(at, length);
      if (!tip) box.removeAttribute('title');
      else if (box.title !== tip) box.title = tip;
      // A marked or greyed box is described by its quantity's reason line.
      if (tint === 'mark' || outOfDate === 1) box.setAttribute('aria-describedby', `reason-${box.dataset.quantity}`);
      else box.removeAttribute('aria-describedby');
      if (box === document.activeElement) showReason(box);
    },
    showError(at, length) { show(text(at, length)); },
    setReason(quantity, at, length) {
      document.getElementById(`reason-${quantity}`).textContent = text(at, length);
    },
  };

  function show(words) {
    document.getElementById('message-text').textContent = words;
    message.showModal();
  }

  // The module is fetched and compiled while the page is still being read;
  // a host that serves it with the wrong type gets it compiled from its bytes.
  const loading = WebAssembly.instantiateStreaming(fetch('quintora.wasm'), { page })
    .catch(() => fetch('quintora.wasm')
      .then(response => {
        if (!response.ok) throw new Error(`quintora.wasm: HTTP ${response.status}`);
        return response.arrayBuffer();
      })
      .then(code => WebAssembly.instantiate(code, { page })));

  // The decimal separator of the browser's language, as a code point; 0
  // when it is more than one. The module decides what it makes of it.
  function separator() {
    const part = new Intl.NumberFormat(navigator.language).formatToParts(1.5)
      .find(p => p.type === 'decimal');
    return part && [...part.value].length === 1 ? part.value.codePointAt(0) : 0;
  }

  // "Sai": the page closes where the browser allows it; elsewhere it says so.
  function end() {
    window.close();
    setTimeout(() => {
      if (window.closed) return;
      form.parentElement.hidden = true;
      document.getElementById('ended').hidden = false;
      document.getElementById('again').focus();
    }, 100);
  }

  // Results and unit names are read, not typed, on a phone.
  function layout() {
    for (const box of form.querySelectorAll('[data-read-only-on-phone]')) {
      box.readOnly = phone.matches;
      widen(box);
    }
  }

  function wire() {
    form = document.getElementById('Form2');
    fields = [...form.querySelectorAll('[data-field]')]
      .sort((a, b) => a.dataset.field - b.dataset.field);
    equals = document.getElementById('Command1');
    message = document.getElementById('message');
    const edited = field => module && module.edited(field);
    equals.addEventListener('click', () => {
      if (!module) return;
      module.convert();
      // The group being edited stays in view under the fixed "=".
      if (phone.matches && lastField) lastField.scrollIntoView({ block: 'nearest' });
    });
    document.getElementById('Command2').addEventListener('click', end);
    document.getElementById('again').addEventListener('click', () => location.reload());
    form.addEventListener('input', event => {
      if (event.target.dataset.field) edited(Number(event.target.dataset.field));
    });
    form.addEventListener('focusin', event => {
      if (event.target.dataset.field || event.target.tagName === 'SELECT') lastField = event.target;
      showReason(event.target);
    });
    form.addEventListener('focusout', () => showReason(null));
    for (const list of form.querySelectorAll('.selector select')) {
      const box = list.parentElement.querySelector('input');
      // The list shows the unit typed, so that picking another always counts.
      box.addEventListener('input', () => { list.value = box.value; });
      list.addEventListener('change', () => {
        box.value = list.value;
        edited(Number(box.dataset.field));
      });
    }
    // A key in a box may press "=": the module says which. On a phone's
    // keypad, "go" is Enter.
    form.addEventListener('keydown', event => {
      if (event.target.tagName !== 'INPUT' || event.isComposing || !module) return;
      const typed = [...event.key].length === 1 ? event.key.codePointAt(0) : 0;
      if (module.keyPressesEquals(event.key === 'Enter' ? 1 : 0, typed)) {
        event.preventDefault();
        equals.click();
      }
    });
    phone.addEventListener('change', layout);
    layout();
  }

  async function start() {
    wire();
    // Worked out while the module compiles: a browser's first use of Intl
    // takes as long as the compile.
    const decimal = separator();
    try {
      module = (await loading).instance.exports;
      module._initialize();
      module.start(decimal);
    } catch (error) {
      module = null;
      show(`${document.getElementById('start-failed').content.textContent}: ${error.message}`);
      return;
    }
    performance.mark('quintora-ready');
    document.documentElement.dataset.ready = 'true';
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
  }

  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
})();
