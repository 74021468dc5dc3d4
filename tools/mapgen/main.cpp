// Generates the map pictures of both styles at every preset and zoom:
//   kelvora-mapgen --out DIR [--blue-marble DIR_WITH_earth.jpg_AND_night.jpg] [--political COUNTRIES.json]
// Blue-M. pictures are the equirectangular day and night earth images resampled;
// political pictures are drawn from the countries of a TopoJSON topology.

#include "MapFiles.h"
#include "PoliticalMap.h"
#include "TopoJson.h"
#include "WindowSize.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <cstdio>

using namespace kelvora;

namespace {

constexpr TSizePreset kPresets[] = {TSizePreset::W640, TSizePreset::W800, TSizePreset::W1024};

bool Save(const QImage& image, const QString& path) {
    if (image.save(path, "BMP")) return true;
    std::fprintf(stderr, "kelvora-mapgen: cannot write %s\n", qPrintable(path));
    return false;
}

QImage Read(const QString& path) {
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "kelvora-mapgen: cannot read %s: %s\n", qPrintable(path),
                     qPrintable(reader.errorString()));
    }
    return image;
}

// Every preset and zoom gets the day and night picture that make(size, day) returns.
template <typename Make>
bool WriteStyle(const QString& outDir, TMapStyle style, Make make) {
    const QString folder = MapStyleFolder(style).replace('\\', '/');
    if (!QDir(outDir).mkpath(folder)) return false;
    for (TSizePreset preset : kPresets) {
        for (bool zoom2 : {false, true}) {
            const QSize size = CanvasSizeOf(preset, zoom2);
            for (bool day : {true, false}) {
                if (!Save(make(size, day), MapFilePath(outDir, style, preset, zoom2, day))) return false;
            }
        }
    }
    return true;
}

bool BlueMarble(const QString& outDir, const QString& imagesDir) {
    const QImage earth = Read(QDir(imagesDir).filePath("earth.jpg"));
    const QImage night = Read(QDir(imagesDir).filePath("night.jpg"));
    if (earth.isNull() || night.isNull()) return false;
    return WriteStyle(outDir, TMapStyle::BlueMarble, [&](QSize size, bool day) {
        return (day ? earth : night).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    });
}

bool Political(const QString& outDir, const QString& atlas) {
    mapgen::TTopology topology;
    QString error;
    if (!mapgen::ReadCountries(atlas, topology, error)) {
        std::fprintf(stderr, "kelvora-mapgen: %s\n", qPrintable(error));
        return false;
    }
    QImage lastDay;
    return WriteStyle(outDir, TMapStyle::Political, [&](QSize size, bool day) {
        if (day) lastDay = mapgen::PoliticalDayMap(topology, size);
        return day ? lastDay : mapgen::NightOf(lastDay);
    });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString outDir, blueMarble, political;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--out") outDir = args[i + 1];
        else if (args[i] == "--blue-marble") blueMarble = args[i + 1];
        else if (args[i] == "--political") political = args[i + 1];
        else {
            std::fprintf(stderr, "kelvora-mapgen: unknown argument %s\n", qPrintable(args[i]));
            return 2;
        }
    }
    if (outDir.isEmpty()) {
        std::fprintf(stderr, "usage: kelvora-mapgen --out DIR [--blue-marble DIR] [--political FILE]\n");
        return 2;
    }
    bool ok = true;
    if (!blueMarble.isEmpty()) ok = BlueMarble(outDir, blueMarble) && ok;
    if (!political.isEmpty()) ok = Political(outDir, political) && ok;
    return ok ? 0 : 1;
}
