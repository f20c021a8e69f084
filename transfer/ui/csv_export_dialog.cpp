#include "transfer/ui/csv_export_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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
  struct {
    const char* source;
    const char* comment;  // tells the two "Muta" boxes apart for the translator
  } text;
};

// The check boxes in the order the fields are written.
const FieldBox kFieldBoxes[] = {
    {0, 1070, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Numero imm", "")},
    {1, 1042, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Data", "")},
    {2, 1072, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Ora", "")},
    {3, 1044, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Località", "")},
    {4, 1045, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Luogo", "")},
    {5, 1056, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Prof max", "")},
    {6, 1057, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Prof media", "")},
    {7, 1058, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Tempo imm", "")},
    {8, 1059, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Consumo aria (respiri)", "")},
    {9, 1047, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Altitudine", "")},
    {10, 1049, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Meteo", "")},
    {21, 1048, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Visibilità", "")},
    {11, 1051, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Muta", "suit")},
    {20, 1063, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Muta", "suit type")},
    {23, 1069, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Zavorra", "")},
    {12, 1052, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Tipo imm", "")},
    {13, 1053, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Attività", "")},
    {14, 1054, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Compagni", "")},
    {15, 1055, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Capacità bombola", "")},
    {24, 1066, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Bombola", "")},
    {22, 1064, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Pressione", "")},
    {16, 1060, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Consumo aria (press)", "")},
    {17, 1061, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Temperatura min", "")},
    {18, 1062, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Temperatura aria", "")},
    {25, 1067, QT_TRANSLATE_NOOP3("CCsvExportDlg", "Note", "")},
};

QRadioButton* radio(QWidget* owner, QButtonGroup* group, int id, const char* text, int index) {
  auto* r = new QRadioButton(QCoreApplication::translate("CCsvExportDlg", text), owner);
  r->setObjectName(QString::number(id));
  group->addButton(r, index);
  return r;
}

}  // namespace

CCsvExportDlg::CCsvExportDlg(const kelp::Logbook& lb, const QString& path, QWidget* parent)
    : QDialog(parent), m_log(lb), m_path(path) {
  setObjectName(QStringLiteral("198"));
  setWindowTitle(tr("Esporta a Excel"));
  const kelp::Settings& st = kelp::settings();
  auto* top = new QVBoxLayout(this);

  auto* range = new QHBoxLayout;
  m_firstLabel = new QLabel(tr("Prima imm:"), this);
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

  auto* fieldsBox = new QGroupBox(tr("Campi"), this);
  auto* grid = new QGridLayout(fieldsBox);
  const uint32_t mask = static_cast<uint32_t>(st.excelFields);
  int n = 0;
  for (const FieldBox& f : kFieldBoxes) {
    auto* box = new QCheckBox(tr(f.text.source, f.text.comment), fieldsBox);
    box->setObjectName(QString::number(f.id));
    box->setChecked((mask >> f.bit) & 1u);
    m_fields[f.bit] = box;
    grid->addWidget(box, n % 9, n / 9);
    ++n;
  }
  m_profile = new QCheckBox(tr("Profili"), fieldsBox);
  m_profile->setObjectName(QStringLiteral("1065"));
  m_profile->setChecked((mask >> kelp::CSV_PROFILE_BIT) & 1u);
  grid->addWidget(m_profile, n % 9, n / 9);
  top->addWidget(fieldsBox);

  auto* options = new QGridLayout;
  options->addWidget(new QLabel(tr("Separa dati"), this), 0, 0);
  m_separator = new QComboBox(this);
  m_separator->setObjectName(QStringLiteral("1391"));
  // Position 1 ("Trenn" 1) writes tabs, any other ';': the entries say what is written.
  m_separator->addItem(tr("Semicolon"));
  m_separator->addItem(tr("Tabulator"));
  m_separator->setCurrentIndex(st.excelSeparator == 1 ? 1 : 0);
  options->addWidget(m_separator, 0, 1, 1, 2);
  m_signLabel = new QLabel(tr("Profilo immersione"), this);
  m_signLabel->setObjectName(QStringLiteral("1393"));
  m_sign = new QButtonGroup(this);
  options->addWidget(m_signLabel, 1, 0);
  options->addWidget(radio(this, m_sign, 1024, QT_TRANSLATE_NOOP("CCsvExportDlg", "Negativo"), 0), 1, 1);
  options->addWidget(radio(this, m_sign, 1026, QT_TRANSLATE_NOOP("CCsvExportDlg", "Positivo"), 1), 1, 2);
  m_sign->button(st.excelSign == 1 ? 1 : 0)->setChecked(true);
  m_timeLabel = new QLabel(tr("Formato tempo profilo"), this);
  m_timeLabel->setObjectName(QStringLiteral("1396"));
  m_time = new QButtonGroup(this);
  options->addWidget(m_timeLabel, 2, 0);
  options->addWidget(radio(this, m_time, 1027, QT_TRANSLATE_NOOP("CCsvExportDlg", "Secondi"), 0), 2, 1);
  options->addWidget(radio(this, m_time, 1028, "0:00:00", 1), 2, 2);
  m_time->button(st.excelTimeFormat == 1 ? 1 : 0)->setChecked(true);
  options->setColumnStretch(3, 1);
  top->addLayout(options);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("Esporta"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("1"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(tr("Cancella"), QDialogButtonBox::RejectRole);
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
