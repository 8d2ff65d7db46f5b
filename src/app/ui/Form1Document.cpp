// The project as a document: its file and title, the undo history, saving,
// loading, the question about unsaved changes and the recent files.
#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/MenuDocument.h"
#include "app/RecentFiles.h"
#include "codegen/ui/MenuOptionsPanel.h"
#include "codegen/ui/ProblemBox.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QStatusBar>

namespace {

// The option controls as the undo history names them.
const std::pair<const char *, const char *> kOptionFields[] = {
    {"txtmnm", QT_TRANSLATE_NOOP("Form1", "Menu Name")},
    {"targetcombo", QT_TRANSLATE_NOOP("Form1", "Link Target")},
    {"txtfrm", QT_TRANSLATE_NOOP("Form1", "Frame Name")},
    {"menubehavopt", QT_TRANSLATE_NOOP("Form1", "Navigation")},
    {"buttonpropopt", QT_TRANSLATE_NOOP("Form1", "Button Kind")},
    {"buttontxttxt", QT_TRANSLATE_NOOP("Form1", "Button Text")},
    {"buttngrurl", QT_TRANSLATE_NOOP("Form1", "Graphic URL")},
    {"txtalt", QT_TRANSLATE_NOOP("Form1", "Alt Text")},
    {"txtw", QT_TRANSLATE_NOOP("Form1", "Graphic Width")},
    {"txth", QT_TRANSLATE_NOOP("Form1", "Graphic Height")},
    {"cmbbttnaln", QT_TRANSLATE_NOOP("Form1", "Button Alignment")}};

QString fieldName(const QObject *control)
{
    const QString name = control->objectName().section(QLatin1Char('_'), 0, 0);
    for (const auto &[object, caption] : kOptionFields) {
        if (name == QLatin1String(object))
            return Form1::tr(caption);
    }
    return Form1::tr("Menu Options");
}

// Typing in one field merges into one step; each field has its own id.
int typingId(const QString &field)
{
    return 1000 + int(qHash(field) % 100000);
}

} // namespace

// Edits of the option controls by the user become undo steps; changes made by
// the program (a reset, a load, an undo) do not come through these signals.
void Form1Private::connectOptionEdits()
{
    const auto edited = [this](const QObject *control, bool typing) {
        const QString field = fieldName(control);
        m_document->recordChange(Form1::tr("Change %1").arg(field), typing ? typingId(field) : -1);
    };
    for (QLineEdit *edit : m_options->findChildren<QLineEdit *>())
        QObject::connect(edit, &QLineEdit::textEdited, q, [edited, edit] { edited(edit, true); });
    for (QComboBox *combo : m_options->findChildren<QComboBox *>())
        QObject::connect(combo, &QComboBox::activated, q, [edited, combo] { edited(combo, false); });
    for (QRadioButton *radio : m_options->findChildren<QRadioButton *>())
        QObject::connect(radio, &QRadioButton::clicked, q, [edited, radio] { edited(radio, false); });
}

void Form1Private::updateTitle()
{
    const bool modified = m_document->isModified();
    const QString filePath = m_document->filePath();
    if (filePath.isEmpty()) {
        q->setWindowTitle(modified ? QStringLiteral("Quillnav[*]") : QStringLiteral("Quillnav"));
    } else {
        QString name = QFileInfo(filePath).fileName();
        name.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
        q->setWindowTitle(name + QStringLiteral("[*] \u2014 Quillnav"));
    }
    q->setWindowModified(modified);
}

bool Form1::maybeSave()
{
    if (!d->m_document->isModified())
        return true;
    const QString name = d->m_document->filePath().isEmpty()
                             ? tr("Untitled")
                             : QFileInfo(d->m_document->filePath()).fileName();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quillnav"),
                    tr("The menu project \"%1\" has changes that were not saved.").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("UnsavedChangesQuestion"));
    box.setInformativeText(tr("Do you want to save your changes?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return d->saveDocument(false);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool Form1Private::saveDocument(bool askForName)
{
    QString path = m_document->filePath();
    if (askForName || path.isEmpty())
        path = m_choosers.saveProject ? m_choosers.saveProject(q) : QString();
    if (path.isEmpty())
        return false;
    QString error;
    // A file picked in the Save As dialog, which has asked whether to replace
    // it, is written as the user chose, even when it changed elsewhere.
    MenuDocument::SaveOutcome outcome = m_document->save(path, &error, askForName);
    if (outcome == MenuDocument::SaveOutcome::ChangedOnDisk) {
        bool saveElsewhere = false;
        if (!confirmOverwriteChangedFile(&saveElsewhere))
            return saveElsewhere && saveDocument(true);
        outcome = m_document->save(path, &error, true);
    }
    if (outcome != MenuDocument::SaveOutcome::Saved) {
        ShowProblem(q, error);
        return false;
    }
    RecentFiles::Add(m_document->filePath());
    updateRecentFiles();
    showStatus(
        Form1::tr("Saved the menu project to %1.").arg(QDir::toNativeSeparators(m_document->filePath())));
    return true;
}

bool Form1::loadDocument(const QString &path)
{
    if (!d->confirmOpenLockedFile(path))
        return false;
    QString error;
    if (!d->m_document->load(path, &error)) {
        ShowProblem(this, error);
        return false;
    }
    RecentFiles::Add(d->m_document->filePath());
    d->updateRecentFiles();
    d->showStatus(tr("Loaded the menu project %1.").arg(QDir::toNativeSeparators(d->m_document->filePath())));
    return true;
}

void Form1::mnuFileNew_Click()
{
    if (!maybeSave())
        return;
    d->m_document->newProject([this] { ResetMenuProject(); });
}

void Form1::mnuFileLoad_Click()
{
    if (!maybeSave())
        return;
    const QString path = d->m_choosers.openProject ? d->m_choosers.openProject(this) : QString();
    if (!path.isEmpty())
        loadDocument(path);
}

void Form1::mnuFileSaveProj_Click()
{
    d->saveDocument(false);
}

void Form1::mnuFileSaveAs_Click()
{
    d->saveDocument(true);
}

void Form1Private::updateRecentFiles()
{
    const QStringList paths = RecentFiles::Read();
    for (int i = 0; i < m_recentfile.size(); ++i) {
        QAction *entry = m_recentfile.at(i);
        const QString path = paths.value(i);
        entry->setVisible(!path.isEmpty());
        entry->setData(path);
        if (path.isEmpty())
            continue;
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        entry->setToolTip(QDir::toNativeSeparators(path));
    }
    m_mnuFileSep3->setVisible(!paths.isEmpty());
}

void Form1Private::openRecentFile(int index)
{
    const QString path = m_recentfile.value(index) ? m_recentfile.at(index)->data().toString() : QString();
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).isFile()) {
        RecentFiles::Remove(path);
        updateRecentFiles();
        ShowProblem(q, Form1::tr("The menu project \"%1\" no longer exists. It has been removed "
                                 "from the list of recent files.")
                           .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (q->maybeSave())
        q->loadDocument(path);
}

// A project file dropped on the window is opened once the drop is over.
bool Form1Private::openDroppedProject(const QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData() ? event->mimeData()->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return false;
    const QString path = urls.first().toLocalFile();
    if (QFileInfo(path).suffix().compare(QLatin1String("qnv"), Qt::CaseInsensitive) != 0)
        return false;
    QMetaObject::invokeMethod(
        q,
        [this, path] {
            if (q->maybeSave())
                q->loadDocument(path);
        },
        Qt::QueuedConnection);
    return true;
}

void Form1Private::showStatus(const QString &text)
{
    m_statusBar1->showMessage(text, 10000);
}
