#include "styles/ui/ColorRow.h"

#include "styles/ui/ShowColorDialog.h"
#include "styles/ui/TypedKeyCode.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace mColorSelect;

namespace {

const char SelectMessage[] =
    QT_TRANSLATE_NOOP("ColorRow", "Please enter a valid color value or click \"Select\" to choose a color.");
const char InvalidMessage[] = QT_TRANSLATE_NOOP("ColorRow", "Please enter a valid color value.");

constexpr int ColorTextLength = 7;

} // namespace

ColorRow::ColorRow(int index, const QString &description, ColorNumber swatchColour, QWidget *dialog,
                   const StylePrompts &prompts)
    : QObject(dialog), m_index(index), m_lbldesc(new QLabel(description, dialog)),
      m_lblclr(new QLabel(dialog)), m_txtclr(new QLineEdit(dialog)),
      m_cmdclr(new QPushButton(tr("Select"), dialog)), m_colour(swatchColour),
      m_colourHelp(prompts.colourHelp)
{
    const QString suffix = QStringLiteral("_%1").arg(index);
    setObjectName(QStringLiteral("colorrow") + suffix);
    m_lbldesc->setObjectName(QStringLiteral("lbldesc") + suffix);
    m_lblclr->setObjectName(QStringLiteral("lblclr") + suffix);
    m_txtclr->setObjectName(QStringLiteral("txtclr") + suffix);
    m_cmdclr->setObjectName(QStringLiteral("cmdclr") + suffix);

    m_lbldesc->setBuddy(m_txtclr);
    m_lblclr->setFrameShape(QFrame::Panel);
    m_lblclr->setFrameShadow(QFrame::Sunken);
    m_lblclr->setMinimumSize(32, 18);
    m_txtclr->setMaxLength(ColorTextLength);
    // Colours are typed through the key filter or chosen; dropped text would bypass both.
    m_txtclr->setAcceptDrops(false);
    updateSwatch();

    connect(m_txtclr, &QLineEdit::textChanged, this, &ColorRow::txtclr_Change);
    connect(m_cmdclr, &QPushButton::clicked, this, &ColorRow::cmdclr_Click);
    m_txtclr->installEventFilter(this);
}

QString ColorRow::text() const
{
    return m_txtclr->text();
}

void ColorRow::setText(const QString &text)
{
    m_txtclr->setText(text.left(ColorTextLength));
}

void ColorRow::setRowEnabled(bool enabled)
{
    m_lbldesc->setEnabled(enabled);
    m_lblclr->setEnabled(enabled);
    m_txtclr->setEnabled(enabled);
    m_cmdclr->setEnabled(enabled);
}

bool ColorRow::isRowEnabled() const
{
    return m_txtclr->isEnabled();
}

void ColorRow::setPainted(bool painted)
{
    m_painted = painted;
    updateSwatch();
}

void ColorRow::setSwatchColor(ColorNumber colour)
{
    m_colour = colour;
    updateSwatch();
}

void ColorRow::updateSwatch()
{
    m_lblclr->setAutoFillBackground(m_painted);
    if (m_painted) {
        QPalette palette = m_lblclr->palette();
        const QColor shown = ToQColor(TranslateSysColor(m_colour));
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, QPalette::Window, shown);
        m_lblclr->setPalette(palette);
    }
    m_lblclr->update();
}

bool ColorRow::ApplyColorText(const QString &text)
{
    const std::optional<ColorNumber> colour = ColorTextToNumber(text);
    if (!colour)
        return false;
    setSwatchColor(*colour);
    return true;
}

void ColorRow::txtclr_Change()
{
    const QString text = m_txtclr->text();
    if (text.size() != ColorTextLength) {
        setPainted(false);
    } else {
        setPainted(true);
        for (qsizetype i = 1; i < text.size(); ++i) {
            const int filtered = HexDigitsOnly(text.at(i).unicode());
            // Backspace passes the key filter but is no digit of a colour.
            if (filtered == 0 || filtered == 8) {
                showOops(tr(SelectMessage));
                m_txtclr->setText(ColorToHex(TranslateSysColor(m_colour)));
                selectAfterHash();
                return;
            }
        }
        if (!ApplyColorText(text)) {
            showOops(tr(InvalidMessage));
            m_txtclr->setText(QStringLiteral("#000000"));
        }
    }

    const QString current = m_txtclr->text();
    if (!current.startsWith(QLatin1Char('#'))) {
        m_txtclr->setText((QLatin1Char('#') + current).left(ColorTextLength));
        m_txtclr->setCursorPosition(int(m_txtclr->text().size()));
    }
    emit textChangedByHandler(m_index);
}

int ColorRow::txtclr_KeyPress(int code)
{
    bool sendTab = false;
    const int result = HexDigitsOnly(code, &sendTab);
    if (sendTab) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(m_txtclr, &tab);
    }
    return result;
}

void ColorRow::txtclr_LostFocus()
{
    if (m_txtclr->text().size() == ColorTextLength)
        return;
    showOops(tr(SelectMessage));
    m_txtclr->setText(QStringLiteral("#000000"));
    selectAfterHash();
}

bool ColorRow::ensureComplete()
{
    if (m_txtclr->text().size() == ColorTextLength)
        return true;
    if (m_txtclr->isEnabled()) {
        txtclr_LostFocus();
        return false;
    }
    const bool painted = m_painted;
    setText(ColorToHex(TranslateSysColor(m_colour)));
    setPainted(painted);
    return true;
}

void ColorRow::cmdclr_Click()
{
    const qint32 chosen = ShowColorDialog(m_txtclr->window(), m_colour, true);
    if (chosen == -1)
        return;
    setSwatchColor(ColorNumber(chosen));
    setText(ColorToHex(TranslateSysColor(m_colour)));
}

void ColorRow::showOops(const QString &message)
{
    ++m_messageDepth;
    // The message that asks for a colour offers the help on colours.
    const bool offersHelp = m_colourHelp && message == tr(SelectMessage);
    QMessageBox box(QMessageBox::Warning, tr("Oops!"), message,
                    offersHelp ? QMessageBox::Ok | QMessageBox::Help : QMessageBox::Ok, m_txtclr->window());
    box.setDefaultButton(QMessageBox::Ok);
    // Escape and the close box answer OK (with Help beside it Qt finds no
    // escape button of its own and would keep the message open).
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    --m_messageDepth;
    if (offersHelp && box.clickedButton() == box.button(QMessageBox::Help))
        m_colourHelp(m_txtclr->window());
}

void ColorRow::selectAfterHash()
{
    // After a message the dialog must be the active window again for the
    // focus to land in the box.
    if (QWidget *window = m_txtclr->window(); window->isVisible() && !window->isActiveWindow())
        window->activateWindow();
    m_txtclr->setFocus(Qt::OtherFocusReason);
    m_txtclr->setSelection(1, int(m_txtclr->text().size()) - 1);
}

bool ColorRow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_txtclr)
        return QObject::eventFilter(watched, event);

    if (event->type() == QEvent::KeyPress) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        const int code = TypedKeyCode(keyEvent);
        if (code < 0)
            return false;
        const int result = txtclr_KeyPress(code);
        if (result == code)
            return false;
        if (result != 0)
            m_txtclr->insert(QString(QChar(char16_t(result))));
        return true;
    }

    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Another window taking the activation (a message box, the colour
        // chooser, another program) is not leaving the box.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        // Runs once the focus has settled on the control that takes it, so
        // that the message and the focus coming back do not interfere with
        // the focus change in progress.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_messageDepth > 0 || !m_txtclr->isEnabled() || !m_txtclr->isVisible())
                    return;
                txtclr_LostFocus();
            },
            Qt::QueuedConnection);
    }
    return false;
}
