#pragma once
// The two books kept beside the logbook: "Viaggi sub" (dialog 154, the .trp file) and
// "Questo Logbook appartiene a:" (dialog 150, the owner and certifications, the .inf file).
// Both are edited in place; a file of the older layout is read converted and written in the
// current layout on Save only, its old form kept as ".bak" beside it.
#include <functional>

#include "records/owner_book.h"
#include "records/trip_book.h"
#include "records/ui/book_dialog.h"
#include "records/ui/entry_fields.h"

class QComboBox;
class QLabel;

class CTripsDlg : public CBookDlg {
  Q_OBJECT
 public:
  // goTo: shows the dive at a position in the main view.
  CTripsDlg(QWidget* parent, const std::string& path, std::vector<kelp::DiveTrip> book, bool oldLayout,
            const kelp::Logbook& logbook, std::function<void(int position)> goTo);
  bool isModified() const override { return m_book.modified; }
  const kelp::BookList<kelp::DiveTrip>& book() const { return m_book; }

  void addNew();
  void deleteSelected();
  void sortBook();
  void goToFirstDive();

 protected:
  void updateButtons() override;
  kelp::Result saveBook() override;
  kelp::BookPrintout printout() const override;
  bool openFile(const std::string&) override { return false; }
  void commitEdits() override { m_fields.checkDates(); }

 private:
  void fillList();
  void setRow(int i);
  void onSelectionChanged();
  void onFieldChanged(int id);
  kelp::BookList<kelp::DiveTrip> m_book;
  EntryFields<kelp::DiveTrip> m_fields;
  bool m_oldLayout;
  const kelp::Logbook& m_logbook;
  std::function<void(int)> m_goTo;
  bool m_syncing = false;
};

class COwnerDlg : public CBookDlg {
  Q_OBJECT
 public:
  COwnerDlg(QWidget* parent, const std::string& path, kelp::OwnerBook book, bool oldLayout);
  bool isModified() const override { return m_book.modified; }
  const kelp::BookList<kelp::Certification>& book() const { return m_book; }
  const kelp::OwnerBlock& owner() const { return m_owner; }

  void addNew();
  void deleteSelected();
  void sortBook();

 protected:
  void updateButtons() override;
  kelp::Result saveBook() override;
  kelp::BookPrintout printout() const override;
  bool openFile(const std::string&) override { return false; }
  void commitEdits() override { m_fields.checkDates(); }

 private:
  void fillList();
  void setRow(int i);
  void showEntry();
  void onSelectionChanged();
  void onFieldChanged(int id);
  void showTotal();
  kelp::OwnerBlock m_owner;
  kelp::BookList<kelp::Certification> m_book;
  EntryFields<kelp::Certification> m_fields;
  QComboBox* m_category = nullptr;
  QLabel* m_total = nullptr;
  bool m_oldLayout;
  bool m_syncing = false;
};

// Commands 32804 and 32784 on the logbook's companion files: a file that cannot be read
// is reported and the dialog does not open (the file is left as it is).
void openTrips(QWidget* parent, const kelp::Logbook& logbook, std::function<void(int)> goTo);
void openOwnerBook(QWidget* parent, const kelp::Logbook& logbook);
