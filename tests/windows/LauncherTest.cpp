// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "LauncherFixture.h"

#include "desktop/Platform.h"
#include "game/Board.h"
#include "launcher/TilePlaces.h"
#include "records/PlayerSettings.h"
#include "ui/BoardColours.h"
#include "ui/Colours.h"
#include "ui/Look.h"
#include "ui/Messages.h"

#include "Identity.h"
#include "doubles/TempFolder.h"
#include "doubles/Within.h"
#include "launcher/Parolix.h"
#include "launcher/SystemEnd.h"
#include "platform/FileLayout.h"

#include "game/Deal.h"
#include "gamewindow/Form2Text.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace {
// A test folder's path as Qt takes it, in the system's own spelling of names.
QString qPath(const std::filesystem::path& p)
{
#ifdef _WIN32
    return QString::fromStdWString(p.native());
#else
    return QFile::decodeName(p.c_str());
#endif
}
} // namespace

// The window with the genres filled in: each tile where its place says, in
// rows of four, its caption under it; the name box, the buttons and the link
// below the last row, and the window ending under the link. (The pixels the
// game drew them at are pinned in ClassicNumbers.)
TEST_F(Launcher, LayoutCaptionsAndTiles)
{
    open();
    Form1& f = *launcher;
    EXPECT_EQ(f.windowTitle(), "Parolix");
    // Centred on the screen, frame and all.
    const QRect screen = f.screen()->geometry(), outer = f.frameGeometry();
    EXPECT_LE(std::abs((outer.left() - screen.left()) - (screen.right() - outer.right())), 1);
    EXPECT_LE(std::abs((outer.top() - screen.top()) - (screen.bottom() - outer.bottom())), 1);
    EXPECT_EQ(f.Label5->text(), "Scegli il genere sottostante con cui giocare:");
    EXPECT_EQ(f.Label2->text(), f.Label5->text());

    for (int t = 0; t < GenreCount; ++t) {
        SCOPED_TRACE(t);
        const QRect tile = f.pittura[t]->geometry(), caption = f.Label3[t]->geometry();
        EXPECT_EQ(tile, tiles::tileRect(t));
        EXPECT_EQ(caption, tiles::captionRect(t));
        EXPECT_EQ(caption.left(), tile.left());
        EXPECT_GT(caption.top(), tile.bottom());
        if (t % tiles::PerRow != 0) {
            EXPECT_EQ(tile.top(), f.pittura[t - 1]->y());
            EXPECT_GT(tile.left(), f.Label3[t - 1]->geometry().right());
        } else {
            EXPECT_GT(tile.top(), t == 0 ? f.Label5->geometry().bottom() : f.Label3[t - 1]->geometry().bottom());
        }
        EXPECT_EQ(f.pittura[t]->toolTip(), Genres[t].name);
        EXPECT_EQ(f.Label3[t]->text(), Genres[t].name);
        EXPECT_EQ(s.GenreNames[t], Genres[t].name);
        EXPECT_EQ(s.GenreImageFiles[t], Genres[t].picture);
        EXPECT_EQ(f.pittura[t]->picture(), standInPicture(t));
    }
    const int lastRow = f.Label3[GenreCount - 1]->geometry().bottom();
    for (QWidget* below : std::initializer_list<QWidget*>{f.Label1, f.Text1, f.Command2, f.Command1, f.Label4}) {
        EXPECT_GT(below->y(), lastRow) << below->metaObject()->className();
        EXPECT_TRUE(f.rect().contains(below->geometry())) << below->metaObject()->className();
    }
    EXPECT_LT(f.height() - f.Label4->geometry().bottom(), f.Label4->height());
    EXPECT_EQ(f.Label1->text(), "Giocatore:");
    EXPECT_EQ(f.Command2->text(), "&Help");
    EXPECT_EQ(f.Command1->text(), "&Fine");
    EXPECT_EQ(f.Command1->toolTip(), "Uscita dal programma");
    EXPECT_EQ(f.Label4->toolTip(), "Visita il sito dell'autore");
    EXPECT_FALSE(f.Picture1->isVisible());
    EXPECT_EQ(f.Picture1->pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(f.windowIcon().isNull());

    // Pixels: the grey background, the red title over its shadow, and each
    // tile's palette colour where its picture leaves the tile bare.
    QImage shot = f.grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(192, 192, 192));
    for (int t = 0; t < GenreCount; ++t) {
        SCOPED_TRACE(t);
        QPoint bare = f.pittura[t]->geometry().bottomRight() - QPoint(10, 10);
        EXPECT_EQ(shot.pixelColor(bare), paletteColour(Genres[t].tileColour));
    }
    bool red = false, shadow = false;
    for (int y = 10; y < 40; ++y)
        for (int x = 20; x < 511; ++x) {
            QColor c = shot.pixelColor(x, y);
            red = red || c == QColor(255, 0, 0);
            shadow = shadow || c == QColor(64, 64, 64);
        }
    EXPECT_TRUE(red);
    EXPECT_TRUE(shadow);
    EXPECT_TRUE(fp.dialogs.shown.empty());
}

// The launcher as the game drew it (in twips, at 15 twips a pixel) and the
// records list's height, pinned once: with another number of genres or of
// records kept only this suite fails.
struct ClassicNumbers : Launcher {};

TEST_F(ClassicNumbers, TheWindowsAsDrawn)
{
    open();
    Form1& f = *launcher;
    EXPECT_EQ(f.size(), QSize(532, 413));
    EXPECT_EQ(f.Label5->geometry(), QRect(20, 10, 489, 27));
    EXPECT_EQ(f.Label2->geometry(), QRect(22, 12, 489, 27));
    const QRect tiles[] = {{18, 46, 117, 111},  {143, 46, 117, 111},  {267, 46, 117, 111},  {392, 46, 117, 111},
                           {20, 196, 117, 111}, {145, 196, 117, 111}, {269, 196, 117, 111}, {394, 196, 117, 111}};
    ASSERT_EQ(GenreCount, static_cast<int>(std::size(tiles)));
    for (int t = 0; t < GenreCount; ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(f.pittura[t]->geometry(), tiles[t]);
        EXPECT_EQ(f.Label3[t]->geometry(), QRect(tiles[t].x(), t < 4 ? 160 : 310, 119, 15));
    }
    EXPECT_EQ(f.Label1->geometry(), QRect(20, 350, 101, 35));
    EXPECT_EQ(f.Text1->geometry(), QRect(126, 340, 241, 43));
    EXPECT_EQ(f.Command2->geometry(), QRect(374, 342, 41, 43));
    EXPECT_EQ(f.Command1->geometry(), QRect(422, 342, 93, 43));
    EXPECT_EQ(f.Label4->geometry(), QRect(178, 392, 143, 17));
    // Citta' Italia's tile is the grey of the game's sixteen colours.
    EXPECT_EQ(f.grab().toImage().pixelColor(tiles[4].bottomRight() - QPoint(10, 10)), QColor(128, 128, 128));
    // The game window's records list: a row of 18 pixels for the title and each record, inside a frame of 4.
    EXPECT_EQ(RecordsListHeight, 202);
}

// The board's colours, role by role in BoardRole's order.
TEST_F(ClassicNumbers, TheBoardsColours)
{
    const QColor white(255, 255, 255), yellow(255, 255, 0), darkBlue(0, 0, 128), cyan(0, 255, 255), red(255, 0, 0);
    const QColor classic[] = {white,     yellow, darkBlue,      QColor(1, 0, 0), red,   {192, 192, 192},
                              darkBlue,  cyan,   {0, 128, 128}, {128, 0, 0},     cyan,  {128, 0, 128},
                              red,       yellow, {0, 0, 0},     {255, 128, 128}, white, {0, 192, 0},
                              {0, 0, 0}, yellow, {0, 0, 192}};
    ASSERT_EQ(std::size(classic), std::size(board_colours::Table));
    for (size_t r = 0; r < std::size(classic); ++r) EXPECT_EQ(board_colours::Table[r], classic[r]) << r;
}

// What the player sees first, with the genre pictures that ship with the game.
TEST_F(Launcher, SnapshotWithShippedPictures)
{
    useShippedPictures();
    open();
    for (int t = 0; t < GenreCount; ++t) EXPECT_FALSE(launcher->pittura[t]->picture().isNull()) << t;
    snapshot(launcher.get(), "launcher");
}

// A dark desktop theme reaches the program as the application's palette and,
// from some desktops' settings, as a style sheet: neither changes a pixel of
// the launcher, the game window or the about box, each in front in its turn,
// whose colours are the game's own.
struct DarkTheme : Launcher {
    static int pixelsChanged(QWidget* window);
};

int DarkTheme::pixelsChanged(QWidget* window)
{
    settle();
    const QImage before = window->grab().toImage();

    const QPalette light = QApplication::palette();
    QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30)); // button, window
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        dark.setColor(role, QColor(235, 235, 235));
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    // Dimmer behind another window and greyer when disabled, as dark themes have them.
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = static_cast<QPalette::ColorRole>(r);
        dark.setColor(QPalette::Inactive, role, dark.color(QPalette::Active, role).darker(130));
        dark.setColor(QPalette::Disabled, role, dark.color(QPalette::Active, role).darker(200));
    }
    // The palette alone first, as most desktops send it, then with the sheet.
    QApplication::setPalette(dark);
    settle();
    const QImage paletteOnly = window->grab().toImage();
    qApp->setStyleSheet("QWidget { background-color: #1e1e1e; color: #ebebeb; }"
                        "QLineEdit { background-color: #141414; color: white; }"
                        "QPushButton { background-color: #353535; color: white; }");
    settle();
    const QImage after = window->grab().toImage();
    if (after != before || paletteOnly != before) snapshot(window, window->objectName() + "-dark");
    qApp->setStyleSheet(QString());
    QApplication::setPalette(light);

    if (after.size() != before.size() || paletteOnly.size() != before.size()) return -1;
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            changed += (before.pixel(x, y) != after.pixel(x, y)) + (before.pixel(x, y) != paletteOnly.pixel(x, y));
    return changed;
}

TEST_F(Launcher, DarkThemeChangesNoPixelOfTheGamesWindows)
{
    useShippedPictures();
    QApplication::setCursorFlashTime(0); // the name box's cursor steady in both pictures
    open();
    EXPECT_EQ(DarkTheme::pixelsChanged(launcher.get()), 0);
    Form2* game = startGame(0);
    ASSERT_TRUE(game);
    game->ShowRecords(); // the records list too
    EXPECT_EQ(DarkTheme::pixelsChanged(game), 0);
    // A window behind another is drawn in its inactive colours: those too.
    ASSERT_FALSE(launcher->isActiveWindow());
    EXPECT_EQ(DarkTheme::pixelsChanged(launcher.get()), 0);
    launcher->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(launcher.get()));
    EXPECT_EQ(DarkTheme::pixelsChanged(game), 0);
    game->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(game));
    QTest::keyClick(game, Qt::Key_F6);
    ASSERT_TRUE(aboutBox());
    EXPECT_EQ(DarkTheme::pixelsChanged(aboutBox()), 0);
    ASSERT_FALSE(game->isActiveWindow()); // and drawn in its disabled colours
    EXPECT_EQ(DarkTheme::pixelsChanged(game), 0);
    QApplication::setCursorFlashTime(1000);
}

// The counters of a fresh game are set when the launcher is first shown.
TEST_F(Launcher, FirstShowPreparesTheGame)
{
    s.Score = 77;
    s.LetterBudget = 12;
    open();
    EXPECT_EQ(s.HelpPercentStart, 41);
    EXPECT_EQ(s.HelpPercent, 41);
    EXPECT_EQ(s.Score, 0);
    EXPECT_EQ(s.LetterBudget, 0);
}

// A picture that is missing or unreadable leaves its tile empty and is told
// once; the launcher opens all the same and the genre can be played.
TEST_F(Launcher, MissingPictureLeavesTheTileEmpty)
{
    fp.pictures.images.erase("03.wmf");
    open();
    EXPECT_TRUE(launcher->isVisible());
    EXPECT_TRUE(launcher->pittura[3]->picture().isNull());
    EXPECT_FALSE(launcher->pittura[2]->picture().isNull());
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_NE(fp.dialogs.shown[0].text.find("03.wmf"), std::string::npos);
    EXPECT_EQ(launcher->Label3[3]->text(), "Marche Auto");
}

// Each kind of picture fault is told in its own words, in one message.
TEST_F(Launcher, PictureFaultsAreToldInTheirOwnWords)
{
    const std::pair<Error, std::string> kinds[] = {
        {Error::NotFound, "file non trovato"},
        {Error::Unreadable, "file illeggibile"},
        {Error::FileTooLarge, "file troppo grande"},
        {Error::TooShort, "file vuoto o troppo corto"},
        {Error::NotAMetafile, "non \xE8 un metafile di Windows"},
        {Error::BadHeader, "intestazione del metafile non valida"},
        {Error::BadSize, "dimensioni dell'immagine non valide"},
        {Error::ImageTooLarge, "immagine troppo grande"},
        {Error::Truncated, "file troncato"},
        {Error::Damaged, "record danneggiato"},
        {Error::TooComplex, "disegno troppo complesso"},
        {Error::NoMemory, "memoria insufficiente per l'immagine"},
    };
    // A tile a genre: the kinds in turns of as many.
    constexpr size_t Tiles = GenreCount;
    for (size_t first = 0; first < std::size(kinds); first += Tiles) {
        fp.pictures.errors.clear();
        fp.dialogs.shown.clear();
        std::string list;
        for (size_t k = first; k < std::min(first + Tiles, std::size(kinds)); ++k) {
            const std::string file = genrePictureFile(static_cast<int>(k - first));
            fp.pictures.errors[file] = kinds[k].first;
            list += (list.empty() ? "" : ", ") + file + " (" + kinds[k].second + ")";
        }
        Form1 form(s, fp.platform, records);
        form.Form_Load();
        ASSERT_EQ(fp.dialogs.shown.size(), 1u);
        EXPECT_EQ(fp.dialogs.shown[0].text, "Alcune immagini dei generi non si possono caricare: " + list +
                                                ". I riquadri restano senza immagine, ma si pu\xf2 giocare lo stesso.");
    }
}

// The desktop is handed the documentation's path in the file system's own
// encoding: a folder named in UTF-8 is found again.
TEST(Documentation, ThePathReachesTheDesktopAsSpeltOnDisk)
{
    TempFolder t;
    const std::filesystem::path folder = t.path / u8"citt\u00e0";
    std::filesystem::create_directory(folder);
    std::ofstream(folder / "lexorda.htm") << "<html></html>";
    DiskFiles files(diskName(qPath(folder)));
    const QUrl url = documentUrl(files.pathOf(DocumentationFile));
    EXPECT_TRUE(url.toLocalFile().endsWith(QString::fromUtf8("città/lexorda.htm"))) << url.toString().toStdString();
    EXPECT_TRUE(QFile::exists(url.toLocalFile()));
}

// The player's folder from XDG_DATA_HOME: a folder whose name is not UTF-8
// takes the saves; a relative one is ignored for the home folder's.
TEST(Startup, ThePlayersFolderFromXdgDataHome)
{
#ifdef _WIN32
    GTEST_SKIP() << "XDG_DATA_HOME is the Linux desktop's; Windows has %APPDATA%";
#else
    TempFolder t;
    const std::string odd = (t.path / "d\xE0ti").string();
    const char* was = std::getenv("XDG_DATA_HOME");
    const std::string saved = was ? was : "";
    ::setenv("XDG_DATA_HOME", odd.c_str(), 1);
    const FileLayout l = fileLayoutFor(qPath(t.path));
    EXPECT_EQ(l.playerFolder, odd + "/parolix");
    DiskFiles files(l.dataFolder, l.playerFolder);
    EXPECT_EQ(writePlayerName(files, "MARIO"), Error::None);
    EXPECT_TRUE(std::filesystem::is_regular_file(odd + "/parolix/LexOrda.ini"));
    ::setenv("XDG_DATA_HOME", "dati", 1);
    EXPECT_NE(fileLayoutFor(qPath(t.path)).playerFolder.rfind("dati", 0), 0u);
    if (was) ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else ::unsetenv("XDG_DATA_HOME");
#endif
}

// --help and --version into a file, onto a full disk (/dev/full) and into a
// stream that takes no writing: their text whole and status 0, or a failing
// status, and standard error never carries the answer instead.
TEST(Startup, TheCommandLinesAnswerFailsWhenItCannotBeWritten)
{
    const CommandLine help{CommandAction::Help, {}}, version{CommandAction::Version, {}};
    const auto run = [](const CommandLine& line, std::FILE* out, std::string* said, std::string* complaint) {
        std::FILE* err = std::tmpfile();
        const int status = answerCommandLine(line, out, err);
        const auto text = [](std::FILE* f) {
            std::string t;
            std::rewind(f);
            for (int c; (c = std::fgetc(f)) != EOF;) t += static_cast<char>(c);
            return t;
        };
        if (said) *said = text(out);
        *complaint = text(err);
        std::fclose(err);
        return status;
    };
    for (const CommandLine& line : {help, version}) {
        const bool isHelp = line.action == CommandAction::Help;
        SCOPED_TRACE(isHelp ? "help" : "version");
        std::string said, complaint;
        std::FILE* file = std::tmpfile();
        EXPECT_EQ(run(line, file, &said, &complaint), 0);
        std::fclose(file);
        EXPECT_EQ(said.rfind(isHelp ? "Uso: parolix [OPZIONE]\n" : "Parolix " PAROLIX_VERSION "\n", 0), 0u) << said;
        EXPECT_EQ(said.back(), '\n');
        EXPECT_EQ(complaint, "");

        std::FILE* full = std::fopen("/dev/full", "w");
        ASSERT_TRUE(full);
        EXPECT_NE(run(line, full, nullptr, &complaint), 0);
        std::fclose(full);
        EXPECT_TRUE(complaint.empty() ||
                    (complaint.rfind("parolix: ", 0) == 0 && complaint.find('\n') == complaint.size() - 1))
            << complaint;
        std::FILE* closed = std::fopen("/dev/null", "r"); // a stream that takes no writing
        EXPECT_NE(run(line, closed, nullptr, &complaint), 0);
        std::fclose(closed);
    }
}

// A copy whose word list is there as anything but a folder stays portable; a
// word list that is a pipe or a device is told at once, never waited on. A
// file where the player's folder should be is told as such.
TEST(Startup, APortableCopyStaysPortableWhateverKindOfFileItsWordListIs)
{
    const struct {
        const char* what;
        std::function<void(const std::filesystem::path&)> make;
        bool portable;
        Error read;
    } cases[] = {
        {"a plain file",
         [](const auto& p) {
             std::ofstream(p) << "\x10"
                                 "Animali\r\nGATTO\r\n";
         },
         true, Error::None},
#ifndef _WIN32 // pipes in a folder, devices and links a player may make are POSIX's
        {"a pipe", [](const auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, true, Error::NotAFile},
        {"a link to /dev/zero", [](const auto& p) { std::filesystem::create_symlink("/dev/zero", p); }, true,
         Error::NotAFile},
        {"a link to /dev/null", [](const auto& p) { std::filesystem::create_symlink("/dev/null", p); }, true,
         Error::NotAFile},
        {"a link that leads nowhere", [](const auto& p) { std::filesystem::create_symlink("gone", p); }, true,
         Error::NotFound},
#endif
        {"a folder", [](const auto& p) { std::filesystem::create_directory(p); }, false, Error::NotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder t;
        c.make(t.path / "LEXORDA.dat");
        const FileLayout l = fileLayoutFor(qPath(t.path));
        EXPECT_EQ(l.portable, c.portable);
        EXPECT_EQ(std::filesystem::path(l.dataFolder) == t.path, c.portable);
        DiskFiles files(l.dataFolder, l.playerFolder);
        GenreWords words;
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(readSection(files, "Animali", words).error, c.read);
        EXPECT_LT(timer.elapsed(), 1000);
    }
    EXPECT_EQ(form2text::noWordListMessage(Error::NotAFile),
              "Impossibile leggere l'elenco delle parole \"lexorda.DAT\": non \xE8 un file ordinario (\xE8 una pipe o "
              "un dispositivo).");

#ifndef _WIN32 // Windows' player folder comes from the shell, not from the environment
    // HOME or XDG_DATA_HOME a file: the saves say what is wrong.
    TempFolder t;
    t.write("dati", "");
    const char* was = std::getenv("XDG_DATA_HOME");
    const std::string saved = was ? was : "";
    ::setenv("XDG_DATA_HOME", (t.path / "dati").c_str(), 1);
    const FileLayout l = fileLayoutFor(qPath(t.path));
    if (was) ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else ::unsetenv("XDG_DATA_HOME");
    DiskFiles files(l.dataFolder, l.playerFolder);
    const Error e = writePlayerName(files, "MARIO");
    EXPECT_EQ(e, Error::NotAFolder);
    EXPECT_EQ(settingsSaveFailedMessage(e), "Impossibile salvare il nome del giocatore (LexOrda.ini): nel percorso "
                                            "della cartella c'\xE8 un file al posto di una cartella. Il nome vale "
                                            "solo fino alla chiusura del gioco.");
#endif
}

// A web address a packager set, longer than the label drawn for it, is read
// whole: the launcher's label grows to the right, the about box's about its
// centre; neither leaves its window.
TEST_F(Launcher, ALongWebAddressWidensItsLabel)
{
    open();
    const QRect drawn = launcher->Label4->geometry();
    const int window = launcher->width();
    const QRect about(184, 138, 157, 21); // the about box's, in its window of 431 pixels
    const struct {
        QRect place;
        Qt::Alignment align;
        int windowWidth, letters;
    } cases[] = {
        {drawn, Qt::AlignLeft, window, 10},  {drawn, Qt::AlignLeft, window, 40}, {drawn, Qt::AlignLeft, window, 70},
        {drawn, Qt::AlignLeft, window, 300}, {about, Qt::AlignHCenter, 431, 10}, {about, Qt::AlignHCenter, 431, 40},
        {about, Qt::AlignHCenter, 431, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letters);
        LinkLabel label(launcher.get());
        label.setFont(launcher->Label4->font());
        label.setAlignment(c.align | Qt::AlignTop);
        label.setText("www." + QString(c.letters, QLatin1Char('w')) + ".it");
        placeWhole(label, c.place, c.windowWidth);
        const QRect got = label.geometry();
        const int need = label.fontMetrics().horizontalAdvance(label.text()) + 4;
        EXPECT_EQ(got.top(), c.place.top());
        EXPECT_EQ(got.height(), c.place.height());
        EXPECT_GE(got.left(), 0);
        EXPECT_LT(got.right(), c.windowWidth);
        if (need <= c.place.width()) EXPECT_EQ(got, c.place);
        else if (need <= c.windowWidth) EXPECT_GE(got.width(), need);
        else EXPECT_EQ(got.width(), c.windowWidth);
        // Grown as the label is aligned, as long as the window has room.
        if (c.align == Qt::AlignLeft && got.right() < c.windowWidth - 1) {
            EXPECT_EQ(got.left(), c.place.left());
        }
        if (c.align == Qt::AlignHCenter && got.left() > 0 && got.right() < c.windowWidth - 1) {
            EXPECT_LE(std::abs(got.center().x() - c.place.center().x()), 1);
        }
    }
}

// The hand over tiles and the link, kept over captions, the name box and the
// buttons, the arrow over the bare background and when a tile is clicked.
TEST_F(Launcher, PointerFeedback)
{
    open();
    EXPECT_EQ(pointer(), PointerShape::Neutral);
    moveOver(launcher->pittura[2], QPoint(30, 30));
    EXPECT_EQ(pointer(), PointerShape::Hand);
    moveOver(launcher->Text1, QPoint(20, 20));
    EXPECT_EQ(pointer(), PointerShape::Hand);
    moveOver(launcher->Label3[2], QPoint(50, 5));
    moveOver(launcher->Command1, QPoint(20, 20));
    moveOver(launcher->Label5, QPoint(100, 10));
    EXPECT_EQ(pointer(), PointerShape::Hand);
    moveOver(launcher.get(), QPoint(5, 300));
    EXPECT_EQ(pointer(), PointerShape::Arrow);
    moveOver(launcher->Label4, QPoint(10, 8));
    EXPECT_EQ(pointer(), PointerShape::Hand);
    moveOver(launcher.get(), QPoint(520, 400));
    EXPECT_EQ(pointer(), PointerShape::Arrow);
    moveOver(launcher->pittura[6], QPoint(30, 30));
    EXPECT_EQ(pointer(), PointerShape::Hand);
    ASSERT_TRUE(startGame(6));
    EXPECT_EQ(pointer(), PointerShape::Arrow);
}

// A tile opens a game of its genre; a second click while the game is open
// only changes the genre index and brings that same window back.
TEST_F(Launcher, TileOpensTheGameOfItsGenre)
{
    open();
    Form2* game = startGame(4);
    ASSERT_TRUE(game);
    EXPECT_EQ(s.GenreIndex, 4);
    EXPECT_TRUE(game->isVisible());
    EXPECT_EQ(s.LetterBudget, 4);
    EXPECT_EQ(s.HelpPercent, 40);
    // The name left the box before the game started.
    EXPECT_EQ(fp.files.text("LexOrda.ini"), "Nome=ANONIMO\r\n");

    launcher->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(launcher.get()));
    QTest::mouseClick(launcher->pittura[GenreCount - 1], Qt::LeftButton, {}, QPoint(40, 40));
    settle();
    EXPECT_EQ(s.GenreIndex, GenreCount - 1);
    EXPECT_EQ(launcher->gameWindow(), game);
    int games = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) games += qobject_cast<Form2*>(w) && w->isVisible();
    EXPECT_EQ(games, 1);
}

// The launcher repainting while a game runs (a child widget updating, the
// launcher uncovered) must not wipe the game's score and budget.
TEST_F(Launcher, RepaintDuringAGameKeepsTheScore)
{
    open();
    ASSERT_TRUE(startGame(0));
    s.Score = 1234;
    int16_t budget = s.LetterBudget;
    launcher->repaint();
    launcher->Label3[0]->repaint();
    settle();
    EXPECT_EQ(s.Score, 1234);
    EXPECT_EQ(s.LetterBudget, budget);
}

// After a game, the next one starts from nothing again: score 0, the budget
// of a first deal, and the help percentage the player chose.
TEST_F(Launcher, SecondGameStartsAfresh)
{
    open();
    Form2* game = startGame(0);
    ASSERT_TRUE(game);
    fp.dialogs.answers = {"20"};
    QTest::keyClick(game, Qt::Key_F4); // the help percentage for later games
    EXPECT_EQ(s.HelpPercentStart, 20);
    s.Score = 900;
    s.LetterBudget = 16;
    QTest::keyClick(game, Qt::Key_F2);
    // At once, before any repaint: a compositing desktop may never repaint
    // the uncovered launcher.
    EXPECT_EQ(s.Score, 0);
    EXPECT_EQ(s.LetterBudget, 0);
    EXPECT_EQ(s.HelpPercent, 20);
    waitGameGone();
    EXPECT_EQ(launcher->gameWindow(), nullptr);
    EXPECT_EQ(QApplication::activeWindow(), launcher.get());

    Form2* second = startGame(5);
    ASSERT_TRUE(second);
    EXPECT_EQ(s.GenreIndex, 5);
    EXPECT_EQ(s.Score, 0);
    EXPECT_EQ(s.LetterBudget, 4);
    EXPECT_EQ(s.HelpPercent, 19);
}

// "&Fine" ends the program without touching the records; "&Help" and the
// link open the documentation and the site, or say why they cannot.
TEST_F(Launcher, ButtonsAndLink)
{
    fp.files.content["LexOrda.Sco"] = "MARIO          120Animali\r\n";
    open();
    // The documentation under the spelling it has on disk.
    fp.files.content = {{"lexorda.htm", "<html></html>"}, {"LexOrda.Sco", "MARIO          120Animali\r\n"}};
    QTest::mouseClick(launcher->Command2, Qt::LeftButton);
    ASSERT_EQ(fp.shell.opened.size(), 1u);
    EXPECT_EQ(fp.shell.opened[0], "lexorda.htm");
    QTest::mouseClick(launcher->Label4, Qt::LeftButton, {}, QPoint(10, 8));
    ASSERT_EQ(fp.shell.opened.size(), 2u);
    EXPECT_EQ(fp.shell.opened[1], WebSiteAddress);
    EXPECT_TRUE(fp.dialogs.shown.empty());

    fp.shell.succeed = false;
    QTest::mouseClick(launcher->Label4, Qt::LeftButton, {}, QPoint(10, 8));
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text,
              "Impossibile aprire il sito dell'autore (" PAROLIX_HOMEPAGE "): nessun browser disponibile.");
    fp.files.content.erase("lexorda.htm");
    QTest::mouseClick(launcher->Command2, Qt::LeftButton);
    ASSERT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_EQ(fp.dialogs.shown[1].text, "La documentazione (LEXORDA.htm) non si trova nella cartella del gioco.");
    fp.files.content["LEXORDA.htm"] = "<html></html>"; // there, but nothing on the desktop opens it
    QTest::mouseClick(launcher->Command2, Qt::LeftButton);
    ASSERT_EQ(fp.dialogs.shown.size(), 3u);
    EXPECT_EQ(fp.dialogs.shown[2].text,
              "Impossibile aprire la documentazione (LEXORDA.htm): nessun programma associato alle pagine HTML.");
    EXPECT_EQ(fp.dialogs.shown[2].title, "Parolix");

    QTest::mouseClick(launcher->Command1, Qt::LeftButton);
    EXPECT_EQ(fp.programEnded, 1);
    EXPECT_EQ(fp.files.text("LexOrda.Sco"), "MARIO          120Animali\r\n");
    // Closing the launcher from its title bar ends the program the same way.
    launcher->close();
    EXPECT_EQ(fp.programEnded, 2);
}

// A game played through the launcher: the name typed, a tile clicked, right
// letters carried into the first word. Its picture is the game in progress
// the README shows.
TEST_F(Launcher, SnapshotOfAGameInProgress)
{
    useShippedPictures();
    open();
    launcher->Text1->selectAll();
    QTest::keyClicks(launcher->Text1, "mario");
    Form2* game = startGame(3);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->windowTitle(), "Parolix   (MARIO) ");
    QWidget* client = game->clientArea();
    const int width = game->ScaleWidth();
    int placed = 0;
    const std::string word = s.Words[1];
    for (int i = 1; i <= static_cast<int>(word.size()) && placed < 3; ++i) {
        if (within(s.BoxRows[1], i - 1, "box") != ' ') continue;
        size_t slot = s.PoolRemaining.find(word[i - 1]);
        ASSERT_NE(slot, std::string::npos);
        Point from = board::poolPoint(static_cast<int>(slot) + 1);
        Point to = board::boxPoint(s, 1, i, width);
        QTest::mousePress(client, Qt::LeftButton, {}, QPoint(from.x + 8, from.y - 40));
        QTest::mouseMove(client, QPoint(to.x + 8, to.y - 40));
        QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(to.x + 8, to.y - 40));
        EXPECT_EQ(s.BoxRows[1][i - 1], word[i - 1]);
        ++placed;
    }
    EXPECT_GT(placed, 0);
    EXPECT_GT(s.Score, 0);
    settle();
    snapshot(game, "game-in-progress");
    // The launcher closed from its title bar ends the program; the game's
    // score is kept, without a message.
    const int score = s.Score;
    const size_t shown = fp.dialogs.shown.size();
    launcher->close();
    EXPECT_EQ(fp.programEnded, 1);
    EXPECT_EQ(fp.dialogs.shown.size(), shown);
    const std::string first = "MARIO      " + std::to_string(score) + " ";
    EXPECT_EQ(fp.files.text("LexOrda.Sco").substr(0, first.size()), first);
}
