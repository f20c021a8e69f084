#pragma once
// Start-up sequence and exit of the program.
#include <QObject>
#include <QStringList>

class CKelpDoc;
class CMainFrame;

class CKelpApp : public QObject {
  Q_OBJECT
 public:
  explicit CKelpApp(QObject* parent = nullptr);
  ~CKelpApp() override;

  struct Options {
    bool showSplash = true;   // start-up picture and tip of the day
    bool showWindow = true;
    bool interactive = true;  // extended-mode notice and tip may appear
  };
  // Runs the start-up sequence with the program's arguments (without argv[0]).
  bool initInstance(const QStringList& args, const Options& options);
  // Writes the settings back. Returns the exit code.
  int exitInstance();

  CKelpDoc* document() const { return m_doc; }
  CMainFrame* mainFrame() const { return m_frame; }

  // The tips file: "tips.txt" beside the program, else in the installed data folder.
  static QString tipsFilePath();
  // Checks the service dates of the equipment file (start-up, when "Autocheck" is on).
  static void checkEquipment();

 private:
  CKelpDoc* m_doc = nullptr;
  CMainFrame* m_frame = nullptr;
};
