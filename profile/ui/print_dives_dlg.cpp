#include "profile/ui/print_dives_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/ui/kelp_doc.h"

namespace {

template <class W>
W* named(W* w, int id) {
  w->setObjectName(QString::number(id));
  return w;
}

QLineEdit* numberField(QWidget* parent, int id, int value) {
  auto* e = named(new QLineEdit(QString::number(value), parent), id);
  e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]{0,6}")), e));
  e->setMaximumWidth(90);
  return e;
}

bool readNumber(const QLineEdit* e, int& out) {
  bool ok = false;
  out = e->text().trimmed().toInt(&ok);
  return ok;
}

}  // namespace

CPrintDivesDlg::CPrintDivesDlg(const kelp::PrintSelection& selection, bool separator, QWidget* parent)
    : QDialog(parent), m_selection(selection) {
  setObjectName(QStringLiteral("181"));
  setWindowTitle(tr("Stampa immersioni"));

  auto* what = new QGroupBox(tr("Stampa"), this);
  auto* whatBox = new QVBoxLayout(what);
  m_mode = new QButtonGroup(this);
  const struct {
    int id;
    const char* text;
    kelp::PrintMode mode;
  } modes[] = {{1024, QT_TRANSLATE_NOOP("CPrintDivesDlg", "Imm"), kelp::PrintMode::Dives},
               {1026, QT_TRANSLATE_NOOP("CPrintDivesDlg", "Lista imm"), kelp::PrintMode::List},
               {1027, QT_TRANSLATE_NOOP("CPrintDivesDlg", "Copertina"), kelp::PrintMode::Cover}};
  for (const auto& m : modes) {
    auto* b = named(new QRadioButton(tr(m.text), what), m.id);
    m_mode->addButton(b, static_cast<int>(m.mode));
    whatBox->addWidget(b);
  }

  auto* how = new QGroupBox(tr("Immersioni"), this);
  auto* howBox = new QVBoxLayout(how);
  m_option = new QButtonGroup(this);
  const struct {
    int id;
    const char* text;
    kelp::SlotOption option;
  } options[] = {
      {1028, QT_TRANSLATE_NOOP("CPrintDivesDlg", "Komplett"), kelp::SlotOption::Complete},
      {1029, QT_TRANSLATE_NOOP("CPrintDivesDlg", "nur Linien (Blanko)"), kelp::SlotOption::LinesOnly},
      {1030, QT_TRANSLATE_NOOP("CPrintDivesDlg", "Profil eindrucken"), kelp::SlotOption::Profile}};
  for (const auto& o : options) {
    auto* b = named(new QRadioButton(tr(o.text), how), o.id);
    m_option->addButton(b, static_cast<int>(o.option));
    howBox->addWidget(b);
  }
  m_separator = named(new QCheckBox(tr("Usare seperator"), how), 1457);
  m_separator->setChecked(separator);
  howBox->addWidget(m_separator);

  auto* groups = new QHBoxLayout;
  groups->addWidget(what);
  groups->addWidget(how);

  m_first = numberField(this, 1158, selection.firstNumber);
  m_last = numberField(this, 1159, selection.lastNumber);
  auto* numbers = new QHBoxLayout;
  numbers->addWidget(new QLabel(tr("Posizione da:"), this));
  numbers->addWidget(m_first);
  numbers->addSpacing(12);
  numbers->addWidget(new QLabel(tr("A:"), this));
  numbers->addWidget(m_last);
  numbers->addStretch();

  auto* note = new QLabel(tr("Stampa statistiche ed extra dai rispettivi riquadri"), this);
  note->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  named(buttons->button(QDialogButtonBox::Ok), 1)->setText(tr("OK"));
  named(buttons->button(QDialogButtonBox::Cancel), 2)->setText(tr("Annulla"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CPrintDivesDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* top = new QVBoxLayout(this);
  top->addLayout(groups);
  top->addLayout(numbers);
  top->addWidget(note);
  top->addWidget(buttons);

  m_mode->button(static_cast<int>(selection.mode))->setChecked(true);
  m_option->button(static_cast<int>(selection.option))->setChecked(true);
  // The number fields follow the mode whenever one of its buttons is clicked.
  connect(m_mode, &QButtonGroup::idClicked, this, [this] { updateNumbers(); });
  updateNumbers();
}

void CPrintDivesDlg::updateNumbers() {
  const bool on = kelp::printNumbersEnabled(static_cast<kelp::PrintMode>(m_mode->checkedId()));
  m_first->setEnabled(on);
  m_last->setEnabled(on);
}

void CPrintDivesDlg::accept() {
  kelp::PrintSelection s = m_selection;
  s.mode = static_cast<kelp::PrintMode>(m_mode->checkedId());
  s.option = static_cast<kelp::SlotOption>(m_option->checkedId());
  if (kelp::printNumbersEnabled(s.mode)) {
    for (QLineEdit* e : {m_first, m_last}) {
      int v = 0;
      if (!readNumber(e, v)) {
        tellUser(this, tr("Immettere un numero intero."));
        e->setFocus();
        e->selectAll();
        return;
      }
      (e == m_first ? s.firstNumber : s.lastNumber) = v;
    }
  }
  m_selection = s;
  QDialog::accept();
}

kelp::PrintSelection CPrintDivesDlg::selection() const { return m_selection; }
bool CPrintDivesDlg::separator() const { return m_separator->isChecked(); }
