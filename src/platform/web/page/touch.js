// The on-screen controls: shown where the primary pointer is coarse, on the first touch, or with
// ?touch=1. Each [data-key] control holds its key for as long as a finger is on it; several
// fingers hold several keys at once.
'use strict';
(function () {
  const input = Brunival.input;
  const labels = Brunival.texts.keyLabels;
  const fingers = new Map();  // pointerId -> the control it holds

  function show() {
    if (document.body.classList.contains('touch')) return;
    document.body.classList.add('touch');
    Brunival.picture.layout();
  }

  document.querySelectorAll('[data-key]').forEach((control) => {
    const name = control.dataset.key;
    control.setAttribute('aria-label', labels[name]);
    if (control.classList.contains('button')) control.textContent = labels[name];
  });

  function release(event) {
    const control = fingers.get(event.pointerId);
    if (!control) return;
    fingers.delete(event.pointerId);
    control.classList.remove('held');
    input.hold('finger' + event.pointerId, input.keys[control.dataset.key], false);
  }

  document.querySelectorAll('.controls').forEach((controls) => {
    controls.addEventListener('pointerdown', (event) => {
      const control = event.target.closest('[data-key]');
      if (!control) return;
      event.preventDefault();
      control.setPointerCapture(event.pointerId);
      fingers.set(event.pointerId, control);
      control.classList.add('held');
      input.setForeground(true);
      input.hold('finger' + event.pointerId, input.keys[control.dataset.key], true);
      input.gesture();
    });
    controls.addEventListener('pointerup', release);
    controls.addEventListener('pointercancel', release);
    controls.addEventListener('lostpointercapture', release);
    controls.addEventListener('contextmenu', (event) => event.preventDefault());
  });

  window.addEventListener('pointerdown', (event) => {
    if (event.pointerType === 'touch') show();
  }, true);
  if (Brunival.texts.query.get('touch') === '1' || window.matchMedia('(pointer: coarse)').matches) {
    show();
  }
})();
