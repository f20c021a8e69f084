// Commands of the profile window, profile creation, split and merge.
#include "app/ui/area_commands.h"
#include "app/ui/main_frame.h"

bool runProfileCommand(CMainFrame& /*frame*/, int /*id*/) { return false; }
