// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "gamewindow/Form2.h"

#include "gamewindow/BoardKeys.h"
#include "game/ClockText.h"
#include "gamewindow/FirstDeal.h"
#include "gamewindow/Form2Controls.h"
#include "gamewindow/Form2Text.h"
#include "gamewindow/GameMenu.h"
#include "game/Play.h"
#include "desktop/Text.h"
#include "records/PlayerSettings.h"
#include "session/Numbers.h"
#include "ui/Fonts.h"
#include "ui/Messages.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>

namespace {

// Twips the window leaves free at the bottom of the screen when it is sized.
constexpr int BottomMarginTwips = 500;

constexpr QPoint TileParking{0, 126};
constexpr QSize TileSize{30, 42};

QLabel* makeLabel(QWidget* parent, QRect geometry, QColor background, const QFont& font)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

} // namespace

Form2::Form2(Session& session, Platform& platform, RecordsTable& records, QWidget* parent)
    : QMainWindow(parent), s_(session), p_(platform), records_(records),
      dealer_{platform.files, platform.random, platform.clock, {}}
{
    setAttribute(Qt::WA_DeleteOnClose);
    installGameMenu(*this, session, platform);
    board_ = new BoardCanvas(this);
    setCentralWidget(board_);
    board_->onPress = [this](QMouseEvent* e) {
        Form_MouseDown(e->button(), e->modifiers(), e->position().x(), e->position().y());
    };
    board_->onMove = [this](QMouseEvent* e) {
        Form_MouseMove(e->buttons(), e->modifiers(), e->position().x(), e->position().y());
    };
    board_->onRelease = [this](QMouseEvent* e) {
        Form_MouseUp(e->button(), e->modifiers(), e->position().x(), e->position().y());
    };
    keys_ = std::make_unique<BoardKeys>(*this, *board_, s_, p_.sound);
    board_->onKey = [this](QKeyEvent* e) { return keys_->keyPress(e); };
    // The board takes the keys: letters, arrows, Tab, Enter, Space, Escape.
    board_->setFocusPolicy(Qt::StrongFocus);
    board_->setFocus();

    Picture1 = new PictureBox(board_);
    Picture1->setGeometry(0, 0, 105, 97);
    Picture1->setFont(gameFont("MS Sans Serif", 8.25, true));
    Picture1->setAttribute(Qt::WA_NoMousePropagation);
    Picture1->onPress = [this](QMouseEvent* e) {
        Picture1_MouseDown(e->button(), e->modifiers(), e->position().x(), e->position().y());
    };

    Label1 = makeLabel(board_, {104, 0, 153, 57}, QColor(255, 128, 128), gameFont("Tahoma", 18, true));
    Label2 = makeLabel(board_, {104, 56, 153, 21}, Qt::white, gameFont("Tahoma", 8.25, true));
    Label3 = makeLabel(board_, {104, 76, 153, 21}, QColor(0, 192, 0), gameFont("Tahoma", 12, true));
    Label3->setText(toUnicode(play::scoreCaption(0)));

    List = new QListWidget(board_);
    List->setGeometry(88, 96, 335, 202);
    QPalette pal = List->palette();
    pal.setColor(QPalette::Base, QColor(255, 255, 0));
    pal.setColor(QPalette::Text, QColor(0, 0, 192));
    List->setPalette(pal);
    List->setFont(gameFont("Courier New", 12, true));
    List->setItemDelegate(new LineRows(List));
    List->setUniformItemSizes(true);
    List->setAttribute(Qt::WA_NoMousePropagation);
    List->viewport()->setAttribute(Qt::WA_NoMousePropagation);
    List->viewport()->installEventFilter(this);
    List->setFocusPolicy(Qt::NoFocus); // shown, never typed into: keys stay on the board
    List->hide();

    Picture2 = new DragTile(board_);
    Picture2->setGeometry(56, 112, 22, 37);
    Picture2->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    Timer1->start();

    firstDeal_ = new FirstDeal(
        this, [this] { return !unloaded_ && !s_.inPlay(); }, [this] { firstDeal(); });
}

Form2::~Form2() = default;

bool Form2::firstDealDone() const { return firstDeal_->done(); }

// ---------------------------------------------------------------- opening

void Form2::Form_Load()
{
    s_.closeDealGate(); // the size changes of the next steps deal nothing
    const QRect screenArea = screen()->geometry();
    move(0, 0);
    resize(screenArea.width(), screenArea.height() - px(BottomMarginTwips));
    s_.openDealGate(); // for the maximized size
    showMaximized();
    s_.StartTime = p_.clock.secondsSinceMidnight();
    Picture2->resize(TileSize);
    setWindowTitle(toUnicode(form2text::CaptionStart + s_.PlayerName + form2text::CaptionEnd));
}

void Form2::Form_Resize()
{
    board_->growImage();
    const Result<bool> dealt = dealer_.deal(s_);
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
    if (firstDealDone() && s_.dealGateOpen()) s_.closeDealGate();
}

void Form2::firstDeal()
{
    Form_Resize();
    if (unloaded_) return;
    s_.closeDealGate(); // later size changes leave the board as it is
}

void Form2::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void Form2::closeWithoutGame(const std::string& message)
{
    unloaded_ = true;
    firstDeal_->cancel();
    p_.dialogs.message(message, form2text::ErrorTitle);
    Timer1->stop();
    hide();
    emit unloaded();
    deleteLater();
}

// ---------------------------------------------------------------- drawing

// The genre's name, and its picture as the board's background (clearing what
// earlier rounds drew) and in the picture box. A picture that cannot be read
// leaves both empty; the game goes on.
void Form2::showGenre()
{
    const size_t g = s_.genreSlot();
    Label1->setText(toUnicode(s_.GenreNames[g]));
    const std::string file = s_.GenreImageFiles[g];
    const QImage picture = p_.pictures.load(file, board_->devicePixelRatioF()).value;
    const RatioPicture::Draw again = [this, file](double ratio) { return p_.pictures.load(file, ratio).value; };
    board_->showPicture(picture, again);
    Picture1->setPicture(picture, again);
}

// The round just dealt, in the order a deal always drew it.
void Form2::drawDeal()
{
    showGenre();
    for (int slot = 1; slot <= s_.PoolSize; ++slot)
        board_->drawPoolSlot(slot, s_.PoolLetters[static_cast<size_t>(slot - 1)]);
    board_->drawTargetRows(s_);
}

void Form2::showScore() { Label3->setText(toUnicode(play::scoreCaption(s_.Score))); }

// ---------------------------------------------------------------- clock

void Form2::Timer1_Timer()
{
    s_.ElapsedSeconds = elapsedSeconds(p_.clock.secondsSinceMidnight(), s_.StartTime);
    Label2->setText(toUnicode(clockCaption(s_.ElapsedSeconds)));
}

// ---------------------------------------------------------------- dragging

void Form2::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, double x, double y)
{
    switch (play::press(s_, x, y, ScaleWidth())) {
    case play::Press::NothingToTake:
        board_->setTextPosition(x, y);
        p_.sound.beep();
        break;
    case play::Press::BeyondPool:
        board_->setTextPosition(x, y);
        Picture2->hide();
        break;
    case play::Press::PickUp:
        board_->setTextPosition(x, y);
        board_->setCursor(Qt::CrossCursor);
        // The tile stays where it stood until the pointer moves.
        Picture2->showLetter(s_.PoolLetters[static_cast<size_t>(s_.DragSlot - 1)]);
        Picture2->show();
        Picture2->raise();
        break;
    case play::Press::OnBox:
        board_->setCursor(Qt::ForbiddenCursor);
        break;
    case play::Press::Elsewhere:
        break;
    }
}

void Form2::Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y)
{
    if (List->isVisible()) List->hide();
    if (s_.DragSlot != 0) Picture2->move(toInt32(x - 15), toInt32(y - 25));
    else Picture2->hide();
}

void Form2::Form_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, double x, double y)
{
    if (s_.DragSlot != 0) dropCarried(x, y);
    if (unloaded_) {
        // The game ended under this release: the window is going, draw nothing.
        s_.DragSlot = 0;
        return;
    }
    endOfDrag();
}

void Form2::dropCarried(double x, double y)
{
    const play::Release r = play::release(s_, x, y, ScaleWidth());
    if (r == play::Release::Outside) return;
    if (r == play::Release::Occupied) {
        p_.sound.beep();
        Picture2->hide();
        return;
    }
    board_->drawPlacedLetter(s_.TargetRow, s_.TargetColumn, s_.PoolLetters[static_cast<size_t>(s_.DragSlot - 1)]);
    board_->drawEmptyPoolSlot(s_.DragSlot);
    if (r == play::Release::Wrong) {
        Indietro_Click(); // returns when the game is over and the window closed
        return;
    }
    showScore();
    Picture2->hide();
    if (play::boardComplete(s_)) completeRound();
}

// A full board: the time bonus, the congratulations and, from the same
// release, the next round.
void Form2::completeRound()
{
    board_->unsetCursor();
    play::addTimeBonus(s_);
    p_.dialogs.message(form2text::Congratulations, form2text::CongratulationsTitle);
    if (unloaded_) return;
    showScore();
    s_.openDealGate();
    Form_Resize();
    if (unloaded_) return;
    s_.closeDealGate();
}

void Form2::endOfDrag()
{
    Picture2->hide();
    Picture2->move(TileParking);
    board_->unsetCursor();
    s_.DragSlot = 0;
    keys_->dragEnded();
}

void Form2::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers shift, double, double)
{
    const Qt::KeyboardModifiers held = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held != RevealModifiers) return;
    for (int j = 0; j <= s_.WordCount && j < static_cast<int>(s_.Words.size()); ++j)
        board_->printLine(s_.Words[static_cast<size_t>(j)]);
}

// ---------------------------------------------------------------- records list

bool Form2::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == List->viewport() && e->type() == QEvent::MouseButtonRelease) List_Click();
    return QMainWindow::eventFilter(watched, e);
}

void Form2::List_Click() { List->hide(); }

void Form2::fillList(const RecordLines& lines)
{
    List->clear();
    for (const std::string& item : lines) List->addItem(toUnicode(item));
}

void Form2::UpdateRecords()
{
    const Result<RecordLines> lines = records_.UpdateRecords(s_, p_.files);
    fillList(lines.value);
    if (!lines.ok()) p_.dialogs.message(form2text::recordsSaveFailedMessage(), form2text::ErrorTitle);
}

void Form2::ShowRecords()
{
    fillList(readRecordLines(p_.files).value);
    List->show();
    List->raise();
}

// ---------------------------------------------------------------- commands

void Form2::Records_Click() { ShowRecords(); }

void Form2::Indietro_Click() { close(); }

void Form2::Nome_Click()
{
    s_.PlayerName = askPlayerName(
        [this](const std::string& shown) {
            return p_.dialogs.input(form2text::NamePrompt, form2text::NameTitle, shown);
        },
        s_.PlayerName);
    setWindowTitle(toUnicode(form2text::NameCaptionStart + s_.PlayerName + form2text::CaptionEnd));
    if (writePlayerName(p_.files, s_.PlayerName) != Error::None)
        p_.dialogs.message(settingsSaveFailedMessage(), form2text::ErrorTitle);
}

void Form2::Difficolt_Click()
{
    askHelpPercent(
        [this](const std::string& shown) {
            return p_.dialogs.input(form2text::HelpPrompt, form2text::HelpPercentTitle, shown);
        },
        s_);
}

// ---------------------------------------------------------------- game over

void Form2::closeEvent(QCloseEvent* e)
{
    Form_Unload();
    e->accept();
}

void Form2::Form_Unload()
{
    if (unloaded_) return;
    unloaded_ = true;
    firstDeal_->cancel();
    List->move(0, List->y());
    UpdateRecords();
    ShowRecords();
    p_.dialogs.message(form2text::endMessage(s_), form2text::GameOverTitle);
    Timer1->stop();
    hide();
    emit unloaded();
}
