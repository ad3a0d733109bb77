#pragma once

// The main form as its description lists it, one row per object: the table that
// form_tree_test.cpp checks the generated form against.

#include <QSize>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace FormTable {

// Where an object stands.
struct Place {
    enum Kind {
        Layout,   // in the layout named by the row, position not fixed
        Grid,     // in a grid layout: row, column and spans
        Item,     // in a box layout: item number, counted from 1
        Page,     // page `row` of the tab widget named by the row
        Contents, // the contents widget of the scroll area named by the row
        Central,  // the main window's central widget
        Within,   // somewhere below the widget named by the row
        Own,      // the layout of the widget named by the row
    };
    Kind kind = Layout;
    int row = -1;
    int column = -1;
    int rowSpan = 1;
    int columnSpan = 1;
};

inline Place grid(int row, int column, int rowSpan = 1, int columnSpan = 1)
{
    return {Place::Grid, row, column, rowSpan, columnSpan};
}
inline Place item(int number)
{
    return {Place::Item, number};
}
inline Place page(int index)
{
    return {Place::Page, index};
}
inline Place inLayout()
{
    return {Place::Layout};
}
inline Place contents()
{
    return {Place::Contents};
}
inline Place central()
{
    return {Place::Central};
}
inline Place within()
{
    return {Place::Within};
}
inline Place own()
{
    return {Place::Own};
}

// A property the form fixes. Besides Qt's property names the checker knows a few of its
// own: fixedSize, fixedWidth, fixedHeight, hAlign, vAlign, cursorShape, fontFamily,
// fontBold, fontWeight, hHeaderHidden, vHeaderHidden, hHeaderCascading, vHeaderCascading,
// items (a combo box's texts), hasModel, layoutClass (class of a widget's own layout, empty
// when it has none), and of a layout (or a widget's own layout): itemCount, spacers ("item N"
// in a box, "row,column" in a grid), spacerRows, spacerCount, emptyRows, emptyColumns (the
// rows or columns asked that hold nothing), columnCount, leftMargin, rightMargin.
struct Prop {
    const char* name;
    QVariant value;
};

struct Row {
    const char* name;      // object name
    const char* className; // exact class
    const char* in;        // the widget whose layout holds it, or the tab widget, scroll area,
                           // owner or ancestor that `at` names; nullptr: not fixed
    const char* layout;    // the layout holding it directly; nullptr: not fixed (or `at` says)
    Place at;
    const char* text;      // static text (a page's tab text); nullptr: no text to check
    std::vector<Prop> props;
};

std::vector<Row> frameRows();         // title bar, connection bar, menu, page stack
std::vector<Row> configurationRows(); // Configuration page and the holding page
std::vector<Row> wifiRows();          // Wi-Fi page and the progress page
std::vector<Row> homeRows();          // Home page
std::vector<Row> statusRows();        // GPS Status and Diagnostics pages
std::vector<Row> serialRows();        // Other Vessels and Serial Data pages

} // namespace FormTable
