// The profile plotter drawn into images: checks where curves, warning
// segments, lanes, lines and labels land, and where they must not.
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/settings.h"
#include "profile/ui/profile_plot.h"

namespace {

const QColor kBack(255, 255, 255);
const QColor kCurve(0, 0, 255);
const QColor kWarn(255, 0, 0);
const QColor kAxis(0, 128, 0);
const QColor kLabel(128, 0, 128);
const QColor kRadio(255, 160, 0);

QImage blank(int w = 300, int h = 200) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(kBack);
  return img;
}

bool isColor(const QImage& img, int x, int y, const QColor& c) {
  return img.rect().contains(x, y) && img.pixelColor(x, y) == c;
}

int countColor(const QImage& img, const QRect& r, const QColor& c) {
  int n = 0;
  const QRect rr = r.intersected(img.rect());
  for (int y = rr.top(); y <= rr.bottom(); ++y)
    for (int x = rr.left(); x <= rr.right(); ++x)
      if (img.pixelColor(x, y) == c) ++n;
  return n;
}

// Text is antialiased: count pixels that are nearer to the label colour than to
// the background and to every other colour of the tests.
int countLabel(const QImage& img, const QRect& r) {
  auto dist = [](const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
  };
  int n = 0;
  const QRect rr = r.intersected(img.rect());
  for (int y = rr.top(); y <= rr.bottom(); ++y)
    for (int x = rr.left(); x <= rr.right(); ++x) {
      const QColor c = img.pixelColor(x, y);
      const int d = dist(c, kLabel);
      if (d < dist(c, kBack) && d < dist(c, kAxis) && d < dist(c, kCurve) && d < dist(c, kWarn) &&
          d < dist(c, kRadio) && d < dist(c, Qt::black))
        ++n;
    }
  return n;
}

// Samples at constant depths (metres, positive), flags per sample.
std::vector<kelp::ProfileSample> samples(const std::vector<double>& depths,
                                         const std::vector<uint8_t>& flags = {}) {
  std::vector<kelp::ProfileSample> s(depths.size());
  std::memset(s.data(), 0, s.size() * sizeof(kelp::ProfileSample));
  for (size_t i = 0; i < depths.size(); ++i) {
    s[i].depth = static_cast<float>(-depths[i]);
    s[i].sampleFlags = i < flags.size() ? flags[i] : 0;
  }
  return s;
}

// A frame of 200 x 100 at (50, 50): x over 0..10 (20 px per sample), y over 0..20 (5 px per metre).
CProfilePlot frame() {
  CProfilePlot plot;
  plot.setFrame(kAxis, kLabel, 50, 50, 200, 100);
  plot.setMetric(true);
  plot.setRanges(0, 10, 0, 20);
  return plot;
}

}  // namespace

class TestProfilePlot : public QObject {
  Q_OBJECT
 private slots:
  void stepRuleAndLabelSpacing() {
    QCOMPARE(kelp::depthStep(9, true), 1);
    QCOMPARE(kelp::depthStep(10, true), 2);
    QCOMPARE(kelp::depthStep(19, true), 2);
    QCOMPARE(kelp::depthStep(20, true), 5);
    QCOMPARE(kelp::depthStep(49, true), 5);
    QCOMPARE(kelp::depthStep(50, true), 10);
    QCOMPARE(kelp::depthStep(6, false), 1);
    QCOMPARE(kelp::depthStep(7, false), 3);
    QCOMPARE(kelp::depthStep(29, false), 3);
    QCOMPARE(kelp::depthStep(30, false), 6);
    QCOMPARE(kelp::depthStep(59, false), 6);
    QCOMPARE(kelp::depthStep(60, false), 20);
    QCOMPARE(kelp::depthStep(149, false), 20);
    QCOMPARE(kelp::depthStep(150, false), 30);
    QCOMPARE(kelp::minuteLabelEvery(75), 1);
    QCOMPARE(kelp::minuteLabelEvery(78), 2);
    QCOMPARE(kelp::minuteLabelEvery(150), 2);
    QCOMPARE(kelp::minuteLabelEvery(153), 5);
  }

  void mapping() {
    CProfilePlot plot;
    plot.setFrame(kAxis, kLabel, 10, 20, 200, 100);
    QCOMPARE(plot.xMax(), 100.0);
    QCOMPARE(plot.yStep(), 1.0);
    plot.setRanges(0, 3, 0, 7);
    QCOMPARE(plot.map(1, 1), QPoint(10 + 66, 20 + 14));  // truncated
    plot.setRanges(5, 5, 2, 2);                           // zero spans: factor 1
    QCOMPARE(plot.map(7, 9), QPoint(17, 29));
    plot.setRanges(50, 100, 0, 100);                      // the minimum does not shift the origin
    QCOMPARE(plot.map(50, 0), QPoint(10 + 200, 20));
    plot.setFrame(kAxis, kLabel, 10, 200, 100, -100);     // upward axis on paper
    plot.setRanges(0, 10, 0, 10);
    QCOMPARE(plot.map(5, 5), QPoint(60, 150));
    QCOMPARE(plot.laneCentre(0), 190);

    kelp::DiveRecord dive{};
    dive.sampleCount = 40;
    dive.profileMaxDepth = 20.0f;
    plot.setMetric(true);
    QCOMPARE(plot.setDiveRanges(dive), 5);
    QCOMPARE(plot.yMax(), 25.0);
    QCOMPARE(plot.xMax(), 40.0);
    plot.setMetric(false);  // 20 m = 65 ft -> step 20, range 0..85
    QCOMPARE(plot.setDiveRanges(dive), 20);
    QCOMPARE(plot.yMax(), 85.0);
  }

  void warningSegmentLeavesTheWarningSample() {
    QImage img = blank();
    QPainter p(&img);
    const CProfilePlot plot = frame();
    // All at 10 m (y = 100); sample 3 has flag bit 2.
    auto s = samples({10, 10, 10, 10, 10, 10, 10}, {0, 0, 0, 0x04, 0x01, 0x20, 0});
    plot.drawSampleCurve(p, kCurve, kWarn, 1, s.data(), int(s.size()));
    p.end();
    // Segment 2->3 (x 90..110) normal, 3->4 (x 110..130) warning, 4->5 normal:
    // the decompression bit and the radio bit are not warnings.
    QVERIFY(isColor(img, 100, 100, kCurve));
    QVERIFY(isColor(img, 120, 100, kWarn));
    QVERIFY(isColor(img, 140, 100, kCurve));
    QVERIFY(isColor(img, 160, 100, kCurve));
    QCOMPARE(countColor(img, img.rect(), kWarn), countColor(img, QRect(110, 95, 21, 10), kWarn));
  }

  void deepSamplesAreClampedInvisibly() {
    QImage img = blank();
    QPainter p(&img);
    const CProfilePlot plot = frame();
    // 10 m, then 30 m (beyond the 20 m range) twice, then 10 m again; the first sample is above the surface.
    auto s = samples({-2, 10, 30, 30, 10, 10});
    plot.drawSampleCurve(p, kCurve, kWarn, 1, s.data(), int(s.size()));
    p.end();
    // Above the surface clamps to depth 0: a visible segment from (50,50) to (70,100).
    QVERIFY(isColor(img, 60, 75, kCurve));
    // Nothing is drawn towards or along the bottom edge while deep.
    QCOMPARE(countColor(img, QRect(71, 101, 38, 60), kCurve), 0);
    // Back in range: a line from the clamped point (110,150) up to (130,100).
    QVERIFY(isColor(img, 120, 125, kCurve));
    QVERIFY(isColor(img, 140, 100, kCurve));
    // Points right of the frame are clamped invisibly too.
    QImage img2 = blank();
    QPainter p2(&img2);
    CProfilePlot narrow = frame();
    narrow.setRanges(0, 3, 0, 20);  // samples 4.. lie beyond x0 + w
    auto t = samples({10, 10, 10, 10, 10, 10});
    narrow.drawSampleCurve(p2, kCurve, kWarn, 1, t.data(), int(t.size()));
    p2.end();
    QVERIFY(isColor(img2, 200, 100, kCurve));
    QCOMPARE(countColor(img2, QRect(251, 0, 49, 200), kCurve), 0);
  }

  void clipCurveMatchesSampleCurve() {
    QImage a = blank(), b = blank();
    const CProfilePlot plot = frame();
    std::vector<double> depths{-1.3, -5, -12, -25, -8, 0};
    std::vector<uint8_t> flags{0, 0x10, 0, 0, 0x02, 0};
    std::vector<double> pos;
    for (double d : depths) pos.push_back(-d);
    auto s = samples(pos, flags);
    {
      QPainter p(&a);
      plot.drawSampleCurve(p, kCurve, kWarn, 2, s.data(), int(s.size()));
    }
    {
      QPainter p(&b);
      plot.drawClipCurve(p, kCurve, kWarn, 2, depths.data(), flags.data(), int(depths.size()));
    }
    QCOMPARE(a, b);
    QVERIFY(countColor(a, a.rect(), kWarn) > 0);
  }

  void imperialCurveUsesFeet() {
    QImage img = blank();
    QPainter p(&img);
    CProfilePlot plot = frame();
    plot.setMetric(false);
    plot.setRanges(0, 10, 0, 40);  // 2.5 px per foot
    auto s = samples({3.048, 3.048, 3.048});  // 10 ft
    plot.drawSampleCurve(p, kCurve, kWarn, 1, s.data(), 3);
    p.end();
    QVERIFY(isColor(img, 80, 75, kCurve));
  }

  void warningLanes() {
    QImage img = blank();
    QPainter p(&img);
    const CProfilePlot plot = frame();  // lanes at y 60, 80, 100, 120, 140
    auto s = samples({5, 5, 5, 5, 5, 5}, {0, 0x04, 0, 0x08 | 0x20, 0x02 | 0x10, 0x04});
    plot.drawWarningLanes(p, kWarn, kRadio, 3, s.data(), int(s.size()), false);
    p.end();
    QCOMPARE(plot.laneCentre(1), 80);
    // Bit 2 on sample 1: lane 1 from x 70 to 90 only.
    QVERIFY(isColor(img, 80, 80, kWarn));
    QVERIFY(!isColor(img, 60, 80, kWarn));
    QVERIFY(!isColor(img, 100, 80, kWarn));
    // Bit 3 on sample 3: lane 0; bit 1 and bit 4 on sample 4: lanes 2 and 3.
    QVERIFY(isColor(img, 120, 60, kWarn));
    QVERIFY(isColor(img, 140, 100, kWarn));
    QVERIFY(isColor(img, 140, 120, kWarn));
    // The last sample starts no segment; the radio lane needs the five-lane flag.
    QVERIFY(!isColor(img, 160, 80, kWarn));
    QCOMPARE(countColor(img, img.rect(), kRadio), 0);

    QImage five = blank();
    QPainter p5(&five);
    plot.drawWarningLanes(p5, kWarn, kRadio, 3, s.data(), int(s.size()), true);
    p5.end();
    QVERIFY(isColor(five, 120, 140, kRadio));
    QVERIFY(!isColor(five, 100, 140, kRadio));
  }

  void decompressionLine() {
    const CProfilePlot plot = frame();
    // Set from sample 2 to the end: drawn from x 90 to the last sample at x 150.
    QImage img = blank();
    {
      QPainter p(&img);
      auto s = samples({5, 5, 5, 5, 5, 5}, {0, 0, 1, 1, 1, 1});
      plot.drawDecoLine(p, kCurve, s.data(), 6);
    }
    QVERIFY(isColor(img, 100, 50, kCurve));
    QVERIFY(isColor(img, 148, 50, kCurve));
    QVERIFY(!isColor(img, 85, 50, kCurve));
    QVERIFY(!isColor(img, 155, 50, kCurve));
    // Never set: nothing.
    QImage none = blank();
    {
      QPainter p(&none);
      auto s = samples({5, 5, 5}, {0, 0x02, 0});
      plot.drawDecoLine(p, kCurve, s.data(), 3);
    }
    QCOMPARE(countColor(none, none.rect(), kCurve), 0);
    // Cleared at sample 3, set again at 4, clear at 5: ends at the last clear sample.
    QImage again = blank();
    {
      QPainter p(&again);
      auto s = samples({5, 5, 5, 5, 5, 5, 5}, {0, 1, 1, 0, 1, 0, 1});
      plot.drawDecoLine(p, kCurve, s.data(), 7);
    }
    QVERIFY(isColor(again, 140, 50, kCurve));
    QVERIFY(!isColor(again, 165, 50, kCurve));
  }

  void decoLineFromFlagBytesMatchesSamples() {
    const CProfilePlot plot = frame();
    const std::vector<uint8_t> flags{0, 0, 1, 1, 0, 1, 0x05, 0};
    auto s = samples(std::vector<double>(flags.size(), 5.0), flags);
    QImage a = blank(), b = blank();
    {
      QPainter p(&a);
      plot.drawDecoLine(p, kCurve, s.data(), int(s.size()));
    }
    {
      QPainter p(&b);
      plot.drawDecoLine(p, kCurve, flags.data(), int(flags.size()));
    }
    QVERIFY(countColor(a, a.rect(), kCurve) > 0);
    QCOMPARE(a, b);
    const uint8_t none[] = {0, 0x02, 0x20};
    QImage c = blank();
    {
      QPainter p(&c);
      plot.drawDecoLine(p, kCurve, none, 3);
      plot.drawDecoLine(p, kCurve, static_cast<const uint8_t*>(nullptr), 3);
    }
    QCOMPARE(countColor(c, c.rect(), kCurve), 0);
  }

  // Paper with an upward y axis: the painter is flipped and h is negative. The
  // depth labels must still read upright, exactly as on the screen.
  void upwardAxisLabelsReadUprightOnFlippedPaper() {
    auto labelBox = [](const QImage& img, const QRect& r) {
      QRect box;
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
          if (countLabel(img, QRect(x, y, 1, 1))) box |= QRect(x, y, 1, 1);
      return img.copy(box);
    };
    // Screen: depth 20 labelled at py = 30 + 200 = 230 (top 8 above).
    QImage screen = blank(300, 300);
    {
      QPainter p(&screen);
      CProfilePlot plot;
      plot.setFrame(kAxis, kLabel, 60, 30, 200, 200);
      plot.setMetric(true);
      plot.setRanges(0, 10, 0, 20);
      plot.setYStep(20);
      plot.drawTimeAxes(p, 0, false);
    }
    // Paper: y up from the bottom of the image, origin 270 up, depth 20 at 70 up.
    QImage paper = blank(300, 300);
    {
      QPainter p(&paper);
      p.translate(0, 300);
      p.scale(1, -1);
      CProfilePlot plot;
      plot.setFrame(kAxis, kLabel, 60, 270, 200, -200);
      plot.setMetric(true);
      plot.setRanges(0, 10, 0, 20);
      plot.setYStep(20);
      plot.drawTimeAxes(p, 0, false);
    }
    const QImage up = labelBox(screen, QRect(0, 215, 58, 30));
    const QImage down = labelBox(paper, QRect(0, 215, 58, 30));
    QVERIFY(!up.isNull());
    QCOMPARE(down.size(), up.size());
    // Same glyphs, not mirrored (the label colour pattern matches pixel for pixel).
    int same = 0, total = 0;
    for (int y = 0; y < up.height(); ++y)
      for (int x = 0; x < up.width(); ++x) {
        const bool a = countLabel(up, QRect(x, y, 1, 1)) > 0;
        const bool b = countLabel(down, QRect(x, y, 1, 1)) > 0;
        total += a;
        same += a && b;
      }
    QVERIFY(total > 10);
    QCOMPARE(same, total);
    // On the page the label hangs around its tick (8 units above it to below it).
    QVERIFY(countLabel(paper, QRect(0, 222, 58, 16)) > 0);
    QCOMPARE(countLabel(paper, QRect(0, 200, 58, 18)), 0);
  }

  void timeAxesLabelsAndGrid() {
    // Depth 0..25 by 5 and a 25-minute dive: every depth label, every minute labelled.
    QImage img = blank(800, 300);
    {
      QPainter p(&img);
      CProfilePlot plot;
      plot.setFrame(kAxis, kLabel, 40, 30, 750, 200);
      plot.setMetric(true);
      plot.setRanges(0, 75, 0, 25);
      plot.setYStep(5);
      plot.drawTimeAxes(p, 75, false);
    }
    // Frame lines.
    QVERIFY(isColor(img, 40, 100, kAxis));
    QVERIFY(isColor(img, 300, 230, kAxis));
    // Unit name at the top left.
    QVERIFY(countLabel(img, QRect(0, 0, 40, 14)) > 0);
    // Depth labels 0, 5, ..., 25 at py = 30 + v * 8 with their ticks; none below 25.
    for (int v = 0; v <= 25; v += 5) {
      const int py = 30 + v * 8;
      QVERIFY2(countLabel(img, QRect(12, py - 8, 26, 12)) > 0, qPrintable(QString::number(v)));
      QVERIFY(isColor(img, 37, py, kAxis));
    }
    QCOMPARE(countLabel(img, QRect(0, 30 + 30 * 8 - 8, 40, 12)), 0);
    // No grid: nothing inside the frame.
    QCOMPARE(countColor(img, QRect(45, 35, 700, 190), kAxis), 0);
    // Minute ticks are 7 px, others 4 px; labels under minutes 1 and 2 (x = 70, 100).
    QVERIFY(isColor(img, 70, 235, kAxis));
    QVERIFY(!isColor(img, 80, 235, kAxis));
    QVERIFY(isColor(img, 80, 232, kAxis));
    QVERIFY(countLabel(img, QRect(64, 236, 14, 14)) > 0);
    QVERIFY(countLabel(img, QRect(94, 236, 14, 14)) > 0);
  }

  void minuteLabelSpacing() {
    // 78 ticks (26 minutes): only even minutes are labelled; 153 ticks: every fifth.
    auto labelled = [](int ticks, int minute) {
      QImage img = blank(1700, 300);
      QPainter p(&img);
      CProfilePlot plot;
      plot.setFrame(kAxis, kLabel, 40, 30, ticks * 10, 200);
      plot.setRanges(0, ticks, 0, 10);
      plot.drawTimeAxes(p, ticks, true);
      p.end();
      const int px = 40 + minute * 30;
      return countLabel(img, QRect(px - 3, 236, 10, 14)) > 0;
    };
    QVERIFY(!labelled(78, 1));
    QVERIFY(labelled(78, 2));
    QVERIFY(labelled(78, 20));
    QVERIFY(!labelled(153, 4));
    QVERIFY(labelled(153, 5));
    QVERIFY(labelled(153, 50));
  }

  void gridLinesCrossTheFrame() {
    QImage img = blank();
    {
      QPainter p(&img);
      CProfilePlot plot = frame();
      plot.setYStep(5);
      plot.drawTimeAxes(p, 10, true);
    }
    QVERIFY(isColor(img, 200, 75, kAxis));  // depth 5 across the frame
    QVERIFY(isColor(img, 110, 70, kAxis));  // minute 1 from y0 down
    QVERIFY(isColor(img, 110, 155, kAxis)); // and 7 pixels beyond the bottom
    QVERIFY(!isColor(img, 130, 70, kAxis)); // no grid for the other ticks
  }

  void laneAxesMarks() {
    QImage four = blank(), five = blank();
    const CProfilePlot plot = frame();
    {
      QPainter p(&four);
      plot.drawLaneAxes(p, 10, false);
    }
    {
      QPainter p(&five);
      plot.drawLaneAxes(p, 10, true);
    }
    for (int k = 0; k < 4; ++k) {
      QVERIFY(isColor(four, 150, plot.laneCentre(k), kAxis));
      QVERIFY(countLabel(four, QRect(0, plot.laneCentre(k) - 7, 49, 14)) > 0);
    }
    QVERIFY(!isColor(four, 150, plot.laneCentre(4), kAxis));
    QCOMPARE(countLabel(four, QRect(0, plot.laneCentre(4) - 6, 49, 10)), 0);
    QVERIFY(isColor(five, 150, plot.laneCentre(4), kAxis));
    QVERIFY(countLabel(five, QRect(0, plot.laneCentre(4) - 6, 49, 10)) > 0);
  }

  void minuteAxesAndValueCurve() {
    QImage img = blank(400, 300);
    QPainter p(&img);
    CProfilePlot plot;
    plot.setFrame(kAxis, kLabel, 42, 24, 340, 200);  // 20 px per index, 1 px per minute
    plot.setRanges(0, 17, 0, 200);
    plot.setYStep(20);
    plot.drawMinuteAxes(p, 18);
    // 250 at index 1 is above the maximum: drawn at the top edge; -50 at index 3 lies
    // below the frame and is left out, the line going on from index 2 to index 4.
    const double values[] = {100, 250, 100, 0 - 50, 100};
    plot.drawValueCurve(p, kCurve, 1, values, 5);
    p.end();
    QVERIFY(isColor(img, 200, 24, kAxis));   // 200 minutes along the top
    QVERIFY(isColor(img, 200, 124, kAxis) || isColor(img, 200, 124, kCurve));
    QVERIFY(countLabel(img, QRect(0, 16, 42, 14)) > 0);  // "200´"
    QVERIFY(countLabel(img, QRect(0, 216, 42, 14)) > 0); // "0´"
    QVERIFY(countLabel(img, QRect(36, 230, 16, 14)) > 0); // "12" below index 0
    QVERIFY(isColor(img, 52, 74, kCurve));   // index 0 -> 1 rises to the top edge
    QVERIFY(isColor(img, 62, 24, kCurve) || isColor(img, 61, 25, kCurve));
    QVERIFY(isColor(img, 102, 124, kCurve)); // index 2 -> 4 straight at 100 minutes
    QCOMPARE(countColor(img, QRect(43, 226, 340, 4), kCurve), 0);  // nothing at the bottom
  }

  void previewDrawsBackgroundDecoAndCurve() {
    kelp::DiveRecord dive{};
    dive.sampleCount = 9;
    dive.profileMaxDepth = 12.0f;
    for (int i = 1; i < 9; ++i) dive.samples[i].depth = -12.0f;
    dive.samples[0].depth = -1.3f;
    dive.samples[4].sampleFlags = 0x01 | 0x08;
    kelp::ProfileColors colors{};
    colors[kelp::kColBackground] = kelp::fromQColor(kBack);
    colors[kelp::kColProfile] = kelp::fromQColor(kCurve);
    colors[kelp::kColWarnings] = kelp::fromQColor(kWarn);
    colors[kelp::kColDecoLine] = kelp::fromQColor(kRadio);
    colors[kelp::kColLines] = kelp::fromQColor(kAxis);
    colors[kelp::kColText] = kelp::fromQColor(kLabel);
    QCOMPARE(kelp::toQColor(colors[kelp::kColProfile]), kCurve);
    kelp::settings().unitsMetric = 1;

    QImage small(200, 116, QImage::Format_RGB32);
    small.fill(Qt::black);
    {
      QPainter p(&small);
      kelp::drawProfilePreview(p, QRect(20, 10, 160, 100), dive, colors, false);
    }
    QVERIFY(isColor(small, 20, 10, kBack));
    QVERIFY(isColor(small, 19, 10, Qt::black));  // nothing outside the area
    // Frame 8/8, 144 x 84, x 0..9 (16 px), y 0..14 (6 px per metre): 12 m at y 18 + 72.
    QVERIFY(countColor(small, QRect(28, 10, 144, 100), kCurve) > 0);
    QVERIFY(isColor(small, 28 + 2 * 16 + 8, 18 + 72, kCurve));
    QVERIFY(isColor(small, 28 + 4 * 16 + 8, 18 + 72, kWarn));
    QVERIFY(isColor(small, 28 + 4 * 16 + 8, 18, kRadio));
    QCOMPARE(countLabel(small, QRect(20, 10, 160, 100)), 0);  // no axes in the small preview

    QImage big(400, 300, QImage::Format_RGB32);
    {
      QPainter p(&big);
      kelp::drawProfilePreview(p, big.rect(), dive, colors, true);
    }
    QVERIFY(countLabel(big, QRect(0, 0, 26, 300)) > 0);  // depth labels
    QVERIFY(isColor(big, 26, 100, kAxis));                      // left axis
  }
};

QTEST_MAIN(TestProfilePlot)
#include "test_profile_plot.moc"
