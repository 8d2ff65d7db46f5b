// Saving the generated code: the dialog asks for an HTML page, the file holds
// the fragments exactly as generated, cancelling writes nothing. (A failed
// write is covered with every other writer in tst_reliability.)
#include "codegen/MenuCodeGenerator.h"
#include "codegen/SavedCodePage.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "support/ModalWatch.h"
#include "support/TestFiles.h"

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

} // namespace

using namespace testfiles;

class TestSaveCode : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetSaveCodeFileChooser({}); }
    void roundTripAndCancel();
    void dialogAsksForHtmlPage();

private:
    QTemporaryDir m_dir;
};

void TestSaveCode::roundTripAndCancel()
{
    const QString path = m_dir.filePath("code.html");
    QVERIFY(writeAll(path, QByteArray(100000, 'x'))); // an older, longer file is replaced as a whole
    modalwatch::MessageBoxCatcher boxes;
    SetSaveCodeFileChooser([](QWidget *) { return QString(); }); // cancelled: no failure, nothing written
    QVERIFY(!SaveCodeToFile(nullptr, sample()));
    QCOMPARE(readAll(path), QByteArray(100000, 'x'));
    SetSaveCodeFileChooser([path](QWidget *) { return path; });
    QVERIFY(SaveCodeToFile(nullptr, sample()));
    QCOMPARE(boxes.count, 0);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"code.html"}));
    // The fragments are in the file byte for byte, head inside HEAD, body inside BODY, UTF-8.
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample());
    const QByteArray bytes = readAll(path), head = code.head.toUtf8(), body = code.body.toUtf8();
    QCOMPARE(bytes, SavedCodePage::bytes(code));
    QVERIFY(bytes.indexOf("<HEAD>") < bytes.indexOf(head) && bytes.indexOf(head) + head.size() <= bytes.indexOf("</HEAD>"));
    QVERIFY(bytes.indexOf("<BODY>") < bytes.indexOf(body) && bytes.indexOf(body) + body.size() <= bytes.indexOf("</BODY>"));
    QVERIFY(body.contains("\xe6\x97\xa5\xe6\x9c\xac\xc2\xa0<Caf\xc3\xa9>"));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF") && !bytes.contains("Menu Preview"));
}

void TestSaveCode::dialogAsksForHtmlPage()
{
    modalwatch::whenModal(this, [&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return false;
        [&] {
            QVERIFY2(dialog->nameFilters().join(';').contains("(*.html)"), "no HTML filter");
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        }();
        dialog->setDirectory(m_dir.path());
        dialog->selectFile(m_dir.filePath("page")); // the suffix is added
        static_cast<QDialog *>(dialog)->accept(); // as pressing Save
        return true;
    });
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample());
    QVERIFY(SaveCodeToFile(nullptr, code));
    QCOMPARE(readAll(m_dir.filePath("page.html")), SavedCodePage::bytes(code));
}

QTEST_MAIN(TestSaveCode)
#include "tst_savecode.moc"
