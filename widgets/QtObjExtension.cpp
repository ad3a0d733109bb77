#include "QtObjExtension.h"

#include <QLayout>
#include <QTableView>
#include <QToolButton>
#include <QWidget>

QToolButton* QtObjExtension::newToolBtn(const QString& prefix, int index, int width, int height)
{
    auto* button = new QToolButton;
    button->setObjectName(prefix + QString::number(index));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setMinimumSize(width, height);
    button->setMaximumSize(width, height);
    return button;
}

QToolButton* QtObjExtension::NewToolBtn(const QString& prefix, int index, int size)
{
    return newToolBtn(prefix, index, size, size);
}

void QtObjExtension::NewToolBtns(QToolButton** out, const QString& prefix, int count, int size)
{
    for (int i = 0; i < count; ++i)
        out[i] = NewToolBtn(prefix, i, size);
}

void QtObjExtension::NewToolBtnArray(QToolButton** out, const QString& prefix, int count, int width, int height)
{
    for (int i = 0; i < count; ++i)
        out[i] = newToolBtn(prefix, i, width, height);
}

void QtObjExtension::SetWgBlockSignals(QWidget* root, bool block)
{
    root->blockSignals(block);
    for (QWidget* child : root->findChildren<QWidget*>())
        child->blockSignals(block);
}

void QtObjExtension::SetTableViewColumnWidth(QTableView* view, const int* widths, int count)
{
    for (int i = 0; i < count; ++i)
        view->setColumnWidth(i, widths[i]);
}

void QtObjExtension::ClearLayout(QLayout** layout)
{
    if (!*layout)
        return;
    // A taken item belongs to the caller: its wrapper is deleted, the widget it wraps is not.
    while (QLayoutItem* item = (*layout)->takeAt(0))
        delete item;
    delete *layout;
    *layout = nullptr;
}

void QtObjExtension::HideWgs(QWidget* root, Qt::FindChildOption option)
{
    for (QWidget* child : root->findChildren<QWidget*>(QString(), option))
        child->hide();
    root->adjustSize();
}

void QtObjExtension::SetWgsEventFilter(QWidget* root, QObject* filter, Qt::FindChildOption option)
{
    for (QWidget* child : root->findChildren<QWidget*>(QString(), option))
        child->installEventFilter(filter);
}
