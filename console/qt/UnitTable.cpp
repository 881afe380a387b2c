// The table of the 11 units: judge number, indicator, award, and the echo counters.
#include <QLabel>

#include "console/qt/Led.h"
#include "console/qt/Main.h"
#include "link/Frame.h"

namespace telvane {

namespace {

constexpr int FirstRowTop = 264;
constexpr int RowPitch = 23;
constexpr int RowHeight = 17;

// There is no Label28: the eleventh judge's number is Label29.
std::string JudgeLabelName(int unit) {
  return "Label" + std::to_string(unit <= 10 ? 17 + unit : 29);
}

}  // namespace

void TfrmMain::BuildUnitTable() {
  Translated(AddFittedLabel("Label13", Anchor::Left, {18, 238}));
  AddFittedLabel("Label14", Anchor::Left, {67, 238})->setText("MTE");
  Translated(AddFittedLabel("Label16", Anchor::Left, {117, 238}));
  Translated(AddLabel("Label1", {157, 217, 140, 27}, Qt::AlignCenter));
  Translated(AddFittedLabel("Label2", Anchor::Left, {183, 239}));
  Translated(AddFittedLabel("Label3", Anchor::Left, {240, 239}));

  QFont awardFont("Tahoma");
  awardFont.setPixelSize(15);
  for (int unit = 1; unit <= MaxUnits; ++unit) {
    const int top = FirstRowTop + (unit - 1) * RowPitch;
    const std::string character(1, UnitChars[static_cast<std::size_t>(unit - 1)]);

    AddLabel(JudgeLabelName(unit), {25, top, 20, RowHeight}, Qt::AlignHCenter | Qt::AlignVCenter)
        ->setText(QString::number(unit));

    auto* led = new Led(this);
    led->setObjectName(QString("LED%1").arg(unit));
    led->setAccessibleName(QString("MTE %1").arg(unit));
    led->setGeometry(77, top, 16, 17);
    connect(led, &Led::clicked, this,
            Handler([this, name = led->objectName().toStdString()] { model_.LEDClick(name); }));
    leds_[static_cast<std::size_t>(unit - 1)] = led;
    RenderLed(unit);

    QLabel* award = AddLabel("Awd" + std::to_string(unit), {95, top - 2, 54, RowHeight + 4},
                             Qt::AlignRight | Qt::AlignVCenter);
    award->setFont(awardFont);
    AddLabel("lblWrite" + character, {150, top, 56, RowHeight}, Qt::AlignRight | Qt::AlignVCenter);
    AddLabel("lblRead" + character, {207, top, 56, RowHeight}, Qt::AlignRight | Qt::AlignVCenter);
    for (const std::string& name :
         {"Awd" + std::to_string(unit), "lblWrite" + character, "lblRead" + character})
      labels_.at(name)->setText(QString::fromStdString(model_.Label(name)));
  }
}

}  // namespace telvane
