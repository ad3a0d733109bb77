// Declaration text of the building-block records.
#include "palette/QtObjPalette.h"

#include "SheetProbe.h"

#include <QLabel>
#include <QProgressBar>
#include <memory>

namespace {

using P = QtObjPalette;

const SWidgetColor kFullColor{0x000000, 0xffffff, 0x112233, 0x445566, 0xabcdef};
const SWidgetColor kUnsetColor;
const SWidgetColor kBlackOnWhite{0x000000, 0xffffff};
const SWidgetColor kAlphaBackground{kWgColorUnset, 0x80ff0000};
const SWidgetColor kWideBackground{kWgColorUnset, 0x1ff0000};

const WIDGET_FONT kTahoma{14, WG_FONT_WEIGHT_NORMAL, "Tahoma"};
const WIDGET_FONT kUnsetFont{0, WG_FONT_WEIGHT_UNSET, ""};
const WIDGET_FONT kNegativeSizeBold{-3, WG_FONT_WEIGHT_BOLD, ""};

const SWidgetGradientColor kTopDown{0, 0, 0, 1, 2, {0.0f, 1.0f}, {0xffffff, 0x000000}};
const SWidgetGradientColor kNoStops{0, 0, 1, 0, 0, {0.5f}, {0x123456}};
const SWidgetGradientColor kNegativeCount{0.25f, 0.5f, 0.75f, 1, -2, {0.5f}, {0x123456}};
const SWidgetGradientColor kFourStops{0, 0, 1, 1, 4, {0, 0.3f, 0.6f, 1}, {0x0000ff, 0x00ff00, 0xff0000, 0xabcdef}};

const SWidgetBorderLine kLineZero{0};
const SWidgetBorderLine kLineSolid{1, WG_BORDER_EDGE_SOLID, 0xa9a9a9};
const SWidgetBorderLine kLineEdgeNoColour{2, WG_BORDER_EDGE_SOLID};
const SWidgetBorderLine kLineColourNoEdge{3, WG_BORDER_EDGE_UNSET, 0xff0000};
const SWidgetBorderLine kLineEdgeZero{1, WG_BORDER_EDGE_NONE, 0xff0000};
const SWidgetBorderLine kLineEdgeOutside{1, WG_BORDER_EDGE_S(11), 0xff0000};
const SWidgetBorderLine kLineDashed{2, WG_BORDER_EDGE_DASHED, 0x00ff00};

const SWidgetBorderRadius kRadiusAll{4};
const SWidgetBorderRadius kRadiusEach{4, 1, 2, 3, 5};
const SWidgetBorderRadius kRadiusZero{0};
const SWidgetBorderRadius kRadiusUnset;

const SWidgetBorderSides kSidesSolid{1, kWgLengthUnset, 2, 3, WG_BORDER_EDGE_SOLID, 0x808080};
const SWidgetBorderSides kSidesNoEdge{kWgLengthUnset,       5,       kWgLengthUnset, kWgLengthUnset,
                                      WG_BORDER_EDGE_UNSET, 0x808080};
const SWidgetBorderSides kSidesEdgeNoColour{1, kWgLengthUnset, kWgLengthUnset, kWgLengthUnset, WG_BORDER_EDGE_SOLID};
const SWidgetBorderSides kSidesEdgeZero{1,       kWgLengthUnset, kWgLengthUnset, kWgLengthUnset, WG_BORDER_EDGE_NONE,
                                        0x808080};
const SWidgetBorderSides kSidesUnset;

const SWidgetSides kSidesFive{5, kWgLengthUnset, 5};
const SWidgetSides kSidesAll{2, 1, 2, 1};
const SWidgetSides kRightThree{kWgLengthUnset, kWgLengthUnset, 3};
const SWidgetSides kNegativeLeft{-2, 0};
const SWidgetSides kSidesNone;

const WIDGET_SIZE kSquare26{26, 26};
const WIDGET_SIZE kHeightOnly{kWgLengthUnset, 30};

const WIDGET_BORDER kBorderFull{&kLineSolid, &kRadiusAll};
const WIDGET_BORDER kBorderLineOnly{&kLineSolid, nullptr};
const WIDGET_BORDER kBorderRadiusOnly{nullptr, &kRadiusAll};
const WIDGET_BORDER kBorderEmpty;
const WIDGET_OUTLINE kOutlineDashed{&kLineDashed};
const WIDGET_OUTLINE kOutlineEmpty;

std::vector<SSheetCase> declarationCases()
{
    const auto label = makerOf<QLabel>();
    return {
        {"colour all unset", [] { return P::compColorStyle(&kUnsetColor, false); }, "", label},
        {"colour all unset with alpha", [] { return P::compColorStyle(&kUnsetColor, true); }, "", label},
        {"colour null", [] { return P::compColorStyle(nullptr, false); }, "", label},
        {"colour black on white", [] { return P::compColorStyle(&kBlackOnWhite, false); },
         "color:#000000;background-color:#ffffff;", label},
        {"colour full", [] { return P::compColorStyle(&kFullColor, false); },
         "color:#000000;background-color:#ffffff;selection-color:#112233;selection-background-color:#445566;"
         "alternate-background-color:#abcdef;",
         label},
        {"colour full with alpha", [] { return P::compColorStyle(&kFullColor, true); },
         "color:#00000000;background-color:#00ffffff;selection-color:#00112233;selection-background-color:#00445566;"
         "alternate-background-color:#00abcdef;",
         label},
        {"colour alpha background", [] { return P::compColorStyle(&kAlphaBackground, true); },
         "background-color:#80ff0000;", label},
        // Qt ignores this one colour (and says so); the rest of a sheet stands.
        {"colour above six digits keeps them", [] { return P::compColorStyle(&kWideBackground, false); },
         "background-color:#1ff0000;", label},
        {"font full", [] { return P::compFontStyle(&kTahoma); },
         "font-size:14px;font-weight:400;font-family:\"Tahoma\";", label},
        {"font unset", [] { return P::compFontStyle(&kUnsetFont); }, "", label},
        {"font negative size", [] { return P::compFontStyle(&kNegativeSizeBold); }, "font-weight:700;", label},
        {"font null", [] { return P::compFontStyle(nullptr); }, "", label},
        {"gradient two stops", [] { return P::compGradientStyle(&kTopDown); },
         "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #ffffff, stop:1.0 #000000);", label},
        {"gradient no stops", [] { return P::compGradientStyle(&kNoStops); },
         "background: qlineargradient(x1:0.0, y1:0.0, x2:1.0, y2:0.0);", label},
        {"gradient negative count", [] { return P::compGradientStyle(&kNegativeCount); },
         "background: qlineargradient(x1:0.2, y1:0.5, x2:0.8, y2:1.0);", label},
        {"gradient four stops", [] { return P::compGradientStyle(&kFourStops); },
         "background: qlineargradient(x1:0.0, y1:0.0, x2:1.0, y2:1.0, stop:0.0 #0000ff, stop:0.3 #00ff00, "
         "stop:0.6 #ff0000, stop:1.0 #abcdef);",
         label},
        {"gradient null", [] { return P::compGradientStyle(nullptr); }, "", label},
        {"border width zero", [] { return P::compBorderStyle(&kLineZero); }, "border:0px;", label},
        {"border solid", [] { return P::compBorderStyle(&kLineSolid); }, "border:1px solid #a9a9a9;", label},
        {"border edge without colour", [] { return P::compBorderStyle(&kLineEdgeNoColour); }, "border:2px;", label},
        {"border colour without edge", [] { return P::compBorderStyle(&kLineColourNoEdge); }, "border:3px;", label},
        {"border edge zero", [] { return P::compBorderStyle(&kLineEdgeZero); }, "border:1px  #ff0000;", label},
        {"border edge outside table", [] { return P::compBorderStyle(&kLineEdgeOutside); }, "border:1px  #ff0000;",
         label},
        {"border null", [] { return P::compBorderStyle(nullptr); }, "", label},
        {"outline width zero", [] { return P::compOutlineStyle(&kLineZero); }, "outline-width:0px;", label},
        {"outline dashed", [] { return P::compOutlineStyle(&kLineDashed); }, "outline-width:2px dashed #00ff00;",
         label},
        {"widget outline", [] { return P::compWidgetOutlineStyle(&kOutlineDashed); },
         "outline-width:2px dashed #00ff00;", label},
        {"widget outline without line", [] { return P::compWidgetOutlineStyle(&kOutlineEmpty); }, "", label},
        {"widget outline null", [] { return P::compWidgetOutlineStyle(nullptr); }, "", label},
        {"radius all corners", [] { return P::compBorderRadiusStyle(&kRadiusAll); }, "border-radius:4px;", label},
        {"radius each corner", [] { return P::compBorderRadiusStyle(&kRadiusEach); },
         "border-radius:4px;border-top-left-radius:1px;border-top-right-radius:2px;border-bottom-right-radius:3px;"
         "border-bottom-left-radius:5px;",
         label},
        {"radius zero", [] { return P::compBorderRadiusStyle(&kRadiusZero); }, "border-radius:0px;", label},
        {"radius unset", [] { return P::compBorderRadiusStyle(&kRadiusUnset); }, "", label},
        {"widget border line then corners", [] { return P::compWidgetBorderStyle(&kBorderFull); },
         "border:1px solid #a9a9a9;border-radius:4px;", label},
        {"widget border line only", [] { return P::compWidgetBorderStyle(&kBorderLineOnly); },
         "border:1px solid #a9a9a9;", label},
        {"widget border corners only", [] { return P::compWidgetBorderStyle(&kBorderRadiusOnly); },
         "border-radius:4px;", label},
        {"widget border empty", [] { return P::compWidgetBorderStyle(&kBorderEmpty); }, "", label},
        {"widget border null", [] { return P::compWidgetBorderStyle(nullptr); }, "", label},
        {"sides solid", [] { return P::compBorderSideStyle(&kSidesSolid); },
         "border-left:1px solid #808080;border-right:2px solid #808080;border-bottom:3px solid #808080;", label},
        {"sides without edge", [] { return P::compBorderSideStyle(&kSidesNoEdge); }, "border-top:5px;", label},
        // The colour is not checked once the edge is set.
        {"sides edge without colour", [] { return P::compBorderSideStyle(&kSidesEdgeNoColour); },
         "border-left:1px solid #ffffffff;", label},
        {"sides edge zero", [] { return P::compBorderSideStyle(&kSidesEdgeZero); }, "border-left:1px  #808080;", label},
        {"sides unset", [] { return P::compBorderSideStyle(&kSidesUnset); }, "", label},
        {"sides null", [] { return P::compBorderSideStyle(nullptr); }, "", label},
        {"padding left and right", [] { return P::compPaddingStyle(&kSidesFive); },
         "padding-left:5px;padding-right:5px;", label},
        {"padding negative and zero", [] { return P::compPaddingStyle(&kNegativeLeft); },
         "padding-left:-2px;padding-top:0px;", label},
        {"padding none", [] { return P::compPaddingStyle(&kSidesNone); }, "", label},
        {"padding null", [] { return P::compPaddingStyle(nullptr); }, "", label},
        {"margin all", [] { return P::compMarginStyle(&kSidesAll); },
         "margin-left:2px;margin-top:1px;margin-right:2px;margin-bottom:1px;", label},
        {"margin null", [] { return P::compMarginStyle(nullptr); }, "", label},
        {"position right", [] { return P::compPositionStyle(&kRightThree); }, "right:3px;", label},
        {"position all", [] { return P::compPositionStyle(&kSidesAll); }, "left:2px;top:1px;right:2px;bottom:1px;",
         label},
        {"size both", [] { return P::compSizeStyle(&kSquare26); }, "width:26px;height:26px;", label},
        {"size height only", [] { return P::compSizeStyle(&kHeightOnly); }, "height:30px;", label},
        {"size null", [] { return P::compSizeStyle(nullptr); }, "", label},
        {"text align centre", [] { return P::compTextAlignStyle(WG_ALIGN_CENTER); }, "text-align:center;", label},
        {"text align left", [] { return P::compTextAlignStyle(WG_ALIGN_LEFT); }, "text-align:left;", label},
        // An empty value: Qt skips this one declaration only.
        {"text align outside table", [] { return P::compTextAlignStyle(WG_ALIGNMENT_S(5)); }, "text-align:;", label},
        {"text align negative", [] { return P::compTextAlignStyle(WG_ALIGNMENT_S(-1)); }, "text-align:;", label},
        {"image url", [] { return P::compImageUrl(":/CheckBox/Widget/CheckBox/A20Gray/Checked.png"); },
         "image: url(:/CheckBox/Widget/CheckBox/A20Gray/Checked.png);", label},
        {"image url empty", [] { return P::compImageUrl(QString()); }, "image: url();", label},
        {"background image empty path",
         [] { return P::compBackgroundImageStyle(QString(), WG_ALIGN_CENTER, WG_ALIGN_CENTER); }, "", label},
        {"background image centred",
         [] { return P::compBackgroundImageStyle(":/x/y.png", WG_ALIGN_CENTER, WG_ALIGN_CENTER); },
         "background-image: url(:/x/y.png);background-position: center center;background-origin: content;"
         "background-repeat: none;",
         label},
        {"background image left top",
         [] { return P::compBackgroundImageStyle(":/x/y.png", WG_ALIGN_LEFT, WG_ALIGN_TOP); },
         "background-image: url(:/x/y.png);background-position: left top;background-origin: content;"
         "background-repeat: none;",
         label},
        {"min height", [] { return P::compMinHeightStyle(40); }, "min-height:40px", label},
        {"min height zero", [] { return P::compMinHeightStyle(0); }, "min-height:0px", label},
        {"min height negative", [] { return P::compMinHeightStyle(-5); }, "min-height:-5px", label},
    };
}

class DeclarationText : public ::testing::TestWithParam<SSheetCase>
{
};

TEST_P(DeclarationText, GivesExactTextThatQtParses)
{
    checkSheetCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Records, DeclarationText, ::testing::ValuesIn(declarationCases()));

TEST(DeclarationText, WordsOfTheEnumerations)
{
    const char* const edges[] = {"",       "solid",  "dashed", "dot-dash", "dot-dot-dash", "dotted",
                                 "double", "groove", "inset",  "outset",   "ridge",        ""};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(P::getWgBorderStyleStr(WG_BORDER_EDGE_S(i)), QByteArray(edges[i])) << i;
    EXPECT_EQ(P::getWgBorderStyleStr(WG_BORDER_EDGE_UNSET), QByteArray());

    const char* const aligns[] = {"left", "top", "right", "bottom", "center", ""};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(P::getWgAligStyleStr(WG_ALIGNMENT_S(i)), QString(aligns[i])) << i;
    EXPECT_EQ(P::getWgAligStyleStr(WG_ALIGNMENT_S(-1)), QString());

    EXPECT_EQ(P::getWgPositionStyleStr(WG_POSITION_RELATIVE), QString("relative"));
    EXPECT_EQ(P::getWgPositionStyleStr(WG_POSITION_ABSOLUTE), QString("absolute"));
    EXPECT_EQ(P::getWgPositionStyleStr(WG_ALIGN_POSITION_S(2)), QString());

    const char* const boxes[] = {"margin", "border", "padding", "content", ""};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(P::getWgBoxModelStyleStr(WG_BOX_MODEL_SIDE(i)), QString(boxes[i])) << i;
}

// The record holds four stops: a larger count writes those four and reads nothing past them
// (the record sits at the end of its own allocation, so a read past it is caught).
TEST(DeclarationText, GradientStopCountAboveFourIsClampedToFour)
{
    auto gradient = std::make_unique<SWidgetGradientColor>(kFourStops);
    gradient->stopCount = 7;
    EXPECT_EQ(P::compGradientStyle(gradient.get()).toStdString(),
              "background: qlineargradient(x1:0.0, y1:0.0, x2:1.0, y2:1.0, stop:0.0 #0000ff, stop:0.3 #00ff00, "
              "stop:0.6 #ff0000, stop:1.0 #abcdef);");
}

// Qt cannot use an empty alignment (nor a colour of more than six digits) and loses that
// declaration together with the one after it; the composers write the alignment last in its
// rule, so the colours before it still apply.
TEST(DeclarationText, EmptyAlignmentLastInItsRuleLosesOnlyItself)
{
    const SWidgetColor red{0xff0000};
    QProgressBar bar;
    const QStringList messages = SheetProbe::capture([&] {
        bar.setStyleSheet(P::compTaskBarStyleSheet(WIDGET_TASK_BAR{&red, nullptr, WG_ALIGNMENT_S(9), nullptr}));
        bar.ensurePolished();
    });
    EXPECT_FALSE(SheetProbe::refused(messages));
    EXPECT_EQ(bar.palette().color(QPalette::WindowText), QColor(0xff0000));
}

} // namespace
