// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A label that reports clicks and every mouse move over it, for the web
// address labels of the launcher and of the about box.

#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

// A click on a control is a left press and a left release on the control
// itself, as a button counts it.

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

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    ClickTracker clicks_;
};
