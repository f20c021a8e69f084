#pragma once
// The dialog "Trasferisci immersioni" (206): waits on the serial link for a dive
// computer interface, receives the memory stream, shows the computer's data and
// the dives that are newer than the logbook's last dive, and inserts them on
// "Inserisci immersioni" as one undoable step. Everything is driven by the link's
// readyRead and by timers: the window repaints and answers while a stream arrives.
#include <QDialog>
#include <QElapsedTimer>
#include <functional>
#include <array>
#include <vector>

#include "transfer/receive_state.h"
#include "transfer/transfer_session.h"

class CKelpDoc;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;
class SerialLink;

class CTransferDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CTransferDlg(CKelpDoc& doc, QWidget* parent = nullptr);
  ~CTransferDlg() override;

  // Opens the port of the settings and starts waiting. When the port is not ready
  // it says so ("Com %d non pronta") and returns false: the dialog is not shown.
  bool openPort();
  // Command 9: decodes the saved stream "dump.dmp" of the config folder, when it exists.
  void replay();

  const kelp::ReceiveStateMachine& receiver() const { return m_rx; }
  const kelp::TransferSession& session() const { return m_session; }
  SerialLink* link() const { return m_link; }

  void reject() override;  // asks "Annulli immersione?" while new dives wait
  void done(int r) override;  // releases the port

 private:
  void build();
  void onBytes();
  void onPollTimer();
  void onBlink();
  void transferError();
  void complete();
  void decodeAndShow(const std::vector<uint8_t>& stream);
  void fillList();
  void insertDives();
  void refreshControls();
  void stopTimers();
  void later(std::function<void()> f);  // runs f from the event loop, never inside a handler
  double now() const { return m_clock.elapsed() / 1000.0; }

  CKelpDoc& m_doc;
  SerialLink* m_link;
  kelp::ReceiveStateMachine m_rx;
  kelp::TransferSession m_session;
  kelp::InfoTexts m_texts;
  int m_batteryLevel = -1;
  int m_port = 1;
  int m_errorsSeen = 0;
  bool m_blink = false;
  bool m_closing = false;
  QElapsedTimer m_clock;
  QTimer *m_pollTimer, *m_progressTimer, *m_blinkTimer;

  QProgressBar* m_progress;
  QTreeWidget* m_list;
  QPushButton *m_insert, *m_cancel;
  QLabel *m_connected, *m_portLabel, *m_error, *m_status;
  QGroupBox* m_group;
  std::array<QLineEdit*, 9> m_info{};
  std::vector<QWidget*> m_linkControls;  // hidden once the stream is complete
};

// "Trasferisci": opens the dialog (nothing when the port is not ready).
void runTransferDialog(QWidget* parent, CKelpDoc& doc);
