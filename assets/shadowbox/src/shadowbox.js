/*
 * Shadowbox: shows the large images and linked items of a gallery page in an
 * overlay above the page, with a caption, a counter, previous/next, a
 * slideshow, keyboard control and a loading indicator.
 *
 * The page loads the adapter, this file and the skin, then asks for the skin,
 * the language and the players with loadSkin, loadLanguage and loadPlayer,
 * and calls init once the page has loaded. Every link whose rel begins with
 * "shadowbox" then opens in the overlay:
 *
 *   rel="shadowbox[gallery];width=750;height=500 options={continuous:true}"
 *
 * Links of the same gallery are stepped through together. Without a size the
 * item fills the window.
 */
var Shadowbox = window.Shadowbox || {};
window.Shadowbox = Shadowbox;

(function (S) {
  'use strict';

  var lib = S.lib;

  S.version = '2.0';
  S.players = S.players || {};
  S.skins = S.skins || {};

  S.defaults = {
    animate: true,
    animSequence: 'wh',       // 'wh' width then height, 'hw' the reverse, 'sync' both at once
    resizeDuration: 0.35,
    fadeDuration: 0.25,
    continuous: false,        // past the last item comes the first, and the reverse
    counterType: 'default',   // 'default' shows "2 of 9", 'skip' a row of numbers to jump to
    counterLimit: 10,
    displayCounter: true,
    displayNav: true,
    enableKeys: true,
    overlayClose: true,
    overlayOpacity: 0.8,
    slideshowDelay: 0,        // seconds; 0 means no slideshow
    viewportPadding: 20
  };

  // Players by the extension of the item's address; everything else is a page.
  S.extensions = {
    img: ['png', 'jpg', 'jpeg', 'gif', 'bmp', 'webp', 'avif', 'svg'],
    swf: ['swf'],
    flv: ['flv', 'f4v', 'mp4', 'm4v', 'webm', 'ogv'],
    qt: ['mov', 'qt', 'moov', 'movie', '3gp', '3g2', 'mp3', 'm4a', 'aac', 'aif', 'aiff', 'wav'],
    wmp: ['wmv', 'wm', 'wma', 'asf', 'avi', 'mpg', 'mpeg']
  };

  var pending = 0;        // scripts asked for and not yet run
  var waiting = [];       // calls to run once every script has run
  var initOptions = {};
  var cache = [];         // one entry per overlay link of the page
  var items = [];         // the gallery being shown
  var index = -1;
  var options = {};
  var player = null;
  var built = false;
  var opened = false;
  var slideshowTimer = null;
  var slideshowRunning = false;
  var ticket = 0;         // tells a late load from the current one

  var whenLoaded = function (fn) {
    if (pending > 0) waiting.push(fn);
    else fn();
  };

  var load = function (src) {
    ++pending;
    lib.loadScript(src, function (ok) {
      if (!ok && window.console) window.console.warn('Shadowbox could not load ' + src);
      if (--pending === 0) {
        var calls = waiting;
        waiting = [];
        for (var i = 0; i < calls.length; ++i) calls[i]();
      }
    });
  };

  var trimPath = function (path) {
    return String(path || '').replace(/\/+$/, '');
  };

  S.loadSkin = function (name, path) {
    var base = trimPath(path) + '/' + name + '/';
    lib.loadStyleSheet(base + 'skin.css');
    if (!S.skins[name]) load(base + 'skin.js');
    S.skinName = name;
  };

  S.loadLanguage = function (code, path) {
    if (S.lang && S.lang.code === code) return;
    load(trimPath(path) + '/shadowbox-' + code + '.js');
  };

  S.loadPlayer = function (list, path) {
    if (typeof list === 'string') list = [list];
    for (var i = 0; i < list.length; ++i) {
      if (!S.players[list[i]]) load(trimPath(path) + '/shadowbox-' + list[i] + '.js');
    }
  };

  // Reads an options literal such as {counterType:'skip',continuous:true}
  // without running it as a script: quoted texts, numbers and true/false.
  S.parseOptions = function (text) {
    var result = {};
    var body = String(text || '').replace(/^\s*\{/, '').replace(/\}\s*$/, '');
    var re = /\s*([A-Za-z_$][\w$]*)\s*:\s*('(?:[^'\\]|\\.)*'|"(?:[^"\\]|\\.)*"|[^,]*)\s*(,|$)/g;
    var match;
    while ((match = re.exec(body)) !== null && match[0] !== '') {
      var raw = match[2];
      var value;
      if (/^['"]/.test(raw)) value = raw.slice(1, -1).replace(/\\(.)/g, '$1');
      else if (raw === 'true') value = true;
      else if (raw === 'false') value = false;
      else if (raw !== '' && !isNaN(Number(raw))) value = Number(raw);
      else value = raw;
      result[match[1]] = value;
    }
    return result;
  };

  var extensionOf = function (href) {
    var path = String(href).split('#')[0].split('?')[0];
    var dot = path.lastIndexOf('.');
    if (dot < 0 || dot < path.lastIndexOf('/')) return '';
    return path.substring(dot + 1).toLowerCase();
  };

  // The player for an address: inline content for "#id", by extension for
  // images and media, else the page goes into a frame.
  S.playerFor = function (href) {
    if (/^#/.test(href)) return 'html';
    var ext = extensionOf(href);
    for (var name in S.extensions) {
      if (Object.prototype.hasOwnProperty.call(S.extensions, name) && S.extensions[name].indexOf(ext) >= 0) {
        return name;
      }
    }
    return 'iframe';
  };

  // What a link's rel says: the gallery, the size and the options.
  S.parseRel = function (rel) {
    var result = { gallery: '', width: 0, height: 0, options: {}, player: '' };
    var head = /^shadowbox(?:\[([^\]]*)\])?/i.exec(rel || '');
    if (!head) return null;
    result.gallery = head[1] || '';
    var rest = rel.substring(head[0].length);
    var opts = /options\s*=\s*(\{[\s\S]*\})/.exec(rest);
    if (opts) {
      result.options = S.parseOptions(opts[1]);
      rest = rest.replace(opts[0], '');
    }
    var width = /(?:^|[;\s])width\s*=\s*(\d+)/i.exec(rest);
    var height = /(?:^|[;\s])height\s*=\s*(\d+)/i.exec(rest);
    var kind = /(?:^|[;\s])player\s*=\s*([a-z]+)/i.exec(rest);
    if (width) result.width = parseInt(width[1], 10);
    if (height) result.height = parseInt(height[1], 10);
    if (kind) result.player = kind[1].toLowerCase();
    return result;
  };

  var merge = function () {
    var out = {};
    for (var i = 0; i < arguments.length; ++i) {
      var source = arguments[i] || {};
      for (var key in source) {
        if (Object.prototype.hasOwnProperty.call(source, key)) out[key] = source[key];
      }
    }
    return out;
  };

  var makeItem = function (link) {
    var rel = S.parseRel(link.getAttribute('rel'));
    if (!rel) return null;
    var href = link.getAttribute('href') || '';
    return {
      link: link,
      href: href,
      title: link.getAttribute('title') || '',
      gallery: rel.gallery,
      width: rel.width,
      height: rel.height,
      options: rel.options,
      player: rel.player || S.playerFor(href)
    };
  };

  var onLinkClick = function (e) {
    var link = e.currentTarget;
    lib.preventDefault(e);
    S.open(link);
  };

  // Makes the given links (default: every link of the page whose rel begins
  // with "shadowbox") open in the overlay.
  S.setup = function (links) {
    if (!links) {
      links = [];
      var all = document.querySelectorAll('a[rel], area[rel]');
      for (var i = 0; i < all.length; ++i) {
        if (/^shadowbox/i.test(all[i].getAttribute('rel'))) links.push(all[i]);
      }
    }
    for (var j = 0; j < links.length; ++j) {
      if (links[j].sbItem) continue;
      var item = makeItem(links[j]);
      if (!item) continue;
      links[j].sbItem = item;
      cache.push(item);
      lib.addEvent(links[j], 'click', onLinkClick);
    }
  };

  S.init = function (opts) {
    initOptions = merge(initOptions, opts);
    whenLoaded(function () {
      build();
      S.setup();
    });
  };

  var el = function (id) {
    return lib.get('sb-' + id);
  };

  var text = function (key) {
    return (S.lang && S.lang[key]) || key;
  };

  var build = function () {
    if (built) return;
    var skin = S.skins[S.skinName] || S.skins.classic;
    var holder = document.createElement('div');
    holder.innerHTML = skin.markup.replace(/\{(\w+)\}/g, function (m, key) { return text(key); });
    document.body.appendChild(holder.firstChild);
    S.skin = skin;
    built = true;

    lib.addEvent(el('overlay'), 'click', function () {
      if (options.overlayClose) S.close();
    });
    var buttons = { close: S.close, next: S.next, previous: S.previous, play: S.play, pause: S.pause };
    var bind = function (name) {
      lib.addEvent(el('nav-' + name), 'click', function (e) {
        lib.preventDefault(e);
        buttons[name]();
      });
    };
    for (var name in buttons) {
      if (Object.prototype.hasOwnProperty.call(buttons, name)) bind(name);
    }
    lib.addEvent(el('loading-cancel'), 'click', function (e) {
      lib.preventDefault(e);
      S.close();
    });
    lib.addEvent(el('counter'), 'click', function (e) {
      var target = lib.getTarget(e);
      if (target && target.getAttribute('data-index') !== null) {
        lib.preventDefault(e);
        S.change(parseInt(target.getAttribute('data-index'), 10));
      }
    });
    lib.addEvent(window, 'resize', function () {
      if (opened && player) layout(false);
    });
  };

  var onKey = function (e) {
    if (!opened || !options.enableKeys) return;
    switch (lib.keyName(e)) {
      case 'Escape':
        lib.preventDefault(e);
        S.close();
        break;
      case 'ArrowLeft':
        lib.preventDefault(e);
        S.previous();
        break;
      case 'ArrowRight':
        lib.preventDefault(e);
        S.next();
        break;
      case ' ':
        if (options.slideshowDelay > 0) {
          lib.preventDefault(e);
          if (slideshowRunning) S.pause();
          else S.play();
        }
        break;
      default:
        break;
    }
  };

  var setState = function (state) {
    el('container').setAttribute('data-state', state);
  };

  // Opens the overlay on a link of the page (or an item object), with the
  // other links of its gallery to step through.
  S.open = function (linkOrItem) {
    whenLoaded(function () {
      build();
      var item = linkOrItem.sbItem || (linkOrItem.nodeType ? makeItem(linkOrItem) : linkOrItem);
      if (!item) return;
      if (!item.player) item.player = S.playerFor(item.href);
      items = [];
      for (var i = 0; i < cache.length; ++i) {
        if (cache[i] === item || (item.gallery && cache[i].gallery === item.gallery)) items.push(cache[i]);
      }
      if (items.indexOf(item) < 0) items = [item];
      options = merge(S.defaults, initOptions, item.options);
      if (!opened) {
        opened = true;
        lib.addEvent(document, 'keydown', onKey);
        lib.setStyle(el('container'), 'display', 'block');
        lib.setStyle(el('overlay'), 'opacity', 0);
        lib.animate(el('overlay'), { opacity: options.overlayOpacity }, options.animate ? options.fadeDuration : 0);
      }
      slideshowRunning = options.slideshowDelay > 0;
      S.change(items.indexOf(item));
    });
  };

  S.isOpen = function () {
    return opened;
  };

  S.getCurrent = function () {
    return opened ? items[index] : null;
  };

  var clearPlayer = function () {
    if (player) player.remove();
    player = null;
    lib.empty(el('body-inner'));
  };

  // Shows item number i of the current gallery.
  S.change = function (i) {
    if (!opened || i < 0 || i >= items.length) return;
    index = i;
    var item = items[index];
    var mine = ++ticket;
    window.clearTimeout(slideshowTimer);
    clearPlayer();
    setState('loading');
    lib.setStyle(el('loading'), 'display', 'block');
    lib.setStyle(el('info'), 'visibility', 'hidden');
    lib.setStyle(el('title'), 'visibility', 'hidden');
    centre(el('body').offsetHeight);
    var Player = S.players[item.player] || S.players.iframe;
    player = new Player(item);
    player.load(function () {
      if (mine !== ticket || !opened) return;
      showCaption(item);
      layout(options.animate, function () {
        if (mine !== ticket || !opened) return;
        lib.setStyle(el('loading'), 'display', 'none');
        var size = contentSize();
        player.append(el('body-inner'), size.width, size.height);
        showInfo();
        setState('ready');
        if (slideshowRunning) slideshowTimer = window.setTimeout(S.next, options.slideshowDelay * 1000);
      });
    });
  };

  var neighbour = function (step) {
    var next = index + step;
    if (next >= 0 && next < items.length) return next;
    if (!options.continuous || items.length < 2) return -1;
    return (next + items.length) % items.length;
  };

  S.next = function () {
    var i = neighbour(1);
    if (i < 0) {
      S.pause();
      return;
    }
    S.change(i);
  };

  S.previous = function () {
    var i = neighbour(-1);
    if (i >= 0) S.change(i);
  };

  S.play = function () {
    if (!opened || options.slideshowDelay <= 0) return;
    slideshowRunning = true;
    showInfo();
    window.clearTimeout(slideshowTimer);
    slideshowTimer = window.setTimeout(S.next, options.slideshowDelay * 1000);
  };

  S.pause = function () {
    slideshowRunning = false;
    window.clearTimeout(slideshowTimer);
    if (opened) showInfo();
  };

  S.close = function () {
    if (!opened) return;
    opened = false;
    ++ticket;
    window.clearTimeout(slideshowTimer);
    slideshowRunning = false;
    lib.removeEvent(document, 'keydown', onKey);
    clearPlayer();
    lib.setStyle(el('loading'), 'display', 'none');
    lib.setStyle(el('info'), 'visibility', 'hidden');
    lib.setStyle(el('title'), 'visibility', 'hidden');
    lib.animate(el('overlay'), { opacity: 0 }, options.animate ? options.fadeDuration : 0, function () {
      if (opened) return;
      lib.setStyle(el('container'), 'display', 'none');
      setState('closed');
    });
    index = -1;
  };

  var showCaption = function (item) {
    el('title-inner').innerHTML = item.title;
    lib.setStyle(el('title'), 'visibility', 'visible');
  };

  var counterHtml = function () {
    var count = items.length;
    if (options.counterType !== 'skip') return (index + 1) + ' ' + text('of') + ' ' + count;
    var first = 0;
    var last = count - 1;
    var limit = Math.max(1, options.counterLimit);
    if (count > limit) {
      var half = Math.floor(limit / 2);
      first = index - half;
      last = first + limit - 1;
      if (!options.continuous) {
        if (first < 0) { first = 0; last = limit - 1; }
        if (last > count - 1) { last = count - 1; first = count - limit; }
      }
    }
    var html = '';
    for (var n = first; n <= last; ++n) {
      var i = (n % count + count) % count;
      html += '<a href="#" data-index="' + i + '"' + (i === index ? ' class="sb-counter-current"' : '') + '>' +
              (i + 1) + '</a>';
    }
    return html;
  };

  var showInfo = function () {
    var many = items.length > 1;
    var show = function (name, visible) {
      lib.setStyle(el('nav-' + name), 'display', visible ? '' : 'none');
    };
    show('next', options.displayNav && many && neighbour(1) >= 0);
    show('previous', options.displayNav && many && neighbour(-1) >= 0);
    show('play', options.displayNav && many && options.slideshowDelay > 0 && !slideshowRunning);
    show('pause', options.displayNav && many && options.slideshowDelay > 0 && slideshowRunning);
    show('close', options.displayNav);
    el('counter').innerHTML = options.displayCounter && many ? counterHtml() : '';
    lib.setStyle(el('info'), 'visibility', 'visible');
  };

  // The largest content the window holds beside the skin's bars.
  var room = function () {
    var view = lib.viewport();
    var pad = options.viewportPadding;
    return {
      width: Math.max(1, view.width - 2 * pad - S.skin.borderWidth),
      height: Math.max(1, view.height - 2 * pad - S.skin.borderHeight - el('title').offsetHeight - el('info').offsetHeight)
    };
  };

  // The size of the box: the item's own size made smaller to fit the window,
  // or the whole room when the item has no size.
  var contentSize = function () {
    var item = items[index];
    var space = room();
    if (!item.width || !item.height) return space;
    var scale = Math.min(1, space.width / item.width, space.height / item.height);
    return { width: Math.round(item.width * scale), height: Math.round(item.height * scale) };
  };

  // Puts the box in the middle of the window for a content of that height.
  var centre = function (contentHeight) {
    var outerHeight = contentHeight + S.skin.borderHeight + el('title').offsetHeight + el('info').offsetHeight;
    lib.setStyle(el('wrapper'), 'top', Math.max(0, Math.round((lib.viewport().height - outerHeight) / 2)));
  };

  var layout = function (animated, done) {
    var size = contentSize();
    var wrapper = el('wrapper');
    var body = el('body');
    var duration = animated ? options.resizeDuration : 0;
    centre(size.height);
    var widthStep = function (next) {
      lib.animate(wrapper, { width: size.width + S.skin.borderWidth }, duration, next);
    };
    var heightStep = function (next) {
      lib.animate(body, { height: size.height }, duration, next);
    };
    var finish = function () {
      if (player && player.resize) player.resize(size.width, size.height);
      if (done) done();
    };
    if (options.animSequence === 'sync') {
      var left = 2;
      var both = function () {
        if (--left === 0) finish();
      };
      widthStep(both);
      heightStep(both);
    } else if (options.animSequence === 'hw') {
      heightStep(function () { widthStep(finish); });
    } else {
      widthStep(function () { heightStep(finish); });
    }
  };

  var escapeHtml = function (value) {
    return String(value).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
  };

  S.format = function (template) {
    var args = Array.prototype.slice.call(arguments, 1);
    return String(template).replace(/\{(\d+)\}/g, function (m, n) { return escapeHtml(args[n]); });
  };

  // The notice a player shows in place of an item it cannot show: the text
  // of that name in the overlay's language, with the item's address ({0})
  // and the kind of media ({1}); a plain link when no language is loaded.
  S.notice = function (name, href, kind) {
    var lang = S.lang || {};
    var errors = lang.errors || {};
    var kinds = lang.kinds || {};
    return S.format(errors[name] || '<a href="{0}">{0}</a>', href, kinds[kind] || kind || '');
  };

  // Players of media: the browser's own video or audio element where it can
  // play the type, else a notice with a link to download the file. The notice
  // also replaces an element that finds it cannot play the file after all.
  S.mediaPlayer = function (kind, types, tag) {
    var Media = function (item) {
      this.item = item;
      this.element = null;
      this.width = 0;
      this.height = 0;
    };
    Media.prototype.load = function (done) {
      done();
    };
    Media.prototype.playable = function () {
      var type = types[extensionOf(this.item.href)];
      if (!type) return false;
      var probe = document.createElement(tag);
      return !!(probe.canPlayType && probe.canPlayType(type));
    };
    Media.prototype.append = function (parent, width, height) {
      if (this.playable()) {
        var self = this;
        var media = lib.create(tag, { id: 'sb-player', src: this.item.href, controls: 'controls' }, parent);
        lib.addEvent(media, 'error', function () {
          if (self.element === media) self.showNotice(parent);
        });
        media.autoplay = true;
        this.element = media;
      } else {
        this.showNotice(parent);
      }
      this.resize(width, height);
    };
    Media.prototype.showNotice = function (parent) {
      this.remove();
      this.element = lib.create('div', { id: 'sb-player', 'class': 'sb-message' }, parent);
      this.element.innerHTML = S.notice('shared', this.item.href, kind);
      this.resize(this.width, this.height);
    };
    Media.prototype.resize = function (width, height) {
      this.width = width;
      this.height = height;
      if (this.element) lib.setStyle(this.element, { width: width, height: height });
    };
    // A media element left to itself goes on loading: it is stopped and
    // emptied before it goes.
    Media.prototype.remove = function () {
      var media = this.element;
      this.element = null;
      if (media && media.pause) {
        media.pause();
        media.removeAttribute('src');
        media.load();
      }
      lib.remove(media);
    };
    return Media;
  };
})(Shadowbox);
