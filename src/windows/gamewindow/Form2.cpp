// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/Form2.h"

#include "desktop/Text.h"
#include "game/ClockText.h"
#include "game/Play.h"
#include "gamewindow/BoardAccessible.h"
#include "gamewindow/BoardKeys.h"
#include "gamewindow/DragTile.h"
#include "gamewindow/FirstDeal.h"
#include "gamewindow/Form2Text.h"
#include "gamewindow/PictureBox.h"
#include "records/PlayerSettings.h"
#include "session/Numbers.h"
#include "ui/Messages.h"
#include "ui/Placement.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

namespace {

// Twips the window leaves free at the bottom of the screen when it is sized.
constexpr int BottomMarginTwips = 500;

constexpr QPoint TileParking{0, 126};
constexpr QSize TileSize{30, 42};

} // namespace

Form2::~Form2() = default;

bool Form2::firstDealDone() const
{
    return firstDeal_->done();
}

// ---------------------------------------------------------------- opening

void Form2::Form_Load()
{
    session_.closeDealGate(); // the size changes of the next steps deal nothing
    const QRect screenArea = screen()->geometry();
    move(0, 0);
    resize(screenArea.width(), screenArea.height() - px(BottomMarginTwips));
    session_.openDealGate(); // for the maximized size
    showMaximized();
    session_.StartTime = platform_.clock.secondsSinceMidnight();
    Picture2->resize(TileSize);
    setWindowTitle(toUnicode(form2text::CaptionStart + session_.PlayerName + form2text::CaptionEnd));
}

void Form2::Form_Resize()
{
    board_->growImage();
    const Result<bool> dealt = dealer_.deal(session_);
    if (!dealt.ok()) {
        showGenre();
        closeWithoutGame(form2text::noWordListMessage(dealt.error));
    } else if (dealt.value) {
        drawDeal();
    }
}

void Form2::Form_Activate()
{
    // The gate stays open until the first round stands on the board.
    if (firstDealDone() && session_.dealGateOpen()) session_.closeDealGate();
}

void Form2::firstDeal()
{
    Form_Resize();
    if (unloaded_) return;
    session_.closeDealGate(); // later size changes leave the board as it is
}

void Form2::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void Form2::closeWithoutGame(const std::string& message)
{
    if (!stopGame()) return;
    leave(message, form2text::ErrorTitle);
    deleteLater();
}

// ---------------------------------------------------------------- drawing

// The genre's name, and its picture as the board's background (clearing what
// earlier rounds drew) and in the picture box. A picture that cannot be read
// leaves both empty; the game goes on.
void Form2::showGenre()
{
    const size_t g = session_.genreSlot();
    Label1->setText(toUnicode(session_.GenreNames[g]));
    const std::string file = session_.GenreImageFiles[g];
    const QImage picture = platform_.pictures.load(file, board_->devicePixelRatioF()).value;
    const RatioPicture::Draw again = [this, file](double ratio) { return platform_.pictures.load(file, ratio).value; };
    board_->showPicture(picture, again);
    Picture1->setPicture(picture, again);
}

// The round just dealt, in the order a deal always drew it.
void Form2::drawDeal()
{
    showGenre();
    for (int slot = 1; slot <= session_.PoolSize; ++slot)
        board_->drawPoolSlot(slot, session_.PoolLetters[static_cast<size_t>(slot - 1)]);
    board_->drawTargetRows(session_);
    announceBoardChange(*board_);
}

void Form2::showScore()
{
    Label3->setText(toUnicode(play::scoreCaption(session_.Score)));
}

// ---------------------------------------------------------------- clock

void Form2::Timer1_Timer()
{
    session_.ElapsedSeconds = elapsedSeconds(platform_.clock.secondsSinceMidnight(), session_.StartTime);
    Label2->setText(toUnicode(clockCaption(session_.ElapsedSeconds)));
}

// ---------------------------------------------------------------- dragging

void Form2::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, double x, double y)
{
    switch (play::press(session_, x, y, ScaleWidth())) {
    case play::Press::NothingToTake:
        board_->setTextPosition(x, y);
        platform_.sound.beep();
        break;
    case play::Press::BeyondPool:
        board_->setTextPosition(x, y);
        Picture2->hide();
        break;
    case play::Press::PickUp:
        board_->setTextPosition(x, y);
        board_->setCursor(Qt::CrossCursor);
        // The tile stays where it stood until the pointer moves.
        Picture2->showLetter(board::carriedLetter(session_));
        showInFront(*Picture2);
        announceBoardChange(*board_);
        break;
    case play::Press::OnBox: board_->setCursor(Qt::ForbiddenCursor); break;
    case play::Press::Elsewhere: break;
    }
}

void Form2::Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y)
{
    if (List->isVisible()) List->hide();
    if (session_.DragSlot != 0) Picture2->move(toInt32(x - 15), toInt32(y - 25));
    else Picture2->hide();
}

void Form2::Form_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, double x, double y)
{
    if (session_.DragSlot != 0) dropCarried(x, y);
    if (unloaded_) {
        // The game ended under this release: the window is going, draw nothing.
        session_.DragSlot = 0;
        return;
    }
    endOfDrag();
}

void Form2::dropCarried(double x, double y)
{
    const play::Release r = play::release(session_, x, y, ScaleWidth());
    if (r == play::Release::Outside) return;
    if (r == play::Release::Occupied) {
        platform_.sound.beep();
        Picture2->hide();
        return;
    }
    board_->drawPlacedLetter(session_.TargetRow, session_.TargetColumn, board::carriedLetter(session_));
    board_->drawEmptyPoolSlot(session_.DragSlot);
    announceBoardChange(*board_);
    if (r == play::Release::Wrong) {
        Indietro_Click(); // returns when the game is over and the window closed
        return;
    }
    showScore();
    Picture2->hide();
    if (play::boardComplete(session_)) completeRound();
}

// A full board: the time bonus, the congratulations and, from the same
// release, the next round.
void Form2::completeRound()
{
    board_->unsetCursor();
    play::addTimeBonus(session_);
    platform_.dialogs.message(form2text::Congratulations, form2text::CongratulationsTitle);
    if (unloaded_) return;
    showScore();
    session_.openDealGate();
    Form_Resize();
    if (unloaded_) return;
    session_.closeDealGate();
}

void Form2::endOfDrag()
{
    Picture2->hide();
    Picture2->move(TileParking);
    board_->unsetCursor();
    session_.DragSlot = 0;
    keys_->dragEnded();
    announceBoardChange(*board_);
}

void Form2::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers shift, double, double)
{
    const Qt::KeyboardModifiers held = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held != RevealModifiers) return;
    for (int j = 0; j <= board::rowsInPlay(session_); ++j) board_->printLine(session_.Words[static_cast<size_t>(j)]);
}

// ---------------------------------------------------------------- records list

bool Form2::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == List->viewport() && e->type() == QEvent::MouseButtonRelease) List_Click();
    return QMainWindow::eventFilter(watched, e);
}

void Form2::List_Click()
{
    List->hide();
}

void Form2::fillList(const RecordLines& lines)
{
    List->clear();
    for (const std::string& item : lines) List->addItem(toUnicode(item));
}

void Form2::UpdateRecords()
{
    const Result<RecordLines> lines = records_.UpdateRecords(session_, platform_.files);
    fillList(lines.value);
    if (!lines.ok()) platform_.dialogs.message(form2text::recordsSaveFailedMessage(lines.error), form2text::ErrorTitle);
}

void Form2::ShowRecords()
{
    fillList(readRecordLines(platform_.files).value);
    showInFront(*List);
}

// ---------------------------------------------------------------- commands

void Form2::Records_Click()
{
    ShowRecords();
}

void Form2::Indietro_Click()
{
    close();
}

void Form2::Nome_Click()
{
    session_.PlayerName = askPlayerName(
        [this](const std::string& shown) {
            return platform_.dialogs.input(form2text::NamePrompt, form2text::NameTitle, shown);
        },
        session_.PlayerName);
    setWindowTitle(toUnicode(form2text::NameCaptionStart + session_.PlayerName + form2text::CaptionEnd));
    if (const Error e = writePlayerName(platform_.files, session_.PlayerName); e != Error::None)
        platform_.dialogs.message(settingsSaveFailedMessage(e), form2text::ErrorTitle);
}

void Form2::Difficolt_Click()
{
    askHelpPercent(
        [this](const std::string& shown) {
            return platform_.dialogs.input(form2text::HelpPrompt, form2text::HelpPercentTitle, shown);
        },
        session_);
}

// ---------------------------------------------------------------- game over

void Form2::closeEvent(QCloseEvent* e)
{
    Form_Unload();
    e->accept();
}

void Form2::Form_Unload()
{
    if (!stopGame()) return;
    List->move(0, List->y());
    UpdateRecords();
    ShowRecords();
    leave(form2text::endMessage(session_), form2text::GameOverTitle);
}

bool Form2::stopGame()
{
    if (unloaded_) return false;
    unloaded_ = true;
    firstDeal_->cancel();
    return true;
}

void Form2::leave(const std::string& message, const std::string& title)
{
    platform_.dialogs.message(message, title);
    Timer1->stop();
    hide();
    emit unloaded();
}
