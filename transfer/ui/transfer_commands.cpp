// Commands of the dive computer transfer, computer types, imports and export.
#include "app/ui/area_commands.h"
#include "app/ui/main_frame.h"

bool runTransferCommand(CMainFrame& /*frame*/, int /*id*/) { return false; }
