#pragma once

#include <QString>

#include <functional>

class QWidget;

// The file and folder dialogs behind the window's commands, each asking for
// one name; an empty answer cancels. Tests put choosers in their place that
// answer at once. A chooser left empty falls back to the command's own dialog.
struct FileChoosers {
    using Chooser = std::function<QString(QWidget *parent)>;

    Chooser openProject; // Load Saved Menu Project
    Chooser saveProject; // Save Menu Project As
    Chooser importPage;  // Import Menu from Web Page
    Chooser siteFolder;  // the site's folder
    Chooser sitemap;     // New Menu from Sitemap
};
