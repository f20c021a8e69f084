#include "analysis/ui/nostop_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPen>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/buhlmann.h"
#include "app/ui/color_dialogs.h"
#include "app/ui/kelp_doc.h"
#include "core/settings.h"
#include "profile/ui/profile_plot.h"

namespace {

constexpr int kPositions = 18;     // 12, 15, ... 63 m
QColor noStopColor(int index) { return kelp::toQColor(kelp::settings().noStopColors[static_cast<size_t>(index)]); }

}  // namespace

CNoStopView::CNoStopView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("1030"));
  setMinimumSize(480, 320);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

namespace {
// The chart's frame and scales: the table depths across, 0 to 200 minutes up.
CProfilePlot chartPlot(const QRect& area) {
  CProfilePlot plot;
  plot.setFrame(noStopColor(kelp::kNsLines), noStopColor(kelp::kNsText), 42, 24, area.width() - 60,
                area.height() - 48);
  plot.setRanges(0, kPositions - 1, 0, 200);
  plot.setYStep(20);
  return plot;
}
}  // namespace

void CNoStopView::draw(QPainter& p, const QRect& area, const kelp::DiveTables* tables,
                       const std::array<bool, 5>& shown) {
  p.save();
  p.fillRect(area, noStopColor(kelp::kNsBackground));
  p.setClipRect(area);
  p.translate(area.topLeft());
  CProfilePlot plot = chartPlot(area);
  plot.drawMinuteAxes(p, kPositions);
  if (tables) {
    const auto curves = tables->noStopCurves();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int k = 0; k < 5; ++k) {
      if (!shown[static_cast<size_t>(k)]) continue;
      const auto& points = curves[static_cast<size_t>(k)].points;
      const QColor c = noStopColor(kelp::kNsCurve1 + k);
      // Minutes above the top of the frame sit on its edge, as the plotter's value curve has them.
      auto at = [&](int i) {
        return plot.map(static_cast<double>(i), std::max(0.0, 200.0 - points[static_cast<size_t>(i)]));
      };
      p.setPen(QPen(c, 2));
      for (const auto& [from, to] : kelp::noStopCurveSegments(points)) p.drawLine(at(from), at(to));
      // A dot on each value of the table: a known point without a known neighbour stands alone.
      p.setPen(Qt::NoPen);
      p.setBrush(c);
      for (size_t i = 0; i < points.size(); ++i) {
        if (points[i] == kelp::kUnknownValue) continue;
        const QPoint pt = at(static_cast<int>(i));
        p.drawEllipse(pt, 3, 3);
      }
    }
  }
  p.restore();
}

void CNoStopView::drawComputed(QPainter& p, const QRect& area, const std::vector<int>& points) {
  p.save();
  p.setClipRect(area);
  p.translate(area.topLeft());
  CProfilePlot plot = chartPlot(area);
  std::vector<double> values;
  // A limit beyond the longest bottom time planned runs along the top edge.
  for (int v : points) values.push_back(v == kelp::kNoStopBeyond ? 1000.0 : v);
  p.setRenderHint(QPainter::Antialiasing, false);
  plot.drawValueCurve(p, computedColor(), 2, values.data(), static_cast<int>(values.size()));
  p.restore();
}

QColor CNoStopView::computedColor() { return QColor(0, 150, 150); }

void CNoStopView::paintEvent(QPaintEvent*) {
  QPixmap pix(size());
  {
    QPainter p(&pix);
    draw(p, pix.rect(), kelp::diveTables(), CNoStopTableDlg::curvesShown());
    if (CNoStopTableDlg::computedShown())
      drawComputed(p, pix.rect(), kelp::buhlmannNoStopCurve(kelp::settings().gfLow, kelp::settings().gfHigh));
  }
  QPainter(this).drawPixmap(0, 0, pix);
}

std::array<bool, 5>& CNoStopTableDlg::curvesShown() {
  static std::array<bool, 5> shown{true, true, true, true, true};
  return shown;
}

bool& CNoStopTableDlg::computedShown() {
  static bool shown = true;
  return shown;
}

CNoStopTableDlg::CNoStopTableDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("134"));
  setWindowTitle(tr("Tabella no stop"));
  view_ = new CNoStopView(this);
  static const char* const labels[5] = {"Deco 92 0-700 m", "Deco 92 701-1500 m", "US Navy", "Aladin 0-900 m",
                                        "Aladin 1750-2700 m"};
  auto* side = new QVBoxLayout;
  for (int k = 0; k < 5; ++k) {
    auto* box = new QCheckBox(QString::fromLatin1(labels[k]), this);
    box->setObjectName(QString::number(1025 + k));
    box->setChecked(curvesShown()[static_cast<size_t>(k)]);
    // The check box carries its curve's colour as a swatch.
    QPixmap swatch(14, 14);
    swatch.fill(noStopColor(kelp::kNsCurve1 + k));
    box->setIcon(QIcon(swatch));
    connect(box, &QCheckBox::toggled, this, [this, k](bool on) {
      curvesShown()[static_cast<size_t>(k)] = on;
      view_->update();
    });
    boxes_[static_cast<size_t>(k)] = box;
    side->addWidget(box);
  }
  {
    // The sixth curve, computed with the gradient factors of the settings.
    computedBox_ = new QCheckBox(
        tr("Bühlmann ZH-L16C GF %1/%2 (calcolato)").arg(kelp::settings().gfLow).arg(kelp::settings().gfHigh), this);
    computedBox_->setObjectName(QStringLiteral("1032"));
    computedBox_->setChecked(computedShown());
    QPixmap swatch(14, 14);
    swatch.fill(CNoStopView::computedColor());
    computedBox_->setIcon(QIcon(swatch));
    connect(computedBox_, &QCheckBox::toggled, this, [this](bool on) {
      computedShown() = on;
      view_->update();
    });
    side->addWidget(computedBox_);
  }
  side->addStretch();
  auto* colors = new QPushButton(tr("Colori"), this);
  colors->setObjectName(QStringLiteral("1031"));
  colors->setAutoDefault(false);
  auto* close = new QPushButton(tr("Chiudi"), this);
  close->setObjectName(QStringLiteral("1"));
  side->addWidget(colors);
  side->addWidget(close);
  std::string error;
  if (!kelp::diveTables(&error)) {
    auto* note = new QLabel(QString::fromStdString(error), this);
    note->setWordWrap(true);
    note->setMaximumWidth(180);
    side->insertWidget(6, note);
  }
  auto* main = new QHBoxLayout(this);
  main->addWidget(view_, 1);
  main->addLayout(side);

  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(colors, &QPushButton::clicked, this, [this] {
    CNoStopColorsDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted) return;
    for (int k = 0; k < 5; ++k) {
      QPixmap swatch(14, 14);
      swatch.fill(noStopColor(kelp::kNsCurve1 + k));
      boxes_[static_cast<size_t>(k)]->setIcon(QIcon(swatch));
    }
    view_->update();
  });
  resize(760, 480);
}

void openNoStopTable(QWidget* parent) {
  std::string error;
  if (!kelp::diveTables(&error)) tellUser(parent, QString::fromStdString(error));
  CNoStopTableDlg dlg(parent);
  dlg.exec();
}
