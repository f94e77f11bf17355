// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "about/Form3.h"

#include "gamewindow/Form2Text.h"

#include "Identity.h"
#include "desktop/Platform.h"
#include "ui/Look.h"
#include "ui/Messages.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

// Everything the about box says, in one place (code page 1252); the web
// address it shows is in ui/Messages.h, as the launcher shows it too.

namespace form3text {
inline constexpr const char* Caption = "Parolix Vers. 3.00";
inline constexpr const char* Contact = "Parolix Team  -  " PAROLIX_CONTACT;
inline constexpr const char* MadeIn = "Made in Italy";
inline constexpr const char* Ok = "&OK";
// The pictures, for screen readers.
inline constexpr const char* EmblemName = "Emblema di Parolix: due carte con le lettere";
inline constexpr const char* FlagName = "Bandiera italiana";
} // namespace form3text

namespace {

// A sunken picture box that fits its picture and its border.
QLabel* pictureBox(QWidget* parent, const QPixmap& picture, const QRect& geometry, const QColor& back)
{
    auto* box = new QLabel(parent);
    box->setGeometry(geometry);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(2);
    box->setAlignment(Qt::AlignCenter);
    box->setAutoFillBackground(true);
    setColours(box, {{QPalette::Window, back}});
    box->setPixmap(picture);
    return box;
}

// The box is a dialog to a screen reader, which then reads its labels as it
// opens; as a plain window only its title would be heard.
QAccessibleInterface* aboutBoxReading(const QString& className, QObject* object)
{
    if (className != QLatin1String("Form3")) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
}
} // namespace

Form3::Form3(QWidget* gameWindow, Platform& platform)
    : QWidget(nullptr, Qt::Dialog), game_(gameWindow), platform_(platform)
{
    QAccessible::installFactory(aboutBoxReading); // Qt keeps one of each
    // Not a child of the game window: disabling that would disable the box.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toUnicode(form3text::Caption));
    // Read "Versione 3.00", not the abbreviation's letters.
    setAccessibleName(toUnicode(form2text::versionSpoken(form3text::Caption)));
    setFixedSize(px(6465), px(3540));
    setColours(this, {{QPalette::Window, QColor(192, 192, 192)}, {QPalette::Button, QColor(192, 192, 192)}});
    setAutoFillBackground(true);
    setFont(gameFont("MS Sans Serif", 8.25, true));
    setMouseTracking(true);

    Picture1 = pictureBox(this, Artwork::emblem(), twipRect(120, 120, 1410, 1770), QColor(192, 192, 192));
    Picture1->setAccessibleName(toUnicode(form3text::EmblemName));

    createWebLink();
    createLabels();

    // The flag is drawn on the title-bar text colour, white.
    Picture2 = pictureBox(this, Artwork::flag(), twipRect(330, 2490, 960, 765), QColor(255, 255, 255));
    Picture2->setAccessibleName(toUnicode(form3text::FlagName));
    Picture2->setMouseTracking(true);
    Picture2->installEventFilter(this);

    createOkButton();
    keepColoursUnderStyleSheets(*this);
}

void Form3::createWebLink()
{
    auto* web = new LinkLabel(this);
    web->setText(toUnicode(WebSiteText));
    web->setFont(gameFont("Tahoma", 12, true, true));
    web->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The address must be read whole: a wider text widens the label about
    // its centre.
    placeWhole(*web, twipRect(2760, 2070, 2355, 315), width());
    setColours(web, {{QPalette::WindowText, QColor(0, 0, 255)}});
    connect(web, &LinkLabel::mouseMoved, this, [this] { Label1_MouseMove(0); });
    Label1[0] = web;
}

void Form3::createLabels()
{
    Label1[1] = new QLabel(toUnicode(form3text::MadeIn), this);
    Label1[1]->setGeometry(twipRect(90, 2280, 1440, 210));
    Label1[1]->setFont(gameFont("Tahoma", 9, false));

    Label1[2] = new QLabel(toUnicode(form3text::Contact), this);
    Label1[2]->setGeometry(twipRect(1770, 1500, 4485, 420));
    Label1[2]->setFont(gameFont("Tahoma", 9, false));
    setColours(Label1[2], {{QPalette::WindowText, QColor(255, 0, 0)}});
    for (QLabel* l : Label1) l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void Form3::createOkButton()
{
    Command3d1 = new QPushButton(toUnicode(form3text::Ok), this);
    Command3d1->setGeometry(twipRect(1740, 2490, 4395, 765));
    Command3d1->setFont(gameFont("Tahoma", 9.75, false));
    Command3d1->setMouseTracking(true);
    Command3d1->installEventFilter(this);
    connect(Command3d1, &QPushButton::clicked, this, &Form3::Command3d1_Click);
    // The box's only button: Enter presses it too.
    Command3d1->setAutoDefault(true);
    Command3d1->setFocus();
}

void Form3::Form_Load()
{
    centreOnScreenOnceFramed(*this, game_ ? game_->screen() : screen());
    // The clock of the game window keeps ticking; only its input stops.
    if (game_) game_->setEnabled(false);
    // Kept above the game window by the window manager, so a click on the
    // disabled game window cannot bury the box.
    winId();
    if (game_ && game_->windowHandle() && windowHandle()) windowHandle()->setTransientParent(game_->windowHandle());
    bringToFront(*this);
}

void Form3::Command3d1_Click()
{
    close();
}

void Form3::Form_MouseMove()
{
    platform_.pointer.set(PointerShape::Arrow);
}
void Form3::Command3d1_MouseMove()
{
    platform_.pointer.set(PointerShape::Arrow);
}
void Form3::Picture2_MouseMove()
{
    platform_.pointer.set(PointerShape::Arrow);
}

void Form3::Label1_MouseMove(int16_t Index)
{
    if (Index == 0) platform_.pointer.set(PointerShape::Hand);
}

void Form3::closeEvent(QCloseEvent* e)
{
    // "&OK", the title bar and Esc all close the box the same way, so the
    // game window never stays disabled.
    if (!closed_) {
        closed_ = true;
        if (game_) {
            game_->setEnabled(true);
            bringToFront(*game_);
        }
        platform_.pointer.set(PointerShape::Arrow);
    }
    e->accept();
}

void Form3::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Form3::mouseMoveEvent(QMouseEvent* e)
{
    // Only the bare background sets the arrow; the emblem and the other
    // labels leave the pointer as it was.
    if (!childAt(e->position().toPoint())) Form_MouseMove();
    QWidget::mouseMoveEvent(e);
}

bool Form3::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseMove) {
        if (watched == Command3d1) Command3d1_MouseMove();
        else if (watched == Picture2) Picture2_MouseMove();
    }
    return QWidget::eventFilter(watched, e);
}
