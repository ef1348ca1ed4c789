#include "core/block/Viewpoints.h"

#include "core/block/InsideBlock.h"
#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

ViewParams example()
{
    return testing::workedExampleParams();
}

// The nine numbers of a viewpoint from one blank-separated text.
ViewParams numbers(const std::string& text)
{
    ViewParams params;
    std::size_t at = 0;
    for (const ViewField& field : viewFields) {
        if (isNumberField(field)) {
            const std::size_t end = std::min(text.find(' ', at), text.size());
            params.*field.member = text.substr(at, end - at);
            at = end + 1;
        }
    }
    return params;
}

TEST(MissingValuesText, NamesTheFirstEmptyValueAndItsViewpoint)
{
    struct Case
    {
        const char* row;
        ViewParams principal;
        std::vector<ViewParams> added;
        std::optional<std::string> text;
    };
    ViewParams noStartX = example();
    noStartX.startDirectionX.clear();
    ViewParams noSound = example();
    noSound.soundFile.clear();
    ViewParams blank = example();
    blank.headY = " ";
    const ViewParams full = numbers("1 2 3 4 5 6 7 8 9");
    const Case cases[] = {
        {"all filled", example(), {full}, std::nullopt},
        {"a lone blank counts as filled", blank, {}, std::nullopt},
        {"one of the principal, no viewpoint added", noStartX, {}, "Falta Dirección de inicio X."},
        {"one of the principal, with one added",
         noSound,
         {full},
         "Falta Archivo de sonido de la vista principal."},
        {"one of an added viewpoint, Principal shown",
         example(),
         {full, numbers("1 2 3 4 5 6  8 9")},
         "Falta Dirección de inicio X de la vista 3."},
        {"the principal's come first",
         noStartX,
         {numbers("1 2 3 4 5 6 7 8 ")},
         "Faltan 2 valores: el primero, Dirección de inicio X de la vista principal."},
        {"at the start", ViewParams{}, {}, "Faltan 11 valores: el primero, Archivo Shape."},
        {"an added viewpoint's names are the principal's",
         example(),
         {numbers("        ")},
         "Faltan 9 valores: el primero, Posición de la cámara X de la vista 2."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(missingValuesText(c.principal, c.added), c.text) << c.row;
        // The reason is given exactly when Generate is not offered.
        EXPECT_EQ(isReady(c.principal, c.added), !c.text.has_value()) << c.row;
    }
}

TEST(StaleBlock, TheBlockIsStaleWhenGenerateWouldWriteAnotherOrNone)
{
    const ViewParams principal = example();
    const std::vector<ViewParams> added{numbers("0.9 2.3 -1.79 50 270 0 0 270 0")};
    const std::string block = *generatedCode(principal, added);
    struct Case
    {
        const char* row;
        void (*change)(ViewParams& principal, std::vector<ViewParams>& added);
        bool stale;
    };
    const Case cases[] = {
        {"nothing changed", [](ViewParams&, std::vector<ViewParams>&) {}, false},
        {"a number of the principal",
         [](ViewParams& p, std::vector<ViewParams>&) { p.headZ = "-5.2"; }, true},
        {"the same number written otherwise",
         [](ViewParams& p, std::vector<ViewParams>&) { p.headY = "2.30"; }, true},
        {"a number of an added viewpoint",
         [](ViewParams&, std::vector<ViewParams>& a) { a[0].rotationLimitY = "90"; }, true},
        {"a name", [](ViewParams& p, std::vector<ViewParams>&) { p.soundFile = "otro.sms"; }, true},
        {"the viewpoint removed", [](ViewParams&, std::vector<ViewParams>& a) { a.clear(); }, true},
        {"a viewpoint added as a copy",
         [](ViewParams&, std::vector<ViewParams>& a) { a.push_back(a[0]); }, true},
        {"a value emptied: Generate is not offered",
         [](ViewParams& p, std::vector<ViewParams>&) { p.startDirectionZ.clear(); }, true},
        {"a value Generate refuses",
         [](ViewParams& p, std::vector<ViewParams>&) { p.headY = "2-"; }, true},
    };
    for (const Case& c : cases) {
        ViewParams p = principal;
        std::vector<ViewParams> a = added;
        c.change(p, a);
        EXPECT_EQ(isStaleBlock(block, p, a), c.stale) << c.row;
    }
    EXPECT_TRUE(isStaleBlock(block + " ", principal, added));
}

TEST(Viewpoints, AddedAtTheEndSoNoNameChangesAndRemovedAskingInTrueWords)
{
    Viewpoints views;
    views.setShownParams(example());
    views.add();
    EXPECT_EQ(views.removeQuestion(), std::nullopt); // a copy, unchanged
    views.setShownParams(withNumbersOf(example(), numbers("1 2 3 4 5 6 7 8 9")));
    EXPECT_EQ(views.removeQuestion(),
              "Vista 2 tiene números distintos de los que tenía al añadirla. ¿Quiere quitarla?");
    views.show(0);
    views.add(); // after Vista 2, not after the principal shown
    EXPECT_EQ(views.shown(), 2u);
    EXPECT_TRUE(sameNumbers(views.all()[1], numbers("1 2 3 4 5 6 7 8 9")));
    EXPECT_EQ(views.all()[2], example());

    views.replaceAdded({numbers("1 2 3 0 0 0 0 0 0"), numbers("4 5 6 0 0 0 0 0 0")});
    EXPECT_FALSE(views.anyAddedChanged());
    views.show(2);
    // An added viewpoint shown keeps the principal's names whatever the fields say.
    views.setShownParams(numbers("4 5 7 0 0 0 0 0 0"));
    EXPECT_EQ(views.shownParams().shapeFile, "interior.s");
    // Unless a picker left open chose one: then it is every viewpoint's, and no number moves.
    const ViewParams chosen{"otro.s", "", "", "", "", "", "", "", "", "", "b.sms"};
    views.setNames(withNumbersOf(chosen, numbers("9 9 9 9 9 9 9 9 9")));
    EXPECT_EQ(views.principal(), withNumbersOf(chosen, example()));
    EXPECT_EQ(views.shownParams(), withNumbersOf(chosen, numbers("4 5 7 0 0 0 0 0 0")));
    EXPECT_EQ(views.removeQuestion(), "Vista 3 tiene números distintos de los que tenía al "
                                      "leerla del código. ¿Quiere quitarla?");
    views.removeShown();
    EXPECT_EQ(views.size(), 2u);
    EXPECT_EQ(views.shown(), 1u);
    views.show(0);
    views.removeShown(); // the principal stays
    EXPECT_EQ(views.size(), 2u);
}

} // namespace
} // namespace orbanil
