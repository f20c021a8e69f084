// The program in English: the translators loaded as the program loads them turn the main
// window, its dialogs, its messages, Qt's own buttons and the printed pages into English, and
// Italian comes back whole when it is chosen again. Set KELP_SHOT_DIR to keep the pictures.
#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/ui/about_dialog.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/kelp_view.h"
#include "app/ui/main_frame.h"
#include "app/ui/settings_dialog.h"
#include "app/ui/translators.h"
#include "core/demo_logbook.h"
#include "core/language.h"
#include "core/texts.h"
#include "profile/print_layout.h"
#include "profile/ui/dive_edit_dialog.h"
#include "profile/ui/print/logbook_pages.h"
#include "profile/ui/print/page_source.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

const QStringList kBuildTranslations{QStringLiteral(KELP_TRANSLATIONS_DIR)};

// The text of Qt's own Cancel button, as a dialog button box shows it.
QString qtCancelText() {
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  return box.button(QDialogButtonBox::Cancel)->text();
}

QStringList contextMenuTexts(CKelpView* view) {
  QStringList texts;
  for (QAction* a : view->contextMenu()->actions()) texts << a->text();
  return texts;
}

}  // namespace

class TestEnglishUi : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  MessageAnswers m_answers;

  void choose(Language l) {
    setLanguage(l);
    QVERIFY(ui::installTranslators(QString::fromLatin1(languageCode(l)), kBuildTranslations));
  }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    loadSettingsFrom(m_dir.filePath(QStringLiteral("config")));
    settings().lastLogbookPath.clear();
    m_answers.install();
    choose(Language::English);
  }
  void cleanupTestCase() { choose(Language::Italian); }
  void init() { m_answers.clear(); }

  void mainWindowSpeaksEnglish() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    doc.onNewDocument();
    f.refresh();
    shot(&f, QStringLiteral("en_main_window"));
    QCOMPARE(f.toolBar()->windowTitle(), QStringLiteral("Toolbar"));
    QVERIFY(f.statusBar()->findChild<QLabel*>(QStringLiteral("readyText")));
    QCOMPARE(f.statusBar()->findChild<QLabel*>(QStringLiteral("readyText"))->text(), QStringLiteral("Ready"));
    QCOMPARE(contextMenuTexts(f.view()), QStringList({"Create", "New", "Delete"}));
    QCOMPARE(child<QLabel>(f.view(), "notesLabel")->text(), QStringLiteral("Notes:"));
  }

  void dialogsHaveEnglishTitlesAndLabels() {
    CAboutDlg about;
    shot(&about, QStringLiteral("en_about"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Kelp"));
    QCOMPARE(child<QLabel>(&about, "language")->text(), QStringLiteral("Language version: English"));

    CSettingsDlg settingsDlg(nullptr);
    shot(&settingsDlg, QStringLiteral("en_settings"));
    QCOMPARE(settingsDlg.windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(child<QAbstractButton>(&settingsDlg, 1438)->text(), QStringLiteral("Browse"));

    const Logbook lb = makeDemoLogbook(3, 5);
    CDiveEditDlg edit(lb, lb.dives().front(), 1);
    shot(&edit, QStringLiteral("en_dive_editor"));
    QCOMPARE(edit.windowTitle(), QStringLiteral("Create dive"));
    // the dive type radios go through the shared three-way group builder
    QCOMPARE(child<QAbstractButton>(&edit, 1024)->text(), QStringLiteral("No-stop"));
    QCOMPARE(child<QAbstractButton>(&edit, 1031)->text(), QStringLiteral("Fresh water"));
  }

  void messagesAndQtsOwnButtonsAreEnglish() {
    CKelpDoc doc;
    const QString gone = m_dir.filePath(QStringLiteral("gone.log"));
    QVERIFY(!doc.openFile(gone));
    QCOMPARE(m_answers.texts.size(), 1);
    QCOMPARE(m_answers.texts.first(),
             QStringLiteral("Cannot open the logbook\n%1\n\nThe file does not exist.").arg(QDir::toNativeSeparators(gone)));
    QCOMPARE(qtCancelText(), QStringLiteral("Cancel"));
  }

  void printedPagesAreEnglish() {
    settings().unitsMetric = 1;
    const Logbook lb = makeDemoLogbook(4, 3);
    print::LogbookPages dives(lb, PrintMode::Dives, SlotOption::Complete, PrintRange{1, 2}, false,
                              dayNumber(24, 12, 2023));
    const QString file = m_dir.filePath(QStringLiteral("en_dives.pdf"));
    QVERIFY(print::writePdf(dives, file.toStdString()).ok);
    const QString text = pdfText(file);
    for (const char* word : {"Dive no.:", "Location:", "Site:", "Max. depth:", "Buddies:", "Printed on:"})
      QVERIFY2(text.contains(QLatin1String(word)), word);
    for (const char* word : {"Numero imm", "Località", "Compagno", "Ausgedruckt"})
      QVERIFY2(!text.contains(QString::fromUtf8(word)), word);
  }

  // Choosing Italian again replaces the English translators: the source texts and Qt's Italian.
  void italianComesBackWhole() {
    choose(Language::Italian);
    {
      CAboutDlg about;
      QCOMPARE(about.windowTitle(), QStringLiteral("Circa Kelp"));
      QCOMPARE(qtCancelText(), QStringLiteral("Annulla"));
      CKelpDoc doc;
      CMainFrame f(&doc);
      QCOMPARE(contextMenuTexts(f.view()), QStringList({"Crea", "Nuovo", "Cancella"}));
    }
    choose(Language::English);
    CAboutDlg about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Kelp"));
  }

  // Without the program's own file (an install that lacks it) the texts stay Italian and the
  // caller learns it.
  void aMissingTranslationFileIsReported() {
    QVERIFY(!ui::installTranslators(QStringLiteral("en"), {m_dir.filePath(QStringLiteral("none"))}));
    CAboutDlg about;
    QCOMPARE(about.windowTitle(), QStringLiteral("Circa Kelp"));
    choose(Language::English);
  }
};

QTEST_MAIN(TestEnglishUi)
#include "test_english_ui.moc"
