#pragma once

#include <QString>

namespace testpaths {

// Folder of the test data (golden files, sample projects) in the source tree.
inline QString dataDir()
{
    return QStringLiteral(QN_TEST_DATA_DIR);
}
inline QString dataFile(const QString &name)
{
    return dataDir() + QLatin1Char('/') + name;
}
// The quillnav executable of this build.
inline QString binary()
{
    return QStringLiteral(QN_BINARY);
}

} // namespace testpaths
