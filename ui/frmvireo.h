#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "engine/schritt.h"
#include "engine/welt.h"
#include "run/uhr.h"
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
class QScrollBar;
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
    QLineEdit* txthilfe = nullptr;
    int rueckIndex = 0;  // the slot shown by the latest look-back

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
};

}  // namespace ui
