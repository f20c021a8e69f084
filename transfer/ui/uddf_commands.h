#pragma once
// "Esporta UDDF...": the logbook, and the books found beside it, as one UDDF file.
// "Importa UDDF...": the dives of a UDDF file into the logbook (transfer/ui/uddf_import_dialog).
#include <QString>
#include <functional>

class QWidget;

// The file choice goes through this hook so that tests can answer it.
struct UddfPrompts {
  // Asks for the file to write ("" when cancelled); `suggested` is the logbook's name with the
  // extension .uddf.
  std::function<QString(QWidget* parent, const QString& suggested)> file;
};
UddfPrompts& uddfPrompts();
