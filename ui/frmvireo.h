#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <memory>

#include "edit/scrollen.h"
#include "engine/schritt.h"
#include "engine/welt.h"
#include "ui/dialoge.h"
#include "ui/qtzeichenflaeche.h"
#include "ui/widgets.h"
#include "view/feldansicht.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

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

private:
    void baueMenue();
    void baueFeld();
    void baueStart();
    void baueWahl();
    void baueFarbe();
    void baueRand();

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
    QLineEdit* txthilfe = nullptr;
    std::unique_ptr<QtTextFeld> hilfeAusgabe_;
    std::unique_ptr<edit::Scrollen> scrollen_;
    // Hold-to-repeat of an arrow: the pause runs on a monotonic clock.
    QTimer* scrollUhr_ = nullptr;
    QElapsedTimer scrollPause_;
    int scrollRichtung_ = 0;
};

}  // namespace ui
