#pragma once
// The picture on the Lightbox tab: the overlay as a visitor of the gallery
// sees it, with numbered pointers to the parts that the four colour buttons
// of the tab colour.
#include <QPixmap>

namespace velvara::settings {

QPixmap drawLightboxPicture();

}  // namespace velvara::settings
