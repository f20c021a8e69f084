#include "app/ui/about_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/strings.h"
#include "core/version.h"

namespace {
constexpr int kLanguageName = 62764;
}

QPixmap kelpIconPixmap(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  QRadialGradient sea(32, 20, 40);
  sea.setColorAt(0, QColor(70, 170, 220));
  sea.setColorAt(1, QColor(10, 60, 120));
  p.setPen(Qt::NoPen);
  p.setBrush(sea);
  p.drawEllipse(QRectF(2, 2, 60, 60));
  QPainterPath stem;
  stem.moveTo(30, 60);
  stem.cubicTo(22, 44, 40, 30, 30, 8);
  p.setPen(QPen(QColor(60, 150, 50), 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(stem);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 180, 60));
  const QPointF leaves[][2] = {{{29, 48}, {16, 40}}, {{31, 38}, {46, 32}}, {{30, 26}, {18, 18}}, {{31, 16}, {42, 10}}};
  for (const auto& l : leaves) {
    QPainterPath leaf;
    leaf.moveTo(l[0]);
    const QPointF mid = (l[0] + l[1]) / 2;
    leaf.quadTo(mid + QPointF(0, -5), l[1]);
    leaf.quadTo(mid + QPointF(0, 5), l[0]);
    p.drawPath(leaf);
  }
  return pm;
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("100"));
  setWindowTitle(tr("Circa Kelp"));
  auto* top = new QHBoxLayout(this);
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("icon"));
  icon->setPixmap(kelpIconPixmap(48));
  top->addWidget(icon, 0, Qt::AlignTop);
  auto* column = new QVBoxLayout;
  auto* name = new QLabel(QStringLiteral("%1 %2").arg(QString::fromLatin1(kelp::kProductName),
                                                       QString::fromLatin1(kelp::kVersionText)),
                          this);
  name->setObjectName(QStringLiteral("name"));
  column->addWidget(name);
  auto* language = new QLabel(tr("Versione in lingua: %1")
                                  .arg(QString::fromStdString(kelp::str(kLanguageName))),
                              this);
  language->setObjectName(QStringLiteral("language"));
  column->addWidget(language);
  column->addWidget(new QLabel(tr("Il logbook delle tue immersioni."), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  column->addWidget(buttons);
  top->addLayout(column, 1);
}
