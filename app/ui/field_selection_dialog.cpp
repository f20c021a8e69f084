#include "app/ui/field_selection_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings.h"

namespace {
const char* const kFieldLabels[25] = {
    "&Nummer",       "&Datum",        "&Uhrzeit",          "H&öhenbereich",     "&Intervall",
    "&Wetter",       "&Lufttemperatur", "Anzu&g",          "&Flaschengröße",    "Ma&ximaltiefe",
    "Dur&chschnittstiefe", "Tauch&zeit", "Wasse&rtemperatur", "Luft&verbrauch", "&AMV",
    "&Tauchgangstyp", "A&ktivität",   "M&eldungen",        "&Partner",          "K&ommentar",
    "Anzug&modell",  "F&ülldruck",    "Flasc&henmaterial", "&Sichtweite",       "&Blei"};
constexpr int kFirstExtended = 20;
}  // namespace

CFieldSelectionDlg::CFieldSelectionDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("208"));
  setWindowTitle(QStringLiteral("Datenfelder Ausgabe Hauptfenster"));
  auto* top = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  auto* extended = new QGroupBox(QStringLiteral("Nur Erweiterter Modus"), this);
  auto* extGrid = new QGridLayout(extended);
  const auto& flags = kelp::settings().fieldSelection;
  for (int i = 0; i < 25; ++i) {
    auto* box = new QCheckBox(QString::fromUtf8(kFieldLabels[i]), this);
    box->setObjectName(QStringLiteral("field%1").arg(i));
    box->setChecked(flags[static_cast<size_t>(i)]);
    boxes_[static_cast<size_t>(i)] = box;
    if (i < kFirstExtended)
      grid->addWidget(box, i % 10, i / 10);
    else
      extGrid->addWidget(box, (i - kFirstExtended) % 3, (i - kFirstExtended) / 3);
  }
  top->addLayout(grid);
  top->addWidget(extended);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  top->addWidget(buttons);
}

void CFieldSelectionDlg::accept() {
  auto& flags = kelp::settings().fieldSelection;
  for (size_t i = 0; i < flags.size(); ++i) flags[i] = boxes_[i]->isChecked();
  QDialog::accept();
}
