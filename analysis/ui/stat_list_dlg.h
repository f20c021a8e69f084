#pragma once
// "Statistiche località e luoghi" (191) and "Statistiche compagni" (192): the dives of
// each location (or buddy) of all dives or one year, and on selection its sites (or
// locations), in two sortable lists.
#include <QDialog>

#include "analysis/stat_lists.h"
#include "analysis/stat_table.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QTreeView;
class CStatCountModel;

namespace kelp {
class Logbook;
}

class CStatListDlg : public QDialog {
  Q_OBJECT
 public:
  enum Kind { Locations, Buddies };
  CStatListDlg(Kind kind, const kelp::Logbook& lb, QWidget* parent = nullptr, int32_t today = 0);
  ~CStatListDlg() override;

  Kind kind() const { return kind_; }
  CStatCountModel* entriesModel() const { return entries_; }
  CStatCountModel* subModel() const { return sub_; }
  QTreeView* entriesView() const { return entriesView_; }
  // Selects entry `row` of the first list (as shown) and fills the second list.
  void selectEntry(int row);
  // Reads the selection and the year, recounts and refills the lists.
  void recount();

 private:
  void showSub(int row);
  Kind kind_;
  const kelp::Logbook& lb_;
  kelp::CStatTable rules_;  // year selection and its range
  bool initialised_ = false;
  QRadioButton* all_;
  QRadioButton* year_;
  QLineEdit* yearEdit_;
  QScrollBar* yearSpin_;
  CStatCountModel* entries_;
  CStatCountModel* sub_;
  QTreeView* entriesView_;
  QTreeView* subView_;
  QLabel* entryCount_;
  QLabel* subTotal_ = nullptr;
  QLabel* subCount_;
};
