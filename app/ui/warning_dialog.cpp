#include "app/ui/warning_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "core/settings.h"

CWarningDlg::CWarningDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("201"));
  setWindowTitle(tr("Warning"));
  auto* top = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
  row->addWidget(icon, 0, Qt::AlignTop);
  auto* text = new QLabel(
      tr(
          "Kelp è in modalità estesa.\n\n"
          "Le immersioni di questo logbook devono essere inserite e cancellate solo con questo "
          "programma.\n\n"
          "I dati aggiuntivi (anche quelli importati da altri programmi) vengono salvati nel file "
          "con lo stesso nome del logbook e con l'estensione .add: conservalo sempre insieme al "
          "file .log.\n\n"
          "La modalità estesa si può disattivare in \"Impostazioni\" (menu \"Vista\")."),
      this);
  text->setObjectName(QStringLiteral("text"));
  text->setWordWrap(true);
  text->setMinimumWidth(380);
  row->addWidget(text, 1);
  top->addLayout(row);
  showAtStart_ = new QCheckBox(tr("Mostra questo messaggio all'avvio"), this);
  showAtStart_->setObjectName(QStringLiteral("1025"));
  showAtStart_->setChecked(kelp::settings().warnWindow != 0);
  top->addWidget(showAtStart_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  top->addWidget(buttons);
}

void CWarningDlg::accept() {
  kelp::settings().warnWindow = showAtStart_->isChecked() ? 1 : 0;
  kelp::saveAllSettings();
  QDialog::accept();
}
