#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Per-user settings under HKEY_CURRENT_USER\Software\<Company>\<AppName>\<Section>,
// kept by RegistryStore. Every call opens what it needs and closes it again;
// failures are reported only through the results, never by exceptions or
// messages.
//
// The key "*" stands for the section's unnamed value. A stored empty text
// reads back as an empty string, a missing value as the default.
class CRegSettings {
public:
    CRegSettings();

    QString Company() const { return m_company; }
    // Trimmed of leading and trailing spaces; empty restores the default.
    void setCompany(QString NewVal);
    QString AppName() const { return m_appName; }
    // Trimmed the same way; empty restores the product name.
    void setAppName(QString NewVal);

    static QString DefaultCompany();
    static QString DefaultAppName();

    // Default when the section, the value or its text is missing, or when the
    // value is not text.
    QString GetSetting(QString Section, QString Key, QString Default = QString()) const;
    // Creates every missing key on the way; true when the value was written.
    bool SaveSetting(QString Section, QString Key, QString Setting);
    // With a Key: removes that value and keeps the key. Without: removes the
    // section key, which must have no subkeys.
    bool DeleteSetting(QString Section, QString Key = QString());
    // The section's text values in order as rows {name, text}; values of other
    // types are skipped. Nothing when the section is missing or holds no text.
    std::optional<QList<QStringList>> GetAllSettings(QString Section) const;

    // "Software\<Company>\<AppName>" and, with a section, "\<Section>" after it.
    QString applicationKeyPath() const;
    QString sectionKeyPath(const QString &Section) const;

private:
    QString m_company;
    QString m_appName;
};
