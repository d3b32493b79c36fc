#pragma once

#include <QWidget>
#include <cstdint>

class QCategoryAxis;
class QChart;
class QLineSeries;
class QScatterSeries;
class QTimer;
class QValueAxis;

namespace werkbank {
class Werkbank;
}

namespace ui {

class Dialoge;

/// The window "Verlauf": the living cells, births and deaths of the current run per generation
/// of the run, with the counter beside, up to the last 10,000 (said when so), with the period
/// marked once it is found. It follows the running clock but draws at most about 10 times a
/// second, and no more points than the chart has pixels to show them.
class frmVerlauf : public QWidget {
    Q_OBJECT
public:
    frmVerlauf(werkbank::Werkbank& modell, Dialoge& dialoge, QWidget* eltern);
    /// Notes what changed in the model; the chart follows at its own pace.
    void zeige(std::uint32_t was);

protected:
    void showEvent(QShowEvent*) override;
    /// Tells the chart's texts anew in the chosen language.
    void changeEvent(QEvent* ereignis) override;

private slots:
    void zeichne();
    void speichern();

private:
    /// The names of the series and the axes' titles.
    void beschrifteDiagramm();

    werkbank::Werkbank& modell_;
    Dialoge& dialoge_;
    QChart* diagramm_;
    QLineSeries* lebende_;
    QLineSeries* geburten_;
    QLineSeries* tode_;
    QScatterSeries* periode_;  // where the period was first found
    QCategoryAxis* achseX_;
    QValueAxis* achseY_;
    QTimer* takt_;  // at most one drawing every 100 ms
    QString dateiName_;
};

}  // namespace ui
