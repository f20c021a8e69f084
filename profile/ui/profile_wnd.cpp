#include "profile/ui/profile_wnd.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "app/ui/color_dialogs.h"
#include "app/ui/kelp_doc.h"
#include "core/computer_models.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/deco92_link.h"
#include "profile/profile_clip.h"
#include "profile/profile_values.h"
#include "profile/ui/profile_graph.h"

using namespace kelp;

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
QString stored(const char* field, size_t n) {
  size_t k = 0;
  while (k < n && field[k]) ++k;
  return q(storedToUtf8(std::string(field, k)));
}
template <size_t N> QString stored(const char (&f)[N]) { return stored(f, N); }

QSize screenSizeOf(const QWidget* w) {
  const QScreen* s = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  return s ? s->size() : QSize(0, 0);
}

const DiveRecord& emptyRecord() {
  static const DiveRecord r = makeRecord();
  return r;
}

// Background colours of the model name, the cursor texts and the bar scale.
const QColor kModelBack(255, 255, 224);
const QColor kCursorBack(224, 255, 255);
const QColor kScaleBack(128, 128, 128);

QLabel* valueLabel(QWidget* parent, int id, int width, const QColor& back = QColor()) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::number(id));
  l->setFixedWidth(width);
  l->setFrameShape(QFrame::StyledPanel);
  l->setTextInteractionFlags(Qt::NoTextInteraction);
  if (back.isValid()) {
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, back);
    l->setPalette(p);
  }
  return l;
}

// The dive list's "%c\t%05d" lines with the tab stop at 8 dialog units.
class TabDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStringList cols = opt.text.split(QLatin1Char('\t'));
    opt.text.clear();
    const QWidget* w = opt.widget;
    w->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
    painter->save();
    painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                          : QPalette::Text));
    // 8 dialog units: two average character widths.
    const int stop = 2 * opt.fontMetrics.averageCharWidth() + 6;
    const QRect r = opt.rect.adjusted(3, 0, 0, 0);
    int x = r.left();
    for (int i = 0; i < cols.size(); ++i) {
      if (i > 0) x = std::max(x + 2, r.left() + stop * i);
      painter->drawText(QRect(x, r.top(), r.right() - x, r.height()), Qt::AlignVCenter | Qt::AlignLeft, cols[i]);
      x += opt.fontMetrics.horizontalAdvance(cols[i]);
    }
    painter->restore();
  }
};

constexpr int kChiudi = 1;
constexpr int kCopy = 1019, kPaste = 1020, kCut = 1021, kColors = 1022, kDeco = 1023;
constexpr int kGrid = 1142, kCross = 1143, kAverage = 1144, kMore = 1145;

}  // namespace

// ---------------------------------------------------------------- placement

void restoreWindowPlacement(QWidget* w, const WindowPlacement& p) {
  if (!settings().savePositions || !p.valid()) return;
  const QRect r(QPoint(p.x, p.y), QSize(p.dx - p.x, p.dy - p.y));
  if (r.width() > 50 && r.height() > 50) w->setGeometry(r);
  if (p.maximized) w->setWindowState(w->windowState() | Qt::WindowMaximized);
}

WindowPlacement windowPlacementOf(const QWidget* w, bool withMaximized) {
  WindowPlacement p;
  const QRect r = w->isMaximized() ? w->normalGeometry() : w->geometry();
  p.x = r.left();
  p.y = r.top();
  p.dx = r.left() + r.width();
  p.dy = r.top() + r.height();
  p.maximized = withMaximized && w->isMaximized() ? 1 : 0;
  return p;
}

// ---------------------------------------------------------------- data window

CDisplWindow::CDisplWindow(QWidget* parent) : QDialog(parent, Qt::Tool) {
  setObjectName(QStringLiteral("CDisplWindow"));
  setWindowTitle(tr("Dati immersione"));
  setModal(false);
  auto* grid = new QGridLayout(this);
  struct Row {
    int id;
    const char* label;
    int unit;  // 0: none; else the quantity + 1
  };
  static const Row rows[] = {
      {1042, QT_TRANSLATE_NOOP("CDisplWindow", "Data:"), 0},
      {1043, QT_TRANSLATE_NOOP("CDisplWindow", "Ora:"), 0},
      {1044, QT_TRANSLATE_NOOP("CDisplWindow", "Località:"), 0},
      {1045, QT_TRANSLATE_NOOP("CDisplWindow", "Luogo:"), 0},
      {1046, QT_TRANSLATE_NOOP("CDisplWindow", "Computer:"), 0},
      {1052, QT_TRANSLATE_NOOP("CDisplWindow", "Bombola:"), int(Quantity::Volume) + 1},
      {1053, QT_TRANSLATE_NOOP("CDisplWindow", "Prof max:"), int(Quantity::Depth) + 1},
      {1054, QT_TRANSLATE_NOOP("CDisplWindow", "Prof media:"), int(Quantity::Depth) + 1},
      {1055, QT_TRANSLATE_NOOP("CDisplWindow", "Tempo imm.:"), 0},
      {1056, QT_TRANSLATE_NOOP("CDisplWindow", "Temperatura:"), int(Quantity::Temperature) + 1},
      {1057, QT_TRANSLATE_NOOP("CDisplWindow", "Consumo aria.:"), int(Quantity::Pressure) + 1},
      {1058, QT_TRANSLATE_NOOP("CDisplWindow", "AMV:"), int(Quantity::AirConsumption) + 1},
      {1059, QT_TRANSLATE_NOOP("CDisplWindow", "Tipo imm.:"), 0},
      {1060, QT_TRANSLATE_NOOP("CDisplWindow", "Attività:"), 0},
      {1061, QT_TRANSLATE_NOOP("CDisplWindow", "Allarmi:"), 0},
      {1062, QT_TRANSLATE_NOOP("CDisplWindow", "Compagni:"), 0},
  };
  int r = 0;
  for (const Row& row : rows) {
    grid->addWidget(new QLabel(tr(row.label), this), r, 0);
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::number(row.id));
    e->setReadOnly(true);
    e->setMinimumWidth(220);
    m_fields[row.id] = e;
    grid->addWidget(e, r, 1);
    if (row.unit) {
      auto* u = new QLabel(q(unitLabel(static_cast<Quantity>(row.unit - 1))), this);
      u->setMinimumWidth(44);
      m_units[row.id] = u;
      grid->addWidget(u, r, 2);
    }
    ++r;
  }
  resize(460, sizeHint().height());
  restoreWindowPlacement(this, settings().dataWindow_);
}

CDisplWindow::~CDisplWindow() {
  Settings& s = settings();
  s.dataWindow_ = windowPlacementOf(this, false);
  const QSize scr = screenSizeOf(this);
  writeWindowPlacement(settingsFile(), scr.width(), scr.height(), "CDisplWindow", s.dataWindow_, false);
}

void CDisplWindow::setField(int id, const std::string& utf8) { m_fields[id]->setText(q(utf8)); }

void CDisplWindow::showDive(const DiveRecord& r) {
  setField(1042, formatDateLong(r.date));
  setField(1043, formatMinutes(r.timeOfDay));
  m_fields[1044]->setText(stored(r.location));
  m_fields[1045]->setText(stored(r.site));
  setField(1046, formatComputerType(r.computerType));
  std::string tank = formatTankSize(r.tankSize);
  const std::string material = tankMaterialText(r.tankMaterial);
  if (!material.empty()) tank += (tank.empty() ? "" : "  ") + material;
  setField(1052, tank);
  setField(1053, formatMaxDepth(r));
  setField(1054, formatAvgDepth(r));
  setField(1055, formatMinutes(r.diveTime));
  setField(1056, formatWaterTemperature(r.minWaterTemperature));
  setField(1057, formatPressure(r.airConsumed));
  setField(1058, formatSac(r.sac));
  setField(1059, diveTypeText(r));
  setField(1060, activitiesText(r));
  setField(1061, warningsText(r));
  m_fields[1062]->setText(stored(r.buddies));
  for (auto& [id, e] : m_fields) e->setCursorPosition(0);  // long texts show their beginning
  for (auto& [id, label] : m_units) {
    const Quantity qn = id == 1052 ? Quantity::Volume
                        : id == 1056 ? Quantity::Temperature
                        : id == 1057 ? Quantity::Pressure
                        : id == 1058 ? Quantity::AirConsumption
                                     : Quantity::Depth;
    label->setText(q(unitLabel(qn)));
  }
}

QString CDisplWindow::fieldText(int id) const {
  auto it = m_fields.find(id);
  return it == m_fields.end() ? QString() : it->second->text();
}

// ---------------------------------------------------------------- profile window

CProfileWnd::CProfileWnd(CKelpDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc), m_log(doc.logbook()) {
  setObjectName(QStringLiteral("CProfileWnd"));
  setWindowTitle(tr("Profilo immersione"));
  setSizeGripEnabled(true);
  buildControls();
  resize(1000, 660);
  restoreWindowPlacement(this, settings().profileWindow);
  if (settings().dataWindow) showDataWindow(true);
  fillList();
  refreshDive();
}

CProfileWnd::~CProfileWnd() = default;

const DiveRecord& CProfileWnd::dive() const {
  const int c = m_log.currentPosition;
  if (c < 1 || c > m_log.diveCount()) return emptyRecord();
  return m_log.dives()[static_cast<size_t>(c - 1)];
}

void CProfileWnd::buildControls() {
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("1039"));
  m_list->setFixedWidth(92);
  m_list->setItemDelegate(new TabDelegate(m_list));
  m_list->setUniformItemSizes(true);
  m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  outer->addWidget(m_list);
  connect(m_list, &QListWidget::currentRowChanged, this, &CProfileWnd::onListRow);

  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("panel"));
  outer->addWidget(panel, 1);
  auto* right = new QVBoxLayout(panel);
  right->setContentsMargins(0, 0, 0, 0);
  right->setSpacing(4);

  auto* top = new QHBoxLayout;
  right->addLayout(top);

  // Texts of the current dive.
  auto* info = new QGridLayout;
  info->setVerticalSpacing(1);
  struct Text {
    int id;
    const char* label;
    int unit;  // quantity + 1, 0 = none
    int width;
  };
  static const Text texts[] = {
      {1042, QT_TRANSLATE_NOOP("CProfileWnd", "Data:"), 0, 140},
      {1044, QT_TRANSLATE_NOOP("CProfileWnd", "Località:"), 0, 140},
      {1045, QT_TRANSLATE_NOOP("CProfileWnd", "Luogo:"), 0, 140},
      {1053, QT_TRANSLATE_NOOP("CProfileWnd", "Prof max:"), int(Quantity::Depth) + 1, 60},
      {1054, QT_TRANSLATE_NOOP("CProfileWnd", "Prof media:"), int(Quantity::Depth) + 1, 60},
      {1056, QT_TRANSLATE_NOOP("CProfileWnd", "Temperatura:"), int(Quantity::Temperature) + 1, 60},
      {1058, QT_TRANSLATE_NOOP("CProfileWnd", "Consumo aria.:"), int(Quantity::AirConsumption) + 1, 60},
  };
  int row = 0;
  for (const Text& t : texts) {
    info->addWidget(new QLabel(tr(t.label), panel), row, 0);
    QLabel* v = valueLabel(panel, t.id, t.width);
    m_texts[t.id] = v;
    auto* line = new QHBoxLayout;
    line->addWidget(v);
    if (t.unit) {
      auto* u = new QLabel(panel);
      u->setMinimumWidth(40);
      m_units[t.id] = u;
      line->addWidget(u);
    }
    line->addStretch();
    info->addLayout(line, row, 1);
    ++row;
  }
  QLabel* model = valueLabel(panel, 1046, 190, kModelBack);
  m_texts[1046] = model;
  info->addWidget(model, row, 0, 1, 2);
  top->addLayout(info);

  // Cursor values.
  auto* cursor = new QGridLayout;
  cursor->setVerticalSpacing(2);
  static const std::pair<int, const char*> cursorTexts[] = {
      {1147, QT_TRANSLATE_NOOP("CProfileWnd", "Tempo:")},
      {1146, QT_TRANSLATE_NOOP("CProfileWnd", "Max:")},
      {1148, QT_TRANSLATE_NOOP("CProfileWnd", "Prof.:")},
      {1149, QT_TRANSLATE_NOOP("CProfileWnd", "Bombola:")}};
  row = 0;
  for (const auto& [id, label] : cursorTexts) {
    cursor->addWidget(new QLabel(tr(label), panel), row, 0);
    QLabel* v = valueLabel(panel, id, 76, kCursorBack);
    v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_texts[id] = v;
    cursor->addWidget(v, row, 1);
    ++row;
  }
  cursor->setRowStretch(row, 1);
  top->addLayout(cursor);

  // Bar chart with its scale.
  auto* barBox = new QHBoxLayout;
  barBox->setSpacing(0);
  m_bars = new CBarChart(panel);
  barBox->addWidget(m_bars, 0, Qt::AlignTop);
  auto* scale = new QLabel(tr("max\n\n\n\n0"), panel);
  scale->setObjectName(QStringLiteral("1154"));
  scale->setFixedSize(28, 88);
  scale->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  scale->setAutoFillBackground(true);
  {
    QPalette p = scale->palette();
    p.setColor(QPalette::Window, kScaleBack);
    p.setColor(QPalette::WindowText, Qt::white);
    scale->setPalette(p);
  }
  barBox->addWidget(scale, 0, Qt::AlignTop);
  top->addLayout(barBox);

  // Gauges with their captions.
  auto* gaugeBox = new QVBoxLayout;
  gaugeBox->setSpacing(0);
  m_gauges = new CGaugePanel(panel);
  gaugeBox->addWidget(m_gauges);
  auto* captions = new QHBoxLayout;
  captions->setSpacing(0);
  m_pressureCaption = new QLabel(panel);
  for (QLabel* c :
       {new QLabel(tr("Consumo aria"), panel), new QLabel(tr("Profondita'"), panel), m_pressureCaption}) {
    c->setAlignment(Qt::AlignCenter);
    c->setFixedWidth(86);
    captions->addWidget(c);
  }
  captions->addStretch();
  gaugeBox->addLayout(captions);
  gaugeBox->addStretch();
  top->addLayout(gaugeBox);

  // Buttons.
  auto* buttons = new QGridLayout;
  buttons->setSpacing(3);
  struct Btn {
    int id;
    const char* text;
    bool checkable;
    int row, col;
  };
  static const Btn btns[] = {
      {kCopy, QT_TRANSLATE_NOOP("CProfileWnd", "Copia"), false, 0, 0},
      {kPaste, QT_TRANSLATE_NOOP("CProfileWnd", "Incolla"), false, 0, 1},
      {kCut, QT_TRANSLATE_NOOP("CProfileWnd", "Taglia"), false, 1, 0},
      {kColors, QT_TRANSLATE_NOOP("CProfileWnd", "Colori"), false, 1, 1},
      {kDeco, QT_TRANSLATE_NOOP("CProfileWnd", "Deco 92"), false, 2, 0},
      {kGrid, QT_TRANSLATE_NOOP("CProfileWnd", "Griglia"), true, 2, 1},
      {kCross, QT_TRANSLATE_NOOP("CProfileWnd", "Incrocia"), true, 3, 0},
      {kAverage, QT_TRANSLATE_NOOP("CProfileWnd", "Prof.media"), true, 3, 1},
      {kMore, QT_TRANSLATE_NOOP("CProfileWnd", "Altro"), true, 4, 0},
      {kChiudi, QT_TRANSLATE_NOOP("CProfileWnd", "Chiudi"), false, 4, 1},
  };
  for (const Btn& b : btns) {
    auto* w = new QPushButton(tr(b.text), panel);
    w->setObjectName(QString::number(b.id));
    w->setCheckable(b.checkable);
    w->setAutoDefault(false);
    w->setMinimumWidth(74);
    m_buttons[b.id] = w;
    buttons->addWidget(w, b.row, b.col);
  }
  buttons->setRowStretch(5, 1);
  top->addLayout(buttons);
  top->addStretch();

  m_buttons[kGrid]->setChecked(settings().grid != 0);
  m_buttons[kCross]->setChecked(settings().crossHair != 0);
  m_buttons[kAverage]->setChecked(false);
  m_buttons[kMore]->setChecked(settings().dataWindow != 0);
  connect(m_buttons[kChiudi], &QPushButton::clicked, this, &QDialog::accept);
  connect(m_buttons[kCopy], &QPushButton::clicked, this, &CProfileWnd::onCopy);
  connect(m_buttons[kPaste], &QPushButton::clicked, this, &CProfileWnd::onPaste);
  connect(m_buttons[kCut], &QPushButton::clicked, this, &CProfileWnd::onCut);
  connect(m_buttons[kColors], &QPushButton::clicked, this, &CProfileWnd::onColors);
  connect(m_buttons[kDeco], &QPushButton::clicked, this, &CProfileWnd::onDeco92);
  connect(m_buttons[kGrid], &QPushButton::toggled, this, [this](bool on) {
    settings().grid = on ? 1 : 0;
    m_graph->invalidate();
  });
  connect(m_buttons[kCross], &QPushButton::toggled, this, [this](bool on) {
    settings().crossHair = on ? 1 : 0;
    m_graph->setHorizontalLine(on);
    m_graph->hideCrossHair();
  });
  connect(m_buttons[kAverage], &QPushButton::toggled, this, [this](bool on) {
    m_averageLine = on;
    m_graph->invalidate();
  });
  connect(m_buttons[kMore], &QPushButton::toggled, this, [this](bool on) {
    settings().dataWindow = on ? 1 : 0;
    showDataWindow(on);
  });

  // The graph fills the height above the strip; the strip keeps its height.
  m_graph = new CGraphArea(
      [this](QPainter& p, const QSize& size) {
        GraphOptions o;
        o.grid = settings().grid != 0;
        o.averageLine = m_averageLine;
        o.clip = &profileClip();
        drawProfileGraph(p, size, dive(), settings().profileColors, o);
      },
      panel);
  m_graph->setObjectName(QStringLiteral("1067"));
  m_graph->setHorizontalLine(settings().crossHair != 0);
  right->addWidget(m_graph, 1);
  connect(m_graph, &CGraphArea::mouseMoved, this, [this](const QPoint& p, Qt::MouseButtons) { onGraphMouse(p); });

  m_strip = new CGraphArea(
      [this](QPainter& p, const QSize& size) {
        const DiveRecord& d = dive();
        drawWarningStrip(p, size, d, settings().profileColors, computerModels().airIntegrated(d.computerType));
      },
      panel);
  m_strip->setObjectName(QStringLiteral("1140"));
  m_strip->setFixedHeight(86);
  m_strip->setMouseTracking(false);
  right->addWidget(m_strip);
  setUnitLabels();
}

void CProfileWnd::setUnitLabels() {
  for (auto& [id, label] : m_units) {
    const Quantity qn = id == 1056 ? Quantity::Temperature : id == 1058 ? Quantity::AirConsumption : Quantity::Depth;
    label->setText(q(unitLabel(qn)));
  }
  m_pressureCaption->setText(q(unitLabel(Quantity::Pressure)));
}

void CProfileWnd::fillList() {
  m_filling = true;
  m_list->clear();
  QStringList lines;
  lines.reserve(m_log.diveCount());
  for (const DiveRecord& r : m_log.dives())
    lines << QString::asprintf("%c\t%05d", profileMark(r), int(r.diveNumber));
  m_list->addItems(lines);
  if (m_log.currentPosition >= 1 && m_log.currentPosition <= m_list->count())
    m_list->setCurrentRow(m_log.currentPosition - 1);
  m_list->setFocus();
  m_filling = false;
}

void CProfileWnd::onListRow(int row) {
  if (m_filling || row < 0 || row >= m_log.diveCount()) return;
  selectDive(row + 1);
}

void CProfileWnd::selectDive(int position) {
  if (position < 1 || position > m_log.diveCount()) return;
  m_log.currentPosition = position;
  if (m_list->currentRow() != position - 1) {
    m_filling = true;
    m_list->setCurrentRow(position - 1);
    m_filling = false;
  }
  refreshDive();
  emit currentDiveChanged();
}

void CProfileWnd::refreshDive() {
  const DiveRecord& r = dive();
  m_cursor = 0;
  m_graph->hideCrossHair();
  m_texts[1042]->setText(q(formatDateLong(r.date)));
  m_texts[1044]->setText(stored(r.location));
  m_texts[1045]->setText(stored(r.site));
  m_texts[1053]->setText(q(formatMaxDepth(r)));
  m_texts[1054]->setText(q(formatAvgDepth(r)));
  m_texts[1056]->setText(q(formatWaterTemperature(r.minWaterTemperature)));
  m_texts[1058]->setText(q(formatSac(r.sac)));
  m_texts[1046]->setText(q(formatComputerType(r.computerType)));
  setUnitLabels();
  m_graph->invalidate();
  m_strip->invalidate();
  m_gauges->invalidateFaces();
  if (m_data) m_data->showDive(r);
  updateCursor();
  updateButtons();
}

void CProfileWnd::onGraphMouse(const QPoint& pos) {
  const DiveRecord& r = dive();
  if (r.profileLength == 0) return;
  m_graph->moveCrossHair(pos);
  const QRect track = m_graph->crossHair().trackRect();
  if (!track.contains(pos)) return;
  const int n = std::min<int>(r.sampleCount, MAX_SAMPLES - 1);
  m_cursor = cursorIndexAt(pos.x() - track.left(), track.width(), n + 1);
  updateCursor();
}

void CProfileWnd::mouseMovedTo(const QPoint& graphPos) { onGraphMouse(graphPos); }

void CProfileWnd::updateCursor() {
  const DiveRecord& r = dive();
  CursorReadout v;
  if (r.profileLength != 0) v = cursorReadout(r, m_cursor, kelp::metric());
  m_texts[1147]->setText(q(v.time));
  m_texts[1146]->setText(q(v.maxDepth));
  m_texts[1148]->setText(q(v.depth));
  m_texts[1149]->setText(q(v.pressure));
  m_gauges->setReadout(v);
  m_bars->setReadout(v);
}

void CProfileWnd::updateButtons() {
  const DiveRecord& r = dive();
  const bool samples = r.profileLength != 0 && r.sampleCount > 0;
  const ProfileClip& clip = profileClip();
  m_buttons[kCopy]->setEnabled(samples);
  m_buttons[kDeco]->setEnabled(samples);
  m_buttons[kPaste]->setEnabled(samples && !clip.empty() && !clip.shown);
  m_buttons[kCut]->setEnabled(clip.shown);
}

void CProfileWnd::showDataWindow(bool on) {
  if (on && !m_data) {
    m_data = new CDisplWindow(this);
    m_data->showDive(dive());
    connect(m_data, &QDialog::finished, this, [this] {
      // Closed by its own button: the switch follows.
      m_data->deleteLater();
      m_data = nullptr;
      settings().dataWindow = 0;
      QSignalBlocker block(m_buttons[kMore]);
      m_buttons[kMore]->setChecked(false);
    });
    m_data->show();
  } else if (!on && m_data) {
    delete m_data;
    m_data = nullptr;
  }
}

void CProfileWnd::onCopy() {
  profileClip().copyFrom(dive());
  updateButtons();
}

void CProfileWnd::onPaste() {
  profileClip().shown = true;
  m_graph->invalidate();
  updateButtons();
}

void CProfileWnd::onCut() {
  profileClip().shown = false;
  m_graph->invalidate();
  updateButtons();
}

void CProfileWnd::onColors() {
  CProfileColorsDlg dlg(this);
  if (dlg.exec() != QDialog::Accepted) return;
  m_graph->invalidate();
  m_strip->invalidate();
  emit colorsChanged();
}

void CProfileWnd::onDeco92() {
  if (m_cursor < kDeco92MinCursor) return;
  const Deco92Planner planner = deco92Planner();
  if (!planner) {
    tellUser(this, tr("Il calcolatore DECO 92 non è ancora disponibile."), QMessageBox::Information);
    return;
  }
  std::string message;
  if (!planner(deco92RequestFor(dive(), m_cursor), profileClip(), message)) {
    if (!message.empty()) tellUser(this, QString::fromStdString(message), QMessageBox::Information);
    return;
  }
  profileClip().shown = true;
  m_graph->invalidate();
  updateButtons();
}

QPushButton* CProfileWnd::button(int id) const {
  auto it = m_buttons.find(id);
  return it == m_buttons.end() ? nullptr : it->second;
}

QString CProfileWnd::text(int id) const {
  auto it = m_texts.find(id);
  return it == m_texts.end() ? QString() : it->second->text();
}

void CProfileWnd::storePlacement() {
  Settings& s = settings();
  s.profileWindow = windowPlacementOf(this, true);
  const QSize scr = screenSizeOf(this);
  writeWindowPlacement(settingsFile(), scr.width(), scr.height(), "ProfilWindow", s.profileWindow);
  if (m_data) {
    delete m_data;  // stores its own placement
    m_data = nullptr;
  }
  settingsFile().save();
}

void CProfileWnd::done(int r) {
  storePlacement();
  QDialog::done(r);
}
