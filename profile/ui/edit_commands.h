#pragma once
// The dive editor's commands, for the windows that start them outside the main window's
// command hook.
class QWidget;
class CKelpDoc;

// "Incolla": the copied dive goes through the editor as a new dive and is inserted on OK;
// the copy buffer stays filled. True when a dive was inserted.
bool pasteDiveThroughEditor(QWidget* parent, CKelpDoc& doc);
