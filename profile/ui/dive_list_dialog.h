#pragma once
#include <array>
// "Lista immersioni" (dialog 159): every dive as one row of eleven columns. The rows are
// read from the logbook when they are drawn, so a full logbook opens and scrolls at once.
#include <QAbstractTableModel>
#include <QDialog>
#include <functional>

#include "core/logbook.h"
#include "profile/dive_list.h"

class QTreeView;

class CDiveListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  CDiveListModel(const kelp::Logbook& logbook, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  const kelp::Logbook& m_log;
};

class CDiveListDlg : public QDialog {
  Q_OBJECT
 public:
  // goTo moves the main form to a dive position (1-based).
  CDiveListDlg(const kelp::Logbook& logbook, std::function<void(int)> goTo, QWidget* parent = nullptr);

  QTreeView* list() const { return m_list; }
  int lastRow() const { return m_row; }  // row last selected, -1 when none

  // Stores the window rectangle and the column widths (done when the dialog closes).
  void storePlacement();

 protected:
  void done(int result) override;

 private:
  void restorePlacement();
  void onSelectionChanged();
  void onDoubleClicked();

  const kelp::Logbook& m_log;
  std::function<void(int)> m_goTo;
  CDiveListModel* m_model;
  QTreeView* m_list;
  // Per column: its default width and the width its head text needs.
  std::array<int, kelp::kDiveListColumnCount> m_defaultWidths{};
  std::array<int, kelp::kDiveListColumnCount> m_headFits{};
  int m_row = -1;
};
