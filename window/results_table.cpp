#include "window/results_table.h"

#include "core/number.h"

#include <cstdio>
#include <cstring>

namespace quintora {
namespace {

// A value's cell: the text shown, and its number with a point for LibreOffice
// (sdval) and Excel (x:num).
std::string valueCell(std::string_view shown, char decimalSeparator) {
    const std::string number = writeNumber(readNumber(shown, decimalSeparator).value, '.');
    return "<td sdval=\"" + number + "\" x:num=\"" + number + "\">" + htmlEscaped(shown) + "</td>";
}

} // namespace

std::string htmlEscaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

ResultsTable resultsTable(std::span<const ResultColumn> columns, char decimalSeparator) {
    ResultsTable table;
    std::string rows;
    for (const ResultColumn& column : columns) {
        if (!table.text.empty()) {
            table.text += "\n";
            rows += "<tr><td></td><td></td></tr>\n";
        }
        const std::string heading =
            std::string(column.heading) + ": " + column.input + " " + column.inputUnit;
        table.text += heading + "\n";
        rows += "<tr><th colspan=\"2\">" + htmlEscaped(heading) + "</th></tr>\n";
        for (const auto& [value, unit] : column.rows) {
            table.text += value + "\t" + unit + "\n";
            rows += "<tr>" + valueCell(value, decimalSeparator) + "<td>" + htmlEscaped(unit) +
                    "</td></tr>\n";
        }
    }
    table.html = "<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\">\n"
                 "<head><meta charset=\"utf-8\"></head>\n<body>\n<table>\n" +
                 rows + "</table>\n</body>\n</html>\n";
    return table;
}

std::string windowsHtmlFormat(std::string_view html) {
    std::string document(html);
    document.insert(document.find("<table>"), "<!--StartFragment-->");
    document.insert(document.find("</table>") + std::strlen("</table>"), "<!--EndFragment-->");
    constexpr const char* header = "Version:0.9\r\nStartHTML:%010zu\r\nEndHTML:%010zu\r\n"
                                   "StartFragment:%010zu\r\nEndFragment:%010zu\r\n";
    constexpr std::size_t none = 0;
    const auto start =
        static_cast<std::size_t>(std::snprintf(nullptr, 0, header, none, none, none, none));
    const std::size_t fragment =
        start + document.find("<!--StartFragment-->") + std::strlen("<!--StartFragment-->");
    const std::size_t fragmentEnd = start + document.find("<!--EndFragment-->");
    char head[160];
    std::snprintf(head, sizeof head, header, start, start + document.size(), fragment, fragmentEnd);
    return head + document;
}

} // namespace quintora
