#include "ui/WrappingComboBox.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

QRect WrappingComboBox::entryArea() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
        .adjusted(1, 0, -1, 0);
}

void WrappingComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QString entry = option.currentText;
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawItemText(entryArea(), kEntryFlags, option.palette, isEnabled(), entry,
                         QPalette::ButtonText);
}
