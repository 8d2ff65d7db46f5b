#include "site/ui/ChangesView.h"

#include "site/LineDiff.h"
#include "site/PageEncoding.h"

#include <QFontDatabase>

namespace {

// The page's text, in the encoding it was read in when known.
QString textOf(const QByteArray &bytes, const QByteArray &encoding)
{
    QString text;
    QString error;
    qsizetype bom = 0;
    PageEncoding::sniff(bytes, &bom);
    const bool read = encoding.isEmpty() ? PageEncoding::decode(bytes, &text, &error)
                                         : PageEncoding::decodeAs(QByteArrayView(bytes).sliced(bom), encoding,
                                                                  &text, &error);
    return read ? text : QString::fromLatin1(bytes);
}

} // namespace

ChangesView::ChangesView(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("txtPageChanges"));
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setVisible(false);
}

void ChangesView::showChanges(const QByteArray &before, const QByteArray &after, const QByteArray &encoding)
{
    setVisible(true);
    setPlainText(LineDiff::text(LineDiff::changes(textOf(before, encoding), textOf(after, encoding))));
}

void ChangesView::showNote(const QString &note)
{
    setVisible(true);
    setPlainText(note);
}
