#include "AbstractTableModel.h"

CAbstractTableModel::CAbstractTableModel(QObject* parent) : QAbstractTableModel(parent)
{}

CAbstractTableModel::~CAbstractTableModel() = default;

void CAbstractTableModel::setCurrencyMap(const QMap<QString, double>&)
{}

QString CAbstractTableModel::currencyAt(int position) const
{
    if (position < 0 || position >= m_currencyMap.size())
        return QString();
    return std::next(m_currencyMap.constBegin(), position).key();
}

int CAbstractTableModel::rowCount(const QModelIndex&) const
{
    return m_currencyMap.size();
}

int CAbstractTableModel::columnCount(const QModelIndex&) const
{
    return m_currencyMap.size();
}

QVariant CAbstractTableModel::data(const QModelIndex&, int) const
{
    return QVariant();
}

QVariant CAbstractTableModel::headerData(int section, Qt::Orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    const QString name = currencyAt(section);
    return name.isNull() ? QVariant() : QVariant(name);
}
