// The dive list and the search dialogs, driven through the main window's commands by their
// control ids. Set KELP_SHOT_DIR to get a PNG of every dialog, metric and imperial.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QUndoStack>
#include <QtTest>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/demo_logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/dive_list.h"
#include "profile/search.h"
#include "profile/ui/dive_list_dialog.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

// Answers message boxes, and the questions for a logbook file from a queue of their own.
struct Answers : MessageAnswers {
  QStringList files;
  void install() {
    MessageAnswers::install();
    uiPrompts().logbookFile = [this](QWidget*, bool, const QString&) {
      return files.isEmpty() ? QString() : files.takeFirst();
    };
  }
};

void click(QWidget* d, const char* id) {
  auto* b = child<QAbstractButton>(d, id);
  QVERIFY2(b, id);
  b->click();
}

QString units() { return settings().unitsMetric ? QStringLiteral("metric") : QStringLiteral("imperial"); }

QStringList rows(QListView* list) {
  QStringList out;
  for (int r = 0; r < list->model()->rowCount(); ++r) out << list->model()->index(r, 0).data().toString();
  return out;
}

struct Entry {
  const char* location;
  const char* site;
  const char* buddies;
  int depthCm;
};

// A logbook of hand-made dives, one day apart, saved under `path`.
bool writeLogbook(const QString& path, std::initializer_list<Entry> entries) {
  std::vector<DiveRecord> dives;
  int day = 0;
  for (const Entry& s : entries) {
    DiveRecord r = makeRecord();
    r.date = dayNumber(1, 7, 2004) + day++;
    r.timeOfDay = 10 * 60;
    parseText(r.location, s.location);
    parseText(r.site, s.site);
    parseText(r.buddies, s.buddies);
    r.maxDepth = static_cast<int16_t>(s.depthCm);
    r.diveTime = 40;
    r.diveNumber = static_cast<uint16_t>(day);
    dives.push_back(r);
  }
  Logbook lb;
  lb.assignDives(std::move(dives));
  return lb.saveFile(path.toStdString()).ok;
}

}  // namespace

class TestSearchDialogs : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  Answers m_answers;

  QString path(const QString& name) const { return m_dir.filePath(name); }
  bool enabled(CMainFrame& f, int id) {
    f.updateCommands();
    return f.action(id)->isEnabled();
  }
  QString openFive(CKelpDoc& doc) {
    const QString p = path(QStringLiteral("five.log"));
    writeLogbook(p, {{"Elba", "Pomonte", "Anna", 1800},
                     {"Giglio", "Punta Capel Rosso", "Piero", 3200},
                     {"Elba", "Fetovaia", "Marco, Anna", 2300},
                     {"Isola d'Elba", "Capo Enfola", "Piero", 1500},
                     {"Elba Nord", "Scoglietto", "Anna", 2600}});
    doc.openFile(p);
    return p;
  }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    loadSettingsFrom(m_dir.filePath(QStringLiteral("config")));
    m_answers.install();
  }
  void init() {
    settings().lastLogbookPath.clear();
    settings().unitsMetric = 1;
    m_answers = Answers{};
    m_answers.install();
    lastSearch() = LastSearch{};
    searchCriteria() = SearchCriteria{};
  }

  // ---- dive list ----

  void diveListMovesTheFormAtOnceAndKeepsItsWidths() {
    const QString p = path(QStringLiteral("list.log"));
    QVERIFY(makeDemoLogbook(30, 5).saveFile(p.toStdString()).ok);
    CKelpDoc doc;
    CMainFrame f(&doc);
    QVERIFY(doc.openFile(p));
    settings().tableColumns[3] = -1;
    bool seen = false;
    onNextDialog([&](QDialog* d) {
      seen = true;
      QCOMPARE(d->objectName(), QStringLiteral("159"));
      auto* list = child<QTreeView>(d, "1039");
      QCOMPARE(list->model()->rowCount(), 30);
      QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Numero"));
      QCOMPARE(list->model()->headerData(10, Qt::Horizontal).toString(), QStringLiteral("Consumo aria."));
      const double scale = list->fontMetrics().horizontalAdvance(QLatin1Char('0')) / 6.0;
      QCOMPARE(list->columnWidth(3), diveListColumnWidth(settings(), 3, scale));
      QVERIFY(list->columnWidth(3) >= 115);
      QCOMPARE(list->selectionModel()->selectedRows().value(0).row(), 29);  // the current dive
      const DiveRecord& r = doc.logbook().dives()[4];
      QCOMPARE(list->model()->index(4, 0).data().toString(),
               QString::asprintf("%05d %c", r.diveNumber, profileMark(r)));
      shot(d, QStringLiteral("dive_list_") + units());
      // Moving through the list moves the form at once.
      list->selectionModel()->setCurrentIndex(list->model()->index(9, 0),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      QCOMPARE(doc.logbook().currentPosition, 10);
      list->setColumnWidth(3, 77);
      // Two rows selected: a double click closes without moving the form.
      list->selectionModel()->select(list->model()->index(2, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
      emit list->doubleClicked(list->model()->index(2, 0));
    });
    f.runCommand(cmd::DiveList);
    QVERIFY(seen);
    QCOMPARE(doc.logbook().currentPosition, 10);
    QCOMPARE(settings().tableColumns[3], 77);
    const std::string section = screenSection(QApplication::primaryScreen()->size().width(),
                                              QApplication::primaryScreen()->size().height());
    QVERIFY(settingsFile().getInt(section, "TabWindow_dx", 0) > 0);

    // Next time: the narrowed column, and one selected row double-clicked goes to its dive.
    onNextDialog([&](QDialog* d) {
      auto* list = child<QTreeView>(d, "1039");
      QCOMPARE(list->columnWidth(3), 77);
      QCOMPARE(list->selectionModel()->selectedRows().value(0).row(), 9);
      list->selectionModel()->setCurrentIndex(list->model()->index(20, 0),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      emit list->doubleClicked(list->model()->index(20, 0));
    });
    f.runCommand(cmd::DiveList);
    QCOMPARE(doc.logbook().currentPosition, 21);
    settings().tableColumns[3] = -1;
  }

  void emptyLogbookShowsHeadingsAndNoRows() {
    Logbook empty;
    empty.newLogbook();
    CDiveListDlg dlg(empty, [](int) { QFAIL("no dive to go to"); });
    QCOMPARE(dlg.list()->model()->rowCount(), 0);
    QCOMPARE(dlg.list()->header()->count(), 11);
    QCOMPARE(dlg.lastRow(), -1);
  }

  // ---- find, next, previous ----

  void findThenNextAndPreviousWithTheirRulesAndMessages() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    openFive(doc);
    QVERIFY(!enabled(f, cmd::SearchNext));
    QVERIFY(!enabled(f, cmd::SearchPrevious));

    onNextDialog([&](QDialog* d) {
      QCOMPARE(d->objectName(), QStringLiteral("152"));
      QVERIFY(child<QRadioButton>(d, "fieldLocation")->isChecked());  // no search yet
      QVERIFY(!child<QRadioButton>(d, "activity0")->isEnabled());
      click(d, "fieldActivity");
      QVERIFY(child<QRadioButton>(d, "activity0")->isEnabled());
      QVERIFY(!child<QComboBox>(d, "1138")->isEnabled());
      click(d, "activity19");
      QVERIFY(child<QComboBox>(d, "1138")->isEnabled());
      click(d, "fieldBuddies");
      QVERIFY(!child<QRadioButton>(d, "activity19")->isEnabled());
      auto* text = child<QComboBox>(d, "1138");
      QVERIFY(text->findText(QStringLiteral("Marco")) >= 0);  // the buddy list
      text->setEditText(QStringLiteral("Anna"));
      shot(d, QStringLiteral("find_") + units());
      click(d, "1");
    });
    f.runCommand(cmd::FindDive);
    QCOMPARE(doc.logbook().currentPosition, 1);
    QVERIFY(enabled(f, cmd::SearchNext));
    QVERIFY(!enabled(f, cmd::SearchPrevious));  // the first dive
    f.runCommand(cmd::SearchNext);
    QCOMPARE(doc.logbook().currentPosition, 3);
    f.runCommand(cmd::SearchNext);
    QCOMPARE(doc.logbook().currentPosition, 5);
    QVERIFY(!enabled(f, cmd::SearchNext));  // the last dive
    f.runCommand(cmd::SearchPrevious);
    QCOMPARE(doc.logbook().currentPosition, 3);
    QVERIFY(m_answers.texts.isEmpty());

    // The dialog opens with the last search; a text nowhere to be found says so.
    onNextDialog([&](QDialog* d) {
      QVERIFY(child<QRadioButton>(d, "fieldBuddies")->isChecked());
      QCOMPARE(child<QComboBox>(d, "1138")->currentText(), QStringLiteral("Anna"));
      click(d, "fieldSite");
      child<QComboBox>(d, "1138")->setEditText(QStringLiteral("Secca d'Isuela"));
      click(d, "1");
    });
    f.runCommand(cmd::FindDive);
    QCOMPARE(m_answers.texts.value(0), QStringLiteral("Cerca testo ´Secca d´Isuela´ Non trovato"));
    QCOMPARE(doc.logbook().currentPosition, 3);

    // Location "Elba" is not "Isola d'Elba"; next from the fourth dive finds none after it.
    onNextDialog([&](QDialog* d) {
      click(d, "fieldLocation");
      child<QComboBox>(d, "1138")->setEditText(QStringLiteral("Giglio"));
      click(d, "1");
    });
    f.runCommand(cmd::FindDive);
    QCOMPARE(doc.logbook().currentPosition, 2);
    f.runCommand(cmd::SearchNext);
    QCOMPARE(m_answers.texts.value(1), QStringLiteral("Ultima per ´Giglio´"));
    QCOMPARE(doc.logbook().currentPosition, 2);

    // "Cancella" takes the search back: next and previous are off.
    onNextDialog([&](QDialog* d) { click(d, "2"); });
    f.runCommand(cmd::FindDive);
    QVERIFY(!enabled(f, cmd::SearchNext));
    QVERIFY(!enabled(f, cmd::SearchPrevious));
  }

  // ---- find and replace ----

  void replaceListsFirstAndUsesTheTextsAsTheyStandAtTheClick() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    openFive(doc);
    bool seen = false;
    onNextDialog([&](QDialog* d) {
      seen = true;
      QCOMPARE(d->objectName(), QStringLiteral("195"));
      auto* oldText = child<QLineEdit>(d, "1388");
      auto* newText = child<QLineEdit>(d, "1391");
      auto* replace = child<QPushButton>(d, "1387");
      QVERIFY(child<QRadioButton>(d, "1024")->isChecked());
      QTest::keyClicks(oldText, QStringLiteral("Elba"));
      QTest::keyClicks(newText, QStringLiteral("Isola d'Elba"));
      click(d, "1386");
      QCOMPARE(rows(child<QListView>(d, "1039")),
               QStringList({"00001\tElba", "->\tIsola d´Elba", "00003\tElba", "->\tIsola d´Elba",
                            "00004\tIsola d´Elba", "->\tIsola d´Isola d´Elba", "00005\tElba Nord",
                            "->\tIsola d´ElbaNord"}));
      QVERIFY(replace->isEnabled());
      shot(d, QStringLiteral("replace_") + units());
      // The old text cleared after the search: nothing may be replaced.
      oldText->selectAll();
      QTest::keyClick(oldText, Qt::Key_Backspace);
      QVERIFY(!replace->isEnabled());
      replace->click();
      QVERIFY(!doc.isModified());
      // Another field after the search: search again first.
      QTest::keyClicks(oldText, QStringLiteral("Elba"));
      click(d, "1386");
      QVERIFY(replace->isEnabled());
      click(d, "1025");
      QVERIFY(!replace->isEnabled());
      click(d, "1024");
      click(d, "1386");
      replace->click();
      QVERIFY(!replace->isEnabled());
      QVERIFY(doc.isModified());
      click(d, "2");
    });
    f.runCommand(cmd::SearchReplace);
    QVERIFY(seen);
    QCOMPARE(storedToUtf8(getText(doc.logbook().dives()[0].location)), std::string("Isola d´Elba"));
    QCOMPARE(storedToUtf8(getText(doc.logbook().dives()[1].location)), std::string("Giglio"));
    QCOMPARE(storedToUtf8(getText(doc.logbook().dives()[4].location)), std::string("Isola d´ElbaNord"));
    // One step, named after the button, takes the whole replacement back.
    QCOMPARE(doc.undoStack()->undoText(), QStringLiteral("Sostituisci"));
    QCOMPARE(doc.undoStack()->count(), 1);
    doc.undoStack()->undo();
    QCOMPARE(storedToUtf8(getText(doc.logbook().dives()[0].location)), std::string("Elba"));
    QCOMPARE(storedToUtf8(getText(doc.logbook().dives()[4].location)), std::string("Elba Nord"));
    QVERIFY(!doc.isModified());
  }

  // ---- extended search and "Crea file" ----

  void createSelectedFileWritesTheFoundDivesAndOpensThem() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    const QString open = openFive(doc);
    doc.logbook().put(2, doc.logbook().get(2));  // modified, not saved
    const QByteArray before = [&] { QFile fl(open); fl.open(QIODevice::ReadOnly); return fl.readAll(); }();
    const QString sel = path(QStringLiteral("sel"));

    bool seen = false;
    onNextDialog([&](QDialog* d) {
      seen = true;
      QCOMPARE(d->objectName(), QStringLiteral("155"));
      QVERIFY(!child<QPushButton>(d, "1160")->isEnabled());
      child<QComboBox>(d, "1044")->setEditText(QStringLiteral("Elba"));
      child<QLineEdit>(d, "1161")->setText(QStringLiteral("20"));
      click(d, "1157");
      QCOMPARE(child<QLabel>(d, "1158")->text(), QStringLiteral("1"));
      QCOMPARE(rows(child<QListView>(d, "1039")), QStringList({"00003\t03.07.04\tElba, Fetovaia"}));
      click(d, "1140");  // OR
      click(d, "1157");
      QCOMPARE(child<QLabel>(d, "1158")->text(), QStringLiteral("4"));
      shot(d, QStringLiteral("extended_search_") + units());
      click(d, "11");  // "Vai a:" the first row
      QCOMPARE(doc.logbook().currentPosition, 1);

      // The open logbook's own file is refused, and the open logbook stays as it was.
      m_answers.files = {open};
      click(d, "1160");
      QVERIFY(m_answers.texts.value(0).contains(QStringLiteral("logbook aperto")));
      // A new name without extension gets ".log".
      m_answers.files = {sel};
      click(d, "1160");
      QCOMPARE(m_answers.texts.size(), 1);
      QVERIFY(QFileInfo::exists(sel + QStringLiteral(".log")));
      QVERIFY(QFileInfo::exists(sel + QStringLiteral(".add")));
      // Writing it again asks first; No leaves it.
      m_answers.files = {sel + QStringLiteral(".log")};
      m_answers.queue = {QMessageBox::No};
      click(d, "1160");
      QCOMPARE(m_answers.texts.value(1), QStringLiteral("´%1´ esiste già\nsovrasciverlo?").arg(sel + ".log"));
      QCOMPARE(doc.logbook().path, open.toStdString());
      QVERIFY(doc.isModified());
      m_answers.queue = {QMessageBox::No};  // the question to save the open logbook first
      click(d, "2");
    });
    f.runCommand(cmd::CreateSelectedFile);
    QVERIFY(seen);
    // The written file is the current logbook now; the old one was not saved.
    QCOMPARE(QString::fromStdString(doc.logbook().path), sel + QStringLiteral(".log"));
    QCOMPARE(doc.logbook().diveCount(), 4);
    QVERIFY(!doc.isModified());
    QFile fl(open);
    QVERIFY(fl.open(QIODevice::ReadOnly));
    QCOMPARE(fl.readAll(), before);
    // The criteria are kept for the next search.
    QCOMPARE(searchCriteria().location, std::string("Elba"));
    QVERIFY(searchCriteria().orMode);
  }

  void extendedSearchKeepsTheOpenLogbookAfterCreaFile() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    const QString open = openFive(doc);
    onNextDialog([&](QDialog* d) {
      child<QComboBox>(d, "1053")->setEditText(QStringLiteral("Piero"));
      click(d, "1157");
      QCOMPARE(child<QLabel>(d, "1158")->text(), QStringLiteral("2"));
      // Nothing found: no file.
      child<QComboBox>(d, "1053")->setEditText(QStringLiteral("Nessuno"));
      m_answers.files = {path(QStringLiteral("none.log"))};
      click(d, "1160");
      QCOMPARE(m_answers.texts.value(0), QStringLiteral("Non ho trovato immersioni relative"));
      QVERIFY(!QFileInfo::exists(path(QStringLiteral("none.log"))));
      QVERIFY(!child<QPushButton>(d, "1160")->isEnabled());
      child<QComboBox>(d, "1053")->setEditText(QStringLiteral("Piero"));
      click(d, "1157");
      m_answers.files = {path(QStringLiteral("piero.log"))};
      click(d, "1160");
      // A write that fails is reported.
      m_answers.files = {path(QStringLiteral("missing/x.log"))};
      click(d, "1160");
      QVERIFY2(m_answers.texts.value(1).contains(QStringLiteral("x.log")), qPrintable(m_answers.texts.join("|")));
      // A double click on a row goes to its dive.
      auto* results = child<QListView>(d, "1039");
      emit results->doubleClicked(results->model()->index(1, 0));
      QCOMPARE(doc.logbook().currentPosition, 4);
      click(d, "2");
    });
    f.runCommand(cmd::ExtendedSearch);
    QCOMPARE(QString::fromStdString(doc.logbook().path), open);
    QVERIFY(!doc.isModified());
    Logbook written;
    QVERIFY(written.loadFile(path(QStringLiteral("piero.log")).toStdString()).ok);
    QCOMPARE(written.diveCount(), 2);
  }

  // ---- every dialog in both unit systems ----

  void renderEveryDialogInBothUnits() {
    if (shotDir().isEmpty()) QSKIP("KELP_SHOT_DIR not set");
    const QString p = path(QStringLiteral("render.log"));
    QVERIFY(makeDemoLogbook(200, 3).saveFile(p.toStdString()).ok);
    for (int metricUnits : {1, 0}) {
      settings().unitsMetric = metricUnits;
      CKelpDoc doc;
      CMainFrame f(&doc);
      QVERIFY(doc.openFile(p));
      f.show();
      onNextDialog([&](QDialog* d) {
        shot(d, QStringLiteral("dive_list_") + units());
        d->reject();
      });
      f.runCommand(cmd::DiveList);
      onNextDialog([&](QDialog* d) {
        click(d, "fieldActivity");
        click(d, "activity19");
        shot(d, QStringLiteral("find_activity_") + units());
        d->reject();
      });
      f.runCommand(cmd::FindDive);
      onNextDialog([&](QDialog* d) {
        click(d, "1026");
        const std::string buddy = storedToUtf8(getText(doc.logbook().dives()[0].buddies)).substr(0, 4);
        QTest::keyClicks(child<QLineEdit>(d, "1388"), QString::fromStdString(buddy));
        QTest::keyClicks(child<QLineEdit>(d, "1391"), QStringLiteral("Zorro"));
        click(d, "1386");
        shot(d, QStringLiteral("replace_") + units());
        d->reject();
      });
      f.runCommand(cmd::SearchReplace);
      onNextDialog([&](QDialog* d) {
        child<QLineEdit>(d, "1161")->setText(metricUnits ? QStringLiteral("30") : QStringLiteral("100"));
        child<QLineEdit>(d, "1164")->setText(QStringLiteral("40"));
        click(d, "1157");
        shot(d, QStringLiteral("extended_search_") + units());
        d->reject();
      });
      f.runCommand(cmd::ExtendedSearch);
    }
    settings().unitsMetric = 1;
  }
};

QTEST_MAIN(TestSearchDialogs)
#include "test_search_dialogs.moc"
