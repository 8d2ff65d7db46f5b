#pragma once

#include "menu/MenuProject.h"

class JsonWriter;

namespace ProjectFile {
// Writes a project file's text: the layout of Qt's indented JSON (members
// sorted by name, four spaces a level), except that each item takes one line.
void writeProjectText(JsonWriter &w, const MenuProject &project);
} // namespace ProjectFile
