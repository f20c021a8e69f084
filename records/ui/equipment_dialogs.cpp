#include "records/ui/equipment_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstring>

#include "app/ui/kelp_doc.h"
#include "core/dive_record.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"

using bookui::named;
using bookui::q;
using bookui::u;

namespace {

char* textField(kelp::EquipmentItem& e, int id, size_t& size) {
#define KELP_FIELD(ID, F) \
  case ID: size = sizeof e.F; return e.F;
  switch (id) {
    KELP_FIELD(1114, designation)
    KELP_FIELD(1115, user)
    KELP_FIELD(1125, purchaseDate)
    KELP_FIELD(1118, component1)
    KELP_FIELD(1122, serialNumber1)
    KELP_FIELD(1119, component2)
    KELP_FIELD(1123, serialNumber2)
    KELP_FIELD(1124, configuration)
    KELP_FIELD(1133, note)
  }
#undef KELP_FIELD
  size = 0;
  return nullptr;
}

uint16_t* numberField(kelp::EquipmentItem& e, int id) {
  switch (id) {
    case 1129: return &e.lastServiceMonth;
    case 1130: return &e.lastServiceYear;
    case 1131: return &e.nextServiceMonth;
    case 1132: return &e.nextServiceYear;
  }
  return nullptr;
}

QString fieldText(const char* f, size_t size) { return q(kelp::storedToUtf8(std::string(f, strnlen(f, size)))); }

QString currencyText() { return q(kelp::settings().currency); }

}  // namespace

// ---------------------------------------------------------------- dialog 146

CEquipmentItemDlg::CEquipmentItemDlg(QWidget* parent, const kelp::EquipmentItem& item)
    : QDialog(parent), m_item(item) {
  setWindowTitle(tr("Attrezzatura"));
  auto* top = new QHBoxLayout(this);

  auto* categories = new QGroupBox(tr("Categoria"), this);
  auto* catLayout = new QVBoxLayout(categories);
  auto* group = new QButtonGroup(this);
  for (int c = 0; c < kelp::EQUIPMENT_CATEGORIES; ++c) {
    m_category[c] = named(new QRadioButton(q(kelp::equipmentCategoryButtonText(c)), categories), 1024 + c);
    group->addButton(m_category[c], c);
    catLayout->addWidget(m_category[c]);
  }
  m_category[kelp::equipmentCategory(m_item)]->setChecked(true);
  catLayout->addStretch();
  top->addWidget(categories);

  auto* right = new QVBoxLayout;
  auto* grid = new QGridLayout;
  int row = 0;
  auto addText = [&](int id, const QString& label, int maxChars, int col = 0, int span = 3) {
    size_t size = 0;
    char* f = textField(m_item, id, size);
    auto* e = bookui::textEdit(this, id, maxChars);
    e->setText(fieldText(f, size));
    auto* l = new QLabel(label, this);
    l->setBuddy(e);
    grid->addWidget(l, row, col);
    grid->addWidget(e, row, col + 1, 1, span);
    m_edits[id] = e;
    return e;
  };
  addText(1114, tr("Designazione:"), 60);
  ++row;
  addText(1115, tr("Utilizzatore:"), 20, 0, 1);
  addText(1125, tr("Comperato,  Data:"), 30, 2, 1);
  ++row;
  addText(1118, tr("Comp1:"), 30, 0, 1);
  addText(1122, tr("Numero di serie"), 20, 2, 1);
  ++row;
  addText(1119, tr("Comp2:"), 30, 0, 1);
  addText(1123, tr("Numero di serie2:"), 20, 2, 1);
  ++row;
  addText(1124, tr("Configurazione:"), 60);
  ++row;

  // Service months and years, and the prices with their currency.
  auto number = [&](int id, int value, int width) {
    auto* e = named(new QLineEdit(this), id);
    e->setText(value ? QString::number(value) : QString());
    e->setMaximumWidth(width);
    m_edits[id] = e;
    return e;
  };
  auto* services = new QGridLayout;
  services->addWidget(new QLabel(tr("Ultima revisione (mese, anno):"), this), 0, 0);
  services->addWidget(number(1129, m_item.lastServiceMonth, 40), 0, 1);
  services->addWidget(number(1130, m_item.lastServiceYear, 60), 0, 2);
  services->addWidget(new QLabel(tr("Prossima revisione (mese, anno):"), this), 1, 0);
  services->addWidget(number(1131, m_item.nextServiceMonth, 40), 1, 1);
  services->addWidget(number(1132, m_item.nextServiceYear, 60), 1, 2);
  services->addWidget(new QLabel(tr("Acquistato a:"), this), 0, 3);
  auto* price = named(new QLineEdit(q(kelp::format("%.2f", double(m_item.purchasePrice))), this), 1126);
  price->setMaximumWidth(90);
  m_edits[1126] = price;
  services->addWidget(price, 0, 4);
  services->addWidget(named(new QLabel(currencyText(), this), 1176), 0, 5);
  services->addWidget(new QLabel(tr("Revisioni:"), this), 1, 3);
  auto* cost = named(new QLineEdit(q(kelp::format("%.2f", double(m_item.serviceCost))), this), 1127);
  cost->setMaximumWidth(90);
  m_edits[1127] = cost;
  services->addWidget(cost, 1, 4);
  services->addWidget(named(new QLabel(currencyText(), this), 1177), 1, 5);
  services->setColumnStretch(6, 1);

  right->addLayout(grid);
  right->addLayout(services);
  auto* noteRow = new QGridLayout;
  ++row;
  {
    size_t size = 0;
    char* f = textField(m_item, 1133, size);
    auto* e = bookui::textEdit(this, 1133, 60);
    e->setText(fieldText(f, size));
    noteRow->addWidget(new QLabel(tr("Note:"), this), 0, 0);
    noteRow->addWidget(e, 0, 1);
    m_edits[1133] = e;
  }
  right->addLayout(noteRow);
  m_remind = named(new QCheckBox(tr("Avvisa prossima revisione"), this), 1128);
  m_remind->setChecked(m_item.remind != 0);
  right->addWidget(m_remind);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  right->addStretch();
  right->addWidget(buttons);
  top->addLayout(right, 1);
  for (int id : {1114, 1124}) m_edits[id]->setMinimumWidth(360);
}

bool CEquipmentItemDlg::readBack() {
  kelp::EquipmentItem e = m_item;
  for (int c = 0; c < kelp::EQUIPMENT_CATEGORIES; ++c)
    // A category the list does not know stays as it is while "Altro" stays chosen.
    if (m_category[c]->isChecked() && c != kelp::equipmentCategory(e)) e.category = static_cast<uint8_t>(c);
  for (int id : {1114, 1115, 1125, 1118, 1122, 1119, 1123, 1124, 1133}) {
    size_t size = 0;
    char* f = textField(e, id, size);
    const std::string stored = kelp::utf8ToStored(u(m_edits[id]->text()));
    if (stored == std::string(f, strnlen(f, size))) continue;  // keeps the bytes behind the text
    std::memset(f, 0, size);
    kelp::setText(f, size, stored);
  }
  for (int id : {1129, 1130, 1131, 1132}) {
    const QString t = m_edits[id]->text().trimmed();
    int v = 0;
    const int max = (id == 1129 || id == 1131) ? 12 : 9999;
    if (!t.isEmpty() && (!kelp::scanInt(u(t), v) || v < 0 || v > max)) {
      tellUser(this, tr("Immettere un numero intero compreso tra 0 e %1.").arg(max));
      m_edits[id]->setFocus();
      m_edits[id]->selectAll();
      return false;
    }
    *numberField(e, id) = static_cast<uint16_t>(v);
  }
  // "%f": a text that is no number leaves the price as it was.
  float f = 0;
  if (m_edits[1126]->text().trimmed().isEmpty()) e.purchasePrice = 0;
  else if (kelp::scanFloat(u(m_edits[1126]->text()), f)) e.purchasePrice = f;
  if (m_edits[1127]->text().trimmed().isEmpty()) e.serviceCost = 0;
  else if (kelp::scanFloat(u(m_edits[1127]->text()), f)) e.serviceCost = f;
  e.remind = m_remind->isChecked() ? 1 : 0;
  m_item = e;
  return true;
}

void CEquipmentItemDlg::accept() {
  if (readBack()) QDialog::accept();
}

// ---------------------------------------------------------------- dialog 147

CEquipmentCostDlg::CEquipmentCostDlg(QWidget* parent, const std::vector<kelp::EquipmentItem>& book)
    : QDialog(parent), m_book(book), m_users(kelp::equipmentUsers(book)) {
  setWindowTitle(tr("Costo attrezzatura"));
  auto* top = new QVBoxLayout(this);
  auto* userRow = new QHBoxLayout;
  userRow->addWidget(new QLabel(tr("Utilizzatore:"), this));
  m_user = named(new QComboBox(this), 1130);
  m_user->addItem(q(kelp::str(62629)));
  for (const std::string& s : m_users) m_user->addItem(q(kelp::storedToUtf8(s)));
  m_user->setMinimumWidth(180);
  userRow->addWidget(m_user);
  userRow->addStretch();
  userRow->addWidget(new QLabel(tr("Valuta:"), this));
  userRow->addWidget(named(new QLabel(currencyText(), this), 1176));
  top->addLayout(userRow);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(18);
  const char* heads[] = {QT_TR_NOOP("Numero"), QT_TR_NOOP("Acquistato a"), QT_TR_NOOP("Revisioni"), QT_TR_NOOP("Totale")};
  for (int c = 0; c < 4; ++c) {
    auto* h = new QLabel(tr(heads[c]), this);
    h->setAlignment(Qt::AlignRight);
    QFont f = h->font();
    f.setBold(true);
    h->setFont(f);
    grid->addWidget(h, 0, c + 1);
  }
  for (int r = 0; r <= kelp::EQUIPMENT_CATEGORIES; ++r) {
    const bool totals = r == kelp::EQUIPMENT_CATEGORIES;
    auto* name = new QLabel(totals ? tr("Totale") : q(kelp::equipmentCategoryText(r)), this);
    if (totals) {
      QFont f = name->font();
      f.setBold(true);
      name->setFont(f);
    }
    grid->addWidget(name, r + 1 + (totals ? 1 : 0), 0);
    for (int c = 0; c < 4; ++c) {
      m_cells[r][c] = new QLabel(this);
      m_cells[r][c]->setAlignment(Qt::AlignRight);
      m_cells[r][c]->setMinimumWidth(80);
      grid->addWidget(m_cells[r][c], r + 1 + (totals ? 1 : 0), c + 1);
    }
  }
  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  grid->addWidget(rule, kelp::EQUIPMENT_CATEGORIES + 1, 0, 1, 5);
  top->addLayout(grid);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  top->addWidget(buttons);
  connect(m_user, &QComboBox::currentIndexChanged, this, &CEquipmentCostDlg::recompute);
  recompute();
}

void CEquipmentCostDlg::recompute() {
  const int i = m_user->currentIndex();
  const std::string* user = i >= 1 && i <= int(m_users.size()) ? &m_users[size_t(i - 1)] : nullptr;
  const kelp::EquipmentCosts c = kelp::equipmentCosts(m_book, user);
  for (int r = 0; r <= kelp::EQUIPMENT_CATEGORIES; ++r) {
    const kelp::CostRow& row = r < kelp::EQUIPMENT_CATEGORIES ? c.categories[size_t(r)] : c.all;
    m_cells[r][0]->setText(q(kelp::format("%d", row.count)));
    m_cells[r][1]->setText(q(kelp::format("%.2f", row.purchase)));
    m_cells[r][2]->setText(q(kelp::format("%.2f", row.service)));
    m_cells[r][3]->setText(q(kelp::format("%.2f", row.total())));
  }
}

QString CEquipmentCostDlg::cellText(int row, int column) const {
  if (row < 0 || row > kelp::EQUIPMENT_CATEGORIES || column < 0 || column > 3) return {};
  return m_cells[row][column]->text();
}

// ---------------------------------------------------------------- dialog 144

const BookDlgKind<kelp::EquipmentItem> kEquipment{.title = QT_TRANSLATE_NOOP("CBookDlg", "Attrezzatura"),
                                                  .saveQuestion = 62492,
                                                  .needEntries = {4, 6, 8, 9, 10, 11},
                                                  .fresh = kelp::makeEquipmentItem,
                                                  .sort = kelp::sortEquipment,
                                                  .same = kelp::sameEquipmentItem,
                                                  .pattern = "*.dat",
                                                  .suffix = "dat",
                                                  .setting = &kelp::Settings::equipmentFile,
                                                  .load = kelp::loadEquipmentFile,
                                                  .save = kelp::saveEquipmentFile};

CEquipmentDlg::CEquipmentDlg(QWidget* parent, const std::string& path, std::vector<kelp::EquipmentItem> book)
    : CRecordBookDlg(parent, kEquipment, path, std::move(book)) {
  auto* top = topLayout();
  auto* body = listRow(top,
                       {{q(kelp::str(62494)), 110},
                        {q(kelp::str(62495)), 210},
                        {q(kelp::str(62496)), 110},
                        {q(kelp::str(62497)), 120, QStringLiteral("00.0000*")}},
                       kelp::settings().ausrCols.data(), 320);
  body->addLayout(buttonColumn({
      {6, QT_TRANSLATE_NOOP("CBookDlg", "Modifica")},
      {7, QT_TRANSLATE_NOOP("CBookDlg", "Nuovo")},
      {8, QT_TRANSLATE_NOOP("CBookDlg", "Cancella")},
      {9, QT_TRANSLATE_NOOP("CBookDlg", "Ordina")},
      {4, QT_TRANSLATE_NOOP("CBookDlg", "Costi")},
      {5, QT_TRANSLATE_NOOP("CBookDlg", "Carica")},
      {10, QT_TRANSLATE_NOOP("CBookDlg", "Salva")},
      {11, QT_TRANSLATE_NOOP("CBookDlg", "Stampa")}}));
  auto* autocheck = named(new QCheckBox(tr("Controllo automatico"), this), 1110);
  autocheck->setChecked(kelp::settings().equipmentAutocheck != 0);
  top->addWidget(autocheck);

  connect(autocheck, &QCheckBox::toggled, this, [](bool on) { kelp::settings().equipmentAutocheck = on ? 1 : 0; });
  connect(button(4), &QPushButton::clicked, this, &CEquipmentDlg::showCosts);
  finishSetup();
}

QStringList CEquipmentDlg::rowTexts(const kelp::EquipmentItem& e) const {
  return {q(kelp::equipmentCategoryText(kelp::equipmentCategory(e))),
          q(kelp::storedToUtf8(kelp::getText(e.designation))), q(kelp::storedToUtf8(kelp::getText(e.user))),
          q(kelp::nextServiceText(e, kelp::currentYearMonth()))};
}

std::string CEquipmentDlg::deleteQuestion(const kelp::EquipmentItem& e) const {
  return kelp::strf(62493, kelp::equipmentCategoryText(kelp::equipmentCategory(e)).c_str(),
                    kelp::storedToUtf8(kelp::getText(e.designation)).c_str());
}

bool CEquipmentDlg::runEditor(kelp::EquipmentItem& e) {
  CEquipmentItemDlg dlg(this, e);
  if (dlg.exec() != QDialog::Accepted) return false;
  e = dlg.item();
  return true;
}

void CEquipmentDlg::showCosts() {
  CEquipmentCostDlg dlg(this, m_book.entries);
  dlg.exec();
}

kelp::BookPrintout CEquipmentDlg::printout() const {
  return kelp::equipmentPrintout(m_book.entries, bookPath(), kelp::settings().currency, kelp::currentYearMonth());
}

void openEquipmentBook(QWidget* parent) { openSettingBook<CEquipmentDlg>(parent, kEquipment); }
