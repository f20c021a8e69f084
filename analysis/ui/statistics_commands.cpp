// Commands of the statistics.
#include "app/ui/area_commands.h"
#include "app/ui/main_frame.h"

bool runStatisticsCommand(CMainFrame& /*frame*/, int /*id*/) { return false; }
