#pragma once
// The main window's command set as plain data, and the rules that enable each
// command. No Qt: the frame fills a CommandState and asks commandEnabled().
#include <string>
#include <vector>

namespace kelp {

class Logbook;
struct CopyBuffer;
struct SelectionBuffer;
struct Settings;
class ComputerModelTable;

// Command ids.
namespace cmd {
inline constexpr int TipOfTheDay = 105;
inline constexpr int CalcDives = 32771;
inline constexpr int CompareCurves = 32772;
inline constexpr int EditDive = 32775;
inline constexpr int NewDive = 32777;
inline constexpr int Renumber = 32779;
inline constexpr int TimeZone = 32780;
inline constexpr int ProfileWindow = 32781;
inline constexpr int ProfilePreview = 32782;
inline constexpr int Certifications = 32784;
inline constexpr int Equipment = 32785;
inline constexpr int Forecast = 32786;
inline constexpr int CreateSelectedFile = 32787;
inline constexpr int DiveList = 32788;
inline constexpr int CreateProfile = 32789;
inline constexpr int SplitDive = 32790;
inline constexpr int MergeDive = 32791;
inline constexpr int BuddyAddresses = 32792;
inline constexpr int SearchNext = 32796;
inline constexpr int SearchPrevious = 32797;
inline constexpr int FindDive = 32801;
inline constexpr int Trips = 32804;
inline constexpr int ExtendedSearch = 32805;
inline constexpr int Transfer = 32806;
inline constexpr int Statistics = 32808;
inline constexpr int InstructorDemos = 32811;
inline constexpr int StatLocations = 32812;
inline constexpr int StatBuddies = 32813;
inline constexpr int SearchReplace = 32816;
inline constexpr int SelectionCopy = 32818;
inline constexpr int SelectionPaste = 32819;
inline constexpr int SelectionClear = 32820;
inline constexpr int RenumberRange = 32821;
inline constexpr int ExportCsv = 32822;
inline constexpr int SupportedComputers = 32823;
inline constexpr int ExtendedNotice = 32824;
inline constexpr int FillDives = 32826;
inline constexpr int StatPerMonth = 32827;
inline constexpr int Settings = 32828;
inline constexpr int ImportCitizen = 32829;
inline constexpr int ComputerTypes = 32830;
inline constexpr int ImportGuardian = 32834;
inline constexpr int ExternalApp = 32835;
inline constexpr int ReloadFile = 32836;
inline constexpr int ExportUddf = 32840;
inline constexpr int ImportUddf = 32841;
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int PrintSetup = 57606;
inline constexpr int Print = 57607;
inline constexpr int PrintPreview = 57609;
inline constexpr int RecentFiles = 57616;
inline constexpr int Copy = 57634;
inline constexpr int DeleteDive = 57635;
inline constexpr int Paste = 57637;
inline constexpr int Undo = 57643;
inline constexpr int Redo = 57644;
inline constexpr int About = 57664;
inline constexpr int Exit = 57665;
inline constexpr int ToolBar = 59392;
inline constexpr int StatusBar = 59393;
}  // namespace cmd

// Everything the enable rules look at.
struct CommandState {
  int diveCount = 0;
  int currentPosition = 0;
  bool copyBufferFilled = false;
  bool selectionBufferFilled = false;
  bool searchMade = false;
  bool logbookFileExists = false;   // the logbook's file exists on disk
  bool externFileExists = false;    // ExternApplication/File is set and exists
  bool profilePreview = true;
  // current dive (only meaningful when currentPosition is inside)
  bool currentHasDepthAndTime = false;
  bool currentHasProfile = false;
  bool currentHandMadeProfile = false;
  bool currentDiveTimeFits = true;  // a hand-made profile of the dive time fits the record
  int currentGasKind = 0;
  // next dive (position current + 1), when there is one
  bool hasNext = false;
  int nextGasKind = 0;
  bool nextHasProfile = false;
  int nextSurfaceInterval = 32767;  // NO_VALUE when empty
};

// Gathers the state from the logbook, the buffers and the settings.
// fileExists is asked about the logbook path and the external program.
CommandState makeCommandState(const Logbook& lb, const CopyBuffer& copy,
                              const SelectionBuffer& selection, bool searchMade,
                              const Settings& s, const ComputerModelTable& models,
                              bool (*fileExists)(const std::string&) = nullptr);

bool commandEnabled(int id, const CommandState& s);
// Check mark of a checkable command ("Anteprima profilo").
bool commandChecked(int id, const CommandState& s);

// One menu or toolbar command.
struct CommandInfo {
  int id;
  const char* menu;      // top-level menu ("File", "Crea", ...); submenus as "Crea/Aggiungi imm. selezionate"
  const char* text;      // menu text
  const char* keys;      // bound shortcuts, comma-separated ("F3,Ctrl+O"); "" when none
  const char* shownKey;  // key text shown but not bound ("Alt+F5"); "" when none
  bool built;            // false: its window belongs to a later piece of work
};

// Every command in menu order.
const std::vector<CommandInfo>& commandTable();
// The menu text of a command in the language of the run (the table holds the Italian one).
std::string commandMenuText(const CommandInfo& c);
// The shown title of a menu path of the table: the last part of "Crea/Aggiungi imm. selezionate".
std::string menuTitle(const std::string& path);
const CommandInfo* findCommand(int id);
// Toolbar command ids in order, 0 = separator.
const std::vector<int>& toolbarCommands();

}  // namespace kelp
