// The picture: the largest 4:3 rectangle of the stage, scaled sharply (up by the smallest whole
// factor that covers it, nearest neighbour, then smoothly down). The last picture is kept, so a
// resize redraws it without waiting for the game to draw a new one.
'use strict';
Brunival.picture = (function () {
  const stage = document.getElementById('stage');
  const canvas = document.getElementById('canvas');
  const context = canvas.getContext('2d', { alpha: false });
  const picture = document.createElement('canvas');
  const pictureContext = picture.getContext('2d', { alpha: false });
  const enlarged = document.createElement('canvas');
  const enlargedContext = enlarged.getContext('2d', { alpha: false });
  let pixels = null;

  function layout() {
    const ratio = window.devicePixelRatio || 1;
    const room = stage.getBoundingClientRect();
    const cssWidth = Math.min(room.width, room.height * 4 / 3);
    const width = Math.max(1, Math.round(cssWidth * ratio));
    const height = Math.max(1, Math.round(width * 3 / 4));
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
    }
    canvas.style.width = width / ratio + 'px';
    canvas.style.height = height / ratio + 'px';
    canvas.style.left = (room.width - width / ratio) / 2 + 'px';
    canvas.style.top = (room.height - height / ratio) / 2 + 'px';
    if (pixels) draw();
  }

  function draw() {
    const width = picture.width;
    const height = picture.height;
    const factor = Math.max(1, Math.ceil(Math.max(canvas.width / width, canvas.height / height)));
    let source = picture;
    if (factor > 1) {
      if (enlarged.width !== width * factor) {
        enlarged.width = width * factor;
        enlarged.height = height * factor;
      }
      enlargedContext.imageSmoothingEnabled = false;
      enlargedContext.drawImage(picture, 0, 0, enlarged.width, enlarged.height);
      source = enlarged;
    }
    const exact = source.width === canvas.width && source.height === canvas.height;
    context.imageSmoothingEnabled = !exact && factor > 1;
    context.imageSmoothingQuality = 'high';
    context.drawImage(source, 0, 0, canvas.width, canvas.height);
  }

  // The game hands over a picture only when it differs from the last one.
  function present(bytes, width, height) {
    if (window.brunivalFirstFrame === undefined) window.brunivalFirstFrame = performance.now();
    if (!pixels || pixels.width !== width || pixels.height !== height) {
      picture.width = width;
      picture.height = height;
      pixels = pictureContext.createImageData(width, height);
    }
    pixels.data.set(bytes);
    pictureContext.putImageData(pixels, 0, 0);
    window.brunivalPresented = (window.brunivalPresented || 0) + 1;
    draw();
  }

  new ResizeObserver(layout).observe(stage);
  window.addEventListener('resize', layout);
  layout();
  return { present, layout };
})();
