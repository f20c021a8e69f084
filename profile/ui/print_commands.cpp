// Commands of printing.
#include "app/ui/area_commands.h"
#include "app/ui/main_frame.h"

bool runPrintCommand(CMainFrame& /*frame*/, int /*id*/) { return false; }
