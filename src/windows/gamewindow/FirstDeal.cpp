// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/FirstDeal.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {
// How long the first deal waits for the maximized size when the window
// manager does not say so at once (or there is none).
constexpr int SettleMs = 400;
} // namespace

FirstDeal::FirstDeal(QWidget* window, std::function<bool()> due, std::function<void()> deal)
    : QObject(window), window_(window), due_(std::move(due)), deal_(std::move(deal))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (done_ || !due_()) return;
        done_ = true;
        deal_();
    });
    window->installEventFilter(this);
}

bool FirstDeal::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == window_ &&
        (e->type() == QEvent::Resize || e->type() == QEvent::Show || e->type() == QEvent::WindowStateChange))
        consider();
    return QObject::eventFilter(watched, e);
}

void FirstDeal::consider()
{
    if (done_ || !due_() || !window_->isVisible()) return;
    timer_.start(looksMaximized() ? 0 : SettleMs);
}

bool FirstDeal::looksMaximized() const
{
    if (!(window_->windowState() & Qt::WindowMaximized)) return false;
    const QSize available = window_->screen()->availableGeometry().size();
    const QSize frame = window_->frameGeometry().size();
    return frame.width() >= available.width() && frame.height() >= available.height();
}
