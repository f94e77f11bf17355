// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "launcher/LauncherAccessible.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

// Drawing aids that say nothing: the frames round the genre pictures.
bool unnamedFiller(QWidget* w)
{
    const QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i && i->role() == QAccessible::Client && i->text(QAccessible::Name).isEmpty();
}

class LauncherWindow : public QAccessibleWidget {
public:
    explicit LauncherWindow(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

    QList<QWidget*> shownWidgets() const
    {
        const QWidget* form = widget();
        QList<QWidget*> shown;
        for (QObject* o : form->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !w->property(SilentProperty).toBool() && w->isVisibleTo(form) &&
                !unnamedFiller(w))
                shown.append(w);
        }
        return shown;
    }
    int childCount() const override { return static_cast<int>(shownWidgets().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> shown = shownWidgets();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        return c ? static_cast<int>(shownWidgets().indexOf(qobject_cast<QWidget*>(c->object()))) : -1;
    }
};

QAccessibleInterface* launcherFactory(const QString& className, QObject* object)
{
    return className == QLatin1String("Form1") ? new LauncherWindow(static_cast<QWidget*>(object)) : nullptr;
}

} // namespace

void makeLauncherAccessible()
{
    static const bool installed = (QAccessible::installFactory(launcherFactory), true);
    (void)installed;
}
