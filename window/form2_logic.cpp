#include "window/form2_logic.h"

#include "core/check.h"
#include "core/number.h"
#include "window/texts.h"

#include <limits>

namespace quintora {
namespace {

bool isOutput(Field field) {
    const Quantity& q = quantityOf(field.control);
    return field.control == q.values && field.index > 0;
}

bool holdsUnit(Field field) {
    const Quantity& q = quantityOf(field.control);
    return field.control == q.selector || field.control == q.unitNames;
}

std::string spoken(const Unit& unit) {
    return std::string(unit.spoken);
}

} // namespace

std::vector<Field> allFields() {
    std::vector<Field> fields;
    for (const Quantity& q : quantities) {
        fields.push_back({q.selector, 0});
        for (int i = 0; i <= q.rows(); ++i)
            fields.push_back({q.values, i});
        for (int i = 1; i <= q.rows(); ++i)
            fields.push_back({q.unitNames, i});
    }
    return fields;
}

std::size_t fieldNumber(Field field) {
    const auto index = static_cast<std::size_t>(field.index);
    std::size_t offset = 0;
    for (const Quantity& q : quantities) {
        if (field.control == q.selector)
            return offset;
        if (field.control == q.values)
            return offset + 1 + index;
        if (field.control == q.unitNames)
            return offset + 1 + q.units.size() + index;
        offset += 2 * q.units.size() + 2;
    }
    QUINTORA_CHECK(false, "a control that belongs to no quantity");
    return 0;
}

char decimalSeparatorOf(char32_t codePoint) {
    const bool plain =
        codePoint > U' ' && codePoint < 127 && (codePoint < U'0' || codePoint > U'9');
    return plain ? static_cast<char>(codePoint) : '.';
}

bool pressesEquals(bool enter, std::string_view typed) {
    return enter || typed == "=";
}

int listRowFor(const Quantity& quantity, std::string_view typed) {
    const std::span<const Unit> units = quantity.units;
    for (std::size_t row = 0; row < units.size(); ++row)
        if (units[row].name == typed)
            return static_cast<int>(row);
    const Unit* nearly = nearUnit(units, typed);
    return nearly ? static_cast<int>(nearly - units.data()) : -1;
}

namespace {

// A cell of more than longestPaste characters keeps its first ones, whole
// UTF-8 characters, and says how many it had.
void cutLong(Paste& paste) {
    std::size_t characters = 0, cut = paste.text.size();
    for (std::size_t i = 0; i < paste.text.size(); ++i) {
        if ((static_cast<unsigned char>(paste.text[i]) & 0xC0) == 0x80)
            continue; // within a character
        if (characters++ == longestPaste)
            cut = i;
    }
    if (characters <= longestPaste)
        return;
    paste.text.resize(cut);
    paste.characters = characters;
}

} // namespace

Paste pasteOf(std::string_view clipboard) {
    Paste paste;
    const auto blank = [](std::string_view text) { return withoutBlanks(text).empty(); };
    while (!clipboard.empty()) {
        const std::size_t end = std::min(clipboard.find('\n'), clipboard.size());
        std::string_view line = clipboard.substr(0, end);
        clipboard.remove_prefix(std::min(end + 1, clipboard.size()));
        if (blank(line))
            continue;
        if (++paste.lines > 1)
            continue;
        while (!line.empty()) {
            const std::size_t tab = std::min(line.find('\t'), line.size());
            const std::string_view cell = line.substr(0, tab);
            line.remove_prefix(std::min(tab + 1, line.size()));
            if (blank(cell))
                continue;
            if (++paste.cells == 1)
                paste.text = cell.ends_with('\r') ? cell.substr(0, cell.size() - 1) : cell;
        }
    }
    cutLong(paste);
    return paste;
}

// The window's boxes as the conversion pass sees them; what the pass reports
// of them becomes their marks.
class Form2Logic::Pass : public FieldSet {
public:
    explicit Pass(Form2Logic& logic) : logic_(logic) {}

    std::string text(Control control, int index) const override {
        return logic_.view_.text({control, index});
    }
    void setText(Control control, int index, std::string_view text) override {
        const Field field{control, index};
        logic_.view_.setText(field, text);
        State& state = logic_.states_[fieldNumber(field)];
        state.mark.clear();
        state.tip =
            text.empty() || logic_.view_.fits(field, text) ? std::string() : std::string(text);
        logic_.update(field);
    }
    char decimalSeparator() const override { return logic_.separator_; }
    void unitChecked(Control control, int index, std::string_view name, const Unit* unit) override {
        const Field field{control, index};
        State& state = logic_.states_[fieldNumber(field)];
        state.mark = unit ? std::string() : texts::unitNotKnown(quantityOf(control), name);
        if (unit)
            state.tip = spoken(*unit);
        logic_.update(field);
    }
    void inputRead(Control control, std::string_view input, const Reading& reading) override {
        const Field field{control, 0};
        const char separator = logic_.separator_;
        logic_.inputsRead_[quantityNumber(control)] = writeNumber(reading.value, separator);
        std::string& mark = logic_.states_[fieldNumber(field)].mark;
        if (reading.overflow)
            mark = logic_.outOfRangeTip();
        else
            mark = texts::readingMark(input, reading, separator);
        logic_.update(field);
    }

private:
    Form2Logic& logic_;
};

Form2Logic::Form2Logic(FormView& view, char decimalSeparator)
    : view_(view), separator_(decimalSeparator), states_(allFields().size()),
      looks_(allFields().size()) {}

std::string Form2Logic::outOfRangeTip() const {
    return texts::outOfRange(writeNumber(std::numeric_limits<double>::max(), separator_));
}

const Look& Form2Logic::look(Field field) const {
    return looks_[fieldNumber(field)];
}

// Works out the look of `field` from its state and hands it to the view when
// it changed: every pass reports on every field.
void Form2Logic::update(Field field) {
    const State& state = states_[fieldNumber(field)];
    Look look;
    look.outOfDate = isOutput(field) && outOfDate_[quantityNumber(field.control)];
    if (!state.mark.empty() || !state.pasted.empty()) {
        look.background = Tint::Mark;
        look.toolTip = state.pasted.empty() || state.mark.empty()
                           ? state.pasted + state.mark
                           : state.pasted + "; " + state.mark;
    } else {
        look.background = holdsUnit(field) ? Tint::Unit : Tint::Plain;
        look.toolTip = look.outOfDate ? std::string(texts::outOfDate) : state.tip;
    }
    Look& shown = looks_[fieldNumber(field)];
    if (look != shown) {
        shown = look;
        view_.setLook(field, shown);
    }
}

std::string Form2Logic::reason(std::size_t quantity, bool touch) const {
    const Quantity& q = quantities.at(quantity);
    for (Control control : {q.selector, q.values, q.unitNames})
        for (int i = control == q.unitNames ? 1 : 0; i <= (control == q.selector ? 0 : q.rows());
             ++i)
            if (const Look& shown = look({control, i}); shown.background == Tint::Mark)
                return shown.toolTip;
    if (!outOfDate_[quantity])
        return {};
    return std::string(touch ? texts::outOfDateOnTouch : texts::outOfDate);
}

void Form2Logic::load() {
    for (const Quantity& q : quantities) {
        states_[fieldNumber({q.selector, 0})].tip = spoken(q.units.front());
        update({q.selector, 0});
    }
    for (const Quantity& q : quantities) {
        for (int i = 1; i <= q.rows(); ++i) {
            states_[fieldNumber({q.unitNames, i})].tip =
                spoken(q.units[static_cast<std::size_t>(i - 1)]);
            update({q.unitNames, i});
        }
    }
}

void Form2Logic::convert() {
    outOfDate_ = {}; // every output is written again below
    resultsEdited_ = {};
    converted_ = true;
    Pass pass(*this);
    const std::optional<Stop> stop = programa01(module1_, pass);
    if (!stop)
        return;
    const Field field{stop->control, stop->index};
    states_[fieldNumber(field)].mark = outOfRangeTip();
    update(field);
    const Quantity& q = quantityOf(stop->control);
    const std::string rowUnit = stop->index > 0 ? view_.text({q.unitNames, stop->index}) : "";
    view_.showError(texts::errorMessage(stop->error.number, texts::errorDescription(stop->error),
                                        texts::where(q, rowUnit)));
}

void Form2Logic::edited(Field field) {
    State& state = states_[fieldNumber(field)];
    if (!state.pasted.empty()) {
        state.pasted.clear();
        update(field);
    }
    const std::size_t k = quantityNumber(field.control);
    if (converted_ && isOutput(field))
        resultsEdited_[k] = true;
    if (!converted_ || isOutput(field))
        return;
    if (outOfDate_[k])
        return;
    outOfDate_[k] = true;
    for (int i = 1; i <= quantities[k].rows(); ++i)
        update({quantities[k].values, i});
}

void Form2Logic::pasted(Field field, const Paste& paste) {
    states_[fieldNumber(field)].pasted =
        paste.whole() ? std::string()
                      : texts::pastedFirstOf(paste.lines, paste.cells, paste.characters);
    update(field);
}

CopyState Form2Logic::copyState(std::size_t which) const {
    if (which == allResults) {
        for (std::size_t q = 0; q < quantities.size(); ++q)
            if (const CopyState state = copyState(q); !state.enabled)
                return state;
        return {true, {}};
    }
    if (!converted_)
        return {false, texts::noResultsYet};
    if (outOfDate_.at(which) || resultsEdited_[which])
        return {false, texts::resultsOutOfDate};
    const Quantity& q = quantities[which];
    for (const Field field : allFields())
        if (&quantityOf(field.control) == &q && look(field).background == Tint::Mark)
            return {false, texts::boxMarked};
    return {true, {}};
}

std::string Form2Logic::copyLabel(std::size_t which) const {
    const std::string label =
        which == allResults ? std::string(texts::copyAll) : texts::copyColumn(quantities.at(which));
    return texts::withWhy(label, copyState(which).why);
}

// A quantity's results as the window shows them, after its heading and its
// input as read.
ResultColumn Form2Logic::column(std::size_t quantity) const {
    const Quantity& q = quantities[quantity];
    ResultColumn column{texts::heading(q), inputsRead_[quantity], view_.text({q.selector, 0}), {}};
    for (int i = 1; i <= q.rows(); ++i)
        column.rows.emplace_back(view_.text({q.values, i}), view_.text({q.unitNames, i}));
    return column;
}

ResultsTable Form2Logic::copyResults(std::size_t which) const {
    std::vector<ResultColumn> columns;
    for (std::size_t q = 0; q < quantities.size(); ++q)
        if (which == allResults || which == q)
            columns.push_back(column(q));
    return resultsTable(columns, separator_);
}

} // namespace quintora
