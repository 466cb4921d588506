#pragma once
// Whether a control shows its whole text: laid out in the control's font and in the part of the
// control that the text is painted in, it takes no more room than that part has.

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>

#include "ui/WrappingComboBox.h"

// Wrapped where the label wraps; a label without wrapping shows its text on one line.
inline bool showsWholeText(const QLabel& label) {
    const QRect area = label.contentsRect();
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return area.contains(label.fontMetrics().boundingRect(area, flags, label.text()));
}

// The closed list shows the chosen entry in its edit field, less a pixel each side, on one line
// or, in a wrapping list, on the lines the field holds; the opened list is at least as wide.
inline bool showsWholeEntry(const QComboBox& list, int entry) {
    if (const auto* wrapping = qobject_cast<const WrappingComboBox*>(&list)) {
        const QRect area = wrapping->entryArea();
        return area.contains(list.fontMetrics().boundingRect(area, WrappingComboBox::kEntryFlags,
                                                             list.itemText(entry)));
    }
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.frame = list.hasFrame();
    const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, &list);
    return list.fontMetrics().horizontalAdvance(list.itemText(entry)) <= field.width() - 2;
}

// A button's caption, mnemonic marker left out, within the part of the button it is painted in:
// as wide as its advance, as high as its ink (a large "+" on a small button still shows whole).
inline bool showsWholeCaption(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    const auto element = qobject_cast<const QCheckBox*>(&button) ? QStyle::SE_CheckBoxContents
                         : qobject_cast<const QRadioButton*>(&button)
                             ? QStyle::SE_RadioButtonContents
                             : QStyle::SE_PushButtonContents;
    const QRect area = button.style()->subElementRect(element, &option, &button);
    QString shown = button.text();
    shown.remove(QRegularExpression("&(?!&)"));
    const QFontMetrics metrics = button.fontMetrics();
    return metrics.horizontalAdvance(shown) <= area.width() &&
           metrics.tightBoundingRect(shown).height() <= area.height();
}

// The title sits in the frame's top edge between its corners.
inline bool showsWholeTitle(const QGroupBox& group) {
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title = group.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &group);
    return title.width() >= group.fontMetrics().horizontalAdvance(group.title()) &&
           group.rect().contains(title);
}

// Every tab shows its whole label, with no scroll arrows to reach one.
inline bool showsEveryTab(const QTabBar& tabs) {
    for (int t = 0; t < tabs.count(); ++t) {
        if (!tabs.rect().contains(tabs.tabRect(t)) ||
            tabs.tabRect(t).width() < tabs.fontMetrics().horizontalAdvance(tabs.tabText(t)))
            return false;
    }
    return true;
}
