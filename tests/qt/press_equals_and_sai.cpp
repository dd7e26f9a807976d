// Starts the window, presses "=" and then "Sai": the run that valgrind
// checks for memory errors. Exits 0 only when "=" showed its results and
// "Sai" ended the program.
#include "window/qt/application.h"
#include "window/qt/form2.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quintora::prepareApplication(app, false);
    quintora::Form2 form;
    form.show();
    bool converted = false;
    QTimer::singleShot(0, &form, [&] {
        form.Command1->click();
        converted = form.Text3[12]->text() == QStringLiteral("1E-05");
        form.Command2->click();
    });
    const int status = QApplication::exec();
    return status == 0 && converted ? 0 : 1;
}
