#include "help/ui/HelpWindow.h"

#include "help/HelpTopics.h"
#include "help/ui/HelpBrowser.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString &helpFile, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Quillnav Help"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_usable = setUpEngine(helpFile);
    if (!m_usable)
        return;

    m_browser = new HelpBrowser(m_engine, this);
    auto *splitter = new QSplitter(this);
    buildTabs();
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    setCentralWidget(splitter);
    buildToolbar();
    // At most 90 % of the screen (a small screen, or a large scale factor).
    resize(QSize(900, 640).boundedTo(screen()->availableGeometry().size() * 0.9));
}

bool HelpWindow::setUpEngine(const QString &helpFile)
{
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help");
    if (!QDir().mkpath(folder)) {
        m_problem = tr("The folder %1 could not be created.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    m_engine = new QHelpEngine(folder + QStringLiteral("/quillnav.qhc"), this);
    m_engine->setReadOnly(false);
    m_engine->setUsesFilterEngine(true);
    if (!m_engine->setupData()) {
        m_problem = m_engine->error();
        return false;
    }
    // Register the help file found now; one registered earlier from another
    // place (an older build or install) is replaced.
    const QString ns = QHelpEngineCore::namespaceName(helpFile);
    if (ns.isEmpty()) {
        m_problem = tr("%1 is not a readable help file.").arg(QDir::toNativeSeparators(helpFile));
        return false;
    }
    const QString registered = m_engine->documentationFileName(ns);
    if (QFileInfo(registered) != QFileInfo(helpFile)) {
        if (!registered.isEmpty())
            m_engine->unregisterDocumentation(ns);
        if (!m_engine->registerDocumentation(helpFile)) {
            m_problem = m_engine->error();
            return false;
        }
    }
    // Contents and index follow the collection as it is now.
    m_engine->setupData();
    m_engine->searchEngine()->scheduleIndexDocumentation();
    return true;
}

void HelpWindow::buildTabs()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("helpTabs"));

    QHelpContentWidget *contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showPage);
    m_tabs->addTab(contents, tr("&Contents"));

    auto *indexPage = new QWidget;
    auto *filter = new QLineEdit(indexPage);
    filter->setObjectName(QStringLiteral("helpIndexFilter"));
    filter->setPlaceholderText(tr("Look for"));
    filter->setClearButtonEnabled(true);
    QHelpIndexWidget *index = m_engine->indexWidget();
    index->setObjectName(QStringLiteral("helpIndex"));
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(filter);
    indexLayout->addWidget(index);
    connect(filter, &QLineEdit::textChanged, index,
            [index](const QString &text) { index->filterIndices(text); });
    connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &document) { showPage(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink> &documents) {
        if (!documents.isEmpty())
            showPage(documents.first().url);
    });
    m_tabs->addTab(indexPage, tr("&Index"));

    QHelpSearchEngine *search = m_engine->searchEngine();
    auto *searchPage = new QWidget;
    auto *query = search->queryWidget();
    auto *results = search->resultWidget();
    auto *searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(query);
    searchLayout->addWidget(results, 1);
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(query->searchInput()); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::showPage);
    m_tabs->addTab(searchPage, tr("&Search"));
}

void HelpWindow::buildToolbar()
{
    QToolBar *bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("helpToolbar"));
    bar->setMovable(false);
    QAction *back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), m_browser,
                                   &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QAction *forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"),
                                      m_browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"), this,
                   &HelpWindow::showContents);
    // The pages are written in English; a window in another language says so,
    // once, beside them.
    static const char kEnglishPages[] = QT_TR_NOOP("The help pages are in English.");
    if (const QString note = tr(kEnglishPages); note != QLatin1String(kEnglishPages)) {
        bar->addSeparator();
        auto *label = new QLabel(note, bar);
        label->setObjectName(QStringLiteral("lblHelpLanguage"));
        label->setContentsMargins(6, 0, 6, 0);
        bar->addWidget(label);
    }
    QAction *close = new QAction(tr("Close"), this);
    close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

void HelpWindow::showPage(const QUrl &url)
{
    m_browser->setSource(url);
}

void HelpWindow::showContents()
{
    m_tabs->setCurrentIndex(0);
    showPage(HelpTopics::url(QLatin1String(HelpTopics::kContents)));
}
