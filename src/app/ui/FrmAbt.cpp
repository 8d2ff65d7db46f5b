#include "app/ui/FrmAbt.h"

#include "app/AppInfo.h"
#include "app/ui/SvgIcon.h"
#include "platform/Twips.h"
#include "platform/ui/OpenWithShell.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

// A link label in the palette's link colour (readable on light and dark
// palettes alike) with a hand pointer, reachable with Tab and opened with
// Enter as well as with a click.
QLabel *linkLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(text);
    return label;
}

} // namespace

FrmAbt::FrmAbt(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbt"));
    setWindowTitle(tr("About..."));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const Twips t(logicalDpiX(), logicalDpiY());
    setFixedSize(t.x(5535), t.y(4335));

    auto *frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);
    frame1->setGeometry(t.rect(120, 120, 1290, 1290));
    auto *picture1 = new QLabel(frame1);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setAlignment(Qt::AlignCenter);
    picture1->setPixmap(
        SvgIcon::make(QStringLiteral(":/icons/app/quillnav.svg")).pixmap(t.x(1050), t.y(1050)));
    picture1->setGeometry(t.rect(60, 60, 1170, 1170));

    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setTextFormat(Qt::PlainText);
    m_label2->setWordWrap(true);
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label2->setGeometry(t.rect(1560, 120, 3855, 2160));

    auto *label3 = new QLabel(tr("Find more great software titles from Brookfen at:"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setGeometry(t.rect(120, 2400, 5295, 255));

    QLabel *label6 = linkLabel(this, "Label6", AppInfo::webSite());
    label6->setGeometry(t.rect(120, 2700, 5295, 285));
    connect(label6, &QLabel::linkActivated, this, &FrmAbt::Label6_Click);
    QLabel *label5 = linkLabel(this, "Label5", AppInfo::supportAddress());
    label5->setGeometry(t.rect(120, 3060, 5295, 285));
    connect(label5, &QLabel::linkActivated, this, &FrmAbt::Label5_Click);

    auto *command3 = new QPushButton(tr("OK"), this);
    command3->setObjectName(QStringLiteral("Command3"));
    command3->setDefault(true);
    command3->setGeometry(t.rect(4080, 3810, 1335, 375));
    connect(command3, &QPushButton::clicked, this, &FrmAbt::Command3_Click);

    if (isRightToLeft()) // the design places, mirrored
        for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            child->setGeometry(QStyle::visualRect(Qt::RightToLeft, rect(), child->geometry()));

    Form_Load();
}

void FrmAbt::Form_Load()
{
    m_label2->setText(AppInfo::notice());
}

void FrmAbt::Label6_Click()
{
    OpenWithShell(this, AppInfo::webSite());
}

void FrmAbt::Label5_Click()
{
    OpenWithShell(this, QStringLiteral("mailto:") + AppInfo::supportAddress());
}

void FrmAbt::Command3_Click()
{
    accept();
}
