#pragma once

#include "menu/MenuProject.h"
#include "menu/ProjectFileReader.h"

#include <QByteArray>

// The fields of a project file beside its items, read from where the root's
// members stand. A missing field keeps its start-up value; anything else a
// field cannot hold throws a Refusal naming the field by its place in the
// window: the group or dialog, then the control's caption.
namespace ProjectFile::reader {

// The format's name and a version this program reads.
void checkHeader(const QByteArray &bytes, const RootMembers &root);
MenuOptions readOptions(const QByteArray &bytes, const RootMembers &root);
MenuStyleRecord readMenuStyle(const QByteArray &bytes, const RootMembers &root);
ButtonStyleRecord readButtonStyle(const QByteArray &bytes, const RootMembers &root);
// The kind of code the project generates; a file without it is classic.
CodeDialect readDialect(const QByteArray &bytes, const RootMembers &root);
// The language of the HTML5 pages; a file without it means "en".
QString readLanguage(const QByteArray &bytes, const RootMembers &root);
// The site folder, the backup folder and whether publishing selects each
// page's own entry; a file without them has no site, keeps its backups in
// the site and selects.
void readSite(const QByteArray &bytes, const RootMembers &root, MenuProject *p);
// The site's server (ServerAddress); a file without it has none.
void readServer(const QByteArray &bytes, const RootMembers &root, MenuProject *p);

} // namespace ProjectFile::reader
