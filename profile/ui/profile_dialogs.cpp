#include "profile/ui/profile_dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/ui/kelp_doc.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/deco92_link.h"
#include "profile/hand_profile.h"
#include "profile/profile_clip.h"
#include "profile/profile_values.h"
#include "profile/split_merge.h"
#include "profile/ui/profile_graph.h"
#include "profile/ui/profile_plot.h"

using namespace kelp;

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

constexpr int kSave = 1, kCancel = 2;
constexpr int kCopy = 1019, kPaste = 1020, kCut = 1021, kRemove = 1022, kDeco = 1023;
constexpr int kGrid = 1142, kCross = 1143;
// The history's name of a drawn or removed profile ("Annulla Crea profilo immersione").
QString createText() { return QCoreApplication::translate("CProfileCreateDlg", "Crea profilo immersione"); }

QLabel* valueLabel(QWidget* parent, int id, int width) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::number(id));
  l->setFixedWidth(width);
  l->setFrameShape(QFrame::StyledPanel);
  return l;
}

const DiveRecord& emptyRecord() {
  static const DiveRecord r = makeRecord();
  return r;
}

}  // namespace

// ---------------------------------------------------------------- Crea profilo

CProfileCreateDlg::CProfileCreateDlg(CKelpDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
  setObjectName(QStringLiteral("CProfileCreateDlg"));
  setWindowTitle(tr("Crea profilo"));
  const Logbook& lb = doc.logbook();
  m_position = lb.currentPosition;
  lb.get(m_position, m_work);
  m_storedProfile = m_work.profileLength != 0;
  openHandMade(m_work);
  recomputeAirConsumption(m_work);  // the gauges follow the drawn profile
  CProfilePlot plot;
  plot.setDiveRanges(m_work);
  m_yMax = plot.yMax();
  build();
  resize(900, 560);
  refreshTexts();
  updateCursor();
  updateButtons();
}

void CProfileCreateDlg::build() {
  auto* outer = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  outer->addLayout(top);

  auto* fields = new QGridLayout;
  fields->setVerticalSpacing(2);
  struct Text {
    int id;
    const char* label;
    int width;
  };
  static const Text texts[] = {{1053, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Prof max:"), 90},
                               {1054, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Prof media:"), 90},
                               {1058, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Consumo aria.:"), 90},
                               {1057, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Pressione usata:"), 90},
                               {1046, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Computer:"), 170}};
  int row = 0;
  for (const Text& t : texts) {
    fields->addWidget(new QLabel(tr(t.label), this), row, 0);
    m_texts[t.id] = valueLabel(this, t.id, t.width);
    fields->addWidget(m_texts[t.id], row, 1);
    ++row;
  }
  top->addLayout(fields);

  auto* cursor = new QGridLayout;
  cursor->setVerticalSpacing(2);
  static const std::pair<int, const char*> cursorTexts[] = {
      {1147, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Tempo:")},
      {1146, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Max:")},
      {1148, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Prof.:")},
      {1149, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Bombola:")}};
  row = 0;
  for (const auto& [id, label] : cursorTexts) {
    cursor->addWidget(new QLabel(tr(label), this), row, 0);
    m_texts[id] = valueLabel(this, id, 76);
    m_texts[id]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cursor->addWidget(m_texts[id], row, 1);
    ++row;
  }
  cursor->setRowStretch(row, 1);
  top->addLayout(cursor);

  m_gauges = new CGaugePanel(this);
  top->addWidget(m_gauges, 0, Qt::AlignTop);

  auto* buttons = new QGridLayout;
  buttons->setSpacing(3);
  struct Btn {
    int id;
    const char* text;
    int row, col;
  };
  static const Btn btns[] = {{kSave, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Salva"), 0, 0},
                             {kCancel, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Cancella"), 0, 1},
                             {kRemove, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Taglia profilo"), 0, 2},
                             {kCopy, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Copia"), 1, 0},
                             {kPaste, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Incolla"), 1, 1},
                             {kCut, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Taglia"), 1, 2},
                             {kDeco, QT_TRANSLATE_NOOP("CProfileCreateDlg", "Deco 92"), 2, 0}};
  for (const Btn& b : btns) {
    auto* w = new QPushButton(tr(b.text), this);
    w->setObjectName(QString::number(b.id));
    w->setAutoDefault(false);
    m_buttons[b.id] = w;
    buttons->addWidget(w, b.row, b.col);
  }
  auto* grid = new QCheckBox(tr("Griglia"), this);
  grid->setObjectName(QString::number(kGrid));
  grid->setChecked(settings().grid != 0);
  auto* cross = new QCheckBox(tr("Incrocio"), this);
  cross->setObjectName(QString::number(kCross));
  cross->setChecked(settings().crossHair != 0);
  buttons->addWidget(grid, 2, 1);
  buttons->addWidget(cross, 2, 2);
  top->addLayout(buttons);
  top->addStretch();

  m_graph = new CGraphArea(
      [this](QPainter& p, const QSize& size) {
        GraphOptions o;
        o.grid = settings().grid != 0;
        o.clip = &profileClip();
        drawProfileGraph(p, size, m_work, settings().profileColors, o);
      },
      this);
  m_graph->setObjectName(QStringLiteral("1067"));
  m_graph->setHorizontalLine(settings().crossHair != 0);
  outer->addWidget(m_graph, 1);

  connect(m_graph, &CGraphArea::mouseMoved, this,
          [this](const QPoint& p, Qt::MouseButtons b) { mouseAt(p, b & Qt::LeftButton); });
  connect(m_graph, &CGraphArea::mousePressed, this, [this](const QPoint& p, Qt::MouseButton b) {
    if (b == Qt::LeftButton) mouseAt(p, true);
  });
  connect(m_buttons[kSave], &QPushButton::clicked, this, &CProfileCreateDlg::onSave);
  connect(m_buttons[kCancel], &QPushButton::clicked, this, &QDialog::reject);
  connect(m_buttons[kRemove], &QPushButton::clicked, this, &CProfileCreateDlg::onRemoveProfile);
  connect(m_buttons[kDeco], &QPushButton::clicked, this, &CProfileCreateDlg::onDeco92);
  connect(m_buttons[kCopy], &QPushButton::clicked, this, [this] {
    profileClip().copyFrom(m_work, false);
    updateButtons();
  });
  connect(m_buttons[kPaste], &QPushButton::clicked, this, [this] {
    profileClip().shown = true;
    m_graph->invalidate();
    updateButtons();
  });
  connect(m_buttons[kCut], &QPushButton::clicked, this, [this] {
    profileClip().shown = false;
    m_graph->invalidate();
    updateButtons();
  });
  connect(grid, &QCheckBox::toggled, this, [this](bool on) {
    settings().grid = on ? 1 : 0;
    m_graph->invalidate();
  });
  connect(cross, &QCheckBox::toggled, this, [this](bool on) {
    settings().crossHair = on ? 1 : 0;
    m_graph->setHorizontalLine(on);
    m_graph->hideCrossHair();
  });
}

void CProfileCreateDlg::refreshTexts() {
  const std::string depthUnit = " " + unitLabel(Quantity::Depth);
  const std::string maxDepth = formatMaxDepth(m_work);
  const std::string avgDepth = formatAvgDepth(m_work);
  m_texts[1053]->setText(q(maxDepth.empty() ? maxDepth : maxDepth + depthUnit));
  m_texts[1054]->setText(q(avgDepth.empty() ? avgDepth : avgDepth + depthUnit));
  const std::string sac = formatSac(m_work.sac);
  m_texts[1058]->setText(q(sac.empty() ? sac : sac + " " + unitLabel(Quantity::AirConsumption)));
  const std::string used = formatPressure(m_work.airConsumed);
  m_texts[1057]->setText(q(used.empty() ? used : used + " " + unitLabel(Quantity::Pressure)));
  m_texts[1046]->setText(q(formatComputerType(m_work.computerType)));
}

void CProfileCreateDlg::updateCursor() {
  const CursorReadout v = cursorReadout(m_work, m_cursor, kelp::metric());
  m_texts[1147]->setText(q(v.time));
  m_texts[1146]->setText(q(v.maxDepth));
  m_texts[1148]->setText(q(v.depth));
  m_texts[1149]->setText(q(v.pressure));
  m_gauges->setReadout(v);
}

void CProfileCreateDlg::updateButtons() {
  const ProfileClip& clip = profileClip();
  m_buttons[kPaste]->setEnabled(!clip.empty() && !clip.shown);
  m_buttons[kCut]->setEnabled(clip.shown);
  m_buttons[kRemove]->setEnabled(m_storedProfile);
}

void CProfileCreateDlg::mouseAt(const QPoint& pos, bool leftButton) {
  m_graph->moveCrossHair(pos);
  const QRect track = m_graph->crossHair().trackRect();
  if (!track.contains(pos) || m_work.sampleCount <= 0) return;
  m_cursor = cursorIndexAt(pos.x() - track.left(), track.width(), m_work.sampleCount);
  if (leftButton) {
    setDrawnDepth(m_work, m_cursor, drawnDepth(m_work, pos.y() - track.top(), track.height(), m_yMax, kelp::metric()));
    recomputeAirConsumption(m_work);
    m_graph->invalidate();
    refreshTexts();
  }
  updateCursor();
}

void CProfileCreateDlg::onSave() {
  const int pos = m_position;
  const DiveRecord work = m_work;
  const Result r =
      m_doc.perform(createText(), [pos, work](Logbook& lb) { return saveHandMadeProfile(lb, pos, work); });
  if (!r) {
    tellUser(this, q(r.error));
    return;
  }
  accept();
}

void CProfileCreateDlg::onRemoveProfile() {
  if (askUser(this, QMessageBox::Question, tr("Cancella profilo?"), QMessageBox::Ok | QMessageBox::Cancel) !=
      QMessageBox::Ok)
    return;
  const int pos = m_position;
  const Result r = m_doc.perform(createText(), [pos](Logbook& lb) { return removeHandMadeProfile(lb, pos); });
  if (!r) {
    tellUser(this, q(r.error));
    return;
  }
  accept();
}

void CProfileCreateDlg::onDeco92() {
  if (m_cursor < kDeco92MinCursor) return;
  const Deco92Planner planner = deco92Planner();
  if (!planner) {
    tellUser(this, tr("Il calcolatore DECO 92 non è ancora disponibile."), QMessageBox::Information);
    return;
  }
  std::string message;
  if (!planner(deco92RequestFor(m_work, m_cursor), profileClip(), message)) {
    if (!message.empty()) tellUser(this, QString::fromStdString(message), QMessageBox::Information);
    return;
  }
  profileClip().shown = true;
  m_graph->invalidate();
  updateButtons();
}

QString CProfileCreateDlg::text(int id) const {
  auto it = m_texts.find(id);
  return it == m_texts.end() ? QString() : it->second->text();
}

QPushButton* CProfileCreateDlg::button(int id) const {
  auto it = m_buttons.find(id);
  return it == m_buttons.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------- Salta immersione

CSplitDlg::CSplitDlg(CKelpDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
  setObjectName(QStringLiteral("CSplitDlg"));
  setWindowTitle(tr("Salta immersione"));
  m_position = doc.logbook().currentPosition;
  auto* outer = new QVBoxLayout(this);
  m_graph = new CGraphArea(
      [this](QPainter& p, const QSize& size) {
        GraphOptions o;
        o.grid = settings().grid != 0;
        drawProfileGraph(p, size, dive(), settings().profileColors, o);
      },
      this);
  m_graph->setObjectName(QStringLiteral("1067"));
  m_graph->setHorizontalLine(settings().crossHair != 0);
  outer->addWidget(m_graph, 1);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(tr("Salta imm fino al minuto:"), this));
  m_field = new QLineEdit(this);
  m_field->setObjectName(QStringLiteral("1178"));
  m_field->setReadOnly(true);
  m_field->setFixedWidth(70);
  m_field->setAlignment(Qt::AlignRight);
  row->addWidget(m_field);
  row->addStretch();
  auto* ok = new QPushButton(tr("Salta"), this);
  ok->setObjectName(QStringLiteral("1"));
  auto* cancel = new QPushButton(tr("Cancella"), this);
  cancel->setObjectName(QStringLiteral("2"));
  row->addWidget(ok);
  row->addWidget(cancel);
  outer->addLayout(row);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_graph, &CGraphArea::mouseMoved, this, [this](const QPoint& p, Qt::MouseButtons) { mouseAt(p); });
  connect(m_graph, &CGraphArea::mousePressed, this, [this](const QPoint& p, Qt::MouseButton b) {
    if (b == Qt::LeftButton) clickAt(p);
  });
  resize(760, 420);
  showMinute();
}

const DiveRecord& CSplitDlg::dive() const {
  const Logbook& lb = m_doc.logbook();
  if (m_position < 1 || m_position > lb.diveCount()) return emptyRecord();
  return lb.dives()[static_cast<size_t>(m_position - 1)];
}

bool CSplitDlg::splitPossible() const { return m_minute != 0 && canSplitAt(dive(), m_minute); }

void CSplitDlg::mouseAt(const QPoint& pos) {
  m_graph->moveCrossHair(pos);
  const QRect track = m_graph->crossHair().trackRect();
  const int n = std::min<int>(dive().sampleCount, MAX_SAMPLES - 1);
  if (!track.contains(pos) || n <= 0) return;
  m_cursor = cursorIndexAt(pos.x() - track.left(), track.width(), n + 1);
}

void CSplitDlg::clickAt(const QPoint& pos) {
  mouseAt(pos);
  if (!m_graph->crossHair().trackRect().contains(pos) || dive().sampleCount <= 0) return;
  m_minute = splitMinuteAt(m_cursor);
  m_depth = std::fabs(static_cast<double>(dive().samples[m_cursor].depth));
  showMinute();
}

void CSplitDlg::showMinute() {
  m_field->setText(m_minute ? QString::number(m_minute) : QString());
  QPalette p = m_field->palette();
  p.setColor(QPalette::Base, splitPossible() ? QColor(0, 255, 0) : QColor(255, 64, 64));
  m_field->setPalette(p);
}
