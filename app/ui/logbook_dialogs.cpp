#include "app/ui/logbook_dialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <charconv>

#include "app/command_rules.h"
#include "app/ui/kelp_doc.h"
#include "core/logbook.h"
#include "core/strings.h"
#include "profile/ui/edit_commands.h"

namespace {

// Dive numbers are stored in 16 bits without a sign.
constexpr int kMaxDiveNumber = 65535;

QString text(int id) { return QString::fromUtf8(kelp::str(id).c_str()); }

QLineEdit* numberField(QWidget* parent, const char* id, int value) {
  auto* e = new QLineEdit(QString::number(value), parent);
  e->setObjectName(QString::fromLatin1(id));
  e->setValidator(new QIntValidator(0, kMaxDiveNumber, e));
  e->setMaximumWidth(90);
  return e;
}

int fieldValue(const QLineEdit* e) { return e->text().trimmed().toInt(); }

// OK and Cancel; the OK button may carry the dialog's own verb.
QDialogButtonBox* buttons(QDialog* dlg, const QString& okText = {}) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dlg);
  box->button(QDialogButtonBox::Ok)->setText(okText.isEmpty() ? QStringLiteral("OK") : okText);
  box->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("CKelpDoc", "Annulla"));
  QObject::connect(box, &QDialogButtonBox::accepted, dlg, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, dlg, &QDialog::reject);
  return box;
}

int firstNumber(const kelp::Logbook& lb) { return lb.dives().empty() ? 0 : lb.dives().front().diveNumber; }
int lastNumber(const kelp::Logbook& lb) { return lb.dives().empty() ? 0 : lb.dives().back().diveNumber; }

}  // namespace

CRenumberDlg::CRenumberDlg(int first, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Renumera logbook"));
  auto* form = new QFormLayout;
  m_first = numberField(this, "1106", first);
  form->addRow(tr("Inizia con il numero:"), m_first);
  auto* v = new QVBoxLayout(this);
  v->addLayout(form);
  v->addWidget(buttons(this, tr("Rinumera")));
}
int CRenumberDlg::first() const { return fieldValue(m_first); }

CRenumberRangeDlg::CRenumberRangeDlg(int first, int last, int start, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Rinumera imm"));
  auto* form = new QFormLayout;
  m_first = numberField(this, "1389", first);
  m_last = numberField(this, "1390", last);
  m_start = numberField(this, "1391", start);
  form->addRow(tr("Prima imm:"), m_first);
  form->addRow(tr("Ultima imm:"), m_last);
  form->addRow(tr("Nuovo numero iniziale:"), m_start);
  auto* v = new QVBoxLayout(this);
  v->addLayout(form);
  v->addWidget(buttons(this, tr("Rinumera")));
}
int CRenumberRangeDlg::first() const { return fieldValue(m_first); }
int CRenumberRangeDlg::last() const { return fieldValue(m_last); }
int CRenumberRangeDlg::start() const { return fieldValue(m_start); }

CTimeZoneDlg::CTimeZoneDlg(int first, int last, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Fuso orario"));
  auto* form = new QFormLayout;
  m_first = numberField(this, "1104", first);
  m_last = numberField(this, "1105", last);
  m_diff = new QLineEdit(QString::asprintf("%02d:%02d", 0, 0), this);
  m_diff->setObjectName(QStringLiteral("1057"));
  m_diff->setMaximumWidth(90);
  m_plus = new QRadioButton(QStringLiteral("+"), this);
  m_plus->setObjectName(QStringLiteral("plus"));
  m_minus = new QRadioButton(QStringLiteral("-"), this);
  m_minus->setObjectName(QStringLiteral("minus"));
  m_plus->setChecked(true);
  auto* signRow = new QHBoxLayout;
  signRow->addWidget(m_plus);
  signRow->addWidget(m_minus);
  signRow->addWidget(m_diff);
  signRow->addWidget(new QLabel(QStringLiteral("HH:MM"), this));
  signRow->addStretch();
  form->addRow(tr("Prima imm:"), m_first);
  form->addRow(tr("Ultima imm:"), m_last);
  form->addRow(tr("Differenza:"), signRow);
  auto* v = new QVBoxLayout(this);
  v->addLayout(form);
  v->addWidget(buttons(this));
}
int CTimeZoneDlg::first() const { return fieldValue(m_first); }
int CTimeZoneDlg::last() const { return fieldValue(m_last); }

bool CTimeZoneDlg::minutes(int& out) const {
  // "%d:%d": hours, a colon, minutes (the minutes may be left out).
  const std::string t = m_diff->text().trimmed().toStdString();
  const char* p = t.data();
  const char* end = p + t.size();
  int h = 0, m = 0;
  auto r = std::from_chars(p, end, h);
  if (r.ec != std::errc()) return false;
  p = r.ptr;
  while (p < end && *p == ' ') ++p;
  if (p < end && *p == ':') {
    ++p;
    while (p < end && *p == ' ') ++p;
    auto r2 = std::from_chars(p, end, m);
    if (r2.ec != std::errc()) return false;
  }
  // The sign comes from the radio buttons; negative parts or differences of more than
  // a few years are typing errors (and would overflow the minutes).
  if (h < 0 || m < 0 || h > 99999 || m > 99999) return false;
  out = h * 60 + m;
  if (m_minus->isChecked()) out = -out;
  return true;
}

CSelectionLimitsDlg::CSelectionLimitsDlg(int first, int last, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Limiti di selezione"));
  auto* form = new QFormLayout;
  m_first = numberField(this, "1389", first);
  m_last = numberField(this, "1390", last);
  form->addRow(tr("Prima imm:"), m_first);
  form->addRow(tr("Ultima imm:"), m_last);
  auto* v = new QVBoxLayout(this);
  v->addLayout(form);
  v->addWidget(buttons(this));
}
int CSelectionLimitsDlg::first() const { return fieldValue(m_first); }
int CSelectionLimitsDlg::last() const { return fieldValue(m_last); }

namespace logbook_commands {

QString commandText(int id) {
  const kelp::CommandInfo* c = kelp::findCommand(id);
  return c ? QString::fromUtf8(c->text).remove(QLatin1Char('&')) : QString();
}

bool deleteDive(QWidget* parent, CKelpDoc& doc) {
  kelp::Logbook& lb = doc.logbook();
  const int c = lb.currentPosition;
  if (c < 1 || c > lb.diveCount()) return false;
  const QString q = QString::asprintf(kelp::str(62589).c_str(), int(lb.dives()[c - 1].diveNumber));
  if (askUser(parent, QMessageBox::Question, q, QMessageBox::Ok | QMessageBox::Cancel) !=
      QMessageBox::Ok)
    return false;
  return bool(doc.perform(commandText(kelp::cmd::DeleteDive), [c](kelp::Logbook& l) {
    return l.remove(c) ? kelp::Result::success() : kelp::Result::failure("");
  }));
}

bool renumber(QWidget* parent, CKelpDoc& doc) {
  kelp::Logbook& lb = doc.logbook();
  if (lb.diveCount() == 0) return false;
  CRenumberDlg dlg(lb.firstDiveNumber, parent);
  if (dlg.exec() != QDialog::Accepted) return false;
  const int first = dlg.first();
  // Numbers that do not fit would wrap around to small ones.
  if (first < 0 || first + lb.diveCount() - 1 > kMaxDiveNumber) {
    tellUser(parent, text(62611));
    return false;
  }
  const QString q = QString::asprintf(kelp::str(62610).c_str(), first);
  if (askUser(parent, QMessageBox::Question, q, QMessageBox::Ok | QMessageBox::Cancel) !=
      QMessageBox::Ok)
    return false;
  doc.perform(commandText(kelp::cmd::Renumber), [first](kelp::Logbook& l) {
    l.renumber(first);
    return kelp::Result::success();
  });
  return true;
}

bool renumberRange(QWidget* parent, CKelpDoc& doc) {
  kelp::Logbook& lb = doc.logbook();
  if (lb.diveCount() == 0) return false;
  CRenumberRangeDlg dlg(firstNumber(lb), lastNumber(lb), firstNumber(lb), parent);
  if (dlg.exec() != QDialog::Accepted) return false;
  if (dlg.first() < firstNumber(lb) || dlg.last() > lastNumber(lb)) {
    tellUser(parent, text(62502));
    return false;
  }
  int inRange = 0;
  for (const kelp::DiveRecord& d : lb.dives())
    if (d.diveNumber >= dlg.first() && d.diveNumber <= dlg.last()) ++inRange;
  if (dlg.start() < 0 || dlg.start() + inRange - 1 > kMaxDiveNumber) {
    tellUser(parent, text(62611));  // the new numbers would wrap around
    return false;
  }
  doc.perform(commandText(kelp::cmd::RenumberRange),
              [from = dlg.first(), to = dlg.last(), start = dlg.start()](kelp::Logbook& l) {
                l.renumberRange(from, to, start);
                return kelp::Result::success();
              });
  return true;
}

bool timeZone(QWidget* parent, CKelpDoc& doc) {
  kelp::Logbook& lb = doc.logbook();
  const int c = lb.currentPosition;
  if (c < 1 || c > lb.diveCount()) return false;
  const int n = lb.dives()[c - 1].diveNumber;
  CTimeZoneDlg dlg(n, n, parent);
  if (dlg.exec() != QDialog::Accepted) return false;
  int m = 0;
  if (!dlg.minutes(m)) {
    tellUser(parent, text(62611));
    return false;
  }
  if (m == 0) return false;
  const int first = dlg.first(), last = dlg.last();
  if (first > last || last > lastNumber(lb)) {
    tellUser(parent, text(62611));
    return false;
  }
  const int a = m < 0 ? -m : m;
  const QByteArray hhmm = QString::asprintf("%02d:%02d", a / 60, a % 60).toLatin1();
  const QString q = QString::asprintf(kelp::str(62612).c_str(), first, last, m < 0 ? "-" : "+",
                                      hhmm.constData());
  if (askUser(parent, QMessageBox::Question, q, QMessageBox::Ok | QMessageBox::Cancel) !=
      QMessageBox::Ok)
    return false;
  const int p = lb.lastPositionOfNumber(first);
  const int qpos = lb.lastPositionOfNumber(last);
  if (p == 0 || qpos == 0) return false;
  doc.perform(commandText(kelp::cmd::TimeZone), [p, qpos, m](kelp::Logbook& l) {
    l.shiftTimes(p, qpos, m);
    return kelp::Result::success();
  });
  return true;
}

bool selectionCopy(QWidget* parent, CKelpDoc& doc) {
  kelp::Logbook& lb = doc.logbook();
  if (lb.diveCount() == 0) return false;
  CSelectionLimitsDlg dlg(firstNumber(lb), lastNumber(lb), parent);
  if (dlg.exec() != QDialog::Accepted) return false;
  const kelp::Result r = doc.selectionBuffer().copyFrom(lb, dlg.first(), dlg.last());
  if (!r) {
    tellUser(parent, r.error.empty() ? text(62502) : QString::fromUtf8(r.error.c_str()));
    return false;
  }
  return true;
}

bool selectionPaste(QWidget* parent, CKelpDoc& doc) {
  if (doc.selectionBuffer().empty()) return false;
  kelp::SelectionBuffer& sel = doc.selectionBuffer();
  const kelp::Result r = doc.perform(QCoreApplication::translate("CKelpDoc", "Incolla immersioni selezionate"),
                                     [&sel](kelp::Logbook& l) { return sel.pasteInto(l); });
  doc.logbook().changes.listChanged = true;
  if (!r) {
    tellUser(parent, QString::fromUtf8(r.error.c_str()));
    return false;
  }
  return true;
}

bool copyDive(CKelpDoc& doc) {
  doc.copyBuffer().copyFrom(doc.logbook(), doc.logbook().currentPosition);
  return doc.copyBuffer().filled;
}

// "Incolla" goes through the dive editor.
bool pasteDive(QWidget* parent, CKelpDoc& doc) { return pasteDiveThroughEditor(parent, doc); }

}  // namespace logbook_commands
