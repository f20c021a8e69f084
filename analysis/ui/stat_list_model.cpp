#include "analysis/ui/stat_list_model.h"

#include <QHeaderView>
#include <QTreeView>

#include "core/texts.h"

CStatCountModel::CStatCountModel(QString nameHead, QString countHead, QObject* parent)
    : QAbstractTableModel(parent) {
  heads_[0] = std::move(nameHead);
  heads_[1] = std::move(countHead);
}

void CStatCountModel::setEntries(std::vector<kelp::StatListEntry> entries) {
  beginResetModel();
  entries_ = std::move(entries);
  if (sorted_ >= 0) kelp::sortByColumn(entries_, sorted_);
  endResetModel();
}

void CStatCountModel::setEntries(const std::vector<kelp::NamedCount>& items) {
  std::vector<kelp::StatListEntry> e;
  e.reserve(items.size());
  for (const auto& i : items) e.push_back({i.name, i.count, {}});
  setEntries(std::move(e));
}

void CStatCountModel::sortBy(int column) {
  beginResetModel();
  sorted_ = column;
  if (column >= 0) kelp::sortByColumn(entries_, column);
  endResetModel();
  emit headerDataChanged(Qt::Horizontal, 0, 1);
}

int CStatCountModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int CStatCountModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant CStatCountModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(entries_.size())) return {};
  const auto& e = entries_[static_cast<size_t>(index.row())];
  if (role == Qt::DisplayRole)
    return index.column() == 0 ? QString::fromStdString(kelp::storedToUtf8(e.name)) : QString::number(e.count);
  if (role == Qt::TextAlignmentRole && index.column() == 1) return int(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant CStatCountModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 1) return {};
  return QString::fromStdString(kelp::columnHead(heads_[section].toStdString(), sorted_ == section));
}

QTreeView* makeCountView(CStatCountModel* model, int nameWidth, int countWidth, QWidget* parent) {
  auto* v = new QTreeView(parent);
  v->setModel(model);
  v->setRootIsDecorated(false);
  v->setUniformRowHeights(true);
  v->setAlternatingRowColors(true);
  v->setSelectionBehavior(QAbstractItemView::SelectRows);
  v->setSelectionMode(QAbstractItemView::SingleSelection);
  v->header()->setSectionsClickable(true);
  v->header()->setStretchLastSection(false);
  v->setColumnWidth(0, nameWidth);
  v->setColumnWidth(1, countWidth);
  v->setMinimumWidth(nameWidth + countWidth + 24);
  QObject::connect(v->header(), &QHeaderView::sectionClicked, model, [model](int s) { model->sortBy(s); });
  return v;
}
