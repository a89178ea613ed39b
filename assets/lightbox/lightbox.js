// Overlay viewer of the gallery's Lightbox style. Needs Prototype 1.7 and the
// script.aculo.us effects and builder modules, which the gallery page loads
// first ("scriptaculous.js?load=effects,builder").
//
// Any link whose rel is "lightbox" or "lightbox[name]" opens its target image
// in the overlay instead of navigating; links with the same rel form a group
// that the viewer steps through. The link's title is shown as the caption and
// is HTML, so a caption may hold a link of its own. The page's generated
// lightbox.css styles the elements built here by their ids.
//
// Controls: click on a thumbnail opens; the left and right halves of the
// image (or the arrow keys, "p" and "n") step; the close control, a click
// beside the image and Esc, "x" or "c" close.

var LightboxOptions = {
  imagesFolder: 'images/',
  overlayOpacity: 0.8,
  // Seconds for each animation step; 0 turns the animations off.
  resizeDuration: 0.4,
  fadeDuration: 0.25,
  borderSize: 10,
  // Room kept round the box so that a large image never leaves the window.
  windowMargin: 20,
  captionReserve: 70,
  labelImage: 'Image',
  labelOf: 'of'
};

var Lightbox = Class.create({
  initialize: function() {
    this.items = [];
    this.index = -1;
    this.loadToken = 0;
    this.isOpen = false;
    this.build();
    this.observeLinks();
  },

  // --- Elements -----------------------------------------------------------

  build: function() {
    var img = LightboxOptions.imagesFolder;
    var body = $$('body')[0];
    this.overlay = Builder.node('div', { id: 'overlay' });
    this.box = Builder.node('div', { id: 'lightbox' }, [
      Builder.node('div', { id: 'outerImageContainer' },
        Builder.node('div', { id: 'imageContainer' }, [
          Builder.node('img', { id: 'lightboxImage', alt: '' }),
          Builder.node('div', { id: 'hoverNav' }, [
            Builder.node('a', { id: 'prevLink', href: '#', title: 'Previous' }),
            Builder.node('a', { id: 'nextLink', href: '#', title: 'Next' })
          ]),
          Builder.node('div', { id: 'loading' },
            Builder.node('a', { id: 'loadingLink', href: '#', title: 'Close' },
              Builder.node('img', { src: img + 'loading.gif', alt: 'Loading' })))
        ])),
      Builder.node('div', { id: 'imageDataContainer' },
        Builder.node('div', { id: 'imageData' }, [
          Builder.node('div', { id: 'imageDetails' }, [
            Builder.node('span', { id: 'caption' }),
            Builder.node('span', { id: 'numberDisplay' })
          ]),
          Builder.node('div', { id: 'bottomNav' },
            Builder.node('a', { id: 'bottomNavClose', href: '#', title: 'Close' },
              Builder.node('img', { src: img + 'closelabel.gif', alt: 'Close' })))
        ]))
    ]);
    this.overlay.hide();
    this.box.hide();
    body.appendChild(this.overlay);
    body.appendChild(this.box);

    this.outer = $('outerImageContainer');
    this.image = $('lightboxImage');
    this.hoverNav = $('hoverNav');
    this.prevLink = $('prevLink');
    this.nextLink = $('nextLink');
    this.loading = $('loading');
    this.data = $('imageDataContainer');
    this.caption = $('caption');
    this.number = $('numberDisplay');

    this.overlay.observe('click', this.onCloseClick.bindAsEventListener(this));
    $('loadingLink').observe('click', this.onCloseClick.bindAsEventListener(this));
    $('bottomNavClose').observe('click', this.onCloseClick.bindAsEventListener(this));
    // The box spans the window's width: a click beside the image closes too,
    // but clicks inside the image or the caption (its own link) do not.
    this.box.observe('click', (function(event) {
      if (event.element() === this.box) this.onCloseClick(event);
    }).bindAsEventListener(this));
    this.prevLink.observe('click', (function(event) {
      event.stop();
      this.step(-1);
    }).bindAsEventListener(this));
    this.nextLink.observe('click', (function(event) {
      event.stop();
      this.step(1);
    }).bindAsEventListener(this));
    document.observe('keydown', this.onKey.bindAsEventListener(this));
    Event.observe(window, 'resize', this.onWindowResize.bind(this));
  },

  // One listener for the whole page, so links added after loading work too.
  observeLinks: function() {
    document.observe('click', (function(event) {
      if (event.ctrlKey || event.metaKey || event.shiftKey || event.altKey) return;
      var link = event.findElement('a[rel], area[rel]');
      if (!link || !Lightbox.groupOf(link)) return;
      event.stop();
      this.open(link);
    }).bindAsEventListener(this));
  },

  // --- Opening and closing ------------------------------------------------

  open: function(link) {
    var group = Lightbox.groupOf(link);
    var seen = {};
    this.items = [];
    this.index = 0;
    var candidates = group === 'lightbox' ? [link] : $$('a[rel], area[rel]').filter(function(a) {
      return Lightbox.groupOf(a) === group;
    });
    candidates.each(function(a) {
      var href = a.href;
      if (seen[href] === undefined) {
        seen[href] = this.items.length;
        this.items.push({ href: href, title: a.getAttribute('title') || '' });
      }
      if (a === link) this.index = seen[href];
    }, this);

    this.coverPage();
    this.placeBox();
    this.isOpen = true;
    this.cancelEffects('lightboxOverlay');
    var duration = LightboxOptions.fadeDuration;
    if (duration > 0) {
      new Effect.Appear(this.overlay, {
        duration: duration, from: 0.0, to: LightboxOptions.overlayOpacity,
        queue: { scope: 'lightboxOverlay', position: 'end' }
      });
    } else {
      this.overlay.setOpacity(LightboxOptions.overlayOpacity).show();
    }
    this.box.show();
    this.show(this.index);
  },

  close: function() {
    if (!this.isOpen) return;
    this.isOpen = false;
    this.loadToken++;
    this.cancelEffects('lightbox');
    this.cancelEffects('lightboxOverlay');
    this.box.hide();
    var duration = LightboxOptions.fadeDuration;
    if (duration > 0) {
      new Effect.Fade(this.overlay, { duration: duration, queue: { scope: 'lightboxOverlay', position: 'end' } });
    } else {
      this.overlay.hide();
    }
  },

  onCloseClick: function(event) {
    event.stop();
    this.close();
  },

  onKey: function(event) {
    if (!this.isOpen) return;
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    var key = event.key || '';
    var code = event.keyCode;
    if (key === 'Escape' || key === 'Esc' || code === 27 || /^[xc]$/i.test(key)) {
      event.stop();
      this.close();
    } else if (key === 'ArrowLeft' || code === 37 || /^p$/i.test(key)) {
      event.stop();
      this.step(-1);
    } else if (key === 'ArrowRight' || code === 39 || /^n$/i.test(key)) {
      event.stop();
      this.step(1);
    }
  },

  // --- Showing an image ---------------------------------------------------

  step: function(delta) {
    var next = this.index + delta;
    if (!this.isOpen || next < 0 || next >= this.items.length) return;
    this.show(next);
  },

  show: function(index) {
    this.index = index;
    var token = ++this.loadToken;
    this.cancelEffects('lightbox');
    this.image.hide();
    this.hoverNav.hide();
    this.prevLink.hide();
    this.nextLink.hide();
    this.data.hide();
    this.loading.show();

    var preloader = new Image();
    preloader.onload = (function() {
      if (token !== this.loadToken) return;
      this.naturalWidth = preloader.width;
      this.naturalHeight = preloader.height;
      this.image.src = this.items[index].href;
      this.resizeTo(this.fit(preloader.width, preloader.height), true);
    }).bind(this);
    preloader.onerror = (function() {
      if (token !== this.loadToken) return;
      // Nothing to show: keep a small box with the caption and the controls.
      this.naturalWidth = 0;
      this.naturalHeight = 0;
      this.image.removeAttribute('src');
      this.resizeTo({ width: 0, height: 0 }, false);
    }).bind(this);
    preloader.src = this.items[index].href;
  },

  // The image's size, made smaller (never larger) to fit the window.
  fit: function(width, height) {
    var view = document.viewport.getDimensions();
    var frame = 2 * (LightboxOptions.borderSize + LightboxOptions.windowMargin);
    var maxWidth = Math.max(view.width - frame, 50);
    var maxHeight = Math.max(view.height - frame - LightboxOptions.captionReserve, 50);
    var scale = Math.min(1, maxWidth / width, maxHeight / height);
    return { width: Math.max(1, Math.floor(width * scale)), height: Math.max(1, Math.floor(height * scale)) };
  },

  resizeTo: function(size, hasImage) {
    var border = LightboxOptions.borderSize;
    var boxWidth = Math.max(size.width + 2 * border, 250);
    var boxHeight = Math.max(size.height + 2 * border, hasImage ? 0 : 100);
    this.image.setStyle({ width: size.width + 'px', height: size.height + 'px' });
    this.data.setStyle({ width: boxWidth + 'px' });

    var finish = (function() { this.reveal(hasImage); }).bind(this);
    var duration = LightboxOptions.resizeDuration;
    var current = this.outer.getDimensions();
    if (duration > 0 && (current.width !== boxWidth || current.height !== boxHeight)) {
      new Effect.Morph(this.outer, {
        style: { width: boxWidth + 'px', height: boxHeight + 'px' },
        duration: duration,
        queue: { scope: 'lightbox', position: 'end' },
        afterFinish: finish
      });
    } else {
      this.outer.setStyle({ width: boxWidth + 'px', height: boxHeight + 'px' });
      finish();
    }
  },

  reveal: function(hasImage) {
    this.loading.hide();
    var item = this.items[this.index];
    // The title is the page author's HTML: a caption may carry its own link.
    this.caption.innerHTML = item.title;
    this.caption.setStyle({ display: item.title ? '' : 'none' });
    if (this.items.length > 1) {
      this.number.update(LightboxOptions.labelImage + ' ' + (this.index + 1) + ' ' +
        LightboxOptions.labelOf + ' ' + this.items.length);
      this.number.show();
    } else {
      this.number.update('').hide();
    }

    var duration = LightboxOptions.fadeDuration;
    var shown = hasImage ? [this.image, this.data] : [this.data];
    if (duration > 0) {
      shown.each(function(element) {
        new Effect.Appear(element, { duration: duration, from: 0.0, to: 1.0, queue: { scope: 'lightbox', position: 'end' } });
      });
    } else {
      shown.each(function(element) { element.setOpacity(1).show(); });
    }
    this.showNavigation();
    this.coverPage();
    this.preloadNeighbours();
  },

  showNavigation: function() {
    this.hoverNav.show();
    if (this.index > 0) this.prevLink.show();
    if (this.index < this.items.length - 1) this.nextLink.show();
  },

  preloadNeighbours: function() {
    [this.index - 1, this.index + 1].each(function(i) {
      if (i >= 0 && i < this.items.length) new Image().src = this.items[i].href;
    }, this);
  },

  // --- Layout -------------------------------------------------------------

  // The overlay darkens the whole document, however far it scrolls.
  coverPage: function() {
    var root = document.documentElement;
    var body = document.body;
    var view = document.viewport.getDimensions();
    var height = Math.max(root.scrollHeight, body.scrollHeight, view.height);
    var width = Math.max(root.scrollWidth, body.scrollWidth, view.width);
    this.overlay.setStyle({ width: width + 'px', height: height + 'px' });
  },

  placeBox: function() {
    var scroll = document.viewport.getScrollOffsets();
    var top = scroll.top + Math.round(document.viewport.getHeight() / 15);
    this.box.setStyle({ top: top + 'px', left: scroll.left + 'px' });
  },

  onWindowResize: function() {
    if (!this.isOpen) return;
    this.coverPage();
    if (this.naturalWidth > 0 && this.loading.getStyle('display') === 'none') {
      this.cancelEffects('lightbox');
      var size = this.fit(this.naturalWidth, this.naturalHeight);
      var border = LightboxOptions.borderSize;
      var boxWidth = Math.max(size.width + 2 * border, 250);
      this.image.setStyle({ width: size.width + 'px', height: size.height + 'px' }).setOpacity(1).show();
      this.outer.setStyle({ width: boxWidth + 'px', height: (size.height + 2 * border) + 'px' });
      this.data.setStyle({ width: boxWidth + 'px' }).setOpacity(1).show();
    }
  },

  // Stops the running animations of one queue ("lightbox" for the box,
  // "lightboxOverlay" for the overlay), so that a quick step or close never
  // leaves a half-finished effect working on the elements.
  cancelEffects: function(scope) {
    Effect.Queues.get(scope).each(function(effect) { effect.cancel(); });
  }
});

// "lightbox" or "lightbox[name]" (any letter case) from a link's rel, or null.
Lightbox.groupOf = function(link) {
  var rel = (link.getAttribute('rel') || '').strip();
  var match = /^lightbox(\[[^\]]*\])?$/i.exec(rel);
  if (!match) return null;
  return match[1] ? 'lightbox' + match[1] : 'lightbox';
};

document.observe('dom:loaded', function() {
  window.lightbox = new Lightbox();
});
