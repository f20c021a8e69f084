// Commands of the profile window, profile creation, split and merge.
#include "profile/ui/profile_commands.h"

#include <QCoreApplication>

#include "app/command_rules.h"
#include "app/ui/area_commands.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/kelp_view.h"
#include "app/ui/main_frame.h"
#include "profile/split_merge.h"
#include "profile/ui/profile_dialogs.h"
#include "profile/ui/profile_wnd.h"

namespace {
QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
// The history's names of the two steps ("Annulla Separa immersione").
QString splitText() { return QCoreApplication::translate("CSplitDlg", "Separa immersione"); }
QString mergeText() { return QCoreApplication::translate("CSplitDlg", "Unisci immersione"); }
}  // namespace

namespace profile_commands {

void openProfileWindow(CMainFrame& frame) {
  CProfileWnd wnd(*frame.document(), &frame);
  QObject::connect(&wnd, &CProfileWnd::currentDiveChanged, &frame,
                   [&frame] { frame.view()->goToDive(frame.document()->logbook().currentPosition); });
  QObject::connect(&wnd, &CProfileWnd::colorsChanged, &frame, [&frame] { frame.view()->drawPreview(); });
  wnd.exec();
}

bool createProfile(QWidget* parent, CKelpDoc& doc) {
  CProfileCreateDlg dlg(doc, parent);
  return dlg.exec() == QDialog::Accepted;
}

bool splitAt(QWidget* parent, CKelpDoc& doc, int minute) {
  const kelp::Logbook& lb = doc.logbook();
  const int pos = lb.currentPosition;
  if (minute == 0 || pos < 1 || pos > lb.diveCount()) return false;  // no minute chosen: nothing
  const int number = lb.dives()[static_cast<size_t>(pos - 1)].diveNumber;
  const kelp::Result r =
      doc.perform(splitText(), [pos, minute](kelp::Logbook& l) { return kelp::splitDive(l, pos, minute); });
  tellUser(parent, q(r ? kelp::splitDoneMessage(number) : r.error), r ? QMessageBox::Information : QMessageBox::Warning);
  return r.ok;
}

bool splitCurrent(QWidget* parent, CKelpDoc& doc) {
  CSplitDlg dlg(doc, parent);
  if (dlg.exec() != QDialog::Accepted) return false;
  return splitAt(parent, doc, dlg.minute());
}

bool mergeCurrent(QWidget* parent, CKelpDoc& doc) {
  const kelp::Logbook& lb = doc.logbook();
  const int pos = lb.currentPosition;
  const kelp::Result check = kelp::checkMerge(lb, pos);
  if (!check) {
    tellUser(parent, q(check.error));
    return false;
  }
  const int first = lb.dives()[static_cast<size_t>(pos - 1)].diveNumber;
  const int second = lb.dives()[static_cast<size_t>(pos)].diveNumber;
  // One question before anything changes; Cancel leaves both dives as they are.
  if (askUser(parent, QMessageBox::Question, q(kelp::mergeDeleteQuestion(second)),
              QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
    return false;
  const kelp::Result r = doc.perform(mergeText(), [pos](kelp::Logbook& l) { return kelp::mergeDives(l, pos); });
  tellUser(parent, q(r ? kelp::mergeDoneMessage(first, second) : r.error),
           r ? QMessageBox::Information : QMessageBox::Warning);
  return r.ok;
}

}  // namespace profile_commands

bool runProfileCommand(CMainFrame& frame, int id) {
  namespace c = kelp::cmd;
  CKelpDoc& doc = *frame.document();
  switch (id) {
    case c::ProfileWindow: profile_commands::openProfileWindow(frame); return true;
    case c::CreateProfile: profile_commands::createProfile(&frame, doc); return true;
    case c::SplitDive: profile_commands::splitCurrent(&frame, doc); return true;
    case c::MergeDive: profile_commands::mergeCurrent(&frame, doc); return true;
    default: return false;
  }
}
