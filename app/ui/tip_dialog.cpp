#include "app/ui/tip_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/strings.h"

namespace {
constexpr int kNoTipsFile = 108;
constexpr int kTipsReadError = 109;

// A small light bulb beside the tip.
class Bulb : public QWidget {
 public:
  explicit Bulb(QWidget* parent) : QWidget(parent) { setFixedSize(48, 64); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 100, 0), 2));
    p.setBrush(QColor(255, 236, 120));
    p.drawEllipse(QRectF(8, 6, 32, 32));
    p.setBrush(QColor(170, 170, 170));
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawRect(QRectF(17, 38, 14, 12));
    p.drawLine(17, 42, 31, 42);
    p.drawLine(17, 46, 31, 46);
  }
};
}  // namespace

TipDialog::TipDialog(QWidget* parent, const std::string& path) : QDialog(parent) {
  setObjectName(QStringLiteral("104"));
  setWindowTitle(tr("Suggerimenti"));
  auto* top = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(new Bulb(this), 0, Qt::AlignTop);
  auto* column = new QVBoxLayout;
  auto* heading = new QLabel(tr("<b>Lo sapevi che...</b>"), this);
  column->addWidget(heading);
  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("1004"));
  text_->setWordWrap(true);
  text_->setMinimumSize(360, 90);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  text_->setTextFormat(Qt::PlainText);
  column->addWidget(text_, 1);
  row->addLayout(column, 1);
  top->addLayout(row, 1);

  showNext_ = new QCheckBox(tr("Mostra al prossimo avvio"), this);
  showNext_->setObjectName(QStringLiteral("1001"));
  showNext_->setChecked(kelp::settings().tipStartUp == 0);
  auto* buttons = new QDialogButtonBox(this);
  next_ = new QPushButton(tr("Prossimo suggerimento"), this);
  next_->setObjectName(QStringLiteral("1002"));
  buttons->addButton(next_, QDialogButtonBox::ActionRole);
  buttons->addButton(QDialogButtonBox::Ok);
  connect(next_, &QPushButton::clicked, this, &TipDialog::nextTip);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(showNext_);
  bottom->addStretch();
  bottom->addWidget(buttons);
  top->addLayout(bottom);

  // The position kept in Kelp.ini is the Italian file's in every language; another language's
  // file gives the text of the same tip.
  const bool shipped = path.empty();
  if (!file_.open(shipped ? kelp::tipsFilePath(kelp::Language::Italian) : path,
                  shipped ? kelp::tipsFilePath() : std::string())) {
    text_->setText(QString::fromStdString(kelp::str(kNoTipsFile)));
    next_->setEnabled(false);
    return;
  }
  file_.start(kelp::settings());
  nextTip();
}

TipDialog::~TipDialog() {
  if (file_.isOpen()) kelp::settings().tipFilePos = file_.position();
}

bool TipDialog::showAtStartUp() { return kelp::settings().tipStartUp == 0; }

QString TipDialog::tipText() const { return text_->text(); }

void TipDialog::nextTip() {
  std::string tip;
  if (file_.next(tip))
    text_->setText(QString::fromStdString(kelp::tipToUtf8(tip)));
  else
    text_->setText(QString::fromStdString(kelp::str(kTipsReadError)));
}

void TipDialog::accept() {
  kelp::settings().tipStartUp = showNext_->isChecked() ? 0 : 1;
  if (file_.isOpen()) kelp::settings().tipFilePos = file_.position();
  QDialog::accept();
}
