#pragma once

#include "menu/MenuOptions.h"

#include <QString>

// Where a project's menu options and site folder are held: the options
// panel's controls in the main window. The document reads and writes them
// through this, so that they have no second copy.
class MenuOptionsSource {
public:
    virtual ~MenuOptionsSource() = default;

    virtual MenuOptions options() const = 0;
    // Sets every option, applying the rules that follow from the new values.
    virtual void setOptions(const MenuOptions &options) = 0;
    // The site folder the menu serves (absolute; empty: none).
    virtual QString siteFolder() const = 0;
    virtual void setSiteFolder(const QString &folder) = 0;
};
