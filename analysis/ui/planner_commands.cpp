// Commands of the dive calculator, the no-stop curves and the forecast.
#include "app/ui/area_commands.h"
#include "app/ui/main_frame.h"

bool runPlannerCommand(CMainFrame& /*frame*/, int /*id*/) { return false; }
