#pragma once
// The objectNames by which tests find the window's controls, named for what each control is.
// The names themselves are data and keep their spelling; here they get a reader's name once, so
// a test says "the limiter" where the window says "EditOmez2".
// Only the controls tests use are here.

#include <QString>

namespace Control {

// The window's frame.
inline constexpr const char* clientArea = "ClientArea";
inline constexpr const char* toolBar = "GroupBoxToolBar";
inline constexpr const char* statusBar = "StatusBar1";
inline constexpr const char* pages = "PageControl1";
inline constexpr const char* miscellaneousPage = "TabSheetRuzne";
inline constexpr const char* bikePage = "TabSheetBike";
inline constexpr const char* advanceMapPage = "TabSheetAdvance";
inline constexpr const char* servoPage = "TabSheetServo";
// The link's polling timer, which tests stop to hold the window still.
inline constexpr const char* linkTimer = "Timer1";

// Menu items.
inline constexpr const char* fileMenu = "MenuFile";
inline constexpr const char* newItem = "MenuNew";
inline constexpr const char* openItem = "MenuOpen";
inline constexpr const char* openFromProgramFolderItem = "MenuOpenExeDir";
inline constexpr const char* saveItem = "MenuSave";
inline constexpr const char* saveToProgramFolderItem = "MenuSaveExeDir";
inline constexpr const char* historyItem = "MenuHistory";
inline constexpr const char* openLiveDataLogItem = "OpenLiveDataLog";
inline constexpr const char* printItem = "MenuPrint";
inline constexpr const char* printAllItem = "MenuPrintAll";
inline constexpr const char* exitItem = "MenuExit";
inline constexpr const char* undoItem = "MenuZpet";
inline constexpr const char* redoItem = "MenuZnovu";
inline constexpr const char* readItem = "MenuRead";
inline constexpr const char* programItem = "MenuProgram";
inline constexpr const char* verifyItem = "MenuVerify";
inline constexpr const char* backupBeforeProgrammingItem = "MenuBackupBeforeProgramming";
inline constexpr const char* compareFileItem = "MenuCompareFile";
inline constexpr const char* compareUnitItem = "MenuCompareUnit";
inline constexpr const char* recordLiveDataItem = "RecordLiveData";
inline constexpr const char* advanceMinusItem = "AdvanceMinus";
inline constexpr const char* advancePlusItem = "AdvancePlus";
inline constexpr const char* livePlotItem = "MenuLivePlot";
inline constexpr const char* advanceCurvesItem = "MenuAdvanceCurves";
inline constexpr const char* portMenu = "MenuCom";
inline constexpr const char* englishItem = "MenuEnglish";
inline constexpr const char* germanItem = "MenuGerman";
inline constexpr const char* frenchItem = "MenuFrench";
inline constexpr const char* czechItem = "MenuCzech";
inline constexpr const char* contentsItem = "MenuContens";
inline constexpr const char* aboutItem = "MenuAbout";
// The item of the port menu that selects COM<port>.
inline QString portItem(int port) {
    return QStringLiteral("MenuCom%1").arg(port);
}

// The advance map's tools.
inline constexpr const char* mapSetItem = "MenuMapSet";
inline constexpr const char* mapAddItem = "MenuMapAdd";
inline constexpr const char* mapScaleItem = "MenuMapScale";
inline constexpr const char* mapAlongSpeedItem = "MenuMapSpeed";
inline constexpr const char* mapAlongThrottleItem = "MenuMapThrottle";
inline constexpr const char* mapBilinearItem = "MenuMapBilinear";
inline constexpr const char* mapSmoothItem = "MenuMapSmooth";
inline constexpr const char* mapPasteItem = "MenuMapPaste";
inline constexpr const char* mapColoursOffItem = "MenuMapColoursOff";
inline constexpr const char* mapColoursByTimeItem = "MenuMapColoursTime";
inline constexpr const char* mapResetTimeItem = "MenuMapResetTime";
inline constexpr const char* bulkEditNumber = "BulkEditNumber";
inline constexpr const char* bulkEditPreview = "BulkEditPreview";

// Tool bar buttons.
inline constexpr const char* newButton = "SpeedButton6";
inline constexpr const char* openButton = "SpeedButton5";
inline constexpr const char* saveButton = "SpeedButton7";
inline constexpr const char* printButton = "SpeedButtonPrint";
inline constexpr const char* undoButton = "SpeedButtonZpet";
inline constexpr const char* redoButton = "SpeedButtonZnovu";
inline constexpr const char* recordLiveDataButton = "RecordLiveDataButton";

// Lines of the window outside the pages and in its status bar.
inline constexpr const char* statusLine = "LabelHlaseni";
inline constexpr const char* connectionLabel = "LabelSpojeni";
inline constexpr const char* fileLabel = "LabelFile2";
inline constexpr const char* portLabel = "LabelCom";
inline constexpr const char* unitVersionLabel = "LabelVerze1";
inline constexpr const char* versionWarning = "LabelVersion";
inline constexpr const char* dataErrorWarning = "LabelEeDataErr";
inline constexpr const char* programProgress = "CGaugeProgram";
inline constexpr const char* programAfterChange = "CheckBoxProgHned";
inline constexpr const char* savedField = "LabelSaved";
inline constexpr const char* inUnitField = "LabelInUnit";
inline constexpr const char* recordingStatus = "RecordingStatus";
// The labels that only the unit's test mode shows, counted from 1.
inline QString testModeLabel(int n) {
    return QStringLiteral("LabelTest%1").arg(n);
}

// The live values beside the pages.
inline constexpr const char* liveRpm = "LabelRpm";
inline constexpr const char* liveThrottle = "LabelTpsMon";
inline constexpr const char* liveVoltage = "LabelNapeti";
inline constexpr const char* liveAdvance1 = "LabelAdvance1";
inline constexpr const char* liveAdvance2 = "LabelAdvance2";
inline constexpr const char* livePickup1 = "LabelMonSnimac1";
inline constexpr const char* livePickup2 = "LabelMonSnimac2";
inline constexpr const char* liveShiftLight = "LabelMonPilotLight";
inline constexpr const char* liveKillSwitch = "LabelKillSwitch";
inline constexpr const char* programCountLabel = "LabelPocetProgramovani";

// The miscellaneous page.
inline constexpr const char* limiterEdit = "EditOmez2";
inline constexpr const char* limiterUpDown = "UpDownOmez2";
inline constexpr const char* pilotLightEdit = "EditPilotLight";
inline constexpr const char* pilotLightLabel = "LabelPilotLight";
inline constexpr const char* clutchTimeEdit = "EditClutchTime";
inline constexpr const char* clutchTimeLabel = "LabelClutchTime";
inline constexpr const char* clutchTimeUpDown = "UpDownClutchTime";
inline constexpr const char* clutchPauseUpDown = "UpDownClutchPause";
inline constexpr const char* clutchPauseLabel = "LabelClutchPause";
inline constexpr const char* tps100Edit = "EditTps100";
inline constexpr const char* tps0Button = "BitBtnTps0";
inline constexpr const char* tps100Button = "BitBtnTps100";
inline constexpr const char* tachoCorrectionEdit = "EditRpmKorekce";
inline constexpr const char* longExcitationBox = "CheckBoxBuzDlouhe";
inline constexpr const char* noReadingBox = "CheckBoxZakazCteni";
inline constexpr const char* invertInput2Box = "CheckBoxInvInput2";
// The choices of an input's function: input 1 or 2, and a function of namespace InputFunction.
inline QString inputGroup(int input) {
    return QStringLiteral("RadioGroupInput%1").arg(input);
}
inline QString inputFunctionButton(int input, int function) {
    return QStringLiteral("RadioGroupInput%1Item%2").arg(input).arg(function);
}

// The bike page; channels count from 1.
inline constexpr const char* bikeList = "ComboBoxBike";
inline constexpr const char* synchroList = "ComboBoxSynchro";
inline constexpr const char* specialSynchroGroup = "GroupBoxSpecial";
inline constexpr const char* lobeCountEdit = "EditPocPalcu";
inline constexpr const char* lobeCountUpDown = "UpDownPocPalcu";
inline constexpr const char* channelCountEdit = "EditPocKanalu";
inline constexpr const char* channelCountUpDown = "UpDownPocKanalu";
inline constexpr const char* revsWithoutIgnitionEdit = "EditPocSynchro";
inline constexpr const char* noLobeCheckBox = "CheckBoxNehlidaPalec";
inline QString channelGroup(int channel) {
    return QStringLiteral("GroupBoxPalec%1").arg(channel);
}
inline QString compensationEdit(int channel) {
    return QStringLiteral("EditKompenz%1").arg(channel);
}
inline QString maxAdvanceLobeEdit(int channel) {
    return QStringLiteral("EditPalec%1Zac").arg(channel);
}
inline QString maxAdvanceLobeUpDown(int channel) {
    return QStringLiteral("UpDownPalec%1Zac").arg(channel);
}
inline QString startAdvanceLobeUpDown(int channel) {
    return QStringLiteral("UpDownPalec%1End").arg(channel);
}
inline QString maxAdvanceEdge2Box(int channel) {
    return QStringLiteral("CheckBoxPalec%1ZacH2").arg(channel);
}
inline QString startAdvanceEdge2Box(int channel) {
    return QStringLiteral("CheckBoxPalec%1EndH2").arg(channel);
}
inline QString maxAdvancePickup2Box(int channel) {
    return QStringLiteral("CheckBoxPalec%1ZacP2").arg(channel);
}

// The advance map page; rows and columns as ParamImage::advance counts them, from 0.
inline constexpr const char* baseAdvanceEdit = "EditBaseAdv";
inline constexpr const char* advanceMinusButton = "BitBtnAdvMinus";
inline constexpr const char* advancePlusButton = "BitBtnAdvPlus";
inline constexpr const char* advanceAllBox = "CheckBoxIgnAll";
inline constexpr const char* throttleMapBox = "CheckBoxTpsMapa";
inline constexpr const char* rpmCaption = "LabelRpm1";
inline constexpr const char* rpmGauge = "CGaugeRpm";
inline constexpr const char* throttleGauge = "CGaugeTps";
// The speed of a map column, counted from 1.
inline QString speedBreakpointEdit(int breakpoint) {
    return QStringLiteral("EditRpmAdv%1").arg(breakpoint);
}
// A map cell by its place in the map, 10 * row + column.
inline QString mapCellEdit(int cell) {
    return QStringLiteral("Edit%1").arg(50 + cell);
}
inline QString mapCellEdit(int row, int column) {
    return mapCellEdit(10 * row + column);
}
inline QString mapCellUpDown(int row, int column) {
    return QStringLiteral("UpDown%1").arg(50 + 10 * row + column);
}
inline QString throttleRowLabel(int row) {
    return QStringLiteral("LabelTps%1").arg(row + 1);
}
// The spin button under a column, and its arrow that steps the column's cells up or down.
inline QString columnSpinButton(int column) {
    return QStringLiteral("CSpinButton%1").arg(column + 1);
}
inline QString columnArrow(int column, bool up) {
    return columnSpinButton(column) + (up ? QStringLiteral("Up") : QStringLiteral("Down"));
}

// The servo page.
inline constexpr const char* servoGroup = "GroupBoxPrivera";
inline constexpr const char* servoHysteresisEdit = "EditPrivHyster";
inline constexpr const char* servoMinusButton = "BitBtnServoMinus";
inline constexpr const char* servoPlusButton = "BitBtnServoPlus";
inline constexpr const char* servoAllBox = "CheckBoxServoAll";

// The charts' docks.
inline constexpr const char* advanceCurveDock = "AdvanceCurveDock";
inline constexpr const char* advanceCurveChart = "AdvanceCurveChart";
inline constexpr const char* livePlotDock = "LivePlotDock";
inline constexpr const char* livePlot = "LivePlot";
inline constexpr const char* livePlotPause = "LivePlotPause";
inline constexpr const char* livePlotSave = "LivePlotSave";
inline constexpr const char* livePlotSeconds = "LivePlotWindow";
inline constexpr const char* replayPanel = "ReplayPanel";
inline constexpr const char* replayPosition = "ReplayPosition";
inline constexpr const char* replayStop = "ReplayStop";

// The comparison view.
inline constexpr const char* compareView = "FormCompare";
inline constexpr const char* compareSummary = "LabelCompareSummary";
inline constexpr const char* compareTakeButton = "ButtonCompareTake";
inline constexpr const char* compareTakeAllButton = "ButtonCompareTakeAll";

// The history dialog.
inline constexpr const char* historyDialog = "HistoryDialog";
inline constexpr const char* historyList = "HistoryList";
inline constexpr const char* historyOpen = "HistoryOpen";
inline constexpr const char* historyCancel = "HistoryCancel";

// The about box.
inline constexpr const char* aboutBox = "FormAbout";
inline constexpr const char* aboutText = "LabelAbout";
inline constexpr const char* aboutLogo = "Image1";
inline constexpr const char* buildDateLabel = "LabelDate";
inline constexpr const char* buildTimeLabel = "LabelTime";
inline constexpr const char* unitKeyLabel = "LabelRsKey";
inline constexpr const char* aboutOk = "LabelExit";

} // namespace Control
