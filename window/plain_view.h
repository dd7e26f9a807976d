// Form2Logic's window as plain strings, with no toolkit: each box's text,
// the control table's at first, and each field's look. The command line's
// --tabela and the page's start-up looks work through it, and so do the
// window's tests.
#pragma once

#include "window/form2_logic.h"

#include <string>
#include <vector>

namespace quintora {

class PlainView : public FormView {
public:
    PlainView();
    std::string text(Field f) const override { return texts[fieldNumber(f)]; }
    void setText(Field f, std::string_view text) override { texts[fieldNumber(f)] = text; }
    bool fits(Field, std::string_view text) const override { return text.size() <= widest; }
    void setLook(Field f, const Look& look) override { looks[fieldNumber(f)] = look; }
    void showError(std::string_view message) override { errors.emplace_back(message); }

    std::size_t widest = std::string::npos; // the most characters a box shows whole
    std::vector<std::string> texts;
    std::vector<Look> looks;
    std::vector<std::string> errors;
};

} // namespace quintora
