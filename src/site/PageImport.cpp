#include "site/PageImport.h"

#include <QCoreApplication>

#include "platform/RegularFile.h"
#include "platform/TextTrim.h"
#include "site/SelectImport.h"

#include <QDir>
#include <QLocale>

namespace {

QString fileName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

bool PageImport::load(const QString &path, const PageSelects::Bounds &bounds)
{
    m_path = path;
    const RegularFile file = RegularFile::read(path, kMaxFileBytes);
    if (file.status == RegularFile::Ok)
        return parse(file.bytes, path, bounds);
    m_error = file.problem(path);
    return false;
}

bool PageImport::parse(const QByteArray &bytes, const QString &path, const PageSelects::Bounds &bounds)
{
    m_path = path;
    if (!m_page.read(bytes, bounds)) {
        m_error = QCoreApplication::translate("PageImport", "The page \"%1\" was not imported. %2")
                      .arg(fileName(path), m_page.error());
        return false;
    }
    if (count() == 0) {
        m_error = QCoreApplication::translate("PageImport",
                                              "The page \"%1\" has no drop-down list (<select>) to import.")
                      .arg(fileName(path));
        return false;
    }
    return true;
}

QString PageImport::nameOf(qsizetype index) const
{
    const QString name = SelectImport::displayName(select(index)).simplified();
    return name.isEmpty() ? QCoreApplication::translate("PageImport", "(no name)") : CutAtLength(name, 60);
}

QString PageImport::firstOptionsOf(qsizetype index, int count) const
{
    const PageSelect &s = select(index);
    QStringList texts;
    for (qsizetype i = 0; i < s.options.size() && i < count; ++i)
        texts << CutAtLength(SelectImport::cleanText(s.options.at(i).text, nullptr), 40);
    return texts.join(QStringLiteral(", ")) + (s.optionCount > count ? QStringLiteral(", ...") : QString());
}

QString PageImport::listing() const
{
    QStringList lines;
    const QLocale locale;
    constexpr qsizetype kMaxLines = 50;
    for (qsizetype i = 0; i < count() && i < kMaxLines; ++i) {
        lines << QCoreApplication::translate("PageImport", "%1. %2: %3 (%Ln entries)", nullptr,
                                             int(select(i).optionCount))
                     .arg(locale.toString(i + 1))
                     .arg(nameOf(i), firstOptionsOf(i));
    }
    if (count() > kMaxLines)
        lines << QCoreApplication::translate("PageImport", "... and %Ln more lists", nullptr,
                                             int(count() - kMaxLines));
    return lines.join(u'\n');
}

qsizetype PageImport::navigatingList() const
{
    for (qsizetype i = 0; i < count(); ++i) {
        if (SelectImport::navigates(select(i)))
            return i;
    }
    return 0;
}

qsizetype PageImport::find(const QString &numberOrName) const
{
    bool number = false;
    const qsizetype n = numberOrName.toLongLong(&number);
    if (number)
        return n >= 1 && n <= count() ? n - 1 : -1;
    for (qsizetype i = 0; i < count(); ++i) {
        const PageSelect &s = select(i);
        if (numberOrName == SelectImport::displayName(s) || numberOrName == s.name || numberOrName == s.id)
            return i;
    }
    return -1;
}

bool PageImport::project(qsizetype index, MenuProject *out, QStringList *notes)
{
    QString error;
    if (SelectImport::toProject(select(index), m_page.classicScript(), out, notes, &error))
        return true;
    m_error = QCoreApplication::translate("PageImport", "The list %1 of the page \"%2\" was not imported. %3")
                  .arg(QString::number(index + 1), fileName(m_path), error);
    return false;
}
