#pragma once

#include "app/CommandLine.h"

// The command line's site modes (run by HeadlessExport::run; exit codes as
// HeadlessExport::ExitCode):
//   --from-site DIR -o PROJECT         a project with an entry for each page of DIR
//   --from-sitemap MAP [--site DIR] -o PROJECT
//                                      one with an entry for each address of MAP,
//                                      the site folder DIR or MAP's own folder
//   --check-links PROJECT [--site DIR] one line on standard output for each failing
//                                      entry; the entries not checked and a summary
//                                      on standard error; exit status 1 when any fails
// The projects made are in HTML5 code and name their site folder relative
// to the project file.
namespace SiteCommands {

int fromSite(const CommandLine &command);
int fromSitemap(const CommandLine &command);
int checkLinks(const CommandLine &command);

} // namespace SiteCommands
