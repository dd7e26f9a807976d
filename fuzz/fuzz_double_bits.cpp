// The number writer over any finite double bit pattern.
#include "core/number.h"
#include "fuzz/written_text.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace quintora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double))
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0; // neither the reader nor the pass hands these to the writer
    for (char separator : {'.', ','}) {
        char buffer[maxNumberText];
        const std::size_t length = writeNumber(value, separator, buffer);
        const std::string_view text(buffer, length);
        require(length > 0 && length <= maxNumberText, "length within the buffer");
        require(fitsWrittenGrammar(text, separator), "written text fits the grammar");
        require(text.find("inf") == text.npos && text.find("nan") == text.npos, "no inf or nan");
        // Fifteen significant digits: within half a unit of the fifteenth
        // digit (a whole unit for the largest doubles, which are cut).
        const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 14);
        const double magnitude = std::fabs(value);
        const double ulp = std::nextafter(magnitude, INFINITY) - magnitude;
        const double allowed =
            unit * (magnitude > 1.79769313486231e308 ? 1.0 : 0.5) + (std::isinf(ulp) ? 0 : 4 * ulp);
        const Reading reading = readNumber(text, separator);
        require(!reading.overflow, "a written text reads back without overflow");
        const double back = reading.value;
        require(value == 0 || std::fabs(back - value) <= allowed,
                "written text is the value to fifteen digits");
    }
    return 0;
}
