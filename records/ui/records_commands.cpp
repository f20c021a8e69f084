// Commands of the personal books.
#include "app/ui/area_commands.h"
#include "app/ui/main_frame.h"

bool runRecordsCommand(CMainFrame& /*frame*/, int /*id*/) { return false; }
