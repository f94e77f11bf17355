// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The game window's menu bar, "&Opzioni" and "&Help": every entry and
// shortcut wired to its command.

#include "about/Form3.h"
#include "desktop/Platform.h"
#include "gamewindow/Form2.h"
#include "gamewindow/Form2Text.h"
#include "ui/Messages.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

#include <utility>

namespace {

// Menu entries as a screen reader reads them: named without the blanks some
// of the game's captions end in (the caption on screen stays as it is, the
// reader says no "spazio" after it), and with their shortcut keys in the
// form readers look for, "access key;;shortcut", which Qt's own entries
// do not give.

// The caption as a reader says it: no access-key marks, no blanks around.
QString spoken(const QString& caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i; // "&&" is one "&"
        out += caption[i];
    }
    return out.trimmed();
}

// The key as readers write it: "<Control>F4".
QString readersKey(const QKeySequence& key)
{
    QString text = key.toString(QKeySequence::PortableText);
    for (const auto& [qt, gtk] :
         {std::pair{"Ctrl+", "<Control>"}, {"Shift+", "<Shift>"}, {"Alt+", "<Alt>"}, {"Meta+", "<Super>"}})
        text.replace(QLatin1String(qt), QLatin1String(gtk));
    return text;
}

// An entry of a popup menu, as Qt's own but for its name and keys.
class MenuEntry : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuEntry(QMenu* menu, QAction* action) : menu_(menu), action_(action) {}
    bool isValid() const override { return menu_ && action_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return spoken(action_->text());
        if (t == QAccessible::Accelerator) return action_->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid()) return {};
        return menu_->actionGeometry(action_).translated(menu_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override
    {
        return action_ && action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) return s;
        s.invisible = !menu_->isVisible() || !action_->isVisible();
        s.focused = menu_->activeAction() == action_;
        s.hotTracked = menu_->style()->styleHint(QStyle::SH_Menu_MouseTracking) != 0;
        s.disabled = action_->isSeparator() || !action_->isEnabled();
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override
    {
        return isValid() && !action_->isSeparator() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && action_->isEnabled()) action_->trigger();
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name != pressAction() || !isValid() || action_->isSeparator()) return {};
        const QString mark = QKeySequence::mnemonic(action_->text()).toString(QKeySequence::PortableText);
        return {mark.right(1).toLower(), QString(), readersKey(action_->shortcut())};
    }

private:
    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
};

QAccessibleInterface* menuEntryFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QAction")) return nullptr;
    auto* action = static_cast<QAction*>(object);
    if (action->text().isEmpty() || action->menu()) return nullptr; // Qt's own says these well
    for (QObject* o : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o)) return new MenuEntry(menu, action);
    return nullptr;
}

// Left and Right close one menu and open the next: Qt gives the focus back
// to the board between the two, and opens the next with its first entry
// chosen but unannounced. A reader would read the board and think the menu
// gone; while a menu is open the board is not told as focused, and the entry
// a menu opens with is.
void passOn(QAccessibleEvent* e);
QAccessible::UpdateHandler previousHandler = nullptr;

void whileMenusOpen(QAccessibleEvent* e)
{
    QObject* about = e->object();
    const bool menuOpen = qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr;
    if (e->type() == QAccessible::Focus && menuOpen && about && !qobject_cast<QMenu*>(about) &&
        !qobject_cast<QMenuBar*>(about) && !qobject_cast<QAction*>(about))
        return;
    passOn(e);
}

void passOn(QAccessibleEvent* e)
{
    if (previousHandler) return previousHandler(e);
    // Qt's own way to the platform: its handler is none but ours.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(e);
    QAccessible::installUpdateHandler(whileMenusOpen);
}

// A menu that opens with an entry chosen tells it.
class OpenedEntry : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        auto* menu = qobject_cast<QMenu*>(watched);
        if (menu && e->type() == QEvent::Show && QAccessible::isActive())
            QTimer::singleShot(0, menu, [menu] {
                QAction* chosen = menu->activeAction();
                if (!menu->isVisible() || !chosen) return;
                QAccessibleEvent focus(menu, QAccessible::Focus);
                focus.setChild(static_cast<int>(menu->actions().indexOf(chosen)));
                QAccessible::updateAccessibility(&focus);
            });
        return false;
    }
};

// Makes it so for every menu of the program (once is enough).
void readMenuEntriesWell()
{
    QAccessible::installFactory(menuEntryFactory); // Qt keeps one of each
    static const bool installed = [] {
        previousHandler = QAccessible::installUpdateHandler(whileMenusOpen);
        return true;
    }();
    (void)installed;
}

template <typename Slot>
QAction* entry(QMenu* menu, const char* caption, const QKeySequence& shortcut, const char* name, Slot slot)
{
    QAction* a = menu->addAction(toUnicode(caption));
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    // Shortcuts work whenever the game window has the focus.
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, menu, slot);
    return a;
}

} // namespace

void Form2::createMenu()
{
    using namespace form2text;
    readMenuEntriesWell(); // "Scelta altro Genere ", read without its blank and with "F2"
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(toUnicode(File));
    file->setObjectName("File");
    entry(file, Records, {}, "Records", [this] { ShowRecords(); });
    entry(file, Indietro, QKeySequence(Qt::Key_F2), "Indietro", [this] { Indietro_Click(); });
    entry(file, Nome, QKeySequence(Qt::Key_F3), "Nome", [this] { Nome_Click(); });
    entry(file, Difficolt, QKeySequence(Qt::Key_F4), "Difficolt", [this] { Difficolt_Click(); });
    file->addSeparator()->setObjectName("Meno1");
    // Ends the program at once: no records, no message.
    entry(file, FineGioco, QKeySequence(Qt::CTRL | Qt::Key_F4), "FineGioco", [this] {
        dropJournal();
        platform_.endProgram();
    });

    QMenu* help = bar->addMenu(toUnicode(Help));
    help->setObjectName("help");
    entry(help, Aiuto, QKeySequence(Qt::Key_F1), "aiuto",
          [this] { platform_.dialogs.message(helpMessage(session_), HelpTitle); });
    entry(help, Menudo, QKeySequence(Qt::CTRL | Qt::Key_F1), "Menudo", [this] { openDocumentation(platform_); });
    help->addSeparator()->setObjectName("barra");
    entry(help, MenuMail, {}, "MenuMail", [this] { writeMailToAuthor(platform_); });
    entry(help, MenuTHP, {}, "MenuTHP", [this] { openWebSite(platform_); });
    help->addSeparator()->setObjectName("Meno3");
    entry(help, About, QKeySequence(Qt::Key_F6), "about", [this] {
        auto* box = new Form3(this, platform_);
        box->Form_Load();
    });

    // F10 opens the first menu, as on the GNOME desktop and as Orca's users
    // expect; Alt goes on doing so too.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, bar, [bar, file] { bar->setActiveAction(file->menuAction()); });

    // Named for screen readers as they show on the bar.
    bar->setAccessibleName(toUnicode(MenuBarName));
    for (QMenu* menu : {file, help}) menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
    // The bar and its menus in the face and size of a desktop without a theme,
    // whatever the desktop's; the menus open as windows of their own, which
    // take no colours from the game's window.
    const QFont menuFont = gameFont("Sans Serif", 9, false);
    bar->setFont(menuFont);
    auto* opened = new OpenedEntry(this);
    for (QMenu* menu : {file, help}) {
        menu->installEventFilter(opened);
        menu->setPalette(gamePalette());
        menu->setFont(menuFont);
    }
}
