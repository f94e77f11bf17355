// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "GameWindowFixture.h"

#include "game/Play.h"

#include <QPainter>

std::string wordList(std::initializer_list<std::pair<std::string, std::vector<std::string>>> sections)
{
    std::string text;
    for (const auto& [name, words] : sections) {
        text += '\x10' + name + "\r\n";
        for (const auto& w : words) text += w + "\r\n";
    }
    return text;
}

QImage fakePicture(int width, int height, QColor colour)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(QColor(230, 240, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(), 3));
    p.drawRect(1, 1, width - 3, height - 3);
    p.setBrush(colour);
    p.drawEllipse(QPointF(width / 2.0, height / 2.0), width / 3.0, height / 3.0);
    return img;
}

double pick(int idx, int count)
{
    return (idx + 0.5) / count;
}

void saveSnapshot(QWidget* w, const QString& name)
{
    QDir().mkpath(PAROLIX_SNAPSHOT_DIR);
    w->grab().save(QString(PAROLIX_SNAPSHOT_DIR) + "/" + name + ".png");
}

void GameWindow::SetUp()
{
    QApplication::setQuitOnLastWindowClosed(false);
    fillGenreTables(s);
    s.PlayerName = "TESTER";
    s.HelpPercentStart = 41;
    s.HelpPercent = 41;
    const QColor colours[] = {Qt::darkGreen,  Qt::red,   Qt::magenta,  Qt::blue,
                              Qt::darkYellow, Qt::black, Qt::darkCyan, Qt::darkGray};
    for (int g = 0; g < GenreCount; ++g)
        fp.pictures.images[s.GenreImageFiles[g]] = fakePicture(105, 97, colours[g % std::size(colours)]);
    fp.clock.times = {1000.0};
}

void GameWindow::TearDown()
{
    if (form) delete form.data();
    settle();
}

void GameWindow::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GameWindow::openWithRealRandom(uint64_t seed, Pictures* pictures)
{
    realRandom.emplace(seed);
    realPlatform.emplace(Platform{fp.clock, *realRandom, fp.files, fp.dialogs, pictures ? *pictures : fp.pictures,
                                  fp.shell, fp.pointer, fp.sound, [] {}});
    open(&*realPlatform);
}

void GameWindow::scriptCatAndDog()
{
    fp.files.content["lexorda.DAT"] =
        wordList({{"Frutti", {"MELA"}}, {"Animali", {"GATTO", "CANE", "LUPO", "TOPO", "ORSO"}}});
    s.LetterBudget = 4; // the deal makes it 8
    s.HelpPercent = 41; // the deal makes it 40: two help letters in GATTO, one in CANE
    // GATTO, help at 2 and 4; CANE, help at 1; the pool then keeps its order.
    fp.random.draws = {pick(0, 5), 0.2, 0.6, pick(1, 5), 0.0};
}

void GameWindow::open(Platform* platform)
{
    form = new Form2(s, platform ? *platform : fp.platform, records);
    QObject::connect(form, &Form2::unloaded, [this] { ++unloadedSignals; });
    form->Form_Load();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.isNull() || form->firstDealDone(); }, 5000));
    settle();
}

QPoint GameWindow::inSlot(int slot)
{
    const Point p = board::poolPoint(slot);
    return {p.x + 8, p.y - 40};
}

QPoint GameWindow::inBox(int row, int column) const
{
    const Point p = board::boxPoint(s, row, column, form->ScaleWidth());
    return {p.x + 8, p.y - 40};
}

int32_t GameWindow::pointsFor(int letters) const
{
    Session fresh;
    fresh.HelpPercent = s.HelpPercent;
    for (int i = 0; i < letters; ++i) play::scoreRightLetter(fresh);
    return fresh.Score;
}

void GameWindow::carry(int slot, int row, int column, Qt::MouseButton b)
{
    press(inSlot(slot), b);
    moveTo(inBox(row, column));
    release(inBox(row, column), b);
}

void GameWindow::openWithTheWord(const std::string& word)
{
    fp.files.content["lexorda.DAT"] = wordList({{"Animali", {word}}});
    s.HelpPercent = 2;
    fp.random.draws = {0.0};
    open();
    EXPECT_EQ(s.Words[1], word);
}

void GameWindow::placeTheLastLetterByMouse()
{
    const std::string& word = s.Words[1];
    const int last = static_cast<int>(word.size());
    const size_t slot = s.PoolRemaining.find(word.back());
    ASSERT_NE(slot, std::string::npos);
    carry(static_cast<int>(slot) + 1, 1, last);
    EXPECT_EQ(s.BoxRows[1].back(), word.back());
    EXPECT_TRUE(fp.dialogs.shown.empty());
    EXPECT_TRUE(inkInsideBox(board::boxPoint(s, 1, last, form->ScaleWidth())));
}

void GameWindow::expectOutlinedLine(int y, int left, int right) const
{
    EXPECT_EQ(pixel(left - 1, y), BoardBackground) << left;
    EXPECT_EQ(pixel(left, y), EmptyBoxOutline) << left;
    EXPECT_EQ(pixel(right, y), EmptyBoxOutline) << right;
    if (right + 1 < form->ScaleWidth()) {
        EXPECT_EQ(pixel(right + 1, y), BoardBackground) << right;
    }
}

void GameWindow::scriptZoo()
{
    fp.files.content["lexorda.DAT"] = wordList({{"Animali", {"ELEFANTE", "CAMMELLO", "GIRAFFA"}}});
    s.LetterBudget = 12; // the deal makes it 16: 8 + 8 letters take one more word
    s.HelpPercent = 2;   // the deal makes it 1: no help letters
    fp.random.draws = {pick(0, 3), pick(1, 3), pick(2, 3)};
}

namespace {
// What a letter leaves, solid or blended at its edges: neither the board nor
// the fill of a slot or a box.
bool isInk(QColor c)
{
    for (BoardRole r : {BoardRole::Background, BoardRole::PoolFill, BoardRole::EmptyBoxFill, BoardRole::ShownBoxFill,
                        BoardRole::PlacedFill})
        if (c == boardColour(r)) return false;
    return true;
}
} // namespace

bool GameWindow::hasInk(QRect r) const
{
    const QImage& img = form->boardImage();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (img.valid(x, y) && isInk(img.pixelColor(x, y))) return true;
    return false;
}

bool GameWindow::inkInsideBox(Point p) const
{
    // The letter is printed after the box: had it spilled over, the outline
    // ring would not be whole any more.
    const Box o = board::outlineBox(p);
    const QImage& img = form->boardImage();
    const QColor ring = pixel(o.left + 1, o.top);
    auto onRing = [&](int x, int y) { return !img.valid(x, y) || img.pixelColor(x, y) == ring; };
    for (int x = o.left; x <= o.right; ++x)
        if (!onRing(x, o.top) || !onRing(x, o.bottom)) return false;
    for (int y = o.top; y <= o.bottom; ++y)
        if (!onRing(o.left, y) || !onRing(o.right, y)) return false;
    return hasInk({o.left + 1, o.top + 1, o.right - o.left - 1, o.bottom - o.top - 1});
}
