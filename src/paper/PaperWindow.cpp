#include "PaperWindow.h"

#include "Accessibility.h"
#include "Activation.h"
#include "AnswerFrame.h"
#include "AnswerSheet.h"
#include "BrowserModule.h"
#include "CornerResizer.h"
#include "FrameFonts.h"
#include "FrameMetrics.h"
#include "MarkingProgress.h"
#include "OptionChoice.h"
#include "PageGuard.h"
#include "PaperHost.h"
#include "PaperLayout.h"
#include "PaperStatusBar.h"
#include "PictureBox.h"
#include "PictureChoice.h"
#include "QuestionBrowser.h"
#include "Records.h"
#include "Resources.h"
#include "Score.h"
#include "TextCodec.h"
#include "ToolbarIdentity.h"
#include "frmPopUp.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPointer>
#include <QPrinterInfo>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>

namespace {

PaperWindow::PrintDialogSeam printDialogSeam;

// Runs `done` once `view` shows its page: at the first of its paints (or of
// the widget that draws for it) after which it holds more than one plain
// colour. Paints of the empty view come too, before and after the page has
// loaded. Gives up waiting after `ms`.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget *view, int ms, std::function<void()> done)
        : QObject(view), m_view(view), m_done(std::move(done))
    {
        m_view->installEventFilter(this);
        if (QWidget *proxy = m_view->focusProxy())
            proxy->installEventFilter(this);
        QTimer::singleShot(ms, this, &FirstPaintWatch::finish);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Looked at once the paint is done; the look paints too.
        if (event->type() == QEvent::Paint && !m_checkQueued && !m_looking) {
            m_checkQueued = true;
            QTimer::singleShot(0, this, &FirstPaintWatch::check);
        }
        return false;
    }

private:
    void check()
    {
        m_checkQueued = false;
        m_looking = true;
        const QImage image = m_view->grab().toImage();
        m_looking = false;
        const QRgb first = image.isNull() ? 0 : image.pixel(0, 0);
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                if (image.pixel(x, y) != first) {
                    finish();
                    return;
                }
    }

    void finish()
    {
        if (!m_done)
            return;
        const std::function<void()> done = std::move(m_done);
        m_done = nullptr;
        deleteLater();
        done();
    }

    QWidget *m_view;
    std::function<void()> m_done;
    bool m_checkQueued = false;
    bool m_looking = false;
};

const QString OpenTitle = QStringLiteral("Open Paper");
const QString PrintTitle = QStringLiteral("Print Question");
const QString SaveTitle = QStringLiteral("Quorvane");

QString NoRoomToOpen()
{
    return QStringLiteral("There is no room left on the disk to show this paper. Please ask your "
                          "teacher to make some room.");
}

FrameStyle paperStyle(bool secondAttempt)
{
    FrameStyle style;
    style.focusField = secondAttempt ? QStringLiteral("Test2Focus") : QStringLiteral("Test1Focus");
    style.icon = QStringLiteral("Pencil.ico");
    style.maximiseButton = true;
    return style;
}

QColor pale()
{
    return QColor(244, 245, 235);
}

void fillPale(QWidget *w)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, pale());
    w->setPalette(pal);
}

bool runPrintDialog(QPrinter *printer, QWidget *parent)
{
    if (printDialogSeam)
        return printDialogSeam(printer, parent);
    QPrintDialog dialog(printer, parent);
    dialog.setWindowTitle(PrintTitle);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    Activation::handBack(parent);
    return accepted;
}

// Toolbar button n (1..6) and the key that does what it does.
QKeySequence toolbarShortcut(int n)
{
    switch (n) {
    case 1: return QKeySequence(Qt::CTRL | Qt::Key_S);
    case 2: return QKeySequence(Qt::CTRL | Qt::Key_M);
    case 3: return QKeySequence(Qt::CTRL | Qt::Key_P);
    case 4: return QKeySequence(Qt::CTRL | Qt::Key_W);
    case 5: return QKeySequence(Qt::ALT | Qt::Key_Left);
    case 6: return QKeySequence(Qt::ALT | Qt::Key_Right);
    default: return {};
    }
}

} // namespace

PaperWindow::PaperWindow(PaperHost &host, bool secondAttempt)
    : SkinnedWindow(host.workspace(), paperStyle(secondAttempt)),
      m_host(host),
      m_secondAttempt(secondAttempt)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(secondAttempt ? QStringLiteral("Test2") : QStringLiteral("Test1"));
    setTitle(secondAttempt ? QStringLiteral("Try Again") : QStringLiteral("Practice"));
    setMinimumSize(Module5::MinimumPaperSize());

    m_qsCount = makeHiddenField(QStringLiteral("QSCount"), QStringLiteral("1"), this);
    m_statusField = makeHiddenField(QStringLiteral("Status"), QString(), this);
    m_topicCount = makeHiddenField(QStringLiteral("TopicCount"), QString(), this);

    m_scnTabBG = new QWidget(this);
    m_scnTabBG->setObjectName(QStringLiteral("ScnTabBG"));
    fillPale(m_scnTabBG);
    m_paperSum = new PictureBox(pictures(), m_scnTabBG);
    m_paperSum->setObjectName(QStringLiteral("PaperSum"));
    m_paperSum->setPicture(QStringLiteral("pen.bmp"));
    buildToolbar();

    m_sheet = new AnswerSheet(pictures(), secondAttempt, this);
    connect(m_sheet, &AnswerSheet::lastBoxEntered, this, [this] { m_toolbar[5]->click(); });

    m_picHideAns = new QWidget(this);
    m_picHideAns->setObjectName(QStringLiteral("PicHideAns"));
    fillPale(m_picHideAns);
    m_imgHandle = new PictureBox(pictures(), m_picHideAns);
    m_imgHandle->setObjectName(QStringLiteral("ImgHandle"));
    m_imgHandle->setPicture(QStringLiteral("Handle.bmp"));
    m_imgHandle->setToolTip(QStringLiteral("Hide answer sheet"));
    m_imgHandle->setCursor(Qt::PointingHandCursor);
    connect(m_imgHandle, &PictureBox::clicked, this, &PaperWindow::ImgHandle_Click);
    Accessibility::actsAs(m_imgHandle);

    m_statusBar = new PaperStatusBar(pictures(), secondAttempt, this);
    connect(m_statusBar, &PaperStatusBar::questionChosen, this, &PaperWindow::RemQns_Click);
    const QKeySequence remainingKeys(Qt::CTRL | Qt::Key_G);
    m_statusBar->remaining()->setToolTip(m_statusBar->remaining()->toolTip() + QStringLiteral(" (")
                                         + remainingKeys.toString(QKeySequence::NativeText)
                                         + QStringLiteral(")"));
    connect(new QShortcut(remainingKeys, this), &QShortcut::activated, this,
            &PaperWindow::openRemainingList);
    // Typed or clicked, the answer of a multiple-choice question is drawn
    // on its page.
    connect(m_sheet->answerBox(1), &QLineEdit::textEdited, this, &PaperWindow::updatePageMark);

    // The bar picture's rounded ends would stretch with the bar: the same
    // colours are drawn at any width instead.
    m_qnTitleBG = new QWidget(this);
    m_qnTitleBG->setObjectName(QStringLiteral("QnTitleBG"));
    m_qnTitleBG->setAttribute(Qt::WA_StyledBackground);
    m_qnTitleBG->setStyleSheet(QStringLiteral(
        "#QnTitleBG { border: 1px solid #15458e; border-radius: 4px; background: "
        "qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #74aef4, stop:0.5 #3c82e0, "
        "stop:1 #1d5bb8); }"));
    m_qnTitle = new QLabel(QStringLiteral("Question 1"), m_qnTitleBG);
    m_qnTitle->setObjectName(QStringLiteral("QnTitle"));
    QFont titleFont = Module5::TitleFont();
    m_qnTitle->setFont(titleFont);
    m_qnTitle->setStyleSheet(QStringLiteral("color: white"));
    m_qnTitle->setAttribute(Qt::WA_TranslucentBackground);

    m_sizer = new PictureBox(pictures(), this);
    m_sizer->setObjectName(QStringLiteral("Sizer"));
    m_sizer->setPicture(QStringLiteral("statusgrabber.bmp"));

    m_fmeMark = new MarkingProgress(pictures(), this);

    m_resizer = new CornerResizer(this);
    for (Piece p : {Piece::Left, Piece::Right, Piece::Bottom, Piece::BottomLeft, Piece::BottomRight})
        m_resizer->addSurface(piece(p));
    m_resizer->addSurface(m_sizer);

    QRect screenRect(0, 0, 1024, 768);
    if (QScreen *s = QGuiApplication::primaryScreen())
        screenRect = s->geometry();
    setGeometry(Module5::PaperStartGeometry(screenRect));
}

QStringList PaperWindow::picturesAtOpen()
{
    using namespace Module5;
    QStringList names = framePictures(paperStyle(false));
    names << QStringLiteral("pen.bmp") << QStringLiteral("Handle.bmp")
          << QStringLiteral("statusgrabber.bmp") << QStringLiteral("instruction.gif")
          << QStringLiteral("progressbar.bmp");
    for (int n = 1; n <= 6; ++n)
        names << PictureFile(PaperToolbarIdentity(n).base, ButtonState::Off);
    // Save and Mark on a marked attempt, Back on the first question, Next on
    // the last.
    for (int n : {1, 2, 5, 6})
        names << PictureFile(PaperToolbarIdentity(n).base, ButtonState::Disabled);
    for (int n = 1; n <= 4; ++n)
        names << QStringLiteral("bottombg%1.bmp").arg(n);
    return names;
}

PaperWindow::~PaperWindow()
{
    // The view goes first: a print still running uses the printer.
    delete m_browser;
    m_browser = nullptr;
    removePageFile();
}

void PaperWindow::removePageFile()
{
    // Forgotten once removed: a window opened on the same paper after this
    // one unloads writes a file of the same name, which stays its own.
    if (!m_currentPageFile.isEmpty() && QFile::exists(m_currentPageFile))
        QFile::remove(m_currentPageFile);
    m_currentPageFile.clear();
}

void PaperWindow::setPrintDialogSeam(PrintDialogSeam seam)
{
    printDialogSeam = std::move(seam);
}

const FirstAttempt &PaperWindow::firstAttempt() const
{
    static const FirstAttempt none;
    return none;
}

void PaperWindow::buildToolbar()
{
    using Handler = void (PaperWindow::*)();
    const Handler handlers[6] = {&PaperWindow::SavePaper,  &PaperWindow::MarkPaper,
                                 &PaperWindow::PrintQuestion, &PaperWindow::ClosePaper,
                                 &PaperWindow::PrevQuestion, &PaperWindow::NextQuestion};
    for (int n = 1; n <= 6; ++n) {
        PictureButton *b = addButton(PictureButton::Rule::Toolbar,
                                     QStringLiteral("ToolBar0%1").arg(n),
                                     QRect(QPoint(0, 0), Module5::kToolbarButtonSize), m_scnTabBG);
        b->createCaption(QStringLiteral("lblTB0%1").arg(n), QRect());
        const ToolbarIdentity identity = Module5::PaperToolbarIdentity(n);
        b->setIdentity(identity);
        const QKeySequence keys = toolbarShortcut(n);
        b->setTips(identity.tooltip + QStringLiteral(" (")
                   + keys.toString(QKeySequence::NativeText) + QStringLiteral(")"));
        connect(b, &PictureBox::clicked, this, handlers[n - 1]);
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, b, &PictureButton::click);
        m_toolbar[n - 1] = b;
    }
}

void PaperWindow::resizeEvent(QResizeEvent *event)
{
    SkinnedWindow::resizeEvent(event);
    layoutPaper();
}

void PaperWindow::layoutPaper()
{
    if (!m_scnTabBG)
        return;
    // The sheet stays as the pupil left it: a resize does not bring a
    // hidden sheet back.
    const Module5::PaperRects r = Module5::LayoutPaper(size(), m_sheetShown);
    m_scnTabBG->setGeometry(r.scnTabBG);
    const QSize caption = Module5::kToolbarCaptionSize;
    for (int n = 0; n < 6; ++n) {
        m_toolbar[n]->setGeometry(r.toolbar[n]);
        if (QLabel *label = m_toolbar[n]->caption())
            label->setGeometry(r.toolbar[n].x(), r.toolbar[n].bottom() + 1 - caption.height(),
                               caption.width(), caption.height());
    }
    m_paperSum->setGeometry(r.paperSum);
    m_sheet->setGeometry(r.ansBox);
    m_sheet->setVisible(m_sheetShown);
    m_picHideAns->setGeometry(r.picHideAns);
    m_imgHandle->setGeometry(r.imgHandle);
    if (m_browser)
        m_browser->setGeometry(r.browser);
    m_qnTitleBG->setGeometry(r.qnTitleBG);
    m_qnTitle->setGeometry(Module5::kToolbarGap, 0, std::max(0, r.qnTitleBG.width() - 16),
                           r.qnTitleBG.height());
    m_statusBar->setGeometry(r.remQnsBG);
    m_sizer->setGeometry(r.sizer);
    m_sizer->raise();
}

bool PaperWindow::fail(const QString &message)
{
    removePageFile();
    emit openFailed();
    frmPopUp::CallPop(OpenTitle, message, 1, m_host.hostWindow());
    return false;
}

bool PaperWindow::Form_Load()
{
    m_handover = PaperHandover::read([this](const QString &name) { return m_host.field(name); });
    m_topicCount->setText(QString::number(m_handover.topicFirstPaper));
    if (!m_handover.isValid())
        return fail(QStringLiteral("This paper cannot be opened: the main window did not say "
                                   "which paper to show."));
    setTitle(m_handover.caption());
    setQuestion(1);
    m_store.emplace(workspace(), m_handover.module, m_handover.code, m_handover.paperCount);

    m_content = PaperContent::load(m_handover.module, QString::number(m_handover.paperKey));
    const bool fits = std::all_of(m_content.partsPerQuestion.begin(),
                                  m_content.partsPerQuestion.end(),
                                  [](int parts) { return parts >= 1 && parts <= 20; });
    if (!m_content.isUsable() || !fits || m_content.slotCount() > 80)
        return fail(QStringLiteral("This paper cannot be opened: its questions could not be "
                                   "unpacked from the program."));

    QString error;
    m_browser = BrowserModule::create(this, &error);
    if (!m_browser)
        return fail(QStringLiteral("The question pages cannot be shown: ") + error);
    m_browser->setObjectName(QStringLiteral("brwWebBrowser"));
    // The page is the whole left of the window: an outline round it says nothing.
    m_browser->setProperty("noFocusMark", true);
    m_guard = new PageGuard(m_browser->pageView(), this);
    connect(m_browser, &QuestionBrowser::pageLoaded, this, [this](const QUrl &, bool ok) {
        m_guard->attach();
        emit pageShown(m_currentPageFile, ok);
    });
    connect(m_browser, &QuestionBrowser::printFinished, this, &PaperWindow::finishPrint);
    connect(m_browser, &QuestionBrowser::optionClicked, this, &PaperWindow::chooseOption);
    connect(m_sheet, &AnswerSheet::pageScrollRequested, m_browser, &QuestionBrowser::scrollPage);
    watchFirstPage();
    m_qnTitleBG->raise();
    m_fmeMark->raise();
    layoutPaper();
    // The stored choice comes first: the page is asked for once, with its mark.
    readStoredAttempt();
    FillAnswerSheet();
    if (!ShowQuestionPage())
        return fail(m_pageNoRoom ? NoRoomToOpen()
                                 : QStringLiteral("This paper cannot be opened: its first question "
                                                  "page could not be unpacked into the program "
                                                  "folder."));

    ShowAnswerFrames();
    RebuildRemainingList();
    if (isMarked())
        MarkPaper();

    m_sheetShown = true;
    m_startTime = QDateTime::currentDateTime();
    startTimer1();
    m_statusBar->setAnswered(AnsweredCount(m_answers), slotCount());
    m_statusBar->setDate(Score::DateText(m_startTime.date()));
    m_loaded = true;
    updatePageMark();
    Timer1_Timer();
    m_sheet->focusFirstBox();
    return true;
}

void PaperWindow::watchFirstPage()
{
    connect(
        m_browser, &QuestionBrowser::pageLoaded, this,
        [this] {
            new FirstPaintWatch(m_browser->pageView(), 1000, [this] { emit firstPagePainted(); });
        },
        Qt::SingleShotConnection);
}

void PaperWindow::readStoredAttempt()
{
    const int count = slotCount();
    m_answerLines = m_store->readPaperLines(answersStem());
    m_answers = Module1::SplitKeyLine(m_answerLines.value(paper() - 1), count);
    m_resultLines = m_store->readPaperLines(resultsStem());
    m_results = Module1::SplitKeyLine(m_resultLines.value(paper() - 1), count);
    loadAttempt();
    m_marks = m_store->readMarks();
    takeMarksRows(m_marks);
}

void PaperWindow::setQuestion(int question)
{
    m_question = question;
    m_qsCount->setText(QString::number(question));
    m_qnTitle->setText(QStringLiteral("Question ") + QString::number(question));
}

void PaperWindow::setStatus(const QString &status)
{
    m_status = status;
    m_statusField->setText(status);
}

bool PaperWindow::ShowQuestionPage()
{
    removePageFile();
    const QString id = m_content.questionIds.value(m_question - 1).trimmed();
    m_currentPageFile = workspace().file(QStringLiteral("temppaper") + id + QStringLiteral(".mht"));
    m_currentPageId = id.toInt();
    const int error = m_currentPageId > 0 ? Module3::ExtractResource(m_currentPageId,
                                                                     QStringLiteral("Custom"),
                                                                     m_currentPageFile)
                                          : int(Module3::ErrNoSuchResource);
    const bool ok = error == Module3::ExtractOk;
    m_pageNoRoom = error == Module3::ErrDiskFull;
    if (ok) {
        updatePageMark();
        m_browser->navigateTo(m_currentPageFile);
    } else {
        // Never the previous question's page under this question's number.
        QFile::remove(m_currentPageFile);
        m_browser->showNotice(m_pageNoRoom ? NoRoomToOpen()
                                           : QStringLiteral("This question page could not be shown."));
    }
    return ok;
}

void PaperWindow::FillAnswerSheet()
{
    const int before = m_content.slotsBefore(m_question);
    const int parts = m_content.partsPerQuestion.value(m_question - 1);
    const QStringList kinds = m_content.slotKinds.mid(before, parts);
    m_sheet->setInstructionVisible(kinds.contains(QStringLiteral("X"))
                                   || kinds.contains(QStringLiteral("F")));
    m_sheet->layoutFrames(kinds);
    for (int k = 1; k <= parts && k <= AnswerSheetLayout::kFrameCount; ++k)
        m_sheet->frame(k)->show(frameView(before + k));
}

void PaperWindow::ShowAnswerFrames()
{
    m_sheet->showFrames(m_content.partsPerQuestion.value(m_question - 1));
}

void PaperWindow::CollectAnswers()
{
    const int before = m_content.slotsBefore(m_question);
    const int parts = m_content.partsPerQuestion.value(m_question - 1);
    while (m_answers.size() < slotCount())
        m_answers.append(QString());
    // '>', '#' and line breaks cannot be held by a record.
    for (int k = 1; k <= parts && k <= AnswerSheetLayout::kFrameCount; ++k)
        m_answers[before + k - 1] = TextCodec::ClearAnswerText(m_sheet->answerBox(k)->text());
}

bool PaperWindow::storeAnswers()
{
    const SaveResult saved =
        m_store->storePaperValues(answersStem(), m_answerLines, paper(), m_answers, slotCount());
    if (saved)
        return true;
    frmPopUp::CallPop(SaveTitle,
                      saved.noRoom ? NoRoomMessage()
                                   : QStringLiteral("Your answers could not be saved. Check that "
                                                    "the program folder can be written."),
                      1, this);
    return false;
}

void PaperWindow::RebuildRemainingList()
{
    m_statusBar->setRemaining(RemainingQuestions(m_content, m_answers));
}

void PaperWindow::goToQuestion(int question)
{
    CollectAnswers();
    storeAnswers();
    setQuestion(question);
    FillAnswerSheet();
    ShowAnswerFrames();
    ShowQuestionPage();
    RebuildRemainingList();
    Timer1_Timer();
    m_sheet->focusFirstBox();
}

void PaperWindow::NextQuestion()
{
    if (m_question < m_content.questionCount())
        goToQuestion(m_question + 1);
}

void PaperWindow::PrevQuestion()
{
    if (m_question > 1)
        goToQuestion(m_question - 1);
}

void PaperWindow::RemQns_Click(int question)
{
    if (question >= 1 && question <= m_content.questionCount())
        goToQuestion(question);
}

void PaperWindow::ImgHandle_Click()
{
    m_sheetShown = !m_sheetShown;
    m_imgHandle->setToolTip(m_sheetShown ? QStringLiteral("Hide answer sheet")
                                         : QStringLiteral("Show answer sheet"));
    layoutPaper();
}

void PaperWindow::SavePaper()
{
    if (isMarked())
        return;
    CollectAnswers();
    if (storeAnswers())
        frmPopUp::CallPop(SaveTitle, QStringLiteral("Paper saved"), 1, this);
    m_statusBar->setAnswered(AnsweredCount(m_answers), slotCount());
}

void PaperWindow::MarkPaper()
{
    if (!isMarked()) {
        CollectAnswers();
        storeAnswers();
        m_statusBar->setAnswered(AnsweredCount(m_answers), slotCount());
        const bool unanswered = HasUnansweredSlot(m_answers, slotCount(), firstAttempt());
        if (!frmPopUp::CallPop(MarkingTitle, MarkingQuestion(unanswered), 2, this))
            return;
        const QPointer<PaperWindow> alive(this);
        repaint();
        m_fmeMark->run();
        if (!alive || m_unloaded)
            return;

        const QDateTime now = QDateTime::currentDateTime();
        const QString date = Score::DateText(now.date());
        const QString timeTaken = Score::TimeTakenText(m_startTime, now);
        const MarkedAttempt marked = MarkAttempt(m_answers, m_content.slotKeys,
                                                 m_content.slotKinds, m_content.slotValues,
                                                 firstAttempt());
        if (!marked.hasPercent())
            frmPopUp::CallPop(MarkingTitle,
                              QStringLiteral("This paper has no marks to give, so it gets no "
                                             "score."),
                              1, this);
        if (const SaveResult saved = storeMarked(marked, timeTaken, date); !saved) {
            // Show only what the files now hold.
            readStoredAttempt();
            frmPopUp::CallPop(MarkingTitle,
                              saved.noRoom
                                  ? NoRoomMessage()
                                  : QStringLiteral("Your results could not be saved. Check that "
                                                   "the program folder can be written, then mark "
                                                   "the paper again."),
                              1, this);
            if (!isMarked()) {
                Timer1_Timer();
                return;
            }
        } else {
            m_results = marked.results;
            setStatus(QStringLiteral("1"));
            m_score = marked.percent;
        }
    }
    showMarkedDisplay();
}

void PaperWindow::showMarkedDisplay()
{
    FillAnswerSheet();
    ShowAnswerFrames();
    showMarkedStatus();
    Timer1_Timer();
}

bool PaperWindow::isOptionQuestion() const
{
    const int parts = m_content.partsPerQuestion.value(m_question - 1);
    return OptionChoice::IsOptionQuestion(
        m_content.slotKinds.mid(m_content.slotsBefore(m_question), parts));
}

void PaperWindow::chooseOption(int option)
{
    QLineEdit *box = m_sheet->answerBox(1);
    if (!m_loaded || isMarked() || !isOptionQuestion() || box->isReadOnly())
        return;
    // As if typed: the box's own checks apply, and it tells of the edit.
    box->selectAll();
    box->insert(QString::number(option));
    box->setFocus(Qt::OtherFocusReason);
}

void PaperWindow::updatePageMark()
{
    if (!m_browser || m_currentPageFile.isEmpty())
        return;
    m_browser->setPageMark(m_currentPageFile,
                           OptionChoice::PageMark(isOptionQuestion(), m_sheet->answerBox(1)->text()));
}

void PaperWindow::openRemainingList()
{
    QComboBox *list = m_statusBar->remaining();
    if (!list->isVisible() || list->count() == 0)
        return;
    list->setFocus(Qt::ShortcutFocusReason);
    list->showPopup();
}

void PaperWindow::ClosePaper()
{
    if (frmPopUp::CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, this))
        unload();
}

void PaperWindow::imgProgClose_Click()
{
    ClosePaper();
}

void PaperWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloading = true;
    close();
}

void PaperWindow::closeEvent(QCloseEvent *event)
{
    if (!m_unloading) {
        // Closed by the window system: ask first, after this event.
        event->ignore();
        if (!m_fmeMark->isRunning())
            QTimer::singleShot(0, this, &PaperWindow::ClosePaper);
        return;
    }
    Form_Unload();
    event->accept();
}

void PaperWindow::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    timer1()->stop();
    removePageFile();
    emit unloaded();
    m_host.RefreshContents();
    Activation::handBack(m_host.hostWindow());
}

void PaperWindow::PrintQuestion()
{
    if (m_printer || !m_browser || m_browser->isPrinting())
        return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setResolution(300);
    printer->setDocName(windowTitle() + QStringLiteral(" - Question ") + QString::number(m_question));
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        frmPopUp::CallPop(PrintTitle,
                          QStringLiteral("No printer is installed. You can save the question "
                                         "as a PDF file instead."),
                          1, this);
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        QString name = printer->docName();
        name.replace(QLatin1Char('/'), QLatin1Char('-'));
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QDir(folder).filePath(name + QStringLiteral(".pdf")));
    }
    if (!runPrintDialog(printer.get(), this))
        return;
    m_printer = std::move(printer);
    if (!m_browser->print(m_printer.get()))
        m_printer.reset();
}

void PaperWindow::finishPrint(bool ok)
{
    const QString pdf = m_printer && m_printer->outputFormat() == QPrinter::PdfFormat
                            ? m_printer->outputFileName()
                            : QString();
    // The engine may still hold the printer while it reports; let go after.
    QTimer::singleShot(0, this, [this] { m_printer.reset(); });
    if (!ok)
        frmPopUp::CallPop(PrintTitle, QStringLiteral("The question could not be printed."), 1,
                          this);
    else if (!pdf.isEmpty())
        // Saved rather than printed: say where, or the pupil cannot find it.
        frmPopUp::CallPop(PrintTitle,
                          QStringLiteral("The question was saved in the file:\n")
                              + QDir::toNativeSeparators(pdf),
                          1, this);
}

void PaperWindow::Timer1_Timer()
{
    if (!m_loaded) {
        SkinnedWindow::Timer1_Timer();
        return;
    }
    const bool open = !isMarked();
    m_toolbar[0]->setAvailable(open);
    m_toolbar[1]->setAvailable(open);
    m_toolbar[2]->setAvailable(true);
    m_toolbar[3]->setAvailable(true);
    m_toolbar[4]->setAvailable(m_question > 1);
    m_toolbar[5]->setAvailable(m_question < m_content.questionCount());
    tickClock();
    m_statusBar->setAnswered(AnsweredCount(m_answers), slotCount());
    SkinnedWindow::Timer1_Timer();
}
