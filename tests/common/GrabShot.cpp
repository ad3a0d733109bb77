#include "GrabShot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace TestSupport {

QString saveShot(const QImage& image, const QString& name)
{
    const QString folder = qEnvironmentVariableIsEmpty("KELVORA_SHOT_DIR") ? QDir::currentPath()
                                                                           : qEnvironmentVariable("KELVORA_SHOT_DIR");
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name + ".png");
    return image.save(path, "PNG") ? path : QString();
}

QString saveShot(QWidget* widget, const QString& name)
{
    return saveShot(widget->grab().toImage(), name);
}

} // namespace TestSupport
