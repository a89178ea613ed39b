/*
 * Player of the Shadowbox overlay for Flash video (and the video files that replaced it): plays through the
 * browser's own media element where the browser can play the type, and
 * otherwise shows a notice with a link to download the file.
 */
var Shadowbox = window.Shadowbox || {};
window.Shadowbox = Shadowbox;
Shadowbox.players = Shadowbox.players || {};

Shadowbox.players.flv = Shadowbox.mediaPlayer('flv', { flv: 'video/x-flv', f4v: 'video/mp4', mp4: 'video/mp4', m4v: 'video/mp4', webm: 'video/webm', ogv: 'video/ogg' }, 'video');
