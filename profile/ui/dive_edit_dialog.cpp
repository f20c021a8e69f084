#include "profile/ui/dive_edit_dialog.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/ui/kelp_doc.h"
#include "core/computer_models.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/string_list.h"
#include "core/texts.h"

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string s(const QString& t) { return t.toStdString(); }

// Characters of a control's text as the stored form counts them (a line break is CR LF).
int storedLength(const QString& t) { return static_cast<int>(t.size() + t.count(QLatin1Char('\n'))); }

QLineEdit* edit(QWidget* parent, int id, int width = 70) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::number(id));
  e->setFixedWidth(width);
  return e;
}

QComboBox* combo(QWidget* parent, int id, bool editable, int limit = 0) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::number(id));
  c->setEditable(editable);
  if (editable) {
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    if (limit > 0) c->lineEdit()->setValidator(new TypingLimit(c->lineEdit(), limit));
  }
  return c;
}

QComboBox* listCombo(QWidget* parent, int id, const QStringList& entries) {
  QComboBox* c = combo(parent, id, false);
  c->addItems(entries);
  return c;
}

QLabel* unit(QWidget* parent, int id, kelp::Quantity qty) {
  auto* l = new QLabel(q(kelp::unitLabel(qty)), parent);
  l->setObjectName(QString::number(id));
  return l;
}

// Puts a text into an editable combo: selects the entry that lists it, else sets the text.
void setComboText(QComboBox* c, const QString& t) {
  TypingLimit::setProgramText(c->lineEdit(), t);
  const int i = c->findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (i >= 0 && !t.isEmpty()) c->setCurrentIndex(i);
}

void setLineText(QLineEdit* e, const QString& t) { TypingLimit::setProgramText(e, t); }

QButtonGroup* threeWay(QWidget* owner, QGridLayout* grid, int row, const QString& title,
                       const int ids[3], const char* const labels[3], QGroupBox** boxOut = nullptr) {
  QGroupBox* box = nullptr;
  QButtonGroup* group = dive_form::threeWay(owner, title, ids, labels, &box);
  grid->addWidget(box, row, 0);
  if (boxOut) *boxOut = box;
  return group;
}

using dive_form::check;
using dive_form::fillFromList;
using dive_form::kActivityIds;
using dive_form::kSpecialIds;

}  // namespace

// ---------------------------------------------------------------------------

namespace dive_form {

void fillFromList(QComboBox* c, const kelp::StringList& list) {
  const QString keep = c->currentText();
  c->clear();
  for (const std::string& t : list.texts()) c->addItem(QString::fromStdString(kelp::cp1252ToUtf8(t)));
  TypingLimit::setProgramText(c->lineEdit(), keep);
}

QButtonGroup* threeWay(QWidget* owner, const QString& title, const int ids[3],
                       const char* const labels[3], QGroupBox** box) {
  *box = new QGroupBox(title, owner);
  auto* lay = new QHBoxLayout(*box);
  lay->setContentsMargins(6, 2, 6, 2);
  auto* group = new QButtonGroup(owner);
  for (int k = 0; k < 3; ++k) {
    auto* radio = new QRadioButton(QCoreApplication::translate("CDiveEditDlg", labels[k]), *box);
    radio->setObjectName(QString::number(ids[k]));
    group->addButton(radio, k);
    lay->addWidget(radio);
  }
  lay->addStretch();
  return group;
}

void check(QButtonGroup* g, int v) {
  if (QAbstractButton* b = g->button(v >= 0 && v <= 2 ? v : 2)) b->setChecked(true);
}

const int kActivityIds[12] = {1076, 1077, 1078, 1079, 1080, 1081, 1082, 1083, 1084, 1085, 1086, 1087};
const int kSpecialIds[8] = {1088, 1089, 1093, 1096, 1092, 1090, 1091, 1094};

}  // namespace dive_form

// ---------------------------------------------------------------------------

TypingLimit::TypingLimit(QObject* parent, int limit) : QValidator(parent), m_limit(limit) {
  // An entry chosen from a combo's list is set by the program too: it stays whole, and
  // typing past the limit stays refused afterwards.
  auto* edit = qobject_cast<QLineEdit*>(parent);
  auto* box = edit ? qobject_cast<QComboBox*>(edit->parent()) : nullptr;
  if (!box) return;
  connect(box, &QComboBox::currentIndexChanged, this, [this, edit, box](int i) {
    if (i < 0) return;
    const QString text = box->itemText(i);
    m_length = text.size();
    edit->setText(text);  // checked again, now against its own length
  });
}

QValidator::State TypingLimit::validate(QString& input, int&) const {
  // Typing is refused only when it grows a text beyond the limit.
  if (input.size() > m_limit && input.size() > m_length) return Invalid;
  m_length = input.size();
  return Acceptable;
}

void TypingLimit::setProgramText(QLineEdit* edit, const QString& text) {
  if (auto* v = qobject_cast<const TypingLimit*>(edit->validator())) v->m_length = text.size();
  if (edit->text() != text) edit->setText(text);
}

// ---------------------------------------------------------------------------

std::optional<kelp::DiveRecord> editNewDive(QWidget* parent, const kelp::Logbook& lb,
                                            const kelp::DiveRecord& record) {
  CDiveEditDlg dlg(lb, record, 0, parent);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.record();
}

std::optional<kelp::DiveRecord> editDiveAt(QWidget* parent, const kelp::Logbook& lb, int position) {
  kelp::DiveRecord r;
  if (!lb.get(position, r)) return std::nullopt;
  CDiveEditDlg dlg(lb, r, position, parent);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.record();
}

CDiveEditDlg::CDiveEditDlg(const kelp::Logbook& lb, const kelp::DiveRecord& record, int index,
                           QWidget* parent)
    : QDialog(parent), m_log(lb) {
  setObjectName(QStringLiteral("139"));
  setWindowTitle(tr("Crea imm"));
  const kelp::EditorSession& session = kelp::editorSession();
  m_editor = std::make_unique<kelp::DiveEditor>(record, index, kelp::settings().extended != 0,
                                                session.freeEditing, session.abbreviations,
                                                kelp::computerModels());
  m_notesLimit = kelp::notesLimit(m_editor->extended());
  build();
  m_previous->setEnabled(m_editor->canTakePrevious());
  applyLocks();
  relabelSpecial();
  showFields();
  (m_editor->locks().locked ? static_cast<QWidget*>(m_location) : m_date)->setFocus();
}

CDiveEditDlg::~CDiveEditDlg() = default;

const kelp::DiveRecord& CDiveEditDlg::record() const { return m_editor->record(); }

void CDiveEditDlg::build() {
  using kelp::Quantity;
  auto* top = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  columns->setSpacing(18);
  top->addLayout(columns);

  // ---- left: the dive's values
  auto* left = new QGridLayout;
  left->setHorizontalSpacing(6);
  left->setVerticalSpacing(4);
  columns->addLayout(left);
  int row = 0;
  auto label = [&](const QString& text, int r, int c) {
    auto* l = new QLabel(text, this);
    left->addWidget(l, r, c);
    return l;
  };

  m_number = edit(this, 1070, 60);
  m_date = edit(this, 1042, 90);
  m_time = edit(this, 1043, 60);
  m_interval = edit(this, 1048, 60);
  label(tr("Numero:"), row, 0);
  left->addWidget(m_number, row, 1);
  label(tr("Data:"), row, 2);
  left->addWidget(m_date, row, 3);
  ++row;
  label(tr("Ora:"), row, 0);
  left->addWidget(m_time, row, 1);
  label(tr("Intervallo:"), row, 2);
  left->addWidget(m_interval, row, 3);
  ++row;

  m_location = combo(this, 1044, true, kelp::kLocationLimit);
  m_site = combo(this, 1045, true, kelp::kSiteLimit);
  for (QComboBox* c : {m_location, m_site}) c->setMinimumWidth(260);
  label(tr("Località:"), row, 0);
  left->addWidget(m_location, row, 1, 1, 4);
  ++row;
  label(tr("Luogo:"), row, 0);
  left->addWidget(m_site, row, 1, 1, 4);
  ++row;

  // The altitude classes follow the units setting; index 0 is "not entered".
  QStringList levels{QString()};
  for (int i = 1; i <= 4; ++i) levels << q(kelp::altitudeText(i));
  m_altitude = listCombo(this, 1047, levels);
  m_weather = listCombo(
      this, 1049,
      {QString(), tr("Limpido"), tr("Nuvoloso"), tr("Incerto"), tr("Pioggia"), tr("Temporale"), tr("neve")});
  label(tr("Livello mare:"), row, 0);
  left->addWidget(m_altitude, row, 1, 1, 2);
  label(tr("Meteo:"), row, 3);
  left->addWidget(m_weather, row, 4);
  ++row;

  m_airTemp = edit(this, 1050);
  m_waterTemp = edit(this, 1058);
  label(tr("Temperatura aria:"), row, 0);
  left->addWidget(m_airTemp, row, 1);
  left->addWidget(unit(this, 1362, Quantity::Temperature), row, 2);
  label(tr("Temp.min.acqua:"), row, 3);
  auto* waterRow = new QHBoxLayout;
  waterRow->addWidget(m_waterTemp);
  waterRow->addWidget(unit(this, 1366, Quantity::Temperature));
  waterRow->addStretch();
  left->addLayout(waterRow, row, 4);
  ++row;

  m_maxDepth = edit(this, 1056);
  m_diveTime = edit(this, 1057);
  label(tr("Prof.max:"), row, 0);
  left->addWidget(m_maxDepth, row, 1);
  left->addWidget(unit(this, 1364, Quantity::Depth), row, 2);
  label(tr("Tempo imm:"), row, 3);
  left->addWidget(m_diveTime, row, 4);
  ++row;

  m_suit = listCombo(this, 1051,
                     {QString(), tr("Senza muta"), tr("Shorty"), tr("Salopette"), tr("Duo pezzi"),
                      tr("Semi-stagna"), tr("Stagna")});
  m_tank = combo(this, 1052, true);
  m_tank->setFixedWidth(90);
  label(tr("Muta:"), row, 0);
  left->addWidget(m_suit, row, 1, 1, 2);
  label(tr("Capacità bombola:"), row, 3);
  auto* tankRow = new QHBoxLayout;
  tankRow->addWidget(m_tank);
  tankRow->addWidget(unit(this, 1363, Quantity::Volume));
  tankRow->addStretch();
  left->addLayout(tankRow, row, 4);
  ++row;

  m_consumption = edit(this, 1059);
  m_sac = new QLabel(this);
  m_sac->setObjectName(QStringLiteral("1060"));
  m_sac->setMinimumWidth(50);
  m_sac->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label(tr("Consumo aria:"), row, 0);
  left->addWidget(m_consumption, row, 1);
  left->addWidget(unit(this, 1367, Quantity::Pressure), row, 2);
  auto* sacRow = new QHBoxLayout;
  sacRow->addWidget(m_sac);
  sacRow->addWidget(unit(this, 1360, Quantity::AirConsumption));
  sacRow->addStretch();
  left->addLayout(sacRow, row, 3, 1, 2);
  ++row;

  // Extended fields: shown with the extended dive data only.
  auto extendedWidget = [&](QWidget* w) {
    if (m_extendedCount < 32) m_extended[m_extendedCount++] = w;
    return w;
  };
  m_weight = edit(this, 1069);
  m_pressure = edit(this, 1067);
  m_visibility = edit(this, 1068);
  m_suitName = combo(this, 1071, true, kelp::kSuitNameLimit);
  m_suitName->setMinimumWidth(180);
  m_material = listCombo(this, 1054, {QString(), tr("Acciaio"), tr("Aluminio")});
  extendedWidget(label(tr("Zavorra:"), row, 0));
  left->addWidget(extendedWidget(m_weight), row, 1);
  left->addWidget(extendedWidget(unit(this, 1368, Quantity::Weight)), row, 2);
  extendedWidget(label(tr("Pressione:"), row, 3));
  auto* pressureRow = new QHBoxLayout;
  pressureRow->addWidget(extendedWidget(m_pressure));
  pressureRow->addWidget(extendedWidget(unit(this, 1385, Quantity::Pressure)));
  pressureRow->addStretch();
  left->addLayout(pressureRow, row, 4);
  ++row;
  extendedWidget(label(tr("Muta:"), row, 0));
  left->addWidget(extendedWidget(m_suitName), row, 1, 1, 2);
  extendedWidget(label(tr("Bombola:"), row, 3));
  left->addWidget(extendedWidget(m_material), row, 4);
  ++row;
  extendedWidget(label(tr("Visibilità:"), row, 0));
  left->addWidget(extendedWidget(m_visibility), row, 1);
  left->addWidget(extendedWidget(unit(this, 1365, Quantity::Depth)), row, 2);
  ++row;

  // The two computer type lists stand at the same place.
  m_importType = listCombo(this, 1055, {});
  m_airType = listCombo(this, 1061, {});
  for (const std::string& e : kelp::importSourceEntries(kelp::computerModels())) m_importType->addItem(q(e));
  for (const std::string& e : kelp::airModelEntries(kelp::computerModels())) m_airType->addItem(q(e));
  auto* typeCell = new QHBoxLayout;
  typeCell->addWidget(m_importType);
  typeCell->addWidget(m_airType);
  typeCell->addStretch();
  left->addLayout(typeCell, row, 0, 1, 5);
  ++row;
  left->setRowStretch(row, 1);

  // ---- middle: dive type
  auto* middle = new QGridLayout;
  middle->setVerticalSpacing(2);
  columns->addLayout(middle);
  static const int kKindIds[3] = {1024, 1026, 1027};
  static const char* const kKind[3] = {QT_TRANSLATE_NOOP("CDiveEditDlg", "In curva"),
                                       QT_TRANSLATE_NOOP("CDiveEditDlg", "Decompressione"), "-"};
  m_kind = threeWay(this, middle, 0, tr("Tipo imm."), kKindIds, kKind);
  static const int kAscentIds[3] = {1028, 1029, 1030};
  static const char* const kAscent[3] = {QT_TRANSLATE_NOOP("CDiveEditDlg", "Risalita unica"),
                                         QT_TRANSLATE_NOOP("CDiveEditDlg", "Risalita multipla"), "-"};
  m_ascent = threeWay(this, middle, 1, tr("Risalita"), kAscentIds, kAscent);
  static const int kWaterIds[3] = {1031, 1033, 1032};
  static const char* const kWater[3] = {QT_TRANSLATE_NOOP("CDiveEditDlg", "Acqua dolce"),
                                        QT_TRANSLATE_NOOP("CDiveEditDlg", "Acqua salata"),
                                        QT_TRANSLATE_NOOP("CDiveEditDlg", "Camera di ricompressione")};
  m_water = threeWay(this, middle, 2, tr("Acqua"), kWaterIds, kWater);
  auto* gasRow = new QHBoxLayout;
  m_nitrox = new QCheckBox(tr("Nitrox"), this);
  m_nitrox->setObjectName(QStringLiteral("1075"));
  m_scr = new QCheckBox(tr("SCR"), this);
  m_scr->setObjectName(QStringLiteral("1095"));
  gasRow->addWidget(m_nitrox);
  gasRow->addWidget(m_scr);
  gasRow->addStretch();
  middle->addLayout(gasRow, 3, 0);
  static const int kBoatIds[3] = {1025, 1034, 1035};
  static const char* const kBoat[3] = {QT_TRANSLATE_NOOP("CDiveEditDlg", "imm da barca"),
                                       QT_TRANSLATE_NOOP("CDiveEditDlg", "imm da riva"), "-"};
  QGroupBox* boatBox = nullptr;
  m_boat = threeWay(this, middle, 4, tr("Partenza"), kBoatIds, kBoat, &boatBox);
  extendedWidget(boatBox);
  static const int kGuideIds[3] = {1036, 1037, 1038};
  static const char* const kGuide[3] = {QT_TRANSLATE_NOOP("CDiveEditDlg", "Con guida"),
                                        QT_TRANSLATE_NOOP("CDiveEditDlg", "Con diving"), "-"};
  QGroupBox* guideBox = nullptr;
  m_guide = threeWay(this, middle, 5, tr("Accompagnamento"), kGuideIds, kGuide, &guideBox);
  extendedWidget(guideBox);
  middle->setRowStretch(6, 1);

  // ---- right: activities
  auto* actBox = new QGroupBox(tr("Attività"), this);
  auto* act = new QGridLayout(actBox);
  act->setVerticalSpacing(1);
  for (int i = 0; i < 12; ++i) {
    m_activity[i] = new QCheckBox(q(kelp::activityBitText(i)), actBox);
    m_activity[i]->setObjectName(QString::number(kActivityIds[i]));
    act->addWidget(m_activity[i], i % 6, i / 6);
  }
  for (int i = 0; i < 8; ++i) {
    m_special[i] = new QCheckBox(actBox);
    m_special[i]->setObjectName(QString::number(kSpecialIds[i]));
    act->addWidget(m_special[i], 6 + i % 4, i / 4);
    connect(m_special[i], &QCheckBox::clicked, this, [this] {
      if (!m_filling) run(m_editor->readBack(collect()));
      showFields();
    });
  }
  m_other = combo(this, 1046, true, kelp::kOtherActivityLimit);
  auto* otherRow = new QHBoxLayout;
  otherRow->addWidget(new QLabel(tr("Altro:"), actBox));
  otherRow->addWidget(m_other, 1);
  act->addLayout(otherRow, 10, 0, 1, 2);
  m_abbrev = new QCheckBox(tr("Usa abbreviazioni"), actBox);
  m_abbrev->setObjectName(QStringLiteral("1100"));
  m_abbrev->setChecked(m_editor->abbreviations());
  act->addWidget(m_abbrev, 11, 0, 1, 2);
  connect(m_abbrev, &QCheckBox::clicked, this, [this](bool on) {
    if (run(m_editor->setAbbreviations(collect(), on))) kelp::editorSession().abbreviations = on;
    relabelSpecial();
    showFields();
  });
  auto* right = new QVBoxLayout;
  right->addWidget(actBox);
  m_results = new QLabel(this);
  m_results->setObjectName(QStringLiteral("1099"));
  m_results->setWordWrap(true);
  auto* resRow = new QHBoxLayout;
  resRow->addWidget(new QLabel(tr("Risultati:"), this));
  resRow->addWidget(m_results, 1);
  right->addLayout(resRow);
  right->addStretch();
  columns->addLayout(right);

  // ---- bottom: buddies and notes
  auto* buddyRow = new QHBoxLayout;
  m_buddySel = combo(this, 1053, true, kelp::kBuddySelectionLimit);
  m_buddySel->setMinimumWidth(180);
  m_appendBuddy = new QPushButton(QStringLiteral("-->>"), this);
  m_appendBuddy->setObjectName(QStringLiteral("1101"));
  m_appendBuddy->setAutoDefault(false);
  m_buddies = new QLineEdit(this);
  m_buddies->setObjectName(QStringLiteral("1102"));
  m_buddies->setValidator(new TypingLimit(m_buddies, kelp::kBuddiesLimit));
  buddyRow->addWidget(new QLabel(tr("Compagni:"), this));
  buddyRow->addWidget(m_buddySel);
  buddyRow->addWidget(m_appendBuddy);
  buddyRow->addWidget(m_buddies, 1);
  top->addLayout(buddyRow);
  connect(m_appendBuddy, &QPushButton::clicked, this, &CDiveEditDlg::appendBuddy);
  connect(m_buddySel, &QComboBox::currentTextChanged, this, &CDiveEditDlg::updateBuddyButton);
  connect(m_buddies, &QLineEdit::textChanged, this, &CDiveEditDlg::updateBuddyButton);

  top->addWidget(new QLabel(tr("Note:"), this));
  m_notes = new QPlainTextEdit(this);
  m_notes->setObjectName(QStringLiteral("1097"));
  m_notes->setFixedHeight(70);
  m_notes->setTabChangesFocus(true);
  top->addWidget(m_notes);
  connect(m_notes, &QPlainTextEdit::textChanged, this, &CDiveEditDlg::onNotesChanged);

  // ---- buttons
  auto* buttons = new QHBoxLayout;
  m_alarms = new QPushButton(tr("Allarmi"), this);
  m_alarms->setObjectName(QStringLiteral("1439"));
  m_alarms->setAutoDefault(false);
  m_free = new QCheckBox(tr("Testo libero"), this);
  m_free->setObjectName(QStringLiteral("1103"));
  m_free->setChecked(m_editor->freeEditing());
  m_previous = new QPushButton(tr("Assumere dati precedente"), this);
  m_previous->setObjectName(QStringLiteral("1359"));
  m_previous->setAutoDefault(false);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  box->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("IDOK"));
  box->button(QDialogButtonBox::Cancel)->setText(tr("Cancella"));
  box->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("IDCANCEL"));
  connect(box, &QDialogButtonBox::accepted, this, &CDiveEditDlg::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  buttons->addWidget(m_alarms);
  buttons->addWidget(m_free);
  buttons->addWidget(m_previous);
  buttons->addStretch();
  buttons->addWidget(box);
  top->addLayout(buttons);
  connect(m_alarms, &QPushButton::clicked, this, &CDiveEditDlg::openAlarms);
  connect(m_previous, &QPushButton::clicked, this, &CDiveEditDlg::takePrevious);
  connect(m_free, &QCheckBox::clicked, this, [this](bool on) {
    if (run(m_editor->setFreeEditing(collect(), on))) kelp::editorSession().freeEditing = on;
    m_free->setChecked(m_editor->freeEditing());
    applyLocks();
    showFields();
  });

  // Leaving these fields reads the controls back.
  for (QWidget* w : {static_cast<QWidget*>(m_location->lineEdit()), static_cast<QWidget*>(m_other->lineEdit()),
                     static_cast<QWidget*>(m_consumption), static_cast<QWidget*>(m_tank->lineEdit())})
    w->installEventFilter(this);
}

bool CDiveEditDlg::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::FocusOut && !m_filling) {
    if (o == m_location->lineEdit()) {
      run(m_editor->readBack(collect()));
      showFields();
      refreshSites();
    } else if (o == m_other->lineEdit()) {
      run(m_editor->readBack(collect()));
      showFields();
    } else if (o == m_consumption || o == m_tank->lineEdit()) {
      run(m_editor->refreshConsumption(collect()));
      showFields();
    }
  }
  return QDialog::eventFilter(o, e);
}

bool CDiveEditDlg::run(const kelp::Result& r) {
  if (r) return true;
  tellUser(this, q(r.error));
  return false;
}

void CDiveEditDlg::applyLocks() {
  const kelp::LockState& l = m_editor->locks();
  for (QWidget* w : {static_cast<QWidget*>(m_date), static_cast<QWidget*>(m_time),
                     static_cast<QWidget*>(m_number), static_cast<QWidget*>(m_altitude),
                     static_cast<QWidget*>(m_interval), static_cast<QWidget*>(m_maxDepth),
                     static_cast<QWidget*>(m_diveTime), static_cast<QWidget*>(m_waterTemp),
                     static_cast<QWidget*>(m_alarms)})
    w->setEnabled(!l.locked);
  m_consumption->setEnabled(l.consumptionEditable);
  // The extended fields follow the extended-data setting; "Usa abbreviazioni" is offered
  // only without it.
  const bool ext = m_editor->extended();
  for (int i = 0; i < m_extendedCount; ++i) m_extended[i]->setVisible(ext);
  m_abbrev->setVisible(!ext);
  const kelp::ComputerTypeView v = m_editor->computerView();
  m_importType->setVisible(v.importListVisible);
  m_airType->setVisible(v.airListVisible);
  m_airTemp->setEnabled(v.airTemperatureEnabled);
}

void CDiveEditDlg::relabelSpecial() {
  const std::vector<std::string> labels = kelp::specialActivityLabels(m_editor->abbreviations());
  for (int i = 0; i < 8; ++i) m_special[i]->setText(q(labels[static_cast<size_t>(i)]));
}

void CDiveEditDlg::showFields() {
  m_filling = true;
  if (m_firstFill) {
    // The autocomplete lists are loaded on the first transfer only.
    fillFromList(m_suitName, m_log.suitList);
    fillFromList(m_location, m_log.locationList);
    fillFromList(m_tank, m_log.tankSizeList);
    fillFromList(m_buddySel, m_log.buddyList);
    fillFromList(m_other, m_log.otherActivityList);
    TypingLimit::setProgramText(m_buddySel->lineEdit(), QString());
  }
  const kelp::EditorFields& f = m_editor->fields();
  setLineText(m_date, q(f.date));
  setLineText(m_time, q(f.time));
  setLineText(m_number, q(f.number));
  setComboText(m_location, q(f.location));
  setComboText(m_site, q(f.site));
  m_altitude->setCurrentIndex(f.altitudeClass);
  setLineText(m_interval, q(f.interval));
  m_weather->setCurrentIndex(f.weather);
  setLineText(m_airTemp, q(f.airTemperature));
  m_suit->setCurrentIndex(f.suit);
  setComboText(m_tank, q(f.tankSize));
  setLineText(m_weight, q(f.weight));
  setLineText(m_pressure, q(f.startPressure));
  setComboText(m_suitName, q(f.suitName));
  m_material->setCurrentIndex(f.tankMaterial);
  setLineText(m_visibility, q(f.visibility));
  setLineText(m_maxDepth, q(f.maxDepth));
  setLineText(m_diveTime, q(f.diveTime));
  setLineText(m_waterTemp, q(f.waterTemperature));
  setLineText(m_consumption, q(f.consumption));
  m_sac->setText(q(f.sac));
  check(m_kind, f.noStopDeco);
  check(m_ascent, f.ascent);
  check(m_water, f.water);
  check(m_boat, f.boatShore);
  check(m_guide, f.guideCentre);
  m_nitrox->setChecked(f.nitrox);
  m_scr->setChecked(f.scr);
  for (int i = 0; i < 12; ++i) m_activity[i]->setChecked((f.activities >> i) & 1u);
  for (int i = 0; i < 8; ++i) m_special[i]->setChecked((f.special >> i) & 1u);
  setComboText(m_other, q(f.otherActivity));
  setLineText(m_buddies, q(f.buddies));
  setNotes(q(f.notes));
  m_results->setText(q(f.results));
  m_importType->setCurrentIndex(f.importRow);
  m_airType->setCurrentIndex(f.airRow);
  m_filling = false;
  if (m_firstFill) {
    m_firstFill = false;
    refreshSites();
  }
  updateBuddyButton();
}

kelp::EditorFields CDiveEditDlg::collect() const {
  kelp::EditorFields f;
  f.date = s(m_date->text());
  f.time = s(m_time->text());
  f.number = s(m_number->text());
  f.location = s(m_location->currentText());
  f.site = s(m_site->currentText());
  f.altitudeClass = m_altitude->currentIndex();
  f.interval = s(m_interval->text());
  f.weather = m_weather->currentIndex();
  f.airTemperature = s(m_airTemp->text());
  f.suit = m_suit->currentIndex();
  f.tankSize = s(m_tank->currentText());
  f.weight = s(m_weight->text());
  f.startPressure = s(m_pressure->text());
  f.suitName = s(m_suitName->currentText());
  f.tankMaterial = m_material->currentIndex();
  f.visibility = s(m_visibility->text());
  f.maxDepth = s(m_maxDepth->text());
  f.diveTime = s(m_diveTime->text());
  f.waterTemperature = s(m_waterTemp->text());
  f.consumption = s(m_consumption->text());
  f.noStopDeco = m_kind->checkedId();
  f.ascent = m_ascent->checkedId();
  f.water = m_water->checkedId();
  f.boatShore = m_boat->checkedId();
  f.guideCentre = m_guide->checkedId();
  f.nitrox = m_nitrox->isChecked();
  f.scr = m_scr->isChecked();
  for (int i = 0; i < 12; ++i)
    if (m_activity[i]->isChecked()) f.activities = static_cast<uint16_t>(f.activities | (1u << i));
  for (int i = 0; i < 8; ++i)
    if (m_special[i]->isChecked()) f.special = static_cast<uint8_t>(f.special | (1u << i));
  f.otherActivity = s(m_other->currentText());
  f.buddies = s(m_buddies->text());
  f.notes = s(m_notes->toPlainText());
  f.importRow = m_importType->currentIndex();
  f.airRow = m_airType->currentIndex();
  f.sac = m_editor->fields().sac;
  f.results = m_editor->fields().results;
  return f;
}

void CDiveEditDlg::refreshSites() {
  const QString loc = m_location->currentText();
  if (!m_site->count() || loc != m_lastLocation) {
    // The sites of every dive at this location (every site for an empty location).
    kelp::StringList sites;
    sites.reserve(m_log.diveCount());
    const std::string wanted = kelp::utf8ToStored(s(loc));
    for (const kelp::DiveRecord& d : m_log.dives())
      if (wanted.empty() || kelp::getText(d.location) == wanted) sites.add(kelp::getText(d.site));
    m_filling = true;
    fillFromList(m_site, sites);
    m_filling = false;
    m_lastLocation = loc;
  }
}

void CDiveEditDlg::updateBuddyButton() {
  const std::string entry = kelp::utf8ToStored(s(m_buddySel->currentText()));
  const std::string buddies = kelp::utf8ToStored(s(m_buddies->text()));
  m_appendBuddy->setEnabled(!entry.empty() && kelp::buddyAppendFits(buddies, entry));
}

void CDiveEditDlg::appendBuddy() {
  const std::string entry = kelp::utf8ToStored(s(m_buddySel->currentText()));
  if (entry.empty()) return;
  const std::string buddies = kelp::utf8ToStored(s(m_buddies->text()));
  const std::string joined = kelp::appendBuddy(buddies, entry);
  if (joined != buddies) TypingLimit::setProgramText(m_buddies, q(kelp::storedToUtf8(joined)));
}

void CDiveEditDlg::setNotes(const QString& text) {
  if (m_notes->toPlainText() == text) {
    m_notesBaseline = text;
    return;
  }
  m_notesBaseline = text;
  m_notes->setPlainText(text);
}

void CDiveEditDlg::onNotesChanged() {
  const QString now = m_notes->toPlainText();
  if (now == m_notesBaseline) return;
  // Typing beyond the limit is refused; a longer text set by the program stays whole.
  if (storedLength(now) > m_notesLimit && storedLength(now) > storedLength(m_notesBaseline)) {
    const int pos = m_notes->textCursor().position();
    const int grown = static_cast<int>(now.size() - m_notesBaseline.size());
    const QSignalBlocker block(m_notes);
    m_notes->setPlainText(m_notesBaseline);
    QTextCursor c = m_notes->textCursor();
    c.setPosition(std::clamp(pos - grown, 0, static_cast<int>(m_notesBaseline.size())));
    m_notes->setTextCursor(c);
    return;
  }
  m_notesBaseline = now;
}

void CDiveEditDlg::openAlarms() {
  CAlarmsDlg dlg(m_editor->record().warningFlags, this);
  if (dlg.exec() != QDialog::Accepted) return;
  if (!run(m_editor->readBack(collect()))) return;
  m_editor->setWarnings(dlg.flags());
  showFields();
}

void CDiveEditDlg::takePrevious() {
  const int index = m_editor->index();
  kelp::DiveRecord prev;
  if (index < 2 || !m_log.get(index - 1, prev)) return;
  run(m_editor->takePrevious(collect(), prev));
  showFields();
}

void CDiveEditDlg::accept() {
  if (!run(m_editor->finish(collect()))) return;
  // The import source chosen in the list is the one the importers use next.
  const kelp::DiveRecord& r = m_editor->record();
  if (!m_editor->freeEditing() && r.computerType != 0 && kelp::computerModels().importSource(r.computerType))
    kelp::settings().importType = r.computerType;
  showFields();
  QDialog::accept();
}

// ---------------------------------------------------------------------------

CAlarmsDlg::CAlarmsDlg(uint16_t warningFlags, QWidget* parent) : QDialog(parent), m_flags(warningFlags) {
  setObjectName(QStringLiteral("213"));
  setWindowTitle(tr("Allarmi"));
  setMinimumWidth(240);
  static const int kIds[4] = {1440, 1441, 1442, 1443};
  static const char* const kLabels[4] = {
      QT_TRANSLATE_NOOP("CAlarmsDlg", "&RISALITA"), QT_TRANSLATE_NOOP("CAlarmsDlg", "&DECOMPRESSIONE"),
      QT_TRANSLATE_NOOP("CAlarmsDlg", "&LAVORO"), QT_TRANSLATE_NOOP("CAlarmsDlg", "&SOS")};
  static const int kBits[4] = {kelp::kWarnAscent, kelp::kWarnDeco, kelp::kWarnWorkload, kelp::kWarnSos};
  auto* v = new QVBoxLayout(this);
  for (int i = 0; i < 4; ++i) {
    m_box[i] = new QCheckBox(tr(kLabels[i]), this);
    m_box[i]->setObjectName(QString::number(kIds[i]));
    m_box[i]->setChecked((warningFlags >> kBits[i]) & 1u);
    v->addWidget(m_box[i]);
  }
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  box->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  v->addWidget(box);
}

uint16_t CAlarmsDlg::flags() const {
  static const int kBits[4] = {kelp::kWarnAscent, kelp::kWarnDeco, kelp::kWarnWorkload, kelp::kWarnSos};
  uint16_t f = m_flags;
  for (int i = 0; i < 4; ++i) {
    const uint16_t bit = static_cast<uint16_t>(1u << kBits[i]);
    f = static_cast<uint16_t>(m_box[i]->isChecked() ? f | bit : f & ~bit);
  }
  return f;
}
