#include "analysis/ui/stat_month_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/ui/stat_bars.h"
#include "analysis/ui/stat_chart_view.h"
#include "app/ui/color_dialogs.h"
#include "core/settings.h"

CDivesPerMonthDlg::CDivesPerMonthDlg(const kelp::Logbook& lb, QWidget* parent)
    : QDialog(parent), result_(kelp::divesPerMonth(lb)) {
  setObjectName(QStringLiteral("204"));
  setWindowTitle(tr("Immersioni al mese"));
  auto* top = new QVBoxLayout(this);
  view_ = new CStatChartView(this);
  view_->setResult(&result_, 0, result_.rowCount);
  top->addWidget(view_, 1);

  auto* bottom = new QHBoxLayout;
  const struct {
    int color;
    const char* text;
  } legend[] = {{kelp::kStFresh, QT_TR_NOOP("Acqua dolce")},
                {kelp::kStSea, QT_TR_NOOP("Acqua salata")},
                {kelp::kStChamber, QT_TR_NOOP("Camera iper")}};
  for (const auto& l : legend) {
    auto* sw = new CStatSwatch(l.color, this);
    sw->setFixedSize(30, 12);
    bottom->addWidget(sw);
    bottom->addWidget(new QLabel(tr(l.text), this));
    bottom->addSpacing(12);
  }
  bottom->addStretch(1);
  auto* colors = new QPushButton(tr("Colori"), this);
  colors->setObjectName(QStringLiteral("colors"));
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("1"));
  ok->setDefault(true);
  bottom->addWidget(colors);
  bottom->addWidget(ok);
  top->addLayout(bottom);
  connect(colors, &QPushButton::clicked, this, &CDivesPerMonthDlg::chooseColors);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  resize(sizeHint().expandedTo(QSize(680, 0)));
}

void CDivesPerMonthDlg::chooseColors() {
  const bool ok = colorDialog ? colorDialog() : [this] {
    CStatColorsDlg dlg(this);
    return dlg.exec() == QDialog::Accepted;
  }();
  if (!ok) return;
  view_->rebuild();
  for (auto* s : findChildren<CStatSwatch*>()) s->update();
}
