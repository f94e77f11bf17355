// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The menu entries as a screen reader hears them; the menu itself is built in
// GameMenu.cpp.

#include "gamewindow/MenuAccessible.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {

// The menu's property naming the entry it opened with, chosen.
constexpr const char* OpenedWith = "openedWithEntry";
constexpr const char* OpenedWatched = "openedWithWatched";

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
        // The entry a menu opened with by Left or Right names its menu too,
        // until another is chosen: readers say the entry alone otherwise.
        if (t == QAccessible::Name && menu_->property(OpenedWith).value<QObject*>() == action_)
            return menu_->accessibleName() + QStringLiteral(": ") + spoken(action_->text());
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

} // namespace

bool OpenedEntry::eventFilter(QObject* watched, QEvent* e)
{
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu && e->type() == QEvent::Hide) menu->setProperty(OpenedWith, {});
    if (menu && e->type() == QEvent::Show && QAccessible::isActive())
        QTimer::singleShot(0, menu, [menu] {
            QAction* chosen = menu->activeAction();
            if (!menu->isVisible() || !chosen) return;
            menu->setProperty(OpenedWith, QVariant::fromValue<QObject*>(chosen));
            if (!menu->property(OpenedWatched).toBool()) {
                menu->setProperty(OpenedWatched, true);
                QObject::connect(menu, &QMenu::hovered, menu, [menu](QAction* a) {
                    if (menu->property(OpenedWith).value<QObject*>() != a) menu->setProperty(OpenedWith, {});
                });
            }
            QAccessibleEvent focus(menu, QAccessible::Focus);
            focus.setChild(static_cast<int>(menu->actions().indexOf(chosen)));
            QAccessible::updateAccessibility(&focus);
        });
    return false;
}

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
