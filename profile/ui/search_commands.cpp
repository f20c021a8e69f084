// Commands of the dive list, the searches and the selection file.
#include <QCoreApplication>
#include <QString>

#include "app/command_rules.h"
#include "app/ui/area_commands.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/kelp_view.h"
#include "app/ui/main_frame.h"
#include "profile/search.h"
#include "profile/ui/dive_list_dialog.h"
#include "profile/ui/extended_search_dialog.h"
#include "profile/ui/find_dialog.h"
#include "profile/ui/replace_dialog.h"

namespace {

QString fromStd(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Moves the main form to a dive while a dialog stays open.
std::function<void(int)> goToFn(CMainFrame& frame) {
  return [&frame](int position) {
    frame.view()->goToDive(position);
    frame.updateCommands();
  };
}

void findDive(CMainFrame& frame) {
  CKelpDoc& doc = *frame.document();
  CFindDiveDlg dlg(doc.logbook(), kelp::lastSearch(), &frame);
  if (dlg.exec() != QDialog::Accepted) {
    // "Cancella": no search stands any more, so next and previous are off.
    kelp::lastSearch().field = kelp::kFindNone;
    frame.setSearchMade(false);
    return;
  }
  kelp::lastSearch() = dlg.search();
  frame.setSearchMade(true);
  const int p = kelp::findFirst(doc.logbook(), kelp::lastSearch());
  if (p == 0) {
    tellUser(&frame, fromStd(kelp::searchNotFoundMessage(kelp::lastSearch())), QMessageBox::Information);
    return;
  }
  frame.view()->goToDive(p);
}

void searchOn(CMainFrame& frame, bool forward) {
  const kelp::Logbook& lb = frame.document()->logbook();
  const kelp::LastSearch& s = kelp::lastSearch();
  const int p = forward ? kelp::findNext(lb, s, lb.currentPosition) : kelp::findPrevious(lb, s, lb.currentPosition);
  if (p == 0) {
    tellUser(&frame, fromStd(kelp::searchNoMoreMessage(s)), QMessageBox::Information);
    return;
  }
  frame.view()->goToDive(p);
}

void searchReplace(CMainFrame& frame) {
  CKelpDoc& doc = *frame.document();
  const QString text = QCoreApplication::translate("CReplaceDlg", "Sostituisci");
  CReplaceDlg dlg(
      doc.logbook(),
      [&doc, text](int field, const std::string& oldText, const std::string& newText) {
        // Nothing to change makes no step to take back.
        if (!kelp::previewReplace(doc.logbook(), field, oldText, newText).canReplace) return 0;
        int changed = 0;
        doc.perform(text, [&](kelp::Logbook& lb) {
          changed = kelp::replaceAll(lb, field, oldText, newText);
          return kelp::Result::success();
        });
        return changed;  // the main window follows the document's change signal
      },
      &frame);
  dlg.exec();
}

void extendedSearch(CMainFrame& frame, bool openWritten) {
  CKelpDoc& doc = *frame.document();
  CExtendedSearchDlg dlg(doc.logbook(), goToFn(frame), &frame);
  dlg.exec();
  if (!openWritten || dlg.writtenFile().isEmpty()) return;
  // The new file becomes the current logbook the way "Nuovo" opens a pending file.
  doc.setPendingOpen(dlg.writtenFile());
  if (!doc.fileNew()) doc.setPendingOpen(QString());
}

}  // namespace

bool runSearchCommand(CMainFrame& frame, int id) {
  namespace c = kelp::cmd;
  switch (id) {
    case c::DiveList: {
      CDiveListDlg dlg(frame.document()->logbook(), goToFn(frame), &frame);
      dlg.exec();
      return true;
    }
    case c::FindDive: findDive(frame); return true;
    case c::SearchNext: searchOn(frame, true); return true;
    case c::SearchPrevious: searchOn(frame, false); return true;
    case c::SearchReplace: searchReplace(frame); return true;
    case c::ExtendedSearch: extendedSearch(frame, false); return true;
    case c::CreateSelectedFile: extendedSearch(frame, true); return true;
    default: return false;
  }
}
