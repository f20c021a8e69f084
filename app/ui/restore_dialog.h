#pragma once
// "Ripristina copia...": the kept versions of the open logbook, newest first, to choose one
// from. 1750 the list (columns: moment of the save that replaced it, number of dives).
#include <QDialog>
#include <QString>
#include <vector>

#include "core/backups.h"

class QTreeWidget;
class QPushButton;

class CRestoreBackupDlg : public QDialog {
  Q_OBJECT
 public:
  CRestoreBackupDlg(const QString& logbookName, std::vector<kelp::BackupInfo> backups, QWidget* parent = nullptr);
  // The path of the chosen backup's .log; "" when none is chosen.
  QString chosenPath() const;

 private:
  std::vector<kelp::BackupInfo> m_backups;
  QTreeWidget* m_list;
  QPushButton* m_ok;
};
