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
    std::deque<int> antworten;  // button indices for questions
    QStringList meldungen;      // "titel|text" of every message box shown
    QStringList aufrufe;        // what was asked, with its arguments

    std::optional<QString> dateiOeffnen(QWidget*, const QString& titel, const QString&, const QString& filter) override {
        aufrufe << "oeffnen|" + titel + "|" + filter;
        return naechste(pfade);
    }
    std::optional<QString> dateiSpeichern(QWidget*, const QString& titel, const QString&, const QString& vorschlag,
                                          const QString& filter) override {
        aufrufe << "speichern|" + titel + "|" + vorschlag + "|" + filter;
        return naechste(pfade);
    }
    std::optional<QColor> farbe(QWidget*) override {
        aufrufe << "farbe";
        if (farben.empty()) return std::nullopt;
        const QColor f = farben.front();
        farben.pop_front();
        if (!f.isValid()) return std::nullopt;
        return f;
    }
    std::optional<QString> eingabe(QWidget*, const QString& titel, const QString& frage, const QString& vorgabe,
                                   QPoint) override {
        aufrufe << "eingabe|" + titel + "|" + frage + "|" + vorgabe;
        return naechste(eingaben);
    }
    void information(QWidget*, const QString& titel, const QString& text) override { meldungen << titel + "|" + text; }
    void warnung(QWidget*, const QString& titel, const QString& text) override { meldungen << titel + "|" + text; }
    int frage(QWidget*, const QString& titel, const QString& text, const QStringList& knoepfe) override {
        aufrufe << "frage|" + titel + "|" + text + "|" + knoepfe.join(',');
        if (antworten.empty()) return static_cast<int>(knoepfe.size()) - 1;
        const int a = antworten.front();
        antworten.pop_front();
        return a;
    }

private:
    static std::optional<QString> naechste(std::deque<QString>& q) {
        if (q.empty()) return std::nullopt;
        const QString a = q.front();
        q.pop_front();
        if (a.isNull()) return std::nullopt;
        return a;
    }
};
