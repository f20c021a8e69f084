// Every dialog and window of the program, opened one after another in the language of the run
// (English unless KELP_FIT_LANG names another, with kelp_<code>.qm loaded as the program loads it):
// no label, button, check box, radio button, group box title or column head may be wider (or,
// for a word-wrapped label, taller) than the room its control gives it. A failure names the
// dialog, the control and the text. With KELP_SHOT_DIR set, each dialog is also saved as
// <language>_<dialog>.png there, to be looked at.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionHeader>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "analysis/dive_tables.h"
#include "analysis/ui/deco_calc_dialog.h"
#include "analysis/ui/forecast_dialog.h"
#include "analysis/ui/nostop_dialog.h"
#include "analysis/ui/stat_chart_dlg.h"
#include "analysis/ui/stat_list_dlg.h"
#include "analysis/ui/stat_month_dlg.h"
#include "analysis/ui/stat_panel_dlg.h"
#include "app/command_rules.h"
#include "app/ui/color_dialogs.h"
#include "app/ui/defaults_dialog.h"
#include "app/ui/field_selection_dialog.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "app/ui/translators.h"
#include "core/language.h"
#include "core/settings.h"
#include "profile/ui/dive_edit_dialog.h"
#include "profile/ui/profile_dialogs.h"
#include "records/activity_book.h"
#include "records/address_book.h"
#include "records/equipment_book.h"
#include "records/owner_book.h"
#include "records/trip_book.h"
#include "records/ui/activity_dialog.h"
#include "records/ui/address_dialogs.h"
#include "records/ui/equipment_dialogs.h"
#include "records/ui/trip_owner_dialogs.h"
#include "tests/ui_test_support.h"
#include "transfer/ui/computer_types_dialog.h"
#include "transfer/ui/csv_export_dialog.h"
#include "transfer/ui/transfer_dialog.h"
#include "transfer/ui/transfer_prompts.h"
#include "transfer/ui/uddf_import_dialog.h"
#include "transfer/uddf_export.h"

using namespace kelp::test;

namespace {

// The language the dialogs are looked at in: English, or the one KELP_FIT_LANG names.
QString languageOfRun() {
  const QString code = qEnvironmentVariable("KELP_FIT_LANG");
  return code.isEmpty() ? QStringLiteral("en") : code;
}

QString withoutMnemonic(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return text;
}

QString nameOf(const QWidget* w) {
  QString n = QString::fromLatin1(w->metaObject()->className());
  if (!w->objectName().isEmpty()) n += QLatin1Char(' ') + w->objectName();
  return n;
}

int widestLine(const QFontMetrics& fm, const QString& text) {
  int w = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) w = std::max(w, fm.horizontalAdvance(line));
  return w;
}

// The texts of `top` and its visible children that do not fit their controls, each as
// "dialog: control 'text' needs N px, has M".
QStringList misfits(QWidget* top, const QString& dialog) {
  QStringList out;
  auto report = [&](const QWidget* w, const QString& text, int need, int have, const char* what = "px") {
    out << QStringLiteral("%1: %2 '%3' needs %4 %5, has %6")
               .arg(dialog, nameOf(w), text)
               .arg(need)
               .arg(QLatin1String(what))
               .arg(have);
  };
  QList<QWidget*> widgets = top->findChildren<QWidget*>();
  for (QWidget* w : widgets) {
    if (!w->isVisibleTo(top) || w->width() <= 0) continue;
    QStyle* style = w->style();
    if (auto* l = qobject_cast<QLabel*>(w)) {
      if (l->text().isEmpty() || Qt::mightBeRichText(l->text()) || l->textFormat() == Qt::RichText) continue;
      const QString text = l->buddy() ? withoutMnemonic(l->text()) : l->text();
      const QFontMetrics fm(l->font());
      int room = l->contentsRect().width() - 2 * l->margin();
      if (l->indent() > 0) room -= l->indent();
      else if (l->indent() < 0 && l->frameWidth() > 0) room -= fm.horizontalAdvance(QLatin1Char('x')) / 2;
      if (l->wordWrap()) {
        int longestWord = 0;
        for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
          longestWord = std::max(longestWord, fm.horizontalAdvance(word));
        if (longestWord > room) report(l, text, longestWord, room);
        const int needH = l->heightForWidth(l->width());
        if (needH > l->height()) report(l, text, needH, l->height(), "px high");
      } else {
        const int need = widestLine(fm, text);
        if (need > room) report(l, text, need, room);
      }
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      if (b->text().isEmpty()) continue;
      const QString text = withoutMnemonic(b->text());
      if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b)) {
        // the indicator, its spacing, the icon and the text: exactly what the size hint holds
        if (b->sizeHint().width() > b->width()) report(b, text, b->sizeHint().width(), b->width());
      } else if (auto* t = qobject_cast<QToolButton*>(b)) {
        if (t->toolButtonStyle() != Qt::ToolButtonIconOnly && t->sizeHint().width() > t->width())
          report(t, text, t->sizeHint().width(), t->width());
      } else {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        int need = b->fontMetrics().horizontalAdvance(text);
        if (!b->icon().isNull()) need += b->iconSize().width() + 4;
        if (need > contents.width()) report(b, text, need, contents.width());
      }
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      if (g->title().isEmpty()) continue;
      QStyleOptionGroupBox opt;
      opt.initFrom(g);
      opt.text = g->title();
      opt.lineWidth = 1;
      opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
      if (g->isCheckable()) opt.subControls |= QStyle::SC_GroupBoxCheckBox;
      const QRect label = style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
      if (label.right() >= g->width()) report(g, withoutMnemonic(g->title()), label.right() + 1, g->width());
    } else if (auto* h = qobject_cast<QHeaderView*>(w)) {
      if (!h->model()) continue;
      const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
      const int arrow = style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, h);
      for (int i = 0; i < h->count(); ++i) {
        if (h->isSectionHidden(i) || h->sectionSize(i) <= 0) continue;
        const QString text = h->model()->headerData(i, h->orientation(), Qt::DisplayRole).toString();
        if (text.isEmpty()) continue;
        QFont f = h->font();
        if (h->highlightSections()) f.setBold(true);  // the head of a selected column is bold
        int need = QFontMetrics(f).horizontalAdvance(text) + 2 * margin;
        if (h->isSortIndicatorShown() && h->sortIndicatorSection() == i) need += arrow + margin;
        if (need > h->sectionSize(i))
          out << QStringLiteral("%1: %2 column %3 '%4' needs %5 px, has %6")
                     .arg(dialog, nameOf(h))
                     .arg(i)
                     .arg(text)
                     .arg(need)
                     .arg(h->sectionSize(i));
      }
    }
  }
  return out;
}

bool ours(const QWidget* w) { return !QString::fromLatin1(w->metaObject()->className()).startsWith(QLatin1Char('Q')); }

}  // namespace

class TestTextsFit : public QObject {
  Q_OBJECT
  QTemporaryDir m_dir;
  MessageAnswers m_answers;
  QString m_demo;
  QStringList m_misfits;
  QSet<QString> m_shots;
  QStringList m_seen;

  // Lays out `w` as it is shown, checks its texts and saves its picture once per name.
  void look(QWidget* w, const QString& name) {
    if (w->layout()) w->layout()->activate();
    QApplication::processEvents();
    m_misfits << misfits(w, name);
    m_seen << name;
    if (m_shots.contains(name) || shotDir().isEmpty()) return;
    m_shots.insert(name);
    w->grab().save(QDir(shotDir()).filePath(languageOfRun() + QLatin1Char('_') + name + QStringLiteral(".png")));
  }

  // Shows a dialog built by the test, looks at it and closes it.
  void lookAt(QDialog* d, const QString& name) {
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    look(d, name);
    d->reject();
    delete d;
  }

  void verifyNoMisfits() {
    const QStringList found = m_misfits;
    m_misfits.clear();
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("\n") + found.join(QLatin1Char('\n'))));
  }

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    QDir::setCurrent(m_dir.path());
    loadSettingsFrom(m_dir.filePath(QStringLiteral("config")));
    const auto language = kelp::languageFromCode(languageOfRun().toStdString());
    QVERIFY(language);
    kelp::setLanguage(*language);
    QVERIFY(kelp::ui::installTranslators(languageOfRun(), {QStringLiteral(KELP_TRANSLATIONS_DIR)}));
    m_answers.install();
    m_demo = writeDemoLogbook(m_dir.filePath(QStringLiteral("demo.log")), 40, 3);
    QVERIFY(!m_demo.isEmpty());
    // Files asked for: a CSV file to export to; nothing to import.
    fileChoiceHook() = [this](QWidget*, const FileChoice& c) {
      return c.save ? m_dir.filePath(QStringLiteral("out.") + c.suffix) : QString();
    };
    kelp::setDiveTablesPath(
        (std::filesystem::path(KELP_TEST_DATA_DIR).parent_path().parent_path() / "data" / "dive_tables.txt").string());
    if (!shotDir().isEmpty()) QDir().mkpath(shotDir());
  }

  void theEnglishTranslationIsLoaded() {
    if (languageOfRun() != QLatin1String("en")) QSKIP("the run is not in English");
    QCOMPARE(QCoreApplication::translate("CTransferDlg", "Trasferisci immersioni"), QStringLiteral("Transfer dives"));
  }

  // The check itself: a control too narrow for its text is named with the text, one that
  // is wide enough is not, and a word-wrapped label counts by its height.
  void theCheckNamesEveryCutText() {
    QDialog d;
    auto* layout = new QVBoxLayout(&d);
    auto* fixed = [&](QWidget* w, int width) {
      w->setFixedWidth(width);
      layout->addWidget(w);
      return w;
    }(new QLabel(QStringLiteral("A label much too long for forty pixels")), 40);
    fixed->setObjectName(QStringLiteral("1001"));
    auto* button = new QPushButton(QStringLiteral("&A button much too long"));
    button->setFixedWidth(50);
    layout->addWidget(button);
    auto* check = new QCheckBox(QStringLiteral("A check box much too long"));
    check->setFixedWidth(60);
    layout->addWidget(check);
    auto* group = new QGroupBox(QStringLiteral("A group title much too long"));
    group->setFixedWidth(50);
    layout->addWidget(group);
    auto* wrapped = new QLabel(QStringLiteral("Several short words that wrap onto many lines"));
    wrapped->setWordWrap(true);
    wrapped->setFixedSize(120, 18);
    layout->addWidget(wrapped);
    auto* fits = new QPushButton(QStringLiteral("OK"));
    layout->addWidget(fits);
    auto* tree = new QTreeWidget;
    tree->setHeaderLabels({QStringLiteral("A long column head"), QStringLiteral("B")});
    tree->setColumnWidth(0, 30);
    layout->addWidget(tree);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    const QString found = misfits(&d, QStringLiteral("Probe")).join(QLatin1Char('\n'));
    for (const char* text : {"QLabel 1001 'A label much too long", "QPushButton 'A button much too long'",
                             "QCheckBox 'A check box much too long'", "QGroupBox 'A group title much too long'",
                             "'Several short words that wrap onto many lines' needs", "column 0 'A long column head'"})
      QVERIFY2(found.contains(QLatin1String(text)), qPrintable(QStringLiteral("%1 not in:\n%2").arg(QLatin1String(text), found)));
    QVERIFY2(found.startsWith(QStringLiteral("Probe: ")), qPrintable(found));
    QVERIFY(!found.contains(QStringLiteral("'OK'")));
    QVERIFY(!found.contains(QStringLiteral("column 1")));
  }

  // The main window, then each command of the menus with every dialog it opens in turn.
  void theMainWindowAndEveryCommandsDialogs() {
    auto* doc = new CKelpDoc;
    auto* frame = new CMainFrame(doc);
    QVERIFY(doc->openFile(m_demo));
    doc->logbook().currentPosition = 20;
    frame->resize(1024, 768);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    look(frame, QStringLiteral("CMainFrame"));

    // Each of our dialogs is looked at once it is open, then cancelled; Qt's own dialogs
    // (file choice, printer) are cancelled unseen.
    QSet<QDialog*> handled;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
      auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!d || !d->isVisible() || handled.contains(d)) return;
      handled.insert(d);
      if (ours(d)) look(d, QString::fromLatin1(d->metaObject()->className()));
      d->reject();
    });
    poll.start(10);
    for (const kelp::CommandInfo& c : kelp::commandTable()) {
      if (c.id == kelp::cmd::Exit || c.id == kelp::cmd::ExternalApp || c.id == kelp::cmd::RecentFiles ||
          c.id == kelp::cmd::FileNew || c.id == kelp::cmd::FileOpen || c.id == kelp::cmd::ReloadFile)
        continue;
      frame->updateCommands();
      if (!frame->action(c.id) || !frame->action(c.id)->isEnabled()) continue;
      frame->runCommand(c.id);
      QTest::qWait(20);
      // windows a command leaves open beside the main window
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == frame || !w->isVisible() || !ours(w)) continue;
        look(w, QString::fromLatin1(w->metaObject()->className()));
        w->close();
      }
      handled.clear();
    }
    poll.stop();
    delete frame;
    delete doc;
    qInfo("looked at: %s", qPrintable(QStringList(QSet<QString>(m_seen.begin(), m_seen.end()).values()).join(QLatin1Char(' '))));
    verifyNoMisfits();
  }

  // Dialogs no menu command opens directly, and those that need hardware or a chosen entry.
  void theDialogsBehindOtherDialogs() {
    CKelpDoc doc;
    QVERIFY(doc.openFile(m_demo));
    kelp::Logbook& lb = doc.logbook();
    lookAt(new CTransferDlg(doc), QStringLiteral("CTransferDlg"));
    lookAt(new CComputerTypeDlg(kelp::ComputerModel{}, {}), QStringLiteral("CComputerTypeDlg"));
    lookAt(new CComputerTypesDlg(lb), QStringLiteral("CComputerTypesDlg"));
    lookAt(new CComputersDlg, QStringLiteral("CComputersDlg"));
    lookAt(new CCsvExportDlg(lb, m_dir.filePath(QStringLiteral("dives.csv"))), QStringLiteral("CCsvExportDlg"));
    lookAt(new CDecoCalcDlg(lb), QStringLiteral("CDecoCalcDlg"));
    lookAt(new CNoStopTableDlg, QStringLiteral("CNoStopTableDlg"));
    lookAt(new CForecastDlg(lb), QStringLiteral("CForecastDlg"));
    lookAt(new CDivesPerMonthDlg(lb), QStringLiteral("CDivesPerMonthDlg"));
    lookAt(new CStatPanelDlg(lb), QStringLiteral("CStatPanelDlg"));
    StatChartState state;
    for (int chart = 0; chart < kelp::kStatChartCount; ++chart) {
      state = StatChartState{};
      lookAt(new CStatChartDlg(chart, lb, state), QStringLiteral("CStatChartDlg_%1").arg(chart));
    }
    lookAt(new CStatListDlg(CStatListDlg::Locations, lb), QStringLiteral("CStatListDlg_locations"));
    lookAt(new CStatListDlg(CStatListDlg::Buddies, lb), QStringLiteral("CStatListDlg_buddies"));
    lookAt(new CAddressDlg(nullptr, kelp::makeAddress()), QStringLiteral("CAddressDlg"));
    lookAt(new CEquipmentItemDlg(nullptr, kelp::makeEquipmentItem()), QStringLiteral("CEquipmentItemDlg"));
    lookAt(new CEquipmentCostDlg(nullptr, {kelp::makeEquipmentItem()}), QStringLiteral("CEquipmentCostDlg"));
    const std::string book = m_dir.filePath(QStringLiteral("book")).toStdString();
    lookAt(new CAddressBookDlg(nullptr, book, {kelp::makeAddress()}), QStringLiteral("CAddressBookDlg"));
    lookAt(new CEquipmentDlg(nullptr, book, {kelp::makeEquipmentItem()}), QStringLiteral("CEquipmentDlg"));
    lookAt(new CActivityDlg(nullptr, book, {kelp::makeNewActivity()}), QStringLiteral("CActivityDlg"));
    lookAt(new CDefaultDlg, QStringLiteral("CDefaultDlg"));
    lookAt(new CFieldSelectionDlg, QStringLiteral("CFieldSelectionDlg"));
    lookAt(new CProfileColorsDlg, QStringLiteral("CProfileColorsDlg"));
    lookAt(new CNoStopColorsDlg, QStringLiteral("CNoStopColorsDlg"));
    lookAt(new CStatColorsDlg, QStringLiteral("CStatColorsDlg"));
    lookAt(new CAlarmsDlg(0xffff), QStringLiteral("CAlarmsDlg"));
    lookAt(new CProfileCreateDlg(doc), QStringLiteral("CProfileCreateDlg"));
    // the import dialog once it has read a file of the demo dives
    const QString uddf = m_dir.filePath(QStringLiteral("demo.uddf"));
    QVERIFY(kelp::exportUddf(lb, uddf.toStdString(), kelp::UddfOptions{}).ok);
    auto* import = new CUddfImportDlg(doc, uddf);
    import->start();
    QTRY_VERIFY_WITH_TIMEOUT(!import->reading(), 20000);
    QVERIFY(import->readOk());
    lookAt(import, QStringLiteral("CUddfImportDlg"));
    verifyNoMisfits();
  }
};

int main(int argc, char** argv) {
  // The run's language before anything reads it, whatever the test environment chose.
  qputenv("KELP_LANG", languageOfRun().toUtf8());
  QApplication app(argc, argv);
  TestTextsFit t;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&t, argc, argv);
}
#include "test_texts_fit.moc"
