// Commands of the dive list, the searches and the selection file.
#include "app/ui/area_commands.h"
#include "app/ui/main_frame.h"

bool runSearchCommand(CMainFrame& /*frame*/, int /*id*/) { return false; }
