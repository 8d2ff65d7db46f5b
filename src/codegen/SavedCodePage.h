#pragma once

#include "codegen/MenuCodeGenerator.h"

#include <QByteArray>
#include <QString>

// The file that "Save Code to File" writes: a complete page with the head
// fragment inside HEAD and the body fragment inside BODY, each exactly as
// generated, so that the file shows the working menu in a browser.
namespace SavedCodePage {
QString text(const MenuCode &code);
// UTF-8 without byte order mark; the page declares its charset itself.
QByteArray bytes(const MenuCode &code);
} // namespace SavedCodePage
