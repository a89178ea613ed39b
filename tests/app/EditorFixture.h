#pragma once
// The strip and the edit panel in a window of their own, laid out as the main
// window lays them out, for tests that drive them with real input events.
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QWidget>

#include "app/editpanel/EditPanel.h"
#include "app/strip/ThumbnailStrip.h"
#include "core/imaging/ImageLibrary.h"
#include "tests/support/FakeHost.h"
#include "widgets/slide/usSlide.h"

namespace velvara::testing {

struct EditorWindow {
  static constexpr int kBarSize = 16;

  static app::StripControls makeControls(QWidget& window) {
    window.resize(600, 420 + app::EditPanel::kHeight);
    app::StripControls controls;
    controls.pbOuter = new QWidget(&window);
    controls.pbOuter->setObjectName("pbOuter");
    controls.pbInner = new QWidget(controls.pbOuter);
    controls.pbInner->setObjectName("pbInner");
    for (QWidget* grey : {controls.pbOuter, controls.pbInner}) {
      grey->setAutoFillBackground(true);
      grey->setPalette(QPalette(QColor(0x808080)));
    }
    controls.VScroll1 = new QScrollBar(Qt::Vertical, &window);
    controls.HScroll1 = new QScrollBar(Qt::Horizontal, &window);
    return controls;
  }

  EditorWindow() {
    picInRowBox.setRange(1, 100000);
    picInRowBox.setValue(4);
    QObject::connect(&picInRowBox, &QSpinBox::valueChanged, [this](int value) { strip.picInRowChanged(value); });
    strip.setPicInRowControl([this](std::int32_t n) { picInRowBox.setValue(n); });
    strip.setImageDetails(panel);
    strip.setFormResize([this] { layout(); });
    panel.setParent(&window);
    panel.setSelectionSource(strip);
    layout();
    window.show();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
  }

  // The window's resize layout for the strip's parts.
  void layout() {
    const int width = window.width();
    const int stripHeight = window.height() - app::EditPanel::kHeight;
    controls.VScroll1->setGeometry(width - kBarSize, 0, kBarSize, stripHeight);
    controls.HScroll1->setGeometry(5, stripHeight - kBarSize, width - kBarSize - 5, kBarSize);
    controls.pbOuter->setGeometry(5, 0, width - kBarSize - 5, stripHeight - kBarSize);
    controls.pbInner->move(0, 0);
    if (project.images.empty()) controls.pbInner->resize(controls.pbOuter->size());
    auto setBar = [](QScrollBar* bar, int canvas, int outer) {
      bar->setVisible(canvas > outer);
      bar->setMaximum(std::max(canvas - outer, 0));
      bar->setPageStep(140);
      bar->setSingleStep(70);
    };
    setBar(controls.VScroll1, controls.pbInner->height(), controls.pbOuter->height());
    setBar(controls.HScroll1, controls.pbInner->width(), controls.pbOuter->width());
    panel.move(5, stripHeight);
  }

  widgets::usSlide* cell(int index) { return strip.cell(index); }
  QPoint cellCentre() const { return QPoint(70, 70); }

  // A mouse event with a fractional position, sent as the platform sends it.
  static void sendMouse(QWidget* widget, QEvent::Type type, QPointF pos, Qt::MouseButton button,
                        Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
  }

  FakeHost host;
  // As in the main window, whose other commands are not here.
  widgets::CommandGate commands{host};
  core::Project project;
  core::ImageLibrary library;
  core::KeyedCollection<std::string> urlHistory;
  QWidget window;
  QSpinBox picInRowBox;
  app::StripControls controls = makeControls(window);
  app::ThumbnailStrip strip{controls, project, library, host, host.stringService, commands};
  app::EditPanel panel{project, urlHistory, host.stringService, host, commands};
};

}  // namespace velvara::testing
