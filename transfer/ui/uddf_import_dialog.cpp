#include "transfer/ui/uddf_import_dialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/logbook_dialogs.h"
#include "core/settings.h"

namespace {
QString q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
}  // namespace

bool uddfInsertEnabled(const UddfImportState& s) { return s.read && !s.inserted && (s.newDives > 0 || s.books); }

// ---- the list ----

void UddfDiveModel::setDives(const std::vector<kelp::UddfDive>* dives) {
  beginResetModel();
  m_dives = dives;
  endResetModel();
}

int UddfDiveModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !m_dives ? 0 : int(m_dives->size());
}

int UddfDiveModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant UddfDiveModel::data(const QModelIndex& index, int role) const {
  if (!m_dives || !index.isValid() || index.row() >= int(m_dives->size())) return {};
  const kelp::UddfDive& d = (*m_dives)[size_t(index.row())];
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case Date: return q(d.date);
      case Time: return q(d.time);
      case Depth: return q(d.depth);
      case DiveTime: return q(d.diveTime);
      case Place: return q(d.place);
      case Status: return q(kelp::uddfStatusText(d));
      default: return {};
    }
  }
  if (role == Qt::TextAlignmentRole && index.column() >= Time && index.column() <= DiveTime)
    return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role == Qt::ForegroundRole) {
    if (d.status == kelp::UddfDiveStatus::Present) return QColor(Qt::darkGray);
    if (d.status == kelp::UddfDiveStatus::Skipped) return QColor(Qt::darkRed);
  }
  return {};
}

QVariant UddfDiveModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, o, role);
  switch (section) {
    case Date: return tr("Data");
    case Time: return tr("Ora");
    case Depth: return tr("Profondità");
    case DiveTime: return tr("Durata");
    case Place: return tr("Luogo");
    case Status: return tr("Stato");
    default: return {};
  }
}

// ---- the dialog ----

// What the worker thread fills; the dialog takes it over once the thread has finished.
struct CUddfImportDlg::Job {
  std::string path;
  kelp::UddfImport found;
  kelp::Result result;
  bool cancelled = false;
  std::atomic<bool> cancel{false};
  std::atomic<size_t> done{0}, total{0};
};

CUddfImportDlg::CUddfImportDlg(CKelpDoc& doc, const QString& path, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_path(path), m_job(std::make_shared<Job>()) {
  m_job->path = path.toStdString();
  build();
}

CUddfImportDlg::~CUddfImportDlg() {
  if (m_worker) {
    m_job->cancel = true;
    m_worker->wait();
  }
}

void CUddfImportDlg::build() {
  setWindowTitle(tr("Importa UDDF"));
  auto* top = new QVBoxLayout(this);

  m_file = new QLabel(tr("File: %1").arg(QFileInfo(m_path).fileName()), this);
  m_file->setObjectName(QStringLiteral("file"));
  m_file->setToolTip(m_path);
  top->addWidget(m_file);

  m_progress = new QProgressBar(this);
  m_progress->setObjectName(QStringLiteral("progress"));
  m_progress->setRange(0, 0);  // busy until the reader knows how many dives there are
  top->addWidget(m_progress);

  m_model = new UddfDiveModel(this);
  m_list = new QTableView(this);
  m_list->setObjectName(QStringLiteral("dives"));
  m_list->setModel(m_model);
  m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_list->verticalHeader()->hide();
  m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 4);
  m_list->setShowGrid(false);
  m_list->setWordWrap(false);
  const int widths[UddfDiveModel::ColumnCount] = {80, 50, 70, 55, 250, 130};
  // A column is widened where its head would not fit, bold as it shows over a selected row.
  QFont bold = m_list->horizontalHeader()->font();
  bold.setBold(true);
  const QFontMetrics headMetrics(bold);
  const int headMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, m_list->horizontalHeader());
  for (int c = 0; c < UddfDiveModel::ColumnCount; ++c) {
    const QString head = m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    m_list->setColumnWidth(c, std::max(widths[c], headMetrics.horizontalAdvance(head) + headMargin));
  }
  m_list->horizontalHeader()->setStretchLastSection(true);
  m_list->setMinimumHeight(220);
  top->addWidget(m_list, 1);

  m_status = new QLabel(tr("Lettura del file..."), this);
  m_status->setObjectName(QStringLiteral("status"));
  m_status->setWordWrap(true);
  m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
  top->addWidget(m_status);

  m_books = new QCheckBox(tr("Prendi anche il proprietario, i brevetti, gli indirizzi, l'attrezzatura e i viaggi "
                             "del file nei libri accanto al logbook"),
                          this);
  m_books->setObjectName(QStringLiteral("books"));
  m_books->setVisible(false);
  top->addWidget(m_books);
  connect(m_books, &QCheckBox::toggled, this, &CUddfImportDlg::refreshControls);

  auto* buttons = new QHBoxLayout;
  m_insert = new QPushButton(tr("Inserisci immersioni"), this);
  m_insert->setObjectName(QStringLiteral("1070"));
  m_insert->setAutoDefault(true);
  m_close = new QPushButton(tr("Chiudi"), this);
  m_close->setObjectName(QStringLiteral("2"));
  m_close->setAutoDefault(false);
  buttons->addStretch(1);
  buttons->addWidget(m_insert);
  buttons->addWidget(m_close);
  top->addLayout(buttons);
  connect(m_insert, &QPushButton::clicked, this, &CUddfImportDlg::insertDives);
  connect(m_close, &QPushButton::clicked, this, &CUddfImportDlg::reject);

  m_progressTimer = new QTimer(this);
  connect(m_progressTimer, &QTimer::timeout, this, &CUddfImportDlg::showProgress);

  refreshControls();
  resize(700, 480);
}

void CUddfImportDlg::start() {
  if (m_worker) return;
  std::shared_ptr<Job> job = m_job;
  m_worker = QThread::create([job] {
    kelp::UddfReadOptions o;
    o.progress = [job](size_t done, size_t total) {
      job->done = done;
      job->total = total;
      return !job->cancel.load();
    };
    o.cancel = &job->cancel;
    job->result = kelp::readUddfFile(job->path, job->found, o, &job->cancelled);
  });
  m_worker->setParent(this);
  connect(m_worker, &QThread::finished, this, &CUddfImportDlg::readFinished);
  m_progressTimer->start(50);
  m_worker->start();
}

bool CUddfImportDlg::reading() const { return m_worker && !m_readDone; }

void CUddfImportDlg::showProgress() {
  const size_t total = m_job->total, done = m_job->done;
  if (total == 0) return;
  if (m_progress->maximum() == 0) m_progress->setRange(0, 1000);
  m_progress->setValue(int(std::min<size_t>(1000, done * 1000 / total)));
}

void CUddfImportDlg::readFinished() {
  m_readDone = true;
  m_progressTimer->stop();
  m_progress->hide();
  if (!m_job->result) {
    m_status->setText(q(m_job->result.error));
    m_status->setStyleSheet(QStringLiteral("color: #a00000;"));
    refreshControls();
    return;
  }
  m_found = std::move(m_job->found);
  kelp::classifyUddfDives(m_doc.logbook(), m_found);
  m_readOk = true;
  m_model->setDives(&m_found.dives);
  using S = kelp::UddfDiveStatus;
  m_status->setText(tr("%n immersioni trovate: ", nullptr, int(m_found.dives.size())) +
                    tr("%1 nuove, %2 già nel logbook, %3 saltate.")
                        .arg(m_found.count(S::New))
                        .arg(m_found.count(S::Present))
                        .arg(m_found.count(S::Skipped)));
  m_books->setVisible(m_found.hasBooks);
  refreshControls();
  if (m_insert->isEnabled()) m_insert->setFocus();
}

QString CUddfImportDlg::message() const { return m_status->text(); }

void CUddfImportDlg::refreshControls() {
  UddfImportState s;
  s.read = m_readOk;
  s.inserted = m_inserted;
  s.newDives = m_readOk ? m_found.count(kelp::UddfDiveStatus::New) : 0;
  s.books = m_readOk && m_found.hasBooks && m_books->isChecked();
  m_insert->setEnabled(uddfInsertEnabled(s));
}

void CUddfImportDlg::insertDives() {
  refreshControls();
  if (!m_insert->isEnabled()) return;
  if (m_found.count(kelp::UddfDiveStatus::New) > 0) {
    const kelp::Result r =
        m_doc.perform(logbook_commands::commandText(kelp::cmd::ImportUddf),
                      [this](kelp::Logbook& lb) { return kelp::insertUddfDives(lb, m_found, &m_report); });
    if (!r) {
      tellUser(this, q(r.error));
      return;
    }
  }
  m_inserted = true;
  if (m_found.hasBooks && m_books->isChecked()) {
    const kelp::Result r =
        kelp::importUddfBooks(kelp::uddfBookFiles(m_doc.logbook(), kelp::settings()), m_found.books, &m_booksReport);
    if (!r) tellUser(this, q(r.error));
  }
  refreshControls();
  accept();
}

void CUddfImportDlg::reject() {
  if (m_worker && !m_worker->isFinished()) m_job->cancel = true;
  QDialog::reject();
}
