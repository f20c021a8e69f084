#include "app/ui/kelp_doc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QUndoStack>
#include <memory>
#include <utility>

#include "core/logbook_history.h"
#include "core/settings.h"
#include "core/strings.h"

namespace {

int defaultMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                   QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, QStringLiteral("Kelp"), text, buttons, parent);
  // The buttons speak the program's language, whatever translations Qt has.
  static const std::pair<QMessageBox::StandardButton, const char*> kTexts[] = {
      {QMessageBox::Ok, "OK"},
      {QMessageBox::Cancel, QT_TRANSLATE_NOOP("CKelpDoc", "Annulla")},
      {QMessageBox::Yes, QT_TRANSLATE_NOOP("CKelpDoc", "Sì")},
      {QMessageBox::No, "No"}};
  for (const auto& [which, label] : kTexts)
    if (QAbstractButton* b = box.button(which)) b->setText(QCoreApplication::translate("CKelpDoc", label));
  return box.exec();
}

QString defaultLogbookFile(QWidget* parent, bool save, const QString& suggested) {
  const QString filter = QCoreApplication::translate("CKelpDoc", "Filetype Kelp (*.log)");
  if (save) {
    QFileDialog dlg(parent, QCoreApplication::translate("CKelpDoc", "Salva come"), suggested, filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(QStringLiteral("log"));
    // The callers ask about an existing file themselves, in the program's words.
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().first();
  }
  return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("CKelpDoc", "Apri"), suggested,
                                      filter);
}

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string toUtf8(const QString& s) { return s.toUtf8().toStdString(); }

}  // namespace

UiPrompts& uiPrompts() {
  static UiPrompts p{defaultMessage, defaultLogbookFile};
  return p;
}

int askUser(QWidget* parent, QMessageBox::Icon icon, const QString& text,
            QMessageBox::StandardButtons buttons) {
  return uiPrompts().message(parent, icon, text, buttons);
}

void tellUser(QWidget* parent, const QString& text, QMessageBox::Icon icon) {
  uiPrompts().message(parent, icon, text, QMessageBox::Ok);
}

// One step of the history on the stack. It is pushed after its change was made, so its first
// redo does nothing.
class LogbookUndoCommand : public QUndoCommand {
 public:
  LogbookUndoCommand(CKelpDoc* doc, std::shared_ptr<const kelp::LogbookStep> step, bool applied)
      : QUndoCommand(QString::fromStdString(step->text())), m_doc(doc), m_step(std::move(step)),
        m_applied(applied) {}
  void redo() override {
    if (m_applied) {
      m_applied = false;
      return;
    }
    if (m_doc->m_replaying) return;
    m_step->redo(m_doc->m_log);
  }
  void undo() override {
    if (m_doc->m_replaying) return;
    m_step->undo(m_doc->m_log);
  }
  const std::shared_ptr<const kelp::LogbookStep>& step() const { return m_step; }

 private:
  CKelpDoc* m_doc;
  std::shared_ptr<const kelp::LogbookStep> m_step;
  bool m_applied;
};

CKelpDoc::CKelpDoc(QObject* parent) : QObject(parent), m_undo(new QUndoStack(this)) {
  m_undo->setUndoLimit(static_cast<int>(kelp::HISTORY_MAX_STEPS));
  // The modified flag follows the history: back at the state last saved, nothing is modified.
  connect(m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) {
    if (!m_replaying) m_log.modified = !clean;
  });
  // The stack moves its index after the command's undo or redo: only then do the modified
  // flag and the windows that follow the dives see where the history stands.
  connect(m_undo, &QUndoStack::indexChanged, this, [this] {
    if (!m_replaying && !m_pushing) historyMoved();
  });
}

kelp::Result CKelpDoc::perform(const QString& text,
                              const std::function<kelp::Result(kelp::Logbook&)>& op) {
  kelp::ChangeRecorder rec(m_log);
  if (rec.nested()) return op(m_log);  // part of a step that is being performed
  const bool wasModified = m_log.modified;
  kelp::Result r;
  try {
    r = op(m_log);
  } catch (const std::bad_alloc&) {
    r = kelp::Result::failure(tr("Memoria insufficiente.").toStdString());
  }
  if (!r) {
    rec.rollback();
    emit divesChanged();
    return r;
  }
  auto step = std::make_shared<const kelp::LogbookStep>(rec.finish(text.toStdString()));
  if (step->empty()) {
    m_log.modified = wasModified;  // nothing changed: nothing to save, nothing to undo
    return r;
  }
  m_pushing = true;
  m_undo->push(new LogbookUndoCommand(this, step, true));
  m_pushing = false;
  m_log.modified = !m_undo->isClean();
  trimHistory(kelp::HISTORY_MAX_STEPS, kelp::HISTORY_MAX_BYTES);
  emit divesChanged();
  return r;
}

void CKelpDoc::historyMoved() {
  m_log.modified = !m_undo->isClean();
  emit divesChanged();
}

void CKelpDoc::clearHistory() {
  m_replaying = true;
  m_undo->clear();
  m_replaying = false;
}

void CKelpDoc::trimHistory(size_t maxSteps, size_t maxBytes) {
  std::vector<std::shared_ptr<const kelp::LogbookStep>> steps;
  std::vector<size_t> bytes;
  for (int i = 0; i < m_undo->count(); ++i) {
    const auto* c = static_cast<const LogbookUndoCommand*>(m_undo->command(i));
    steps.push_back(c->step());
    bytes.push_back(c->step()->memoryBytes());
  }
  const size_t drop = kelp::oldestStepsToDrop(bytes, maxSteps, maxBytes);
  if (drop == 0) return;
  // The stack cannot let go of its oldest commands: build it again from the steps that stay,
  // without touching the logbook, at the same index and with the same clean state.
  const int index = m_undo->index() - static_cast<int>(drop);
  const int clean = m_undo->cleanIndex() - static_cast<int>(drop);
  m_replaying = true;
  m_undo->clear();
  for (size_t i = drop; i < steps.size(); ++i) m_undo->push(new LogbookUndoCommand(this, steps[i], true));
  if (clean >= 0 && clean <= m_undo->count()) {
    m_undo->setIndex(clean);
    m_undo->setClean();
  } else {
    m_undo->resetClean();
  }
  m_undo->setIndex(std::max(index, 0));
  m_replaying = false;
  m_log.modified = !m_undo->isClean();
}

bool CKelpDoc::isUntitled() const {
  // A new logbook carries only its default name, without a folder.
  const QString p = fromUtf8(m_log.path);
  return p.isEmpty() || QFileInfo(p).fileName() == p;
}

QString CKelpDoc::title() const {
  if (m_log.path.empty()) return fromUtf8(kelp::str(62588));
  return QFileInfo(fromUtf8(m_log.path)).fileName();
}

void CKelpDoc::onNewDocument() {
  const bool startUp = m_startUp;
  // The flag is cleared after the first call whatever it finds, so that a later
  // "Nuovo" always makes a new logbook.
  m_startUp = false;
  if (startUp) {
    const QString last = fromUtf8(kelp::settings().lastLogbookPath);
    if (!last.isEmpty() && QFileInfo(last).isFile() && openFile(last)) return;
  }
  if (!m_pendingOpen.isEmpty()) {
    const QString p = m_pendingOpen;
    m_pendingOpen.clear();
    if (openFile(p)) return;
  }
  m_log.newLogbook();
  clearHistory();
  emit documentChanged();
}

void CKelpDoc::startUp(const QString& file) {
  if (!file.isEmpty()) {
    if (openFile(file)) return;
    // The named file could not be read (the message said why): go on as without one,
    // with the last logbook, unless that is the very file that just failed.
    const QString last = fromUtf8(kelp::settings().lastLogbookPath);
    m_startUp = QFileInfo(last).absoluteFilePath() != QFileInfo(file).absoluteFilePath();
  }
  onNewDocument();
}

bool CKelpDoc::saveModified() {
  if (!m_log.modified) return true;
  const int answer = askUser(m_window, QMessageBox::Question,
                             tr("Salvare le modifiche a %1?").arg(title()),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Yes) return fileSave();
  return answer == QMessageBox::No;
}

bool CKelpDoc::fileNew() {
  if (!saveModified()) return false;
  onNewDocument();
  return true;
}

bool CKelpDoc::fileOpen(const QString& path) {
  if (!saveModified()) return false;
  QString p = path;
  if (p.isEmpty()) {
    const QString dir = isUntitled() ? QDir::homePath() : QFileInfo(fromUtf8(m_log.path)).path();
    p = uiPrompts().logbookFile(m_window, false, dir);
    if (p.isEmpty()) return false;
  }
  return openFile(p);
}

bool CKelpDoc::openFile(const QString& path) {
  m_startUp = false;
  const QString abs = QFileInfo(path).absoluteFilePath();
  if (!QFileInfo(abs).isFile()) {
    tellUser(m_window, tr("Impossibile aprire il logbook\n%1\n\nIl file non esiste.")
                           .arg(QDir::toNativeSeparators(abs)));
    return false;
  }
  const kelp::Result r = m_log.loadFile(toUtf8(abs));
  if (!r) {
    // The logbook shown before stays as it was.
    tellUser(m_window, tr("Impossibile aprire il logbook\n%1\n\n%2")
                           .arg(QDir::toNativeSeparators(abs), fromUtf8(r.error)));
    return false;
  }
  kelp::settings().lastLogbookPath = m_log.path;
  clearHistory();
  emit fileUsed(abs);
  emit documentChanged();
  return true;
}

bool CKelpDoc::fileSave() {
  if (isUntitled()) return fileSaveAs();
  return saveTo(fromUtf8(m_log.path));
}

bool CKelpDoc::saveTo(const QString& p) {
  const kelp::Result r = m_log.saveFile(toUtf8(p));
  if (!r) {
    tellUser(m_window, tr("Impossibile salvare il logbook\n%1\n\n%2")
                           .arg(QDir::toNativeSeparators(p), fromUtf8(r.error)));
    return false;
  }
  kelp::settings().lastLogbookPath = m_log.path;
  m_replaying = true;  // the logbook is saved: this is its clean state
  m_undo->setClean();
  m_replaying = false;
  emit fileUsed(p);
  emit documentChanged();
  return true;
}

bool CKelpDoc::fileSaveAs(const QString& path) {
  QString p = path;
  if (p.isEmpty()) {
    const QString suggested = isUntitled() ? QDir::home().filePath(title()) : fromUtf8(m_log.path);
    p = uiPrompts().logbookFile(m_window, true, suggested);
    if (p.isEmpty()) return false;
  }
  if (QFileInfo(p).suffix().isEmpty()) p += QStringLiteral(".log");
  p = QFileInfo(p).absoluteFilePath();
  if (path.isEmpty() && QFileInfo::exists(p) && p != QFileInfo(fromUtf8(m_log.path)).absoluteFilePath() &&
      askUser(m_window, QMessageBox::Question,
              tr("´%1´ esiste già\nsovrasciverlo?").arg(QDir::toNativeSeparators(p)),
              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return false;
  return saveTo(p);
}

bool CKelpDoc::reload() {
  if (isUntitled()) {
    // Nothing on disk to read again: the same as a new logbook.
    m_log.newLogbook();
    clearHistory();
    emit documentChanged();
    return true;
  }
  const QString p = fromUtf8(m_log.path);
  const kelp::Result r = m_log.reload();
  if (r) clearHistory();  // a failed reload leaves the logbook, and so its history, as they were
  emit documentChanged();
  if (!r) {
    tellUser(m_window, tr("Impossibile aprire il logbook\n%1\n\n%2")
                           .arg(QDir::toNativeSeparators(p), fromUtf8(r.error)));
    return false;
  }
  return true;
}
