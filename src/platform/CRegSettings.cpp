#include "platform/CRegSettings.h"

#include "platform/RegistryStore.h"
#include "platform/TextTrim.h"

namespace {

// "*" (and, as in the registry, an empty name) means the unnamed value.
QString ValueName(const QString &Key)
{
    return Key == QLatin1String("*") ? QString() : Key;
}

// The text of a text value: its data without the terminating zero byte.
QString TextOf(const RegValue &value)
{
    QByteArray data = value.data;
    if (data.endsWith('\0'))
        data.chop(1);
    return QString::fromUtf8(data);
}

} // namespace

CRegSettings::CRegSettings() : m_company(DefaultCompany()), m_appName(DefaultAppName())
{
}

QString CRegSettings::DefaultCompany()
{
    return QStringLiteral("Brookfen");
}

QString CRegSettings::DefaultAppName()
{
    return QStringLiteral("Quillnav");
}

void CRegSettings::setCompany(QString NewVal)
{
    NewVal = TrimSpaces(NewVal);
    m_company = NewVal.isEmpty() ? DefaultCompany() : NewVal;
}

void CRegSettings::setAppName(QString NewVal)
{
    NewVal = TrimSpaces(NewVal);
    m_appName = NewVal.isEmpty() ? DefaultAppName() : NewVal;
}

QString CRegSettings::applicationKeyPath() const
{
    return QStringLiteral("Software\\") + m_company + QLatin1Char('\\') + m_appName;
}

QString CRegSettings::sectionKeyPath(const QString &Section) const
{
    if (Section.isEmpty())
        return applicationKeyPath();
    return applicationKeyPath() + QLatin1Char('\\') + Section;
}

QString CRegSettings::GetSetting(QString Section, QString Key, QString Default) const
{
    const RegistryHive hive = RegistryStore::read().hive;
    const auto value = hive.value(sectionKeyPath(Section), ValueName(Key));
    if (!value || value->type != RegSz || value->data.isEmpty())
        return Default;
    return TextOf(*value);
}

bool CRegSettings::SaveSetting(QString Section, QString Key, QString Setting)
{
    const QString path = sectionKeyPath(Section);
    if (!RegistryHive::isValidPath(path))
        return false;
    const RegValue value{ValueName(Key), RegSz, RegValue::textData(Setting)};
    return RegistryStore::modify(
        [&](RegistryHive &hive) { return hive.createKey(path) && hive.setValue(path, value); });
}

bool CRegSettings::DeleteSetting(QString Section, QString Key)
{
    if (!Key.isEmpty()) {
        const QString path = sectionKeyPath(Section);
        return RegistryStore::modify(
            [&](RegistryHive &hive) { return hive.deleteValue(path, ValueName(Key)); });
    }
    // Without a key the section itself goes; an empty section would name the
    // application key, which is not deleted this way.
    if (Section.isEmpty())
        return false;
    const QString path = sectionKeyPath(Section);
    const QString parent = applicationKeyPath();
    return RegistryStore::modify(
        [&](RegistryHive &hive) { return hive.keyExists(parent) && hive.deleteKey(path); });
}

std::optional<QList<QStringList>> CRegSettings::GetAllSettings(QString Section) const
{
    const RegistryHive hive = RegistryStore::read().hive;
    QList<QStringList> rows;
    for (const RegValue &value : hive.values(sectionKeyPath(Section))) {
        if (value.type == RegSz)
            rows.append(QStringList{value.name, TextOf(value)});
    }
    if (rows.isEmpty())
        return std::nullopt;
    return rows;
}
