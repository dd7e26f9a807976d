#include "form2.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintora 2"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setOrganizationName(QStringLiteral("Darvello"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.darvello.Quintora"));
    // Fusion draws the palette colours alike on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    quintora::Form2 form;
    form.show();
    return app.exec();
}
