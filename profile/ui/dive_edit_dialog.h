#pragma once
// The dive editor (dialog 139, "Crea imm") and the alarms dialog (213, "Allarmi").
//
// Entry points for other windows:
//   std::optional<kelp::DiveRecord> editNewDive(parent, logbook, record)
// shows `record` as a new dive (the way imports and "Incolla" do), and
//   std::optional<kelp::DiveRecord> editDiveAt(parent, logbook, position)
// shows the dive at a 1-based position. Both return the record as the user confirmed it
// with OK, or nothing for "Annulla". Neither touches the logbook: the caller stores the
// result inside CKelpDoc::perform() with storeNewDive() / storeEditedDive()
// (profile/dive_edit.h). The logbook only feeds the autocomplete lists and the site list.
#include <QDialog>
#include <QString>
#include <QValidator>
#include <memory>
#include <optional>

#include "core/dive_record.h"
#include "profile/dive_edit.h"

class QButtonGroup;
class QGroupBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace kelp {
class Logbook;
class StringList;
}

std::optional<kelp::DiveRecord> editNewDive(QWidget* parent, const kelp::Logbook& lb,
                                            const kelp::DiveRecord& record);
std::optional<kelp::DiveRecord> editDiveAt(QWidget* parent, const kelp::Logbook& lb, int position);

// A typing limit that never cuts a text the program put into the field: typing that makes
// the text longer than the limit is refused, a longer text stays as it is until edited.
// The program puts its texts in through setProgramText().
class TypingLimit : public QValidator {
  Q_OBJECT
 public:
  TypingLimit(QObject* parent, int limit);
  State validate(QString& input, int& pos) const override;
  // Sets a text in a line edit (or a combo's line edit) without cutting it.
  static void setProgramText(QLineEdit* edit, const QString& text);
 private:
  int m_limit;
  mutable qsizetype m_length = 0;  // length of the text the field holds now
};

// Pieces the dive editor and the fill dialog share.
namespace dive_form {
// Refills a combo's list from an autocomplete list, keeping the text it shows.
void fillFromList(QComboBox* c, const kelp::StringList& list);
// A box of three radio buttons (their ids and labels) in one button group, numbered 0 to 2.
QButtonGroup* threeWay(QWidget* owner, const QString& title, const int ids[3],
                       const char* const labels[3], QGroupBox** box);
// Checks the button for `v`; anything but 0 or 1 checks the third.
void check(QButtonGroup* g, int v);
// The ids of the twelve activity boxes and the eight special activities.
extern const int kActivityIds[12];
extern const int kSpecialIds[8];
}  // namespace dive_form

class CDiveEditDlg : public QDialog {
  Q_OBJECT
 public:
  // index: 1-based position of the dive, 0 for a new dive.
  CDiveEditDlg(const kelp::Logbook& lb, const kelp::DiveRecord& record, int index,
               QWidget* parent = nullptr);
  ~CDiveEditDlg() override;

  // The working record (final after OK).
  const kelp::DiveRecord& record() const;
  const kelp::DiveEditor& editor() const { return *m_editor; }
  // What the controls hold now, as the editor reads them back.
  kelp::EditorFields collect() const;

  void accept() override;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void build();
  void applyLocks();
  void showFields();
  void refreshSites();
  void appendBuddy();
  void updateBuddyButton();
  void onNotesChanged();
  void setNotes(const QString& text);
  bool run(const kelp::Result& r);  // tells the user about a failure; true on success
  void relabelSpecial();
  void openAlarms();
  void takePrevious();

  const kelp::Logbook& m_log;
  std::unique_ptr<kelp::DiveEditor> m_editor;
  QString m_lastLocation;
  bool m_firstFill = true;
  bool m_filling = false;
  QString m_notesBaseline;
  int m_notesLimit = 255;

  QLineEdit *m_date, *m_time, *m_number, *m_interval, *m_airTemp, *m_weight, *m_pressure,
      *m_visibility, *m_maxDepth, *m_diveTime, *m_waterTemp, *m_consumption, *m_buddies;
  QComboBox *m_location, *m_site, *m_altitude, *m_weather, *m_suit, *m_tank, *m_suitName,
      *m_material, *m_other, *m_buddySel, *m_importType, *m_airType;
  QLabel *m_sac, *m_results;
  QButtonGroup *m_kind, *m_ascent, *m_water, *m_boat, *m_guide;
  QCheckBox *m_nitrox, *m_scr, *m_abbrev, *m_free;
  QCheckBox* m_activity[12];
  QCheckBox* m_special[8];
  QPlainTextEdit* m_notes;
  QPushButton *m_appendBuddy, *m_alarms, *m_previous;
  QWidget* m_extended[32];
  int m_extendedCount = 0;
};

class CAlarmsDlg : public QDialog {
  Q_OBJECT
 public:
  CAlarmsDlg(uint16_t warningFlags, QWidget* parent = nullptr);
  // The word with the four bits as ticked; the other bits as they came.
  uint16_t flags() const;
 private:
  uint16_t m_flags;
  QCheckBox* m_box[4];
};
