#pragma once
// The crosshair over a drawn profile: a vertical line through the whole tracking
// rectangle at the mouse x and, when asked for, a horizontal one at the mouse y.
// Its lines are drawn by inverting the pixels under them, so the picture below never
// has to be drawn again: a widget that keeps its picture in a pixmap repaints only the
// region a move returns.
//
// Use in a widget:
//   void mouseMoveEvent(QMouseEvent* e) { update(m_cross.moveTo(e->pos(), horizontalOn)); }
//   void leaveEvent(QEvent*)             { update(m_cross.hide()); }
//   void paintEvent(QPaintEvent* e) {
//     QPainter p(this);
//     p.drawPixmap(e->rect(), m_picture, e->rect());
//     m_cross.draw(p);
//   }
#include <QPoint>
#include <QRect>
#include <QRegion>

class QPainter;

class CCrossHair {
 public:
  // The rectangle the lines span and the mouse is tracked in; hides the lines.
  void setTrackRect(const QRect& r);
  QRect trackRect() const { return m_rect; }
  bool contains(const QPoint& p) const { return m_rect.contains(p); }

  // Moves the lines to p. Outside the tracking rectangle the lines are removed. Returns
  // the region whose pixels change (the old lines and the new ones).
  QRegion moveTo(const QPoint& p, bool horizontal);
  // Removes the lines; returns the region to repaint.
  QRegion hide();

  // Inverts the pixels under the lines that are on (call after the picture is drawn).
  void draw(QPainter& p) const;

  bool verticalOn() const { return m_vertical; }
  bool horizontalOn() const { return m_horizontal; }
  QPoint position() const { return m_pos; }  // the last position drawn
  // The pixels the lines cover (empty when none is on).
  QRegion linesRegion() const;

 private:
  QRect m_rect;
  QPoint m_pos;
  bool m_vertical = false;
  bool m_horizontal = false;
};
