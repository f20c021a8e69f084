#include "app/ui/tab_rows.h"

#include <QApplication>
#include <QListView>
#include <QPainter>
#include <QStringListModel>
#include <algorithm>

#include "app/view_layout.h"

double dialogCharWidth(const QFontMetrics& fm) {
  return fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
}

CTabRowDelegate::CTabRowDelegate(PixelStops stops, QObject* parent)
    : QStyledItemDelegate(parent), m_stops(std::move(stops)) {}

CTabRowDelegate::CTabRowDelegate(std::vector<int> stopsInDialogUnits, QObject* parent)
    : CTabRowDelegate(
          [units = std::move(stopsInDialogUnits)](double cw) {
            std::vector<int> px;
            for (int s : units) px.push_back(kelp::dialogUnitsToPixels(s, cw));
            return px;
          },
          parent) {}

void CTabRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QString text = opt.text;
  opt.text.clear();
  const QWidget* w = opt.widget;
  QStyle* style = w ? w->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);

  const QFontMetrics fm(opt.font);
  const std::vector<int> stops = m_stops(dialogCharWidth(fm));
  const QRect r = opt.rect.adjusted(2, 0, -2, 0);
  painter->save();
  painter->setFont(opt.font);
  painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
  const QStringList cols = text.split(QLatin1Char('\t'));
  int x = 0;
  for (int i = 0; i < cols.size(); ++i) {
    if (i > 0) {
      // The next stop right of the text so far; past the last stop, one blank further.
      int next = -1;
      for (int px : stops) {
        if (px > x) {
          next = px;
          break;
        }
      }
      x = next >= 0 ? next : x + fm.horizontalAdvance(QLatin1Char(' '));
    }
    const QRect cell(r.left() + x, r.top(), std::max(0, r.width() - x), r.height());
    painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cols[i]);
    x += fm.horizontalAdvance(cols[i]);
  }
  painter->restore();
}

QSize CTabRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QSize s = QStyledItemDelegate::sizeHint(option, index);
  return QSize(s.width(), option.fontMetrics.height() + 2);
}

QListView* makeTabRowList(QWidget* parent, const char* objectName, std::vector<int> stopsInDialogUnits) {
  auto* list = new QListView(parent);
  list->setObjectName(QString::fromLatin1(objectName));
  list->setModel(new QStringListModel(list));
  list->setItemDelegate(new CTabRowDelegate(std::move(stopsInDialogUnits), list));
  list->setUniformItemSizes(true);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

QStringListModel* rowModel(QListView* list) { return qobject_cast<QStringListModel*>(list->model()); }
