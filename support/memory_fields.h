// A field set over plain strings, laid out like the window when it opens:
// every input "1", the selectors on the first unit of their lists, the
// unit-name boxes holding their rows' units, the outputs empty.
#pragma once

#include "core/conversion.h"
#include "core/number.h"

#include <array>
#include <string>
#include <vector>

namespace quintora {

class MemoryFields : public FieldSet {
public:
    explicit MemoryFields(char separator = '.');

    std::string text(Control control, int index) const override;
    void setText(Control control, int index, std::string_view text) override;
    char decimalSeparator() const override { return separator_; }
    void unitChecked(Control control, int index, std::string_view name, const Unit* unit) override;
    void inputRead(Control control, std::string_view text, const Reading& reading) override;

    std::string& at(Control control, int index = 0) { return texts_[slot(control)][index]; }
    // The output texts of one quantity (0 force, 1 moment, 2 stress), rows 1 on.
    std::vector<std::string> outputs(std::size_t quantity) const;

    // What the pass last reported of a unit name, and of an input.
    bool known(Control control, int index = 0) const {
        return known_[slot(control)].at(static_cast<std::size_t>(index)) == 1;
    }
    bool checked(Control control, int index = 0) const {
        return known_[slot(control)].at(static_cast<std::size_t>(index)) != 0;
    }
    const Reading& reading(Control control) const { return readings_[slot(control)]; }

private:
    static std::size_t slot(Control control) { return static_cast<std::size_t>(control); }
    char separator_;
    std::vector<std::vector<std::string>> texts_;
    std::vector<std::vector<char>> known_; // 0 never checked, 1 known, 2 unknown
    std::array<Reading, 9> readings_{};
};

} // namespace quintora
