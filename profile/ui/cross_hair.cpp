#include "profile/ui/cross_hair.h"

#include <QPainter>

void CCrossHair::setTrackRect(const QRect& r) {
  m_rect = r;
  m_vertical = m_horizontal = false;
}

QRegion CCrossHair::linesRegion() const {
  QRegion r;
  if (m_vertical) r += QRect(m_pos.x(), m_rect.top(), 1, m_rect.height());
  if (m_horizontal) r += QRect(m_rect.left(), m_pos.y(), m_rect.width(), 1);
  return r;
}

QRegion CCrossHair::moveTo(const QPoint& p, bool horizontal) {
  QRegion dirty = linesRegion();
  if (!m_rect.contains(p)) {
    m_vertical = m_horizontal = false;
    return dirty;
  }
  m_pos = p;
  m_vertical = true;
  m_horizontal = horizontal;
  return dirty + linesRegion();
}

QRegion CCrossHair::hide() {
  QRegion dirty = linesRegion();
  m_vertical = m_horizontal = false;
  return dirty;
}

void CCrossHair::draw(QPainter& p) const {
  if (!m_vertical && !m_horizontal) return;
  p.save();
  // White XOR the pixel inverts its colour; drawing twice gives the pixel back.
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setRenderHint(QPainter::Antialiasing, false);
  for (const QRect& r : linesRegion()) p.fillRect(r, Qt::white);
  p.restore();
}
