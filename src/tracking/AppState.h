#pragma once
// The process-wide records of the tracking window, one instance each, owned by the
// application object.

#include "GeneralSettings.h"
#include "TimeScales.h"
#include "TrackingState.h"

#include <QString>
#include <QStringList>

namespace kelvora {

// Window layout values fixed when the main window is created.
struct TLayout {
    int FontScale = 15;  // 18 on a 120-dpi screen
    char WindowSizeOption = '-';  // '-' W1, '/' W2, '+' W3 after the screen adjustment
    int LayoutSize = 1;  // 1..5
    double MapScale = 1.0;
};

struct TAppState {
    QString DataFolder;
    QString ProgramFolder;
    bool SecondInstance = false;
    bool StartupDone = false;
    int CenturyBase = 2000;  // two-digit epoch years are read in this century
    QChar DecimalSeparator = '.';  // '.' until the station settings are read

    TStationSettings Station;
    TStartSettings Start;
    TWindowPosition WindowPosition;
    char ReportBelowHorizon = '+';
    bool UseRotorServer = false;
    bool UseRadioServer = false;
    QString MapFolder = "Maps2D\\";
    QStringList PriorityList;
    QStringList ProgramList;
    QStringList AuxiliaryList;

    TTimeScales Time;
    TTrackingState Tracking;
    TLayout Layout;
};

}  // namespace kelvora
