// The whole conversion pass over fuzzed texts in every text-bearing
// control: outputs end empty or holding a text the writer could have made,
// and every output box is written by the pass, none left from before it.
#include "core/conversion.h"
#include "fuzz/written_text.h"
#include "support/memory_fields.h"

#include <cstdint>
#include <set>

using namespace quintora;

namespace {

class Watched : public MemoryFields {
public:
    using MemoryFields::MemoryFields;
    void setText(Control control, int index, std::string_view text) override {
        written.insert({control, index});
        MemoryFields::setText(control, index, text);
    }
    std::set<std::pair<Control, int>> written;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char separator = data[0] % 2 ? ',' : '.';
    Watched fields(separator);
    // The texts, separated by zero bytes, fill the controls in a fixed order.
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    auto next = [&rest]() -> std::string {
        const std::size_t end = rest.find('\0');
        std::string text(rest.substr(0, end));
        rest = end == rest.npos ? std::string_view() : rest.substr(end + 1);
        return text;
    };
    for (const Quantity& q : quantities) {
        fields.at(q.selector) = next();
        for (int i = 0; i <= q.rows(); ++i)
            fields.at(q.values, i) = next();
        for (int i = 1; i <= q.rows(); ++i)
            fields.at(q.unitNames, i) = next();
    }
    Module1 module;
    for (int pass = 0; pass < 2; ++pass) {
        fields.written.clear();
        if (const std::optional<Stop> stop = programa01(module, fields))
            require(stop->error == overflowError, "only overflow is raised");
        for (const Quantity& q : quantities) {
            for (int i = 1; i <= q.rows(); ++i) {
                require(fields.written.count({q.values, i}) == 1, "every output is written");
                const std::string& text = fields.at(q.values, i);
                require(text.empty() || fitsWrittenGrammar(text, separator),
                        "an output is empty or a written number");
            }
        }
    }
    return 0;
}
