/*
 * Image player of the Shadowbox overlay: loads the picture first, so the
 * overlay shows its loading indicator until the picture is there, then shows
 * it as large as the box allows without changing its proportions.
 */
var Shadowbox = window.Shadowbox || {};
window.Shadowbox = Shadowbox;
Shadowbox.players = Shadowbox.players || {};

Shadowbox.players.img = function (item) {
  'use strict';
  this.item = item;
  this.image = null;
  this.element = null;
  this.failed = false;
};

Shadowbox.players.img.prototype = {
  load: function (done) {
    var self = this;
    this.image = new Image();
    this.image.onload = function () {
      done();
    };
    this.image.onerror = function () {
      self.failed = true;
      done();
    };
    this.image.src = this.item.href;
  },

  append: function (parent, width, height) {
    var lib = Shadowbox.lib;
    if (this.failed) {
      this.element = lib.create('div', { id: 'sb-player', 'class': 'sb-message' }, parent);
      this.element.innerHTML = Shadowbox.notice('either', this.item.href);
    } else {
      this.element = lib.create('img', { id: 'sb-player', alt: '', src: this.item.href }, parent);
    }
    this.resize(width, height);
  },

  resize: function (width, height) {
    if (this.element) Shadowbox.lib.setStyle(this.element, { width: width, height: height });
  },

  remove: function () {
    if (this.image) {
      this.image.onload = null;
      this.image.onerror = null;
    }
    Shadowbox.lib.remove(this.element);
    this.element = null;
  }
};
