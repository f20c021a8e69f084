// The crosshair: inverted lines that a second drawing removes, and the regions a
// move asks to repaint.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "profile/ui/cross_hair.h"

class TestCrossHair : public QObject {
  Q_OBJECT
 private slots:
  void linesInvertAndASecondDrawingRestores();
  void moveRepaintsOnlyTheOldAndNewLines();
  void leavingTheRectangleRemovesTheLines();
};

void TestCrossHair::linesInvertAndASecondDrawingRestores() {
  QImage img(100, 80, QImage::Format_RGB32);
  img.fill(QColor(10, 200, 30));
  const QImage before = img.copy();
  CCrossHair c;
  c.setTrackRect(QRect(20, 10, 60, 50));
  c.moveTo(QPoint(40, 30), true);
  {
    QPainter p(&img);
    c.draw(p);
  }
  QCOMPARE(img.pixelColor(40, 12), QColor(245, 55, 225));  // vertical line, inverted
  QCOMPARE(img.pixelColor(22, 30), QColor(245, 55, 225));  // horizontal line
  QCOMPARE(img.pixelColor(40, 30), QColor(245, 55, 225));  // the crossing is inverted once
  QCOMPARE(img.pixelColor(40, 5), QColor(10, 200, 30));    // above the rectangle: untouched
  QCOMPARE(img.pixelColor(41, 12), QColor(10, 200, 30));
  {
    QPainter p(&img);
    c.draw(p);
  }
  QCOMPARE(img, before);
}

void TestCrossHair::moveRepaintsOnlyTheOldAndNewLines() {
  CCrossHair c;
  c.setTrackRect(QRect(20, 10, 60, 50));
  QRegion r = c.moveTo(QPoint(30, 20), false);
  QCOMPARE(r, QRegion(QRect(30, 10, 1, 50)));
  r = c.moveTo(QPoint(50, 25), false);
  QCOMPARE(r, QRegion(QRect(30, 10, 1, 50)) + QRegion(QRect(50, 10, 1, 50)));
  r = c.moveTo(QPoint(50, 40), true);
  QVERIFY(r.contains(QRect(20, 40, 60, 1)));
  QVERIFY(!r.contains(QPoint(21, 25)));
  QVERIFY(c.horizontalOn());
}

void TestCrossHair::leavingTheRectangleRemovesTheLines() {
  CCrossHair c;
  c.setTrackRect(QRect(20, 10, 60, 50));
  c.moveTo(QPoint(30, 20), true);
  const QRegion r = c.moveTo(QPoint(5, 5), true);
  QVERIFY(r.contains(QRect(30, 10, 1, 50)));
  QVERIFY(!c.verticalOn());
  QVERIFY(!c.horizontalOn());
  QVERIFY(c.linesRegion().isEmpty());
  QVERIFY(c.hide().isEmpty());
}

QTEST_MAIN(TestCrossHair)
#include "test_cross_hair.moc"
