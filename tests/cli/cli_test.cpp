// quintora-cli's reading of its command line and of standard input, and its
// answers and exit codes, for every platform it builds on.
#include "cli/cli.h"
#include "window/plain_view.h"

#include <gtest/gtest.h>

#include <fstream>

#include <string>
#include <vector>

namespace quintora::cli {
namespace {

class Strings : public Output, public Lines {
public:
    explicit Strings(std::string_view in) : in_(in) {}
    void out(std::string_view text) override { out_ += text; }
    void err(std::string_view text) override { err_ += text; }
    bool next(std::string_view& line) override {
        if (in_.empty())
            return false;
        const std::size_t end = std::min(in_.find('\n'), in_.size());
        line = in_.substr(0, end);
        in_.remove_prefix(std::min(end + 1, in_.size()));
        return true;
    }
    std::string_view in_;
    std::string out_, err_;
};

struct Case {
    std::vector<std::string_view> arguments;
    std::string_view in;  // standard input, which is no terminal when not empty
    std::string_view out; // all of standard output
    std::string_view err; // what standard error begins with
    int status;
    char locale = '.'; // the user's decimal separator
};

TEST(QuintoraCli, AnswersScriptsAndSaysWhyNot) {
    // clang-format off
    const std::vector<Case> cases{
        {{"25", "KN.m", "Kgf.cm"},             "", "250000\n", "", 0},
        {{"25", "KN.m", "Kgf.cm", "Tf.m"},     "", "250000\n2.5\n", "", 0},
        {{"25", "KN.m", "Tf.m"},               "", "2,5\n", "", 0, ','},
        {{"--ponto", "2,5", "KN.m", "Tf.m"},   "", "", "quintora-cli: 2,5: Lido como 2\n", 1, ','},
        {{"3", "N"},                           "", "   0.3  Kgf\n0.0003  Tf\n     3  N\n 0.003  KN\n", "", 0},
        {{"--virgula", "1.234,5", "Kgf", "Tf"}, "", "1,2345\n", "", 0},
        {{"--ponto", "1,234.5", "Kgf", "Tf"},  "", "1.2345\n", "", 0},
        {{"25", "kN.m", "Kgf.cm"},             "", "", "quintora-cli: Unidade desconhecida: kN.m. Quis dizer KN.m?\nUnidades de momento: Kgf.mm,", 2},
        {{"1", "KN", "Kgf.cm"},                "", "", "quintora-cli: Kgf.cm é unidade de momento; KN é unidade de força\n", 2},
        {{"12.5kN", "KN", "Kgf"},              "", "", "quintora-cli: 12.5kN: Lido como 12.5\n", 1},
        {{"--virgula", "1.000", "Kgf", "N"},   "", "", "quintora-cli: 1.000: Lido como 1 (o ponto é decimal)", 1},
        {{"1e307", "Kgf.cm", "N.mm"},          "", "", "quintora-cli: Estouro: Momento, N.mm\n", 1},
        {{"25"},                               "", "", "quintora-cli: falta a unidade de '25'\n", 2},
        {{"--bogus"},                          "", "", "quintora-cli: opção desconhecida", 2},
        {{"-", "--de", "KN.m", "--para", "Kgf.cm"},
         "25\n# moments\n\n12.5kN\n1.5\r\n", "250000\n# moments\n\n\n15000\n",
         "quintora-cli: linha 4: 12.5kN: Lido como 12.5\n", 1},
        {{}, "25 KN.m Kgf.cm\n1 Kgf\n1 kn\n2 Tf KN\n", "250000\n1\t0.001\t10\t0.01\n\n20\n",
         "quintora-cli: linha 3: Unidade desconhecida: kn. Quis dizer KN?\nUnidades de força:", 2},
    };
    // clang-format on
    for (const Case& c : cases) {
        Strings io(c.in);
        const Request request = readArguments(c.arguments, c.locale, c.in.empty());
        const int status = run(request, io, io);
        const std::string shown = c.arguments.empty() ? "(stdin)" : std::string(c.arguments[0]);
        EXPECT_EQ(status, c.status) << shown;
        EXPECT_EQ(io.out_, c.out) << shown;
        EXPECT_EQ(io.err_.substr(0, c.err.size()), c.err) << shown << ": " << io.err_;
    }
}

TEST(QuintoraCli, GivesTheWindowsReasonForAUnitItDoesNotKnow) {
    for (const Control selector : {Control::Combo1, Control::Combo2, Control::Combo3}) {
        for (const std::string_view name : {"kg", "t.m", "kg/cm²", "GPa", "daN", "kN/m", "KN"}) {
            PlainView view;
            Form2Logic window(view, '.');
            window.load();
            view.setText({selector, 0}, name);
            window.edited({selector, 0});
            window.convert();
            const Look& look = window.look({selector, 0});
            const std::string& reason = look.toolTip;
            if (look.background != Tint::Mark || reason == "Unidade desconhecida")
                continue; // a unit of this quantity; or nothing to say but its list
            const std::string_view target = quantityOf(selector).units.front().name;
            Strings io("");
            run(readArguments(std::vector<std::string_view>{"1", name, target}, '.', true), io, io);
            const std::string said = io.err_.substr(0, io.err_.find('\n'));
            EXPECT_NE(said.find(reason), said.npos) << name << ": " << said << " / " << reason;
        }
    }
}

TEST(QuintoraCli, TheReadmeSaysTheExitCodesAsTheHelpAndManualDo) {
    std::ifstream file(QUINTORA_SOURCE_DIR "/README.md");
    std::string readme;
    for (std::string word; file >> word;)
        readme += word + " ";
    for (const bool manual : {true, false})
        EXPECT_NE(readme.find(exitCodesSaid(manual)), std::string::npos) << exitCodesSaid(manual);
}

TEST(QuintoraCli, TabulatesAsTheWindowCopiesAllResults) {
    Strings io("");
    const Request request = readArguments(
        std::vector<std::string_view>{"--tabela", "25", "KN.m", "1", "Kgf"}, '.', true);
    EXPECT_EQ(run(request, io, io), 0);
    EXPECT_EQ(io.out_.substr(0, io.out_.find("\n\n") + 26),
              "Força: 1 Kgf\n1\tKgf\n0.001\tTf\n10\tN\n0.01\tKN\n\nMomento: 25 KN.m\n2500000");
}

} // namespace
} // namespace quintora::cli
