#pragma once
// The game window: the board, the clock, dragging, placement and the end of a
// game. Each game gets a fresh window; it deletes itself when unloaded.

#include "game/BoardPainter.h"
#include "game/Deal.h"
#include "platform/Platform.h"
#include "records/RecordsTable.h"
#include "session/Session.h"

#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QTimer>

class ClientArea;
class PictureBox;
class DragTile;
class QLabel;
class QListWidget;
class QMouseEvent;
struct RecordLines;

// The modifier keys that, held during a press on the genre picture, print the
// words of the board.
inline constexpr Qt::KeyboardModifiers RevealModifiers = Qt::ControlModifier | Qt::ShiftModifier;

// The window's own texts (code page 1252).
namespace form2text {
inline constexpr const char* CaptionStart = "Parolix   (";   // as the window opens
inline constexpr const char* NameCaptionStart = "Parolix (";  // after the name command
inline constexpr const char* CaptionEnd = ") ";
inline constexpr const char* Congratulations = "Complimenti vivissimi, hai indovinato !!!";
inline constexpr const char* CongratulationsTitle = "Parolix";
inline constexpr const char* GameOverTitle = "Lexorda";
inline constexpr const char* GameOver = "Fine partita";
inline constexpr const char* WrongLetter1 = "Mi dispiace, hai commesso un errore.";
inline constexpr const char* WrongLetter2 = "Questa partita verr\xe0 terminata.";
inline constexpr const char* WrongLetter3 =
    "Per tua conoscenza in quella posizione occorreva piazzare la lettera '";
inline constexpr const char* WrongLetter4 = "' in quanto la parola da indovinare in quella riga era ";
inline constexpr const char* LineBreak = "\r\n";
inline constexpr const char* NoWordList = "Impossibile leggere l'elenco delle parole \"";
inline constexpr const char* NotFound = "\": file non trovato.";
inline constexpr const char* Unreadable = "\": file illeggibile.";
inline constexpr const char* ErrorTitle = "Parolix";
} // namespace form2text

class Form2 : public QMainWindow, public BoardPainter {
    Q_OBJECT
public:
    Form2(Session& session, Platform& platform, RecordsTable& records, QWidget* parent = nullptr);
    ~Form2() override;

    // Sizes, maximizes and shows the window; the first round is dealt once.
    void Form_Load();

    // Commands of the menu bar.
    void Records_Click();   // shows the records table
    void Indietro_Click();  // ends the game: records, end message, unload
    void Nome_Click();      // asks the player's name
    void Difficolt_Click(); // asks the help percentage

    // BoardPainter
    void showGenre(const std::string& name, const std::string& pictureFile) override;
    void drawPoolSlot(int slot, char letter) override;
    void drawTargetRows() override;

    // Event handlers, under the names the game has always used. Coordinates
    // are pixels of the client area.
    void Form_Resize();   // deals a round while the deal gate is open
    void Form_Activate(); // closes the deal gate
    void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void Form_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y);
    void Form_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void Timer1_Timer();
    void List_Click();

    // The controls, named as the game names them.
    PictureBox* Picture1 = nullptr; // genre picture
    QLabel* Label1 = nullptr;       // genre name
    QLabel* Label2 = nullptr;       // clock
    QLabel* Label3 = nullptr;       // score
    DragTile* Picture2 = nullptr;   // drag tile
    QListWidget* List = nullptr;    // records table
    QTimer* Timer1 = nullptr;       // the one-second clock

    // The client area, which takes the mouse, and what is drawn on it.
    QWidget* clientArea() const;
    const QImage& boardImage() const;
    int ScaleWidth() const;
    // The first round has been dealt.
    bool firstDealDone() const { return firstDealDone_; }
    // The game is over (or could not start) and the window is going away.
    bool isUnloaded() const { return unloaded_; }

signals:
    // The window has been unloaded; the launcher is in front again.
    void unloaded();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Unload();
    void UpdateRecords();
    void ShowRecords();
    void fillList(const RecordLines& lines);

    void considerFirstDeal();
    void firstDeal();
    bool looksMaximized() const;
    void closeWithoutGame(const std::string& message);
    void dropCarried(double x, double y);
    void endOfDrag();

    // Drawing on the persistent image.
    void fillBox(int left, int top, int right, int bottom, QColor colour);
    void outlineBox(int left, int top, int right, int bottom, QColor colour);
    void drawCell(int x, int y, QColor fill, QColor outline);
    // Prints at the text position and moves it on: past the text, or to the
    // start of the next line.
    void print(const std::string& text, bool lineBreak);

    Session& s_;
    Platform& p_;
    RecordsTable& records_;
    Dealer dealer_;
    ClientArea* client_ = nullptr;

    QFont font_;                  // the window's font, for every letter on the board
    QColor foreColor_{255, 0, 0}; // the window's text colour
    double CurrentX = 0, CurrentY = 0;

    QTimer settleTimer_;          // first deal when no maximizing size arrives
    bool firstDealDone_ = false;
    bool unloaded_ = false;
};
