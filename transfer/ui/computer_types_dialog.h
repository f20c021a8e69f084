#pragma once
// The computer types dialogs: "Tipi di computers" (209) edits a copy of the
// computer model table through "Descrizioni" (210); "Computers" (200) lists the
// supported computer families. The rules are in transfer/computer_types.h.
#include <QDialog>
#include <functional>
#include <memory>

#include "core/computer_models.h"
#include "core/logbook.h"
#include "transfer/computer_types.h"

class QButtonGroup;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidget;

// "Descrizioni": one row. 'check' runs on OK with the row as entered; a failure is
// shown and the dialog stays open.
class CComputerTypeDlg : public QDialog {
  Q_OBJECT
 public:
  CComputerTypeDlg(const kelp::ComputerModel& row, std::function<kelp::Result(const kelp::ComputerModel&)> check,
                   QWidget* parent = nullptr);
  kelp::ComputerModel row() const;  // as entered
  void accept() override;

 private:
  kelp::ComputerModel m_row;
  std::function<kelp::Result(const kelp::ComputerModel&)> m_check;
  QLineEdit *m_name, *m_ident;
  QButtonGroup *m_gas, *m_pressure, *m_import;
};

class CComputerTypesDlg : public QDialog {
  Q_OBJECT
 public:
  CComputerTypesDlg(const kelp::Logbook& lb, QWidget* parent = nullptr);
  ~CComputerTypesDlg() override;

  const kelp::ComputerTypesEdit& edit() const { return *m_edit; }
  QTreeWidget* list() const { return m_list; }
  void select(int row);
  void editSelected();  // "Crea"
  void newType();       // "Nuovo"
  void deleteSelected();  // "Cancella"
  void accept() override;
  void done(int r) override;  // keeps the column widths

 private:
  void fill();
  void updateButtons();
  void popup(const QPoint& pos);

  std::unique_ptr<kelp::ComputerTypesEdit> m_edit;
  QTreeWidget* m_list;
  QPushButton *m_editButton, *m_deleteButton, *m_newButton;
  QMenu* m_menu;
  QAction *m_editAction, *m_newAction, *m_deleteAction;
};

class CComputersDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CComputersDlg(QWidget* parent = nullptr);
};
