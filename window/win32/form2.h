// The program's window in the Win32 API, for Windows: the same window as on
// Linux, built of the system's own EDIT, COMBOBOX, BUTTON and STATIC controls
// from the window's control table, at its twips scaled to the monitor's dpi.
//
// Form2 offers its controls to Form2Logic as a FormView; the logic decides
// what "=" writes and how each box looks, Form2 only draws it, as
// tests/scenarios.txt asks of every front end.
#pragma once

#include "window/control_set.h"
#include "window/controls.h"
#include "window/form2_logic.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <oleacc.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quintora {

// The edit field inside a combo box.
HWND editOf(HWND combo);
// A control's text.
std::wstring textOf(HWND hwnd);
// Whether a window is an EDIT control.
bool isEditControl(HWND hwnd);

class Form2 : public ControlSet<HWND> {
public:
    explicit Form2(HINSTANCE instance);
    ~Form2();
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    HWND window() const { return window_; }
    // Shows the window with the focus on "=".
    void show(int showCommand);
    // The window's own keys, taken before the dialog keys of the message
    // loop: "=" in a box presses "=", Ctrl+A selects the whole box. Returns
    // true when it took the message. A click or key anywhere in the window
    // first hides a refused copy's note.
    bool takeKey(const MSG& message);

    void Command1_Click();
    void Command2_Click();

private:
    class View;
    struct Placed {
        const ControlRow* row;
        HWND hwnd;
    };

    static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void command(HWND control, int code);
    void dpiChanged(UINT dpi, const RECT& suggested);
    void activated(bool active);
    void createControls();
    HWND createControl(const ControlRow& row, int id);
    void createFonts();
    void addToolTips();
    void scaleToolTips();
    std::vector<HWND> spokenWindows(const Placed& p) const;
    void describe(HWND control, const std::wstring& reason);
    void showFocusReason(HWND control);
    // The note beside a control, or none for an empty text; until the next
    // click or key when `untilInput`.
    void showNote(HWND control, const std::wstring& text, bool untilInput = false);
    static LRESULT CALLBACK noteProcedure(HWND note, UINT message, WPARAM wParam, LPARAM lParam);
    void createNote();
    // The clipboard and the unit lists (clipboard.cpp).
    static LRESULT CALLBACK boxProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    void takeClipboards();
    void setClipboard(std::string_view text, std::string_view html);
    void copyResults(std::size_t which);
    void pasteInto(HWND edit, Field field);
    HMENU menuOf(HWND edit, Field field);
    void showMenu(HWND edit, Field field, POINT at);
    void listDropped(HWND combo);
    void listCancelled(HWND combo);
    void listPicked(HWND combo);
    void readSystemColours();
    void setIcons();
    void layout();
    void fitSelector(const Placed& p);
    void nameForScreenReaders();
    void Form_Load();
    const Placed* placedOf(HWND hwnd) const;
    LRESULT colour(HDC dc, HWND control);
    HBRUSH brushOf(Rgb colour);
    HWND firstFocus();
    void setToolTip(HWND control, const std::wstring& text);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND toolTips_ = nullptr;
    HWND note_ = nullptr; // the reason of the box with the focus
    bool noteUntilInput_ = false; // the note says why a copy was refused
    IAccPropServices* accessibility_ = nullptr;
    bool highContrast_ = false;
    std::array<HICON, 2> icons_{}; // big and small, at the window's dpi
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<ControlRow> table_;
    std::vector<Placed> placed_;
    std::array<HFONT, 3> fonts_{}; // by FontRole
    std::vector<std::pair<Rgb, HBRUSH>> brushes_;
    HWND lastFocus_ = nullptr;
    bool writing_ = false; // the program, not the user, is changing a box
    struct Dropped {
        HWND combo = nullptr;
        std::wstring typed; // its text before its list opened
    } dropped_;
    std::unique_ptr<View> view_;
    std::unique_ptr<Form2Logic> logic_;
};

} // namespace quintora
