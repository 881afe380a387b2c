// The left block above the unit table: the port selector, the two buttons and Keep Alive.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "common/Text.h"
#include "console/qt/Main.h"
#include "engine/MTEs.h"

namespace telvane {

namespace {

constexpr int PortColumns = 4;

}  // namespace

void TfrmMain::BuildLeftBlock() {
  ports_ = new QGroupBox(this);
  ports_->setObjectName("rgCOMPorts");
  ports_->setGeometry(8, 74, 269, 79);
  auto* grid = new QGridLayout(ports_);
  grid->setContentsMargins(8, 2, 8, 2);
  grid->setSpacing(0);
  Caption("rgCOMPorts", [this](const QString& text) {
    ports_->setTitle(text);
    ports_->setAccessibleName(text);
  });

  auto* poll = new QPushButton(this);
  poll->setObjectName("btnPoll");
  poll->setGeometry(77, 172, 97, 25);
  connect(poll, &QPushButton::clicked, this, Handler([this] { model_.btnPollClick(); }));

  auto* stop = new QPushButton(this);
  stop->setObjectName("btnStop");
  stop->setGeometry(180, 172, 97, 25);
  connect(stop, &QPushButton::clicked, this, Handler([this] { model_.btnStopClick(); }));

  auto* keepAlive = new QCheckBox(this);
  keepAlive->setObjectName("cbKeepAlive");
  keepAlive->setGeometry(18, 201, 89, 17);
  connect(keepAlive, &QCheckBox::toggled, this,
          [this](bool checked) { Guarded(model_, [&] { model_.cbKeepAliveClick(checked); }); });

  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{poll, stop, keepAlive}) {
    Caption(button->objectName().toStdString(), [button](const QString& text) {
      button->setText(text);
      button->setAccessibleName(text);
    });
  }
}

// The items fill the columns top to bottom, one column after the other. A port's device
// stands in its tool tip, since the number alone does not say which adapter it is.
void TfrmMain::RenderPortItems() {
  for (QRadioButton* old : ports_->findChildren<QRadioButton*>()) delete old;
  auto* grid = static_cast<QGridLayout*>(ports_->layout());
  const int count = static_cast<int>(model_.PortItems.size());
  const int rows = (count + PortColumns - 1) / PortColumns;
  for (int i = 0; i < count; ++i) {
    const std::string& item = model_.PortItems[static_cast<std::size_t>(i)];
    auto* radio = new QRadioButton(QString::fromStdString(item), ports_);
    radio->setAccessibleName(radio->text());
    radio->setChecked(i == model_.PortItemIndex);
    if (model_.frmMTEs)
      radio->setToolTip(
          QString::fromStdString(model_.frmMTEs->COMPort.DeviceName(ParseInt(item).value_or(0))));
    grid->addWidget(radio, i % rows, i / rows);
    connect(radio, &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) Guarded(model_, [&] { model_.rgCOMPortsClick(i); });
    });
  }
}

}  // namespace telvane
