#pragma once
// The file choices of the transfer area's commands go through this hook so that
// tests can answer them; without a hook the system's file dialog asks.
#include <QString>
#include <functional>

class QWidget;

struct FileChoice {
  QString title;
  QString filter;       // "Citizen Dateien (*.wgm)"
  QString suffix;       // default extension, "wgm"
  bool save = false;    // a file to write (else one to read)
};

std::function<QString(QWidget*, const FileChoice&)>& fileChoiceHook();
// "" when cancelled.
QString chooseFile(QWidget* parent, const FileChoice& choice);
