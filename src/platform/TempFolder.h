#pragma once

#include <QString>

// The user's temporary directory (TMPDIR and the like are honoured), without a
// trailing separator. When the configured directory does not exist, the
// configured path is returned all the same, so that a message can name it;
// callers check that it is a folder before they use it.
QString GetTempFolder();
