#include "cli/cli.h"

#include "core/conversion.h"
#include "core/number.h"
#include "window/plain_view.h"
#include "window/texts.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quintora::cli {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

// `text` parted at spaces and tabs.
void split(std::string_view text, std::vector<std::string_view>& words) {
    words.clear();
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isSpace(text[at]))
            ++at;
        const std::size_t start = at;
        while (at < text.size() && !isSpace(text[at]))
            ++at;
        if (at > start)
            words.push_back(text.substr(start, at - start));
    }
}

// Why a conversion was not made, and the exit status it gives.
struct Failure {
    int status = converted;
    std::string message;
    void set(int s, std::string m) {
        status = s;
        message = std::move(m);
    }
};

// The message of a unit name that is none of the program's: the unit it
// nearly names and its quantity's units, the unit just outside the tables it
// names, or every quantity's units.
std::string unknownUnit(std::string_view name) {
    for (const Quantity& q : quantities)
        if (nearUnit(q.units, name))
            return texts::unitNotKnown(q, name) + "\n" + texts::unitsOf(q);
    if (const OutsideUnit* outside = outsideUnit(name))
        return texts::notInTheTables(*outside);
    std::string message = std::string(texts::unknownUnit) + ": " + std::string(name);
    for (const Quantity& q : quantities) {
        message += '\n';
        message += texts::unitsOf(q);
    }
    return message;
}

// A conversion of one value from one unit to others, through the core's
// lookups and its two steps; nothing is allocated once the buffers have
// grown.
class Converter {
public:
    // The units: `targets` empty for every unit of `from`'s quantity.
    bool units(std::string_view from, std::span<const std::string_view> targets, Failure& failure) {
        quantity_ = quantityWithUnit(from);
        if (!quantity_) {
            failure.set(refused, unknownUnit(from));
            return false;
        }
        from_ = lookUp(*quantity_, from);
        targets_.clear();
        if (targets.empty())
            for (const Unit& unit : quantity_->units)
                targets_.push_back(&unit);
        for (const std::string_view name : targets) {
            const Unit* unit = lookUp(*quantity_, name);
            if (unit) {
                targets_.push_back(unit);
            } else if (const Quantity* other = quantityWithUnit(name)) {
                failure.set(refused,
                            texts::unitOf(name, *other) + "; " + texts::unitOf(from, *quantity_));
                return false;
            } else {
                failure.set(refused, unknownUnit(name));
                return false;
            }
        }
        return true;
    }

    // Reads `value` and converts it to every target, into results().
    bool convert(std::string_view value, char separator, Failure& failure) {
        const Reading reading = readNumber(value, separator);
        const double base = toBase(reading.value, from_->factor);
        if (reading.overflow || std::isinf(base))
            return overflow({}, failure);
        if (std::string mark = texts::readingMark(value, reading, separator); !mark.empty()) {
            failure.set(partlyRead, std::string(value) + ": " + mark);
            return false;
        }
        results_.clear();
        for (const Unit* target : targets_) {
            results_.push_back(fromBase(base, target->factor));
            if (std::isinf(results_.back()))
                return overflow(target->name, failure);
        }
        return true;
    }

    std::span<const double> results() const { return results_; }
    std::span<const Unit* const> targets() const { return targets_; }

private:
    const Unit* lookUp(const Quantity& quantity, std::string_view name) {
        module_.unidade.assign(name);
        return quantity.lookUp(module_);
    }
    bool overflow(std::string_view unit, Failure& failure) {
        failure.set(partlyRead, std::string(texts::errorDescription(overflowError)) + ": " +
                                    texts::where(*quantity_, unit));
        return false;
    }

    Module1 module_;
    const Quantity* quantity_ = nullptr;
    const Unit* from_ = nullptr;
    std::vector<const Unit*> targets_;
    std::vector<double> results_;
};

void fail(Output& output, const Failure& failure, long line = 0) {
    const std::string message =
        line > 0 ? texts::lineNumbered(line, failure.message) : failure.message;
    output.err(std::string(program) + ": " + message + "\n");
}

// Appends `value` as the window writes it.
void appendNumber(std::string& to, double value, char separator) {
    char text[maxNumberText];
    to.append(text, writeNumber(value, separator, text));
}

// VALUE UNIT [TARGET...] from the command line.
int convertOnce(const Request& request, Output& output) {
    std::vector<std::string_view> words(request.words.begin(), request.words.end());
    std::vector<std::string_view> targets(request.to.begin(), request.to.end());
    const std::string_view from = request.from.empty() ? words.at(1) : request.from;
    if (words.size() > (request.from.empty() ? 2u : 1u))
        targets.assign(words.begin() + (request.from.empty() ? 2 : 1), words.end());
    Converter converter;
    Failure failure;
    if (!converter.units(from, targets, failure) ||
        !converter.convert(words[0], request.separator, failure)) {
        fail(output, failure);
        return failure.status;
    }
    std::vector<std::string> values;
    for (const double value : converter.results())
        values.push_back(writeNumber(value, request.separator));
    std::size_t widest = 0;
    for (const std::string& value : values)
        widest = std::max(widest, value.size());
    std::string answer;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!targets.empty()) { // the values alone, for scripts
            answer += values[i] + "\n";
            continue;
        }
        answer += std::string(widest - values[i].size(), ' ') + values[i] + "  " +
                  std::string(converter.targets()[i]->name) + "\n";
    }
    output.out(answer);
    return converted;
}

int table(const Request& request, Output& output) {
    PlainView view; // the window's boxes, for its own pass and its copy of all results
    Form2Logic window(view, request.separator);
    window.load();
    std::vector<std::size_t> asked;
    for (std::size_t i = 0; i + 1 < request.words.size(); i += 2) {
        const Quantity* q = quantityWithUnit(request.words[i + 1]);
        if (!q) {
            fail(output, {refused, unknownUnit(request.words[i + 1])});
            return refused;
        }
        view.setText({q->values, 0}, request.words[i]);
        view.setText({q->selector, 0}, request.words[i + 1]);
        asked.push_back(quantityNumber(q->values));
    }
    window.convert();
    std::sort(asked.begin(), asked.end());
    asked.erase(std::unique(asked.begin(), asked.end()), asked.end());
    std::string answer;
    for (const std::size_t q : asked) {
        const Look& input = window.look({quantities[q].values, 0});
        if (input.background == Tint::Mark) {
            fail(output, {partlyRead, view.text({quantities[q].values, 0}) + ": " + input.toolTip});
            return partlyRead;
        }
        if (!answer.empty())
            answer += '\n';
        answer += window.copyResults(q).text;
    }
    output.out(answer);
    return converted;
}

} // namespace

struct Stream::Buffers {
    std::vector<std::string_view> words, targets;
    Converter converter;
    Failure failure;
    std::string answer;
    bool fixedUnits = false; // --de and --para, looked up once
};

Stream::Stream(const Request& request) : request_(request), buffers_(std::make_unique<Buffers>()) {}

Stream::~Stream() = default;

void Stream::line(std::string_view text, Output& output) {
    Buffers& b = *buffers_;
    ++number_;
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    if (text.empty() || text.front() == '#' || std::all_of(text.begin(), text.end(), isSpace)) {
        b.answer.assign(text).push_back('\n');
        output.out(b.answer);
        return;
    }
    std::string_view value = text, from = request_.from;
    bool known = b.fixedUnits;
    if (from.empty()) { // VALUE UNIT [TARGET...]
        split(text, b.words);
        value = b.words[0];
        from = b.words.size() > 1 ? b.words[1] : std::string_view();
        b.targets.assign(request_.to.begin(), request_.to.end());
        if (b.words.size() > 2)
            b.targets.assign(b.words.begin() + 2, b.words.end());
    } else if (!known) {
        b.targets.assign(request_.to.begin(), request_.to.end());
    }
    if (from.empty())
        b.failure.set(refused, texts::missingUnit(value));
    else if (!known)
        known = b.converter.units(from, b.targets, b.failure);
    b.fixedUnits = known && !request_.from.empty();
    b.answer.clear();
    if (known && b.converter.convert(value, request_.separator, b.failure)) {
        for (const double result : b.converter.results()) {
            if (!b.answer.empty())
                b.answer.push_back('\t');
            appendNumber(b.answer, result, request_.separator);
        }
    } else {
        fail(output, b.failure, number_);
        status_ = std::max(status_, b.failure.status);
    }
    b.answer.push_back('\n');
    output.out(b.answer);
}

BlockLines::BlockLines(std::function<std::string_view()> read, std::function<void()> waiting)
    : read_(std::move(read)), waiting_(std::move(waiting)) {}

bool BlockLines::next(std::string_view& line) {
    for (;;) {
        const std::size_t end = pending_.find('\n', scanned_);
        if (end != std::string::npos) {
            line = std::string_view(pending_).substr(start_, end - start_);
            start_ = scanned_ = end + 1;
            return true;
        }
        scanned_ = pending_.size();
        if (ended_) {
            if (start_ == pending_.size())
                return false;
            line = std::string_view(pending_).substr(start_); // the last, unended
            start_ = scanned_ = pending_.size();
            return true;
        }
        pending_.erase(0, start_);
        scanned_ -= start_;
        start_ = 0;
        waiting_();
        const std::string_view block = read_();
        if (block.empty())
            ended_ = true;
        else
            pending_.append(block);
    }
}

int run(const Request& request, Lines& input, Output& output) {
    switch (request.use) {
    case Request::Use::Help:
        output.out(help(program));
        return converted;
    case Request::Use::Version:
        output.out(texts::versionText(program));
        return converted;
    case Request::Use::Refused:
        output.err(std::string(program) + ": " + request.error + "\n" + texts::tryHelp(program));
        return refused;
    case Request::Use::Convert:
        return convertOnce(request, output);
    case Request::Use::Table:
        return table(request, output);
    case Request::Use::Stream:
        break;
    }
    Stream stream(request);
    std::string_view line;
    while (input.next(line))
        stream.line(line, output);
    return stream.status();
}

namespace {

Request refusal(Request request, std::string why) {
    request.use = Request::Use::Refused;
    request.error = std::move(why);
    return request;
}

// Once every argument is read: what the words and the flags ask for.
Request chooseUse(Request request, bool table, bool stream, bool inputIsTerminal) {
    const std::size_t words = request.words.size();
    if (table) {
        if (words == 0 || words % 2 != 0)
            return refusal(std::move(request), std::string(texts::tableNeedsPairs));
        request.use = Request::Use::Table;
    } else if (stream || (words == 0 && !inputIsTerminal)) {
        if (words != 0)
            return refusal(request, texts::valuesComeFromInput(request.words[0]));
        request.use = Request::Use::Stream;
    } else if (words >= 2 || (words == 1 && !request.from.empty())) {
        request.use = Request::Use::Convert;
    } else {
        return refusal(request, words == 0 ? std::string(texts::missingValue)
                                           : texts::missingUnit(request.words[0]));
    }
    return request;
}

} // namespace

Request readArguments(std::span<const std::string_view> arguments, char localeSeparator,
                      bool inputIsTerminal) {
    Request request;
    request.separator = localeSeparator;
    bool table = false, stream = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view a = arguments[i];
        const Option* option = nullptr;
        std::optional<std::string> value;
        for (const Option& o : options) {
            if (a == o.name || (!o.alias.empty() && a == o.alias)) {
                option = &o;
                if (!o.value.empty() && i + 1 < arguments.size())
                    value = std::string(arguments[++i]);
            } else if (!o.value.empty() && a.starts_with(o.name) && a.size() > o.name.size() &&
                       a[o.name.size()] == '=') {
                option = &o;
                value = std::string(a.substr(o.name.size() + 1));
            }
            if (option)
                break;
        }
        if (a == "/?") // as Windows users ask for help
            option = &*std::find_if(options.begin(), options.end(),
                                    [](const Option& o) { return o.action == Action::Help; });
        if (!option && a.starts_with("--"))
            return refusal(std::move(request), texts::cliOptionRefused(a));
        if (!option) {
            request.words.emplace_back(a);
            continue;
        }
        if (!option->value.empty() && !value)
            return refusal(std::move(request), texts::cliOptionRefused(a));
        switch (option->action) {
        case Action::Help:
        case Action::Version:
            request.use = option->action == Action::Version ? Request::Use::Version
                                                            : Request::Use::Help;
            return request;
        case Action::Point:
        case Action::Comma:
            request.separator = option->action == Action::Point ? '.' : ',';
            break;
        case Action::Table:
            table = true;
            break;
        case Action::From:
            request.from = *value;
            break;
        case Action::To:
            request.to.push_back(*value);
            break;
        case Action::Stream:
            stream = true;
            break;
        }
    }
    return chooseUse(std::move(request), table, stream, inputIsTerminal);
}

} // namespace quintora::cli
