#pragma once

#include <QCoreApplication>
#include <QString>

// The program's name, version and the maker's addresses, as the About box,
// the command line and the desktop files show them.
namespace AppInfo {

// The build reads webSite() and supportAddress() from these lines (the
// package's maintainer and home page): keep each on one line.
// clang-format off
inline QString name() { return QStringLiteral("Quillnav"); }
inline QString version() { return QStringLiteral("1.2"); }
inline QString maker() { return QStringLiteral("Brookfen"); }
inline QString webSite() { return QStringLiteral("https://www.brookfen.example/"); }
inline QString supportAddress() { return QStringLiteral("support@brookfen.example"); }
inline QString freeButtonGraphicsPage() { return QStringLiteral("https://www.brookfen.example/buttons/"); }
// clang-format on
inline QString notice()
{
    return QCoreApplication::translate(
        "AppInfo", "Quillnav version 1.2\n"
                   "Copyright © 2026 Brookfen. All rights reserved.\n\n"
                   "Quillnav is provided \"as is\", without warranty of any kind. The code "
                   "it generates is yours to use on any page.");
}

} // namespace AppInfo
