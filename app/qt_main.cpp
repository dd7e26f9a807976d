// Quintora 2 on Linux: reads the command line, then opens the Qt window.
#include "window/command_line.h"
#include "window/qt/application.h"
#include "window/qt/form2.h"
#include "window/version.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

// Qt's own options, which QApplication reads and takes out of the arguments.
constexpr quintora::ToolkitOption qtOptions[] = {
    {"-platform",           true },
    {"-platformpluginpath", true },
    {"-platformtheme",      true },
    {"-plugin",             true },
    {"-qmljsdebugger",      true },
    {"-qwindowgeometry",    true },
    {"-qwindowicon",        true },
    {"-qwindowtitle",       true },
    {"-reverse",            false},
    {"-session",            true },
    {"-style",              true },
    {"-stylesheet",         true },
    {"-widgetcount",        false},
    {"-display",            true },
    {"-geometry",           true },
    {"-title",              true },
    {"-icon",               true },
    {"-name",               true },
    {"-visual",             true },
    {"-nograb",             false},
    {"-dograb",             false},
    {"-sync",               false},
};

} // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const quintora::CommandLine line = quintora::readCommandLine(arguments, "quintora", qtOptions);
    if (line.action != quintora::CommandLine::Action::Run) {
        std::fputs(line.text.c_str(),
                   line.action == quintora::CommandLine::Action::Answer ? stdout : stderr);
        return line.exitCode;
    }
    bool styleAsked = std::getenv("QT_STYLE_OVERRIDE") && *std::getenv("QT_STYLE_OVERRIDE");
    for (std::string_view argument : arguments)
        styleAsked = styleAsked || argument == "-style" || argument.starts_with("-style=");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(QUINTORA_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(QUINTORA_VERSION));
    QApplication::setOrganizationName(QStringLiteral(QUINTORA_VENDOR));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUINTORA_APP_ID));
    quintora::prepareApplication(app, styleAsked);

    quintora::Form2 form;
    form.show();
    return app.exec();
}
