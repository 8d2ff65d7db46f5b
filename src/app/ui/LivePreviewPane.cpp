#include "app/ui/LivePreviewPane.h"

#include "app/AdvisoryFlags.h"
#include "app/MenuDocument.h"
#include "app/ui/LivePreviewEngine.h"
#include "app/ui/LivePreviewPage.h"
#include "app/ui/LivePreviewRoom.h"
#include "app/ui/LivePreviewScript.h"
#include "app/ui/LivePreviewStyles.h"
#include "app/ui/PreviewRequestInterceptor.h"
#include "app/ui/PreviewSchemeHandler.h"
#include "codegen/MenuCodeGenerator.h"
#include "codegen/PreviewPageParts.h"
#include "codegen/PreviewPages.h"
#include "platform/CRegSettings.h"
#include "platform/CloseRequest.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("Live Preview");
const QString kVisible = QStringLiteral("Visible");
const QString kArea = QStringLiteral("Area");
const QString kScriptName = QStringLiteral("quillnav-live-preview");

const std::pair<Qt::DockWidgetArea, QLatin1StringView> kAreas[] = {
    {Qt::RightDockWidgetArea, QLatin1StringView("right")},
    {Qt::LeftDockWidgetArea, QLatin1StringView("left")},
    {Qt::BottomDockWidgetArea, QLatin1StringView("bottom")},
    {Qt::TopDockWidgetArea, QLatin1StringView("top")},
};

// The stored side is the one of a left-to-right window: right to left (a
// right-to-left language, or Qt's -reverse) the pane docks on the mirrored
// side, after the controls in reading order.
Qt::DockWidgetArea mirrored(Qt::DockWidgetArea area, const QWidget *window)
{
    if (!window->isRightToLeft())
        return area;
    return area == Qt::RightDockWidgetArea  ? Qt::LeftDockWidgetArea
           : area == Qt::LeftDockWidgetArea ? Qt::RightDockWidgetArea
                                            : area;
}

} // namespace

LivePreviewPane::LivePreviewPane(QMainWindow *window, MenuDocument *document,
                                 std::function<QSize()> ownMinimum)
    : QDockWidget(tr("Live Preview"), window), m_window(window), m_document(document)
{
    setObjectName(QStringLiteral("dockLivePreview"));
    setAllowedAreas(Qt::AllDockWidgetAreas);
    m_room = new LivePreviewRoom(window, this, std::move(ownMinimum));
    toggleViewAction()->setObjectName(QStringLiteral("mnuViewLivePreview"));
    toggleViewAction()->setText(tr("&Live Preview"));
    toggleViewAction()->setStatusTip(
        tr("Show the menu as the browser preview shows it, updated as you work"));

    // The pane's contents are made when it first shows: most sessions never
    // show it, and laying out its wrapped text would cost every start-up.

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("tmrLivePreview"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(kUpdateDelayMs);
    connect(m_timer, &QTimer::timeout, this, &LivePreviewPane::updateNow);

    // Every change of the project is a step (or a merged step) of the history.
    connect(document, &MenuDocument::changed, this, &LivePreviewPane::scheduleUpdate);
    connect(document, &MenuDocument::dialectChanged, this, &LivePreviewPane::scheduleUpdate);
    window->installEventFilter(this); // until its first paint
}

LivePreviewPane::~LivePreviewPane()
{
    m_timer->stop();
    // Pages go before the profile they use. A view that goes with the focus
    // would first pass the focus on through its internal window.
    if (m_view)
        m_view->clearFocus();
    m_page = nullptr; // a page that goes answers its scripts still waiting: nothing follows
    delete m_view;
    delete m_profile;
}

void LivePreviewPane::restoreFromSettings()
{
    QString visible, areaText;
    if (const auto rows = AdvisoryFlags::ProgramStore().GetAllSettings(kSection)) {
        for (const QStringList &row : *rows) {
            if (row.value(0).compare(kVisible, Qt::CaseInsensitive) == 0)
                visible = row.value(1);
            else if (row.value(0).compare(kArea, Qt::CaseInsensitive) == 0)
                areaText = row.value(1);
        }
    }
    Qt::DockWidgetArea area = mirrored(Qt::RightDockWidgetArea, m_window);
    for (const auto &[value, text] : kAreas) {
        if (areaText == text)
            area = mirrored(value, m_window);
    }
    hide(); // never counted as docked and shown before it is
    m_window->addDockWidget(area, this);
    const bool shown = visible == QLatin1String("yes");
    setVisible(shown);
    if (shown)
        makeRoom(true);

    connect(toggleViewAction(), &QAction::triggered, this, [this](bool on) {
        saveSetting(kVisible, on ? QStringLiteral("yes") : QStringLiteral("no"));
        makeRoom(on);
    });
    connect(this, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea where) {
        for (const auto &[value, text] : kAreas) {
            if (mirrored(where, m_window) == value)
                saveSetting(kArea, text);
        }
    });
}

void LivePreviewPane::followStyleDialogs(frmAdvMnuOp *menu, FrmAdvBttnOp *button)
{
    m_menuDialog = menu;
    m_buttonDialog = button;
    if (m_view) // the view follows them from when it is made
        livepreview::followStyleDialogs(menu, button, this);
}

void LivePreviewPane::scheduleUpdate()
{
    m_stale = true;
    if (!m_page || !isVisible() || m_timer->isActive())
        return; // an update is on its way, and shows this change too
    // One update at a time: the page being drawn asks for the next one
    // (below), unless it never says it was drawn.
    const qint64 since = m_lastUpdate.isValid() ? m_lastUpdate.elapsed() : kDrawnWaitMs;
    const qint64 wait = m_drawing ? kDrawnWaitMs - since : kUpdateDelayMs - since;
    // Zero: as soon as this event is handled, with the other signals of the same change.
    m_timer->start(int(std::clamp<qint64>(wait, 0, kDrawnWaitMs)));
}

void LivePreviewPane::updateNow()
{
    update(false);
}

void LivePreviewPane::loadAnew()
{
    update(true);
}

void LivePreviewPane::update(bool anew)
{
    m_timer->stop();
    if (!m_page)
        return;
    m_stale = false;
    m_drawing = true;
    m_lastUpdate.start();
    // A style dialog that is open shows its controls before they are confirmed.
    MenuProject project = m_document->project();
    livepreview::applyOpenStyleDialogs(m_menuDialog, m_buttonDialog, &project);
    if (const auto line = m_pickStatus.pageShown(project))
        setStatus(*line);
    MenuCodeSpans spans;
    const MenuCode code = GenerateMenuCode(codegen::kPreviewMode, project, &spans);
    const PreviewPages pages = PreviewPages::build(code, project.options);
    m_handler->setPage(PreviewPages::fileBytes(pages.menuPage, pages.byteOrderMark));
    PreviewPageParts parts(pages, code, spans, project.options);
    const QString drawn = m_page->drawnMessage(++m_serial);

    // Only the list's entries or the styles changed: the page shown takes them.
    if (!anew && m_shownDrawn && parts.canReplace(m_shown)) {
        const QJsonObject changes = parts.changes(m_shown);
        m_shown = std::move(parts);
        const QPointer<LivePreviewPane> pane(this);
        m_page->runJavaScript(livepreview::patchCall(changes, drawn), QWebEngineScript::ApplicationWorld,
                              [pane, serial = m_serial](const QVariant &taken) {
                                  // No value: the page went before it answered.
                                  if (pane && taken.isValid() && !taken.toBool() && serial == pane->m_serial)
                                      pane->loadAnew(); // the page was not the one it should be
                              });
        return;
    }
    m_shown = std::move(parts);
    m_shownDrawn = false;

    const bool intoFrame = project.options.linkTarget == MenuOptions::DifferentFrame;
    m_page->setFrameName(project.options.frameName);
    QWebEngineScriptCollection &scripts = m_page->scripts();
    for (const QWebEngineScript &old : scripts.find(kScriptName))
        scripts.remove(old);
    QWebEngineScript script;
    script.setName(kScriptName);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setSourceCode(
        livepreview::pageScript(intoFrame ? &project.options.frameName : nullptr, m_page->scrollPosition(),
                                drawn, project.dialect == CodeDialect::Classic, m_page->pickMessagePrefix()));
    scripts.insert(script);
    m_page->load(livepreview::pageUrl());
}

void LivePreviewPane::ensureBody()
{
    if (m_body)
        return;
    m_body = new QWidget(this);
    m_layout = new QVBoxLayout(m_body);
    m_layout->setContentsMargins(2, 2, 2, 2);
    if (m_bannerMaker)
        m_layout->addWidget(m_bannerMaker(m_body));
    m_problem = new QLabel(m_body);
    m_problem->setObjectName(QStringLiteral("lblLivePreviewProblem"));
    m_problem->setWordWrap(true);
    m_problem->setAlignment(Qt::AlignCenter);
    m_problem->hide();
    m_layout->addWidget(m_problem, 1);
    m_status = new QLabel(LivePreviewStatus::prompt(), m_body);
    m_status->setObjectName(QStringLiteral("lblLivePreviewStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_layout->addWidget(m_status);
    setWidget(m_body);
}

void LivePreviewPane::showEvent(QShowEvent *event)
{
    ensureBody();
    QDockWidget::showEvent(event);
    if (!m_triedEngine && !m_windowPainted && m_window->isVisible()) {
        m_engineWaits = true; // the window opens with the pane: it comes up first
        return;
    }
    if (!m_triedEngine)
        createView();
    if (m_stale)
        scheduleUpdate();
}

bool LivePreviewPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Paint && !m_windowPainted) {
        m_windowPainted = true;
        m_window->removeEventFilter(this);
        if (m_engineWaits) // once this paint is done
            QTimer::singleShot(0, this, &LivePreviewPane::startEngine);
    }
    return false;
}

void LivePreviewPane::startEngine()
{
    m_engineWaits = false;
    if (m_triedEngine || !isVisible())
        return;
    createView();
    if (m_stale)
        scheduleUpdate();
}

void LivePreviewPane::closeEvent(QCloseEvent *event)
{
    QDockWidget::closeEvent(event);
    // The user closed the pane (the program's own closing keeps the setting).
    if (event->isAccepted() && !CloseRequest::fromProgram()) {
        saveSetting(kVisible, QStringLiteral("no"));
        makeRoom(false);
    }
}

void LivePreviewPane::createView()
{
    m_triedEngine = true;
    ensureBody();
    QString problem;
    if (!livepreview::prepareEngine(&problem)) {
        showProblem(problem);
        return;
    }
    // A profile of its own, kept in memory only, that reaches nothing but the page.
    m_profile = new QWebEngineProfile();
    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    m_profile->setSpellCheckEnabled(false);
    m_profile->setUrlRequestInterceptor(new PreviewRequestInterceptor(m_profile));
    m_handler = new PreviewSchemeHandler(m_profile);
    m_profile->installUrlSchemeHandler(livepreview::kScheme, m_handler);
    QWebEngineSettings *settings = m_profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);

    m_view = new QWebEngineView(m_body);
    m_view->setObjectName(QStringLiteral("webLivePreview"));
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_page = new LivePreviewPage(m_profile, m_view);
    m_view->setPage(m_page);
    m_layout->insertWidget(m_layout->indexOf(m_problem), m_view, 1);
    if (const QString note = livepreview::sandboxNote(); !note.isEmpty())
        m_view->setToolTip(note + tr(" The preview reaches no network and no files."));

    connect(m_page, &LivePreviewPage::wouldOpen, this, [this](const QString &address, const QString &where) {
        setStatus(tr("Would open %1 %2").arg(address, where));
    });
    connect(m_page, &LivePreviewPage::picked, this,
            [this](int index, const QString &text, const QString &address) {
                setStatus(m_pickStatus.picked(index, text, address));
            });
    if (m_menuDialog && m_buttonDialog)
        livepreview::followStyleDialogs(m_menuDialog, m_buttonDialog, this);
    connect(m_page, &LivePreviewPage::pageSaid, this,
            [this](const QString &text) { setStatus(tr("The page says: %1").arg(text)); });
    connect(m_page, &LivePreviewPage::drawn, this, [this](int serial) {
        if (serial != m_serial)
            return;
        m_drawing = false;
        m_shownDrawn = true; // its script is there to take the next parts
        emit pageDrawn();
        if (m_stale) { // changed while the page was made: the next update, no sooner than its time
            m_timer->stop();
            scheduleUpdate();
        }
    });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (!ok && m_drawing) { // a page that failed to load is never drawn
            m_drawing = false;
            m_shownDrawn = false;
            if (m_stale) {
                m_timer->stop();
                scheduleUpdate();
            }
        }
    });
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (status == QWebEnginePage::NormalTerminationStatus)
                    return;
                m_stale = true;
                m_drawing = false;
                m_shownDrawn = false;
                setStatus(tr("The preview's page stopped unexpectedly; the next "
                             "change shows the menu again."));
            });
}

void LivePreviewPane::showProblem(const QString &text)
{
    ensureBody();
    m_problem->setText(text
                       + tr("\n\nEverything else works as before; \"Preview Menu in "
                            "Browser\" shows the menu in your web browser."));
    m_problem->show();
    m_status->hide();
}

void LivePreviewPane::setStatus(const QString &text)
{
    ensureBody();
    m_status->setText(text);
}

void LivePreviewPane::saveSetting(const QString &key, const QString &value)
{
    AdvisoryFlags::ProgramStore().SaveSetting(kSection, key, value);
}

void LivePreviewPane::makeRoom(bool shown)
{
    m_room->makeRoom(shown);
}

QSize LivePreviewPane::extraMinimum() const
{
    return m_room->extraMinimum();
}
