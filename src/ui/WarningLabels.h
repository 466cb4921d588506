#pragma once
// The red warnings below the notebook (programmed data error, unit version). Each keeps its
// top-left corner and takes the size of its text: a text wider than the room beside the notebook
// wraps onto further lines, so every language shows the whole message.

class QLabel;
class QString;
class QWidget;

// A hidden warning with its top-left corner at (13, top) of the client area, never narrower or
// lower than its designed 230 x 24 nor reaching beyond x = rightEdge.
QLabel* placeWarning(QWidget* client, const char* name, int top, int rightEdge);

// Shows text in the warning, sized to it. The same text again changes nothing, so the live data
// can set it with every frame.
void setWarningText(QLabel* warning, const QString& text);
