// The results as they leave the program for a spreadsheet or a report: one
// layout for the window's copies and the command line's --tabela.
//
// Each quantity is a heading line with its input as read ("Momento: 25
// KN.m"), then one line a result: the value as shown, a tab, the unit
// name. Quantities are parted by an empty line. The same table goes as
// plain text and as HTML, whose cells say each value's number in a form any
// locale reads, so that Calc and Excel take it as a number.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quintora {

struct ResultColumn {
    std::string_view heading; // "Momento"
    std::string input;        // the input's value as read, written as results are
    std::string inputUnit;
    std::vector<std::pair<std::string, std::string>> rows; // value, unit
};

struct ResultsTable {
    std::string text; // lines end with "\n"
    std::string html; // a whole HTML document
};

// `decimalSeparator`: the one the values are written with.
ResultsTable resultsTable(std::span<const ResultColumn> columns, char decimalSeparator);

// Text as HTML writes it: "&", "<", ">" and '"' as their entities.
std::string htmlEscaped(std::string_view text);

// The table's HTML as Windows' clipboard has it ("HTML Format"): a header of
// the byte offsets of the document and of its fragment, the table, then the
// document with the fragment marked.
std::string windowsHtmlFormat(std::string_view html);

} // namespace quintora
