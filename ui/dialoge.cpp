#include "ui/dialoge.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace ui {

std::optional<QString> QtDialoge::dateiOeffnen(QWidget* eltern, const QString& ordner,
                                               const QString& muster) {
    const QString pfad = QFileDialog::getOpenFileName(eltern, QString(), ordner, muster);
    if (pfad.isEmpty()) return std::nullopt;
    return pfad;
}

std::optional<QString> QtDialoge::dateiSpeichern(QWidget* eltern, const QString& ordner,
                                                 const QString& name) {
    // The name field may hold a full path from an earlier use.
    const QString start = name.isEmpty() ? ordner : QDir(ordner).filePath(name);
    const QString pfad = QFileDialog::getSaveFileName(eltern, QString(), start);
    if (pfad.isEmpty()) return std::nullopt;
    return pfad;
}

std::optional<QColor> QtDialoge::farbe(QWidget* eltern) {
    const QColor f = QColorDialog::getColor(letzteFarbe_, eltern);
    if (!f.isValid()) return std::nullopt;
    letzteFarbe_ = f;
    return f;
}

std::optional<QString> QtDialoge::eingabe(QWidget* eltern, const QString& titel,
                                          const QString& frage, const QString& vorgabe,
                                          QPoint ort) {
    QInputDialog dialog(eltern);
    dialog.setWindowTitle(titel);
    dialog.setLabelText(frage);
    dialog.setTextValue(vorgabe);
    dialog.move(ort);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

void QtDialoge::information(QWidget* eltern, const QString& titel, const QString& text) {
    QMessageBox::information(eltern, titel, text);
}

void QtDialoge::warnung(QWidget* eltern, const QString& titel, const QString& text) {
    QMessageBox::warning(eltern, titel, text);
}

}  // namespace ui
