#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace ui {

/// A share chosen by the user, and the tick box beside it.
struct Anteil {
    int prozent = 50;
    bool haken = false;
};

/// Every modal dialog of the program goes through this interface, so tests can answer them.
class Dialoge {
public:
    virtual ~Dialoge() = default;
    /// Open dialog in `ordner`, offering the filters ("Welten (*.vir);;Alle Dateien (*)");
    /// the chosen path, or nothing on cancel.
    virtual std::optional<QString> dateiOeffnen(QWidget* eltern, const QString& titel, const QString& ordner,
                                                const QString& filter) = 0;
    /// Save dialog in `ordner` proposing the name `vorschlag`; a name typed without an ending gets
    /// the one of the chosen filter. The chosen path, or nothing on cancel.
    virtual std::optional<QString> dateiSpeichern(QWidget* eltern, const QString& titel, const QString& ordner,
                                                  const QString& vorschlag, const QString& filter) = 0;
    /// Colour dialog; the chosen colour, or nothing on cancel.
    virtual std::optional<QColor> farbe(QWidget* eltern) = 0;
    /// Input box at a screen position; the entered text, or nothing on cancel.
    virtual std::optional<QString> eingabe(QWidget* eltern, const QString& titel, const QString& frage,
                                           const QString& vorgabe, QPoint ort) = 0;
    /// A share in percent (0..100) asked with `frage`, starting at `vorgabe`; with a tick box
    /// captioned `haken` unless it is empty. The choice, or nothing on cancel.
    virtual std::optional<Anteil> anteil(QWidget* eltern, const QString& titel, const QString& frage, Anteil vorgabe,
                                         const QString& haken) = 0;
    /// Information box with an OK button.
    virtual void information(QWidget* eltern, const QString& titel, const QString& text) = 0;
    /// Warning box with an OK button.
    virtual void warnung(QWidget* eltern, const QString& titel, const QString& text) = 0;
    /// A question with the given buttons, the last of them the one that cancels; the index of the
    /// button chosen (closing the box chooses the last).
    virtual int frage(QWidget* eltern, const QString& titel, const QString& text, const QStringList& knoepfe) = 0;
};

/// The real dialogs of the platform.
class QtDialoge : public Dialoge {
public:
    std::optional<QString> dateiOeffnen(QWidget* eltern, const QString& titel, const QString& ordner,
                                        const QString& filter) override;
    std::optional<QString> dateiSpeichern(QWidget* eltern, const QString& titel, const QString& ordner,
                                          const QString& vorschlag, const QString& filter) override;
    std::optional<QColor> farbe(QWidget* eltern) override;
    std::optional<QString> eingabe(QWidget* eltern, const QString& titel, const QString& frage,
                                   const QString& vorgabe, QPoint ort) override;
    std::optional<Anteil> anteil(QWidget* eltern, const QString& titel, const QString& frage, Anteil vorgabe,
                                 const QString& haken) override;
    void information(QWidget* eltern, const QString& titel, const QString& text) override;
    void warnung(QWidget* eltern, const QString& titel, const QString& text) override;
    int frage(QWidget* eltern, const QString& titel, const QString& text, const QStringList& knoepfe) override;

private:
    QColor letzteFarbe_ = Qt::black;  // the dialog keeps its last colour between uses
};

}  // namespace ui
