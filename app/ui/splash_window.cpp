#include "app/ui/splash_window.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimerEvent>
#include <cmath>

#include "app/ui/about_dialog.h"
#include "core/version.h"

namespace {
constexpr int kWidth = 420, kHeight = 260;
}

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("splash"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kWidth, kHeight);
  qApp->installEventFilter(this);
}

SplashWindow::~SplashWindow() {
  if (qApp) qApp->removeEventFilter(this);
}

void SplashWindow::showCentred() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect r = screen->availableGeometry();
    move(r.center() - QPoint(kWidth / 2, kHeight / 2));
  }
  show();
  timer_.start(kShowMs, this);
}

QImage SplashWindow::picture() {
  QImage img(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sea(0, 0, 0, kHeight);
  sea.setColorAt(0, QColor(60, 160, 210));
  sea.setColorAt(1, QColor(5, 30, 70));
  p.fillRect(img.rect(), sea);
  // Light rays from the surface.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 5; ++i) {
    QPainterPath ray;
    const double x = 60 + i * 80;
    ray.moveTo(x, 0);
    ray.lineTo(x + 30, 0);
    ray.lineTo(x - 20 + 15, kHeight);
    ray.lineTo(x - 60 + 15, kHeight);
    ray.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawPath(ray);
  }
  // Kelp fronds on the right.
  for (int f = 0; f < 4; ++f) {
    const double base = 300 + f * 28;
    QPainterPath stem;
    stem.moveTo(base, kHeight);
    for (int y = kHeight; y > 40 + f * 15; y -= 10)
      stem.lineTo(base + 8 * std::sin(y / 25.0 + f), y);
    p.setPen(QPen(QColor(50, 130, 40), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 160, 50, 220));
    for (int y = kHeight - 20; y > 60 + f * 15; y -= 28) {
      const double x = base + 8 * std::sin(y / 25.0 + f);
      const int side = (y / 28 + f) % 2 ? 1 : -1;
      QPainterPath leaf;
      leaf.moveTo(x, y);
      leaf.quadTo(x + side * 10, y - 14, x + side * 22, y - 10);
      leaf.quadTo(x + side * 10, y - 2, x, y);
      p.drawPath(leaf);
    }
  }
  // Bubbles.
  p.setPen(QPen(QColor(255, 255, 255, 160), 1));
  p.setBrush(Qt::NoBrush);
  const int bubbles[][3] = {{250, 200, 5}, {258, 170, 4}, {248, 140, 3}, {262, 112, 3}, {255, 90, 2}};
  for (const auto& b : bubbles) p.drawEllipse(QPoint(b[0], b[1]), b[2], b[2]);
  // Name and version.
  p.drawPixmap(28, 40, kelpIconPixmap(56));
  QFont title(QStringLiteral("Liberation Serif"));
  title.setPixelSize(54);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(96, 30, 220, 70), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromLatin1(kelp::kProductName));
  QFont small(QStringLiteral("Liberation Sans"));
  small.setPixelSize(15);
  p.setFont(small);
  p.drawText(QRect(30, 110, 300, 24), Qt::AlignLeft, tr("Logbook per subacquei"));
  p.setPen(QColor(200, 225, 240));
  p.drawText(QRect(30, 134, 300, 24), Qt::AlignLeft, QString::fromLatin1(kelp::kVersionText));
  p.setPen(QPen(QColor(255, 255, 255, 120), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(img.rect().adjusted(0, 0, -1, -1));
  return img;
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, picture());
}

void SplashWindow::timerEvent(QTimerEvent* e) {
  if (e->timerId() == timer_.timerId()) {
    timer_.stop();
    close();
  }
}

bool SplashWindow::eventFilter(QObject*, QEvent* e) {
  switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
      if (isVisible()) close();
      break;
    default:
      break;
  }
  return false;
}
