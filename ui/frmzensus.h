#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <cstdint>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace werkbank {
class Werkbank;
struct Meldung;
}

namespace ui {

class Dialoge;

/// The window "Zensus": runs a census of random soups under the rule in force and shows what
/// it finds, most frequent first, while it runs; hands an object or the soup that brought it to
/// the field. The census runs in the model's worker threads; the window asks for its stand
/// four times a second, so it and the clock stay responsive.
class frmZensus : public QWidget {
    Q_OBJECT
public:
    frmZensus(werkbank::Werkbank& modell, Dialoge& dialoge, QWidget* eltern);
    /// Notes what changed in the model: the rule and neighbours in force.
    void zeige(std::uint32_t was);

protected:
    void showEvent(QShowEvent*) override;
    /// A hidden window asks for nothing; the census runs on.
    void hideEvent(QHideEvent*) override;
    /// Tells the texts that are not captions anew in the chosen language.
    void changeEvent(QEvent* ereignis) override;

private slots:
    void starten();
    void anhalten();
    void aktualisiere();
    void objektEinfuegen(int reihe);
    void suppeZeigen();
    void speichern();

private:
    /// The code of the selected line; empty when none.
    QString gewaehlterCode() const;
    /// A small picture of the object a code names; a null picture when it names none.
    QPixmap bild(const QString& code);
    void melde(const QString& titel, const werkbank::Meldung& meldung);
    /// The placeholder, the table's head and the tooltips in the chosen language.
    void beschrifteUebrige();

    werkbank::Werkbank& modell_;
    Dialoge& dialoge_;
    QLabel* regel_;
    QSpinBox* suppen_;
    QLineEdit* wurzel_;
    QPushButton* start_;
    QPushButton* stopp_;
    QPushButton* suppe_;
    QLabel* kopf_;  // what the census shown is about
    QProgressBar* fortschritt_;
    QLabel* tempo_;
    QTableWidget* tabelle_;
    QTimer* takt_;
    QHash<QString, QPixmap> bilder_;
    QString dateiName_;
};

}  // namespace ui
