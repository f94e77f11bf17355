// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// How the launcher is put together: its title, the genre tiles, the name box,
// the buttons and the link, in named steps.

#include "launcher/Form1.h"

#include "desktop/Platform.h"
#include "gamewindow/Form2.h"
#include "launcher/Form1Text.h"
#include "launcher/TilePlaces.h"
#include "platform/Result.h"
#include "records/PlayerSettings.h"
#include "session/Cp1252.h"
#include "ui/Look.h"
#include "ui/Messages.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

// The launcher as a screen reader meets it: a window named by its title,
// whose heading is read once (its grey shadow, drawn under the red title, is
// left out, as are the focus frames round the pictures and the hand picture
// that is never shown).

namespace {

// A child of the launcher with this property true is left out.
constexpr const char* SilentProperty = "parolixSilent";

// Drawing aids that say nothing: the frames round the genre pictures.
bool unnamedFiller(QWidget* w)
{
    const QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i && i->role() == QAccessible::Client && i->text(QAccessible::Name).isEmpty();
}

class LauncherWindow : public QAccessibleWidget {
public:
    explicit LauncherWindow(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

    QList<QWidget*> shownWidgets() const
    {
        const QWidget* form = widget();
        QList<QWidget*> shown;
        for (QObject* o : form->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !w->property(SilentProperty).toBool() && w->isVisibleTo(form) &&
                !unnamedFiller(w))
                shown.append(w);
        }
        return shown;
    }
    int childCount() const override { return static_cast<int>(shownWidgets().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> shown = shownWidgets();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        return c ? static_cast<int>(shownWidgets().indexOf(qobject_cast<QWidget*>(c->object()))) : -1;
    }
};

QAccessibleInterface* launcherFactory(const QString& className, QObject* object)
{
    return className == QLatin1String("Form1") ? new LauncherWindow(static_cast<QWidget*>(object)) : nullptr;
}

// Makes it so for every launcher.
void makeLauncherAccessible()
{
    QAccessible::installFactory(launcherFactory); // Qt keeps one of each
}

} // namespace

namespace form1text {

std::string picturesFailedMessage(const std::vector<std::pair<std::string, Error>>& failed)
{
    std::string list;
    for (const auto& [file, error] : failed) {
        if (!list.empty()) list += ", ";
        list += file + " (" + errorReason(error) + ")";
    }
    return "Alcune immagini dei generi non si possono caricare: " + list +
           ". I riquadri restano senza immagine, ma si pu\xf2 giocare lo stesso.";
}

} // namespace form1text

Form1::Form1(Session& session, Platform& platform, RecordsTable& records, QWidget* parent)
    : QWidget(parent), session_(session), platform_(platform), records_(records)
{
    // Before anything of the window is made: the first accessible event about
    // it (Qt 6.8 sends one while the window is built) fixes how screen
    // readers see it for good.
    makeLauncherAccessible(); // a window; the heading's shadow left out
    setWindowTitle(toUnicode(form1text::Caption));
    setWindowIcon(Artwork::windowIcon());
    setFixedSize(px(7980), px(tiles::belowTiles(6195)));
    setColours(this, {{QPalette::Window, QColor(192, 192, 192)},
                      {QPalette::WindowText, QColor(64, 64, 64)},
                      {QPalette::Button, QColor(192, 192, 192)}});
    setAutoFillBackground(true);
    setFont(gameFont("Tahoma", 9.75, true));
    setMouseTracking(true);

    const QFont titleFont = gameFont("Tahoma", 14.25, true);
    createTitle(titleFont);
    createGenreTiles();
    createNameBox(titleFont);
    createButtons();
    createWebLink();
    createHandPicture();
    nameForScreenReaders();
    setTabOrders();
    keepColoursUnderStyleSheets(*this);
}

void Form1::createTitle(const QFont& font)
{
    // The shadow first, so the red title lies over it.
    Label2 = new QLabel(toUnicode(form1text::Title), this);
    Label2->setGeometry(twipRect(330, 180, 7335, 405));
    Label2->setProperty(SilentProperty, true); // the heading is read once
    Label5 = new QLabel(toUnicode(form1text::Title), this);
    Label5->setGeometry(twipRect(300, 150, 7335, 405));
    for (QLabel* l : {Label2, Label5}) {
        l->setFont(font);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    setColours(Label5, {{QPalette::WindowText, QColor(255, 0, 0)}});
}

void Form1::createGenreTiles()
{
    const QFont captionFont = gameFont("Tahoma", 9.75, false);
    for (int t = 0; t < GenreCount; ++t) {
        pittura[t] = new GenreTile(static_cast<int16_t>(t), this);
        pittura[t]->setGeometry(tiles::tileRect(t));
        connect(pittura[t], &GenreTile::clicked, this, &Form1::pittura_Click);
        connect(pittura[t], &GenreTile::mouseMoved, this, &Form1::pittura_MouseMove);
        Label3[t] = new QLabel(this);
        Label3[t]->setGeometry(tiles::captionRect(t));
        Label3[t]->setFont(captionFont);
        Label3[t]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

void Form1::createNameBox(const QFont& labelFont)
{
    Label1 = new QLabel(toUnicode(form1text::PlayerLabel), this);
    Label1->setGeometry(twipRect(300, tiles::belowTiles(5250), 1515, 525));
    Label1->setFont(labelFont);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Text1 = new QLineEdit(this);
    Text1->setGeometry(twipRect(1890, tiles::belowTiles(5100), 3615, 645));
    Text1->setFont(gameFont("Arial", 24.75, true));
    Text1->setMaxLength(NameBoxMax);
    Text1->setTextMargins(0, 0, 0, 0);
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
}

void Form1::createButtons()
{
    Command2 = new QPushButton(toUnicode(form1text::HelpButton), this);
    Command2->setGeometry(twipRect(5610, tiles::belowTiles(5130), 615, 645));
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);

    Command1 = new QPushButton(toUnicode(form1text::EndButton), this);
    Command1->setGeometry(twipRect(6330, tiles::belowTiles(5130), 1395, 645));
    Command1->setToolTip(toUnicode(form1text::EndButtonTip));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    for (QPushButton* b : {Command1, Command2}) b->setAutoDefault(false);
}

void Form1::createWebLink()
{
    Label4 = new LinkLabel(this);
    Label4->setText(toUnicode(WebSiteText));
    Label4->setFont(gameFont("Tahoma", 9.75, false, true));
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The address must be read whole: a longer one widens the label.
    placeWhole(*Label4, twipRect(2670, tiles::belowTiles(5880), 2145, 255), width());
    setColours(Label4, {{QPalette::WindowText, QColor(0, 0, 255)}});
    Label4->setToolTip(toUnicode(form1text::WebSiteTip));
    connect(Label4, &LinkLabel::clicked, this, &Form1::Label4_Click);
    connect(Label4, &LinkLabel::mouseMoved, this, &Form1::Label4_MouseMove);
}

void Form1::createHandPicture()
{
    // The hand pointer's picture, kept below the client area where it is
    // never seen.
    Picture1 = new QLabel(this);
    Picture1->setGeometry(twipRect(1770, tiles::belowTiles(6300), 510, 510));
    Picture1->setPixmap(Artwork::hand());
    Picture1->hide();
}

void Form1::nameForScreenReaders()
{
    // What a screen reader announces: the button captions without their
    // access-key marks.
    Text1->setAccessibleName(toUnicode(form1text::NameBoxName));
    for (QPushButton* b : {Command1, Command2}) b->setAccessibleName(b->text().remove(QLatin1Char('&')));
    Label4->setAccessibleName(Label4->text());
}

void Form1::setTabOrders()
{
    setTabOrder(Text1, pittura[0]);
    for (int t = 0; t + 1 < GenreCount; ++t) setTabOrder(pittura[t], pittura[t + 1]);
    setTabOrder(pittura[GenreCount - 1], Command1);
    setTabOrder(Command1, Command2);
}

Form1::~Form1()
{
    // Nothing of the launcher runs while the program ends.
    Text1->removeEventFilter(this);
    disconnect(Text1, nullptr, this, nullptr);
}

void Form1::Form_Load()
{
    centreOnScreenOnceFramed(*this, screen());

    fillGenreTables(session_);
    std::vector<std::pair<std::string, Error>> missing;
    for (int i = 1; i <= GenreCount; ++i) {
        int t = i - 1;
        const std::string file = genrePictureFile(t);
        // Drawn no larger than the tile shows it, whatever its own size.
        const PicturePlace place{pittura[t]->pictureRoom(), PicturePlace::Fit::Shrink};
        const Result<QImage> picture = platform_.pictures.load(file, place, devicePixelRatioF());
        // A picture that cannot be read leaves its tile empty; the genre can
        // still be played.
        if (!picture.ok()) missing.emplace_back(file, picture.error);
        pittura[t]->setPicture(picture.value, [this, file, place](double ratio) {
            return platform_.pictures.load(file, place, ratio).value;
        });
        pittura[t]->setToolTip(toUnicode(session_.GenreNames[t]));
        pittura[t]->setAccessibleName(toUnicode(session_.GenreNames[t]));
        pittura[t]->setBackground(paletteColour(Genres[t].tileColour));
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
    if (game_) game_->dropJournal(); // ended unrecorded, as ever
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
    auto* form = new Form2(session_, platform_, records_); // deleted as it closes
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
    // Closing the launcher from the title bar ends the program, as "&Fine";
    // a game still open keeps its score, as at the session's end.
    e->ignore();
    if (game_) game_->endUnattended();
    Command1_Click();
}

void Form1::keepNameUnattended()
{
    // Still in the name box, the name typed has not been saved yet.
    if (QApplication::focusWidget() != Text1 || nameAlreadySaved(session_.PlayerName)) return;
    if (const Error e = writePlayerName(platform_.files, session_.PlayerName); e != Error::None)
        std::fprintf(stderr, "parolix: %s\n", toUnicode(settingsSaveFailedMessage(e)).toLocal8Bit().constData());
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
