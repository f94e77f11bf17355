// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/Platform.h"

#include "launcher/SystemEnd.h"

#include "session/Cp1252.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTranslator>

void QtDialogs::message(const std::string& text, const std::string& title)
{
    message(text, title, {});
}

void QtDialogs::message(const std::string& text, const std::string& title, const std::string& spoken)
{
    QMessageBox box(QMessageBox::Information, toUnicode(title), toUnicode(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    // A reader reads the box's text by the label's name, which shows nowhere.
    if (QLabel* label = box.findChild<QLabel*>("qt_msgbox_label"); label && !spoken.empty())
        label->setAccessibleName(toUnicode(text + "\n" + spoken));
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
    return QUrl::fromLocalFile(fromDiskName(path));
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
        // A letter an input method sends decomposed (a base and a combining
        // mark) is the code page's one letter, as on reading a file.
        const int composed = out.empty() ? -1 : composeCp1252(static_cast<unsigned char>(out.back()), ch.unicode());
        if (composed >= 0) {
            out.back() = static_cast<char>(composed);
            continue;
        }
        const int c = unicodeToCp1252(ch.unicode());
        out += c < 0 ? '?' : static_cast<char>(c);
    }
    return out;
}

bool loadQtItalian()
{
    static QTranslator qtbase;
    // A static Qt (the Windows build) looks at the folder it was built in:
    // there the translations come compiled in.
    if (!qtbase.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        !qtbase.load(QStringLiteral("qtbase_it"), QStringLiteral(":/translations")))
        return false;
    return QCoreApplication::installTranslator(&qtbase);
}

namespace {

// A line edit as Qt reads it, but for its text attributes (and so without
// Qt's private classes, which the rest mirrors).
class TextBox : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleEditableTextInterface {
public:
    explicit TextBox(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
    bool hidden() const { return edit()->echoMode() != QLineEdit::Normal; }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) return hidden() ? QString() : edit()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value) edit()->setText(text);
        else QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = edit()->isReadOnly();
        s.editable = !s.readOnly;
        s.passwordEdit = hidden();
        s.selectable = true;
        s.selected = edit()->hasSelectedText();
        const Qt::ContextMenuPolicy menu = edit()->contextMenuPolicy();
        s.hasPopup = menu != Qt::NoContextMenu && menu != Qt::PreventContextMenu;
        return s;
    }

    // One run, without attributes, over the whole text.
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    QString text(int start, int end) const override
    {
        return hidden() ? QString() : edit()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(edit()->text().size()); }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index != 0 || !edit()->hasSelectedText()) return;
        *start = edit()->selectionStart();
        *end = edit()->selectionEnd();
    }
    void addSelection(int start, int end) override { edit()->setSelection(start, end - start); }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0) edit()->setSelection(start, end - start);
    }
    void removeSelection(int index) override
    {
        if (index == 0) edit()->deselect();
    }
    QRect characterRect(int offset) const override
    {
        // Where the character stands, near enough: from the text's left edge.
        const QString shown = edit()->displayText();
        if (offset < 0 || offset >= shown.size()) return {};
        const QFontMetrics metrics = edit()->fontMetrics();
        const QRect inside = edit()->contentsRect();
        const QRect box(inside.x() + 2 + metrics.horizontalAdvance(shown.left(offset)),
                        inside.y() + (inside.height() - metrics.height()) / 2,
                        metrics.horizontalAdvance(shown.at(offset)), metrics.height());
        return box.translated(edit()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = edit()->mapFromGlobal(point);
        return edit()->rect().contains(local) ? edit()->cursorPositionAt(local) : -1;
    }
    void scrollToSubstring(int start, int end) override
    {
        edit()->setCursorPosition(end);
        edit()->setCursorPosition(start);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        return hidden() ? none(start, end) : QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        return hidden() ? none(start, end) : QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        return hidden() ? none(start, end) : QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        if (edit()->isReadOnly()) return;
        edit()->setText(edit()->text().replace(start, end - start, text));
    }

private:
    static QString none(int* start, int* end)
    {
        *start = *end = -1;
        return {};
    }
};

} // namespace

QAccessibleInterface* textBoxReading(const QString& className, QObject* object)
{
    // Asked first with the object's own class: every line edit, any kind.
    auto* edit = qobject_cast<QLineEdit*>(object);
    if (!edit || className != QLatin1String(object->metaObject()->className())) return nullptr;
    return new TextBox(edit);
}

void installTextBoxReading()
{
    QAccessible::installFactory(textBoxReading);
}
