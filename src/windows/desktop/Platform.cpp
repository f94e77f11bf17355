// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/Platform.h"

#include "session/Cp1252.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
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

void QtPointer::set(PointerShape shape)
{
    if (shape == shape_) return;
    QCursor cursor = shape == PointerShape::Hand ? hand_ : QCursor(Qt::ArrowCursor);
    if (shape == PointerShape::Neutral) {
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    } else if (shape_ == PointerShape::Neutral) {
        QGuiApplication::setOverrideCursor(cursor);
    } else {
        QGuiApplication::changeOverrideCursor(cursor);
    }
    shape_ = shape;
}

QUrl documentUrl(const std::string& path)
{
    return QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path)));
}

bool QtShell::openDocument(const std::string& path)
{
    return QDesktopServices::openUrl(documentUrl(path));
}

bool QtShell::openUrl(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(toUnicode(url)));
}

void QtSound::beep()
{
    QApplication::beep();
}

QString toUnicode(const std::string& cp1252)
{
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (unsigned char c : cp1252) out += QChar(cp1252ToUnicode(c));
    return out;
}

std::string toCp1252(const QString& text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar ch : text) {
        const int c = unicodeToCp1252(ch.unicode());
        out += c < 0 ? '?' : static_cast<char>(c);
    }
    return out;
}
