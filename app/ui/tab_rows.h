#pragma once
// Lists of tab-separated rows (the main view's dive list, the search dialogs' results): the
// tabs jump to fixed stops, given in dialog units as a list box takes them or worked out in
// pixels from the font's character width.
#include <QStyledItemDelegate>
#include <functional>
#include <vector>

class QFontMetrics;

// Average character width as dialog units measure it: the mean advance of the 52 Latin letters.
double dialogCharWidth(const QFontMetrics& fm);

class QListView;
class QStringListModel;
class QWidget;

class CTabRowDelegate : public QStyledItemDelegate {
 public:
  // The stops in pixels for a character width.
  using PixelStops = std::function<std::vector<int>(double charWidth)>;
  CTabRowDelegate(PixelStops stops, QObject* parent);
  CTabRowDelegate(std::vector<int> stopsInDialogUnits, QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  PixelStops m_stops;
};

// A list of rows with the given tab stops, over a string list model it owns.
QListView* makeTabRowList(QWidget* parent, const char* objectName, std::vector<int> stopsInDialogUnits);
QStringListModel* rowModel(QListView* list);
