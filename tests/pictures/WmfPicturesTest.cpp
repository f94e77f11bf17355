// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "CostlyPictures.h"
#include "Pictures.h"
#include "WmfTestSupport.h"
#include "doubles/Doubles.h"
#include "doubles/TempFolder.h"
#include "launcher/Form1.h"
#include "launcher/TilePlaces.h"
#include "session/Cp1252.h"
#include "session/Session.h"
#include "ui/Colours.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QSet>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void saveSnapshot(const QImage& image, const QString& name)
{
    QDir().mkpath(PAROLIX_SNAPSHOT_DIR);
    image.save(QString(PAROLIX_SNAPSHOT_DIR) + "/" + name);
}

} // namespace

TEST(WmfPictures, ShippedGenrePicturesLoadAtTheirOwnSizeAndAreNotBlank)
{
    WmfPictures pictures(PAROLIX_DATA_DIR);
    const int scale = 3;
    QImage sheet(tiles::PerRow * 117 * scale, tiles::Rows * 111 * scale, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter sheetPainter(&sheet);
    for (int genre = 0; genre < GenreCount; ++genre) {
        const std::string name = genrePictureFile(genre);
        const Result<QImage> loaded = pictures.load(name);
        const QImage& image = loaded.value;
        ASSERT_TRUE(loaded.ok()) << name << ": error " << static_cast<int>(loaded.error);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), QSize(105, 97)) << name;
        int opaque = 0;
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 255) ++opaque;
                colours.insert(pixel);
            }
        EXPECT_GT(opaque, image.width() * image.height() * 9 / 10) << name << " is mostly empty";
        EXPECT_GE(colours.size(), 8) << name << " has too few colours";
        // Names are matched in any case, as the game asks for them.
        EXPECT_FALSE(pictures.load(upperCp1252(genrePictureFile(genre))).value.isNull());

        saveSnapshot(image, QString("genre_%1.png").arg(genre));
        saveSnapshot(image.scaled(image.size() * 4), QString("genre_%1_x4.png").arg(genre));
        const QRect tile((genre % tiles::PerRow) * 117 * scale, tiles::row(genre) * 111 * scale, 117 * scale,
                         111 * scale);
        sheetPainter.fillRect(tile.adjusted(4, 4, -4, -4), paletteColour(Genres[genre].tileColour));
        sheetPainter.drawImage(QRect(tile.topLeft() + QPoint(6 * scale, 7 * scale), image.size() * scale), image);
    }
    sheetPainter.end();
    saveSnapshot(sheet, "genre_tiles.png");
}

TEST(WmfPictures, MissingOrDamagedFilesGiveAReason)
{
    const TempFolder temp;
    const fs::path& folder = temp.path;
    std::ofstream(folder / "bad.wmf", std::ios::binary) << "not a picture at all, just words";
    std::ofstream(folder / "empty.wmf", std::ios::binary);
    std::ofstream(folder / "huge.wmf", std::ios::binary) << "x";
    fs::resize_file(folder / "huge.wmf", 17 * 1024 * 1024); // sparse: costs no disk
    fs::create_directory(folder / "folder.wmf");
    WmfPictures pictures(folder.string());
    const std::pair<const char*, Error> cases[] = {
        {"missing.wmf", Error::NotFound},  {"bad.wmf", Error::NotAMetafile}, {"empty.wmf", Error::TooShort},
        {"huge.wmf", Error::FileTooLarge}, {"folder.wmf", Error::NotFound},
    };
    for (const auto& [name, kind] : cases) {
        const Result<QImage> loaded = pictures.load(name);
        EXPECT_TRUE(loaded.value.isNull()) << name;
        EXPECT_EQ(loaded.error, kind) << name;
    }
}

// Eight genre pictures a player could copy in, costly in points, records,
// characters, bitmaps or extent, the largest 15 MB: the launcher still opens
// within the processor time of a second here and little memory. Those too
// costly to draw leave their tiles empty and are told in one message; a tiny
// file with a huge window is drawn at the tile's size.
TEST(CostlyPictures, TheLauncherOpensWithinASecondInLittleMemory)
{
    std::mt19937 random(26);
    auto zigzags = [&](int polygons, int points, int side) {
        WmfBuilder b = WmfBuilder::plain().window(0, 0, side, side);
        b.solidBrush(200, 30, 30).select(0);
        std::vector<U_POINT16> corners(static_cast<size_t>(points));
        for (int k = 0; k < polygons; ++k) {
            for (U_POINT16& p : corners) p = {int16_t(random() % side), int16_t(random() % side)};
            b.add(U_WMRPOLYGON_set(static_cast<uint16_t>(points), corners.data()));
        }
        return b.bytes();
    };
    WmfBuilder huge = WmfBuilder::plain().window(0, 0, 4096, 4096);
    huge.add(U_WMRELLIPSE_set(WmfBuilder::rect(0, 0, 4096, 4096)));
    WmfBuilder specks = WmfBuilder::plain().window(0, 0, 100, 100);
    for (int i = 0; i < 130000; ++i) specks.rectangle(i % 100, i / 100 % 100, i % 100 + 1, i / 100 % 100 + 1);
    const auto large = std::pair{2048, 2048};
    const std::vector<uint8_t> files[] = {zigzags(120, 32000, 100),
                                          zeroAdvanceText(4096, 100),
                                          bitmapsPicture(true, std::vector(30, large)),
                                          bitmapsPicture(false, std::vector(30, large)),
                                          zigzags(64, 8000, 100),
                                          huge.bytes(),
                                          huge.bytes(),
                                          specks.bytes()};
    EXPECT_GT(files[0].size(), 15'000'000u);
    EXPECT_EQ(files[5].size(), 58u);
    TempFolder folder;
    for (size_t t = 0; t < std::size(files); ++t) {
        const std::string name = genrePictureFile(static_cast<int>(t));
        folder.write(name, std::string(files[t].begin(), files[t].end()));
    }

    FakePlatform fp;
    fp.files.content["lexorda.DAT"] = readDataFile("lexorda.DAT");
    WmfPictures pictures(folder.path.string());
    Platform platform{fp.clock, fp.random, fp.files, fp.dialogs, pictures, fp.shell, fp.pointer, fp.sound, [] {}};
    Session session;
    RecordsTable records;
    {
        Form1 launcher(session, platform, records);
        const Cost cost = costOf([&] {
            launcher.Form_Load();
            launcher.show();
            QCoreApplication::processEvents();
        });
        std::printf("eight costly pictures: launcher shown in %.0f ms of processor time (the shipped pictures "
                    "ten times: %.0f ms), peak memory %ld MiB above the start\n",
                    cost.processorMs, yardstickMs(), cost.peakMiB);
        EXPECT_LT(cost.processorMs, 30 * yardstickMs());
        EXPECT_LT(cost.peakMiB, 60);

        ASSERT_EQ(fp.dialogs.shown.size(), 1u);
        const std::string& told = fp.dialogs.shown[0].text;
        for (int t : {0, 1, 2, 3, 4, 7})
            EXPECT_NE(told.find(genrePictureFile(t) + " (disegno troppo complesso)"), std::string::npos) << told;
        for (int t : {0, 1, 2, 3, 4, 7}) EXPECT_TRUE(launcher.pittura[t]->picture().isNull()) << t;
        for (int t : {5, 6}) {
            const QImage& drawn = launcher.pittura[t]->picture();
            EXPECT_EQ(told.find(genrePictureFile(t)), std::string::npos);
            ASSERT_FALSE(drawn.isNull());
            EXPECT_EQ(drawn.deviceIndependentSize().toSize(), QSize(107, 107));
            EXPECT_EQ(launcher.pittura[t]->pictureRoom(), QSize(113, 107));
        }
    }
}
