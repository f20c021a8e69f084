#include "app/ui/color_dialogs.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "profile/ui/profile_plot.h"

namespace kelp {

// A readable palette: with every colour at 0 the profile would be black on black.
const ProfileColors& defaultProfileColors() {
  static const ProfileColors c{rgb(0, 0, 192),     rgb(0, 160, 160), rgb(255, 255, 232),
                               rgb(0, 150, 0),     rgb(0, 0, 0),     rgb(128, 128, 128),
                               rgb(255, 0, 0),     rgb(255, 128, 0)};
  return c;
}

const NoStopColors& defaultNoStopColors() {
  static const NoStopColors c{rgb(0, 0, 255),  rgb(0, 160, 0),   rgb(255, 0, 0),
                              rgb(160, 0, 160), rgb(200, 120, 0), rgb(255, 255, 255),
                              rgb(0, 0, 0),     rgb(192, 192, 192)};
  return c;
}

const StatisticsColors& defaultStatisticsColors() {
  static const StatisticsColors c{rgb(0, 160, 0), rgb(0, 0, 192), rgb(160, 0, 0),
                                  rgb(255, 200, 0), rgb(0, 192, 255)};
  return c;
}

void useDefaultColorsWhenUnset(const IniFile& ini, Settings& s) {
  if (!ini.hasSection("Color List Profil")) s.profileColors = defaultProfileColors();
  if (!ini.hasSection("Color List Nullzeiten")) s.noStopColors = defaultNoStopColors();
  if (!ini.hasSection("Color List Statistik")) s.statisticsColors = defaultStatisticsColors();
}

}  // namespace kelp

namespace {

// A made-up dive for the previews: descent, a deep part with a warning and a
// decompression obligation, a stop and the ascent.
const kelp::DiveRecord& previewDive() {
  static const kelp::DiveRecord dive = [] {
    kelp::DiveRecord d;
    std::memset(&d, 0, sizeof d);
    const int n = 90;
    d.sampleCount = n;
    d.samples[0].depth = -1.3f;
    float maxDepth = 0;
    for (int i = 1; i < n; ++i) {
      float depth;
      if (i < 12) depth = i * 2.4f;
      else if (i < 50) depth = 28.0f - 3.0f * std::sin(i / 5.0f);
      else if (i < 70) depth = 28.0f - (i - 50) * 1.1f;
      else if (i < 80) depth = 5.0f;
      else depth = std::max(0.0f, 5.0f - (i - 80) * 0.6f);
      d.samples[i].depth = -depth;
      maxDepth = std::max(maxDepth, depth);
      if (i >= 30 && i < 72) d.samples[i].sampleFlags |= 0x01;
      if (i == 55 || i == 56) d.samples[i].sampleFlags |= 0x08;
      if (i >= 40 && i < 44) d.samples[i].sampleFlags |= 0x20;
      if (i == 62) d.samples[i].sampleFlags |= 0x02;
    }
    d.profileMaxDepth = maxDepth;
    return d;
  }();
  return dive;
}

QColor qc(kelp::Color c) { return kelp::toQColor(c); }

}  // namespace

CGetColor::CGetColor(kelp::Color initial, QWidget* parent) : QColorDialog(kelp::toQColor(initial), parent) {}

CColorPreview::CColorPreview(Painter painter, QWidget* parent)
    : QWidget(parent), painter_(std::move(painter)) {}

void CColorPreview::paintEvent(QPaintEvent*) {
  // Off-screen first, then one copy.
  QImage img(size(), QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    if (painter_) painter_(p, img.rect());
  }
  QPainter p(this);
  p.drawImage(0, 0, img);
}

CColorSetDlg::CColorSetDlg(const char* title, int id, std::vector<Entry> entries,
                           std::vector<kelp::Color> working, std::vector<kelp::Color> defaults,
                           QWidget* parent)
    : QDialog(parent), working_(std::move(working)), entries_(std::move(entries)),
      defaults_(std::move(defaults)) {
  setObjectName(QString::number(id));
  setWindowTitle(tr(title));
  auto* top = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  group_ = new QButtonGroup(this);
  for (size_t i = 0; i < entries_.size(); ++i) {
    auto* radio = new QRadioButton(tr(entries_[i].label), this);
    radio->setObjectName(QStringLiteral("entry%1").arg(entries_[i].index));
    group_->addButton(radio, static_cast<int>(i));
    left->addWidget(radio);
  }
  if (!entries_.empty()) group_->button(0)->setChecked(true);
  left->addStretch();
  top->addLayout(left);

  auto* right = new QVBoxLayout;
  previews_ = new QVBoxLayout;
  right->addLayout(previews_, 1);
  buttons_ = new QHBoxLayout;
  auto* setColor = new QPushButton(tr("Imposta colori"), this);
  setColor->setObjectName(QStringLiteral("setColor"));
  connect(setColor, &QPushButton::clicked, this, &CColorSetDlg::chooseColor);
  auto* normal = new QPushButton(tr("Normale"), this);
  normal->setObjectName(QStringLiteral("defaults"));
  connect(normal, &QPushButton::clicked, this, &CColorSetDlg::restoreDefaults);
  buttons_->addWidget(setColor);
  buttons_->addWidget(normal);
  buttons_->addStretch();
  right->addLayout(buttons_);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  box->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  box->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  right->addWidget(box);
  top->addLayout(right, 1);
}

CColorPreview* CColorSetDlg::addPreview(CColorPreview::Painter painter, QSize minimum) {
  auto* w = new CColorPreview(std::move(painter), this);
  w->setObjectName(QStringLiteral("preview%1").arg(previewWidgets_.size()));
  w->setMinimumSize(minimum);
  previews_->addWidget(w, minimum.height());
  previewWidgets_.push_back(w);
  return w;
}

QPushButton* CColorSetDlg::addButton(const QString& text, const char* name) {
  auto* b = new QPushButton(text, this);
  b->setObjectName(QString::fromLatin1(name));
  buttons_->insertWidget(buttons_->count() - 1, b);
  return b;
}

int CColorSetDlg::selectedEntry() const {
  const int i = group_->checkedId();
  return i < 0 ? entries_.front().index : entries_[static_cast<size_t>(i)].index;
}

void CColorSetDlg::selectEntry(int index) {
  for (size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].index == index) group_->button(static_cast<int>(i))->setChecked(true);
}

void CColorSetDlg::setSelectedColor(kelp::Color c) {
  working_[static_cast<size_t>(selectedEntry())] = c;
  repaintPreviews();
}

void CColorSetDlg::restoreDefaults() {
  working_ = defaults_;
  repaintPreviews();
}

void CColorSetDlg::repaintPreviews() {
  for (QWidget* w : previewWidgets_) w->update();
}

void CColorSetDlg::chooseColor() {
  CGetColor picker(working_[static_cast<size_t>(selectedEntry())], this);
  if (picker.exec() == QDialog::Accepted) setSelectedColor(picker.color());
}

// ---- profile colours (133) ----

CProfileColorsDlg::CProfileColorsDlg(QWidget* parent)
    : CColorSetDlg(QT_TRANSLATE_NOOP("CColorSetDlg", "Profilo Colori"), 133,
                   {{QT_TRANSLATE_NOOP("CColorSetDlg", "Profilo"), kelp::kColProfile},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Sfondo"), kelp::kColBackground},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Secondo profilo"), kelp::kColClipProfile},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Linea di deco"), kelp::kColDecoLine},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Allarmi"), kelp::kColWarnings},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Linee"), kelp::kColLines},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Testo"), kelp::kColText},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Affanno"), kelp::kColRadio}},
                   {kelp::settings().profileColors.begin(), kelp::settings().profileColors.end()},
                   {kelp::defaultProfileColors().begin(), kelp::defaultProfileColors().end()},
                   parent) {
  // The dive with a second profile laid over it, and its warning strip.
  addPreview(
      [this](QPainter& p, const QRect& r) {
        const kelp::ProfileColors c = working();
        const kelp::DiveRecord& d = previewDive();
        kelp::drawProfilePreview(p, r, d, c, true);
        CProfilePlot plot;
        plot.setFrame(qc(c[kelp::kColLines]), qc(c[kelp::kColText]), r.x() + 26, r.y() + 24,
                      r.width() - 50, r.height() - 48);
        plot.setMetric(true);
        plot.setDiveRanges(d);
        double clip[kelp::MAX_SAMPLES];
        const int n = d.sampleCount + 1;
        for (int i = 0; i < n; ++i) clip[i] = d.samples[i].depth * 0.8;
        plot.drawClipCurve(p, qc(c[kelp::kColClipProfile]), qc(c[kelp::kColWarnings]), 2, clip,
                           nullptr, n);
      },
      QSize(320, 200));
  addPreview(
      [this](QPainter& p, const QRect& r) {
        const kelp::ProfileColors c = working();
        const kelp::DiveRecord& d = previewDive();
        p.fillRect(r, qc(c[kelp::kColBackground]));
        CProfilePlot plot;
        plot.setFrame(qc(c[kelp::kColLines]), qc(c[kelp::kColText]), r.x() + 26, r.y() + 4,
                      r.width() - 50, r.height() - 8);
        plot.setDiveRanges(d);
        plot.drawLaneAxes(p, d.sampleCount + 1, true);
        plot.drawWarningLanes(p, qc(c[kelp::kColWarnings]), qc(c[kelp::kColRadio]), 3, d.samples,
                              d.sampleCount + 1, true);
      },
      QSize(320, 80));
  connect(addButton(tr("Salva"), "save"), &QPushButton::clicked, this,
          &CProfileColorsDlg::onSave);
  connect(addButton(tr("Carica"), "load"), &QPushButton::clicked, this,
          &CProfileColorsDlg::onLoad);
}

kelp::ProfileColors CProfileColorsDlg::working() const {
  kelp::ProfileColors c{};
  std::copy(working_.begin(), working_.end(), c.begin());
  return c;
}

bool CProfileColorsDlg::loadScheme(const std::string& path) {
  kelp::ProfileColors c = working();
  if (!kelp::loadColorScheme(path, c)) return false;
  working_.assign(c.begin(), c.end());
  repaintPreviews();
  return true;
}

bool CProfileColorsDlg::saveScheme(const std::string& path) const {
  return kelp::saveColorScheme(path, working());
}

void CProfileColorsDlg::onLoad() {
  QFileDialog dlg(this);
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setDefaultSuffix(QStringLiteral("cst"));
  dlg.setNameFilter(QStringLiteral("*.cst"));
  if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
    loadScheme(dlg.selectedFiles().front().toStdString());
}

void CProfileColorsDlg::onSave() {
  QFileDialog dlg(this);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(QStringLiteral("cst"));
  dlg.setNameFilter(QStringLiteral("*.cst"));
  if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
    saveScheme(dlg.selectedFiles().front().toStdString());
}

void CProfileColorsDlg::accept() {
  kelp::settings().profileColors = working();
  kelp::saveAllSettings();
  QDialog::accept();
}

// ---- no-stop colours (135) ----

namespace {
// Illustrative falling curves, minutes over the depths 12, 15, 18, ... m.
double previewCurveValue(int curve, int i) {
  const double base = 190.0 - curve * 18.0;
  return base * std::exp(-0.2 * i) + 5.0;
}
}  // namespace

CNoStopColorsDlg::CNoStopColorsDlg(QWidget* parent)
    : CColorSetDlg(QT_TRANSLATE_NOOP("CColorSetDlg", "Colori"), 135,
                   {{QT_TRANSLATE_NOOP("CColorSetDlg", "Deco 92 (0-700 m)"), kelp::kNsCurve1},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Deco 92 (701-1500 m)"), kelp::kNsCurve2},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "US Navy"), kelp::kNsCurve3},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Aladin (0-900 m)"), kelp::kNsCurve4},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Aladin (1750-2700 m)"), kelp::kNsCurve5},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Sottofondo"), kelp::kNsBackground},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Griglia"), kelp::kNsLines},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Testo"), kelp::kNsText}},
                   {kelp::settings().noStopColors.begin(), kelp::settings().noStopColors.end()},
                   {kelp::defaultNoStopColors().begin(), kelp::defaultNoStopColors().end()},
                   parent) {
  addPreview(
      [this](QPainter& p, const QRect& r) {
        const kelp::NoStopColors c = working();
        p.fillRect(r, qc(c[kelp::kNsBackground]));
        p.save();
        p.translate(r.topLeft());
        CProfilePlot plot;
        plot.setFrame(qc(c[kelp::kNsLines]), qc(c[kelp::kNsText]), 42, 24, r.width() - 60,
                      r.height() - 48);
        plot.setRanges(0, 17, 0, 200);
        plot.setYStep(20);
        plot.drawMinuteAxes(p, 18);
        for (int k = 0; k < 5; ++k) {
          double values[18];
          for (int i = 0; i < 18; ++i) values[i] = previewCurveValue(k, i);
          plot.drawValueCurve(p, qc(c[static_cast<size_t>(kelp::kNsCurve1 + k)]), 2, values,
                              k == 2 ? 12 : 18);
        }
        p.restore();
      },
      QSize(420, 260));
}

kelp::NoStopColors CNoStopColorsDlg::working() const {
  kelp::NoStopColors c{};
  std::copy(working_.begin(), working_.end(), c.begin());
  return c;
}

void CNoStopColorsDlg::accept() {
  kelp::settings().noStopColors = working();
  kelp::saveAllSettings();
  QDialog::accept();
}

// ---- statistics colours (137) ----

CStatColorsDlg::CStatColorsDlg(QWidget* parent)
    : CColorSetDlg(QT_TRANSLATE_NOOP("CColorSetDlg", "Statistiche colori"), 137,
                   {{QT_TRANSLATE_NOOP("CColorSetDlg", "Acqua dolce"), kelp::kStFresh},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Acqua salata"), kelp::kStSea},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Camera di ricompressione"), kelp::kStChamber},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Valori sotto Ø"), kelp::kStBelow},
                    {QT_TRANSLATE_NOOP("CColorSetDlg", "Valori sopra Ø"), kelp::kStAbove}},
                   {kelp::settings().statisticsColors.begin(), kelp::settings().statisticsColors.end()},
                   {kelp::defaultStatisticsColors().begin(), kelp::defaultStatisticsColors().end()},
                   parent) {
  addPreview(
      [this](QPainter& p, const QRect& r) {
        p.fillRect(r, Qt::white);
        const int n = kelp::kStatColorCount;
        const int w = (r.width() - 10) / n;
        for (int i = 0; i < n; ++i) {
          const QRect swatch(r.x() + 5 + i * w + 4, r.y() + 10, w - 8, r.height() - 20);
          p.fillRect(swatch, qc(working_[static_cast<size_t>(i)]));
          p.setPen(Qt::black);
          p.drawRect(swatch.adjusted(0, 0, -1, -1));
        }
      },
      QSize(260, 70));
}

kelp::StatisticsColors CStatColorsDlg::working() const {
  kelp::StatisticsColors c{};
  std::copy(working_.begin(), working_.end(), c.begin());
  return c;
}

void CStatColorsDlg::accept() {
  kelp::settings().statisticsColors = working();
  kelp::saveAllSettings();
  QDialog::accept();
}
