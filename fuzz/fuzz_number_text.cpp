// The number reader over any bytes: a finite number or the overflow error,
// and what the writer makes of the number reads back to the same text.
#include "core/number.h"
#include "fuzz/written_text.h"

#include <cmath>
#include <cstdint>

using namespace quintora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char separator = data[0] % 2 ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const Reading reading = readNumber(text, separator);
    if (reading.overflow)
        return 0;
    const double value = reading.value;
    require(std::isfinite(value), "a read number is finite");
    const std::string written = writeNumber(value, separator);
    require(fitsWrittenGrammar(written, separator), "written text fits the grammar");
    const Reading back = readNumber(written, separator);
    require(back.whole, "a written text reads whole");
    require(writeNumber(back.value, separator) == written, "a written text reads back to itself");
    return 0;
}
