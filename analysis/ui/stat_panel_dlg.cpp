#include "analysis/ui/stat_panel_dlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/ui/stat_bars.h"
#include "analysis/ui/stat_print.h"
#include "app/ui/color_dialogs.h"
#include "core/logbook.h"
#include "core/settings.h"

namespace {

struct PanelRadio {
  int id;
  const char* text;
};
// Radio of each chart index.
const PanelRadio kRadios[kelp::kStatChartCount] = {
    {1024, QT_TRANSLATE_NOOP("CStatPanelDlg", "Anno")},
    {1026, QT_TRANSLATE_NOOP("CStatPanelDlg", "Mese")},
    {1027, QT_TRANSLATE_NOOP("CStatPanelDlg", "Prof imm")},
    {1028, QT_TRANSLATE_NOOP("CStatPanelDlg", "Tempo imm")},
    {1029, QT_TRANSLATE_NOOP("CStatPanelDlg", "Temperatura")},
    {1030, QT_TRANSLATE_NOOP("CStatPanelDlg", "Muta")},
    {1031, QT_TRANSLATE_NOOP("CStatPanelDlg", "Meteo")},
    {1033, QT_TRANSLATE_NOOP("CStatPanelDlg", "Tipo imm")},
    {1032, QT_TRANSLATE_NOOP("CStatPanelDlg", "Attività")},
    {1139, QT_TRANSLATE_NOOP("CStatPanelDlg", "Consumo aria annuale")},
    {1140, QT_TRANSLATE_NOOP("CStatPanelDlg", "Consumo aria mensile")}};

QSize screenSizeOf(const QWidget* w) {
  const QScreen* s = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  return s ? s->size() : QSize(0, 0);
}

}  // namespace

QPoint savedStatPosition(bool panel) {
  const kelp::Settings& s = kelp::settings();
  return panel ? QPoint(s.statMainX, s.statMainY) : QPoint(s.statSubX, s.statSubY);
}

void storeStatPosition(bool panel, const QPoint& p) {
  kelp::Settings& s = kelp::settings();
  (panel ? s.statMainX : s.statSubX) = p.x();
  (panel ? s.statMainY : s.statSubY) = p.y();
  const QSize scr = screenSizeOf(nullptr);
  const std::string section = kelp::screenSection(scr.width(), scr.height());
  const std::string prefix = panel ? "StatMainWindow" : "StatSubWindow";
  kelp::settingsFile().setInt(section, prefix + "_x", p.x());
  kelp::settingsFile().setInt(section, prefix + "_y", p.y());
  kelp::settingsFile().save();
}

int& CStatPanelDlg::chartIndex() {
  static int index = 0;
  return index;
}

CStatPanelDlg::CStatPanelDlg(const kelp::Logbook& lb, QWidget* parent) : QDialog(parent), lb_(lb) {
  setObjectName(QStringLiteral("161"));
  setWindowTitle(tr("Statistiche"));
  auto* top = new QVBoxLayout(this);

  auto* charts = new QGroupBox(this);
  auto* chartsBox = new QVBoxLayout(charts);
  radios_ = new QButtonGroup(this);
  for (int i = 0; i < kelp::kStatChartCount; ++i) {
    auto* b = new QRadioButton(tr(kRadios[i].text), charts);
    b->setObjectName(QString::number(kRadios[i].id));
    radios_->addButton(b, i);
    chartsBox->addWidget(b);
  }
  top->addWidget(charts);
  connect(radios_, &QButtonGroup::idClicked, this, [this](int i) { showChart(i); });

  // legend: each swatch beside its label
  auto* legend = new QGridLayout;
  const struct {
    int id, color;
    const char* text;
  } swatches[] = {{1306, kelp::kStFresh, QT_TR_NOOP("Acqua dolce")},
                  {1307, kelp::kStSea, QT_TR_NOOP("Acqua salata")},
                  {1308, kelp::kStChamber, QT_TR_NOOP("Ricompres.")},
                  {1309, kelp::kStBelow, QT_TR_NOOP("Valori sotto Ø")},
                  {1310, kelp::kStAbove, QT_TR_NOOP("Valori sopra Ø")}};
  int row = 0;
  for (const auto& s : swatches) {
    auto* sw = new CStatSwatch(s.color, this);
    sw->setObjectName(QString::number(s.id));
    sw->setFixedSize(30, 12);
    legend->addWidget(sw, row, 0);
    legend->addWidget(new QLabel(tr(s.text), this), row++, 1);
  }
  top->addLayout(legend);

  auto* colors = new QPushButton(tr("Imposta colori"), this);
  colors->setObjectName(QStringLiteral("1332"));
  auto* printButton = new QPushButton(tr("Stampa"), this);
  printButton->setObjectName(QStringLiteral("11"));
  auto* close = new QPushButton(tr("Chiudi"), this);
  close->setObjectName(QStringLiteral("1"));
  top->addWidget(colors);
  top->addWidget(printButton);
  top->addWidget(close);
  connect(colors, &QPushButton::clicked, this, &CStatPanelDlg::chooseColors);
  connect(printButton, &QPushButton::clicked, this, &CStatPanelDlg::print);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  adjustSize();
  const QPoint saved = savedStatPosition(true);
  const bool restore = kelp::settings().savePositions && saved.x() != -1 && saved.y() != -1;
  if (restore) move(saved);
  if (auto* b = radios_->button(chartIndex())) b->setChecked(true);
  showChart(chartIndex());
  if (!restore && chart_) placePair();
}

CStatPanelDlg::~CStatPanelDlg() {
  closing_ = true;
  delete chart_.data();
}

void CStatPanelDlg::closeChart() {
  if (!chart_) return;
  storeStatPosition(false, chart_->pos());
  CStatChartDlg* c = chart_;
  chart_ = nullptr;
  c->hide();
  c->deleteLater();
}

void CStatPanelDlg::placeChart(CStatChartDlg* c) {
  const QPoint saved = savedStatPosition(false);
  if (kelp::settings().savePositions && saved.x() != -1 && saved.y() != -1) {
    c->move(saved);
    return;
  }
  // beside the panel: at least 150 pixels right of its left edge and clear of its frame
  const QRect f = frameGeometry();
  QPoint at(std::max(f.left() + 150, f.right() + 4), f.top() + 24);
  // on the screen: a chart that would leave it on the right goes over the panel instead
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (s) {
    const QRect avail = s->availableGeometry();
    at.setX(std::max(avail.left(), std::min(at.x(), avail.right() + 1 - c->frameGeometry().width())));
  }
  c->move(at);
}

void CStatPanelDlg::placePair() {
  // The panel and its chart side by side, centred over the main window and on its screen.
  const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
  const QScreen* s = over && over->screen() ? over->screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  const QRect area = s->availableGeometry();
  const QRect centre = over && over->isVisible() ? over->frameGeometry() : area;
  constexpr int kFrame = 8;  // a window manager's borders, roughly
  const int pairWidth = width() + kFrame + 4 + chart_->width() + kFrame;
  const int x = std::clamp(centre.center().x() - pairWidth / 2, area.left(),
                           std::max(area.left(), area.right() + 1 - pairWidth));
  const int y = std::clamp(centre.center().y() - height() / 2, area.top(),
                           std::max(area.top(), area.bottom() + 1 - height() - 2 * kFrame));
  move(x, y);
  if (!(kelp::settings().savePositions && savedStatPosition(false) != QPoint(-1, -1)))
    chart_->move(x + width() + 2 * kFrame + 4, y + 24);
}

void CStatPanelDlg::showChart(int index) {
  if (index < 0 || index >= kelp::kStatChartCount) return;
  closeChart();
  chartIndex() = index;
  if (auto* b = radios_->button(index); b && !b->isChecked()) b->setChecked(true);
  auto* c = new CStatChartDlg(index, lb_, states_[static_cast<size_t>(index)], this);
  placeChart(c);
  chart_ = c;
  // Before the panel is on the screen the chart waits for it (see showEvent): a window
  // mapped ahead of the one it belongs to may end up under the main window.
  if (isVisible()) c->show();
}

void CStatPanelDlg::repaintLegend() {
  for (auto* s : findChildren<CStatSwatch*>()) s->update();
}

void CStatPanelDlg::chooseColors() {
  closeChart();
  const bool ok = colorDialog ? colorDialog() : [this] {
    CStatColorsDlg dlg(this);
    return dlg.exec() == QDialog::Accepted;  // OK makes its colours current
  }();
  if (ok) repaintLegend();
  showChart(chartIndex());
}

void CStatPanelDlg::print() {
  if (!chart_) return;
  const kelp::StatResult result = chart_->result();
  closeChart();
  if (printer)
    printer(chartIndex(), result);
  else
    // a logbook that was never saved has no file name to print in the footer
    printStatChart(this, result, lb_.path.find('/') == std::string::npos ? std::string() : lb_.path);
  showChart(chartIndex());
}

void CStatPanelDlg::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // the first chart, placed with the panel, shows once the panel is on the screen
  if (!placed_)
    QTimer::singleShot(0, this, [this] {
      if (!chart_ || closing_) return;
      chart_->show();
      chart_->raise();
    });
  placed_ = true;
}

void CStatPanelDlg::done(int r) {
  if (!closing_) {
    closing_ = true;
    storeStatPosition(true, pos());
    closeChart();
  }
  QDialog::done(r);
}
