#include "styles/ui/FontOptionsGroup.h"

#include "styles/CssFontFamily.h"
#include "styles/FontChoice.h"
#include "styles/ui/FontListModel.h"
#include "styles/ui/KeyCodeFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>

namespace {

// Marks an entry added for a family that is not installed here.
constexpr int MissingRole = Qt::UserRole + 1;
constexpr int DefaultSizeIndex = 5; // "13"
constexpr int DefaultWeight = 500;

QLabel *NamedLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

FontOptionsGroup::FontOptionsGroup(QWidget *dialog, const char *italicName, const char *underlineName)
    : QObject(dialog), m_group(new QGroupBox(tr("Font Options:"), dialog)),
      m_combofont(new QComboBox(m_group)), m_combofontsize(new QComboBox(m_group)),
      m_italic(new QCheckBox(tr("&Italics"), m_group)),
      m_underline(new QCheckBox(tr("&Underlined"), m_group)), m_slider(new QSlider(Qt::Horizontal, m_group)),
      m_label16(NamedLabel(QString(), "Label16", m_group))
{
    m_group->setObjectName(QStringLiteral("FrameFont"));
    m_combofont->setObjectName(QStringLiteral("combofont"));
    m_combofont->setEditable(false);
    m_combofont->setModel(new FontListModel(m_combofont));
    m_combofontsize->setObjectName(QStringLiteral("combofontsize"));
    m_combofontsize->setEditable(true);
    m_combofontsize->setInsertPolicy(QComboBox::NoInsert);
    m_combofontsize->setCompleter(nullptr);
    for (int size = 8; size <= 16; ++size)
        m_combofontsize->addItem(QString::number(size));
    m_combofontsize->setCurrentIndex(DefaultSizeIndex);
    KeyCodeFilter::DigitsOnlyBox(m_combofontsize->lineEdit());
    m_italic->setObjectName(QLatin1String(italicName));
    m_underline->setObjectName(QLatin1String(underlineName));

    m_slider->setObjectName(QStringLiteral("Slider1"));
    m_slider->setRange(100, 900);
    m_slider->setSingleStep(10);
    m_slider->setPageStep(100);
    m_slider->setTickInterval(100);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setValue(DefaultWeight);
    m_label16->setText(weightText());
    m_label16->setMinimumWidth(m_label16->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    connect(m_slider, &QSlider::valueChanged, this, [this] { m_label16->setText(weightText()); });

    QLabel *fontLabel = NamedLabel(tr("&Font:"), "Label2", m_group);
    fontLabel->setBuddy(m_combofont);
    QLabel *sizeLabel = NamedLabel(tr("Font &Size:"), "Label1", m_group);
    sizeLabel->setBuddy(m_combofontsize);

    auto *weight = new QHBoxLayout;
    weight->addWidget(NamedLabel(tr("Lighter"), "Label9", m_group));
    weight->addWidget(m_slider, 1);
    weight->addWidget(NamedLabel(tr("Bolder"), "Label10", m_group));
    weight->addWidget(m_label16);

    auto *grid = new QGridLayout(m_group);
    grid->addWidget(fontLabel, 0, 0);
    grid->addWidget(m_combofont, 0, 1, 1, 2);
    grid->addWidget(sizeLabel, 1, 0);
    grid->addWidget(m_combofontsize, 1, 1);
    grid->addWidget(m_italic, 2, 1);
    grid->addWidget(m_underline, 2, 2);
    QLabel *weightLabel = NamedLabel(tr("Font &Weight:"), "Label11", m_group);
    weightLabel->setBuddy(m_slider);
    grid->addWidget(weightLabel, 3, 0);
    grid->addLayout(weight, 3, 1, 1, 2);
    grid->setColumnStretch(2, 1);
}

QStringList FontOptionsGroup::installedFamilies() const
{
    QStringList out;
    for (int i = 0; i < m_combofont->count(); ++i) {
        if (!m_combofont->itemData(i, MissingRole).toBool())
            out << m_combofont->itemText(i);
    }
    return out;
}

QString FontOptionsGroup::family() const
{
    return m_combofont->currentText();
}

QString FontOptionsGroup::fallback() const
{
    const QString current = family();
    if (current != m_fallbackFamily) {
        m_fallbackFamily = current;
        m_fallback = current.isEmpty() ? QString()
                                       : cssfont::genericFor(current, QFontDatabase::isFixedPitch(current));
    }
    return m_fallback;
}

void FontOptionsGroup::setFamily(const QString &family, const QString &fallback)
{
    m_fallbackFamily = family;
    m_fallback = fallback;
    dropMissingEntries();
    int index = m_combofont->findText(family, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && !family.isEmpty()) {
        const QStringList installed = installedFamilies();
        index = int(std::lower_bound(installed.begin(), installed.end(), family, FontChoice::FamilyLess)
                    - installed.begin());
        m_combofont->insertItem(index, family);
        m_combofont->setItemData(index, true, MissingRole);
        QFont shown = m_combofont->font();
        shown.setItalic(true);
        m_combofont->setItemData(index, shown, Qt::FontRole);
        m_combofont->setItemData(index, tr("%1 (not installed on this computer)").arg(family),
                                 Qt::ToolTipRole);
    }
    m_combofont->setCurrentIndex(index);
}

void FontOptionsGroup::dropMissingEntries()
{
    for (int i = m_combofont->count() - 1; i >= 0; --i) {
        if (m_combofont->itemData(i, MissingRole).toBool())
            m_combofont->removeItem(i);
    }
}

QString FontOptionsGroup::sizeText() const
{
    return m_combofontsize->currentText();
}

void FontOptionsGroup::setSizeText(const QString &text)
{
    const int index = m_combofontsize->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        m_combofontsize->setCurrentIndex(index);
    m_combofontsize->setEditText(text);
}

QString FontOptionsGroup::weightText() const
{
    return QString::number(m_slider->value());
}

void FontOptionsGroup::setWeightText(const QString &text)
{
    m_slider->setValue(text.toInt());
}

void FontOptionsGroup::restoreDefaults()
{
    dropMissingEntries();
    m_combofont->setCurrentIndex(FontChoice::RestoreIndex(installedFamilies()));
    m_combofontsize->setCurrentIndex(DefaultSizeIndex);
    m_slider->setValue(DefaultWeight);
}
