#include "app/ui/field_selection_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings.h"

namespace {
// The field names keep the program's German; they translate like every other text.
const char* const kFieldLabels[25] = {
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&Nummer"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&Datum"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&Uhrzeit"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "H&öhenbereich"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&Intervall"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&Wetter"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&Lufttemperatur"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "Anzu&g"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&Flaschengröße"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "Ma&ximaltiefe"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "Dur&chschnittstiefe"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "Tauch&zeit"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "Wasse&rtemperatur"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "Luft&verbrauch"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&AMV"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&Tauchgangstyp"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "A&ktivität"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "M&eldungen"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&Partner"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "K&ommentar"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "Anzug&modell"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "F&ülldruck"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "Flasc&henmaterial"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&Sichtweite"),
    QT_TRANSLATE_NOOP("CFieldSelectionDlg", "&Blei")};
constexpr int kFirstExtended = 20;
}  // namespace

CFieldSelectionDlg::CFieldSelectionDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("208"));
  setWindowTitle(tr("Datenfelder Ausgabe Hauptfenster"));
  auto* top = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  auto* extended = new QGroupBox(tr("Nur Erweiterter Modus"), this);
  auto* extGrid = new QGridLayout(extended);
  const auto& flags = kelp::settings().fieldSelection;
  for (int i = 0; i < 25; ++i) {
    auto* box = new QCheckBox(tr(kFieldLabels[i]), this);
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
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  top->addWidget(buttons);
}

void CFieldSelectionDlg::accept() {
  auto& flags = kelp::settings().fieldSelection;
  for (size_t i = 0; i < flags.size(); ++i) flags[i] = boxes_[i]->isChecked();
  QDialog::accept();
}
