// The program in English: the translators loaded as the program loads them turn the main
// window, its dialogs, its messages, Qt's own buttons and the printed pages into English, and
// Italian comes back whole when it is chosen again. Set KELP_SHOT_DIR to keep the pictures.
#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

#include "app/ui/about_dialog.h"
#include "app/ui/color_dialogs.h"
#include "app/ui/defaults_dialog.h"
#include "app/ui/field_selection_dialog.h"
#include "app/ui/logbook_dialogs.h"
#include "app/ui/tip_dialog.h"
#include "app/ui/warning_dialog.h"
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
#include "profile/ui/dive_list_dialog.h"
#include "profile/ui/extended_search_dialog.h"
#include "profile/ui/fill_dives_dialog.h"
#include "profile/ui/find_dialog.h"
#include "profile/ui/print_dives_dlg.h"
#include "profile/ui/profile_dialogs.h"
#include "profile/ui/profile_wnd.h"
#include "profile/ui/replace_dialog.h"
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

// The Italian texts that have an English of their own: every source text of the English .ts
// files that is no English translation anywhere. "&" accelerators do not count.
QSet<QString> italianOnlyTexts() {
  QSet<QString> sources, english;
  const QDir dir(QStringLiteral(KELP_SOURCE_DIR "/translations"));
  for (const QString& file : dir.entryList({QStringLiteral("*_en.ts"), QStringLiteral("*_en_*.ts")}, QDir::Files)) {
    QFile f(dir.filePath(file));
    if (!f.open(QIODevice::ReadOnly)) continue;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      if (xml.name() == QLatin1String("source"))
        sources << xml.readElementText().remove(QLatin1Char('&'));
      else if (xml.name() == QLatin1String("translation") || xml.name() == QLatin1String("numerusform"))
        english << xml.readElementText(QXmlStreamReader::IncludeChildElements).remove(QLatin1Char('&'));
    }
  }
  return sources - english;
}

// The texts a window shows in its labels, buttons, group boxes, menus and title that are Italian.
QStringList italianLeftIn(QWidget* w, const QSet<QString>& italian) {
  QStringList texts{w->windowTitle()};
  for (auto* l : w->findChildren<QLabel*>()) texts << l->text();
  for (auto* b : w->findChildren<QAbstractButton*>()) texts << b->text() << b->toolTip();
  for (auto* a : w->findChildren<QAction*>()) texts << a->text().section(QLatin1Char('\t'), 0, 0) << a->toolTip();
  for (auto* g : w->findChildren<QGroupBox*>()) texts << g->title();
  QStringList left;
  for (QString t : texts)
    if (italian.contains(t.remove(QLatin1Char('&')))) left << w->objectName() + QStringLiteral(": ") + t;
  return left;
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
    QStringList menus;
    for (QAction* a : f.menuBar()->actions()) menus << a->text();
    QVERIFY2(menus.contains(QStringLiteral("&View")), qPrintable(menus.join(QLatin1Char(' '))));
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
    if (!shotDir().isEmpty()) QFile::copy(file, shotDir() + QStringLiteral("/en_dives.pdf"));
    const QString text = pdfText(file);
    for (const char* word : {"Dive no.:", "Location:", "Site:", "Max. depth:", "Buddies:", "Printed on:"})
      QVERIFY2(text.contains(QLatin1String(word)), word);
    for (const char* word : {"Numero imm", "Località", "Compagno", "Ausgedruckt"})
      QVERIFY2(!text.contains(QString::fromUtf8(word)), word);

    print::LogbookPages list(lb, PrintMode::List, SlotOption::Complete, PrintRange{1, 4}, false,
                             dayNumber(24, 12, 2023));
    const QString listFile = m_dir.filePath(QStringLiteral("en_list.pdf"));
    QVERIFY(print::writePdf(list, listFile.toStdString()).ok);
    if (!shotDir().isEmpty()) QFile::copy(listFile, shotDir() + QStringLiteral("/en_list.pdf"));
    const QString listText = pdfText(listFile);
    for (const char* word : {"Dive list", "Dive no.", "Location", "Dive time", "Max.", "Buddies"})
      QVERIFY2(listText.contains(QLatin1String(word)), word);
  }

  // Every window of the main areas: an English title, and no label, button or group box left
  // with a text of the Italian interface.
  void noWindowKeepsAnItalianText() {
    const QSet<QString> italian = italianOnlyTexts();
    QVERIFY(italian.contains(QStringLiteral("Annulla")));
    CKelpDoc doc;
    doc.onNewDocument();
    const Logbook demo = makeDemoLogbook(5, 11);
    for (const DiveRecord& r : demo.dives()) doc.logbook().insert(r);
    doc.logbook().currentPosition = 1;
    const Logbook& lb = doc.logbook();
    PrintSelection selection;
    const std::pair<QString, std::function<QDialog*()>> windows[] = {
        {"Find dive", [&] { return new CFindDiveDlg(lb, LastSearch{}); }},
        {"Selection file", [&] { return new CExtendedSearchDlg(lb, [](int) {}); }},
        {"Find and replace", [&] { return new CReplaceDlg(lb, {}); }},
        {"Dive profile", [&] { return new CProfileWnd(doc); }},
        {"Dive data", [&] { return new CDisplWindow(); }},
        {"Dive list", [&] { return new CDiveListDlg(lb, [](int) {}); }},
        {"Fill in dive data", [&] { return new CFillDivesDlg(lb); }},
        {"Print dives", [&] { return new CPrintDivesDlg(selection, false); }},
        {"Draw profile", [&] { return new CProfileCreateDlg(doc); }},
        {"Split dive", [&] { return new CSplitDlg(doc); }},
        {"Profile colors", [&] { return new CProfileColorsDlg(); }},
        {"Colors", [&] { return new CNoStopColorsDlg(); }},
        {"Statistics colors", [&] { return new CStatColorsDlg(); }},
        {"Renumber logbook", [&] { return new CRenumberDlg(1); }},
        {"Renumber dives", [&] { return new CRenumberRangeDlg(1, 5, 1); }},
        {"Time zone", [&] { return new CTimeZoneDlg(1, 5); }},
        {"Selection limits", [&] { return new CSelectionLimitsDlg(1, 5); }},
        {"Tips", [&] { return new TipDialog(); }},
        {"Warning", [&] { return new CWarningDlg(); }},
        {"Defaults", [&] { return new CDefaultDlg(); }},
        {"Fields of the main window", [&] { return new CFieldSelectionDlg(); }},
        {"Settings", [&] { return new CSettingsDlg(); }},
        {"Create dive", [&] { return new CDiveEditDlg(lb, lb.dives().front(), 1); }},
        {"About Kelp", [&] { return new CAboutDlg(); }},
    };
    QStringList left;
    for (const auto& [title, make] : windows) {
      std::unique_ptr<QDialog> d(make());
      QCOMPARE(d->windowTitle(), title);
      shot(d.get(), QStringLiteral("en_") + QString(title).replace(QLatin1Char(' '), QLatin1Char('_')));
      left << italianLeftIn(d.get(), italian);
    }
    CMainFrame f(&doc);
    f.refresh();
    left << italianLeftIn(&f, italian);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
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
