#include "app/ui/spin_bar.h"

#include <QEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

// The wheel turned up gives the next value, one step a notch.
class WheelToSteps : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::Wheel) return false;
    auto* spin = static_cast<QScrollBar*>(watched);
    const QPoint d = static_cast<QWheelEvent*>(e)->angleDelta();
    notches_ += d.y() != 0 ? d.y() : d.x();
    const int steps = notches_ / 120;
    notches_ -= steps * 120;
    if (steps) spin->setValue(spin->value() + steps * spin->singleStep());
    e->accept();
    return true;
  }

 private:
  int notches_ = 0;
};

}  // namespace

QScrollBar* makeSpinBar(QWidget* parent, int id) {
  auto* spin = new QScrollBar(Qt::Vertical, parent);
  spin->setObjectName(QString::number(id));
  // A scroll bar counts up downwards; a spin counts up with its upper arrow and the Up key.
  // The arrows are turned round here, before the new position becomes the value (the keys
  // follow invertedControls).
  spin->setInvertedControls(true);
  QObject::connect(spin, &QAbstractSlider::actionTriggered, spin, [spin](int action) {
    const int v = spin->value();
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd: spin->setSliderPosition(v - spin->singleStep()); break;
      case QAbstractSlider::SliderSingleStepSub: spin->setSliderPosition(v + spin->singleStep()); break;
      case QAbstractSlider::SliderPageStepAdd: spin->setSliderPosition(v - spin->pageStep()); break;
      case QAbstractSlider::SliderPageStepSub: spin->setSliderPosition(v + spin->pageStep()); break;
      default: break;
    }
  });
  spin->installEventFilter(new WheelToSteps(spin));
  return spin;
}
