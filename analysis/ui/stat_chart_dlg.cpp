#include "analysis/ui/stat_chart_dlg.h"

#include <QAbstractSlider>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "analysis/stat_lists.h"
#include "analysis/ui/stat_chart_view.h"
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

constexpr int kYearRows = 20;
constexpr int kMonthRows = 24;

// Control ids of the summary blocks of the binned charts: sum, mean, minimum, maximum,
// each for all dives, fresh water, sea water and chamber.
constexpr int kSumIds[4] = {1310, 1321, 1322, 1323};
constexpr int kMeanIds[4] = {1314, 1267, 1268, 1269};
constexpr int kMinIds[4] = {1311, 1315, 1317, 1319};
constexpr int kMaxIds[4] = {1312, 1316, 1318, 1320};

// The control ids of summary line i of a binned chart (nullptr when it has none).
const int* summaryIds(int chart, int i) {
  static const int* const depth[] = {kSumIds, kMeanIds, kMinIds, kMaxIds};
  static const int* const time[] = {kSumIds, nullptr, kMeanIds, kMinIds, kMaxIds};
  static const int* const temperature[] = {kMeanIds, kMinIds, kMaxIds};
  switch (chart) {
    case kelp::kChartDepth: return i < 4 ? depth[i] : nullptr;
    case kelp::kChartTime: return i < 5 ? time[i] : nullptr;
    case kelp::kChartTemperature: return i < 3 ? temperature[i] : nullptr;
    default: return nullptr;
  }
}

bool isPeriod(int chart) {
  const auto k = kelp::chartKind(chart);
  return k == kelp::ChartKind::Period || k == kelp::ChartKind::AirPeriod;
}

}  // namespace

StatChartControls statChartControls(int chart, const kelp::StatOptions& o) {
  StatChartControls c;
  c.yearSpin = o.selection == 1;
  c.statistic = kelp::chartKind(chart) == kelp::ChartKind::Category && o.view >= kelp::kViewDepth;
  return c;
}

int statVisibleRows(int chart, int rowCount) {
  if (chart == kelp::kChartYears || chart == kelp::kChartAirYears) return std::min(kYearRows, rowCount);
  if (chart == kelp::kChartMonths || chart == kelp::kChartAirMonths) return std::min(kMonthRows, rowCount);
  return rowCount;
}

CStatChartDlg::CStatChartDlg(int chart, const kelp::Logbook& lb, StatChartState& state, QWidget* parent)
    : QDialog(parent), chart_(chart), lb_(lb), state_(state) {
  setObjectName(QString::number(kelp::chartDialogId(chart)));
  setWindowTitle(q(kelp::chartWindowTitle(chart)));
  if (!state_.started) {
    int d, m, y;
    kelp::fromDayNumber(state_.options.today > 0 ? state_.options.today : kelp::todayDayNumber(), d, m, y);
    state_.options.year = y;
    state_.started = true;
  }
  buildControls();
  // initialise: compute, write the controls, set the spin range, focus on "Tutte"
  compute();
  scroll_.reset(result_.rowCount, statVisibleRows(chart_, result_.rowCount));
  writeControls();
  showRows();
  all_->setFocus();
  initialised_ = true;
  sizeToContents();
}

CStatChartDlg::~CStatChartDlg() {
  if (suitList_) {
    kelp::settings().anzCols[0] = kelp::sanitizeColumnWidth(suitList_->columnWidth(0));
    kelp::settings().anzCols[1] = kelp::sanitizeColumnWidth(suitList_->columnWidth(1));
  }
}

void CStatChartDlg::buildControls() {
  auto* top = new QVBoxLayout(this);
  const kelp::ChartKind kind = kelp::chartKind(chart_);

  // year selection
  auto* selRow = new QHBoxLayout;
  all_ = named(new QRadioButton(tr("Tutte"), this), 1024);
  year_ = named(new QRadioButton(tr("Anno"), this), 1026);
  auto* selGroup = new QButtonGroup(this);
  selGroup->addButton(all_, 0);
  selGroup->addButton(year_, 1);
  yearEdit_ = named(new QLineEdit(this), 1416);
  yearEdit_->setMaxLength(4);
  yearEdit_->setFixedWidth(yearEdit_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
  yearSpin_ = makeSpinBar(this, 1417);
  yearSpin_->setFixedSize(16, yearEdit_->sizeHint().height());
  selRow->addWidget(all_);
  selRow->addWidget(year_);
  selRow->addWidget(yearEdit_);
  selRow->addWidget(yearSpin_);
  selRow->addStretch(1);
  top->addLayout(selRow);
  connect(selGroup, &QButtonGroup::idClicked, this, [this] { recompute(); });
  connect(yearSpin_, &QScrollBar::valueChanged, this, [this](int v) {
    if (yearEdit_->text() != QString::number(v)) yearEdit_->setText(QString::number(v));
  });
  connect(yearEdit_, &QLineEdit::textChanged, this, [this] {
    if (initialised_) recompute();
  });

  // views
  if (kind == kelp::ChartKind::Binned || kind == kelp::ChartKind::Category) {
    auto* viewRow = new QHBoxLayout;
    views_ = new QButtonGroup(this);
    const char* texts[] = {QT_TR_NOOP("Numero imm"), QT_TR_NOOP("Percentuale"), QT_TR_NOOP("Profondità"),
                           QT_TR_NOOP("Tempo imm"), QT_TR_NOOP("Consumo aria")};
    const int n = kind == kelp::ChartKind::Binned ? 2 : 5;
    for (int i = 0; i < n; ++i) {
      auto* b = named(new QRadioButton(tr(texts[i]), this), 1027 + i);
      views_->addButton(b, i);
      viewRow->addWidget(b);
    }
    connect(views_, &QButtonGroup::idClicked, this, [this] { recompute(); });
    if (chart_ == kelp::kChartDepth) {
      depthMode_ = new QButtonGroup(this);
      auto* maxDepth = named(new QRadioButton(tr("Prof max"), this), 1035);
      auto* meanDepth = named(new QRadioButton(tr("Prof media"), this), 1036);
      depthMode_->addButton(maxDepth, 0);
      depthMode_->addButton(meanDepth, 1);
      viewRow->addSpacing(16);
      viewRow->addWidget(maxDepth);
      viewRow->addWidget(meanDepth);
      connect(depthMode_, &QButtonGroup::idClicked, this, [this] { recompute(); });
    }
    viewRow->addStretch(1);
    top->addLayout(viewRow);
    if (kind == kelp::ChartKind::Category) {
      auto* statRow = new QHBoxLayout;
      stats_ = new QButtonGroup(this);
      const char* st[] = {QT_TR_NOOP("Valori medi"), QT_TR_NOOP("Valori minimi"), QT_TR_NOOP("Valori massimi")};
      for (int i = 0; i < 3; ++i) {
        auto* b = named(new QRadioButton(tr(st[i]), this), 1139 + i);
        stats_->addButton(b, i);
        statRow->addWidget(b);
      }
      statRow->addStretch(1);
      top->addLayout(statRow);
      connect(stats_, &QButtonGroup::idClicked, this, [this] { recompute(); });
    }
  }

  // the table with its bars, and the scroll bar of the per-year and per-month charts
  auto* tableRow = new QHBoxLayout;
  view_ = new CStatChartView(this);
  tableRow->addWidget(view_, 1);
  if (isPeriod(chart_)) {
    rowScroll_ = new QScrollBar(Qt::Vertical, this);
    rowScroll_->setObjectName(QStringLiteral("rows"));
    rowScroll_->setSingleStep(1);
    tableRow->addWidget(rowScroll_);
    // a page step moves by one row, as a line step does
    connect(rowScroll_, &QAbstractSlider::actionTriggered, this, [this](int action) {
      if (action == QAbstractSlider::SliderPageStepAdd) rowScroll_->setSliderPosition(scroll_.position + 1);
      if (action == QAbstractSlider::SliderPageStepSub) rowScroll_->setSliderPosition(scroll_.position - 1);
    });
    connect(rowScroll_, &QScrollBar::valueChanged, this, [this](int v) { setScrollPosition(v); });
    connect(view_, &CStatChartView::wheelSteps, this,
            [this](int steps) { setScrollPosition(scroll_.position + steps); });
  }
  top->addLayout(tableRow);

  // summary lines, in the columns of the table
  summaryGrid_ = new QGridLayout;
  summaryGrid_->setHorizontalSpacing(0);
  summaryGrid_->setContentsMargins(CStatChartView::kMargin, 0, 0, 0);
  summaryGrid_->setColumnMinimumWidth(0, CStatChartView::kLabelWidth);
  for (int c = 1; c <= 4; ++c) summaryGrid_->setColumnMinimumWidth(c, CStatChartView::kValueWidth);
  summaryGrid_->setColumnStretch(5, 1);
  const size_t count = 5;  // the most summary lines a chart shows
  for (size_t i = 0; i < count; ++i) {
    std::array<QLabel*, 5> row{};
    const int* ids = summaryIds(chart_, static_cast<int>(i));
    for (int c = 0; c < 5; ++c) {
      row[static_cast<size_t>(c)] = new QLabel(this);
      if (c > 0) {
        row[static_cast<size_t>(c)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row[static_cast<size_t>(c)]->setFixedWidth(CStatChartView::kValueWidth);
        row[static_cast<size_t>(c)]->setContentsMargins(0, 0, 4, 0);
        if (ids) row[static_cast<size_t>(c)]->setObjectName(QString::number(ids[c - 1]));
      }
      summaryGrid_->addWidget(row[static_cast<size_t>(c)], static_cast<int>(i), c);
    }
    summary_.push_back(row);
  }
  top->addLayout(summaryGrid_);

  // the suit descriptions
  if (chart_ == kelp::kChartSuit) {
    suits_ = new CStatCountModel(q(kelp::str(62649)), q(kelp::str(62650)), this);
    const auto& w = kelp::settings().anzCols;
    suitList_ = makeCountView(suits_, w[0] > 0 ? w[0] : 215, w[1] > 0 ? w[1] : 95, this);
    suitList_->setObjectName(QStringLiteral("1112"));
    suitList_->setMaximumHeight(150);
    top->addWidget(suitList_);
  }
}

void CStatChartDlg::readControls() {
  kelp::CStatTable rules = result_.table;  // firstYear and currentYear of the last computation
  rules.selection = state_.options.selection;
  rules.year = state_.options.year;
  rules.view = state_.options.view;
  rules.statistic = state_.options.statistic;
  rules.takeSelection(year_->isChecked() ? 1 : 0);
  int y = 0;
  if (kelp::scanInt(yearEdit_->text().toStdString(), y)) rules.takeYear(y);
  if (views_) rules.takeView(views_->checkedId(), kelp::chartKind(chart_) == kelp::ChartKind::Category);
  if (stats_) rules.takeStatistic(stats_->checkedId());
  state_.options.selection = rules.selection;
  state_.options.year = rules.year;
  state_.options.view = rules.view;
  state_.options.statistic = rules.statistic;
  if (depthMode_) state_.options.meanDepth = depthMode_->checkedId() == 1;
}

void CStatChartDlg::compute() {
  kelp::StatOptions o = state_.options;
  o.metric = kelp::metric();
  o.keepScale = o.selection == 1 ? state_.scale : 0;
  result_ = kelp::computeStatistics(lb_, chart_, o);
  state_.scale = result_.table.scaleMax;
  if (suits_) suits_->setEntries(kelp::suitDescriptions(lb_, o.selection, o.year));
}

void CStatChartDlg::writeControls() {
  const kelp::StatOptions& o = state_.options;
  const StatChartControls enabled = statChartControls(chart_, o);
  (o.selection == 1 ? year_ : all_)->setChecked(true);
  {
    const QSignalBlocker b1(yearSpin_), b2(yearEdit_);
    yearSpin_->setRange(result_.table.yearRangeStart(), result_.table.currentYear);
    yearSpin_->setValue(o.year);
    if (yearEdit_->text() != QString::number(o.year) && !yearEdit_->hasFocus())
      yearEdit_->setText(QString::number(o.year));
  }
  yearSpin_->setEnabled(enabled.yearSpin);
  if (views_ && views_->button(o.view)) views_->button(o.view)->setChecked(true);
  if (stats_) {
    if (stats_->button(o.statistic)) stats_->button(o.statistic)->setChecked(true);
    for (auto* b : stats_->buttons()) b->setEnabled(enabled.statistic);
  }
  if (depthMode_) depthMode_->button(o.meanDepth ? 1 : 0)->setChecked(true);

  const auto lines = result_.summary();
  for (size_t i = 0; i < summary_.size(); ++i) {
    const bool on = i < lines.size();
    for (int c = 0; c < 5; ++c) {
      QLabel* l = summary_[i][static_cast<size_t>(c)];
      l->setVisible(on);
      if (!on) continue;
      l->setText(c == 0 ? q(lines[i].label) : q(lines[i].cells[static_cast<size_t>(c - 1)]));
    }
  }
  if (rowScroll_) {
    const QSignalBlocker b(rowScroll_);
    rowScroll_->setRange(scroll_.minimum(), std::max(scroll_.rows, scroll_.minimum()));
    rowScroll_->setPageStep(scroll_.visible);
    rowScroll_->setValue(scroll_.position);
  }
}

void CStatChartDlg::showRows() {
  const int first = isPeriod(chart_) ? std::max(0, scroll_.firstShown() - 1) : 0;
  view_->setResult(&result_, first, scroll_.visible);
}

void CStatChartDlg::recompute() {
  readControls();
  compute();
  if (scroll_.rows != result_.rowCount) scroll_.reset(result_.rowCount, statVisibleRows(chart_, result_.rowCount));
  writeControls();
  showRows();
}

void CStatChartDlg::setScrollPosition(int p) {
  if (!isPeriod(chart_)) return;
  scroll_.setPosition(p);
  if (rowScroll_ && rowScroll_->value() != scroll_.position) {
    const QSignalBlocker b(rowScroll_);
    rowScroll_->setValue(scroll_.position);
  }
  showRows();
}

void CStatChartDlg::redraw() { view_->rebuild(); }

void CStatChartDlg::sizeToContents() {
  adjustSize();
  resize(sizeHint().expandedTo(QSize(720, 0)));
}
