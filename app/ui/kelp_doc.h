#pragma once
// The document: the one Logbook of the run with the dive copy buffers, and the
// file commands New, Open, Save, Save As and reload with their messages.
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <functional>

#include "app/disk_check.h"
#include "core/logbook.h"

class QUndoStack;

// Questions and file choices go through these hooks so that tests can answer them.
struct UiPrompts {
  // Shows a message box; returns the QMessageBox::StandardButton that was pressed.
  std::function<int(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                    QMessageBox::StandardButtons buttons)>
      message;
  // Asks for a logbook file (*.log) to open or to save; "" when cancelled.
  std::function<QString(QWidget* parent, bool save, const QString& suggested)> logbookFile;
};
UiPrompts& uiPrompts();
// Shorthands over uiPrompts().message.
int askUser(QWidget* parent, QMessageBox::Icon icon, const QString& text,
            QMessageBox::StandardButtons buttons);
void tellUser(QWidget* parent, const QString& text, QMessageBox::Icon icon = QMessageBox::Warning);

class CKelpDoc : public QObject {
  Q_OBJECT
 public:
  explicit CKelpDoc(QObject* parent = nullptr);

  kelp::Logbook& logbook() { return m_log; }
  const kelp::Logbook& logbook() const { return m_log; }
  kelp::CopyBuffer& copyBuffer() { return m_copy; }
  kelp::SelectionBuffer& selectionBuffer() { return m_selection; }

  // The widget that owns the message boxes.
  void setWindow(QWidget* w) { m_window = w; }

  // First document of the run: loads the last logbook when it exists, else a new one.
  // Later calls (and the pending open request) follow the same rules as the framework's New.
  void onNewDocument();
  // Start of the run: opens the logbook named on the command line; without one, or when it
  // cannot be read, the first document follows the rules of onNewDocument().
  void startUp(const QString& file);
  // Marks a file written by "Crea file selezionato" to be opened by the next onNewDocument().
  void setPendingOpen(const QString& path) { m_pendingOpen = path; }

  // When modified, asks whether to save (Yes, No, Cancel). True when the caller may go on.
  bool saveModified();
  // Commands. Each returns true when it was carried out.
  bool fileNew();                               // asks to save first
  bool fileOpen(const QString& path = {});      // asks to save first; "" asks for a file
  bool openFile(const QString& path);           // no question; keeps the old logbook on failure
  bool fileSave();
  bool fileSaveAs(const QString& path = {});    // "" asks for a file
  bool reload();                                // "Apri corrente file": no question
  // "Ripristina copia...": brings the backup whose .log is `backupLog` back as the open
  // logbook (asking to save changes first), reloads it and clears the history.
  bool restoreBackup(const QString& backupLog);
  // The main window came back to the front: when the files on disk changed while there was
  // nothing to save, says so and offers to reload them (once per change).
  void checkDiskOnFocus();

  // Every change to the logbook's dives goes through perform(): op runs on the logbook as one
  // undoable step named `text` (the command's menu text, "Cancella immersione"), which
  // "Annulla"/"Ripeti" take back and repeat byte for byte. When op fails, whatever it changed
  // is taken back and its Result returned. Opening, "Nuovo" and reloading clear the history.
  kelp::Result perform(const QString& text, const std::function<kelp::Result(kelp::Logbook&)>& op);
  // The history of performed steps ("Annulla"/"Ripeti" are its actions). Its clean state is the
  // state last saved or loaded: the modified flag follows it.
  QUndoStack* undoStack() const { return m_undo; }
  // Keeps the history within its limits (steps and bytes), dropping the oldest steps.
  void trimHistory(size_t maxSteps, size_t maxBytes);

  bool isModified() const { return m_log.modified; }
  // The logbook has never been saved (or its name was lost).
  bool isUntitled() const;
  // Document title: the logbook's file name ("Senzanome.log" for a new one).
  QString title() const;

 signals:
  // The logbook was replaced or reloaded (views rebuild everything).
  void documentChanged();
  // Dives were changed by a performed step, or by its undo or redo (windows that show dives
  // read them again; the change flags of the logbook say what changed).
  void divesChanged();
  // A file was opened or saved under this path (recent file list).
  void fileUsed(const QString& path);

 private:
  friend class LogbookUndoCommand;
  bool saveTo(const QString& path);  // saves, or tells the user why not
  void clearHistory();
  void historyMoved();
  void stampFiles();  // the files as loaded or saved, for the checks against other programs
  kelp::Logbook m_log;
  kelp::CopyBuffer m_copy;
  kelp::SelectionBuffer m_selection;
  QWidget* m_window = nullptr;
  bool m_startUp = true;
  QString m_pendingOpen;
  QUndoStack* m_undo = nullptr;
  bool m_replaying = false;  // rebuilding the stack: its commands do not touch the logbook
  bool m_pushing = false;    // perform() is pushing a step it has made already
  kelp::LogbookStamp m_stamp;  // the files as last loaded or saved
  kelp::LogbookStamp m_told;   // the change last reported on coming to the front
  bool m_checkingDisk = false;
};
