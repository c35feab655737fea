#pragma once

#include "ProgramConfig.h"
#include "ResultsStore.h"
#include "SkinnedWindow.h"
#include "Workspace.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <memory>
#include <optional>

class AboutPanel;
class HomePanel;
class PaperWindowFactory;
class PictureButton;
class ReportPanel;
class ResultsPrinter;
class ShadedBox;
class TrashPanel;

// The main window: module and Help tabs over the tab strip ScnTabBG with the
// toolbar (ToolBar01..04), and one of four panels below it (Body_Home,
// Body_Report, Body_Trash, Body_About), shown by bringing it to the front.
//
// Its state lives in hidden fields found by object name, as the paper
// windows and the pop-up read them: txtTabPos, txtToolBarPos, txtReportPos,
// LChose, lblCOD, TopicCount, PaperNum, TakeNum, TtPapersCon, RefreshLog
// and PopUpResponse; SubH1 is the visible heading of the paper list.
//
// Keys: the focus starts on the first topic. Tab and Shift+Tab go round
// what the panel in front offers (the topic list and the paper buttons on
// Home), then the toolbar buttons and the tabs; Enter or Space presses.
// Ctrl+Q closes the program, Ctrl+P prints the results, F1 opens Help.
class Contents : public SkinnedWindow
{
    Q_OBJECT
public:
    explicit Contents(Workspace workspace, QWidget *parent = nullptr);
    // Form_Load uses `config` instead of reading the configuration resource
    // (tests give their own; the resource is fixed per program file).
    Contents(Workspace workspace, ProgramConfig config, QWidget *parent = nullptr);
    // The program: start-up's file work (scratch files, pictures, the
    // configuration) is already done, by a StartupWorker, which read `config`.
    struct WorkspaceReady {};
    Contents(Workspace workspace, ProgramConfig config, WorkspaceReady, QWidget *parent = nullptr);

    // The pictures the window shows when it first appears and becomes
    // active, read ahead of it by the StartupWorker.
    static QStringList picturesAtStart();
    ~Contents() override;

    // Start-up: configuration, results files, captions, tabs, timer, first
    // module with its data. The pictures are written when the window is made.
    void Form_Load();
    // The results files were checked already (by the StartupWorker), so
    // Form_Load does not check them again; what the check has to tell the
    // pupil is told once the window is up.
    void setResultsCheck(const ResultsCheck &check);
    // Told in the pop-up once the window is up, in the order added.
    void addStartupNotice(const QString &title, const QString &message);
    // Brings the window in front of the others: a second start in the same
    // folder asks for it.
    void bringForward();

    const ProgramConfig &config() const { return m_config; }

    // --- What the paper windows use ---
    void setPaperWindows(std::unique_ptr<PaperWindowFactory> factory);
    PaperWindowFactory *paperWindows() const { return m_paperWindows.get(); }
    // Text of a hidden field or label by object name ("PaperNum", "SubH1"
    // ...); empty for an unknown name.
    QString field(const QString &name) const;
    struct Handover {
        int paperKey = 0;   // PaperNum, 101..150
        int take = 0;       // TakeNum, 1 or 2
        int firstPaper = 0; // TopicCount, 1, 6 .. 46
        QString topicName;  // SubH1
        int module = 0;     // LChose
        QString code;       // lblCOD
        int paperCount = 0; // TtPapersCon
    };
    Handover handover() const;
    // Re-reads the marks file and keeps the chosen topic; run by a paper
    // window as it unloads.
    void RefreshContents();

    // --- Navigation, as the tabs, toolbar and rows run it ---
    void TabClick(int tab);   // Tab01_Click .. Tab04_Click
    void ToolBarClick(int n); // ToolBar01_Click .. ToolBar04_Click
    void ShowPanel();
    void RaiseTab(int tab);
    void CloseProgram();
    void LoadModuleData();
    void TopicClick(int topic); // Topic1_Click .. Topic10_Click
    void TopicChoosing(int firstPaper);
    void OpenPaper(int offset, int take);
    // The pupil chose a topic or came to a paper's button: the paper windows
    // get ready in the background, so that the paper opens at once.
    void PrepareForPaper();
    void ShowReport();
    void ShowReportSection();
    void PrintResults();
    void PrintSetup();

    // --- Parts, for tests and the look ---
    HomePanel *homePanel() const { return m_home; }
    // The other panels are made when first asked for.
    ReportPanel *reportPanel();
    TrashPanel *trashPanel();
    AboutPanel *aboutPanel();
    // The panel last brought to the front.
    QWidget *shownPanel() const { return m_shown; }
    PictureButton *tab(int n) const { return m_tabs.value(n - 1); }
    PictureButton *toolbarButton(int n) const { return m_toolbar.value(n - 1); }
    ShadedBox *tabStrip() const { return m_strip; }
    ResultsPrinter &printer() const { return *m_printer; }
    // The module data LoadModuleData read.
    const MarksRows &marksRows() const { return m_rows; }
    int topicTotal() const { return m_topicTotal; }

    static constexpr QSize kWindowSize{680, 540};

protected:
    void imgProgClose_Click() override;
    void layoutFrame() override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void build();
    void buildTabs();
    void buildToolbar();
    void fillCaptions();
    void layoutTabs();
    void placeTab(int n, int left, int top);
    void applyToolbarIdentities();
    void showPanelWidget(QWidget *panel);
    void addPanel(QWidget *panel);
    void eraseAllResults();
    void showStartupNotices();
    void setField(const QString &name, const QString &text);
    int fieldNumber(const QString &name) const;
    void addField(const QString &name, bool textBox, const QString &text);
    void buildShortcuts();
    // The focus stops in Tab order: the panel in front, toolbar, tabs.
    QList<QWidget *> focusChain() const;
    void focusStart();

    ProgramConfig m_config;
    std::optional<ProgramConfig> m_givenConfig;
    QWidget *m_client = nullptr;
    ShadedBox *m_strip = nullptr;
    QList<PictureButton *> m_tabs;
    QList<PictureButton *> m_toolbar;
    HomePanel *m_home = nullptr;
    ReportPanel *m_report = nullptr;
    TrashPanel *m_trash = nullptr;
    AboutPanel *m_about = nullptr;
    QWidget *m_shown = nullptr;
    QHash<QString, QWidget *> m_fields;
    std::unique_ptr<ResultsPrinter> m_printer;
    std::unique_ptr<PaperWindowFactory> m_paperWindows;
    bool m_closing = false;
    std::optional<ResultsCheck> m_resultsCheck;
    QList<std::pair<QString, QString>> m_notices; // title, message

    // Module data of the chosen module.
    int m_topicTotal = 0;
    int m_paperTotal = 0;
    QStringList m_topicNames;
    MarksRows m_rows;
};
