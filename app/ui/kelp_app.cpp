#include "app/ui/kelp_app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "app/tips.h"
#include "app/ui/color_dialogs.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/kelp_view.h"
#include "app/ui/main_frame.h"
#include "app/ui/splash_window.h"
#include "app/ui/tip_dialog.h"
#include "app/ui/warning_dialog.h"
#include "core/settings.h"
#include "core/texts.h"
#include "records/equipment_book.h"

CKelpApp::CKelpApp(QObject* parent) : QObject(parent) {}

CKelpApp::~CKelpApp() { delete m_frame; }

QString CKelpApp::tipsFilePath() { return QString::fromStdString(kelp::tipsFilePath()); }

void CKelpApp::checkEquipment() {
  // A due service makes the main view warn once, at its first paint.
  if (kelp::serviceDueInFile(kelp::settings().equipmentFile, kelp::currentYearMonth())) CKelpView::setDueService(true);
}

bool CKelpApp::initInstance(const QStringList& args, const Options& options) {
  // Dialogs shown before the main window (the extended-mode notice, an error box) must not
  // end the program when they close: quitting on the last window starts with the main window.
  const bool quitOnLast = QGuiApplication::quitOnLastWindowClosed();
  QGuiApplication::setQuitOnLastWindowClosed(false);
  // Settings for the current screen size, with the computer types file.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize scr = screen ? screen->size() : QSize(0, 0);
  kelp::loadAllSettings(scr.width(), scr.height());
  // A first start (no colour sections in Kelp.ini yet) gets a readable palette.
  kelp::useDefaultColorsWhenUnset(kelp::settingsFile(), kelp::settings());

  m_doc = new CKelpDoc(this);
  m_frame = new CMainFrame(m_doc);

  // The picture deletes itself when its time is up or a key is pressed.
  QPointer<SplashWindow> splash;
  if (options.showSplash && options.showWindow) {
    splash = new SplashWindow;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->showCentred();
    QCoreApplication::processEvents();
  }

  // The command line names a logbook to open; otherwise the last one is loaded.
  QString file;
  for (const QString& a : args)
    if (!a.startsWith(QLatin1Char('-'))) {
      file = a;
      break;
    }
  m_doc->startUp(file);

  m_frame->restorePlacement();

  if (options.interactive && kelp::settings().warnWindow == 1) {
    CWarningDlg dlg(m_frame);
    dlg.exec();
  }
  if (kelp::settings().equipmentAutocheck && !kelp::settings().equipmentFile.empty() &&
      QFileInfo(QString::fromStdString(kelp::settings().equipmentFile)).isFile())
    checkEquipment();

  kelp::useInterfaceTexts(true);
  m_frame->refresh();
  if (options.showWindow) {
    if (m_frame->windowState() & Qt::WindowMaximized)
      m_frame->showMaximized();
    else
      m_frame->show();
    if (splash) splash->raise();
  }
  QGuiApplication::setQuitOnLastWindowClosed(quitOnLast);

  if (options.showSplash && options.interactive && TipDialog::showAtStartUp()) {
    TipDialog tip(m_frame);
    tip.exec();
  }
  return true;
}

int CKelpApp::exitInstance() {
  if (m_frame) m_frame->saveRecentFiles();
  kelp::saveAllSettings();
  return 0;
}
