// The Kelp desktop program.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/ui/kelp_app.h"
#include "core/language.h"

int main(int argc, char* argv[]) {
  // The language of this run (Kelp.ini, KELP_LANG, the desktop's locale), before any text.
  kelp::setLanguage(kelp::languageFromEnvironment());
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelp"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kelp"));
  QGuiApplication::setDesktopFileName(QStringLiteral("kelp"));
  // The program speaks Italian: Qt's own dialogs (file choice, colour picker) follow
  // when the system has Qt's Italian translation; without it they stay as they are.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qtTexts);

  QStringList args = QApplication::arguments();
  args.removeFirst();
  CKelpApp::Options options;
  // The framework's switch that suppresses the start-up picture (and with it the tip).
  for (const QString& a : {QStringLiteral("-nologo"), QStringLiteral("--nologo"), QStringLiteral("/nologo")})
    if (args.removeAll(a) > 0) options.showSplash = false;

  CKelpApp kelpApp;
  if (!kelpApp.initInstance(args, options)) return 1;
  const int rc = app.exec();
  kelpApp.exitInstance();
  return rc;
}
