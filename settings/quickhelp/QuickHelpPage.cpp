#include "settings/quickhelp/QuickHelpPage.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "i18n/StringService.h"

namespace velvara::settings {
namespace {

constexpr int kFirstInfo = 14;
constexpr int kFirstDetail = 6;
constexpr int kLabelWidth = 190;
constexpr int kLeftColumn = 6;
constexpr int kRightColumn = 556;
constexpr int kLabelGap = 6;

const QRect kPage(210, 12, 330, 500);
const QRect kParentLink(226, 26, 100, 9);
const QRect kWebTitle(226, 46, 180, 18);
// The cells of the drawing: two by two, 14 pixels apart.
const QRect kCells[] = {{228, 90, 140, 195}, {382, 90, 140, 195}, {228, 300, 140, 195}, {382, 300, 140, 195}};
constexpr int kBorder = 5;
constexpr int kPadding = 12;

QRect thumbnailIn(const QRect& cell) {
  return {cell.left() + kBorder + kPadding, cell.top() + kBorder + kPadding + 6,
          cell.width() - 2 * (kBorder + kPadding), 92};
}

struct Annotation {
  int info;    // lblInfo index
  int detail;  // Label3 index, or 0 for none
  int textId;
  int tipId;       // 0: no tooltip
  bool left;       // in the column left of the drawing
  int preferredY;  // where the label stands unless the one above it needs the room
  QPoint target;   // the point of the drawing it names
};

// Each label, in its column from top to bottom, and what it names.
std::vector<Annotation> annotations() {
  const QRect& first = kCells[0];
  const QRect& second = kCells[1];
  const QRect thumb = thumbnailIn(first);
  return {
      {17, 10, 104, 124, true, 14, kParentLink.center()},
      {18, 8, 122, 123, true, 62, {kWebTitle.left() + 40, kWebTitle.center().y()}},
      {25, 0, 106, 0, true, 118, {kPage.left() + 8, kCells[2].top() + 20}},
      {21, 0, 118, 0, true, 150, {thumb.center().x(), thumb.top() - 8}},
      {23, 0, 116, 0, true, 186, {thumb.left() - 11, thumb.center().y()}},
      {16, 9, 125, 126, true, 222, {thumb.left() - 2, thumb.bottom() - 15}},
      {15, 7, 127, 128, true, 272, {thumb.left() + 20, thumb.bottom() + 16}},
      {27, 11, 68, 108, true, 340, {thumb.left() + 40, thumb.bottom() + 31}},
      {19, 0, 121, 0, true, 400, {first.left() + 9, first.bottom() - 12}},
      {22, 0, 117, 0, false, 40, {second.center().x(), second.top() - 8}},
      {14, 0, 129, 0, false, 86, {first.right() + 7, first.center().y()}},
      {26, 0, 114, 0, false, 130, {second.right() + 9, second.center().y()}},
      {20, 6, 119, 120, false, 176, {second.right() - 2, second.bottom() - 45}},
      {24, 0, 115, 0, false, 246, {second.right() - 12, second.bottom() - 14}},
  };
}

// Detail lines: Label3(6) to Label3(11).
constexpr int kDetailIds[] = {113, 112, 111, 110, 109, 109};

void drawArrow(QPainter& painter, QPoint from, QPoint to) {
  painter.drawLine(from, to);
  const bool horizontal = from.y() == to.y();
  for (const QPoint& end : {from, to}) {
    const int direction = end == from ? 1 : -1;
    if (horizontal) {
      painter.drawLine(end, end + QPoint(4 * direction, -3));
      painter.drawLine(end, end + QPoint(4 * direction, 3));
    } else {
      painter.drawLine(end, end + QPoint(-3, 4 * direction));
      painter.drawLine(end, end + QPoint(3, 4 * direction));
    }
  }
}

void drawCell(QPainter& painter, const QRect& cell) {
  // Light top and left borders, dark bottom and right ones, as the default
  // border colours give them.
  painter.fillRect(cell, QColor("#666666"));
  QPainterPath light;
  light.moveTo(cell.topLeft());
  light.lineTo(cell.topRight() + QPoint(1, 0));
  light.lineTo(cell.topRight() + QPoint(1 - kBorder, kBorder));
  light.lineTo(cell.bottomLeft() + QPoint(kBorder, 1 - kBorder));
  light.lineTo(cell.bottomLeft() + QPoint(0, 1));
  light.closeSubpath();
  painter.fillPath(light, QColor("#aaaaaa"));
  const QRect inner = cell.adjusted(kBorder, kBorder, -kBorder, -kBorder);
  painter.fillRect(inner, QColor("#8c8c8c"));

  const QRect thumb = thumbnailIn(cell);
  painter.fillRect(thumb.adjusted(-3, -3, 3, 3), Qt::white);
  painter.fillRect(thumb, QColor("#7fb2e5"));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor("#f5d76e"));
  painter.drawEllipse(QPoint(thumb.right() - 22, thumb.top() + 22), 10, 10);
  painter.setBrush(QColor("#4f8a3c"));
  QPainterPath hill;
  hill.moveTo(thumb.bottomLeft() + QPoint(0, 1));
  hill.quadTo(thumb.center() + QPoint(-20, -20), thumb.bottomRight() + QPoint(1, -25));
  hill.lineTo(thumb.bottomRight() + QPoint(1, 1));
  hill.closeSubpath();
  painter.drawPath(hill);
  painter.setBrush(Qt::NoBrush);

  // The image title and the link text under it, as bars of text.
  painter.fillRect(QRect(thumb.left() + 20, thumb.bottom() + 12, thumb.width() - 40, 8), Qt::white);
  painter.fillRect(QRect(thumb.left() + 40, thumb.bottom() + 28, thumb.width() - 80, 6), QColor("#1c3f94"));
}

}  // namespace

QuickHelpPage::QuickHelpPage(QWidget* parent) : QWidget(parent) {
  for (const auto& note : annotations()) {
    auto* info = new QLabel(this);
    info->setObjectName(QString("lblInfo_%1").arg(note.info));
    info->setWordWrap(true);
    QFont bold = info->font();
    bold.setBold(true);
    info->setFont(bold);
    info->setAlignment((note.left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    lblInfo[note.info - kFirstInfo] = info;
    if (note.detail != 0) {
      auto* detail = new QLabel(this);
      detail->setObjectName(QString("Label3_%1").arg(note.detail));
      detail->setWordWrap(true);
      detail->setAlignment(info->alignment());
      Label3[note.detail - kFirstDetail] = detail;
    }
  }
}

void QuickHelpPage::placeLabels() {
  // Texts of another language may wrap: each label takes the lines it
  // needs, and the labels below it move down to make room.
  int bottom[2] = {0, 0};
  for (const auto& note : annotations()) {
    int& columnBottom = bottom[note.left ? 0 : 1];
    const int x = note.left ? kLeftColumn : kRightColumn;
    int y = std::max(note.preferredY, columnBottom + kLabelGap);
    QLabel* info = lblInfo[note.info - kFirstInfo];
    info->setGeometry(x, y, kLabelWidth, info->heightForWidth(kLabelWidth));
    y += info->height();
    if (note.detail != 0) {
      QLabel* detail = Label3[note.detail - kFirstDetail];
      detail->setGeometry(x, y, kLabelWidth, detail->heightForWidth(kLabelWidth));
      y += detail->height();
    }
    columnBottom = y;
  }
}

QSize QuickHelpPage::sizeHint() const { return {kRightColumn + kLabelWidth + 8, kPage.bottom() + 12}; }

void QuickHelpPage::applyLanguage(const i18n::StringService& strings) {
  const auto t = [&strings](int id) { return QString::fromStdString(strings.loadMlString(id)); };
  for (const auto& note : annotations()) {
    QLabel* info = lblInfo[note.info - kFirstInfo];
    info->setText(t(note.textId));
    info->setAccessibleName(t(note.textId));
    info->setToolTip(note.tipId != 0 ? t(note.tipId) : QString());
  }
  for (std::size_t index = 0; index < Label3.size(); ++index) {
    Label3[index]->setText(t(kDetailIds[index]));
    Label3[index]->setAccessibleName(t(kDetailIds[index]));
  }
  placeLabels();
}

void QuickHelpPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(kPage, QColor("#d9d9d9"));
  painter.setPen(QColor("#808080"));
  painter.drawRect(kPage);

  painter.fillRect(kParentLink, QColor("#1c3f94"));
  painter.fillRect(kWebTitle, QColor("#000080"));
  for (const QRect& cell : kCells) drawCell(painter, cell);

  // Dimension arrows: cell width and height on the second cell, thumbnail
  // width and height on the first.
  QPen dimension(QColor("#b00000"), 1.5);
  painter.setPen(dimension);
  const QRect& first = kCells[0];
  const QRect& second = kCells[1];
  drawArrow(painter, {second.left(), second.top() - 8}, {second.right(), second.top() - 8});
  drawArrow(painter, {second.right() + 9, second.top()}, {second.right() + 9, second.bottom()});
  const QRect thumb = thumbnailIn(first);
  drawArrow(painter, {thumb.left(), thumb.top() - 8}, {thumb.right(), thumb.top() - 8});
  drawArrow(painter, {thumb.left() - 11, thumb.top()}, {thumb.left() - 11, thumb.bottom()});

  // A line from each label to the part it names.
  QPen pointer(QColor("#303030"), 1);
  painter.setPen(pointer);
  painter.setBrush(QColor("#303030"));
  for (const auto& note : annotations()) {
    const QLabel* info = lblInfo[note.info - kFirstInfo];
    const QPoint start(note.left ? info->geometry().right() + 4 : info->geometry().left() - 4,
                       info->geometry().top() + 9);
    painter.drawLine(start, note.target);
    painter.drawEllipse(note.target, 2, 2);
  }
}

}  // namespace velvara::settings
