#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Qt's own command-line options (-style, -platform, -reverse, ...), which
// every Qt program accepts. The launcher takes them out before it parses its
// own options and hands them to QApplication when a window opens; without a
// window they have no effect.
namespace QtOptions {

struct Split {
    QStringList qt;      // Qt's options with their values, as QApplication reads them
    QStringList program; // everything else, in order, for the program's own parser
    QString error;       // a Qt option without its value, or a switch given one
};

// Splits arguments (without the program name). Each option is read as Qt
// reads it: "-name" or "--name", its value as the next argument; "-name=value"
// is accepted too and handed on in the form Qt reads. programTakesValue says
// which of the program's own options take a value, so that a value such as
// "-o -reverse" stays the program's; after "--" nothing is an option.
Split split(const QStringList &arguments, const std::function<bool(const QString &name)> &programTakesValue);

// Some of Qt's options, for the help text.
QString summary();

} // namespace QtOptions
