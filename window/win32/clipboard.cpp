// The clipboard: a paste puts in one line alone, and the copies of results
// go on it as plain text and as HTML ("HTML Format") together.
#include "window/win32/form2.h"

#include "window/texts.h"
#include "window/win32/utf.h"

#include <cstring>

namespace quintora {
namespace {

bool putOnClipboard(UINT format, const void* data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory)
        return false;
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory))
        return true;
    GlobalFree(memory);
    return false;
}

std::wstring clipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

} // namespace

void Form2::setClipboard(std::string_view text, std::string_view html) {
    if (!OpenClipboard(window_))
        return;
    EmptyClipboard();
    const std::wstring wide = widen(windowsLines(text));
    putOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    if (!html.empty()) {
        const std::string document = windowsHtmlFormat(html);
        putOnClipboard(RegisterClipboardFormatW(L"HTML Format"), document.c_str(),
                       document.size() + 1);
    }
    CloseClipboard();
}

void Form2::copyResults(std::size_t which) {
    if (!logic_->copyState(which).enabled) {
        showNote(GetFocus(), widen(logic_->copyLabel(which)), true);
        return;
    }
    const ResultsTable table = logic_->copyResults(which);
    setClipboard(table.text, table.html);
}

// Ctrl+V, Shift+Insert and the menu's "Colar": the paste's first line
// alone, as the user's own edit, then the mark of what it left out.
void Form2::pasteInto(HWND edit, Field field) {
    if (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY)
        return;
    const Paste paste = pasteOf(narrow(clipboardText(window_)));
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(widen(paste.text).c_str()));
    logic_->pasted(field, paste);
}

} // namespace quintora
