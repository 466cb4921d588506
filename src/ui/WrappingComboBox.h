#pragma once
// A list whose closed field shows the chosen entry on as many lines as the field is high: for
// lists whose longest entries, in some language, need more width than their page can give.

#include <QComboBox>

class WrappingComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    static constexpr int kEntryFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    // Where the chosen entry is drawn: the edit field less a pixel each side, as the style
    // draws the entry of an ordinary list.
    QRect entryArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
