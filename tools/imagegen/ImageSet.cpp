#include "ImageSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>

ImageSet::ImageSet(const QString& root) : m_root(root)
{}

QImage ImageSet::canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void ImageSet::prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

bool ImageSet::add(const QString& tree, const QString& group, const QString& kind, const QString& folders,
                   const QString& name, const QImage& image)
{
    const QString file = group + "/" + folders + name + ".png";
    const QString path = m_root + "/" + tree + "/" + file;
    QDir().mkpath(QFileInfo(path).path());
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG"))
        return false;
    m_entries.append({tree, "/" + group + "/" + kind, file, image});
    return true;
}

bool ImageSet::writeQrcFiles() const
{
    QMap<QString, QMap<QString, QStringList>> trees; // tree -> prefix -> files
    for (const SEntry& entry : m_entries)
        trees[entry.tree][entry.prefix].append(entry.file);
    for (auto tree = trees.constBegin(); tree != trees.constEnd(); ++tree) {
        QFile qrc(m_root + "/" + tree.key() + "/" + tree.key() + ".qrc");
        if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            return false;
        QTextStream out(&qrc);
        out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n";
        for (auto prefix = tree->constBegin(); prefix != tree->constEnd(); ++prefix) {
            QStringList files = prefix.value();
            std::sort(files.begin(), files.end());
            out << "    <qresource prefix=\"" << prefix.key() << "\">\n";
            for (const QString& file : files)
                out << "        <file>" << file << "</file>\n";
            out << "    </qresource>\n";
        }
        out << "</RCC>\n";
    }
    return true;
}

QImage ImageSet::contactSheet(int first, int count) const
{
    constexpr int kColumns = 6;
    constexpr int kTile = 250;
    constexpr int kTileHeight = 150;
    const int last = qMin(first + count, m_entries.size());
    const int rows = (last - first + kColumns - 1) / kColumns;
    QImage sheet(kColumns * kTile, rows * kTileHeight, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor("#f4f4f4"));
    QPainter painter(&sheet);
    prepare(painter);
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    painter.setFont(font);
    for (int i = 0; i < last - first; ++i) {
        const SEntry& entry = m_entries[first + i];
        const QRect tile((i % kColumns) * kTile, (i / kColumns) * kTileHeight, kTile, kTileHeight);
        // Native size on white and on dark, then enlarged to judge the drawing.
        const QRect light(tile.left() + 4, tile.top() + 4, 56, 110);
        const QRect dark(tile.left() + 62, tile.top() + 4, 56, 110);
        const QRect large(tile.left() + 120, tile.top() + 4, 126, 110);
        painter.fillRect(light, Qt::white);
        painter.fillRect(dark, QColor("#303030"));
        painter.fillRect(large, QColor("#e8e8e8"));
        const QImage native = entry.image.width() > light.width() || entry.image.height() > light.height()
                                  ? entry.image.scaled(light.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                  : entry.image;
        for (const QRect& box : {light, dark})
            painter.drawImage(box.center() - QPoint(native.width() / 2, native.height() / 2), native);
        const QImage enlarged =
            entry.image.scaled(large.size(), Qt::KeepAspectRatio,
                               entry.image.width() < 40 ? Qt::FastTransformation : Qt::SmoothTransformation);
        painter.drawImage(large.center() - QPoint(enlarged.width() / 2, enlarged.height() / 2), enlarged);
        painter.setPen(Qt::black);
        painter.drawText(QRect(tile.left() + 2, tile.top() + 116, kTile - 4, 32),
                         Qt::AlignHCenter | Qt::TextWrapAnywhere, ":" + entry.prefix + "/" + entry.file);
    }
    return sheet;
}
