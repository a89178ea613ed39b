/*
 * English texts of the Shadowbox overlay.
 */
var Shadowbox = window.Shadowbox || {};
window.Shadowbox = Shadowbox;

Shadowbox.lang = {
  code: 'en',
  of: 'of',
  loading: 'loading',
  cancel: 'Cancel',
  next: 'Next',
  previous: 'Previous',
  play: 'Play',
  pause: 'Pause',
  close: 'Close',
  errors: {
    shared: 'Your browser cannot play this {1} file here. <a href="{0}">Download the file</a> to play it with a program of your own.',
    either: 'This item could not be loaded. <a href="{0}">Open it directly</a>.'
  },
  kinds: {
    flv: 'Flash video',
    swf: 'Flash movie',
    qt: 'QuickTime',
    wmp: 'Windows Media'
  }
};
