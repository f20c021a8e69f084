#pragma once
// Result lists of the search dialogs: rows of text whose tabs jump to fixed stops, given in
// dialog units as a list box takes them.
#include <QStyledItemDelegate>
#include <vector>

class QListView;
class QStringListModel;
class QWidget;

class CTabRowDelegate : public QStyledItemDelegate {
 public:
  CTabRowDelegate(std::vector<int> stopsInDialogUnits, QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  std::vector<int> m_stops;
};

// A list of rows with the given tab stops, over a string list model it owns.
QListView* makeTabRowList(QWidget* parent, const char* objectName, std::vector<int> stopsInDialogUnits);
QStringListModel* rowModel(QListView* list);
