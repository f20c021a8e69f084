#include "app/ui/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/ui/defaults_dialog.h"
#include "app/ui/spin_bar.h"
#include "app/ui/field_selection_dialog.h"
#include "core/language.h"
#include "core/settings.h"
#include "core/texts.h"

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }

template <class W>
W* named(W* w, int id) {
  w->setObjectName(QString::number(id));
  return w;
}
}  // namespace

CSettingsDlg::CSettingsDlg(QWidget* parent, const kelp::StringList* suits)
    : QDialog(parent), suits_(suits) {
  setWindowTitle(tr("Impostazioni"));
  const kelp::Settings& s = kelp::settings();
  auto* top = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  int row = 0;

  grid->addWidget(new QLabel(tr("Valuta:"), this), row, 0);
  currency_ = named(new QLineEdit(q(s.currency), this), 1176);
  currency_->setMaximumWidth(120);
  grid->addWidget(currency_, row++, 1);

  auto* units = new QGroupBox(tr("Unità"), this);
  auto* unitRow = new QHBoxLayout(units);
  imperial_ = named(new QRadioButton(tr("Imperiali"), units), 1024);
  metric_ = named(new QRadioButton(tr("Metriche"), units), 1025);
  (s.unitsMetric ? metric_ : imperial_)->setChecked(true);
  unitRow->addWidget(imperial_);
  unitRow->addWidget(metric_);
  grid->addWidget(units, row++, 0, 1, 3);

  extended_ = named(new QCheckBox(tr("In crescendo"), this), 1419);
  extended_->setChecked(s.extended != 0);
  grid->addWidget(extended_, row++, 0, 1, 3);
  positions_ = named(new QCheckBox(tr("Salva posizione attiva"), this), 1420);
  positions_->setChecked(s.savePositions != 0);
  grid->addWidget(positions_, row++, 0, 1, 3);
  dump_ = named(new QCheckBox(tr("Debug"), this), 1454);
  dump_->setChecked(s.dump != 0);
  dump_->setVisible(false);
  grid->addWidget(dump_, row++, 0, 1, 3);

  grid->addWidget(new QLabel(tr("Internet browser:"), this), row, 0);
  browser_ = named(new QLineEdit(q(s.externBrowser), this), 1435);
  grid->addWidget(browser_, row, 1);
  auto* browseBrowser = named(new QPushButton(tr("Cerca"), this), 1438);
  grid->addWidget(browseBrowser, row++, 2);
  connect(browseBrowser, &QPushButton::clicked, this, [this] {
    browse(browser_, tr("Internet Browser (*.exe);;Alle Dateien (*)"));
  });

  grid->addWidget(new QLabel(tr("Applicazione esterna:"), this), row, 0);
  externFile_ = named(new QLineEdit(q(s.externFile), this), 1436);
  grid->addWidget(externFile_, row, 1);
  auto* browseExtern = named(new QPushButton(tr("Cerca"), this), 1439);
  grid->addWidget(browseExtern, row++, 2);
  connect(browseExtern, &QPushButton::clicked, this, [this] {
    browse(externFile_, tr("Ausführbare Dateien (*.exe);;Alle Dateien (*)"));
  });

  grid->addWidget(new QLabel(tr("Testo del menu:"), this), row, 0);
  menuText_ = named(new QLineEdit(q(s.externName), this), 1437);
  grid->addWidget(menuText_, row++, 1);

  grid->addWidget(new QLabel(tr("Porta seriale:"), this), row, 0);
  auto* portRow = new QHBoxLayout;
  port_ = named(new QLineEdit(QString::number(s.comPort), this), 1422);
  port_->setValidator(new QIntValidator(0, 8, port_));
  port_->setMaximumWidth(40);
  // The spin control steps between 1 and 2.
  spin_ = makeSpinBar(this, 1417);
  spin_->setRange(1, 2);
  spin_->setFixedSize(16, port_->sizeHint().height());
  spin_->setValue(s.comPort == 2 ? 2 : 1);
  connect(spin_, &QScrollBar::valueChanged, this, [this](int v) { port_->setText(QString::number(v)); });
  portRow->addWidget(port_);
  portRow->addWidget(spin_);
  portRow->addStretch();
  grid->addLayout(portRow, row++, 1);

  grid->addWidget(new QLabel(tr("Lingua:"), this), row, 0);
  language_ = named(new QComboBox(this), 1457);
  for (kelp::Language l : kelp::kLanguages)
    language_->addItem(QString::fromLatin1(kelp::languageDisplayName(l)), static_cast<int>(l));
  language_->setCurrentIndex(language_->findData(static_cast<int>(kelp::language())));
  grid->addWidget(language_, row++, 1, Qt::AlignLeft);
  grid->addWidget(new QLabel(tr("La lingua scelta vale dal prossimo avvio del programma."), this), row++, 1, 1, 2);
  // Program paths are long: give their fields room.
  for (QLineEdit* e : {browser_, externFile_, menuText_}) e->setMinimumWidth(300);
  grid->setColumnStretch(1, 1);
  top->addLayout(grid);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
  auto* defaults = named(new QPushButton(tr("Default"), this), 1455);
  buttons->addButton(defaults, QDialogButtonBox::ActionRole);
  connect(defaults, &QPushButton::clicked, this, [this] {
    CDefaultDlg dlg(this, suits_);
    dlg.exec();
  });
  auto* fields = named(new QPushButton(tr("Campi"), this), 1429);
  fields->setVisible(false);
  connect(fields, &QPushButton::clicked, this, [this] {
    CFieldSelectionDlg dlg(this);
    dlg.exec();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  top->addWidget(buttons);
}

void CSettingsDlg::browse(QLineEdit* target, const QString& filter) {
  QFileDialog dlg(this);
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setNameFilters(filter.split(QStringLiteral(";;")));
  // Programs here rarely end in ".exe": the list opens on every file, and no suffix is added
  // to the chosen name (a default suffix would turn "/usr/bin/editor" into "editor.exe").
  dlg.selectNameFilter(dlg.nameFilters().constLast());
  if (!target->text().isEmpty()) dlg.selectFile(target->text());
  if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
    target->setText(dlg.selectedFiles().front());
}

void CSettingsDlg::accept() {
  int port = 0;
  if (!kelp::scanInt(port_->text().trimmed().toStdString(), port) || port < 0 || port > 8) {
    QMessageBox::warning(this, windowTitle(),
                         tr("Immettere un numero intero compreso tra 0 e 8."));
    port_->setFocus();
    port_->selectAll();
    return;
  }
  kelp::Settings& s = kelp::settings();
  const int metricNow = metric_->isChecked() ? 1 : 0;
  unitsChanged_ = metricNow != s.unitsMetric;
  s.unitsMetric = metricNow;
  s.currency = currency_->text().toStdString();
  s.extended = extended_->isChecked() ? 1 : 0;
  s.savePositions = positions_->isChecked() ? 1 : 0;
  s.dump = dump_->isChecked() ? 1 : 0;
  s.externBrowser = browser_->text().toStdString();
  s.externFile = externFile_->text().toStdString();
  s.externName = menuText_->text().toStdString();
  if (port >= 1 && port <= 8) s.comPort = port;  // 0 passes but leaves the port unchanged
  s.language = kelp::languageSettingAfterChoice(s.language, kelp::language(),
                                                static_cast<kelp::Language>(language_->currentData().toInt()));
  kelp::saveAllSettings();
  QDialog::accept();
}
