// The least a Qt 6 Widgets program can do to show a window of the same size:
// what the start-up of quintora is measured against. With --text it also
// shows one text box, which is what loading the font database costs.
#include "window/controls.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(quintora::twipsToPixels(quintora::clientWidth),
                  quintora::twipsToPixels(quintora::clientHeight));
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        (new QLineEdit(QStringLiteral("1"), &window))->setGeometry(8, 32, 73, 21);
    window.show();
    return app.exec();
}
