#include "StringGridModel.h"

CStringGridModel::CStringGridModel() = default;

CStringGridModel::~CStringGridModel()
{
    // The cells belong to the item model; only the lists are ours.
    for (auto& entry : rowMap)
        delete entry.second;
}

void CStringGridModel::addItem(unsigned int id, QStringList& texts, QList<QIcon>& icons)
{
    const auto found = rowMap.find(id);
    if (found != rowMap.end()) {
        updateItem(found->second, texts, icons);
        return;
    }
    auto* row = new ROW_ITEMS;
    for (int i = 0; i < texts.size(); ++i) {
        if (i < icons.size())
            row->append(new QStandardItem(icons.at(i), texts.at(i)));
        else
            row->append(new QStandardItem(texts.at(i)));
    }
    rowMap[id] = row;
    appendRow(*row);
}

void CStringGridModel::updateItem(ROW_ITEMS* row, QStringList& texts, QList<QIcon>& icons)
{
    const bool withIcons = icons.size() == row->size();
    for (int i = 0; i < row->size(); ++i) {
        if (withIcons)
            row->at(i)->setIcon(icons.at(i));
        if (i < texts.size())
            row->at(i)->setText(texts.at(i));
    }
}

void CStringGridModel::deleteItem(unsigned int id)
{
    const auto found = rowMap.find(id);
    if (found == rowMap.end())
        return;
    ROW_ITEMS* row = found->second;
    if (!row->isEmpty())
        removeRow(row->first()->index().row());
    delete row;
    rowMap.erase(found);
}

void CStringGridModel::deleteAll()
{
    for (auto& entry : rowMap)
        delete entry.second;
    removeRows(0, rowCount());
    rowMap.clear();
}
