#include "StationServerLinks.h"

#include <QFileInfo>
#include <QProcess>
#include <cmath>

namespace kelvora {

namespace {
constexpr char kRotorTopic[] = "RotServConv";
constexpr char kArswinTopic[] = "RCI";
constexpr char kArswinItem[] = "AZIMUTH";
constexpr std::chrono::milliseconds kStartWait{1200};
constexpr std::chrono::milliseconds kLetGoWait{1000};

QString NameOf(const QString& storedPath) {
    return QString::fromLatin1(FileNamePart(storedPath.trimmed().toLatin1().toStdString()).c_str());
}

bool ExecutableFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}
}  // namespace

bool LaunchDetached(const QString& program, const QString& workingFolder) {
    return QProcess::startDetached(program, {}, workingFolder);
}

QString RotorServerProgram(const QString& storedPath) {
    QString path = storedPath.trimmed();
    path.replace('\\', '/');
    if (path.isEmpty()) return {};
    if (ExecutableFile(path)) return path;
    if (QFileInfo(path + ".exe").isFile()) return path + ".exe";
    return {};
}

TStationServerLinks::TStationServerLinks(TServerLinksSources sources)
    : in_(std::move(sources)), radio_(in_.State, in_.Pause, in_.Bus) {}

TStationServerLinks::~TStationServerLinks() = default;

void TStationServerLinks::ReadServerFiles() {
    files_ = kelvora::ReadServerFiles(in_.State.DataFolder);
    kind_ = RotorServerKindOf(files_.RotorServerPath.trimmed().toLatin1().toStdString());
    radio_.Configure(files_);
}

void TStationServerLinks::StartServers() {
    if (in_.State.UseRotorServer) {
        StartRotorServerProgram();
        LinkRotorServer();
    }
    if (in_.State.UseRadioServer) {
        radio_.Link();
        if (RadioLinked) RadioLinked();
    }
}

void TStationServerLinks::StartRotorServerProgram() {
    if (kind_ == TRotorServerKind::Rotctld) return;  // the daemon runs on its own
    const QString program = RotorServerProgram(files_.RotorServerPath);
    if (program.isEmpty()) {
        // Positions are still sent; they get nowhere until a server runs.
        in_.Prompt.Message("Server program " + files_.RotorServerPath + ".exe" + " not found!\n" +
                               "Open menu Setup/Rotor Setup and search the server file.",
                           IOperatorPrompt::Icon::Warning);
        return;
    }
    in_.Launch(program, QFileInfo(program).absolutePath());
    in_.Pause.Pause(kStartWait);
}

void TStationServerLinks::LinkRotorServer() {
    const QString name = NameOf(files_.RotorServerPath);
    switch (kind_) {
        case TRotorServerKind::Rotctld:
            rotctld_ = std::make_unique<THamlibLink>("rotctld", files_.RotorDaemon);
            rotctld_->Open();
            return;
        case TRotorServerKind::Arswin:
            // Opened with the first position, and again with every one until it answers.
            rotor_ = std::make_unique<TDdeClient>(in_.Bus, name.toLower(), kArswinTopic);
            return;
        default:
            rotor_ = std::make_unique<TDdeClient>(in_.Bus, name, kRotorTopic);
            rotor_->Execute("ClientOn");
    }
}

void TStationServerLinks::SendRotorPosition(double azimuth, double elevation) {
    if (!in_.State.UseRotorServer || !std::isfinite(azimuth) || !std::isfinite(elevation)) return;
    if (rotctld_) {
        rotctld_->Send({RotctldPositionCommand(azimuth, elevation)});
        return;
    }
    if (!rotor_) return;
    if (kind_ == TRotorServerKind::Arswin) {
        const TArswinPokes pokes = ArswinPokesOf(azimuth, elevation);
        rotor_->Poke(kArswinItem, QByteArray::fromStdString(pokes.Azimuth));
        rotor_->Poke(kArswinItem, QByteArray::fromStdString(pokes.Elevation));
        return;
    }
    const std::string text = RotorPositionText(kind_, azimuth, elevation, in_.State.DecimalSeparator.toLatin1());
    rotor_->Execute(QString::fromLatin1(text.c_str()));
}

void TStationServerLinks::StopServers() {
    // A second instance leaves the servers to the first, which is still connected.
    if (in_.State.SecondInstance) return;
    if (in_.State.UseRadioServer && !radio_.Closed()) radio_.CloseLink();
    if (in_.State.UseRotorServer) StopRotorServer();
}

void TStationServerLinks::StopRotorServer() {
    if (rotctld_) rotctld_->Close();
    rotctld_.reset();
    if (!rotor_) return;
    if (kind_ != TRotorServerKind::Arswin) {
        rotor_->Execute("Close");
        in_.Pause.Pause(kLetGoWait);
    }
    rotor_.reset();
}

}  // namespace kelvora
