// Thousands of rounds of random typing and "=" presses with a fixed seed:
// the window survives every one, outputs are always empty or number texts,
// and a pass never alters what the user typed.
#include "core/number.h"
#include "window/qt/application.h"
#include "window/qt/form2.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <random>

using quintora::Form2;

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomTypingAndPresses() {
        Form2 form;
        form.show();
        std::mt19937 random(20261208);
        auto pick = [&random](int n) {
            return std::uniform_int_distribution<int>(0, n - 1)(random);
        };

        // The 68 text-bearing controls, the 31 outputs among them.
        QList<QLineEdit*> outputs, typed;
        for (auto* e : form.findChildren<QLineEdit*>()) {
            const QString name = e->objectName();
            const bool output = (name.startsWith("Text1") || name.startsWith("Text3") ||
                                 name.startsWith("Text5")) &&
                                !name.endsWith("(0)");
            (output ? outputs : typed) << e; // selectors' own line edits are in `typed`
        }
        QCOMPARE(outputs.size(), 31);
        QCOMPARE(typed.size(), 37);
        QList<QLineEdit*> all = typed + outputs;

        const QStringList units{"Kgf",  "Tf",   "N",      "KN",      "Kgf.mm", "Kgf.cm",
                                "Tf.m", "N.mm", "KN.m",   "Kgf/cm2", "MPa",    "KPa",
                                "Pa",   "N/m2", "Tf/mm2", "KN/mm2"};
        const QString megabyte(1 << 20, QChar('9'));
        auto randomText = [&]() -> QString {
            switch (pick(14)) {
            case 0:
                return {};
            case 1:
                return pick(40) == 0 ? megabyte : QString("1e308");
            case 2:
                return QString::fromUtf8("\x01\x02\t\n\x7f") + QString::number(pick(100));
            case 3:
                return QStringLiteral("Força ção 😀 ∞");
            case 4:
                return QStringLiteral("\u202e٣٫٥ مرحبا 12");
            case 5:
                return QStringLiteral("-0");
            case 6:
                return QStringLiteral("1e-330");
            case 7:
                return QStringLiteral("1e400");
            case 8:
                return QString(" ") + units[pick(units.size())];
            case 9:
                return units[pick(units.size())].toLower();
            case 10:
                return units[pick(units.size())] + " ";
            case 11:
                return QString::number(std::ldexp(pick(2000) - 1000, pick(2000) - 1000), 'g', 17);
            case 12:
                return QStringLiteral("12.5kN");
            default:
                return units[pick(units.size())];
            }
        };

        int messages = 0;
        QTimer dismiss;
        dismiss.setInterval(0);
        connect(&dismiss, &QTimer::timeout, [&messages] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
                ++messages;
            }
        });
        dismiss.start();

        const int rounds = 3000;
        for (int round = 0; round < rounds; ++round) {
            for (int edits = pick(3) + 1; edits > 0; --edits)
                all[pick(all.size())]->setText(randomText());
            QStringList before;
            for (QLineEdit* e : typed)
                before << e->text();

            form.Command1->click();

            for (int i = 0; i < typed.size(); ++i)
                QVERIFY2(typed[i]->text() == before[i], qPrintable(typed[i]->objectName()));
            for (QLineEdit* e : outputs) {
                const std::string text = e->text().toStdString();
                if (text.empty())
                    continue;
                const quintora::Reading r = quintora::readNumber(text, '.');
                QVERIFY2(r.whole && quintora::writeNumber(r.value, '.') == text,
                         qPrintable(e->objectName() + ": " + e->text()));
            }
        }
        qInfo("%d rounds, %d error messages dismissed", rounds, messages);
        QVERIFY(messages > 0);
        QVERIFY(form.isVisible());
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quintora::prepareApplication(app, false);
    SoakTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "soak_test.moc"
