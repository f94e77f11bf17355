// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Look.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QScopeGuard>
#include <QTimer>

#include <cmath>
#include <iterator>
#include <utility>

void installFontSubstitutions()
{
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    for (const char* face : {"Arial", "Tahoma", "MS Sans Serif"}) QFont::insertSubstitution(face, "Liberation Sans");
}

QPalette gamePalette()
{
    // Active and inactive, then disabled, for each role in Qt's order:
    // WindowText, Button, Light, Midlight, Dark, Mid, Text, BrightText,
    // ButtonText, Base, Window, Shadow, Highlight, HighlightedText, Link,
    // LinkVisited, AlternateBase, (no role), ToolTipBase, ToolTipText,
    // PlaceholderText.
    static constexpr QRgb Enabled[] = {0xff000000, 0xffefefef, 0xffffffff, 0xffcacaca, 0xff9f9f9f, 0xffb8b8b8,
                                       0xff000000, 0xffffffff, 0xff000000, 0xffffffff, 0xffefefef, 0xff767676,
                                       0xff308cc6, 0xffffffff, 0xff0000ff, 0xffff00ff, 0xfff7f7f7, 0xff000000,
                                       0xffffffdc, 0xff000000, 0x80000000};
    static constexpr QRgb Disabled[] = {0xffbebebe, 0xffefefef, 0xffffffff, 0xffcacaca, 0xffbebebe, 0xffb8b8b8,
                                        0xffbebebe, 0xffffffff, 0xffbebebe, 0xffefefef, 0xffefefef, 0xffb1b1b1,
                                        0xff919191, 0xffffffff, 0xff0000ff, 0xffff00ff, 0xfff7f7f7, 0xff000000,
                                        0xffffffdc, 0xff000000, 0x80000000};
    static_assert(std::size(Enabled) == QPalette::PlaceholderText + 1 && std::size(Disabled) == std::size(Enabled));
    static const QPalette fixed = [] {
        // Every role set by hand: a role left unset would come from the desktop.
        QPalette p;
        for (int r = 0; r <= QPalette::PlaceholderText; ++r) {
            const auto role = static_cast<QPalette::ColorRole>(r);
            if (role == QPalette::NoRole) continue;
            for (auto group : {QPalette::Active, QPalette::Inactive})
                p.setColor(group, role, QColor::fromRgba(Enabled[r]));
            p.setColor(QPalette::Disabled, role, QColor::fromRgba(Disabled[r]));
        }
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, QPalette::Accent, p.color(group, QPalette::Highlight));
#endif
        return p;
    }();
    return fixed;
}

namespace {

// Gives each widget the look kept for it, as a palette and font of its own
// and a sheet that restates its colours, asking for no background of the
// application's sheet.
void shield(const QList<QPointer<QWidget>>& widgets, const QList<std::pair<QPalette, QFont>>& looks)
{
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        QWidget* w = widgets[i];
        if (!w) continue;
        const QPalette& p = looks[i].first;
        // The palette and font after the sheet, which would otherwise reset them.
        const auto keepLook = qScopeGuard([&] {
            w->setPalette(p);
            w->setFont(looks[i].second);
        });
        // The menu bar and its menus take no sheet: their palette is enough.
        if (qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w)) continue;
        const QPalette::ColorRole text = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w)
                                             ? QPalette::Text
                                         : qobject_cast<QAbstractButton*>(w) ? QPalette::ButtonText
                                                                             : QPalette::WindowText;
        // Boxes and buttons keep their own background colour; the rest none of the sheet's.
        // A list none either: a background of its sheet's would recolour its frame, and
        // its viewport, shielded in turn, fills itself from its palette.
        const QString back = text == QPalette::WindowText || qobject_cast<QAbstractItemView*>(w)
                                 ? QStringLiteral("none")
                                 : p.color(text == QPalette::Text ? QPalette::Base : QPalette::Button).name();
        w->setStyleSheet(QStringLiteral("color: %1; background: %4; selection-color: %2; "
                                        "selection-background-color: %3;")
                             .arg(p.color(text).name(), p.color(QPalette::HighlightedText).name(),
                                  p.color(QPalette::Highlight).name(), back));
    }
}

// Waits on the window for the application to have a sheet. Until then the
// widgets draw with their palettes alone: a sheet of their own would change
// how the style draws them (a text box's frame takes its colour from the
// sheet's background).
class SheetWatch : public QObject {
public:
    SheetWatch(QWidget& window, QList<QPointer<QWidget>> widgets, QList<std::pair<QPalette, QFont>> looks)
        : QObject(&window), widgets_(std::move(widgets)), looks_(std::move(looks))
    {
        window.installEventFilter(this);
        applyOnce();
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::StyleChange) applyOnce();
        return false;
    }

private:
    void applyOnce()
    {
        if (applied_ || qApp->styleSheet().isEmpty()) return;
        applied_ = true;
        shield(widgets_, looks_);
    }
    QList<QPointer<QWidget>> widgets_;
    QList<std::pair<QPalette, QFont>> looks_;
    bool applied_ = false;
};

} // namespace

namespace {

// Centres its window again once the frame it counted changes size. The
// window manager may frame it well after it shows, and says so in no event
// the window receives (the client area need not move), so it is looked at
// every tenth of a second for a while.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget& window, QScreen* screen)
        : QObject(&window), window_(window), screen_(screen), outer_(window.frameGeometry().size())
    {
        connect(&timer_, &QTimer::timeout, this, &FrameWatch::look);
        timer_.start(100);
        shown_.start();
    }

private:
    void look()
    {
        const QSize outer = window_.frameGeometry().size();
        if (outer != outer_ && screen_ && window_.isVisible() && window_.windowState() == Qt::WindowNoState) {
            outer_ = outer;
            centreOnScreen(window_, screen_);
        }
        if (shown_.elapsed() > WatchMs) deleteLater();
    }

    static constexpr qint64 WatchMs = 10000;
    QWidget& window_;
    QPointer<QScreen> screen_;
    QSize outer_;
    QTimer timer_;
    QElapsedTimer shown_;
};

} // namespace

void centreOnScreenOnceFramed(QWidget& window, QScreen* screen)
{
    centreOnScreen(window, screen);
    new FrameWatch(window, screen);
}

void keepColoursUnderStyleSheets(QWidget& window)
{
    QList<QPointer<QWidget>> widgets;
    widgets.append(&window);
    for (QWidget* w : window.findChildren<QWidget*>()) widgets.append(w);
    // A widget with a sheet, or below one, no longer takes its window's
    // palette and font: each keeps what it has now, read before any sheet.
    QList<std::pair<QPalette, QFont>> looks;
    for (QWidget* w : widgets) {
        // Every property its own, not one left to inherit from the window.
        QPalette palette = w->palette();
        palette.setResolveMask(~QPalette::ResolveMask(0));
        QFont font = w->font();
        font.setResolveMask(QFont::AllPropertiesResolved);
        looks.append({palette, font});
    }
    new SheetWatch(window, std::move(widgets), std::move(looks));
}

QFont gameFont(const QString& family, double points, bool bold, bool underline)
{
    QFont f(family);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

// The pictures live in this static library; its resources must be registered
// by hand before the first use (outside any namespace, as Qt asks).
static void registerResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)done;
}

namespace {
QPixmap picture(const char* path)
{
    registerResources();
    return QPixmap(QString::fromLatin1(path));
}
} // namespace

namespace Artwork {
QIcon windowIcon()
{
    return QIcon(picture(":/artwork/icon.png"));
}
QPixmap hand()
{
    return picture(":/artwork/hand.png");
}
QCursor handCursor()
{
    return QCursor(hand(), 12, 6);
}
QPixmap emblem()
{
    return picture(":/artwork/emblem.png");
}
QPixmap flag()
{
    return picture(":/artwork/flag.png");
}
} // namespace Artwork

void placeWhole(QLabel& label, QRect place, int windowWidth)
{
    const int need = label.fontMetrics().horizontalAdvance(label.text()) + 4;
    if (need > place.width()) {
        const int more = need - place.width();
        if (label.alignment() & Qt::AlignHCenter) place.adjust(-(more + 1) / 2, 0, (more + 1) / 2, 0);
        else place.setRight(place.right() + more);
    }
    // Within the window: pushed back from its right edge, then cut at both.
    if (place.right() >= windowWidth) place.moveRight(windowWidth - 1);
    if (place.left() < 0) place.setLeft(0);
    if (place.right() >= windowWidth) place.setRight(windowWidth - 1);
    label.setGeometry(place);
}

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

LinkLabel::LinkLabel(QWidget* parent) : ClickReporter<QLabel>(parent)
{
    QAccessible::installFactory(linkFactory); // Qt keeps one of each
    setMouseTracking(true);
}
