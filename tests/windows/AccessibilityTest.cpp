// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The windows as a screen reader reads them, through Qt's accessibility
// interfaces, and what it is told as the board changes, with Qt's
// accessibility switched on as a listening reader switches it on;
// tests/screenreader plays the same through the real AT-SPI tree.
#include "GameWindowFixture.h"
#include "LauncherFixture.h"

#include "gamewindow/BoardAccessible.h"
#include "ui/Messages.h"

#include <QAccessible>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Named, not anonymous: the test files are compiled together.
namespace screenreader {

// A name as the readings below write it: "-" for an empty box, "_" for a
// blank slot, "+" for a slot whose letter has gone.
QString said(QAccessibleInterface* i)
{
    const QString name = i->text(QAccessible::Name);
    return name == "vuota" ? "-" : name == "niente" ? "_" : name == "usata" ? "+" : name;
}

// The board as read from its accessible objects.
struct Reading {
    QString pool;     // the pool's buttons, a letter each
    QStringList rows; // each row's header, then its cells
    QString focus;    // the place of the box with the focus, if any
    bool operator==(const Reading&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Reading& r)
{
    return o << r.pool.toStdString() << " | " << r.rows.join(" | ").toStdString() << " | " << r.focus.toStdString();
}

Reading readBoard(QWidget* board)
{
    Reading r;
    QAccessibleInterface* b = QAccessible::queryAccessibleInterface(board);
    for (int i = 0; i < b->childCount(); ++i) {
        QAccessibleInterface* part = b->child(i);
        EXPECT_EQ(part->parent(), b);
        EXPECT_EQ(b->indexOfChild(part), i);
        for (int k = 0; part->role() == QAccessible::Grouping && k < part->childCount(); ++k) {
            EXPECT_EQ(part->child(k)->role(), QAccessible::PushButton);
            r.pool += said(part->child(k));
        }
        for (int k = 0; part->role() == QAccessible::Table && k < part->childCount(); ++k) {
            QAccessibleInterface* c = part->child(k);
            EXPECT_EQ(part->indexOfChild(c), k);
            if (c->role() == QAccessible::RowHeader) {
                r.rows.append(c->text(QAccessible::Name) + ": ");
                continue;
            }
            QAccessibleTableCellInterface* cell = c->tableCellInterface();
            EXPECT_EQ(c->role(), QAccessible::Cell);
            if (!cell) return r;
            EXPECT_EQ(part->tableInterface()->cellAt(cell->rowIndex(), cell->columnIndex()), c);
            EXPECT_EQ(cell->rowIndex(), r.rows.size() - 1);
            EXPECT_EQ(c->state().focused, c == b->focusChild());
            r.rows.last() += said(c);
        }
        // A row is as long as its word: no cell past its end, nor past the table's.
        QAccessibleTableInterface* table = part->tableInterface();
        for (int row = 0; table && row <= r.rows.size(); ++row) {
            const int boxes =
                row < r.rows.size() ? static_cast<int>(r.rows[row].size() - r.rows[row].indexOf(": ") - 2) : 0;
            EXPECT_EQ(table->cellAt(row, boxes), nullptr) << row;
            EXPECT_EQ(table->cellAt(row, table->columnCount()), nullptr) << row;
        }
    }
    if (QAccessibleInterface* f = b->focusChild(); f && f->role() == QAccessible::Cell)
        r.focus = f->text(QAccessible::Description);
    return r;
}

void key(QWidget* w, Qt::Key k)
{
    QTest::keyClick(w->windowHandle(), k);
}
void type(QWidget* w, const char* keys)
{
    for (; *keys; ++keys) QTest::keyClick(w->windowHandle(), *keys);
}

// What a screen reader is told of the board while this lives: Qt's
// accessibility is on, as when a reader listens, and every event about the
// board or one of its own parts is kept as "kind role text", the text a box's
// place, a slot's letter, or "Tavola" for the board itself.
class Listening {
public:
    // The board may come later: `board` finds it at each event.
    explicit Listening(std::function<QWidget*()> board) : board_(std::move(board))
    {
        current = this;
        previous_ = QAccessible::installUpdateHandler(&keep);
        platform()->setActive(true);
    }
    ~Listening()
    {
        platform()->setActive(false);
        QAccessible::installUpdateHandler(previous_);
        current = nullptr;
    }
    // What was told since the last call.
    std::vector<std::string> told() { return std::exchange(told_, {}); }

    // The platform has the switch (offscreen and xcb have).
    static QPlatformAccessibility* platform() { return QGuiApplicationPrivate::platformIntegration()->accessibility(); }

private:
    static void keep(QAccessibleEvent* e)
    {
        const char* kind = e->type() == QAccessible::Focus                ? "focus"
                           : e->type() == QAccessible::NameChanged        ? "name"
                           : e->type() == QAccessible::ObjectReorder      ? "reorder"
                           : e->type() == QAccessible::DescriptionChanged ? "status"
                           : e->type() == QAccessible::ObjectShow         ? "show"
                           : e->type() == QAccessible::StateChanged       ? "state"
                                                                          : nullptr;
        QWidget* boardWidget = current->board_();
        if (!boardWidget) return;
        QAccessibleInterface* about = e->accessibleInterface();
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(boardWidget);
        bool onBoard = false;
        for (QAccessibleInterface* i = about; i && !onBoard; i = i->parent()) onBoard = i == board;
        // The board's own parts, not the widgets laid over it (the score).
        if (QObject* o = about ? about->object() : nullptr; o && o != boardWidget) return;
        if (!kind || !onBoard) return;
        const QString text = about == board                             ? QString("Tavola")
                             : about->role() == QAccessible::Cell       ? about->text(QAccessible::Description)
                             : about->role() == QAccessible::PushButton ? about->text(QAccessible::Name)
                                                                        : about->text(QAccessible::Name);
        const QString role = about == board                             ? "tavola"
                             : about->role() == QAccessible::Cell       ? "casella"
                             : about->role() == QAccessible::PushButton ? "lettera"
                                                                        : "parte";
        current->told_.push_back(QString("%1 %2 %3").arg(kind, role, text).toStdString());
    }
    static inline Listening* current = nullptr;
    std::function<QWidget*()> board_;
    QAccessible::UpdateHandler previous_ = nullptr;
    std::vector<std::string> told_;
};

} // namespace screenreader

// One game by keys, by the pool's Press action and by the mouse, and the
// board as read after each step.
TEST_F(GameWindow, ScreenReaderReadsAndFollowsTheBoard)
{
    namespace sr = screenreader;
    scriptCatAndDog(); // GATTO " A T ", CANE "C   "; pool "G T O ANE"
    open();
    ASSERT_TRUE(form);
    const QString gatto = "Prima parola, 5 lettere: ", cane = "Seconda parola, 4 lettere: ";
    auto pressSlot = [&](int slot) { // the pool follows the labels, the records list and its label
        QAccessibleInterface* pool = QAccessible::queryAccessibleInterface(client())->child(5);
        ASSERT_EQ(pool->role(), QAccessible::Grouping);
        QAccessibleActionInterface* button = pool->child(slot - 1)->actionInterface();
        ASSERT_EQ(button->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        button->doAction(QAccessibleActionInterface::pressAction());
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        sr::Reading after;
    };
    const Step steps[] = {
        {"the deal", [] {}, {"G_T_O_ANE", {gatto + "-A-T-", cane + "C---"}, ""}},
        {"G taken by its key",
         [&] { sr::type(form, "g"); },
         {"+_T_O_ANE", {gatto + "-A-T-", cane + "C---"}, "Prima parola, casella 1"}},
        {"put back", [&] { sr::key(form, Qt::Key_Escape); }, {"G_T_O_ANE", {gatto + "-A-T-", cane + "C---"}, ""}},
        {"G taken and placed", [&] { sr::type(form, "g\r"); }, {"+_T_O_ANE", {gatto + "GA-T-", cane + "C---"}, ""}},
        {"T taken by its button",
         [&] { pressSlot(3); },
         {"+_+_O_ANE", {gatto + "GA-T-", cane + "C---"}, "Prima parola, casella 3"}},
        {"down",
         [&] { sr::key(form, Qt::Key_Down); },
         {"+_+_O_ANE", {gatto + "GA-T-", cane + "C---"}, "Seconda parola, casella 3"}},
        {"up and placed",
         [&] { sr::key(form, Qt::Key_Up), sr::key(form, Qt::Key_Return); },
         {"+_+_O_ANE", {gatto + "GATT-", cane + "C---"}, ""}},
        {"O carried by the mouse", [&] { carry(5, 1, 5); }, {"+_+_+_ANE", {gatto + "GATTO", cane + "C---"}, ""}},
    };
    for (const Step& step : steps) {
        step.act();
        ASSERT_TRUE(form) << step.what;
        EXPECT_EQ(sr::readBoard(client()), step.after) << step.what;
    }
}

// What a listening screen reader is told, move by move: the board when it
// is dealt and on F5, then a short answer to every key.
TEST_F(GameWindow, ScreenReaderIsToldTheBoardAndEveryMove)
{
    namespace sr = screenreader;
    if (!sr::Listening::platform()) GTEST_SKIP() << "this platform cannot switch accessibility on";
    sr::Listening listening([this]() -> QWidget* { return form ? form->clientArea() : nullptr; });
    // What the board's notification shows, and the message boxes, in turn.
    QStringList told;
    const auto hear = [&] {
        for (const std::string& e : listening.told())
            if (e.rfind("show parte ", 0) == 0) told.append(QString::fromStdString(e.substr(11)));
        return told.size();
    };
    fp.dialogs.onShow = [&](const ScriptedDialogs::Shown& box) {
        hear();
        told.append(QString::fromStdString(box.text));
    };
    scriptCatAndDog(); // GATTO " A T ", CANE "C   "; pool "G T O ANE"
    open();
    ASSERT_TRUE(form);
    const QString gatto = "Animali. 2 parole. Prima parola, 5 lettere: ", cane = ". Seconda parola, 4 lettere: ";
    struct Step {
        const char* what;
        std::function<void()> act;
        QStringList heard;
    };
    const Step steps[] = {
        {"the deal",
         [&] { (void)QTest::qWaitFor([&] { return hear() > 0; }, 2000); },
         {gatto + "vuota, A, vuota, T, vuota" + cane + "C, 3 vuote. Vasca: G, T, O, A, N, E. Punti: 0."}},
        {"a letter not in the pool", [&] { sr::type(form, "z"); }, {"la Z non \u00e8 nella vasca"}},
        {"Enter with an empty hand", [&] { sr::key(form, Qt::Key_Return); }, {"Nessuna lettera in mano"}},
        {"G taken", [&] { sr::type(form, "g"); }, {"la G, prima parola, casella 1"}},
        {"the cursor box moved", [&] { sr::key(form, Qt::Key_Right); }, {"prima parola, casella 3, vuota"}},
        {"T taken in its stead", [&] { sr::type(form, "t"); }, {"la T al posto della G, prima parola, casella 3"}},
        {"T placed", [&] { sr::key(form, Qt::Key_Return); }, {"la T, giusta. 5 lettere da sistemare"}},
        {"O taken and put back",
         [&] { sr::type(form, "o"), sr::key(form, Qt::Key_Escape); },
         {"la O, prima parola, casella 1", "la O di nuovo nella vasca"}},
        {"F5",
         [&] { sr::key(form, Qt::Key_F5); },
         {gatto + "vuota, A, T, T, vuota" + cane +
          "C, 3 vuote. Vasca: G, O, A, N, E. Punti: " + QString::number(pointsFor(1)) + "."}},
        {"the last letters, the congratulations and the next board",
         [&] {
             sr::type(form, "g\ro\ra\rn\re\r");
             (void)QTest::qWaitFor([&] { return hear() > 10; }, 2000);
         },
         {"la G, prima parola, casella 1", "la G, giusta. 4 lettere da sistemare", "la O, prima parola, casella 5",
          "la O, giusta. 3 lettere da sistemare", "la A, seconda parola, casella 2",
          "la A, giusta. 2 lettere da sistemare", "la N, seconda parola, casella 3",
          "la N, giusta. 1 lettera da sistemare", "la E, seconda parola, casella 4",
          "Complimenti vivissimi, hai indovinato !!!",
          "Animali. 1 parola. Prima parola, 5 lettere: G, 4 vuote. Vasca: A, T, T, O. Punti: " +
              // six letters, and the bonus of a board done within its first second
              QString::number(play::withTimeBonus(pointsFor(6), 0, 9)) + "."}},
    };
    for (const Step& step : steps) {
        step.act(); // the deal: told as the window opened
        ASSERT_TRUE(form) << step.what;
        hear();
        EXPECT_EQ(told.join(" | ").toStdString(), step.heard.join(" | ").toStdString()) << step.what;
        told.clear();
    }
}

// Who is told what as the board changes by keys, as a screen reader hears
// it: the focus stays on the board (a reader that followed it into the
// table would read the whole row again at every step), and each move is
// told by the board's notification, its text changed and then shown; the
// slot emptied and the box filled are told by name.
TEST_F(GameWindow, AScreenReaderIsToldWhereTheFocusGoes)
{
    namespace sr = screenreader;
    scriptCatAndDog(); // GATTO " A T ", CANE "C   "; pool "G T O ANE"
    open();
    ASSERT_TRUE(form);
    if (!sr::Listening::platform()) GTEST_SKIP() << "this platform cannot switch accessibility on";
    sr::Listening listening([this] { return client(); });
    sr::type(form, "g"); // what a reader has heard so far: the board as dealt
    sr::key(form, Qt::Key_Escape);
    (void)listening.told();
    const auto said = [](const std::string& text) -> std::vector<std::string> {
        return {"name parte " + text, "show parte " + text};
    };
    // The board's description says what is in hand and where: it changes at every move.
    const std::string status = "status tavola Tavola";
    const auto then = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const struct {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> told;
    } steps[] = {
        {"G taken by its key", [&] { sr::type(form, "g"); },
         then({"name lettera usata", status, status}, said("la G, prima parola, casella 1"))},
        {"Tab", [&] { sr::key(form, Qt::Key_Tab); }, then({status}, said("prima parola, casella 3, vuota"))},
        {"down", [&] { sr::key(form, Qt::Key_Down); }, then({status}, said("seconda parola, casella 3, vuota"))},
        {"put back", [&] { sr::key(form, Qt::Key_Escape); },
         then({"name lettera G", status}, said("la G di nuovo nella vasca"))},
        {"Alt with G", [&] { QTest::keyClick(form->windowHandle(), Qt::Key_G, Qt::AltModifier); }, {}},
        {"G taken and placed", [&] { sr::type(form, "g\r"); },
         then(then({"name lettera usata", status, status}, said("la G, prima parola, casella 1")),
              then(then({"name casella Prima parola, casella 1", status}, said("la G, giusta. 5 lettere da sistemare")),
                   {status}))},
    };
    for (const auto& step : steps) {
        step.act();
        ASSERT_TRUE(form) << step.what;
        EXPECT_EQ(listening.told(), step.told) << step.what;
    }
}

// While a screen reader listens, the records shown take the focus so that
// it reads them; Escape, Enter or Space hide them again, and a letter's key
// hides them and takes the letter, as on the board.
TEST_F(GameWindow, AScreenReaderPlayerClosesTheRecordsByKeys)
{
    namespace sr = screenreader;
    if (!sr::Listening::platform()) GTEST_SKIP() << "this platform cannot switch accessibility on";
    scriptCatAndDog(); // pool "G T O ANE"
    open();
    ASSERT_TRUE(form);
    sr::Listening listening([this] { return client(); });
    for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_G}) {
        form->ShowRecords();
        ASSERT_TRUE(form->List->hasFocus()) << k;
        sr::key(form, k);
        EXPECT_FALSE(form->List->isVisible()) << k;
    }
    EXPECT_EQ(board::carriedLetter(s), 'G');
}

// The launcher's web address is a link whose action opens the site (the rest
// of the launcher, as a reader meets it, tests/screenreader checks).
TEST_F(Launcher, ScreenReaderOpensTheSiteByTheLink)
{
    open();
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(launcher->Label4);
    EXPECT_EQ(link->role(), QAccessible::Link);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(fp.shell.opened, std::vector<std::string>{WebSiteAddress});
}

// A listening screen reader changes nothing a player sees or scores: the same
// keys, F5, F7, F8 and the records among them, give the same window and the
// same score with a listener and without.
TEST_F(GameWindow, AListenerChangesNothingSeenOrScored)
{
    namespace sr = screenreader;
    if (!sr::Listening::platform()) GTEST_SKIP() << "this platform cannot switch accessibility on";
    struct Game : GameWindow {
        void TestBody() override {}
        std::vector<QImage> shots;
        int32_t play(bool listener)
        {
            SetUp();
            std::optional<sr::Listening> listening;
            if (listener) listening.emplace([this] { return form ? form->clientArea() : nullptr; });
            scriptCatAndDog(); // GATTO " A T ", CANE "C   "; pool "G T O ANE"
            open();
            form->Timer1->stop(); // a tick is no key: both games see the same clock
            const std::function<void()> steps[] = {
                [] {},
                [&] { sr::type(form, "g\r"); },
                [&] { sr::key(form, Qt::Key_F5), sr::key(form, Qt::Key_F7), sr::key(form, Qt::Key_F8); },
                [&] { sr::type(form, "t"), sr::key(form, Qt::Key_Tab); },
                [&] { sr::key(form, Qt::Key_Escape), form->ShowRecords(); },
                [&] { sr::key(form, Qt::Key_Escape), sr::type(form, "t\ro\ra\rn\re\r"); }};
            for (const auto& keys : steps) {
                keys();
                shots.push_back(form->grab().toImage());
            }
            const int32_t score = s.Score;
            TearDown();
            return score;
        }
    } quiet, heard;
    const int32_t score = quiet.play(false);
    EXPECT_EQ(heard.play(true), score);
    EXPECT_GT(score, 0);
    for (size_t i = 0; i < quiet.shots.size(); ++i) EXPECT_TRUE(heard.shots[i] == quiet.shots[i]) << "shot " << i;
}
