// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QWidget>

// The tile that follows the pointer while a letter is carried. It never takes
// the mouse: it lies right under the pointer.
class DragTile : public QWidget {
public:
    explicit DragTile(QWidget* parent = nullptr);
    // Clears the tile and prints the letter in its middle (cp1252).
    void showLetter(char letter);
    char letter() const { return letter_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    char letter_ = ' ';
};
