#include "analysis/ui/stat_list_dlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "analysis/stat_charts.h"
#include "analysis/ui/stat_list_model.h"
#include "app/ui/spin_bar.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

template <class W>
W* named(W* w, int id) {
  w->setObjectName(QString::number(id));
  return w;
}

int widthOr(int w, int def) { return w > 0 ? w : def; }

}  // namespace

CStatListDlg::CStatListDlg(Kind kind, const kelp::Logbook& lb, QWidget* parent, int32_t today)
    : QDialog(parent), kind_(kind), lb_(lb) {
  const bool buddies = kind == Buddies;
  setObjectName(QString::number(buddies ? 192 : 191));
  setWindowTitle(buddies ? tr("Statistiche compagni") : tr("Statistiche località e luoghi"));

  int d, m, y;
  kelp::fromDayNumber(today > 0 ? today : kelp::todayDayNumber(), d, m, y);
  rules_.currentYear = y;
  int earliest = y, month = 0;
  if (!kelp::earliestPeriod(lb, earliest, month)) earliest = y;
  rules_.firstYear = earliest;
  rules_.year = y;

  auto* top = new QVBoxLayout(this);
  auto* selRow = new QHBoxLayout;
  all_ = named(new QRadioButton(tr("Tutte"), this), 1024);
  year_ = named(new QRadioButton(tr("Anno"), this), 1026);
  auto* group = new QButtonGroup(this);
  group->addButton(all_, 0);
  group->addButton(year_, 1);
  all_->setChecked(true);
  yearEdit_ = named(new QLineEdit(QString::number(y), this), 1416);
  yearEdit_->setMaxLength(4);
  yearEdit_->setFixedWidth(yearEdit_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
  yearSpin_ = makeSpinBar(this, 1417);
  yearSpin_->setFixedSize(16, yearEdit_->sizeHint().height());
  yearSpin_->setRange(rules_.yearRangeStart(), rules_.currentYear);
  yearSpin_->setValue(y);
  yearSpin_->setEnabled(false);
  selRow->addWidget(all_);
  selRow->addWidget(year_);
  selRow->addWidget(yearEdit_);
  selRow->addWidget(yearSpin_);
  selRow->addStretch(1);
  top->addLayout(selRow);

  const kelp::Settings& s = kelp::settings();
  const auto& w1 = buddies ? s.part1Cols : s.tpl1Cols;
  const auto& w2 = buddies ? s.part2Cols : s.tpl2Cols;
  entries_ = new CStatCountModel(q(kelp::str(buddies ? 62603 : 62676)), q(kelp::str(62650)), this);
  sub_ = new CStatCountModel(q(kelp::str(buddies ? 62676 : 62596)), q(kelp::str(62650)), this);
  entriesView_ = makeCountView(entries_, widthOr(w1[0], 160), widthOr(w1[1], 95), this);
  entriesView_->setObjectName(QStringLiteral("1112"));
  subView_ = makeCountView(sub_, widthOr(w2[0], 160), widthOr(w2[1], 95), this);
  subView_->setObjectName(QStringLiteral("1113"));
  auto* lists = new QHBoxLayout;
  lists->addWidget(entriesView_);
  lists->addWidget(subView_);
  top->addLayout(lists, 1);

  auto* counts = new QGridLayout;
  entryCount_ = named(new QLabel(this), 1357);
  subCount_ = named(new QLabel(this), 1359);
  counts->addWidget(new QLabel(buddies ? tr("Compagni:") : tr("Località:"), this), 0, 0);
  counts->addWidget(entryCount_, 0, 1);
  int row = 1;
  if (!buddies) {
    subTotal_ = named(new QLabel(this), 1358);
    counts->addWidget(new QLabel(tr("Luoghi:"), this), row, 0);
    counts->addWidget(subTotal_, row++, 1);
  }
  counts->addWidget(new QLabel(buddies ? tr("Località del compagno:")
                                       : tr("Luoghi della località:"), this), row, 0);
  counts->addWidget(subCount_, row, 1);
  counts->setColumnStretch(2, 1);
  top->addLayout(counts);
  auto* close = named(new QPushButton(tr("Chiudi"), this), 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  top->addLayout(buttons);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  connect(group, &QButtonGroup::idClicked, this, [this] { recount(); });
  connect(yearSpin_, &QScrollBar::valueChanged, this, [this](int v) {
    if (yearEdit_->text() != QString::number(v)) yearEdit_->setText(QString::number(v));
  });
  connect(yearEdit_, &QLineEdit::textChanged, this, [this] {
    if (initialised_) recount();
  });
  connect(entriesView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& cur) { showSub(cur.isValid() ? cur.row() : -1); });
  connect(entries_, &QAbstractItemModel::modelReset, this, [this] { showSub(-1); });

  recount();
  initialised_ = true;
  resize(sizeHint().expandedTo(QSize(560, 420)));
}

CStatListDlg::~CStatListDlg() {
  kelp::Settings& s = kelp::settings();
  auto& w1 = kind_ == Buddies ? s.part1Cols : s.tpl1Cols;
  auto& w2 = kind_ == Buddies ? s.part2Cols : s.tpl2Cols;
  for (int c = 0; c < 2; ++c) {
    w1[static_cast<size_t>(c)] = kelp::sanitizeColumnWidth(entriesView_->columnWidth(c));
    w2[static_cast<size_t>(c)] = kelp::sanitizeColumnWidth(subView_->columnWidth(c));
  }
}

void CStatListDlg::recount() {
  rules_.takeSelection(year_->isChecked() ? 1 : 0);
  int y = 0;
  if (kelp::scanInt(yearEdit_->text().toStdString(), y)) rules_.takeYear(y);
  yearSpin_->setEnabled(rules_.selection == 1);
  {
    const QSignalBlocker b(yearSpin_);
    yearSpin_->setValue(rules_.year);
  }
  const kelp::StatList list = kind_ == Buddies ? kelp::buddyStatistics(lb_, rules_.selection, rules_.year)
                                               : kelp::locationStatistics(lb_, rules_.selection, rules_.year);
  entryCount_->setText(QString::number(list.entries.size()));
  if (subTotal_) subTotal_->setText(QString::number(list.subTotal()));
  entries_->setEntries(list.entries);
}

void CStatListDlg::selectEntry(int row) {
  entriesView_->setCurrentIndex(entries_->index(row, 0));
  showSub(row);
}

void CStatListDlg::showSub(int row) {
  const auto& e = entries_->entries();
  if (row < 0 || row >= static_cast<int>(e.size())) {
    sub_->setEntries(std::vector<kelp::StatListEntry>{});
    subCount_->setText(QString());
    return;
  }
  sub_->setEntries(e[static_cast<size_t>(row)].sub);
  subCount_->setText(QString::number(e[static_cast<size_t>(row)].sub.size()));
}
