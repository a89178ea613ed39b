/*
 * The "classic" skin of the Shadowbox overlay: its markup. The page may load
 * this file before the overlay's core, so it only records the skin for the
 * core to find.
 */
var Shadowbox = window.Shadowbox || {};
window.Shadowbox = Shadowbox;
Shadowbox.skins = Shadowbox.skins || {};

Shadowbox.skins.classic = {
  // Room that the box's frame takes beside the content, in pixels.
  borderWidth: 0,
  borderHeight: 0,
  // {name} is replaced by the text of that name in the overlay's language.
  markup:
    '<div id="sb-container" data-state="closed">' +
      '<div id="sb-overlay"></div>' +
      '<div id="sb-wrapper">' +
        '<div id="sb-title"><div id="sb-title-inner"></div></div>' +
        '<div id="sb-body">' +
          '<div id="sb-body-inner"></div>' +
          '<div id="sb-loading">' +
            '<span id="sb-loading-inner">{loading}</span> ' +
            '<a id="sb-loading-cancel" href="#">{cancel}</a>' +
          '</div>' +
        '</div>' +
        '<div id="sb-info">' +
          '<div id="sb-nav">' +
            '<a id="sb-nav-close" href="#" title="{close}"></a>' +
            '<a id="sb-nav-next" href="#" title="{next}"></a>' +
            '<a id="sb-nav-play" href="#" title="{play}"></a>' +
            '<a id="sb-nav-pause" href="#" title="{pause}"></a>' +
            '<a id="sb-nav-previous" href="#" title="{previous}"></a>' +
          '</div>' +
          '<div id="sb-counter"></div>' +
        '</div>' +
      '</div>' +
    '</div>'
};
