// Commands of the dive editor and the fill dialog.
#include "app/ui/area_commands.h"
#include "app/ui/main_frame.h"

bool runEditCommand(CMainFrame& /*frame*/, int /*id*/) { return false; }
