#pragma once

#include <QString>
#include <QTemporaryDir>

namespace TestSupport {

// A fresh folder that becomes the working directory for the life of the object,
// so files the program writes by bare name (logger.log, profile.ini) stay out of the tree.
class TempWorkDir
{
public:
    TempWorkDir();
    ~TempWorkDir();

    QString path() const;
    QString filePath(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Reads a whole file, empty when it is missing.
QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& data);

} // namespace TestSupport
