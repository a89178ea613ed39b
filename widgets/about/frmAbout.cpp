#include "widgets/about/frmAbout.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/model/ProductInfo.h"
#include "platform/windowing/DialogOwner.h"
#include "platform/windowing/WindowPlacement.h"
#include "widgets/about/LinkLabel.h"

namespace velvara::widgets {

namespace {

constexpr int kStrCaption = 22;
constexpr int kStrHomePage = 23;
constexpr int kStrTerms = 24;
constexpr int kStrAuthorsGallery = 25;
constexpr int kStrInfo = 30;
constexpr int kStrClose = 16;
constexpr const char* kAuthorship = "Copyright \u00A9 2026 the Velvara authors";

// What the labels without a string id say. The Lightbox package carries
// Debian's Prototype and script.aculo.us (checked at build time to be these
// versions) beside the program's own overlay script; the image library is
// libvips.
constexpr std::array<const char*, 5> kFixedLinkCaptions = {"Prototype 1.7.3", "libvips", "", "",
                                                           "script.aculo.us 1.9.0"};

// A framed landscape: the picture a gallery is made of.
QPixmap drawPicture(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF frame(size * 0.08, size * 0.18, size * 0.84, size * 0.64);
  painter.fillRect(frame, QColor(0xDD, 0xEE, 0xFF));
  QPainterPath hills;
  hills.moveTo(frame.bottomLeft());
  hills.lineTo(frame.left() + frame.width() * 0.35, frame.top() + frame.height() * 0.45);
  hills.lineTo(frame.left() + frame.width() * 0.55, frame.top() + frame.height() * 0.7);
  hills.lineTo(frame.left() + frame.width() * 0.75, frame.top() + frame.height() * 0.35);
  hills.lineTo(frame.bottomRight());
  hills.closeSubpath();
  painter.fillPath(hills, QColor(0x4A, 0x8A, 0x4A));
  painter.setBrush(QColor(0xF5, 0xC0, 0x30));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPointF(frame.left() + frame.width() * 0.22, frame.top() + frame.height() * 0.28), size * 0.07,
                      size * 0.07);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x50, 0x50, 0x50), std::max(2.0, size * 0.04)));
  painter.drawRect(frame);
  return pixmap;
}

// A page of thumbnails: what the program makes of the pictures.
QPixmap drawPage(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.fillRect(QRectF(0, 0, size, size), QColor(0x80, 0x80, 0x80));
  const double cell = size / 3.0;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const QRectF thumb(column * cell + cell * 0.15, row * cell + cell * 0.15, cell * 0.7, cell * 0.7);
      painter.fillRect(thumb, Qt::white);
      painter.fillRect(thumb.adjusted(2, 2, -2, -2), QColor::fromHsv((row * 3 + column) * 40, 90, 200));
    }
  }
  return pixmap;
}

}  // namespace

const std::array<const char*, 5>& aboutPages() {
  static const std::array<const char*, 5> pages = {"http://prototypejs.org/", "https://www.libvips.org/",
                                                   core::productHomePage(), core::productHomePage(),
                                                   "http://script.aculo.us/"};
  return pages;
}

frmAbout::frmAbout(i18n::StringService& strings, core::Host& host, QWidget* parent, std::string homePage)
    : QDialog(parent),
      strings_(strings),
      host_(host),
      label1_(new QLabel(this)),
      lblInfo1_(new QLabel(this)),
      cmdOK_(new QPushButton(this)),
      languageSupport_([this](int langId, const std::string& langName) {
        strings_.setCurrentLanguage(langId, langName);
        loadCaptions();
      }) {
  setObjectName("frmAbout");
  auto* image1 = new QLabel(this);
  image1->setObjectName("Image1");
  image1->setPixmap(drawPicture(72));
  image1->setAccessibleName(core::kProgramName);
  auto* image2 = new QLabel(this);
  image2->setObjectName("Image2");
  image2->setPixmap(drawPage(48));
  image2->setAccessibleName(core::kProgramName);

  label1_->setObjectName("Label1");
  label1_->setText(QString(core::kProgramName) + ' ' + core::kProgramVersion);
  label1_->setAccessibleName(label1_->text());
  QFont title = label1_->font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.5);
  label1_->setFont(title);
  lblInfo1_->setObjectName("lblInfo_1");
  lblInfo1_->setWordWrap(true);
  for (int i = 0; i < 2; ++i) {
    lblAuthor_[i] = new QLabel(this);
    lblAuthor_[i]->setObjectName(QString("lblAuthor_%1").arg(i));
    lblAuthor_[i]->setWordWrap(true);
  }
  lblAuthor_[0]->setText(QString::fromUtf8(kAuthorship));
  lblAuthor_[0]->setAccessibleName(lblAuthor_[0]->text());

  auto* links = new QVBoxLayout;
  for (int i = 0; i < 5; ++i) {
    const bool homePageLabel = i == 2 || i == 3;
    const std::string page = homePageLabel ? homePage : std::string(aboutPages()[i]);
    if (page.empty()) {
      lblLightBoxUrl_[i] = new QLabel(this);
    } else {
      auto* link = new LinkLabel(this);
      link->setToolTip(QString::fromStdString(page));
      connect(link, &LinkLabel::clicked, this, [this, page] { host_.openDocument(page); });
      lblLightBoxUrl_[i] = link;
    }
    lblLightBoxUrl_[i]->setObjectName(QString("lblLightBoxUrl_%1").arg(i));
    lblLightBoxUrl_[i]->setText(kFixedLinkCaptions[i]);
    lblLightBoxUrl_[i]->setAccessibleName(lblLightBoxUrl_[i]->text());
    links->addWidget(lblLightBoxUrl_[i], 0, Qt::AlignLeft);
  }
  cmdOK_->setObjectName("cmdOK");
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(16);
  grid->addWidget(image1, 0, 0, 3, 1, Qt::AlignTop);
  grid->addWidget(label1_, 0, 1);
  grid->addWidget(lblInfo1_, 1, 1);
  auto* credits = new QVBoxLayout;
  credits->addWidget(lblAuthor_[0]);
  credits->addWidget(lblAuthor_[1]);
  credits->addSpacing(8);
  credits->addLayout(links);
  grid->addLayout(credits, 2, 1);
  grid->addWidget(image2, 3, 0, Qt::AlignBottom);
  grid->addWidget(cmdOK_, 3, 1, Qt::AlignRight | Qt::AlignBottom);
  grid->setColumnStretch(1, 1);
  setMinimumWidth(440);
  loadCaptions();
}

void frmAbout::showModal(i18n::StringService& strings, core::Host& host, QWidget* parent) {
  frmAbout window(strings, host, parent ? parent : windowing::dialogOwner());
  windowing::openOnOwnersScreen(window);
  window.exec();
}

void frmAbout::loadCaptions() {
  const auto text = [this](int id) { return QString::fromStdString(strings_.loadMlString(id)); };
  setWindowTitle(text(kStrCaption));
  cmdOK_->setText(text(kStrClose));
  lblAuthor_[1]->setText(text(kStrTerms));
  lblInfo1_->setText(text(kStrInfo));
  lblLightBoxUrl_[2]->setText(text(kStrAuthorsGallery));
  lblLightBoxUrl_[3]->setText(text(kStrHomePage));
  for (QWidget* control :
       {static_cast<QWidget*>(cmdOK_), static_cast<QWidget*>(lblAuthor_[1]), static_cast<QWidget*>(lblInfo1_),
        static_cast<QWidget*>(lblLightBoxUrl_[2]), static_cast<QWidget*>(lblLightBoxUrl_[3])}) {
    const auto* label = qobject_cast<QLabel*>(control);
    control->setAccessibleName(label ? label->text() : static_cast<QPushButton*>(control)->text());
  }
  setAccessibleName(windowTitle());
}

}  // namespace velvara::widgets
