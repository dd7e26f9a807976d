// Quintora 2 on the web: what the page's script calls in the WebAssembly
// module. The page keeps the module, and with it the one window, for as long
// as it is open.
#include "window/web/form2.h"

#include <memory>
#include <string>

namespace {

std::unique_ptr<quintora::Form2> form;

} // namespace

#define QUINTORA_EXPORT(name) extern "C" __attribute__((export_name(#name)))

QUINTORA_EXPORT(start) void start() {
    form = std::make_unique<quintora::Form2>('.');
    form->Form_Load();
}

// `separator`: the code point of the decimal separator of the browser's
// language, or 0 when it is more than one character; told before the first
// conversion.
QUINTORA_EXPORT(separator) void separator(int separator) {
    form->setSeparator(quintora::decimalSeparatorOf(static_cast<char32_t>(separator)));
}

QUINTORA_EXPORT(convert) void convert() {
    form->Command1_Click();
}

QUINTORA_EXPORT(edited) void edited(int field) {
    form->edited(field);
}

// The page's clipboard text was pasted into field number `field`.
QUINTORA_EXPORT(pasted) void pasted(int field) {
    form->pasted(field);
}

// Whether the page has its touch layout (1) or not (0).
QUINTORA_EXPORT(touch) void touch(int on) {
    form->setTouch(on != 0);
}

// A copy of the results of quantity number `which`, or of all (3).
QUINTORA_EXPORT(copyResults) void copyResults(int which) {
    form->copyResults(static_cast<std::size_t>(which));
}

// Places the note beside the box at (`x`, `y`), `width` by `height` CSS
// pixels, in a window drawn at `dpi`.
QUINTORA_EXPORT(placeNote) void placeNote(int x, int y, int width, int height, int dpi) {
    form->placeNote({x, y, width, height}, dpi);
}

// Whether a key pressed in a box presses "=": Enter (`enter` 1), or the key
// that types `typed` (a code point, or 0 for none).
QUINTORA_EXPORT(keyPressesEquals) int keyPressesEquals(int enter, int typed) {
    const std::string text =
        typed > 0 && typed < 128 ? std::string(1, static_cast<char>(typed)) : "";
    return quintora::pressesEquals(enter != 0, text) ? 1 : 0;
}
