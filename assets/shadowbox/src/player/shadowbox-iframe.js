/*
 * Frame player of the Shadowbox overlay: shows a page (or any file the
 * browser opens itself, such as a text or PDF file) in a frame of the box.
 */
var Shadowbox = window.Shadowbox || {};
window.Shadowbox = Shadowbox;
Shadowbox.players = Shadowbox.players || {};

Shadowbox.players.iframe = function (item) {
  'use strict';
  this.item = item;
  this.element = null;
};

Shadowbox.players.iframe.prototype = {
  load: function (done) {
    done();
  },

  append: function (parent, width, height) {
    this.element = Shadowbox.lib.create('iframe', {
      id: 'sb-player',
      name: 'sb-player',
      title: this.item.title.replace(/<[^>]*>/g, ''),
      frameborder: '0',
      src: this.item.href
    }, parent);
    this.resize(width, height);
  },

  resize: function (width, height) {
    if (this.element) Shadowbox.lib.setStyle(this.element, { width: width, height: height });
  },

  remove: function () {
    Shadowbox.lib.remove(this.element);
    this.element = null;
  }
};
