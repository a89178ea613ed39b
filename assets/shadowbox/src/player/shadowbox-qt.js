/*
 * Player of the Shadowbox overlay for QuickTime movies and sound: plays through the
 * browser's own media element where the browser can play the type, and
 * otherwise shows a notice with a link to download the file.
 */
var Shadowbox = window.Shadowbox || {};
window.Shadowbox = Shadowbox;
Shadowbox.players = Shadowbox.players || {};

Shadowbox.players.qt = Shadowbox.mediaPlayer('qt', { mov: 'video/quicktime', qt: 'video/quicktime', '3gp': 'video/3gpp', '3g2': 'video/3gpp2', mp3: 'audio/mpeg', m4a: 'audio/mp4', aac: 'audio/aac', aif: 'audio/aiff', aiff: 'audio/aiff', wav: 'audio/wav' }, 'video');
