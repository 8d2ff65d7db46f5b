#include "codegen/ui/Form3.h"

#include "codegen/ui/SaveCodeToFile.h"
#include "help/ui/ContextHelp.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

struct CodeGroup {
    QGroupBox *frame;
    QPlainTextEdit *text;
    QPushButton *copy;
};

CodeGroup makeGroup(QWidget *parent, const QString &frameName, const QString &caption,
                    const QString &textName, const QString &labelName, const QString &instruction,
                    const QString &buttonName, const QString &buttonCaption, const QString &code)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(frameName);

    auto *label = new QLabel(instruction, frame);
    label->setObjectName(labelName);
    label->setTextFormat(Qt::PlainText); // the text names tags; show them as written
    label->setWordWrap(true);

    auto *text = new QPlainTextEdit(frame);
    text->setObjectName(textName);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setPlainText(code);
    text->document()->setModified(false);

    auto *copy = new QPushButton(buttonCaption, frame);
    copy->setObjectName(buttonName);
    copy->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);

    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(text, 1);
    layout->addWidget(label);
    layout->addLayout(buttons);
    return {frame, text, copy};
}

} // namespace

Form3::Form3(const MenuCode &code, QWidget *parent) : QDialog(parent), m_code(code)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Generated Menu Code"));

    const CodeGroup head =
        makeGroup(this, QStringLiteral("Frame1"), tr("Javascript Function Code"), QStringLiteral("Text1"),
                  QStringLiteral("Label1"),
                  tr("Copy and paste this code into the head section of your page (anywhere "
                     "between the <HEAD> and </HEAD> tags)."),
                  QStringLiteral("Command1"), tr("&Copy to Clipboard"), code.head);
    const CodeGroup body = makeGroup(
        this, QStringLiteral("Frame2"), tr("HTML Code"), QStringLiteral("Text2"), QStringLiteral("Label2"),
        tr("Copy and paste this code into the body section of your page (anywhere "
           "between the <BODY> and </BODY> tags) wherever you want the menu to "
           "appear."),
        QStringLiteral("Command2"), tr("Copy to Clip&board"), code.body);
    m_text1 = head.text;
    m_text2 = body.text;

    auto *save = new QPushButton(tr("&Save to File"), this);
    save->setObjectName(QStringLiteral("Command3"));
    save->setAutoDefault(false);
    auto *done = new QPushButton(tr("&Done"), this);
    done->setObjectName(QStringLiteral("Command4"));
    done->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(done);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(head.frame, 2);
    layout->addWidget(body.frame, 3);
    layout->addLayout(buttons);
    // At most 90 % of the screen, so that the window fits a 1080p screen at
    // 200 % scale (960 × 540 logical pixels) with its buttons in sight.
    QSize size(720, 640);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size.expandedTo(minimumSizeHint()));

    connect(head.copy, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(body.copy, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(save, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(done, &QPushButton::clicked, this, &Form3::Command4_Click);
    ContextHelp::ApplyWhatsThis(this);
}

QString Form3::boxText(const QPlainTextEdit *box, const QString &generated)
{
    if (!box->document()->isModified())
        return generated;
    // The raw text keeps every character as typed (plain-text export would
    // turn non-breaking spaces into blanks); blocks are joined with U+2029.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString Form3::headText() const
{
    return boxText(m_text1, m_code.head);
}

QString Form3::bodyText() const
{
    return boxText(m_text2, m_code.body);
}

void Form3::addNotice(QWidget *notice)
{
    if (auto *box = qobject_cast<QBoxLayout *>(layout()))
        box->insertWidget(0, notice);
}

void Form3::showCode(const MenuCode &code)
{
    m_code = code;
    for (auto [box, text] : {std::pair{m_text1, &code.head}, std::pair{m_text2, &code.body}}) {
        box->setPlainText(*text);
        box->document()->setModified(false);
    }
}

void Form3::Command1_Click()
{
    QApplication::clipboard()->setText(headText());
    emit statusMessage(tr("The script for the head section is on the clipboard."));
}

void Form3::Command2_Click()
{
    QApplication::clipboard()->setText(bodyText());
    emit statusMessage(tr("The HTML code for the body section is on the clipboard."));
}

void Form3::Command3_Click()
{
    QString path;
    if (SaveCodeToFile(this, MenuCode{headText(), bodyText(), m_code.dialect, m_code.lang}, &path))
        emit statusMessage(tr("Saved the menu code to %1.").arg(QDir::toNativeSeparators(path)));
}

void Form3::Command4_Click()
{
    accept();
}

void ShowGeneratedCode(QWidget *owner, const MenuProject &project,
                       const std::function<void(const QString &)> &report,
                       const std::function<void(Form3 &)> &prepare)
{
    Form3 window(GenerateMenuCode(codegen::kCodeMode, project), owner);
    if (report)
        QObject::connect(&window, &Form3::statusMessage, &window, report);
    if (prepare)
        prepare(window);
    window.exec();
}
