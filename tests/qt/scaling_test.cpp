// The window at the scale factor in QT_SCALE_FACTOR (run at 1 and at 2):
// everything scales together and, with the results of "=" shown, no text is
// clipped by its control.
#include "window/qt/application.h"
#include "window/qt/form2.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using quintora::Form2;
using quintora::textRoom;

namespace {

double scaleFactor() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// Rows of the image holding dark pixels: the height of the ink of a text.
int inkHeight(const QImage& image) {
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 96) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

} // namespace

class ScalingTest : public QObject {
    Q_OBJECT

private slots:
    void theWholeWindowScales() {
        Form2 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const double factor = scaleFactor();
        QCOMPARE(form.devicePixelRatio(), factor);
        const QPixmap shot = form.grab();
        const QSize client(quintora::twipsToPixels(quintora::clientWidth),
                           quintora::twipsToPixels(quintora::clientHeight));
        QCOMPARE(shot.size(), client * factor);
        for (QWidget* w : form.findChildren<QWidget*>()) {
            if (w->parentWidget() != &form)
                continue;
            const QRect inDevicePixels(w->geometry().topLeft() * factor, w->size() * factor);
            QCOMPARE(shot.copy(inDevicePixels).size(), w->size() * factor);
        }
        // The heading's letters are drawn at the scaled size.
        const int ink = inkHeight(form.Label2->grab().toImage());
        const int lineHeight = form.Label2->fontMetrics().height();
        QVERIFY2(ink >= lineHeight * factor * 0.5 && ink <= lineHeight * factor,
                 qPrintable(QString("ink %1 px, line %2").arg(ink).arg(lineHeight)));
    }

    void noTextIsClipped() {
        Form2 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Command1->click();
        for (QLabel* label : form.findChildren<QLabel*>()) {
            const QFontMetrics metrics = label->fontMetrics();
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width() &&
                         metrics.height() <= label->height(),
                     qPrintable(label->objectName()));
        }
        for (QPushButton* button : form.findChildren<QPushButton*>())
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
        for (QLineEdit* edit : form.findChildren<QLineEdit*>()) {
            const QString name = edit->objectName().isEmpty() ? edit->parentWidget()->objectName()
                                                              : edit->objectName();
            const int needed = edit->fontMetrics().horizontalAdvance(edit->text());
            QVERIFY2(needed <= textRoom(edit), qPrintable(QString("%1: \"%2\" needs %3 px, has %4")
                                                              .arg(name, edit->text())
                                                              .arg(needed)
                                                              .arg(textRoom(edit))));
            QVERIFY2(edit->fontMetrics().height() <= edit->height(), qPrintable(name));
        }
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quintora::prepareApplication(app, false);
    ScalingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "scaling_test.moc"
