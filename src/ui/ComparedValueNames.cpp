#include "ui/ComparedValueNames.h"

#include "model/Messages.h"
#include "ui/MainWindowUi.h"
#include "ui/NamedControls.h"
#include "ui/NumberPair.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>

using namespace varko;

namespace {

// clang-format off
const TextRow kRpm = {"rpm", "U/min", "tr/min", "ot/min"}; // ours
// The list has no caption of its own on its page.
const TextRow kIgnitionsPerRev = {"Ignitions per revolution", "Zündungen pro Umdrehung", "Allumages par tour", "Zápalů na otáčku"}; // ours
// clang-format on

// A caption as a reader sees it: without the mnemonic's ampersand and the blanks around it.
QString plainCaption(QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.simplified();
}

QString captionOf(const QWidget* window, const QString& name) {
    const QObject* control = namedControl(window, name);
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return plainCaption(label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return plainCaption(button->text());
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return plainCaption(group->title());
    return QString();
}

QString numbered(const QString& caption, int index) {
    return caption + ' ' + QString::number(index + 1);
}

QString speedText(const FormState& windowState, int pair, Language language) {
    return NumberPair::textOf(pairTable()[pair], windowState.pairs[pair]) + ' ' +
           textIn(kRpm, language);
}

QString channelGroup(int channel) {
    return QStringLiteral("GroupBoxPalec%1").arg(channel + 1);
}

// The captions of a channel's row: its group, the row's label and, for a check box, its column.
QStringList channelCaption(const QWidget* window, int channel, bool startRow, const char* column) {
    const QString row =
        QStringLiteral("LabelPalec%1%2").arg(channel + 1).arg(startRow ? "End" : "Zac");
    return {captionOf(window, channelGroup(channel)), captionOf(window, row),
            captionOf(window, column)};
}

QStringList pairCaption(const QWidget* window, int p, const FormState& windowState,
                        Language language) {
    const auto in = [p](int first, int count) { return p >= first && p < first + count; };
    const auto caption = [window](const char* name) { return captionOf(window, name); };
    if (in(Pair::advance, kBreakpoints * kBreakpoints)) {
        const int row = (p - Pair::advance) / kBreakpoints;
        const int column = (p - Pair::advance) % kBreakpoints;
        return {speedText(windowState, Pair::rpmAdv + column, language) + " / " +
                QString::number(kThrottleAxis[row]) + " %"};
    }
    if (in(Pair::rpmAdv, kBreakpoints))
        return {numbered(caption("LabelRpm1"), p - Pair::rpmAdv)};
    if (in(Pair::servoRpm, kBreakpoints))
        return {caption("GroupBoxPrivera"), numbered(caption("Label6"), p - Pair::servoRpm)};
    if (in(Pair::servoMv, kBreakpoints)) {
        const int point = p - Pair::servoMv;
        return {caption("GroupBoxPrivera"),
                speedText(windowState, Pair::servoRpm + point, language) + ' ' + caption("Label5")};
    }
    if (in(Pair::maxAdvLobe, kChannels))
        return channelCaption(window, p - Pair::maxAdvLobe, false, "LabelLobe");
    if (in(Pair::startAdvLobe, kChannels))
        return channelCaption(window, p - Pair::startAdvLobe, true, "LabelLobe");
    if (in(Pair::compensation, kChannels))
        return {numbered(caption("LabelKompenz"), p - Pair::compensation)};
    switch (p) {
    case Pair::lobeCount:
        return {caption("LabelPocPalcu")};
    case Pair::channelCount:
        return {caption("LabelPocKanalu")};
    case Pair::revsWithoutIgnition:
        return {caption("LabelPocSynchro")};
    case Pair::tachoPulses:
        return {caption("GroupBoxRpm"), caption("LabelRpmPulsu")};
    case Pair::tachoCorrection:
        return {caption("GroupBoxRpm"), caption("LabelRpmKorekce")};
    case Pair::pilotLight:
        return {caption("LabelPilotLight")};
    case Pair::limiter:
        return {caption("LabelOmez2")};
    case Pair::clutchTime:
        return {caption("LabelClutchTime")};
    case Pair::clutchPause:
        return {caption("LabelClutchPause")};
    case Pair::tps0:
        return {caption("GroupBoxTps"), caption("LabelTps0")};
    case Pair::tps100:
        return {caption("GroupBoxTps"), caption("LabelTps100")};
    case Pair::baseAdv:
        return {caption("LabelBaseAdv")};
    default: // Pair::servoHyster
        return {caption("LabelServoHyster")};
    }
}

QStringList checkCaption(const QWidget* window, int c) {
    struct ChannelColumn {
        int first;
        bool startRow;
        const char* column;
    };
    constexpr ChannelColumn columns[] = {{Check::maxAdvEdge2, false, "LabelHrana2"},
                                         {Check::startAdvEdge2, true, "LabelHrana2"},
                                         {Check::maxAdvPickup2, false, "LabelSnimac2"},
                                         {Check::startAdvPickup2, true, "LabelSnimac2"}};
    for (const ChannelColumn& column : columns) {
        if (c >= column.first && c < column.first + kChannels)
            return channelCaption(window, c - column.first, column.startRow, column.column);
    }
    return {captionOf(window, checkTable()[c].name)};
}

QStringList listCaption(const QWidget* window, int list, Language language) {
    switch (static_cast<ListValue>(list)) {
    case ListValue::Bike:
        return {captionOf(window, "LabelBike")};
    case ListValue::SynchroMethod:
        return {captionOf(window, "LabelSynchro")};
    case ListValue::IgnitionsPerRev:
        return {textIn(kIgnitionsPerRev, language)};
    case ListValue::Input1:
        return {captionOf(window, "RadioGroupInput1")};
    case ListValue::Input2:
        break;
    }
    return {captionOf(window, "RadioGroupInput2")};
}

// An entry of a list, or the code itself where the list has none for it.
QString entryText(const QComboBox* list, int position, std::uint8_t code) {
    return position >= 0 && position < list->count() ? plainCaption(list->itemText(position))
                                                     : QString::number(code);
}

QString radioText(const QButtonGroup* group, int position) {
    const QAbstractButton* button = group->button(position);
    return button != nullptr ? plainCaption(button->text()) : QString();
}

QString listText(const MainWindowUi& ui, int list, const ParamImage& image,
                 const FormState& state) {
    switch (static_cast<ListValue>(list)) {
    case ListValue::Bike:
        return entryText(ui.comboBike, state.bikePosition, image.bike());
    case ListValue::SynchroMethod:
        return entryText(ui.comboSynchro, state.synchroPosition, image.synchroMethod());
    case ListValue::IgnitionsPerRev:
        return entryText(ui.comboIgnitionsPerRev, state.ignitionsPerRevPosition,
                         image.ignitionsPerRev());
    case ListValue::Input1:
        return radioText(ui.input1, state.input1Position);
    case ListValue::Input2:
        break;
    }
    return radioText(ui.input2, state.input2Position);
}

QString otherBytesText(const ComparedValue& value, const ParamImage& image,
                       const ParamImage& counterpart) {
    QStringList bytes;
    for (const int offset : bytesOfValue(value)) {
        if (image[offset] != counterpart[offset])
            bytes << QStringLiteral("%1: %2").arg(offset).arg(image[offset]);
    }
    return bytes.join(", ");
}

int pageOf(const MainWindowUi& ui, const QWidget* control) {
    for (const QWidget* up = control; up != nullptr; up = up->parentWidget()) {
        const int page = ui.pageControl->indexOf(up);
        if (page >= 0)
            return page;
    }
    return -1;
}

// clang-format off
const TextRow kOtherBytes = {"Other bytes", "Andere Bytes", "Autres octets", "Ostatní bajty"}; // ours
// clang-format on

} // namespace

ComparedValueName compareValueName(const QWidget* window, const MainWindowUi& ui,
                                   const ComparedValue& value, const FormState& windowState,
                                   Language language) {
    ComparedValueName name;
    const std::vector<QWidget*> controls = compareValueControls(ui, value);
    if (!controls.empty()) {
        name.page = pageOf(ui, controls.front());
        name.pageCaption = plainCaption(ui.pageControl->tabText(name.page));
    }
    QStringList parts;
    switch (value.kind) {
    case ValueKind::Pair:
        parts = pairCaption(window, value.index, windowState, language);
        break;
    case ValueKind::Check:
        parts = checkCaption(window, value.index);
        break;
    case ValueKind::List:
        parts = listCaption(window, value.index, language);
        break;
    case ValueKind::OtherBytes:
        parts = {textIn(kOtherBytes, language)};
        break;
    }
    parts.removeAll(QString());
    name.caption = parts.join(", ");
    return name;
}

QString compareValueText(const MainWindowUi& ui, const ComparedValue& value,
                         const ParamImage& image, const FormState& state,
                         const ParamImage& counterpart, Language language) {
    switch (value.kind) {
    case ValueKind::Pair:
        return NumberPair::textOf(pairTable()[value.index], state.pairs[value.index]);
    case ValueKind::Check:
        return messageText(state.checks[value.index] ? Msg::yes : Msg::no, language);
    case ValueKind::List:
        return listText(ui, value.index, image, state);
    case ValueKind::OtherBytes:
        break;
    }
    return otherBytesText(value, image, counterpart);
}

std::vector<QWidget*> compareValueControls(const MainWindowUi& ui, const ComparedValue& value) {
    switch (value.kind) {
    case ValueKind::Pair:
        return {ui.pairs[value.index]->edit()};
    case ValueKind::Check:
        return {ui.checks[value.index]};
    case ValueKind::List:
        break;
    case ValueKind::OtherBytes:
        return {};
    }
    switch (static_cast<ListValue>(value.index)) {
    case ListValue::Bike:
        return {ui.comboBike};
    case ListValue::SynchroMethod:
        return {ui.comboSynchro};
    case ListValue::IgnitionsPerRev:
        return {ui.comboIgnitionsPerRev};
    case ListValue::Input1:
        return {ui.radioGroupInput1};
    case ListValue::Input2:
        break;
    }
    return {ui.radioGroupInput2};
}
