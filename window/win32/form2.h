// The program's window in the Win32 API, for Windows: the same window as on
// Linux, built of the system's own EDIT, COMBOBOX, BUTTON and STATIC controls
// from the window's control table, at its twips scaled to the monitor's dpi.
//
// Form2 offers its controls to Form2Logic as a FormView; the logic decides
// what "=" writes and how each box looks, Form2 only draws it.
#pragma once

#include "window/controls.h"
#include "window/form2_logic.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quintora {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

class Form2 {
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
    // true when it took the message.
    bool takeKey(const MSG& message);

    // Controls, indexed as in the field set; unit-name arrays have no index 0.
    std::array<HWND, forceUnits.size() + 1> Text1{}, Text2{};
    std::array<HWND, momentUnits.size() + 1> Text3{}, Text4{};
    std::array<HWND, stressUnits.size() + 1> Text5{}, Text6{};
    HWND Combo1 = nullptr, Combo2 = nullptr, Combo3 = nullptr;
    HWND Command1 = nullptr, Command2 = nullptr;
    HWND Label1 = nullptr, Label2 = nullptr, Label3 = nullptr, Label4 = nullptr;

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
    void createControls();
    HWND createControl(const ControlRow& row, int id);
    void createFonts();
    void addToolTips();
    void layout();
    void fitSelector(const Placed& p);
    void nameForScreenReaders();
    void Form_Load();
    template <class Form> static auto& fieldIn(Form& form, Control control, std::size_t i);
    HWND& member(const ControlRow& row);
    HWND field(Field f) const;
    const Placed* placedOf(HWND hwnd) const;
    LRESULT colour(HDC dc, HWND control);
    void setToolTip(HWND control, const std::wstring& text);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND toolTips_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<ControlRow> table_;
    std::vector<Placed> placed_;
    std::array<HFONT, 3> fonts_{}; // by FontRole
    HBRUSH unitBrush_ = nullptr, markBrush_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool writing_ = false; // the program, not the user, is changing a box
    std::unique_ptr<View> view_;
    std::unique_ptr<Form2Logic> logic_;
};

} // namespace quintora
