#include "app/ui/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>

#include "app/ui/about_dialog.h"
#include "app/ui/area_commands.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/kelp_view.h"
#include "app/ui/logbook_dialogs.h"
#include "app/ui/settings_dialog.h"
#include "app/ui/tip_dialog.h"
#include "app/ui/warning_dialog.h"
#include "core/computer_models.h"
#include "core/settings.h"
#include "core/strings.h"

namespace {

QString qtext(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

const char* kBarSection = "Status";
const char* kBarKey = "BarState";
const char* kStatusBarKey = "StatusBar";  // 1 shown, 0 hidden (not part of Qt's bar state)
const char* kRecentSection = "Recent File List";

QSize screenSize(const QWidget* w) {
  const QScreen* s = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  return s ? s->size() : QSize(0, 0);
}

// A small drawn toolbar picture: a letter on a tinted tile.
QIcon letterIcon(const QString& letter, const QColor& tint) {
  QPixmap pm(16, 15);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(tint.darker(160));
  p.setBrush(tint);
  p.drawRoundedRect(QRectF(0.5, 0.5, 15, 14), 3, 3);
  QFont f = p.font();
  f.setPixelSize(10);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, 16, 15), Qt::AlignCenter, letter);
  return QIcon(pm);
}

// A curved arrow turning back (undo) or forward (redo).
QIcon turnIcon(bool forward) {
  QPixmap pm(16, 15);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  if (forward) p.setTransform(QTransform(-1, 0, 0, 1, 16, 0));
  const QColor c(40, 90, 150);
  p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::RoundCap));
  QPainterPath arc;
  arc.moveTo(4.5, 6.5);
  arc.cubicTo(7.5, 2.5, 14.0, 3.5, 13.5, 9.0);
  arc.cubicTo(13.0, 12.0, 10.0, 13.0, 8.0, 12.5);
  p.drawPath(arc);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPolygon(QPolygonF({QPointF(1.0, 4.0), QPointF(7.0, 3.0), QPointF(4.0, 9.5)}));
  return QIcon(pm);
}

bool isLogbookFile(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("log"), Qt::CaseInsensitive) == 0;
}

}  // namespace

CMainFrame::CMainFrame(CKelpDoc* doc, QWidget* parent) : QMainWindow(parent), m_doc(doc) {
  setObjectName(QStringLiteral("CMainFrame"));
  m_doc->setWindow(this);
  m_view = new CKelpView(m_doc->logbook(), this);
  // Below the view's minimum size the form scrolls instead of being cut off.
  auto* scroller = new QScrollArea(this);
  scroller->setObjectName(QStringLiteral("viewScroller"));
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setWidget(m_view);
  setCentralWidget(scroller);
  connect(m_view, &CKelpView::commandRequested, this, &CMainFrame::runCommand);
  connect(m_view, &CKelpView::profileWindowRequested, this, [this] { runCommand(kelp::cmd::ProfileWindow); });

  createActions();
  createMenus();
  createToolBar();
  createStatusBar();
  restoreBarState();
  loadRecentFiles();
  updateExternalAppText();
  setAcceptDrops(true);
  qApp->installEventFilter(this);

  connect(m_doc, &CKelpDoc::documentChanged, this, &CMainFrame::onDocumentChanged);
  connect(m_doc, &CKelpDoc::fileUsed, this, &CMainFrame::addRecentFile);
  connect(m_doc, &CKelpDoc::divesChanged, this, &CMainFrame::onDocumentChanged);

  // The enable rules are also evaluated while the program idles, like toolbar updates.
  auto* idle = new QTimer(this);
  idle->setInterval(300);
  connect(idle, &QTimer::timeout, this, &CMainFrame::updateCommands);
  idle->start();

  resize(1160, 740);
  updateTitle();
  updateCommands();
}

CMainFrame::~CMainFrame() {
  qApp->removeEventFilter(this);
}

QAction* CMainFrame::action(int commandId) const {
  auto it = m_actions.find(commandId);
  return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::createActions() {
  for (const kelp::CommandInfo& c : kelp::commandTable()) {
    if (c.id == 0 || c.id == kelp::cmd::RecentFiles) continue;
    QString label = QString::fromStdString(kelp::commandMenuText(c));
    if (*c.shownKey) label += QLatin1Char('\t') + QString::fromLatin1(c.shownKey);
    // "Annulla" and "Ripeti" belong to the history: it sets their texts ("Annulla Cancella
    // immersione") and enables them.
    QAction* a = c.id == kelp::cmd::Undo   ? m_doc->undoStack()->createUndoAction(this, label)
                 : c.id == kelp::cmd::Redo ? m_doc->undoStack()->createRedoAction(this, label)
                                           : new QAction(label, this);
    a->setObjectName(QString::number(c.id));
    QList<QKeySequence> keys;
    for (const QString& k : QString::fromLatin1(c.keys).split(QLatin1Char(','), Qt::SkipEmptyParts))
      keys << QKeySequence(k);
    if (!keys.isEmpty()) a->setShortcuts(keys);
    // The string of a command id holds its status text and, after a line feed, its tool tip.
    const QString help = qtext(kelp::str(c.id));
    if (!help.isEmpty()) {
      const int nl = help.indexOf(QLatin1Char('\n'));
      a->setStatusTip(nl < 0 ? help : help.left(nl));
      a->setToolTip(nl < 0 ? help : help.mid(nl + 1));
    }
    a->setIcon(commandIcon(c.id));
    a->setIconVisibleInMenu(false);
    const int id = c.id;
    if (id == kelp::cmd::Undo || id == kelp::cmd::Redo)
      connect(a, &QAction::triggered, this, &CMainFrame::refresh);
    else
      connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
    addAction(a);  // shortcuts work even while the menu bar is hidden
    m_actions[c.id] = a;
  }
  for (int id : {kelp::cmd::ProfilePreview, kelp::cmd::ToolBar, kelp::cmd::StatusBar})
    m_actions[id]->setCheckable(true);
}

void CMainFrame::createMenus() {
  std::map<QString, QMenu*> menus;
  for (const kelp::CommandInfo& c : kelp::commandTable()) {
    const QString path = QString::fromUtf8(c.menu);
    QMenu*& menu = menus[path];
    if (!menu) {
      const int slash = path.indexOf(QLatin1Char('/'));
      if (slash < 0) {
        const QString title = QString::fromStdString(kelp::menuTitle(c.menu));
        menu = menuBar()->addMenu(path == QLatin1String("?") ? title : QLatin1Char('&') + title);
      } else {
        menu = menus[path.left(slash)]->addMenu(QString::fromStdString(kelp::menuTitle(c.menu)));
      }
      menu->setObjectName(path);
      connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
    }
    if (c.id == 0) {
      menu->addSeparator();
    } else if (c.id == kelp::cmd::RecentFiles) {
      m_recentMenu = menu->addMenu(QString::fromStdString(kelp::commandMenuText(c)));
      m_recentMenu->menuAction()->setObjectName(QString::number(c.id));
      m_actions[c.id] = m_recentMenu->menuAction();
    } else {
      menu->addAction(m_actions[c.id]);
    }
  }
}

void CMainFrame::createToolBar() {
  m_toolBar = new QToolBar(tr("Barra utensili"), this);
  m_toolBar->setObjectName(QStringLiteral("toolbar128"));
  m_toolBar->setIconSize(QSize(16, 15));
  for (int id : kelp::toolbarCommands()) {
    if (id == 0)
      m_toolBar->addSeparator();
    else
      m_toolBar->addAction(m_actions[id]);
  }
  addToolBar(Qt::TopToolBarArea, m_toolBar);
  connect(m_toolBar, &QToolBar::visibilityChanged, this, [this](bool) { updateCommands(); });
}

void CMainFrame::createStatusBar() {
  auto mk = [this](const QString& t) {
    auto* l = new QLabel(t, this);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(t) + 12);
    statusBar()->addPermanentWidget(l);
    return l;
  };
  m_capsLabel = mk(tr("MAIUSC"));
  m_numLabel = mk(tr("NUM"));
  m_scrollLabel = mk(tr("SCORR"));
  // The idle text of the message pane: status texts of menus and buttons cover it for a
  // while, and it comes back when they are gone.
  auto* ready = new QLabel(tr("Pronto"), this);
  ready->setObjectName(QStringLiteral("readyText"));
  statusBar()->addWidget(ready, 1);
  m_capsLabel->setEnabled(m_caps);
  m_numLabel->setEnabled(m_num);
  m_scrollLabel->setEnabled(m_scroll);
}

QIcon CMainFrame::commandIcon(int id) const {
  using namespace kelp::cmd;
  QStyle* st = style();
  switch (id) {
    case FileNew: return st->standardIcon(QStyle::SP_FileIcon);
    case FileOpen: return st->standardIcon(QStyle::SP_DialogOpenButton);
    case FileSave: return st->standardIcon(QStyle::SP_DialogSaveButton);
    case EditDive: return letterIcon(QStringLiteral("E"), QColor(40, 110, 170));
    case NewDive: return letterIcon(QStringLiteral("+"), QColor(40, 140, 80));
    case Transfer: return letterIcon(QStringLiteral("T"), QColor(120, 80, 160));
    case DeleteDive: return letterIcon(QStringLiteral("X"), QColor(180, 50, 50));
    case Copy: return letterIcon(QStringLiteral("C"), QColor(90, 90, 90));
    case Paste: return letterIcon(QStringLiteral("V"), QColor(90, 90, 90));
    case Undo: return turnIcon(false);
    case Redo: return turnIcon(true);
    case Print: return letterIcon(QStringLiteral("P"), QColor(60, 60, 60));
    case ProfileWindow: return letterIcon(QStringLiteral("~"), QColor(20, 120, 160));
    case DiveList: return st->standardIcon(QStyle::SP_FileDialogDetailedView);
    case Statistics: return letterIcon(QStringLiteral("S"), QColor(200, 120, 20));
    case FindDive: return letterIcon(QStringLiteral("?"), QColor(70, 100, 140));
    case SearchPrevious: return st->standardIcon(QStyle::SP_ArrowBack);
    case SearchNext: return st->standardIcon(QStyle::SP_ArrowForward);
    case About: return st->standardIcon(QStyle::SP_MessageBoxInformation);
    case ExternalApp: return letterIcon(QStringLiteral("A"), QColor(110, 110, 40));
    case ReloadFile: return st->standardIcon(QStyle::SP_BrowserReload);
    default: return {};
  }
}

kelp::CommandState CMainFrame::commandState() const {
  kelp::CommandState s = kelp::makeCommandState(m_doc->logbook(), m_doc->copyBuffer(),
                                                m_doc->selectionBuffer(), m_searchMade,
                                                kelp::settings(), kelp::computerModels());
  return s;
}

void CMainFrame::updateCommands() {
  const kelp::CommandState s = commandState();
  for (auto& [id, a] : m_actions) {
    if (id == kelp::cmd::RecentFiles) {
      a->setEnabled(!m_recent.isEmpty());
      continue;
    }
    if (id == kelp::cmd::Undo || id == kelp::cmd::Redo) continue;  // the history enables them
    a->setEnabled(kelp::commandEnabled(id, s));
  }
  m_actions[kelp::cmd::ProfilePreview]->setChecked(kelp::commandChecked(kelp::cmd::ProfilePreview, s));
  m_actions[kelp::cmd::ToolBar]->setChecked(m_toolBar && !m_toolBar->isHidden());
  m_actions[kelp::cmd::StatusBar]->setChecked(!statusBar()->isHidden());
  setWindowModified(m_doc->isModified());
}

void CMainFrame::notAvailable() {
  tellUser(this, tr("Questa funzione non è ancora disponibile."),
           QMessageBox::Information);
}

void CMainFrame::runCommand(int id) {
  namespace c = kelp::cmd;
  namespace ops = logbook_commands;
  const kelp::CommandState s = commandState();
  if (!kelp::commandEnabled(id, s)) return;  // a disabled command does nothing, whatever sent it
  switch (id) {
    case c::FileNew: m_doc->fileNew(); break;
    case c::FileOpen: m_doc->fileOpen(); break;
    case c::FileSave: m_doc->fileSave(); break;
    case c::FileSaveAs: m_doc->fileSaveAs(); break;
    case c::ReloadFile: m_doc->reload(); break;
    case c::Exit: close(); break;
    case c::Undo: m_doc->undoStack()->undo(); break;
    case c::Redo: m_doc->undoStack()->redo(); break;
    case c::Copy: ops::copyDive(*m_doc); break;
    case c::Paste: ops::pasteDive(this, *m_doc); break;
    case c::SelectionCopy: ops::selectionCopy(this, *m_doc); break;
    case c::SelectionPaste: ops::selectionPaste(this, *m_doc); break;
    case c::SelectionClear: m_doc->selectionBuffer().clear(); break;
    case c::DeleteDive: ops::deleteDive(this, *m_doc); break;
    case c::Renumber: ops::renumber(this, *m_doc); break;
    case c::RenumberRange: ops::renumberRange(this, *m_doc); break;
    case c::TimeZone: ops::timeZone(this, *m_doc); break;
    case c::ToolBar: m_toolBar->setVisible(m_toolBar->isHidden()); break;
    case c::StatusBar: statusBar()->setVisible(statusBar()->isHidden()); break;
    case c::ProfilePreview:
      kelp::settings().profilePreview = kelp::settings().profilePreview ? 0 : 1;
      m_view->setLayoutChanged();
      m_view->update();
      break;
    case c::Settings: openSettings(); break;
    case c::ExternalApp: startExternalApp(); break;
    case c::About: {
      CAboutDlg dlg(this);
      dlg.exec();
      break;
    }
    case c::ExtendedNotice: {
      CWarningDlg dlg(this);
      if (dlg.exec() == QDialog::Accepted) kelp::saveAllSettings();
      break;
    }
    case c::TipOfTheDay: {
      TipDialog dlg(this);
      dlg.exec();
      break;
    }
    default: {
      // The windows of the other areas.
      static bool (*const areas[])(CMainFrame&, int) = {
          runEditCommand,      runSearchCommand,     runProfileCommand, runPrintCommand,
          runTransferCommand,  runStatisticsCommand, runPlannerCommand, runRecordsCommand,
          runUddfCommand};
      bool taken = false;
      for (auto run : areas)
        if ((taken = run(*this, id))) break;
      if (!taken) {
        notAvailable();
        return;
      }
    }
  }
  refresh();
}

void CMainFrame::refresh() {
  m_view->onUpdate();
  updateTitle();
  updateCommands();
}

void CMainFrame::onDocumentChanged() {
  m_view->onUpdate();
  updateTitle();
  updateCommands();
}

void CMainFrame::updateTitle() {
  setWindowTitle(m_doc->title() + QStringLiteral("[*] - Kelp"));
  setWindowModified(m_doc->isModified());
}

void CMainFrame::openSettings() {
  CSettingsDlg dlg(this, &m_doc->logbook().suitList);
  if (dlg.exec() != QDialog::Accepted) return;
  if (dlg.unitsChanged()) {
    // The suggestion lists (tank sizes as shown) follow the new units.
    m_doc->logbook().rebuildTotals(true);
    m_view->setUnitLabels();
    m_view->rebuildList();
    m_view->fillForm();
  }
  kelp::saveAllSettings();  // a crash later must not lose what was just confirmed
  updateExternalAppText();
  m_view->setLayoutChanged();
}

void CMainFrame::updateExternalAppText() {
  if (QAction* a = action(kelp::cmd::ExternalApp)) {
    const kelp::Settings& s = kelp::settings();
    QString t = qtext(s.externMenuText());
    // The stored text separates the key text with blanks; the menu shows it in its key column.
    static const QRegularExpression keyGap(QStringLiteral("\\s{2,}(\\S+\\+\\S+)$"));
    t.replace(keyGap, QStringLiteral("\t\\1"));
    a->setText(t);
  }
}

void CMainFrame::startExternalApp() {
  const QString program = qtext(kelp::settings().externFile);
  if (program.isEmpty()) return;
  // The program's command line is its own quoted path and nothing else: it sees its path as
  // argv[0] and no argument, so a browser or an editor opens empty instead of opening itself.
  if (!QProcess::startDetached(program, {}))
    tellUser(this, tr("Impossibile avviare\n%1").arg(QDir::toNativeSeparators(program)));
}

// ---- recent files ----

void CMainFrame::loadRecentFiles() {
  m_recent.clear();
  const kelp::IniFile& ini = kelp::settingsFile();
  for (int i = 1; i <= 8; ++i) {
    const std::string p = ini.getString(kRecentSection, "File" + std::to_string(i));
    if (!p.empty()) m_recent << qtext(p);
  }
  rebuildRecentMenu();
}

void CMainFrame::saveRecentFiles() const {
  kelp::IniFile& ini = kelp::settingsFile();
  for (int i = 1; i <= 8; ++i) {
    const std::string key = "File" + std::to_string(i);
    if (i <= m_recent.size())
      ini.setString(kRecentSection, key, m_recent[i - 1].toUtf8().toStdString());
    else
      ini.removeKey(kRecentSection, key);
  }
}

void CMainFrame::addRecentFile(const QString& path) {
  const QString abs = QFileInfo(path).absoluteFilePath();
  m_recent.removeAll(abs);
  m_recent.prepend(abs);
  while (m_recent.size() > 8) m_recent.removeLast();
  saveRecentFiles();
  rebuildRecentMenu();
}

void CMainFrame::rebuildRecentMenu() {
  if (!m_recentMenu) return;
  m_recentMenu->clear();
  for (int i = 0; i < m_recent.size(); ++i) {
    const QString path = m_recent[i];
    QAction* a = m_recentMenu->addAction(
        QStringLiteral("&%1 %2")
            .arg(i + 1)
            .arg(QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QLatin1String("&&"))));
    a->setObjectName(QString::number(0xE110 + i));  // the framework's ids of the eight entries
    connect(a, &QAction::triggered, this, [this, path] {
      if (!QFileInfo(path).isFile()) {
        // Nothing is replaced, so no question: the entry just leaves the list.
        tellUser(this, tr("Impossibile aprire il logbook\n%1\n\nIl file non esiste.")
                           .arg(QDir::toNativeSeparators(path)));
        m_recent.removeAll(path);
        saveRecentFiles();
        rebuildRecentMenu();
        return;
      }
      m_doc->fileOpen(path);
      refresh();
    });
  }
  m_recentMenu->menuAction()->setEnabled(!m_recent.isEmpty());
}

// ---- window position and bar layout ----

void CMainFrame::restorePlacement() {
  kelp::Settings& s = kelp::settings();
  const QSize scr = screenSize(this);
  s.mainWindow = kelp::readWindowPlacement(kelp::settingsFile(), scr.width(), scr.height(), "MainWindow");
  if (!s.savePositions || !s.mainWindow.valid()) return;
  const kelp::WindowPlacement& p = s.mainWindow;
  const QRect r(QPoint(p.x, p.y), QSize(p.dx - p.x, p.dy - p.y));
  if (r.width() > 100 && r.height() > 100) setGeometry(r);
  if (p.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::storePlacement() {
  kelp::Settings& s = kelp::settings();
  const QRect r = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
  if (!r.isValid()) return;
  s.mainWindow.x = r.left();
  s.mainWindow.y = r.top();
  s.mainWindow.dx = r.left() + r.width();
  s.mainWindow.dy = r.top() + r.height();
  s.mainWindow.maximized = isMaximized() ? 1 : 0;
  const QSize scr = screenSize(this);
  kelp::writeWindowPlacement(kelp::settingsFile(), scr.width(), scr.height(), "MainWindow",
                             s.mainWindow);
  kelp::settingsFile().save();
}

void CMainFrame::saveBarState() const {
  const QByteArray state = saveState().toBase64();
  kelp::settingsFile().setString(kBarSection, kBarKey, state.toStdString());
  kelp::settingsFile().setInt(kBarSection, kStatusBarKey, statusBar()->isHidden() ? 0 : 1);
}

void CMainFrame::restoreBarState() {
  const std::string b64 = kelp::settingsFile().getString(kBarSection, kBarKey);
  if (!b64.empty()) restoreState(QByteArray::fromBase64(QByteArray::fromStdString(b64)));
  statusBar()->setVisible(kelp::settingsFile().getInt(kBarSection, kStatusBarKey, 1) != 0);
}

// ---- events ----

void CMainFrame::closeEvent(QCloseEvent* e) {
  if (!m_doc->saveModified()) {
    e->ignore();
    return;
  }
  saveBarState();
  saveRecentFiles();
  storePlacement();  // writes the profile at once
  e->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) {
    for (const QUrl& u : e->mimeData()->urls())
      if (u.isLocalFile() && isLogbookFile(u.toLocalFile())) {
        e->acceptProposedAction();
        return;
      }
  }
}

void CMainFrame::dropEvent(QDropEvent* e) {
  for (const QUrl& u : e->mimeData()->urls()) {
    if (u.isLocalFile() && isLogbookFile(u.toLocalFile())) {
      e->acceptProposedAction();
      activateWindow();
      // Opened once the drop is over: the save question must not hold up the program the
      // file was dragged from.
      const QString file = u.toLocalFile();
      QTimer::singleShot(0, this, [this, file] {
        m_doc->fileOpen(file);
        refresh();
      });
      return;
    }
  }
}

bool CMainFrame::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(e)->key()) {
      case Qt::Key_CapsLock: m_caps = !m_caps; m_capsLabel->setEnabled(m_caps); break;
      case Qt::Key_NumLock: m_num = !m_num; m_numLabel->setEnabled(m_num); break;
      case Qt::Key_ScrollLock: m_scroll = !m_scroll; m_scrollLabel->setEnabled(m_scroll); break;
      default: break;
    }
  }
  return QMainWindow::eventFilter(o, e);
}
