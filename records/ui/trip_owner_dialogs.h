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

class CTripsDlg : public CInPlaceBookDlg<kelp::DiveTrip> {
  Q_OBJECT
 public:
  // goTo: shows the dive at a position in the main view.
  CTripsDlg(QWidget* parent, const std::string& path, std::vector<kelp::DiveTrip> book, bool oldLayout,
            const kelp::Logbook& logbook, std::function<void(int position)> goTo);
  // "Vai a:" (11).
  void goToFirstDive();

 protected:
  QStringList rowTexts(const kelp::DiveTrip& t) const override;
  std::string deleteQuestion(const kelp::DiveTrip& t) const override;
  kelp::Result writeBook() override;
  kelp::BookPrintout printout() const override;

 private:
  bool m_oldLayout;
  const kelp::Logbook& m_logbook;
  std::function<void(int)> m_goTo;
};

class COwnerDlg : public CInPlaceBookDlg<kelp::Certification> {
  Q_OBJECT
 public:
  COwnerDlg(QWidget* parent, const std::string& path, kelp::OwnerBook book, bool oldLayout);
  const kelp::OwnerBlock& owner() const { return m_owner; }

 protected:
  QStringList rowTexts(const kelp::Certification& c) const override;
  std::string deleteQuestion(const kelp::Certification& c) const override;
  void showSelected() override;
  void showTotals() override;
  kelp::Result writeBook() override;
  kelp::BookPrintout printout() const override;

 private:
  kelp::OwnerBlock m_owner;
  QComboBox* m_category = nullptr;
  QLabel* m_total = nullptr;
  bool m_oldLayout;
};

// Commands 32804 and 32784 on the logbook's companion files: a file that cannot be read
// is reported and the dialog does not open (the file is left as it is).
void openTrips(QWidget* parent, const kelp::Logbook& logbook, std::function<void(int)> goTo);
void openOwnerBook(QWidget* parent, const kelp::Logbook& logbook);
