// The map pictures generated next to the executable: every style, preset and zoom,
// each exactly the canvas size.
#include "MapFiles.h"

#include <QImageReader>
#include <gtest/gtest.h>

namespace kelvora {
namespace {

TEST(GeneratedMapPictures, ExistWithTheCanvasSizes) {
    for (TMapStyle style : {TMapStyle::Political, TMapStyle::BlueMarble}) {
        for (TSizePreset preset : {TSizePreset::W640, TSizePreset::W800, TSizePreset::W1024}) {
            for (bool zoom2 : {false, true}) {
                for (bool day : {true, false}) {
                    const QString path = MapFilePath(KELVORA_BINARY_DIR, style, preset, zoom2, day);
                    QImageReader reader(path);
                    EXPECT_EQ(reader.format(), "bmp") << path.toStdString();
                    EXPECT_EQ(reader.size(), CanvasSizeOf(preset, zoom2)) << path.toStdString();
                }
            }
        }
    }
}

TEST(MapFiles, NamesAndFolders) {
    EXPECT_EQ(MapFileName(TSizePreset::W640, false, true), "Welt1l.bmp");
    EXPECT_EQ(MapFileName(TSizePreset::W640, true, false), "Welt4d.bmp");
    EXPECT_EQ(MapFileName(TSizePreset::W800, false, false), "Welt1D_Cap.bmp");
    EXPECT_EQ(MapFileName(TSizePreset::W1024, true, true), "Welt4L_1024.bmp");
    EXPECT_EQ(MapStyleFolder(MapStyleOf('+')), "BM_Maps2D\\");
    EXPECT_EQ(MapStyleCaption(MapStyleOf('x')), "Pl");
}

}  // namespace
}  // namespace kelvora
