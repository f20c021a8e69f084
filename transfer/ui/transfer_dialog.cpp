#include "transfer/ui/transfer_dialog.h"

#include <QAction>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <ctime>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/logbook_dialogs.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/strings.h"
#include "transfer/transfer_files.h"
#include "transfer/ui/serial_link.h"

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
QString s(int id) { return QString::fromStdString(kelp::str(id)); }

// Colours of a control; set only when they change (a new style sheet re-polishes).
void setSheet(QWidget* w, const QString& sheet) {
  if (w->styleSheet() != sheet) w->setStyleSheet(sheet);
}
void paint(QWidget* w, const char* background, const char* text) {
  setSheet(w, QStringLiteral("background-color: %1; color: %2;").arg(QLatin1String(background), QLatin1String(text)));
}

// Labels of the nine texts of the last transfer, in their order.
const char* const kInfoLabels[9] = {
    QT_TRANSLATE_NOOP("CTransferDlg", "Numero di serie"), QT_TRANSLATE_NOOP("CTransferDlg", "Tipo computer"),
    QT_TRANSLATE_NOOP("CTransferDlg", "Immersioni totali"), QT_TRANSLATE_NOOP("CTransferDlg", "Batteria"),
    QT_TRANSLATE_NOOP("CTransferDlg", "Segnale acustico"), QT_TRANSLATE_NOOP("CTransferDlg", "Unità"),
    QT_TRANSLATE_NOOP("CTransferDlg", "ppO2 massima"), QT_TRANSLATE_NOOP("CTransferDlg", "Riserva aria"),
    QT_TRANSLATE_NOOP("CTransferDlg", "Sensibilità respiro")};

// A default column width, widened where the column's head would not fit it.
int fittedWidth(const QTreeWidget* list, int column, int width) {
  const int margin = list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list->header());
  const int head = list->header()->fontMetrics().horizontalAdvance(list->headerItem()->text(column));
  return std::max(width, head + 2 * margin);
}

}  // namespace

CTransferDlg::CTransferDlg(CKelpDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_link(new SerialLink(this)) {
  setObjectName(QStringLiteral("206"));
  setWindowTitle(tr("Trasferisci immersioni"));
  m_texts = kelp::lastTransferTexts(kelp::settings());
  m_batteryLevel = kelp::batteryLevelFromText(m_texts[3]);
  m_port = kelp::settings().comPort;
  m_pollTimer = new QTimer(this);
  m_progressTimer = new QTimer(this);
  m_blinkTimer = new QTimer(this);
  build();
  connect(m_link, &SerialLink::readyRead, this, &CTransferDlg::onBytes);
  connect(m_link, &SerialLink::statusChanged, this, [this](uint16_t st) {
    m_rx.setPortStatus(st);
    refreshControls();
  });
  connect(m_pollTimer, &QTimer::timeout, this, &CTransferDlg::onPollTimer);
  connect(m_progressTimer, &QTimer::timeout, this, [this] {
    m_progress->setValue(m_rx.storedCount());
    refreshControls();
  });
  connect(m_blinkTimer, &QTimer::timeout, this, &CTransferDlg::onBlink);
  m_clock.start();
  refreshControls();
}

CTransferDlg::~CTransferDlg() { m_link->close(); }

void CTransferDlg::build() {
  auto* top = new QVBoxLayout(this);

  // The link: port, connection, error, progress.
  auto* linkRow = new QGridLayout;
  auto* iface = new QLabel(s(62737), this);
  iface->setObjectName(QStringLiteral("1425"));
  auto* portText = new QLabel(tr("Porta:"), this);
  portText->setObjectName(QStringLiteral("1441"));
  m_portLabel = new QLabel(this);
  m_portLabel->setObjectName(QStringLiteral("1422"));
  m_portLabel->setAlignment(Qt::AlignCenter);
  m_portLabel->setFixedWidth(40);
  paint(m_portLabel, "black", "white");
  auto* linkText = new QLabel(tr("Collegamento:"), this);
  linkText->setObjectName(QStringLiteral("1442"));
  m_connected = new QLabel(this);
  m_connected->setObjectName(QStringLiteral("1421"));
  m_connected->setAlignment(Qt::AlignCenter);
  m_connected->setMinimumWidth(130);
  m_error = new QLabel(this);
  m_error->setObjectName(QStringLiteral("1424"));
  m_error->setAlignment(Qt::AlignCenter);
  m_error->setMinimumWidth(90);
  auto* dataText = new QLabel(tr("Dati:"), this);
  dataText->setObjectName(QStringLiteral("1443"));
  auto* zero = new QLabel(QStringLiteral("0%"), this);
  zero->setObjectName(QStringLiteral("1118"));
  m_progress = new QProgressBar(this);
  m_progress->setObjectName(QStringLiteral("1423"));
  m_progress->setRange(0, 2080);
  m_progress->setValue(0);
  m_progress->setTextVisible(false);
  auto* hundred = new QLabel(QStringLiteral("100%"), this);
  hundred->setObjectName(QStringLiteral("1119"));
  linkRow->addWidget(iface, 0, 0);
  linkRow->addWidget(portText, 0, 1, Qt::AlignRight);
  linkRow->addWidget(m_portLabel, 0, 2);
  linkRow->addWidget(linkText, 0, 3, Qt::AlignRight);
  linkRow->addWidget(m_connected, 0, 4);
  linkRow->addWidget(m_error, 0, 5);
  linkRow->setColumnStretch(6, 1);
  linkRow->addWidget(dataText, 1, 1, Qt::AlignRight);
  auto* bar = new QHBoxLayout;
  bar->addWidget(zero);
  bar->addWidget(m_progress, 1);
  bar->addWidget(hundred);
  linkRow->addLayout(bar, 1, 2, 1, 5);
  top->addLayout(linkRow);
  m_linkControls = {zero, hundred, portText, linkText, dataText, m_connected, m_progress, m_portLabel, iface};

  m_status = new QLabel(this);
  m_status->setObjectName(QStringLiteral("1046"));
  m_status->setAlignment(Qt::AlignCenter);
  m_status->setMinimumHeight(24);
  top->addWidget(m_status);

  // The computer's data: the last transfer's until a stream has been decoded.
  m_group = new QGroupBox(s(62779), this);
  m_group->setObjectName(QStringLiteral("1453"));
  auto* grid = new QGridLayout(m_group);
  for (int i = 0; i < 9; ++i) {
    auto* label = new QLabel(tr(kInfoLabels[i]) + QLatin1Char(':'), m_group);
    m_info[i] = new QLineEdit(m_group);
    m_info[i]->setObjectName(QString::number(1444 + i));
    m_info[i]->setReadOnly(true);
    m_info[i]->setFocusPolicy(Qt::NoFocus);
    label->setBuddy(m_info[i]);
    grid->addWidget(label, i % 3, (i / 3) * 2);
    grid->addWidget(m_info[i], i % 3, (i / 3) * 2 + 1);
  }
  top->addWidget(m_group);

  m_list = new QTreeWidget(this);
  m_list->setObjectName(QStringLiteral("1039"));
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  const QStringList heads = {s(62504), s(62473), s(62738), s(62608), s(62509), QStringLiteral("dP"), s(62591)};
  const int widths[7] = {70, 120, 60, 60, 60, 60, 60};
  m_list->setHeaderLabels(heads);
  for (int c = 0; c < 7; ++c) {
    m_list->setColumnWidth(c, fittedWidth(m_list, c, widths[c]));
    m_list->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
  }
  m_list->header()->setStretchLastSection(false);
  m_list->setMinimumHeight(160);
  top->addWidget(m_list, 1);

  auto* buttons = new QHBoxLayout;
  m_insert = new QPushButton(tr("Inserisci immersioni"), this);
  m_insert->setObjectName(QStringLiteral("1070"));
  m_insert->setEnabled(false);
  // Once the dives are listed the button has the focus and Enter inserts them.
  m_insert->setAutoDefault(true);
  m_cancel = new QPushButton(tr("Cancella"), this);
  m_cancel->setObjectName(QStringLiteral("2"));
  m_cancel->setAutoDefault(false);
  buttons->addStretch(1);
  buttons->addWidget(m_insert);
  buttons->addWidget(m_cancel);
  top->addLayout(buttons);
  connect(m_insert, &QPushButton::clicked, this, &CTransferDlg::insertDives);
  connect(m_cancel, &QPushButton::clicked, this, &CTransferDlg::reject);

  // Command 9, the replay of a saved stream: no button carries it.
  auto* replayAction = new QAction(this);
  replayAction->setObjectName(QStringLiteral("9"));
  replayAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  connect(replayAction, &QAction::triggered, this, &CTransferDlg::replay);
  addAction(replayAction);

  resize(620, 520);
}

bool CTransferDlg::openPort() {
  const uint16_t status = m_link->open(m_port, kelp::settings().comDevice);
  m_portLabel->setToolTip(m_link->device());
  if (status != 0) {
    tellUser(parentWidget(), QString::asprintf(kelp::str(62739).c_str(), m_port));
    return false;
  }
  m_rx.setPortStatus(0);
  m_pollTimer->start(100);
  m_progressTimer->start(50);
  m_blinkTimer->start(500);
  refreshControls();
  return true;
}

void CTransferDlg::onBytes() {
  const QByteArray data = m_link->readAll();
  if (data.isEmpty() || m_rx.done()) return;
  m_rx.setPortStatus(m_link->status());
  m_rx.feed(reinterpret_cast<const uint8_t*>(data.constData()), static_cast<size_t>(data.size()), now());
  if (m_rx.transferErrors() > m_errorsSeen) transferError();
  if (m_rx.done()) complete();
  refreshControls();
}

void CTransferDlg::onPollTimer() {
  m_rx.poll(now());
  if (m_rx.transferErrors() > m_errorsSeen) transferError();
  refreshControls();
}

void CTransferDlg::onBlink() {
  if (!m_rx.active()) m_blink = !m_blink;
  refreshControls();
}

// A pause of more than 2 seconds: the received bytes are gone, the dialog waits
// for a new start marker.
void CTransferDlg::transferError() {
  m_errorsSeen = m_rx.transferErrors();
  m_progress->setValue(0);
  later([this] { tellUser(this, s(62740)); });
}

void CTransferDlg::complete() {
  stopTimers();
  for (QWidget* w : m_linkControls) w->hide();
  m_error->hide();
  decodeAndShow(m_rx.image());
  if (m_closing) return;
  fillList();
}

void CTransferDlg::decodeAndShow(const std::vector<uint8_t>& stream) {
  if (kelp::settings().dump) {
    const kelp::Result r = kelp::writeDebugCopy(kelp::configFilePath(kelp::kDebugCopyName), stream);
    if (!r) later([this, msg = q(r.error)] { tellUser(this, msg); });
  }
  if (!m_session.decode(stream, m_doc.logbook(), static_cast<int64_t>(std::time(nullptr)))) {
    // A bad image changes nothing: the last transfer's texts stay as they were.
    m_closing = true;
    later([this] {
      tellUser(this, s(62740));
      QDialog::reject();
    });
    return;
  }
  m_texts = m_session.infoTexts();
  m_batteryLevel = m_session.batteryLevel();
  kelp::storeLastTransferTexts(kelp::settings(), m_texts);
  kelp::saveAllSettings();
  m_group->setTitle(s(62780));
  refreshControls();
}

void CTransferDlg::fillList() {
  m_list->clear();
  if (!m_session.newDives()) {
    m_insert->setEnabled(false);
    later([this] { tellUser(this, s(62781), QMessageBox::Information); });
    refreshControls();
    return;
  }
  QTreeWidgetItem* last = nullptr;
  for (const kelp::ListRow& row : m_session.rows()) {
    auto* item = new QTreeWidgetItem(m_list);
    const auto cells = row.cells();
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
      item->setText(c, q(cells[c]));
      item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    last = item;
  }
  if (last) {
    m_list->scrollToItem(last);
    m_list->setCurrentItem(last);
  }
  m_insert->setEnabled(true);
  m_insert->setFocus();
  refreshControls();
}

void CTransferDlg::insertDives() {
  if (!m_session.decoded() || m_session.inserted()) return;
  if (m_session.otherComputer(m_doc.logbook()) &&
      askUser(this, QMessageBox::Question, s(62774), QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  m_insert->setEnabled(false);
  const kelp::DiveDefaults defaults = kelp::settings().defaults;
  const kelp::Result r = m_doc.perform(logbook_commands::commandText(kelp::cmd::Transfer),
                                       [this, &defaults](kelp::Logbook& lb) {
                                         return m_session.insert(lb, defaults);
                                       });
  if (!r) tellUser(this, q(r.error));
  QDialog::accept();
}

void CTransferDlg::replay() {
  const std::string path = kelp::configFilePath(kelp::kReplayName);
  if (!QFileInfo::exists(QString::fromStdString(path))) return;
  std::vector<uint8_t> stream;
  const kelp::Result r = kelp::readReplayStream(path, stream);
  if (!r) {
    tellUser(this, q(r.error));
    return;
  }
  stopTimers();
  m_rx.loadStream(stream.data(), stream.size());
  m_progress->setValue(m_rx.storedCount());
  decodeAndShow(stream);
  if (m_closing) return;
  fillList();
}

void CTransferDlg::reject() {
  if (m_closing) return;
  if (m_session.askOnCancel() &&
      askUser(this, QMessageBox::Question, s(62782), QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  QDialog::reject();
}

void CTransferDlg::done(int r) {
  stopTimers();
  m_link->close();
  QDialog::done(r);
}

void CTransferDlg::stopTimers() {
  m_pollTimer->stop();
  m_progressTimer->stop();
  m_blinkTimer->stop();
}

void CTransferDlg::later(std::function<void()> f) {
  QTimer::singleShot(0, this, std::move(f));
}

void CTransferDlg::refreshControls() {
  m_portLabel->setText(QString::number(m_port));
  const bool active = m_rx.active();
  m_connected->setText(s(active ? 62731 : 62732));
  if (active) paint(m_connected, "rgb(0,128,0)", "white");
  else paint(m_connected, m_blink ? "rgb(128,0,0)" : "rgb(255,0,0)", "white");
  const bool portError = m_rx.portStatus() != 0;
  m_error->setText(portError ? s(62733) : QString());
  if (portError) paint(m_error, "rgb(255,0,0)", "white");
  else setSheet(m_error, QString());
  m_status->setText(q(m_session.statusText(m_rx.receiving())));
  if (m_session.modelOfDives() != 0) paint(m_status, "black", "red");
  else setSheet(m_status, QString());
  for (int i = 0; i < 9; ++i) m_info[i]->setText(q(m_texts[i]));
  if (m_batteryLevel >= 0) paint(m_info[3], m_batteryLevel >= 20 ? "rgb(0,128,0)" : "rgb(255,0,0)", "white");
  else setSheet(m_info[3], QString());
}

void runTransferDialog(QWidget* parent, CKelpDoc& doc) {
  CTransferDlg dlg(doc, parent);
  if (!dlg.openPort()) return;
  dlg.exec();
}
