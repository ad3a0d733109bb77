#pragma once

#include <QImage>
#include <QMap>
#include <QPainter>
#include <QString>
#include <QVector>

// The images of one resource tree on their way to disk: each is written as a PNG under
// <root>/<tree>/<group>/<folders>/<name>.png and listed in <root>/<tree>/<tree>.qrc under
// the prefix "/<group>/<kind folder>", which gives the resource path
// ":/<group>/<kind folder>/<group>/<folders>/<name>.png".
class ImageSet
{
public:
    explicit ImageSet(const QString& root);

    // A transparent image of the given size with an antialiasing painter ready for it.
    static QImage canvas(int width, int height);
    static void prepare(QPainter& painter);

    // folders: "A20/" or "A20/Dusk/" or "" (no size folder).
    bool add(const QString& tree, const QString& group, const QString& kind, const QString& folders,
             const QString& name, const QImage& image);
    bool writeQrcFiles() const;
    // Images first to first + count - 1 on one sheet: each at its size on a light and a dark
    // tile, enlarged beside them, with its path under it.
    QImage contactSheet(int first, int count) const;
    int count() const { return m_entries.size(); }
    const QString& root() const { return m_root; }

private:
    struct SEntry
    {
        QString tree;
        QString prefix;
        QString file;
        QImage image;
    };

    QString m_root;
    QVector<SEntry> m_entries;
};
