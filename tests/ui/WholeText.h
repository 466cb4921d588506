#pragma once
// Whether a control shows its whole text: laid out in the control's font and in the part of the
// control that the text is painted in, it takes no more room than that part has.

#include <QFontMetrics>
#include <QLabel>

// Wrapped where the label wraps; a label without wrapping shows its text on one line.
inline bool showsWholeText(const QLabel& label) {
    const QRect area = label.contentsRect();
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return area.contains(label.fontMetrics().boundingRect(area, flags, label.text()));
}
