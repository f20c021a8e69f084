#include "analysis/ui/forecast_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <ctime>

#include "app/ui/kelp_doc.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "profile/ui/profile_plot.h"

namespace {

const char* const kMonths[12] = {
    QT_TRANSLATE_NOOP("CForecastDlg", "Gen"), QT_TRANSLATE_NOOP("CForecastDlg", "Feb"), QT_TRANSLATE_NOOP("CForecastDlg", "Mar"),
    QT_TRANSLATE_NOOP("CForecastDlg", "Apr"), QT_TRANSLATE_NOOP("CForecastDlg", "Mag"), QT_TRANSLATE_NOOP("CForecastDlg", "Giu"),
    QT_TRANSLATE_NOOP("CForecastDlg", "Lug"), QT_TRANSLATE_NOOP("CForecastDlg", "Ago"), QT_TRANSLATE_NOOP("CForecastDlg", "Set"),
    QT_TRANSLATE_NOOP("CForecastDlg", "Ott"), QT_TRANSLATE_NOOP("CForecastDlg", "Nov"), QT_TRANSLATE_NOOP("CForecastDlg", "Dic")};

QLabel* field(QWidget* parent, int id) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::number(id));
  l->setFrameShape(QFrame::StyledPanel);
  l->setMinimumWidth(90);
  return l;
}

// The result and the list in the profile colours.
void useProfileColors(QWidget* w) {
  QPalette pal = w->palette();
  const auto& c = kelp::settings().profileColors;
  pal.setColor(QPalette::Window, kelp::toQColor(c[kelp::kColBackground]));
  pal.setColor(QPalette::Base, kelp::toQColor(c[kelp::kColBackground]));
  pal.setColor(QPalette::WindowText, kelp::toQColor(c[kelp::kColText]));
  pal.setColor(QPalette::Text, kelp::toQColor(c[kelp::kColText]));
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

kelp::CalendarDay today() {
  kelp::CalendarDay d;
  kelp::fromDayNumber(kelp::todayDayNumber(), d.day, d.month, d.year);
  return d;
}

}  // namespace

CForecastDlg::CForecastDlg(const kelp::Logbook& lb, QWidget* parent) : QDialog(parent), lb_(lb) {
  setObjectName(QStringLiteral("157"));
  setWindowTitle(tr("Statistiche"));
  const int count = lb.diveCount();

  auto* count_ = field(this, 1170);
  count_->setText(QString::number(count));
  auto* first = field(this, 1171);
  auto* last = field(this, 1172);
  if (count > 0) {
    first->setText(QString::fromStdString(kelp::formatDateList(lb.dives().front().date)));
    last->setText(QString::fromStdString(kelp::formatDateList(lb.dives().back().date)));
  }
  request_.target = kelp::defaultForecastTarget(count);
  const kelp::CalendarDay start = kelp::forecastStart(lb);
  request_.startMonth = start.month;
  request_.startYear = start.year;

  target_ = new QLineEdit(QString::number(request_.target), this);
  target_->setObjectName(QStringLiteral("1173"));
  target_->setMaximumWidth(90);
  start_ = new QLineEdit(QString::fromStdString(kelp::forecastStartText(request_.startMonth, request_.startYear)), this);
  start_->setObjectName(QStringLiteral("1174"));
  start_->setMaximumWidth(90);
  withCurrent_ = new QCheckBox(tr("calcola con il mese in corso"), this);
  withCurrent_->setObjectName(QStringLiteral("1175"));
  resultLabel_ = field(this, 1176);
  useProfileColors(resultLabel_);

  auto* form = new QFormLayout;
  form->addRow(tr("Immersioni:"), count_);
  form->addRow(tr("Prima immersione:"), first);
  form->addRow(tr("Ultima immersione:"), last);
  form->addRow(tr("Numero ricercato:"), target_);
  form->addRow(tr("Calcola mese di inizio:"), start_);
  form->addRow(withCurrent_);
  form->addRow(tr("Previsione:"), resultLabel_);

  auto* calc = new QPushButton(tr("Calcola"), this);
  calc->setObjectName(QStringLiteral("1177"));
  insert_ = new QPushButton(tr("<< Inserisci"), this);
  insert_->setObjectName(QStringLiteral("1178"));
  delete_ = new QPushButton(tr(">> Cancella"), this);
  delete_->setObjectName(QStringLiteral("1179"));
  for (QPushButton* b : {calc, insert_, delete_}) b->setAutoDefault(false);

  auto* rateBox = new QGroupBox(this);
  auto* rl = new QGridLayout(rateBox);
  rateGroup_ = new QLabel(rateBox);
  rateGroup_->setObjectName(QStringLiteral("1351"));
  rl->addWidget(rateGroup_, 0, 0, 1, 4);
  for (int m = 0; m < 12; ++m) {
    rates_[static_cast<size_t>(m)] = field(rateBox, 1339 + m);
    rates_[static_cast<size_t>(m)]->setMinimumWidth(60);
    rates_[static_cast<size_t>(m)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int row = 1 + m % 6, col = m / 6 * 2;
    rl->addWidget(new QLabel(tr(kMonths[m]), rateBox), row, col);
    rl->addWidget(rates_[static_cast<size_t>(m)], row, col + 1);
  }
  perDay_ = new QRadioButton(tr("pD"), rateBox);
  perDay_->setObjectName(QStringLiteral("1024"));
  perMonth_ = new QRadioButton(tr("pM"), rateBox);
  perMonth_->setObjectName(QStringLiteral("1026"));
  perDay_->setChecked(true);
  rl->addWidget(perDay_, 7, 0, 1, 2);
  rl->addWidget(perMonth_, 7, 2, 1, 2);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("1039"));
  list_->setMinimumWidth(380);
  useProfileColors(list_);

  auto* close = new QPushButton(tr("Chiudi"), this);
  close->setObjectName(QStringLiteral("1"));

  auto* left = new QVBoxLayout;
  left->addLayout(form);
  auto* row = new QHBoxLayout;
  row->addWidget(calc);
  row->addWidget(insert_);
  row->addWidget(delete_);
  left->addLayout(row);
  left->addWidget(rateBox);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(tr("Previsioni salvate"), this));
  right->addWidget(list_, 1);
  right->addWidget(close, 0, Qt::AlignRight);
  auto* main = new QHBoxLayout(this);
  main->addLayout(left);
  main->addLayout(right, 1);

  connect(calc, &QPushButton::clicked, this, [this] { calculate(today()); });
  connect(insert_, &QPushButton::clicked, this, &CForecastDlg::insertForecast);
  connect(delete_, &QPushButton::clicked, this, &CForecastDlg::deleteSelected);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(perDay_, &QRadioButton::toggled, this, &CForecastDlg::showRates);

  loadHistory();
  showRates();
  updateButtons();
  resize(840, 480);
}

void CForecastDlg::calculate(const kelp::CalendarDay& day) {
  kelp::ForecastRequest req = request_;
  int target = 0;
  if (kelp::scanInt(target_->text().toStdString(), target)) req.target = target;
  int month = 0, year = 0;
  if (!kelp::parseForecastStart(start_->text().toStdString(), month, year)) return;
  req.startMonth = month;
  req.startYear = year;
  req.withCurrentMonth = withCurrent_->isChecked();
  kelp::ForecastResult r;
  const kelp::ForecastOutcome outcome = kelp::computeForecast(lb_, req, day, r);
  if (outcome == kelp::ForecastOutcome::BeyondHorizon) {
    tellUser(this, QString::fromStdString(kelp::forecastHorizonMessage()), QMessageBox::Information);
    return;
  }
  if (outcome != kelp::ForecastOutcome::Found) return;
  request_ = req;
  result_ = r;
  resultText_ = QString::fromStdString(kelp::forecastDateText(r.date));
  resultLabel_->setText(resultText_);
  target_->setText(QString::number(req.target));
  start_->setText(QString::fromStdString(kelp::forecastStartText(req.startMonth, req.startYear)));
  inserted_ = false;
  showRates();
  updateButtons();
}

void CForecastDlg::showRates() {
  const bool perMonth = perMonth_->isChecked();
  rateGroup_->setText(QString::fromStdString(kelp::str(perMonth ? 62622 : 62623)));
  for (int m = 0; m < 12; ++m)
    rates_[static_cast<size_t>(m)]->setText(
        resultText_.isEmpty()
            ? QString()
            : QString::fromStdString(kelp::forecastRateText(result_.monthRate[static_cast<size_t>(m)], m + 1, perMonth)));
}

void CForecastDlg::insertForecast() {
  const kelp::Result r = kelp::appendForecastRecords(
      lb_.prgPath, kelp::forecastHeadRecord(static_cast<uint32_t>(std::time(nullptr)), request_),
      kelp::forecastResultRecord(request_, result_.date));
  if (!r) {
    tellUser(this, QString::fromStdString(r.error));
    return;
  }
  inserted_ = true;
  loadHistory();
  updateButtons();
}

void CForecastDlg::deleteSelected() {
  const int line = list_->currentRow();
  if (line < 0) return;
  if (askUser(this, QMessageBox::Question, QString::fromStdString(kelp::str(62628)),
              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  const kelp::Result r = kelp::deleteForecast(lb_.prgPath, line);
  if (!r) tellUser(this, QString::fromStdString(r.error));
  loadHistory();
  updateButtons();
}

void CForecastDlg::loadHistory() {
  kelp::ForecastFile f;
  const kelp::Result r = kelp::loadForecastFile(lb_.prgPath, f);
  if (!r) tellUser(this, QString::fromStdString(r.error));
  history_ = f.history();
  list_->clear();
  for (const std::string& line : kelp::forecastListLines(history_)) {
    // One tab stop: the date column.
    const QString text = QString::fromStdString(line);
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    list_->addItem(text.left(tab).leftJustified(12, QLatin1Char(' ')) + text.mid(tab + 1));
  }
  list_->setFont(QFont(QStringLiteral("Monospace")));
  if (list_->count() > 0) list_->setCurrentRow(list_->count() - 1);
}

void CForecastDlg::updateButtons() {
  insert_->setEnabled(!inserted_ && !resultText_.isEmpty() && !lb_.prgPath.empty());
  delete_->setEnabled(!history_.empty());
}

void openForecast(const kelp::Logbook& lb, QWidget* parent) {
  CForecastDlg dlg(lb, parent);
  dlg.exec();
}
