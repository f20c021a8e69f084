// Commands of the dive calculator, the no-stop curves and the forecast.
#include "analysis/ui/deco_calc_dialog.h"
#include "analysis/ui/forecast_dialog.h"
#include "analysis/ui/nostop_dialog.h"
#include "app/command_rules.h"
#include "app/ui/area_commands.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "profile/deco92_link.h"

// The "Deco 92" buttons of the profile windows plan through the calculator.
static const bool kDeco92Registered = (kelp::registerDeco92Planner(&kelp::planDeco92IntoClip), true);

bool runPlannerCommand(CMainFrame& frame, int id) {
  switch (id) {
    case kelp::cmd::CalcDives: openDecoCalculator(frame.document()->logbook(), &frame); return true;
    case kelp::cmd::CompareCurves: openNoStopTable(&frame); return true;
    case kelp::cmd::Forecast: openForecast(frame.document()->logbook(), &frame); return true;
    default: return false;
  }
}
