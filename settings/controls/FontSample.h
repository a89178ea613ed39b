#pragma once
// A label that shows a font name in that font, at a size and in the colours
// of one part of the gallery, so the user sees them together.
#include <QLabel>
#include <cstdint>

namespace velvara::settings {

class FontSample : public QLabel {
  Q_OBJECT
 public:
  explicit FontSample(QWidget* parent = nullptr);

  QString fontName() const;
  void setFontName(const QString& name);
  // Settings sizes are pixel numbers; the sample shows them as the same
  // number of points. A size that no font can have leaves the size as it is.
  double fontSize() const;
  void setFontSize(double size);
  bool bold() const;
  void setBold(bool bold);
  // Platform colour values.
  void setBackColor(std::int32_t color);
  void setTextColor(std::int32_t color);
  std::int32_t backColor() const;
  std::int32_t textColor() const;

  // The same whatever the font: a large font or a long name is clipped
  // inside the sample's box instead of widening the window around it.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
};

}  // namespace velvara::settings
