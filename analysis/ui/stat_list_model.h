#pragma once
// A sortable two-column list of names and dive counts over a StatList's entries:
// the locations, buddies, sites and suit descriptions of the statistics. A click on a
// column head sorts by it and marks the head with ">> ".
#include <QAbstractTableModel>
#include <vector>

#include "analysis/stat_lists.h"

class QTreeView;

class CStatCountModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  CStatCountModel(QString nameHead, QString countHead, QObject* parent = nullptr);
  void setEntries(std::vector<kelp::StatListEntry> entries);
  void setEntries(const std::vector<kelp::NamedCount>& items);
  const std::vector<kelp::StatListEntry>& entries() const { return entries_; }
  // Sorts by column 0 (name, ascending) or 1 (count, descending); -1 = as met.
  void sortBy(int column);
  int sortColumn() const { return sorted_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  QString heads_[2];
  std::vector<kelp::StatListEntry> entries_;
  int sorted_ = -1;
};

// A list view over a count model with the given column widths; a click on a head sorts.
QTreeView* makeCountView(CStatCountModel* model, int nameWidth, int countWidth, QWidget* parent);
