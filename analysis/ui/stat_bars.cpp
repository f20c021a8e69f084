#include "analysis/ui/stat_bars.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kStrip = 3;

// Width of a value on the scale, clipped to the client width; 0 for a scale of 0.
int barWidth(const QRect& client, float value, float scale) {
  if (scale == 0 || !(value > 0)) return 0;
  const double w = static_cast<double>(value) * client.width() / scale;
  return static_cast<int>(std::min<double>(w, client.width()));
}

void fill(QPainter& p, const QRect& client, int top, int height, float value, float scale, const QColor& c) {
  const int w = barWidth(client, value, scale);
  if (w > 0 && height > 0) p.fillRect(QRect(client.left(), top, w, height), c);
}

// Main bar shortened by one strip per value, then the strips in order.
void stripedBar(QPainter& p, const QRect& client, float value, float scale, const QColor& color,
                const float* strips, const QColor* stripColors, int n) {
  int shown = 0;
  for (int i = 0; i < n; ++i)
    if (strips[i] != 0) ++shown;
  const int mainHeight = std::max(0, client.height() - kStrip * shown);
  fill(p, client, client.top(), mainHeight, value, scale, color);
  int y = client.top() + mainHeight;
  for (int i = 0; i < n; ++i) {
    if (strips[i] == 0) continue;
    fill(p, client, y, kStrip, strips[i], scale, stripColors[i]);
    y += kStrip;
  }
}

}  // namespace

QColor statColor(const kelp::StatisticsColors& c, int index) {
  const kelp::Color v = c[static_cast<size_t>(index)];
  return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

void DrawWaterBar(QPainter& p, const QRect& client, float fresh, float sea, float chamber, float scale,
                  const kelp::StatisticsColors& colors) {
  if (scale == 0) return;
  fill(p, client, client.top(), client.height(), fresh + sea + chamber, scale, statColor(colors, kelp::kStFresh));
  fill(p, client, client.top(), client.height(), sea + chamber, scale, statColor(colors, kelp::kStSea));
  if (chamber != 0)
    fill(p, client, client.top(), client.height(), chamber, scale, statColor(colors, kelp::kStChamber));
}

void DrawSwatch(QPainter& p, const QRect& client, float value, float scale, const QColor& color) {
  fill(p, client, client.top(), client.height(), value, scale, color);
}

void DrawValueBar(QPainter& p, const QRect& client, float value, float fresh, float sea, float scale,
                  const QColor& color, const kelp::StatisticsColors& colors) {
  if (scale == 0) return;
  const float strips[2] = {fresh, sea};
  const QColor stripColors[2] = {statColor(colors, kelp::kStFresh), statColor(colors, kelp::kStSea)};
  stripedBar(p, client, value, scale, color, strips, stripColors, 2);
}

void DrawValueBar4(QPainter& p, const QRect& client, float value, float fresh, float sea, float chamber,
                   float scale, const QColor& color, const kelp::StatisticsColors& colors) {
  if (scale == 0) return;
  const int nonZero = (fresh != 0) + (sea != 0) + (chamber != 0);
  if (nonZero < 2) {
    fill(p, client, client.top(), client.height(), value, scale, color);
    return;
  }
  const float strips[3] = {fresh, sea, chamber};
  const QColor stripColors[3] = {statColor(colors, kelp::kStFresh), statColor(colors, kelp::kStSea),
                                 statColor(colors, kelp::kStChamber)};
  stripedBar(p, client, value, scale, color, strips, stripColors, 3);
}

CStatSwatch::CStatSwatch(int colorIndex, QWidget* parent) : QWidget(parent), index_(colorIndex) {
  setMinimumSize(30, 12);
}

void CStatSwatch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawSwatch(p, rect(), 10, 10, statColor(kelp::settings().statisticsColors, index_));
}
