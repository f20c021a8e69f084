#pragma once
// The dialog of "Importa UDDF...": reads the chosen file on a worker thread with a progress
// bar (the window keeps answering), lists every dive found with its date, time, depth, dive
// time, place and status (new, already in the logbook, skipped and why), and inserts the new
// ones on "Inserisci immersioni" as one step that "Annulla" takes back. When the file holds
// books, it offers to take them into the books beside the logbook.
#include <QAbstractTableModel>
#include <QDialog>
#include <memory>

#include "transfer/uddf_import.h"

class CKelpDoc;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QThread;
class QTimer;

// When "Inserisci immersioni" can be pressed: the file is read whole, nothing was inserted
// yet, and there is something to take in (new dives, or books the user chose).
struct UddfImportState {
  bool read = false;      // the file was read to its end
  bool inserted = false;  // the dives were inserted already
  int newDives = 0;
  bool books = false;     // the file's books are to be taken in
};
bool uddfInsertEnabled(const UddfImportState& s);

// The dives found, one row each.
class UddfDiveModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  enum Column { Date, Time, Depth, DiveTime, Place, Status, ColumnCount };
  void setDives(const std::vector<kelp::UddfDive>* dives);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  const std::vector<kelp::UddfDive>* m_dives = nullptr;
};

class CUddfImportDlg : public QDialog {
  Q_OBJECT
 public:
  CUddfImportDlg(CKelpDoc& doc, const QString& path, QWidget* parent = nullptr);
  ~CUddfImportDlg() override;

  // Starts reading the file (the constructor does not, so that a caller may watch).
  void start();
  // True from start() until the dialog has taken over what the worker read.
  bool reading() const;
  // The file was read; false while reading and when it could not be read.
  bool readOk() const { return m_readOk; }
  const kelp::UddfImport& found() const { return m_found; }
  const kelp::UddfInsertReport& report() const { return m_report; }
  const kelp::UddfBooksReport& booksReport() const { return m_booksReport; }
  // The message shown under the list (the error of a bad file, the counts of a good one).
  QString message() const;

  void reject() override;  // stops a reading that is under way

 private:
  struct Job;
  void build();
  void readFinished();
  void showProgress();
  void insertDives();
  void refreshControls();

  CKelpDoc& m_doc;
  QString m_path;
  std::shared_ptr<Job> m_job;
  QThread* m_worker = nullptr;
  kelp::UddfImport m_found;
  kelp::UddfInsertReport m_report;
  kelp::UddfBooksReport m_booksReport;
  bool m_readDone = false;
  bool m_readOk = false;
  bool m_inserted = false;

  UddfDiveModel* m_model;
  QTableView* m_list;
  QProgressBar* m_progress;
  QLabel* m_file;
  QLabel* m_status;
  QCheckBox* m_books;
  QPushButton* m_insert;
  QPushButton* m_close;
  QTimer* m_progressTimer;
};
