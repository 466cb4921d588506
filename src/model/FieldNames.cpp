#include "model/FieldNames.h"

#include "model/ParamImage.h"

#include <array>

namespace varko {
namespace {

struct NamedField {
    int offset;
    int entries; // 1 for a single byte
    const char* name;
};

constexpr std::array kFields = {
    NamedField{Field::bike, 1, "bike"},
    NamedField{Field::noReading, 1, "noReading"},
    NamedField{Field::synchroMethod, 1, "synchroMethod"},
    NamedField{Field::lobeCount, 1, "lobeCount"},
    NamedField{Field::channelCount, 1, "channelCount"},
    NamedField{Field::ignitionsPerRev, 1, "ignitionsPerRev"},
    NamedField{Field::pickup1Inverse, 1, "pickup1Inverse"},
    NamedField{Field::pilotLight, 1, "pilotLight"},
    NamedField{Field::pickup2Inverse, 1, "pickup2Inverse"},
    NamedField{Field::baseAdv, 1, "baseAdv"},
    NamedField{Field::revsWithoutIgnition, 1, "revsWithoutIgnition"},
    NamedField{Field::tachoPulses, 1, "tachoPulses"},
    NamedField{Field::tachoCorrection, 1, "tachoCorrection"},
    NamedField{Field::limiter, 1, "limiter"},
    NamedField{Field::excitation, 1, "excitation"},
    NamedField{Field::servoEnable, 1, "servoEnable"},
    NamedField{Field::servoHyster, 1, "servoHyster"},
    NamedField{Field::tps0, 1, "tps0"},
    NamedField{Field::tps100, 1, "tps100"},
    NamedField{Field::throttleMap, 1, "throttleMap"},
    NamedField{Field::compensation, kChannels, "compensation"},
    NamedField{Field::clutchTime, 1, "clutchTime"},
    NamedField{Field::clutchPause, 1, "clutchPause"},
    NamedField{Field::maxAdvLobe, kChannels, "maxAdvLobe"},
    NamedField{Field::startAdvLobe, kChannels, "startAdvLobe"},
    NamedField{Field::maxAdvEdge2, kChannels, "maxAdvEdge2"},
    NamedField{Field::startAdvEdge2, kChannels, "startAdvEdge2"},
    NamedField{Field::maxAdvPickup2, kChannels, "maxAdvPickup2"},
    NamedField{Field::startAdvPickup2, kChannels, "startAdvPickup2"},
    NamedField{Field::input1, 1, "input1"},
    NamedField{Field::input2, 1, "input2"},
    NamedField{Field::neutralStandInputs, 1, "neutralStandInputs"},
    NamedField{Field::pickupsInterchange, 1, "pickupsInterchange"},
    NamedField{Field::noLobeCheck, 1, "noLobeCheck"},
    NamedField{Field::servoRpm, kBreakpoints, "servoRpm"},
    NamedField{Field::servoMv, kBreakpoints, "servoMv"},
    NamedField{Field::rpmAdv, kBreakpoints, "rpmAdv"},
};

} // namespace

QString fieldName(int offset) {
    if (offset >= Field::advance) {
        const int cell = offset - Field::advance;
        return QString("advance[%1][%2]").arg(cell / kBreakpoints).arg(cell % kBreakpoints);
    }
    for (const NamedField& field : kFields) {
        const int index = offset - field.offset;
        if (index < 0 || index >= field.entries)
            continue;
        return field.entries == 1 ? QString(field.name)
                                  : QString("%1[%2]").arg(field.name).arg(index);
    }
    return QString("reserved[%1]").arg(offset);
}

} // namespace varko
