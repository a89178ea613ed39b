#include "tests/support/qt/Screenshots.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace velvara::testing {

std::string saveScreenshot(QWidget& widget, const std::string& name) {
  const QString folder = QStringLiteral(VELVARA_BINARY_DIR "/test-artifacts");
  QDir().mkpath(folder);
  QApplication::processEvents();
  const QString path = folder + '/' + QString::fromStdString(name) + QStringLiteral(".png");
  EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
  return path.toStdString();
}

}  // namespace velvara::testing
