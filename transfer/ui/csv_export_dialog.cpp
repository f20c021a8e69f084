#include "transfer/ui/csv_export_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
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
#include "core/settings.h"
#include "core/strings.h"

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

struct FieldBox {
  int bit;
  int id;
  const char* text;
};

// The check boxes in the order the fields are written.
const FieldBox kFieldBoxes[] = {
    {0, 1070, "Numero imm"},     {1, 1042, "Data"},
    {2, 1072, "Ora"},            {3, 1044, "Località"},
    {4, 1045, "Luogo"},          {5, 1056, "Prof max"},
    {6, 1057, "Prof media"},     {7, 1058, "Tempo imm"},
    {8, 1059, "Consumo aria (respiri)"}, {9, 1047, "Altitudine"},
    {10, 1049, "Meteo"},         {21, 1048, "Visibilità"},
    {11, 1051, "Muta"},          {20, 1063, "Muta"},
    {23, 1069, "Zavorra"},       {12, 1052, "Tipo imm"},
    {13, 1053, "Attività"},      {14, 1054, "Compagni"},
    {15, 1055, "Capacità bombola"}, {24, 1066, "Bombola"},
    {22, 1064, "Pressione"},     {16, 1060, "Consumo aria (press)"},
    {17, 1061, "Temperatura min"}, {18, 1062, "Temperatura aria"},
    {25, 1067, "Note"},
};

QRadioButton* radio(QWidget* owner, QButtonGroup* group, int id, const char* text, int index) {
  auto* r = new QRadioButton(QString::fromUtf8(text), owner);
  r->setObjectName(QString::number(id));
  group->addButton(r, index);
  return r;
}

}  // namespace

CCsvExportDlg::CCsvExportDlg(const kelp::Logbook& lb, const QString& path, QWidget* parent)
    : QDialog(parent), m_log(lb), m_path(path) {
  setObjectName(QStringLiteral("198"));
  setWindowTitle(QStringLiteral("Esporta a Excel"));
  const kelp::Settings& st = kelp::settings();
  auto* top = new QVBoxLayout(this);

  auto* range = new QHBoxLayout;
  m_firstLabel = new QLabel(QStringLiteral("Prima imm:"), this);
  m_first = new QLineEdit(this);
  m_first->setObjectName(QStringLiteral("1389"));
  m_lastLabel = new QLabel(this);
  m_lastLabel->setObjectName(QStringLiteral("1394"));
  m_last = new QLineEdit(this);
  m_last->setObjectName(QStringLiteral("1390"));
  for (QLineEdit* e : {m_first, m_last}) {
    e->setValidator(new QIntValidator(-99999, 99999, e));
    e->setMaximumWidth(80);
  }
  if (!lb.dives().empty()) {
    m_first->setText(QString::number(lb.dives().front().diveNumber));
    m_last->setText(QString::number(lb.dives().back().diveNumber));
  }
  range->addWidget(m_firstLabel);
  range->addWidget(m_first);
  range->addSpacing(16);
  range->addWidget(m_lastLabel);
  range->addWidget(m_last);
  range->addStretch(1);
  top->addLayout(range);

  auto* fieldsBox = new QGroupBox(QStringLiteral("Campi"), this);
  auto* grid = new QGridLayout(fieldsBox);
  const uint32_t mask = static_cast<uint32_t>(st.excelFields);
  int n = 0;
  for (const FieldBox& f : kFieldBoxes) {
    auto* box = new QCheckBox(QString::fromUtf8(f.text), fieldsBox);
    box->setObjectName(QString::number(f.id));
    box->setChecked((mask >> f.bit) & 1u);
    m_fields[f.bit] = box;
    grid->addWidget(box, n % 9, n / 9);
    ++n;
  }
  m_profile = new QCheckBox(QStringLiteral("Profili"), fieldsBox);
  m_profile->setObjectName(QStringLiteral("1065"));
  m_profile->setChecked((mask >> kelp::CSV_PROFILE_BIT) & 1u);
  grid->addWidget(m_profile, n % 9, n / 9);
  top->addWidget(fieldsBox);

  auto* options = new QGridLayout;
  options->addWidget(new QLabel(QStringLiteral("Separa dati"), this), 0, 0);
  m_separator = new QComboBox(this);
  m_separator->setObjectName(QStringLiteral("1391"));
  // Position 1 ("Trenn" 1) writes tabs, any other ';': the entries say what is written.
  m_separator->addItem(QStringLiteral("Semicolon"));
  m_separator->addItem(QStringLiteral("Tabulator"));
  m_separator->setCurrentIndex(st.excelSeparator == 1 ? 1 : 0);
  options->addWidget(m_separator, 0, 1, 1, 2);
  m_signLabel = new QLabel(QStringLiteral("Profilo immersione"), this);
  m_signLabel->setObjectName(QStringLiteral("1393"));
  m_sign = new QButtonGroup(this);
  options->addWidget(m_signLabel, 1, 0);
  options->addWidget(radio(this, m_sign, 1024, "Negativo", 0), 1, 1);
  options->addWidget(radio(this, m_sign, 1026, "Positivo", 1), 1, 2);
  m_sign->button(st.excelSign == 1 ? 1 : 0)->setChecked(true);
  m_timeLabel = new QLabel(QStringLiteral("Formato tempo profilo"), this);
  m_timeLabel->setObjectName(QStringLiteral("1396"));
  m_time = new QButtonGroup(this);
  options->addWidget(m_timeLabel, 2, 0);
  options->addWidget(radio(this, m_time, 1027, "Secondi", 0), 2, 1);
  options->addWidget(radio(this, m_time, 1028, "0:00:00", 1), 2, 2);
  m_time->button(st.excelTimeFormat == 1 ? 1 : 0)->setChecked(true);
  options->setColumnStretch(3, 1);
  top->addLayout(options);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("Esporta"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("1"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancella"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("2"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  top->addWidget(buttons);

  connect(m_profile, &QCheckBox::toggled, this, &CCsvExportDlg::applyRules);
  applyRules();
}

void CCsvExportDlg::applyRules() {
  const kelp::CsvDialogRules r = kelp::csvDialogRules(m_profile->isChecked());
  m_firstLabel->setEnabled(r.firstNumberEnabled);
  m_first->setEnabled(r.firstNumberEnabled);
  m_lastLabel->setText(q(kelp::str(r.secondLabel)) + QLatin1Char(':'));
  m_signLabel->setEnabled(r.profileOptionsEnabled);
  m_timeLabel->setEnabled(r.profileOptionsEnabled);
  for (QAbstractButton* b : m_sign->buttons()) b->setEnabled(r.profileOptionsEnabled);
  for (QAbstractButton* b : m_time->buttons()) b->setEnabled(r.profileOptionsEnabled);
}

kelp::CsvOptions CCsvExportDlg::options() const {
  kelp::CsvOptions o;
  for (const auto& [bit, box] : m_fields)
    if (box->isChecked()) o.fields |= 1u << bit;
  if (m_profile->isChecked()) o.fields |= 1u << kelp::CSV_PROFILE_BIT;
  o.separator = m_separator->currentIndex() == 1 ? 1 : 0;
  o.sign = m_sign->checkedId() == 1 ? 1 : 0;
  o.timeFormat = m_time->checkedId() == 1 ? 1 : 0;
  o.firstNumber = m_first->text().toInt();
  o.lastNumber = m_last->text().toInt();
  // One dive: the first number does not limit it.
  if (o.profileLayout() && !m_log.dives().empty()) o.firstNumber = m_log.dives().front().diveNumber;
  return o;
}

void CCsvExportDlg::accept() {
  const kelp::CsvOptions o = options();
  // A wrong range or no field leaves the dialog open to mend it.
  const kelp::Result check = kelp::checkCsvOptions(m_log, o);
  if (!check) {
    tellUser(this, q(check.error));
    return;
  }
  const kelp::Result r = kelp::exportCsv(m_log, m_path.toStdString(), o, &kelp::settings());
  if (!r) tellUser(this, q(r.error));
  QDialog::accept();
}
