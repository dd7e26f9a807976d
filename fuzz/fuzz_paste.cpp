// A paste of any text into a box, as every front end makes it: pasteOf,
// then the window's pass. What goes into the box is one cell of one line,
// never longer than longestPaste characters and cut only between whole
// characters; the box is marked exactly when the paste was not taken whole;
// and the pass answers.
#include "fuzz/written_text.h"
#include "window/form2_logic.h"
#include "window/plain_view.h"

#include <cstdint>
#include <string_view>

using namespace quintora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::vector<Field> fields = allFields();
    const Field field = fields[data[0] % fields.size()];
    const std::string_view clipboard(reinterpret_cast<const char*>(data) + 1, size - 1);

    const Paste paste = pasteOf(clipboard);
    require(paste.text.find_first_of("\n\t") == std::string::npos, "a paste kept a line end or tab");
    std::size_t characters = 0;
    for (const char c : paste.text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    require(characters <= longestPaste, "a paste longer than longestPaste");
    const std::size_t at = clipboard.find(paste.text);
    require(at != std::string_view::npos, "a paste that is no part of the clipboard");
    const std::size_t after = at + paste.text.size();
    require(paste.characters == 0 || after == clipboard.size() ||
                (static_cast<unsigned char>(clipboard[after]) & 0xC0) != 0x80,
            "a paste cut within a character");

    PlainView view;
    Form2Logic logic(view, '.');
    logic.load();
    view.setText(field, paste.text);
    logic.edited(field);
    logic.pasted(field, paste);
    require(paste.whole() != (logic.look(field).background == Tint::Mark &&
                              logic.look(field).toolTip.starts_with("Colado")),
            "a paste marked otherwise than it was taken");
    logic.convert();
    return 0;
}
