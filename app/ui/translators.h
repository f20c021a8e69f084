#pragma once
// The Qt side of the language choice: the program's own texts (translations/kelp_<code>.qm)
// and Qt's (qtbase_<code>.qm) for the desktop program and kelp-cli's printed pages alike.
#include <QString>
#include <QStringList>

namespace kelp::ui {

// Where kelp_<code>.qm is looked for: "translations" beside the executable (the build),
// then the install's share/kelp/translations.
QStringList translationFolders();

// Installs the translators for a language code ("it", "en") into the running application.
// Italian is the source language: it needs no file of ours, only Qt's own Italian. Returns
// false when the program's file for a language other than Italian was not found (the texts
// then stay Italian). Calling it again replaces the translators installed before.
bool installTranslators(const QString& code, const QStringList& folders = translationFolders());

// The code of this run's language (kelp::language(): setting, KELP_LANG, locale, --lang).
QString currentLanguageCode();

}  // namespace kelp::ui
