#pragma once

#include <QAbstractTableModel>
#include <QMap>
#include <QString>

// A table model over a map of names to values; square, one row and one column per name.
// Nothing fills the map, so the model stays empty.
class CAbstractTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit CAbstractTableModel(QObject* parent = nullptr);
    ~CAbstractTableModel() override;

    // Keeps the model's map as it is.
    void setCurrencyMap(const QMap<QString, double>& map);
    // The name at a position in name order; empty outside the map.
    QString currencyAt(int position) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QMap<QString, double> m_currencyMap;
};
