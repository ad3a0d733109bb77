#pragma once

#include <QIcon>
#include <QList>
#include <QStandardItemModel>
#include <QStringList>
#include <map>

// A model of text rows held by an unsigned row id (the MMSI for the vessels): the id
// names exactly one row, and its list holds that row's cells in column order.
class CStringGridModel : public QStandardItemModel
{
public:
    typedef QList<QStandardItem*> ROW_ITEMS;

    CStringGridModel();
    ~CStringGridModel() override;

    // Appends a row for a new id; an id already held has its row rewritten in place.
    void addItem(unsigned int id, QStringList& texts, QList<QIcon>& icons);
    // Rewrites a row's texts, and its icons when there is one per cell.
    void updateItem(ROW_ITEMS* row, QStringList& texts, QList<QIcon>& icons);
    void deleteItem(unsigned int id);
    void deleteAll();

    // Row id to the row's cells; read directly by the owners.
    std::map<unsigned int, ROW_ITEMS*> rowMap;
};
