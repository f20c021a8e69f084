#include "profile/ui/fill_dives_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/kelp_doc.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/string_list.h"
#include "core/texts.h"
#include "profile/dive_edit.h"
#include "profile/ui/dive_edit_dialog.h"

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string s(const QString& t) { return t.toStdString(); }

QComboBox* textCombo(QWidget* parent, int id, int limit) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::number(id));
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setCompleter(nullptr);
  c->lineEdit()->setValidator(new TypingLimit(c->lineEdit(), limit));
  return c;
}

QComboBox* listCombo(QWidget* parent, int id, const QStringList& entries) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::number(id));
  c->addItems(entries);
  return c;
}

QLineEdit* edit(QWidget* parent, int id, int width) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::number(id));
  e->setFixedWidth(width);
  return e;
}

QButtonGroup* threeWay(QWidget* owner, QVBoxLayout* into, const QString& title, const int ids[3],
                       const char* const labels[3], QGroupBox** boxOut = nullptr) {
  QGroupBox* box = nullptr;
  QButtonGroup* group = dive_form::threeWay(owner, title, ids, labels, &box);
  into->addWidget(box);
  if (boxOut) *boxOut = box;
  return group;
}

using dive_form::check;
using dive_form::fillFromList;
using dive_form::kActivityIds;
using dive_form::kSpecialIds;

}  // namespace

CFillDivesDlg::CFillDivesDlg(const kelp::Logbook& lb, QWidget* parent) : QDialog(parent), m_log(lb) {
  setObjectName(QStringLiteral("202"));
  setWindowTitle(tr("Compila dati immersione"));
  using kelp::Quantity;
  const bool extended = kelp::settings().extended != 0;
  kelp::prepareFillTemplate(kelp::fillTemplate(), extended);

  auto* top = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  top->addLayout(columns);
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  columns->addLayout(grid);
  int row = 0;
  auto label = [&](const QString& text, int r, int c) {
    auto* l = new QLabel(text, this);
    grid->addWidget(l, r, c);
    return l;
  };
  // A field with its unit label right beside it.
  auto withUnit = [&](QWidget* field, Quantity qty, int r) {
    auto* h = new QHBoxLayout;
    h->addWidget(field);
    h->addWidget(new QLabel(q(kelp::unitLabel(qty)), this));
    h->addStretch();
    grid->addLayout(h, r, 1, 1, 2);
  };

  m_first = edit(this, 1413, 70);
  m_last = edit(this, 1414, 70);
  for (QLineEdit* e : {m_first, m_last}) e->setValidator(new QIntValidator(0, 65535, e));
  label(tr("Imm"), row, 0);
  auto* range = new QHBoxLayout;
  range->addWidget(m_first);
  range->addSpacing(8);
  range->addWidget(new QLabel(tr("A:"), this));
  range->addWidget(m_last);
  range->addStretch();
  grid->addLayout(range, row++, 1, 1, 2);

  m_location = textCombo(this, 1044, kelp::kFillTextLimit);
  m_site = textCombo(this, 1045, kelp::kFillTextLimit);
  for (QComboBox* c : {m_location, m_site}) c->setMinimumWidth(240);
  fillFromList(m_location, lb.locationList);
  label(tr("Località:"), row, 0);
  grid->addWidget(m_location, row++, 1, 1, 2);
  label(tr("Luogo:"), row, 0);
  grid->addWidget(m_site, row++, 1, 1, 2);

  m_weather = listCombo(
      this, 1049,
      {QString(), tr("Limpido"), tr("Nuvoloso"), tr("Incerto"), tr("Pioggia"), tr("Temporale"), tr("neve")});
  label(tr("Meteo:"), row, 0);
  grid->addWidget(m_weather, row++, 1);
  m_airTemp = edit(this, 1050, 70);
  label(tr("Temperatura aria:"), row, 0);
  withUnit(m_airTemp, Quantity::Temperature, row++);
  m_suit = listCombo(this, 1051,
                     {QString(), tr("Senza muta"), tr("Shorty"), tr("Salopette"), tr("Due pezzi"),
                      tr("Semi-stagna"), tr("Stagna")});
  label(tr("Muta:"), row, 0);
  grid->addWidget(m_suit, row++, 1);
  m_suitName = textCombo(this, 1071, kelp::kFillSuitNameLimit);
  fillFromList(m_suitName, lb.suitList);
  label(tr("Tipo muta:"), row, 0);
  grid->addWidget(m_suitName, row++, 1, 1, 2);
  m_tank = textCombo(this, 1052, 20);
  m_tank->setFixedWidth(90);
  fillFromList(m_tank, lb.tankSizeList);
  label(tr("Capacità bombola:"), row, 0);
  withUnit(m_tank, Quantity::Volume, row++);
  m_weight = edit(this, 1069, 70);
  label(tr("Zavorra:"), row, 0);
  withUnit(m_weight, Quantity::Weight, row++);
  m_material = listCombo(this, 1054, {QString(), tr("Acciaio"), tr("Aluminio")});
  label(tr("Bombola:"), row, 0);
  grid->addWidget(m_material, row++, 1);
  grid->setRowStretch(row, 1);

  auto* middle = new QVBoxLayout;
  columns->addLayout(middle);
  static const int kKindIds[3] = {1024, 1026, 1027};
  static const char* const kKind[3] = {QT_TRANSLATE_NOOP("CDiveEditDlg", "In curva"),
                                       QT_TRANSLATE_NOOP("CDiveEditDlg", "Decompressione"), "-"};
  m_kind = threeWay(this, middle, tr("Tipo imm."), kKindIds, kKind);
  static const int kAscentIds[3] = {1028, 1029, 1030};
  static const char* const kAscent[3] = {QT_TRANSLATE_NOOP("CDiveEditDlg", "Risalita unica"),
                                         QT_TRANSLATE_NOOP("CDiveEditDlg", "Risalita multipla"), "-"};
  m_ascent = threeWay(this, middle, tr("Risalita"), kAscentIds, kAscent);
  static const int kWaterIds[3] = {1031, 1033, 1032};
  static const char* const kWater[3] = {QT_TRANSLATE_NOOP("CDiveEditDlg", "Acqua dolce"),
                                        QT_TRANSLATE_NOOP("CDiveEditDlg", "Acqua salata"),
                                        QT_TRANSLATE_NOOP("CDiveEditDlg", "Camera di ricompressione")};
  m_water = threeWay(this, middle, tr("Acqua"), kWaterIds, kWater);
  auto* gasRow = new QHBoxLayout;
  m_nitrox = new QCheckBox(tr("Nitrox"), this);
  m_nitrox->setObjectName(QStringLiteral("1075"));
  m_scr = new QCheckBox(tr("SCR"), this);
  m_scr->setObjectName(QStringLiteral("1095"));
  gasRow->addWidget(m_nitrox);
  gasRow->addWidget(m_scr);
  gasRow->addStretch();
  middle->addLayout(gasRow);
  static const int kBoatIds[3] = {1025, 1034, 1035};
  static const char* const kBoat[3] = {QT_TRANSLATE_NOOP("CDiveEditDlg", "imm da barca"),
                                       QT_TRANSLATE_NOOP("CDiveEditDlg", "imm da riva"), "-"};
  QGroupBox *boatBox = nullptr, *guideBox = nullptr;
  m_boat = threeWay(this, middle, tr("Partenza"), kBoatIds, kBoat, &boatBox);
  static const int kGuideIds[3] = {1036, 1037, 1038};
  static const char* const kGuide[3] = {QT_TRANSLATE_NOOP("CDiveEditDlg", "Con guida"),
                                        QT_TRANSLATE_NOOP("CDiveEditDlg", "Con diving"), "-"};
  m_guide = threeWay(this, middle, tr("Accompagnamento"), kGuideIds, kGuide, &guideBox);
  middle->addStretch();

  auto* actBox = new QGroupBox(tr("Attività"), this);
  auto* act = new QGridLayout(actBox);
  act->setVerticalSpacing(1);
  for (int i = 0; i < 12; ++i) {
    m_activity[i] = new QCheckBox(q(kelp::activityBitText(i)), actBox);
    m_activity[i]->setObjectName(QString::number(kActivityIds[i]));
    act->addWidget(m_activity[i], i % 6, i / 6);
  }
  const std::vector<std::string> labels = kelp::specialActivityLabels(kelp::editorSession().abbreviations);
  for (int i = 0; i < 8; ++i) {
    m_special[i] = new QCheckBox(q(labels[static_cast<size_t>(i)]), actBox);
    m_special[i]->setObjectName(QString::number(kSpecialIds[i]));
    act->addWidget(m_special[i], 6 + i % 4, i / 4);
  }
  auto* right = new QVBoxLayout;
  right->addWidget(actBox);
  right->addStretch();
  columns->addLayout(right);

  // The extended fields are offered with the extended dive data only.
  for (QWidget* w : {static_cast<QWidget*>(m_weight), static_cast<QWidget*>(m_material),
                     static_cast<QWidget*>(m_suitName), static_cast<QWidget*>(boatBox),
                     static_cast<QWidget*>(guideBox)})
    w->setEnabled(extended);
  for (QCheckBox* c : m_special) c->setEnabled(extended);

  auto* buttons = new QHBoxLayout;
  auto* reset = new QPushButton(tr("Ripristina"), this);
  reset->setObjectName(QStringLiteral("1415"));
  reset->setAutoDefault(false);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  box->button(QDialogButtonBox::Ok)->setText(tr("Compila"));
  box->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("IDOK"));
  box->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
  connect(box, &QDialogButtonBox::accepted, this, &CFillDivesDlg::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(reset, &QPushButton::clicked, this, [this] {
    kelp::fillTemplate() = kelp::FillTemplate{};
    showTemplate();
  });
  buttons->addWidget(reset);
  buttons->addStretch();
  buttons->addWidget(box);
  top->addLayout(buttons);

  m_location->lineEdit()->installEventFilter(this);
  showTemplate();
  m_first->setFocus();
}

void CFillDivesDlg::showTemplate() {
  const kelp::FillTemplate& t = kelp::fillTemplate();
  m_shownTemplate = t;
  m_first->setText(t.first ? QString::number(t.first) : QString());
  m_last->setText(t.last ? QString::number(t.last) : QString());
  TypingLimit::setProgramText(m_location->lineEdit(), q(kelp::storedToUtf8(t.location)));
  TypingLimit::setProgramText(m_site->lineEdit(), q(kelp::storedToUtf8(t.site)));
  m_weather->setCurrentIndex(t.weather <= 6 ? t.weather : 0);
  m_shownAir = q(kelp::formatAirTemperature(t.airTemperature));
  m_airTemp->setText(m_shownAir);
  m_suit->setCurrentIndex(t.suit <= 6 ? t.suit : 0);
  TypingLimit::setProgramText(m_suitName->lineEdit(), q(kelp::storedToUtf8(t.suitName)));
  m_shownTank = q(kelp::formatTankSize(t.tankSize));
  TypingLimit::setProgramText(m_tank->lineEdit(), m_shownTank);
  m_shownWeight = q(kelp::formatWeight(t.weight));
  m_weight->setText(m_shownWeight);
  m_material->setCurrentIndex(t.tankMaterial <= 2 ? t.tankMaterial : 0);
  check(m_kind, kelp::getThreeWay(t.diveTypeFlags, kelp::kDiveNoStop));
  check(m_ascent, kelp::getThreeWay(t.diveTypeFlags, kelp::kDiveSingleAscent));
  check(m_water, kelp::getThreeWay(t.diveTypeFlags, kelp::kDiveFreshWater));
  check(m_boat, kelp::getThreeWay(t.moreActivityFlags, 8));
  check(m_guide, kelp::getThreeWay(t.moreActivityFlags, 10));
  m_nitrox->setChecked(t.diveTypeFlags & (1u << kelp::kDiveNitrox));
  m_scr->setChecked(t.diveTypeFlags & (1u << kelp::kDiveScr));
  for (int i = 0; i < 12; ++i) m_activity[i]->setChecked((t.activityFlags >> i) & 1u);
  for (int i = 0; i < 8; ++i) m_special[i]->setChecked((t.moreActivityFlags >> i) & 1u);
  refreshSites();
}

kelp::FillTemplate CFillDivesDlg::collect() const {
  kelp::FillTemplate t = m_shownTemplate;
  t.first = m_first->text().trimmed().toInt();
  t.last = m_last->text().trimmed().toInt();
  auto text = [](const QComboBox* c, const std::string& shown, size_t limit) {
    if (kelp::storedToUtf8(shown) == s(c->currentText())) return shown;
    return kelp::utf8ToStored(s(c->currentText())).substr(0, limit);
  };
  t.location = text(m_location, m_shownTemplate.location, kelp::kFillTextLimit);
  t.site = text(m_site, m_shownTemplate.site, kelp::kFillTextLimit);
  t.suitName = text(m_suitName, m_shownTemplate.suitName, kelp::kFillSuitNameLimit);
  t.weather = static_cast<uint8_t>(std::max(0, m_weather->currentIndex()));
  if (m_airTemp->text() != m_shownAir) t.airTemperature = kelp::parseTemperature(s(m_airTemp->text()));
  t.suit = static_cast<uint8_t>(std::max(0, m_suit->currentIndex()));
  if (m_tank->currentText() != m_shownTank) t.tankSize = kelp::parseTankSize(s(m_tank->currentText()));
  if (m_weight->text() != m_shownWeight) t.weight = kelp::parseWeight(s(m_weight->text()));
  t.tankMaterial = static_cast<uint16_t>(std::max(0, m_material->currentIndex()));
  uint16_t type = 0;
  kelp::setThreeWay(type, kelp::kDiveNoStop, m_kind->checkedId());
  kelp::setThreeWay(type, kelp::kDiveSingleAscent, m_ascent->checkedId());
  kelp::setThreeWay(type, kelp::kDiveFreshWater, m_water->checkedId());
  if (m_nitrox->isChecked()) type = static_cast<uint16_t>(type | (1u << kelp::kDiveNitrox));
  if (m_scr->isChecked()) type = static_cast<uint16_t>(type | (1u << kelp::kDiveScr));
  t.diveTypeFlags = type;
  uint16_t act = static_cast<uint16_t>(m_shownTemplate.activityFlags & 0xF000u);
  for (int i = 0; i < 12; ++i)
    if (m_activity[i]->isChecked()) act = static_cast<uint16_t>(act | (1u << i));
  t.activityFlags = act;
  uint16_t more = static_cast<uint16_t>(m_shownTemplate.moreActivityFlags & 0xF000u);
  for (int i = 0; i < 8; ++i)
    if (m_special[i]->isChecked()) more = static_cast<uint16_t>(more | (1u << i));
  kelp::setThreeWay(more, 8, m_boat->checkedId());
  kelp::setThreeWay(more, 10, m_guide->checkedId());
  t.moreActivityFlags = more;
  return t;
}

void CFillDivesDlg::accept() {
  const kelp::FillTemplate t = collect();
  kelp::fillTemplate() = t;
  if (!kelp::fillRangeSet(t)) {
    tellUser(this, tr("Inserisci imm"));
    return;
  }
  QDialog::accept();
}

bool CFillDivesDlg::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::FocusOut && o == m_location->lineEdit()) refreshSites();
  return QDialog::eventFilter(o, e);
}

void CFillDivesDlg::refreshSites() {
  const QString loc = m_location->currentText();
  if (m_site->count() && loc == m_lastLocation) return;
  kelp::StringList sites;
  sites.reserve(m_log.diveCount());
  const std::string wanted = kelp::utf8ToStored(s(loc));
  for (const kelp::DiveRecord& d : m_log.dives())
    if (wanted.empty() || kelp::getText(d.location) == wanted) sites.add(kelp::getText(d.site));
  fillFromList(m_site, sites);
  m_lastLocation = loc;
}
