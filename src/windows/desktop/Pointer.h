// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
#include <QCursor>

// The one pointer setting for the whole program. While it is not neutral it
// prevails over every window's own pointer; nothing sets it back to neutral.
enum class PointerShape { Neutral, Arrow, Hand };

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void set(PointerShape shape) = 0;
};

class QtPointer : public Pointer {
public:
    explicit QtPointer(QCursor hand) : hand_(std::move(hand)) {}
    void set(PointerShape shape) override;

private:
    QCursor hand_;
    PointerShape shape_ = PointerShape::Neutral;
};
