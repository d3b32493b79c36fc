#pragma once

#include <QMainWindow>

#include "ui/sprache.h"
#include "werkbank/werkbank.h"

class QAction;

namespace ui {

class Dialoge;
class Fusszeile;
class FeldTafel;
class StartTafel;
class Tafel;
class frmMatrix;
class frmVerlauf;
class frmZensus;

/// The main window: shows the workbench model in its panels and forwards what the user does to
/// it; the menus and the file dialogs are its own.
class frmVireo : public QMainWindow, private werkbank::Beobachter {
    Q_OBJECT
public:
    /// Builds the window around a new model and runs the model's start-up.
    explicit frmVireo(Dialoge& dialoge, QWidget* eltern = nullptr);
    ~frmVireo() override;

    werkbank::Werkbank& modell() { return modell_; }
    /// The clock's timer.
    QTimer* uhr() const;
    /// Opens a world or pattern file named on the command line, all or nothing.
    void oeffneDatei(const QString& pfad);

protected:
    /// Return starts and stops the clock, Space makes a step, unless a text box is being typed in.
    void keyPressEvent(QKeyEvent* ereignis) override;
    /// The close box ends the program like "beenden".
    void closeEvent(QCloseEvent* ereignis) override;
    /// Tells every caption, menu and text of the window and its second windows in the chosen language.
    void changeEvent(QEvent* ereignis) override;

private slots:
    void oeffnen();
    void speichern();
    void importieren();
    void exportieren();
    void kopieren();
    void einfuegen();
    void bildSpeichern();
    void animationSpeichern();
    void freieGroesse();
    void matrixOeffnen();
    void verlaufZeigen();
    void zensusZeigen();
    void regelEingeben();
    void zufallsregel();
    void zufallsfeld();
    void neu();
    void beenden();

private:
    void geaendert(std::uint32_t was) override;
    void zelleGemalt(const edit::Gemalt& gemalt) override;
    void baueMenues();
    /// A menu entry captioned from a German source text of the catalogue.
    QAction* eintrag(QMenu* menue, const char* name, const char* quelle);
    /// A menu likewise, placed in the menu bar unless it is placed later.
    QMenu* menue(const char* name, const char* quelle, bool anhaengen = true);
    /// Shows the width of the client area in twips: with or without the example panel.
    void setzeBreite(int twips);
    /// Tells the user what a file verb had to say.
    void melde(const QString& titel, const werkbank::Meldung& meldung);
    /// Saves the world through the save dialog; true when it was saved.
    bool speichereWelt();
    /// Whether the world may be given up: unchanged, saved on request, or discarded by the user.
    bool darfVerwerfen();
    /// Shows what undo and redo would do.
    void zeigeChronik();
    /// Captions the named rules of the rule menu, each with a shortcut letter of its own.
    void beschrifteRegelNamen();
    /// Shows the rule in force in the rule menu.
    void zeigeRegel();

    werkbank::Werkbank modell_;
    Dialoge& dialoge_;
    QWidget* client_;
    StartTafel* startTafel_;
    FeldTafel* feldTafel_;
    Fusszeile* fusszeile_;
    QList<Tafel*> tafeln_;
    frmMatrix* matrix_ = nullptr;    // made at the first opening, then kept
    frmVerlauf* verlauf_ = nullptr;  // likewise
    frmZensus* zensus_ = nullptr;    // likewise
    QAction* regelJetzt_ = nullptr;
    QList<QAction*> regelNamen_;
    std::array<QAction*, 3> groessen_{};
    QAction* rueckgaengig_ = nullptr;
    QAction* wiederholen_ = nullptr;
    std::array<QAction*, 2> sprachen_{};  // "Deutsch", "English"
    Uebersetzer uebersetzer_;
    // What each file dialog's name field held last.
    QString weltName_;
    QString musterName_;
    QString bildName_;
    QString animationName_;
};

}  // namespace ui
