#pragma once
// Helpers of the Qt Test programs: controls found by their id, pictures of what a test shows,
// the next modal dialog worked on once it is open, the program's message boxes answered, a
// private config folder, and the text of printed PDF files.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/ui/kelp_doc.h"
#include "core/demo_logbook.h"
#include "core/ini_file.h"
#include "core/settings.h"

namespace kelp::test {

// The control whose objectName is `id` (its control id), or null with a warning.
template <class T = QWidget>
T* child(QObject* parent, const QString& id) {
  T* c = parent->findChild<T*>(id);
  if (!c) qWarning("missing control %s", qPrintable(id));
  return c;
}
template <class T = QWidget>
T* child(QObject* parent, const char* id) {
  return child<T>(parent, QString::fromLatin1(id));
}
template <class T = QWidget>
T* child(QObject* parent, int id) {
  return child<T>(parent, QString::number(id));
}

// The folder KELP_SHOT_DIR names, where the tests leave pictures and PDFs to look at; empty
// when it is not set.
inline QString shotDir() { return qEnvironmentVariable("KELP_SHOT_DIR"); }

// Shows `w` and saves a picture of it as <name>.png in the shot folder (nothing without one).
inline void shot(QWidget* w, const QString& name) {
  const QString dir = shotDir();
  if (dir.isEmpty()) return;
  w->show();
  QApplication::processEvents();
  w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Runs `work` on the next modal dialog (other than `except`) once it is open. A dialog that
// `work` leaves open, because a check inside failed, is closed so that the test goes on.
inline void onNextDialog(std::function<void(QDialog*)> work, QWidget* except = nullptr) {
  QTimer::singleShot(0, [work, except] {
    for (int tries = 0; tries < 400; ++tries) {
      auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (d && d != except) {
        const QPointer<QDialog> open(d);
        work(d);
        if (open && open->isVisible()) open->reject();
        return;
      }
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
  });
}

// Answers the program's message boxes and questions (uiPrompts().message) and keeps what
// they said. The answers in `queue` come first; then Yes where a box offers it, else Ok. With
// `okOnly` every box is answered Ok, so that a Yes/No question counts as not answered Yes.
struct MessageAnswers {
  QList<int> queue;
  QStringList texts;
  bool okOnly = false;

  void install() {
    uiPrompts().message = [this](QWidget*, QMessageBox::Icon, const QString& text,
                                 QMessageBox::StandardButtons buttons) {
      texts << text;
      if (!queue.isEmpty()) return queue.takeFirst();
      if (okOnly || !(buttons & QMessageBox::Yes)) return int(QMessageBox::Ok);
      return int(QMessageBox::Yes);
    };
  }
  void clear() {
    queue.clear();
    texts.clear();
  }
};

// Makes `folder` (made when missing) the config folder, where Kelp.ini and Ctyp.ini are read
// and written.
inline void useConfigFolder(const QString& folder) {
  QDir().mkpath(folder);
  qputenv("KELP_CONFIG_DIR", folder.toUtf8());
  settingsFile().setPath(configFilePath("Kelp.ini"));
}

// The same, and reads the settings from there as the program does when it starts on a
// 1024 x 768 screen.
inline void loadSettingsFrom(const QString& folder) {
  useConfigFolder(folder);
  loadAllSettings(1024, 768);
}

// Saves a demo logbook of `dives` dives at `path`: the path, or empty when it could not be saved.
inline QString writeDemoLogbook(const QString& path, int dives, unsigned seed) {
  return makeDemoLogbook(dives, seed).saveFile(path.toStdString()).ok ? path : QString();
}

// What pdftotext reads from a PDF file, in its layout: one page, or every page with 0.
inline QString pdfText(const QString& pdf, int page = 0) {
  QStringList args{QStringLiteral("-layout")};
  if (page > 0)
    args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
  QProcess p;
  p.start(QStringLiteral("pdftotext"), args << pdf << QStringLiteral("-"));
  if (!p.waitForFinished(30000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// What pdfinfo says about a PDF file (its page count, page size...).
inline QString pdfInfo(const QString& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdfinfo"), {pdf});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The pages of a PDF file; -1 when pdfinfo cannot tell.
inline int pdfPages(const QString& pdf) {
  const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(pdfInfo(pdf));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Clicks the upper (`up`) or the lower arrow of a spin bar where the style draws it.
inline void clickSpinArrow(QScrollBar* spin, bool up) {
  QStyleOptionSlider opt;
  opt.initFrom(spin);
  opt.orientation = Qt::Vertical;
  opt.minimum = spin->minimum();
  opt.maximum = spin->maximum();
  opt.sliderPosition = opt.sliderValue = spin->value();
  opt.singleStep = spin->singleStep();
  opt.pageStep = spin->pageStep();
  opt.upsideDown = spin->invertedAppearance();
  opt.subControls = QStyle::SC_All;
  const QRect upper =
      spin->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSubLine, spin);
  const QRect lower =
      spin->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarAddLine, spin);
  QVERIFY(upper.center().y() < lower.center().y());
  QTest::mouseClick(spin, Qt::LeftButton, {}, (up ? upper : lower).center());
}

}  // namespace kelp::test
