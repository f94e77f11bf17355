// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The windows as a screen reader reads them, through Qt's accessibility
// interfaces. What it is told as the board changes needs a reader listening:
// tests/screenreader checks it through the real AT-SPI tree.
#include "GameWindowFixture.h"
#include "LauncherFixture.h"

#include "ui/Messages.h"

#include <QAccessible>

#include <functional>

// Named, not anonymous: the test files are compiled together.
namespace screenreader {

// A name as the readings below write it: "-" for an empty slot or box.
QString said(QAccessibleInterface* i)
{
    const QString name = i->text(QAccessible::Name);
    return name == "vuota" ? "-" : name;
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
    auto pressSlot = [&](int slot) { // the pool follows the labels and the records list
        QAccessibleInterface* pool = QAccessible::queryAccessibleInterface(client())->child(4);
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
        {"the deal", [] {}, {"G-T-O-ANE", {gatto + "-A-T-", cane + "C---"}, ""}},
        {"G taken by its key",
         [&] { sr::type(form, "g"); },
         {"--T-O-ANE", {gatto + "-A-T-", cane + "C---"}, "Prima parola, casella 1"}},
        {"put back", [&] { sr::key(form, Qt::Key_Escape); }, {"G-T-O-ANE", {gatto + "-A-T-", cane + "C---"}, ""}},
        {"G taken and placed", [&] { sr::type(form, "g\r"); }, {"--T-O-ANE", {gatto + "GA-T-", cane + "C---"}, ""}},
        {"T taken by its button",
         [&] { pressSlot(3); },
         {"----O-ANE", {gatto + "GA-T-", cane + "C---"}, "Prima parola, casella 3"}},
        {"down",
         [&] { sr::key(form, Qt::Key_Down); },
         {"----O-ANE", {gatto + "GA-T-", cane + "C---"}, "Seconda parola, casella 3"}},
        {"up and placed",
         [&] { sr::key(form, Qt::Key_Up), sr::key(form, Qt::Key_Return); },
         {"----O-ANE", {gatto + "GATT-", cane + "C---"}, ""}},
        {"O carried by the mouse", [&] { carry(5, 1, 5); }, {"------ANE", {gatto + "GATTO", cane + "C---"}, ""}},
    };
    for (const Step& step : steps) {
        step.act();
        ASSERT_TRUE(form) << step.what;
        EXPECT_EQ(sr::readBoard(client()), step.after) << step.what;
    }
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
