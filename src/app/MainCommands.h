#pragma once
// The main window's own commands: File "O&pen", the program launcher, the auxiliary
// files, the help files of "?", "&Info" and the automatic-change switch. What a
// command decides lives here, on plain values; starting programs and opening
// documents go through IDesktop, so that a test sees what would have been started.

#include "AppState.h"
#include "OperatorPrompt.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace kelvora {

// What the desktop does for the program.
class IDesktop {
public:
    virtual ~IDesktop() = default;
    // Starts a program on its own (it outlives this one); false when it did not start.
    virtual bool StartDetached(const QString& program, const QString& workingFolder) = 0;
    // Opens a document with the desktop's default application for it.
    virtual bool OpenDocument(const QString& path) = 0;
};

// The help items of "?", by component name, and their files in the program folder.
struct THelpItem {
    const char* Name;
    const char* File;
};
inline constexpr THelpItem HelpItems[] = {
    {"KelvoraISS1", "MiradISS.txt"},
    {"Readme2", "Readme.txt"},
    {"Manual1", "Manual.htm"},
    {"FAQs1", "FAQ.htm"},
    {"Yaesuusers1", "Yaesu\\Readme(Yaesu).txt"},
    {"ICOMusers1", "Icom\\Readme(Icom).txt"},
    {"Kenwoodusers1", "Kenwood\\Readme(Kenw).txt"},
};

// The captions of a menu filled from a list of paths: each entry's file name, at most
// maxCount of them.
QStringList MenuCaptions(const QStringList& entries, int maxCount);

// How a program entry is started: the path itself when it is an executable file,
// else the path + ".exe" when that exists; its own folder is the working folder.
// Relative entries lie in the program folder. Error is the operator's message when
// there is nothing to start.
struct TProgramLaunch {
    QString Program;
    QString WorkingFolder;
    QString Error;
};
TProgramLaunch ProgramLaunchOf(const QString& entry, const QString& programFolder);

// A file the desktop is to open: its full path, or the message when it is missing.
struct TDocument {
    QString Path;
    QString Error;
};
// An auxiliary entry; relative entries lie in the data folder.
TDocument AuxiliaryDocument(const QString& entry, const QString& dataFolder);
// A help file of the "?" menu, in the program folder.
TDocument HelpDocument(const QString& helpFile, const QString& programFolder);

// The text of the information box.
QString InformationText();

// lblWechsel: AutoChange toggles; returns the label's new text.
QString ClickAutoChange(TTrackingState& tracking);

// The file-open dialog of File "O&pen": its folder and filter.
QString OpenDialogFolder(const QString& dataFolder);
QString OpenDialogFilter(const QString& elementMask);

// What File "O&pen" needs from the satellite part and the application.
struct TOpenHooks {
    std::function<QString()> ElementMask;
    std::function<bool()> SourceFileReady;
    // The chosen file becomes the current source, its folder the element folder;
    // the selection window lists that folder with the file highlighted.
    std::function<void(const QString& path)> UseSource;
    std::function<void()> ClearSourceFileReady;
    std::function<void()> RunSatellitesCommand;
    // The main timer rests while the dialog is open; it runs on when nothing is taken.
    std::function<void()> StopTracking;
    std::function<void()> ResumeTracking;
};

class TMainCommands {
public:
    TMainCommands(TAppState& state, IOperatorPrompt& prompt, IDesktop& desktop)
        : state_(state), prompt_(prompt), desktop_(desktop) {}

    TOpenHooks OpenHooks;

    // File "O&pen" (menOpenClick). Returns whether a file was taken.
    bool OpenElementFile();

    QStringList ProgramCaptions() const;
    QStringList AuxiliaryCaptions() const;
    // index counts from 0; a failure is told to the operator.
    void StartProgram(int index);
    void OpenAuxiliaryFile(int index);
    void OpenHelpFile(const QString& helpFile);
    void ShowInformation();

private:
    void Open(const TDocument& document);

    TAppState& state_;
    IOperatorPrompt& prompt_;
    IDesktop& desktop_;
};

}  // namespace kelvora
