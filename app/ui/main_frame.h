#pragma once
// The main window: menus, toolbar, status bar, the recent file list, dropped
// files and the dispatch of every command with its enable rule.
#include <QMainWindow>
#include <QStringList>
#include <map>

#include "app/command_rules.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class CKelpDoc;
class CKelpView;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit CMainFrame(CKelpDoc* doc, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CKelpDoc* document() const { return m_doc; }
  CKelpView* view() const { return m_view; }
  QAction* action(int commandId) const;
  QToolBar* toolBar() const { return m_toolBar; }

  // Runs a command as if it had been chosen from the menu.
  void runCommand(int commandId);
  // Evaluates every enable rule and check mark now.
  void updateCommands();
  kelp::CommandState commandState() const;
  // A search has been made (read by "Cerca avanti"/"Cerca indietro").
  void setSearchMade(bool on) { m_searchMade = on; }

  // Recent file list (Kelp.ini "Recent File List", File1..File8).
  QStringList recentFiles() const { return m_recent; }
  void addRecentFile(const QString& path);
  void loadRecentFiles();
  void saveRecentFiles() const;

  // Main window position for the current screen size.
  void restorePlacement();
  void storePlacement();
  // Toolbar layout (profile name "Status").
  void saveBarState() const;
  void restoreBarState();

  // After the logbook changed: view, title and commands.
  void refresh();
  void updateTitle();

  // Menu text of "&Applicazione esterna" from the settings.
  void updateExternalAppText();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;
  // Coming back to the front: the document checks its files on disk.
  void changeEvent(QEvent* e) override;

 private:
  void createActions();
  void createMenus();
  void createToolBar();
  void createStatusBar();
  QIcon commandIcon(int id) const;
  void notAvailable();
  // "Ripristina copia...": the list of kept versions, then the restore.
  void restoreBackup();
  void onDocumentChanged();
  void rebuildRecentMenu();
  void startExternalApp();
  void openSettings();

  CKelpDoc* m_doc;
  CKelpView* m_view = nullptr;
  QToolBar* m_toolBar = nullptr;
  QMenu* m_recentMenu = nullptr;
  std::map<int, QAction*> m_actions;
  QStringList m_recent;
  QLabel *m_capsLabel = nullptr, *m_numLabel = nullptr, *m_scrollLabel = nullptr;
  bool m_caps = false, m_num = true, m_scroll = false;
  bool m_searchMade = false;
};
