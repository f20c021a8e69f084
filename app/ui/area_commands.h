#pragma once
// The main window offers each command it does not handle itself to the areas in turn;
// an area opens its own window or runs its own operation and returns true when the
// command was its own. Each area keeps its handler in its own file.
class CMainFrame;

bool runEditCommand(CMainFrame& frame, int id);        // profile/ui/edit_commands.cpp
bool runSearchCommand(CMainFrame& frame, int id);      // profile/ui/search_commands.cpp
bool runProfileCommand(CMainFrame& frame, int id);     // profile/ui/profile_commands.cpp
bool runPrintCommand(CMainFrame& frame, int id);       // profile/ui/print_commands.cpp
bool runTransferCommand(CMainFrame& frame, int id);    // transfer/ui/transfer_commands.cpp
bool runUddfCommand(CMainFrame& frame, int id);        // transfer/ui/uddf_commands.cpp
bool runStatisticsCommand(CMainFrame& frame, int id);  // analysis/ui/statistics_commands.cpp
bool runPlannerCommand(CMainFrame& frame, int id);     // analysis/ui/planner_commands.cpp
bool runRecordsCommand(CMainFrame& frame, int id);     // records/ui/records_commands.cpp
