// The window's behaviour, once for every front end: Form2Logic over a window
// of plain strings, as each front end's controls hold them.
#include "window/form2_logic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintora {
namespace {

class FakeView : public FormView {
public:
    FakeView() : texts(allFields().size()), looks(allFields().size()) {
        for (const ControlRow& row : controlTable())
            if (row.kind == Kind::TextBox || row.kind == Kind::ComboBox)
                texts[fieldNumber(row.field())] = row.text;
    }
    std::string text(Field f) const override { return texts[fieldNumber(f)]; }
    void setText(Field f, std::string_view text) override { texts[fieldNumber(f)] = text; }
    bool fits(Field, std::string_view text) const override { return text.size() <= 12; }
    void setLook(Field f, const Look& look) override { looks[fieldNumber(f)] = look; }
    void showError(std::string_view message) override { errors.emplace_back(message); }

    std::vector<std::string> texts;
    std::vector<Look> looks;
    std::vector<std::string> errors;
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
    EXPECT_EQ(w.look(Control::Combo1, 0), (Look{Tint::Mark, false, "Unidade desconhecida"}));
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
    w.type(Control::Combo1, 0, "kgf");
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

} // namespace
} // namespace quintora
