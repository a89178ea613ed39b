/*
 * Player of the Shadowbox overlay for Windows Media files: plays through the
 * browser's own media element where the browser can play the type, and
 * otherwise shows a notice with a link to download the file.
 */
var Shadowbox = window.Shadowbox || {};
window.Shadowbox = Shadowbox;
Shadowbox.players = Shadowbox.players || {};

Shadowbox.players.wmp = Shadowbox.mediaPlayer('wmp', { wmv: 'video/x-ms-wmv', wm: 'video/x-ms-wm', wma: 'audio/x-ms-wma', asf: 'video/x-ms-asf', avi: 'video/x-msvideo', mpg: 'video/mpeg', mpeg: 'video/mpeg' }, 'video');
