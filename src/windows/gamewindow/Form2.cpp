// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The game window: how it is put together, in named steps (its menu bar is
// built in GameMenu.cpp), then what it does: opening and the first deal,
// drawing, the clock, dragging a letter, the records list and the end of a
// game. The two helpers it alone uses come first.

#include "gamewindow/Form2.h"

#include "desktop/Platform.h"
#include "game/Play.h"
#include "gamewindow/BoardAccessible.h"
#include "gamewindow/BoardCanvas.h"
#include "gamewindow/BoardKeys.h"
#include "gamewindow/Form2Text.h"
#include "records/PlayerSettings.h"
#include "session/Numbers.h"
#include "ui/BoardColours.h"
#include "ui/Look.h"
#include "ui/Messages.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QObject>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include <functional>

// When the game window deals its first round. Window managers send the
// maximized size in one or several steps, before or after activating the
// window; the first round is dealt once, when the size has settled, so that
// its rows stand at the right edge of the maximized area: at once when the
// frame covers the screen, otherwise after a short quiet spell.

class FirstDeal : public QObject {
public:
    // Watches the window's showing, size and state. `due` tells whether a
    // deal is still wanted; `deal` deals it, once.
    FirstDeal(QWidget* window, std::function<bool()> due, std::function<void()> deal);

    bool done() const { return done_; }
    void cancel() { timer_.stop(); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void consider();
    bool looksMaximized() const;

    QWidget* window_;
    std::function<bool()> due_;
    std::function<void()> deal_;
    QTimer timer_;
    bool done_ = false;
};

namespace {
// How long the first deal waits for the maximized size when the window
// manager does not say so at once (or there is none).
constexpr int SettleMs = 400;
// When the restored window's fit is checked: at once, then as a window
// manager frames the window again (openbox takes 50 ms), a slow one too.
constexpr int FitChecksMs[] = {0, 250, 1000};
} // namespace

FirstDeal::FirstDeal(QWidget* window, std::function<bool()> due, std::function<void()> deal)
    : QObject(window), window_(window), due_(std::move(due)), deal_(std::move(deal))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (done_ || !due_()) return;
        done_ = true;
        deal_();
    });
    window->installEventFilter(this);
}

bool FirstDeal::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == window_ &&
        (e->type() == QEvent::Resize || e->type() == QEvent::Show || e->type() == QEvent::WindowStateChange))
        consider();
    return QObject::eventFilter(watched, e);
}

void FirstDeal::consider()
{
    if (done_ || !due_() || !window_->isVisible()) return;
    timer_.start(looksMaximized() ? 0 : SettleMs);
}

bool FirstDeal::looksMaximized() const
{
    if (!(window_->windowState() & Qt::WindowMaximized)) return false;
    const QSize available = window_->screen()->availableGeometry().size();
    const QSize frame = window_->frameGeometry().size();
    return frame.width() >= available.width() && frame.height() >= available.height();
}

// Rows of a list as high as its font's line, no more, as a list box draws
// them: the records list then shows its title and every record whole. A
// line is never drawn as current or chosen: the list takes the focus only
// for a screen reader to read it, and shows the same with it as without.
class LineRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
    }
};

QSize LineRows::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(option.fontMetrics.height());
    return size;
}

namespace {

QLabel* makeLabel(QWidget* parent, QRect geometry, QColor background, const QFont& font)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAutoFillBackground(true);
    setColours(label, {{QPalette::Window, background}, {QPalette::WindowText, boardColour(BoardRole::LabelText)}});
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

} // namespace

namespace {

// This game's own among every game of every copy, now and later.
std::string newRunId()
{
    static int games = 0;
    return QStringLiteral("%1-%2-%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(++games)
        .toStdString();
}

} // namespace

Form2::Form2(Session& session, Platform& platform, RecordsTable& records, QWidget* parent)
    : QMainWindow(parent), session_(session), platform_(platform), records_(records),
      dealer_(Dealer{platform.files, platform.random, platform.clock, {}}), journal_(platform.files, newRunId())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setPalette(gamePalette()); // and so every part of it, its menu bar too
    createMenu();
    createBoard();
    createKeys();
    // Stacked on the board in this order: the records list and the tile lie over the labels.
    createGenreControls();
    createRecordsList();
    createDragTile();
    createClock();
    connectControls();
    keepColoursUnderStyleSheets(*this);
    auto idle = [this] { return !unloaded_ && !session_.inPlay(); };
    firstDeal_ = new FirstDeal(this, idle, [this] { firstDeal(); });
}

void Form2::createBoard()
{
    board_ = new BoardCanvas(this);
    setCentralWidget(board_);
}

void Form2::createKeys()
{
    keys_ = std::make_unique<BoardKeys>(*board_, session_, platform_.sound);
    board_->installEventFilter(this); // after the keys' filter, so before it: F7 and F8
    // The marked box is the board's focused cell while it is marked: a release ends it.
    reader_ =
        makeBoardAccessible(*board_, {session_, [this] { return board_->markedFrame() ? keys_->cursor() : Cell{}; }});
    // The board takes the keys: letters, arrows, Tab, Enter, Space, Escape, F5, F7, F8.
    board_->setFocusPolicy(Qt::StrongFocus);
    board_->setFocus();
}

void Form2::createGenreControls()
{
    Picture1 = new PictureBox(board_);
    Picture1->setGeometry(0, 0, 105, 97);
    Picture1->setFont(gameFont("MS Sans Serif", 8.25, true));
    Picture1->setAttribute(Qt::WA_NoMousePropagation);

    Label1 = makeLabel(board_, {104, 0, 153, 57}, boardColour(BoardRole::GenreLabel), gameFont("Tahoma", 18, true));
    Label2 = makeLabel(board_, {104, 56, 153, 21}, boardColour(BoardRole::RoundLabel), gameFont("Tahoma", 8.25, true));
    Label3 = makeLabel(board_, {104, 76, 153, 21}, boardColour(BoardRole::ScoreLabel), gameFont("Tahoma", 12, true));
    Label3->setText(toUnicode(play::scoreCaption(0)));
}

void Form2::createRecordsList()
{
    List = new QListWidget(board_);
    List->setGeometry(88, 96, 335, RecordsListHeight);
    setColours(List, {{QPalette::Base, boardColour(BoardRole::RecordsBackground)},
                      {QPalette::Text, boardColour(BoardRole::RecordsText)}});
    List->setFont(gameFont("Courier New", 12, true));
    List->setItemDelegate(new LineRows(List));
    List->setUniformItemSizes(true);
    List->setAttribute(Qt::WA_NoMousePropagation);
    List->viewport()->setAttribute(Qt::WA_NoMousePropagation);
    List->viewport()->installEventFilter(this);
    List->installEventFilter(this);    // its keys, while a screen reader gives it the focus
    List->setFocusPolicy(Qt::NoFocus); // shown, never typed into: keys stay on the board
    List->setAccessibleName(toUnicode(form2text::Records));
    List->hide();
}

void Form2::createDragTile()
{
    Picture2 = new DragTile(board_);
    Picture2->setGeometry(56, 112, 22, 37);
    Picture2->hide();
}

void Form2::createClock()
{
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer1->start();
}

// What the controls tell the window, all in one place: the mouse on the board
// and on the genre picture, the keys' moves, the clock's ticks.
void Form2::connectControls()
{
    connect(board_, &BoardCanvas::pressed, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers m, QPointF at) { Form_MouseDown(b, m, at.x(), at.y()); });
    connect(board_, &BoardCanvas::moved, this,
            [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, QPointF at) { Form_MouseMove(b, m, at.x(), at.y()); });
    connect(board_, &BoardCanvas::released, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers m, QPointF at) { Form_MouseUp(b, m, at.x(), at.y()); });
    connect(Picture1, &PictureBox::pressed, this, [this](Qt::MouseButton b, Qt::KeyboardModifiers m, QPointF at) {
        Picture1_MouseDown(b, m, at.x(), at.y());
    });
    connect(keys_.get(), &BoardKeys::takeRequested, this, &Form2::takeSlot);
    // A screen reader's press on a pool slot takes it as the keys do.
    connect(reader_, &BoardRequests::takeRequested, keys_.get(), &BoardKeys::takeSlot);
    connect(keys_.get(), &BoardKeys::carryRequested, this, &Form2::carryOver);
    connect(keys_.get(), &BoardKeys::dropRequested, this, &Form2::dropOn);
    connect(keys_.get(), &BoardKeys::hideRecordsRequested, this, [this] {
        if (List->isVisible()) List_Click();
    });
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
}

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
    session_.RoundStart = platform_.clock.steadySeconds();
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
        ++roundsDealt_;
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
    // Restored from maximized: the size the game gives the window is its
    // outer size, frame and title bar included, so that it fits the
    // screen's free area (640 x 480 too). A window manager may take its
    // time to put back the frame it took off for maximizing, so the fit is
    // checked again once it has.
    if (e->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState)
        for (int ms : FitChecksMs) QTimer::singleShot(ms, this, &Form2::fitRestoredWindow);
}

void Form2::fitRestoredWindow()
{
    if (windowState() != Qt::WindowNoState) return;
    const QRect area = screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize most(area.width() - frame.width(), area.height() - px(BottomMarginTwips) - frame.height());
    if (width() > most.width() || height() > most.height()) resize(size().boundedTo(most));
    if (!area.contains(frameGeometry())) move(area.topLeft());
}

void Form2::closeWithoutGame(const std::string& message)
{
    if (!stopGame()) return;
    // The word list failed after rounds were played: their score counts.
    if (roundsDealt_ > 0) {
        List->move(0, List->y());
        UpdateRecords();
        ShowRecords();
    } else journal_.drop();
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
    // The board shows it from its top-left corner at its own size, and the
    // picture box the same corner: nothing past the largest screen can show.
    QSize screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens = screens.expandedTo(screen->size());
    const PicturePlace place{screens};
    // Read once for the window: the genre stays, and a costly picture costs once.
    if (!genrePicture_) genrePicture_ = platform_.pictures.load(file, place, board_->devicePixelRatioF()).value;
    const QImage& picture = *genrePicture_;
    const RatioPicture::Draw again = [this, file, place](double ratio) {
        return platform_.pictures.load(file, place, ratio).value;
    };
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
    tellBoardDealt(*board_);
}

void Form2::showScore()
{
    Label3->setText(toUnicode(play::scoreCaption(session_.Score)));
    journal_.keep(session_);
}

// ---------------------------------------------------------------- clock

void Form2::Timer1_Timer()
{
    session_.ElapsedSeconds = elapsedSeconds(platform_.clock.steadySeconds(), session_.RoundStart);
    Label2->setText(toUnicode(clockCaption(session_.ElapsedSeconds)));
    Label2->setAccessibleName(toUnicode(form2text::durationSpoken(session_.ElapsedSeconds)));
}

bool Form2::tellOnRequest(QKeyEvent* e)
{
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (e->key() == Qt::Key_F7) {
        // The round's own time, read from the clock: what the label and the
        // bonus use changes only on the tick.
        const double now = elapsedSeconds(platform_.clock.steadySeconds(), session_.RoundStart);
        sayOnBoard(*board_, form2text::scoreAndTime(session_.Score, now));
        return true;
    }
    if (e->key() == Qt::Key_F8) {
        tellPool(*board_);
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- dragging

// The mouse's point becomes a cell once, here: a pool slot on the pool area,
// a target cell elsewhere. The moves themselves go by cell.
void Form2::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, double x, double y)
{
    const play::Press p = board::inPoolArea(x, y)
                              ? play::take(session_, board::poolSlotAt(x, y))
                              : play::pressBox(session_, board::cellAt(session_, x, y, ScaleWidth()));
    pressed(p, x, y);
}

void Form2::takeSlot(int slot)
{
    // The text position goes where a click on the slot's middle puts it.
    const Point at = board::middle(board::poolPoint(slot));
    pressed(play::take(session_, slot), at.x, at.y);
}

void Form2::pressed(play::Press p, double x, double y)
{
    switch (p) {
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
    hoverTile(x, y);
}

void Form2::carryOver(Cell box)
{
    // The tile hovers over the box's middle, as it does under the pointer there.
    const Point at = board::middle(board::boxPoint(session_, box.row, box.column, ScaleWidth()));
    hoverTile(at.x, at.y);
}

void Form2::hoverTile(double x, double y)
{
    if (List->isVisible()) List_Click();
    if (session_.DragSlot != 0) Picture2->move(toInt32(x - 15), toInt32(y - 25));
    else Picture2->hide();
}

void Form2::Form_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, double x, double y)
{
    dropOn(board::cellAt(session_, x, y, ScaleWidth()));
}

void Form2::dropOn(Cell box)
{
    if (session_.DragSlot != 0) dropCarried(box);
    if (unloaded_) {
        // The game ended under this release: the window is going, draw nothing.
        session_.DragSlot = 0;
        return;
    }
    endOfDrag();
}

void Form2::dropCarried(Cell box)
{
    const play::Release r = play::dropAt(session_, box.row, box.column);
    if (r == play::Release::Outside) return;
    if (r == play::Release::Occupied) {
        platform_.sound.beep();
        Picture2->hide();
        return;
    }
    const char letter = board::carriedLetter(session_);
    board_->drawPlacedLetter(session_, session_.TargetRow, session_.TargetColumn, letter);
    board_->drawEmptyPoolSlot(session_.DragSlot);
    announceBoardChange(*board_);
    if (r == play::Release::Wrong) {
        Indietro_Click(); // returns when the game is over and the window closed
        return;
    }
    showScore();
    Picture2->hide();
    // The last letter is answered by the congratulations.
    if (play::boardComplete(session_)) completeRound();
    else sayOnBoard(*board_, form2text::letterPlaced(letter, session_));
}

// A full board: the time bonus, the congratulations and, from the same
// release, the next round.
void Form2::completeRound()
{
    board_->unsetCursor();
    const int32_t before = session_.Score;
    play::addTimeBonus(session_);
    platform_.dialogs.message(form2text::Congratulations, form2text::CongratulationsTitle,
                              QAccessible::isActive()
                                  ? form2text::roundCompleteSpoken(session_.Score - before, session_.Score)
                                  : std::string());
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
    if (watched == board_) // from its making on, before the list is there
        return e->type() == QEvent::KeyPress && tellOnRequest(static_cast<QKeyEvent*>(e));
    if (watched == List->viewport() && e->type() == QEvent::MouseButtonRelease) List_Click();
    if (watched == List && e->type() == QEvent::KeyPress) return listKey(static_cast<QKeyEvent*>(e));
    return QMainWindow::eventFilter(watched, e);
}

void Form2::List_Click()
{
    const bool focused = List->hasFocus();
    List->hide();
    if (focused) board_->setFocus();
}

// The list has the keys only while a screen reader reads it: the arrows go
// from line to line, Esc, Enter and Space close it as a click does, and any
// other key closes it and goes on to the board.
bool Form2::listKey(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta: return false;
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: List_Click(); return true;
    default:
        List_Click();
        QCoreApplication::sendEvent(board_, e);
        return true;
    }
}

void Form2::fillList(const RecordLines& lines)
{
    List->clear();
    for (const std::string& item : lines) List->addItem(toUnicode(item));
    listed_ = lines;
}

void Form2::readRecordsAloud()
{
    if (!QAccessible::isActive()) return;
    // Its name says every line, heard as it takes the focus.
    List->setAccessibleName(toUnicode(form2text::recordsSpoken(listed_)));
    List->setFocus();
}

void Form2::UpdateRecords()
{
    const Result<RecordLines> lines = records_.UpdateRecords(session_, platform_.files);
    fillList(lines.value);
    // A score the records could not take stays in the journal, for the next start.
    if (lines.ok()) journal_.drop();
    else platform_.dialogs.message(form2text::recordsSaveFailedMessage(lines.error), form2text::ErrorTitle);
}

void Form2::ShowRecords()
{
    fillList(readRecordLines(platform_.files).value);
    showInFront(*List);
    readRecordsAloud();
}

// ---------------------------------------------------------------- commands

void Form2::Indietro_Click()
{
    close();
}

void Form2::Nome_Click()
{
    // A box closed by the session's end is no answer: the name stays.
    const std::string name = askPlayerName(
        [this](const std::string& shown) {
            return platform_.dialogs.input(form2text::NamePrompt, form2text::NameTitle, shown);
        },
        session_.PlayerName);
    if (unloaded_) return;
    session_.PlayerName = name;
    setWindowTitle(toUnicode(form2text::NameCaptionStart + session_.PlayerName + form2text::CaptionEnd));
    if (const Error e = writePlayerName(platform_.files, session_.PlayerName); e != Error::None)
        platform_.dialogs.message(settingsSaveFailedMessage(e), form2text::ErrorTitle);
}

void Form2::Difficolt_Click()
{
    // A box closed by the session's end is no answer: the share stays.
    const int16_t help = session_.HelpPercent, helpStart = session_.HelpPercentStart;
    askHelpPercent(
        [this](const std::string& shown) {
            return platform_.dialogs.input(form2text::HelpPrompt, form2text::HelpPercentTitle, shown);
        },
        session_);
    if (!unloaded_) return;
    session_.HelpPercent = help;
    session_.HelpPercentStart = helpStart;
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
    leave(form2text::endMessage(session_), form2text::GameOverTitle, form2text::gameOverSpoken(session_, listed_));
}

void Form2::endUnattended()
{
    if (!stopGame()) return;
    const Result<RecordLines> lines = records_.UpdateRecords(session_, platform_.files);
    if (lines.ok()) journal_.drop();
    // No one may be there to read a message: the reason goes to the log.
    else
        std::fprintf(stderr, "parolix: %s\n",
                     toUnicode(form2text::recordsSaveFailedMessage(lines.error)).toLocal8Bit().constData());
    withdraw();
    // A box may be open over the window, its own loop running and the code
    // that opened it still to go on: the window goes only once the box has.
    if (QWidget* box = QApplication::activeModalWidget(); box && box != this)
        connect(box, &QObject::destroyed, this, &QObject::deleteLater);
    else deleteLater();
}

bool Form2::stopGame()
{
    if (unloaded_) return false;
    unloaded_ = true;
    firstDeal_->cancel();
    return true;
}

void Form2::leave(const std::string& message, const std::string& title, const std::string& spoken)
{
    platform_.dialogs.message(message, title, spoken);
    withdraw();
}

void Form2::withdraw()
{
    Timer1->stop();
    hide();
    emit unloaded();
}
