#include "profile/ui/replace_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include "profile/search.h"
#include "app/ui/tab_rows.h"

namespace {

const char* const kFieldLabels[] = {
    QT_TRANSLATE_NOOP("CReplaceDlg", "Località"), QT_TRANSLATE_NOOP("CReplaceDlg", "Luogo"),
    QT_TRANSLATE_NOOP("CReplaceDlg", "Compagno"), QT_TRANSLATE_NOOP("CReplaceDlg", "Note"),
    QT_TRANSLATE_NOOP("CReplaceDlg", "Modello muta")};

}  // namespace

CReplaceDlg::CReplaceDlg(const kelp::Logbook& logbook, ReplaceFn replace, QWidget* parent)
    : QDialog(parent), m_log(logbook), m_replace(std::move(replace)) {
  setObjectName(QStringLiteral("195"));
  setWindowTitle(tr("trova e sostituisci"));

  m_old = new QLineEdit(this);
  m_old->setObjectName(QStringLiteral("1388"));
  m_new = new QLineEdit(this);
  m_new->setObjectName(QStringLiteral("1391"));
  for (QLineEdit* e : {m_old, m_new}) {
    e->setMaxLength(int(kelp::replaceFieldWidth(kelp::kReplaceNotes)));
    e->setMinimumWidth(280);
  }
  auto* texts = new QGridLayout;
  texts->addWidget(new QLabel(tr("Cerca:"), this), 0, 0);
  texts->addWidget(m_old, 0, 1);
  texts->addWidget(new QLabel(tr("Sostituisci con:"), this), 1, 0);
  texts->addWidget(m_new, 1, 1);

  auto* fieldBox = new QGroupBox(tr("Campo"), this);
  auto* fieldRow = new QHBoxLayout(fieldBox);
  m_field = new QButtonGroup(this);
  for (int i = 0; i < kelp::kReplaceFieldCount; ++i) {
    auto* b = new QRadioButton(tr(kFieldLabels[i]), fieldBox);
    b->setObjectName(QString::number(1024 + i));
    m_field->addButton(b, i);
    fieldRow->addWidget(b);
  }
  fieldRow->addStretch();
  m_field->button(kelp::kReplaceLocation)->setChecked(true);

  m_results = makeTabRowList(this, "1039", {24});
  m_results->setMinimumSize(460, 240);

  m_search = new QPushButton(tr("Cerca"), this);
  m_search->setObjectName(QStringLiteral("1386"));
  m_search->setDefault(true);
  m_replaceButton = new QPushButton(tr("Sostituisci"), this);
  m_replaceButton->setObjectName(QStringLiteral("1387"));
  m_replaceButton->setEnabled(false);
  auto* close = new QPushButton(tr("Chiudi"), this);
  close->setObjectName(QStringLiteral("2"));
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(m_search);
  buttons->addWidget(m_replaceButton);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* left = new QVBoxLayout;
  left->addLayout(texts);
  left->addWidget(fieldBox);
  left->addWidget(m_results, 1);
  auto* top = new QHBoxLayout(this);
  top->addLayout(left, 1);
  top->addLayout(buttons);

  connect(m_search, &QPushButton::clicked, this, &CReplaceDlg::onSearch);
  connect(m_replaceButton, &QPushButton::clicked, this, &CReplaceDlg::onReplace);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_old, &QLineEdit::textEdited, this, &CReplaceDlg::onInputChanged);
  connect(m_new, &QLineEdit::textEdited, this, &CReplaceDlg::onInputChanged);
  connect(m_field, &QButtonGroup::idClicked, this, &CReplaceDlg::onInputChanged);
  m_old->setFocus();
}

int CReplaceDlg::field() const { return m_field->checkedId(); }

void CReplaceDlg::onSearch() {
  if (m_old->text().isEmpty()) return;
  const kelp::ReplacePreview p =
      kelp::previewReplace(m_log, field(), m_old->text().toStdString(), m_new->text().toStdString());
  QStringList rows;
  rows.reserve(qsizetype(p.rows.size()));
  for (const std::string& r : p.rows) rows << QString::fromUtf8(r.data(), qsizetype(r.size()));
  rowModel(m_results)->setStringList(rows);
  m_replaceButton->setEnabled(p.canReplace);
}

void CReplaceDlg::onInputChanged() {
  // What "Cerca" listed no longer stands for the texts: search again before replacing.
  m_replaceButton->setEnabled(false);
}

void CReplaceDlg::onReplace() {
  // The texts as they stand at the click; the document matches them again.
  const std::string oldText = m_old->text().toStdString();
  const std::string newText = m_new->text().toStdString();
  m_replaceButton->setEnabled(false);
  if (oldText.empty() || newText.empty() || !m_replace) return;
  m_replace(field(), oldText, newText);
}
