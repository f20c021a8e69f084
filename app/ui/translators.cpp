#include "app/ui/translators.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "core/language.h"

namespace kelp::ui {
namespace {

// The translators live as long as the program; a second call swaps them.
std::unique_ptr<QTranslator>& ownTexts() {
  static std::unique_ptr<QTranslator> t;
  return t;
}
std::unique_ptr<QTranslator>& qtTexts() {
  static std::unique_ptr<QTranslator> t;
  return t;
}

void removeInstalled() {
  for (auto* slot : {&ownTexts(), &qtTexts()}) {
    if (*slot) QCoreApplication::removeTranslator(slot->get());
    slot->reset();
  }
}

}  // namespace

QStringList translationFolders() {
  const QString exeDir = QCoreApplication::applicationDirPath();
  return {QDir(exeDir).filePath(QStringLiteral("translations")),
          QDir::cleanPath(exeDir + QStringLiteral("/../share/kelp/translations"))};
}

bool installTranslators(const QString& code, const QStringList& folders) {
  removeInstalled();
  bool found = code == QLatin1String("it");
  if (!found) {
    for (const QString& folder : folders) {
      auto t = std::make_unique<QTranslator>();
      if (t->load(QStringLiteral("kelp_") + code, folder)) {
        QCoreApplication::installTranslator(t.get());
        ownTexts() = std::move(t);
        found = true;
        break;
      }
    }
  }
  // Qt's dialogs (file choice, printing, page setup, colours, message box buttons) follow;
  // Qt's English is its source text, so English loads nothing when Qt ships no file for it.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    qtTexts() = std::move(qt);
  }
  return found;
}

QString currentLanguageCode() { return QString::fromLatin1(kelp::languageCode(kelp::language())); }

}  // namespace kelp::ui
