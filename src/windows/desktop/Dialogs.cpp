// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/Dialogs.h"

#include "desktop/Text.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

void QtDialogs::message(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::Information, toUnicode(title), toUnicode(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

std::string QtDialogs::input(const std::string& prompt, const std::string& title, const std::string& defaultText)
{
    QInputDialog dlg(QApplication::activeWindow());
    dlg.setWindowTitle(toUnicode(title));
    dlg.setLabelText(toUnicode(prompt));
    dlg.setTextValue(toUnicode(defaultText));
    dlg.setInputMode(QInputDialog::TextInput);
    if (dlg.exec() != QDialog::Accepted) return {};
    return toCp1252(dlg.textValue());
}
