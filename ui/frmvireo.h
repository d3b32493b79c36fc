#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "edit/maus.h"
#include "edit/scrollen.h"
#include "engine/schritt.h"
#include "engine/welt.h"
#include "history/periode.h"
#include "run/uhr.h"
#include "ui/dialoge.h"
#include "ui/qtzeichenflaeche.h"
#include "ui/widgets.h"
#include "view/farbwahl.h"
#include "view/feldansicht.h"
#include "view/feldgroesse.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace storage {
struct WeltDatei;
}

namespace ui {

/// The main window: owns the world and every control; handlers delegate to the libraries.
class frmVireo : public QMainWindow {
    Q_OBJECT
public:
    explicit frmVireo(Dialoge& dialoge, QWidget* eltern = nullptr);
    ~frmVireo() override;

    engine::Welt& welt() { return *welt_; }
    view::Anzeige& anzeige() { return anzeige_; }
    QtZeichenflaeche& flaeche() { return flaeche_; }

    /// The rule as the 18 boxes show it; only a ticked box counts.
    engine::Regel regel() const;
    /// The edge mode whose option button is set.
    engine::Rand rand() const;

    /// Complete redraw of the field with size n; shown when the running handler ends.
    void zeichneFeld(int n);

    // Start-up.
    void Form_Load();

    // Generation step and rules.
    void cmdEinzelschritt_Click();

    // Field view.
    void cmdRea_Click();

    // Shell actions.
    void cmdNeu_Click();
    void cmdEnde_Click();
    void Command7_Click();

    // Help line.
    /// Writes text into the help line.
    void zeigeHilfe(const QString& text);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    /// The close box ends the program like "beenden".
    void closeEvent(QCloseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

public:
    // Clock, time-lapse and generation memory.
    void cmdLauf_Click();
    void Command2_Click();
    void Timer1_Timer();
    void HScroll1_Change();
    void HScroll1_Scroll();
    void Command8_Click();
    void Command9_Click();
    void HScroll2_Change();
    void HScroll2_Scroll();
    void Command11_Click();
    /// The clock's timer; it ticks all the time, the run flag decides what a tick does.
    QTimer* uhr() const { return Timer1; }

private:
    void baueUhr();
    void baueRueckblende();
    /// Runs the next slice of the current tick and shows its last state.
    void zeitrafferWeiter();

    QTimer* Timer1 = nullptr;
    QTimer* zeitrafferTakt_ = nullptr;  // continues a tick that runs longer than one slice
    run::Zeitraffer zeitraffer_;
    QPushButton* cmdLauf = nullptr;
    QPushButton* Command2 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text4 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QLineEdit* Text6 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QPushButton* Command11 = nullptr;
    int rueckIndex = 0;  // the slot shown by the latest look-back

private:
    void baueMenue();
    void baueFeld();
    void baueStart();
    void baueWahl();
    void baueFarbe();
    void baueRand();
    void baueHilfe();
    void baueShell();
    /// Lets every control of the help table explain itself on hover; call after all controls exist.
    void hilfeEinrichten();

    Dialoge& dialoge_;
    std::unique_ptr<engine::Welt> welt_;
    view::Anzeige anzeige_;
    QtZeichenflaeche flaeche_;

    QWidget* client_ = nullptr;
    QWidget* Picture1 = nullptr;  // the control panel

    // Field and bottom line.
    FeldBild* picAusgabe = nullptr;
    QLineEdit* Text12 = nullptr;
    std::unique_ptr<QtTextFeld> text12Ausgabe_;

    // Section "Start".
    QPushButton* cmdEinzelschritt = nullptr;
    QLineEdit* txtSchritt = nullptr;

    // Section "Wahl der Welt".
    std::array<QCheckBox*, 9> Check1{};
    std::array<QCheckBox*, 9> Check2{};

    // Section "Farbe".
    Farbfeld* Picture9 = nullptr;
    Farbfeld* Picture4 = nullptr;
    Farbfeld* Picture10 = nullptr;
    Farbfeld* Picture5 = nullptr;
    Farbfeld* Picture13 = nullptr;

    // Section "Randoptionen".
    std::array<QRadioButton*, 3> Option1{};

    // Help line and credits.
    QLineEdit* txthilfe = nullptr;
    QPushButton* Command7 = nullptr;

    // Menu bar.
    QMenu* cmdDatei = nullptr;
    QAction* cmdNeu = nullptr;
    QAction* cmdLaden = nullptr;
    QAction* cmdSpeichern = nullptr;
    QAction* cmdEnde = nullptr;
    QMenu* cmdRaster = nullptr;
    QAction* cmd30 = nullptr;
    QAction* cmd50 = nullptr;
    QAction* cmd90 = nullptr;
    QAction* cmdfrei = nullptr;
    QAction* cmdRea = nullptr;
    QAction* cmdMatrixdef = nullptr;

    // Neighbour matrix.
public:
    /// Opens the neighbour-matrix window modal; it is made at the first opening and then kept.
    void cmdMatrixdef_Click();

private:
    void baueMatrix();
    class frmMatrix* matrix_ = nullptr;  // a window of its own, owned as a child
    // --- Mouse editing, field size and colour fields ---
public:
    edit::Maus& maus() { return maus_; }

    void picAusgabe_MouseDown(int knopf, double x, double y);
    void picAusgabe_MouseMove(int knopf, double x, double y);
    void picAusgabe_MouseUp(int knopf, double x, double y);
    void Command10_Click(int index);
    void Command1_Click();

    void cmd30_Click();
    void cmd50_Click();
    void cmd90_Click();
    void cmdfrei_Click();

    void Label17_Click();
    void Picture9_Click();
    void Label6_Click();
    void Picture4_Click(int index);
    void Label18_Click();
    void Picture10_Click();
    void Label7_Click();
    void Picture5_Click(int index);
    void Label22_Click();
    void Picture13_Click();

private:
    void baueMaus();
    void baueAnzeige();
    /// Sets the field size, redraws and moves the check mark as the choice says.
    void waehleGroesse(const view::Groessenwahl& wahl);
    /// Asks for a colour for a colour field; on OK the field, what it stands for and the view change.
    void waehleFarbe(Farbfeld* feld, view::FarbZiel ziel);

    edit::Maus maus_;
    QLabel* Label19 = nullptr;
    std::array<QPushButton*, 2> Command10{};
    QWidget* Shape4 = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    std::unique_ptr<QtTextFeld> text2Ausgabe_;
    std::unique_ptr<QtTextFeld> text3Ausgabe_;
    // --- end of mouse editing, field size and colour fields ---
    // World files.
public:
    /// "öffnen": loads a chosen ".vir" file completely or, with a message, not at all.
    void cmdLaden_Click();
    /// "speichern": saves the world; an old file is replaced only by a complete new one.
    void cmdSpeichern_Click();

private:
    void baueDateien();
    std::unique_ptr<storage::WeltDatei> alsWeltDatei() const;
    void uebernimm(const storage::WeltDatei& datei);
    QString cdlDateiName_;  // what the file dialog's name field last held
    // ---- Examples, edge-mode picture and scrolling (frmvireo_beispiele.cpp, frmvireo_scroll.cpp) ----
public:
    /// Inserts example pattern `index` and redraws.
    void cmdEinf_Click(int index);
    /// Narrows the window so that the example panel is cut off.
    void Command6_Click();
    /// Widens the window so that the example panel shows whole.
    void Command5_Click();
    /// Shows the edge-mode picture over the field.
    void Command4_Click();
    /// Hides the edge-mode picture.
    void Command3_Click();

    /// Sets the wheels' coordinate systems and draws both wheels; part of start-up.
    void zeichneRaederStart();
    /// One scroll step in direction `index` by a "1" button (also used by the wheels).
    void cmdScroll1_Click(int index);
    /// Starts scrolling in direction `index` while the arrow is held; a press however short scrolls once.
    void cmdScroll_MouseDown(int index);
    void cmdScroll_MouseUp();
    void Picture7_MouseDown(float x);
    void Picture7_MouseMove(float x);
    void Picture7_MouseUp();
    void Picture11_MouseDown(float y);
    void Picture11_MouseMove(float y);
    void Picture11_MouseUp();
    /// The wheels' state: scrollGedrueckt, radWinkel, radLetztesX, radLetztesY.
    const edit::Scrollen& scrollen() const { return *scrollen_; }

private:
    void baueBeispiele();
    void baueRandBild();
    void baueScroll();
    void scrollTakt();
    void zeigeRaeder();

    QWidget* Picture8 = nullptr;  // the example panel
    std::array<QPushButton*, 17> cmdEinf{};
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QWidget* Picture6 = nullptr;  // the edge-mode picture
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;

    std::array<QPushButton*, 4> cmdScroll{};
    std::array<QPushButton*, 4> cmdScroll1{};
    std::unique_ptr<QtZeichenflaeche> rad7_;
    std::unique_ptr<QtZeichenflaeche> rad11_;
    FeldBild* Picture7 = nullptr;   // horizontal wheel
    FeldBild* Picture11 = nullptr;  // vertical wheel
    std::array<QWidget*, 4> Picture12{};
    std::unique_ptr<QtTextFeld> hilfeAusgabe_;
    std::unique_ptr<edit::Scrollen> scrollen_;
    // Hold-to-repeat of an arrow: the pause runs on a monotonic clock.
    QTimer* scrollUhr_ = nullptr;
    QElapsedTimer scrollPause_;
    int scrollRichtung_ = 0;
    // ---- Pattern formats, clipboard, command line and keys (frmvireo_muster.cpp) ----
public:
    /// "Muster importieren…": inserts an RLE, plaintext or Life 1.06 file's pattern in state 1.
    void cmdImport_Click();
    /// "Muster exportieren…": saves the living cells of the visible field as RLE.
    void cmdExport_Click();
    /// "Muster kopieren": the living cells of the visible field as RLE to the clipboard.
    void cmdKopieren_Click();
    /// "Muster einfügen": inserts the clipboard's pattern like an imported one.
    void cmdEinfuegen_Click();
    /// Opens a world (".vir") or pattern file named on the command line, all or nothing.
    void oeffneDatei(const QString& pfad);

private:
    void baueMuster();
    /// Loads the world file at `pfad` completely or, with a message, not at all.
    void ladeWelt(const QString& pfad);
    /// Inserts the pattern of `text`, taking over rule and edge where possible; on refusal a
    /// message and nothing changed. `leeren` clears the cells first.
    bool fuegeMusterEin(const std::string& text, const QString& titel, const QString& herkunft, bool leeren);
    /// Reads the pattern file at `pfad` and inserts its pattern, all or nothing.
    void importiereDatei(const QString& pfad, const QString& titel, bool leeren);
    QAction* cmdImport = nullptr;
    QAction* cmdExport = nullptr;
    QMenu* cmdBearbeiten = nullptr;
    QAction* cmdKopieren = nullptr;
    QAction* cmdEinfuegen = nullptr;
    QString exportName_;  // what the export dialog's name field last held
    // ---- end of pattern formats ----
    // ---- Period display, pictures and animations (frmvireo_bilder.cpp) ----
public:
    /// "Bild speichern…": the field as it is shown, as a PNG file.
    void cmdBild_Click();
    /// "Animation speichern…": the states of the current run, oldest first, as an animated GIF.
    void cmdAnimation_Click();
    /// Starts a new run of the period search at the present field; call after every change of it.
    void neuerLauf();
    /// Lets the period search see the step just made; call after every step.
    void schrittGesehen();
    const history::Periodensuche& periodensuche() const { return periodensuche_; }

private:
    void baueBilder();
    void zeigeBefund();
    /// Writes inhalt to pfad all or nothing; without inhalt, or on failure, a warning tells why.
    void speichereDatei(const QString& titel, const QString& pfad, const std::optional<std::string>& inhalt,
                        const std::string& kodierFehler);

    static constexpr int kBefundLinks = 2460;
    static constexpr int kBefundBreite = 1200;
    history::Periodensuche periodensuche_;
    QLineEdit* txtBefund = nullptr;
    QAction* cmdBild = nullptr;
    QAction* cmdAnimation = nullptr;
    QString bildName_;       // what the file dialog's name field last held
    QString animationName_;
    // ---- end of period display, pictures and animations ----
};

}  // namespace ui
