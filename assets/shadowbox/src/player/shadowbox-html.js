/*
 * Inline player of the Shadowbox overlay: shows markup of the page itself.
 * A link to "#name" shows a copy of the element with that id; an item object
 * may carry its markup in "content".
 */
var Shadowbox = window.Shadowbox || {};
window.Shadowbox = Shadowbox;
Shadowbox.players = Shadowbox.players || {};

Shadowbox.players.html = function (item) {
  'use strict';
  this.item = item;
  this.element = null;
};

Shadowbox.players.html.prototype = {
  load: function (done) {
    done();
  },

  markup: function () {
    if (typeof this.item.content === 'string') return this.item.content;
    var source = document.getElementById(this.item.href.replace(/^#/, ''));
    return source ? source.innerHTML : '';
  },

  append: function (parent, width, height) {
    this.element = Shadowbox.lib.create('div', { id: 'sb-player', 'class': 'sb-html' }, parent);
    this.element.innerHTML = this.markup();
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
