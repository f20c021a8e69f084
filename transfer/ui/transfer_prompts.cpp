#include "transfer/ui/transfer_prompts.h"

#include <QFileDialog>

std::function<QString(QWidget*, const FileChoice&)>& fileChoiceHook() {
  static std::function<QString(QWidget*, const FileChoice&)> hook;
  return hook;
}

QString chooseFile(QWidget* parent, const FileChoice& c) {
  if (fileChoiceHook()) return fileChoiceHook()(parent, c);
  QFileDialog dlg(parent, c.title, QString(), c.filter);
  dlg.setAcceptMode(c.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(c.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dlg.setDefaultSuffix(c.suffix);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().first();
}
