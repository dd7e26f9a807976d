// The table of scenarios (tests/scenarios.txt) run through the Qt window in
// process: each scenario on a window just opened, its steps as real key and
// mouse events through the window system, one a turn of the event loop, so
// that a message box's loop or the end of the program comes between them as
// it does for a user.
// Usage: qt_scenarios TABLE
#include "window/look.h"
#include "window/qt/application.h"
#include "window/qt/form2.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <memory>

using quintora::Form2;

namespace {

struct Line {
    QString verb, field, text;
    bool step() const {
        return QStringList{"type", "paste", "key", "click", "list", "menu", "dismiss"}.contains(verb);
    }
};

struct Scenario {
    QString title, leftOut;
    QList<Line> lines;
};

QString unescaped(const QString& text) {
    static const QRegularExpression repeat(QStringLiteral("^\\\\\\*(\\d+)"));
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QRegularExpressionMatch times = repeat.match(QStringView(text).mid(i));
        if (times.hasMatch() && !out.isEmpty()) { // the character before, N times in all
            out += QString(times.captured(1).toLongLong() - 1, out.back());
            i += times.capturedLength() - 1;
        } else if (text[i] == '\\' && i + 1 < text.size()) {
            const QChar c = text[++i];
            out += c == 'n' ? QChar('\n') : c == 't' ? QChar('\t') : c;
        } else {
            out += text[i];
        }
    }
    return out;
}

QList<Scenario> readTable(const QString& path) {
    static const QStringList fieldless{"dismiss", "clipboard", "html", "message",
                                       "running", "ended",     "note"};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("no table of scenarios at %s", qPrintable(path));
    QList<Scenario> table;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith("== ")) {
            table.append({line.mid(3), {}, {}});
        } else if (line.startsWith("not on qt: ")) {
            table.last().leftOut = line.mid(11);
        } else if (!line.startsWith("not on ")) {
            Line l;
            l.verb = line.section(' ', 0, 0);
            QString rest = line.section(' ', 1);
            if (!fieldless.contains(l.verb)) {
                l.field = rest.section(' ', 0, 0);
                rest = rest.section(' ', 1);
            }
            l.text = unescaped(rest);
            table.last().lines.append(l);
        }
    }
    return table;
}

// Thrown by a step or check that finds the window otherwise.
struct Fault {
    QString what;
};
void expect(bool holds, const QString& what) {
    if (!holds)
        throw Fault{what};
}

class Driver {
public:
    explicit Driver(const Scenario& scenario) : scenario_(scenario) {}

    // Runs the scenario; empty when it passed, else what went otherwise.
    QString run() {
        form_ = std::make_unique<Form2>();
        form_->show();
        QApplication::setActiveWindow(form_.get());
        if (!QTest::qWaitForWindowActive(form_.get()))
            return "the window never became active";
        QTimer::singleShot(0, &context_, [this] { next(); });
        QTimer::singleShot(10000, &context_, [] { QCoreApplication::exit(99); });
        const int status = QCoreApplication::exec();
        form_.reset();
        if (!fault_.isEmpty())
            return fault_;
        if (status == 99)
            return "no answer within 10 s";
        const bool endedHere = at_ < scenario_.lines.size() && scenario_.lines[at_].verb == "ended";
        if (status == 0 && !endedHere)
            return QString("the program ended before line %1").arg(at_ + 1);
        if (status != 0 && status != finished)
            return QString("the program ended with status %1").arg(status);
        return {};
    }

private:
    static constexpr int finished = 42;

    // One line a turn of the event loop; the next turn is asked for first, so
    // that it comes inside a modal message's loop too.
    void next() {
        if (at_ >= scenario_.lines.size()) {
            QCoreApplication::exit(finished);
            return;
        }
        if (QApplication::activePopupWidget()) { // a menu still being chosen from
            QTimer::singleShot(0, &context_, [this] { next(); });
            return;
        }
        const Line& line = scenario_.lines[at_];
        if (line.verb == "ended") {
            // The loop ends in this turn where the program asked it to.
            QTimer::singleShot(500, &context_, [this] {
                fault_ = QString("still running at line %1").arg(at_ + 1);
                QCoreApplication::exit(finished);
            });
            return;
        }
        ++at_;
        QTimer::singleShot(0, &context_, [this] { next(); });
        try {
            line.step() ? step(line) : check(line);
        } catch (const Fault& fault) {
            fault_ = QString("line %1 (%2 %3 %4): %5")
                         .arg(at_)
                         .arg(line.verb, line.field, line.text, fault.what);
            QCoreApplication::exit(finished);
        }
    }

    QWidget* widget(const QString& name) const {
        auto* w = form_->findChild<QWidget*>(name);
        expect(w, "no control " + name);
        return w;
    }
    // Where keys go: a selector's edit field, else the control itself.
    QWidget* keyTarget(const QString& name) const {
        QWidget* w = widget(name);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            return combo->lineEdit();
        return w;
    }
    QString textOf(const QString& name) const {
        QWidget* w = widget(name);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            return combo->currentText();
        return qobject_cast<QLineEdit*>(w)->text();
    }
    void press(const QString& name, const QString& key) {
        static const QMap<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {"Enter",        {Qt::Key_Return, Qt::NoModifier}                      },
            {"Space",        {Qt::Key_Space, Qt::NoModifier}                       },
            {"End",          {Qt::Key_End, Qt::NoModifier}                         },
            {"Ctrl+C",       {Qt::Key_C, Qt::ControlModifier}                      },
            {"Ctrl+Shift+C", {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier}},
            {"Ctrl+Q",       {Qt::Key_Q, Qt::ControlModifier}                      },
        };
        QWidget* target = keyTarget(name);
        if (!target->hasFocus())
            target->setFocus();
        if (keys.contains(key))
            QTest::keyClick(target, keys[key].first, keys[key].second);
        else
            QTest::keyClicks(target, key); // a character typed
    }
    void click(const QString& name) {
        QWidget* w = widget(name);
        const QPoint centre = w->mapTo(form_.get(), w->rect().center());
        QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {}, centre);
    }

    void step(const Line& line) {
        if (line.verb == "type") {
            QWidget* target = keyTarget(line.field);
            target->setFocus();
            qobject_cast<QLineEdit*>(target)->selectAll();
            QTest::keyClick(target, Qt::Key_Delete);
            QTest::keyClicks(target, line.text);
        } else if (line.verb == "paste") {
            QApplication::clipboard()->setText(line.text);
            auto* edit = qobject_cast<QLineEdit*>(keyTarget(line.field));
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else if (line.verb == "key") {
            for (const QString& key : line.text.split(' '))
                press(line.field, key);
        } else if (line.verb == "click") {
            click(line.field);
        } else if (line.verb == "list") {
            auto* combo = qobject_cast<QComboBox*>(widget(line.field));
            combo->showPopup();
            QAbstractItemView* list = combo->view();
            expect(QTest::qWaitFor([list] { return list->isVisible(); }), "the list did not open");
            if (line.text.startsWith("pick ")) {
                const int row = combo->findText(line.text.mid(5));
                expect(row >= 0, "no such unit in the list");
                list->setCurrentIndex(combo->model()->index(row, 0));
                QTest::keyClick(list, Qt::Key_Return);
            } else {
                QTest::keyClick(list, Qt::Key_Escape);
            }
        } else if (line.verb == "menu") {
            // The menu's own loop runs; the entry is chosen from within it.
            const QString entry = line.text == "all" ? "Copiar todos" : "Copiar resultados de";
            QTimer::singleShot(0, &context_, [entry] {
                QMenu* menu = nullptr;
                if (!QTest::qWaitFor([&] {
                        return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()));
                    }))
                    return;
                for (QAction* action : menu->actions())
                    if (action->text().startsWith(entry) && action->isEnabled())
                        action->trigger();
                menu->close();
            });
            QWidget* target = keyTarget(line.field);
            target->setFocus();
            QContextMenuEvent event(QContextMenuEvent::Keyboard, target->rect().center(),
                                    target->mapToGlobal(target->rect().center()));
            QApplication::sendEvent(target, &event);
        } else if (line.verb == "dismiss") {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            expect(box, "no message to dismiss");
            box->button(QMessageBox::Ok)->click();
        }
    }

    void check(const Line& line) const {
        if (line.verb == "text") {
            expect(textOf(line.field) == line.text, textOf(line.field));
        } else if (line.verb == "rows") {
            QStringList rows;
            for (qsizetype i = 1; i <= line.text.count('|') + 1; ++i)
                rows << textOf(QString("%1(%2)").arg(line.field).arg(i));
            expect(rows.join('|') == line.text, rows.join('|'));
        } else if (line.verb == "tint") {
            const QColor base = widget(line.field)->palette().color(QPalette::Base);
            const quintora::Rgb rgb = quintora::rgbOf(base);
            const QString tint = rgb == quintora::markBackground   ? "mark"
                                 : rgb == quintora::unitBackground ? "unit"
                                 : base == QApplication::palette().color(QPalette::Base)
                                     ? "plain"
                                     : base.name();
            expect(tint == line.text, tint);
        } else if (line.verb == "reason") {
            QWidget* w = widget(line.field);
            expect(w->toolTip() == line.text && w->accessibleDescription() == line.text,
                   w->toolTip());
        } else if (line.verb == "clipboard" || line.verb == "html") {
            const QMimeData* data = QApplication::clipboard()->mimeData();
            const bool holds = line.verb == "clipboard" ? data->text().startsWith(line.text)
                                                        : data->html().contains(line.text);
            expect(holds, line.verb == "clipboard" ? data->text() : data->html());
        } else if (line.verb == "message") {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            expect(box && box->text().endsWith(line.text), box ? box->text() : "no message");
        } else if (line.verb == "note") {
            auto* note = form_->findChild<QLabel*>("note");
            expect(line.text == "clear" || !note->isVisible(), "a note is shown: " + note->text());
            if (!note->isVisible())
                return;
            expect(form_->rect().contains(note->geometry()), "the note leaves the window");
            for (auto* box : form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (qobject_cast<QLineEdit*>(box) || qobject_cast<QComboBox*>(box))
                    expect(!box->geometry().intersects(note->geometry()),
                           "the note covers " + box->objectName());
        }
        // "running": the program answers, as this turn of its loop shows.
    }

    const Scenario& scenario_;
    QObject context_; // its timers go with the scenario
    std::unique_ptr<Form2> form_;
    qsizetype at_ = 0;
    QString fault_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quintora::prepareApplication(app, false);
    if (argc < 2)
        qFatal("usage: qt_scenarios TABLE");
    int passed = 0, failed = 0;
    for (const Scenario& scenario : readTable(QString::fromLocal8Bit(argv[1]))) {
        if (!scenario.leftOut.isEmpty()) {
            std::printf("left out: %s (%s)\n", qPrintable(scenario.title),
                        qPrintable(scenario.leftOut));
            continue;
        }
        const QString fault = Driver(scenario).run();
        (fault.isEmpty() ? passed : failed) += 1;
        std::printf("%s: %s%s%s\n", fault.isEmpty() ? "ok" : "FAILED", qPrintable(scenario.title),
                    fault.isEmpty() ? "" : "\n  ", qPrintable(fault));
    }
    std::printf("qt: %d passed, %d failed\n", passed, failed);
    return failed || !passed ? 1 : 0;
}
