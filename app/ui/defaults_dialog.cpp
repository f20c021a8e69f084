#include "app/ui/defaults_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/string_list.h"
#include "core/texts.h"

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

// A group of three radio buttons (lower bit, upper bit, neither) over one three-way pair.
QButtonGroup* threeWay(QWidget* owner, QVBoxLayout* into, const char* title, const int ids[3],
                       const char* const labels[3], int value) {
  auto* box = new QGroupBox(QCoreApplication::translate("CDefaultDlg", title), owner);
  auto* row = new QHBoxLayout(box);
  auto* group = new QButtonGroup(owner);
  for (int k = 0; k < 3; ++k) {
    auto* radio = new QRadioButton(QCoreApplication::translate("CDefaultDlg", labels[k]), box);
    radio->setObjectName(QString::number(ids[k]));
    group->addButton(radio, k);
    row->addWidget(radio);
  }
  group->button(value >= 0 && value <= 2 ? value : 2)->setChecked(true);
  into->addWidget(box);
  return group;
}

}  // namespace

CDefaultDlg::CDefaultDlg(QWidget* parent, const kelp::StringList* suits) : QDialog(parent) {
  setObjectName(QStringLiteral("215"));
  setWindowTitle(tr("Default"));
  const kelp::DiveDefaults& d = kelp::settings().defaults;
  auto* top = new QVBoxLayout(this);

  use_ = new QCheckBox(tr("&Usare"), this);
  use_->setObjectName(QStringLiteral("1456"));
  use_->setChecked(d.use);
  top->addWidget(use_);

  auto* form = new QFormLayout;
  level_ = new QComboBox(this);
  level_->setObjectName(QStringLiteral("1047"));
  level_->addItem(QString());
  for (int i = 1; i <= 4; ++i) level_->addItem(q(kelp::altitudeText(i)));
  level_->setCurrentIndex(d.altitudeClass >= 0 && d.altitudeClass <= 4 ? d.altitudeClass : 0);
  form->addRow(tr("Livello mare:"), level_);

  suit_ = new QComboBox(this);
  suit_->setObjectName(QStringLiteral("1051"));
  for (int i = 0; i <= 6; ++i) suit_->addItem(q(kelp::suitText(i)));
  suit_->setCurrentIndex(d.suit >= 0 && d.suit <= 6 ? d.suit : 0);
  form->addRow(tr("Muta:"), suit_);

  suitDescription_ = new QComboBox(this);
  suitDescription_->setObjectName(QStringLiteral("1071"));
  suitDescription_->setEditable(true);
  suitDescription_->lineEdit()->setMaxLength(25);
  if (suits)
    for (const std::string& s : suits->texts()) suitDescription_->addItem(q(kelp::cp1252ToUtf8(s)));
  suitDescription_->setEditText(q(kelp::storedToUtf8(d.suitDescription)));
  form->addRow(tr("Tipo muta:"), suitDescription_);

  tankSize_ = new QLineEdit(this);
  tankSize_->setObjectName(QStringLiteral("1052"));
  if (d.tankSize != 0) tankSize_->setText(q(kelp::formatTankSize(d.tankSize)));
  form->addRow(tr("Dim bombola (%1):").arg(q(kelp::unitLabel(kelp::Quantity::Volume))), tankSize_);

  material_ = new QComboBox(this);
  material_->setObjectName(QStringLiteral("1054"));
  for (int i = 0; i <= 2; ++i) material_->addItem(q(kelp::tankMaterialText(i)));
  material_->setCurrentIndex(d.tankMaterial >= 0 && d.tankMaterial <= 2 ? d.tankMaterial : 0);
  form->addRow(tr("Bombola:"), material_);

  weight_ = new QLineEdit(this);
  weight_->setObjectName(QStringLiteral("1069"));
  if (d.weight != 0) weight_->setText(q(kelp::formatWeight(d.weight)));
  form->addRow(tr("Zavorra (%1):").arg(q(kelp::unitLabel(kelp::Quantity::Weight))), weight_);
  top->addLayout(form);

  const uint16_t flags = static_cast<uint16_t>(d.diveType);
  static const int kKindIds[3] = {1024, 1026, 1027};
  static const char* const kKind[3] = {QT_TRANSLATE_NOOP("CDefaultDlg", "In curva"),
                                       QT_TRANSLATE_NOOP("CDefaultDlg", "Decompressione"), "-"};
  kind_ = threeWay(this, top, QT_TRANSLATE_NOOP("CDefaultDlg", "Tipo imm."), kKindIds, kKind,
                   kelp::getThreeWay(flags, kelp::kDiveNoStop));
  static const int kAscentIds[3] = {1028, 1029, 1030};
  static const char* const kAscent[3] = {QT_TRANSLATE_NOOP("CDefaultDlg", "Risalita unica"),
                                         QT_TRANSLATE_NOOP("CDefaultDlg", "Risalita multipla"), "-"};
  ascent_ = threeWay(this, top, QT_TRANSLATE_NOOP("CDefaultDlg", "Risalita"), kAscentIds, kAscent,
                     kelp::getThreeWay(flags, kelp::kDiveSingleAscent));
  static const int kWaterIds[3] = {1031, 1033, 1032};
  static const char* const kWater[3] = {QT_TRANSLATE_NOOP("CDefaultDlg", "Acqua dolce"),
                                        QT_TRANSLATE_NOOP("CDefaultDlg", "Acqua salata"),
                                        QT_TRANSLATE_NOOP("CDefaultDlg", "Camera di ricompressione")};
  water_ = threeWay(this, top, QT_TRANSLATE_NOOP("CDefaultDlg", "Acqua"), kWaterIds, kWater,
                    kelp::getThreeWay(flags, kelp::kDiveFreshWater));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  top->addWidget(buttons);
}

void CDefaultDlg::accept() {
  kelp::DiveDefaults& d = kelp::settings().defaults;
  d.use = use_->isChecked();
  d.altitudeClass = level_->currentIndex();
  d.suit = suit_->currentIndex();
  d.suitDescription = kelp::utf8ToStored(suitDescription_->currentText().left(25).toStdString());
  d.tankSize = kelp::parseTankSize(tankSize_->text().trimmed().toStdString());
  if (d.tankSize == kelp::NO_VALUE) d.tankSize = 0;
  d.tankMaterial = material_->currentIndex();
  d.weight = kelp::parseWeight(weight_->text().trimmed().toStdString());
  if (d.weight == kelp::NO_VALUE) d.weight = 0;
  uint16_t flags = 0;
  kelp::setThreeWay(flags, kelp::kDiveNoStop, kind_->checkedId());
  kelp::setThreeWay(flags, kelp::kDiveSingleAscent, ascent_->checkedId());
  kelp::setThreeWay(flags, kelp::kDiveFreshWater, water_->checkedId());
  d.diveType = flags;
  kelp::saveAllSettings();
  QDialog::accept();
}
