#include "Contents.h"

#include "AboutPanel.h"
#include "FocusMark.h"
#include "ContentsLook.h"
#include "FrameMetrics.h"
#include "HomePanel.h"
#include "HomeRules.h"
#include "PaperWindowFactory.h"
#include "PictureButton.h"
#include "PictureCache.h"
#include "PictureChoice.h"
#include "Resources.h"
#include "ReportFigures.h"
#include "ReportPanel.h"
#include "ResultsListing.h"
#include "ResultsPrinter.h"
#include "ShadedBox.h"
#include "Startup.h"
#include "ToolbarIdentity.h"
#include "TrashPanel.h"
#include "TrendPlot.h"
#include "frmPopUp.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>

#include <cmath>

namespace
{

// Pixels of the client area inside the frame. The strip lies 60 pixels
// below the window's top edge, as the design places it.
constexpr int kStripTop = 60 - Module5::kTopBarHeight;
constexpr int kStripLeft = 2;
constexpr int kStripHeight = 62;
constexpr int kClientWidth = Contents::kWindowSize.width() - 2 * Module5::kEdgeWidth;
constexpr int kClientHeight =
    Contents::kWindowSize.height() - Module5::kTopBarHeight - Module5::kBottomHeight;
constexpr int kPanelTop = kStripTop + kStripHeight;
constexpr QRect kPanelRect(kStripLeft, kPanelTop, kClientWidth - 2 * kStripLeft,
                           kClientHeight - kPanelTop);
constexpr int kToolbarLeft = 10;
constexpr int kToolbarPitch = 54;
constexpr int kToolbarTop = 8;

const QString kFallbackName = QStringLiteral("Tessaly");

const QKeySequence kCloseKeys(Qt::CTRL | Qt::Key_Q);
const QKeySequence kPrintKeys(Qt::CTRL | Qt::Key_P);
const QKeySequence kHelpKeys(Qt::Key_F1);

// "Print results" -> "Print results (Ctrl+P)".
QString withKeys(const QString &tip, const QKeySequence &keys)
{
    return tip + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + QLatin1Char(')');
}

FrameStyle mainStyle()
{
    FrameStyle s;
    s.focusField = QStringLiteral("ContentsFocus");
    s.icon = QStringLiteral("QVicon.ico");
    return s;
}

// The pictures are written before the frame loads them.
const Workspace &withPictures(const Workspace &workspace)
{
    Startup::PrepareWorkspace(workspace);
    return workspace;
}

} // namespace

Contents::Contents(Workspace workspace, QWidget *parent)
    : SkinnedWindow(withPictures(workspace), mainStyle(), parent)
{
    build();
}

Contents::Contents(Workspace workspace, ProgramConfig config, QWidget *parent)
    : Contents(withPictures(workspace), std::move(config), WorkspaceReady{}, parent)
{
}

Contents::Contents(Workspace workspace, ProgramConfig config, WorkspaceReady, QWidget *parent)
    : SkinnedWindow(workspace, mainStyle(), parent), m_givenConfig(std::move(config))
{
    build();
}

QStringList Contents::picturesAtStart()
{
    using namespace Module5;
    // The frame, drawn inactive and then active.
    QStringList names = SkinnedWindow::framePictures(mainStyle());
    // The first module's tabs and toolbar.
    names << TabPicture(true, false) << TabPicture(false, false);
    for (int n = 1; n <= 4; ++n)
        names << PictureFile(ContentsToolbarIdentity(n, 1).base, ButtonState::Off);
    // The Home panel.
    names << QStringLiteral("columnhead1.bmp") << QStringLiteral("columnhead2.bmp")
          << QStringLiteral("bullet.bmp") << PictureFile(QStringLiteral("loadbutton"), ButtonState::Off)
          << QStringLiteral("info_mark.gif");
    return names;
}

Contents::~Contents()
{
    // A paper window's unload calls back into this window: close them while
    // it is still whole.
    if (m_paperWindows)
        m_paperWindows->closePaperWindows();
    m_paperWindows.reset();
    // The pop-up must not write into a field that is gone.
    frmPopUp::setResponseField(nullptr);
}

void Contents::addField(const QString &name, bool textBox, const QString &text)
{
    QWidget *w = nullptr;
    if (textBox) {
        w = makeHiddenField(name, text, this);
    } else {
        w = new QLabel(text, this);
        w->setObjectName(name);
        w->hide();
    }
    m_fields.insert(name, w);
}

void Contents::build()
{
    setFixedSize(kWindowSize);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ContentsLook::panel());
    setPalette(pal);

    // Text boxes and labels, as the design has them; their texts are the
    // design values.
    addField(QStringLiteral("txtTabPos"), true, QStringLiteral("1"));
    addField(QStringLiteral("txtToolBarPos"), true, QStringLiteral("0"));
    addField(QStringLiteral("txtReportPos"), true, QStringLiteral("1"));
    addField(QStringLiteral("LChose"), false, QStringLiteral("1"));
    addField(QStringLiteral("lblCOD"), false, QString());
    addField(QStringLiteral("TopicCount"), false, QStringLiteral("1"));
    addField(QStringLiteral("PaperNum"), false, QString());
    addField(QStringLiteral("TakeNum"), false, QString());
    addField(QStringLiteral("TtPapersCon"), false, QString());
    addField(QStringLiteral("RefreshLog"), true, QStringLiteral("off"));
    addField(QStringLiteral("PopUpResponse"), true, QString());
    frmPopUp::setResponseField(
        qobject_cast<QLineEdit *>(m_fields.value(QStringLiteral("PopUpResponse"))));
    frmPopUp::setDefaultWorkspace(workspace());

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setGeometry(contentRect());

    m_strip = new ShadedBox(ShadedBox::strip(), m_client);
    m_strip->setObjectName(QStringLiteral("ScnTabBG"));
    m_strip->setGeometry(kStripLeft, kStripTop, kClientWidth - 2 * kStripLeft, kStripHeight);
    buildTabs();
    buildToolbar();

    // Only the Home panel is built now; the others when first shown, so
    // that the window comes up sooner.
    m_home = new HomePanel(*this, m_client);
    m_home->setGeometry(kPanelRect);
    connect(m_home, &HomePanel::topicClicked, this, &Contents::TopicClick);
    connect(m_home, &HomePanel::paperClicked, this, &Contents::OpenPaper);
    // Not on the topic start-up chooses: only the pupil's own moves.
    connect(m_home, &HomePanel::topicClicked, this, &Contents::PrepareForPaper);
    connect(m_home, &HomePanel::paperApproached, this, &Contents::PrepareForPaper);
    connect(m_home, &HomePanel::paperButtonFocused, this, &Contents::PrepareForPaper);
    m_printer = std::make_unique<ResultsPrinter>(this);
    buildShortcuts();
}

void Contents::buildShortcuts()
{
    connect(new QShortcut(kCloseKeys, this), &QShortcut::activated, this, &Contents::CloseProgram);
    // Print belongs to the module tabs: the button is hidden on Help.
    connect(new QShortcut(kPrintKeys, this), &QShortcut::activated, this, [this] {
        if (!toolbarButton(3)->isHidden())
            toolbarButton(3)->click();
    });
    connect(new QShortcut(kHelpKeys, this), &QShortcut::activated, this, [this] { TabClick(4); });
}

QList<QWidget *> Contents::focusChain() const
{
    QList<QWidget *> chain;
    if (m_shown == m_home)
        chain << m_home->focusStops();
    else if (m_shown && m_shown == m_report)
        chain << m_report->focusStops();
    else if (m_shown && m_shown == m_trash)
        chain << m_trash->focusStops();
    else if (m_shown && m_shown == m_about)
        chain << m_about->focusStops();
    for (PictureButton *button : m_toolbar) {
        if (!button->isHidden())
            chain << button;
    }
    // Tabs of absent modules lie out of sight, left of the window.
    for (PictureButton *t : m_tabs) {
        if (!t->isHidden() && t->geometry().right() >= 0)
            chain << t;
    }
    return chain;
}

bool Contents::focusNextPrevChild(bool next)
{
    const QList<QWidget *> chain = focusChain();
    if (chain.isEmpty())
        return false;
    QWidget *focused = focusWidget();
    // Any topic stands for the list, whose stop is the chosen topic.
    if (focused && focused->parentWidget() == m_home && focused->objectName().startsWith(u"Topic"))
        focused = m_home->chosenTopicLabel();
    const qsizetype at = chain.indexOf(focused);
    const qsizetype count = chain.size();
    const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    chain.at(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Contents::focusStart()
{
    if (QLabel *topic = m_home->chosenTopicLabel(); topic && !topic->isHidden() && m_shown == m_home)
        topic->setFocus(Qt::OtherFocusReason);
}

void Contents::addPanel(QWidget *panel)
{
    panel->setGeometry(kPanelRect);
    // Beneath the others until it is brought to the front: being asked for
    // must not cover the panel on show.
    panel->lower();
    panel->show();
}

ReportPanel *Contents::reportPanel()
{
    if (!m_report) {
        m_report = new ReportPanel(m_client);
        addPanel(m_report);
        connect(m_report, &ReportPanel::sectionClicked, this, [this](int n) {
            setField(QStringLiteral("txtReportPos"), QString::number(n));
            ShowReportSection();
        });
    }
    return m_report;
}

TrashPanel *Contents::trashPanel()
{
    if (!m_trash) {
        m_trash = new TrashPanel(*this, m_client);
        addPanel(m_trash);
        m_trash->setEraser([this] { return ResetResultsFiles(workspace(), m_config); });
    }
    return m_trash;
}

AboutPanel *Contents::aboutPanel()
{
    if (!m_about) {
        m_about = new AboutPanel(*this, m_client);
        addPanel(m_about);
        m_about->setProductName(windowTitle());
    }
    return m_about;
}

void Contents::buildTabs()
{
    for (int n = 1; n <= 4; ++n) {
        const QRect at(QPoint(-Module5::kFrontTabSize.width(), 0), Module5::kBackTabSize);
        PictureButton *tab =
            addButton(PictureButton::Rule::Tab, QStringLiteral("Tab0%1").arg(n), at, m_client);
        QLabel *caption = tab->createCaption(QStringLiteral("Tab0%1lbl").arg(n), at);
        caption->setFont(ContentsLook::boldFont());
        tab->setCursor(Qt::PointingHandCursor);
        caption->setCursor(Qt::PointingHandCursor);
        connect(tab, &PictureButton::clicked, this, [this, n] { TabClick(n); });
        m_tabs << tab;
    }
}

void Contents::buildToolbar()
{
    const QSize b = Module5::kToolbarButtonSize;
    const QSize c = Module5::kToolbarCaptionSize;
    for (int n = 1; n <= 4; ++n) {
        const QRect at(QPoint(kToolbarLeft + (n - 1) * kToolbarPitch, kToolbarTop), b);
        PictureButton *button = addButton(PictureButton::Rule::Toolbar,
                                          QStringLiteral("ToolBar0%1").arg(n), at, m_strip);
        QLabel *caption = button->createCaption(
            QStringLiteral("lblTB0%1").arg(n),
            QRect(at.x(), at.bottom() + 1 - c.height(), c.width(), c.height()));
        ContentsLook::setColours(caption, ContentsLook::ink());
        button->setCursor(Qt::PointingHandCursor);
        caption->setCursor(Qt::PointingHandCursor);
        connect(button, &PictureButton::clicked, this, [this, n] { ToolBarClick(n); });
        m_toolbar << button;
    }
    applyToolbarIdentities();
}

void Contents::Form_Load()
{
    m_config = m_givenConfig ? *m_givenConfig : ProgramConfig::read(workspace());
    const ResultsCheck check =
        m_resultsCheck ? *m_resultsCheck : CheckResultsFiles(workspace(), m_config);
    if (const QString notice = check.notice(); !notice.isEmpty())
        addStartupNotice(check.noticeTitle(), notice);
    fillCaptions();
    layoutTabs();
    startTimer1();

    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());

    const int first = m_config.firstPresentModule();
    if (first == 0) {
        // Nothing to practise: the Help tab alone, and a word on the Home area.
        setField(QStringLiteral("txtTabPos"), QStringLiteral("4"));
        RaiseTab(4);
        const QString why =
            m_config.extractError == Module3::ErrDiskFull
                ? QStringLiteral("There is no room left on the disk for the program to unpack its "
                                 "papers. Please ask your teacher to make some room, then start %1 "
                                 "again.")
                : QStringLiteral("The program's papers could not be read. Please ask your teacher "
                                 "to install %1 again.");
        m_home->setMessage(
            QStringLiteral("<p style=\"font-size:13pt\"><b>There are no practice papers to "
                           "show.</b></p><p>%1</p><p>The Help tab above still tells you about the "
                           "program.</p>")
                .arg(why.arg(windowTitle().toHtmlEscaped())));
        showPanelWidget(m_home);
        return;
    }
    setField(QStringLiteral("LChose"), QString::number(first));
    setField(QStringLiteral("txtTabPos"), QString::number(first));
    // The tab click loads the module's data and chooses topic 1.
    TabClick(first);
    setField(QStringLiteral("txtToolBarPos"), QStringLiteral("1"));
    setField(QStringLiteral("txtReportPos"), QStringLiteral("1"));
    focusStart();
}

void Contents::setResultsCheck(const ResultsCheck &check)
{
    m_resultsCheck = check;
}

void Contents::addStartupNotice(const QString &title, const QString &message)
{
    m_notices.append({title, message});
}

void Contents::showStartupNotices()
{
    while (!m_notices.isEmpty()) {
        const auto [title, message] = m_notices.takeFirst();
        frmPopUp::CallPop(title, message, 1, this);
    }
}

void Contents::bringForward()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void Contents::fillCaptions()
{
    const QString name = m_config.name.isEmpty() ? kFallbackName : m_config.name;
    setTitle(name);
    if (m_about)
        m_about->setProductName(name);
    setField(QStringLiteral("lblCOD"), m_config.code);
    for (int n = 1; n <= 3; ++n) {
        const QString label = m_config.module(n).label;
        tab(n)->caption()->setText(label);
        tab(n)->setTips(QStringLiteral("Load ") + label + QStringLiteral(" Module"));
    }
    tab(4)->caption()->setText(QStringLiteral("Help"));
    tab(4)->setTips(withKeys(QStringLiteral("Help"), kHelpKeys));
}

void Contents::layoutTabs()
{
    // Present modules side by side, overlapping by 2 pixels; the others out
    // of sight; Help after them.
    int x = kStripLeft;
    for (int n = 1; n <= 3; ++n) {
        if (m_config.module(n).present()) {
            placeTab(n, x, tab(n)->y());
            x += tab(n)->width() - 2;
        } else {
            placeTab(n, -tab(1)->width(), tab(n)->y());
        }
    }
    placeTab(4, x, tab(4)->y());
}

void Contents::placeTab(int n, int left, int top)
{
    PictureButton *t = tab(n);
    const QSize size = t->isCurrentTab() ? Module5::kFrontTabSize : Module5::kBackTabSize;
    t->setGeometry(QRect(QPoint(left, top), size));
    t->caption()->setGeometry(t->geometry().adjusted(2, 3, -2, 0));
}

void Contents::RaiseTab(int chosen)
{
    for (int n = 4; n >= 1; --n) {
        tab(n)->raise();
        tab(n)->caption()->raise();
    }
    m_strip->raise();
    tab(chosen)->raise();
    tab(chosen)->caption()->raise();
    for (int n = 1; n <= 4; ++n) {
        const bool current = n == chosen;
        tab(n)->setCurrentTab(current);
        const int height =
            current ? Module5::kFrontTabSize.height() : Module5::kBackTabSize.height();
        // The chosen tab lies over the strip and stands 2 pixels higher.
        const double top = kStripTop - height + (current ? 0.5 : 2.5);
        placeTab(n, tab(n)->x(), static_cast<int>(std::lround(top)));
        ContentsLook::setColours(tab(n)->caption(),
                                 current ? ContentsLook::heading() : ContentsLook::ink());
    }
    applyToolbarIdentities();
    refreshPictures();
}

void Contents::applyToolbarIdentities()
{
    const int tabPos = fieldNumber(QStringLiteral("txtTabPos"));
    for (int n = 1; n <= 4; ++n) {
        ToolbarIdentity identity = Module5::ContentsToolbarIdentity(n, tabPos);
        if (tabPos != 4 && n == 3)
            identity.tooltip = withKeys(identity.tooltip, kPrintKeys);
        else if (tabPos != 4 && n == 4)
            identity.tooltip = withKeys(identity.tooltip, kCloseKeys);
        toolbarButton(n)->setIdentity(identity);
    }
}

void Contents::TabClick(int n)
{
    if (n < 1 || n > 4)
        return;
    setField(QStringLiteral("txtTabPos"), QString::number(n));
    setField(QStringLiteral("txtToolBarPos"), QStringLiteral("1"));
    setField(QStringLiteral("txtReportPos"), QStringLiteral("1"));
    RaiseTab(n);
    if (n <= 3)
        setField(QStringLiteral("LChose"), QString::number(n));
    ShowPanel();
}

void Contents::ToolBarClick(int n)
{
    setField(QStringLiteral("txtToolBarPos"), QString::number(n));
    ShowPanel();
}

void Contents::ShowPanel()
{
    const int tabPos = fieldNumber(QStringLiteral("txtTabPos"));
    const int button = fieldNumber(QStringLiteral("txtToolBarPos"));
    if (tabPos >= 1 && tabPos <= 3) {
        switch (button) {
        case 1:
            LoadModuleData();
            showPanelWidget(m_home);
            break;
        case 2:
            ShowReport();
            ShowReportSection();
            showPanelWidget(reportPanel());
            break;
        case 3:
            PrintResults();
            break;
        case 4:
            CloseProgram();
            break;
        default:
            break;
        }
    } else if (tabPos == 4) {
        switch (button) {
        case 1:
            showPanelWidget(aboutPanel());
            break;
        case 2:
            showPanelWidget(trashPanel());
            m_trash->reset();
            break;
        case 4:
            PrintSetup();
            break;
        default:
            break;
        }
    }
}

void Contents::showPanelWidget(QWidget *panel)
{
    // Panels are not hidden: the one brought to the front covers the others.
    panel->move(m_strip->x(), m_strip->y() + m_strip->height());
    panel->raise();
    m_shown = panel;
    // The keys must not stay on a panel now covered.
    QWidget *focused = focusWidget();
    QWidget *covered = nullptr;
    for (QWidget *p : {static_cast<QWidget *>(m_home), static_cast<QWidget *>(m_report),
                       static_cast<QWidget *>(m_trash), static_cast<QWidget *>(m_about)}) {
        if (p && p != panel && p->isAncestorOf(focused))
            covered = p;
    }
    if (covered) {
        const QList<QWidget *> chain = focusChain();
        if (!chain.isEmpty())
            chain.first()->setFocus(Qt::OtherFocusReason);
    }
    // The raised panel now lies over the mark, wherever the focus is.
    focusMark()->refresh();
}

void Contents::LoadModuleData()
{
    const int m = fieldNumber(QStringLiteral("LChose"));
    if (m >= 1 && m <= 3) {
        const ModuleConfig &module = m_config.module(m);
        m_topicTotal = module.topicCount;
        m_paperTotal = module.paperCount;
        m_topicNames = module.topicNames;
    }
    setField(QStringLiteral("TtPapersCon"), QString::number(m_paperTotal));
    const ResultsStore store(workspace(), m, field(QStringLiteral("lblCOD")), m_paperTotal);
    m_rows = store.readMarks();
    m_home->setMessage(
        m_topicTotal > 0
            ? QString()
            : QStringLiteral("<p><b>This module has no topics to practise yet.</b></p>"));
    m_home->setTopics(m_topicNames, m_topicTotal);
    if (field(QStringLiteral("RefreshLog")) == QLatin1String("off"))
        TopicClick(1);
}

void Contents::TopicClick(int topic)
{
    const int first = HomeRules::FirstPaperOfTopic(topic);
    setField(QStringLiteral("TopicCount"), QString::number(first));
    TopicChoosing(first);
    m_home->Topicbuttoncolour(topic);
}

void Contents::TopicChoosing(int firstPaper)
{
    m_home->TopicChoosing(firstPaper, m_topicNames, m_rows);
}

void Contents::OpenPaper(int offset, int take)
{
    // A paper still opening: the click waits for nothing and changes nothing.
    if (m_paperWindows && m_paperWindows->isOpening())
        return;
    const int first = fieldNumber(QStringLiteral("TopicCount"));
    setField(QStringLiteral("PaperNum"), QString::number(HomeRules::PaperKey(first, offset)));
    setField(QStringLiteral("TakeNum"), QString::number(take));
    if (!m_paperWindows)
        return;
    m_paperWindows->closePaperWindows();
    m_paperWindows->openPaper(*this, take);
}

void Contents::PrepareForPaper()
{
    if (!m_paperWindows)
        return;
    m_paperWindows->prepare();
    // The pointer on its way to a load button lights it up.
    PictureCache::prefetch(PictureCache::forFolder(workspace().graphicsFolder()),
                           {Module5::PictureFile(QStringLiteral("loadbutton"),
                                                 Module5::ButtonState::On)});
}

void Contents::RefreshContents()
{
    setField(QStringLiteral("RefreshLog"), QStringLiteral("on"));
    LoadModuleData();
    if (const int topic = HomeRules::TopicOfFirstPaper(fieldNumber(QStringLiteral("TopicCount"))))
        TopicClick(topic);
    setField(QStringLiteral("RefreshLog"), QStringLiteral("off"));
}

void Contents::ShowReport()
{
    // Read afresh, so the report always tells what the files hold.
    const int m = fieldNumber(QStringLiteral("LChose"));
    const ResultsStore store(workspace(), m, field(QStringLiteral("lblCOD")), m_paperTotal);
    m_rows = store.readMarks();
    const ReportFigures figures =
        ReportFigures::compute(m_topicTotal, m_topicNames, m_rows, m_paperTotal);
    reportPanel()->ShowReport(figures, m_topicTotal, TrendPlot::values(store.readTrendLine()));
}

void Contents::ShowReportSection()
{
    reportPanel()->ShowReportSection(fieldNumber(QStringLiteral("txtReportPos")));
}

void Contents::PrintResults()
{
    m_printer->PrintResults(
        ResultsListing::lines(windowTitle(), m_topicTotal, m_topicNames, m_rows), windowTitle());
}

void Contents::PrintSetup()
{
    m_printer->PrintSetup();
}

void Contents::CloseProgram()
{
    close();
}

void Contents::imgProgClose_Click()
{
    CloseProgram();
}

void Contents::closeEvent(QCloseEvent *event)
{
    // Paper windows go first, without asking, whoever closes the window.
    if (m_paperWindows)
        m_paperWindows->closePaperWindows();
    event->accept();
}

void Contents::showEvent(QShowEvent *event)
{
    SkinnedWindow::showEvent(event);
    // Without a window manager nothing else gives the new window the focus.
    if (!event->spontaneous())
        activateWindow();
    if (!focusWidget())
        focusStart();
    // Once the window is up and drawn.
    if (!m_notices.isEmpty())
        QTimer::singleShot(0, this, &Contents::showStartupNotices);
}

void Contents::layoutFrame()
{
    SkinnedWindow::layoutFrame();
    if (m_client)
        m_client->setGeometry(contentRect());
}

void Contents::setPaperWindows(std::unique_ptr<PaperWindowFactory> factory)
{
    m_paperWindows = std::move(factory);
}

QString Contents::field(const QString &name) const
{
    QWidget *w = m_fields.value(name);
    if (!w)
        w = findChild<QWidget *>(name);
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    return {};
}

void Contents::setField(const QString &name, const QString &text)
{
    QWidget *w = m_fields.value(name);
    if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
}

int Contents::fieldNumber(const QString &name) const
{
    return field(name).trimmed().toInt();
}

Contents::Handover Contents::handover() const
{
    Handover h;
    h.paperKey = fieldNumber(QStringLiteral("PaperNum"));
    h.take = fieldNumber(QStringLiteral("TakeNum"));
    h.firstPaper = fieldNumber(QStringLiteral("TopicCount"));
    h.topicName = field(QStringLiteral("SubH1"));
    h.module = fieldNumber(QStringLiteral("LChose"));
    h.code = field(QStringLiteral("lblCOD"));
    h.paperCount = fieldNumber(QStringLiteral("TtPapersCon"));
    return h;
}
