#pragma once

#include "AnswerFrameView.h"
#include "MarkedAttempt.h"
#include "PaperContent.h"
#include "PaperHandover.h"
#include "ResultsStore.h"
#include "SkinnedWindow.h"

#include <QDateTime>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class AnswerSheet;
class CornerResizer;
class MarkingProgress;
class PageGuard;
class PaperHost;
class PaperStatusBar;
class PictureBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QuestionBrowser;

// A paper window: one attempt at one paper. The question page is on the
// left, the answer sheet on the right, the toolbar (Save, Mark, Print,
// Close, Back, Next) above and the status bar below. Everything the first
// and the second attempt share lives here; Test1 and Test2 fill in what
// differs: the files of the attempt, what is read from the marks rows, how a
// frame shows a slot, what the unanswered check and the marking carry over,
// what is stored, and the status bar.
//
// Every move between questions stores the answers file; "Save" does the
// same with a notice; closing does not store. While a paper is open the
// program folder holds its one page file "temppaper<id>.mht"; it is deleted
// when the window unloads, which then asks the host to refresh.
class PaperWindow : public SkinnedWindow
{
    Q_OBJECT
public:
    ~PaperWindow() override;

    // Reads the handover, unpacks the paper and shows its first question.
    // False, after telling the pupil, when the paper cannot be opened; the
    // window must then be deleted without being shown.
    bool Form_Load();

    void NextQuestion();
    void PrevQuestion();
    void RemQns_Click(int question);
    void SavePaper();
    void MarkPaper();
    // Asks "Close Practice" / "Confirm?" and unloads on "Yes".
    void ClosePaper();
    void PrintQuestion();
    void ImgHandle_Click();
    // A click on option `option` of a multiple-choice page: the option's
    // number in the answer box, as if typed. Nothing once the attempt is
    // marked or the box is locked.
    void chooseOption(int option);
    // Ctrl+G: the list of remaining questions, open.
    void openRemainingList();
    // Unloads without asking (the main window opening another paper or
    // ending the program).
    void unload();

    const PaperHandover &handover() const { return m_handover; }
    const PaperContent &content() const { return m_content; }
    const QStringList &answers() const { return m_answers; }
    const QStringList &results() const { return m_results; }
    int question() const { return m_question; }
    bool isMarked() const { return m_status.trimmed() == QLatin1String("1"); }
    const QString &score() const { return m_score; }
    const QString &currentPageFile() const { return m_currentPageFile; }
    const QDateTime &startTime() const { return m_startTime; }
    bool sheetShown() const { return m_sheetShown; }
    QuestionBrowser *browser() const { return m_browser; }
    AnswerSheet *answerSheet() const { return m_sheet; }
    PaperStatusBar *statusBar() const { return m_statusBar; }
    PictureButton *toolbarButton(int n) const { return m_toolbar.at(n - 1); }
    bool isPrinting() const { return m_printer != nullptr; }

    // The pictures a paper window shows as it opens and until its first
    // page is painted, either attempt.
    static QStringList picturesAtOpen();

    // Seam for tests: answers the print dialog instead of showing it.
    using PrintDialogSeam = std::function<bool(QPrinter *printer, QWidget *parent)>;
    static void setPrintDialogSeam(PrintDialogSeam seam);

signals:
    void pageShown(const QString &file, bool ok);
    // The first page loaded and drawn (or given up on waiting for).
    void firstPagePainted();
    // Form_Load found the paper cannot be opened; the pupil is told next.
    void openFailed();
    void unloaded();

protected:
    PaperWindow(PaperHost &host, bool secondAttempt);

    // The differences between the attempts.
    virtual ResultsStore::Stem answersStem() const = 0;
    virtual ResultsStore::Stem resultsStem() const = 0;
    // After the attempt's answers and results are read.
    virtual void loadAttempt() {}
    // Status, score (and times) of this attempt from the marks rows.
    virtual void takeMarksRows(const MarksRows &rows) = 0;
    // The slots already correct: none in a first attempt.
    virtual const FirstAttempt &firstAttempt() const;
    virtual AnswerFrameView frameView(int slot) const = 0;
    virtual SaveResult storeMarked(const MarkedAttempt &marked, const QString &timeTaken,
                             const QString &date) = 0;
    virtual void showMarkedStatus() = 0;
    // Per tick: the clock of a first attempt.
    virtual void tickClock() {}

    void Timer1_Timer() override;
    void imgProgClose_Click() override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    ResultsStore &store() { return *m_store; }
    MarksRows &marksRows() { return m_marks; }
    QStringList &answersRef() { return m_answers; }
    QStringList &resultsRef() { return m_results; }
    QStringList &resultLines() { return m_resultLines; }
    const QString &status() const { return m_status; }
    void setStatus(const QString &status);
    void setScore(const QString &score) { m_score = score; }
    int paper() const { return m_handover.paper(); }
    int slotCount() const { return m_content.slotCount(); }

private:
    void buildToolbar();
    void layoutPaper();
    bool fail(const QString &message);
    void watchFirstPage();
    bool ShowQuestionPage();
    void removePageFile();
    bool isOptionQuestion() const;
    void updatePageMark();
    void CollectAnswers();
    bool storeAnswers();
    void goToQuestion(int question);
    void FillAnswerSheet();
    void ShowAnswerFrames();
    void RebuildRemainingList();
    void showMarkedDisplay();
    void readStoredAttempt();
    void finishPrint(bool ok);
    void Form_Unload();
    void setQuestion(int question);

    PaperHost &m_host;
    bool m_secondAttempt;
    PaperHandover m_handover;
    std::optional<ResultsStore> m_store;
    PaperContent m_content;
    QStringList m_answers, m_results;
    QStringList m_answerLines, m_resultLines;
    MarksRows m_marks;
    QString m_status;
    QString m_score;
    int m_question = 1;
    QString m_currentPageFile;
    int m_currentPageId = 0;
    bool m_pageNoRoom = false;
    QDateTime m_startTime;
    bool m_sheetShown = true;
    bool m_loaded = false;
    bool m_unloading = false;
    bool m_unloaded = false;

    QWidget *m_scnTabBG = nullptr;
    std::array<PictureButton *, 6> m_toolbar{};
    PictureBox *m_paperSum = nullptr;
    QWidget *m_qnTitleBG = nullptr;
    QLabel *m_qnTitle = nullptr;
    QWidget *m_picHideAns = nullptr;
    PictureBox *m_imgHandle = nullptr;
    AnswerSheet *m_sheet = nullptr;
    PaperStatusBar *m_statusBar = nullptr;
    PictureBox *m_sizer = nullptr;
    MarkingProgress *m_fmeMark = nullptr;
    QuestionBrowser *m_browser = nullptr;
    PageGuard *m_guard = nullptr;
    CornerResizer *m_resizer = nullptr;
    QLineEdit *m_qsCount = nullptr;
    QLineEdit *m_statusField = nullptr;
    QLineEdit *m_topicCount = nullptr;
    std::unique_ptr<QPrinter> m_printer;
};
