// The dive editor, the alarms and the fill dialog driven by their control ids, and the
// commands of the main window that open them. Set KELP_SHOT_DIR to get a PNG of each.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>
#include <cstring>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/computer_models.h"
#include "core/demo_logbook.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/dive_edit.h"
#include "profile/fill_dives.h"
#include "profile/ui/dive_edit_dialog.h"
#include "profile/ui/fill_dives_dialog.h"
#include "tests/ui_test_support.h"

using namespace kelp;
using namespace kelp::test;

namespace {

DiveRecord sampleDive() {
  DiveRecord r = makeRecord();
  r.date = dayNumber(3, 7, 2022);
  r.timeOfDay = 9 * 60 + 5;
  setText(r.location, "Elba");
  setText(r.site, utf8ToStored("Secca di Capo Sant'Andrea"));
  r.maxDepth = 230;
  r.minWaterTemperature = 1234;
  r.airTemperature = 2157;
  r.tankSize = 1190;
  r.airConsumed = 18050;
  r.weight = 733;
  r.visibility = 1250;
  r.startPressure = 20010;
  r.diveTime = 47;
  r.diveNumber = 7;
  r.weather = 2;
  r.suit = 4;
  r.tankMaterial = 1;
  r.diveTypeFlags = (1u << kDiveNoStop) | (1u << kDiveSeaWater) | (1u << kDiveNitrox);
  r.activityFlags = 0x0011;
  r.moreActivityFlags = (1u << 8) | 0x02;
  setText(r.buddies, "Anna, Bruno");
  setText(r.otherActivities, "Pesca");
  setNotes(r, utf8ToStored("Bella immersione.\r\nMolti pesci, corrente leggera."));
  setText(r.suitDescription, std::string(281, 'x'));
  return r;
}

}  // namespace

class TestDiveEditDialog : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  MessageAnswers m_answers;

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    loadSettingsFrom(m_dir.path());
    settings().lastLogbookPath.clear();
    m_answers.okOnly = true;
    m_answers.install();
  }
  void init() {
    settings().unitsMetric = 1;
    settings().extended = 1;
    editorSession() = EditorSession{};
    m_answers.texts.clear();
  }

  void okWithoutChangesStoresTheSameBytes() {
    const Logbook lb = makeDemoLogbook(40, 5);
    for (int units : {1, 0}) {
      settings().unitsMetric = units;
      for (int pos : {1, 7, 20, 40}) {
        CDiveEditDlg dlg(lb, lb.get(pos), pos);
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY2(!dlg.editor().changed(), qPrintable(QStringLiteral("dive %1 units %2").arg(pos).arg(units)));
      }
      CDiveEditDlg dlg(lb, sampleDive(), 1);
      QCOMPARE(child<QComboBox>(&dlg, 1071)->currentText().size(), 281);  // not cut by the typing limit
      dlg.accept();
      QVERIFY(!dlg.editor().changed());
    }
  }

  void controlsShowTheDiveInTheUnitsSetting() {
    const Logbook lb = makeDemoLogbook(3, 1);
    CDiveEditDlg metricDlg(lb, sampleDive(), 1);
    QCOMPARE(child<QLineEdit>(&metricDlg, 1056)->text(), QStringLiteral("2.3"));
    QCOMPARE(child<QLabel>(&metricDlg, 1364)->text(), QStringLiteral("m"));
    QCOMPARE(child<QLabel>(&metricDlg, 1363)->text(), QStringLiteral("l"));
    QCOMPARE(child<QLineEdit>(&metricDlg, 1042)->text(), QStringLiteral("03.07.2022"));
    QCOMPARE(child<QComboBox>(&metricDlg, 1045)->currentText(), QStringLiteral("Secca di Capo Sant´Andrea"));
    QVERIFY(child<QRadioButton>(&metricDlg, 1024)->isChecked());
    QVERIFY(child<QRadioButton>(&metricDlg, 1033)->isChecked());
    QVERIFY(child<QRadioButton>(&metricDlg, 1025)->isChecked());
    QVERIFY(child<QCheckBox>(&metricDlg, 1075)->isChecked());
    QVERIFY(child<QCheckBox>(&metricDlg, 1076)->isChecked());
    QVERIFY(child<QCheckBox>(&metricDlg, 1089)->isChecked());
    QCOMPARE(child<QPlainTextEdit>(&metricDlg, 1097)->toPlainText(),
             QStringLiteral("Bella immersione.\nMolti pesci, corrente leggera."));
    QCOMPARE(child<QComboBox>(&metricDlg, 1047)->count(), 5);
    QVERIFY(!child<QPushButton>(&metricDlg, 1359)->isEnabled());  // index 1: no previous dive
    QCOMPARE(child<QPushButton>(&metricDlg, "IDCANCEL")->text(), QStringLiteral("Cancella"));
    shot(&metricDlg, QStringLiteral("dive_editor_metric"));

    settings().unitsMetric = 0;
    CDiveEditDlg imperial(lb, sampleDive(), 2);
    QCOMPARE(child<QLabel>(&imperial, 1364)->text(), QStringLiteral("ft"));
    QCOMPARE(child<QLabel>(&imperial, 1368)->text(), QStringLiteral("lb"));
    QCOMPARE(child<QLabel>(&imperial, 1360)->text(), QStringLiteral("cft/min"));
    QCOMPARE(child<QLineEdit>(&imperial, 1056)->text(), QStringLiteral("8"));
    QCOMPARE(child<QComboBox>(&imperial, 1047)->itemText(1), QStringLiteral("0 ft ... 3000 ft"));
    QVERIFY(child<QPushButton>(&imperial, 1359)->isEnabled());
    shot(&imperial, QStringLiteral("dive_editor_imperial"));
  }

  void typedValuesAreStoredAndUntouchedOnesKept() {
    const Logbook lb = makeDemoLogbook(3, 1);
    CDiveEditDlg dlg(lb, sampleDive(), 1);
    child<QLineEdit>(&dlg, 1042)->setText(QStringLiteral("5.6.04"));
    child<QComboBox>(&dlg, 1044)->setEditText(QStringLiteral("Giglio"));
    child<QRadioButton>(&dlg, 1031)->setChecked(true);
    child<QCheckBox>(&dlg, 1087)->setChecked(true);
    dlg.accept();
    const DiveRecord& r = dlg.record();
    QCOMPARE(r.date, dayNumber(5, 6, 2004));
    QCOMPARE(getText(r.location), std::string("Giglio"));
    QCOMPARE(waterKind(r), 0);
    QVERIFY(r.activityFlags & (1u << 11));
    QCOMPARE(r.maxDepth, int16_t(230));
    QCOMPARE(getText(r.suitDescription).size(), size_t(281));
  }

  void specialActivityTypedIntoOtherKeepsItsTextAndTicksItsBox() {
    const Logbook lb = makeDemoLogbook(3, 1);
    for (int extended : {1, 0}) {
      settings().extended = extended;
      CDiveEditDlg dlg(lb, sampleDive(), 1);
      QVERIFY(!child<QCheckBox>(&dlg, 1096)->isChecked());
      const QString typed = QStringLiteral("Pesca, ") + QString::fromStdString(specialActivityLongName(3));
      child<QComboBox>(&dlg, 1046)->setEditText(typed);
      dlg.accept();
      QCOMPARE(dlg.result(), int(QDialog::Accepted));
      QVERIFY(child<QComboBox>(&dlg, 1046)->currentText().startsWith(typed));
      QVERIFY(child<QCheckBox>(&dlg, 1096)->isChecked());
      QVERIFY(shownSpecialActivities(dlg.record()) & (1u << 3));
    }
    settings().extended = 1;
  }

  void downloadedDiveIsLockedUntilFreeEditing() {
    const Logbook lb = makeDemoLogbook(3, 1);
    DiveRecord r = sampleDive();
    r.computerType = static_cast<uint8_t>(computerModels().idAt(0));
    r.profileLength = 22;
    r.profileHeader[0] = 99;
    const int lockedIds[] = {1042, 1043, 1070, 1047, 1048, 1056, 1057, 1058, 1439, 1059};
    CDiveEditDlg dlg(lb, r, 2);
    dlg.show();
    QApplication::processEvents();
    for (int id : lockedIds) QVERIFY2(!child(&dlg, id)->isEnabled(), qPrintable(QString::number(id)));
    QVERIFY(child(&dlg, 1044)->isEnabled());
    QWidget* focus = dlg.focusWidget();
    QVERIFY(focus && (focus == child(&dlg, 1044) || focus->parentWidget() == child(&dlg, 1044)));
    shot(&dlg, QStringLiteral("dive_editor_locked"));
    child<QCheckBox>(&dlg, 1103)->click();
    for (int id : lockedIds) QVERIFY2(child(&dlg, id)->isEnabled(), qPrintable(QString::number(id)));
    QVERIFY(child(&dlg, 1061)->isVisible());  // the air models list while free editing
    QVERIFY(!child(&dlg, 1055)->isVisible());
    shot(&dlg, QStringLiteral("dive_editor_free"));
    QVERIFY(editorSession().freeEditing);  // kept for the next opening
    child<QCheckBox>(&dlg, 1103)->click();
    QVERIFY(!child(&dlg, 1056)->isEnabled());
  }

  void extendedFieldsFollowTheSetting() {
    const Logbook lb = makeDemoLogbook(3, 1);
    settings().extended = 0;
    CDiveEditDlg dlg(lb, sampleDive(), 1);
    dlg.show();
    QApplication::processEvents();
    for (int id : {1069, 1067, 1071, 1054, 1068, 1025, 1036}) QVERIFY(!child(&dlg, id)->isVisible());
    QVERIFY(child(&dlg, 1100)->isVisible());
    shot(&dlg, QStringLiteral("dive_editor_basic"));
    // "Usa abbreviazioni" relabels the special activities; ticking one writes its label.
    child<QCheckBox>(&dlg, 1100)->click();
    QCOMPARE(child<QCheckBox>(&dlg, 1088)->text(), QString::fromStdString(specialActivityShortName(0)));
    child<QCheckBox>(&dlg, 1088)->click();
    QCOMPARE(child<QComboBox>(&dlg, 1046)->currentText(),
             QStringLiteral("Pesca, ") + QString::fromStdString(specialActivityShortName(0)) +
                 QStringLiteral(", ") + QString::fromStdString(specialActivityShortName(1)));
    settings().extended = 1;
  }

  void buddyAppendAndTypingLimits() {
    Logbook lb = makeDemoLogbook(3, 1);
    lb.buddyList.clear();
    lb.buddyList.reserve(10);
    lb.buddyList.add("Anna");
    lb.buddyList.add("Bruno");
    DiveRecord r = sampleDive();
    setText(r.buddies, "Annalisa");
    CDiveEditDlg dlg(lb, r, 1);
    auto* sel = child<QComboBox>(&dlg, 1053);
    auto* buddies = child<QLineEdit>(&dlg, 1102);
    auto* append = child<QPushButton>(&dlg, 1101);
    sel->setCurrentIndex(sel->findText(QStringLiteral("Anna")));
    QVERIFY(append->isEnabled());
    append->click();
    QCOMPARE(buddies->text(), QStringLiteral("Annalisa, Anna"));
    append->click();
    QCOMPARE(buddies->text(), QStringLiteral("Annalisa, Anna"));
    buddies->setText(QString(78, QLatin1Char('z')));
    sel->setCurrentIndex(sel->findText(QStringLiteral("Bruno")));
    QVERIFY(!append->isEnabled());
    // Typing past the limit is refused; a longer text from the program stays whole.
    auto* location = child<QComboBox>(&dlg, 1044);
    location->setEditText(QString(60, QLatin1Char('L')));
    location->lineEdit()->setFocus();
    location->lineEdit()->end(false);
    QTest::keyClicks(location->lineEdit(), QStringLiteral("XY"));
    QCOMPARE(location->currentText().size(), 60);
    QTest::keyClick(location->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(location->currentText().size(), 59);
    auto* notes = child<QPlainTextEdit>(&dlg, 1097);
    notes->setFocus();
    notes->setPlainText(QString(510, QLatin1Char('n')));
    notes->moveCursor(QTextCursor::End);
    QTest::keyClicks(notes, QStringLiteral("abc"));
    QCOMPARE(notes->toPlainText().size(), 510);

    // A suit name from the list that is longer than one may type: chosen whole, and it
    // can be shortened but not grown.
    lb.suitList.add("Stagna neoprene compresso 4 mm");
    DiveRecord shortSuit = sampleDive();
    setText(shortSuit.suitDescription, "Muta");
    CDiveEditDlg second(lb, shortSuit, 1);
    auto* suitName = child<QComboBox>(&second, 1071);
    suitName->setCurrentIndex(suitName->findText(QStringLiteral("Stagna neoprene compresso 4 mm")));
    QCOMPARE(suitName->currentText().size(), 30);
    suitName->lineEdit()->setFocus();
    suitName->lineEdit()->end(false);
    QTest::keyClick(suitName->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(suitName->currentText(), QStringLiteral("Stagna neoprene compresso 4 m"));
    QTest::keyClicks(suitName->lineEdit(), QStringLiteral("mm"));
    QCOMPARE(suitName->currentText().size(), 29);
  }

  void siteListFollowsTheLocation() {
    Logbook lb;
    lb.newLogbook();
    for (auto [loc, site] : {std::pair{"Elba", "Scoglio"}, std::pair{"Elba", "Relitto"}, std::pair{"Garda", "Punta"}}) {
      DiveRecord d = makeRecord();
      d.date = dayNumber(1, 1, 2020);
      setText(d.location, loc);
      setText(d.site, site);
      QVERIFY(lb.insert(d));
    }
    lb.rebuildTotals(true);
    DiveRecord r = makeRecord();
    setText(r.location, "Garda");
    CDiveEditDlg dlg(lb, r, 0);
    dlg.show();
    auto* site = child<QComboBox>(&dlg, 1045);
    QCOMPARE(site->count(), 1);
    auto* location = child<QComboBox>(&dlg, 1044);
    location->setEditText(QStringLiteral("Elba"));
    QFocusEvent leave(QEvent::FocusOut);  // leaving the location refreshes the sites
    QApplication::sendEvent(location->lineEdit(), &leave);
    QCOMPARE(site->count(), 2);
    QCOMPARE(site->itemText(1), QStringLiteral("Relitto"));
    QCOMPARE(getText(dlg.record().location), std::string("Elba"));
  }

  void alarmsKeepTheOtherBits() {
    CAlarmsDlg dlg(0x0041);  // ascent and bit 6
    QVERIFY(child<QCheckBox>(&dlg, 1440)->isChecked());
    QVERIFY(!child<QCheckBox>(&dlg, 1443)->isChecked());
    child<QCheckBox>(&dlg, 1440)->setChecked(false);
    child<QCheckBox>(&dlg, 1443)->setChecked(true);
    QCOMPARE(dlg.flags(), uint16_t(0x0060));
    shot(&dlg, QStringLiteral("alarms"));
  }

  void commandsNewEditAndFill() {
    CKelpDoc doc;
    CMainFrame f(&doc);
    doc.logbook().assignDives(makeDemoLogbook(6, 2).dives());
    doc.logbook().rebuildTotals(true);
    doc.logbook().modified = false;
    f.refresh();

    // Edit without a change: nothing stored.
    doc.logbook().currentPosition = 3;
    const std::string before = doc.logbook().serializeLog() + doc.logbook().serializeAdd();
    onNextDialog([](QDialog* d) { d->accept(); });
    f.runCommand(cmd::EditDive);
    QVERIFY(!doc.isModified());
    QCOMPARE(doc.logbook().serializeLog() + doc.logbook().serializeAdd(), before);
    QCOMPARE(doc.undoStack()->count(), 0);  // no step for nothing

    // Edit the site: stored in place, the dive stays current.
    onNextDialog([](QDialog* d) {
      child<QCheckBox>(d, 1103)->click();  // the demo dives may be downloaded ones
      child<QComboBox>(d, 1045)->setEditText(QStringLiteral("Nuovo luogo"));
      d->accept();
    });
    f.runCommand(cmd::EditDive);
    QVERIFY(doc.isModified());
    QCOMPARE(doc.logbook().currentPosition, 3);
    QCOMPARE(getText(doc.logbook().get(3).site), std::string("Nuovo luogo"));

    // New dive: dated like the last new dive; two in a row start on the same date.
    onNextDialog([](QDialog* d) {
      child<QLineEdit>(d, 1042)->setText(QStringLiteral("2.1.1990"));
      child<QComboBox>(d, 1044)->setEditText(QStringLiteral("Lago Nuovo"));
      d->accept();
    });
    f.runCommand(cmd::NewDive);
    QCOMPARE(doc.logbook().diveCount(), 7);
    QCOMPARE(doc.logbook().currentPosition, 1);
    QCOMPARE(getText(doc.logbook().get(1).location), std::string("Lago Nuovo"));
    QString shownDate;
    onNextDialog([&shownDate](QDialog* d) {
      shownDate = child<QLineEdit>(d, 1042)->text();
      d->reject();
    });
    f.runCommand(cmd::NewDive);
    QCOMPARE(shownDate, QStringLiteral("02.01.1990"));
    QCOMPARE(doc.logbook().diveCount(), 7);

    QCOMPARE(doc.undoStack()->undoText(), QStringLiteral("Nuova immersione"));

    // Fill: "Inserisci imm" for an empty range, then a range.
    const std::string beforeFill = doc.logbook().serializeLog() + doc.logbook().serializeAdd();
    const int n2 = doc.logbook().get(2).diveNumber, n3 = doc.logbook().get(3).diveNumber;
    bool sawMessage = false;
    onNextDialog([&](QDialog* d) {
      child<QPushButton>(d, 1415)->click();
      d->accept();  // no range: stays open with the message
      sawMessage = m_answers.texts.contains(QStringLiteral("Inserisci imm")) && d->isVisible();
      child<QLineEdit>(d, 1413)->setText(QString::number(n2));
      child<QLineEdit>(d, 1414)->setText(QString::number(n3));
      child<QRadioButton>(d, 1031)->setChecked(true);
      child<QCheckBox>(d, 1095)->setChecked(true);
      shot(d, QStringLiteral("fill_dives"));
      d->accept();
    });
    f.runCommand(cmd::FillDives);
    QVERIFY(sawMessage);
    for (int p : {2, 3}) {
      QCOMPARE(waterKind(doc.logbook().get(p)), 0);
      QVERIFY(isScr(doc.logbook().get(p)));
    }
    QVERIFY(!isScr(doc.logbook().get(4)));
    // The template is kept for the rest of the run.
    QCOMPARE(fillTemplate().first, n2);
    // One step, taken back byte for byte.
    QCOMPARE(doc.undoStack()->undoText(), QStringLiteral("Crea alcune immersioni"));
    doc.undoStack()->undo();
    QCOMPARE(doc.logbook().serializeLog() + doc.logbook().serializeAdd(), beforeFill);
    doc.undoStack()->undo();
    QCOMPARE(doc.undoStack()->undoText(), QStringLiteral("Crea immersione"));
    QCOMPARE(doc.logbook().diveCount(), 6);
  }

  void fillDialogImperialAndWithoutExtendedData() {
    const Logbook lb = makeDemoLogbook(3, 1);
    settings().unitsMetric = 0;
    settings().extended = 0;
    fillTemplate() = FillTemplate{};
    fillTemplate().weight = 500;
    fillTemplate().airTemperature = 2157;
    CFillDivesDlg dlg(lb);
    QCOMPARE(fillTemplate().weight, NO_VALUE);
    QVERIFY(!child(&dlg, 1069)->isEnabled());
    QVERIFY(!child(&dlg, 1088)->isEnabled());
    QCOMPARE(child<QLineEdit>(&dlg, 1050)->text(), QStringLiteral("71"));
    QCOMPARE(dlg.collect().airTemperature, int16_t(2157));  // shown, not changed: not re-read
    shot(&dlg, QStringLiteral("fill_dives_imperial"));
    settings().extended = 1;
  }
};

QTEST_MAIN(TestDiveEditDialog)
#include "test_dive_edit_dialog.moc"
