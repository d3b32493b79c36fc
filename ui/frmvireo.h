#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

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
};

}  // namespace ui
