// Quintora 2 on Windows: reads the command line, then opens the Win32 window
// and runs its message loop.
#include "window/command_line.h"
#include "window/texts.h"
#include "window/win32/form2.h"
#include "window/win32/utf.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// An answer of the command line goes where the user typed it: wherever its
// output is redirected, or else the console of the shell it was started
// from (a windowed program has none of its own); and when there is neither,
// into a message. An error with neither, as when a file is dropped on the
// program in Explorer, is told to no one: false, and the window opens.
bool answer(const std::string& text, bool error) {
    const DWORD which = error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE out = GetStdHandle(which);
    bool attached = false;
    if ((!out || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        attached = true;
        out = GetStdHandle(which);
        // Some Windows versions leave a windowed program's handles empty
        // after attaching; the console's own output is there all the same.
        if (!out || out == INVALID_HANDLE_VALUE)
            out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    }
    DWORD mode = 0, written = 0;
    if (!out || out == INVALID_HANDLE_VALUE) {
        if (error)
            return false;
        MessageBoxW(nullptr, quintora::widen(text).c_str(),
                    quintora::widen(quintora::texts::caption).c_str(), MB_OK | MB_ICONINFORMATION);
    } else if (GetConsoleMode(out, &mode)) {
        // cmd does not wait for a windowed program, so its prompt is already
        // on the line: the answer starts on a line of its own.
        const std::wstring wide = quintora::widen((attached ? "\r\n" : "") + text);
        WriteConsoleW(out, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
    return true;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(quintora::narrow(argv[i]));
    LocalFree(argv);
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    const quintora::CommandLine line =
        quintora::readCommandLine(views, "quintora", {}, quintora::HelpFor::Windows);
    if (line.action != quintora::CommandLine::Action::Run &&
        answer(line.text, line.action == quintora::CommandLine::Action::Error))
        return line.exitCode;

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    {
        quintora::Form2 form(instance);
        form.show(show);
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (form.takeKey(message) || IsDialogMessageW(form.window(), &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        status = static_cast<int>(message.wParam);
    }
    CoUninitialize();
    return status;
}
