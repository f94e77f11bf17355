// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Pictures.h"
#include "doubles/TempFolder.h"
#include "session/Cp1252.h"
#include "session/Session.h"

#include <QDir>
#include <QPainter>
#include <QSet>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Tile colours of the launcher, genre by genre, to see the pictures as a player will.
const QColor kTileColours[GenreCount] = {QColor(128, 0, 0),     QColor(128, 0, 128),   QColor(128, 128, 0),
                                         QColor(192, 192, 192), QColor(128, 128, 128), QColor(0, 0, 255),
                                         QColor(0, 255, 0),     QColor(0, 255, 255)};

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
    QImage sheet(4 * 117 * scale, 2 * 111 * scale, QImage::Format_ARGB32);
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
        const QRect tile((genre % (GenreCount / 2)) * 117 * scale, (genre / (GenreCount / 2)) * 111 * scale,
                         117 * scale, 111 * scale);
        sheetPainter.fillRect(tile.adjusted(4, 4, -4, -4), kTileColours[genre]);
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
