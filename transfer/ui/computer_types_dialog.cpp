#include "transfer/ui/computer_types_dialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ui/kelp_doc.h"
#include "core/settings.h"
#include "core/strings.h"

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
QString s(int id) { return QString::fromStdString(kelp::str(id)); }

QButtonGroup* radioGroup(QWidget* owner, QVBoxLayout* into, const QString& title,
                         std::initializer_list<std::pair<int, const char*>> buttons, int value) {
  auto* box = new QGroupBox(title, owner);
  auto* row = new QHBoxLayout(box);
  auto* group = new QButtonGroup(owner);
  int k = 0;
  for (const auto& [id, label] : buttons) {
    auto* radio = new QRadioButton(QCoreApplication::translate("CComputerTypeDlg", label), box);
    radio->setObjectName(QString::number(id));
    group->addButton(radio, k++);
    row->addWidget(radio);
  }
  row->addStretch(1);
  if (QAbstractButton* b = group->button(value)) b->setChecked(true);
  into->addWidget(box);
  return group;
}

void enableGroup(QButtonGroup* g, bool on) {
  for (QAbstractButton* b : g->buttons()) b->setEnabled(on);
}

const int kDefaultWidths[5] = {218, 57, 57, 76, 50};

// A default column width, widened where the column's head would not fit it.
int headFit(const QTreeWidget* list, int column) {
  const int margin = list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list->header());
  return list->header()->fontMetrics().horizontalAdvance(list->headerItem()->text(column)) + 2 * margin;
}

}  // namespace

// ---- "Descrizioni" ----

CComputerTypeDlg::CComputerTypeDlg(const kelp::ComputerModel& row,
                                   std::function<kelp::Result(const kelp::ComputerModel&)> check,
                                   QWidget* parent)
    : QDialog(parent), m_row(row), m_check(std::move(check)) {
  setObjectName(QStringLiteral("210"));
  setWindowTitle(tr("Descrizioni"));
  auto* top = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_name = new QLineEdit(q(row.name), this);
  m_name->setObjectName(QStringLiteral("1432"));
  m_name->setMaxLength(83);
  m_name->setMinimumWidth(260);
  form->addRow(tr("Nome:"), m_name);
  auto* identRow = new QHBoxLayout;
  m_ident = new QLineEdit(QString::number(row.id), this);
  m_ident->setObjectName(QStringLiteral("1433"));
  m_ident->setMaxLength(3);
  m_ident->setMaximumWidth(60);
  identRow->addWidget(m_ident);
  identRow->addWidget(new QLabel(QStringLiteral("(1...255)"), this));
  identRow->addStretch(1);
  form->addRow(tr("Ident:"), identRow);
  top->addLayout(form);
  // The button texts are translated where radioGroup makes the buttons.
  const char* no = QT_TRANSLATE_NOOP("CComputerTypeDlg", "No");
  const char* yes = QT_TRANSLATE_NOOP("CComputerTypeDlg", "Si");
  m_gas = radioGroup(this, top, tr("Gas"),
                     {{1024, QT_TRANSLATE_NOOP("CComputerTypeDlg", "Aria")}, {1026, "Nitrox"}, {1027, "O2"}},
                     static_cast<int>(row.gas));
  m_pressure = radioGroup(this, top, tr("Aria integrata"), {{1028, no}, {1029, yes}}, row.pressure ? 1 : 0);
  m_import = radioGroup(this, top, tr("Importo"), {{1030, no}, {1031, yes}}, row.import ? 1 : 0);

  const kelp::TypeFieldRules rules = kelp::typeFieldRules(row);
  m_ident->setEnabled(!rules.onlyName);
  enableGroup(m_gas, !rules.onlyName);
  enableGroup(m_pressure, !rules.onlyName);
  enableGroup(m_import, rules.importEditable);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  top->addWidget(buttons);
}

kelp::ComputerModel CComputerTypeDlg::row() const {
  kelp::ComputerModel r = m_row;
  r.name = m_name->text().trimmed().toStdString();
  r.id = kelp::identFromText(m_ident->text().toStdString(), m_row.id);
  r.gas = static_cast<uint32_t>(std::max(0, m_gas->checkedId()));
  r.pressure = m_pressure->checkedId() == 1 ? 1 : 0;
  r.import = m_import->checkedId() == 1 ? 1 : 0;
  return r;
}

void CComputerTypeDlg::accept() {
  if (m_check) {
    const kelp::Result r = m_check(row());
    if (!r) {
      tellUser(this, q(r.error));
      return;
    }
  }
  QDialog::accept();
}

// ---- "Tipi di computers" ----

CComputerTypesDlg::CComputerTypesDlg(const kelp::Logbook& lb, QWidget* parent)
    : QDialog(parent),
      m_edit(std::make_unique<kelp::ComputerTypesEdit>(kelp::computerModels(), kelp::typesInUse(lb))) {
  setObjectName(QStringLiteral("209"));
  setWindowTitle(tr("Tipi di computers"));
  auto* top = new QHBoxLayout(this);

  m_list = new QTreeWidget(this);
  m_list->setObjectName(QStringLiteral("1039"));
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setHeaderLabels({s(62466), s(62768), s(62766), s(62765), s(62767)});
  m_list->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  const auto& saved = kelp::settings().ctypCols;
  for (int c = 0; c < 5; ++c)
    m_list->setColumnWidth(c, kelp::columnWidthShown(saved[c] > 10 ? saved[c] : -1, kDefaultWidths[c],
                                                     headFit(m_list, c)));
  m_list->setContextMenuPolicy(Qt::CustomContextMenu);
  m_list->setMinimumSize(480, 320);
  top->addWidget(m_list, 1);

  auto* side = new QVBoxLayout;
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  side->addWidget(buttons);
  side->addSpacing(16);
  m_editButton = new QPushButton(tr("Crea"), this);
  m_editButton->setObjectName(QStringLiteral("6"));
  m_deleteButton = new QPushButton(tr("Cancella"), this);
  m_deleteButton->setObjectName(QStringLiteral("8"));
  m_newButton = new QPushButton(tr("Nuovo"), this);
  m_newButton->setObjectName(QStringLiteral("9"));
  for (QPushButton* b : {m_editButton, m_deleteButton, m_newButton}) {
    b->setAutoDefault(false);
    side->addWidget(b);
  }
  side->addStretch(1);
  top->addLayout(side);

  m_menu = new QMenu(this);
  m_menu->setObjectName(QStringLiteral("212"));
  m_editAction = m_menu->addAction(tr("Crea"));
  m_editAction->setObjectName(QStringLiteral("32831"));
  m_newAction = m_menu->addAction(tr("Nuovo"));
  m_newAction->setObjectName(QStringLiteral("32832"));
  m_deleteAction = m_menu->addAction(tr("Cancella"));
  m_deleteAction->setObjectName(QStringLiteral("32833"));

  connect(m_editButton, &QPushButton::clicked, this, &CComputerTypesDlg::editSelected);
  connect(m_deleteButton, &QPushButton::clicked, this, &CComputerTypesDlg::deleteSelected);
  connect(m_newButton, &QPushButton::clicked, this, &CComputerTypesDlg::newType);
  connect(m_editAction, &QAction::triggered, this, &CComputerTypesDlg::editSelected);
  connect(m_newAction, &QAction::triggered, this, &CComputerTypesDlg::newType);
  connect(m_deleteAction, &QAction::triggered, this, &CComputerTypesDlg::deleteSelected);
  connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    select(m_list->indexOfTopLevelItem(item));
    if (m_edit->canEdit()) editSelected();
  });
  connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    m_edit->select(item ? m_list->indexOfTopLevelItem(item) : -1);
    updateButtons();
  });
  connect(m_list, &QTreeWidget::customContextMenuRequested, this, &CComputerTypesDlg::popup);

  fill();
  if (m_list->topLevelItemCount() > 0) select(0);
  updateButtons();
  resize(640, 400);
}

CComputerTypesDlg::~CComputerTypesDlg() = default;

void CComputerTypesDlg::fill() {
  const int keep = m_edit->selected();
  const QSignalBlocker block(m_list);
  m_list->clear();
  for (const kelp::ComputerModel& r : m_edit->rows()) {
    auto* item = new QTreeWidgetItem(m_list);
    const auto cells = kelp::computerTypeCells(r);
    for (int c = 0; c < 5; ++c) item->setText(c, q(cells[c]));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  }
  m_edit->select(keep);
  if (QTreeWidgetItem* it = m_list->topLevelItem(keep)) {
    m_list->setCurrentItem(it);
    m_list->scrollToItem(it);
  }
}

void CComputerTypesDlg::select(int row) {
  m_edit->select(row);
  if (QTreeWidgetItem* it = m_list->topLevelItem(m_edit->selected())) {
    const QSignalBlocker block(m_list);
    m_list->setCurrentItem(it);
    m_list->scrollToItem(it);
  }
  updateButtons();
}

void CComputerTypesDlg::updateButtons() {
  m_editButton->setEnabled(m_edit->canEdit());
  m_deleteButton->setEnabled(m_edit->canDelete());
  m_editAction->setEnabled(m_edit->canEdit());
  m_deleteAction->setEnabled(m_edit->canDelete());
}

void CComputerTypesDlg::popup(const QPoint& pos) {
  QTreeWidgetItem* item = m_list->itemAt(pos);
  if (!item) return;
  select(m_list->indexOfTopLevelItem(item));
  m_menu->popup(m_list->viewport()->mapToGlobal(pos));
}

void CComputerTypesDlg::editSelected() {
  if (!m_edit->canEdit()) return;
  const int row = m_edit->selected();
  CComputerTypeDlg dlg(m_edit->rows()[row], [this, row](const kelp::ComputerModel& m) { return m_edit->edit(row, m); },
                       this);
  if (dlg.exec() != QDialog::Accepted) return;
  fill();
  updateButtons();
}

void CComputerTypesDlg::newType() {
  kelp::ComputerModel empty;
  CComputerTypeDlg dlg(empty, [this](const kelp::ComputerModel& m) { return m_edit->add(m); }, this);
  if (dlg.exec() != QDialog::Accepted) return;
  fill();
  updateButtons();
}

void CComputerTypesDlg::deleteSelected() {
  if (!m_edit->canDelete()) return;
  const kelp::ComputerModel& r = m_edit->rows()[m_edit->selected()];
  const QString question = QString::fromStdString(kelp::strf(62469, r.name.c_str()));
  if (askUser(this, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  const kelp::Result res = m_edit->removeSelected();
  if (!res) {
    tellUser(this, q(res.error));
    return;
  }
  fill();
  updateButtons();
}

void CComputerTypesDlg::accept() {
  m_edit->apply(kelp::computerModels());
  QDialog::accept();
}

void CComputerTypesDlg::done(int r) {
  auto& saved = kelp::settings().ctypCols;
  for (int c = 0; c < 5; ++c)
    saved[c] = kelp::columnWidthToStore(m_list->columnWidth(c), kDefaultWidths[c], headFit(m_list, c));
  QDialog::done(r);
}

// ---- "Computers" ----

CComputersDlg::CComputersDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("200"));
  setWindowTitle(tr("Computers"));
  auto* top = new QVBoxLayout(this);
  auto* note = new QLabel(tr("Questi computers subaquei sono supportati. Se il vostro computer manca, "
                             "inviateci il suo logbook: cercheremo di aggiungerlo."),
                          this);
  note->setWordWrap(true);
  top->addWidget(note);
  auto* tree = new QTreeWidget(this);
  tree->setObjectName(QStringLiteral("1424"));
  tree->setHeaderHidden(true);
  const std::pair<const char*, std::vector<const char*>> families[] = {
      {"Aladin", {"Sport", "Sport Plus", "Pro", "Pro Ultra", "Pro Nitrox", "Air", "Air X", "Air Z", "Air X Nitrox",
                  "Air Z Nitrox", "Air X O2", "Air Z O2"}},
      {"Spiro", {"Monitor 2 Plus", "Monitor 3 Air"}},
      {"Mares", {"Genius", "Guardian"}},
      {"Citizen", {"Hyper Aqualand", "ProMaster"}},
  };
  for (const auto& [family, models] : families) {
    auto* root = new QTreeWidgetItem(tree, {QString::fromUtf8(family)});
    for (const char* m : models) new QTreeWidgetItem(root, {QString::fromUtf8(m)});
    root->setExpanded(true);
  }
  tree->setMinimumSize(300, 420);
  top->addWidget(tree, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  top->addWidget(buttons);
}
