#include "app/Form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWindow>
#include <limits>

#include "app/MainHost.h"
#include "app/SettingsWindow.h"
#include "app/StartupValues.h"
#include "app/WindowLayout.h"
#include "app/editpanel/EditPanel.h"
#include "core/helpers/Paths.h"
#include "core/model/ProductInfo.h"
#include "i18n/AddedStrings.h"
#include "platform/shell/Folders.h"
#include "platform/windowing/WindowPlacement.h"

namespace velvara::app {

namespace added = i18n::added;

namespace {

// The strip's grey, behind the cells and around them.
const QColor kStripGrey(0x80, 0x80, 0x80);

// Designed sizes in pixels: the edit panel 7215 by 2895 twips, the tools
// panel 2055 by 2895.
constexpr int kDescriptionWidth = 481;
constexpr int kDescriptionHeight = 193;
constexpr int kToolsWidth = 137;
constexpr int kProgressHeight = 16;
constexpr int kBusyPanelWidth = 320;
constexpr int kBusyPanelHeight = 64;

// The designed values of the window's numeric box: pictures per row, with a
// caption 1140 twips wide, the value 600 twips and the spinner.
const widgets::FormDesign& form1Design() {
  static const widgets::FormDesign design{
      {"usPicInRow",
       {{"BeforeString", "Pictures/row"},
        {"Value", 4.0},
        {"Min", 1.0},
        {"AfterString", ""},
        {"UpDownVisible", true},
        {"UpDownInc", 1.0},
        {"WidthBeforeString", 1140.0},
        {"WidthValue", 600.0},
        {"WidthAfterString", 0.0}}},
  };
  return design;
}

QString qt(const std::string& text) { return QString::fromStdString(text); }

template <typename W>
W* named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

void greyBackground(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, kStripGrey);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void setCaption(QAbstractButton* button, const QString& text) {
  button->setText(text);
  button->setAccessibleName(text);
}

void setCaption(QLabel* label, const QString& text) {
  label->setText(text);
  label->setAccessibleName(text);
}

// The tools panel keeps its designed width in every language: a caption
// that would not fit its button is set in a smaller type instead of being
// clipped.
void fitCaption(QPushButton* button) {
  constexpr int kPadding = 10;
  constexpr qreal kSmallestPoint = 6;
  QFont font = button->parentWidget()->font();
  while (font.pointSizeF() > kSmallestPoint &&
         QFontMetrics(font).horizontalAdvance(button->text()) + kPadding > button->width()) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  button->setFont(font);
}

void setTooltip(QWidget* widget, const QString& text) {
  widget->setToolTip(text);
  // A control without a caption of its own is named by its tooltip.
  if (widget->accessibleName().isEmpty() || qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
      widget->objectName() == QLatin1String("chkAddSubfolders")) {
    widget->setAccessibleName(text);
  }
}

}  // namespace

Form1::Form1(i18n::StringService& strings, core::Prompts& prompts, ProgramData& data, QWidget* parent)
    : QMainWindow(parent),
      strings_(strings),
      prompts_(prompts),
      data_(data),
      host_(std::make_unique<MainHost>(*this, prompts)),
      recentList_(strings),
      settingsApplication_(shell::programFolder()) {
  setObjectName(QStringLiteral("Form1"));
  createControls();
  createMenus();
  createEditor();
  settingsWindow_ = std::make_unique<SettingsWindow>(*this);
  setSettingsEditor(settingsWindow_.get());
  connectCommands();
  resize(outerSize_);
}

Form1::~Form1() = default;

void Form1::createControls() {
  auto* client = named(new QWidget(this), QStringLiteral("client"));
  setCentralWidget(client);
  client->installEventFilter(this);

  controls_.pbOuter = named(new QWidget(client), QStringLiteral("pbOuter"));
  greyBackground(controls_.pbOuter);
  controls_.pbInner = named(new QWidget(controls_.pbOuter), QStringLiteral("pbInner"));
  greyBackground(controls_.pbInner);
  controls_.VScroll1 = named(new QScrollBar(Qt::Vertical, client), QStringLiteral("VScroll1"));
  controls_.HScroll1 = named(new QScrollBar(Qt::Horizontal, client), QStringLiteral("HScroll1"));
  controls_.VScroll1->hide();
  controls_.HScroll1->hide();
  controls_.prgBar = named(new QProgressBar(client), QStringLiteral("prgBar"));
  controls_.prgBar->setTextVisible(false);
  controls_.prgBar->setFixedHeight(kProgressHeight);
  controls_.prgBar->hide();

  createEditPanel();
  createToolsPanel();
  createBusyPanel();
}

void Form1::createEditPanel() {
  auto& c = controls_;
  editPanel_ = new EditPanel(data_.project, data_.urlHistory, strings_, *host_, commands_, centralWidget());
  c.frmImageDescription = editPanel_;
  c.chkAutoUpdate = editPanel_->findChild<QCheckBox*>(QStringLiteral("chkAutoUpdate"));
  c.frmImDesc = editPanel_->findChild<QFrame*>(QStringLiteral("frmImDesc"));
  for (int i = 0; i < 4; ++i) c.txtPhotos[i] = editPanel_->findChild<QLineEdit*>(QStringLiteral("txtPhotos_%1").arg(i));
  for (int i = 0; i < 5; ++i) c.lblPhotos[i] = editPanel_->findChild<QLabel*>(QStringLiteral("lblPhotos_%1").arg(i));
  c.comboURL = editPanel_->findChild<QComboBox*>(QStringLiteral("comboURL"));
  for (int i = 0; i < 2; ++i) {
    c.opUrlOpen[i] = editPanel_->findChild<QRadioButton*>(QStringLiteral("opUrlOpen_%1").arg(i));
    c.cmdUpdateItem[i] = editPanel_->findChild<QPushButton*>(QStringLiteral("cmdUpdateItem_%1").arg(i));
  }
}

void Form1::createToolsPanel() {
  auto& c = controls_;
  c.frmImagesTools = named(new QFrame(centralWidget()), QStringLiteral("frmImagesTools"));
  c.frmImagesTools->setFrameShape(QFrame::StyledPanel);
  c.frmImagesTools->setFixedSize(kToolsWidth, kDescriptionHeight);
  c.cmdAddImage = named(new QPushButton(c.frmImagesTools), QStringLiteral("cmdAddImage"));
  c.cmdAddImage->setGeometry(4, 6, 129, 26);
  c.cmdAddFolder = named(new QPushButton(c.frmImagesTools), QStringLiteral("cmdAddFolder"));
  c.cmdAddFolder->setGeometry(4, 36, 105, 26);
  c.chkAddSubfolders = named(new QCheckBox(c.frmImagesTools), QStringLiteral("chkAddSubfolders"));
  c.chkAddSubfolders->setGeometry(114, 39, 20, 20);
  c.cmdMakeGallery = named(new QPushButton(c.frmImagesTools), QStringLiteral("cmdMakeGallery"));
  c.cmdMakeGallery->setGeometry(4, 74, 129, 32);
  c.cmdMakeGallery->setEnabled(false);
  c.chkHtmlOnly = named(new QCheckBox(c.frmImagesTools), QStringLiteral("chkHtmlOnly"));
  c.chkHtmlOnly->setGeometry(6, 110, 127, 20);
  c.usPicInRow = widgets::usNumericBox::fromDesign(form1Design(), "usPicInRow", strings_, prompts_, c.frmImagesTools);
  c.usPicInRow->setObjectName(QStringLiteral("usPicInRow"));
  // Rows go up to three digits (228 cells fill the widest canvas): the value
  // is as wide as they need beside the spinner, and the caption keeps what
  // the panel has left, at most its designed width.
  widgets::usNumericBox& box = *c.usPicInRow;
  constexpr int kBoxLeft = 4;
  const float widthValue = std::max(box.widthValue(), box.widthValueShowing(QStringLiteral("000")));
  const float room = static_cast<float>((c.frmImagesTools->contentsRect().right() + 1 - kBoxLeft) * kTwipsPerPixel) -
                     widthValue - box.widthAfterString() - 120;
  box.setWidthValue(widthValue);
  box.setWidthBeforeString(std::min(box.widthBeforeString(), room));
  box.move(kBoxLeft, 150);
  box.resize(box.sizeHint().width(), 24);
}

void Form1::createBusyPanel() {
  auto& c = controls_;
  c.pbLoading = named(new QFrame(centralWidget()), QStringLiteral("pbLoading"));
  c.pbLoading->setFixedSize(kBusyPanelWidth, kBusyPanelHeight);
  c.pbLoading->setAutoFillBackground(true);
  c.Shape1 = named(new QFrame(c.pbLoading), QStringLiteral("Shape1"));
  c.Shape1->setFrameShape(QFrame::Box);
  c.Shape1->setLineWidth(2);
  c.Shape1->setGeometry(0, 0, kBusyPanelWidth, kBusyPanelHeight);
  c.lblLoading = named(new QLabel(QStringLiteral("Loading..."), c.pbLoading), QStringLiteral("lblLoading"));
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(12);
  font.setBold(true);
  c.lblLoading->setFont(font);
  c.lblLoading->setAlignment(Qt::AlignCenter);
  c.lblLoading->setGeometry(4, 4, kBusyPanelWidth - 8, kBusyPanelHeight - 8);
  c.pbLoading->hide();
}

void Form1::createMenus() {
  auto& m = menus_;
  auto action = [this](QMenu* menu, const char* name) {
    QAction* item = menu->addAction(QString());
    item->setObjectName(QString::fromLatin1(name));
    return item;
  };
  auto separator = [](QMenu* menu, const QString& name) {
    QAction* item = menu->addSeparator();
    item->setObjectName(name);
    return item;
  };
  m.mnuFile = named(menuBar()->addMenu(QString()), QStringLiteral("mnuFile"));
  m.mnuFileAction = m.mnuFile->menuAction();
  m.mnuNewProject = action(m.mnuFile, "mnuNewProject");
  m.mnuOpenProject = action(m.mnuFile, "mnuOpenProject");
  m.mnuSep1 = separator(m.mnuFile, QStringLiteral("mnuSep1"));
  m.mnuSaveProject = action(m.mnuFile, "mnuSaveProject");
  m.mnuSaveAs = action(m.mnuFile, "mnuSaveAs");
  m.mnuSepIO = separator(m.mnuFile, QStringLiteral("mnuSepIO"));
  m.mnuExport = action(m.mnuFile, "mnuExport");
  m.mnuImport = action(m.mnuFile, "mnuImport");
  m.mnuMRU[0] = separator(m.mnuFile, QStringLiteral("mnuMRU_0"));
  for (int i = 1; i <= 8; ++i) {
    m.mnuMRU[i] = action(m.mnuFile, "mnuMRU");
    m.mnuMRU[i]->setObjectName(QStringLiteral("mnuMRU_%1").arg(i));
    m.mnuMRU[i]->setVisible(false);
  }
  m.mnuMRU[9] = separator(m.mnuFile, QStringLiteral("mnuMRU_9"));
  m.mnuMRU[9]->setVisible(false);
  m.mnuExit = action(m.mnuFile, "mnuExit");
  m.mnuSaveProject->setEnabled(false);
  m.mnuSaveAs->setEnabled(false);
  m.mnuExport->setEnabled(false);

  m.mnuSettings = menuBar()->addAction(QString());
  m.mnuSettings->setObjectName(QStringLiteral("mnuSettings"));

  m.mnuPopUp_images = named(menuBar()->addMenu(QString()), QStringLiteral("mnuPopUp_images"));
  m.mnuPopUp_imagesAction = m.mnuPopUp_images->menuAction();
  m.mnuSelectAll = action(m.mnuPopUp_images, "mnuSelectAll");
  m.mnuUnselectAll = action(m.mnuPopUp_images, "mnuUnselectAll");
  m.mnuRemoveSelected = action(m.mnuPopUp_images, "mnuRemoveSelected");
  m.mnuRemoveAll = action(m.mnuPopUp_images, "mnuRemoveAll");
  m.mnuPopUp_sep1 = separator(m.mnuPopUp_images, QStringLiteral("mnuPopUp_sep1"));
  m.mnuClearImageTitles = action(m.mnuPopUp_images, "mnuClearImageTitles");
  m.mnuCaptionPrefix = action(m.mnuPopUp_images, "mnuCaptionPrefix");
  m.mnuCaptionSuffix = action(m.mnuPopUp_images, "mnuCaptionSuffix");
  m.mnuClearImageTooltips = action(m.mnuPopUp_images, "mnuClearImageTooltips");
  m.mnuTooltipPrefix = action(m.mnuPopUp_images, "mnuTooltipPrefix");
  m.mnuTooltipSuffix = action(m.mnuPopUp_images, "mnuTooltipSuffix");
  m.mnuTooltipEquCaption = action(m.mnuPopUp_images, "mnuTooltipEquCaption");

  m.mnuTools = named(menuBar()->addMenu(QString()), QStringLiteral("mnuTools"));
  m.mnuToolsAction = m.mnuTools->menuAction();
  m.mnuLinkCaption = action(m.mnuTools, "mnuLinkCaption");
  m.mnuSetDefaultLink = action(m.mnuTools, "mnuSetDefaultLink");
  m.mnuLink_verify = action(m.mnuTools, "mnuLink_verify");

  m.mnuAbout = menuBar()->addAction(QString());
  m.mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void Form1::setMainCaption() {
  std::string caption = std::string(core::kProgramName) + "  " + core::kProgramVersion;
  const std::string& projectFile = data_.project.projectFile;
  if (!projectFile.empty()) caption += "  ( " + core::getFileName(projectFile, true) + " )";
  setWindowTitle(qt(caption));
}

void Form1::applyLanguage() {
  auto& c = controls_;
  auto& m = menus_;
  const auto s = [this](int id) { return qt(strings_.loadMlString(id)); };
  setTooltip(c.chkAddSubfolders, s(282));
  setCaption(c.chkHtmlOnly, s(47));
  setTooltip(c.chkHtmlOnly, s(48));
  setCaption(c.cmdAddFolder, s(62));
  setTooltip(c.cmdAddFolder, s(63));
  setCaption(c.cmdAddImage, s(54));
  setTooltip(c.cmdAddImage, s(55));
  setCaption(c.cmdMakeGallery, s(50));
  setTooltip(c.cmdMakeGallery, s(51));
  for (QPushButton* button : {c.cmdAddImage, c.cmdAddFolder, c.cmdMakeGallery}) fitCaption(button);
  setCaption(c.lblLoading, s(272));
  c.Shape1->setAccessibleName(s(272));
  m.mnuAbout->setText(s(147));
  m.mnuCaptionPrefix->setText(s(164));
  m.mnuCaptionSuffix->setText(s(165));
  m.mnuClearImageTitles->setText(s(144));
  m.mnuClearImageTooltips->setText(s(145));
  m.mnuExit->setText(s(136));
  m.mnuExport->setText(s(254));
  m.mnuFile->setTitle(s(130));
  m.mnuImport->setText(s(255));
  m.mnuLink_verify->setText(s(139));
  m.mnuLinkCaption->setText(s(142));
  m.mnuNewProject->setText(s(131));
  m.mnuOpenProject->setText(s(132));
  m.mnuPopUp_images->setTitle(s(35));
  m.mnuRemoveAll->setText(s(161));
  m.mnuRemoveSelected->setText(s(160));
  m.mnuSaveAs->setText(s(135));
  m.mnuSaveProject->setText(s(134));
  m.mnuSelectAll->setText(s(158));
  m.mnuSetDefaultLink->setText(s(258));
  m.mnuSettings->setText(s(34));
  m.mnuTools->setTitle(s(138));
  m.mnuTooltipEquCaption->setText(s(146));
  m.mnuTooltipPrefix->setText(s(166));
  m.mnuTooltipSuffix->setText(s(167));
  m.mnuUnselectAll->setText(s(159));
  c.usPicInRow->setBeforeString(strings_.loadMlString(217));
  c.usPicInRow->setAccessibleName(s(217));
  // The frames and bars show no caption: a screen reader reads these names.
  c.pbOuter->setAccessibleName(s(added::kNameThumbnailStrip));
  c.pbInner->setAccessibleName(s(added::kNameThumbnails));
  c.VScroll1->setAccessibleName(s(added::kNameScrollUpDown));
  c.HScroll1->setAccessibleName(s(added::kNameScrollLeftRight));
  c.prgBar->setAccessibleName(s(added::kNameProgress));
  c.frmImagesTools->setAccessibleName(s(added::kNameImageTools));
  c.pbLoading->setAccessibleName(s(added::kNamePleaseWait));
  // The edit panel's captions, and its open-mode captions for the display
  // style, are the panel's own.
  if (editPanel_) editPanel_->applyLanguage();
}

void Form1::layoutControls() {
  auto& c = controls_;
  LayoutInput input;
  input.clientWidth = centralWidget()->width();
  input.clientHeight = centralWidget()->height();
  input.descriptionWidth = c.frmImageDescription->width();
  input.descriptionHeight = c.frmImageDescription->height();
  input.toolsWidth = c.frmImagesTools->width();
  input.vScrollWidth = c.VScroll1->sizeHint().width();
  input.hScrollHeight = c.HScroll1->sizeHint().height();
  input.progressHeight = c.prgBar->height();
  input.projectHasImages = !data_.project.images.empty();
  input.canvasWidth = c.pbInner->width();
  input.canvasHeight = c.pbInner->height();
  input.cellWidth = state_.stripCellWidth;
  input.cellHeight = state_.stripCellHeight;
  const Layout layout = layoutWindow(input);
  const auto place = [](QWidget* widget, const Rect& r) { widget->setGeometry(r.left, r.top, r.width, r.height); };
  c.frmImageDescription->move(layout.description.left, layout.description.top);
  c.frmImagesTools->move(layout.tools.left, layout.tools.top);
  place(c.VScroll1, layout.vScroll);
  place(c.HScroll1, layout.hScroll);
  place(c.pbOuter, layout.outer);
  place(c.pbInner, layout.canvas);
  place(c.prgBar, layout.progress);
  // The canvas is laid out at its top-left corner, and the bars say so: a
  // bar left at its old value would move the canvas back there as soon as a
  // new maximum clamps that value (after a large project, a small one opened
  // far below its own cells).
  const auto setBar = [](QScrollBar* bar, const ScrollBarSetup& setup) {
    bar->setVisible(setup.visible);
    const QSignalBlocker quiet(bar);
    bar->setValue(0);
    if (!setup.visible) return;
    bar->setMaximum(setup.maximum);
    bar->setPageStep(setup.largeChange);
    bar->setSingleStep(setup.smallChange);
  };
  setBar(c.VScroll1, layout.vBar);
  setBar(c.HScroll1, layout.hBar);
}

void Form1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  keepSmallestOuterSize();
}

void Form1::keepSmallestOuterSize() {
  if (isMinimized()) return;
  // The smallest outer size, given as the client size the window system may
  // not go below: the frame comes off. A window system that does not keep to
  // it (one without a window manager) may still make the window smaller: the
  // window then takes the smallest size itself, unless it fills a screen that
  // is smaller.
  const QSize minimum = smallestOuterSize().shrunkBy(windowing::frameMargins(*this));
  setMinimumSize(minimum);
  const bool fillsScreen = isMaximized() || isFullScreen();
  if (!fillsScreen && (width() < minimum.width() || height() < minimum.height())) resize(size().expandedTo(minimum));
}

QSize Form1::smallestOuterSize() const {
  return {minimumOuterWidth(controls_.frmImageDescription->width(), controls_.frmImagesTools->width()),
          kMinimumOuterHeight};
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  // The parts are laid out whenever the client changes its size: a size the
  // window takes on its own (its smallest one) reaches the client without a
  // new resize of the window.
  if (watched == centralWidget() && event->type() == QEvent::Resize && !isMinimized()) {
    layoutControls();
    if (controls_.pbLoading->isVisible()) centreBusyPanel();
  }
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
    windowHandle()->removeEventFilter(this);
    placementApplied_ = true;
    applyFramedPlacement();
  }
  return QMainWindow::eventFilter(watched, event);
}

void Form1::centreBusyPanel() {
  QFrame* panel = controls_.pbLoading;
  const QWidget* client = centralWidget();
  panel->move((client->width() - panel->width()) / 2, (client->height() - panel->height()) / 2);
}

void Form1::showBusyPanel(const std::string& text) {
  auto& c = controls_;
  setCaption(c.lblLoading, qt(text));
  c.Shape1->setAccessibleName(qt(text));
  centreBusyPanel();
  c.pbLoading->raise();
  c.pbLoading->show();
  c.pbLoading->repaint();
  QCoreApplication::processEvents();
}

void Form1::hideBusyPanel() { controls_.pbLoading->hide(); }

}  // namespace velvara::app
