#pragma once

#include <QString>

// The outcome of checking one entry's link (LinkCheck). The reason is in the
// window's language (QCoreApplication::translate); the command line loads no
// translation and prints English.
struct LinkVerdict {
    enum Status {
        NoLink, // a separator or an entry without link: nothing to check
        Good,
        Failed,    // `reason` says why
        NotChecked // an address on the web or of another kind; `reason` says which
    };
    Status status = NoLink;
    QString reason;

    friend bool operator==(const LinkVerdict &, const LinkVerdict &) = default;
};
