#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/MenuDocument.h"
#include "app/ui/ItemListDecorations.h"
#include "app/ui/MenuListView.h"
#include "codegen/ClassicCodeLimits.h"
#include "codegen/ui/MenuOptionsPanel.h"
#include "menu/MenuItemModel.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

// Warnings about what classic code cannot carry: the list's tool tips, the
// tip beside the item fields' title and the menu name's warning. They only
// warn; nothing is refused, and HTML5 code needs none.
void Form1Private::buildClassicTips()
{
    m_lblclassictip = new QLabel(m_frame1);
    m_lblclassictip->setObjectName(QStringLiteral("lblclassictip"));
    // The group's own background hides its edge behind the text; the colours
    // are the palette's, so the tip reads under any theme.
    m_lblclassictip->setAutoFillBackground(true);
    m_lblclassictip->setBackgroundRole(QPalette::Window);
    m_lblclassictip->hide();

    const auto update = [this] { updateClassicTips(); };
    QObject::connect(m_document, &MenuDocument::dialectChanged, q, update);
    QObject::connect(m_itemtexttext, &QLineEdit::textChanged, q, update);
    QObject::connect(m_linktext, &QLineEdit::textChanged, q, update);
    QObject::connect(m_notlinkchk, &QCheckBox::toggled, q, update);
    QObject::connect(m_model, &QAbstractItemModel::dataChanged, q, update);
    QObject::connect(m_model, &QAbstractItemModel::modelReset, q, update);
    QObject::connect(m_model, &QAbstractItemModel::rowsRemoved, q, update);
    QObject::connect(m_lv->selectionModel(), &QItemSelectionModel::currentChanged, q, update);
    updateClassicTips();
}

void Form1Private::updateClassicTips()
{
    const bool classic = m_document->dialect() == CodeDialect::Classic;
    ItemListDecorations::of(m_model)->setClassicWarnings(classic);
    m_options->setClassicNameWarning(classic);
    QStringList problems;
    if (classic) {
        // The entry being typed, else the list's current entry.
        MenuItem typed{encodedItemText(), QString(), QString(), menutext::kNo};
        writeLinkColumns(&typed);
        if (!m_itemtexttext->text().isEmpty() || !typed.url.isEmpty())
            problems = classiccode::entryProblems(typed);
        else if (const int position = q->currentPosition(); position > 0 && position <= m_model->count())
            problems = classiccode::entryProblems(m_model->at(position));
    }
    // On the group's top edge, from the end of its title to its right edge,
    // just above the fields it is about.
    const Twips t(q->logicalDpiX(), q->logicalDpiY());
    const QFontMetrics metrics(m_lblclassictip->font());
    const int left = m_frame1->fontMetrics().horizontalAdvance(m_frame1->title()) + t.x(300);
    const int right = m_frame1->width() - t.x(90);
    m_lblclassictip->setText(metrics.elidedText(problems.join(u' '), Qt::ElideRight, qMax(0, right - left)));
    m_lblclassictip->setToolTip(problems.join(u'\n'));
    const int width = qMin(metrics.horizontalAdvance(m_lblclassictip->text()) + t.x(60), right - left);
    m_lblclassictip->setGeometry(QStyle::visualRect(
        q->layoutDirection(), m_frame1->rect(), QRect(right - width, 0, qMax(0, width), metrics.height())));
    m_lblclassictip->setVisible(!problems.isEmpty());
}
