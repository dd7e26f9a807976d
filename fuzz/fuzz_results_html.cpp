// The copied table's HTML and the "HTML Format" that Windows' clipboard
// needs, over texts of any kind as inputs, units and values: every text
// comes out escaped (no "<" but the table's own tags, no "&" but an
// entity), and each offset of the header points exactly where it says.
#include "fuzz/written_text.h"
#include "window/results_table.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace quintora;

namespace {

// Texts of any bytes, parted by byte 0xFF.
std::vector<std::string> texts(std::string_view data) {
    std::vector<std::string> out(1);
    for (const char c : data) {
        if (static_cast<unsigned char>(c) == 0xFF)
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

bool taggedOrEscaped(std::string_view html) {
    static constexpr std::string_view tags[] = {
        "<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\">", "</html>",
        "<head><meta charset=\"utf-8\"></head>", "<body>", "</body>", "<table>", "</table>",
        "<tr>", "</tr>", "<th colspan=\"2\">", "</th>", "<td>", "</td>", "<td sdval=\"",
        "<!--StartFragment-->", "<!--EndFragment-->"};
    for (std::size_t at = 0; at < html.size(); ++at) {
        const std::string_view rest = html.substr(at);
        if (html[at] == '&' && !rest.starts_with("&amp;") && !rest.starts_with("&lt;") &&
            !rest.starts_with("&gt;") && !rest.starts_with("&quot;"))
            return false;
        if (html[at] != '<')
            continue;
        std::size_t length = 0;
        for (const std::string_view tag : tags)
            length = rest.starts_with(tag) ? tag.size() : length;
        if (length == 0)
            return false;
        if (rest.starts_with("<td sdval=\"")) { // its number twice, then ">"
            length = rest.find('>') + 1;
            if (length == 0 || rest.substr(1, length - 2).find_first_of("<&") != std::string_view::npos)
                return false;
        }
        at += length - 1;
    }
    return true;
}

std::size_t offset(std::string_view format, std::string_view name) {
    const std::size_t at = format.find(name);
    return at == std::string_view::npos ? std::string_view::npos
                                        : std::strtoull(format.data() + at + name.size(), nullptr, 10);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char separator = data[0] % 2 ? ',' : '.';
    const std::vector<std::string> t =
        texts(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::vector<ResultColumn> columns(1 + data[0] % 3);
    for (std::size_t i = 0; i < t.size(); ++i) {
        ResultColumn& column = columns[i % columns.size()];
        if (column.input.empty())
            column.input = t[i];
        else if (column.inputUnit.empty())
            column.inputUnit = t[i];
        else
            column.rows.emplace_back(t[i], i + 1 < t.size() ? t[i + 1] : "");
    }
    for (ResultColumn& column : columns)
        column.heading = "Momento";
    const ResultsTable table = resultsTable(columns, separator);
    require(taggedOrEscaped(table.html), "a text not escaped in the HTML");

    const std::string format = windowsHtmlFormat(table.html);
    const std::size_t startHtml = offset(format, "StartHTML:"), endHtml = offset(format, "EndHTML:");
    const std::size_t start = offset(format, "StartFragment:"), end = offset(format, "EndFragment:");
    require(format.compare(startHtml, 6, "<html ") == 0, "StartHTML points elsewhere");
    require(endHtml == format.size(), "EndHTML points elsewhere");
    require(format.compare(start - 20, 20, "<!--StartFragment-->") == 0 &&
                format.compare(start, 7, "<table>") == 0,
            "StartFragment points elsewhere");
    require(format.compare(end, 18, "<!--EndFragment-->") == 0 &&
                format.compare(end - 8, 8, "</table>") == 0,
            "EndFragment points elsewhere");
    return 0;
}
