#include "settings/controls/FontSample.h"

#include <cmath>

#include "settings/controls/ColorButton.h"

namespace velvara::settings {
namespace {

// The width the sample asks of its layout, which stretches it to its column.
constexpr int kDesignedWidth = 120;

std::int32_t toPlatformColor(const QColor& color) { return color.red() + 256 * color.green() + 65536 * color.blue(); }

}  // namespace

FontSample::FontSample(QWidget* parent) : QLabel(parent) {
  setAutoFillBackground(true);
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::Box);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QString FontSample::fontName() const { return font().family(); }

void FontSample::setFontName(const QString& name) {
  QFont changed = font();
  changed.setFamilies({name});
  setFont(changed);
}

double FontSample::fontSize() const { return font().pointSizeF(); }

void FontSample::setFontSize(double size) {
  if (!std::isfinite(size) || size <= 0) return;
  QFont changed = font();
  changed.setPointSizeF(size);
  setFont(changed);
}

bool FontSample::bold() const { return font().bold(); }

void FontSample::setBold(bool bold) {
  QFont changed = font();
  changed.setBold(bold);
  setFont(changed);
}

void FontSample::setBackColor(std::int32_t color) {
  QPalette colors = palette();
  colors.setColor(QPalette::Window, toQColor(color));
  setPalette(colors);
}

void FontSample::setTextColor(std::int32_t color) {
  QPalette colors = palette();
  colors.setColor(QPalette::WindowText, toQColor(color));
  setPalette(colors);
}

QSize FontSample::sizeHint() const { return {kDesignedWidth, height()}; }

QSize FontSample::minimumSizeHint() const { return {0, height()}; }

std::int32_t FontSample::backColor() const { return toPlatformColor(palette().color(QPalette::Window)); }
std::int32_t FontSample::textColor() const { return toPlatformColor(palette().color(QPalette::WindowText)); }

}  // namespace velvara::settings
