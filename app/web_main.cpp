// Quintora 2 on the web: what the page's script calls in the WebAssembly
// module. The page keeps the module, and with it the one window, for as long
// as it is open.
#include "window/web/form2.h"

#include <memory>

namespace {

std::unique_ptr<quintora::Form2> form;

} // namespace

#define QUINTORA_EXPORT(name) extern "C" __attribute__((export_name(#name)))

// `separator`: the decimal separator of the browser's language.
QUINTORA_EXPORT(start) void start(int separator) {
    form = std::make_unique<quintora::Form2>(static_cast<char>(separator));
    form->Form_Load();
}

QUINTORA_EXPORT(convert) void convert() {
    form->Command1_Click();
}

QUINTORA_EXPORT(edited) void edited(int field) {
    form->edited(field);
}
