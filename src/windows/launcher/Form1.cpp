// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "launcher/Form1.h"

#include "desktop/Text.h"
#include "gamewindow/Form2.h"
#include "launcher/Form1Text.h"
#include "records/PlayerSettings.h"
#include "session/Cp1252.h"
#include "ui/Colours.h"
#include "ui/Links.h"
#include "ui/Messages.h"
#include "ui/Placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>

Form1::~Form1()
{
    // Nothing of the launcher runs while the program ends.
    Text1->removeEventFilter(this);
    disconnect(Text1, nullptr, this, nullptr);
}

void Form1::Form_Load()
{
    centreOnScreen(*this, screen());

    fillGenreTables(session_);
    std::vector<std::pair<std::string, Error>> missing;
    for (int i = 1; i <= 8; ++i) {
        int t = i - 1;
        const std::string file = genrePictureFile(t);
        const Result<QImage> picture = platform_.pictures.load(file, devicePixelRatioF());
        // A picture that cannot be read leaves its tile empty; the genre can
        // still be played.
        if (!picture.ok()) missing.emplace_back(file, picture.error);
        pittura[t]->setPicture(picture.value,
                               [this, file](double ratio) { return platform_.pictures.load(file, ratio).value; });
        pittura[t]->setToolTip(toUnicode(session_.GenreNames[t]));
        pittura[t]->setAccessibleName(toUnicode(session_.GenreNames[t]));
        pittura[t]->setBackground(paletteColour(i + 3));
        Label3[t]->setText(toUnicode(session_.GenreNames[t]));
    }
    session_.HelpPercentStart = -1;
    Error nameRead = Error::None;
    session_.PlayerName = readPlayerName(platform_.files, &nameRead);

    if (!missing.empty()) platform_.dialogs.message(form1text::picturesFailedMessage(missing), form1text::MessageTitle);
    if (const std::string told = settingsReadFailedMessage(nameRead); !told.empty())
        platform_.dialogs.message(told, form1text::MessageTitle);
}

void Form1::Form_Activate()
{
    if (session_.PlayerName.empty()) session_.PlayerName = NameWhenEmpty;
    // An edit of the box: Text1_Change takes the name back in upper case,
    // also when the box already holds that very text (Qt then says nothing).
    const QString name = toUnicode(session_.PlayerName);
    if (Text1->text() == name) Text1_Change();
    else Text1->setText(name);
    Text1->setFocus(Qt::OtherFocusReason);
}

void Form1::Form_Paint()
{
    // A fresh game: the counters start again and the help percentage is the
    // one chosen (41 until the player picks another).
    session_.LetterBudget = 0;
    session_.Score = 0;
    if (session_.HelpPercentStart == -1) session_.HelpPercentStart = 41;
    session_.HelpPercent = session_.HelpPercentStart;
}

void Form1::Form_MouseMove()
{
    platform_.pointer.set(PointerShape::Arrow);
}

void Form1::pittura_Click(int16_t Index)
{
    clickAfterMessage_ = nullptr;
    platform_.pointer.set(PointerShape::Arrow);
    ChooseGenre(Index);
}

void Form1::pittura_MouseMove(int16_t)
{
    platform_.pointer.set(PointerShape::Hand);
}

void Form1::Text1_Change()
{
    // A pasted tab or escape must not reach the records' columns.
    session_.PlayerName = upperCp1252(blankControls(toCp1252(Text1->text())));
}

void Form1::Text1_LostFocus()
{
    if (savingName_) return; // the failure message itself takes the focus
    savingName_ = true;
    const std::string name = session_.PlayerName;
    if (nameAlreadySaved(name)) {
        lastSaveFailed_ = false;
    } else if (const Error e = writePlayerName(platform_.files, name); e != Error::None) {
        // Told once per name, not at every change of focus.
        if (!lastSaveFailed_ || lastFailedName_ != name) {
            platform_.dialogs.message(settingsSaveFailedMessage(e), form1text::MessageTitle);
            ++saveMessages_;
        }
        lastSaveFailed_ = true;
        lastFailedName_ = name;
    } else {
        lastSaveFailed_ = false;
    }
    savingName_ = false;
}

// The settings file already reads back as this name. Saving it again would
// change nothing, and its flush to the disk is the slowest step between a
// click on a genre and the game window.
bool Form1::nameAlreadySaved(const std::string& name)
{
    if (!platform_.files.exists(SettingsFile)) return false;
    Error read = Error::None;
    return readPlayerName(platform_.files, &read) == name && read == Error::None;
}

void Form1::Command1_Click()
{
    clickAfterMessage_ = nullptr;
    // A click on the button takes the focus from the name box, which saves
    // the name; the access key and the title bar's close button must too.
    if (QApplication::focusWidget() == Text1) Command1->setFocus(Qt::ShortcutFocusReason);
    platform_.endProgram();
}

void Form1::Command2_Click()
{
    clickAfterMessage_ = nullptr;
    openDocumentation(platform_);
}

void Form1::Label4_Click()
{
    openWebSite(platform_);
}

void Form1::Label4_MouseMove()
{
    platform_.pointer.set(PointerShape::Hand);
}

void Form1::ChooseGenre(int16_t index)
{
    session_.GenreIndex = index;
    if (game_) {
        // One game at a time: the open game window comes back to the front.
        bringToFront(*game_);
        return;
    }
    auto* form = new Form2(session_, platform_, records_);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowIcon(windowIcon());
    game_ = form;
    gameObject_ = form;
    connect(form, &Form2::unloaded, this, &Form1::gameWindowGone);
    connect(form, &QObject::destroyed, this, &Form1::gameWindowGone);
    form->Form_Load();
}

void Form1::gameWindowGone()
{
    // Both the unload signal and the window's destruction lead here; the
    // first one that comes for the current game window counts.
    if (!sender() || sender() != gameObject_) return;
    gameObject_ = nullptr;
    game_ = nullptr;
    // The launcher is in front again. A compositing desktop may never repaint
    // it, so the new game's reset is not left to a paint event.
    Form_Paint();
    update();
    raise();
    activateWindow();
    Form_Activate();
}

void Form1::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    // The first showing activates the launcher whatever the desktop's focus
    // rules, so the name box shows the name from the start.
    if (!activatedOnce_) {
        activatedOnce_ = true;
        Form_Activate();
    }
    if (!game_) Form_Paint();
}

void Form1::paintEvent(QPaintEvent* e)
{
    QWidget::paintEvent(e);
    // While a game runs, a repaint of the launcher (a child widget updating,
    // the launcher uncovered) must not wipe the game's score and budget.
    if (!game_) Form_Paint();
}

void Form1::mouseMoveEvent(QMouseEvent* e)
{
    // Moves over labels, the name box and the buttons reach here too; only
    // the bare background turns the pointer into the arrow.
    if (!childAt(e->position().toPoint())) Form_MouseMove();
    QWidget::mouseMoveEvent(e);
}

void Form1::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // Activation when the player comes back from the game window; not after
    // our own message boxes (the first showing did the start-up one).
    if (game_) Form_Activate();
}

void Form1::closeEvent(QCloseEvent* e)
{
    // Closing the launcher from the title bar ends the program, as "&Fine".
    e->ignore();
    Command1_Click();
}

bool Form1::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == Text1 && e->type() == QEvent::FocusOut) {
        auto reason = static_cast<QFocusEvent*>(e)->reason();
        // A menu or tooltip popping up is not leaving the box.
        if (reason != Qt::PopupFocusReason) {
            // Where the focus goes, asked before a message box takes it.
            const QPointer<QWidget> next = QApplication::focusWidget();
            const int before = saveMessages_;
            Text1_LostFocus();
            if (reason == Qt::MouseFocusReason && saveMessages_ != before) finishClickOn(next);
        }
    }
    return QWidget::eventFilter(watched, e);
}

// The press that took the focus from the name box has not reached its tile
// or button yet; the message about the name took the mouse's release. Once
// the press is through, the click is done as the player meant it.
void Form1::finishClickOn(QWidget* target)
{
    const bool tile = std::find(pittura.begin(), pittura.end(), target) != pittura.end();
    if (!tile && target != Command1 && target != Command2) return;
    clickAfterMessage_ = target;
    QTimer::singleShot(0, this, [this] {
        QWidget* pending = clickAfterMessage_;
        clickAfterMessage_ = nullptr; // a click that did arrive has cleared it
        if (!pending) return;
        if (auto* t = qobject_cast<GenreTile*>(pending)) {
            pittura_Click(t->index());
        } else if (auto* b = qobject_cast<QPushButton*>(pending)) {
            b->setDown(false);
            b->click();
        }
    });
}
