// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// How the launcher is put together: its title, the genre tiles, the name box,
// the buttons and the link, in named steps.
#include "launcher/Form1.h"

#include "desktop/Text.h"
#include "launcher/Form1Text.h"
#include "launcher/LauncherAccessible.h"
#include "ui/Artwork.h"
#include "ui/Colours.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/Messages.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Tile and caption positions in twips, as the game was drawn.
constexpr int TileLeft[8] = {270, 2145, 4005, 5880, 300, 2175, 4035, 5910};
constexpr int TileTop[2] = {690, 2940};
constexpr int CaptionTop[2] = {2400, 4650};

} // namespace

Form1::Form1(Session& session, Platform& platform, RecordsTable& records, QWidget* parent)
    : QWidget(parent), session_(session), platform_(platform), records_(records)
{
    setWindowTitle(toUnicode(form1text::Caption));
    setWindowIcon(Artwork::windowIcon());
    setFixedSize(px(7980), px(6195));
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
    for (int t = 0; t < 8; ++t) {
        int row = t / 4;
        pittura[t] = new GenreTile(static_cast<int16_t>(t), this);
        pittura[t]->setGeometry(twipRect(TileLeft[t], TileTop[row], 1755, 1665));
        connect(pittura[t], &GenreTile::clicked, this, &Form1::pittura_Click);
        connect(pittura[t], &GenreTile::mouseMoved, this, &Form1::pittura_MouseMove);
        Label3[t] = new QLabel(this);
        Label3[t]->setGeometry(twipRect(TileLeft[t], CaptionTop[row], 1785, 225));
        Label3[t]->setFont(captionFont);
        Label3[t]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

void Form1::createNameBox(const QFont& labelFont)
{
    Label1 = new QLabel(toUnicode(form1text::PlayerLabel), this);
    Label1->setGeometry(twipRect(300, 5250, 1515, 525));
    Label1->setFont(labelFont);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Text1 = new QLineEdit(this);
    Text1->setGeometry(twipRect(1890, 5100, 3615, 645));
    Text1->setFont(gameFont("Arial", 24.75, true));
    Text1->setMaxLength(NameBoxMax);
    Text1->setTextMargins(0, 0, 0, 0);
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
}

void Form1::createButtons()
{
    Command2 = new QPushButton(toUnicode(form1text::HelpButton), this);
    Command2->setGeometry(twipRect(5610, 5130, 615, 645));
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);

    Command1 = new QPushButton(toUnicode(form1text::EndButton), this);
    Command1->setGeometry(twipRect(6330, 5130, 1395, 645));
    Command1->setToolTip(toUnicode(form1text::EndButtonTip));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    for (QPushButton* b : {Command1, Command2}) b->setAutoDefault(false);
}

void Form1::createWebLink()
{
    Label4 = new LinkLabel(this);
    Label4->setText(toUnicode(WebSiteText));
    Label4->setGeometry(twipRect(2670, 5880, 2145, 255));
    Label4->setFont(gameFont("Tahoma", 9.75, false, true));
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
    Picture1->setGeometry(twipRect(1770, 6300, 510, 510));
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
    makeLauncherAccessible(); // a window; the heading's shadow left out
}

void Form1::setTabOrders()
{
    setTabOrder(Text1, pittura[0]);
    for (int t = 0; t < 7; ++t) setTabOrder(pittura[t], pittura[t + 1]);
    setTabOrder(pittura[7], Command1);
    setTabOrder(Command1, Command2);
}
