#include "profile/ui/find_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/texts.h"

namespace {

QString fromStd(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

const char* const kFieldNames[] = {"fieldLocation", "fieldSite", "fieldBuddies", "fieldActivity"};
const char* const kFieldLabels[] = {
    QT_TRANSLATE_NOOP("CFindDiveDlg", "Località"), QT_TRANSLATE_NOOP("CFindDiveDlg", "Luogo"),
    QT_TRANSLATE_NOOP("CFindDiveDlg", "Compagni"), QT_TRANSLATE_NOOP("CFindDiveDlg", "Attività")};

}  // namespace

CFindDiveDlg::CFindDiveDlg(const kelp::Logbook& logbook, const kelp::LastSearch& last, QWidget* parent)
    : QDialog(parent), m_log(logbook) {
  setObjectName(QStringLiteral("152"));
  setWindowTitle(tr("Cerca immersione"));

  auto* fieldBox = new QGroupBox(tr("Cerca in"), this);
  auto* fieldRow = new QHBoxLayout(fieldBox);
  m_fields = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    auto* b = new QRadioButton(tr(kFieldLabels[i]), fieldBox);
    b->setObjectName(QString::fromLatin1(kFieldNames[i]));
    m_fields->addButton(b, i);
    fieldRow->addWidget(b);
  }
  fieldRow->addStretch();

  m_text = new QComboBox(this);
  m_text->setObjectName(QStringLiteral("1138"));
  m_text->setEditable(true);
  m_text->setInsertPolicy(QComboBox::NoInsert);
  m_text->lineEdit()->setMaxLength(int(kelp::kSearchTextLimit));
  m_text->setMinimumWidth(320);
  auto* textRow = new QHBoxLayout;
  textRow->addWidget(new QLabel(tr("Testo:"), this));
  textRow->addWidget(m_text, 1);

  auto* activityBox = new QGroupBox(tr("Attività"), this);
  auto* grid = new QGridLayout(activityBox);
  m_activities = new QButtonGroup(this);
  for (int i = 0; i < kelp::kActivityChoiceCount; ++i) {
    auto* b = new QRadioButton(fromStd(kelp::activityChoiceLabel(i)), activityBox);
    b->setObjectName(QStringLiteral("activity%1").arg(i));
    m_activities->addButton(b, i);
    grid->addWidget(b, i % 5, i / 5);
  }

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("1"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(tr("Cancella"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("2"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* v = new QVBoxLayout(this);
  v->addWidget(fieldBox);
  v->addLayout(textRow);
  v->addWidget(activityBox);
  v->addWidget(buttons);

  // The last search; no search yet shows as the location.
  const int field = last.field < 0 ? kelp::kFindLocation : last.field;
  m_fields->button(field)->setChecked(true);
  m_activities->button(last.activity)->setChecked(true);
  fillTextBox();
  m_text->setEditText(fromStd(kelp::searchTextShown(last)));
  const int listed = m_text->findText(m_text->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (listed >= 0) m_text->setCurrentIndex(listed);
  updateEnabled();
  m_text->setFocus();

  connect(m_fields, &QButtonGroup::idClicked, this, &CFindDiveDlg::onFieldChanged);
  connect(m_activities, &QButtonGroup::idClicked, this, &CFindDiveDlg::updateEnabled);
}

void CFindDiveDlg::fillTextBox() {
  const kelp::StringList* lists[] = {&m_log.locationList, &m_log.siteList, &m_log.buddyList,
                                     &m_log.otherActivityList};
  const int field = m_fields->checkedId();
  const QString typed = m_text->currentText();
  m_text->clear();
  if (field >= 0 && field < 4) {
    QStringList items;
    for (const std::string& t : lists[field]->texts()) items << fromStd(kelp::cp1252ToUtf8(t));
    m_text->addItems(items);
  }
  // The typed text stays; it is selected when the list holds it.
  const int listed = m_text->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (listed >= 0) m_text->setCurrentIndex(listed);
  else m_text->setEditText(typed);
}

void CFindDiveDlg::onFieldChanged() {
  fillTextBox();
  updateEnabled();
}

void CFindDiveDlg::updateEnabled() {
  const bool activity = m_fields->checkedId() == kelp::kFindActivity;
  for (QAbstractButton* b : m_activities->buttons()) b->setEnabled(activity);
  m_text->setEnabled(!activity || m_activities->checkedId() == kelp::kActivityOther);
}

kelp::LastSearch CFindDiveDlg::search() const {
  return kelp::makeSearch(m_fields->checkedId(), m_activities->checkedId(),
                          m_text->currentText().toStdString());
}
