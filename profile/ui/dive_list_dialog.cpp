#include "profile/ui/dive_list_dialog.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScreen>
#include <QTreeView>
#include <QStyle>
#include <QVBoxLayout>

#include "core/settings.h"
#include "profile/dive_list.h"

namespace {

const char* kPlacementKey = "TabWindow";

QSize screenSize(const QWidget* w) {
  const QScreen* s = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  return s ? s->size() : QSize(0, 0);
}

}  // namespace

CDiveListModel::CDiveListModel(const kelp::Logbook& logbook, QObject* parent)
    : QAbstractTableModel(parent), m_log(logbook) {}

int CDiveListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_log.diveCount();
}

int CDiveListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kelp::kDiveListColumnCount;
}

QVariant CDiveListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_log.diveCount()) return {};
  const int col = index.column();
  if (role == Qt::DisplayRole) {
    const std::string t = kelp::diveListCell(m_log.dives()[static_cast<size_t>(index.row())], col);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
  }
  if (role == Qt::TextAlignmentRole) {
    const bool right = kelp::diveListColumns()[static_cast<size_t>(col)].rightAligned;
    return QVariant::fromValue(Qt::Alignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
  }
  return {};
}

QVariant CDiveListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kelp::kDiveListColumnCount) return {};
  if (role == Qt::DisplayRole) return QString::fromStdString(kelp::diveListHeading(section));
  if (role == Qt::TextAlignmentRole) {
    const bool right = kelp::diveListColumns()[static_cast<size_t>(section)].rightAligned;
    return QVariant::fromValue(Qt::Alignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
  }
  return {};
}

CDiveListDlg::CDiveListDlg(const kelp::Logbook& logbook, std::function<void(int)> goTo, QWidget* parent)
    : QDialog(parent), m_log(logbook), m_goTo(std::move(goTo)) {
  setObjectName(QStringLiteral("159"));
  setWindowTitle(tr("Lista immersioni"));
  setSizeGripEnabled(true);

  m_model = new CDiveListModel(logbook, this);
  m_list = new QTreeView(this);
  m_list->setObjectName(QStringLiteral("1039"));
  m_list->setRootIsDecorated(false);
  m_list->setItemsExpandable(false);
  m_list->setUniformRowHeights(true);  // rows are laid out without asking each one its size
  m_list->setAllColumnsShowFocus(true);
  m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_list->setTextElideMode(Qt::ElideRight);
  m_list->setModel(m_model);
  QHeaderView* head = m_list->header();
  head->setStretchLastSection(false);
  head->setSectionsMovable(false);
  head->setMinimumSectionSize(0);
  // The default widths were measured for a font with 6-pixel digits; a wider font widens
  // them alike, so that times and dates stay readable.
  const double scale = m_list->fontMetrics().horizontalAdvance(QLatin1Char('0')) / 6.0;
  int total = 0;
  const int headMargin = 2 * m_list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, head);
  for (int c = 0; c < kelp::kDiveListColumnCount; ++c) {
    const auto i = static_cast<size_t>(c);
    kelp::Settings defaults;
    m_defaultWidths[i] = kelp::diveListColumnWidth(defaults, c, scale);
    m_headFits[i] = head->fontMetrics().horizontalAdvance(
                        m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) + headMargin;
    // A default width is widened where the column's head would not fit it; a width the user
    // gave the column stays.
    const int w = kelp::columnWidthShown(kelp::settings().tableColumns[i], m_defaultWidths[i], m_headFits[i]);
    m_list->setColumnWidth(c, w);
    total += w;
  }

  // The list fills the dialog less 4 pixels on every side.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(m_list);
  resize(std::min(total + 40, 1000), 420);
  restorePlacement();

  // The current dive's row, selected and in view.
  const int current = m_log.currentPosition;
  if (current >= 1 && current <= m_log.diveCount()) {
    const QModelIndex idx = m_model->index(current - 1, 0);
    m_list->selectionModel()->setCurrentIndex(
        idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(idx, QAbstractItemView::PositionAtCenter);
    m_row = current - 1;
  }
  connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CDiveListDlg::onSelectionChanged);
  connect(m_list, &QAbstractItemView::doubleClicked, this, &CDiveListDlg::onDoubleClicked);
}

void CDiveListDlg::restorePlacement() {
  const kelp::Settings& s = kelp::settings();
  if (!s.savePositions) return;
  const QSize scr = screenSize(this);
  const kelp::WindowPlacement p =
      kelp::readWindowPlacement(kelp::settingsFile(), scr.width(), scr.height(), kPlacementKey);
  if (!p.valid()) return;
  const QRect r(QPoint(p.x, p.y), QSize(p.dx - p.x, p.dy - p.y));
  if (r.width() > 50 && r.height() > 50) setGeometry(r);
  if (p.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void CDiveListDlg::storePlacement() {
  kelp::Settings& s = kelp::settings();
  for (int c = 0; c < kelp::kDiveListColumnCount; ++c) {
    const auto i = static_cast<size_t>(c);
    s.tableColumns[i] = kelp::columnWidthToStore(m_list->columnWidth(c), m_defaultWidths[i], m_headFits[i]);
  }
  const QRect r = isMaximized() ? normalGeometry() : geometry();
  if (!r.isValid()) return;
  kelp::WindowPlacement& p = s.tableWindow;
  p.x = r.left();
  p.y = r.top();
  p.dx = r.left() + r.width();
  p.dy = r.top() + r.height();
  p.maximized = isMaximized() ? 1 : 0;
  const QSize scr = screenSize(this);
  kelp::writeWindowPlacement(kelp::settingsFile(), scr.width(), scr.height(), kPlacementKey, p);
}

void CDiveListDlg::done(int result) {
  storePlacement();
  QDialog::done(result);
}

void CDiveListDlg::onSelectionChanged() {
  // The row the user has just moved to, when it is selected.
  const QModelIndex cur = m_list->selectionModel()->currentIndex();
  if (!cur.isValid() || !m_list->selectionModel()->isRowSelected(cur.row(), {})) return;
  if (cur.row() == m_row) return;
  m_row = cur.row();
  if (m_goTo) m_goTo(m_row + 1);
}

void CDiveListDlg::onDoubleClicked() {
  if (m_list->selectionModel()->selectedRows().size() == 1 && m_row >= 0 && m_goTo) m_goTo(m_row + 1);
  accept();
}
