#include "app/ProgramIcon.h"

#include <QPixmap>

#include "assets/Assets.h"

namespace velvara::app {

QIcon programIcon() {
  QIcon icon;
  for (const std::string& size : assets::names("ICON")) {
    const auto bytes = assets::find("ICON", size);
    QPixmap picture;
    if (bytes && picture.loadFromData(bytes->data(), static_cast<uint>(bytes->size()), "PNG")) icon.addPixmap(picture);
  }
  return icon;
}

}  // namespace velvara::app
