// The computer types dialogs, the two imports and the export through the main
// window's commands. Set KELP_SHOT_DIR to get PNGs of the dialogs.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>
#include <memory>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/computer_models.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "transfer/ui/computer_types_dialog.h"
#include "transfer/ui/csv_export_dialog.h"
#include "transfer/ui/transfer_prompts.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

// Numbered by the logbook as they are inserted.
DiveRecord dive(int day, const char* location, int depthCm) {
  DiveRecord r = makeRecord();
  r.date = dayNumber(day, 6, 2023);
  r.timeOfDay = 9 * 60;
  r.maxDepth = static_cast<int16_t>(depthCm);
  r.diveTime = 45;
  parseText(r.location, location);
  return r;
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

class TestTransferWindows : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  std::unique_ptr<CKelpDoc> m_doc;
  MessageAnswers m_answers;
  QString m_nextFile;  // the answer to the next file choice
  FileChoice m_lastChoice;

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    loadSettingsFrom(m_dir.path());
    settings().lastLogbookPath.clear();
    m_answers.install();
    fileChoiceHook() = [this](QWidget*, const FileChoice& c) {
      m_lastChoice = c;
      return m_nextFile;
    };
  }
  void init() {
    m_answers.clear();
    settings().unitsMetric = 1;
    m_doc = std::make_unique<CKelpDoc>();
    Logbook& lb = m_doc->logbook();
    lb.newLogbook();
    lb.insert(dive(3, "Località Sorgente", 3250));
    lb.insert(dive(5, "Elba", 1800));
    lb.insert(dive(9, "Ustica", 4000));
    ComputerModelTable& t = computerModels();
    t.clear();
    t.addBuiltIns();
    t.sort();
  }

  void computerTypesEditACopyOfTheTable() {
    ComputerModelTable& t = computerModels();
    t.addOrUpdate(200, "Zeta Nitrox", 1, 0, 0, true, false);
    m_doc->logbook().modify(1, [](DiveRecord& r) { r.computerType = 200; });
    settings().ctypCols = {300, 5, -1, 90, -1};
    auto dlg = std::make_unique<CComputerTypesDlg>(m_doc->logbook());
    auto* list = child<QTreeWidget>(dlg.get(), 1039);
    QCOMPARE(list->columnCount(), 5);
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Nome"));
    QCOMPARE(list->columnWidth(0), 300);  // saved widths above 10 replace the defaults
    QCOMPARE(list->columnWidth(1), 57);
    QCOMPARE(list->columnWidth(3), 90);
    QCOMPARE(list->topLevelItemCount(), 19);
    shot(dlg.get(), "computer_types");

    auto rowOf = [&](const QString& name) {
      for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == name) return i;
      return -1;
    };
    dlg->select(rowOf(QStringLiteral("Handeintrag")));
    QVERIFY(!child<QPushButton>(dlg.get(), 6)->isEnabled());
    QVERIFY(!child<QPushButton>(dlg.get(), 8)->isEnabled());
    dlg->select(rowOf(QStringLiteral("Aladin Air X")));
    QVERIFY(child<QPushButton>(dlg.get(), 6)->isEnabled());
    QVERIFY(!child<QPushButton>(dlg.get(), 8)->isEnabled());

    // A built-in row: only the name can be edited.
    bool locked = false;
    onNextDialog([&](QDialog* d) {
      shot(d, "computer_type_builtin");
      locked = !child<QLineEdit>(d, 1433)->isEnabled() && !child<QRadioButton>(d, 1026)->isEnabled() &&
               !child<QRadioButton>(d, 1031)->isEnabled() && child<QLineEdit>(d, 1432)->isEnabled();
      d->reject();
    });
    child<QPushButton>(dlg.get(), 6)->click();
    QVERIFY(locked);

    // A new type: a built-in Ident is refused with a message and the dialog stays open.
    bool stayed = false;
    onNextDialog([&](QDialog* d) {
      child<QLineEdit>(d, 1432)->setText(QStringLiteral("Mio computer"));
      child<QLineEdit>(d, 1433)->setText(QStringLiteral("52"));
      child<QRadioButton>(d, 1026)->setChecked(true);
      QVERIFY(!child<QRadioButton>(d, 1031)->isEnabled());
      shot(d, "computer_type_new");
      d->accept();
      stayed = d->isVisible() && m_answers.texts.size() == 1;
      child<QLineEdit>(d, 1433)->setText(QStringLiteral("120"));
      d->accept();
    }, dlg.get());
    child<QPushButton>(dlg.get(), 9)->click();
    QVERIFY(stayed);
    QVERIFY(m_answers.texts[0].contains(QStringLiteral("52")));
    QCOMPARE(list->topLevelItemCount(), 20);
    QCOMPARE(list->currentItem()->text(0), QStringLiteral("Mio computer"));
    QCOMPARE(list->currentItem()->text(2), QStringLiteral("NITROX"));

    // The type that a dive uses cannot be deleted; the new one can, after the question.
    m_answers.texts.clear();
    dlg->select(rowOf(QStringLiteral("Zeta Nitrox")));
    QVERIFY(child<QPushButton>(dlg.get(), 8)->isEnabled());
    child<QPushButton>(dlg.get(), 8)->click();
    QCOMPARE(m_answers.texts.size(), 2);
    QCOMPARE(m_answers.texts[0], QStringLiteral("Cancella ´Zeta Nitrox´?"));
    QCOMPARE(list->topLevelItemCount(), 20);
    dlg->select(rowOf(QStringLiteral("Mio computer")));
    m_answers.queue << int(QMessageBox::No);
    child<QPushButton>(dlg.get(), 8)->click();
    QCOMPARE(list->topLevelItemCount(), 20);
    child<QPushButton>(dlg.get(), 8)->click();
    QCOMPARE(list->topLevelItemCount(), 19);

    // OK replaces the table; the column widths are kept when the dialog closes.
    dlg->select(rowOf(QStringLiteral("Aladin Sport")));
    onNextDialog([](QDialog* d) {
      child<QLineEdit>(d, 1432)->setText(QStringLiteral("Aladin Sport Plus"));
      d->accept();
    }, dlg.get());
    child<QPushButton>(dlg.get(), 6)->click();
    list->setColumnWidth(2, 70);
    dlg->accept();
    QCOMPARE(QString::fromStdString(t.name(30)), QStringLiteral("Aladin Sport Plus"));
    QVERIFY(t.find(120) == nullptr);
    QCOMPARE(settings().ctypCols[2], 70);
    QCOMPARE(settings().ctypCols[0], 300);
    QVERIFY(saveAllSettings());
    QVERIFY(readAll(m_dir.path() + "/Ctyp.ini").contains("Name=Aladin Sport Plus"));

    // Cancel leaves the table as it was.
    CComputerTypesDlg cancelled(m_doc->logbook());
    cancelled.select(0);
    cancelled.deleteSelected();
    cancelled.reject();
    QCOMPARE(t.count(), 19);
  }

  void computersListsTheFamilies() {
    CMainFrame frame(m_doc.get());
    int roots = 0, children = 0;
    onNextDialog([&](QDialog* d) {
      auto* tree = child<QTreeWidget>(d, 1424);
      roots = tree->topLevelItemCount();
      for (int i = 0; i < roots; ++i) children += tree->topLevelItem(i)->childCount();
      shot(d, "computers");
      d->accept();
    });
    frame.runCommand(cmd::SupportedComputers);
    QCOMPARE(roots, 4);
    QCOMPARE(children, 18);
  }

  // Each imported dive is shown in the dive editor and inserted, as one undoable
  // step, on OK; the file's faults are told.
  void importsGoThroughTheDiveEditor() {
    CMainFrame frame(m_doc.get());
    // Citizen
    QByteArray wgm(493 + 4 * 4, ' ');
    auto put = [&wgm](int at, const char* text) { wgm.replace(at, int(qstrlen(text)), text); };
    put(0, "M");
    put(2, "2023,06,07");
    put(60, "Giglio");
    put(300, "10,00");
    put(309, "10,04");
    put(324, "00,04");
    put(337, "180");
    put(485, "4");
    put(493, " 20  40  60  80 ");
    const QString wgmPath = m_dir.path() + "/dive.wgm";
    writeFile(wgmPath, wgm);
    m_nextFile = wgmPath;
    QString shownLocation;
    onNextDialog([&](QDialog* d) {
      shownLocation = child<QComboBox>(d, 1044)->currentText();
      d->accept();
    });
    frame.runCommand(cmd::ImportCitizen);
    QCOMPARE(m_lastChoice.filter, QStringLiteral("Citizen Dateien (*.wgm)"));
    QCOMPARE(m_lastChoice.suffix, QStringLiteral("wgm"));
    QCOMPARE(shownLocation, QStringLiteral("Giglio"));
    QCOMPARE(m_doc->logbook().diveCount(), 4);
    QCOMPARE(int(m_doc->logbook().get(3).date), int(dayNumber(7, 6, 2023)));  // in date order
    QCOMPARE(int(m_doc->logbook().get(3).computerType), 177);
    QCOMPARE(m_doc->undoStack()->undoText(), QStringLiteral("Importa Citizen"));
    QVERIFY(m_answers.texts.isEmpty());

    // Cancelled in the editor: nothing is added.
    onNextDialog([](QDialog* d) { d->reject(); });
    frame.runCommand(cmd::ImportCitizen);
    QCOMPARE(m_doc->logbook().diveCount(), 4);

    writeFile(wgmPath, QByteArray("X") + wgm.mid(1));
    frame.runCommand(cmd::ImportCitizen);
    QCOMPARE(m_answers.texts, QStringList{QStringLiteral("Formato file sbagliato")});
    m_nextFile = m_dir.path() + "/missing.wgm";
    frame.runCommand(cmd::ImportCitizen);
    QCOMPARE(m_answers.texts.last(), QStringLiteral("File non esiste"));
    m_nextFile.clear();  // cancelled file choice: nothing at all
    frame.runCommand(cmd::ImportCitizen);
    QCOMPARE(m_answers.texts.size(), 2);

    // Guardian
    m_answers.texts.clear();
    const QString txtPath = m_dir.path() + "/dive.txt";
    writeFile(txtPath, "[GENERAL]\nDiveDate=20-06-2023\nDiveTime=11:30\nNumPoints=3\nSite=Reef ; a comment\n"
                       "[POINTS]\nP1=5.0\nP2=12.0\nP3=6.0\n");
    m_nextFile = txtPath;
    QString shownSite;
    onNextDialog([&](QDialog* d) {
      shownSite = child<QComboBox>(d, 1045)->currentText();
      d->accept();
    });
    frame.runCommand(cmd::ImportGuardian);
    QCOMPARE(m_lastChoice.filter, QStringLiteral("Guardian Text Export (*.txt)"));
    QCOMPARE(shownSite, QStringLiteral("Reef"));
    QCOMPARE(m_doc->logbook().diveCount(), 5);
    QCOMPARE(int(m_doc->logbook().get(5).computerType), 179);
    QCOMPARE(int(m_doc->logbook().get(5).maxDepth), 1200);
    QCOMPARE(m_doc->undoStack()->undoText(), QStringLiteral("Importa Mares Guardian"));
    frame.action(cmd::Undo)->trigger();
    QCOMPARE(m_doc->logbook().diveCount(), 4);
    m_nextFile = m_dir.path() + "/missing.txt";
    frame.runCommand(cmd::ImportGuardian);
    QCOMPARE(m_answers.texts, QStringList{QStringLiteral("File non esiste")});
  }

  void exportDialogRulesAndFile() {
    settings().excelFields = (1 << 0) | (1 << 3) | (1 << 5);
    settings().excelSeparator = 0;
    const QString path = m_dir.path() + "/dives.csv";
    CCsvExportDlg dlg(m_doc->logbook(), path);
    QCOMPARE(child<QLineEdit>(&dlg, 1389)->text(), QStringLiteral("1"));
    QCOMPARE(child<QLineEdit>(&dlg, 1390)->text(), QStringLiteral("3"));
    QVERIFY(child<QCheckBox>(&dlg, 1070)->isChecked());
    QVERIFY(child<QCheckBox>(&dlg, 1044)->isChecked());
    QVERIFY(!child<QCheckBox>(&dlg, 1042)->isChecked());
    QVERIFY(!child<QRadioButton>(&dlg, 1026)->isEnabled());
    QVERIFY(!child<QLabel>(&dlg, 1396)->isEnabled());
    QCOMPARE(child<QLabel>(&dlg, 1394)->text(), QStringLiteral("Ultima imm:"));
    shot(&dlg, "export_table");
    child<QCheckBox>(&dlg, 1065)->setChecked(true);
    QVERIFY(!child<QLineEdit>(&dlg, 1389)->isEnabled());
    QVERIFY(child<QRadioButton>(&dlg, 1026)->isEnabled());
    QVERIFY(child<QRadioButton>(&dlg, 1028)->isEnabled());
    QCOMPARE(child<QLabel>(&dlg, 1394)->text(), QStringLiteral("Imm:"));
    shot(&dlg, "export_profile");
    child<QCheckBox>(&dlg, 1065)->setChecked(false);

    // A number beyond the logbook: the message, nothing written, the dialog stays.
    dlg.show();
    child<QLineEdit>(&dlg, 1390)->setText(QStringLiteral("4"));
    dlg.accept();
    QCOMPARE(m_answers.texts, QStringList{QStringLiteral("Numero sbagliato immersione inesistente")});
    QVERIFY(dlg.isVisible());
    QVERIFY(!QFile::exists(path));

    child<QLineEdit>(&dlg, 1389)->setText(QStringLiteral("1"));
    child<QLineEdit>(&dlg, 1390)->setText(QStringLiteral("2"));
    child<QComboBox>(&dlg, 1391)->setCurrentIndex(1);  // tabs
    child<QCheckBox>(&dlg, 1042)->setChecked(true);
    child<QCheckBox>(&dlg, 1070)->setChecked(false);
    dlg.accept();
    QVERIFY(!dlg.isVisible());
    // Windows-1252, as spreadsheets read it: "à" is one byte 0xE0.
    const QByteArray text = readAll(path);
    QVERIFY2(text.startsWith("Data\tLocalit\xE0\tProf max\t\n"), text.constData());
    QVERIFY(text.contains("\tLocalit\xE0 Sorgente\t32,5\t\n"));
    QCOMPARE(text.count('\n'), 3);
    QCOMPARE(settings().excelSeparator, 1);
    QCOMPARE(settings().excelFields, (1 << 1) | (1 << 3) | (1 << 5));
  }

  void exportCommandChoosesTheFileFirst() {
    CMainFrame frame(m_doc.get());
    const QString path = m_dir.path() + "/profile.csv";
    m_nextFile = path;
    settings().excelSeparator = 0;
    m_doc->logbook().modify(2, [](DiveRecord& r) {
      r.sampleCount = 3;
      r.samples[0].depth = 0;
      r.samples[1].depth = -4.5f;
      r.samples[2].depth = -2.0f;
    });
    onNextDialog([](QDialog* d) {
      child<QCheckBox>(d, 1065)->setChecked(true);
      child<QLineEdit>(d, 1390)->setText(QStringLiteral("2"));
      child<QRadioButton>(d, 1026)->setChecked(true);
      child<QRadioButton>(d, 1028)->setChecked(true);
      d->accept();
    });
    frame.runCommand(cmd::ExportCsv);
    QVERIFY(m_lastChoice.save);
    QCOMPARE(m_lastChoice.suffix, QStringLiteral("csv"));
    const QByteArray text = readAll(path);
    QVERIFY2(text.contains("Profilo;Secondo;Prof\n;0:00:00;0,0\n;0:00:20;4,5\n;0:00:40;2,0\n"), text.constData());
    QCOMPARE(settings().excelSign, 1);
    QCOMPARE(settings().excelTimeFormat, 1);
  }
};

QTEST_MAIN(TestTransferWindows)
#include "test_transfer_windows.moc"
