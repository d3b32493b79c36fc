#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "fakedialoge.h"
#include "fensterhilfe.h"
#include "ui/frmvireo.h"


/// Closing the main window with the close box ends the program.
class TestEnde : public QObject, public fensterhilfe::Fenster {
    Q_OBJECT

    QString text(const char* name) { return finde<QLineEdit>(name)->text(); }

private slots:
    void init() { QVERIFY(oeffneWieGestartet()); }
    void cleanup() { schliesse(); }

    void theCloseBoxEndsTheProgramAlsoAfterTheMatrixWindowWasOpen() {
        finde<QAction>("cmdMatrixdef")->trigger();
        QWidget* matrix = QApplication::activeModalWidget();
        QVERIFY(matrix);
        matrix->close();
        QVERIFY(fensterhilfe::endetBei([this] { f->close(); }));
    }
};

QTEST_MAIN(TestEnde)
#include "test_frmvireo_ende.moc"
