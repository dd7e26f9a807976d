// The page's side of Quintora 2. It loads the WebAssembly module, which holds
// the window's whole behaviour, and only moves texts between the page's
// boxes and the module, and draws what the module decides.
'use strict';
(() => {
  let module = null;
  let form, fields, equals, message;
  let pending = new Uint8Array(0);
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  const measure = document.createElement('canvas').getContext('2d');
  const bytes = (at, length) => new Uint8Array(module.memory.buffer, at, length);
  const text = (at, length) => decoder.decode(bytes(at, length));

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
    },
    fits(field, at, length) {
      const box = fields[field];
      const style = getComputedStyle(box);
      measure.font = style.font;
      const room = box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
      return measure.measureText(text(at, length)).width <= room ? 1 : 0;
    },
    setLook(field, tintAt, tintLength, outOfDate, at, length) {
      const box = fields[field];
      box.dataset.tint = text(tintAt, tintLength);
      box.toggleAttribute('data-out-of-date', outOfDate === 1);
      const tip = text(at, length);
      if (tip) box.title = tip; else box.removeAttribute('title');
    },
    showError(at, length) {
      document.getElementById('message-text').textContent = text(at, length);
      message.showModal();
    },
  };

  // The module is fetched and compiled while the page is still being read.
  const loading = WebAssembly.instantiateStreaming(fetch('quintora.wasm'), { page });

  // The decimal separator of the browser's language, as a code point; 0
  // when it is more than one. The module decides what it makes of it.
  function separator() {
    const part = new Intl.NumberFormat(navigator.language).formatToParts(1.5)
      .find(p => p.type === 'decimal');
    return part && [...part.value].length === 1 ? part.value.codePointAt(0) : 0;
  }

  // The page is scaled as a whole to fit a narrow screen.
  function fit() {
    const scale = Math.min(1, document.documentElement.clientWidth / form.offsetWidth);
    form.style.transform = scale < 1 ? `scale(${scale})` : '';
    form.parentElement.style.height = `${form.offsetHeight * scale}px`;
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

  function wire() {
    form = document.getElementById('Form2');
    fields = [...form.querySelectorAll('[data-field]')]
      .sort((a, b) => a.dataset.field - b.dataset.field);
    equals = document.getElementById('Command1');
    message = document.getElementById('message');
    const edited = field => module && module.edited(field);
    equals.addEventListener('click', () => module && module.convert());
    document.getElementById('Command2').addEventListener('click', end);
    document.getElementById('again').addEventListener('click', () => location.reload());
    fields.forEach((box, field) => box.addEventListener('input', () => edited(field)));
    for (const list of form.querySelectorAll('.selector select')) {
      list.selectedIndex = -1;
      list.addEventListener('change', () => {
        const box = list.parentElement.querySelector('input');
        box.value = list.value;
        list.selectedIndex = -1; // the same unit can be picked again
        edited(Number(box.dataset.field));
      });
    }
    // A key in a box may press "=": the module says which.
    form.addEventListener('keydown', event => {
      if (event.target.tagName !== 'INPUT' || event.isComposing || !module) return;
      const typed = [...event.key].length === 1 ? event.key.codePointAt(0) : 0;
      if (module.keyPressesEquals(event.key === 'Enter' ? 1 : 0, typed)) {
        event.preventDefault();
        equals.click();
      }
    });
    addEventListener('resize', fit);
    fit();
  }

  async function start() {
    wire();
    module = (await loading).instance.exports;
    module._initialize();
    module.start(separator());
    performance.mark('quintora-ready');
    document.documentElement.dataset.ready = 'true';
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
  }

  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
})();
