#include "analysis/ui/deco_calc_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <ctime>

#include "analysis/dive_tables.h"
#include "analysis/ui/print/deco_page.h"
#include "app/ui/color_dialogs.h"
#include "app/ui/kelp_doc.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/profile_clip.h"
#include "profile/ui/print_job.h"
#include "profile/ui/profile_plot.h"

namespace {

QColor profileColor(int index) { return kelp::toQColor(kelp::settings().profileColors[static_cast<size_t>(index)]); }

QString number(double v) { return QString::number(v, 'g', 10); }

double readDouble(const QLineEdit* e) {
  double v = 0;
  return kelp::scanFloat(e->text().toStdString(), v) ? v : 0;
}

int readInt(const QLineEdit* e) {
  int v = 0;
  return kelp::scanInt(e->text().toStdString(), v) ? v : 0;
}

QLineEdit* edit(QWidget* parent, int id, int width = 70) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::number(id));
  e->setMaximumWidth(width);
  return e;
}

}  // namespace

// ---- result box ----

CDecoResultBox::CDecoResultBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("1014"));
  setMinimumSize(300, 250);
}

void CDecoResultBox::setText(const QString& text) {
  text_ = text;
  update();
}

QSize CDecoResultBox::sizeHint() const { return {320, 270}; }

void CDecoResultBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), profileColor(kelp::kColBackground));
  p.setPen(profileColor(kelp::kColLines));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setPen(profileColor(kelp::kColText));
  const QFontMetrics fm = p.fontMetrics();
  const int tab = 8 * fm.averageCharWidth();
  int y = 4 + fm.ascent();
  for (const QString& line : text_.split(QLatin1Char('\n'))) {
    if (!line.contains(QLatin1Char('\t')) && fm.horizontalAdvance(line) > width() - 8) {
      // A long remark (a file name) wraps inside the box.
      const QRect box(4, y - fm.ascent(), width() - 8, height());
      QRect used;
      p.drawText(box, Qt::TextWrapAnywhere, line, &used);
      y += used.height();
      continue;
    }
    int x = 4;
    const QStringList parts = line.split(QLatin1Char('\t'));
    for (int i = 0; i < parts.size(); ++i) {
      if (i > 0) x = 4 + ((x - 4) / tab + 1) * tab;
      p.drawText(x, y, parts[i]);
      x += fm.horizontalAdvance(parts[i]);
    }
    y += fm.lineSpacing();
  }
}

// ---- planned profile ----

CDecoProfileView::CDecoProfileView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(360, 220);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void CDecoProfileView::setProfile(const kelp::PlannedProfile* profile) {
  profile_ = profile;
  redraw();
}

void CDecoProfileView::setShown(bool on) {
  shown_ = on;
  redraw();
}

void CDecoProfileView::redraw() {
  // The plot area: inset by 24 pixels, 26 on the left.
  cross_.setTrackRect(rect().adjusted(26, 24, -24, -24));
  picture_ = QPixmap(size());
  QPainter p(&picture_);
  if (shown_)
    drawPlan(p, picture_.rect(), profile_ ? *profile_ : kelp::plannedProfile());
  else
    p.fillRect(picture_.rect(), profileColor(kelp::kColBackground));
  p.end();
  update();
}

void CDecoProfileView::resizeEvent(QResizeEvent*) { redraw(); }

void CDecoProfileView::mouseMoveEvent(QMouseEvent* e) {
  if (!shown_) return;
  update(cross_.moveTo(e->position().toPoint(), kelp::settings().crossHair != 0));
}

void CDecoProfileView::leaveEvent(QEvent*) { update(cross_.hide()); }

void CDecoProfileView::drawPlan(QPainter& p, const QRect& area, const kelp::PlannedProfile& profile) {
  p.save();
  p.fillRect(area, profileColor(kelp::kColBackground));
  p.setClipRect(area);
  p.translate(area.topLeft());
  const int n = profile.sampleCount;
  if (n > 0 && static_cast<int>(profile.depths.size()) == n + 1) {
    CProfilePlot plot;
    plot.setFrame(profileColor(kelp::kColLines), profileColor(kelp::kColText), 24, 24, area.width() - 48,
                  area.height() - 48);
    // The tables are metric: the plan is drawn in metres whatever the unit setting.
    plot.setMetric(true);
    const int step = kelp::depthStep(profile.maxDepth, true);
    plot.setRanges(0, n, 0, profile.maxDepth + step);
    plot.setYStep(step);
    plot.drawTimeAxes(p, n + 1, kelp::settings().grid != 0);
    plot.drawDecoLine(p, profileColor(kelp::kColDecoLine), profile.flags.data(), n + 1);
    plot.drawClipCurve(p, profileColor(kelp::kColProfile), profileColor(kelp::kColWarnings), 3,
                       profile.depths.data(), profile.flags.data(), n + 1);
    const kelp::ProfileClip& clip = kelp::profileClip();
    if (clip.shown && !clip.empty())
      plot.drawClipCurve(p, profileColor(kelp::kColClipProfile), profileColor(kelp::kColWarnings), 2, clip.depths,
                         clip.flags, clip.count);
  }
  p.restore();
}

void CDecoProfileView::paintEvent(QPaintEvent* e) {
  // The picture is drawn off screen once; a mouse move repaints only the crosshair's lines.
  if (picture_.size() != size()) redraw();
  QPainter p(this);
  p.drawPixmap(e->rect(), picture_, e->rect());
  cross_.draw(p);
}

// ---- dialog ----

CDecoCalcDlg::CDecoCalcDlg(kelp::Logbook& lb, QWidget* parent)
    : QDialog(parent),
      lb_(lb),
      plan_(kelp::openDecoPlanState(lb, static_cast<int64_t>(std::time(nullptr)))),
      buhlmann_(kelp::buhlmannCalcState()) {
  setObjectName(QStringLiteral("131"));
  setWindowTitle(tr("Calcolo immersione DECO 92"));

  auto* models = new QGroupBox(tr("Modello"), this);
  tablesModel_ = new QRadioButton(tr("Tabelle DECO 92"), models);
  tablesModel_->setObjectName(QStringLiteral("1301"));
  buhlmannModel_ = new QRadioButton(tr("Bühlmann ZH-L16C"), models);
  buhlmannModel_->setObjectName(QStringLiteral("1302"));
  auto* ml = new QHBoxLayout(models);
  ml->addWidget(tablesModel_);
  ml->addWidget(buhlmannModel_);
  connect(buhlmannModel_, &QRadioButton::toggled, this, [this](bool on) {
    if (on != buhlmann_.chosen) chooseModel(on);
  });

  // The model's inputs: gradient factors, gas, altitude and the previous dive.
  model_ = new QGroupBox(tr("Bühlmann ZH-L16C"), this);
  gfLow_ = edit(model_, 1303, 50);
  gfHigh_ = edit(model_, 1304, 50);
  o2_ = edit(model_, 1305, 50);
  altitude_ = edit(model_, 1306);
  previousDepth_ = edit(model_, 1307);
  previousTime_ = edit(model_, 1308);
  previousO2_ = edit(model_, 1309, 50);
  auto* gfRow = new QHBoxLayout;
  gfRow->addWidget(gfLow_);
  gfRow->addWidget(new QLabel(QStringLiteral("/"), model_));
  gfRow->addWidget(gfHigh_);
  gfRow->addStretch();
  auto* bl = new QFormLayout(model_);
  bl->addRow(tr("Fattori di gradiente GF basso/alto (%)"), gfRow);
  bl->addRow(tr("Ossigeno (%, 21 = aria)"), o2_);
  bl->addRow(tr("Altitudine (m)"), altitude_);
  bl->addRow(tr("Imm. precedente: prof. (m)"), previousDepth_);
  bl->addRow(tr("Imm. precedente: tempo di fondo (min)"), previousTime_);
  bl->addRow(tr("Imm. precedente: ossigeno (%)"), previousO2_);

  auto* tables = new QGroupBox(tr("Tabella"), this);
  tables_ = tables;
  seaLevel_ = new QRadioButton(tr("Livello mare (0m-700m)"), tables);
  seaLevel_->setObjectName(QStringLiteral("1001"));
  mountainLake_ = new QRadioButton(tr("Lago di montagna (701m-1500m)"), tables);
  mountainLake_->setObjectName(QStringLiteral("1002"));
  auto* tl = new QVBoxLayout(tables);
  tl->addWidget(seaLevel_);
  tl->addWidget(mountainLake_);

  auto* rep = new QGroupBox(tr(""), this);
  repetitive_ = new QCheckBox(tr("Immersione ripetitiva"), rep);
  repetitive_->setObjectName(QStringLiteral("1003"));
  group_ = edit(rep, 1004, 40);
  group_->setMaxLength(2);
  interval_ = edit(rep, 1005);
  auto* rl = new QFormLayout(rep);
  rl->addRow(repetitive_);
  rl->addRow(tr("Gruppo di ripetizione"), group_);
  rl->addRow(tr("Intervallo di superfice (min)"), interval_);
  connect(repetitive_, &QCheckBox::toggled, this, [this] { updateFields(); });
  connect(group_, &QLineEdit::textEdited, this, [this](const QString& t) {
    const int pos = group_->cursorPosition();
    group_->setText(t.toUpper());
    group_->setCursorPosition(pos);
  });

  auto* air = new QGroupBox(tr("Aria"), this);
  air_ = air;
  consumption_ = edit(air, 1006);
  tankVolume_ = edit(air, 1007);
  tankPressure_ = edit(air, 1008);
  auto* al = new QFormLayout(air);
  al->addRow(tr("Consumo aria (l/min)"), consumption_);
  al->addRow(tr("Dimensioni bombola (l)"), tankVolume_);
  al->addRow(tr("Pressione bombola (bar)"), tankPressure_);

  auto* dive = new QGroupBox(tr("Immersione"), this);
  depth_ = edit(dive, 1009);
  time_ = edit(dive, 1010);
  auto* dl = new QFormLayout(dive);
  dl->addRow(tr("Prof.Max. (m)"), depth_);
  dl->addRow(tr("Tempo di fondo (min)"), time_);

  result_ = new CDecoResultBox(this);
  // Which model planned the result shown, and what a plan is not.
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("1310"));
  note_->setWordWrap(true);

  frame_ = new QGroupBox(tr("Profilo [richiesto]"), this);
  frame_->setObjectName(QStringLiteral("1018"));
  view_ = new CDecoProfileView(frame_);
  auto* fl = new QVBoxLayout(frame_);
  fl->addWidget(view_);

  auto button = [this](const QString& text, int id) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* calc = button(tr("Calcola"), 1);
  calc->setDefault(true);
  QPushButton* close = button(tr("Chiudi"), 2);
  copy_ = button(tr("Copia"), 1019);
  paste_ = button(tr("Incolla"), 1020);
  cut_ = button(tr("Taglia"), 1021);
  QPushButton* colors = button(tr("Colori"), 1022);
  print_ = button(tr("Stampa"), 11);
  grid_ = new QCheckBox(tr("Griglia"), this);
  grid_->setObjectName(QStringLiteral("1142"));
  crossHair_ = new QCheckBox(tr("Incrocia"), this);
  crossHair_->setObjectName(QStringLiteral("1143"));
  grid_->setChecked(kelp::settings().grid != 0);
  crossHair_->setChecked(kelp::settings().crossHair != 0);

  auto* left = new QVBoxLayout;
  left->addWidget(models);
  left->addWidget(tables);
  left->addWidget(rep);
  left->addWidget(air);
  left->addWidget(dive);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(model_);
  right->addWidget(result_, 1);
  right->addWidget(note_);
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{calc, copy_, paste_, cut_, colors, grid_, crossHair_, print_})
    buttons->addWidget(w);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* main = new QVBoxLayout(this);
  main->addLayout(top);
  main->addWidget(frame_, 1);
  main->addLayout(buttons);

  connect(calc, &QPushButton::clicked, this, &CDecoCalcDlg::calculate);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(colors, &QPushButton::clicked, this, &CDecoCalcDlg::chooseColors);
  connect(copy_, &QPushButton::clicked, this, &CDecoCalcDlg::copyProfile);
  connect(paste_, &QPushButton::clicked, this, [this] { showClip(true); });
  connect(cut_, &QPushButton::clicked, this, [this] { showClip(false); });
  connect(print_, &QPushButton::clicked, this, &CDecoCalcDlg::print);
  connect(grid_, &QCheckBox::toggled, this, [this](bool on) {
    kelp::settings().grid = on ? 1 : 0;
    view_->redraw();
  });
  connect(crossHair_, &QCheckBox::toggled, this, [this](bool on) {
    kelp::settings().crossHair = on ? 1 : 0;
    view_->redraw();
  });

  std::string error;
  if (!kelp::diveTables(&error) && plan_.resultText.empty()) plan_.resultText = "\n " + error;
  writeControls();
  resize(800, 860);
}

CDecoCalcDlg::~CDecoCalcDlg() = default;

void CDecoCalcDlg::readControls() {
  // Depth, bottom time, the repetitive switch and the interval serve both models.
  kelp::BuhlmannRequest& r = buhlmann_.request;
  r.depth = readDouble(depth_);
  r.bottomTime = readInt(time_);
  r.repetitive = repetitive_->isChecked();
  r.interval = readInt(interval_);
  r.gfLow = readInt(gfLow_);
  r.gfHigh = readInt(gfHigh_);
  r.o2 = readInt(o2_);
  r.altitude = readInt(altitude_);
  r.previousDepth = readDouble(previousDepth_);
  r.previousTime = readInt(previousTime_);
  r.previousO2 = readInt(previousO2_);
  plan_.altitudeClass = mountainLake_->isChecked() ? kelp::kMountainLake : kelp::kSeaLevel;
  plan_.repetitive = repetitive_->isChecked() ? 1 : 0;
  plan_.groupText = group_->text().toUpper().toStdString();
  plan_.surfaceInterval = readInt(interval_);
  plan_.airConsumption = readDouble(consumption_);
  plan_.tankVolume = readDouble(tankVolume_);
  plan_.tankPressure = readInt(tankPressure_);
  plan_.maxDepth = readDouble(depth_);
  plan_.bottomTime = readInt(time_);
}

void CDecoCalcDlg::writeControls() {
  (plan_.altitudeClass == kelp::kMountainLake ? mountainLake_ : seaLevel_)->setChecked(true);
  repetitive_->setChecked(plan_.repetitive != 0);
  group_->setEnabled(plan_.repetitive != 0);
  interval_->setEnabled(plan_.repetitive != 0);
  group_->setText(QString::fromStdString(plan_.groupText));
  interval_->setText(QString::number(plan_.surfaceInterval));
  consumption_->setText(QString::fromStdString(kelp::format("%.1f", plan_.airConsumption)));
  tankVolume_->setText(number(plan_.tankVolume));
  tankPressure_->setText(QString::number(plan_.tankPressure));
  depth_->setText(number(plan_.maxDepth));
  time_->setText(QString::number(plan_.bottomTime));
  const kelp::BuhlmannRequest& r = buhlmann_.request;
  gfLow_->setText(QString::number(r.gfLow));
  gfHigh_->setText(QString::number(r.gfHigh));
  o2_->setText(QString::number(r.o2));
  altitude_->setText(QString::number(r.altitude));
  previousDepth_->setText(number(r.previousDepth));
  previousTime_->setText(QString::number(r.previousTime));
  previousO2_->setText(QString::number(r.previousO2));
  tablesModel_->setChecked(!buhlmann_.chosen);
  buhlmannModel_->setChecked(buhlmann_.chosen);
  if (buhlmann_.chosen) {
    setWindowTitle(tr("Calcolo immersione Bühlmann ZH-L16C"));
    repetitive_->setChecked(r.repetitive);
    interval_->setText(QString::number(r.interval));
    depth_->setText(number(r.depth));
    time_->setText(QString::number(r.bottomTime));
    result_->setText(QString::fromStdString(buhlmann_.resultText));
    view_->setProfile(&buhlmann_.profile);
  } else {
    setWindowTitle(tr("Calcolo immersione DECO 92"));
    result_->setText(QString::fromStdString(plan_.resultText));
    view_->setProfile(nullptr);
  }
  // The note names the model of the result shown (or of the choice while none is shown).
  const QString model = buhlmann_.chosen ? tr("Bühlmann ZH-L16C, GF %1/%2")
                                               .arg(buhlmann_.resultValid ? buhlmann_.planned.gfLow : r.gfLow)
                                               .arg(buhlmann_.resultValid ? buhlmann_.planned.gfHigh : r.gfHigh)
                                         : tr("Tabelle DECO 92");
  note_->setText(tr("Piano calcolato con: %1. Un piano non sostituisce il computer subacqueo né la formazione "
                    "del subacqueo.")
                     .arg(model));
  view_->setShown(resultValid());
  updateFields();
  updateButtons();
}

void CDecoCalcDlg::updateFields() {
  const kelp::CalcFields f = kelp::calcFields(buhlmann_.chosen, repetitive_->isChecked(), resultValid());
  tables_->setEnabled(f.altitudeTable);
  air_->setEnabled(f.air);
  group_->setEnabled(f.group);
  interval_->setEnabled(f.interval);
  model_->setEnabled(f.model);
  previousDepth_->setEnabled(f.previousDive);
  previousTime_->setEnabled(f.previousDive);
  previousO2_->setEnabled(f.previousDive);
}

bool CDecoCalcDlg::resultValid() const { return buhlmann_.chosen ? buhlmann_.resultValid : plan_.resultValid != 0; }

const kelp::PlannedProfile& CDecoCalcDlg::shownProfile() const {
  return buhlmann_.chosen ? buhlmann_.profile : kelp::plannedProfile();
}

void CDecoCalcDlg::chooseModel(bool buhlmann) {
  readControls();
  // The dive itself goes over to the other model.
  if (buhlmann) {
    buhlmann_.request.depth = plan_.maxDepth;
    buhlmann_.request.bottomTime = plan_.bottomTime;
  } else {
    plan_.maxDepth = buhlmann_.request.depth;
    plan_.bottomTime = buhlmann_.request.bottomTime;
    plan_.repetitive = buhlmann_.request.repetitive ? 1 : 0;
    plan_.surfaceInterval = buhlmann_.request.interval;
  }
  buhlmann_.chosen = buhlmann;
  writeControls();
}

void CDecoCalcDlg::updateButtons() {
  const kelp::ProfileClip& clip = kelp::profileClip();
  const kelp::DecoButtons b = kelp::decoButtons(resultValid(), clip.count, clip.shown);
  copy_->setEnabled(b.copy);
  paste_->setEnabled(b.paste);
  cut_->setEnabled(b.cut);
  print_->setEnabled(b.print && kelp::calcFields(buhlmann_.chosen, false, resultValid()).print);
  frame_->setEnabled(b.drawing);
}

void CDecoCalcDlg::copyProfile() {
  const kelp::PlannedProfile& prof = shownProfile();
  if (!resultValid() || prof.depths.empty()) return;
  kelp::profileClip().copyFrom(prof.depths.data(), prof.flags.data(), prof.sampleCount + 1);
  updateButtons();
}

void CDecoCalcDlg::showClip(bool on) {
  kelp::profileClip().shown = on;
  view_->redraw();
  updateButtons();
}

void CDecoCalcDlg::print() {
  if (buhlmann_.chosen || !plan_.resultValid) return;
  kelp::print::DecoPlanPage page(plan_, kelp::plannedProfile(), lb_.path, kelp::todayDayNumber());
  PrintJob(page, this).print();
}

void CDecoCalcDlg::done(int r) {
  kelp::profileClip().shown = false;
  QDialog::done(r);
}

void CDecoCalcDlg::calculate() {
  readControls();
  if (buhlmann_.chosen) {
    // As with the tables, a depth or bottom time of 0 or less does nothing.
    if (!(buhlmann_.request.depth > 0) || buhlmann_.request.bottomTime <= 0) return;
    if (kelp::runBuhlmannCalculation(buhlmann_)) {
      // The gradient factors planned with are kept in Kelp.ini.
      kelp::settings().gfLow = buhlmann_.request.gfLow;
      kelp::settings().gfHigh = buhlmann_.request.gfHigh;
    }
    writeControls();
    return;
  }
  std::string error;
  const kelp::DiveTables* t = kelp::diveTables(&error);
  if (kelp::runDecoCalculation(t, error, plan_, kelp::plannedProfile()) == kelp::DecoOutcome::Ignored) return;
  writeControls();
}

void CDecoCalcDlg::chooseColors() {
  CProfileColorsDlg dlg(this);
  if (dlg.exec() != QDialog::Accepted) return;
  result_->update();
  view_->redraw();
}

void openDecoCalculator(kelp::Logbook& lb, QWidget* parent) {
  std::string error;
  if (!kelp::diveTables(&error)) tellUser(parent, QString::fromStdString(error));
  CDecoCalcDlg dlg(lb, parent);
  dlg.exec();
}
