// Commands of the statistics: the panel, the location and buddy statistics and the
// dives per month.
#include "analysis/ui/stat_list_dlg.h"
#include "analysis/ui/stat_month_dlg.h"
#include "analysis/ui/stat_panel_dlg.h"
#include "app/command_rules.h"
#include "app/ui/area_commands.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"

bool runStatisticsCommand(CMainFrame& frame, int id) {
  const kelp::Logbook& lb = frame.document()->logbook();
  switch (id) {
    case kelp::cmd::Statistics: {
      CStatPanelDlg dlg(lb, &frame);
      dlg.exec();
      return true;
    }
    case kelp::cmd::StatLocations:
    case kelp::cmd::StatBuddies: {
      CStatListDlg dlg(id == kelp::cmd::StatBuddies ? CStatListDlg::Buddies : CStatListDlg::Locations, lb, &frame);
      dlg.exec();
      return true;
    }
    case kelp::cmd::StatPerMonth: {
      CDivesPerMonthDlg dlg(lb, &frame);
      dlg.exec();
      return true;
    }
    default: return false;
  }
}
