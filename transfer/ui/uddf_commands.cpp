// "Esporta UDDF..." and "Importa UDDF..." in the File menu.
#include "transfer/ui/uddf_commands.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

#include "app/command_rules.h"
#include "app/ui/area_commands.h"
#include "app/ui/kelp_doc.h"
#include "app/ui/main_frame.h"
#include "core/settings.h"
#include "transfer/uddf_export.h"
#include "transfer/ui/transfer_prompts.h"
#include "transfer/ui/uddf_import_dialog.h"

namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString chooseExportFile(QWidget* parent, const QString& suggested) {
  QFileDialog dlg(parent, QCoreApplication::translate("UddfCommands", "Esporta UDDF"), suggested,
                  QStringLiteral("UDDF (*.uddf)"));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(QStringLiteral("uddf"));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().first();
}

// The logbook's own name with the extension .uddf, beside it.
QString suggestedName(const kelp::Logbook& lb) {
  const QFileInfo log(q(lb.path.empty() ? std::string("Senzanome.log") : lb.path));
  return log.dir().filePath(log.completeBaseName() + QStringLiteral(".uddf"));
}

}  // namespace

UddfPrompts& uddfPrompts() {
  static UddfPrompts p{chooseExportFile};
  return p;
}

// "Importa UDDF...": the file, then the dialog that reads it, lists its dives and inserts the
// new ones as one undoable step.
void importUddf(CMainFrame& frame) {
  FileChoice choice;
  choice.title = QCoreApplication::translate("UddfImport", "Importa UDDF");
  choice.filter = QCoreApplication::translate("UddfImport", "UDDF (*.uddf *.UDDF *.xml);;Tutti i file (*)");
  choice.suffix = QStringLiteral("uddf");
  const QString path = chooseFile(&frame, choice);
  if (path.isEmpty()) return;
  CUddfImportDlg dlg(*frame.document(), path, &frame);
  dlg.start();
  if (dlg.exec() != QDialog::Accepted) return;
  frame.refresh();
  QString shown = QCoreApplication::translate("UddfImport", "%n immersioni inserite", nullptr, dlg.report().inserted);
  if (dlg.booksReport().total() > 0)
    shown += QCoreApplication::translate("UddfImport", ", %n voci nei libri", nullptr, dlg.booksReport().total());
  frame.statusBar()->showMessage(shown, 5000);
}

bool runUddfCommand(CMainFrame& frame, int id) {
  if (id == kelp::cmd::ImportUddf) {
    importUddf(frame);
    return true;
  }
  if (id != kelp::cmd::ExportUddf) return false;
  const kelp::Logbook& lb = frame.document()->logbook();
  const QString path = uddfPrompts().file(&frame, suggestedName(lb));
  if (path.isEmpty()) return true;
  kelp::UddfOptions o;
  o.currency = kelp::settings().currency;
  // The books go with the dives when any of their files is there.
  kelp::UddfBooks books;
  const kelp::UddfBookFiles files = kelp::uddfBookFiles(lb, kelp::settings());
  if (kelp::anyUddfBookFile(files)) {
    const kelp::Result loaded = kelp::loadUddfBooks(files, books);
    if (!loaded) {
      tellUser(&frame, q(loaded.error));
      return true;
    }
    o.books = &books;
  }
  const kelp::Result r = kelp::exportUddf(lb, path.toStdString(), o);
  if (!r) {
    tellUser(&frame, q(r.error));
    return true;
  }
  frame.statusBar()->showMessage(QCoreApplication::translate("UddfCommands", "File UDDF scritto: %1").arg(path), 5000);
  return true;
}
