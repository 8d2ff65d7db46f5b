// Saving the generated code: the dialog asks for an HTML page, the file holds
// the fragments exactly as generated, cancelling writes nothing, failures name
// the file.
#include "codegen/MenuCodeGenerator.h"
#include "codegen/SavedCodePage.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "support/ModalWatch.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Markup characters and non-ASCII text that a careless writer would escape or mangle.
MenuProject sample()
{
    MenuProject p;
    p.options.menuName = "nav";
    p.items = {{"Home", "Yes", "index.html", "Yes"},
               {"--- \u65e5\u672c\u00a0<Caf\u00e9>", "Yes", "a.html?x=1&y=\"2\"", "No"},
               MenuItem::separator(), {"Contact", "No", "", "No"}};
    return p;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSaveCode : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir.reset(new QTemporaryDir); }
    void cleanup() { SetSaveCodeFileChooser({}); }
    void roundTrip();
    void failureOrCancelWritesNothing_data();
    void failureOrCancelWritesNothing();
    void dialogAsksForHtmlPage();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestSaveCode::roundTrip()
{
    const QString path = m_dir->filePath("code.html");
    { // an older, longer file of that name is replaced as a whole
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(100000, 'x')));
    }
    SetSaveCodeFileChooser([path](QWidget *) { return path; });
    modalwatch::MessageBoxCatcher boxes;
    QVERIFY(SaveCodeToFile(nullptr, sample()));
    QCOMPARE(boxes.count, 0);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList({"code.html"}));
    // The fragments are in the file byte for byte, head inside HEAD, body inside BODY.
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample());
    const QByteArray bytes = readAll(path), head = code.head.toUtf8(), body = code.body.toUtf8();
    QCOMPARE(bytes, SavedCodePage::bytes(code));
    QVERIFY(bytes.indexOf(head) > bytes.indexOf("<HEAD>"));
    QVERIFY(bytes.indexOf(head) + head.size() <= bytes.indexOf("</HEAD>"));
    QVERIFY(bytes.indexOf(body) > bytes.indexOf("<BODY>"));
    QVERIFY(bytes.indexOf(body) + body.size() <= bytes.indexOf("</BODY>"));
    QVERIFY(body.contains("\xe6\x97\xa5\xe6\x9c\xac\xc2\xa0<Caf\xc3\xa9>")); // UTF-8
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF") && !bytes.contains("Menu Preview"));
}

void TestSaveCode::failureOrCancelWritesNothing_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("cancelled") << "";
    QTest::newRow("missing folder") << "no/such/folder/code.html";
    QTest::newRow("name of a folder") << "taken";
}

void TestSaveCode::failureOrCancelWritesNothing()
{
    QFETCH(QString, relative);
    QVERIFY(QDir(m_dir->path()).mkdir("taken"));
    const QString path = relative.isEmpty() ? QString() : m_dir->filePath(relative);
    SetSaveCodeFileChooser([path](QWidget *) { return path; });
    modalwatch::MessageBoxCatcher boxes;
    QVERIFY(!SaveCodeToFile(nullptr, sample()));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({"taken"}));
    QVERIFY(QDir(m_dir->filePath("taken")).isEmpty());
    QCOMPARE(boxes.count, path.isEmpty() ? 0 : 1); // a cancel is no failure
    if (path.isEmpty())
        return;
    QCOMPARE(boxes.title, SaveCodeTitle());
    QCOMPARE(boxes.icon, QMessageBox::Warning);
    // Names the file, then gives the reason.
    const QString named = "\"" + QDir::toNativeSeparators(path) + "\": ";
    QVERIFY2(boxes.text.contains(named) && !boxes.text.endsWith(named), qPrintable(boxes.text));
}

void TestSaveCode::dialogAsksForHtmlPage()
{
    modalwatch::whenModal(this, [&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return false;
        [&] {
            QVERIFY2(dialog->nameFilters().join(';').contains("(*.html)"), "no HTML filter");
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("html"));
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        }();
        dialog->setDirectory(m_dir->path());
        dialog->selectFile(m_dir->filePath("page")); // the suffix is added
        static_cast<QDialog *>(dialog)->accept(); // as pressing Save
        return true;
    });
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample());
    QVERIFY(SaveCodeToFile(nullptr, code));
    QCOMPARE(readAll(m_dir->filePath("page.html")), SavedCodePage::bytes(code));
}

QTEST_MAIN(TestSaveCode)
#include "tst_savecode.moc"
