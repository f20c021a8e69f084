#include "app/ui/restore_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CRestoreBackupDlg::CRestoreBackupDlg(const QString& logbookName, std::vector<kelp::BackupInfo> backups,
                                     QWidget* parent)
    : QDialog(parent), m_backups(std::move(backups)) {
  setWindowTitle(tr("Ripristina copia"));
  auto* v = new QVBoxLayout(this);
  auto* intro = new QLabel(tr("Versioni di %1 conservate prima di un salvataggio.\n"
                              "La copia scelta sostituisce il logbook; la versione attuale viene conservata.")
                               .arg(logbookName),
                           this);
  intro->setWordWrap(true);
  v->addWidget(intro);

  m_list = new QTreeWidget(this);
  m_list->setObjectName(QStringLiteral("1750"));
  m_list->setRootIsDecorated(false);
  m_list->setColumnCount(2);
  m_list->setHeaderLabels({tr("Salvata il"), tr("Immersioni")});
  for (const kelp::BackupInfo& b : m_backups) {
    auto* item = new QTreeWidgetItem(m_list);
    item->setText(0, QString::fromStdString(kelp::backupTimeText(b)));
    item->setText(1, b.dives < 0 ? QStringLiteral("?") : QString::number(b.dives));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  }
  m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  m_list->header()->setStretchLastSection(false);
  v->addWidget(m_list);

  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = box->button(QDialogButtonBox::Ok);
  m_ok->setText(tr("Ripristina"));
  box->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  v->addWidget(box);

  // OK only with a version chosen; the newest is chosen at first.
  connect(m_list, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* cur) { m_ok->setEnabled(cur != nullptr); });
  connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
  m_ok->setEnabled(false);
  if (m_list->topLevelItemCount() > 0) m_list->setCurrentItem(m_list->topLevelItem(0));
  resize(420, 320);
}

QString CRestoreBackupDlg::chosenPath() const {
  const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
  if (row < 0 || static_cast<size_t>(row) >= m_backups.size()) return {};
  return QString::fromStdString(m_backups[static_cast<size_t>(row)].path);
}
