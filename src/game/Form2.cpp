#include "game/Form2.h"

#include "game/BoardGeometry.h"
#include "game/ClockText.h"
#include "game/Form2Controls.h"
#include "game/Play.h"
#include "ui/Fonts.h"
#include "platform/Text.h"
#include "ui/Twips.h"
#include "records/PlayerSettings.h"
#include "session/Numbers.h"
#include "session/Palette.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

// How long the first deal waits for the window to reach its maximized size
// when the window manager does not say so at once (or there is none).
constexpr int SettleMs = 400;

// Twips the window leaves free at the bottom of the screen when it is sized.
constexpr int BottomMarginTwips = 500;

constexpr QPoint TileParking{0, 126};
constexpr QSize TileSize{30, 42};
constexpr QColor BoardTextColour{1, 0, 0};

QColor colour(int index)
{
    const Rgb c = Palette[index];
    return {c.r, c.g, c.b};
}

// Palette indices of the board.
constexpr int PoolFill = 14, PoolOutline = 1;
constexpr int EmptyFill = 7, EmptyOutline = 1;
constexpr int HelpFill = 11, HelpOutline = 3;
constexpr int PlacedBar = 4, PlacedFill = 11, PlacedOutline = 5;

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

std::string noWordListMessage(Error error)
{
    return std::string(form2text::NoWordList) + WordListFile +
           (error == Error::NotFound ? form2text::NotFound : form2text::Unreadable);
}

} // namespace

Form2::Form2(Session& session, Platform& platform, RecordsTable& records, QWidget* parent)
    : QMainWindow(parent), s_(session), p_(platform), records_(records),
      dealer_{platform.files, platform.random, platform.clock, *this, {}}
{
    setAttribute(Qt::WA_DeleteOnClose);
    menuBar(); // the menus are added by the menu bar's own code
    client_ = new ClientArea(this);
    setCentralWidget(client_);
    font_ = gameFont("Courier New", 24, true);
    client_->setFont(font_);
    client_->onPress = [this](QMouseEvent* e) {
        Form_MouseDown(e->button(), e->modifiers(), e->position().x(), e->position().y());
    };
    client_->onMove = [this](QMouseEvent* e) {
        Form_MouseMove(e->buttons(), e->modifiers(), e->position().x(), e->position().y());
    };
    client_->onRelease = [this](QMouseEvent* e) {
        Form_MouseUp(e->button(), e->modifiers(), e->position().x(), e->position().y());
    };

    Picture1 = new PictureBox(client_);
    Picture1->setGeometry(0, 0, 105, 97);
    Picture1->setFont(gameFont("MS Sans Serif", 8.25, true));
    Picture1->setAttribute(Qt::WA_NoMousePropagation);
    Picture1->onPress = [this](QMouseEvent* e) {
        Picture1_MouseDown(e->button(), e->modifiers(), e->position().x(), e->position().y());
    };

    Label1 = makeLabel(client_, {104, 0, 153, 57}, QColor(255, 128, 128), gameFont("Tahoma", 18, true));
    Label2 = makeLabel(client_, {104, 56, 153, 21}, Qt::white, gameFont("Tahoma", 8.25, true));
    Label3 = makeLabel(client_, {104, 76, 153, 21}, QColor(0, 192, 0), gameFont("Tahoma", 12, true));
    Label3->setText(toUnicode(play::scoreCaption(0)));

    List = new QListWidget(client_);
    List->setGeometry(88, 96, 335, 202);
    {
        QPalette pal = List->palette();
        pal.setColor(QPalette::Base, QColor(255, 255, 0));
        pal.setColor(QPalette::Text, QColor(0, 0, 192));
        List->setPalette(pal);
    }
    List->setFont(gameFont("Courier New", 12, true));
    List->setAttribute(Qt::WA_NoMousePropagation);
    List->viewport()->setAttribute(Qt::WA_NoMousePropagation);
    List->viewport()->installEventFilter(this);
    List->hide();

    Picture2 = new DragTile(client_);
    Picture2->setGeometry(56, 112, 22, 37);
    Picture2->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    Timer1->start();

    settleTimer_.setSingleShot(true);
    connect(&settleTimer_, &QTimer::timeout, this, &Form2::firstDeal);
}

Form2::~Form2() = default;

QWidget* Form2::clientArea() const { return client_; }
const QImage& Form2::boardImage() const { return client_->canvas(); }
int Form2::ScaleWidth() const { return client_->width(); }

// ---------------------------------------------------------------- opening

void Form2::Form_Load()
{
    s_.BoardState = 0; // the size changes of the next steps deal nothing
    const QRect screenArea = screen()->geometry();
    move(0, 0);
    resize(screenArea.width(), screenArea.height() - px(BottomMarginTwips));
    s_.BoardState = -1; // the deal gate is open for the maximized size
    showMaximized();
    s_.StartTime = p_.clock.secondsSinceMidnight();
    Picture2->resize(TileSize);
    setWindowTitle(toUnicode(form2text::CaptionStart + s_.PlayerName + form2text::CaptionEnd));
}

void Form2::Form_Resize()
{
    if (s_.BoardState == 0) return;
    client_->growCanvas();
    Error error = Error::None;
    if (dealer_.deal(s_, &error) == DealOutcome::NoWordList) closeWithoutGame(noWordListMessage(error));
}

void Form2::Form_Activate()
{
    // The gate stays open until the first round stands on the board.
    if (firstDealDone_ && s_.BoardState == -1) s_.BoardState = 0;
}

// Window managers send the maximized size in one or several steps, before or
// after activating the window. The first round is dealt once, when the size
// has settled, so that its rows stand at the right edge of the maximized area.
void Form2::considerFirstDeal()
{
    if (firstDealDone_ || unloaded_ || s_.BoardState == 0 || !isVisible()) return;
    settleTimer_.start(looksMaximized() ? 0 : SettleMs);
}

bool Form2::looksMaximized() const
{
    if (!(windowState() & Qt::WindowMaximized)) return false;
    const QSize available = screen()->availableGeometry().size();
    const QSize frame = frameGeometry().size();
    return frame.width() >= available.width() && frame.height() >= available.height();
}

void Form2::firstDeal()
{
    if (firstDealDone_ || unloaded_ || s_.BoardState == 0) return;
    firstDealDone_ = true;
    Form_Resize();
    if (unloaded_) return;
    s_.BoardState = 0; // later size changes leave the board as it is
}

void Form2::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    considerFirstDeal();
}

void Form2::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    considerFirstDeal();
}

void Form2::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) considerFirstDeal();
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void Form2::closeWithoutGame(const std::string& message)
{
    unloaded_ = true;
    settleTimer_.stop();
    p_.dialogs.message(message, form2text::ErrorTitle);
    Timer1->stop();
    hide();
    emit unloaded();
    deleteLater();
}

// ---------------------------------------------------------------- drawing

void Form2::fillBox(int left, int top, int right, int bottom, QColor c)
{
    QPainter p(&client_->canvas());
    p.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), c);
    client_->update(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void Form2::outlineBox(int left, int top, int right, int bottom, QColor c)
{
    QPainter p(&client_->canvas());
    p.fillRect(QRect(QPoint(left, top), QPoint(right, top)), c);
    p.fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), c);
    p.fillRect(QRect(QPoint(left, top), QPoint(left, bottom)), c);
    p.fillRect(QRect(QPoint(right, top), QPoint(right, bottom)), c);
    client_->update(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void Form2::drawCell(int x, int y, QColor fill, QColor outline)
{
    const Box f = board::fillBox({x, y});
    const Box o = board::outlineBox({x, y});
    fillBox(f.left, f.top, f.right, f.bottom, fill);
    outlineBox(o.left, o.top, o.right, o.bottom, outline);
}

void Form2::print(const std::string& text, bool lineBreak)
{
    const QString t = toUnicode(text);
    const QFontMetricsF fm(font_);
    {
        QPainter p(&client_->canvas());
        p.setFont(font_);
        p.setPen(foreColor_);
        p.drawText(QPointF(CurrentX, CurrentY + fm.ascent()), t);
    }
    const double width = fm.horizontalAdvance(t);
    client_->update(QRectF(CurrentX, CurrentY, width + 2, fm.height() + 2).toAlignedRect());
    if (lineBreak) {
        CurrentX = 0;
        CurrentY += fm.height();
    } else {
        CurrentX += width;
    }
}

void Form2::showGenre(const std::string& name, const std::string& pictureFile)
{
    Label1->setText(toUnicode(name));
    // A picture that cannot be read leaves the picture empty; the game goes on.
    const QImage picture = p_.pictures.load(pictureFile);
    client_->growCanvas();
    QImage& canvas = client_->canvas();
    canvas.fill(Qt::white);
    if (!picture.isNull()) {
        QPainter p(&canvas);
        p.drawImage(0, 0, picture);
    }
    Picture1->setPicture(picture);
    client_->update();
}

void Form2::drawPoolSlot(int slot, char letter)
{
    const Point pt = board::poolPoint(slot);
    drawCell(pt.x, pt.y, colour(PoolFill), colour(PoolOutline));
    const Point at = board::letterPos(pt);
    CurrentX = at.x;
    CurrentY = at.y;
    foreColor_ = BoardTextColour;
    print(std::string(1, letter), false);
}

void Form2::drawTargetRows()
{
    const int width = ScaleWidth();
    for (int j = 0; j <= s_.WordCount && j < static_cast<int>(s_.Words.size()); ++j) {
        const std::string& word = s_.Words[static_cast<size_t>(j)];
        const std::string& boxes = s_.BoxRows[static_cast<size_t>(j)];
        for (size_t i = 1; i <= word.size(); ++i) {
            const Point pt = board::targetPoint(j, static_cast<int>(i), width);
            const bool empty = i > boxes.size() || boxes[i - 1] == ' ';
            drawCell(pt.x, pt.y, colour(empty ? EmptyFill : HelpFill), colour(empty ? EmptyOutline : HelpOutline));
            const Point at = board::letterPos(pt);
            CurrentX = at.x;
            CurrentY = at.y;
            if (!empty) print(std::string(1, word[i - 1]), false);
        }
    }
}

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
        CurrentX = x;
        CurrentY = y;
        p_.sound.beep();
        break;
    case play::Press::BeyondPool:
        CurrentX = x;
        CurrentY = y;
        Picture2->hide();
        break;
    case play::Press::PickUp:
        CurrentX = x;
        CurrentY = y;
        client_->setCursor(Qt::CrossCursor);
        // The tile stays where it stood until the pointer moves.
        Picture2->showLetter(s_.PoolLetters[static_cast<size_t>(s_.DragSlot - 1)]);
        Picture2->show();
        Picture2->raise();
        break;
    case play::Press::OnBox:
        client_->setCursor(Qt::ForbiddenCursor);
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
    const int width = ScaleWidth();
    switch (play::dropTest(s_, x, y, width)) {
    case play::Drop::Outside:
        return;
    case play::Drop::Occupied:
        p_.sound.beep();
        Picture2->hide();
        return;
    case play::Drop::Empty:
        break;
    }

    const Point b = board::targetPoint(s_.TargetRow, s_.TargetColumn, width);
    const char letter = s_.PoolLetters[static_cast<size_t>(s_.DragSlot - 1)];
    const Box bar = board::placedBar(b);
    outlineBox(bar.left, bar.top, bar.right, bar.bottom, colour(PlacedBar));
    const Box f = board::fillBox(b);
    fillBox(f.left, f.top, f.right, f.bottom, colour(PlacedFill));
    const Box o = board::outlineBox(b);
    outlineBox(o.left, o.top, o.right, o.bottom, colour(PlacedOutline));
    const Point at = board::letterPos(b);
    CurrentX = at.x;
    CurrentY = at.y;
    print(std::string(1, letter), true);
    play::place(s_);
    const Point slot = board::poolPoint(s_.DragSlot);
    drawCell(slot.x, slot.y, colour(PoolFill), colour(PoolOutline));

    if (!play::checkPlaced(s_)) {
        Indietro_Click(); // returns when the game is over and the window closed
        return;
    }
    Label3->setText(toUnicode(play::scoreCaption(s_.Score)));
    Picture2->hide();

    if (!play::boardComplete(s_)) return;
    Picture2->hide();
    client_->unsetCursor();
    s_.Score = play::withTimeBonus(s_.Score, s_.ElapsedSeconds, s_.PoolLetters.size());
    p_.dialogs.message(form2text::Congratulations, form2text::CongratulationsTitle);
    if (unloaded_) return;
    Label3->setText(toUnicode(play::scoreCaption(s_.Score)));
    s_.BoardState = -1;
    Form_Resize();
    if (unloaded_) return;
    s_.BoardState = 0;
}

void Form2::endOfDrag()
{
    Picture2->hide();
    Picture2->move(TileParking);
    client_->unsetCursor();
    s_.DragSlot = 0;
}

void Form2::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers shift, double, double)
{
    const Qt::KeyboardModifiers held = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held != RevealModifiers) return;
    for (int j = 0; j <= s_.WordCount && j < static_cast<int>(s_.Words.size()); ++j)
        print(s_.Words[static_cast<size_t>(j)], true);
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
    for (const std::string& item : lines.items) List->addItem(toUnicode(item));
}

void Form2::UpdateRecords()
{
    const RecordLines lines = records_.UpdateRecords(s_, p_.files);
    fillList(lines);
    if (lines.error != Error::None) p_.dialogs.message(recordsSaveFailedMessage(), form2text::ErrorTitle);
}

void Form2::ShowRecords()
{
    fillList(readRecordLines(p_.files));
    List->show();
    List->raise();
}

// ---------------------------------------------------------------- commands

void Form2::Records_Click() { ShowRecords(); }

void Form2::Indietro_Click() { close(); }

void Form2::Nome_Click()
{
    s_.PlayerName = askPlayerName(p_.dialogs, s_.PlayerName);
    setWindowTitle(toUnicode(form2text::NameCaptionStart + s_.PlayerName + form2text::CaptionEnd));
    if (writePlayerName(p_.files, s_.PlayerName) != Error::None)
        p_.dialogs.message(settingsSaveFailedMessage(), form2text::ErrorTitle);
}

void Form2::Difficolt_Click() { askHelpPercent(p_.dialogs, s_); }

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
    settleTimer_.stop();
    List->move(0, List->y());
    UpdateRecords();
    ShowRecords();
    std::string text = form2text::GameOver;
    if (s_.BoardState >= 1) {
        const size_t row = s_.TargetRow >= 0 && s_.TargetRow < static_cast<int>(s_.Words.size())
                               ? static_cast<size_t>(s_.TargetRow) : 0;
        text = std::string(form2text::WrongLetter1) + form2text::LineBreak + form2text::WrongLetter2 +
               form2text::LineBreak + form2text::WrongLetter3 + static_cast<char>(s_.BoardState) +
               form2text::WrongLetter4 + s_.Words[row];
    }
    p_.dialogs.message(text, form2text::GameOverTitle);
    Timer1->stop();
    hide();
    emit unloaded();
}
