#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace TestSupport {

// Saves a picture a test drew, for a person to look at: into the folder named by
// KELVORA_SHOT_DIR when it is set, else into the test's working folder. Returns the
// file's path, empty when it could not be written.
QString saveShot(const QImage& image, const QString& name);
// The widget as it shows on screen (QWidget::grab), saved as above.
QString saveShot(QWidget* widget, const QString& name);

} // namespace TestSupport
