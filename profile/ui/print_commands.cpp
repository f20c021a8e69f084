// Commands of printing: "Stampa...", "Anteprima Stampa" and "Impostazioni Stampante...".
#include "app/command_rules.h"
#include "app/ui/area_commands.h"
#include "app/ui/main_frame.h"
#include "profile/ui/print_job.h"

bool runPrintCommand(CMainFrame& frame, int id) {
  switch (id) {
    case kelp::cmd::PrintSetup:
      PrintJob::pageSetup(&frame);
      return true;
    default:
      return false;
  }
}
