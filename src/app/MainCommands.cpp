#include "MainCommands.h"

#include "DataFolder.h"
#include "KelvoraVersion.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace kelvora {

namespace {
bool IsExecutableFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString InFolder(const QString& entry, const QString& folder) {
    const QString path = NativeStoredPath(entry);
    if (QFileInfo(path).isAbsolute()) return QDir::cleanPath(path);
    return QDir::cleanPath(folder + '/' + path);
}

TDocument DocumentAt(const QString& path) {
    if (QFileInfo(path).isFile()) return {path, QString()};
    return {path, "File " + path + " not found!"};
}
}  // namespace

QStringList MenuCaptions(const QStringList& entries, int maxCount) {
    QStringList captions;
    for (const QString& entry : entries.mid(0, maxCount)) captions << QFileInfo(NativeStoredPath(entry)).fileName();
    return captions;
}

TProgramLaunch ProgramLaunchOf(const QString& entry, const QString& programFolder) {
    const QString path = InFolder(entry, programFolder);
    QString program;
    if (IsExecutableFile(path)) program = path;
    else if (QFileInfo(path + ".exe").isFile()) program = path + ".exe";
    if (!program.isEmpty()) return {program, QFileInfo(program).absolutePath(), QString()};
    const QString why = QFileInfo(path).isFile() ? path + " is not executable and there is no " + path + ".exe."
                                                 : "There is no file " + path + " nor " + path + ".exe.";
    return {QString(), QString(), "Program " + path + " not found!\n" + why};
}

TDocument AuxiliaryDocument(const QString& entry, const QString& dataFolder) {
    return DocumentAt(InFolder(entry, dataFolder));
}

TDocument HelpDocument(const QString& helpFile, const QString& programFolder) {
    return DocumentAt(InFolder(helpFile, programFolder));
}

QString InformationText() {
    return QStringLiteral("KelvoraISS V.12.10\nRelease March/2022\n\n") + "KelvoraISS for Linux, version " +
           QLatin1String(kProgramVersion) +
           "\nSatellite tracking, Doppler tuning and rotor control\nfor radio amateurs.";
}

QString ClickAutoChange(TTrackingState& tracking) {
    tracking.AutoChange = !tracking.AutoChange;
    return tracking.AutoChange ? QStringLiteral("W+") : QStringLiteral("W-");
}

QString OpenDialogFolder(const QString& dataFolder) { return DataFilePath(dataFolder, "Kepler"); }

QString OpenDialogFilter(const QString& elementMask) {
    QString patterns = elementMask.isEmpty() ? QStringLiteral("*.*") : elementMask;
    patterns.replace(';', ' ');
    return "Kepler files (" + patterns + ");;All files (*)";
}

bool TMainCommands::OpenElementFile() {
    const QString mask = OpenHooks.ElementMask ? OpenHooks.ElementMask() : QString();
    if (OpenHooks.StopTracking) OpenHooks.StopTracking();
    const QString chosen = prompt_.OpenFile("Open", OpenDialogFolder(state_.DataFolder), OpenDialogFilter(mask));
    if (!chosen.isEmpty()) {
        if (QFileInfo(chosen).isFile()) {
            const QString path = QFileInfo(chosen).absoluteFilePath();
            state_.Station.ElementFolder = QFileInfo(path).absolutePath() + '/';
            OpenHooks.UseSource(path);
            OpenHooks.RunSatellitesCommand();
            return true;
        }
        prompt_.Message("The file was not found,\nplease, check the filename and call \nagain menu File|Open!\n",
                        IOperatorPrompt::Icon::Warning);
    }
    if (!OpenHooks.SourceFileReady()) {
        prompt_.Message("No source file chosen!,\nCall menu  File | Open\nand choose a file.",
                        IOperatorPrompt::Icon::Warning);
        OpenHooks.ClearSourceFileReady();
    }
    if (OpenHooks.ResumeTracking) OpenHooks.ResumeTracking();
    return false;
}

QStringList TMainCommands::ProgramCaptions() const { return MenuCaptions(state_.ProgramList, MaxProgramEntries); }

QStringList TMainCommands::AuxiliaryCaptions() const { return MenuCaptions(state_.AuxiliaryList, MaxAuxiliaryEntries); }

void TMainCommands::StartProgram(int index) {
    if (index < 0 || index >= std::min<int>(state_.ProgramList.size(), MaxProgramEntries)) return;
    const TProgramLaunch launch = ProgramLaunchOf(state_.ProgramList[index], state_.ProgramFolder);
    if (!launch.Error.isEmpty()) {
        prompt_.Message(launch.Error, IOperatorPrompt::Icon::Warning);
        return;
    }
    if (!desktop_.StartDetached(launch.Program, launch.WorkingFolder))
        prompt_.Message("Program " + launch.Program + " could not be started.", IOperatorPrompt::Icon::Warning);
}

void TMainCommands::OpenAuxiliaryFile(int index) {
    if (index < 0 || index >= std::min<int>(state_.AuxiliaryList.size(), MaxAuxiliaryEntries)) return;
    Open(AuxiliaryDocument(state_.AuxiliaryList[index], state_.DataFolder));
}

void TMainCommands::OpenHelpFile(const QString& helpFile) { Open(HelpDocument(helpFile, state_.ProgramFolder)); }

void TMainCommands::Open(const TDocument& document) {
    if (!document.Error.isEmpty()) {
        prompt_.Message(document.Error, IOperatorPrompt::Icon::Warning);
        return;
    }
    if (!desktop_.OpenDocument(document.Path))
        prompt_.Message("No application could open\n" + document.Path, IOperatorPrompt::Icon::Warning);
}

void TMainCommands::ShowInformation() { prompt_.Message(InformationText(), IOperatorPrompt::Icon::Information); }

}  // namespace kelvora
