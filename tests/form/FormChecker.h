#pragma once

// Checks rows of FormTable against the widget tree that setupUi built.

#include "FormTable.h"

#include <QString>
#include <QStringList>

class QObject;
class QWidget;

namespace FormTable {

// The one object of the window with this name (the window itself included); nullptr when
// there is none or more than one.
QObject* findUnique(QWidget* window, const char* name);

// Every difference between a row and the tree, one line each; empty when they agree.
QStringList differences(QWidget* window, const Row& row);

// The positions of the spacers of a layout: "item N" in a box layout, "row,column" in a grid.
QStringList spacerPositions(const QObject* layoutOrWidget);

// Spacers of every layout at or below the widget.
int spacersBelow(const QWidget* widget);

} // namespace FormTable
