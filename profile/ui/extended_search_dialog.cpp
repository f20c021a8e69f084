#include "profile/ui/extended_search_dialog.h"

#include <QAbstractListModel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/kelp_doc.h"
#include "core/texts.h"
#include "app/ui/tab_rows.h"

namespace {

QString fromStd(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string toStd(const QString& s) { return s.toUtf8().toStdString(); }

// Dive type radio groups: ids and the diveTypeFlags bit of the first two buttons.
const int kTypeIds[3][3] = {{1024, 1026, 1027}, {1028, 1029, 1030}, {1031, 1033, 1032}};
const int kTypeBits[3] = {kelp::kDiveNoStop, kelp::kDiveSingleAscent, kelp::kDiveFreshWater};
const char* const kTypeLabels[3][3] = {{QT_TRANSLATE_NOOP("CExtendedSearchDlg", "In curva"),
                                        QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Decompressione"), "-"},
                                       {QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Risalita unica"),
                                        QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Risalita multipla"), "-"},
                                       {QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Acqua dolce"),
                                        QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Acqua salata"), "-"}};
// Special activities, bits 0 to 7.
const int kSpecialIds[8] = {1088, 1089, 1093, 1096, 1092, 1090, 1091, 1462};
const char* const kSpecialLabels[8] = {QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Lavoro sub"),
                                       QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Solitaria"),
                                       QT_TRANSLATE_NOOP("CExtendedSearchDlg", "In camera di ricom."),
                                       QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Specialità"),
                                       QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Qualificazione"),
                                       QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Accettazione esami"),
                                       QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Esami"),
                                       QT_TRANSLATE_NOOP("CExtendedSearchDlg", "Imm con bussola")};

QString idName(int id) { return QString::number(id); }

}  // namespace

// The rows of the dives found, formatted when they are drawn.
class CExtendedSearchDlg::RowsModel : public QAbstractListModel {
 public:
  RowsModel(const kelp::Logbook& lb, const std::vector<int>& found, QObject* parent)
      : QAbstractListModel(parent), m_log(lb), m_found(found) {}
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : int(m_found.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= int(m_found.size())) return {};
    const int pos = m_found[size_t(index.row())];
    if (pos < 1 || pos > m_log.diveCount()) return {};
    return fromStd(kelp::selectionRow(m_log.dives()[size_t(pos - 1)]));
  }
  void reset() {
    beginResetModel();
    endResetModel();
  }

 private:
  const kelp::Logbook& m_log;
  const std::vector<int>& m_found;
};

CExtendedSearchDlg::CExtendedSearchDlg(const kelp::Logbook& logbook, std::function<void(int)> goTo,
                                       QWidget* parent)
    : QDialog(parent), m_log(logbook), m_goTo(std::move(goTo)) {
  setObjectName(QStringLiteral("155"));
  setWindowTitle(tr("Seleziona file"));
  auto label = [this](const QString& t) { return new QLabel(t, this); };
  auto unit = [this](kelp::Quantity q) { return new QLabel(fromStd(kelp::unitLabel(q)), this); };

  // --- conditions ---
  auto* cond = new QGridLayout;
  cond->setHorizontalSpacing(6);
  int row = 0;
  auto pair = [&](const QString& text, int fromId, int toId, int maxLength, int width, QLabel* unitLabel) {
    cond->addWidget(label(text), row, 0);
    auto* h = new QHBoxLayout;
    h->addWidget(edit(std::to_string(fromId).c_str(), maxLength, width));
    h->addWidget(label(tr("A:")));
    h->addWidget(edit(std::to_string(toId).c_str(), maxLength, width));
    if (unitLabel) h->addWidget(unitLabel);
    h->addStretch();
    cond->addLayout(h, row++, 1);
  };
  auto single = [&](const QString& text, QWidget* w, QLabel* unitLabel = nullptr) {
    cond->addWidget(label(text), row, 0);
    if (unitLabel) {
      auto* h = new QHBoxLayout;
      h->addWidget(w);
      h->addWidget(unitLabel);
      h->addStretch();
      cond->addLayout(h, row++, 1);
    } else {
      cond->addWidget(w, row++, 1);
    }
  };
  pair(tr("Data"), 1155, 1156, 10, 80, nullptr);
  single(tr("Località:"), textCombo("1044", m_log.locationList, 60));
  single(tr("Luogo:"), textCombo("1045", m_log.siteList, 60));
  QStringList altitudes{QString()};
  for (int i = 1; i <= 4; ++i) altitudes << fromStd(kelp::altitudeText(i));
  single(tr("Livello mare:"), indexCombo("1047", altitudes));
  pair(tr("Prof.:"), 1161, 1162, 8, 60, unit(kelp::Quantity::Depth));
  QStringList weathers{QString()};
  for (int i = 1; i <= 6; ++i) weathers << fromStd(kelp::weatherText(i));
  single(tr("Meteo:"), indexCombo("1049", weathers));
  pair(tr("Tempo imm:"), 1164, 1165, 8, 60, nullptr);
  QStringList suits{QString()};
  for (int i = 1; i <= 6; ++i) suits << fromStd(kelp::suitText(i));
  single(tr("Muta:"), indexCombo("1051", suits));
  pair(tr("Consumo aria:"), 1166, 1167, 8, 60, unit(kelp::Quantity::AirConsumption));
  single(tr("Compagni:"), textCombo("1053", m_log.buddyList, 80));
  QComboBox* tank = textCombo("1052", m_log.tankSizeList, 10);
  tank->setMinimumWidth(90);
  tank->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  single(tr("Capacità bombola:"), tank, unit(kelp::Quantity::Volume));
  single(tr("Altro:"), textCombo("1046", m_log.otherActivityList, 40));

  // --- dive type, activities, special activities, mode ---
  auto* typeBox = new QGroupBox(tr("Tipo immersione"), this);
  auto* typeGrid = new QGridLayout(typeBox);
  for (int g = 0; g < 3; ++g) {
    m_typeGroups[g] = threeWay(kTypeIds[g], kTypeLabels[g]);
    for (int k = 0; k < 3; ++k) typeGrid->addWidget(m_typeGroups[g]->button(k), g, k);
  }
  m_nitrox = new QCheckBox(tr("Nitrox"), typeBox);
  m_nitrox->setObjectName(QStringLiteral("1075"));
  m_scr = new QCheckBox(tr("SCR"), typeBox);
  m_scr->setObjectName(QStringLiteral("1095"));
  typeGrid->addWidget(m_nitrox, 3, 0);
  typeGrid->addWidget(m_scr, 3, 1);

  auto* activityBox = new QGroupBox(tr("Attività"), this);
  auto* activityGrid = new QGridLayout(activityBox);
  for (int bit = 0; bit < 12; ++bit) {
    auto* c = new QCheckBox(fromStd(kelp::activityBitText(bit)), activityBox);
    c->setObjectName(idName(1076 + bit));
    activityGrid->addWidget(c, bit / 3, bit % 3);
    m_activities.push_back(c);
  }
  auto* specialBox = new QGroupBox(tr("Attività speciali"), this);
  auto* specialGrid = new QGridLayout(specialBox);
  for (int i = 0; i < 8; ++i) {
    auto* c = new QCheckBox(tr(kSpecialLabels[i]), specialBox);
    c->setObjectName(idName(kSpecialIds[i]));
    specialGrid->addWidget(c, i / 3, i % 3);
    m_specials.push_back(c);
  }
  auto* modeBox = new QGroupBox(tr("Modo"), this);
  auto* modeRow = new QHBoxLayout(modeBox);
  m_and = new QRadioButton(tr("AND"), modeBox);
  m_and->setObjectName(QStringLiteral("1139"));
  m_or = new QRadioButton(tr("OR"), modeBox);
  m_or->setObjectName(QStringLiteral("1140"));
  modeRow->addWidget(m_and);
  modeRow->addWidget(m_or);
  modeRow->addStretch();

  // --- results and buttons ---
  m_results = new QListView(this);
  m_results->setObjectName(QStringLiteral("1039"));
  m_rows = new RowsModel(m_log, m_found, m_results);
  m_results->setModel(m_rows);
  m_results->setItemDelegate(new CTabRowDelegate({31, 63}, m_results));
  m_results->setUniformItemSizes(true);
  m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_results->setSelectionMode(QAbstractItemView::SingleSelection);
  m_results->setMinimumHeight(150);
  m_count = new QLabel(this);
  m_count->setObjectName(QStringLiteral("1158"));
  m_count->setMinimumWidth(50);
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(label(tr("Calcola immersioni:")));
  countRow->addWidget(m_count);
  countRow->addStretch();

  m_search = new QPushButton(tr("Cerca"), this);
  m_search->setObjectName(QStringLiteral("1157"));
  m_search->setDefault(true);
  m_create = new QPushButton(tr("Crea file"), this);
  m_create->setObjectName(QStringLiteral("1160"));
  m_goToButton = new QPushButton(tr("Vai a:"), this);
  m_goToButton->setObjectName(QStringLiteral("11"));
  auto* close = new QPushButton(tr("Chiudi"), this);
  close->setObjectName(QStringLiteral("2"));
  m_create->setEnabled(false);
  m_goToButton->setEnabled(false);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {m_search, m_create, m_goToButton}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* right = new QVBoxLayout;
  right->addWidget(typeBox);
  right->addWidget(activityBox);
  right->addWidget(specialBox);
  right->addWidget(modeBox);
  right->addStretch();
  auto* upper = new QHBoxLayout;
  auto* condBox = new QVBoxLayout;
  condBox->addLayout(cond);
  condBox->addStretch();
  upper->addLayout(condBox);
  upper->addLayout(right);
  upper->addLayout(buttons);
  auto* v = new QVBoxLayout(this);
  v->addLayout(upper);
  v->addWidget(m_results, 1);
  v->addLayout(countRow);

  connect(m_search, &QPushButton::clicked, this, &CExtendedSearchDlg::search);
  connect(m_create, &QPushButton::clicked, this, &CExtendedSearchDlg::createFile);
  connect(m_goToButton, &QPushButton::clicked, this, &CExtendedSearchDlg::goToRow);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_results, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
    if (i.isValid() && i.row() < int(m_found.size()) && m_goTo) m_goTo(m_found[size_t(i.row())]);
  });

  setCriteria(kelp::searchCriteria());
}

CExtendedSearchDlg::~CExtendedSearchDlg() = default;

QLineEdit* CExtendedSearchDlg::edit(const char* id, int maxLength, int width) {
  auto* e = new QLineEdit(this);
  e->setObjectName(QString::fromLatin1(id));
  e->setMaxLength(maxLength);
  e->setFixedWidth(width);
  m_edits[QString::fromLatin1(id).toInt()] = e;
  return e;
}

QComboBox* CExtendedSearchDlg::textCombo(const char* id, const kelp::StringList& list, int maxLength) {
  auto* c = new QComboBox(this);
  c->setObjectName(QString::fromLatin1(id));
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->lineEdit()->setMaxLength(maxLength);
  c->setMinimumWidth(200);
  QStringList items;
  for (const std::string& t : list.texts()) items << fromStd(kelp::cp1252ToUtf8(t));
  c->addItems(items);
  c->setEditText(QString());
  m_combos[QString::fromLatin1(id).toInt()] = c;
  return c;
}

QComboBox* CExtendedSearchDlg::indexCombo(const char* id, const QStringList& entries) {
  auto* c = new QComboBox(this);
  c->setObjectName(QString::fromLatin1(id));
  c->addItems(entries);
  m_combos[QString::fromLatin1(id).toInt()] = c;
  return c;
}

QButtonGroup* CExtendedSearchDlg::threeWay(const int ids[3], const char* const labels[3]) {
  auto* g = new QButtonGroup(this);
  for (int k = 0; k < 3; ++k) {
    auto* b = new QRadioButton(tr(labels[k]), this);
    b->setObjectName(idName(ids[k]));
    g->addButton(b, k);
  }
  g->button(2)->setChecked(true);
  return g;
}

kelp::SearchCriteria CExtendedSearchDlg::criteria() const {
  kelp::SearchCriteria c;
  auto text = [this](int id) { return toStd(m_edits.at(id)->text()); };
  auto combo = [this](int id) { return toStd(m_combos.at(id)->currentText()); };
  c.dateFrom = text(1155);
  c.dateTo = text(1156);
  c.location = combo(1044);
  c.site = combo(1045);
  c.buddy = combo(1053);
  c.other = combo(1046);
  c.tankSize = combo(1052);
  c.altitude = m_combos.at(1047)->currentIndex();
  c.weather = m_combos.at(1049)->currentIndex();
  c.suit = m_combos.at(1051)->currentIndex();
  c.depthFrom = text(1161);
  c.depthTo = text(1162);
  c.timeFrom = text(1164);
  c.timeTo = text(1165);
  c.sacFrom = text(1166);
  c.sacTo = text(1167);
  for (int g = 0; g < 3; ++g) {
    const int k = m_typeGroups[g]->checkedId();
    if (k == 0 || k == 1) c.typeBits = uint16_t(c.typeBits | (1u << (kTypeBits[g] + k)));
  }
  if (m_nitrox->isChecked()) c.typeBits = uint16_t(c.typeBits | (1u << kelp::kDiveNitrox));
  if (m_scr->isChecked()) c.typeBits = uint16_t(c.typeBits | (1u << kelp::kDiveScr));
  for (int bit = 0; bit < 12; ++bit)
    if (m_activities[size_t(bit)]->isChecked()) c.activityBits = uint16_t(c.activityBits | (1u << bit));
  for (int i = 0; i < 8; ++i)
    if (m_specials[size_t(i)]->isChecked()) c.specialBits = uint8_t(c.specialBits | (1u << i));
  c.orMode = m_or->isChecked();
  return c;
}

void CExtendedSearchDlg::setCriteria(const kelp::SearchCriteria& c) {
  auto setText = [this](int id, const std::string& t) { m_edits.at(id)->setText(fromStd(t)); };
  auto setCombo = [this](int id, const std::string& t) {
    QComboBox* box = m_combos.at(id);
    const int listed = box->findText(fromStd(t), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (listed >= 0) box->setCurrentIndex(listed);
    else box->setEditText(fromStd(t));
  };
  setText(1155, c.dateFrom);
  setText(1156, c.dateTo);
  setCombo(1044, c.location);
  setCombo(1045, c.site);
  setCombo(1053, c.buddy);
  setCombo(1046, c.other);
  setCombo(1052, c.tankSize);
  auto setIndex = [this](int id, int v) {
    QComboBox* box = m_combos.at(id);
    box->setCurrentIndex(v >= 0 && v < box->count() ? v : 0);
  };
  setIndex(1047, c.altitude);
  setIndex(1049, c.weather);
  setIndex(1051, c.suit);
  setText(1161, c.depthFrom);
  setText(1162, c.depthTo);
  setText(1164, c.timeFrom);
  setText(1165, c.timeTo);
  setText(1166, c.sacFrom);
  setText(1167, c.sacTo);
  for (int g = 0; g < 3; ++g) {
    int k = 2;
    if (c.typeBits & (1u << kTypeBits[g])) k = 0;
    else if (c.typeBits & (1u << (kTypeBits[g] + 1))) k = 1;
    m_typeGroups[g]->button(k)->setChecked(true);
  }
  m_nitrox->setChecked(c.typeBits & (1u << kelp::kDiveNitrox));
  m_scr->setChecked(c.typeBits & (1u << kelp::kDiveScr));
  for (int bit = 0; bit < 12; ++bit) m_activities[size_t(bit)]->setChecked(c.activityBits & (1u << bit));
  for (int i = 0; i < 8; ++i) m_specials[size_t(i)]->setChecked(c.specialBits & (1u << i));
  (c.orMode ? m_or : m_and)->setChecked(true);
}

void CExtendedSearchDlg::search() {
  kelp::searchCriteria() = criteria();
  m_found = kelp::selectDives(m_log, kelp::searchCriteria());
  m_rows->reset();
  m_count->setText(QString::number(m_found.size()));
  const bool any = !m_found.empty();
  m_goToButton->setEnabled(any);
  m_create->setEnabled(any);
  if (any) m_results->setCurrentIndex(m_rows->index(0, 0));
}

void CExtendedSearchDlg::goToRow() {
  if (m_found.empty() || !m_goTo) return;
  const QModelIndex i = m_results->currentIndex();
  const int row = i.isValid() && i.row() < int(m_found.size()) ? i.row() : 0;
  m_goTo(m_found[size_t(row)]);
}

void CExtendedSearchDlg::createFile() {
  // The search runs again with the conditions as they stand.
  search();
  if (m_found.empty()) {
    tellUser(this, tr("Non ho trovato immersioni relative"), QMessageBox::Information);
    return;
  }
  const QString open = fromStd(m_log.path);
  const QString dir = open.contains(QLatin1Char('/')) ? QFileInfo(open).path() : QDir::homePath();
  QString path = uiPrompts().logbookFile(this, true, dir);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".log");
  path = QFileInfo(path).absoluteFilePath();
  if (kelp::isOwnLogbookFile(m_log, toStd(path))) {
    tellUser(this, tr("´%1´ è il logbook aperto.\nScegliere un altro nome per il nuovo file.")
                       .arg(QDir::toNativeSeparators(path)));
    return;
  }
  if (QFileInfo::exists(path) &&
      askUser(this, QMessageBox::Question,
              tr("´%1´ esiste già\nsovrasciverlo?").arg(QDir::toNativeSeparators(path)),
              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  const kelp::Result r = kelp::writeSelectedDives(m_log, m_found, toStd(path));
  if (!r) {
    tellUser(
        this,
        tr("Impossibile salvare il logbook\n%1\n\n%2").arg(QDir::toNativeSeparators(path), fromStd(r.error)));
    return;
  }
  m_written = path;
}

void CExtendedSearchDlg::done(int result) {
  kelp::searchCriteria() = criteria();
  QDialog::done(result);
}
