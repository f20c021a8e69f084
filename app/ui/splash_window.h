#pragma once
// The start-up picture: a borderless window centred on the screen, closed after
// 1500 ms or by any key or mouse button pressed in the application.
#include <QBasicTimer>
#include <QWidget>

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kShowMs = 1500;
  explicit SplashWindow(QWidget* parent = nullptr);
  ~SplashWindow() override;
  // Shows the picture centred and starts the timer.
  void showCentred();
  // The picture itself (also used by tests and the about box).
  static QImage picture();

 protected:
  void paintEvent(QPaintEvent*) override;
  void timerEvent(QTimerEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QBasicTimer timer_;
};
