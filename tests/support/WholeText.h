#pragma once
// Whether a control shows its whole text: laid out in the control's font and in the part of the
// control that the text is painted in, it takes no more room than that part has.

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

// Wrapped where the label wraps; a label without wrapping shows its text on one line.
inline bool showsWholeText(const QLabel& label) {
    const QRect area = label.contentsRect();
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return area.contains(label.fontMetrics().boundingRect(area, flags, label.text()));
}

// The closed list shows the chosen entry in its edit field, less a pixel each side; the opened
// list is at least as wide.
inline bool showsWholeEntry(const QComboBox& list, int entry) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.frame = list.hasFrame();
    const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, &list);
    return list.fontMetrics().horizontalAdvance(list.itemText(entry)) <= field.width() - 2;
}
