// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// When the game window deals its first round. Window managers send the
// maximized size in one or several steps, before or after activating the
// window; the first round is dealt once, when the size has settled, so that
// its rows stand at the right edge of the maximized area: at once when the
// frame covers the screen, otherwise after a short quiet spell.

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

class FirstDeal : public QObject {
public:
    // Watches the window's showing, size and state. `due` tells whether a
    // deal is still wanted; `deal` deals it, once.
    FirstDeal(QWidget* window, std::function<bool()> due, std::function<void()> deal);

    bool done() const { return done_; }
    void cancel() { timer_.stop(); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void consider();
    bool looksMaximized() const;

    QWidget* window_;
    std::function<bool()> due_;
    std::function<void()> deal_;
    QTimer timer_;
    bool done_ = false;
};
