// The Kelp desktop program.
#include <QApplication>

#include "app/ui/kelp_app.h"
#include "app/ui/translators.h"
#include "core/language.h"

int main(int argc, char* argv[]) {
  // The language of this run (Kelp.ini, KELP_LANG, the desktop's locale), before any text.
  kelp::setLanguage(kelp::languageFromEnvironment());
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelp"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kelp"));
  QGuiApplication::setDesktopFileName(QStringLiteral("kelp"));
  // The chosen language: our texts from kelp_<code>.qm, Qt's own dialogs (file choice,
  // printing, colour picker, message box buttons) from Qt's translation of the same language.
  kelp::ui::installTranslators(kelp::ui::currentLanguageCode());

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
