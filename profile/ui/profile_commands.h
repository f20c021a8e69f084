#pragma once
// The commands of the profile area: "Profilo", "Crea profilo immersione",
// "Separa immersione" and "Unisci immersione". Each returns true when the logbook changed.
class QWidget;
class CKelpDoc;
class CMainFrame;

namespace profile_commands {
// The profile window over the main window; the main view follows its current dive.
void openProfileWindow(CMainFrame& frame);
bool createProfile(QWidget* parent, CKelpDoc& doc);
// The split dialog, then the split at its minute.
bool splitCurrent(QWidget* parent, CKelpDoc& doc);
// Splits the current dive at minute m with the messages of a split (refused or done).
bool splitAt(QWidget* parent, CKelpDoc& doc, int minute);
// Merges the current dive with the next one: asks once before anything changes.
bool mergeCurrent(QWidget* parent, CKelpDoc& doc);
}  // namespace profile_commands
