#pragma once

#include <QPlainTextEdit>

// The changed lines of one file, shown on demand below a table of files
// (publishing, upload and download): read-only, unwrapped, in the fixed
// font, hidden until first asked for. A page's bytes are read in the
// encoding given, else as a browser would choose it.
class ChangesView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ChangesView(QWidget *parent = nullptr);

    // Shows the lines that change from `before` to `after`.
    void showChanges(const QByteArray &before, const QByteArray &after, const QByteArray &encoding = {});
    // Shows a sentence instead (the file does not change, or cannot be read).
    void showNote(const QString &note);
};
