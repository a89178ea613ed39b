/*
 * Player of the Shadowbox overlay for Flash movies. Browsers no longer play
 * Flash, so unless one reports that it can, the overlay shows a notice with a
 * link to download the file.
 */
var Shadowbox = window.Shadowbox || {};
window.Shadowbox = Shadowbox;
Shadowbox.players = Shadowbox.players || {};

Shadowbox.players.swf = Shadowbox.mediaPlayer('swf', { swf: 'application/x-shockwave-flash' }, 'embed');
