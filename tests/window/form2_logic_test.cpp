// The window's behaviour, once for every front end: Form2Logic over a window
// of plain strings, as each front end's controls hold them.
#include "window/plain_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintora {
namespace {

// Boxes that show 12 characters whole.
struct FakeView : PlainView {
    FakeView() { widest = 12; }
};

// A window as the user sees it after start-up.
struct Window {
    explicit Window(char separator = '.') : logic(view, separator) { logic.load(); }
    void type(Control control, int index, std::string_view text) {
        view.setText({control, index}, text);
        logic.edited({control, index});
    }
    const std::string& text(Control control, int index) const {
        return view.texts[fieldNumber({control, index})];
    }
    const Look& look(Control control, int index) const {
        return view.looks[fieldNumber({control, index})];
    }
    std::string rows(Control control, int count) const {
        std::string joined;
        for (int i = 1; i <= count; ++i)
            joined += (i > 1 ? "|" : "") + text(control, i);
        return joined;
    }

    FakeView view;
    Form2Logic logic;
};

TEST(Form2Logic, AnUnknownUnitIsMarkedUntilKnownAgain) {
    Window w;
    w.type(Control::Combo1, 0, "kgf");
    w.type(Control::Text4, 3, "Kgf.M");
    w.logic.convert();
    EXPECT_EQ(w.rows(Control::Text1, 4), "|||");
    EXPECT_EQ(w.look(Control::Combo1, 0),
              (Look{Tint::Mark, false, "Unidade desconhecida: kgf. Quis dizer Kgf?"}));
    EXPECT_EQ(w.text(Control::Text3, 3), "");
    EXPECT_EQ(w.text(Control::Text3, 4), "0.001");
    EXPECT_EQ(w.look(Control::Text4, 3).background, Tint::Mark);
    EXPECT_EQ(w.look(Control::Text4, 4).background, Tint::Unit);

    w.type(Control::Combo1, 0, "Tf");
    w.type(Control::Text4, 3, "Kgf.m");
    w.logic.convert();
    EXPECT_EQ(w.rows(Control::Text1, 4), "1000|1|10000|10");
    EXPECT_EQ(w.look(Control::Combo1, 0).background, Tint::Unit);
    EXPECT_EQ(w.look(Control::Text4, 3), (Look{Tint::Unit, false, "quilograma-força-metro"}));
}

TEST(Form2Logic, IgnoredTextIsMarkedWithWhatWasRead) {
    Window w;
    w.type(Control::Text1, 0, "12.5kN");
    w.logic.convert();
    EXPECT_EQ(w.text(Control::Text1, 1), "12.5");
    EXPECT_EQ(w.look(Control::Text1, 0), (Look{Tint::Mark, false, "Lido como 12.5"}));
    w.type(Control::Text1, 0, "12.5");
    w.logic.convert();
    EXPECT_EQ(w.look(Control::Text1, 0), Look{});
}

TEST(Form2Logic, AnOverflowIsReportedWhereItHappenedAndTheWindowGoesOn) {
    Window w;
    w.logic.convert();
    w.type(Control::Text3, 0, "1e307");
    w.type(Control::Combo2, 0, "Kgf.cm");
    w.logic.convert();
    ASSERT_EQ(w.view.errors.size(), 1u);
    EXPECT_EQ(w.view.errors[0], "Erro em tempo de execução '6':\n\nEstouro\nMomento, N.mm");
    // The row whose result overflowed is marked until a pass writes it.
    EXPECT_EQ(w.look(Control::Text3, 7).background, Tint::Mark);
    EXPECT_EQ(w.look(Control::Text3, 7).toolTip.rfind("Número fora do intervalo", 0), 0u);
    EXPECT_EQ(w.look(Control::Text3, 6).background, Tint::Plain);
    EXPECT_EQ(w.text(Control::Text3, 6), "1E+302");
    EXPECT_EQ(w.text(Control::Text3, 7), "");
    EXPECT_EQ(w.text(Control::Text5, 1), "");

    w.type(Control::Text3, 0, "2");
    w.logic.convert();
    EXPECT_EQ(w.view.errors.size(), 1u);
    EXPECT_EQ(w.text(Control::Text3, 7), "200");
    EXPECT_EQ(w.text(Control::Text5, 1), "1");
    EXPECT_EQ(w.look(Control::Text3, 7).background, Tint::Plain);

    w.type(Control::Text1, 0, "1e400");
    w.logic.convert();
    ASSERT_EQ(w.view.errors.size(), 2u);
    EXPECT_EQ(w.view.errors[1].substr(w.view.errors[1].rfind('\n') + 1), "Força, entrada");
    EXPECT_EQ(w.look(Control::Text1, 0).background, Tint::Mark);
}

TEST(Form2Logic, ResultsOlderThanTheirInputsAreGreyedUntilEquals) {
    Window w;
    w.type(Control::Text3, 0, "5"); // before any pass: nothing to grey
    EXPECT_FALSE(w.look(Control::Text3, 1).outOfDate);
    w.logic.convert();
    w.type(Control::Text3, 0, "30");
    EXPECT_TRUE(w.look(Control::Text3, 1).outOfDate && w.look(Control::Text3, 12).outOfDate);
    EXPECT_EQ(w.look(Control::Text3, 1).toolTip, "Desatualizado: aperte = (ou Enter)");
    EXPECT_EQ(w.text(Control::Text3, 1), "5");
    EXPECT_FALSE(w.look(Control::Text1, 1).outOfDate || w.look(Control::Text5, 1).outOfDate);
    w.type(Control::Combo3, 0, "Tf/cm2");
    EXPECT_TRUE(w.look(Control::Text5, 15).outOfDate);
    w.type(Control::Text2, 2, "KN");
    EXPECT_TRUE(w.look(Control::Text1, 1).outOfDate);
    w.logic.convert();
    EXPECT_EQ(w.look(Control::Text3, 1), Look{});
    EXPECT_FALSE(w.look(Control::Text5, 15).outOfDate || w.look(Control::Text1, 1).outOfDate);
    w.type(Control::Text3, 4, "9"); // editing a result greys nothing
    EXPECT_FALSE(w.look(Control::Text3, 1).outOfDate);
}

TEST(Form2Logic, EachQuantitySaysInOneLineWhyItsBoxesLookAsTheyDo) {
    Window w;
    w.logic.convert();
    w.type(Control::Combo1, 0, "xyz");
    w.type(Control::Text3, 0, "1e400");
    w.logic.convert();
    w.type(Control::Text5, 0, "3");
    EXPECT_EQ(w.logic.reason(0), "Unidade desconhecida");
    EXPECT_EQ(w.logic.reason(1).rfind("Número fora do intervalo", 0), 0u);
    EXPECT_EQ(w.logic.reason(2), "Desatualizado: aperte = (ou Enter)");
    w.type(Control::Combo1, 0, "Kgf");
    w.type(Control::Text3, 0, "1");
    w.logic.convert();
    EXPECT_EQ(w.logic.reason(0) + w.logic.reason(1) + w.logic.reason(2), "");
}

TEST(Form2Logic, APointBeforeThreeDigitsIsMarkedUnderADecimalComma) {
    Window english;
    english.type(Control::Text1, 0, "1.000");
    english.logic.convert();
    EXPECT_EQ(english.look(Control::Text1, 0), Look{});

    Window portuguese(',');
    portuguese.type(Control::Text1, 0, "1.000");
    portuguese.logic.convert();
    EXPECT_EQ(portuguese.text(Control::Text1, 1), "1");
    EXPECT_EQ(portuguese.look(Control::Text1, 0),
              (Look{Tint::Mark, false, "Lido como 1 (o ponto é decimal); para 1000, digite 1000"}));
    portuguese.type(Control::Text1, 0, "1,5");
    portuguese.logic.convert();
    EXPECT_EQ(portuguese.look(Control::Text1, 0), Look{});
}

TEST(Form2Logic, AUnitNameThatNearlyMatchesOrLiesOutsideSaysHowToGoOn) {
    struct Case {
        Control control;
        const char* typed;
        const char* reason;
    };
    // clang-format off
    for (const Case& c : {
             Case{Control::Combo2, "kN.m",    "Unidade desconhecida: kN.m. Quis dizer KN.m?"},
             {Control::Combo2,     "KNm",     "Unidade desconhecida: KNm. Quis dizer KN.m?"},
             {Control::Combo2,     "kN·m",    "Unidade desconhecida: kN·m. Quis dizer KN.m?"},
             {Control::Combo2,     "kN * m",  "Unidade desconhecida: kN * m. Quis dizer KN.m?"},
             {Control::Combo3,     "kgf/cm²", "Unidade desconhecida: kgf/cm². Quis dizer Kgf/cm2?"},
             {Control::Combo3,     "N/mm²",   "Unidade desconhecida: N/mm². Quis dizer N/mm2?"},
             {Control::Combo3,     "kPa",     "Unidade desconhecida: kPa. Quis dizer KPa?"},
             {Control::Combo1,     "tf",      "Unidade desconhecida: tf. Quis dizer Tf?"},
             {Control::Combo3,     "kg/cm²",  "Unidade desconhecida: kg/cm². Quis dizer Kgf/cm2? (kg é massa)"},
             {Control::Combo3,     "kg/cm2",  "Unidade desconhecida: kg/cm2. Quis dizer Kgf/cm2? (kg é massa)"},
             {Control::Combo3,     "t/m²",    "Unidade desconhecida: t/m². Quis dizer Tf/m2? (t é massa)"},
             {Control::Combo2,     "t.m",     "Unidade desconhecida: t.m. Quis dizer Tf.m? (t é massa)"},
             {Control::Combo2,     "tm",      "Unidade desconhecida: tm. Quis dizer Tf.m? (t é massa)"},
             {Control::Combo2,     "kgm",     "Unidade desconhecida: kgm. Quis dizer Kgf.m? (kg é massa)"},
             {Control::Combo1,     "kg",      "Unidade desconhecida: kg. Quis dizer Kgf? (kg é massa)"},
             {Control::Text2,      "t",       "Unidade desconhecida: t. Quis dizer Tf? (t é massa)"},
             {Control::Combo3,     "GPa",     "GPa não está na lista: 1 GPa = 1000 MPa; digite o valor em MPa"},
             {Control::Combo1,     "dan",     "daN não está na lista: 1 daN = 10 N; digite o valor em N"},
             {Control::Combo2,     "kN/m",    "kN/m é carga por metro, outra grandeza, que o programa não converte"},
             {Control::Combo3,     "kN/m³",   "kN/m3 é peso específico, outra grandeza, que o programa não converte"},
             {Control::Combo2,     "KN",      "KN é unidade de força"},
             {Control::Text6,      "Kgf.m",   "Kgf.m é unidade de momento"},
             {Control::Combo2,     "lbf.ft",  "Unidade desconhecida"},
         }) {
        // clang-format on
        Window w;
        const int index = c.control == Control::Text6 || c.control == Control::Text2 ? 2 : 0;
        w.type(c.control, index, c.typed);
        w.logic.convert();
        const Look& look = w.look(c.control, index);
        EXPECT_EQ(look.background, Tint::Mark) << c.typed;
        EXPECT_EQ(look.toolTip, c.reason) << c.typed;
    }
}

TEST(Form2Logic, APasteTakesItsFirstLineAloneAndSaysWhatItLeftOut) {
    struct Case {
        const char* clipboard;
        const char* text;
        const char* mark; // empty: none
    };
    for (const Case& c : {
             Case{"1\n2\n3\n",         "1",        "Colado: só a primeira de 3 linhas"  },
             {"12,5\r\n",          "12,5",     ""                                    },
             {"\r\n  \n7\r\n\r\n", "7",        ""                                    },
             {"1\t2\t3",           "1",        "Colado: só a primeira de 3 células"},
             {"\t1.234,56\t",      "1.234,56", ""                                    }
    }) {
        Window w(',');
        const Paste paste = pasteOf(c.clipboard);
        EXPECT_EQ(paste.text, c.text) << c.clipboard;
        w.type(Control::Text5, 0, paste.text);
        w.logic.pasted({Control::Text5, 0}, paste);
        w.logic.convert();
        EXPECT_EQ(w.look(Control::Text5, 0).toolTip, c.mark) << c.clipboard;
    }
    Window w;
    w.type(Control::Text5, 0, "1");
    w.logic.pasted({Control::Text5, 0}, pasteOf("1\n2\n3"));
    w.logic.convert();
    EXPECT_EQ(w.text(Control::Text5, 1), "1"); // never 123
    w.type(Control::Text5, 0, "2");            // typed: the mark goes
    EXPECT_EQ(w.look(Control::Text5, 0), Look{});
}

TEST(Form2Logic, ALongPasteIsCutAtAWholeCharacter) {
    std::string accents;
    for (int i = 0; i < 5000; ++i)
        accents += "é";
    const Paste paste = pasteOf(accents);
    EXPECT_EQ(paste.text, accents.substr(0, 2 * longestPaste));
    EXPECT_EQ(paste.characters, 5000u);
}

TEST(Form2Logic, CopiesAQuantityOrAllAsATableOfValuesAndUnits) {
    Window w(',');
    w.type(Control::Text3, 0, "25");
    w.type(Control::Combo2, 0, "KN.m");
    w.type(Control::Text1, 0, "1.234,5");
    w.logic.convert();
    const ResultsTable moment = w.logic.copyResults(1);
    EXPECT_EQ(moment.text.substr(0, moment.text.find("N.mm")),
              "Momento: 25 KN.m\n2500000\tKgf.mm\n250000\tKgf.cm\n2500\tKgf.m\n2500\tTf.mm\n"
              "250\tTf.cm\n2,5\tTf.m\n25000000\t");
    EXPECT_NE(moment.html.find("<tr><th colspan=\"2\">Momento: 25 KN.m</th></tr>\n"
                               "<tr><td sdval=\"2500000\" x:num=\"2500000\">2500000</td>"
                               "<td>Kgf.mm</td></tr>"),
              std::string::npos);
    EXPECT_NE(moment.html.find("<td sdval=\"2.5\" x:num=\"2.5\">2,5</td><td>Tf.m</td>"),
              std::string::npos);
    const ResultsTable all = w.logic.copyResults(allResults);
    EXPECT_EQ(all.text.substr(0, all.text.find("\n\n")),
              "Força: 1234,5 Kgf\n1234,5\tKgf\n1,2345\tTf\n12345\tN\n12,345\tKN");
    EXPECT_NE(all.text.find("\n\nMomento: 25 KN.m\n"), std::string::npos);
    EXPECT_NE(all.text.find("\n\nTensão: 1 Kgf/mm2\n1\tKgf/mm2\n"), std::string::npos);
    EXPECT_EQ(all.text.back(), '\n');
}

TEST(Form2Logic, NeverCopiesResultsThatAreStaleOrSuspect) {
    Window w;
    EXPECT_EQ(w.logic.copyLabel(0), "Copiar resultados de Força (sem resultados: aperte =)");
    w.logic.convert();
    EXPECT_EQ(w.logic.copyLabel(0), "Copiar resultados de Força");
    EXPECT_EQ(w.logic.copyLabel(allResults), "Copiar todos os resultados");
    w.type(Control::Text1, 0, "2");
    EXPECT_EQ(w.logic.copyLabel(0), "Copiar resultados de Força (desatualizados: aperte =)");
    EXPECT_FALSE(w.logic.copyState(allResults).enabled);
    EXPECT_TRUE(w.logic.copyState(1).enabled);
    w.type(Control::Text3, 0, "12.5kN");
    w.logic.convert();
    EXPECT_EQ(w.logic.copyLabel(1), "Copiar resultados de Momento (caixa marcada)");
    EXPECT_EQ(w.logic.copyLabel(allResults), "Copiar todos os resultados (caixa marcada)");
    w.type(Control::Text3, 0, "12.5");
    w.logic.convert();
    w.type(Control::Text5, 4, "99"); // a result edited by hand is no result
    EXPECT_FALSE(w.logic.copyState(2).enabled);
    EXPECT_TRUE(w.logic.copyState(0).enabled && w.logic.copyState(1).enabled);
}

} // namespace
} // namespace quintora
