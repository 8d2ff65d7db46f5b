// Saving the generated code: the file holds the fragments exactly as
// generated, cancelling writes nothing, failures are reported with the file's
// name, and the real dialog asks for an HTML page.
#include "codegen/MenuCodeGenerator.h"
#include "codegen/SavedCodePage.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "support/ModalWatch.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

MenuProject sample(const QString &variant)
{
    MenuProject p;
    p.options.menuName = "nav";
    p.items = {{"Home", "Yes", "index.html", "Yes"},
               {"--- \u65e5\u672c\u00a0Caf\u00e9", "Yes", "a.html?x=1&y=\"2\"", "No"},
               MenuItem::separator(),
               {"Contact", "No", "", "No"}};
    if (variant == "colours") {
        p.menuStyle.mnuSysClr = 0;
        p.buttonStyle.bttnSysClr = 0;
        p.buttonStyle.bttnNoBorder = 0;
        p.buttonStyle.bttnBorder = "2";
    } else if (variant == "graphic") {
        p.options.buttonKind = MenuOptions::GraphicButton;
        p.options.graphicUrl = "img/go.gif";
        p.options.altText = "Go <now>";
    } else if (variant == "item change") {
        p.options.navigation = MenuOptions::OnItemChange;
        p.options.linkTarget = MenuOptions::DifferentFrame;
        p.options.frameName = "main frame";
    }
    return p;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ChooserOverride {
public:
    explicit ChooserOverride(QString answer)
    {
        m_previous = SetSaveCodeFileChooser([this, answer](QWidget *owner) {
            ++calls;
            lastOwner = owner;
            return answer;
        });
    }
    ~ChooserOverride() { SetSaveCodeFileChooser(m_previous); }
    int calls = 0;
    QWidget *lastOwner = nullptr;

private:
    SaveCodeFileChooser m_previous;
};

} // namespace

class TestSaveCode : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void replacesExistingFile();
    void cancelWritesNothing();
    void failureReported_data();
    void failureReported();
    void dialogAsksForHtmlPage();
};

void TestSaveCode::roundTrip_data()
{
    QTest::addColumn<QString>("variant");
    QTest::newRow("plain") << "";
    QTest::newRow("colours and border") << "colours";
    QTest::newRow("graphic button") << "graphic";
    QTest::newRow("item change, frame") << "item change";
}

void TestSaveCode::roundTrip()
{
    QFETCH(QString, variant);
    QTemporaryDir dir;
    const QString path = dir.filePath("code.html");
    ChooserOverride chooser(path);
    modalwatch::MessageBoxCatcher boxes;
    QWidget owner;
    const MenuProject project = sample(variant);

    QVERIFY(SaveCodeToFile(&owner, project));
    QCOMPARE(chooser.calls, 1);
    QCOMPARE(chooser.lastOwner, &owner);
    QCOMPARE(boxes.count, 0);

    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, project);
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes, SavedCodePage::bytes(code));
    // The fragments are in the file byte for byte, head inside HEAD, body inside BODY.
    const qsizetype head = bytes.indexOf(code.head.toUtf8());
    const qsizetype body = bytes.indexOf(code.body.toUtf8());
    QVERIFY(head > bytes.indexOf("<HEAD>"));
    QVERIFY(head + code.head.toUtf8().size() <= bytes.indexOf("</HEAD>"));
    QVERIFY(body > bytes.indexOf("<BODY>"));
    QVERIFY(body + code.body.toUtf8().size() <= bytes.indexOf("</BODY>"));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(!bytes.contains("Menu Preview"));
    // Reading the file back gives the fragments unchanged.
    const QString text = QString::fromUtf8(bytes);
    QVERIFY(text.contains(code.head));
    QVERIFY(text.contains(code.body));
    QVERIFY(text.contains(QString::fromUtf8("\u65e5\u672c\u00a0Caf\u00e9")));
}

void TestSaveCode::replacesExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("code.html");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    ChooserOverride chooser(path);
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample(""));
    QVERIFY(SaveCodeToFile(nullptr, code));
    QCOMPARE(readAll(path), SavedCodePage::bytes(code));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"code.html"}));
}

void TestSaveCode::cancelWritesNothing()
{
    QTemporaryDir dir;
    ChooserOverride chooser(QString{});
    modalwatch::MessageBoxCatcher boxes;
    QVERIFY(!SaveCodeToFile(nullptr, sample("")));
    QCOMPARE(chooser.calls, 1);
    QCOMPARE(boxes.count, 0);
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestSaveCode::failureReported_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("missing folder") << "no/such/folder/code.html";
    QTest::newRow("name of a folder") << "taken";
}

void TestSaveCode::failureReported()
{
    QFETCH(QString, relative);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("taken"));
    const QString path = dir.filePath(relative);
    ChooserOverride chooser(path);
    modalwatch::MessageBoxCatcher boxes;

    QVERIFY(!SaveCodeToFile(nullptr, sample("")));
    QCOMPARE(boxes.count, 1);
    QCOMPARE(boxes.title, SaveCodeTitle());
    QCOMPARE(boxes.icon, QMessageBox::Warning);
    const QString named = "\"" + QDir::toNativeSeparators(path) + "\": ";
    QVERIFY2(boxes.text.contains(named), qPrintable(boxes.text));
    QVERIFY2(boxes.text.size() > boxes.text.indexOf(named) + named.size(), qPrintable(boxes.text));
    QVERIFY(QFileInfo(dir.filePath("taken")).isDir());
}

void TestSaveCode::dialogAsksForHtmlPage()
{
    QTemporaryDir dir;
    QString filters;
    QString suffix;
    bool saving = false;
    modalwatch::whenModal(this, [&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return false;
        filters = dialog->nameFilters().join(';');
        suffix = dialog->defaultSuffix();
        saving = dialog->acceptMode() == QFileDialog::AcceptSave;
        dialog->setDirectory(dir.path());
        dialog->selectFile(dir.filePath("page"));
        static_cast<QDialog *>(dialog)->accept(); // as pressing Save
        return true;
    });
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample(""));
    QVERIFY(SaveCodeToFile(nullptr, code));
    QVERIFY2(filters.contains("(*.html)"), qPrintable(filters));
    QCOMPARE(suffix, QStringLiteral("html"));
    QVERIFY(saving);
    QCOMPARE(readAll(dir.filePath("page.html")), SavedCodePage::bytes(code));
}

QTEST_MAIN(TestSaveCode)
#include "tst_savecode.moc"
