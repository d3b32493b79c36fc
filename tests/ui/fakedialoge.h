#pragma once

#include <QStringList>
#include <deque>

#include "ui/dialoge.h"

/// Dialogs answered by the test: each call takes the next prepared answer (cancel when none).
class FakeDialoge : public ui::Dialoge {
public:
    // Prepared answers; a null QString or an invalid QColor answers "cancel".
    std::deque<QString> pfade;
    std::deque<QColor> farben;
    std::deque<QString> eingaben;
    QStringList meldungen;  // "titel|text" of every message box shown
    QStringList aufrufe;    // what was asked, with its arguments

    std::optional<QString> dateiOeffnen(QWidget*, const QString& ordner, const QString& muster) override {
        aufrufe << "oeffnen|" + ordner + "|" + muster;
        return naechste(pfade);
    }
    std::optional<QString> dateiSpeichern(QWidget*, const QString& ordner, const QString& name) override {
        aufrufe << "speichern|" + ordner + "|" + name;
        return naechste(pfade);
    }
    std::optional<QColor> farbe(QWidget*) override {
        aufrufe << "farbe";
        return naechste(farben);
    }
    std::optional<QString> eingabe(QWidget*, const QString& titel, const QString& frage, const QString& vorgabe,
                                   QPoint ort) override {
        aufrufe << QStringLiteral("eingabe|%1|%2|%3|%4,%5").arg(titel, frage, vorgabe).arg(ort.x()).arg(ort.y());
        return naechste(eingaben);
    }
    void information(QWidget*, const QString& titel, const QString& text) override {
        meldungen << titel + "|" + text;
    }
    void warnung(QWidget*, const QString& titel, const QString& text) override { meldungen << titel + "|" + text; }

private:
    static std::optional<QString> naechste(std::deque<QString>& q) {
        if (q.empty()) return std::nullopt;
        const QString a = q.front();
        q.pop_front();
        if (a.isNull()) return std::nullopt;
        return a;
    }
    static std::optional<QColor> naechste(std::deque<QColor>& q) {
        if (q.empty()) return std::nullopt;
        const QColor a = q.front();
        q.pop_front();
        if (!a.isValid()) return std::nullopt;
        return a;
    }
};
