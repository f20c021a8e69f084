// The dialogs of the application shell: what OK stores in the settings and the
// settings file, what Cancel leaves, colour schemes, the tip of the day, and the
// start-up picture. Set KELP_SHOT_DIR to get a PNG of every dialog.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>

#include "app/ui/about_dialog.h"
#include "app/ui/color_dialogs.h"
#include "app/ui/defaults_dialog.h"
#include "app/ui/field_selection_dialog.h"
#include "app/ui/settings_dialog.h"
#include "app/ui/splash_window.h"
#include "app/ui/tip_dialog.h"
#include "app/ui/warning_dialog.h"
#include "core/ini_file.h"
#include "core/language.h"
#include "core/settings.h"
#include "core/strings.h"
#include "profile/ui/profile_plot.h"
#include "tests/ui_test_support.h"

using namespace kelp::test;

namespace {

// Closes the next modal message box (a validation message) once it shows.
void closeNextMessageBox(bool* seen) {
  QTimer::singleShot(50, [seen] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      *seen = true;
      box->accept();
    }
  });
}

}  // namespace

class TestDialogs : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;

  kelp::IniFile written() {
    kelp::IniFile ini(kelp::configFilePath("Kelp.ini"));
    ini.load();
    return ini;
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    useConfigFolder(dir_.path());
  }

  void init() {
    QFile::remove(QString::fromStdString(kelp::configFilePath("Kelp.ini")));
    kelp::settings() = kelp::Settings{};
  }

  void settingsOkStoresAndWritesAtOnce() {
    kelp::settings().comPort = 3;
    CSettingsDlg dlg;
    shot(&dlg, "settings");
    for (const char* id : {"1176", "1024", "1025", "1419", "1420", "1454", "1435", "1438", "1436",
                           "1439", "1437", "1422", "1417", "1455", "1429"})
      QVERIFY2(child(&dlg, id), id);
    QVERIFY(!child(&dlg, "1454")->isVisibleTo(&dlg));
    QVERIFY(!child(&dlg, "1429")->isVisibleTo(&dlg));
    QVERIFY(child<QRadioButton>(&dlg, "1025")->isChecked());
    QCOMPARE(child<QLineEdit>(&dlg, "1422")->text(), QStringLiteral("3"));
    child<QLineEdit>(&dlg, "1176")->setText(QStringLiteral("EUR"));
    child<QRadioButton>(&dlg, "1024")->setChecked(true);
    child<QCheckBox>(&dlg, "1419")->setChecked(false);
    child<QLineEdit>(&dlg, "1436")->setText(QStringLiteral("/usr/bin/true"));
    child<QLineEdit>(&dlg, "1437")->setText(QStringLiteral("&Calcolatrice"));
    child<QLineEdit>(&dlg, "1422")->setText(QStringLiteral("5"));
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(dlg.unitsChanged());
    const kelp::Settings& s = kelp::settings();
    QCOMPARE(s.currency, std::string("EUR"));
    QCOMPARE(s.unitsMetric, 0);
    QCOMPARE(s.extended, 0);
    QCOMPARE(s.comPort, 5);
    QCOMPARE(s.externFile, std::string("/usr/bin/true"));
    QCOMPARE(s.externName, std::string("&Calcolatrice"));
    // Written at once, not only at exit.
    const kelp::IniFile ini = written();
    QCOMPARE(ini.getInt("Ansicht", "Metrisch", 1), 0);
    QCOMPARE(ini.getString("Ansicht", "Währung"), std::string("EUR"));
    QCOMPARE(ini.getInt("Transfer", "Com"), 5);
  }

  void serialPortValidation() {
    kelp::settings().comPort = 4;
    {
      CSettingsDlg dlg;  // 0 passes validation and leaves the port alone
      child<QLineEdit>(&dlg, "1422")->setText(QStringLiteral("0"));
      dlg.accept();
      QCOMPARE(dlg.result(), int(QDialog::Accepted));
      QVERIFY(!dlg.unitsChanged());
      QCOMPARE(kelp::settings().comPort, 4);
    }
    for (const char* bad : {"9", "", "x"}) {
      CSettingsDlg dlg;  // outside 0..8: a message, the dialog stays open
      dlg.show();
      child<QLineEdit>(&dlg, "1422")->setText(QString::fromLatin1(bad));
      bool seen = false;
      closeNextMessageBox(&seen);
      dlg.accept();
      QVERIFY(seen);
      QVERIFY(dlg.isVisible());
      QCOMPARE(kelp::settings().comPort, 4);
    }
    // The spin control steps between 1 and 2 into the entry.
    CSettingsDlg dlg;
    auto* spin = child<QScrollBar>(&dlg, "1417");
    QCOMPARE(spin->minimum(), 1);
    QCOMPARE(spin->maximum(), 2);
    spin->setValue(1);
    clickSpinArrow(spin, true);  // the upper arrow counts up
    QCOMPARE(child<QLineEdit>(&dlg, "1422")->text(), QStringLiteral("2"));
    clickSpinArrow(spin, false);
    QCOMPARE(child<QLineEdit>(&dlg, "1422")->text(), QStringLiteral("1"));
  }

  void settingsLanguageIsStoredOnlyOnceChosen() {
    {
      CSettingsDlg dlg;  // OK without touching the language writes no Sprache
      auto* combo = child<QComboBox>(&dlg, "1457");
      QCOMPARE(combo->count(), 2);
      QCOMPARE(combo->currentText(), QStringLiteral("Italiano"));
      dlg.accept();
      QVERIFY(!written().has("Ansicht", "Sprache"));
    }
    CSettingsDlg dlg;
    child<QComboBox>(&dlg, "1457")->setCurrentIndex(1);
    shot(&dlg, "settings_language");
    dlg.accept();
    QCOMPARE(kelp::settings().language, std::string("en"));
    QCOMPARE(written().getString("Ansicht", "Sprache"), std::string("en"));
    QCOMPARE(kelp::language(), kelp::Language::Italian);  // from the next start on
  }

  void settingsCancelLeavesEverything() {
    CSettingsDlg dlg;
    child<QLineEdit>(&dlg, "1176")->setText(QStringLiteral("EUR"));
    dlg.reject();
    QCOMPARE(kelp::settings().currency, std::string("DM"));
    QVERIFY(!QFile::exists(QString::fromStdString(kelp::configFilePath("Kelp.ini"))));
  }

  void defaultValues() {
    kelp::settings().unitsMetric = 1;
    kelp::settings().defaults.tankSize = 1200;
    kelp::settings().defaults.diveType = (1 << kelp::kDiveDeco) | (1 << kelp::kDiveSeaWater);
    CDefaultDlg dlg;
    shot(&dlg, "defaults");
    // Shown values: 0 empty, the tank size as a volume, the three-way radio groups.
    QCOMPARE(child<QLineEdit>(&dlg, "1069")->text(), QString());
    QVERIFY(child<QLineEdit>(&dlg, "1052")->text().startsWith(QStringLiteral("12")));
    QVERIFY(child<QRadioButton>(&dlg, "1026")->isChecked());
    QVERIFY(child<QRadioButton>(&dlg, "1030")->isChecked());
    QVERIFY(child<QRadioButton>(&dlg, "1033")->isChecked());
    QCOMPARE(child<QComboBox>(&dlg, "1047")->count(), 5);
    child<QCheckBox>(&dlg, "1456")->setChecked(true);
    child<QComboBox>(&dlg, "1047")->setCurrentIndex(2);
    child<QComboBox>(&dlg, "1051")->setCurrentIndex(6);
    child<QComboBox>(&dlg, "1071")->setEditText(QStringLiteral("Semistagna 7 mm con cappuccio e calzari"));
    child<QLineEdit>(&dlg, "1052")->setText(QString());
    child<QComboBox>(&dlg, "1054")->setCurrentIndex(2);
    child<QLineEdit>(&dlg, "1069")->setText(QStringLiteral("6.5"));
    child<QRadioButton>(&dlg, "1024")->setChecked(true);
    child<QRadioButton>(&dlg, "1029")->setChecked(true);
    child<QRadioButton>(&dlg, "1032")->setChecked(true);
    dlg.accept();
    const kelp::DiveDefaults& d = kelp::settings().defaults;
    QVERIFY(d.use);
    QCOMPARE(d.altitudeClass, 2);
    QCOMPARE(d.suit, 6);
    QCOMPARE(d.suitDescription.size(), size_t(25));  // at most 25 characters
    QCOMPARE(d.tankSize, 0);                         // empty entry stores 0
    QCOMPARE(d.tankMaterial, 2);
    QCOMPARE(d.weight, 650);
    QCOMPARE(d.diveType, (1 << kelp::kDiveNoStop) | (1 << kelp::kDiveMultiAscent));
    QCOMPARE(written().getInt("Default", "Blei"), 650);
  }

  void defaultValuesImperial() {
    kelp::settings().unitsMetric = 0;
    kelp::settings().defaults.weight = 500;
    CDefaultDlg dlg;
    QCOMPARE(child<QLineEdit>(&dlg, "1069")->text(), QStringLiteral("13.4"));  // the display rule of weights
    QCOMPARE(child<QComboBox>(&dlg, "1047")->itemText(1), QStringLiteral("0 ft ... 3000 ft"));
    dlg.accept();
    QVERIFY(std::abs(kelp::settings().defaults.weight - 500) <= 1);
  }

  void fieldSelection() {
    CFieldSelectionDlg dlg;
    shot(&dlg, "fields");
    QCOMPARE(dlg.field(24)->text(), QStringLiteral("&Blei"));
    dlg.field(24)->setChecked(false);
    dlg.accept();
    QVERIFY(!kelp::settings().fieldSelection[24]);
    QVERIFY(kelp::settings().fieldSelection[0]);
    QVERIFY(!QFile::exists(QString::fromStdString(kelp::configFilePath("Kelp.ini"))));
  }

  void profileColours() {
    kelp::settings().profileColors[kelp::kColProfile] = kelp::rgb(1, 2, 3);
    {
      CProfileColorsDlg dlg;
      shot(&dlg, "colors_profile");
      QCOMPARE(dlg.selectedEntry(), int(kelp::kColProfile));
      dlg.selectEntry(kelp::kColRadio);
      QCOMPARE(dlg.selectedEntry(), int(kelp::kColRadio));
      QCOMPARE(child<QRadioButton>(&dlg, "entry7")->text(), QStringLiteral("Affanno"));
      dlg.setSelectedColor(kelp::rgb(9, 8, 7));
      dlg.reject();  // Cancel leaves the current set
    }
    QCOMPARE(kelp::settings().profileColors[kelp::kColRadio], kelp::Color(0));

    CProfileColorsDlg dlg;
    QCOMPARE(dlg.workingColor(kelp::kColProfile), kelp::rgb(1, 2, 3));
    dlg.selectEntry(kelp::kColBackground);
    dlg.setSelectedColor(kelp::rgb(200, 210, 220));
    // Save the scheme, change the working copy, load it back.
    const std::string path = dir_.filePath(QStringLiteral("schema.cst")).toStdString();
    QVERIFY(dlg.saveScheme(path));
    QCOMPARE(QFileInfo(QString::fromStdString(path)).size(), qint64(32));
    dlg.restoreDefaults();
    QCOMPARE(dlg.workingColor(kelp::kColProfile), kelp::defaultProfileColors()[kelp::kColProfile]);
    QVERIFY(dlg.loadScheme(path));
    QCOMPARE(dlg.workingColor(kelp::kColBackground), kelp::rgb(200, 210, 220));
    QCOMPARE(dlg.workingColor(kelp::kColProfile), kelp::rgb(1, 2, 3));
    // A short file changes only the colours it holds.
    const std::string shortPath = dir_.filePath(QStringLiteral("short.cst")).toStdString();
    {
      std::ofstream out(shortPath, std::ios::binary);
      const char bytes[6] = {10, 20, 30, 0, 40, 50};
      out.write(bytes, 6);
    }
    QVERIFY(dlg.loadScheme(shortPath));
    QCOMPARE(dlg.workingColor(kelp::kColProfile), kelp::rgb(10, 20, 30));
    QCOMPARE(dlg.workingColor(kelp::kColClipProfile), kelp::Color(0));  // the partial second colour
    QCOMPARE(dlg.workingColor(kelp::kColBackground), kelp::rgb(200, 210, 220));
    QVERIFY(!dlg.loadScheme(dir_.filePath(QStringLiteral("missing.cst")).toStdString()));
    dlg.accept();
    QCOMPARE(kelp::settings().profileColors[kelp::kColProfile], kelp::rgb(10, 20, 30));
    QCOMPARE(kelp::settings().profileColors[kelp::kColBackground], kelp::rgb(200, 210, 220));
    QCOMPARE(written().getInt("Color List Profil", "Hintergrund"), int(kelp::rgb(200, 210, 220)));
  }

  void noStopAndStatisticsColours() {
    {
      CNoStopColorsDlg dlg;
      dlg.restoreDefaults();
      shot(&dlg, "colors_nostop");
      QCOMPARE(child<QRadioButton>(&dlg, "entry7")->text(), QStringLiteral("Griglia"));
      dlg.selectEntry(kelp::kNsCurve3);
      dlg.setSelectedColor(kelp::rgb(0, 0, 255));
      dlg.accept();
      QCOMPARE(kelp::settings().noStopColors[kelp::kNsCurve3], kelp::rgb(0, 0, 255));
      QCOMPARE(written().getInt("Color List Nullzeiten", "Kurve3"), int(kelp::rgb(0, 0, 255)));
    }
    CStatColorsDlg dlg;
    dlg.restoreDefaults();
    shot(&dlg, "colors_stat");
    dlg.selectEntry(kelp::kStAbove);
    dlg.setSelectedColor(kelp::rgb(0, 255, 0));
    dlg.accept();
    QCOMPARE(kelp::settings().statisticsColors[kelp::kStAbove], kelp::rgb(0, 255, 0));
    QCOMPARE(written().getInt("Color List Statistik", "Überschnitt"), int(kelp::rgb(0, 255, 0)));
  }

  void defaultColoursOnlyForMissingSections() {
    kelp::IniFile ini;
    ini.parse("[Color List Profil]\nProfil=255\n");
    kelp::Settings s;
    kelp::useDefaultColorsWhenUnset(ini, s);
    QCOMPARE(s.profileColors[kelp::kColBackground], kelp::Color(0));  // the file's set stays
    QCOMPARE(s.noStopColors, kelp::defaultNoStopColors());
    QCOMPARE(s.statisticsColors, kelp::defaultStatisticsColors());
  }

  void colourPreviewUsesTheWorkingCopy() {
    CProfileColorsDlg dlg;
    dlg.resize(600, 500);
    dlg.selectEntry(kelp::kColBackground);
    dlg.setSelectedColor(kelp::rgb(0, 255, 0));
    auto* preview = child(&dlg, "preview0");
    const QImage img = preview->grab().toImage();
    QCOMPARE(img.pixelColor(2, 2), QColor(0, 255, 0));
    dlg.restoreDefaults();
    shot(&dlg, "colors_profile_defaults");
    QCOMPARE(preview->grab().toImage().pixelColor(2, 2),
             kelp::toQColor(kelp::defaultProfileColors()[kelp::kColBackground]));
  }

  void tipOfTheDay() {
    const QString path = dir_.filePath(QStringLiteral("tips.txt"));
    {
      std::ofstream out(path.toStdString(), std::ios::binary);
      out << "; tips\nPrimo suggerimento\nSecondo \xC3\xA8 accentato\n";
    }
    {
      TipDialog dlg(nullptr, path.toStdString());
      shot(&dlg, "tip");
      QCOMPARE(dlg.tipText(), QStringLiteral("Primo suggerimento"));
      QVERIFY(child<QCheckBox>(&dlg, "1001")->isChecked());
      child<QPushButton>(&dlg, "1002")->click();
      QCOMPARE(dlg.tipText(), QStringLiteral("Secondo è accentato"));
      child<QCheckBox>(&dlg, "1001")->setChecked(false);
      dlg.accept();
    }
    QCOMPARE(kelp::settings().tipStartUp, 1);
    QVERIFY(!TipDialog::showAtStartUp());
    {
      TipDialog dlg(nullptr, path.toStdString());  // continues after the last tip shown: wraps
      QCOMPARE(dlg.tipText(), QStringLiteral("Primo suggerimento"));
      QVERIFY(!child<QCheckBox>(&dlg, "1001")->isChecked());
      dlg.reject();  // closing keeps the position but not the check box
    }
    QCOMPARE(kelp::settings().tipStartUp, 1);
    {
      TipDialog dlg(nullptr, path.toStdString());
      QCOMPARE(dlg.tipText(), QStringLiteral("Secondo è accentato"));
    }
    TipDialog missing(nullptr, dir_.filePath(QStringLiteral("none.txt")).toStdString());
    QCOMPARE(missing.tipText(), QString::fromStdString(kelp::str(108)));
    QVERIFY(!child<QPushButton>(&missing, "1002")->isEnabled());
    shot(&missing, "tip_missing");
  }

  void aboutAndNotice() {
    CAboutDlg about;
    shot(&about, "about");
    QCOMPARE(about.windowTitle(), QStringLiteral("Circa Kelp"));
    QVERIFY(child<QLabel>(&about, "name")->text().contains(QStringLiteral("Version 2.03g")));
    QCOMPARE(child<QLabel>(&about, "language")->text(), QStringLiteral("Versione in lingua: Italiano"));

    kelp::settings().warnWindow = 1;
    CWarningDlg notice;
    shot(&notice, "warning");
    QVERIFY(child<QCheckBox>(&notice, "1025")->isChecked());
    child<QCheckBox>(&notice, "1025")->setChecked(false);
    notice.accept();
    QCOMPARE(kelp::settings().warnWindow, 0);
    QCOMPARE(written().getInt("Ansicht", "Warnfenster", 1), 0);
  }

  void splashClosesOnKeyAndOnTimer() {
    if (!shotDir().isEmpty()) SplashWindow::picture().save(shotDir() + "/splash.png");
    QPointer<SplashWindow> byKey = new SplashWindow;
    byKey->showCentred();
    QVERIFY(byKey->isVisible());
    QWidget other;
    other.show();
    QTest::keyClick(&other, Qt::Key_A);
    QTRY_VERIFY(byKey.isNull());  // closed and deleted

    QPointer<SplashWindow> byTime = new SplashWindow;
    byTime->showCentred();
    QTest::qWait(500);
    QVERIFY(!byTime.isNull() && byTime->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(byTime.isNull(), 3000);
  }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
