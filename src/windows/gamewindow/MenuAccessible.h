// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// How screen readers read the menus: entries named without trailing blanks
// and with their shortcut keys, the board kept quiet while a menu is open.

#include <QObject>

// Makes it so for every menu of the program (once is enough).
void readMenuEntriesWell();

// A menu that opens with an entry chosen tells it: install it as the menu's
// event filter.
class OpenedEntry : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
};
