#include "widgets/colors/frmWebColors.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <vector>

#include "core/helpers/Colors.h"
#include "core/helpers/WebColors.h"
#include "i18n/AddedStrings.h"
#include "platform/mlruntime/LanguageSupport.h"
#include "platform/windowing/DialogOwner.h"
#include "platform/windowing/WindowPlacement.h"
#include "platform/windowing/WindowTitle.h"
#include "widgets/colors/ColorLabel.h"
#include "widgets/design/Twips.h"

namespace velvara::widgets {

namespace {

constexpr int kStrSelectColor = 31;
constexpr int kStrCancel = 9;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0;
constexpr int kRows = 36;
constexpr int kColumns = 6;

QString text(const i18n::StringService& strings, int id) { return QString::fromStdString(strings.loadMlString(id)); }

// The rows whose green part is 00, 33 or 66 are dark enough for white text.
bool darkRow(int row) { return (row - 1) % 6 < 3; }

}  // namespace

bool frmWebColors::bChooseColor(const std::string& sTitle, std::uint32_t& color_rv) {
  QDialog window(windowing::dialogOwner());
  window.setObjectName("frmWebColors");
  window.setFixedSize(twipsToPixels(8235), twipsToPixels(10620));

  auto* lblSample = new ColorLabel(&window);
  lblSample->setObjectName("lblSample");
  lblSample->setGeometry(twipsRect(50, 10200, 5415, 375));
  lblSample->setBackColor(kBlack);
  lblSample->setForeColor(kWhite);
  auto* cmdOK = new QPushButton("OK", &window);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setGeometry(twipsRect(5520, 10200, 1335, 375));
  auto* cmdCancel = new QPushButton(&window);
  cmdCancel->setObjectName("cmdCancel");
  cmdCancel->setGeometry(twipsRect(6960, 10200, 1215, 375));
  // No default button, as in the colour dialog that opens the palette: Enter
  // neither takes the sample nor closes the window.
  for (QPushButton* button : {cmdOK, cmdCancel}) button->setAutoDefault(false);

  // The web colour the sample shows, "" until one is clicked.
  std::string sampleColor;
  const auto nameSample = [&] {
    lblSample->setAccessibleName(QString::fromStdString(
        sampleColor.empty() ? strings_.loadMlString(i18n::added::kNameChosenColor)
                            : strings_.fillIn(i18n::added::kNameChosenColorValue, {sampleColor})));
  };
  const auto loadCaptions = [&] {
    window.setWindowTitle(text(strings_, kStrSelectColor));
    cmdCancel->setText(text(strings_, kStrCancel));
    cmdCancel->setAccessibleName(cmdCancel->text());
    nameSample();
  };
  loadCaptions();
  mlruntime::LanguageSupport languageSupport([&](int langId, const std::string& langName) {
    strings_.setCurrentLanguage(langId, langName);
    loadCaptions();
    windowing::setShownTitle(window, QString::fromStdString(sTitle));
  });
  windowing::setShownTitle(window, QString::fromStdString(sTitle));
  windowing::openOnOwnersScreen(window);

  const std::vector<std::string> webColorTable = core::buildWebColorTable();
  std::vector<ColorLabel*> lblColor;
  const auto addCell = [&](int index, int row, int column, std::uint32_t textColor) {
    auto* cell = new ColorLabel(&window);
    cell->setObjectName(QString("lblColor_%1").arg(index));
    cell->setGeometry(twipsRect(50 + 1360 * (column - 1), 50 + 280 * (row - 1), 1335, 255));
    const std::string& entry = webColorTable[index == 0 ? 0 : index - 1];
    cell->setBackColor(static_cast<std::uint32_t>(core::htmlToColor(entry)));
    cell->setForeColor(textColor);
    cell->setAccessibleName(QString::fromStdString(entry));
    QObject::connect(cell, &ColorLabel::clicked, lblSample, [&, lblSample, cell, entry] {
      lblSample->setBackColor(cell->backColor());
      lblSample->setForeColor(cell->foreColor());
      lblSample->setText(cell->text());
      sampleColor = entry;
      nameSample();
    });
    lblColor.push_back(cell);
    return cell;
  };
  // Cell 0 is part of the design; cell 1 lies exactly over it.
  addCell(0, 1, 1, kWhite);
  for (int row = 1; row <= kRows; ++row) {
    for (int column = 1; column <= kColumns; ++column) {
      ColorLabel* cell = addCell(kColumns * (row - 1) + column, row, column, darkRow(row) ? kWhite : kBlack);
      cell->setToolTip(cell->accessibleName());
    }
  }

  bool okPressed = false;
  std::uint32_t chosen = kBlack;
  QObject::connect(cmdOK, &QPushButton::clicked, &window, [&] {
    okPressed = true;
    chosen = lblSample->backColor();
    window.accept();
  });
  QObject::connect(cmdCancel, &QPushButton::clicked, &window, [&] {
    okPressed = false;
    window.reject();
  });
  window.exec();
  if (!okPressed) return false;
  color_rv = chosen;
  return true;
}

}  // namespace velvara::widgets
