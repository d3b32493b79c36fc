#pragma once

#include <QStringList>
#include <deque>

#include "ui/dialoge.h"

/// Dialogs answered by the test: each call takes the next prepared answer (cancel when none).
class FakeDialoge : public ui::Dialoge {
public:
    std::deque<std::optional<QString>> pfade;
    std::deque<std::optional<QColor>> farben;
    std::deque<std::optional<QString>> eingaben;
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
    template <typename T>
    static std::optional<T> naechste(std::deque<std::optional<T>>& q) {
        if (q.empty()) return std::nullopt;
        auto a = q.front();
        q.pop_front();
        return a;
    }
};
