// Commands of the dive editor and the fill dialog.
#include "profile/ui/edit_commands.h"

#include <QString>

#include "app/command_rules.h"
#include "app/ui/area_commands.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/logbook_dialogs.h"
#include "app/ui/main_frame.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/dive_edit.h"
#include "profile/fill_dives.h"
#include "profile/ui/dive_edit_dialog.h"
#include "profile/ui/fill_dives_dialog.h"

namespace {

bool tellFailure(QWidget* parent, const kelp::Result& r) {
  if (r) return true;
  tellUser(parent, QString::fromStdString(r.error));
  return false;
}

// "Nuova immersione": a cleared record with the defaults, dated like the last new dive.
bool newDive(QWidget* parent, CKelpDoc& doc) {
  kelp::EditorSession& session = kelp::editorSession();
  const int32_t today = kelp::todayDayNumber();
  if (session.lastNewDate < 0) session.lastNewDate = today;
  const kelp::DiveRecord start = kelp::newDiveRecord(kelp::settings().defaults, session.lastNewDate, today);
  const std::optional<kelp::DiveRecord> edited = editNewDive(parent, doc.logbook(), start);
  if (!edited) return false;
  if (edited->date != -1) session.lastNewDate = edited->date;
  const kelp::DiveRecord r = *edited;
  return tellFailure(parent, doc.perform(logbook_commands::commandText(kelp::cmd::NewDive),
                                         [&r](kelp::Logbook& lb) { return kelp::storeNewDive(lb, r); }));
}

// "Crea immersione": the current dive; stored only when a byte changed.
bool editDive(QWidget* parent, CKelpDoc& doc) {
  kelp::Logbook& lb = doc.logbook();
  const int pos = lb.currentPosition;
  kelp::DiveRecord before;
  if (!lb.get(pos, before)) return false;
  const std::optional<kelp::DiveRecord> edited = editDiveAt(parent, lb, pos);
  if (!edited) return false;
  if (kelp::sameDive(before, *edited)) {
    lb.sitesAtLocationList.clear();
    return false;
  }
  const kelp::DiveRecord r = *edited;
  return tellFailure(parent, doc.perform(logbook_commands::commandText(kelp::cmd::EditDive), [&](kelp::Logbook& l) {
                       return kelp::storeEditedDive(l, pos, before, r);
                     }));
}

// "Crea alcune immersioni": the fill dialog, then the template over the number range.
bool fillDives(QWidget* parent, CKelpDoc& doc) {
  CFillDivesDlg dlg(doc.logbook(), parent);
  if (dlg.exec() != QDialog::Accepted) return false;
  const kelp::FillTemplate t = kelp::fillTemplate();
  return tellFailure(parent, doc.perform(logbook_commands::commandText(kelp::cmd::FillDives),
                                         [&t](kelp::Logbook& lb) { return kelp::fillDives(lb, t); }));
}

}  // namespace

bool pasteDiveThroughEditor(QWidget* parent, CKelpDoc& doc) {
  const kelp::CopyBuffer& copy = doc.copyBuffer();
  if (!copy.filled) return false;
  const std::optional<kelp::DiveRecord> edited = editNewDive(parent, doc.logbook(), copy.record);
  if (!edited) return false;
  const kelp::DiveRecord r = *edited;
  return tellFailure(parent, doc.perform(logbook_commands::commandText(kelp::cmd::Paste),
                                         [&r](kelp::Logbook& lb) { return kelp::storeNewDive(lb, r); }));
}

bool runEditCommand(CMainFrame& frame, int id) {
  CKelpDoc& doc = *frame.document();
  switch (id) {
    case kelp::cmd::NewDive: newDive(&frame, doc); return true;
    case kelp::cmd::EditDive: editDive(&frame, doc); return true;
    case kelp::cmd::FillDives: fillDives(&frame, doc); return true;
    case kelp::cmd::Paste: pasteDiveThroughEditor(&frame, doc); return true;
    default: return false;
  }
}
