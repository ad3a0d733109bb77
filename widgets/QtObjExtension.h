#pragma once

#include <QString>

class QLayout;
class QObject;
class QTableView;
class QToolButton;
class QWidget;

// Static helpers: building tool buttons and treating every child widget of a root at once.
class QtObjExtension
{
public:
    // A parentless tool button named prefix + index, fixed at size x size.
    static QToolButton* NewToolBtn(const QString& prefix, int index, int size);
    static void NewToolBtns(QToolButton** out, const QString& prefix, int count, int size);
    // As NewToolBtns, fixed at width x height. Each button is its own allocation, so the
    // Qt parent it is given later can delete it.
    static void NewToolBtnArray(QToolButton** out, const QString& prefix, int count, int width, int height);
    static void SetWgBlockSignals(QWidget* root, bool block);
    static void SetTableViewColumnWidth(QTableView* view, const int* widths, int count);
    // Deletes the layout and nulls the pointer; the widgets it held are kept.
    static void ClearLayout(QLayout** layout);
    static void HideWgs(QWidget* root, Qt::FindChildOption option);
    static void SetWgsEventFilter(QWidget* root, QObject* filter, Qt::FindChildOption option);

private:
    static QToolButton* newToolBtn(const QString& prefix, int index, int width, int height);
};
