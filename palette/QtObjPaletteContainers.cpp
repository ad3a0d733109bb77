// Sheets of tab widgets, group boxes and horizontal sliders.
#include "QtObjPalette.h"

QString QtObjPalette::compTabWidgetStyleSheet(const QString& selector, const WIDGET_TAB_WIDGET& style, bool descendant)
{
    // A null tab record leaves both tab rules empty.
    const WIDGET_TAB tab = style.tab != nullptr ? *style.tab : WIDGET_TAB();
    return compRuleBlock(selector, "QTabWidget", "::pane", "", descendant, compBorderSideStyle(style.paneBorder)) +
           compRuleBlock(selector, "QTabBar", "::tab", "", descendant,
                         compSizeStyle(tab.size) + compFontStyle(tab.font) + compColorStyle(tab.color, false) +
                             compBorderSideStyle(tab.border)) +
           compRuleBlock(selector, "QTabBar", "::tab", ":selected", descendant,
                         compColorStyle(tab.selectedColor, false) + compBorderSideStyle(tab.selectedBorder));
}

QString QtObjPalette::compGroupBoxStyleSheet(const QString& selector, const WIDGET_GROUP_BOX& style, bool descendant)
{
    // The title repeats the box's body.
    const QString body =
        compColorStyle(style.color, false) + compWidgetBorderStyle(style.border) + compMarginStyle(style.margin);
    return compRuleBlock(selector, "QGroupBox", "", "", descendant, body) +
           compRuleBlock(selector, "QGroupBox", "::title", "", descendant, body);
}

QString QtObjPalette::compSliderStyleSheet(const QString& selector, const WIDGET_SLIDER& style, bool descendant)
{
    const QString radius = compBorderRadiusStyle(style.radius);
    const QString pageSize = compSizeStyle(style.pageSize);
    const QString pageBorder = compBorderStyle(style.pageBorder);
    return compRuleBlock(selector, "QSlider", "", "", descendant, compSizeStyle(style.size)) +
           compRuleBlock(selector, "QSlider", "::groove", ":horizontal", descendant,
                         compSizeStyle(style.grooveSize) + compBorderStyle(style.grooveBorder) + radius +
                             compMarginStyle(style.grooveMargin)) +
           compRuleBlock(selector, "QSlider", "::sub-page", ":horizontal", descendant,
                         pageSize + pageBorder + radius + compGradientStyle(style.subPageGradient)) +
           compRuleBlock(selector, "QSlider", "::add-page", ":horizontal", descendant,
                         pageSize + compColorStyle(style.addPageColor, false) + pageBorder + radius) +
           compRuleBlock(selector, "QSlider", "::handle", ":horizontal", descendant,
                         compSizeStyle(style.handleSize) + compBorderStyle(style.handleBorder) + radius +
                             compGradientStyle(style.handleGradient) + compMarginStyle(style.handleMargin));
}
