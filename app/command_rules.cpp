#include "app/command_rules.h"

#include <filesystem>
#include <system_error>

#include "core/computer_models.h"
#include "core/dive_record.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/strings.h"
#include "profile/hand_profile.h"

namespace kelp {
namespace {

bool defaultFileExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  return std::filesystem::is_regular_file(std::filesystem::u8path(path), ec);
}

}  // namespace

CommandState makeCommandState(const Logbook& lb, const CopyBuffer& copy,
                              const SelectionBuffer& selection, bool searchMade,
                              const Settings& s, const ComputerModelTable& models,
                              bool (*fileExists)(const std::string&)) {
  if (!fileExists) fileExists = defaultFileExists;
  CommandState st;
  st.diveCount = lb.diveCount();
  st.currentPosition = lb.currentPosition;
  st.copyBufferFilled = copy.filled;
  st.selectionBufferFilled = !selection.empty();
  st.searchMade = searchMade;
  // A logbook never saved carries only its default name, without a folder: a file of that
  // name in the working folder is not its file.
  st.logbookFileExists = lb.path.find('/') != std::string::npos && fileExists(lb.path);
  st.externFileExists = !s.externFile.empty() && fileExists(s.externFile);
  st.profilePreview = s.profilePreview != 0;
  const int c = lb.currentPosition;
  if (c >= 1 && c <= st.diveCount) {
    const DiveRecord& r = lb.dives()[c - 1];
    const int depth = shownMaxDepth(r);
    st.currentHasDepthAndTime = depth != NO_VALUE && depth > 0 && r.diveTime != NO_VALUE &&
                                r.diveTime > 0;
    st.currentHasProfile = r.profileLength != 0;
    st.currentHandMadeProfile = st.currentHasProfile && isHandMadeProfile(r);
    st.currentDiveTimeFits = r.diveTime <= maxHandMadeMinutes(profileLayout(r.computerType, models));
    st.currentGasKind = models.gasKind(r.computerType);
    if (c < st.diveCount) {
      const DiveRecord& n = lb.dives()[c];
      st.hasNext = true;
      st.nextGasKind = models.gasKind(n.computerType);
      st.nextHasProfile = n.profileLength != 0;
      st.nextSurfaceInterval = n.surfaceInterval;
    }
  }
  return st;
}

bool commandEnabled(int id, const CommandState& s) {
  const bool dives = s.diveCount > 0;
  const bool current = dives && s.currentPosition >= 1 && s.currentPosition <= s.diveCount;
  switch (id) {
    case cmd::CreateSelectedFile:
    case cmd::ExportCsv:
    case cmd::ExportUddf:
    case cmd::Copy:
    case cmd::SelectionCopy:
    case cmd::EditDive:
    case cmd::DeleteDive:
    case cmd::Renumber:
    case cmd::RenumberRange:
    case cmd::TimeZone:
    case cmd::FillDives:
    case cmd::ProfileWindow:
    case cmd::DiveList:
    case cmd::Statistics:
    case cmd::StatLocations:
    case cmd::StatBuddies:
    case cmd::StatPerMonth:
    case cmd::FindDive:
    case cmd::ExtendedSearch:
    case cmd::SearchReplace:
      return dives;
    case cmd::Paste:
      return s.copyBufferFilled;
    case cmd::SelectionPaste:
    case cmd::SelectionClear:
      return s.selectionBufferFilled;
    case cmd::CreateProfile:
      return current && s.currentHasDepthAndTime && s.currentDiveTimeFits &&
             (!s.currentHasProfile || s.currentHandMadeProfile);
    case cmd::SplitDive:
      return current && s.currentHasProfile;
    case cmd::MergeDive:
      if (!current || !s.hasNext) return false;
      // Oxygen models merge only with each other, under the same conditions as the others.
      if (s.currentGasKind == 2 && s.nextGasKind != 2) return false;
      return s.currentHasProfile && s.nextHasProfile && s.nextSurfaceInterval != NO_VALUE &&
             s.nextSurfaceInterval < 121;
    case cmd::SearchNext:
      return s.searchMade && dives && s.currentPosition < s.diveCount;
    case cmd::SearchPrevious:
      return s.searchMade && dives && s.currentPosition >= 2;
    case cmd::Certifications:
    case cmd::Trips:
    case cmd::Forecast:
      return dives && s.logbookFileExists;
    case cmd::ExternalApp:
      return s.externFileExists;
    default:
      return true;
  }
}

bool commandChecked(int id, const CommandState& s) {
  return id == cmd::ProfilePreview && s.profilePreview;
}

const std::vector<CommandInfo>& commandTable() {
  using namespace cmd;
  static const std::vector<CommandInfo> table = {
      {FileNew, "File", "Nuovo", "Ctrl+N", "", true},
      {FileOpen, "File", "Apri...", "F3,Ctrl+O", "", true},
      {FileSave, "File", "Salva", "F2,Ctrl+S", "", true},
      {FileSaveAs, "File", "Salva come...", "", "", true},
      {0, "File", "", "", "", true},
      {ReloadFile, "File", "Apri corrente file", "", "Alt+F5", true},
      {CreateSelectedFile, "File", "Crea file selezionato", "", "", true},
      {0, "File", "", "", "", true},
      {ExportCsv, "File", "Invia a CSV", "", "", true},
      {ExportUddf, "File", "Esporta UDDF...", "", "", true},
      {ImportCitizen, "File", "Importa Citizen", "", "", true},
      {ImportGuardian, "File", "Importa Mares Guardian", "", "", true},
      {ImportUddf, "File", "Importa UDDF...", "", "", true},
      {0, "File", "", "", "", true},
      {Print, "File", "Stampa...", "Ctrl+P", "", true},
      {PrintPreview, "File", "Anteprima Stampa", "", "", true},
      {PrintSetup, "File", "Impostazioni Stampante...", "", "", true},
      {0, "File", "", "", "", true},
      {RecentFiles, "File", "File recenti", "", "", true},
      {0, "File", "", "", "", true},
      {Exit, "File", "Esci", "Alt+X", "", true},

      {Undo, "Crea", "Annulla", "Ctrl+Z,Alt+Backspace", "", true},
      {Redo, "Crea", "Ripeti", "Ctrl+Y,Ctrl+Shift+Z", "", true},
      {0, "Crea", "", "", "", true},
      {Copy, "Crea", "Copia", "Ctrl+C,Ctrl+Insert", "", true},
      {Paste, "Crea", "Incolla", "Ctrl+V,Shift+Insert", "", true},
      {SelectionCopy, "Crea/Aggiungi imm. selezionate", "Copia", "", "", true},
      {SelectionPaste, "Crea/Aggiungi imm. selezionate", "Incolla", "", "", true},
      {SelectionClear, "Crea/Aggiungi imm. selezionate", "Cancella selezione", "", "", true},
      {0, "Crea", "", "", "", true},
      {Transfer, "Crea", "Trasferisci", "F5", "", true},
      {EditDive, "Crea", "Crea immersione", "Ctrl+E", "", true},
      {NewDive, "Crea", "Nuova immersione", "F7", "", true},
      {DeleteDive, "Crea", "Cancella immersione", "F8,Shift+Del", "", true},
      {0, "Crea", "", "", "", true},
      {Renumber, "Crea", "Rinumera Logbook", "", "", true},
      {RenumberRange, "Crea", "Rinumera alcune immersioni", "", "", true},
      {TimeZone, "Crea", "Regola fuso orario", "", "", true},
      {FillDives, "Crea", "Crea alcune immersioni", "", "", true},
      {0, "Crea", "", "", "", true},
      {CreateProfile, "Crea", "Crea profilo immersione", "", "", true},
      {SplitDive, "Crea", "Separa immersione", "", "", true},
      {MergeDive, "Crea", "Unisci immersione", "", "", true},

      {ToolBar, "Vista", "Barra utensili", "", "", true},
      {StatusBar, "Vista", "Barra di stato", "", "", true},
      {ProfilePreview, "Vista", "Anteprima profilo", "", "", true},
      {0, "Vista", "", "", "", true},
      {ProfileWindow, "Vista", "Profilo", "F9", "", true},
      {DiveList, "Vista", "Lista immersioni", "Alt+T", "", true},
      {0, "Vista", "", "", "", true},
      {cmd::Settings, "Vista", "Impostazioni", "", "", true},
      {ComputerTypes, "Vista", "Tipi di computers subaquei", "", "", true},

      {Statistics, "Statistiche", "Statistiche", "F6", "", true},
      {StatLocations, "Statistiche", "Località", "", "", true},
      {StatBuddies, "Statistiche", "Compagni", "", "", true},
      {StatPerMonth, "Statistiche", "Imm. al mese", "", "", true},

      {FindDive, "Cerca", "Immersioni", "Ctrl+F", "", true},
      {SearchNext, "Cerca", "Cerca avanti", "", "", true},
      {SearchPrevious, "Cerca", "Cerca indietro", "", "", true},
      {0, "Cerca", "", "", "", true},
      {ExtendedSearch, "Cerca", "Estendi ricerca", "", "", true},
      {SearchReplace, "Cerca", "Cerca e sostituisci", "", "", true},

      {Certifications, "Extra", "Brevetti", "F1", "", true},
      {Equipment, "Extra", "Attrezzatura", "F10", "", true},
      {BuddyAddresses, "Extra", "Indirizzo compagni", "F11", "", true},
      {Trips, "Extra", "Viaggi", "", "", true},
      {InstructorDemos, "Extra", "Dimostrazioni istruttore", "", "", true},
      {Forecast, "Extra", "Previsioni", "", "", true},
      {0, "Extra", "", "", "", true},
      {CalcDives, "Extra", "Calcolo immersioni", "", "", true},
      {CompareCurves, "Extra", "Confronta curve", "", "", true},
      {0, "Extra", "", "", "", true},
      {ExternalApp, "Extra", "&Applicazione esterna", "", "Strg+F5", true},

      {About, "Aiuto", "Circa Kelp...", "", "", true},
      {SupportedComputers, "Aiuto", "Computers", "", "", true},
      {ExtendedNotice, "Aiuto", "Attenzioni", "", "", true},

      {TipOfTheDay, "?", "Tips and Tricks...", "", "", true},
  };
  return table;
}

namespace {

// The last line of a command's string: its tool tip.
std::string toolTipOf(Language l, int id) {
  const std::string& s = str(l, id);
  const size_t nl = s.rfind('\n');
  return nl == std::string::npos ? s : s.substr(nl + 1);
}

// Menu texts with a string of their own; every other menu text repeats its command's tool
// tip (with "..." where the command opens a dialog) and takes the tool tip's translation.
int ownMenuTextId(int id) {
  using namespace cmd;
  switch (id) {
    case PrintPreview: return 63490;
    case PrintSetup: return 63491;
    case RecentFiles: return 63492;
    case SelectionCopy: return 63493;
    case SelectionPaste: return 63494;
    case EditDive: return 63495;
    case Renumber: return 63496;
    case TimeZone: return 63497;
    case CreateProfile: return 63498;
    case ComputerTypes: return 63499;
    case FindDive: return 63500;
    case ExternalApp: return 63501;
    case About: return 63502;
    case TipOfTheDay: return 106;
    default: return 0;
  }
}

}  // namespace

std::string commandMenuText(const CommandInfo& c) {
  if (const int own = ownMenuTextId(c.id)) return str(own);
  std::string text = c.text;
  const bool dots = text.size() > 3 && text.compare(text.size() - 3, 3, "...") == 0;
  if (dots) text.resize(text.size() - 3);
  if (c.id == 0 || text.empty() || toolTipOf(Language::Italian, c.id) != text) return c.text;
  return toolTipOf(language(), c.id) + (dots ? "..." : "");
}

std::string menuTitle(const std::string& path) {
  static const std::pair<const char*, int> kTitles[] = {
      {"File", 63503}, {"Crea", 63483}, {"Vista", 63484}, {"Statistiche", 63485}, {"Cerca", 63486},
      {"Extra", 63487}, {"Aiuto", 63488}, {"Aggiungi imm. selezionate", 63489}};
  const size_t slash = path.rfind('/');
  const std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
  if (last == "?") return str(110);
  for (const auto& [italian, id] : kTitles)
    if (last == italian) return str(id);
  return last;
}

const CommandInfo* findCommand(int id) {
  if (id == 0) return nullptr;
  for (const auto& c : commandTable())
    if (c.id == id) return &c;
  return nullptr;
}

const std::vector<int>& toolbarCommands() {
  using namespace cmd;
  static const std::vector<int> bar = {
      FileNew, FileOpen, FileSave, 0, EditDive, NewDive, Transfer, 0, DeleteDive, Copy, Paste, Undo, Redo, 0,
      Print, 0, ProfileWindow, DiveList, Statistics, 0, FindDive, SearchPrevious, SearchNext, 0,
      About, 0, ExternalApp, ReloadFile};
  return bar;
}

}  // namespace kelp
