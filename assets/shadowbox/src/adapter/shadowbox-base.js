/*
 * Standalone adapter of the Shadowbox overlay: the small set of DOM, style,
 * event and animation helpers that the core uses, written against the
 * browser's own interfaces so that no framework is needed.
 */
var Shadowbox = window.Shadowbox || {};
window.Shadowbox = Shadowbox;

Shadowbox.lib = (function () {
  'use strict';

  var camel = function (name) {
    return name.replace(/-([a-z])/g, function (m, c) { return c.toUpperCase(); });
  };

  var lib = {
    adapter: 'base',

    get: function (id) {
      return document.getElementById(id);
    },

    getStyle: function (el, name) {
      var view = el.ownerDocument.defaultView;
      return view.getComputedStyle(el, null)[camel(name)];
    },

    setStyle: function (el, name, value) {
      if (typeof name === 'object') {
        for (var key in name) {
          if (Object.prototype.hasOwnProperty.call(name, key)) lib.setStyle(el, key, name[key]);
        }
        return;
      }
      if (typeof value === 'number' && name !== 'opacity' && name !== 'z-index' && name !== 'zIndex') {
        value = value + 'px';
      }
      el.style[camel(name)] = value;
    },

    create: function (tag, attrs, parent) {
      var el = document.createElement(tag);
      if (attrs) {
        for (var key in attrs) {
          if (Object.prototype.hasOwnProperty.call(attrs, key)) el.setAttribute(key, attrs[key]);
        }
      }
      if (parent) parent.appendChild(el);
      return el;
    },

    remove: function (el) {
      if (el && el.parentNode) el.parentNode.removeChild(el);
    },

    empty: function (el) {
      while (el && el.firstChild) el.removeChild(el.firstChild);
    },

    addEvent: function (el, name, handler) {
      el.addEventListener(name, handler, false);
    },

    removeEvent: function (el, name, handler) {
      el.removeEventListener(name, handler, false);
    },

    preventDefault: function (e) {
      if (e.preventDefault) e.preventDefault();
    },

    getTarget: function (e) {
      return e.target;
    },

    // The key of a keyboard event as a name ("ArrowLeft", "Escape", ...).
    keyName: function (e) {
      if (e.key) {
        if (e.key === 'Esc') return 'Escape';
        if (e.key === 'Left') return 'ArrowLeft';
        if (e.key === 'Right') return 'ArrowRight';
        return e.key;
      }
      switch (e.keyCode) {
        case 27: return 'Escape';
        case 37: return 'ArrowLeft';
        case 39: return 'ArrowRight';
        default: return String.fromCharCode(e.keyCode || 0).toLowerCase();
      }
    },

    // The inner size of the browser window.
    viewport: function () {
      var root = document.documentElement;
      return {
        width: window.innerWidth || root.clientWidth,
        height: window.innerHeight || root.clientHeight
      };
    },

    // Moves the numeric styles of el towards the values of to over duration
    // seconds, then calls done. A duration of 0 sets them at once.
    animate: function (el, to, duration, done) {
      var from = {};
      var key;
      for (key in to) {
        if (Object.prototype.hasOwnProperty.call(to, key)) {
          var current = parseFloat(el.style[camel(key)]);
          if (isNaN(current)) current = parseFloat(lib.getStyle(el, key)) || 0;
          from[key] = current;
        }
      }
      if (el.sbAnimation) window.cancelAnimationFrame(el.sbAnimation);
      var finish = function () {
        el.sbAnimation = null;
        for (var k in to) {
          if (Object.prototype.hasOwnProperty.call(to, k)) lib.setStyle(el, k, to[k]);
        }
        if (done) done();
      };
      if (!duration || duration <= 0) {
        finish();
        return;
      }
      var start = null;
      var step = function (time) {
        if (start === null) start = time;
        var t = Math.min(1, (time - start) / (duration * 1000));
        if (t >= 1) {
          finish();
          return;
        }
        var eased = 0.5 - Math.cos(t * Math.PI) / 2;
        for (var k in to) {
          if (Object.prototype.hasOwnProperty.call(to, k)) {
            var value = from[k] + (to[k] - from[k]) * eased;
            lib.setStyle(el, k, k === 'opacity' ? value : Math.round(value));
          }
        }
        el.sbAnimation = window.requestAnimationFrame(step);
      };
      el.sbAnimation = window.requestAnimationFrame(step);
    },

    // Loads a script file after the page; done(ok) is called once it ran or failed.
    loadScript: function (src, done) {
      var script = document.createElement('script');
      script.type = 'text/javascript';
      script.src = src;
      script.onload = function () { done(true); };
      script.onerror = function () { done(false); };
      (document.head || document.getElementsByTagName('head')[0]).appendChild(script);
    },

    loadStyleSheet: function (href) {
      var links = document.getElementsByTagName('link');
      for (var i = 0; i < links.length; ++i) {
        if (links[i].getAttribute('href') === href) return;
      }
      var link = document.createElement('link');
      link.rel = 'stylesheet';
      link.type = 'text/css';
      link.href = href;
      (document.head || document.getElementsByTagName('head')[0]).appendChild(link);
    }
  };

  return lib;
})();
