#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSlider;
class QWidget;

// The "Font Options:" group that both style dialogs share: the font list
// "combofont" (choose only, sorted by name), the size box "combofontsize"
// ("8" to "16", typing allowed, digits only), the italics and underline boxes
// (named by the dialog), and the weight slider "Slider1" (100 to 900) with its
// value label "Label16".
//
// A family that is not installed here (from a project made elsewhere) is
// shown as an extra entry in italics, marked "not installed" in its tooltip,
// so that confirming the dialog keeps it.
class FontOptionsGroup : public QObject {
    Q_OBJECT

public:
    FontOptionsGroup(QWidget *dialog, const char *italicName, const char *underlineName);

    QGroupBox *group() const { return m_group; }
    QComboBox *combofont() const { return m_combofont; }
    QComboBox *combofontsize() const { return m_combofontsize; }
    QCheckBox *italic() const { return m_italic; }
    QCheckBox *underline() const { return m_underline; }
    QSlider *Slider1() const { return m_slider; }
    QLabel *Label16() const { return m_label16; }

    // The installed families the list holds, in list order.
    QStringList installedFamilies() const;

    QString family() const;
    // Selects a family with the generic fallback kept for it (see fallback()).
    void setFamily(const QString &family, const QString &fallback = QString());
    // The generic family of the selected font for HTML5 code: the one given
    // with setFamily while that family stays selected, else decided from the
    // font database when a font is chosen (see cssfont::genericFor).
    QString fallback() const;
    QString sizeText() const;
    void setSizeText(const QString &text);
    QString weightText() const;
    void setWeightText(const QString &text);

    // The font defaults of "Restore Defaults": "MS Sans Serif" else the
    // first font, size "13", weight 500. The dialog resets the check boxes.
    void restoreDefaults();

private:
    void dropMissingEntries();

    QGroupBox *m_group;
    QComboBox *m_combofont;
    QComboBox *m_combofontsize;
    QCheckBox *m_italic;
    QCheckBox *m_underline;
    QSlider *m_slider;
    QLabel *m_label16;
    // The family that m_fallback was decided or given for.
    mutable QString m_fallbackFamily;
    mutable QString m_fallback;
};
