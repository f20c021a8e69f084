// Commands of the dive computer transfer, computer types, imports and export.
#include <QCoreApplication>
#include <QString>

#include "app/command_rules.h"
#include "app/ui/area_commands.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/logbook_dialogs.h"
#include "app/ui/main_frame.h"
#include "profile/dive_edit.h"
#include "profile/ui/dive_edit_dialog.h"
#include "transfer/imports.h"
#include "transfer/ui/computer_types_dialog.h"
#include "transfer/ui/csv_export_dialog.h"
#include "transfer/ui/transfer_dialog.h"
#include "transfer/ui/transfer_prompts.h"

namespace {

// "Importa Citizen" / "Importa Mares Guardian": the file's dive goes through the dive
// editor as a new dive and is inserted, as one undoable step, when the user confirms it.
void importDive(CMainFrame& frame, int command) {
  const bool citizen = command == kelp::cmd::ImportCitizen;
  FileChoice choice;
  choice.title = logbook_commands::commandText(command);
  choice.filter = citizen ? QCoreApplication::translate("TransferCommands", "Citizen Dateien (*.wgm)")
                          : QCoreApplication::translate("TransferCommands", "Guardian Text Export (*.txt)");
  choice.suffix = citizen ? QStringLiteral("wgm") : QStringLiteral("txt");
  const QString path = chooseFile(&frame, choice);
  if (path.isEmpty()) return;
  const kelp::ImportResult res = citizen ? kelp::importCitizen(path.toStdString())
                                         : kelp::importGuardian(path.toStdString());
  if (!res.ok) {
    tellUser(&frame, QString::fromStdString(res.error));
    return;
  }
  CKelpDoc& doc = *frame.document();
  const std::optional<kelp::DiveRecord> edited = editNewDive(&frame, doc.logbook(), res.record);
  if (!edited) return;
  const kelp::DiveRecord r = *edited;
  const kelp::Result stored = doc.perform(logbook_commands::commandText(command),
                                          [&r](kelp::Logbook& lb) { return kelp::storeNewDive(lb, r); });
  if (!stored) tellUser(&frame, QString::fromStdString(stored.error));
}

// "Invia a CSV": the file first, then the dialog that writes it.
void exportCsv(CMainFrame& frame) {
  FileChoice choice;
  choice.title = QCoreApplication::translate("TransferCommands", "Esporta a Excel");
  choice.filter = QStringLiteral("CSV (*.csv)");
  choice.suffix = QStringLiteral("csv");
  choice.save = true;
  const QString path = chooseFile(&frame, choice);
  if (path.isEmpty()) return;
  CCsvExportDlg dlg(frame.document()->logbook(), path, &frame);
  dlg.exec();
}

}  // namespace

bool runTransferCommand(CMainFrame& frame, int id) {
  switch (id) {
    case kelp::cmd::Transfer:
      runTransferDialog(&frame, *frame.document());
      return true;
    case kelp::cmd::ComputerTypes: {
      CComputerTypesDlg dlg(frame.document()->logbook(), &frame);
      if (dlg.exec() == QDialog::Accepted) frame.refresh();
      return true;
    }
    case kelp::cmd::SupportedComputers: {
      CComputersDlg dlg(&frame);
      dlg.exec();
      return true;
    }
    case kelp::cmd::ImportCitizen:
    case kelp::cmd::ImportGuardian:
      importDive(frame, id);
      return true;
    case kelp::cmd::ExportCsv:
      exportCsv(frame);
      return true;
    default:
      return false;
  }
}
