#include "app/ui/kelp_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

#include "app/ui/kelp_doc.h"
#include "app/ui/tab_rows.h"
#include "app/view_layout.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "profile/ui/profile_plot.h"

using namespace kelp;

namespace {

// Command ids the view sends to the main window.
constexpr int kCmdCreateDive = 32775;   // "Crea immersione"
constexpr int kCmdNewDive = 32777;      // "Nuova immersione"
constexpr int kCmdDeleteDive = 57635;   // "Cancella immersione"
constexpr int kStrDueService = 62785;

// Index of the weight ("&Blei") entry in the field selection flags.
constexpr int kFieldSelectionWeight = 24;

const QColor kPurple(128, 0, 64);
const QColor kDarkGreen(0, 64, 0);

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

// The preview control 1066: the profile picture when the preview is on, else a
// plain "Profilo" button.
class PreviewButton : public QPushButton {
 public:
  explicit PreviewButton(QWidget* parent)
      : QPushButton(QCoreApplication::translate("CKelpView", "Profilo"), parent) {}
  void setPicture(const QPixmap& p) {
    picture_ = p;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    if (picture_.isNull() || !settings().profilePreview) {
      QPushButton::paintEvent(e);
      return;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
    if (isDown()) p.fillRect(rect(), QColor(0, 0, 0, 40));
  }

 private:
  QPixmap picture_;
};

}  // namespace

bool CKelpView::s_dueService = false;

void CKelpView::setDueService(bool due) { s_dueService = due; }
bool CKelpView::dueService() { return s_dueService; }

CKelpView::CKelpView(Logbook& logbook, QWidget* parent) : QWidget(parent), m_log(logbook) {
  setObjectName(QStringLiteral("101"));
  setAutoFillBackground(true);

  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("1039"));
  m_list->setItemDelegate(new CTabRowDelegate(
      [](double cw) {
        const auto stops = listTabStops(cw);
        return std::vector<int>(stops.begin(), stops.end());
      },
      m_list));
  m_list->setUniformItemSizes(true);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(m_list, &QListWidget::currentRowChanged, this, &CKelpView::onListRowChanged);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &CKelpView::onListDoubleClicked);

  buildForm();

  auto* notesLabel = new QLabel(tr("Note:"), this);
  notesLabel->setObjectName(QStringLiteral("notesLabel"));
  m_notes = new QPlainTextEdit(this);
  m_notes->setObjectName(QStringLiteral("1064"));
  m_notes->setReadOnly(true);
  m_notes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* preview = new PreviewButton(this);
  preview->setObjectName(QStringLiteral("1066"));
  preview->setFocusPolicy(Qt::NoFocus);
  m_previewButton = preview;
  connect(preview, &QPushButton::clicked, this, &CKelpView::onPreviewClicked);

  m_menu = new QMenu(this);
  const struct { int id; const char* text; int command; } items[] = {
      {32831, QT_TR_NOOP("Crea"), kCmdCreateDive},
      {32832, QT_TR_NOOP("Nuovo"), kCmdNewDive},
      {32833, QT_TR_NOOP("Cancella"), kCmdDeleteDive}};
  for (const auto& it : items) {
    QAction* a = m_menu->addAction(tr(it.text));
    a->setObjectName(QString::number(it.id));
    const int command = it.command;
    connect(a, &QAction::triggered, this, [this, command] { emit commandRequested(command); });
  }

  resize(1000, 640);
  layoutControls();
  rebuildList();
  fillForm();
}

CKelpView::~CKelpView() = default;

void CKelpView::buildForm() {
  m_form = new QWidget(this);
  m_form->setObjectName(QStringLiteral("form"));
  auto* grid = new QGridLayout(m_form);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  grid->setColumnMinimumWidth(2, 12);

  const QFontMetrics fm(font());
  const int numberWidth = fm.averageCharWidth() * 9 + 8;
  const int fieldHeight = fm.height() + 6;

  auto makeField = [&](int id, int width) {
    auto* e = new QLineEdit(m_form);
    e->setObjectName(QString::number(id));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus);
    e->setFixedHeight(fieldHeight);
    if (width > 0) e->setFixedWidth(width);
    m_fields[id] = e;
    return e;
  };
  auto makeUnit = [&](int id) {
    auto* l = new QLabel(m_form);
    l->setObjectName(QString::number(id));
    l->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("cft/min")) + 2);
    m_units[id] = l;
    return l;
  };
  auto makeLabel = [&](const QString& text) {
    auto* l = new QLabel(text, m_form);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
  };
  // A value cell: value fields and unit labels side by side.
  auto cell = [&](std::initializer_list<QWidget*> parts) {
    auto* w = new QWidget(m_form);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(4);
    for (QWidget* p : parts) h->addWidget(p);
    h->addStretch(1);
    return w;
  };

  int row = 0;
  // columns: 0 label, 1 value cell, 2 gap, 3 label, 4 value cell
  auto pair = [&](const QString& l1, QWidget* v1, const QString& l2, QWidget* v2) {
    if (!l1.isEmpty()) grid->addWidget(makeLabel(l1), row, 0);
    if (v1) grid->addWidget(v1, row, 1);
    if (!l2.isEmpty()) grid->addWidget(makeLabel(l2), row, 3);
    if (v2) grid->addWidget(v2, row, 4);
    ++row;
  };
  auto wide = [&](const QString& l, QWidget* v) {
    grid->addWidget(makeLabel(l), row, 0);
    grid->addWidget(v, row, 1, 1, 4);
    ++row;
  };

  wide(tr("File:"), makeField(1037, 0));
  pair(tr("Numero imm.:"), cell({makeField(1063, numberWidth)}), tr("Numero tot:"),
       cell({makeField(1038, numberWidth)}));
  pair(tr("Data:"), cell({makeField(1042, numberWidth + 56)}), tr("Ora:"),
       cell({makeField(1043, numberWidth)}));

  m_computerType = new QLabel(m_form);
  m_computerType->setObjectName(QStringLiteral("1046"));
  m_profileKind = new QLabel(m_form);
  m_profileKind->setObjectName(QStringLiteral("1065"));
  for (QLabel* l : {m_computerType, m_profileKind}) {
    l->setAutoFillBackground(true);
    l->setContentsMargins(6, 1, 6, 1);
    l->setFixedHeight(fieldHeight - 2);
  }
  grid->addWidget(cell({m_computerType}), row, 1);
  grid->addWidget(cell({m_profileKind}), row, 4);
  ++row;

  wide(tr("Località:"), makeField(1044, 0));
  wide(tr("Luogo:"), makeField(1045, 0));
  pair(tr("Livello mare:"), cell({makeField(1047, numberWidth + 60)}), tr("Intervallo:"),
       cell({makeField(1048, numberWidth)}));
  pair(tr("Meteo:"), cell({makeField(1049, numberWidth + 60)}), tr("Temperatura aria:"),
       cell({makeField(1050, numberWidth), makeUnit(1362)}));
  pair(tr("Prof.Max.:"), cell({makeField(1053, numberWidth), makeUnit(1364)}), tr("Prof. media::"),
       cell({makeField(1054, numberWidth), makeUnit(1365)}));
  pair(tr("Tempo imm.:"), cell({makeField(1055, numberWidth)}), tr("Temperatura min.:"),
       cell({makeField(1056, numberWidth), makeUnit(1366)}));
  pair(tr("Visibilità:"), cell({makeField(1068, numberWidth), makeUnit(1380)}), tr("Muta:"),
       cell({makeField(1051, numberWidth + 60)}));
  pair(tr("Dim bombola:"), cell({makeField(1052, numberWidth), makeUnit(1363)}), tr("Tipo muta:"),
       cell({makeField(1071, numberWidth + 60)}));
  pair(tr("Bombola:"), cell({makeField(1070, numberWidth)}), tr("Pressione:"),
       cell({makeField(1067, numberWidth), makeUnit(1385)}));

  QWidget* weightCell = cell({makeField(1069, numberWidth), makeUnit(1368)});
  QLabel* weightLabel = makeLabel(tr("Zavorra:"));
  weightLabel->setObjectName(QStringLiteral("1429"));
  grid->addWidget(makeLabel(tr("Consumo aria.:")), row, 0);
  grid->addWidget(cell({makeField(1057, numberWidth), makeUnit(1367),
                        makeField(1058, numberWidth), makeUnit(1360)}),
                  row, 1);
  grid->addWidget(weightLabel, row, 3);
  grid->addWidget(weightCell, row, 4);
  ++row;
  m_weightRow = {{1069, weightCell}, {1429, weightLabel}, {1368, m_units[1368]}};

  wide(tr("Tipo imm.:"), makeField(1059, 0));
  wide(tr("Attività:"), makeField(1060, 0));
  wide(tr("Allarmi:"), makeField(1061, 0));
  wide(tr("Compagni:"), makeField(1062, 0));
  pair(tr("Media consumo aria.:"), cell({makeField(1040, numberWidth), makeUnit(1361)}),
       tr("Tempo tot. immersione:"), cell({makeField(1041, numberWidth)}));
  grid->setRowStretch(row, 1);
}

QString CKelpView::fieldText(int controlId) const {
  auto it = m_fields.find(controlId);
  if (it != m_fields.end()) return it->second->text();
  if (controlId == 1046) return m_computerType->text();
  if (controlId == 1065) return m_profileKind->text();
  if (controlId == 1064) return m_notes->toPlainText();
  auto u = m_units.find(controlId);
  if (u != m_units.end()) return u->second->text();
  return {};
}

void CKelpView::setField(int id, const QString& text) {
  auto it = m_fields.find(id);
  if (it == m_fields.end()) return;
  if (it->second->text() != text) {
    it->second->setText(text);
    it->second->setCursorPosition(0);
  }
}

// ---------------------------------------------------------------- filling

void CKelpView::setUnitLabels() {
  const struct { int id; Quantity q; } units[] = {
      {1364, Quantity::Depth},          {1365, Quantity::Depth},
      {1380, Quantity::Depth},          {1362, Quantity::Temperature},
      {1366, Quantity::Temperature},    {1367, Quantity::Pressure},
      {1385, Quantity::Pressure},       {1360, Quantity::AirConsumption},
      {1361, Quantity::AirConsumption}, {1363, Quantity::Volume},
      {1368, Quantity::Weight}};
  for (const auto& u : units) m_units[u.id]->setText(q(unitLabel(u.q)));
}

void CKelpView::updateWeightRow() {
  const bool show = settings().extended != 0 && settings().fieldSelection[kFieldSelectionWeight];
  for (auto& [id, w] : m_weightRow) w->setVisible(show);
}

void CKelpView::setProfileKindColour(const DiveRecord& r) {
  QPalette pal = m_form->palette();
  const ProfileKind kind = profileKind(r);
  if (kind == ProfileKind::HandMade || kind == ProfileKind::Computer) {
    const QColor c = kind == ProfileKind::HandMade ? kPurple : kDarkGreen;
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::WindowText, Qt::white);
  }
  m_profileKind->setPalette(pal);
  m_profileKind->setAutoFillBackground(kind != ProfileKind::None);

  QPalette black = m_form->palette();
  black.setColor(QPalette::Window, Qt::black);
  black.setColor(QPalette::WindowText, Qt::white);
  m_computerType->setPalette(black);
  m_computerType->setAutoFillBackground(!m_computerType->text().isEmpty());
}

void CKelpView::fillForm() {
  m_filling = true;
  const int pos = m_log.currentPosition;
  DiveRecord r;
  const bool have = m_log.get(pos, r);  // an initialised record when there is none

  setField(1037, q(m_log.modified ? format("%s *", m_log.path.c_str()) : m_log.path));
  setField(1038, QString::number(m_log.diveCount()));
  setField(1040, q(formatSac(m_log.averageSac)));
  setField(1041, q(formatTotalTime(m_log.totalDiveTime)));

  // An empty logbook shows empty dive fields.
  auto t = [have](const std::string& s) { return have ? q(s) : QString(); };
  setField(1063, have ? QString::number(r.diveNumber) : QString());
  setField(1042, t(formatDateLong(r.date)));
  setField(1043, t(formatMinutes(r.timeOfDay)));
  setField(1044, t(storedToUtf8(getText(r.location))));
  setField(1045, t(storedToUtf8(getText(r.site))));
  m_computerType->setText(t(formatComputerType(r.computerType)));
  m_profileKind->setText(t(formatProfileKind(r)));
  setField(1047, t(altitudeText(r.altitudeClass)));
  setField(1048, t(formatMinutes(r.surfaceInterval)));
  setField(1049, t(weatherText(r.weather)));
  setField(1050, t(formatAirTemperature(r.airTemperature)));
  setField(1051, t(suitText(r.suit)));
  setField(1052, t(formatTankSize(r.tankSize)));
  setField(1053, t(formatMaxDepth(r)));
  setField(1054, t(formatAvgDepth(r)));
  setField(1055, t(formatMinutes(r.diveTime)));
  setField(1056, t(formatWaterTemperature(r.minWaterTemperature)));
  setField(1057, t(formatPressure(r.airConsumed)));
  setField(1058, t(formatSac(r.sac)));
  setField(1067, t(formatPressure(r.startPressure)));
  setField(1068, t(formatVisibility(r.visibility)));
  setField(1069, t(formatWeight(r.weight)));
  setField(1070, t(tankMaterialText(r.tankMaterial)));
  setField(1071, t(storedToUtf8(getText(r.suitDescription))));
  setField(1059, t(diveTypeText(r)));
  setField(1060, t(activitiesText(r)));
  setField(1061, t(warningsText(r)));
  setField(1062, t(storedToUtf8(getText(r.buddies))));

  QString notes = t(formatNotes(r));
  notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (m_notes->toPlainText() != notes) m_notes->setPlainText(notes);

  setProfileKindColour(have ? r : makeRecord());
  // Units and the weight row follow the settings at once.
  setUnitLabels();
  updateWeightRow();

  if (have && m_list->count() >= pos && m_list->currentRow() != pos - 1)
    m_list->setCurrentRow(pos - 1);
  m_filling = false;
}

QString CKelpView::lineText(int position) const {
  DiveRecord r;
  if (!m_log.get(position, r)) return {};
  return q(diveListLine(r));
}

void CKelpView::rebuildList() {
  m_filling = true;
  m_list->clear();
  for (int i = 1; i <= m_log.diveCount(); ++i) m_list->addItem(lineText(i));
  const int pos = m_log.currentPosition;
  if (pos >= 1 && pos <= m_list->count()) m_list->setCurrentRow(pos - 1);
  m_filling = false;
  setUnitLabels();
}

void CKelpView::showLine(int position) {
  if (position >= 1 && position <= m_list->count()) {
    m_filling = true;
    m_list->setCurrentRow(position - 1);
    m_filling = false;
  }
}

void CKelpView::onUpdate() {
  ChangeFlags& ch = m_log.changes;
  if (ch.listChanged) {
    rebuildList();
    ch.listChanged = false;
    m_previewDirty = true;
  }
  if (m_previewDirty || ch.previewChanged) drawPreview();
  if (ch.changedPosition > 0) {
    const int p = ch.changedPosition;
    if (p <= m_log.diveCount() && p <= m_list->count()) {
      m_filling = true;
      delete m_list->takeItem(p - 1);
      m_list->insertItem(p - 1, lineText(p));
      m_list->setCurrentRow(p - 1);
      m_filling = false;
    }
    ch.changedPosition = 0;
  }
  showLine(m_log.currentPosition);
  fillForm();
}

void CKelpView::goToDive(int n) {
  // A position outside the logbook would leave the current dive dangling.
  if (n < 1 || n > m_log.diveCount()) return;
  m_log.currentPosition = n;
  showLine(n);
  fillForm();
  drawPreview();
}

void CKelpView::onListRowChanged(int row) {
  if (m_filling || row < 0) return;
  if (m_log.diveCount() > 0) m_log.currentPosition = row + 1;
  fillForm();
  drawPreview();
}

void CKelpView::onListDoubleClicked(QListWidgetItem* item) {
  if (m_log.diveCount() > 0 && item) {
    m_log.currentPosition = m_list->row(item) + 1;
    fillForm();
    emit commandRequested(kCmdCreateDive);
  }
  fillForm();
  drawPreview();
}

void CKelpView::onPreviewClicked() {
  emit profileWindowRequested();
  showLine(m_log.currentPosition);
  fillForm();
  drawPreview();
}

// ---------------------------------------------------------------- preview

void CKelpView::drawPreview() {
  m_previewDirty = false;
  m_log.changes.previewChanged = false;
  auto* button = static_cast<PreviewButton*>(m_previewButton);
  if (!settings().profilePreview) {
    m_preview = QPixmap();
    button->setPicture(m_preview);
    return;
  }
  const QSize size = button->size();
  if (size.isEmpty()) return;
  QPixmap pm(size);
  {
    QPainter p(&pm);
    DiveRecord r;
    m_log.get(m_log.currentPosition, r);
    drawProfilePreview(p, QRect(QPoint(0, 0), size), r, settings().profileColors, m_bigPreview);
  }
  m_preview = pm;
  button->setPicture(pm);
}

bool CKelpView::bigPreview() const { return m_bigPreview; }

void CKelpView::setLayoutChanged() {
  m_layoutChanged = true;
  layoutControls();
  m_layoutChanged = false;
  drawPreview();
  update();
}

// ---------------------------------------------------------------- layout

void CKelpView::layoutControls() {
  const QFontMetrics fm(font());
  const auto stops = listTabStops(dialogCharWidth(fm));
  const int listWidth = stops[2] + fm.averageCharWidth() * 34 + 24;

  ViewTemplate t;
  t.list = {8, 8, listWidth, 0};
  const int formLeft = t.list.right() + 12;
  // The form takes its natural width, narrowed to the view when it can be.
  QSize formSize = m_form->sizeHint();
  formSize.setWidth(std::max(m_form->minimumSizeHint().width(),
                             std::min(formSize.width(), width() - formLeft - 24)));
  m_form->setGeometry(formLeft, 8, formSize.width(), formSize.height());

  auto* notesLabel = findChild<QLabel*>(QStringLiteral("notesLabel"));
  const int labelTop = 8 + formSize.height() + 6;
  const int labelHeight = fm.height();
  notesLabel->setGeometry(formLeft, labelTop, 200, labelHeight);
  const int boxTop = labelTop + labelHeight + 2;
  t.notes = {formLeft, boxTop, std::max(200, formSize.width() * 9 / 20), 0};
  t.preview = {t.notes.right() + 12, boxTop, 0, 0};

  const ViewLayout l = layoutView(width(), height(), t, settings().profilePreview != 0);
  auto put = [](QWidget* w, const LayoutRect& r) { w->setGeometry(r.left, r.top, r.width, r.height); };
  put(m_list, l.list);
  put(m_notes, l.notes);
  put(m_previewButton, l.preview);
  m_bigPreview = l.bigPreview;
  static_cast<QPushButton*>(m_previewButton)->setFlat(false);
}

QSize CKelpView::minimumSizeHint() const {
  const QFontMetrics fm(font());
  const auto stops = listTabStops(dialogCharWidth(fm));
  const int formLeft = 8 + stops[2] + fm.averageCharWidth() * 34 + 24 + 12;
  const QSize form = m_form->minimumSizeHint();
  const int notesWidth = std::max(200, form.width() * 9 / 20);
  const int previewOn = settings().profilePreview != 0;
  const int width = std::max(formLeft + form.width(),
                             formLeft + notesWidth + 12 + (previewOn ? 159 : 60)) + 24;
  const int boxTop = 8 + form.height() + 6 + fm.height() + 2;
  const int height = boxTop + std::max(80, previewOn ? 99 : 20) + 16;
  return {width, height};
}

void CKelpView::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  layoutControls();
  drawPreview();
}

void CKelpView::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::FontChange) layoutControls();
}

void CKelpView::paintEvent(QPaintEvent* e) {
  QWidget::paintEvent(e);
  if (m_layoutChanged) {
    m_layoutChanged = false;
    layoutControls();
    drawPreview();
  }
  if (s_dueService) {
    // Shown once, after the paint has finished.
    s_dueService = false;
    QTimer::singleShot(0, this, [this] {
      emit dueServiceShown();
      tellUser(this, q(str(kStrDueService)));
    });
  }
}

// ---------------------------------------------------------------- mouse

void CKelpView::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    emit commandRequested(kCmdCreateDive);
    e->accept();
    return;
  }
  QWidget::mouseDoubleClickEvent(e);
}

void CKelpView::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) {
    m_menu->popup(e->globalPosition().toPoint());
    e->accept();
    return;
  }
  QWidget::mouseReleaseEvent(e);
}
