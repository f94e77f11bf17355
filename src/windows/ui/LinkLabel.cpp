// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/LinkLabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {

// To a screen reader the label is a link, named by its address; its action
// is the click.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}
    QString text(QAccessible::Text t) const override
    {
        const QString said = QAccessibleWidget::text(t);
        return t == QAccessible::Name && said.isEmpty() ? static_cast<LinkLabel*>(widget())->text() : said;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction()) emit static_cast<LinkLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* linkFactory(const QString& className, QObject* object)
{
    return className == QLatin1String("LinkLabel") ? new LinkAccessible(static_cast<LinkLabel*>(object)) : nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    static const bool installed = (QAccessible::installFactory(linkFactory), true);
    (void)installed;
    setMouseTracking(true);
}

void LinkLabel::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved();
    e->accept();
}

void LinkLabel::mousePressEvent(QMouseEvent* e)
{
    clicks_.press(e);
    e->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (clicks_.release(e, this)) emit clicked();
}
