#include "window/controls.h"
#include "window/qt/application.h"
#include "window/qt/form2.h"
#include "window/version.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <cmath>

using quintora::Control;
using quintora::Form2;

namespace {

struct Expected {
    QString name;
    int left, top, width, height;
    QString text;
};

int px(int twips) {
    return quintora::twipsToPixels(twips);
}

// The window as it must open: names, places in twips and initial texts.
QList<Expected> expectedControls() {
    QList<Expected> all{
        {"Label1",   120,  0,    855,  375,  "Força"      },
        {"Label2",   2040, 0,    1815, 375,  "Momento"     },
        {"Label3",   4250, 0,    1215, 375,  "Tensão"     },
        {"Label4",   120,  2355, 1695, 270,  "1 Kgf = 10 N"},
        {"Text1(0)", 120,  480,  1095, 315,  "1"           },
        {"Combo1",   1215, 480,  720,  315,  "Kgf"         },
        {"Text3(0)", 2040, 480,  1095, 315,  "1"           },
        {"Combo2",   3135, 480,  1005, 315,  "Kgf.mm"      },
        {"Text5(0)", 4250, 480,  1095, 315,  "1"           },
        {"Combo3",   5340, 480,  1005, 315,  "Kgf/mm2"     },
        {"Command1", 120,  3000, 1695, 1095, "="           },
        {"Command2", 120,  4095, 1695, 1095, "Sai"         },
    };
    const QStringList force{"Kgf", "Tf", "N", "KN"};
    const QStringList moment{"Kgf.mm", "Kgf.cm", "Kgf.m", "Tf.mm", "Tf.cm", "Tf.m",
                             "N.mm",   "N.cm",   "N.m",   "KN.mm", "KN.cm", "KN.m"};
    const QStringList stress{"Kgf/mm2", "Kgf/cm2", "Kgf/m2", "Tf/mm2", "Tf/cm2",
                             "Tf/m2",   "N/mm2",   "N/cm2",  "N/m2",   "KN/mm2",
                             "KN/cm2",  "KN/m2",   "MPa",    "KPa",    "Pa"};
    struct Column {
        QString values, units;
        int valueLeft, unitLeft, unitWidth;
        QStringList names;
    };
    for (const Column& c : {
             Column{"Text1", "Text2", 120,  1215, 720,  force },
             Column{"Text3", "Text4", 2040, 3135, 1005, moment},
             Column{"Text5", "Text6", 4250, 5340, 975,  stress}
    }) {
        for (int i = 1; i <= c.names.size(); ++i) {
            const int top = 840 + 285 * (i - 1);
            all.append({QString("%1(%2)").arg(c.values).arg(i), c.valueLeft, top, 1095, 285, ""});
            all.append({QString("%1(%2)").arg(c.units).arg(i), c.unitLeft, top, c.unitWidth, 285,
                        c.names[i - 1]});
        }
    }
    return all;
}

QString textOf(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* b = qobject_cast<QPushButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    return "?";
}

void typeInto(QWidget* w, const QString& text) {
    QLineEdit* edit = qobject_cast<QLineEdit*>(w);
    if (!edit)
        edit = qobject_cast<QComboBox*>(w)->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

QColor baseOf(QWidget* w) {
    return w->palette().color(QPalette::Base);
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form2> form;

    QStringList outputs(const auto& array) {
        QStringList texts;
        for (std::size_t i = 1; i < array.size(); ++i)
            texts << array[i]->text();
        return texts;
    }

private slots:
    void init() {
        form = std::make_unique<Form2>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void everyControlOpensInItsPlaceWithItsText() {
        const QList<Expected> expected = expectedControls();
        QCOMPARE(expected.size(), 74);
        QCOMPARE(form->windowTitle(), QString(QUINTORA_PRODUCT_NAME " (" QUINTORA_VENDOR ")"));
        QCOMPARE(form->size(), QSize(px(quintora::clientWidth), px(quintora::clientHeight)));
        for (const Expected& e : expected) {
            auto* w = form->findChild<QWidget*>(e.name);
            QVERIFY2(w, qPrintable(e.name));
            QCOMPARE(textOf(w), e.text);
            const QRect want(px(e.left), px(e.top), px(e.left + e.width) - px(e.left),
                             px(e.top + e.height) - px(e.top));
            QVERIFY2(w->geometry() == want, qPrintable(e.name));
        }
    }

    void selectorsListTheirUnitsInOrder() {
        QStringList items;
        for (int i = 0; i < form->Combo2->count(); ++i)
            items << form->Combo2->itemText(i);
        QCOMPARE(items.join(' '), QString("Kgf.mm Kgf.cm Kgf.m Tf.mm Tf.cm Tf.m N.mm N.cm N.m "
                                          "KN.mm KN.cm KN.m"));
        QCOMPARE(form->Combo1->count(), 4);
        QCOMPARE(form->Combo3->count(), 15);
        QCOMPARE(form->Combo3->itemText(12), QString("MPa"));
        QVERIFY(form->Combo1->isEditable());
    }

    void fontsOfHeadingsAndEquals() {
        QCOMPARE(form->Label2->font().pointSizeF(), 13.5);
        QVERIFY(form->Label2->font().bold());
        QCOMPARE(form->Command1->font().pointSizeF(), 24.0);
        QVERIFY(!form->Command1->font().bold());
        QCOMPARE(form->Text3[1]->font(), form->font());
    }

    void tabWalksTheFixedOrderFromEquals() {
        QStringList want{"Command1", "Text1(0)", "Combo1", "Text3(0)",
                         "Combo2",   "Text5(0)", "Combo3", "Command2"};
        for (auto [name, last] : {
                 std::pair{"Text1", 4 },
                 {"Text2", 4 },
                 {"Text3", 12},
                 {"Text4", 12},
                 {"Text5", 15},
                 {"Text6", 15}
        })
            for (int i = 1; i <= last; ++i)
                want << QString("%1(%2)").arg(name).arg(i);
        want << "Command1";
        QStringList seen;
        for (int step = 0; step < want.size(); ++step) {
            QWidget* w = QApplication::focusWidget();
            QVERIFY(w);
            if (qobject_cast<QComboBox*>(w->parentWidget()))
                w = w->parentWidget();
            seen << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
        }
        QCOMPARE(seen, want);
    }

    void startUpPaintsUnitsGreyAndLeavesOutputsEmpty() {
        const QColor grey(192, 192, 192);
        const QColor white = QApplication::palette().color(QPalette::Base);
        for (QComboBox* c : {form->Combo1, form->Combo2, form->Combo3})
            QCOMPARE(baseOf(c), grey);
        int greyBoxes = 0, whiteBoxes = 0;
        for (auto* e : form->findChildren<QLineEdit*>()) {
            if (qobject_cast<QComboBox*>(e->parentWidget()))
                continue;
            const bool unitBox = e->objectName().startsWith("Text2") ||
                                 e->objectName().startsWith("Text4") ||
                                 e->objectName().startsWith("Text6");
            QCOMPARE(baseOf(e), unitBox ? grey : white);
            (unitBox ? greyBoxes : whiteBoxes)++;
            if (!unitBox && !e->objectName().endsWith("(0)"))
                QVERIFY(e->text().isEmpty());
        }
        QCOMPARE(greyBoxes, 31);
        QCOMPARE(whiteBoxes, 34);
    }

    void aDarkPaletteKeepsUnitNamesReadable() {
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        dark.setColor(QPalette::Base, QColor(45, 45, 45));
        dark.setColor(QPalette::Text, Qt::white);
        QApplication::setPalette(dark);
        Form2 darkForm;
        QApplication::setPalette(before);
        const QPalette unit = darkForm.Text4[3]->palette();
        QVERIFY(quintora::contrast(quintora::rgbOf(unit.color(QPalette::Text)),
                                   quintora::rgbOf(unit.color(QPalette::Base))) >= 4.5);
    }

    void underAPortugueseLocaleResultsReadBack() {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        form = std::make_unique<Form2>();
        QLocale::setDefault(QLocale::c());
        form->Command1->click();
        QCOMPARE(form->Text1[2]->text(), QString("0,001"));
        typeInto(form->Text1[0], form->Text1[2]->text());
        form->Command1->click();
        QCOMPARE(form->Text1[1]->text(), QString("0,001"));
        QCOMPARE(baseOf(form->Text1[0]), QApplication::palette().color(QPalette::Base));
    }

    void everyControlHasItsOwnSpokenName() {
        QSet<QString> names;
        for (const Expected& e : expectedControls()) {
            auto* w = form->findChild<QWidget*>(e.name);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(a, qPrintable(e.name));
            const QString spoken = a->text(QAccessible::Name);
            QVERIFY2(!spoken.isEmpty(), qPrintable(e.name));
            QVERIFY2(!names.contains(spoken), qPrintable(e.name + ": " + spoken));
            names.insert(spoken);
        }
        QCOMPARE(names.size(), 74);
        auto spoken = [this](const char* name) {
            return QAccessible::queryAccessibleInterface(form->findChild<QWidget*>(name))
                ->text(QAccessible::Name);
        };
        QCOMPARE(spoken("Text3(0)"), QString("Momento, valor de entrada"));
        QCOMPARE(spoken("Text3(12)"), QString("Momento, resultado em KN.m"));
        QCOMPARE(spoken("Text6(3)"), QString("Tensão, unidade da linha 3"));
        QCOMPARE(spoken("Combo1"), QString("Força, unidade de entrada"));
    }

    void unitsAndHeadingsExplainThemselves() {
        QCOMPARE(form->Text4[12]->toolTip(), QString("quilonewton-metro"));
        QCOMPARE(form->Text2[2]->toolTip(), QString("tonelada-força"));
        QCOMPARE(form->Combo3->itemData(1, Qt::ToolTipRole).toString(),
                 QString("quilograma-força por centímetro quadrado"));
        QCOMPARE(form->Combo2->toolTip(), QString("quilograma-força-milímetro"));
        for (QLabel* heading : {form->Label1, form->Label2, form->Label3, form->Label4})
            QVERIFY(heading->toolTip().contains("1 Kgf = 10 N"));
    }

    void aLongResultShowsItsStartAndTheWholeNumberInItsTooltip() {
        typeInto(form->Text3[0], "3.14159265358979");
        typeInto(form->Combo2, "KN.m");
        form->Command1->click();
        QLineEdit* kgfMm = form->Text3[1];
        QCOMPARE(kgfMm->text(), QString("314159.265358979"));
        QCOMPARE(kgfMm->cursorPosition(), 0);
        QCOMPARE(kgfMm->toolTip(), QString("314159.265358979"));
        QCOMPARE(form->Text1[1]->text(), QString("1"));
        QVERIFY(form->Text1[1]->toolTip().isEmpty()); // shown whole
    }

    void qtsOwnTextsArePortugueseInTheWindowsFont() {
        std::unique_ptr<QMenu> menu(form->Text3[0]->createStandardContextMenu());
        QStringList actions;
        for (QAction* action : menu->actions())
            actions << action->text();
        QVERIFY2(actions.join('|').contains("&Desfazer"), qPrintable(actions.join('|')));
        QCOMPARE(menu->font(), form->Text3[1]->font());
        QCOMPARE(QToolTip::font(), form->font());
        QCOMPARE(form->font().pointSizeF(), 8.0);
        // Every text the program shows, its message box's too, gets one of
        // the window's families, whatever the desktop's default font is.
        QMessageBox box(QMessageBox::Critical, "", "", QMessageBox::Ok, form.get());
        QList<QFont> fonts{QToolTip::font(), menu->font(), box.font()};
        for (QWidget* widget : form->findChildren<QWidget*>())
            fonts << widget->font();
        QStringList families{QString::fromUtf8(quintora::fontOf(quintora::FontRole::Normal).family)};
        for (std::string_view family : quintora::fallbackFamilies)
            families << QString::fromUtf8(family);
        for (const QFont& font : fonts) {
            const QFontInfo got(font);
            QVERIFY2(families.contains(got.family()) && !got.fixedPitch(), qPrintable(got.family()));
        }
        // Where none of them is installed, a proportional family, even where
        // the desktop's "sans-serif" is a fixed-pitch one.
        const auto proportional = [](const QString& family) {
            return family != "Sans Serif" && family != "Liberation Mono";
        };
        QCOMPARE(quintora::windowFontFamily({"Liberation Mono", "DejaVu Sans"}, proportional),
                 QString("DejaVu Sans"));
    }

    void everyListShowsAllItsUnitsWhole() {
        // Also in a wider font than the window's, as a desktop may give it.
        const QFont windowFont = QApplication::font();
        auto restore = qScopeGuard([&] { QApplication::setFont(windowFont); });
        QApplication::setFont(QFont("DejaVu Sans", 11));
        form = std::make_unique<Form2>();
        form->show();
        for (QComboBox* combo : {form->Combo1, form->Combo2, form->Combo3}) {
            combo->showPopup();
            QAbstractItemView* list = combo->view();
            QVERIFY(QTest::qWaitForWindowExposed(list->window()));
            const QRect last = list->visualRect(combo->model()->index(combo->count() - 1, 0));
            QVERIFY2(list->viewport()->rect().contains(last), qPrintable(combo->objectName()));
            // The widest item, with the margins its delegate draws, fits the list.
            QVERIFY2(list->sizeHintForColumn(0) <= list->viewport()->width(),
                     qPrintable(combo->objectName()));
            combo->hidePopup();
        }
    }

    void aUnitListOpensOnTheTypedUnitOrTheOneMeant() {
        for (const auto& [typed, row] : {std::pair{"KN.m", 11}, {"t.m", 5}}) {
            typeInto(form->Combo2, typed);
            form->Combo2->showPopup();
            QAbstractItemView* list = form->Combo2->view();
            QVERIFY(QTest::qWaitForWindowExposed(list->window()));
            QCOMPARE(list->currentIndex().row(), row);
            form->Combo2->hidePopup();
        }
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quintora::prepareApplication(app, false);
    Form2Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "form2_test.moc"
