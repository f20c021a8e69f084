// Commands of printing: "Stampa...", "Anteprima Stampa" and "Impostazioni Stampante...".
#include "app/command_rules.h"
#include "app/ui/area_commands.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/settings.h"
#include "core/texts.h"
#include "profile/ui/print/logbook_pages.h"
#include "profile/print_layout.h"
#include "profile/ui/print_dives_dlg.h"
#include "profile/ui/print_job.h"

namespace {

// What was chosen last; kept while the program runs.
kelp::PrintSelection& lastSelection() {
  static kelp::PrintSelection s;
  return s;
}

// The logbook's pages: "Stampa immersioni" first, then the print dialog or the preview.
// An empty logbook, or a range whose numbers belong to no dive, prints nothing and says nothing.
void printLogbook(CMainFrame& frame, bool preview) {
  const kelp::Logbook& lb = frame.document()->logbook();
  if (lb.diveCount() == 0) return;
  kelp::PrintSelection& sel = lastSelection();
  kelp::presetPrintRange(sel, lb);
  CPrintDivesDlg dlg(sel, kelp::settings().printUseLine != 0, &frame);
  if (dlg.exec() != QDialog::Accepted) return;
  sel = dlg.selection();
  kelp::settings().printUseLine = dlg.separator() ? 1 : 0;
  kelp::clampPrintRange(sel, lb);
  const auto range = kelp::findPrintRange(lb, sel.firstNumber, sel.lastNumber);
  if (!range && sel.mode != kelp::PrintMode::Cover) return;
  kelp::print::LogbookPages pages(lb, sel.mode, sel.option, range, kelp::settings().printUseLine != 0,
                                  kelp::todayDayNumber());
  if (sel.mode == kelp::PrintMode::Cover) pages.setOwner(kelp::readCoverOwner(lb.infPath));
  PrintJob job(pages, &frame);
  if (preview)
    job.preview();
  else
    job.print();
}

}  // namespace

bool runPrintCommand(CMainFrame& frame, int id) {
  switch (id) {
    case kelp::cmd::Print:
      printLogbook(frame, false);
      return true;
    case kelp::cmd::PrintPreview:
      printLogbook(frame, true);
      return true;
    case kelp::cmd::PrintSetup:
      PrintJob::pageSetup(&frame);
      return true;
    default:
      return false;
  }
}
