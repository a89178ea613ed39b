#pragma once
// The quick-help tab: a drawing of a gallery page with its cells, each part
// named by a label in the current language with a line to the part it names.
// Nothing on it can be edited.
#include <QWidget>
#include <array>

class QLabel;

namespace velvara::i18n {
class StringService;
}

namespace velvara::settings {

class QuickHelpPage : public QWidget {
  Q_OBJECT
 public:
  explicit QuickHelpPage(QWidget* parent = nullptr);

  void applyLanguage(const i18n::StringService& strings);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void placeLabels();

  // lblInfo(14) to lblInfo(27), and the detail lines Label3(6) to Label3(11).
  std::array<QLabel*, 14> lblInfo{};
  std::array<QLabel*, 6> Label3{};
};

}  // namespace velvara::settings
