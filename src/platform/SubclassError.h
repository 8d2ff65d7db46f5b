#pragma once

#include <QString>
#include <exception>
#include <string>

// An error of the window subclassing module (MSubclass). Codes of 1001 and
// above carry the object-error number (0x80040000 plus the code, as a signed
// 32-bit value), a source naming the program and a text.
class SubclassError : public std::exception {
public:
    enum Code {
        CantSubclass = 13081,
        AlreadyHandled = 13082,
        InvalidWindow = 13083,
        ExternalWindow = 13084,
    };

    explicit SubclassError(int code);

    int code() const { return m_code; }
    qint32 number() const { return m_number; }
    QString source() const { return m_source; }
    QString description() const { return m_description; }
    const char *what() const noexcept override { return m_what.c_str(); }

    // The text of a code, empty for a code this module does not raise.
    static QString textFor(int code);

private:
    int m_code;
    qint32 m_number;
    QString m_source;
    QString m_description;
    std::string m_what;
};
