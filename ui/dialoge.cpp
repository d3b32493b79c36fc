#include "ui/dialoge.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace ui {

std::optional<QString> QtDialoge::dateiOeffnen(QWidget* eltern, const QString& titel, const QString& ordner,
                                               const QString& filter) {
    const QString pfad = QFileDialog::getOpenFileName(eltern, titel, ordner, filter);
    if (pfad.isEmpty()) return std::nullopt;
    return pfad;
}

std::optional<QString> QtDialoge::dateiSpeichern(QWidget* eltern, const QString& titel, const QString& ordner,
                                                 const QString& vorschlag, const QString& filter) {
    QString gewaehlterFilter;
    const QString start = vorschlag.isEmpty() ? ordner : QDir(ordner).filePath(vorschlag);
    QString pfad = QFileDialog::getSaveFileName(eltern, titel, start, filter, &gewaehlterFilter);
    if (pfad.isEmpty()) return std::nullopt;
    // A name without an ending takes the first ending of the chosen filter.
    const QRegularExpressionMatch endung = QRegularExpression(QStringLiteral("\\*(\\.[^ )]+)")).match(gewaehlterFilter);
    if (QFileInfo(pfad).suffix().isEmpty() && endung.hasMatch()) pfad += endung.captured(1);
    return pfad;
}

std::optional<QColor> QtDialoge::farbe(QWidget* eltern) {
    const QColor f = QColorDialog::getColor(letzteFarbe_, eltern);
    if (!f.isValid()) return std::nullopt;
    letzteFarbe_ = f;
    return f;
}

std::optional<QString> QtDialoge::eingabe(QWidget* eltern, const QString& titel, const QString& frage,
                                          const QString& vorgabe, QPoint ort) {
    QInputDialog dialog(eltern);
    dialog.setWindowTitle(titel);
    dialog.setLabelText(frage);
    dialog.setTextValue(vorgabe);
    // Wide enough that the window manager shows the whole title.
    dialog.setMinimumWidth(dialog.fontMetrics().horizontalAdvance(titel) + 160);
    dialog.move(ort);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

std::optional<Anteil> QtDialoge::anteil(QWidget* eltern, const QString& titel, const QString& frage, Anteil vorgabe,
                                        const QString& haken) {
    QDialog dialog(eltern);
    dialog.setWindowTitle(titel);
    auto* anordnung = new QVBoxLayout(&dialog);
    auto* frageText = new QLabel(frage, &dialog);
    anordnung->addWidget(frageText);
    auto* zahl = new QSpinBox(&dialog);
    frageText->setBuddy(zahl);  // the question names the number for screen readers
    zahl->setObjectName(QStringLiteral("anteil"));
    zahl->setRange(0, 100);
    zahl->setSuffix(QStringLiteral(" %"));
    zahl->setValue(vorgabe.prozent);
    anordnung->addWidget(zahl);
    auto* kasten = new QCheckBox(haken, &dialog);
    kasten->setChecked(vorgabe.haken);
    kasten->setVisible(!haken.isEmpty());
    anordnung->addWidget(kasten);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    anordnung->addWidget(knoepfe);
    dialog.setMinimumWidth(dialog.fontMetrics().horizontalAdvance(titel) + 160);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return Anteil{zahl->value(), kasten->isChecked()};
}

void QtDialoge::information(QWidget* eltern, const QString& titel, const QString& text) {
    QMessageBox::information(eltern, titel, text);
}

void QtDialoge::warnung(QWidget* eltern, const QString& titel, const QString& text) {
    QMessageBox::warning(eltern, titel, text);
}

int QtDialoge::frage(QWidget* eltern, const QString& titel, const QString& text, const QStringList& knoepfe) {
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton, eltern);
    QList<QAbstractButton*> liste;
    for (qsizetype k = 0; k < knoepfe.size(); ++k)
        liste << box.addButton(knoepfe[k], k + 1 == knoepfe.size() ? QMessageBox::RejectRole
                                                                   : k == 0 ? QMessageBox::AcceptRole
                                                                            : QMessageBox::DestructiveRole);
    if (!liste.isEmpty()) box.setDefaultButton(qobject_cast<QPushButton*>(liste.front()));
    box.exec();
    const qsizetype gewaehlt = liste.indexOf(box.clickedButton());
    return gewaehlt < 0 ? static_cast<int>(knoepfe.size()) - 1 : static_cast<int>(gewaehlt);
}

}  // namespace ui
