// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A click on a control is a left press and a left release on the control
// itself, as a button counts it.
#include <QMouseEvent>
#include <QWidget>

class ClickTracker {
public:
    void press(QMouseEvent* e) { pressed_ = e->button() == Qt::LeftButton; }
    // True when this release completes a click on `w`.
    bool release(QMouseEvent* e, const QWidget* w)
    {
        bool click = pressed_ && e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};
